#include "ScenarioScript.h"

QStringList SplitScenarioLine(const QString& line, bool& ok) {
    QStringList tokens;
    QString token;
    bool inToken = false, quoted = false;
    ok = true;
    for (int i = 0; i < line.size(); ++i) {
        const QChar ch = line[i];
        if (quoted) {
            if (ch == '\\' && i + 1 < line.size()) {
                // \r and \n stand for the line breaks of message texts.
                const QChar escaped = line[++i];
                token += escaped == 'r' ? QChar('\r') : escaped == 'n' ? QChar('\n') : escaped;
            } else if (ch == '"') {
                quoted = false;
            } else {
                token += ch;
            }
        } else if (ch.isSpace()) {
            if (inToken) tokens << token;
            token.clear();
            inToken = false;
        } else if (ch == '"') {
            quoted = inToken = true;
        } else {
            token += ch;
            inToken = true;
        }
    }
    if (quoted) ok = false;
    if (inToken) tokens << token;
    return tokens;
}

QVector<TScenarioStep> ParseScenario(const QString& text, QString& error) {
    QVector<TScenarioStep> steps;
    const QStringList lines = text.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith('#')) continue;
        bool ok = false;
        const QStringList tokens = SplitScenarioLine(line, ok);
        if (!ok) {
            error = QString("line %1: unterminated quote").arg(i + 1);
            return {};
        }
        steps.push_back({i + 1, tokens});
    }
    return steps;
}

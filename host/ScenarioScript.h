#pragma once
// A scenario script: one step a line, tokens separated by blanks, a token with blanks in double
// quotes (with \" and \\ inside); '#' starts a comment line.

#include <QString>
#include <QStringList>
#include <QVector>

struct TScenarioStep {
    int line = 0;
    QStringList tokens;
};

// The steps of the text; on a malformed line, error names it and the steps are empty.
QVector<TScenarioStep> ParseScenario(const QString& text, QString& error);
QStringList SplitScenarioLine(const QString& line, bool& ok);

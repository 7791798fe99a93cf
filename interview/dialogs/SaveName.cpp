#include "SaveName.h"

#include <QDir>

namespace {

const QString TaxExtension = ".TAX";

bool AsciiLetterOrDigit(QChar ch) {
    const char16_t c = ch.unicode();
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool AllowedNameCharacter(QChar ch) {
    return AsciiLetterOrDigit(ch) || ch == ' ' || ch == '-' || ch == '.' || ch == '~';
}

} // namespace

bool SaveNameKeyAccepted(QChar typed, const QString& current) {
    if (typed == '.') return !current.contains('.');
    return AsciiLetterOrDigit(typed) || typed == '-';
}

TCheckedSaveName CheckSaveName(const QString& typed) {
    TCheckedSaveName result;
    QString name = typed.trimmed();
    if (!name.contains('.'))
        name += ".tax";
    else if (name.endsWith('.'))
        name += "tax";
    else if (!name.endsWith(TaxExtension, Qt::CaseInsensitive) ||
             name.size() <= TaxExtension.size()) {
        result.check = TSaveNameCheck::BadExtension;
        return result;
    }
    result.name = name;
    if (name.startsWith('.')) return result;
    for (QChar ch : name)
        if (!AllowedNameCharacter(ch)) return result;
    result.check = TSaveNameCheck::Valid;
    return result;
}

QString SaveNameFullPath(const QString& folder, const QString& checkedName) {
    const QDir dir(folder);
    const QString upper = checkedName.toUpper();
    // A file already there under another case is the one meant: its name is kept, so that the
    // overwrite question is asked instead of a second file appearing beside it. The name's
    // characters hold no wildcards, so it filters for itself, ignoring case.
    const QStringList existing = dir.entryList({checkedName}, QDir::Files | QDir::Hidden);
    const QString name = existing.contains(upper) ? upper : existing.value(0, upper);
    return QDir::cleanPath(dir.absoluteFilePath(name));
}

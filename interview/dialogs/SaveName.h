#pragma once
// The rules of the save box for a return's file name: which keys the name edit takes, which
// names it accepts, and the full path a name stands for.

#include <QChar>
#include <QString>

enum class TSaveNameCheck { Valid, BadExtension, Invalid };

struct TCheckedSaveName {
    TSaveNameCheck check = TSaveNameCheck::Invalid;
    QString name; // the name with its extension completed
};

// Whether a typed character may go into the edit; `current` is the text without the selection
// the character replaces.
bool SaveNameKeyAccepted(QChar typed, const QString& current);

// Trims the name, completes a missing ".tax" and checks extension and characters.
TCheckedSaveName CheckSaveName(const QString& typed);

// The name inside the folder, the name in upper case unless a file of that name in another case
// is there already; the folder keeps its own case, since the file system tells cases apart.
QString SaveNameFullPath(const QString& folder, const QString& checkedName);

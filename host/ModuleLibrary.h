#pragma once
// The interview module as the host sees it: a library loaded at run time and its four exports.

#include "vesk2004.h"

#include <QLibrary>
#include <QRect>
#include <QString>
#include <QWidget>

class TModuleLibrary {
public:
    // Loads libVESK2004DLL from the folder of the running program.
    bool Load();
    void Unload();
    bool Loaded() const { return library_.isLoaded(); }
    QString ErrorString() const { return library_.errorString(); }
    QString FileName() const { return library_.fileName(); }

    int CheckVersion(int version) const { return checkVersion_(version); }
    int FailedScreenIndex() const { return failedScreenIndex_(); }
    void Run(WId owner, WId notify, const QString& dataFile, const QString& keyText,
             int startScreen, const QRect& placement, bool maximised, bool minimised) const;
    bool Free() const { return freeResources_() != 0; }
    // Any other symbol of the library (the scenario runner's reads of the store).
    QFunctionPointer Resolve(const char* symbol) { return library_.resolve(symbol); }

private:
    QLibrary library_;
    VeskCheckVersionFn checkVersion_ = nullptr;
    VeskGetFailedScreenIndexFn failedScreenIndex_ = nullptr;
    VeskRunModuleFn run_ = nullptr;
    VeskFreeResourcesFn freeResources_ = nullptr;
};

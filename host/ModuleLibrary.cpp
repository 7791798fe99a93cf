#include "ModuleLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QRect>

#include <string>

namespace {

// A length-prefixed 8-bit string: the length byte, then at most 255 characters.
std::string PascalString(const QString& text) {
    QByteArray bytes = text.toLatin1().left(255);
    std::string result(1, char(bytes.size()));
    result.append(bytes.constData(), bytes.size());
    return result;
}

const unsigned char* Bytes(const std::string& text) {
    return reinterpret_cast<const unsigned char*>(text.data());
}

} // namespace

bool TModuleLibrary::Load() {
    library_.setFileName(
        QDir(QCoreApplication::applicationDirPath()).filePath("libVESK2004DLL.so"));
    if (!library_.load()) return false;
    checkVersion_ = reinterpret_cast<VeskCheckVersionFn>(library_.resolve("CheckVersion"));
    failedScreenIndex_ =
        reinterpret_cast<VeskGetFailedScreenIndexFn>(library_.resolve("GetFailedScreenIndex"));
    run_ = reinterpret_cast<VeskRunModuleFn>(library_.resolve("RunVeskModule"));
    freeResources_ = reinterpret_cast<VeskFreeResourcesFn>(library_.resolve("FreeDLLResources"));
    if (checkVersion_ && failedScreenIndex_ && run_ && freeResources_) return true;
    library_.unload();
    return false;
}

void TModuleLibrary::Unload() {
    library_.unload();
    checkVersion_ = nullptr;
    failedScreenIndex_ = nullptr;
    run_ = nullptr;
    freeResources_ = nullptr;
}

void TModuleLibrary::Run(WId owner, WId notify, const QString& dataFile, const QString& keyText,
                         int startScreen, const QRect& placement, bool maximised,
                         bool minimised) const {
    const std::string path = PascalString(QDir::toNativeSeparators(dataFile));
    const std::string key = PascalString(keyText);
    const std::string reserved = PascalString(QString());
    run_(owner, notify, Bytes(path), Bytes(key), Bytes(reserved), startScreen, placement.x(),
         placement.y(), placement.width(), placement.height(), maximised, minimised);
}

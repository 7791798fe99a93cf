#include "DemoReturn.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

QString FindTool() {
    const QDir here(QCoreApplication::applicationDirPath());
    for (const QString& candidate :
         {here.filePath("vesk-tool"), here.filePath("../tools/vesk-tool")})
        if (QFileInfo(candidate).isExecutable()) return candidate;
    return QStandardPaths::findExecutable("vesk-tool");
}

void BuildDemo(const QString& path, const QString& keyText) {
    const QString tool = FindTool();
    QTemporaryDir folder;
    if (tool.isEmpty() || !folder.isValid()) return;
    const QString json = folder.filePath("demo-return.json");
    if (!QFile::copy(":/demo-return.json", json)) return;
    QProcess::execute(tool, {"build", json, path, "--key", keyText});
}

} // namespace

QString DemoReturnPath(const QString& keyText) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath("DEMO.TAX");
    if (!QFileInfo::exists(path)) BuildDemo(path, keyText);
    return path;
}

#include "Help.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

#include <dlfcn.h>

namespace {

QString helpFile;

// The folder of the binary this code was linked into (the module's library).
QString OwnFolder() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&HelpTopicPath), &info) && info.dli_fname)
        return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absolutePath();
    return QDir::currentPath();
}

QTextBrowser& Viewer() {
    static QPointer<QTextBrowser> viewer;
    if (!viewer) {
        viewer = new QTextBrowser;
        viewer->setAttribute(Qt::WA_DeleteOnClose);
        viewer->setOpenExternalLinks(true);
        viewer->resize(520, 600);
    }
    return *viewer;
}

} // namespace

QString HelpFile() {
    return helpFile;
}

void SetHelpFile(const QString& file) {
    helpFile = file;
}

QString HelpTopicPath(const QString& file, int context) {
    const QString folder = QFileInfo(file).completeBaseName();
    return QDir(OwnFolder()).filePath(folder + '/' + QString::number(context) + ".html");
}

bool ShowHelpTopic(const QString& file, int context) {
    const QString page = HelpTopicPath(file, context);
    if (!QFileInfo::exists(page)) return false;
    QTextBrowser& viewer = Viewer();
    viewer.setWindowTitle(QFileInfo(file).completeBaseName());
    viewer.setSource(QUrl::fromLocalFile(page));
    viewer.show();
    viewer.raise();
    return true;
}

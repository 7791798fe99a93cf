#include "HostShots.h"

#include "HostWindow.h"
#include "ModuleLibrary.h"
#include "ScenarioWidgets.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int FirstId = 7803;
constexpr int LastId = 7859;

void LetPostedEventsRun() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// A box a screen opens on showing would wait for a user; pictures need none.
void CloseOpenModal() {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->reject();
}

} // namespace

int RenderEveryScreen(TModuleLibrary& module, THostWindow& host, const QString& returnFile,
                      const QString& keyText, const QString& folder, const QString& suffix) {
    QDir().mkpath(folder);
    const QString copy = folder + "/.shot-return.TAX";
    QTimer modalWatch;
    QObject::connect(&modalWatch, &QTimer::timeout, &CloseOpenModal);
    modalWatch.start(20);
    int saved = 0;
    for (int id = FirstId; id <= LastId; ++id) {
        QFile::remove(copy);
        QFile::remove(copy + ".BAK");
        if (!QFile::copy(returnFile, copy)) return -1;
        module.Run(host.winId(), host.winId(), copy, keyText, id, QRect(60, 40, 800, 600), false,
                   false);
        LetPostedEventsRun();
        QWidget* client = FindControl("ClientPanel");
        if (ShownScreenId() == id && client) {
            const QString path = QString("%1/%2_%3.png").arg(folder).arg(id).arg(suffix);
            if (!client->window()->grab().save(path)) return -1;
            ++saved;
        }
        module.Free();
        LetPostedEventsRun();
    }
    QFile::remove(copy);
    QFile::remove(copy + ".BAK");
    std::printf("%d screens saved to %s\n", saved, qPrintable(folder));
    return saved;
}

// quellet-host: a replacement for the tax-return program that runs the interview module. It
// loads the library from beside itself, starts the interview on a return and, when the module
// reports back, shows where the interview stopped, frees the module and unloads it. With
// --script it drives the module through a scenario instead (see ScenarioRunner), with --monkey
// through a seeded random user (see HostMonkey), with --shots it saves a picture of every screen
// (see HostShots).

#include "DemoReturn.h"
#include "HostMonkey.h"
#include "HostOptions.h"
#include "HostShots.h"
#include "HostWindow.h"
#include "ModuleLibrary.h"
#include "ScenarioRunner.h"

#include <QApplication>
#include <QFile>
#include <QLibrary>

#include <cstdio>
#include <memory>

namespace {

int Fail(const QString& message, int code) {
    std::fprintf(stderr, "quellet-host: %s\n", qPrintable(message));
    return code;
}

// A test's own screens, registered with the module when they load.
bool LoadTestScreens() {
    const QString path = qEnvironmentVariable("VESK_TEST_SCREENS");
    if (path.isEmpty()) return true;
    static QLibrary screens;
    screens.setFileName(path);
    if (screens.load()) return true;
    std::fprintf(stderr, "quellet-host: %s\n", qPrintable(screens.errorString()));
    return false;
}

void ReportEnd(TModuleLibrary& module, THostWindow& host, bool closed) {
    const int screen = module.FailedScreenIndex();
    const bool saved = module.Free();
    module.Unload();
    QString text =
        closed ? QString("The interview was closed.")
               : QString("The interview continues in the tax return at screen %1.").arg(screen);
    text += saved ? "\nThe return was saved." : "\nThe return could NOT be saved.";
    host.ShowStatus(text);
    host.raise();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("quellet-host");
    QApplication::setApplicationDisplayName("Quellet 2004");
    const THostOptions options = ParseHostOptions(QApplication::arguments());
    if (!options.error.isEmpty()) return Fail(options.error + "\n" + HostUsage(), 2);

    QVector<TScenarioStep> steps;
    if (!options.scriptFile.isEmpty()) {
        QFile script(options.scriptFile);
        if (!script.open(QIODevice::ReadOnly)) return Fail("cannot read " + options.scriptFile, 2);
        QString error;
        steps = ParseScenario(QString::fromUtf8(script.readAll()), error);
        if (!error.isEmpty()) return Fail(options.scriptFile + ": " + error, 2);
    }

    THostWindow host;
    host.show();
    TModuleLibrary module;
    if (!module.Load()) return Fail("cannot load the interview module: " + module.ErrorString(), 1);
    if (module.CheckVersion(VESK_INTERFACE_VERSION) != 0)
        return Fail("the interview module speaks another interface version", 1);
    if (!LoadTestScreens()) return Fail("cannot load the test screens", 1);

    const QString returnFile =
        options.returnFile.isEmpty() ? DemoReturnPath(options.keyText) : options.returnFile;
    host.ShowStatus("The interview is running on " + returnFile + ".");
    if (!options.shotsFolder.isEmpty())
        return RenderEveryScreen(module, host, returnFile, options.keyText, options.shotsFolder,
                                 options.shotsSuffix) < 0
                   ? 1
                   : 0;

    std::unique_ptr<TScenarioRunner> runner;
    std::unique_ptr<THostMonkey> monkey;
    if (!options.scriptFile.isEmpty()) {
        runner = std::make_unique<TScenarioRunner>(module, host, steps);
    } else if (options.monkey) {
        monkey = std::make_unique<THostMonkey>(
            module, host,
            TMonkeyLimits{options.monkeySeed, options.monkeySteps, options.monkeySeconds});
    } else {
        QObject::connect(&host, &THostWindow::InterviewDone, &host,
                         [&] { ReportEnd(module, host, false); });
        QObject::connect(&host, &THostWindow::InterviewClosed, &host,
                         [&] { ReportEnd(module, host, true); });
    }
    if (runner) runner->WatchBoxes();
    if (monkey) monkey->WatchBoxes();
    module.Run(host.winId(), host.winId(), returnFile, options.keyText, options.startScreen,
               QRect(60, 40, 800, 600), false, false);
    if (runner) runner->Start();
    if (monkey) monkey->Start();
    return app.exec();
}

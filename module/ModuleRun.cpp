#include "ModuleRun.h"

#include "DataFile.h"
#include "FieldStore.h"
#include "Help.h"
#include "MainForm.h"
#include "MessageBox.h"
#include "RunState.h"
#include "SaveBox.h"

#include <QApplication>
#include <QPointer>

namespace {

// The module's boxes from the moment it is loaded; a test may install its own over it.
TQtPrompter qtPrompter;
const bool prompterInstalled = (SetPrompter(&qtPrompter), true);

QPointer<TMainForm> mainForm;
bool runActive = false;

// Unloading the library takes the module's windows with it (declared after the window's
// pointer, so it goes first).
struct TUnloadGuard {
    ~TUnloadGuard() {
        if (QCoreApplication::instance()) DestroyModuleWindows();
    }
} unloadGuard;
std::string reservedText; // kept for the run, read by nothing

void LetPendingMessagesRun() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// The placement first: a window maximised or minimised afterwards keeps it as the size it
// returns to.
void PlaceWindow(const TRunArguments& arguments) {
    if (arguments.width > 0 && arguments.height > 0)
        mainForm->Place(QRect(arguments.left, arguments.top, arguments.width, arguments.height));
    if (arguments.maximised)
        mainForm->SetPlacementState(Qt::WindowMaximized);
    else if (arguments.minimised)
        mainForm->SetPlacementState(Qt::WindowMinimized);
    else
        mainForm->SetPlacementState(Qt::WindowNoState);
    mainForm->ResizeMain();
}

} // namespace

bool RunActive() {
    return runActive;
}

TMainForm* MainForm() {
    return mainForm;
}

void StartRun(const TRunArguments& arguments) {
    if (runActive) {
        if (mainForm) mainForm->raise();
        return;
    }
    auto& state = RunState();
    const bool supportMode = state.SupportMode;
    ResetRunState();
    state.SupportMode = supportMode;
    state.HostNotifyWindow = arguments.notifyWindow;
    reservedText = arguments.reserved;
    state.ScreenHistory.clear();
    CreateFieldStore();
    ClearAllFields();
    state.KeySource = arguments.keyText;
    SetFieldStr(TagKeySource, arguments.keyText);
    state.DataFilePath = arguments.dataFilePath;
    LoadDataFile(arguments.dataFilePath);
    LetPendingMessagesRun();

    delete mainForm.data();
    mainForm = new TMainForm(QWidget::find(WId(arguments.owner)));
    runActive = true;
    mainForm->show();
    state.CurrentFileName = arguments.dataFilePath;
    mainForm->SetCaption();
    state.CurrentSection = arguments.startScreen / 100;
    state.CurrentItem = arguments.startScreen % 100;
    state.ScreenShown = false;
    SetHelpFile(QString("VESK%1.HLP").arg(state.IncomeYear));
    mainForm->Frame()->ShowScreen();
    PlaceWindow(arguments);
}

bool FreeRun() {
    if (!runActive) return false;
    runActive = false;
    auto& state = RunState();
    // The open screen and worksheet go into the store before it is saved and released.
    if (mainForm) {
        mainForm->Release();
        mainForm->Frame()->CloseFrame();
    }
    bool saved = true;
    if (state.LoadOutcome == TLoadOutcome::Failed) {
        saved = false; // never written over with what little was read
    } else if (const int code = SaveDataFile(state.DataFilePath); code != 0) {
        ReportSaveFailure(state.DataFilePath, code);
        saved = false;
    } else {
        SetDataModified(false);
    }
    FreeFieldStore();
    state.ScreenHistory.clear();
    LetPendingMessagesRun();
    return saved;
}

void DestroyModuleWindows() {
    delete mainForm.data();
    RunState().ScreenHistory.clear();
}

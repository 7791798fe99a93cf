#include "MainForm.h"

#include "ui_MainForm.h"

#include "ChildForm.h"
#include "ControlBinding.h"
#include "Cp1252.h"
#include "DataFile.h"
#include "Dates.h"
#include "FieldStore.h"
#include "Guard.h"
#include "Help.h"
#include "Prompter.h"
#include "RunState.h"
#include "SaveBox.h"
#include "ToolTipWidth.h"
#include "dialogs/NotesForm.h"
#include "dialogs/ViHelperForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QScreen>
#include <QShortcut>
#include <QStandardPaths>
#include <QToolTip>

namespace {

QString ToQt(const std::string& text) {
    return QString::fromStdString(Cp1252ToUtf8(text));
}

QString Trimmed(int tag) {
    return ToQt(FieldAsText(tag)).trimmed();
}

void ReadModesFromArguments() {
    auto& state = RunState();
    state.SupportMode = false;
    for (const QString& argument : QCoreApplication::arguments()) {
        if (argument.compare("SVCTOOLS", Qt::CaseInsensitive) == 0) state.SupportMode = true;
        if (argument.compare("/V", Qt::CaseInsensitive) == 0) state.VisionImpairedMode = true;
    }
}

constexpr QSize MinimumWindowSize(500, 400);
constexpr int MaxToolTipWidth = 400;

QString HostHelpFile() {
    return QString("QUELLET%1.HLP").arg(RunState().IncomeYear);
}

// "CALC.EXE" in the Windows folder or its SYSTEM and SYSTEM32 folders, else a desktop
// calculator on the path; empty when there is none.
QString FindCalculator() {
    const QString windows = qEnvironmentVariable("WINDIR");
    if (!windows.isEmpty())
        for (const char* folder : {"", "/SYSTEM", "/SYSTEM32"}) {
            const QString path = windows + folder + "/CALC.EXE";
            if (QFileInfo::exists(path)) return path;
        }
    for (const char* program :
         {"gnome-calculator", "kcalc", "galculator", "qalculate-gtk", "xcalc"})
        if (const QString path = QStandardPaths::findExecutable(program); !path.isEmpty())
            return path;
    return {};
}

} // namespace

void PostToHost(int message) {
    if (QWidget* host = QWidget::find(WId(RunState().HostNotifyWindow)))
        QCoreApplication::postEvent(host, new QEvent(QEvent::Type(message)));
}

TMainForm::TMainForm(QWidget* owner)
    : QWidget(owner, owner ? Qt::Window : Qt::WindowFlags()), ui_(new Ui::TMainForm) {
    ui_->setupUi(this);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::WindowContextHelpButtonHint);
    // Dates read with two-digit years, and the date and number formats the screens rely on.
    SetCenturyWindowStart(std::nullopt);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::Australia));
    ReadModesFromArguments();
    frame_ = new TFrameWnd(this, ui_->MainPanel);
    resize(800, 575);
    if (const QScreen* screen = QGuiApplication::primaryScreen();
        screen && screen->availableGeometry().height() > 600)
        move(screen->availableGeometry().center() - rect().center());
    else
        move(0, 0);
    new TToolTipWidthLimit(this, MaxToolTipWidth);
    tickCount_ = 0;
    SetDataModified(false);
    RunState().CurrentFileName.clear();

    connect(ui_->SaveBtn, &QToolButton::clicked, this, [this] { Guarded([&] { SaveClick(); }); });
    connect(ui_->HelpBtn, &QToolButton::clicked, this, [this] { Guarded([&] { HelpClick(); }); });
    connect(ui_->CalculBtn, &QToolButton::clicked, this,
            [this] { Guarded([&] { CalculClick(); }); });
    connect(ui_->NotesBtn, &QToolButton::clicked, this, [this] { Guarded([&] { NotesClick(); }); });
    ConnectVisionKeys();
    connect(&timer_, &QTimer::timeout, this, [this] {
        Guarded([&] {
            if (resizeConnected_)
                AutoSaveTick();
            else
                FirstTick();
        });
    });
    ResizeMain();
    LockSize(size());
}

TMainForm::~TMainForm() = default;

QString TMainForm::BuildCaption() {
    const auto& state = RunState();
    QString caption =
        QString("Quellet %1 - %2").arg(state.IncomeYear).arg(ToQt(state.CurrentFileName));
    if (FileLodgedLocked())
        caption += QString(" (Lodged on %1 at %2.  Ref:%3)")
                       .arg(Trimmed(TagLodgmentDate), Trimmed(TagLodgmentTime),
                            Trimmed(TagLodgmentReference));
    return caption;
}

void TMainForm::SetCaption() {
    setWindowTitle(BuildCaption());
}

// ---- closing

bool TMainForm::CloseQuery() {
    if (!RunState().ScreenShown) return true;
    ShowMessageBox("You must complete this section before saving.", mkWarning, mbOK);
    return false;
}

void TMainForm::CloseHandler(QObject* sender) {
    const bool closedByUser =
        sender == this || (frame_ && sender == frame_->findChild<QObject*>("Close"));
    PostToHost(closedByUser ? WM_VESK_CLOSED : WM_VESK_DONE);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    bool allowed = false;
    Guarded([&] { allowed = CloseQuery(); });
    if (!allowed) {
        event->ignore();
        return;
    }
    CloseHandler(this);
    event->accept(); // the window hides; it stays until the library is unloaded
}

void TMainForm::Exit() {
    if (RunState().ScreenShown && frame_->Screen() && !released_) {
        StoreBoundControls(frame_->Screen());
        frame_->SaveScreenInstance();
    }
    close();
}

bool TMainForm::event(QEvent* event) {
    if (event->type() == QEvent::Type(WM_VESK_EXIT)) {
        Guarded([&] { Exit(); });
        return true;
    }
    bool handled = false;
    Guarded([&] { handled = QWidget::event(event); });
    return handled;
}

void TMainForm::ShowSupportToolButtons() {
    for (QToolButton* button :
         {ui_->NewBtn, ui_->OpenBtn, ui_->SaveBtn, ui_->CalculBtn, ui_->NotesBtn})
        button->setVisible(true);
}

// ---- layout

void TMainForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (firstShown_ || released_) return;
    firstShown_ = true;
    timer_.start(2000);
}

void TMainForm::FirstTick() {
    timer_.setInterval(60000);
    resizeConnected_ = true;
    ResizeMain();
}

void TMainForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (resizeConnected_) Guarded([&] { ResizeMain(); });
}

// The borders resize nothing: in the normal state the window's size is its own minimum and
// maximum, which every platform honours (on Windows the edges then report a plain border to the
// pointer). Only the host sizes the window, and a maximised one is unlocked, or the platform
// would hold it at the locked size.
void TMainForm::LockSize(QSize size) {
    normalSize_ = size.expandedTo(MinimumWindowSize);
    if (minimumSize() != normalSize_ || maximumSize() != normalSize_) setFixedSize(normalSize_);
}

void TMainForm::UnlockSize() {
    setMinimumSize(MinimumWindowSize);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

void TMainForm::Place(const QRect& geometry) {
    const QSize size = geometry.size().expandedTo(MinimumWindowSize);
    UnlockSize();
    setGeometry(QRect(geometry.topLeft(), size));
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        normalSize_ = size; // the size it returns to
    else
        LockSize(size);
}

void TMainForm::SetPlacementState(Qt::WindowStates state) {
    if (state & (Qt::WindowMaximized | Qt::WindowFullScreen)) UnlockSize();
    setWindowState(state);
}

// Back from maximised (the host's or the window manager's doing): the normal size locks again.
void TMainForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange &&
        !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)))
        LockSize(normalSize_);
}

void TMainForm::ResizeMain() {
    QWidget* panel = ui_->MainPanel;
    const int height = this->height() - ui_->SpeedPanel->height() - 1;
    panel->setGeometry(0, this->height() - height, width(), height);
    frame_->setGeometry(0, 0, width(), height);
    if (RunState().ScreenShown) frame_->Zoom();
}

// ---- saving

bool TMainForm::ScreenHoldsSave() const {
    const TChildForm* screen = frame_->Screen();
    return RunState().ScreenShown && screen &&
           (HandlerSlots().LeaveCheck || screen->WorksheetMark());
}

void TMainForm::AutoSaveTick() {
    auto& state = RunState();
    ++tickCount_;
    if (!released_) TNotesForm::StoreOpenNotes(); // typing in the notes counts as a change
    if (released_ || !state.DataModified || FileLodgedLocked() || tickCount_ < 5) return;
    // A switch in progress (a box of its leave check is open) holds the store half-written.
    if (frame_->Switching()) return;
    timer_.stop();
    if (FileLodgedLocked()) {
        SetDataModified(false);
    } else if (state.CurrentFileName.empty()) {
        SaveClick();
    } else if (!ScreenHoldsSave() && !(state.LoadOutcome == TLoadOutcome::Failed)) {
        // The values on the screen that were not stored yet are not part of this save.
        if (SaveDataFile(state.CurrentFileName) == 0) SetDataModified(false);
    }
    timer_.start(60000);
    tickCount_ = 0;
}

void TMainForm::SaveClick() {
    if (released_) return;
    if (FileLodgedLocked()) {
        ShowLodgedMessage();
        return;
    }
    if (RunState().ScreenShown && frame_->Screen()) {
        if (frame_->Screen()->WorksheetMark()) {
            ShowMessageBox("You must complete this section before saving.", mkWarning, mbOK);
            return;
        }
        if (!frame_->LeaveCheckPasses()) return;
    }
    QToolTip::hideText();
    if (RunState().ScreenShown && frame_->Screen()) {
        StoreBoundControls(frame_->Screen());
        frame_->SaveScreenInstance();
    }
    const std::string chosen = ChooseSaveFileName(RunState().CurrentFileName, this);
    if (chosen.empty()) return;
    SaveTo(chosen);
}

void TMainForm::SaveTo(const std::string& path) {
    TNotesForm::StoreOpenNotes();
    RunState().CurrentFileName = path;
    const int code = SaveDataFile(path);
    if (code != 0) {
        ReportSaveFailure(path, code);
        return;
    }
    SetDataModified(false);
    SetCaption();
}

// ---- help and calculator

void TMainForm::HelpClick() {
    const QString moduleFile = HelpFile();
    ShowHelpTopic(HostHelpFile(), 0);
    SetHelpFile(moduleFile);
}

// The notes window stays open beside the interview; the button is marked while it exists.
void TMainForm::NotesClick() {
    const bool first = !TNotesForm::Current();
    TNotesForm* notes = TNotesForm::Open(this);
    ui_->NotesBtn->setChecked(true);
    if (!first) return;
    ui_->NotesBtn->setProperty("Tag", 1);
    connect(notes, &TNotesForm::closed, this, [this] {
        ui_->NotesBtn->setProperty("Tag", 0);
        ui_->NotesBtn->setChecked(false);
    });
}

// Alt+H lists the screen's links and F9 shows the key help, for vision-impaired users only.
void TMainForm::ConnectVisionKeys() {
    const bool vision = RunState().VisionImpairedMode;
    auto* links = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_H), this);
    links->setEnabled(vision);
    connect(links, &QShortcut::activated, this, [this] {
        Guarded([&] {
            if (!released_) frame_->ShowLinksList();
        });
    });
    auto* keyHelp = new QShortcut(QKeySequence(Qt::Key_F9), this);
    keyHelp->setEnabled(vision);
    connect(keyHelp, &QShortcut::activated, this, [this] { TviHelperForm(this).exec(); });
}

void TMainForm::CalculClick() {
    ui_->CalculBtn->setEnabled(false);
    const QString calculator = FindCalculator();
    if (calculator.isEmpty() ||
        !QProcess::startDetached(calculator, {}, QFileInfo(calculator).absolutePath()))
        ShowMessageBox("Can't find " + Utf8ToCp1252(calculator.toStdString()) + "...",
                       mkInformation, mbOK);
    ui_->CalculBtn->setEnabled(true);
}

void TMainForm::Release() {
    // Closing the notes stores them, before FreeDLLResources saves the store.
    if (TNotesForm* notes = TNotesForm::Current()) notes->close();
    released_ = true;
    timer_.stop();
    ui_->SaveBtn->setEnabled(false);
}

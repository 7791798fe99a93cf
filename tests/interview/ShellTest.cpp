// The shell through its real paths: the exports as a host calls them, the main window and the
// frame's buttons clicked, the fixture screens walked, the data file on disk.

#include "ControlBinding.h"
#include "DataFile.h"
#include "FieldStore.h"
#include "FixtureScreens.h"
#include "Frame.h"
#include "Help.h"
#include "Lookups.h"
#include "MainForm.h"
#include "ModuleRun.h"
#include "RunState.h"
#include "ScreenRegistry.h"
#include "ScriptedPrompter.h"
#include "TaxEdit.h"
#include "TextLbl.h"
#include "XGrid.h"
#include "vesk2004.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHelpEvent>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>

namespace {

// The host's notify window: counts the module's two messages.
class TNotifyWindow : public QWidget {
public:
    int done = 0;
    int closed = 0;

protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::Type(VESK_WM_DONE)) ++done;
        if (event->type() == QEvent::Type(VESK_WM_CLOSED)) ++closed;
        return QWidget::event(event);
    }
};

std::string Pascal(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    return std::string(1, char(bytes.size())) + bytes.toStdString();
}

const unsigned char* Bytes(const std::string& text) {
    return reinterpret_cast<const unsigned char*>(text.data());
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A screen with one control of each kind a binding test needs.
class TBindingScreen : public TChildForm {
public:
    TBindingScreen() {
        auto add = [this](QWidget* control, const char* name, int tag) {
            control->setObjectName(name);
            control->setProperty("Tag", tag);
        };
        add(new QLabel(this), "currency", 1400);
        add(new QLabel(this), "cents", 1401);
        add(new QLabel(this), "tiny", 1402);
        auto* combo = new QComboBox(this);
        combo->addItems({"Yes", "No"});
        add(combo, "combo", 1403);
        add(new QCheckBox(this), "unboundLow", 0);
        add(new QCheckBox(this), "unboundHigh", 2313);
        auto* amount = new TTaxEdit(this);
        amount->setNumericType(TTaxEdit::ntCurrency);
        add(amount, "amount", 1404);
        auto* date = new TTaxEdit(this);
        date->setNumericType(TTaxEdit::ntDate);
        add(date, "date", 1405);
    }
};
constexpr int BindingScreenId = 7810;

} // namespace

class TShellTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void checkVersionAnswersTheSignOfOneLessVersion_data();
    void checkVersionAnswersTheSignOfOneLessVersion();
    void startIdWithoutScreenEndsDuringRun();
    void runWithoutExitAndRepeatedCallsAreHarmless();
    void nextPrevAndYesWalkTheHistory();
    void prevIsRefusedAtTheBlockedItem();
    void reopenedReturnGoesBackAtOnce();
    void showPrevListsTheLastScreensNewestFirst();
    void answerKeepingTheTargetRecreatesWithoutHistory();
    void refusedLeaveCheckKeepsScreenAndTarget();
    void switchAskedForDuringASwitchWaitsForIt();
    void freeStoresTheOpenScreenBeforeSaving();
    void closeIsGatedWhileAScreenIsShown();
    void worksheetScreenAddsKeepsAndDeletesRecords();
    void automaticSaveWaitsForTheFifthTick();
    void automaticSaveWaitsWhileWorksheetIsOpen();
    void saveOnLodgedReturnWritesNothing();
    void failedSaveIsReportedAndAnswersZero();
    void unreadableReturnIsNeverWrittenOver();
    void boundControlsFillAndStoreByKind();
    void jumpWithTextThatIsNoNumberChangesNothing();
    void layoutFollowsTheWindowAndRenders();
    void zoomFollowsTheClientArea();
    void f6LeavesTheGrid();
    void scanButtonsStepThroughIds_data();
    void scanButtonsStepThroughIds();
    void maximisedWinsOverMinimised();
    void bordersDoNotResizeTheWindow();
    void longHintsWrapWithinTheCap();
    void visionImpairedModeOrdersTabsByPosition();
    void helpTopicsLiveBesideTheLibrary();
    void calculatorNotFoundIsToldAndButtonComesBack();
    void exitMessageStoresAndPassesTheCloseGate();

private:
    void Run(int startScreen, const QString& path = QString());
    void Click(QPushButton* button);
    int ShownId() const { return FrameWnd()->Screen() ? FrameWnd()->ScreenId() : 0; }

    QTemporaryDir folder_;
    QString path_;
    std::unique_ptr<TNotifyWindow> host_;
    std::unique_ptr<TScriptedPrompter> prompter_;
};

void TShellTest::init() {
    RegisterFixtureScreens();
    RegisterTestScreen(BindingScreenId, [] { return new TBindingScreen; });
    TFixtureQuestion::created = 0;
    host_ = std::make_unique<TNotifyWindow>();
    host_->winId();
    path_ = folder_.filePath(QString("R%1.TAX").arg(QTest::currentTestFunction()));
}

void TShellTest::cleanup() {
    FreeDLLResources();
    prompter_.reset();
    SetPrompter(nullptr);
    ClearTestScreens();
    host_.reset();
}

void TShellTest::Run(int startScreen, const QString& path) {
    const std::string file = Pascal(path.isEmpty() ? path_ : path);
    const std::string key = Pascal("12345678"), reserved = Pascal("");
    // The test answers the module's boxes.
    prompter_ = std::make_unique<TScriptedPrompter>();
    SetPrompter(prompter_.get());
    RunVeskModule(host_->winId(), host_->winId(), Bytes(file), Bytes(key), Bytes(reserved),
                  startScreen, 10, 10, 800, 600, 0, 0);
    QCoreApplication::processEvents();
}

void TShellTest::Click(QPushButton* button) {
    QVERIFY(button->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

void TShellTest::checkVersionAnswersTheSignOfOneLessVersion_data() {
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("result");
    QTest::newRow("expected") << 1 << 0;
    QTest::newRow("older") << 0 << 1;
    QTest::newRow("newer") << 2 << -1;
    QTest::newRow("low 16 bits") << 65537 << 0;
    QTest::newRow("negative") << -5 << 1;
}

void TShellTest::checkVersionAnswersTheSignOfOneLessVersion() {
    QFETCH(int, version);
    QFETCH(int, result);
    QCOMPARE(int(CheckVersion(version)), result);
}

void TShellTest::startIdWithoutScreenEndsDuringRun() {
    Run(7860);
    QCOMPARE(host_->done, 1);
    QCOMPARE(GetFailedScreenIndex(), 7860);
    QVERIFY(!RunState().ScreenShown);
    QCOMPARE(int(FreeDLLResources()), 1);
    QVERIFY(QFile::exists(path_)); // a new return, saved at the end
}

void TShellTest::runWithoutExitAndRepeatedCallsAreHarmless() {
    QCOMPARE(int(FreeDLLResources()), 0); // no run
    Run(FixtureIntroId);
    QCOMPARE(GetFailedScreenIndex(), 0);
    TMainForm* first = MainForm();
    Run(FixtureQuestionId); // a second start while running only raises the window
    QCOMPARE(MainForm(), first);
    QCOMPARE(ShownId(), FixtureIntroId);
    QCOMPARE(int(FreeDLLResources()), 1);
    QCOMPARE(int(FreeDLLResources()), 0);
    // After the run the windows stay, but their buttons reach nothing.
    QVERIFY(!FrameWnd()->NextButton()->isEnabled());
}

void TShellTest::nextPrevAndYesWalkTheHistory() {
    Run(FixtureIntroId);
    const auto& history = RunState().ScreenHistory;
    QCOMPARE(history, std::vector<int32_t>{7803});
    Click(FrameWnd()->NextButton());
    QCOMPARE(ShownId(), FixtureQuestionId);
    QVERIFY(FrameWnd()->YesButton()->isVisible());
    QVERIFY(!FrameWnd()->NextButton()->isVisible());
    Click(FrameWnd()->YesButton());
    QCOMPARE(ShownId(), FixtureCheckedId);
    QCOMPARE(history, (std::vector<int32_t>{7803, 7804, 7805}));
    Click(FrameWnd()->PrevButton());
    QCOMPARE(ShownId(), FixtureQuestionId);
    QCOMPARE(history, (std::vector<int32_t>{7803, 7804}));
    Click(FrameWnd()->YesButton());
    QCOMPARE(history, (std::vector<int32_t>{7803, 7804, 7805}));
    Click(FrameWnd()->PrevButton());
    Click(FrameWnd()->PrevButton());
    QCOMPARE(ShownId(), FixtureIntroId);
    Click(FrameWnd()->PrevButton()); // the start of the history: nothing happens
    QCOMPARE(ShownId(), FixtureIntroId);
    QCOMPARE(history, std::vector<int32_t>{7803});
    QVERIFY(prompter_->boxes.empty());
}

// The return saved on a screen is started again on it: its history already ends there.
void TShellTest::reopenedReturnGoesBackAtOnce() {
    Run(FixtureIntroId);
    Click(FrameWnd()->NextButton());
    QCOMPARE(ShownId(), FixtureQuestionId);
    QCOMPARE(int(FreeDLLResources()), 1);
    Run(FixtureQuestionId);
    QCOMPARE(RunState().ScreenHistory, (std::vector<int32_t>{7803, 7804}));
    Click(FrameWnd()->PrevButton());
    QCOMPARE(ShownId(), FixtureIntroId);
    QCOMPARE(RunState().ScreenHistory, std::vector<int32_t>{7803});
}

void TShellTest::prevIsRefusedAtTheBlockedItem() {
    Run(FixtureIntroId);
    Click(FrameWnd()->NextButton());
    SetPrevBlockedItem(4);
    Click(FrameWnd()->PrevButton());
    QCOMPARE(ShownId(), FixtureQuestionId);
    QCOMPARE(prompter_->Texts(),
             std::vector<std::string>{"For data integrity reasons the previous button has been "
                                      "disabled.\r\n\r\nPlease work forward through the screens "
                                      "until you reach navigation screen."});
    SetPrevBlockedItem(-1);
    Click(FrameWnd()->PrevButton());
    QCOMPARE(ShownId(), FixtureIntroId);
}

void TShellTest::showPrevListsTheLastScreensNewestFirst() {
    Run(FixtureIntroId);
    RunState().ScreenHistory = {7701, 7702, 7703, 7704, 7705, 7706, 7707, 7708, 7709, 7710, 7803};
    Click(FrameWnd()->NextButton());
    FrameWnd()->ShowPrevClick();
    QCOMPARE(prompter_->Texts(),
             std::vector<std::string>{"The last 10 screens are: \r\n\r\n\r\n7804\r\n7803\r\n7710"
                                      "\r\n7709\r\n7708\r\n7707\r\n7706\r\n7705\r\n7704"
                                      "\r\n7703\r\n7702"});
}

void TShellTest::answerKeepingTheTargetRecreatesWithoutHistory() {
    Run(FixtureQuestionId);
    const int created = TFixtureQuestion::created;
    HandlerSlots().AnswerHandler = [](QObject*) {
        QCoreApplication::postEvent(FrameWnd(), new QEvent(QEvent::Type(WM_SHOW_SCREEN)));
    };
    Click(FrameWnd()->NoButton());
    QCOMPARE(TFixtureQuestion::created, created + 1);
    QCOMPARE(ShownId(), FixtureQuestionId);
    QCOMPARE(RunState().ScreenHistory, std::vector<int32_t>{7804});
}

void TShellTest::refusedLeaveCheckKeepsScreenAndTarget() {
    Run(FixtureCheckedId);
    Click(FrameWnd()->NextButton());
    QCOMPARE(ShownId(), FixtureCheckedId);
    QCOMPARE(RunState().CurrentItem, 5);
    QVERIFY(RunState().ScreenValid);
    QCOMPARE(prompter_->Texts(), std::vector<std::string>{FixtureAmountMessage});
    QVERIFY(FieldEmpty(TagFixtureAmount)); // a refused leave stores nothing
    FrameWnd()->Screen()->findChild<TTaxEdit*>("TaxEdit7")->setText("15");
    Click(FrameWnd()->NextButton());
    QCOMPARE(ShownId(), FixtureDependantId);
    QCOMPARE(FieldAsText(TagFixtureAmount), std::string("15"));
}

void TShellTest::switchAskedForDuringASwitchWaitsForIt() {
    Run(FixtureCheckedId);
    SetDataModified(true);
    int checks = 0;
    // A box inside the leave check runs a nested event loop: a posted switch and the automatic
    // save's ticks arrive there.
    HandlerSlots().LeaveCheck = [&](QObject*, TCloseAction&) {
        ++checks;
        QCoreApplication::postEvent(FrameWnd(), new QEvent(QEvent::Type(WM_SHOW_SCREEN)));
        QCoreApplication::sendPostedEvents();
        for (int tick = 1; tick <= 5; ++tick)
            MainForm()->AutoSaveTick();
        QCOMPARE(ShownId(), FixtureCheckedId);
        RunState().ScreenValid = false;
    };
    Click(FrameWnd()->NextButton());
    QCOMPARE(checks, 1);
    QCOMPARE(ShownId(), FixtureCheckedId);
    QVERIFY(!QFile::exists(path_));
    QCOMPARE(RunState().ScreenHistory, std::vector<int32_t>{7805});
}

void TShellTest::freeStoresTheOpenScreenBeforeSaving() {
    Run(FixtureDependantId);
    FrameWnd()->Screen()->findChild<TTaxEdit*>("edtName")->setText("Ava");
    QCOMPARE(int(FreeDLLResources()), 1);
    Run(7860);
    QCOMPARE(WorksheetInstanceCount(DependantGroup), 1);
    QCOMPARE(DependantName(0), std::string("Ava"));
}

void TShellTest::closeIsGatedWhileAScreenIsShown() {
    Run(FixtureQuestionId);
    auto* close = FrameWnd()->findChild<QPushButton*>("Close");
    Click(close);
    QCOMPARE(prompter_->Texts(),
             std::vector<std::string>{"You must complete this section before saving."});
    QCOMPARE(host_->closed, 0);
    QVERIFY(!MainForm()->close()); // the window's own close passes the same gate
    Click(FrameWnd()->NoButton());
    QCOMPARE(host_->done, 1);
    QCOMPARE(GetFailedScreenIndex(), 8001);
    Click(close);
    QCOMPARE(host_->closed, 1);
}

void TShellTest::worksheetScreenAddsKeepsAndDeletesRecords() {
    Run(FixtureIntroId);
    for (const auto& [instance, name] : {std::pair{1, "Mia"}, std::pair{2, "Noah"}}) {
        FrameWnd()->LoadWorksheetInstance(DependantGroup, instance);
        SetFieldStr(TagLabel, name);
        FrameWnd()->StoreWorksheetInstance(DependantGroup, instance);
    }
    auto showDependant = [&] {
        RunState().CurrentSection = 78;
        RunState().CurrentItem = 6;
        FrameWnd()->ShowScreen();
        QVERIFY(FrameWnd()->Screen() && FrameWnd()->Screen()->WorksheetMark());
    };
    auto names = [&] {
        QStringList lines;
        for (int i = 0; i < FrameWnd()->PickList()->count(); ++i)
            lines << FrameWnd()->PickList()->item(i)->text();
        return lines;
    };
    showDependant();
    QCOMPARE(names(), (QStringList{"Mia", "Noah", "** Create new worksheet **"}));
    QCOMPARE(FrameWnd()->PickList()->currentRow(), 2);
    MainForm()->grab().save(QCoreApplication::applicationDirPath() + "/worksheet-screen.png");
    FrameWnd()->Screen()->findChild<TTaxEdit*>("edtName")->setText("Lily");
    Click(FrameWnd()->NextButton());
    QCOMPARE(GetFailedScreenIndex(), 6601);
    QCOMPARE(WorksheetInstanceCount(DependantGroup), 3);
    QCOMPARE(DependantName(2), std::string("Lily"));
    QCOMPARE(RunState().CurrentWorksheetGroup, 0);

    // A new record left blank is dropped; an existing record cleared is kept.
    showDependant();
    FrameWnd()->ShowScreen();
    QCOMPARE(WorksheetInstanceCount(DependantGroup), 3);
    showDependant();
    QTest::mouseClick(
        FrameWnd()->PickList()->viewport(), Qt::LeftButton, {},
        FrameWnd()->PickList()->visualItemRect(FrameWnd()->PickList()->item(1)).center());
    QCOMPARE(FrameWnd()->Screen()->findChild<TTaxEdit*>("edtName")->text(), QString("Noah"));
    FrameWnd()->Screen()->findChild<TTaxEdit*>("edtName")->clear();
    Click(FrameWnd()->NextButton());
    QCOMPARE(WorksheetInstanceCount(DependantGroup), 3);
    QCOMPARE(DependantName(1), std::string("Worksheet No.2"));

    // Delete asks first and moves the later records down.
    showDependant();
    FrameWnd()->PickList()->setCurrentRow(1);
    prompter_->Answer(mrNo);
    Click(FrameWnd()->findChild<QPushButton*>("btnRemove"));
    QCOMPARE(WorksheetInstanceCount(DependantGroup), 3);
    prompter_->Answer(mrYes);
    Click(FrameWnd()->findChild<QPushButton*>("btnRemove"));
    QCOMPARE(prompter_->Texts().front(),
             std::string("Are you sure you want to delete the selected worksheet?"));
    QCOMPARE(WorksheetInstanceCount(DependantGroup), 2);
    QCOMPARE(DependantName(1), std::string("Lily"));
    QCOMPARE(FrameWnd()->PickList()->currentRow(), 1);
}

void TShellTest::automaticSaveWaitsForTheFifthTick() {
    Run(7860); // no screen on display
    QCOMPARE(int(FreeDLLResources()), 1);
    Run(7860);
    const QByteArray before = FileBytes(path_);
    SetFieldStr(TagFixtureText, "changed");
    QVERIFY(RunState().DataModified);
    for (int tick = 1; tick <= 4; ++tick)
        MainForm()->AutoSaveTick();
    QCOMPARE(FileBytes(path_), before);
    MainForm()->AutoSaveTick();
    QVERIFY(FileBytes(path_) != before);
    QVERIFY(!RunState().DataModified);
    QCOMPARE(MainForm()->TickCount(), 0);
}

void TShellTest::automaticSaveWaitsWhileWorksheetIsOpen() {
    Run(FixtureDependantId);
    QVERIFY(FrameWnd()->Screen()->WorksheetMark());
    SetDataModified(true);
    for (int tick = 1; tick <= 7; ++tick)
        MainForm()->AutoSaveTick();
    QVERIFY(!QFile::exists(path_));
    QVERIFY(RunState().DataModified);
    RunState().CurrentItem = 3;
    FrameWnd()->ShowScreen();
    for (int tick = 1; tick <= 5; ++tick)
        MainForm()->AutoSaveTick();
    QVERIFY(QFile::exists(path_));
}

void TShellTest::saveOnLodgedReturnWritesNothing() {
    Run(7860);
    SetFieldStr(TagLodgmentDate, "01/10/2004");
    SetFieldStr(TagLodgmentReference, "A123");
    SetFieldStr(TagLodgmentTime, "10:15");
    SetFieldStr(TagLodgedLocked, std::string(LodgedMark));
    MainForm()->SetCaption();
    QCOMPARE(MainForm()->windowTitle(),
             QString("Quellet 2004 - %1 (Lodged on 01/10/2004 at 10:15.  Ref:A123)").arg(path_));
    MainForm()->SaveClick();
    QCOMPARE(prompter_->boxes.size(), std::size_t(1));
    QVERIFY(prompter_->Texts().front().starts_with("This data file has been lodged"));
    QVERIFY(!QFile::exists(path_));
}

void TShellTest::failedSaveIsReportedAndAnswersZero() {
    const QString unwritable = folder_.filePath("missing-folder/R.TAX");
    Run(7860, unwritable);
    SetFieldStr(TagFixtureText, "kept");
    QCOMPARE(int(FreeDLLResources()), 0);
    QCOMPARE(prompter_->boxes.size(), std::size_t(1));
    QVERIFY(prompter_->Texts().front().starts_with("Your tax return could not be saved to "));
    QVERIFY(RunState().DataModified);
}

void TShellTest::unreadableReturnIsNeverWrittenOver() {
    {
        QFile file(path_);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(64, 'x'));
    }
    const QByteArray before = FileBytes(path_);
    Run(FixtureIntroId);
    QCOMPARE(RunState().LoadOutcome, TLoadOutcome::Failed);
    SetDataModified(true);
    for (int tick = 1; tick <= 5; ++tick)
        MainForm()->AutoSaveTick();
    QCOMPARE(int(FreeDLLResources()), 0);
    QCOMPARE(FileBytes(path_), before);
}

void TShellTest::boundControlsFillAndStoreByKind() {
    Run(7860);
    SetFieldVal(1400, 1234.0);
    SetFieldType(1401, dtCurrencyCnt);
    SetFieldVal(1401, 1234567.5);
    SetFieldVal(1402, 0.004);
    SetFieldStr(1403, "Maybe");
    RunState().CurrentSection = 78;
    RunState().CurrentItem = 10;
    FrameWnd()->ShowScreen();
    TChildForm* screen = FrameWnd()->Screen();
    QVERIFY(screen);
    QCOMPARE(screen->findChild<QLabel*>("currency")->text(), QString("$1,234"));
    QCOMPARE(screen->findChild<QLabel*>("cents")->text(), QString("$1,234,567.50"));
    QCOMPARE(screen->findChild<QLabel*>("tiny")->text(), QString());
    QCOMPARE(screen->findChild<QComboBox*>("combo")->currentIndex(), -1);
    QCOMPARE(screen->findChild<TTaxEdit*>("date")->text().trimmed(), QString());
    screen->findChild<QCheckBox*>("unboundLow")->setChecked(true);
    screen->findChild<QCheckBox*>("unboundHigh")->setChecked(true);
    StoreBoundControls(screen);
    QCOMPARE(FieldAsText(1403), std::string());
    QVERIFY(!FieldChecked(2312));
}

void TShellTest::jumpWithTextThatIsNoNumberChangesNothing() {
    Run(FixtureIntroId);
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QString("Jump"));
        dialog->setTextValue("78o5");
        dialog->accept();
    });
    FrameWnd()->JumpClick();
    QCOMPARE(ShownId(), FixtureIntroId);
    QCOMPARE(RunState().CurrentItem, 3);
    QCOMPARE(prompter_->Texts(), std::vector<std::string>{"'78o5' is not a valid screen number."});
}

void TShellTest::layoutFollowsTheWindowAndRenders() {
    Run(FixtureIntroId);
    TMainForm* window = MainForm();
    window->Place(QRect(10, 10, 900, 700));
    window->ResizeMain();
    QCOMPARE(FrameWnd()->height(), 700 - 32 - 1);
    QCOMPARE(FrameWnd()->width(), 900);
    const QImage shot = window->grab().toImage();
    QVERIFY(!shot.isNull());
    shot.save(QCoreApplication::applicationDirPath() + "/main-window.png");
}

void TShellTest::zoomFollowsTheClientArea() {
    Run(FixtureIntroId);
    QCoreApplication::processEvents();
    TMainForm* window = MainForm();
    const QSize designed = FrameWnd()->findChild<QWidget*>("ClientPanel")->size();
    const QSize chrome = window->size() - designed;
    auto closeFont = [] {
        return FrameWnd()->findChild<QPushButton*>("Close")->font().pixelSize();
    };
    auto editWidth = [] { return FrameWnd()->Screen()->findChild<TTaxEdit*>("TaxEdit1")->width(); };
    // The pick list is no part of the zoom: the frame's font resizer alone scales it.
    auto pickListFont = [] { return FrameWnd()->PickList()->font().pointSizeF(); };
    const int designedEditWidth = editWidth();
    const qreal designedPickListFont = pickListFont();

    window->Place(QRect(window->pos(), designed * 2 + chrome));
    window->ResizeMain();
    QCoreApplication::sendPostedEvents();
    QCOMPARE(closeFont(), 26);
    QCOMPARE(editWidth(), designedEditWidth * 2);
    QCOMPARE(RunState().ScreenHistory, std::vector<int32_t>{7803});
    QVERIFY(pickListFont() >= designedPickListFont * 1.5);

    window->Place(QRect(window->pos(), designed + chrome));
    window->ResizeMain();
    QCoreApplication::sendPostedEvents();
    QCOMPARE(closeFont(), 13);
    QCOMPARE(editWidth(), designedEditWidth);
    QCOMPARE(pickListFont(), designedPickListFont);
}

void TShellTest::f6LeavesTheGrid() {
    Run(FixtureIntroId);
    MainForm()->activateWindow();
    auto* grid = FrameWnd()->Screen()->findChild<TXGrid*>("XGrid1");
    auto enterCell = [grid] {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->model()->index(0, 0)).center());
        QVERIFY(grid->isAncestorOf(QApplication::focusWidget()));
    };
    enterCell();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), FrameWnd()->Screen()->findChild<QWidget*>("chbSexMale"));
    enterCell();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    QVERIFY(QApplication::focusWidget() != grid);
    QVERIFY(!grid->isAncestorOf(QApplication::focusWidget()));
}

void TShellTest::scanButtonsStepThroughIds_data() {
    QTest::addColumn<bool>("forward");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow(">> within a section") << true << 7805 << 7806;
    QTest::newRow(">> past item 60") << true << 7860 << 7901;
    QTest::newRow(">> at the last section") << true << 8260 << 8260;
    QTest::newRow("<< within a section") << false << 7805 << 7804;
    QTest::newRow("<< at item 1") << false << 7801 << 7760;
    QTest::newRow("<< at the very start") << false << 1 << 1;
}

void TShellTest::scanButtonsStepThroughIds() {
    QFETCH(bool, forward);
    QFETCH(int, from);
    QFETCH(int, to);
    Run(7860);
    RunState().CurrentSection = from / 100;
    RunState().CurrentItem = from % 100;
    if (forward)
        FrameWnd()->ScanForward();
    else
        FrameWnd()->ScanBack();
    QCOMPARE(RunState().CurrentSection * 100 + RunState().CurrentItem, to);
}

void TShellTest::maximisedWinsOverMinimised() {
    const std::string file = Pascal(path_), key = Pascal("12345678"), reserved = Pascal("");
    prompter_ = std::make_unique<TScriptedPrompter>();
    SetPrompter(prompter_.get());
    RunVeskModule(host_->winId(), host_->winId(), Bytes(file), Bytes(key), Bytes(reserved),
                  FixtureIntroId, 10, 10, 800, 600, 1, 1);
    QVERIFY(MainForm()->windowState() & Qt::WindowMaximized);
    QVERIFY(!(MainForm()->windowState() & Qt::WindowMinimized));
}

// Only the host sizes the window: in the normal state its size is locked (what the platform
// needs to refuse border drags), a maximised window is free, and restoring locks it again.
void TShellTest::bordersDoNotResizeTheWindow() {
    Run(FixtureIntroId);
    TMainForm* window = MainForm();
    QCOMPARE(window->size(), QSize(800, 600));
    QCOMPARE(window->minimumSize(), window->size());
    QCOMPARE(window->maximumSize(), window->size());
    window->resize(900, 700);
    QCOMPARE(window->size(), QSize(800, 600));

    window->Place(QRect(10, 10, 300, 200));
    QCOMPARE(window->size(), QSize(500, 400));

    window->Place(QRect(10, 10, 800, 600));
    window->SetPlacementState(Qt::WindowMaximized);
    QCOMPARE(window->minimumSize(), QSize(500, 400));
    QCOMPARE(window->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    window->setWindowState(Qt::WindowNoState); // as the window manager restores it
    QCOMPARE(window->size(), QSize(800, 600));
    QCOMPARE(window->maximumSize(), QSize(800, 600));
}

// A real tool tip event on a module control shows its long hint in lines no wider than the cap;
// a short hint and a host window's hint are shown exactly as given.
void TShellTest::longHintsWrapWithinTheCap() {
    Run(FixtureIntroId);
    auto showTip = [](QWidget* widget) -> QLabel* {
        QToolTip::hideText();
        const QPoint centre = widget->rect().center();
        QHelpEvent event(QEvent::ToolTip, centre, widget->mapToGlobal(centre));
        QApplication::sendEvent(widget, &event);
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == "qtooltip_label" && top->isVisible())
                return qobject_cast<QLabel*>(top);
        return nullptr;
    };
    auto* notes = MainForm()->findChild<QToolButton*>("NotesBtn");
    QLabel* tip = showTip(notes);
    QVERIFY(tip);
    QVERIFY(tip->text().contains('\n'));
    QVERIFY(tip->width() <= 400);
    QVERIFY(tip->width() > 300);
    QCOMPARE(tip->text().replace('\n', ' '), notes->toolTip());
    tip->grab().save(QCoreApplication::applicationDirPath() + "/long-hint.png");

    auto* save = MainForm()->findChild<QToolButton*>("SaveBtn");
    tip = showTip(save);
    QVERIFY(tip);
    QCOMPARE(tip->text(), save->toolTip());

    host_->setToolTip(notes->toolTip());
    host_->show();
    tip = showTip(host_.get());
    QVERIFY(tip);
    QCOMPARE(tip->text(), notes->toolTip());
    QToolTip::hideText();
}

void TShellTest::visionImpairedModeOrdersTabsByPosition() {
    Run(FixtureQuestionId);
    RunState().VisionImpairedMode = true;
    RunState().CurrentItem = 3;
    FrameWnd()->ShowScreen();
    TChildForm* screen = FrameWnd()->Screen();
    auto* label = screen->findChild<TTextLbl*>("TextLblIntro");
    QCOMPARE(label->mode(), TTextLbl::tlmVisionImpaired);
    QVERIFY(label->focusPolicy() & Qt::TabFocus);
    // Top to bottom: the label, the edit, the combo box, the check box.
    QCOMPARE(label->nextInFocusChain(), screen->findChild<QWidget*>("TaxEdit1"));
    QCOMPARE(screen->findChild<QWidget*>("TaxEdit1")->nextInFocusChain(),
             screen->findChild<QWidget*>("aussieComboBox"));
    RunState().VisionImpairedMode = false;
}

void TShellTest::helpTopicsLiveBesideTheLibrary() {
    const QString path = HelpTopicPath("VESK2004.HLP", 530);
    QVERIFY(path.endsWith("/VESK2004/530.html"));
    QVERIFY(!ShowHelpTopic("VESK2004.HLP", 99999)); // a missing topic shows nothing
}

void TShellTest::calculatorNotFoundIsToldAndButtonComesBack() {
    Run(7860);
    const QByteArray path = qgetenv("PATH"), windows = qgetenv("WINDIR");
    qputenv("PATH", folder_.path().toLocal8Bit());
    qputenv("WINDIR", folder_.path().toLocal8Bit());
    MainForm()->CalculClick();
    qputenv("PATH", path);
    qputenv("WINDIR", windows);
    QCOMPARE(prompter_->Texts(), std::vector<std::string>{"Can't find ..."});
    QVERIFY(MainForm()->findChild<QWidget*>("CalculBtn")->isEnabled());
}

void TShellTest::exitMessageStoresAndPassesTheCloseGate() {
    Run(FixtureIntroId);
    FrameWnd()->Screen()->findChild<TTaxEdit*>("TaxEdit1")->setText("Jones");
    QCoreApplication::postEvent(MainForm(), new QEvent(QEvent::Type(WM_VESK_EXIT)));
    QCoreApplication::processEvents();
    QCOMPARE(FieldAsText(TagFixtureText), std::string("Jones"));
    QCOMPARE(prompter_->Texts(),
             std::vector<std::string>{"You must complete this section before saving."});
    QVERIFY(MainForm()->isVisible());
    QCOMPARE(host_->closed, 0);
}

QTEST_MAIN(TShellTest)
#include "ShellTest.moc"

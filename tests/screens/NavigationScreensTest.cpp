// The navigation and validate screens in the running module: their texts, where Next leads,
// the warnings of an incomplete claim and where each one takes the user, and the navigator's
// jumps through the frame.

#include "../calc/FamilyBuilder.h"

#include "CalcTags.h"
#include "DataFile.h"
#include "FieldStore.h"
#include "Frame.h"
#include "Lookups.h"
#include "MainForm.h"
#include "ModuleRun.h"
#include "ModuleText.h"
#include "NavigatorData.h"
#include "NavigatorFrameUnit.h"
#include "NavigatorTree.h"
#include "RunState.h"
#include "ScreenRegistry.h"
#include "ScriptedPrompter.h"
#include "TextLbl.h"
#include "vesk2004.h"

#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

const std::string Key = "12345678";

// Screens the navigation screens lead to, owned by other parts of the interview.
const int TargetIds[] = {7805, 7813, 7817, 7818, 7821, 7823, 7827,
                         7830, 7832, 7839, 7843, 7850, 7851};

void AnsweredToDependants() {
    SetFieldVal(TagResidentAllYear, 1);
    SetFieldVal(TagTaxFreePensions, ExplicitZero);
    SetFieldStr(1271, "1");
    SetFieldChecked(1299);
    SetFieldChecked(1283);
    Family().Claimant(0).HadSpouse(true);
}

// Every section answered: a spouse all year, a child whose maintenance matters, payers.
void CompleteClaim() {
    AnsweredToDependants();
    Family()
        .SpouseAllYear()
        .Spouse(Partner("Sam").MaintenanceDone())
        .Dependant(Child("Mia").Born("14/03/1996").MaintenanceDone())
        .Payers({"Chris"})
        .OwnMaintenanceDone();
}

void CompleteClaimWithoutChildren() {
    AnsweredToDependants();
    Family().SpouseAllYear().Spouse("Sam").NoPayers();
}

// Two spouses, one missing from a table with a gap; a child without a birth date, one without
// income details, one with a circumstance unanswered; nothing about payers.
void IncompleteClaim() {
    AnsweredToDependants();
    Family()
        .Spouse("Sam")
        .Spouse("Alex")
        .MaritalStatus("Sam", "01/07/2003", "31/12/2003")
        .MaritalStatus("Single", "02/01/2004", "30/06/2004")
        .Dependant(Child("Lily"))
        .Dependant(Child("Tom").Born("10/05/1993").Without(TagDependantTaxableIncome))
        .Dependant(Child("Ava").Born("02/02/2000").Without(TagPrescribedEducation));
}

// A spouse who left but no marital status table; payers listed, nobody's maintenance answered.
void UnlistedClaim() {
    AnsweredToDependants();
    Family().Spouse("Sam").Payers({"Chris"});
}

const QStringList UnlistedWarnings = {"Family circumstance period table needs to be completed",
                                      "Spousal maintenance information required"};

const QStringList IncompleteWarnings = {"Alex Not in marital status table",
                                        "Missing or overlapping dates in marital status table",
                                        "Dependant age missing",
                                        "Dependant ATI details missing",
                                        "Dependant circumstance data incomplete",
                                        "Maintenance payers information required",
                                        "Dependant maintenance information required"};

} // namespace

class TNavigationScreensTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        for (int id : TargetIds)
            RegisterTestScreen(id, [] { return new TChildForm; });
    }
    void cleanup() {
        FreeDLLResources();
        prompter_.reset();
        SetPrompter(nullptr);
        ClearTestScreens();
    }

    void navigationScreensShowTheirTextAndLeadOn_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("section");
        QTest::addColumn<int>("help");
        QTest::addColumn<QString>("words");
        QTest::addColumn<int>("next");
        QTest::newRow("start") << 7804 << 1 << 530 << "Start of Vesk tax claim" << 7805;
        QTest::newRow("eligibility")
            << 7812 << 2 << 553 << "completed the section relating to Vesk eligibility" << 7813;
        QTest::newRow("your details")
            << 7816 << 3 << 553 << "completed the section relating to your details" << 7817;
        QTest::newRow("spouses") << 7822 << 4 << 553 << "spouse(s) details and marital status"
                                 << 7823;
        QTest::newRow("special") << 7826 << 5 << 553 << "special circumstances that may affect"
                                 << 7827;
        QTest::newRow("dependants")
            << 7837 << 6 << 545 << "completed the section relating to your dependants" << 7839;
        QTest::newRow("payers") << 7842 << 7 << 583 << "a complete list of maintenance payers"
                                << 7843;
        QTest::newRow("spousal, a child's maintenance matters")
            << 7849 << 8 << 553 << "spousal maintenance received by" << 7851;
        QTest::newRow("validate, complete")
            << 7858 << 0 << 553 << "Your Vesk claim is now complete." << 6601;
    }
    void navigationScreensShowTheirTextAndLeadOn() {
        QFETCH(int, id);
        QFETCH(int, section);
        QFETCH(int, help);
        QFETCH(QString, words);
        QFETCH(int, next);
        Run(id, CompleteClaim);
        QCOMPARE(ShownId(), id);
        QVERIFY(FrameWnd()->Navigator()->isVisible());
        QVERIFY(!List()->isVisible());
        QCOMPARE(Intro()->currentSection(), section);
        QCOMPARE(FrameWnd()->Screen()->HelpContext(), help);
        QVERIFY2(Intro()->plainText().contains(words), qPrintable(Intro()->plainText()));
        SetPrevBlockedItem(5);
        Click(FrameWnd()->NextButton());
        QCOMPARE(FrameWnd()->ScreenId(), next);
        QCOMPARE(PrevBlockedItem(), -1);
        QVERIFY(!FrameWnd()->Navigator()->isVisible());
        if (next == 6601) QCOMPARE(GetFailedScreenIndex(), 6601);
    }

    void spousalMaintenanceSkipsDependantsWhoseMaintenanceNeverMatters() {
        Run(7849, CompleteClaimWithoutChildren);
        Click(FrameWnd()->NextButton());
        QCOMPARE(ShownId(), 7850);
    }

    void yearPlaceholdersShowTheIncomeYear() {
        Run(7858, CompleteClaim);
        QVERIFY(Intro()->plainText().contains("1 July 2003 to 30 June 2004"));
        QVERIFY(Intro()->plainText().contains("within your 2004 Vesk tax claim"));
    }

    void incompleteClaimMovesOnToListItsWarningsInOrder() {
        Run(7858, IncompleteClaim);
        QCOMPARE(ShownId(), 7859);
        QVERIFY(List()->isVisible());
        QCOMPARE(Intro()->currentSection(), -1);
        QCOMPARE(FrameWnd()->Screen()->HelpContext(), 546);
        QCOMPARE(ListLines(), IncompleteWarnings);
        QCOMPARE(List()->palette().color(QPalette::Text), QColor(Qt::red));
        QVERIFY(List()->font().bold());
    }

    void warningLeadsToItsScreenWherePrevIsRefused_data() {
        QTest::addColumn<bool>("unlisted");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<int>("answer"); // to the spouse question, 0 when none is asked
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("dependant");
        QTest::addColumn<int>("spouse");
        QTest::newRow("spouse, edit the table")
            << false << IncompleteWarnings[0] << int(mrYes) << 7821 << 9 << 9;
        QTest::newRow("spouse, delete the spouse")
            << false << IncompleteWarnings[0] << int(mrNo) << 7818 << 9 << 1;
        QTest::newRow("table dates") << false << IncompleteWarnings[1] << 0 << 7821 << 9 << 9;
        QTest::newRow("age") << false << IncompleteWarnings[2] << 0 << 7827 << 9 << 9;
        QTest::newRow("income") << false << IncompleteWarnings[3] << 0 << 7830 << 1 << 9;
        QTest::newRow("circumstances") << false << IncompleteWarnings[4] << 0 << 7832 << 2 << 9;
        QTest::newRow("payers") << false << IncompleteWarnings[5] << 0 << 7839 << 9 << 9;
        QTest::newRow("dependant maintenance")
            << false << IncompleteWarnings[6] << 0 << 7851 << 9 << 9;
        QTest::newRow("no table") << true << UnlistedWarnings[0] << 0 << 7821 << 9 << 9;
        QTest::newRow("spousal maintenance") << true << UnlistedWarnings[1] << 0 << 7843 << 9 << 9;
    }
    void warningLeadsToItsScreenWherePrevIsRefused() {
        QFETCH(bool, unlisted);
        QFETCH(QString, warning);
        QFETCH(int, answer);
        QFETCH(int, target);
        QFETCH(int, dependant);
        QFETCH(int, spouse);
        Run(7858, unlisted ? UnlistedClaim : IncompleteClaim);
        SetCurrentDependant(9);
        SetCurrentSpouse(9);
        SetCurrentPayer(4);
        if (answer) prompter_->Answer(answer);
        ClickLine(ListLines().indexOf(warning));
        QCOMPARE(ShownId(), target);
        QCOMPARE(CurrentDependant(), dependant);
        QCOMPARE(CurrentSpouse(), spouse);
        QCOMPARE(CurrentPayer(), 0);
        QVERIFY(ArrivedFromList());
        QCOMPARE(prompter_->boxes.size(), std::size_t(answer ? 1 : 0));
        Click(FrameWnd()->PrevButton());
        QCOMPARE(ShownId(), target);
        QVERIFY(prompter_->Texts().back().starts_with("For data integrity reasons"));
    }

    void spouseQuestionExplainsBothWays() {
        Run(7858, IncompleteClaim);
        prompter_->Answer(mrYes);
        ClickLine(0);
        QCOMPARE(prompter_->boxes.size(), std::size_t(1));
        const TShownBox& box = prompter_->boxes.front();
        QCOMPARE(box.buttons, TMsgButtons(mbYes | mbNo));
        QCOMPARE(box.text,
                 std::string(
                     "Alex does not appear in the marital status table. Do You wish to change "
                     "the marital status table?\r\n\r\nThe reason for this error message is that "
                     "you have entered spouse details for Alexbut have not included this spouse "
                     "in the table of marital status at any time during the income year 1 July "
                     "2003 to 30 June 2004. \r\n\r\nIf you wish to edit the marital status table "
                     "select \"Yes\" and Quellet will now return you to the marital status "
                     "table. If Alex was not your partner at any time throughout the income You "
                     "should delete their details from Quellet. To delete this spouse's details "
                     "select \"No\" and Quellet will return you to the \"Spouse Details\" screen "
                     "from where you can delete the record for Alex"));
    }

    void fixedWarningLeavesTheListWhenValidatedAgain() {
        Run(7858, IncompleteClaim);
        ClickLine(ListLines().indexOf("Dependant age missing"));
        QCOMPARE(ShownId(), 7827);
        UnpackWorksheetInstance(DependantGroup, 1);
        SetFieldStr(TagDateOfBirth, "01/01/2001");
        PackWorksheetInstance(DependantGroup, 1);
        RunState().CurrentItem = 58;
        FrameWnd()->ShowScreen();
        QCoreApplication::sendPostedEvents();
        QCOMPARE(ShownId(), 7859);
        QVERIFY(!ListLines().contains("Dependant age missing"));
        QCOMPARE(ListLines().size(), IncompleteWarnings.size() - 1);
    }

    void clickBesideTheWarningsDoesNothing() {
        Run(7859, UnlistedClaim);
        QCOMPARE(ListLines(), UnlistedWarnings);
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {},
                          QPoint(10, List()->viewport()->height() - 2));
        QCoreApplication::sendPostedEvents();
        QCOMPARE(ShownId(), 7859);
        QVERIFY(!ArrivedFromList());
    }

    void topicJumpGoesThroughTheLeaveCheck() {
        Run(7816, CompleteClaim);
        QCOMPARE(SelectedCaption(), std::string("Your details"));
        HandlerSlots().LeaveCheck = [](QObject*, TCloseAction&) { RunState().ScreenValid = false; };
        ClickTopic("Start of Vesk");
        QCOMPARE(ShownId(), 7816);
        QCOMPARE(RunState().CurrentItem, 16);
        QCOMPARE(SelectedCaption(), std::string("Your details"));
        HandlerSlots().LeaveCheck = nullptr;
        SetPrevBlockedItem(30);
        ClickTopic("Start of Vesk");
        QCOMPARE(ShownId(), 7804);
        QCOMPARE(PrevBlockedItem(), -1); // the screen's answer ran first
        QCOMPARE(SelectedCaption(), std::string("Start of Vesk"));
        ClickTopic("Dependant maintenance");
        QCOMPARE(ShownId(), 7851);
    }

    void incompleteClaimTopicOnlyShowsItsCaption() {
        Run(7816, [] {
            SetFieldVal(TagResidentAllYear, 1);
            SetFieldVal(TagTaxFreePensions, ExplicitZero);
        });
        ClickTopic("Vesk claim is not complete");
        QCOMPARE(ShownId(), 7816);
        QCOMPARE(prompter_->Texts(), std::vector<std::string>{"Vesk claim is not complete"});
        QCOMPARE(prompter_->boxes.front().kind, mkPlain);
        QCOMPARE(SelectedCaption(), std::string("Your details"));
    }

    void zoomRebuildsTheScreenWithoutAJumpAndScalesTheNavigator() {
        Run(7816, CompleteClaim);
        TMainForm* window = MainForm();
        const QSize designed = FrameWnd()->findChild<QWidget*>("ClientPanel")->size();
        const QSize chrome = window->size() - designed;
        const qreal designedFont =
            QFontInfo(FrameWnd()->Navigator()->TreeView()->font()).pointSizeF();
        window->Place(QRect(window->pos(), designed * 2 + chrome));
        window->ResizeMain();
        Settle();
        QCOMPARE(ShownId(), 7816);
        QCOMPARE(RunState().ScreenHistory, std::vector<std::int32_t>{7816});
        QCOMPARE(SelectedCaption(), std::string("Your details"));
        QVERIFY(QFontInfo(FrameWnd()->Navigator()->TreeView()->font()).pointSizeF() >=
                designedFont * 1.5);
    }

private:
    void Run(int startScreen, const std::function<void()>& claim) {
        const QString path = folder_.filePath(QString("R%1.TAX").arg(QTest::currentTestFunction()));
        ResetRunState();
        CreateFieldStore();
        {
            TSilentPrompter silent;
            const TPrompterScope scope(silent);
            claim();
        }
        RunState().KeySource = Key;
        SetFieldStr(TagKeySource, Key);
        QCOMPARE(SaveDataFile(path.toStdString()), 0);
        FreeFieldStore();
        prompter_ = std::make_unique<TScriptedPrompter>();
        host_.winId();
        const std::string file = Pascal(path.toStdString()), key = Pascal(Key), none = Pascal("");
        RunVeskModule(host_.winId(), host_.winId(), Bytes(file), Bytes(key), Bytes(none),
                      startScreen, 10, 10, 800, 600, 0, 0);
        Settle();
    }
    static void Settle() {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents();
    }
    static void Click(QPushButton* button) {
        QTest::mouseClick(button, Qt::LeftButton);
        Settle();
    }
    static int ShownId() { return FrameWnd()->Screen() ? FrameWnd()->ScreenId() : 0; }
    static TTextLbl* Intro() { return FrameWnd()->Screen()->findChild<TTextLbl*>("TextLblIntro"); }
    static QListWidget* List() {
        return FrameWnd()->Screen()->findChild<QListWidget*>("ListBoxWarnings");
    }
    static QStringList ListLines() {
        QStringList lines;
        for (int row = 0; row < List()->count(); ++row)
            lines << List()->item(row)->text();
        return lines;
    }
    static void ClickLine(int row) {
        QVERIFY(row >= 0);
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {},
                          List()->visualItemRect(List()->item(row)).center());
        Settle();
    }
    static void ClickTopic(const QString& caption) {
        QTreeWidget* tree = FrameWnd()->Navigator()->TreeView();
        const auto nodes = tree->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
        QVERIFY(!nodes.isEmpty());
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(nodes.first()).center());
        Settle();
    }
    static std::string SelectedCaption() {
        const TNavigatorItem* item = FrameWnd()->Navigator()->GetSelectedItem();
        return item ? item->Caption : std::string();
    }

    QTemporaryDir folder_;
    QWidget host_;
    std::unique_ptr<TScriptedPrompter> prompter_;
};

QTEST_MAIN(TNavigationScreensTest)
#include "NavigationScreensTest.moc"

// The navigator: which sections the stored answers have reached, how a screen id finds its
// topic, and the tree as the user sees and clicks it.

#include "../calc/FamilyBuilder.h"

#include "CalcTags.h"
#include "FieldStore.h"
#include "Lookups.h"
#include "NavigatorData.h"
#include "NavigatorFrameUnit.h"
#include "NavigatorTree.h"
#include "Prompter.h"
#include "RunState.h"

#include <QTest>

#include <functional>
#include <utility>
#include <vector>

namespace {

using TTopics = std::vector<std::pair<std::string, int>>;

TTopics Topics(const TCustomNavigatorData& data) {
    TTopics topics;
    for (int i = 0; i < data.Count(); ++i)
        topics.emplace_back(data.Topic(i).Caption, data.Topic(i).ScreenId);
    return topics;
}

const std::pair<std::string, int> Start{"Start of Vesk", 7804};
const std::pair<std::string, int> ResidencyTopic{"Your residency", 7809};
const std::pair<std::string, int> Periods{"Corvel periods", 7811};
const std::pair<std::string, int> Details{"Your details", 7813};
const std::pair<std::string, int> Spouses{"Spouse / former spouse(s)", 7818};
const std::pair<std::string, int> OneSpouseTable{"Marital status / agreed %", 7820};
const std::pair<std::string, int> SpousesTable{"Marital status / agreed %", 7821};
const std::pair<std::string, int> Special{"Special circumstances", 7823};
const std::pair<std::string, int> Dependants{"Dependant details", 7827};
const std::pair<std::string, int> Payers{"List of maintenance payers", 7839};
const std::pair<std::string, int> Spousal{"Spousal maintenance", 7843};
const std::pair<std::string, int> NoDependantMaintenance{"Dependant maintenance", 7850};
const std::pair<std::string, int> DependantMaintenance{"Dependant maintenance", 7851};
const std::pair<std::string, int> Validate{"Validate and complete", 7858};
const std::pair<std::string, int> NotComplete{"Vesk claim is not complete", -1};

// One stage of a claim being answered, and the topics it must show.
struct TStage {
    const char* name;
    std::function<void()> answer;
    TTopics topics;
};

void SetMaintenanceDone(int group, int index) {
    UnpackWorksheetInstance(group, index + 1);
    SetFieldStr(TagMaintenanceDone, "1");
    PackWorksheetInstance(group, index + 1);
}

// The example family: details answered, one spouse, nothing yet about blindness.
void AnswerToSpouses() {
    SetFieldVal(TagResidentAllYear, 1);
    SetFieldVal(TagTaxFreePensions, ExplicitZero);
    Family().Claimant(0).HadSpouse(true).Spouse("Sam");
}

} // namespace

class TNavigatorTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        ResetRunState();
        CreateFieldStore();
        SetPrompter(&silent_);
    }
    void cleanup() {
        TVeskNavigatorData::ReleaseInstance();
        FreeFieldStore();
        SetPrompter(nullptr);
    }

    // Each stage adds answers to the claim of the stage before it.
    void topicsFollowTheClaimAsItIsAnswered() {
        const std::vector<TStage> stages = {
            {"nothing answered", [] {}, {Start, NotComplete}},
            {"resident all year",
             [] { SetFieldVal(TagResidentAllYear, 1); },
             {Start, ResidencyTopic, Periods, NotComplete}},
            {"own details",
             [] { SetFieldVal(TagTaxFreePensions, ExplicitZero); },
             {Start, ResidencyTopic, Periods, Details, NotComplete}},
            {"one spouse",
             [] { Family().Claimant(0).HadSpouse(true).Spouse("Sam"); },
             {Start, ResidencyTopic, Periods, Details, Spouses, OneSpouseTable, NotComplete}},
            {"two spouses",
             [] { Family().Spouse("Alex"); },
             {Start, ResidencyTopic, Periods, Details, Spouses, SpousesTable, NotComplete}},
            {"not blind",
             [] { SetFieldChecked(1299); },
             {Start, ResidencyTopic, Periods, Details, Spouses, SpousesTable, Special,
              NotComplete}},
            {"spouses all entered, dependants shown, no payers listed",
             [] {
                 SetFieldStr(1271, "1");
                 SetFieldChecked(1283);
             },
             {Start, ResidencyTopic, Periods, Details, Spouses, SpousesTable, Special, Dependants,
              Spousal, NoDependantMaintenance, Validate}},
            {"payers listed, nobody's maintenance done",
             [] { Family().Payers({"Chris"}); },
             {Start, ResidencyTopic, Periods, Details, Spouses, SpousesTable, Special, Dependants,
              Payers, NotComplete}},
            {"spousal maintenance done",
             [] {
                 Family().OwnMaintenanceDone();
                 SetMaintenanceDone(SpouseGroup, 0);
                 SetMaintenanceDone(SpouseGroup, 1);
             },
             {Start, ResidencyTopic, Periods, Details, Spouses, SpousesTable, Special, Dependants,
              Payers, Spousal, NoDependantMaintenance, Validate}},
            {"a child whose maintenance matters, not yet answered",
             [] { Family().Dependant(Child("Mia").Born("14/03/1996")); },
             {Start, ResidencyTopic, Periods, Details, Spouses, SpousesTable, Special, Dependants,
              Payers, Spousal, Validate}},
            {"the child's maintenance answered",
             [] { SetMaintenanceDone(DependantGroup, 0); },
             {Start, ResidencyTopic, Periods, Details, Spouses, SpousesTable, Special, Dependants,
              Payers, Spousal, DependantMaintenance, Validate}},
        };
        TVeskNavigatorData& data = TVeskNavigatorData::Instance();
        for (const TStage& stage : stages) {
            stage.answer();
            data.BuildModuleTopics();
            if (Topics(data) != stage.topics) QFAIL(stage.name);
        }
    }

    void claimWithoutSpouseSkipsTheTableAndReachesDependants() {
        SetFieldVal(TagResidentAllYear, 1);
        SetFieldVal(TagTaxFreePensions, ExplicitZero);
        Family().HadSpouse(false).NoPayers();
        SetFieldChecked(TagBlindPension);
        SetFieldChecked(1283);
        TVeskNavigatorData& data = TVeskNavigatorData::Instance();
        data.BuildModuleTopics();
        QVERIFY(Topics(data) ==
                (TTopics{Start, ResidencyTopic, Periods, Details, Spouses, Special, Dependants,
                         Payers, Spousal, NoDependantMaintenance, Validate}));
    }

    void dependantsNeedAllSpousesEnteredOrNone() {
        AnswerToSpouses();
        SetFieldChecked(1299);
        SetFieldChecked(1283);
        SetFieldStr(1271, "0"); // another spouse follows
        TVeskNavigatorData& data = TVeskNavigatorData::Instance();
        data.BuildModuleTopics();
        QVERIFY(Topics(data).back() == NotComplete);
        QVERIFY(Topics(data)[Topics(data).size() - 2] == Special);
    }

    void findByScreenIdTakesTheNearestTopicOfTheSection_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("caption");
        QTest::newRow("inside a section") << 7817 << "Your details";
        QTest::newRow("the topic's own screen") << 7820 << "Marital status / agreed %";
        QTest::newRow("before every topic") << 7803 << "";
        QTest::newRow("past the last topic") << 7859 << "Marital status / agreed %";
        QTest::newRow("another section") << 7901 << "";
        QTest::newRow("no screen") << 0 << "";
    }
    void findByScreenIdTakesTheNearestTopicOfTheSection() {
        QFETCH(int, id);
        QFETCH(QString, caption);
        AnswerToSpouses();
        TVeskNavigatorData& data = TVeskNavigatorData::Instance();
        data.BuildModuleTopics();
        const TNavigatorItem* found = data.FindByScreenId(id);
        QCOMPARE(found ? QString::fromStdString(found->Caption) : QString(), caption);
    }

    void itemsAreFoundAndSelectedWithTheirTopic() {
        TVeskNavigatorData& data = TVeskNavigatorData::Instance();
        data.BuildModuleTopics();
        TNavigatorItem& early = data.Topic(0).AddItem("1", "Early", 7806);
        TNavigatorItem& twin = data.Topic(0).AddItem("2", "Twin", 7806);
        QCOMPARE(data.FindByScreenId(7808), &early); // the first of equal ids wins
        data.SelectItem(twin);
        QVERIFY(twin.Selected && data.Topic(0).Selected);
        QVERIFY(!early.Selected && !data.Topic(1).Selected);
        data.SelectItem(data.Topic(1));
        QVERIFY(data.Topic(1).Selected && !twin.Selected && !data.Topic(0).Selected);
    }

    void hostScreensTranslateToTheirTopic_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("topic");
        for (auto [id, topic] : std::vector<std::pair<int, int>>{{231, 228},
                                                                 {4603, 4601},
                                                                 {5302, 5301},
                                                                 {5309, 5301},
                                                                 {5532, 5501},
                                                                 {6107, 6101},
                                                                 {6303, 6301},
                                                                 {6406, 6401},
                                                                 {7003, 7001},
                                                                 {7703, 7701},
                                                                 {225, 225},
                                                                 {7817, 7817}})
            QTest::addRow("%d", id) << id << topic;
    }
    void hostScreensTranslateToTheirTopic() {
        QFETCH(int, id);
        QFETCH(int, topic);
        QCOMPARE(TNavigatorFrame::OriginalTargetScreenID(id), topic);
    }

    // ---- the tree

    void treeShowsTopicsAndNumberedItemsWithNothingSelected() {
        TNavigatorFrame frame;
        TVeskNavigatorData& data = Example();
        data.Topic(1).AddItem("3", "Periods abroad", 7810);
        data.Topic(1).AddItem("", "Unnumbered", 7810);
        frame.Initialise(&data);
        QTreeWidget* tree = frame.TreeView();
        QCOMPARE(tree->topLevelItemCount(), 7);
        QCOMPARE(tree->topLevelItem(1)->child(0)->text(0), QString("3 - Periods abroad"));
        QCOMPARE(tree->topLevelItem(1)->child(1)->text(0), QString("Unnumbered"));
        QVERIFY(!frame.GetSelectedItem());
    }

    void clickOnARowChoosesItsTopicOnce() {
        TNavigatorFrame frame;
        TVeskNavigatorData& data = Example();
        std::vector<int> chosen;
        frame.SetOnSelectItem(
            [&](TNavigatorFrame*, TNavigatorItem& item) { chosen.push_back(item.ScreenId); });
        Show(frame, data);
        ClickRow(frame, 3);
        QCOMPARE(chosen, std::vector<int>{7813});
        QVERIFY(data.Topic(3).Selected);
        QCOMPARE(frame.GetSelectedItem(), &data.Topic(3));
        // Below the last row nothing is hit.
        QTest::mouseClick(frame.TreeView()->viewport(), Qt::LeftButton, {},
                          QPoint(20, frame.TreeView()->viewport()->height() - 2));
        QCoreApplication::processEvents();
        QCOMPARE(chosen, std::vector<int>{7813});
    }

    void keyboardChangeChoosesOnceTheTreeIsDone() {
        TNavigatorFrame frame;
        TVeskNavigatorData& data = Example();
        std::vector<int> chosen;
        frame.SetOnSelectItem(
            [&](TNavigatorFrame*, TNavigatorItem& item) { chosen.push_back(item.ScreenId); });
        Show(frame, data);
        ClickRow(frame, 0);
        QTest::keyClick(frame.TreeView(), Qt::Key_Down);
        QVERIFY(chosen.size() == 1); // not inside the tree's own key event
        QCoreApplication::processEvents();
        QCOMPARE(chosen, (std::vector<int>{7804, 7809}));
    }

    void choicesAreSilentWhileSelectionEventsAreOff() {
        TNavigatorFrame frame;
        TVeskNavigatorData& data = Example();
        int calls = 0;
        frame.SetOnSelectItem([&](TNavigatorFrame*, TNavigatorItem&) { ++calls; });
        Show(frame, data);
        frame.SetSelectionEvents(false);
        ClickRow(frame, 2);
        QCOMPARE(calls, 0);
        QVERIFY(data.Topic(2).Selected); // the mark follows the click all the same
    }

    void screenIdSelectsItsTopicWithoutAChoice() {
        TNavigatorFrame frame;
        TVeskNavigatorData& data = Example();
        int calls = 0;
        frame.SetOnSelectItem([&](TNavigatorFrame*, TNavigatorItem&) { ++calls; });
        Show(frame, data);
        frame.SelectItemByScreenID(7803);
        QVERIFY(!frame.GetSelectedItem());
        frame.SelectItemByScreenID(7817);
        QCOMPARE(frame.GetSelectedItem(), &data.Topic(3));
        QVERIFY(data.Topic(3).Selected);
        QCOMPARE(calls, 0);
    }

    void selectedRowIsBlackBetweenWhiteLines() {
        TNavigatorFrame frame;
        TVeskNavigatorData& data = Example();
        Show(frame, data);
        frame.SelectItemByScreenID(7813);
        const QImage image = frame.TreeView()->viewport()->grab().toImage();
        const QRect selected = frame.TreeView()->visualItemRect(frame.TreeView()->topLevelItem(3));
        const QRect other = frame.TreeView()->visualItemRect(frame.TreeView()->topLevelItem(1));
        const int x = image.width() - 3;
        QCOMPARE(image.pixelColor(x, selected.center().y()), QColor(Qt::black));
        QCOMPARE(image.pixelColor(x, other.center().y()), QColor(235, 235, 235));
        QCOMPARE(image.pixelColor(x, other.top()), QColor(Qt::white));
        QCOMPARE(image.pixelColor(x, other.bottom()), QColor(Qt::white));
        QCOMPARE(selected.height(), TNavigatorTreeView::RowHeight);
    }

    void expandedTopicLeavesTheHighlightToItsSelectedItem() {
        TNavigatorFrame frame;
        TVeskNavigatorData& data = Example();
        data.Topic(1).AddItem("3", "Periods abroad", 7810);
        Show(frame, data);
        frame.SelectItemByScreenID(7810);
        QTreeWidget* tree = frame.TreeView();
        QTreeWidgetItem* topic = tree->topLevelItem(1);
        QVERIFY(topic->isExpanded());
        QVERIFY(data.Topic(1).Selected && data.Topic(1).Item(0).Selected);
        const QImage image = tree->viewport()->grab().toImage();
        const int x = image.width() - 3;
        const int topicY = tree->visualItemRect(topic).center().y();
        QCOMPARE(image.pixelColor(x, tree->visualItemRect(topic->child(0)).center().y()),
                 QColor(Qt::black));
        QCOMPARE(image.pixelColor(x, topicY), QColor(235, 235, 235));
        // The topic's arrow sits left of its caption, its edge dark on the grey row.
        bool arrowDrawn = false;
        for (int ax = 0; ax < tree->visualItemRect(topic).left(); ++ax)
            arrowDrawn = arrowDrawn || image.pixelColor(ax, topicY).lightness() < 100;
        QVERIFY(arrowDrawn);
    }

private:
    static TVeskNavigatorData& Example() {
        AnswerToSpouses();
        TVeskNavigatorData& data = TVeskNavigatorData::Instance();
        data.BuildModuleTopics();
        return data;
    }
    static void Show(TNavigatorFrame& frame, TVeskNavigatorData& data) {
        frame.resize(141, 400);
        frame.Initialise(&data);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
    }
    static void ClickRow(TNavigatorFrame& frame, int row) {
        QTreeWidget* tree = frame.TreeView();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(tree->topLevelItem(row)).center());
    }

    TSilentPrompter silent_;
};

QTEST_MAIN(TNavigatorTest)
#include "NavigatorTest.moc"

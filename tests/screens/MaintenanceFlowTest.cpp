// The order in which the maintenance screens visit people, and the checks their tables share.

#include "../support/ScriptedPrompter.h"

#include "CalcTags.h"
#include "FieldStore.h"
#include "Lookups.h"
#include "MaintenanceFlow.h"
#include "MaintenanceWidgets.h"
#include "RunState.h"
#include "ScreenHelpers.h"
#include "TextLbl.h"
#include "XGrid.h"

#include <QTest>

#include <optional>

namespace {

constexpr double ExplicitZero = 0.0011;

void AddInstance(int group, const std::function<void()>& fill) {
    const int instance = WorksheetInstanceCount(group) + 1;
    UnpackWorksheetInstance(group, instance);
    fill();
    PackWorksheetInstance(group, instance);
}

// A child who counts for maintenance in a low-income family: resident, in full care.
void AddChild(const std::string& name, std::optional<std::string> done = std::nullopt) {
    AddInstance(DependantGroup, [&] {
        SetFieldStr(TagLabel, name);
        SetFieldStr(TagDateOfBirth, "14/03/1996");
        SetFieldStr(TagResidentOrLivingWith, "2");
        for (int tag : {TagInEducation, TagIncomeSupport, TagAbsent, TagPrescribedEducation})
            SetFieldStr(tag, "1");
        SetFieldStr(TagSharedCare, "100");
        for (int tag :
             {TagFringeBenefits, TagRentalLosses, TagPersonTaxFreePensions,
              TagDependantForeignIncome, TagDependantMaintenancePaid, TagDependantTaxableIncome})
            SetFieldVal(tag, ExplicitZero);
        if (done) SetFieldStr(TagMaintenanceDone, *done);
    });
}

void AddSpouse(const std::string& name, std::optional<std::string> done = std::nullopt) {
    AddInstance(SpouseGroup, [&] {
        SetFieldStr(TagLabel, name);
        if (done) SetFieldStr(TagMaintenanceDone, *done);
    });
}

} // namespace

class MaintenanceFlowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        ResetRunState();
        CreateFieldStore();
    }
    void cleanup() { FreeFieldStore(); }

    void NextPerson_data() {
        QTest::addColumn<bool>("payers");
        QTest::addColumn<QString>("own");    // tag 1257
        QTest::addColumn<QString>("first");  // first spouse's marker, "-" for none
        QTest::addColumn<QString>("second"); // second spouse's marker
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("person");    // tag 1279 afterwards
        QTest::addColumn<QString>("payer"); // tag 1282 afterwards
        QTest::newRow("no payers: nobody is asked") << false << ""
                                                    << "-"
                                                    << "-" << 7848 << -1 << "0";
        QTest::newRow("the taxpayer first") << true << ""
                                            << "1"
                                            << "1" << 7844 << -1 << "";
        QTest::newRow("then the first spouse not finished") << true << "1"
                                                            << "-"
                                                            << "-" << 7844 << 0 << "";
        QTest::newRow("a marker other than 1 is unfinished") << true << "1"
                                                             << "1"
                                                             << "0" << 7844 << 1 << "";
        QTest::newRow("everybody finished") << true << "1"
                                            << "1"
                                            << "1" << 7848 << -1 << "0";
    }
    void NextPerson() {
        QFETCH(bool, payers);
        QFETCH(QString, own);
        QFETCH(QString, first);
        QFETCH(QString, second);
        if (payers) SetFieldLst(TagPayerList, {"Zed Payer"});
        if (!own.isEmpty()) SetFieldStr(TagOwnMaintenanceDone, own.toStdString());
        const auto marker = [](const QString& m) {
            return m == "-" ? std::nullopt : std::optional<std::string>(m.toStdString());
        };
        AddSpouse("Sam", marker(first));
        AddSpouse("Kim", marker(second));
        QTEST(NextPersonScreen(), "screen");
        QTEST(CurrentSpouse(), "person");
        QTEST(QString::fromStdString(FieldAsText(TagCurrentPayer)), "payer");
    }

    void NextDependant_data() {
        QTest::addColumn<QString>("mia");
        QTest::addColumn<QString>("noah");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("next"); // tag 1280 afterwards
        QTest::newRow("first unfinished") << ""
                                          << "" << -1 << 7852 << 0;
        QTest::newRow("unfinished before the current") << ""
                                                       << "1" << 1 << 7852 << 0;
        QTest::newRow("all finished: the one after the current") << "1"
                                                                 << "1" << 0 << 7852 << 1;
        QTest::newRow("all finished, none after") << "1"
                                                  << "1" << 1 << 7858 << 1;
    }
    void NextDependant() {
        QFETCH(QString, mia);
        QFETCH(QString, noah);
        QFETCH(int, current);
        const auto marker = [](const QString& m) {
            return m.isEmpty() ? std::nullopt : std::optional<std::string>(m.toStdString());
        };
        AddChild("Mia", marker(mia));
        AddChild("Noah", marker(noah));
        SetFieldVal(TagTaxableIncome, 20000);
        SetCurrentDependant(current);
        QTEST(NextDependantScreen(), "screen");
        QTEST(CurrentDependant(), "next");
    }

    void AddedPayersStaySortedWithoutRegardToCase() {
        AddPayer("zed");
        AddPayer("Bea");
        AddPayer("alex");
        QCOMPARE(PayerNames(), QStringList({"alex", "Bea", "zed"}));
    }

    void DatesOutsideTheYearAreReportedByColumnTitle() {
        TScriptedPrompter prompter;
        TXGrid grid;
        grid.setDisplay({"Payer|2|0|30|0|F|F|0|", "Start Date\rof Period|2|2|10||F|F||-1|0|",
                         "End Date\rof Period|2|2|10||F|F||-1|0|"});
        grid.setRowCount(3);
        grid.SetCells(0, 1, "Zed");
        grid.SetCells(1, 1, "01/07/2003");
        grid.SetCells(2, 1, "30/06/2004");
        QVERIFY(DatesWithinYear(grid, 1, 2));
        grid.SetCells(2, 2, "01/07/2004");
        grid.SetCells(1, 2, "30/06/2003");
        QVERIFY(!DatesWithinYear(grid, 1, 2));
        QCOMPARE(prompter.Texts(),
                 std::vector<std::string>{
                     "At least one date for \"Start Date of Period\" is outside the income "
                     "year.\rPlease ensure all dates entered are within the income year "
                     "(01/07/2003 to 30/06/2004) before moving on."});
    }

    void YearPlaceholdersShowTheIncomeYear() {
        QWidget screen;
        auto* label = new TTextLbl(&screen);
        label->setText({"1 July <V99998> to 30 June <V99999>, since <V99997>"});
        AnswerYearScreenTags(&screen);
        QCOMPARE(label->plainText(), QString("1 July 2003 to 30 June 2004, since 2000"));
    }
};

QTEST_MAIN(MaintenanceFlowTest)
#include "MaintenanceFlowTest.moc"

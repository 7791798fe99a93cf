// The rules of the dependant screens: the age bands that choose the next screen, the change of
// circumstance table and the overseas period checks.

#include "../support/ScriptedPrompter.h"

#include "CalcTags.h"
#include "Dates.h"
#include "FieldStore.h"
#include "Lookups.h"
#include "OverseasPeriods.h"
#include "RunState.h"
#include "XGrid.h"
#include "dependants/ChangeTable.h"
#include "dependants/DependantRules.h"

#include <QTest>

namespace {

const QString StartEducation = QString::fromLatin1(events::StartEducation);
const QString EndEducation = QString::fromLatin1(events::EndEducation);
const QString StartSupport = QString::fromLatin1(events::StartIncomeSupport);
const QString StartPrescribed = QString::fromLatin1(events::StartPrescribedEducation);
const QString StartAbsence = QString::fromLatin1(events::StartAbsence);
const QString EndAbsence = QString::fromLatin1(events::EndAbsence);
const QString StartResidency = QString::fromLatin1(events::StartResidency);
const QString EndResidency = QString::fromLatin1(events::EndResidency);
const QString ShareChange = QString::fromLatin1(events::SharedCareChange);
const QString Death = QString::fromLatin1(events::Deceased);

// Codes in the order education, income support, absence, residency, prescribed education.
TInitialCircumstances Initial(const QString& codes, bool wholeYear = false,
                              const QString& share = "100") {
    TInitialCircumstances initial;
    for (int c = 0; c < 5; ++c)
        initial.codes[c] = codes.mid(c, 1);
    initial.wholeYearEducation = wholeYear;
    initial.share = share;
    return initial;
}

// Rows as "date|event|share".
TChangeRows Rows(const QStringList& lines) {
    TChangeRows rows;
    for (const QString& line : lines) {
        const QStringList cells = line.split('|');
        rows.push_back({cells.value(0), cells.value(1), cells.value(2)});
    }
    return rows;
}

QStringList Lines(const TChangeRows& rows) {
    QStringList lines;
    for (const TChangeRow& row : rows)
        lines << row.date + "|" + row.event + "|" + row.share;
    return lines;
}

QStringList Messages(const TScriptedPrompter& prompter) {
    QStringList texts;
    for (const std::string& text : prompter.Texts())
        texts << QString::fromStdString(text);
    return texts;
}

std::unique_ptr<TXGrid> Trips(const QStringList& rows) {
    auto grid = std::make_unique<TXGrid>();
    grid->setDisplay({"Departure\rDate|2|2|10||F|F||-1|0|", "Return\rDate|2|2|10||F|F||-1|0|"});
    grid->setRowCount(int(rows.size()) + 2);
    for (int row = 0; row < rows.size(); ++row) {
        const QStringList cells = rows[row].split('|');
        for (int col = 0; col < cells.size(); ++col)
            grid->SetCells(col, row + 1, cells[col]);
    }
    return grid;
}

} // namespace

class DependantRulesTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        CreateFieldStore();
        ResetRunState();
    }
    void cleanup() { FreeFieldStore(); }

    void screenAfterDetails_data() {
        QTest::addColumn<QString>("birth");
        QTest::addColumn<bool>("studiesAllYear");
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("reason");
        QTest::newRow("25 on 1 July 2003") << "01/07/1978" << false << NotQualifiedScreen << 1;
        QTest::newRow("24 on 1 July 2003") << "02/07/1978" << false << IncomeScreen << -1;
        QTest::newRow("4 at the end of the year")
            << "01/07/1999" << false << InitialCircumstancesScreen << -1;
        QTest::newRow("5 at the end of the year") << "30/06/1999" << false << IncomeScreen << -1;
        QTest::newRow("10 and studying")
            << "10/10/1993" << true << InitialCircumstancesScreen << -1;
        QTest::newRow("10 and not studying") << "10/10/1993" << false << IncomeScreen << -1;
        QTest::newRow("16 and studying") << "01/01/1988" << true << IncomeScreen << -1;
        QTest::newRow("born in the year")
            << "15/03/2004" << false << InitialCircumstancesScreen << -1;
    }
    void screenAfterDetails() {
        QFETCH(QString, birth);
        QFETCH(bool, studiesAllYear);
        SetFieldStr(TagDateOfBirth, birth.toStdString());
        if (studiesAllYear) SetFieldChecked(TagWholeYearEducation);
        QTEST(ScreenAfterDetails(), "screen");
        QTEST(NotQualifiedReason(), "reason");
    }

    void ageCountsAnniversaries_data() {
        QTest::addColumn<QString>("birth");
        QTest::addColumn<QString>("day");
        QTest::addColumn<int>("age");
        QTest::newRow("day before the birthday") << "02/07/1978"
                                                 << "01/07/2003" << 24;
        QTest::newRow("on the birthday") << "01/07/1978"
                                         << "01/07/2003" << 25;
        QTest::newRow("leap day, not yet") << "29/02/2000"
                                           << "28/02/2004" << 3;
        QTest::newRow("leap day, reached") << "29/02/2000"
                                           << "29/02/2004" << 4;
        QTest::newRow("leap day in a common year") << "29/02/2000"
                                                   << "01/03/2003" << 3;
    }
    void ageCountsAnniversaries() {
        QFETCH(QString, birth);
        QFETCH(QString, day);
        QTEST(AgeOn(DateFromText(birth.toStdString()), DateFromText(day.toStdString())), "age");
    }

    void pickList_data() {
        QTest::addColumn<QString>("codes");
        QTest::addColumn<bool>("wholeYear");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("offered");
        const QStringList startAgain{StartEducation, StartSupport, StartPrescribed,
                                     StartAbsence,   EndResidency, ShareChange,
                                     Death};
        QTest::newRow("no row has a date")
            << "11121" << false << QStringList{"|"} << 0 << QStringList{};
        QTest::newRow("each next event from the codes")
            << "11121" << false << QStringList{"01/09/2003||"} << 0
            << QStringList{StartEducation, StartSupport, StartPrescribed,
                           StartAbsence,   EndResidency, ShareChange,
                           Death};
        QTest::newRow("studying all year: no education event")
            << "21121" << true << QStringList{"01/09/2003||"} << 0
            << QStringList{StartSupport, StartPrescribed, StartAbsence,
                           EndResidency, ShareChange,     Death};
        QTest::newRow("an earlier start offers the end")
            << "11121" << false << QStringList{"01/09/2003|" + StartEducation + "|", "01/10/2003||"}
            << 1
            << QStringList{EndEducation, StartSupport, StartPrescribed, StartAbsence, EndResidency,
                           ShareChange,  Death};
        QTest::newRow("a later row does not count")
            << "11121" << false << QStringList{"01/11/2003|" + StartEducation + "|", "01/10/2003||"}
            << 1 << QStringList{StartEducation, StartSupport, StartPrescribed,
                                StartAbsence,   EndResidency, ShareChange,
                                Death};
        QTest::newRow("start and end before: start again")
            << "11121" << false
            << QStringList{"01/10/2003|" + EndAbsence + "|", "01/09/2003|" + StartAbsence + "|",
                           "01/12/2003||"}
            << 2 << startAgain;
    }
    void pickList() {
        QFETCH(QString, codes);
        QFETCH(bool, wholeYear);
        QFETCH(QStringList, rows);
        QFETCH(int, row);
        const TChangeTable table(Rows(rows), Initial(codes, wholeYear));
        QTEST(table.PickList(row), "offered");
    }

    void normalise_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("edited");
        QTest::addColumn<bool>("editable");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QStringList>("messages");
        const QString redundantEnd =
            "The changes you have made have caused some changes in circumstance to become "
            "redundant.\rThat is " +
            EndEducation + " has been entered twice without a " + StartEducation +
            " event being entered in between them. The redundant row will now be deleted.";
        const QString putBack = "You can only change this value when the event you have just "
                                "entered is Change of shared care %. This value has been changed "
                                "back to 50";
        const QString afterDeath =
            "You have recorded dependant change of circumstances after \t\rthe date of the "
            "dependant's death.\t\rThese changes will be ignored by Quellet.";

        QTest::newRow("an end that repeats the initial state goes")
            << QStringList{"01/09/2003|" + EndEducation + "|"} << 0 << true << QStringList{}
            << QStringList{redundantEnd};
        QTest::newRow("redundancy is left alone while the table is locked")
            << QStringList{"01/09/2003|" + EndEducation + "|"} << 0 << false
            << QStringList{"01/09/2003|" + EndEducation + "|100"} << QStringList{};
        QTest::newRow("a row without an event is not tidied")
            << QStringList{"01/09/2003||", "01/08/2003|" + Death + "|"} << 0 << true
            << QStringList{"01/09/2003||", "01/08/2003|" + Death + "|"} << QStringList{};
        QTest::newRow("a change of share flows down and rows sort by date")
            << QStringList{"01/03/2004|" + StartAbsence + "|", "01/01/2004|" + ShareChange + "|50",
                           "01/09/2003|" + StartSupport + "|"}
            << 1 << true
            << QStringList{"01/09/2003|" + StartSupport + "|100",
                           "01/01/2004|" + ShareChange + "|50",
                           "01/03/2004|" + StartAbsence + "|50"}
            << QStringList{};
        QTest::newRow("a share typed on another event is put back")
            << QStringList{"01/01/2004|" + ShareChange + "|50", "01/03/2004|" + Death + "|70"} << 1
            << true
            << QStringList{"01/01/2004|" + ShareChange + "|50", "01/03/2004|" + Death + "|50"}
            << QStringList{putBack};
        QTest::newRow("an earlier share change raises nothing later on")
            << QStringList{"01/09/2003|" + StartSupport + "|100",
                           "01/01/2004|" + ShareChange + "|50", "01/03/2004|" + Death + "|50"}
            << 2 << true
            << QStringList{"01/09/2003|" + StartSupport + "|100",
                           "01/01/2004|" + ShareChange + "|50", "01/03/2004|" + Death + "|50"}
            << QStringList{};
        QTest::newRow("events after death are reported once")
            << QStringList{"01/01/2004|" + Death + "|", "01/02/2004|" + StartAbsence + "|",
                           "01/03/2004|" + StartSupport + "|"}
            << 2 << true
            << QStringList{"01/01/2004|" + Death + "|100", "01/02/2004|" + StartAbsence + "|100",
                           "01/03/2004|" + StartSupport + "|100"}
            << QStringList{afterDeath};
        QTest::newRow("identical events on one day: the second goes")
            << QStringList{"01/01/2004|" + ShareChange + "|50", "01/01/2004|" + ShareChange + "|"}
            << 1 << true << QStringList{"01/01/2004|" + ShareChange + "|50"}
            << QStringList{"There are two identical events (Change of shared care %) occurring "
                           "on the same day (01/01/2004). One of these events will now be "
                           "deleted."};
    }
    void normalise() {
        TScriptedPrompter prompter;
        QFETCH(QStringList, rows);
        QFETCH(int, edited);
        QFETCH(bool, editable);
        TChangeTable table(Rows(rows), Initial("11121"));
        table.Normalise(edited, editable, "50");
        QTEST(Lines(table.Rows()), "after");
        QTEST(Messages(prompter), "messages");
    }

    void overseasPeriods_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<bool>("firstLongEnough");
        QTest::addColumn<bool>("inOrder");
        QTest::addColumn<bool>("inIncomeYear");
        QTest::addColumn<bool>("apart");
        QTest::newRow("26 weeks counted from 1 July 2000")
            << QStringList{"01/01/2000|31/12/2000", "01/01/2004|01/02/2004"} << true << true << true
            << true;
        QTest::newRow("a day short")
            << QStringList{"01/01/2000|30/12/2000", "01/01/2004|01/02/2004"} << false << true
            << true << true;
        QTest::newRow("a return without a departure")
            << QStringList{"01/01/2000|31/12/2000", "|01/02/2004"} << true << false << false
            << true;
        QTest::newRow("a return before the departure")
            << QStringList{"01/01/2000|31/12/2000", "01/02/2004|01/01/2004"} << true << false
            << true << true;
        QTest::newRow("nothing in the income year")
            << QStringList{"01/01/2000|31/12/2000"} << true << true << false << true;
        QTest::newRow("still away from before the year")
            << QStringList{"01/01/2000|31/12/2000", "01/06/2003|"} << true << true << true << true;
        QTest::newRow("an open row overlaps every later row")
            << QStringList{"01/01/2000|31/12/2000", "01/06/2003|", "01/01/2004|01/02/2004"} << true
            << true << true << false;
    }
    void overseasPeriods() {
        TScriptedPrompter prompter;
        QFETCH(QStringList, rows);
        auto grid = Trips(rows);
        QTEST(FirstPeriodLongEnough(*grid, DayOf(2000, 7, 1), "short"), "firstLongEnough");
        QTEST(PeriodRowsInOrder(*grid), "inOrder");
        QTEST(PeriodInIncomeYear(*grid, "none"), "inIncomeYear");
        QTEST(PeriodsApart(*grid, "Dates for periods overseas cannot overlap."), "apart");
    }

    // The later row is the one reported: seen from the open row, its period lies inside.
    void overlapNamesBothPeriods() {
        TScriptedPrompter prompter;
        auto grid = Trips({"01/06/2003|", "01/01/2004|01/02/2004"});
        QVERIFY(!PeriodsApart(*grid, "Dates for periods overseas cannot overlap."));
        QCOMPARE(Messages(prompter),
                 QStringList{"Dates for periods overseas cannot overlap.\rThe period 01/01/2004 "
                             "to 01/02/2004 overlaps with\rthe period 01/06/2003 to ."});
        QCOMPARE(grid->Row(), 2);
        QCOMPARE(OpenEndedDeparture(*grid), QString("01/06/2003"));
    }
};

QTEST_MAIN(DependantRulesTest)
#include "DependantRulesTest.moc"

// The spouse screen's rules: the display name, the State box's keys and the checks made before
// a spouse may be stored.

#include "claimant/SpouseRules.h"
#include "Dates.h"

#include <QTest>

Q_DECLARE_METATYPE(TSpouseField)

namespace {

// A spouse who passes every check; each case spoils one thing.
TSpouseEntry Complete() {
    TSpouseEntry entry;
    entry.family = "Smith";
    entry.given = "Jo";
    entry.birth = "01/02/1970";
    entry.incomes = {"$1,000", "0", "0", "0", "0", "0"};
    entry.taxFileNumber = "123 456 782";
    entry.ownTaxFileNumber = "865414088";
    entry.female = true;
    return entry;
}

} // namespace

class SpouseRulesTest : public QObject {
    Q_OBJECT

private slots:
    void displayName_data() {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("other");
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("exempt");
        QTest::addColumn<QString>("expected");
        QTest::newRow("number") << "Jo"
                                << "Ann"
                                << "Smith"
                                << "123 456 782" << false << "Jo Ann Smith (123 456 782)";
        QTest::newRow("number wins over exemption") << "Jo"
                                                    << ""
                                                    << "Smith"
                                                    << " 123 " << true << "Jo  Smith (123)";
        QTest::newRow("exemption") << "Jo"
                                   << ""
                                   << "Smith"
                                   << "" << true << "Jo  Smith (TFN Exempt)";
        QTest::newRow("neither keeps the name") << "Jo"
                                                << ""
                                                << "Smith"
                                                << "" << false << "old";
        QTest::newRow("nothing keeps the name") << ""
                                                << ""
                                                << ""
                                                << "  " << true << "old";
        QTest::newRow("number alone") << ""
                                      << ""
                                      << ""
                                      << "123" << false << "   (123)";
    }
    void displayName() {
        QFETCH(QString, given);
        QFETCH(QString, other);
        QFETCH(QString, family);
        QFETCH(QString, number);
        QFETCH(bool, exempt);
        QFETCH(QString, expected);
        QCOMPARE(SpouseDisplayName(given, other, family, number, exempt, "old"), expected);
    }

    void stateKeys_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("expectedStart");
        QTest::addColumn<int>("expectedLength");
        QTest::newRow("a") << "" << 0 << 0 << "a"
                           << "ACT" << 3 << 0;
        QTest::newRow("W") << "QLD" << 3 << 0 << "W"
                           << "WA" << 2 << 0;
        QTest::newRow("q") << "" << 0 << 0 << "q"
                           << "QLD" << 3 << 0;
        QTest::newRow("V") << "" << 0 << 0 << "V"
                           << "VIC" << 3 << 0;
        QTest::newRow("N selects its letter") << "SA" << 2 << 0 << "n"
                                              << "NSW" << 0 << 1;
        QTest::newRow("S after N") << "NSW" << 1 << 0 << "s"
                                   << "NSW" << 3 << 0;
        QTest::newRow("S on a selected N") << "NSW" << 0 << 1 << "S"
                                           << "NSW" << 3 << 0;
        QTest::newRow("S at the end") << "NSW" << 3 << 0 << "S"
                                      << "SA" << 2 << 0;
        QTest::newRow("S elsewhere") << "" << 0 << 0 << "S"
                                     << "SA" << 2 << 0;
        QTest::newRow("T after N") << "NSW" << 1 << 0 << "t"
                                   << "NT" << 1 << 0;
        QTest::newRow("T on a selected N") << "NSW" << 0 << 1 << "T"
                                           << "NT" << 1 << 0;
        QTest::newRow("T further right") << "NSW" << 2 << 0 << "T"
                                         << "TAS" << 3 << 0;
        QTest::newRow("T before N") << "NT" << 0 << 0 << "T"
                                    << "TAS" << 3 << 0;
        QTest::newRow("T empty") << "" << 0 << 0 << "T"
                                 << "TAS" << 3 << 0;
        QTest::newRow("T after another state") << "VIC" << 1 << 0 << "T"
                                               << "TAS" << 3 << 0;
        QTest::newRow("Backspace clears") << "QLD" << 3 << 0 << "\b"
                                          << "" << 0 << 0;
    }
    void stateKeys() {
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        QFETCH(int, expectedStart);
        QFETCH(int, expectedLength);
        const auto next = StateAfterKey({text, start, length}, key.at(0));
        QVERIFY(next);
        QCOMPARE(next->text, expected);
        QCOMPARE(next->selectionStart, expectedStart);
        QCOMPARE(next->selectionLength, expectedLength);
    }

    void otherKeysDoNothing() {
        for (const QChar key : QString("BZ1 -/"))
            QVERIFY2(!StateAfterKey({"NSW", 1, 0}, key), qPrintable(QString(key)));
    }

    void detailsProblem_data() {
        QTest::addColumn<int>("change");
        QTest::addColumn<QString>("message");
        QTest::addColumn<TSpouseField>("focus");
        QTest::addColumn<int>("incomeIndex");
        const QString dob = "Check spouse's date of birth. Date of birth must be before the start "
                            "of the income year.";
        const QString dod = "Check spouse's date of death. If your spouse did not die within this "
                            "income year leave this field blank.";
        const QString incomes = "Please fill in all your spouse's income details (enter \"0\" "
                                "where there was no income or expenditure).";
        using enum TSpouseField;
        QTest::newRow("complete") << 0 << QString() << sfNone << 0;
        QTest::newRow("own number, however written")
            << 1 << "Your spouse's tax file number can not be the same as your tax file number."
            << sfExemption << 0;
        QTest::newRow("no family name")
            << 2 << "Please enter the \"Family Name\" for this spouse." << sfFamily << 0;
        QTest::newRow("no birth (empty mask)")
            << 3 << "Please enter the \"Date of Birth\" for this spouse." << sfBirth << 0;
        QTest::newRow("no sex") << 4 << "Please enter the \"Sex\" of this spouse." << sfNone << 0;
        QTest::newRow("fourth income blank") << 5 << incomes << sfIncome << 3;
        QTest::newRow("number and exemption")
            << 6
            << "There is no need to specify a TFN exemption when you have entered a tax file "
               "number. \rYou should uncheck TFN exemption."
            << sfExemption << 0;
        QTest::newRow("born on the first day of the year") << 7 << dob << sfBirth << 0;
        QTest::newRow("born the day before") << 8 << QString() << sfNone << 0;
        QTest::newRow("died on the last day") << 9 << QString() << sfNone << 0;
        QTest::newRow("died the day after") << 10 << dod << sfDeath << 0;
        QTest::newRow("died the day before the year") << 11 << dod << sfDeath << 0;
        QTest::newRow("exempt without a number") << 12 << QString() << sfNone << 0;
        QTest::newRow("first failure wins")
            << 13 << "Please enter the \"Family Name\" for this spouse." << sfFamily << 0;
        QTest::newRow("neither number nor exemption is not judged here")
            << 14 << QString() << sfNone << 0;
    }
    void detailsProblem() {
        QFETCH(int, change);
        QFETCH(QString, message);
        QFETCH(TSpouseField, focus);
        QFETCH(int, incomeIndex);
        TSpouseEntry entry = Complete();
        switch (change) {
        case 1:
            entry.ownTaxFileNumber = "123456782";
            break;
        case 2:
            entry.family = "  ";
            break;
        case 3:
            entry.birth = "  /  /    ";
            break;
        case 4:
            entry.female = false;
            break;
        case 5:
            entry.incomes[3] = " ";
            break;
        case 6:
            entry.exempt = true;
            break;
        case 7:
            entry.birth = "01/07/2003";
            break;
        case 8:
            entry.birth = "30/06/2003";
            break;
        case 9:
            entry.death = "30/06/2004";
            break;
        case 10:
            entry.death = "01/07/2004";
            break;
        case 11:
            entry.death = "30/06/2003";
            break;
        case 12:
            entry.taxFileNumber.clear();
            entry.exempt = true;
            break;
        case 13:
            entry.family.clear();
            entry.female = false;
            entry.incomes[0].clear();
            break;
        case 14:
            entry.taxFileNumber.clear();
            entry.family.clear();
            break;
        }
        const auto problem = SpouseDetailsProblem(entry, YearStart, YearEnd);
        QCOMPARE(problem ? problem->message : QString(), message);
        if (!problem) return;
        QCOMPARE(int(problem->focus), int(focus));
        if (focus == TSpouseField::sfIncome) QCOMPARE(problem->incomeIndex, incomeIndex);
    }
};

QTEST_MAIN(SpouseRulesTest)
#include "SpouseRulesTest.moc"

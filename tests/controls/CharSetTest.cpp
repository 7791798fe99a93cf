// The syntax of accepted-character sets shared by the edit box and the grid.

#include "CharSet.h"

#include <QTest>

class CharSetTest : public QObject {
    Q_OBJECT

private slots:
    void parse_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("members");
        QTest::newRow("empty") << "" << true << "";
        QTest::newRow("range and single") << "A..C,5" << true << "5ABC";
        QTest::newRow("comma item") << "a,,,b" << true << ",ab";
        QTest::newRow("comma first") << ",,a" << true << ",a";
        QTest::newRow("range from comma") << ",..." << true << ",-.";
        QTest::newRow("trailing separator") << "0..2," << true << "012";
        QTest::newRow("blank and quote") << " ,'" << true << " '";
        QTest::newRow("two characters") << "AB" << false << "";
        QTest::newRow("three characters") << "ABC" << false << "";
        QTest::newRow("unfinished range") << "A.." << false << "";
        QTest::newRow("comma item without separator") << "a,,b" << false << "";
    }
    void parse() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(QString, members);
        const std::optional<TCharSet> set = TCharSet::Parse(text);
        QCOMPARE(set.has_value(), valid);
        if (!set) return;
        QCOMPARE(set->Filter(" ,'-./012345ABCDab"), members);
    }
};

QTEST_MAIN(CharSetTest)
#include "CharSetTest.moc"

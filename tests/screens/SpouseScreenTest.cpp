// The spouse screen's State box as a user types into it: real key events, with the caret moved
// by the arrow keys between them.

#include "claimant/QNVESK_06.h"

#include <QLineEdit>
#include <QTest>

class SpouseScreenTest : public QObject {
    Q_OBJECT

private slots:
    void stateBox_data() {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("expected");
        const int left = Qt::Key_Left, right = Qt::Key_Right, end = Qt::Key_End;
        QTest::newRow("T") << QList<int>{'T'} << "TAS";
        QTest::newRow("N then T on the selected N") << QList<int>{'N', 'T'} << "NT";
        QTest::newRow("N, caret after it, T") << QList<int>{'N', right, 'T'} << "NT";
        QTest::newRow("N, caret at the end, T") << QList<int>{'N', end, 'T'} << "TAS";
        QTest::newRow("N, caret after it, S") << QList<int>{'N', right, 'S'} << "NSW";
        QTest::newRow("N, caret before it, T") << QList<int>{'N', right, left, 'T'} << "TAS";
        QTest::newRow("lower case") << QList<int>{'q'} << "QLD";
        QTest::newRow("other letters change nothing") << QList<int>{'V', 'X', '7'} << "VIC";
        QTest::newRow("Delete changes nothing")
            << QList<int>{'W', Qt::Key_Home, Qt::Key_Delete} << "WA";
        QTest::newRow("Backspace clears") << QList<int>{'A', Qt::Key_Backspace} << "";
    }
    void stateBox() {
        QFETCH(QList<int>, keys);
        QFETCH(QString, expected);
        TQVESK_06 screen;
        auto* state = screen.findChild<QLineEdit*>("TaxEdit5");
        QVERIFY(state);
        screen.show();
        state->setFocus();
        for (int key : keys) {
            if (key >= 'a' && key <= 'z')
                QTest::keyClick(state, char(key));
            else if (key < 128)
                QTest::keyClick(state, Qt::Key(key), Qt::NoModifier);
            else
                QTest::keyClick(state, Qt::Key(key));
        }
        QCOMPARE(state->text(), expected);
    }
};

QTEST_MAIN(SpouseScreenTest)
#include "SpouseScreenTest.moc"

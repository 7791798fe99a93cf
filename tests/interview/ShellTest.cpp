#include <QTest>
class TShellTest : public QObject {
    Q_OBJECT
};
QTEST_MAIN(TShellTest)
#include "ShellTest.moc"

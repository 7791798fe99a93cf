#include <QtTest>
class ReaderDialogsTest : public QObject {
    Q_OBJECT
};
QTEST_MAIN(ReaderDialogsTest)
#include "ReaderDialogsTest.moc"

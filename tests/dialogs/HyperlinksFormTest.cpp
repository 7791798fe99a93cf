#include <QtTest>
class HyperlinksFormTest : public QObject {
    Q_OBJECT
};
QTEST_MAIN(HyperlinksFormTest)
#include "HyperlinksFormTest.moc"

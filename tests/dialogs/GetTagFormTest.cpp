#include <QtTest>
class GetTagFormTest : public QObject {
    Q_OBJECT
};
QTEST_MAIN(GetTagFormTest)
#include "GetTagFormTest.moc"

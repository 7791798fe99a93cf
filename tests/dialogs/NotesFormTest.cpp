#include <QtTest>
class NotesFormTest : public QObject {
    Q_OBJECT
};
QTEST_MAIN(NotesFormTest)
#include "NotesFormTest.moc"

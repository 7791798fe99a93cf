// The notes window against the real field store: field 399 in, edits out, on close and before
// a save.

#include "dialogs/NotesForm.h"

#include "FieldStore.h"
#include "RunState.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

class NotesFormTest : public QObject {
    Q_OBJECT

    QWidget mainWindow;

    static TStringList Notes() {
        const TStringList* lines = GetFieldLst(TagNotes);
        return lines ? *lines : TStringList{};
    }
    static void Close(TNotesForm* form) {
        QTest::mouseClick(form->findChild<QPushButton*>("btnClose"), Qt::LeftButton);
        QTRY_VERIFY(!TNotesForm::Current());
    }

private slots:
    void init() {
        ResetRunState();
        CreateFieldStore();
        mainWindow.resize(800, 600);
    }
    void cleanup() {
        if (TNotesForm* open = TNotesForm::Current()) Close(open);
        FreeFieldStore();
    }

    void showsFieldLinesAndStoresEditsOnClose() {
        SetFieldLst(TagNotes, {"Ring the agency", "Caf\xe9 receipts"});
        SetDataModified(false);
        TNotesForm* form = TNotesForm::Open(&mainWindow);
        QCOMPARE(form->windowTitle(), QString("Your Tax Return Notes"));
        QCOMPARE(form->size(), QSize(600, 350));
        QVERIFY(form->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(form->Memo()->toPlainText(),
                 QString::fromUtf8("Ring the agency\nCaf\u00e9 receipts"));
        QCOMPARE(TNotesForm::Open(&mainWindow), form); // one window, shown again
        QSignalSpy closed(form, &TNotesForm::closed);
        QTest::keyClick(form->Memo(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(form->Memo(), Qt::Key_Return);
        QTest::keyClicks(form->Memo(), "Keep payslips");
        QTest::keyClick(form->Memo(), Qt::Key_Tab); // leaves the memo, as in every edit box
        Close(form);
        QCOMPARE(closed.count(), 1);
        QCOMPARE(Notes(), TStringList({"Ring the agency", "Caf\xe9 receipts", "Keep payslips"}));
        QVERIFY(DataModified());
    }

    void closingUntouchedKeepsFlagButMakesList() {
        SetFieldStr(TagNotes, "not a list");
        SetDataModified(false);
        TNotesForm* form = TNotesForm::Open(&mainWindow);
        QVERIFY(form->Memo()->toPlainText().isEmpty());
        form->close();
        QTRY_VERIFY(!TNotesForm::Current());
        QVERIFY(!DataModified());
        QCOMPARE(GetFieldType(TagNotes), dtList);
        QVERIFY(Notes().empty());
    }

    void emptyListFieldGetsItsList() {
        SetFieldType(TagNotes, dtList);
        QVERIFY(!GetFieldLst(TagNotes));
        TNotesForm::Open(&mainWindow);
        QVERIFY(GetFieldLst(TagNotes));
    }

    void openWindowIsStoredBeforeEverySave() {
        TNotesForm* form = TNotesForm::Open(&mainWindow);
        SetDataModified(false);
        TNotesForm::StoreOpenNotes();
        QVERIFY(!DataModified());
        QTest::keyClicks(form->Memo(), "first");
        TNotesForm::StoreOpenNotes();
        QCOMPARE(Notes(), TStringList({"first"}));
        QVERIFY(DataModified());
        QVERIFY(form->isVisible());
        // The save clears the flag; an untouched memo does not raise it again on close.
        SetDataModified(false);
        Close(form);
        QVERIFY(!DataModified());
        QCOMPARE(Notes(), TStringList({"first"}));
    }
};

QTEST_MAIN(NotesFormTest)
#include "NotesFormTest.moc"

// The two read-only dialogs of the vision aids: column description and key help.

#include "dialogs/TableColumnDescriptionForm.h"
#include "dialogs/ViHelperForm.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

class ReaderDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void cleansColumnTexts_data() {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<QString>("cleaned");
        QTest::newRow("plain") << "Date of birth"
                               << "Date of birth";
        QTest::newRow("breaks and tabs") << "Date\r\nof\tbirth"
                                         << "Date of birth";
        QTest::newRow("runs of blanks") << "  Date   of \x01 birth "
                                        << " Date of birth ";
        QTest::newRow("empty") << ""
                               << "";
    }
    void cleansColumnTexts() {
        QFETCH(QString, raw);
        QFETCH(QString, cleaned);
        QCOMPARE(CleanColumnText(raw), cleaned);
    }

    void describesHeadingAndText() {
        TTableColumnDescriptionForm form("Amount\r\n($)", "Enter the  amount\r\nreceived.");
        QCOMPARE(form.windowTitle(), QString("Table Column Description Dialog"));
        QCOMPARE(form.size(), QSize(472, 333));
        QCOMPARE(form.Memo()->toPlainText(),
                 QString("The heading for this column is \"Amount ($)\".\n"
                         "The following text is associated with this column:\n"
                         "Enter the amount received."));
        QVERIFY(form.Memo()->isReadOnly());
        QCOMPARE(form.Memo()->textCursor().position(), 0);
    }

    void columnWithoutHeadingIsUnknown() {
        TTableColumnDescriptionForm form("", "");
        QCOMPARE(form.Memo()->toPlainText(), QString("The heading for this column is unknown."));
    }

    void escapeInMemoClosesColumnDescription() {
        TTableColumnDescriptionForm form("Name", "");
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::keyClick(form.Memo(), Qt::Key_Escape);
        QVERIFY(!form.isVisible());
        form.show();
        QTest::mouseClick(form.findChild<QPushButton*>("btnClose"), Qt::LeftButton);
        QVERIFY(!form.isVisible());
    }

    void keyHelpListsTheKeys() {
        TviHelperForm form;
        QCOMPARE(form.windowTitle(), QString("Shortcut keys for vision impaired users dialog"));
        QCOMPARE(form.size(), QSize(511, 356));
        const QStringList lines = form.Memo()->toPlainText().split('\n');
        QCOMPARE(lines.size(), 19);
        QCOMPARE(lines[0], QString());
        QCOMPARE(lines[1], QString("You can use the F9 key at any time to display this dialogue."));
        QCOMPARE(lines[12], QString("Alt-H to display a list of links on the current screen."));
        QCOMPARE(lines[17], QString("Alt-S to select the Search tab. "));
        QCOMPARE(lines[18], QString("Alt-C to select the Contents tab."));
        QVERIFY(form.Memo()->isReadOnly());
        QCOMPARE(form.Memo()->textCursor().position(), 0);
    }

    void keyHelpEscapeWithoutModifiersCloses() {
        TviHelperForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::keyClick(form.Memo(), Qt::Key_Escape, Qt::ShiftModifier);
        QVERIFY(form.isVisible());
        QTest::keyClick(form.Memo(), Qt::Key_Escape);
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(ReaderDialogsTest)
#include "ReaderDialogsTest.moc"

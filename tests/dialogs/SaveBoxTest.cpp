// The save box against a real temporary folder: name rules, key filter, listing, overwrite.

#include "dialogs/SaveBox.h"
#include "ScriptedPrompter.h"
#include "dialogs/SaveName.h"

#include "Beep.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class SaveBoxTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    QString startDir;
    TScriptedPrompter prompter;
    std::unique_ptr<TPrompterScope> scope;

    static void Touch(const QString& path) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    template <class T>
    static T* Child(QWidget* box, const char* name) {
        T* child = box->findChild<T*>(name);
        if (!child) qFatal("no child %s", name);
        return child;
    }
    static QStringList Lines(QListWidget* list) {
        QStringList lines;
        for (int i = 0; i < list->count(); ++i)
            lines << list->item(i)->text();
        return lines;
    }
    // Replaces the name by typing it, then presses Save.
    static void TypeAndSave(QWidget* box, const QString& name) {
        auto* edit = Child<QLineEdit>(box, "edtFName");
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, name);
        QTest::mouseClick(Child<QPushButton>(box, "btnSave"), Qt::LeftButton);
    }

private slots:
    void initTestCase() {
        QVERIFY(folder.isValid());
        Touch(folder.filePath("first.TAX"));
        Touch(folder.filePath("second.tax"));
        Touch(folder.filePath("notes.txt"));
        QVERIFY(QDir(folder.path()).mkdir("Returns"));
        startDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(folder.path()));
        scope = std::make_unique<TPrompterScope>(prompter);
    }
    void cleanupTestCase() { QDir::setCurrent(startDir); }
    void init() { prompter.boxes.clear(); }

    void checksNames_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("check");
        QTest::addColumn<QString>("name");
        const int valid = int(TSaveNameCheck::Valid);
        const int badExtension = int(TSaveNameCheck::BadExtension);
        const int invalid = int(TSaveNameCheck::Invalid);
        QTest::newRow("no extension") << "  mine  " << valid << "mine.tax";
        QTest::newRow("final dot") << "mine." << valid << "mine.tax";
        QTest::newRow("any case") << "Mine.TaX" << valid << "Mine.TaX";
        QTest::newRow("other extension") << "mine.txt" << badExtension << "";
        QTest::newRow("extension alone") << ".tax" << badExtension << "";
        QTest::newRow("leading dot") << ".mine" << badExtension << "";
        QTest::newRow("dot only") << "." << invalid << ".tax";
        QTest::newRow("empty") << "" << invalid << ".tax";
        QTest::newRow("blank tilde dash") << "my ret~2-a" << valid << "my ret~2-a.tax";
        QTest::newRow("slash") << "../up" << badExtension << "";
        QTest::newRow("slash no dot") << "dir/up" << invalid << "dir/up.tax";
        QTest::newRow("non-ascii")
            << QString::fromUtf8("caf\u00e9") << invalid << QString::fromUtf8("caf\u00e9.tax");
    }
    void checksNames() {
        QFETCH(QString, typed);
        QFETCH(int, check);
        QFETCH(QString, name);
        const TCheckedSaveName checked = CheckSaveName(typed);
        QCOMPARE(int(checked.check), check);
        QCOMPARE(checked.name, name);
    }

    void buildsUpperCaseNameInFoldersOwnCase() {
        QCOMPARE(SaveNameFullPath(folder.path(), "mine.tax"), folder.filePath("MINE.TAX"));
        // A file that is there under another case keeps its name.
        QCOMPARE(SaveNameFullPath(folder.path(), "SECOND.tax"), folder.filePath("second.tax"));
    }

    void opensOnCurrentFolderWithTaxFilesOnly() {
        TfrmSaveBox box("start.tax");
        QCOMPARE(box.windowTitle(), QString("Save File"));
        box.show();
        QCOMPARE(box.width(), 485);
        QCOMPARE(Child<QLabel>(&box, "lblCurrentDir")->text(), QDir(folder.path()).absolutePath());
        QCOMPARE(Lines(Child<QListWidget>(&box, "lstFiles")),
                 QStringList({"first.TAX", "second.tax"}));
        QCOMPARE(Lines(Child<QListWidget>(&box, "lstDirectories")), QStringList({"..", "Returns"}));
        QCOMPARE(Child<QLineEdit>(&box, "edtFName")->text(), QString("start.tax"));
        auto* drives = Child<QComboBox>(&box, "cmbDrive");
        QVERIFY(drives->count() > 0);
        QVERIFY(folder.path().startsWith(drives->currentText()));
    }

    void keyFilterRefusesAndBeeps() {
        int beeps = 0;
        SetBeepObserver([&] { ++beeps; });
        TfrmSaveBox box("");
        box.show();
        auto* edit = Child<QLineEdit>(&box, "edtFName");
        QTest::keyClicks(edit, "my re/t.x.ta*x~");
        SetBeepObserver(nullptr);
        QCOMPARE(edit->text(), QString("myret.xtax"));
        QCOMPARE(beeps, 5);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QString("myret.xta"));
        // The one dot may be typed again over a selection that holds it.
        edit->setSelection(5, 2);
        QTest::keyClicks(edit, ".");
        QCOMPARE(edit->text(), QString("myret.ta"));
    }

    void savesNewNameAsUpperCasePath() {
        TfrmSaveBox box("");
        box.show();
        TypeAndSave(&box, "Family");
        QCOMPARE(box.result(), int(QDialog::Accepted));
        QCOMPARE(box.FullPath(), folder.filePath("FAMILY.TAX"));
        QVERIFY(prompter.boxes.empty());
    }

    void refusesBadNamesWithWarnings() {
        TfrmSaveBox box("");
        box.show();
        TypeAndSave(&box, "mine.txt");
        box.findChild<QLineEdit*>("edtFName")->setText(".tax");
        QTest::mouseClick(Child<QPushButton>(&box, "btnSave"), Qt::LeftButton);
        box.findChild<QLineEdit*>("edtFName")->setText("a/b");
        QTest::mouseClick(Child<QPushButton>(&box, "btnSave"), Qt::LeftButton);
        QCOMPARE(prompter.Texts(),
                 std::vector<std::string>({"File extension must be .TAX",
                                           "File extension must be .TAX", "Invalid filename"}));
        for (const TShownBox& shown : prompter.boxes) {
            QCOMPARE(shown.kind, mkWarning);
            QCOMPARE(shown.buttons, TMsgButtons(mbOK));
        }
        QVERIFY(box.isVisible());
        QVERIFY(box.FullPath().isEmpty());
    }

    void asksBeforeOverwriting() {
        TfrmSaveBox box("");
        box.show();
        prompter.Answer(mrNo);
        TypeAndSave(&box, "first");
        QVERIFY(box.isVisible());
        QCOMPARE(prompter.Texts(), std::vector<std::string>({"File exists - Overwrite?"}));
        QCOMPARE(prompter.boxes[0].buttons, TMsgButtons(mbYes | mbNo));
        prompter.Answer(mrYes);
        QTest::mouseClick(Child<QPushButton>(&box, "btnSave"), Qt::LeftButton);
        QCOMPARE(box.result(), int(QDialog::Accepted));
        QCOMPARE(box.FullPath(), folder.filePath("first.TAX"));
    }

    void fileListFillsNameAndDoubleClickSaves() {
        TfrmSaveBox box("");
        box.show();
        auto* files = Child<QListWidget>(&box, "lstFiles");
        const QRect second = files->visualItemRect(files->item(1));
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, second.center());
        QCOMPARE(Child<QLineEdit>(&box, "edtFName")->text(), QString("second.tax"));
        prompter.Answer(mrYes);
        QTest::mouseDClick(files->viewport(), Qt::LeftButton, {}, second.center());
        QCOMPARE(prompter.Texts(), std::vector<std::string>({"File exists - Overwrite?"}));
        QCOMPARE(box.result(), int(QDialog::Accepted));
        QCOMPARE(box.FullPath(), folder.filePath("second.tax"));
    }

    void changesFolderByDirectoryList() {
        Touch(folder.filePath("Returns/inner.tax"));
        TfrmSaveBox box("");
        box.show();
        auto* dirs = Child<QListWidget>(&box, "lstDirectories");
        dirs->setFocus();
        dirs->setCurrentRow(1);
        QTest::keyClick(dirs, Qt::Key_Return);
        QCOMPARE(box.Directory(), folder.filePath("Returns"));
        QCOMPARE(Child<QLabel>(&box, "lblCurrentDir")->text(), folder.filePath("Returns"));
        QCOMPARE(Lines(Child<QListWidget>(&box, "lstFiles")), QStringList({"inner.tax"}));
        TypeAndSave(&box, "deep");
        QCOMPARE(box.FullPath(), folder.filePath("Returns/DEEP.TAX"));
    }

    void unreadableFolderKeepsListing() {
        QVERIFY(QDir(folder.path()).mkdir("Gone"));
        TfrmSaveBox box("");
        box.show();
        QVERIFY(QDir(folder.path()).rmdir("Gone"));
        auto* dirs = Child<QListWidget>(&box, "lstDirectories");
        const QStringList before = Lines(dirs);
        const int gone = before.indexOf("Gone");
        QVERIFY(gone > 0);
        const QPoint line = dirs->visualItemRect(dirs->item(gone)).center();
        QTest::mouseClick(dirs->viewport(), Qt::LeftButton, {}, line);
        QTest::mouseDClick(dirs->viewport(), Qt::LeftButton, {}, line);
        QCOMPARE(prompter.Texts(), std::vector<std::string>({"Unable to read from drive"}));
        QCOMPARE(box.Directory(), QDir(folder.path()).absolutePath());
        QCOMPARE(Lines(dirs), before);
        QCOMPARE(Lines(Child<QListWidget>(&box, "lstFiles")),
                 QStringList({"first.TAX", "second.tax"}));
    }

    void cancelChoosesNothing() {
        QString path = "unchanged";
        QTimer::singleShot(0, [] {
            auto* box = qobject_cast<TfrmSaveBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            QTest::mouseClick(box->findChild<QPushButton*>("btnCancel"), Qt::LeftButton);
        });
        QVERIFY(!TfrmSaveBox::Execute("x", nullptr, path));
        QCOMPARE(path, QString("unchanged"));
    }
};

QTEST_MAIN(SaveBoxTest)
#include "SaveBoxTest.moc"

// The dialogs opened the way a user opens them, inside a running module started through its
// exports (with the support tools and the vision aids on): the Save button with the save box,
// the Notes button, the Tags button, F8 in a table, Alt+H and F9.

#include "ChildForm.h"
#include "DataFile.h"
#include "FieldStore.h"
#include "FixtureScreens.h"
#include "Frame.h"
#include "MainForm.h"
#include "ModuleRun.h"
#include "RunState.h"
#include "ScreenRegistry.h"
#include "ScriptedPrompter.h"
#include "TextLbl.h"
#include "XGrid.h"
#include "dialogs/GetTagForm.h"
#include "dialogs/NotesForm.h"
#include "dialogs/SaveBox.h"
#include "vesk2004.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <functional>

namespace {

std::string Pascal(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    return std::string(1, char(bytes.size())) + bytes.toStdString();
}

const unsigned char* Bytes(const std::string& text) {
    return reinterpret_cast<const unsigned char*>(text.data());
}

// A screen with an attention text holding a help jump and a web link, and a table.
class TLinksScreen : public TChildForm {
public:
    TLinksScreen() {
        auto* layout = new QVBoxLayout(this);
        auto* label = new TTextLbl;
        label->setObjectName("TextLbl1");
        label->setKind(TTextLbl::tlkAttention);
        label->setText({"Read <J4321>who counts<.> or <Hhttp://example.org/vesk>the web page<.>."});
        label->setMinimumSize(500, 40);
        layout->addWidget(label);
        auto* grid = new TXGrid;
        grid->setObjectName("XGrid1");
        grid->setColCount(2);
        grid->setDisplay({"Name|0|0|30|0|F|F|||||||0|0|F|F|",
                          "  Date of\r\nbirth |0|0|30|0|F|F|||||||0|0|F|F|"});
        grid->setRowCount(3);
        layout->addWidget(grid);
    }
};
constexpr int LinksScreenId = 7811;

// The URLs the shell was asked to open.
class TUrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void Open(const QUrl& url) { opened << url; }
};

// Runs `act` on the next modal dialog once `trigger` opened it.
void OnModal(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        act(modal);
    });
}

} // namespace

class DialogWiringTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    QString hostPath;
    std::unique_ptr<QWidget> host;
    std::unique_ptr<TScriptedPrompter> prompter;

    void Run(int screen) {
        const std::string file = Pascal(hostPath), key = Pascal("12345678"), none = Pascal("");
        prompter = std::make_unique<TScriptedPrompter>();
        SetPrompter(prompter.get());
        RunVeskModule(host->winId(), host->winId(), Bytes(file), Bytes(key), Bytes(none), screen,
                      10, 10, 800, 600, 0, 0);
        QCoreApplication::processEvents();
        MainForm()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(MainForm()));
    }
    QToolButton* ToolButton(QWidget* parent, const char* name) {
        auto* button = parent->findChild<QToolButton*>(name);
        if (!button) qFatal("no button %s", name);
        return button;
    }

private slots:
    void initTestCase() {
        QVERIFY(folder.isValid());
        QDir::setCurrent(folder.path());
        RegisterFixtureScreens();
        RegisterTestScreen(LinksScreenId, [] { return new TLinksScreen; });
    }
    void init() {
        host = std::make_unique<QWidget>();
        host->winId();
        hostPath = folder.filePath(QString("HOST-%1.TAX").arg(QTest::currentTestFunction()));
    }
    void cleanup() {
        FreeDLLResources();
        SetPrompter(nullptr);
        prompter.reset();
        host.reset();
    }

    void saveButtonSavesUnderChosenNameThenHostPath() {
        Run(7860); // no screen on display
        SetFieldStr(TagFixtureText, "kept");
        QString offered;
        OnModal([&](QWidget* modal) {
            auto* box = qobject_cast<TfrmSaveBox*>(modal);
            QVERIFY(box);
            auto* edit = box->findChild<QLineEdit*>("edtFName");
            offered = edit->text();
            edit->selectAll();
            QTest::keyClicks(edit, "family");
            QTest::mouseClick(box->findChild<QPushButton*>("btnSave"), Qt::LeftButton);
        });
        QTest::mouseClick(ToolButton(MainForm(), "SaveBtn"), Qt::LeftButton);
        const QString chosen = folder.filePath("FAMILY.TAX");
        QCOMPARE(offered, QFileInfo(hostPath).fileName());
        QCOMPARE(QString::fromStdString(RunState().CurrentFileName), chosen);
        QCOMPARE(MainForm()->windowTitle(), "Quellet 2004 - " + chosen);
        QVERIFY(!RunState().DataModified);
        QVERIFY(QFile::exists(chosen));
        QVERIFY(!QFile::exists(hostPath));
        QCOMPARE(int(FreeDLLResources()), 1);
        QVERIFY(QFile::exists(hostPath)); // the host's own file is still written at the end
    }

    void cancelledSaveWritesNothing() {
        Run(7860);
        OnModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
        QTest::mouseClick(ToolButton(MainForm(), "SaveBtn"), Qt::LeftButton);
        QCOMPARE(QString::fromStdString(RunState().CurrentFileName), hostPath);
        QVERIFY(!QFile::exists(hostPath));
    }

    void notesButtonKeepsNotesInTheSavedReturn() {
        Run(FixtureIntroId);
        QToolButton* notesButton = ToolButton(MainForm(), "NotesBtn");
        QTest::mouseClick(notesButton, Qt::LeftButton);
        TNotesForm* notes = TNotesForm::Current();
        QVERIFY(notes);
        QVERIFY(notesButton->isChecked());
        QCOMPARE(notesButton->property("Tag").toInt(), 1);
        QTest::keyClicks(notes->Memo(), "Call the agency");
        QTest::mouseClick(notesButton, Qt::LeftButton);
        QCOMPARE(TNotesForm::Current(), notes); // the same window, shown again
        QVERIFY(notesButton->isChecked());
        // Still open when the host frees the module: the notes go into the saved file.
        QCOMPARE(int(FreeDLLResources()), 1);
        QTRY_VERIFY(!TNotesForm::Current());
        QVERIFY(!notesButton->isChecked());
        Run(7860);
        QVERIFY(GetFieldLst(TagNotes));
        QCOMPARE(*GetFieldLst(TagNotes), TStringList({"Call the agency"}));
    }

    void automaticSaveTakesNotesTypedInTheOpenWindow() {
        Run(7860);
        QCOMPARE(int(FreeDLLResources()), 1); // the host's file exists from here on
        Run(7860);
        QVERIFY(!RunState().DataModified);
        QTest::mouseClick(ToolButton(MainForm(), "NotesBtn"), Qt::LeftButton);
        QTest::keyClicks(TNotesForm::Current()->Memo(), "Bring the receipts");
        for (int tick = 1; tick <= 5; ++tick)
            MainForm()->AutoSaveTick();
        QVERIFY(!RunState().DataModified); // saved, with the window still open
        QVERIFY(TNotesForm::Current());
        // What the automatic save wrote, read back apart from the save at the end.
        const QString snapshot = folder.filePath("SNAPSHOT.TAX");
        QVERIFY(QFile::copy(hostPath, snapshot));
        QCOMPARE(int(FreeDLLResources()), 1);
        hostPath = snapshot;
        Run(7860);
        QVERIFY(GetFieldLst(TagNotes));
        QCOMPARE(*GetFieldLst(TagNotes), TStringList({"Bring the receipts"}));
    }

    void tagsButtonOpensOneInspectorOnTheStore() {
        Run(FixtureIntroId);
        SetFieldStr(TagFixtureText, "Hello");
        QToolButton* tags = ToolButton(FrameWnd(), "Tags");
        QVERIFY(tags->isVisible());
        QTest::mouseClick(tags, Qt::LeftButton);
        QTest::mouseClick(tags, Qt::LeftButton);
        const auto inspectors = FrameWnd()->findChildren<TfrmGetTag*>();
        QCOMPARE(inspectors.size(), 1);
        TfrmGetTag* inspector = inspectors.front();
        QVERIFY(inspector->isVisible());
        QTest::keyClicks(inspector->findChild<QLineEdit*>("edtTag"),
                         QString::number(TagFixtureText));
        QTest::mouseClick(inspector->findChild<QPushButton*>("btnGet"), Qt::LeftButton);
        QCOMPARE(inspector->findChild<QLineEdit*>("edtValue")->text(), QString("Hello"));
    }

    void f9ShowsKeyHelp() {
        Run(FixtureIntroId);
        QString title;
        OnModal([&](QWidget* modal) {
            title = modal->windowTitle();
            QTest::keyClick(modal->findChild<QPlainTextEdit*>(), Qt::Key_Escape);
        });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F9);
        QCOMPARE(title, QString("Shortcut keys for vision impaired users dialog"));
    }

    void altHListsLinksAndFollowsTheChoice() {
        TUrlCatcher catcher;
        QDesktopServices::setUrlHandler("http", &catcher, "Open");
        RunState().CurrentSection = 78;
        RunState().CurrentItem = 11;
        Run(LinksScreenId);
        QCOMPARE(FrameWnd()->ScreenId(), LinksScreenId);
        FrameWnd()->Screen()->grab(); // labels register their links while drawing
        QStringList lines;
        OnModal([&](QWidget* modal) {
            auto* list = modal->findChild<QListWidget*>("hyperlinksListBox");
            for (int i = 0; i < list->count(); ++i)
                lines << list->item(i)->text();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->item(1)).center());
            QTest::mouseClick(modal->findChild<QPushButton*>("btnOK"), Qt::LeftButton);
        });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_H, Qt::AltModifier);
        QDesktopServices::unsetUrlHandler("http");
        QCOMPARE(lines, QStringList({"who counts", "the web page"}));
        QCOMPARE(catcher.opened, QList<QUrl>({QUrl("http://example.org/vesk")}));
    }

    void f8InTableDescribesTheColumn() {
        Run(LinksScreenId);
        auto* grid = FrameWnd()->Screen()->findChild<TXGrid*>("XGrid1");
        grid->setFocus();
        grid->setCurrentCell(0, 1);
        QString text;
        OnModal([&](QWidget* modal) {
            text = modal->findChild<QPlainTextEdit*>("columnMemo")->toPlainText();
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        QTest::keyClick(grid, Qt::Key_F8);
        // The description is the screen's attention text, as the label lays it out.
        QVERIFY2(text.startsWith("The heading for this column is \"Date of birth\".\n"
                                 "The following text is associated with this column:\n"
                                 "Read who counts or the web page"),
                 qPrintable(text));
    }
};

// The module reads its modes from the process's arguments, as from the host's command line.
int main(int argc, char** argv) {
    std::vector<char*> arguments(argv, argv + argc);
    char support[] = "SVCTOOLS", vision[] = "/V";
    std::vector<char*> withModes = {argv[0], support, vision};
    int count = int(withModes.size());
    QApplication app(count, withModes.data());
    DialogWiringTest test;
    return QTest::qExec(&test, int(arguments.size()), arguments.data());
}

#include "DialogWiringTest.moc"

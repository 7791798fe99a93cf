// The checks and text helpers that the question screens share.

#include "../support/ScriptedPrompter.h"

#include "Dates.h"
#include "FieldStore.h"
#include "Lookups.h"
#include "MessageBox.h"
#include "RunState.h"
#include "ScreenHelpers.h"
#include "TaxEdit.h"
#include "TextLbl.h"
#include "XGrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {

const QString Status = "Status|2|0|30|0|F|F|0|";
const QString From = "Start\rDate|2|2|10||F|F||-1|0|";
const QString To = "End\rDate|2|2|10||F|F||-1|0|";
const QString Share = "Share|2|1|3|0|F|F|0|F|0|100||-1|0|F|";

const QString OrderMessage =
    "You have at least one instance where dates on a table in this screen are in an incorrect "
    "order (i.e. from or start date is later than to or end date) please edit the table to "
    "correct this error before moving on.";

QString RequiredMessage(const QString& title) {
    return "At least one instance of required field \"" + title +
           "\" is blank. Please fill in this field before moving on.";
}

QString CoverageMessage(const QString& day) {
    return "Information regarding the whole period from 01/07/2003 to 30/06/2004 has not been "
           "entered.\r\n\r\nAt least one date " +
           day + " is missing. Please check this table covers the whole period before moving on.";
}

QString OverlapMessage(const QString& day) {
    return "You have at least one overlapping date in a table on this screen (" + day +
           ") please edit the table so there are no overlapping dates before moving on. Note date "
           "periods are inclusive of the from and to dates.";
}

// A period table: status, from, to, share; rows given as "status|from|to|share".
std::unique_ptr<TXGrid> Table(const QStringList& rows) {
    auto grid = std::make_unique<TXGrid>();
    grid->setDisplay({Status, From, To, Share});
    grid->setRowCount(int(rows.size()) + 2);
    for (int row = 0; row < rows.size(); ++row) {
        const QStringList cells = rows[row].split('|');
        for (int col = 0; col < cells.size(); ++col)
            grid->SetCells(col, row + 1, cells[col]);
    }
    return grid;
}

QStringList Messages(const TScriptedPrompter& prompter) {
    QStringList texts;
    for (const std::string& text : prompter.Texts())
        texts << QString::fromStdString(text);
    return texts;
}

} // namespace

class ScreenHelpersTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        CreateFieldStore();
        ResetRunState();
    }
    void cleanup() { FreeFieldStore(); }

    void tableChecks_data() {
        QTest::addColumn<QString>("check");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("optional");
        QTest::addColumn<bool>("passes");
        QTest::addColumn<QStringList>("messages");
        const QString year1 = "Single|01/07/2003|31/12/2003|";
        const QString year2 = "Single|01/01/2004|30/06/2004|";

        QTest::newRow("required: empty table")
            << "required" << QStringList{} << "" << true << QStringList{};
        QTest::newRow("required: blank row ignored")
            << "required" << QStringList{"|||"} << "" << true << QStringList{};
        QTest::newRow("required: first column missing")
            << "required" << QStringList{"|01/07/2003|30/06/2004|50"} << "" << false
            << QStringList{RequiredMessage("Status")};
        QTest::newRow("required: title with its line break")
            << "required" << QStringList{"Single||30/06/2004|50"} << "" << false
            << QStringList{RequiredMessage("Start\rDate")};
        QTest::newRow("required: optional column")
            << "required" << QStringList{year1, year2} << "3" << true << QStringList{};
        QTest::newRow("required: every failing row speaks")
            << "required" << QStringList{year1, "|x||", year2} << "3,2" << false
            << QStringList{RequiredMessage("Status")};
        QTest::newRow("required: two failing rows")
            << "required" << QStringList{year1, year2} << "" << false
            << QStringList{RequiredMessage("Share"), RequiredMessage("Share")};

        QTest::newRow("order: fine")
            << "order" << QStringList{year1, year2} << "" << true << QStringList{};
        QTest::newRow("order: reversed") << "order" << QStringList{"Single|31/12/2003|01/07/2003|"}
                                         << "" << false << QStringList{OrderMessage};
        QTest::newRow("order: same day")
            << "order" << QStringList{"x|01/07/2003|01/07/2003|"} << "" << true << QStringList{};

        QTest::newRow("cover: two halves")
            << "cover" << QStringList{year2, year1} << "" << true << QStringList{};
        QTest::newRow("cover: last day missing")
            << "cover" << QStringList{"x|01/07/2003|29/06/2004|"} << "" << false
            << QStringList{CoverageMessage("30/06/2004")};
        QTest::newRow("cover: gap") << "cover" << QStringList{"x|01/07/2003|30/12/2003|", year2}
                                    << "" << false << QStringList{CoverageMessage("31/12/2003")};
        QTest::newRow("cover: reversed row covers nothing")
            << "cover" << QStringList{"x|30/06/2004|01/07/2003|"} << "" << false
            << QStringList{CoverageMessage("01/07/2003")};
        QTest::newRow("cover: half-filled row ignored")
            << "cover" << QStringList{"x|01/07/2003||"} << "" << false
            << QStringList{CoverageMessage("01/07/2003")};

        QTest::newRow("overlap: touching")
            << "overlap" << QStringList{year1, year2} << "" << true << QStringList{};
        QTest::newRow("overlap: shared day")
            << "overlap" << QStringList{year1, "x|31/12/2003|30/06/2004|"} << "" << false
            << QStringList{OverlapMessage("31/12/2003")};
        QTest::newRow("overlap: inside")
            << "overlap" << QStringList{"x|01/07/2003|30/06/2004|", "y|01/09/2003|01/10/2003|"}
            << "" << false << QStringList{OverlapMessage("01/09/2003")};

        QTest::newRow("all: gap and overlap")
            << "all"
            << QStringList{"a|01/07/2003|30/09/2003|1", "b|01/09/2003|30/11/2003|1",
                           "c|01/01/2004|30/06/2004|1"}
            << "" << false
            << QStringList{CoverageMessage("01/12/2003"), OverlapMessage("30/09/2003")};
        QTest::newRow("all: complete")
            << "all" << QStringList{year1, year2} << "3" << true << QStringList{};
    }
    void tableChecks() {
        QFETCH(QString, check);
        QFETCH(QStringList, rows);
        QFETCH(QString, optional);
        QFETCH(bool, passes);
        QFETCH(QStringList, messages);
        TScriptedPrompter prompter;
        const auto grid = Table(rows);
        bool result = false;
        if (check == "required") result = RequiredColumns(*grid, optional, true);
        if (check == "order") result = DateOrder(*grid, 1, 2, true);
        if (check == "cover") result = WholePeriodCovered(*grid, 1, 2, true, YearStart, YearEnd);
        if (check == "overlap") result = NoOverlaps(*grid, 1, 2, true);
        if (check == "all")
            result = AllTableChecks(*grid, 1, 2, true, optional, YearStart, YearEnd);
        QCOMPARE(result, passes);
        QCOMPARE(Messages(prompter), messages);
        for (const auto& box : prompter.boxes) {
            QCOMPARE(box.kind, mkError);
            QCOMPARE(box.buttons, TMsgButtons(mbOK));
        }
        QStringList stored;
        grid->StoreToList(stored);
        QCOMPARE(stored.size(), rows.filter(QRegularExpression("[^|]")).size() * 4);
    }

    void silentChecksAndPeriodOrder() {
        TScriptedPrompter prompter;
        const auto grid = Table({"x|01/07/2003|29/06/2004|"});
        QVERIFY(!WholePeriodCovered(*grid, 1, 2, false, YearStart, YearEnd));
        QVERIFY(!WholePeriodCovered(*grid, 1, 2, true, YearEnd, YearStart));
        QVERIFY(prompter.boxes.empty());
    }

    void gridContents() {
        const auto empty = Table({"  |||"});
        QVERIFY(GridHasData(*empty));
        QVERIFY(GridEmpty(*empty));
        QVERIFY(PairIncomplete(*empty)); // filled means not empty, blanks included
        const auto half = Table({"Single|||", "a|b||"});
        QVERIFY(!GridEmpty(*half));
        QVERIFY(PairIncomplete(*half));
        QVERIFY(!GridHasData(*Table({})));
    }

    void markers() {
        SetFieldStr(710, "Ann");
        PackWorksheetInstance(22, 1);
        SetFieldStr(710, "Ben");
        PackWorksheetInstance(19, 1);
        SetCurrentDependant(0);
        SetCurrentSpouse(0);
        QCOMPARE(SubstituteDependantName({"Is DName at school?", "DName and dname"}),
                 QStringList({"Is Ann at school?", "DName and dname"}));
        QCOMPARE(SubstituteSpouseWording({"SName HAVEHAS left; SName wasWere", "HaveHas"}),
                 QStringList({"Ben has left; SName was", "has"}));
        QCOMPARE(SubstituteYouWording({"sname HaveHas, SName WASWERE"}),
                 QStringList({"You have, You were"}));
        TTextLbl label;
        label.setText({"Does DName live with SName?"});
        SubstituteDependantName(&label);
        SubstituteSpouseWording(&label);
        QCOMPARE(label.text(), QStringList({"Does Ann live with Ben?"}));
        SetCurrentDependant(5);
        QCOMPARE(SubstituteDependantName({"for DName"}), QStringList({"for "}));
    }

    void boxes() {
        TScriptedPrompter prompter;
        QString caption;
        bool questionIcon = false;
        struct TStyleSpy : TPrompter {
            TScriptedPrompter& inner;
            QString& caption;
            bool& question;
            TStyleSpy(TScriptedPrompter& p, QString& c, bool& q)
                : inner(p), caption(c), question(q) {}
            int ShowMessageBox(const std::string& text, TMsgKind kind, TMsgButtons buttons,
                               TMsgButton defaultButton) override {
                caption = TMessageBoxStyle::Caption();
                question = TMessageBoxStyle::QuestionIcon();
                return inner.ShowMessageBox(text, kind, buttons, defaultButton);
            }
        } spy(prompter, caption, questionIcon);
        SetPrompter(&spy);

        prompter.answers = {mrYes};
        QVERIFY(WarningYesNo("Delete?", "Deleting"));
        QCOMPARE(caption, "Deleting");
        QVERIFY(!questionIcon);
        QCOMPARE(prompter.boxes.back().kind, mkWarning);
        QCOMPARE(prompter.boxes.back().buttons, TMsgButtons(mbYes | mbNo));
        QCOMPARE(prompter.boxes.back().defaultButton, mbNo);
        QVERIFY(!WarningYesNo("Delete?", "Deleting")); // nobody answers: No

        QVERIFY(QuestionYesNo("Go on?"));
        QCOMPARE(caption, "Question");
        QVERIFY(questionIcon);
        QCOMPARE(prompter.boxes.back().defaultButton, mbYes);

        ShowError("Bad");
        QCOMPARE(prompter.boxes.back().kind, mkError);
        QVERIFY(!questionIcon);
        QCOMPARE(caption, QGuiApplication::applicationDisplayName());
        ShowInformation("Note");
        QCOMPARE(prompter.boxes.back().kind, mkInformation);
        QCOMPARE(prompter.boxes.back().buttons, TMsgButtons(mbOK));
        SetPrompter(&prompter);
    }

    void deleteWithConfirmation() {
        TScriptedPrompter prompter;
        QVERIFY(DeleteWithConfirmation({1268, 1269}, "Delete XXX", "Ann", true, "Remove xxx?"));
        QVERIFY(prompter.boxes.empty());

        SetFieldStr(1269, "x");
        prompter.answers = {mrNo};
        QVERIFY(!DeleteWithConfirmation({1268, 1269}, "Delete XXX", "Ann", true, "Remove xxx?"));
        QCOMPARE(QString::fromStdString(prompter.boxes.back().text), "Remove Ann?");
        QVERIFY(!FieldEmpty(1269));
        prompter.answers = {mrYes};
        QVERIFY(DeleteWithConfirmation({1268, 1269}, "Delete", "Ann", false, "Remove XXX?"));
        QCOMPARE(QString::fromStdString(prompter.boxes.back().text), "Remove XXX?");
        QVERIFY(FieldEmpty(1269));
    }

    void screenHasData() {
        TScriptedPrompter prompter;
        QWidget screen;
        auto* edit = new TTaxEdit(&screen);
        auto* box = new QCheckBox(&screen);
        auto* combo = new QComboBox(&screen);
        auto* grid = new TXGrid(&screen);
        combo->addItems({"", "Yes"});
        QVERIFY(!ScreenHasData(&screen));
        edit->setText("  /  /  ");
        edit->setTag(1104);
        QVERIFY(!ScreenHasData(&screen));
        edit->setText("()");
        QVERIFY(!ScreenHasData(&screen));
        edit->setText("5");
        QVERIFY(ScreenHasData(&screen));
        edit->setTag(0); // unbound controls do not count
        QVERIFY(!ScreenHasData(&screen));
        box->setProperty("Tag", 1268);
        box->setChecked(true);
        QVERIFY(ScreenHasData(&screen));
        box->setChecked(false);
        combo->setProperty("Tag", 715);
        combo->setCurrentIndex(1);
        QVERIFY(ScreenHasData(&screen));
        combo->setCurrentIndex(0);
        grid->setTag(1266);
        grid->SetCells(0, 2, " ");
        QVERIFY(!ScreenHasData(&screen));
        grid->SetCells(0, 3, "x");
        QVERIFY(ScreenHasData(&screen));
        QVERIFY(prompter.boxes.empty());

        QObject notAScreen;
        QVERIFY(!ScreenHasData(&notAScreen));
        QCOMPARE(QString::fromStdString(prompter.boxes.back().text),
                 "Object not a form function screen has data");
        QCOMPARE(prompter.boxes.back().kind, mkPlain);
    }

    void controlChecks() {
        TScriptedPrompter prompter;
        QWidget screen;
        auto* date = new TTaxEdit(&screen);
        date->setNumericType(TTaxEdit::ntDate);
        auto* yes = new QRadioButton(&screen);
        auto* no = new QRadioButton(&screen);
        auto* combo = new QComboBox(&screen);
        combo->addItems({"Single", "Married"});
        combo->setCurrentIndex(-1);

        date->setText("  /  /    ");
        RequireDate(date, "Enter the date", false);
        QVERIFY(!RunState().ScreenValid);
        QVERIFY(prompter.boxes.empty());
        RequireOneChecked(yes, no, "Answer", true); // nothing while already invalid
        QVERIFY(prompter.boxes.empty());

        RunState().ScreenValid = true;
        RequireDate(date, "Enter the date", true);
        QCOMPARE(QString::fromStdString(prompter.boxes.back().text), "Enter the date");
        RunState().ScreenValid = true;
        date->setText("01/07/2003");
        RequireDate(date, "Enter the date", true);
        QVERIFY(RunState().ScreenValid);

        RequireOneChecked(yes, no, "Answer yes or no", true);
        QVERIFY(!RunState().ScreenValid);
        QCOMPARE(QString::fromStdString(prompter.boxes.back().text), "Answer yes or no");
        RunState().ScreenValid = true;
        no->setChecked(true);
        RequireOneChecked(yes, no, "Answer yes or no", true);
        QVERIFY(RunState().ScreenValid);

        RequireSelection(combo, "Choose one", true);
        QVERIFY(!RunState().ScreenValid);
        RunState().ScreenValid = true;
        SelectComboText(combo, "MARRIED");
        QCOMPARE(combo->currentIndex(), 1);
        QVERIFY(ComboSelectionIs(combo, "married"));
        RequireSelection(combo, "Choose one", true);
        QVERIFY(RunState().ScreenValid);
        SelectComboText(combo, "Widowed");
        QCOMPARE(combo->currentIndex(), -1);
        QVERIFY(!ComboSelectionIs(combo, ""));
    }

    void qtMessageBox() {
        QCOMPARE(MessageIcon(mkWarning), QMessageBox::Warning);
        QCOMPARE(MessageIcon(mkError), QMessageBox::Critical);
        QCOMPARE(MessageIcon(mkInformation), QMessageBox::Information);
        QCOMPARE(MessageIcon(mkConfirmation), QMessageBox::NoIcon);
        QCOMPARE(MessageIcon(mkPlain), QMessageBox::NoIcon);
        using L = QList<QMessageBox::StandardButton>;
        QCOMPARE(MessageButtons(mbYes | mbNo), L({QMessageBox::Yes, QMessageBox::No}));
        QCOMPARE(MessageButtons(mbYes | mbNo | mbCancel),
                 L({QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}));
        QCOMPARE(MessageButtons(mbOK | mbCancel), L({QMessageBox::Ok, QMessageBox::Cancel}));
        QCOMPARE(MessageButtons(mbCancel | mbRetry), L({QMessageBox::Retry, QMessageBox::Cancel}));
        QCOMPARE(MessageButtons(mbAbort | mbRetry | mbIgnore),
                 L({QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore}));
        QCOMPARE(MessageButtons(mbYes), L({QMessageBox::Ok}));
        QCOMPARE(MessageResult(QMessageBox::Cancel), 2);
        QCOMPARE(MessageResult(QMessageBox::Abort), 3);
        QCOMPARE(MessageResult(QMessageBox::Retry), 4);
        QCOMPARE(MessageResult(QMessageBox::Ignore), 5);
        QCOMPARE(MessageResult(QMessageBox::Yes), 6);
        QCOMPARE(MessageResult(QMessageBox::No), 7);
        QCOMPARE(MessageResult(QMessageBox::Ok), 1);
        QCOMPARE(MessageResult(QMessageBox::NoButton), 1);
    }

    // The real box, answered by a click on its button.
    void qtMessageBoxShows() {
        QGuiApplication::setApplicationDisplayName("Vesk Allowance");
        TQtPrompter prompter;
        QString seenTitle, seenText;
        QList<QAbstractButton*> seenButtons;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            seenTitle = box->windowTitle();
            seenText = box->text();
            seenButtons = box->buttons();
            QCOMPARE(box->icon(), QMessageBox::Warning);
            QCOMPARE(box->standardButton(box->defaultButton()), QMessageBox::No);
            QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton);
        });
        QCOMPARE(prompter.ShowMessageBox("Line one\rLine two", mkWarning, mbYes | mbNo, mbNo), 6);
        QCOMPARE(seenTitle, "Vesk Allowance");
        QCOMPARE(seenText, "Line one\nLine two");
        QCOMPARE(seenButtons.size(), 2);
    }

    void yearPlaceholdersAnswered() {
        QWidget screen;
        auto* label = new TTextLbl(&screen);
        label->setText({"1 July <V99997>, 1 July <V99998> to 30 June <V99999>.<V1>"});
        AnswerYearScreenTags(&screen);
        label->setText(label->text()); // laid out again with the answers
        QCOMPARE(label->plainText(), QString("1 July 2000, 1 July 2003 to 30 June 2004."));
    }
};

QTEST_MAIN(ScreenHelpersTest)
#include "ScreenHelpersTest.moc"

// The data-entry grid driven by real keys, clicks and focus changes.

#include "ControlFixture.h"

#include "Amounts.h"
#include "MessageBox.h"
#include "PopupListbox.h"
#include "XGrid.h"
#include "XGridInplaceEdit.h"

#include <QHeaderView>
#include <QRandomGenerator>
#include <QTimer>

namespace {
const QString Residency = "Residency Status|2|0|30|0|F|T|0||||2|1|2|Not Australian resident|"
                          "Australian resident|";
const QString StartDate = "Start of Period|2|2|30|0|F|F||-1|0|";
const QString EndDate = "End of Period|2|2|30|0|F|F||-1|0|";
const QString Amount = "Amount|2|1|8|0|F|F|2|F|0|||-1|0|F|F|";
const QString Care = "% Care|2|1|3|0|F|F|0|F|0|100||-1|0|F|";
} // namespace

class XGridTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TControlFixture> fixture;
    TXGrid* grid = nullptr;

    void Make(const QStringList& display) {
        grid = new TXGrid;
        grid->setDisplay(display);
        grid->setDefaultColWidth(140);
        fixture = std::make_unique<TControlFixture>(grid);
    }
    TXGridInplaceEdit* Editor() const { return grid->Editor(); }
    void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(Editor(), Qt::Key(key), mods);
        TControlFixture::Settle();
    }
    void Char(char ch) {
        QTest::keyClick(Editor(), ch);
        TControlFixture::Settle();
    }
    // Moves to the cell, replaces its text by keys and Tabs on; answers whether the cell was left.
    bool TypeCell(int col, int row, const QString& keys) {
        Editor()->setFocus(Qt::MouseFocusReason);
        grid->MoveTo(col, row);
        Editor()->selectAll();
        QTest::keyClick(Editor(), Qt::Key_Delete);
        QTest::keyClicks(Editor(), keys);
        Key(Qt::Key_Tab);
        return grid->Col() != col || grid->Row() != row;
    }
    bool PasteCell(int col, int row, const QString& text) {
        Editor()->setFocus(Qt::MouseFocusReason);
        grid->MoveTo(col, row);
        Editor()->selectAll();
        Editor()->insert(text);
        Key(Qt::Key_Tab);
        return grid->Col() != col || grid->Row() != row;
    }

private slots:
    void cleanup() { fixture.reset(); }

    void definitionLines() {
        const TColumnParse residency = ParseColumnDefinition(Residency);
        QCOMPARE(residency.column.title, "Residency Status");
        QCOMPARE(residency.column.titleAlignment, 2);
        QVERIFY(residency.column.dropDown && residency.column.isPickList());
        QCOMPARE(residency.column.dropDownRows, 2);
        QCOMPARE(residency.column.pickList,
                 QStringList({"Not Australian resident", "Australian resident"}));
        const TXGridColumn date = ParseColumnDefinition(StartDate).column;
        QCOMPARE(date.type, ctDate);
        QCOMPARE(date.maxLength, 30);
        QCOMPARE(ParseColumnDefinition("D|0|2|4").column.maxLength, 10);
        QCOMPARE(ParseColumnDefinition("A|0|3|4").column.maxLength, 11);
        QCOMPARE(ParseColumnDefinition("T|0|4|4").column.maxLength, 9);
        const TXGridColumn care = ParseColumnDefinition(Care).column;
        QCOMPARE(care.type, ctNumber);
        QCOMPARE(care.maximum, 100.0);
        QVERIFY(!care.accepted.Contains('-') && !care.accepted.Contains('.'));
        QVERIFY(ParseColumnDefinition("X|0|0|30|0|F|F|0|A..Z,5|").column.accepted.Contains('5'));
        QVERIFY(ParseColumnDefinition("X|0|0|30|0|F|F|0|ABC|").badCharSet);
        const TXGridColumn locked =
            ParseColumnDefinition("L|0|0|30|0|F|F|0||||0|1|1|x|T|T|").column;
        QVERIFY(locked.noTotal && locked.locked);
    }

    void badCharacterSetIsReported() {
        Make({"A"});
        grid->setDisplay({"Name|0|0|30|0|F|F|0|A..|"});
        QCOMPARE(fixture->LastMessage(), "Bad character set !");
    }

    void numberCells_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("twelve and a half") << "12.5"
                                           << "12.50";
        QTest::newRow("zero") << "0"
                              << "0.00";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("half to even") << "2.125"
                                      << "2.12";
    }
    void numberCells() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Make({Amount, Care});
        QVERIFY(TypeCell(0, 1, typed));
        QCOMPARE(grid->Cells(0, 1), shown);
        QVERIFY(fixture->prompter.boxes.empty());
    }

    void columnTotal() {
        Make({Amount, Care});
        grid->SetCells(0, 1, "0.00");
        QCOMPARE(grid->ColumnTotal(0), ExplicitZero);
        grid->SetCells(0, 2, "12.50");
        grid->SetCells(0, 3, "$1,000.25");
        grid->SetCells(0, 4, "junk");
        QCOMPARE(grid->ColumnTotal(0), 1012.75);
        QCOMPARE(grid->ColumnTotal(1), 0.0);
        grid->LoadFromList({"", "x"});
        QCOMPARE(grid->ColumnTotal(0), 0.0);
    }

    void cellMessages_data() {
        QTest::addColumn<QString>("definition");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("left");
        QTest::newRow("range") << Care << "150"
                               << "Value must be between 0 and 100"
                               << "150";
        QTest::newRow("reduced out of range") << Care << "1 50"
                                              << "Invalid numeric entry"
                                              << "1 50";
        QTest::newRow("unreadable") << Amount << "."
                                    << ". is an invalid numeric entry. Please re-enter amount "
                                       "before continuing."
                                    << "";
        QTest::newRow("date") << StartDate << "31/02/2004"
                              << "Enter date in dd/mm/yyyy format"
                              << "31/02/2004";
        QTest::newRow("abn") << "ABN|0|3|11"
                             << "51824753557"
                             << "Invalid Australian Business Number (ABN)"
                             << "51824753557";
        QTest::newRow("tfn") << "TFN|0|4|9"
                             << "123456789"
                             << "Invalid Tax File Number (TFN)"
                             << "123456789";
        QTest::newRow("pick list") << Residency << "Resident"
                                   << "Entry must match one of the picklist entries"
                                   << "Resident";
    }
    void cellMessages() {
        QFETCH(QString, definition);
        QFETCH(QString, pasted);
        QFETCH(QString, message);
        QFETCH(QString, left);
        Make({definition, "Other"});
        QVERIFY(!PasteCell(0, 1, pasted));
        QCOMPARE(fixture->LastMessage(), message);
        QCOMPARE(fixture->prompter.boxes.back().kind, mkError);
        QCOMPARE(fixture->beeps, 1);
        QCOMPARE(grid->Cells(0, 1), left);
        QVERIFY(Editor()->hasFocus());
    }

    // The real box during a cell move: answered, the failing cell stays current and focused.
    void realMessageBox() {
        Make({StartDate, EndDate});
        TQtPrompter qtPrompter;
        SetPrompter(&qtPrompter);
        QString shown;
        AnswerNextRealBox(shown);
        const bool left = PasteCell(0, 1, "31/02/2004");
        QApplication::setActiveWindow(&fixture->window); // no window manager offscreen
        SetPrompter(&fixture->prompter);
        QVERIFY(!left);
        QCOMPARE(shown, "Enter date in dd/mm/yyyy format");
        QTRY_VERIFY(Editor()->hasFocus());
        QCOMPARE(Editor()->text(), "31/02/2004");
    }

    void anyAmountPassesWithoutRange() {
        Make({"Any|2|1|8|0|F|F|0|T|0|0||-1|0|F|", "Other"});
        QVERIFY(TypeCell(0, 1, "-150"));
        QCOMPARE(grid->Cells(0, 1), "-150");
    }

    void tooManyWholeDigitsWarnsAndGoesOn() {
        Make({"Amt|2|1|6|0|F|F|2|F|0|0||-1|0|", "Other"});
        QVERIFY(PasteCell(0, 1, "12345.5"));
        QCOMPARE(fixture->LastMessage(), "Value of \"12345.5\" with two decimal places\r"
                                         "exceeds allowed number of digits (6)");
        QCOMPARE(fixture->prompter.boxes.back().kind, mkWarning);
        QCOMPARE(grid->Cells(0, 1), "12345.50");
    }

    void identifierCellsShowTheirGroups() {
        Make({"ABN|0|3|11", "TFN|0|4|9"});
        QVERIFY(TypeCell(0, 1, "51824753556"));
        QCOMPARE(grid->Cells(0, 1), "51 824 753 556");
        QVERIFY(TypeCell(1, 1, "123456782"));
        QCOMPARE(grid->Cells(1, 1), "123 456 782");
        grid->MoveTo(0, 1); // editing shows the digits only
        QCOMPARE(Editor()->text(), "51824753556");
    }

    void dateCells_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("eight digits") << "01072003"
                                      << "01/07/2003";
        QTest::newRow("six digits") << "300604"
                                    << "30/06/2004";
        QTest::newRow("short parts") << "1/7/2003"
                                     << "01/07/2003";
    }
    void dateCells() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Make({StartDate, EndDate});
        QVERIFY(TypeCell(0, 1, typed));
        QCOMPARE(grid->Cells(0, 1), shown);
    }

    void cellKeys_data() {
        QTest::addColumn<QString>("definition");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<int>("beeps");
        QTest::newRow("date letter") << StartDate << "01a"
                                     << "01" << 1;
        QTest::newRow("number letter") << Amount << "1x2"
                                       << "12" << 1;
        QTest::newRow("no minus") << Amount << "-5"
                                  << "5" << 1;
        QTest::newRow("minus allowed") << "N|0|1|5|0|F|F|0|T"
                                       << "-5-"
                                       << "-5" << 1;
        QTest::newRow("second point") << Amount << "1.2.3"
                                      << "1.23" << 1;
        QTest::newRow("room for decimals") << Amount << "123456"
                                           << "12345" << 1;
        QTest::newRow("maximum length") << Care << "1000"
                                        << "100" << 1;
        QTest::newRow("upper case") << "T|0|0|10|0|F|F|1"
                                    << "abc"
                                    << "ABC" << 0;
        QTest::newRow("lower case") << "T|0|0|10|0|F|F|2"
                                    << "AbC"
                                    << "abc" << 0;
        QTest::newRow("text set") << "T|0|0|10|0|F|F|0|A..Z"
                                  << "AbC"
                                  << "AC" << 1;
        QTest::newRow("locked") << "L|0|0|30|0|F|F|0||||||0|F|T|"
                                << "abc"
                                << "" << 0;
    }
    void cellKeys() {
        QFETCH(QString, definition);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(int, beeps);
        Make({definition, "Other"});
        Editor()->setFocus();
        grid->MoveTo(0, 1);
        QTest::keyClicks(Editor(), typed);
        QCOMPARE(Editor()->text(), kept);
        QCOMPARE(grid->Cells(0, 1), kept);
        QCOMPARE(fixture->beeps, beeps);
        QCOMPARE(grid->edited(), !kept.isEmpty());
    }

    void tabGrowsTheGrid() {
        Make({StartDate, EndDate});
        grid->setRowCount(2);
        Editor()->setFocus();
        grid->MoveTo(1, 1);
        Key(Qt::Key_Tab);
        QCOMPARE(grid->RowCount(), 3);
        QCOMPARE(grid->Row(), 2);
        QCOMPARE(grid->Col(), 0);
        Key(Qt::Key_Down);
        QCOMPARE(grid->RowCount(), 4);
        QCOMPARE(grid->Row(), 3);

        grid->setRowAutoInc(false);
        grid->MoveTo(1, 3);
        Key(Qt::Key_Tab);
        QCOMPARE(grid->RowCount(), 4);
        QCOMPARE(grid->Row(), 3);
        QCOMPARE(grid->Col(), 1);
    }

    void tabSkipsReadOnlyColumns() {
        Make({"A", "Fixed|0|0|30|0|T|F|", "C"});
        Editor()->setFocus();
        grid->MoveTo(0, 1);
        Key(Qt::Key_Tab);
        QCOMPARE(grid->Col(), 2);
        grid->MoveTo(1, 1); // a click on a read-only cell lands on the next one
        QCOMPARE(grid->Col(), 2);
    }

    void enteringByTabStartsAtTheFirstCell() {
        Make({"Fixed|0|0|30|0|T|F|", "B", "C"});
        fixture->after->setFocus();
        grid->SetCells(2, 3, "x");
        grid->setFocus(Qt::TabFocusReason);
        TControlFixture::Settle();
        QCOMPARE(grid->Col(), 1);
        QCOMPARE(grid->Row(), 1);
    }

    void leavingTheGridEmptiesAFailingCell() {
        Make({StartDate, EndDate});
        Editor()->setFocus();
        grid->MoveTo(0, 1);
        Editor()->insert("99/99/9999");
        fixture->LeaveTo(fixture->after);
        QCOMPARE(fixture->LastMessage(), "Enter date in dd/mm/yyyy format");
        QCOMPARE(grid->Cells(0, 1), "");
        QVERIFY(fixture->after->hasFocus());
    }

    void insertAndDeleteRows() {
        Make({"A", "B"});
        grid->LoadFromList({"1", "a", "2", "b"});
        Editor()->setFocus();
        grid->MoveTo(0, 2);
        grid->setEdited(false);
        Key(Qt::Key_Insert, Qt::ControlModifier);
        QCOMPARE(grid->Cells(0, 2), "");
        QCOMPARE(grid->Cells(0, 3), "2");
        QVERIFY(grid->edited());

        fixture->prompter.answers = {mrCancel};
        Key(Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(fixture->LastMessage(), "Are you sure you want to delete this row?");
        QCOMPARE(fixture->prompter.boxes.back().buttons, TMsgButtons(mbOK | mbCancel));
        QCOMPARE(fixture->prompter.boxes.back().kind, mkConfirmation);
        QCOMPARE(grid->Cells(0, 3), "2");

        fixture->prompter.answers = {mrOK};
        grid->MoveTo(0, 1);
        Key(Qt::Key_Delete, Qt::ControlModifier);
        QStringList stored;
        grid->StoreToList(stored);
        QCOMPARE(stored, QStringList({"2", "b"}));
    }

    void deletingTheOnlyRowLeavesAnEmptyOne() {
        Make({"A", "B"});
        grid->setRowCount(2);
        grid->LoadFromList({"1", "a"});
        Editor()->setFocus();
        fixture->prompter.answers = {mrOK};
        Key(Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(grid->RowCount(), 2);
        QVERIFY(grid->RowBlank(1));

        grid->LoadFromList({"1", "a"});
        grid->setDoNotDelete(true);
        Key(Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(fixture->LastMessage(), "Row deletion not allowed on this grid");
        QCOMPARE(grid->Cells(0, 1), "1");
    }

    void pickListByKeys() {
        Make({Residency, StartDate, EndDate});
        Editor()->setFocus();
        grid->MoveTo(0, 1);
        Key(Qt::Key_Down, Qt::AltModifier);
        TPopupListbox* list = grid->PickList();
        QVERIFY(list->IsOpen());
        QCOMPARE(list->count(), 2);
        QVERIFY(list->width() >= Editor()->width());
        QVERIFY(!list->hasFocus() && Editor()->hasFocus());
        Char('a');
        QCOMPARE(list->SelectedEntry(), "Australian resident");
        Char('n');
        QCOMPARE(list->SearchText(), "an");
        QCOMPARE(list->SelectedEntry(), "");
        Key(Qt::Key_Backspace);
        Char('n');
        QCOMPARE(list->SelectedEntry(), "Not Australian resident");
        Key(Qt::Key_Return);
        QVERIFY(!list->IsOpen());
        QCOMPARE(grid->Cells(0, 1), "Not Australian resident");
        QCOMPARE(grid->Col(), 1);
        QVERIFY(grid->edited());

        grid->MoveTo(0, 2);
        Key(Qt::Key_Up, Qt::AltModifier);
        Char('a');
        Key(Qt::Key_Escape);
        QVERIFY(!list->IsOpen());
        QCOMPARE(grid->Cells(0, 2), "");
        Key(Qt::Key_Down, Qt::AltModifier);
        Char('a');
        Key(Qt::Key_Down, Qt::AltModifier); // closing with a selection accepts it
        QCOMPARE(grid->Cells(0, 2), "Australian resident");

        grid->MoveTo(0, 2);
        Key(Qt::Key_Backspace);
        QCOMPARE(grid->Cells(0, 2), "");
    }

    void pickListByMouse() {
        Make({Residency, StartDate});
        Editor()->setFocus();
        grid->MoveTo(0, 4);
        grid->SetCells(0, 4, "Australian resident");
        const auto* arrow = Editor()->findChild<QWidget*>();
        QVERIFY(arrow && arrow->isVisible());
        QTest::mouseClick(const_cast<QWidget*>(arrow), Qt::LeftButton);
        TPopupListbox* list = grid->PickList();
        QVERIFY(list->IsOpen());
        QCOMPARE(list->SelectedEntry(), "Australian resident");
        const QRect first = list->visualItemRect(list->item(0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first.center());
        QCOMPARE(grid->Cells(0, 4), "Not Australian resident");
        QCOMPARE(grid->RowCount(), 5);
        QCOMPARE(grid->Col(), 1);

        grid->MoveTo(0, 1);
        QTest::mouseClick(const_cast<QWidget*>(arrow), Qt::LeftButton);
        QVERIFY(list->IsOpen());
        QTest::mouseClick(fixture->after, Qt::LeftButton);
        QVERIFY(!list->IsOpen());
        QCOMPARE(grid->Cells(0, 1), "");
    }

    void pickListFromTheScreen() {
        Make({"Marital status OR spouse name|2|0|150||F|T|0||||4|1|4|Dick|Harry|Tom|Single|",
              StartDate});
        connect(grid, &TXGrid::PicklistDropdown, this, [](int, int, QStringList& list) {
            list = {"Single", "Ann", "Widowed"};
        });
        Editor()->setFocus();
        grid->MoveTo(0, 1);
        Key(Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(grid->PickList()->count(), 3);
        Key(Qt::Key_Escape);
        QVERIFY(!PasteCell(0, 1, "Tom"));
        QVERIFY(PasteCell(0, 1, "Ann"));
    }

    void entriesAreCutToTheCellLength() {
        Make({"Status|0|0|10|0|F|T|0||||2|1|1|Australian resident|", StartDate});
        QVERIFY(PasteCell(0, 1, "Australian"));
        Editor()->setFocus();
        grid->MoveTo(0, 2);
        Key(Qt::Key_Down, Qt::AltModifier);
        Char('a');
        Key(Qt::Key_Return);
        QCOMPARE(grid->Cells(0, 2), "Australian");
    }

    void ellipsis() {
        Make({"Details|0|0|30|0|F|F|0||||0|2|0|", "Other"});
        int raised = 0;
        connect(grid, &TXGrid::ElippsisClicked, this, [&](int col, int row) {
            QCOMPARE(col, 0);
            QCOMPARE(row, 1);
            ++raised;
        });
        Editor()->setFocus();
        grid->MoveTo(0, 1);
        QCOMPARE(Editor()->Button(), TXGridInplaceEdit::btEllipsis);
        Key(Qt::Key_Return, Qt::ControlModifier);
        QTest::mouseClick(Editor()->findChild<QWidget*>(), Qt::LeftButton);
        QCOMPARE(raised, 2);
    }

    void exitCellDecides() {
        Make({"A", "B"});
        connect(grid, &TXGrid::ExitCell, this,
                [](int, int, int&, int&, bool& allowed) { allowed = false; });
        QVERIFY(!TypeCell(0, 1, "x"));
    }

    void storageForm() {
        Make({"A", "B"});
        grid->setRowCount(6);
        grid->SetCells(0, 2, "x");
        grid->SetCells(1, 4, "y");
        grid->SetCells(0, 3, "  ");
        QStringList stored;
        grid->StoreToList(stored);
        QCOMPARE(stored, QStringList({"x", "", "", "y"}));
        grid->LoadFromList(stored);
        QCOMPARE(grid->Cells(0, 1), "x");
        QCOMPARE(grid->Cells(1, 2), "y");
        QVERIFY(grid->RowBlank(3) && grid->RowBlank(4));
        QCOMPARE(grid->RowCount(), 6);

        grid->LoadFromList({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"});
        QCOMPARE(grid->RowCount(), 7);
        QCOMPARE(grid->Cells(0, 6), "11");
        QCOMPARE(grid->Cells(1, 6), "");
    }

    void sortRows() {
        Make({StartDate, "Name"});
        grid->LoadFromList({"01/01/2004", "b", "", "empty", "01/07/2003", "a", "15/03/2004", "c"});
        grid->SortRows("0");
        QStringList stored;
        grid->StoreToList(stored);
        QCOMPARE(stored, QStringList({"01/07/2003", "a", "01/01/2004", "b", "15/03/2004", "c", "",
                                      "empty"}));
        grid->SortRows("1");
        grid->StoreToList(stored);
        QCOMPARE(stored.mid(6), QStringList({"", "empty"}));
    }

    void titles() {
        Make({"Start\rDate|1|2|10||F|F||-1|0|", "B"});
        grid->setTitleLines(2);
        QCOMPARE(grid->Cells(0, 0), "Start\rDate");
        QCOMPARE(grid->horizontalHeaderItem(0)->text(), "Start\nDate");
        const int line = QFontMetrics(grid->horizontalHeader()->font()).boundingRect("W").height();
        QCOMPARE(grid->horizontalHeader()->height(), 2 * line + 4);
    }

    // Random keys, pastes, moves and focus changes: a cell that was left always passes its check.
    void randomInput() {
        Make({Residency, StartDate, EndDate, Amount, Care, "Name|0|0|12|0|F|F|1|A..Z, |"});
        QRandomGenerator random(77);
        const QString keys = "0123456789-./ aZ";
        const QStringList pastes = {"1.2.3", "31/02/2004", "01072003", "Australian resident",
                                    "150",   "x",          ".",        "--1"};
        const QList<int> moves = {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Down, Qt::Key_Up};
        Editor()->setFocus();
        int checked = 0;
        for (int step = 0; step < 4000; ++step) {
            if (!Editor()->hasFocus()) { // keys reach only a focused editor
                Editor()->setFocus(Qt::MouseFocusReason);
                TControlFixture::Settle();
            }
            const int col = grid->Col(), row = grid->Row();
            const int action = random.bounded(24);
            if (action < 14)
                QTest::keyClick(Editor(), keys[random.bounded(keys.size())].toLatin1());
            else if (action < 15)
                QTest::keyClick(Editor(), Qt::Key_Backspace);
            else if (action < 16)
                Editor()->insert(pastes[random.bounded(pastes.size())]);
            else if (action < 21)
                QTest::keyClick(Editor(), Qt::Key(moves[random.bounded(moves.size())]));
            else if (action < 22)
                Key(Qt::Key_Down, Qt::AltModifier);
            else if (action < 23)
                Key(Qt::Key_Escape);
            else
                fixture->LeaveTo(fixture->after);
            TControlFixture::Settle();
            if (grid->Col() == col && grid->Row() == row && Editor()->hasFocus()) continue;
            if (row >= grid->RowCount()) continue;
            const QString text = grid->Cells(col, row);
            const TXGridColumn& column = grid->Column(col);
            QVERIFY2(CheckCellText(column, text).passed, qPrintable(text));
            if (column.isPickList() && !text.isEmpty())
                QVERIFY2(
                    column.pickList.contains(text),
                    qPrintable(
                        QString("%1 after action %2 at step %3").arg(text).arg(action).arg(step)));
            ++checked;
        }
        QVERIFY(checked > 100);
        QVERIFY(grid->RowCount() < 200);
    }
};

QTEST_MAIN(XGridTest)
#include "XGridTest.moc"

#include "ScenarioRunner.h"

#include "HostWindow.h"
#include "ModuleLibrary.h"
#include "ScenarioWidgets.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QInputDialog>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>

namespace {

QString ButtonCaption(const QAbstractButton* button) {
    return button->text().remove('&');
}

// A closed message box or combo-box popup may leave no window active, and then a click gives
// no focus and leaving a control runs none of its exit checks.
void ActivateWindowOf(QWidget* control) {
    if (control->isActiveWindow()) return;
    control->activateWindow();
    QApplication::processEvents();
}

} // namespace

TScenarioRunner::TScenarioRunner(TModuleLibrary& module, THostWindow& host,
                                 QVector<TScenarioStep> steps)
    : module_(module), steps_(std::move(steps)) {
    connect(&host, &THostWindow::InterviewDone, this, [this] { done_ = true; });
    connect(&host, &THostWindow::InterviewClosed, this, [this] { closed_ = true; });
    boxWatch_.setInterval(10);
    connect(&boxWatch_, &QTimer::timeout, this, &TScenarioRunner::AnswerOpenBox);
}

void TScenarioRunner::WatchBoxes() {
    boxWatch_.start();
}

void TScenarioRunner::Start() {
    boxWatch_.start();
    QTimer::singleShot(0, this, &TScenarioRunner::RunNextStep);
}

void TScenarioRunner::LetPostedEventsRun() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

void TScenarioRunner::RunNextStep() {
    if (finished_) return;
    LetPostedEventsRun();
    if (!boxFailure_.isEmpty()) {
        Finish(boxFailure_, next_ > 0 ? steps_[next_ - 1].line : 0);
        return;
    }
    if (next_ == steps_.size()) {
        if (!answers_.empty())
            Finish("a queued answer was left over: " + answers_.front().button,
                   answers_.front().line);
        else
            Finish(QString(), 0);
        return;
    }
    const TScenarioStep& step = steps_[next_++];
    currentLine_ = step.line;
    QString failure = Execute(step.tokens);
    if (failure.isEmpty()) failure = boxFailure_;
    if (!failure.isEmpty()) {
        Finish(failure, step.line);
        return;
    }
    QTimer::singleShot(0, this, &TScenarioRunner::RunNextStep);
}

void TScenarioRunner::Finish(const QString& failure, int line) {
    finished_ = true;
    boxWatch_.stop();
    module_.Free();
    if (failure.isEmpty())
        std::printf("scenario: PASS (%d steps)\n", int(steps_.size()));
    else
        std::printf("scenario: FAIL at line %d: %s\n", line, qPrintable(failure));
    std::fflush(stdout);
    QCoreApplication::exit(failure.isEmpty() ? 0 : 1);
}

// ---- message boxes

void TScenarioRunner::AnswerOpenBox() {
    QWidget* modal = QApplication::activeModalWidget();
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (auto* input = qobject_cast<QInputDialog*>(modal)) {
        AnswerInputBox(input);
        return;
    }
    if (auto* dialog = qobject_cast<QDialog*>(modal); dialog && !box) {
        AnswerDialog(dialog);
        return;
    }
    if (!box || !box->isVisible()) return;
    const QString text = box->text();
    if (answers_.empty()) {
        if (boxFailure_.isEmpty()) boxFailure_ = "a message box with no queued answer: " + text;
        box->done(QMessageBox::Cancel);
        return;
    }
    const TQueuedAnswer answer = answers_.front();
    answers_.pop_front();
    if (answer.typed) {
        boxFailure_ = "a message box opened where an input box was expected: " + text;
        box->done(QMessageBox::Cancel);
        return;
    }
    if (!text.startsWith(answer.textStart)) {
        boxFailure_ = QString("the message box reads \"%1\", expected one starting \"%2\"")
                          .arg(text, answer.textStart);
        box->done(QMessageBox::Cancel);
        return;
    }
    for (QAbstractButton* button : box->buttons())
        if (ButtonCaption(button).compare(answer.button, Qt::CaseInsensitive) == 0) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    boxFailure_ = "the message box has no button " + answer.button;
    box->done(QMessageBox::Cancel);
}

// Another dialog (the save box) is answered by its caption: the queued answer names a button.
void TScenarioRunner::AnswerDialog(QDialog* dialog) {
    if (!dialog->isVisible() || dialog == answeredDialog_) return;
    const bool queued = !answers_.empty() && !answers_.front().typed &&
                        dialog->windowTitle().startsWith(answers_.front().textStart);
    if (!queued) {
        boxFailure_ = "a dialog opened that no step can answer: " + dialog->windowTitle();
        dialog->reject();
        return;
    }
    const TQueuedAnswer answer = answers_.front();
    answers_.pop_front();
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
        if (button->isVisible() &&
            ButtonCaption(button).compare(answer.button, Qt::CaseInsensitive) == 0) {
            // Pressed from the event loop, so that the boxes the button opens are answered too.
            answeredDialog_ = dialog;
            QTimer::singleShot(0, button, [this, button] {
                QTest::mouseClick(button, Qt::LeftButton);
                answeredDialog_ = nullptr;
            });
            return;
        }
    boxFailure_ = dialog->windowTitle() + " has no button " + answer.button;
    dialog->reject();
}

void TScenarioRunner::AnswerInputBox(QInputDialog* box) {
    if (!box->isVisible()) return;
    const QString prompt = box->labelText();
    if (answers_.empty() || !answers_.front().typed) {
        if (boxFailure_.isEmpty()) boxFailure_ = "an input box with no queued input: " + prompt;
        box->reject();
        return;
    }
    const TQueuedAnswer answer = answers_.front();
    answers_.pop_front();
    if (!prompt.startsWith(answer.textStart)) {
        boxFailure_ = QString("the input box asks \"%1\", expected one starting \"%2\"")
                          .arg(prompt, answer.textStart);
        box->reject();
        return;
    }
    box->setTextValue(*answer.typed);
    box->accept();
}

// ---- steps

QString TScenarioRunner::Execute(const QStringList& step) {
    const QString verb = step.value(0);
    auto needs = [&](int count) { return step.size() >= count; };
    if (verb == "click" && needs(2)) return Click(step);
    if (verb == "type" && needs(3)) return Type(step);
    if (verb == "select" && needs(3)) return Select(step);
    if ((verb == "check" || verb == "uncheck") && needs(2)) return Check(step, verb == "check");
    if ((verb == "cell" || verb == "pick") && needs(5)) return Cell(step, verb == "pick");
    if (verb == "expect" && needs(2)) return Expect(step);
    if (verb == "answer" && needs(3)) {
        answers_.push_back({step[1], step[2], currentLine_, std::nullopt});
        return {};
    }
    if (verb == "input" && needs(3)) {
        answers_.push_back({"OK", step[1], currentLine_, step[2]});
        return {};
    }
    if (verb == "shot" && needs(2)) return Shot(step[1]);
    if (verb == "topic" && needs(2)) return Topic(step[1]);
    if (verb == "key" && needs(2)) {
        // "key Shift+Tab 4" presses it four times.
        const int times = step.size() >= 3 ? step[2].toInt() : 1;
        if (times < 1) return "cannot read the count of " + step.join(' ');
        for (int i = 0; i < times; ++i)
            if (QString failure = Key(step[1]); !failure.isEmpty()) return failure;
        return {};
    }
    return "cannot read the step: " + step.join(' ');
}

// Pictures for review: only when VESK_SHOTS names a folder, so scripts can keep their shots.
QString TScenarioRunner::Shot(const QString& name) {
    const QString folder = qEnvironmentVariable("VESK_SHOTS");
    if (folder.isEmpty()) return {};
    QWidget* client = FindControl("ClientPanel");
    if (!client) return "no module window to photograph";
    QDir().mkpath(folder);
    if (!client->window()->grab().save(folder + "/" + name + ".png"))
        return "cannot write " + folder + "/" + name + ".png";
    return {};
}

QString TScenarioRunner::Click(const QStringList& step) {
    QAbstractButton* button = FindButton(step[1]);
    if (!button) return "no button " + step[1];
    if (!button->isVisible()) return "button " + step[1] + " is not visible";
    if (!button->isEnabled()) return "button " + step[1] + " is not enabled";
    QTest::mouseClick(button, Qt::LeftButton);
    return {};
}

QString TScenarioRunner::Type(const QStringList& step) {
    QWidget* control = FindControl(step[1]);
    if (!control) return "no control " + step[1];
    if (!control->isVisible() || !control->isEnabled()) return step[1] + " cannot take input";
    ActivateWindowOf(control);
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(4, control->height() / 2));
    control->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(control, Qt::Key_End);
    QTest::keyClick(control, Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClick(control, Qt::Key_Delete);
    QTest::keyClicks(control, step[2]);
    if (QWidget* focused = QApplication::focusWidget()) QTest::keyClick(focused, Qt::Key_Tab);
    return {};
}

QString TScenarioRunner::Select(const QStringList& step) {
    QWidget* control = FindControl(step[1]);
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        const int index = combo->findText(step[2], Qt::MatchExactly);
        if (index < 0) return step[1] + " has no item \"" + step[2] + "\"";
        combo->setFocus(Qt::MouseFocusReason);
        combo->showPopup();
        QAbstractItemView* view = combo->view();
        view->setCurrentIndex(combo->model()->index(index, combo->modelColumn()));
        QTest::keyClick(view, Qt::Key_Return);
        return {};
    }
    if (auto* list = qobject_cast<QListWidget*>(control)) {
        const auto items = list->findItems(step[2], Qt::MatchExactly);
        if (items.isEmpty()) return step[1] + " has no line \"" + step[2] + "\"";
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(items.first()).center());
        return {};
    }
    return "no combo box or list box " + step[1];
}

// A mnemonic presses its button and releases it a moment later: the click comes then.
void TScenarioRunner::WaitForPressedButton(QWidget* window) {
    QPointer<QWidget> watched = window;
    auto pressed = [&] {
        if (!watched) return false;
        const auto buttons = watched->findChildren<QAbstractButton*>();
        return std::any_of(buttons.begin(), buttons.end(),
                           [](const QAbstractButton* button) { return button->isDown(); });
    };
    for (int waited = 0; pressed() && waited < 1000; waited += 10)
        QTest::qWait(10);
}

// A key press where the focus is, as a keyboard user makes it: shortcuts and mnemonics apply.
QString TScenarioRunner::Key(const QString& keyText) {
    const QKeySequence sequence = QKeySequence::fromString(keyText);
    if (sequence.count() != 1 || sequence[0].key() == Qt::Key_unknown)
        return "cannot read the key " + keyText;
    // A message box that has closed may leave no window active, and shortcuts need one.
    if (QWidget* module = FindControl("ClientPanel"); module && !module->isActiveWindow()) {
        module->activateWindow();
        QApplication::processEvents();
    }
    QWidget* focused = QApplication::focusWidget();
    if (!focused) return "no control has the focus";
    QWidget* window = focused->window(); // the key may switch screens and destroy the control
    QTest::keyClick(focused, sequence[0].key(), sequence[0].keyboardModifiers());
    WaitForPressedButton(window);
    return {};
}

QString TScenarioRunner::Topic(const QString& caption) {
    auto* tree = qobject_cast<QTreeWidget*>(FindControl("navigatorTreeView"));
    if (!tree || !tree->isVisible()) return "the navigator is not on display";
    const auto nodes = tree->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
    if (nodes.isEmpty()) return "there is no navigator topic \"" + caption + "\"";
    tree->scrollToItem(nodes.first());
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                      tree->visualItemRect(nodes.first()).center());
    return {};
}

QString TScenarioRunner::Check(const QStringList& step, bool checked) {
    auto* button = qobject_cast<QAbstractButton*>(FindControl(step[1]));
    if (!button || !button->isCheckable()) return "no check box or radio button " + step[1];
    // On the box itself, not on the far end of its caption.
    if (button->isChecked() != checked)
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    if (button->isChecked() != checked) return step[1] + " did not change";
    return {};
}

QString TScenarioRunner::Cell(const QStringList& step, bool pick) {
    auto* grid = qobject_cast<QTableWidget*>(FindControl(step[1]));
    if (!grid) return "no grid " + step[1];
    const int row = step[2].toInt() - 1; // row 1 is the first data row
    const int column = step[3].toInt();
    const QModelIndex index = grid->model()->index(row, column);
    if (!index.isValid())
        return QString("grid %1 has no cell %2 %3").arg(step[1], step[2], step[3]);
    grid->scrollTo(index);
    ActivateWindowOf(grid);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
    QWidget* editor = QApplication::focusWidget();
    if (!editor) return "the cell took no focus";
    if (pick) {
        QTest::keyClick(editor, Qt::Key_Down, Qt::AltModifier);
        QListWidget* list = FindOpenPickList(grid);
        if (!list) return "the cell opened no pick list";
        const auto items = list->findItems(step[4], Qt::MatchExactly);
        if (items.isEmpty()) return "the pick list has no entry \"" + step[4] + "\"";
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(items.first()).center());
    } else {
        if (auto* line = qobject_cast<QLineEdit*>(editor)) line->selectAll();
        QTest::keyClick(editor, Qt::Key_Delete);
        QTest::keyClicks(editor, step[4]);
    }
    if (QWidget* focused = QApplication::focusWidget()) QTest::keyClick(focused, Qt::Key_Tab);
    return {};
}

QString TScenarioRunner::Expect(const QStringList& step) {
    const QString what = step[1];
    if (what == "screen" && step.size() >= 3) {
        const int shown = ShownScreenId();
        return shown == step[2].toInt() ? QString() : QString("screen %1 is on display").arg(shown);
    }
    if (what == "field" && step.size() >= 4) {
        const QString value = FieldText(module_, step[2].toInt());
        return value == step[3] ? QString() : QString("field %1 holds \"%2\"").arg(step[2], value);
    }
    if (what == "done" && step.size() >= 3) {
        if (!done_) return "the interview has not ended";
        const int id = module_.FailedScreenIndex();
        return id == step[2].toInt() ? QString() : QString("the interview ended at %1").arg(id);
    }
    if (what == "focus" && step.size() >= 3) {
        // The control itself or the one whose part has the focus (a cell editor, a line edit).
        for (QWidget* focused = QApplication::focusWidget(); focused;
             focused = focused->parentWidget())
            if (focused->objectName() == step[2]) return {};
        QWidget* focused = QApplication::focusWidget();
        return QString("the focus is on \"%1\"").arg(focused ? focused->objectName() : "");
    }
    if (what == "closed") return closed_ ? QString() : "the module was not closed";
    if (what == "text" && step.size() >= 4) {
        QWidget* control = FindControl(step[2]);
        if (!control) return "no control " + step[2];
        const QString shown = ShownText(control);
        return shown.contains(step[3]) ? QString() : QString("%1 shows \"%2\"").arg(step[2], shown);
    }
    return "cannot read the expectation: " + step.join(' ');
}

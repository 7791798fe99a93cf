#include "HostMonkey.h"

#include "HostWindow.h"
#include "ModuleLibrary.h"
#include "ScenarioWidgets.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>

#include <cstdio>

namespace {

// The module's widgets of a kind that a user could reach now.
template <class T>
QList<T*> Reachable() {
    QList<T*> found;
    for (QWidget* widget : QApplication::allWidgets())
        if (auto* control = qobject_cast<T*>(widget))
            if (InModule(widget) && widget->isVisible() && widget->isEnabled()) found << control;
    return found;
}

struct TKeyPress {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

// Moving, leaving, confirming and the vision aids' keys.
const TKeyPress keyPresses[] = {
    {Qt::Key_Tab},
    {Qt::Key_Tab, Qt::ShiftModifier},
    {Qt::Key_Return},
    {Qt::Key_Escape},
    {Qt::Key_Up},
    {Qt::Key_Down},
    {Qt::Key_Left},
    {Qt::Key_Right},
    {Qt::Key_Home},
    {Qt::Key_End},
    {Qt::Key_Delete},
    {Qt::Key_Backspace},
    {Qt::Key_Space},
    {Qt::Key_F6},
    {Qt::Key_F8},
    {Qt::Key_F9},
    {Qt::Key_F6, Qt::ShiftModifier},
    {Qt::Key_H, Qt::AltModifier},
    {Qt::Key_M, Qt::AltModifier},
    {Qt::Key_Down, Qt::AltModifier},
};

// Starts a program outside the module; nothing for a monkey to test.
bool Excluded(const QAbstractButton* button) {
    return button->objectName() == QLatin1String("CalculBtn");
}

bool EndsRound(const QAbstractButton* button) {
    return button->text().remove('&') == QLatin1String("Close");
}

// Key presses for each character to whatever has the focus; keys beyond ASCII come as text, as
// from a keyboard with another layout.
void TypeCharacters(QWidget* target, const QString& text) {
    for (const QChar character : text) {
        QWidget* focused = QApplication::focusWidget();
        QWidget* receiver = focused && InModule(focused) ? focused : target;
        if (character.unicode() < 128)
            QTest::keyClick(receiver, char(character.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, receiver, Qt::Key_unknown, QString(character),
                                Qt::NoModifier);
    }
}

const char* const urlSchemes[] = {"http", "https", "mailto", "file"};

void LetPostedEventsRun() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

} // namespace

THostMonkey::THostMonkey(TModuleLibrary& module, THostWindow& host, const TMonkeyLimits& limits)
    : module_(module), limits_(limits), random_(limits.seed), answers_(limits.seed + 1) {
    connect(&host, &THostWindow::InterviewDone, this, [this] { ended_ = true; });
    connect(&host, &THostWindow::InterviewClosed, this, [this] { ended_ = true; });
    modalWatch_.setInterval(5);
    connect(&modalWatch_, &QTimer::timeout, this, &THostMonkey::AnswerOpenModal);
    for (const char* scheme : urlSchemes)
        QDesktopServices::setUrlHandler(scheme, this, "IgnoreUrl");
}

THostMonkey::~THostMonkey() {
    for (const char* scheme : urlSchemes)
        QDesktopServices::unsetUrlHandler(scheme);
}

void THostMonkey::WatchBoxes() {
    modalWatch_.start();
}

void THostMonkey::Start() {
    clock_.start();
    modalWatch_.start();
    QTimer::singleShot(0, this, &THostMonkey::Step);
}

void THostMonkey::Step() {
    if (finished_) return;
    LetPostedEventsRun();
    if (failure_.isEmpty()) failure_ = CheckScreens();
    if (!failure_.isEmpty()) return Finish(failure_);
    if (ended_ || steps_ >= limits_.steps || clock_.elapsed() > limits_.seconds * 1000)
        return Finish({});
    ++steps_;
    Act();
    QTimer::singleShot(0, this, &THostMonkey::Step);
}

void THostMonkey::Act() {
    if (QWidget* popup = QApplication::activePopupWidget()) {
        auto* list = qobject_cast<QListWidget*>(popup);
        if (list && list->count() > 0 && random_.bounded(2)) {
            QListWidgetItem* item = list->item(random_.bounded(list->count()));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(item).center());
        } else {
            QTest::keyClick(popup, Qt::Key_Escape);
        }
        return;
    }
    const int choice = random_.bounded(100);
    if (choice < 35)
        ClickButton();
    else if (choice < 55)
        PressKey(FocusTarget());
    else if (choice < 75)
        TypeText(FocusTarget());
    else if (choice < 90)
        PickItem();
    else
        ChooseComboItem();
}

QWidget* THostMonkey::FocusTarget() const {
    QWidget* focused = QApplication::focusWidget();
    if (focused && InModule(focused)) return focused;
    return FindControl("ClientPanel") ? FindControl("ClientPanel")->window() : nullptr;
}

void THostMonkey::ClickButton() {
    QList<QAbstractButton*> buttons;
    for (QAbstractButton* button : Reachable<QAbstractButton>())
        if (!Excluded(button) && !button->window()->isModal()) buttons << button;
    if (buttons.isEmpty()) return;
    QAbstractButton* button = buttons[random_.bounded(buttons.size())];
    // Closing ends the round; let it happen now and then only.
    if (EndsRound(button) && random_.bounded(10) != 0) return;
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

void THostMonkey::PressKey(QWidget* target) {
    if (!target) return;
    const TKeyPress& press = keyPresses[random_.bounded(int(std::size(keyPresses)))];
    QTest::keyClick(target, press.key, press.modifiers);
}

void THostMonkey::TypeText(QWidget* target) {
    if (!target) return;
    if (random_.bounded(2)) {
        if (auto* edit = qobject_cast<QLineEdit*>(target)) edit->selectAll();
        QTest::keyClick(target, Qt::Key_Delete);
    }
    TypeCharacters(target, RandomText());
    if (random_.bounded(2))
        if (QWidget* focused = QApplication::focusWidget()) QTest::keyClick(focused, Qt::Key_Tab);
}

// What taxpayers type: dates (valid or not), amounts, names, and characters that are hard to
// store in a single-byte text.
QString THostMonkey::RandomText() {
    auto number = [&](int low, int high) { return int(random_.bounded(low, high + 1)); };
    switch (random_.bounded(5)) {
    case 0:
        return QString("%1/%2/%3")
            .arg(number(0, 32), 2, 10, QChar('0'))
            .arg(number(0, 13), 2, 10, QChar('0'))
            .arg(number(1890, 2010));
    case 1:
        return QString::number(number(-5000, 900000)) +
               (random_.bounded(2) ? "." + QString::number(number(0, 99)) : QString());
    case 2: {
        static const QStringList names = {"Mia", "Noah", "Sam", "O'Brien", "Lee-Ann", "Zoë"};
        return names[random_.bounded(names.size())];
    }
    case 3:
        return QString(number(0, 3), QChar('0'));
    default: {
        static const QString characters =
            QStringLiteral("aZ09 ./-,'\"<>&%$éü€ł\u4e2d;:#!?_()[]{}*+=@^~|\\");
        QString text;
        for (int i = number(1, 12); i > 0; --i)
            text += characters[random_.bounded(characters.size())];
        return text;
    }
    }
}

void THostMonkey::PickItem() {
    const QList<QAbstractItemView*> views = Reachable<QAbstractItemView>();
    if (views.isEmpty()) return;
    QAbstractItemView* view = views[random_.bounded(views.size())];
    QAbstractItemModel* model = view->model();
    if (!model || model->rowCount() == 0 || model->columnCount() == 0) return;
    const QModelIndex index =
        model->index(random_.bounded(model->rowCount()), random_.bounded(model->columnCount()));
    view->scrollTo(index);
    const QPoint centre = view->visualRect(index).center();
    if (random_.bounded(5) == 0)
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
    else
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
    if (random_.bounded(3) == 0) TypeText(QApplication::focusWidget());
}

void THostMonkey::ChooseComboItem() {
    const QList<QComboBox*> combos = Reachable<QComboBox>();
    if (combos.isEmpty()) return;
    QComboBox* combo = combos[random_.bounded(combos.size())];
    if (combo->count() == 0) return;
    combo->setFocus(Qt::MouseFocusReason);
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    view->setCurrentIndex(
        combo->model()->index(random_.bounded(combo->count()), combo->modelColumn()));
    QTest::keyClick(view, Qt::Key_Return);
}

// ---- boxes and dialogs: the run must go on, so every one is answered

// The answer runs from a posted call, not inside the watch's own timeout: a box it opens runs a
// nested loop, in which the watch must fire again to answer that one.
void THostMonkey::AnswerOpenModal() {
    // Inside a box's loop too, a switch half done must not leave two screens.
    if (failure_.isEmpty()) failure_ = CheckScreens();
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) {
        dialogActs_ = 0;
        return;
    }
    if (answerPending_) return;
    answerPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            answerPending_ = false;
            AnswerModal();
        },
        Qt::QueuedConnection);
}

void THostMonkey::AnswerModal() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        const QList<QAbstractButton*> buttons = box->buttons();
        if (buttons.isEmpty()) {
            box->done(QMessageBox::Cancel);
            return;
        }
        QTest::mouseClick(buttons[answers_.bounded(buttons.size())], Qt::LeftButton);
        return;
    }
    if (auto* dialog = qobject_cast<QDialog*>(modal)) ActInDialog(dialog);
}

// A few keys and texts, then Return or Escape; a dialog that stays open after that is cancelled.
void THostMonkey::ActInDialog(QDialog* dialog) {
    if (++dialogActs_ > 4) {
        dialog->reject();
        return;
    }
    QWidget* focused = QApplication::focusWidget();
    if (!focused || focused->window() != dialog) focused = dialog;
    switch (answers_.bounded(4)) {
    case 0:
        QTest::keyClicks(focused, QString::number(answers_.bounded(1000)));
        break;
    case 1:
        QTest::keyClick(focused, Qt::Key_Tab);
        break;
    case 2:
        QTest::keyClick(focused, Qt::Key_Return);
        break;
    default:
        QTest::keyClick(focused, Qt::Key_Escape);
    }
}

QString THostMonkey::CheckScreens() const {
    int alive = 0;
    for (QWidget* widget : QApplication::allWidgets())
        if (widget->inherits("TChildForm")) ++alive;
    return alive <= 1 ? QString() : QString("%1 question screens are alive at once").arg(alive);
}

void THostMonkey::Finish(const QString& failure) {
    finished_ = true;
    const int end = module_.FailedScreenIndex();
    const bool saved = module_.Free();
    modalWatch_.stop();
    QString problem = failure;
    if (problem.isEmpty() && !saved) problem = "the return could not be saved";
    if (problem.isEmpty())
        std::printf("monkey: PASS seed %u, %d steps, %s\n", limits_.seed, steps_,
                    ended_ ? qPrintable(QString("ended at %1").arg(end)) : "limit reached");
    else
        std::printf("monkey: FAIL seed %u after %d steps: %s\n", limits_.seed, steps_,
                    qPrintable(problem));
    std::fflush(stdout);
    QCoreApplication::exit(problem.isEmpty() ? 0 : 1);
}

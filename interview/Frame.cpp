#include "Frame.h"

#include "ui_Frame.h"

#include "AccessibleNames.h"
#include "ChildForm.h"
#include "ControlBinding.h"
#include "Cp1252.h"
#include "FieldStore.h"
#include "FontResizer.h"
#include "Guard.h"
#include "Help.h"
#include "Lookups.h"
#include "NavigatorData.h"
#include "NavigatorFrameUnit.h"
#include "Prompter.h"
#include "RunState.h"
#include "ScreenRegistry.h"
#include "TextLbl.h"
#include "XGrid.h"
#include "XGridInplaceEdit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QToolButton>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace {

TFrameWnd* theFrame = nullptr;

const QColor TitleColour(15, 68, 123);   // 8078351
const QColor PanelColour(235, 235, 235); // 15461355

void Paint(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

int CurrentScreenTarget() {
    return RunState().CurrentSection * 100 + RunState().CurrentItem;
}

void SetTarget(int section, int item) {
    RunState().CurrentSection = section;
    RunState().CurrentItem = item;
}

// Keeps the navigator's selection events off for a scope, so that building or focusing a screen
// never reads as the user's choice of a topic.
class TNavigatorQuiet {
public:
    explicit TNavigatorQuiet(TNavigatorFrame* navigator) : navigator_(navigator) {
        navigator_->SetSelectionEvents(false);
    }
    ~TNavigatorQuiet() { navigator_->SetSelectionEvents(true); }
    TNavigatorQuiet(const TNavigatorQuiet&) = delete;
    TNavigatorQuiet& operator=(const TNavigatorQuiet&) = delete;

private:
    TNavigatorFrame* navigator_;
};

} // namespace

TFrameWnd* FrameWnd() {
    return theFrame;
}

TFrameWnd::TFrameWnd(TFrameOwner* owner, QWidget* parent)
    : QWidget(parent), ui_(new Ui::TFrameWnd), owner_(owner) {
    theFrame = this;
    RunState().ScreenShown = false;
    goingBack_ = false;
    HandlerSlots().WorksheetListHandler = nullptr;
    BuildLayout();
    ConnectButtons();
    navigator_->SetSelectionEvents(false);
    navigator_->SetOnSelectItem(
        [this](TNavigatorFrame* sender, TNavigatorItem& item) { SelectItem(sender, item); });
    if (RunState().SupportMode)
        for (QWidget* button :
             std::initializer_list<QWidget*>{btnJump_, btnScan_, btnBack_, btnTags_, btnShowPrev_})
            button->show();
    fontResizer_ = new TFontResizer(this, clientPanel_);
    fontResizer_->Start();
}

TFrameWnd::~TFrameWnd() {
    delete screen_.data();
    if (theFrame == this) theFrame = nullptr;
}

// ---- layout

// The form gives the layout, captions and hints; colours, pixel fonts and the first
// visibility are set here.
void TFrameWnd::BuildLayout() {
    ui_->setupUi(this);
    setObjectName("FrameWnd");
    titleLabel_ = ui_->TitleLabel;
    btnTags_ = ui_->Tags;
    btnShowPrev_ = ui_->ShowPrev;
    btnBack_ = ui_->btnBack;
    btnScan_ = ui_->btnScan;
    imagePanel_ = ui_->ImagePanel;
    navigator_ = ui_->NavigatorFrame;
    actionPanel_ = ui_->ActionPanel;
    lstPickList_ = ui_->lstPickList;
    btnRemove_ = ui_->btnRemove;
    selectPanel_ = ui_->PanelFreeFormSelect;
    listBoxFFS_ = ui_->ListBoxFFS;
    bitBtn2_ = ui_->BitBtn2;
    label1_ = ui_->Label1;
    clientPanel_ = ui_->ClientPanel;
    btnMore_ = ui_->More;
    btnYes_ = ui_->Yes;
    btnNo_ = ui_->No;
    btnJump_ = ui_->Jump;
    btnPrev_ = ui_->Prev;
    btnNext_ = ui_->Next;
    btnCancel_ = ui_->Close;

    Paint(ui_->TitlePanel, TitleColour);
    Paint(imagePanel_, Qt::white);
    Paint(actionPanel_, PanelColour);
    Paint(selectPanel_, PanelColour);
    Paint(ui_->BtnPanel, Qt::white);
    QFont title = titleLabel_->font();
    title.setPixelSize(16);
    titleLabel_->setFont(title);
    for (QPushButton* button : ui_->BtnPanel->findChildren<QPushButton*>()) {
        QFont font = button->font();
        font.setPixelSize(13);
        font.setBold(button == btnYes_);
        button->setFont(font);
    }
    for (TTextLbl* header : {ui_->WsheetHdrLbl, ui_->TextLbl3}) {
        header->setText({"<s1><T1>Existing worksheets<.>"});
        header->setCurrentSection(1);
        header->setColor(PanelColour);
    }
    for (QWidget* hidden :
         std::initializer_list<QWidget*>{btnTags_, btnShowPrev_, btnBack_, btnScan_, navigator_,
                                         actionPanel_, selectPanel_, btnYes_, btnNo_, btnJump_})
        hidden->hide();
}

void TFrameWnd::ConnectButtons() {
    auto guarded = [this](void (TFrameWnd::*handler)()) {
        return [this, handler] { Guarded([&] { (this->*handler)(); }); };
    };
    connect(btnNext_, &QPushButton::clicked, this, guarded(&TFrameWnd::NextClick));
    connect(btnPrev_, &QPushButton::clicked, this, guarded(&TFrameWnd::PrevClick));
    connect(btnYes_, &QPushButton::clicked, this,
            [this] { Guarded([&] { YesNoClick(btnYes_); }); });
    connect(btnNo_, &QPushButton::clicked, this, [this] { Guarded([&] { YesNoClick(btnNo_); }); });
    connect(btnCancel_, &QPushButton::clicked, this, guarded(&TFrameWnd::CloseClick));
    connect(btnMore_, &QPushButton::clicked, this, guarded(&TFrameWnd::MoreClick));
    connect(btnJump_, &QPushButton::clicked, this, guarded(&TFrameWnd::JumpClick));
    connect(btnScan_, &QToolButton::clicked, this, guarded(&TFrameWnd::ScanForward));
    connect(btnBack_, &QToolButton::clicked, this, guarded(&TFrameWnd::ScanBack));
    connect(btnShowPrev_, &QToolButton::clicked, this, guarded(&TFrameWnd::ShowPrevClick));
    connect(btnTags_, &QToolButton::clicked, this, guarded(&TFrameWnd::TagsClick));
    connect(btnRemove_, &QPushButton::clicked, this, guarded(&TFrameWnd::RemoveClicked));
    connect(bitBtn2_, &QPushButton::clicked, this, guarded(&TFrameWnd::SelectionDeleteClicked));
    connect(lstPickList_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        Guarded([&] { PickListClicked(lstPickList_->row(item)); });
    });
    connect(listBoxFFS_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        Guarded([&] { SelectionListClicked(listBoxFFS_->row(item)); });
    });
    if (RunState().SupportMode) {
        auto* exitKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), this);
        connect(exitKey, &QShortcut::activated, this, [this] { Guarded([&] { owner_->Exit(); }); });
    }
}

void TFrameWnd::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (designedClient_.isEmpty()) {
        designedClient_ = clientPanel_->size();
        zoomNumerator_ = zoomDenominator_ = 1;
    }
}

// ---- events

bool TFrameWnd::event(QEvent* event) {
    if (event->type() == QEvent::Type(WM_SHOW_SCREEN)) {
        Guarded([&] { ShowScreen(); });
        return true;
    }
    bool handled = false;
    Guarded([&] { handled = QWidget::event(event); });
    return handled;
}

// The grid key handler: F6 and Shift+F6 leave the grid (its cell editor included) for the
// next or previous control; in the vision aids F8 describes the current column.
bool TFrameWnd::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    TXGrid* grid = qobject_cast<TXGrid*>(watched);
    if (!grid && watched->parent()) grid = qobject_cast<TXGrid*>(watched->parent()->parent());
    if (!grid) return QWidget::eventFilter(watched, event);
    if (key->key() == Qt::Key_F8 && key->modifiers() == Qt::NoModifier &&
        RunState().VisionImpairedMode) {
        Guarded([&] { ShowColumnDescription(grid); });
        return true;
    }
    if (key->key() != Qt::Key_F6) return QWidget::eventFilter(watched, event);
    const bool forward = key->modifiers() == Qt::NoModifier;
    if (!forward && key->modifiers() != Qt::ShiftModifier) return false;
    QWidget* next = forward ? grid->nextInFocusChain() : grid->previousInFocusChain();
    while (next != grid && (grid->isAncestorOf(next) || !next->isVisible() || !next->isEnabled() ||
                            !(next->focusPolicy() & Qt::TabFocus)))
        next = forward ? next->nextInFocusChain() : next->previousInFocusChain();
    next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

// ---- the switch

bool TFrameWnd::LeaveCheckPasses() {
    auto& handlers = HandlerSlots();
    if (!handlers.LeaveCheck) return true;
    TCloseAction action = TCloseAction::caNone;
    const TLeaveCheck check = handlers.LeaveCheck; // the check may replace the slot
    check(nullptr, action);
    const bool passed = RunState().ScreenValid;
    if (passed) handlers.LeaveCheck = nullptr;
    RunState().ScreenValid = true;
    return passed;
}

void TFrameWnd::ShowScreen() {
    if (closed_) return;
    // A box shown inside a switch runs a nested event loop; a switch asked for meanwhile waits
    // until this one has finished.
    if (switching_) {
        showPending_ = true;
        return;
    }
    switching_ = true;
    const bool switched = Guarded([&] {
        auto& state = RunState();
        if (skipLeaveCheck_) {
            skipLeaveCheck_ = false;
        } else if (screen_ &&
                   (state.CurrentSection != shownSection_ || state.CurrentItem != shownItem_) &&
                   !LeaveCheckPasses()) {
            SetTarget(shownSection_, shownItem_);
            return;
        }
        HandlerSlots().AnswerHandler = nullptr;
        LeaveCurrentScreen();
        if (shownSection_ > 0 && shownSection_ != state.CurrentSection) SetDataModified(true);
        ShowYesNo(false);
        btnCancel_->show();
        btnPrev_->show();
        screenId_ = CurrentScreenTarget();
        screenScaled_ = false;
        TChildForm* screen = nullptr;
        {
            const TNavigatorQuiet quiet(navigator_);
            screen = CreateScreen(screenId_);
        }
        if (!screen) {
            EndInterview();
            return;
        }
        PresentScreen(screen);
    });
    if (!switched) goingBack_ = false;
    switching_ = false;
    if (showPending_) {
        showPending_ = false;
        QCoreApplication::postEvent(this, new QEvent(QEvent::Type(WM_SHOW_SCREEN)));
    }
}

void TFrameWnd::LeaveCurrentScreen() {
    if (!screen_) return;
    StoreBoundControls(screen_);
    if (RunState().CurrentWorksheetGroup != 0) CloseWorksheet();
    delete screen_.data();
    HandlerSlots().LeaveCheck = nullptr;
    RunState().ScreenShown = false;
    navigator_->hide();
}

void TFrameWnd::PresentScreen(TChildForm* screen) {
    auto& state = RunState();
    screen_ = screen;
    state.ScreenShown = true;
    // A return saved on this screen already ends its history with it: a second entry would make
    // the first Prev after reopening the return stay where it is.
    const bool alreadyLast =
        !state.ScreenHistory.empty() && state.ScreenHistory.back() == screenId_;
    if (!goingBack_ && !alreadyLast &&
        (state.CurrentSection != shownSection_ || state.CurrentItem != shownItem_))
        state.ScreenHistory.push_back(screenId_);
    goingBack_ = false;
    shownSection_ = state.CurrentSection;
    shownItem_ = state.CurrentItem;
    label1_->setText(QString::number(screenId_));
    btnMore_->show();
    btnNext_->setVisible(btnNo_->isHidden());

    PrepareScreen(screen);
    screen->setParent(clientPanel_);
    clientPanel_->layout()->addWidget(screen);
    if (zoomNumerator_ != zoomDenominator_) {
        ScaleScreen(screen);
        screenScaled_ = true;
    }
    for (TXGrid* grid : screen->findChildren<TXGrid*>()) {
        grid->installEventFilter(this);
        if (grid->Editor()) grid->Editor()->installEventFilter(this);
    }
    if (state.VisionImpairedMode) ApplyVisionTabOrder(screen);

    screen->show();
    screen->raise();
    screen->FormShow();
    if (state.VisionImpairedMode) NameUnnamedControls(screen, screen->Caption());
    if (!screen->Caption().isEmpty()) titleLabel_->setText(screen->Caption());
    if (!navigator_->isHidden()) navigator_->SelectItemByScreenID(screenId_);
    btnNext_->setVisible(btnNo_->isHidden());
    {
        const TNavigatorQuiet quiet(navigator_);
        FocusScreen();
    }
    // Paint now without letting input, timers or posted switches in.
    screen->repaint();
}

void TFrameWnd::PrepareScreen(TChildForm* screen) {
    FillBoundControls(screen);
    for (QWidget* child : screen->findChildren<QWidget*>()) {
        child->setToolTip(QString());
        if (auto* label = qobject_cast<TTextLbl*>(child))
            connect(label, &TTextLbl::jumpClicked, this, &TFrameWnd::OnLabelJump,
                    Qt::UniqueConnection);
    }
    if (RunState().CurrentWorksheetGroup != 0) screen->SetWorksheetMark();
}

void TFrameWnd::FocusScreen() {
    screen_->setFocus(Qt::OtherFocusReason);
    if (QApplication::focusWidget() == screen_ ||
        !screen_->isAncestorOf(QApplication::focusWidget()))
        for (QWidget* next = screen_->nextInFocusChain(); screen_->isAncestorOf(next);
             next = next->nextInFocusChain())
            if (next->isVisible() && next->isEnabled() && (next->focusPolicy() & Qt::TabFocus)) {
                next->setFocus(Qt::TabFocusReason);
                break;
            }
    if (RunState().VisionImpairedMode) return;
    QWidget* focused = QApplication::focusWidget();
    if (focused && btnCancel_->parentWidget()->isAncestorOf(focused)) {
        if (btnYes_->isVisible() && btnYes_->isEnabled()) {
            btnYes_->setFocus();
        } else if (btnNext_->isVisible()) {
            btnNext_->setEnabled(true);
            btnNext_->setFocus();
        }
    }
}

namespace {

// The parent's children by position, each followed by the stops inside it when it is a mere
// container (a panel, a scroll box): a label the vision aids make a tab stop inside a scroll box
// is read with the box, not wherever it was created.
QList<QWidget*> TabStopsByPosition(QWidget* parent) {
    QList<QWidget*> children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    std::stable_sort(children.begin(), children.end(), [](QWidget* a, QWidget* b) {
        if (std::abs(a->y() - b->y()) < 12) return a->x() < b->x();
        return a->y() < b->y();
    });
    QList<QWidget*> stops;
    for (QWidget* child : children) {
        stops << child;
        if (!(child->focusPolicy() & Qt::TabFocus) || qobject_cast<QScrollArea*>(child))
            for (QWidget* inner : TabStopsByPosition(child))
                if (inner->focusPolicy() & Qt::TabFocus) stops << inner;
    }
    return stops;
}

} // namespace

void TFrameWnd::ApplyVisionTabOrder(TChildForm* screen) {
    QList<QWidget*> labels;
    for (TTextLbl* label : screen->findChildren<TTextLbl*>()) {
        label->setMode(TTextLbl::tlmVisionImpaired);
        labels << label;
    }
    if (!screen->TabToTextLabels) return;
    for (QWidget* label : labels)
        label->setFocusPolicy(Qt::StrongFocus);
    const QList<QWidget*> stops = TabStopsByPosition(screen);
    for (int i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops[i - 1], stops[i]);
}

void TFrameWnd::EndInterview() {
    RunState().FailedScreenId = screenId_;
    if (owner_ && owner_->CloseQuery()) owner_->CloseHandler(btnYes_);
}

void TFrameWnd::ShowYesNo(bool shown) {
    btnYes_->setVisible(shown);
    btnNo_->setVisible(shown);
    btnNext_->setVisible(!shown);
}

// ---- buttons

template <class F>
void TFrameWnd::RunFlowButton(F&& move) {
    // A click that arrives while a switch is running does nothing.
    if (flowBusy_ || switching_ || closed_) return;
    flowBusy_ = true;
    const bool ok = Guarded(move);
    flowBusy_ = false;
    if (!ok) goingBack_ = false;
}

void TFrameWnd::NextClick() {
    RunFlowButton([&] {
        if (HandlerSlots().AnswerHandler)
            HandlerSlots().AnswerHandler(btnNext_);
        else
            ++RunState().CurrentItem;
        ShowScreen();
    });
}

void TFrameWnd::PrevClick() {
    RunFlowButton([&] {
        auto& state = RunState();
        if (state.CurrentSection == 78 && state.CurrentItem == PrevBlockedItem()) {
            ShowMessageBox("For data integrity reasons the previous button has been "
                           "disabled.\r\n\r\nPlease work forward through the screens until you "
                           "reach navigation screen.",
                           mkInformation, mbOK);
            return;
        }
        auto& history = state.ScreenHistory;
        if (history.size() <= 1) {
            if (state.CurrentSection == 0 && state.CurrentItem == 2) {
                SetTarget(0, 0);
                goingBack_ = true;
                ShowScreen();
            }
            return;
        }
        const int target = history[history.size() - 2];
        SetTarget(target / 100, target % 100);
        goingBack_ = true;
        ShowScreen();
        // The entry of the screen left goes only when the move happened.
        if (shownSection_ * 100 + shownItem_ == target || !screen_) history.pop_back();
        goingBack_ = false;
    });
}

void TFrameWnd::SelectItem(TNavigatorFrame* sender, TNavigatorItem& item) {
    if (closed_ || switching_) return;
    const int target = item.ScreenId;
    if (target < 0) {
        ShowMessageBox(item.Caption, mkPlain, mbOK);
    } else {
        RunFlowButton([&] {
            if (screen_ && btnNext_->isVisible() && HandlerSlots().AnswerHandler)
                HandlerSlots().AnswerHandler(sender);
            SetTarget(target / 100, target % 100);
            ShowScreen();
        });
    }
    // Where the jump was refused, the topic of the screen still on display is chosen again.
    if (screen_ && !navigator_->isHidden()) navigator_->SelectItemByScreenID(screenId_);
}

void TFrameWnd::YesNoClick(QObject* sender) {
    if (closed_ || switching_) return;
    if (HandlerSlots().AnswerHandler) HandlerSlots().AnswerHandler(sender);
    btnNext_->setEnabled(true);
}

void TFrameWnd::CloseClick() {
    if (closed_) return;
    if (owner_->CloseQuery()) owner_->CloseHandler(btnCancel_);
}

void TFrameWnd::MoreClick() {
    if (screen_) ShowHelpTopic(screen_->HelpContext());
}

void TFrameWnd::LinkClicked(int jumpId, const QString& url) {
    if (!url.isEmpty())
        QDesktopServices::openUrl(QUrl(url));
    else
        ShowHelpTopic(jumpId);
}

void TFrameWnd::JumpClick() {
    if (closed_ || switching_) return;
    bool accepted = false;
    const QString answer =
        QInputDialog::getText(this, "Jump", "Enter screen number to jump to: ", QLineEdit::Normal,
                              QString(), &accepted)
            .trimmed();
    if (!accepted || answer.isEmpty()) return;
    bool number = false;
    const qlonglong value = answer.toLongLong(&number);
    if (!number) {
        ShowMessageBox("'" + Utf8ToCp1252(answer.toStdString()) + "' is not a valid screen number.",
                       mkWarning, mbOK);
        return;
    }
    const int id = int(value & 0xFFFF);
    SetTarget(id / 100, id % 100);
    ShowYesNo(false);
    btnNext_->setEnabled(true);
    owner_->ShowSupportToolButtons();
    ShowScreen();
}

void TFrameWnd::ScanForward() {
    if (closed_ || switching_) return;
    auto& state = RunState();
    if (++state.CurrentItem > 60) {
        if (state.CurrentSection > 81)
            state.CurrentItem = 60;
        else
            SetTarget(state.CurrentSection + 1, 1);
    }
    ShowScreen();
}

void TFrameWnd::ScanBack() {
    if (closed_ || switching_) return;
    auto& state = RunState();
    if (state.CurrentItem >= 2)
        --state.CurrentItem;
    else if (state.CurrentSection != 0)
        SetTarget(state.CurrentSection - 1, 60);
    ShowScreen();
}

void TFrameWnd::ShowPrevClick() {
    std::string text = "The last 10 screens are: \r\n\r\n";
    const auto& history = RunState().ScreenHistory;
    const std::size_t shown = std::min<std::size_t>(history.size(), 11);
    for (std::size_t i = 0; i < shown; ++i)
        text += "\r\n" + std::to_string(history[history.size() - 1 - i]);
    ShowMessageBox(text, mkPlain, mbOK);
}

void TFrameWnd::ExclusiveCheckBox(QAbstractButton* checkBox) {
    if (!checkBox->isChecked() || !checkBox->parentWidget()) return;
    for (QCheckBox* other :
         checkBox->parentWidget()->findChildren<QCheckBox*>(Qt::FindDirectChildrenOnly))
        if (other != checkBox) other->setChecked(false);
}

void TFrameWnd::CloseFrame() {
    if (closed_) return;
    if (screen_) StoreBoundControls(screen_);
    if (RunState().CurrentWorksheetGroup != 0) CloseWorksheet();
    delete screen_.data();
    HandlerSlots() = THandlerSlots{};
    RunState().ScreenShown = false;
    closed_ = true;
    for (QWidget* button : findChildren<QAbstractButton*>())
        button->setEnabled(false);
}

// ---- zoom

void TFrameWnd::Zoom() {
    if (designedClient_.width() <= 0 || designedClient_.height() <= 0) return;
    const auto [numerator, denominator] = ScaleRatio(clientPanel_->size(), designedClient_);
    if (numerator == zoomNumerator_ && denominator == zoomDenominator_) return;
    navigator_->SetSelectionEvents(false);
    if (screenScaled_ &&
        double(zoomNumerator_) / zoomDenominator_ >= double(numerator) / denominator)
        ScaleFonts(1, 1);
    else
        ScaleFonts(numerator, denominator);
    zoomNumerator_ = numerator;
    zoomDenominator_ = denominator;
    skipLeaveCheck_ = true;
    QCoreApplication::postEvent(this, new QEvent(QEvent::Type(WM_SHOW_SCREEN)));
    navigator_->SetSelectionEvents(true);
}

// Positions, sizes and fonts of the screen's controls by the zoom; labels and grids scale
// their own contents.
void TFrameWnd::ScaleScreen(TChildForm* screen) {
    const int numerator = zoomNumerator_, denominator = zoomDenominator_;
    auto scaled = [&](int value) { return value * numerator / denominator; };
    for (QWidget* child : screen->findChildren<QWidget*>()) {
        if (child->parentWidget()->layout()) continue;
        const QRect r = child->geometry();
        child->setGeometry(scaled(r.x()), scaled(r.y()), scaled(r.width()), scaled(r.height()));
        if (auto* label = qobject_cast<TTextLbl*>(child)) label->setZoom(numerator, denominator);
        if (auto* grid = qobject_cast<TXGrid*>(child)) grid->Zoom(100, scaled(100));
    }
    QFont font = screen->font();
    font.setPointSizeF(font.pointSizeF() * numerator / denominator);
    screen->setFont(font);
}

// The zoom sizes the title and the button row itself, over the font resizer.
void TFrameWnd::ScaleFonts(int numerator, int denominator) {
    fontResizer_->Scale(numerator, denominator,
                        {titleLabel_, navigator_, btnCancel_, btnNext_, btnPrev_, btnRemove_,
                         btnNo_, btnYes_, btnMore_});
}

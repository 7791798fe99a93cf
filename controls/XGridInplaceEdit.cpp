#include "XGridInplaceEdit.h"

#include "XGrid.h"

#include <QKeyEvent>
#include <QStyle>
#include <QToolButton>

TXGridInplaceEdit::TXGridInplaceEdit(TXGrid* grid, QWidget* parent)
    : QLineEdit(parent), FGrid(grid), FButton(new QToolButton(this)) {
    setFrame(false);
    FButton->setCursor(Qt::ArrowCursor);
    FButton->setFocusPolicy(Qt::NoFocus);
    FButton->setProperty("togglesPopup", true);
    FButton->hide();
    connect(FButton, &QToolButton::clicked, this, [this] {
        if (FButtonKind == btDropDown)
            FGrid->TogglePickList();
        else
            FGrid->RaiseEllipsis();
    });
}

void TXGridInplaceEdit::SetButton(TButton button) {
    FButtonKind = button;
    FButton->setVisible(button != btNone);
    FButton->setArrowType(button == btDropDown ? Qt::DownArrow : Qt::NoArrow);
    FButton->setText(button == btEllipsis ? "..." : QString());
    FButton->setAutoRaise(button == btDropDown);
    PlaceButton();
}

void TXGridInplaceEdit::PlaceButton() {
    const int width = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    FButton->setGeometry(this->width() - width, 0, width, height());
    setTextMargins(2, 0, FButtonKind == btNone ? 0 : width, 0);
}

void TXGridInplaceEdit::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    PlaceButton();
}

// Tab never reaches keyPressEvent: the widget would move the focus first.
bool TXGridInplaceEdit::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
            FGrid->HandleGridKey(key))
            return true;
    }
    return QLineEdit::event(event);
}

void TXGridInplaceEdit::keyPressEvent(QKeyEvent* event) {
    if (FGrid->HandleGridKey(event)) return;
    const QString typed = event->text();
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (typed.size() == 1 && !shortcut) {
        QChar ch = typed[0];
        if (!FGrid->AcceptCellKey(ch, hasSelectedText())) return;
        if (ch != typed[0]) {
            insert(QString(ch));
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void TXGridInplaceEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        FGrid->EnteredByKeyboard();
}

void TXGridInplaceEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    FGrid->ClosePickList(false);
}

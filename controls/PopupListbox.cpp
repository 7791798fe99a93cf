#include "PopupListbox.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>

namespace {
constexpr int SearchPauseMs = 2000;
constexpr int SearchMaxLength = 32;
} // namespace

TPopupListbox::TPopupListbox(QWidget* parent) : QListWidget(parent) {
    // A tool-tip window is never activated, so the focus stays in the cell editor.
    setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
}

void TPopupListbox::Open(const QStringList& entries, int rows, const QRect& cell, int minWidth,
                         const QString& current) {
    clear();
    addItems(entries);
    ResetSearch();
    int widest = 0;
    for (const QString& entry : entries)
        widest = std::max(widest, fontMetrics().horizontalAdvance(entry));
    const int width = std::max(minWidth, widest + 10);
    const int rowHeight = std::max(1, sizeHintForRow(0));
    const int height = std::max(1, rows) * rowHeight + 2 * frameWidth();
    resize(width + (rows < entries.size() ? verticalScrollBar()->sizeHint().width() : 0), height);

    QPoint at = cell.bottomLeft() + QPoint(0, 1);
    const QScreen* screen = QGuiApplication::screenAt(cell.center());
    if (screen && at.y() + height > screen->availableGeometry().bottom())
        at.setY(cell.top() - height);
    move(at);
    SelectFirstBeginningWith(current);
    show();
    qApp->installEventFilter(this);
}

void TPopupListbox::Close() {
    hide();
}

void TPopupListbox::hideEvent(QHideEvent* event) {
    qApp->removeEventFilter(this);
    QListWidget::hideEvent(event);
}

void TPopupListbox::SelectFirstBeginningWith(const QString& prefix) {
    setCurrentRow(-1);
    if (prefix.isEmpty()) return;
    for (int i = 0; i < count(); ++i) {
        if (item(i)->text().startsWith(prefix, Qt::CaseInsensitive)) {
            setCurrentRow(i);
            scrollToItem(item(i));
            return;
        }
    }
}

void TPopupListbox::Search(QChar ch) {
    if (!FLastKey.isValid() || FLastKey.elapsed() > SearchPauseMs) ResetSearch();
    FLastKey.restart();
    if (FSearch.size() < SearchMaxLength) FSearch += ch;
    SelectFirstBeginningWith(FSearch);
}

QString TPopupListbox::SelectedEntry() const {
    const QListWidgetItem* selected = currentItem();
    return selected ? selected->text() : QString();
}

void TPopupListbox::mousePressEvent(QMouseEvent* event) {
    if (QListWidgetItem* hit = itemAt(event->position().toPoint())) {
        const QString entry = hit->text();
        Close();
        emit Accepted(entry);
    }
}

// A press anywhere outside the list cancels it.
bool TPopupListbox::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && IsOpen()) {
        auto* widget = qobject_cast<QWidget*>(watched);
        // The drop-down arrow toggles the list itself.
        if (widget && widget->window() != this && !widget->property("togglesPopup").toBool()) {
            Close();
            emit Cancelled();
        }
    }
    return QListWidget::eventFilter(watched, event);
}

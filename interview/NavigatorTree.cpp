#include "NavigatorTree.h"

#include "NavigatorData.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

constexpr int ItemRole = Qt::UserRole + 1;

// 0 collapsed, 1 selected and collapsed, 2 expanded, 3 selected and expanded: pointing right
// when collapsed, down when expanded. Selected ones are white with a black edge: a selected
// topic's row is black, except when expanded over its selected item.
QPixmap Arrow(bool expanded, bool selected) {
    const int size = TNavigatorTreeView::ArrowSize;
    QPixmap image(size, size);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(selected ? QPen(Qt::black, 1) : Qt::NoPen);
    painter.setBrush(selected ? Qt::white : Qt::black);
    const QPolygonF right{{3, 1}, {10, 6}, {3, 11}};
    const QPolygonF down{{1, 3}, {11, 3}, {6, 10}};
    painter.drawPolygon(expanded ? down : right);
    return image;
}

// Rows of one height, taller only when the zoom makes the font too large for it.
class TRowHeightDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(),
                std::max(TNavigatorTreeView::RowHeight, option.fontMetrics.height() + 4)};
    }
};

} // namespace

TNavigatorTreeView::TNavigatorTreeView(QWidget* parent)
    : QTreeWidget(parent),
      colour_(235, 235, 235), arrowImageList_{Arrow(false, false), Arrow(false, true),
                                              Arrow(true, false), Arrow(true, true)} {
    setHeaderHidden(true);
    setColumnCount(1);
    setIndentation(15);
    setRootIsDecorated(true);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setItemDelegate(new TRowHeightDelegate(this));
}

TNavigatorItem* TNavigatorTreeView::ItemOf(const QTreeWidgetItem* node) {
    return node ? static_cast<TNavigatorItem*>(node->data(0, ItemRole).value<void*>()) : nullptr;
}

void TNavigatorTreeView::SetItem(QTreeWidgetItem* node, TNavigatorItem* item) {
    node->setData(0, ItemRole, QVariant::fromValue(static_cast<void*>(item)));
}

void TNavigatorTreeView::SetColour(const QColor& colour) {
    colour_ = colour;
    QPalette palette = viewport()->palette();
    palette.setColor(QPalette::Base, colour);
    viewport()->setPalette(palette);
    viewport()->update();
}

// An expanded topic whose selected item shows below it leaves the highlight to the item.
bool TNavigatorTreeView::Highlighted(const QModelIndex& index) const {
    const QTreeWidgetItem* node = itemFromIndex(index);
    const TNavigatorItem* item = ItemOf(node);
    if (!item || !item->Selected) return false;
    if (node->parent() || !node->isExpanded()) return true;
    for (int i = 0; i < node->childCount(); ++i)
        if (const TNavigatorItem* child = ItemOf(node->child(i)); child && child->Selected)
            return false;
    return true;
}

int TNavigatorTreeView::ArrowIndex(const QModelIndex& index) const {
    const QTreeWidgetItem* node = itemFromIndex(index);
    const TNavigatorItem* item = ItemOf(node);
    const bool selected = item && item->Selected;
    return (node->isExpanded() ? 2 : 0) + (selected ? 1 : 0);
}

void TNavigatorTreeView::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    const QTreeWidgetItem* node = itemFromIndex(index);
    const TNavigatorItem* item = ItemOf(node);
    if (!item) return;
    const QRect row(0, option.rect.top(), viewport()->width(), option.rect.height());
    const bool highlighted = Highlighted(index);
    painter->save();
    painter->fillRect(row, highlighted ? QColor(Qt::black) : colour_);
    painter->setPen(Qt::white);
    painter->drawLine(row.topLeft(), row.topRight());
    painter->drawLine(row.bottomLeft(), row.bottomRight());

    const int labelLeft = visualRect(index).left();
    if (!node->parent() && node->childCount() > 0) {
        const int x = labelLeft - 20 + 2 + (row.height() - ArrowSize) / 2;
        const int y = row.top() + (row.height() - ArrowSize) / 2;
        painter->drawPixmap(x, y, arrowImageList_[std::size_t(ArrowIndex(index))]);
    }
    painter->setFont(font());
    painter->setPen(highlighted ? Qt::white : Qt::black);
    const QString caption = QString::fromStdString(item->Caption);
    const auto drawAt = [&](int left, const QString& text) {
        painter->drawText(QRect(left, row.top(), row.right() - left, row.height()),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    };
    if (node->parent() && !item->QuestionNumber.empty()) {
        const QString number = QString::fromStdString(item->QuestionNumber) + " - ";
        const int numberLeft =
            labelLeft + 20 + 2 - painter->fontMetrics().horizontalAdvance(number);
        drawAt(numberLeft, number);
        drawAt(labelLeft + 22, caption);
    } else {
        drawAt(labelLeft + 2, caption);
    }
    painter->restore();
}

void TNavigatorTreeView::mousePressEvent(QMouseEvent* event) {
    pressing_ = true;
    QTreeWidget::mousePressEvent(event);
    pressing_ = false;
}

void TNavigatorTreeView::mouseReleaseEvent(QMouseEvent* event) {
    QTreeWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) emit Clicked(event->position().toPoint());
}

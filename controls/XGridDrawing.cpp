#include "XGridDrawing.h"

#include "XGrid.h"

#include <QPainter>

TCellDelegate::TCellDelegate(TXGrid* grid) : QStyledItemDelegate(grid), FGrid(grid) {}

void TCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const {
    const TXGridColumn& column = FGrid->Column(index.column());
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette& pal = option.palette;
    painter->fillRect(option.rect, selected ? pal.highlight() : pal.base());
    QRect text = option.rect.adjusted(3, 0, -3, 0);
    if (column.dropDown) {
        const int width = FGrid->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        QStyleOption arrow;
        arrow.rect =
            QRect(option.rect.right() - width + 1, option.rect.top(), width, option.rect.height())
                .adjusted(4, 6, -4, -6);
        arrow.palette = pal;
        arrow.state = QStyle::State_None;
        FGrid->style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, painter, FGrid);
        text.setRight(text.right() - width);
    }
    const Qt::Alignment horizontal = column.type == ctNumber ? Qt::AlignRight : Qt::AlignLeft;
    painter->setPen(selected ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::Text));
    painter->drawText(text, horizontal | Qt::AlignVCenter | Qt::TextWordWrap,
                      index.data().toString());
}

TTitleHeader::TTitleHeader(TXGrid* grid) : QHeaderView(Qt::Horizontal, grid), FGrid(grid) {}

void TTitleHeader::paintSection(QPainter* painter, const QRect& rect, int section) const {
    painter->save();
    painter->fillRect(rect, FGrid->fixedColor());
    painter->setPen(palette().color(QPalette::Mid));
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    painter->setPen(Qt::black);
    if (const QTableWidgetItem* title = FGrid->horizontalHeaderItem(section))
        painter->drawText(rect.adjusted(4, 2, -4, -2),
                          int(title->textAlignment()) | Qt::TextWordWrap, title->text());
    painter->restore();
}

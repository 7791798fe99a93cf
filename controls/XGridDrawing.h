#pragma once
// How the grid draws its cells and its title row.

#include <QHeaderView>
#include <QStyledItemDelegate>

class TXGrid;

// Data cells 3 pixels in, numbers to the right, vertically centred and word-wrapped; drop-down
// columns show an inactive arrow in every cell.
class TCellDelegate : public QStyledItemDelegate {
public:
    explicit TCellDelegate(TXGrid* grid);
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    TXGrid* FGrid;
};

// Titles inset by 4 pixels left and right and 2 top and bottom, word-wrapped, always in black on
// the grid's fixed colour.
class TTitleHeader : public QHeaderView {
public:
    explicit TTitleHeader(TXGrid* grid);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int section) const override;

private:
    TXGrid* FGrid;
};

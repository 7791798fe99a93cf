#pragma once
// The navigator's tree: every row drawn by us from the topic data's selection marks, with our own
// arrows in front of topics that have items.

#include <QPixmap>
#include <QTreeWidget>

#include <array>

class TNavigatorItem;

class TNavigatorTreeView : public QTreeWidget {
    Q_OBJECT

public:
    explicit TNavigatorTreeView(QWidget* parent = nullptr);

    static constexpr int RowHeight = 20;
    static constexpr int ArrowSize = 12;

    // The topic or item a node shows; nodes carry it from Initialise on.
    static TNavigatorItem* ItemOf(const QTreeWidgetItem* node);
    static void SetItem(QTreeWidgetItem* node, TNavigatorItem* item);
    // Black text and white lines on this colour; selected rows are black with white text.
    void SetColour(const QColor& colour);
    // True while a mouse press is being handled: the tree's change then waits for the click.
    bool Pressing() const { return pressing_; }

signals:
    // After a click has been handled by the tree: the point in the viewport.
    void Clicked(const QPoint& position);

protected:
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;
    void drawBranches(QPainter*, const QRect&, const QModelIndex&) const override {}
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool Highlighted(const QModelIndex& index) const;
    int ArrowIndex(const QModelIndex& index) const;

    QColor colour_;
    std::array<QPixmap, 4> arrowImageList_;
    bool pressing_ = false;
};

#pragma once
// The editor that always lies over a grid's current cell. It filters typed characters by the
// cell's column and hands the grid's own keys (Tab, arrows, Ctrl+Insert, ...) to the grid.

#include <QLineEdit>

class QToolButton;
class TXGrid;

class TXGridInplaceEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TXGridInplaceEdit(TXGrid* grid, QWidget* parent);

    enum TButton { btNone, btDropDown, btEllipsis };
    void SetButton(TButton button);
    TButton Button() const { return FButtonKind; }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void PlaceButton();

    TXGrid* FGrid;
    QToolButton* FButton;
    TButton FButtonKind = btNone;
};

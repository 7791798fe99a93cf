#pragma once
// The floating list a grid's pick-list cell drops down. It never takes the focus: the cell
// editor keeps it and hands its keys over, so typing searches the list.

#include <QElapsedTimer>
#include <QListWidget>

class TPopupListbox : public QListWidget {
    Q_OBJECT
public:
    explicit TPopupListbox(QWidget* parent = nullptr);

    // Shows the entries below (or above) the cell rectangle given in global coordinates.
    void Open(const QStringList& entries, int rows, const QRect& cell, int minWidth,
              const QString& current);
    void Close();
    bool IsOpen() const { return isVisible(); }
    // Incremental search: selects the first entry beginning with the characters typed so far.
    void Search(QChar ch);
    void ResetSearch() { FSearch.clear(); }
    QString SearchText() const { return FSearch; }
    // The selected entry; empty when none.
    QString SelectedEntry() const;

signals:
    void Accepted(const QString& entry);
    void Cancelled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void SelectFirstBeginningWith(const QString& prefix);

    QString FSearch;
    QElapsedTimer FLastKey;
};

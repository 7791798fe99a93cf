#pragma once
// Long hints of the module's windows wrap so that no tool tip is wider than a set width. The
// tip itself stays Qt's: only the text is broken into lines, so no control changes its look and
// the host's own tips are left alone.

#include <QObject>

class QWidget;

class TToolTipWidthLimit : public QObject {
public:
    // Watches the tips of `root` and of every window it owns; lives as long as `root`.
    TToolTipWidthLimit(QWidget* root, int maxWidth);

    // The plain text broken at word boundaries so that its tip is at most maxWidth pixels wide;
    // rich text and text that already fits come back unchanged.
    static QString Wrapped(const QString& text, int maxWidth);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Owns(const QWidget* widget) const;

    QWidget* root_;
    int maxWidth_;
};

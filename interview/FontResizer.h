#pragma once
// Keeps a window's own controls legible at any size: when the window is resized, every
// control's font becomes its designed size times the window's scale, kept between 8 and 48
// points. A font designed outside those bounds is never pushed further out.

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QWidget>

#include <utility>
#include <vector>

// The scale of `current` against `designed` as numerator and denominator: the width's, or the
// height's when that is smaller. {1, 1} when the designed size is empty.
std::pair<int, int> ScaleRatio(QSize current, QSize designed);

class TFontResizer : public QObject {
public:
    // The controls inside `excluded` (the screens) are scaled by other means.
    TFontResizer(QWidget* window, QWidget* excluded);

    // Takes the window's size and its controls' fonts as designed, and follows its resizes.
    void Start();
    // The given controls (all of them when empty) at their designed fonts scaled by the ratio.
    void Scale(int numerator, int denominator, const std::vector<QWidget*>& only = {});
    QFont DesignedFont(const QWidget* control) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QFont Scaled(const QFont& designed, double ratio) const;

    QWidget* window_;
    QWidget* excluded_;
    QSize designedSize_;
    std::vector<std::pair<QPointer<QWidget>, QFont>> designedFonts_;
};

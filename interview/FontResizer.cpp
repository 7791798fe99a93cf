#include "FontResizer.h"

#include <QEvent>

#include <algorithm>
#include <cmath>

namespace {

constexpr double MinPoints = 8;
constexpr double MaxPoints = 48;

int Rounded(double size) {
    return int(std::nearbyint(size)); // halves to even
}

} // namespace

std::pair<int, int> ScaleRatio(QSize current, QSize designed) {
    if (designed.width() <= 0 || designed.height() <= 0) return {1, 1};
    if (double(current.height()) / designed.height() < double(current.width()) / designed.width())
        return {current.height(), designed.height()};
    return {current.width(), designed.width()};
}

TFontResizer::TFontResizer(QWidget* window, QWidget* excluded)
    : QObject(window), window_(window), excluded_(excluded) {}

void TFontResizer::Start() {
    designedSize_ = window_->size();
    designedFonts_.clear();
    for (QWidget* control : window_->findChildren<QWidget*>())
        if (control != excluded_ && !excluded_->isAncestorOf(control))
            designedFonts_.emplace_back(control, control->font());
    window_->installEventFilter(this);
}

QFont TFontResizer::DesignedFont(const QWidget* control) const {
    for (const auto& [widget, font] : designedFonts_)
        if (widget == control) return font;
    return control->font();
}

QFont TFontResizer::Scaled(const QFont& designed, double ratio) const {
    QFont font = designed;
    if (designed.pixelSize() > 0) {
        const double pixelsPerPoint = window_->logicalDpiY() / 72.0;
        const double size = designed.pixelSize();
        const double low = std::min(size, MinPoints * pixelsPerPoint);
        const double high = std::max(size, MaxPoints * pixelsPerPoint);
        font.setPixelSize(Rounded(std::clamp(size * ratio, low, high)));
    } else {
        const double size = designed.pointSizeF();
        const double low = std::min(size, MinPoints), high = std::max(size, MaxPoints);
        font.setPointSizeF(std::clamp(double(Rounded(size * ratio)), low, high));
    }
    return font;
}

void TFontResizer::Scale(int numerator, int denominator, const std::vector<QWidget*>& only) {
    const double ratio = double(numerator) / denominator;
    for (const auto& [control, designed] : designedFonts_)
        if (control && (only.empty() || std::find(only.begin(), only.end(), control) != only.end()))
            control->setFont(Scaled(designed, ratio));
}

bool TFontResizer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::Resize) {
        const auto [numerator, denominator] = ScaleRatio(window_->size(), designedSize_);
        Scale(numerator, denominator);
    }
    return false;
}

#include "ToolTipWidth.h"

#include <QApplication>
#include <QHelpEvent>
#include <QStyle>
#include <QTextLayout>
#include <QToolTip>
#include <QWidget>

namespace {

// What a tip label adds around its text: its margin on both sides (one pixel plus the style's
// frame), its indent, and the pixel the tip adds to its size hint.
int TipChrome() {
    const int frame = QApplication::style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth);
    return 2 * (1 + frame) + 1 + 1;
}

QStringList WrappedParagraph(const QString& paragraph, int width) {
    QTextLayout layout(paragraph, QToolTip::font());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << paragraph.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines;
}

} // namespace

TToolTipWidthLimit::TToolTipWidthLimit(QWidget* root, int maxWidth)
    : QObject(root), root_(root), maxWidth_(maxWidth) {
    qApp->installEventFilter(this);
}

QString TToolTipWidthLimit::Wrapped(const QString& text, int maxWidth) {
    if (Qt::mightBeRichText(text)) return text;
    const int width = maxWidth - TipChrome();
    QStringList lines;
    for (const QString& paragraph : text.split('\n'))
        lines << (paragraph.isEmpty() ? QStringList{QString()}
                                      : WrappedParagraph(paragraph, width));
    const QString wrapped = lines.join('\n');
    return wrapped.count('\n') == text.count('\n') ? text : wrapped;
}

bool TToolTipWidthLimit::Owns(const QWidget* widget) const {
    for (; widget; widget = widget->parentWidget())
        if (widget == root_) return true;
    return false;
}

bool TToolTipWidthLimit::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    const QString text = widget->toolTip();
    if (text.isEmpty() || !Owns(widget)) return false;
    const QString wrapped = Wrapped(text, maxWidth_);
    if (wrapped == text) return false;
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), wrapped, widget, QRect(),
                       widget->toolTipDuration());
    return true;
}

#include "AccessibleNames.h"

#include "TextLbl.h"

#include <QAccessible>
#include <QLabel>
#include <QWidget>

#include <limits>

namespace {

// Tops closer than this are one row, as in the vision aids' tab order.
constexpr int RowTolerance = 12;

struct TPlacedText {
    QRect area; // in the screen's coordinates
    QString text;
};

QString ShownLabelText(const QWidget* widget) {
    if (auto* marked = qobject_cast<const TTextLbl*>(widget))
        return marked->plainText().simplified();
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return label->text().remove('&').simplified();
    return {};
}

QList<TPlacedText> ShownLabels(QWidget* screen) {
    QList<TPlacedText> labels;
    for (QWidget* widget : screen->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(screen)) continue;
        const QString text = ShownLabelText(widget);
        if (!text.isEmpty())
            labels.push_back({QRect(widget->mapTo(screen, QPoint()), widget->size()), text});
    }
    return labels;
}

bool Named(QWidget* control) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    return accessible && !accessible->text(QAccessible::Name).trimmed().isEmpty();
}

bool NeedsName(QWidget* control, QWidget* screen) {
    return (control->focusPolicy() & Qt::TabFocus) && control->isVisibleTo(screen) &&
           !qobject_cast<TTextLbl*>(control) && !Named(control);
}

// The label on the control's row ending nearest to its left edge, else the nearest ending above.
QString NearestLabel(const QRect& control, const QList<TPlacedText>& labels) {
    const TPlacedText* beside = nullptr;
    const TPlacedText* above = nullptr;
    int besideGap = std::numeric_limits<int>::max();
    int aboveGap = std::numeric_limits<int>::max();
    for (const TPlacedText& label : labels) {
        if (std::abs(label.area.top() - control.top()) < RowTolerance &&
            label.area.left() < control.left()) {
            const int gap = std::abs(control.left() - label.area.right());
            if (gap < besideGap) besideGap = gap, beside = &label;
        } else if (label.area.top() < control.top() - RowTolerance / 2) {
            const int gap = std::abs(control.top() - label.area.bottom());
            if (gap < aboveGap) aboveGap = gap, above = &label;
        }
    }
    if (beside) return beside->text;
    return above ? above->text : QString();
}

} // namespace

void NameUnnamedControls(QWidget* screen, const QString& fallback) {
    const QList<TPlacedText> labels = ShownLabels(screen);
    for (QWidget* control : screen->findChildren<QWidget*>()) {
        if (!NeedsName(control, screen)) continue;
        const QString name =
            NearestLabel(QRect(control->mapTo(screen, QPoint()), control->size()), labels);
        control->setAccessibleName(name.isEmpty() ? fallback : name);
    }
}

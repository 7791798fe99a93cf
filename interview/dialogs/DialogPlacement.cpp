#include "DialogPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void CentreOn(QWidget* dialog, const QWidget* owner) {
    QRect area;
    if (owner)
        area = owner->window()->geometry();
    else if (const QScreen* display = QGuiApplication::primaryScreen())
        area = display->availableGeometry();
    if (area.isValid()) dialog->move(area.center() - dialog->rect().center());
}

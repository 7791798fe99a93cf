#pragma once
// Where the dialogs open.

class QWidget;

// Centres `dialog` on `owner`'s window, or on the primary screen without an owner.
void CentreOn(QWidget* dialog, const QWidget* owner);

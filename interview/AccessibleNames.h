#pragma once
// Names for screen readers. Question screens place a control beside or below the text that asks
// for it, without a buddy; a reader would announce such a control without a name.

#include <QString>

class QWidget;

// Gives every focusable control inside the screen that has no accessible name the text of the
// label nearest to its left on its row, else of the nearest label above it, else the fallback
// (the screen's caption).
void NameUnnamedControls(QWidget* screen, const QString& fallback);

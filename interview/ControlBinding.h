#pragma once
// Moving values between a screen's bound controls and the field store. A control is bound when
// its "Tag" property holds a field number 1..2312.

#include <string>

class QWidget;

int BoundTag(const QWidget* control);
void FillBoundControls(QWidget* screen);
void StoreBoundControls(QWidget* screen);

// Currency as a label shows it: "$1,234" (or with two decimals); empty at 0.01 or less.
std::string FormatCurrencyCaption(long double amount, int decimals);

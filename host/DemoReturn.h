#pragma once
// The demo return the host opens when it is given none: DEMO.TAX in the user's data folder,
// written on first use from the demo description (with vesk-tool where it is at hand; else the
// module starts it as a new, empty return and saves it at the end).

#include <QString>

QString DemoReturnPath(const QString& keyText);

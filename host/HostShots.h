#pragma once
// Pictures of every question screen the module has: the module is started at each screen id in
// turn on a fresh copy of one return, and its window saved as <folder>/<id>_<suffix>.png.

#include <QString>

class TModuleLibrary;
class THostWindow;

// The number of screens saved, or -1 when a picture could not be written.
int RenderEveryScreen(TModuleLibrary& module, THostWindow& host, const QString& returnFile,
                      const QString& keyText, const QString& folder, const QString& suffix);

#pragma once
// Choosing where Save writes the return, and telling the user when a save failed.

#include <string>

class QWidget;

// The path the user chose for the return, or empty when they cancelled.
std::string ChooseSaveFileName(const std::string& currentFileName, QWidget* parent);

// One error box: the return could not be saved, and why.
void ReportSaveFailure(const std::string& path, int code);

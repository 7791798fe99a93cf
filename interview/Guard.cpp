#include "Guard.h"

#include "Prompter.h"

void ReportUnexpectedError(const std::string& what) {
    try {
        std::string text = "An unexpected error occurred: ";
        text += what;
        text += "\r\n\r\nYour answers so far are kept. Please try again.";
        ShowMessageBox(text, mkError, mbOK);
    } catch (...) {
        // The box itself failed; there is nobody left to tell.
    }
}

#include "SaveBox.h"

#include "Cp1252.h"
#include "DataFile.h"
#include "Prompter.h"
#include "dialogs/SaveBox.h"

#include <QFileInfo>

#include <cstring>

namespace {

std::string Reason(int code) {
    if (code == ErrSaveRefused)
        return "The return could not be read when the interview started, so saving it here "
               "would replace it with the little that was read. Please save it under another "
               "name.";
    return std::strerror(code);
}

} // namespace

std::string ChooseSaveFileName(const std::string& currentFileName, QWidget* parent) {
    const QString current = QString::fromStdString(Cp1252ToUtf8(currentFileName));
    QString chosen;
    if (!TfrmSaveBox::Execute(QFileInfo(current).fileName(), parent, chosen)) return {};
    return Utf8ToCp1252(chosen.toStdString());
}

void ReportSaveFailure(const std::string& path, int code) {
    std::string text = "Your tax return could not be saved to ";
    text += path;
    text += ".\r\n\r\n";
    text += Reason(code);
    ShowMessageBox(text, mkError, mbOK);
}

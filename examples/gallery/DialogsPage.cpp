// Gallery pages of the auxiliary dialogs, each at its designed size with sample content.

#include "GalleryPages.h"
#include "TextLbl.h"
#include "dialogs/GetTagForm.h"
#include "dialogs/HyperlinksForm.h"
#include "dialogs/NotesForm.h"
#include "dialogs/SaveBox.h"
#include "dialogs/TableColumnDescriptionForm.h"
#include "dialogs/ViHelperForm.h"

#include <QPlainTextEdit>

namespace {

// The screenshot fits pages to their contents; a dialog keeps its designed size.
QWidget* AtDesignedSize(QWidget* dialog) {
    dialog->setMinimumSize(dialog->size());
    return dialog;
}

QWidget* NotesPage() {
    auto* notes = new TNotesForm(nullptr);
    notes->Memo()->setPlainText("Ask the agency about the shared care dates.\nKeep the payslips.");
    return AtDesignedSize(notes);
}

QWidget* HyperlinksPage() {
    QWidget screen;
    auto* label = new TTextLbl(&screen);
    label->setText({"<J101>Who is a dependant?<.> <J102>Shared care<.>",
                    "<Hhttp://example.org/allowance>The allowance on the web<.>"});
    label->resize(400, 60);
    screen.setAttribute(Qt::WA_DontShowOnScreen);
    screen.show();
    screen.grab(); // the label registers its links while it draws
    return AtDesignedSize(new THyperlinksForm(ScreenHyperlinks(&screen)));
}

const TGalleryPageRegistrar notes("dialog-notes", NotesPage);
const TGalleryPageRegistrar hyperlinks("dialog-hyperlinks", HyperlinksPage);
const TGalleryPageRegistrar column("dialog-column-description", [] {
    return AtDesignedSize(new TTableColumnDescriptionForm(
        "Date of\r\nbirth", "Enter the date each child was born, as dd/mm/yyyy."));
});
const TGalleryPageRegistrar keyHelp("dialog-key-help",
                                    [] { return AtDesignedSize(new TviHelperForm); });
const TGalleryPageRegistrar saveBox("dialog-save-box",
                                    [] { return AtDesignedSize(new TfrmSaveBox("SMITH.TAX")); });
const TGalleryPageRegistrar getTag("dialog-get-tag",
                                   [] { return AtDesignedSize(new TfrmGetTag(nullptr)); });

} // namespace

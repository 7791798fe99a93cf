// The validated edit box in the configurations the question screens use.

#include "GalleryPages.h"

#include "Dates.h"
#include "TaxEdit.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {

TTaxEdit* Box(TTaxEdit::TNumericType type, const QString& text, int width = 120) {
    auto* edit = new TTaxEdit;
    edit->setNumericType(type);
    edit->ShowText(text);
    edit->setFixedWidth(width);
    return edit;
}

QGroupBox* Group(const QString& title, const QList<QPair<QString, QWidget*>>& rows) {
    auto* group = new QGroupBox(title);
    auto* form = new QFormLayout(group);
    form->setLabelAlignment(Qt::AlignRight);
    form->setHorizontalSpacing(12);
    for (const auto& [label, widget] : rows)
        form->addRow(label, widget);
    return group;
}

QWidget* MakeEditPage() {
    auto* page = new QWidget;
    page->setMinimumWidth(560);
    auto* layout = new QVBoxLayout(page);

    auto* date = Box(TTaxEdit::ntDate, "", 100);
    date->setDateValue(YearStart);
    auto* name = Box(TTaxEdit::ntNone, "Ann Citizen", 240);
    name->setPelmDataType(TTaxEdit::pdNameText);
    name->setCapitaliseWords(true);
    layout->addWidget(
        Group("Amounts", {
                             {"Taxable income ($):", Box(TTaxEdit::ntCurrency, "38250")},
                             {"Maintenance received ($):", Box(TTaxEdit::ntCurrencyCnt, "1250.5")},
                             {"Explicit zero ($):", Box(TTaxEdit::ntCurrency, "0")},
                             {"Shared care:", Box(TTaxEdit::ntPercentage, "35")},
                         }));
    layout->addWidget(Group("Dates and identifiers",
                            {
                                {"Date of birth:", date},
                                {"Tax file number:", Box(TTaxEdit::ntTFN, "123 456 782")},
                                {"Business number (ABN):", Box(TTaxEdit::ntABN, "51 824 753 556")},
                            }));
    auto* disabled = Box(TTaxEdit::ntCurrency, "500");
    disabled->setEnabled(false);
    layout->addWidget(Group("Text", {
                                        {"Dependant's name:", name},
                                        {"Postcode:", Box(TTaxEdit::ntPCode, "2600", 60)},
                                        {"Disabled amount ($):", disabled},
                                    }));
    layout->addStretch();
    return page;
}

const TGalleryPageRegistrar registrar("edit", MakeEditPage);

} // namespace

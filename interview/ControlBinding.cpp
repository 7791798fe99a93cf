#include "ControlBinding.h"

#include "Cp1252.h"
#include "FieldStore.h"
#include "TaxEdit.h"
#include "XGrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QStringList>
#include <QVariant>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

QString ToQt(const std::string& text) {
    return QString::fromStdString(Cp1252ToUtf8(text));
}

std::string FromQt(const QString& text) {
    return Utf8ToCp1252(text.toStdString());
}

bool NumericEdit(const TTaxEdit* edit) {
    const auto type = edit->numericType();
    return type == TTaxEdit::ntCurrency || type == TTaxEdit::ntCurrencyCnt ||
           type == TTaxEdit::ntNumeric;
}

bool NumericField(TDataType type) {
    return type == dtNumeric || type == dtCurrency || type == dtCurrencyCnt;
}

void FillTaxEdit(TTaxEdit* edit, int tag) {
    const TDataType type = GetFieldType(tag);
    const bool numeric = type == dtNone ? NumericEdit(edit) : NumericField(type);
    if (numeric)
        edit->setNumValue(double(GetFieldVal(tag)));
    else
        edit->setText(ToQt(FieldAsText(tag)));
}

void StoreTaxEdit(TTaxEdit* edit, int tag) {
    if (NumericEdit(edit))
        SetFieldVal(tag, edit->numValue());
    else
        SetFieldStr(tag, FromQt(edit->text()));
}

void FillGrid(TXGrid* grid, int tag) {
    QStringList list;
    if (const TStringList* lines = GetFieldLst(tag))
        for (const auto& line : *lines)
            list << ToQt(line);
    grid->LoadFromList(list);
    grid->setEdited(false);
}

void StoreGrid(TXGrid* grid, int tag) {
    QStringList list;
    grid->StoreToList(list);
    TStringList lines;
    for (const QString& line : list)
        lines.push_back(FromQt(line));
    SetFieldLst(tag, std::move(lines));
    if (grid->edited()) SetDataModified(true);
}

QString LabelCaption(int tag) {
    switch (GetFieldType(tag)) {
    case dtCurrency:
        return ToQt(FormatCurrencyCaption(GetFieldVal(tag), 0));
    case dtCurrencyCnt:
        return ToQt(FormatCurrencyCaption(GetFieldVal(tag), 2));
    default:
        return ToQt(FieldAsText(tag));
    }
}

void SetChecked(int tag, bool checked) {
    if (checked)
        SetFieldChecked(tag);
    else
        SetFieldUnchecked(tag);
}

void Fill(QWidget* control, int tag) {
    if (auto* edit = qobject_cast<TTaxEdit*>(control))
        FillTaxEdit(edit, tag);
    else if (auto* grid = qobject_cast<TXGrid*>(control))
        FillGrid(grid, tag);
    else if (auto* combo = qobject_cast<QComboBox*>(control))
        combo->setCurrentIndex(combo->findText(ToQt(FieldAsText(tag)), Qt::MatchExactly));
    else if (auto* button = qobject_cast<QAbstractButton*>(control);
             button && (qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button)))
        button->setChecked(FieldChecked(tag));
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(LabelCaption(tag));
}

void Store(QWidget* control, int tag) {
    if (auto* edit = qobject_cast<TTaxEdit*>(control))
        StoreTaxEdit(edit, tag);
    else if (auto* grid = qobject_cast<TXGrid*>(control))
        StoreGrid(grid, tag);
    else if (auto* combo = qobject_cast<QComboBox*>(control))
        SetFieldStr(tag, FromQt(combo->currentText()));
    else if (auto* box = qobject_cast<QCheckBox*>(control))
        SetChecked(tag, box->isChecked());
    else if (auto* radio = qobject_cast<QRadioButton*>(control))
        SetChecked(tag, radio->isChecked());
}

template <class F>
void ForEachBound(QWidget* screen, F&& f) {
    for (QWidget* control : screen->findChildren<QWidget*>())
        if (const int tag = BoundTag(control)) f(control, tag);
}

} // namespace

int BoundTag(const QWidget* control) {
    bool ok = false;
    const int tag = control->property("Tag").toInt(&ok);
    return ok && tag >= MinTag && tag <= MaxTag ? tag : 0;
}

void FillBoundControls(QWidget* screen) {
    ForEachBound(screen, Fill);
}

void StoreBoundControls(QWidget* screen) {
    ForEachBound(screen, Store);
}

std::string FormatCurrencyCaption(long double amount, int decimals) {
    if (std::fabs(amount) <= 0.01L) return {};
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*Lf", decimals, std::fabs(amount));
    const std::string digits = buffer;
    if (digits == "0" || digits == "0.00") return {};
    const std::size_t whole = std::min(digits.find('.'), digits.size());
    std::string caption = amount < 0 ? "-$" : "$";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && i < whole && (whole - i) % 3 == 0) caption += ',';
        caption += digits[i];
    }
    return caption;
}

#include "ControlBinding.h"

#include "Cp1252.h"
#include "FieldStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QStringList>
#include <QVariant>

#include <cmath>
#include <cstdio>

namespace {

QString ToQt(const std::string& text) {
    return QString::fromStdString(Cp1252ToUtf8(text));
}

std::string FromQt(const QString& text) {
    return Utf8ToCp1252(text.toStdString());
}

// The numeric types of the validated edit, by the names its NumericType property reports.
bool NumericEdit(const QWidget* edit) {
    const QString type = edit->property("NumericType").toString();
    return type.endsWith(QLatin1String("ntCurrency")) ||
           type.endsWith(QLatin1String("ntCurrencyCnt")) ||
           type.endsWith(QLatin1String("ntNumeric"));
}

bool NumericField(TDataType type) {
    return type == dtNumeric || type == dtCurrency || type == dtCurrencyCnt;
}

void FillTaxEdit(QWidget* edit, int tag) {
    const TDataType type = GetFieldType(tag);
    const bool numeric = type == dtNone ? NumericEdit(edit) : NumericField(type);
    if (numeric)
        edit->setProperty("NumValue", double(GetFieldVal(tag)));
    else
        edit->setProperty("Text", ToQt(FieldAsText(tag)));
}

void StoreTaxEdit(QWidget* edit, int tag) {
    if (NumericEdit(edit))
        SetFieldVal(tag, edit->property("NumValue").toDouble());
    else
        SetFieldStr(tag, FromQt(edit->property("Text").toString()));
}

QStringList ListToQt(const TStringList* lines) {
    QStringList list;
    if (lines)
        for (const auto& line : *lines)
            list << ToQt(line);
    return list;
}

void FillGrid(QWidget* grid, int tag) {
    QMetaObject::invokeMethod(grid, "LoadFromList", Q_ARG(QStringList, ListToQt(GetFieldLst(tag))));
    grid->setProperty("Modified", false);
}

void StoreGrid(QWidget* grid, int tag) {
    QStringList list;
    QMetaObject::invokeMethod(grid, "StoreToList", Q_ARG(QStringList&, list));
    TStringList lines;
    for (const QString& line : list)
        lines.push_back(FromQt(line));
    SetFieldLst(tag, std::move(lines));
    if (grid->property("Modified").toBool()) SetDataModified(true);
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
    if (control->inherits("TTaxEdit"))
        FillTaxEdit(control, tag);
    else if (control->inherits("TXGrid"))
        FillGrid(control, tag);
    else if (auto* combo = qobject_cast<QComboBox*>(control))
        combo->setCurrentIndex(combo->findText(ToQt(FieldAsText(tag)), Qt::MatchExactly));
    else if (auto* button = qobject_cast<QAbstractButton*>(control);
             button && (qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button)))
        button->setChecked(FieldChecked(tag));
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(LabelCaption(tag));
}

void Store(QWidget* control, int tag) {
    if (control->inherits("TTaxEdit"))
        StoreTaxEdit(control, tag);
    else if (control->inherits("TXGrid"))
        StoreGrid(control, tag);
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
    std::string digits = buffer;
    const std::size_t point = digits.find('.');
    std::size_t end = point == std::string::npos ? digits.size() : point;
    for (std::size_t i = end; i > 3; i -= 3)
        digits.insert(i - 3, ",");
    if (digits == "0" || digits == "0.00") return {};
    std::string caption = amount < 0 ? "-$" : "$";
    caption += digits;
    return caption;
}

#include "XGridColumn.h"

#include "Amounts.h"
#include "Dates.h"
#include "Identifiers.h"

#include <QRegularExpression>

#include <cmath>

namespace {

int Number(const QStringList& fields, int i) {
    return i < fields.size() ? fields[i].toInt() : 0;
}

double Real(const QStringList& fields, int i) {
    return i < fields.size() ? fields[i].toDouble() : 0.0;
}

QString Text(const QStringList& fields, int i) {
    return i < fields.size() ? fields[i] : QString();
}

bool Flag(const QStringList& fields, int i) {
    return Text(fields, i) == "T";
}

TCharSet NumberChars(const TXGridColumn& column) {
    TCharSet set = *TCharSet::Parse("0..9");
    if (column.chars == "T") set.Add('-');
    if (column.caseOrDecimals > 0) set.Add('.');
    return set;
}

QString WithDateSeparators(const QString& text) {
    static const QRegularExpression digitsOnly("^[0-9]{6}([0-9]{2})?$");
    if (!digitsOnly.match(text).hasMatch()) return text;
    return text.left(2) + "/" + text.mid(2, 2) + "/" + text.mid(4);
}

QString NumberText(const TXGridColumn& column, double amount) {
    const int decimals = column.decimals();
    if (decimals > 0 && std::fabs(amount) > ExplicitZero) amount = RoundDecimals(amount, decimals);
    if (std::fabs(amount) < ExplicitZero) return {};
    return FixedText(amount, decimals);
}

TCellVerdict Fail(QString message, bool emptyCell = false) {
    return {false, {}, std::move(message), emptyCell};
}

TCellVerdict CheckNumber(const TXGridColumn& column, const QString& text) {
    const QString rangeMessage =
        QString::asprintf("Value must be between %g and %g", column.minimum, column.maximum);
    const double rough = text.toDouble();
    if (column.hasRange() && (rough < column.minimum || rough > column.maximum))
        return Fail(rangeMessage);
    std::optional<double> amount = CellAmount(column, text);
    if (!amount)
        return Fail(
            text + " is an invalid numeric entry. Please re-enter amount before continuing.", true);
    if (std::fabs(*amount) <= ExplicitZero) amount = ExplicitZero;
    if (column.hasRange() && (*amount < column.minimum || *amount > column.maximum))
        return Fail("Invalid numeric entry");
    return {true, NumberText(column, *amount), {}, false};
}

TCellVerdict CheckDate(const QString& text) {
    const std::optional<int> day = ParseDate(WithDateSeparators(text).toStdString());
    if (!day) return Fail("Enter date in dd/mm/yyyy format");
    return {true, QString::fromStdString(FormatDate(*day)), {}, false};
}

TCellVerdict CheckIdentifier(TIdentifier kind, const QString& text) {
    if (!IdentifierValid(kind, text)) return Fail(IdentifierMessage(kind));
    return {true, FormatIdentifier(kind, text), {}, false};
}

} // namespace

TColumnParse ParseColumnDefinition(const QString& line) {
    const QStringList f = line.split('|');
    TColumnParse result;
    TXGridColumn& c = result.column;
    c.title = Text(f, 0);
    c.titleAlignment = Number(f, 1);
    const int type = Number(f, 2);
    c.type = type >= ctText && type <= ctTFN ? TCellType(type) : ctText;
    c.maxLength = Number(f, 3);
    if (c.type == ctDate) c.maxLength = std::max(c.maxLength, 10);
    if (c.type == ctABN) c.maxLength = 11;
    if (c.type == ctTFN) c.maxLength = 9;
    c.hintId = Number(f, 4);
    c.readOnly = Flag(f, 5);
    c.dropDown = Flag(f, 6);
    c.caseOrDecimals = Number(f, 7);
    c.chars = Text(f, 8);
    c.minimum = Real(f, 9);
    c.maximum = Real(f, 10);
    c.dropDownRows = Number(f, 11);
    const int style = Number(f, 12);
    c.style = style == esPickList || style == esEllipsis ? TEditorStyle(style) : esPlain;
    const int entries = std::max(0, Number(f, 13));
    for (int i = 0; i < entries; ++i)
        c.pickList << Text(f, 14 + i);
    c.noTotal = Flag(f, 14 + entries);
    c.locked = Flag(f, 15 + entries);

    switch (c.type) {
    case ctText:
        if (auto set = TCharSet::Parse(c.chars))
            c.accepted = *set;
        else
            result.badCharSet = true;
        break;
    case ctNumber:
        c.accepted = NumberChars(c);
        break;
    case ctDate:
        c.accepted = *TCharSet::Parse("0..9,/");
        break;
    default:
        c.accepted = *TCharSet::Parse("0..9");
        break;
    }
    return result;
}

std::optional<double> CellAmount(const TXGridColumn& column, const QString& text) {
    return ReadNumber(column.accepted.Filter(text));
}

std::optional<QString> DecimalPlacesWarning(const TXGridColumn& column, const QString& text) {
    const int decimals = column.decimals();
    const qsizetype separator = text.indexOf('.');
    if (decimals <= 0 || separator < 0 || separator + 1 <= column.maxLength - decimals)
        return std::nullopt;
    return "Value of \"" + text + "\" with two decimal places\rexceeds allowed number of digits (" +
           QString::number(column.maxLength) + ")";
}

TCellVerdict CheckCellText(const TXGridColumn& column, const QString& text) {
    if (text.isEmpty()) return {true, text, {}, false};
    switch (column.type) {
    case ctNumber:
        return CheckNumber(column, text);
    case ctDate:
        return CheckDate(text);
    case ctABN:
        return CheckIdentifier(TIdentifier::ABN, text);
    case ctTFN:
        return CheckIdentifier(TIdentifier::TFN, text);
    default:
        return {true, text, {}, false};
    }
}

#include "TaxEdit.h"

#include "Amounts.h"
#include "Beep.h"
#include "Dates.h"
#include "Identifiers.h"
#include "ShowMessage.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QTimer>

#include <cmath>

namespace {

const QString SetN = R"(A..Z,a..z,0..9,!,@,#,$,%,&,(,),_,-,=,{,},[,],;,:,',.,?,/,`,|,\,", ,,,)";
const QString NameChars = R"(A..Z,a..z,0..9,!,@,#,$,%,&,(,),_,-,=,{,},[,],;,:,',.,?,/,`,\,", )";
const QString TextChars = R"(A..Z,a..z,0..9,!,@,$,%,&,*,(,),-,=,[,],;,:,',.,?,/,", ,,,)";
const QString Digits = "0..9";
const QString MandatoryMessage = "This field is mandatory and MUST be completed";
const QString InvalidCharsMessage = "Result contains invalid characters";
const QString DateFormatMessage = "The date must be in dd/mm/yyyy format !";

// What setting a type does; unset members keep their values.
struct TTypeRow {
    std::optional<int> decimals;
    std::optional<int> maxLength;
    std::optional<TTaxEdit::TAlignment> alignment;
    std::optional<QString> chars;
};

TTypeRow NumericRow(TTaxEdit::TNumericType type) {
    using E = TTaxEdit;
    switch (type) {
    case E::ntNone:
        return {0, {}, E::taLeftJustify, SetN};
    case E::ntCurrency:
        return {0, {}, E::taRightJustify, "-,0..9"};
    case E::ntCurrencyCnt:
        return {2, {}, E::taRightJustify, "-,0..9,."};
    case E::ntPercentage:
        return {{}, {}, E::taRightJustify, "-,0..9,.,%"};
    case E::ntDate:
        return {{}, 10, E::taLeftJustify, "0..9,/"};
    case E::ntSpecial:
        return {0, {}, {}, {}};
    case E::ntNumeric:
        return {0, {}, {}, Digits};
    case E::ntPhone:
        return {{}, {}, E::taLeftJustify, Digits};
    case E::ntCPI:
        return {{}, {}, E::taRightJustify, "0..9,."};
    case E::ntDec2:
        return {2, 6, E::taRightJustify, "0..9,."};
    default: // the identifiers and ntPCode
        return {0, {}, E::taLeftJustify, Digits};
    }
}

TTypeRow PelmRow(TTaxEdit::TPelmDataType type) {
    using E = TTaxEdit;
    switch (type) {
    case E::pdAddressText:
        return {0, {}, E::taLeftJustify, "A..Z,a..z,0..9,&,',/,-,(, ,)"};
    case E::pdDate:
        return {0, 8, E::taLeftJustify, Digits};
    case E::pdDate8:
        return {0, 10, E::taLeftJustify, "0..9,/"};
    case E::pdDollar:
        return {0, {}, E::taRightJustify, Digits};
    case E::pdDollarCents:
        return {2, {}, E::taRightJustify, ".,0..9"};
    case E::pdDollarNegative:
        return {0, {}, E::taRightJustify, "-,0..9"};
    case E::pdInteger:
        return {0, {}, E::taLeftJustify, Digits};
    case E::pdNameText:
        return {0, {}, E::taLeftJustify, NameChars};
    case E::pdNone:
        return {};
    case E::pdQuestion:
        return {0, 1, E::taLeftJustify, "Y, ,N"};
    case E::pdRestrictedNameText:
        return {0, {}, E::taLeftJustify, "A..Z,a..z,0..9,-, ,'"};
    case E::pdText:
        return {0, {}, E::taLeftJustify, TextChars};
    }
    return {};
}

void ApplyRow(TTaxEdit& edit, const TTypeRow& row) {
    if (row.decimals) edit.setDecimals(*row.decimals);
    if (row.maxLength) edit.setMaxLength(*row.maxLength);
    if (row.alignment) edit.setAlignment(*row.alignment);
    if (row.chars) edit.setValidChars(*row.chars);
}

std::optional<TIdentifier> IdentifierOf(TTaxEdit::TNumericType type) {
    switch (type) {
    case TTaxEdit::ntTFN:
        return TIdentifier::TFN;
    case TTaxEdit::ntABN:
        return TIdentifier::ABN;
    case TTaxEdit::ntACN:
        return TIdentifier::ACN;
    case TTaxEdit::ntSFN:
        return TIdentifier::SFN;
    case TTaxEdit::ntDIN:
        return TIdentifier::DIN;
    case TTaxEdit::ntEGN:
        return TIdentifier::EGN;
    default:
        return std::nullopt;
    }
}

// The number types whose keys follow the minus and decimal rules.
bool TypedAsAmount(TTaxEdit::TNumericType type) {
    return type == TTaxEdit::ntCurrency || type == TTaxEdit::ntCurrencyCnt ||
           type == TTaxEdit::ntNumeric || type == TTaxEdit::ntCPI;
}

QString KeepAmountChars(const QString& text) {
    QString result;
    for (QChar ch : text)
        if (ch == '-' || ch == '.' || (ch >= '0' && ch <= '9')) result += ch;
    return result;
}

// The amount of a box's text; nullopt when the text cannot be read as one.
std::optional<double> ParseAmount(const QString& text) {
    QString reduced = KeepAmountChars(text);
    if (reduced.lastIndexOf('-') > 0) reduced = "-" + QString(reduced).remove('-');
    if (reduced == "0" || reduced == "0.00" || reduced == "000.00" || reduced == "0.000")
        return ExplicitZero;
    if (reduced.isEmpty() || reduced == "-") return 0.0;
    return ReadNumber(reduced);
}

bool BlankDate(const QString& text) {
    const QString trimmed = text.trimmed();
    return trimmed.isEmpty() || trimmed == "/  /";
}

// ddmmyy and ddmmyyyy get their separators.
QString WithDateSeparators(const QString& text) {
    static const QRegularExpression digitsOnly("^[0-9]+$");
    if (!digitsOnly.match(text).hasMatch() || (text.size() != 6 && text.size() != 8)) return text;
    return text.left(2) + "/" + text.mid(2, 2) + "/" + text.mid(4);
}

std::optional<int> ReadDate(const QString& text) {
    return ParseDate(WithDateSeparators(text.trimmed()).toStdString());
}

Qt::Alignment QtAlignment(TTaxEdit::TAlignment alignment) {
    switch (alignment) {
    case TTaxEdit::taRightJustify:
        return Qt::AlignRight;
    case TTaxEdit::taCenter:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

} // namespace

TTaxEdit::TTaxEdit(QWidget* parent) : QLineEdit(parent) {
    setFont(QFont("Arial", 10));
    setFrame(false);
    ApplyRow(*this, NumericRow(ntNone));
}

bool TTaxEdit::isNumberType() const {
    switch (FNumericType) {
    case ntCurrency:
    case ntCurrencyCnt:
    case ntPercentage:
    case ntNumeric:
    case ntCPI:
    case ntDec2:
        return true;
    default:
        return false;
    }
}

void TTaxEdit::setNumericType(TNumericType type) {
    if (type == FNumericType) return;
    FNumericType = type;
    ApplyRow(*this, NumericRow(type));
}

void TTaxEdit::setPelmDataType(TPelmDataType type) {
    if (type == FPelmDataType) return;
    FPelmDataType = type;
    ApplyRow(*this, PelmRow(type));
}

void TTaxEdit::setValidChars(const QString& chars) {
    FValidChars = chars.left(100);
    if (auto set = TCharSet::Parse(FValidChars)) {
        FCharSet = *set;
        return;
    }
    FCharSet = TCharSet();
    ShowErrorBox("Bad ValidChars property " + FValidChars + " !");
}

void TTaxEdit::setAlignment(TAlignment alignment) {
    FAlignment = alignment;
    update();
}

double TTaxEdit::numValue() {
    if (isNumberType()) FNumValue = ParseAmount(text()).value_or(0.0);
    return FNumValue;
}

void TTaxEdit::setNumValue(double value) {
    FNumValue = value;
    RefreshText();
}

void TTaxEdit::setDateValue(int day) {
    FDateValue = day;
    if (FNumericType == ntDate) RefreshText();
}

void TTaxEdit::setMinDate(int day) {
    FMinDate = day;
    if (FDateValue != NoDateValue && FDateValue < day) FDateValue = day;
}

void TTaxEdit::setMaxDate(int day) {
    FMaxDate = day;
    if (FDateValue > day) FDateValue = day;
}

void TTaxEdit::ShowText(const QString& newText) {
    setText(newText);
    if (FNumericType == ntDate) {
        FDateValue = ReadDate(newText).value_or(NoDateValue);
    } else if (isNumberType() && FNumericType != ntDec2) {
        numValue();
        RefreshText();
    }
}

QString TTaxEdit::AmountText(double value) const {
    if (std::fabs(value) <= 0.001) return {};
    const bool roundable = FNumericType != ntNumeric;
    if (roundable && FDecimals > 0 && value > 0.005)
        value = FUseRounding ? RoundDecimals(value, FDecimals) : CutDecimals(value, 0);
    switch (FNumericType) {
    case ntCurrency:
        return FixedText(value, 0);
    case ntCurrencyCnt:
        return FixedText(value, 2);
    case ntPercentage:
        return (value == ExplicitZero ? FixedText(0, FDecimals) : FixedText(value, 2)) + "%";
    case ntDec2:
        return FixedText(value, FDecimals).rightJustified(maxLength(), '0');
    default:
        return FixedText(value, FDecimals);
    }
}

void TTaxEdit::RefreshText() {
    if (isNumberType()) {
        setText(AmountText(FNumValue));
    } else if (FNumericType == ntDate) {
        setText(FDateValue > NoDateValue ? QString::fromStdString(FormatDate(FDateValue))
                                         : QString());
    } else if (auto id = IdentifierOf(FNumericType)) {
        setText(FormatIdentifier(*id, text()));
    }
}

std::optional<QString> TTaxEdit::AmountProblem(const QString& entry) const {
    if (FMandatory && entry.trimmed().isEmpty()) return MandatoryMessage;
    const std::optional<double> amount = ParseAmount(entry);
    if (FValidate && !entry.isEmpty() && amount && (*amount < FMinVal || *amount > FMaxVal) &&
        *amount != ExplicitZero)
        return QString::asprintf("Value must be between %g and %g", FMinVal, FMaxVal);
    for (QChar ch : entry)
        if (!FCharSet.Empty() && !FCharSet.Contains(ch) &&
            !(ch == '%' && FNumericType == ntPercentage))
            return InvalidCharsMessage;
    // A pasted "1.2.3" passes the character check but is no amount.
    if (!amount) return InvalidCharsMessage;
    return std::nullopt;
}

std::optional<QString> TTaxEdit::DateRangeProblem() const {
    if (!FValidateDate || BlankDate(text())) return std::nullopt;
    if (FDateValue >= FMinDate && FDateValue <= FMaxDate) return std::nullopt;
    return QString("Date must be between %g and %g")
        .replace(QString("%g and %g"), QString::fromStdString(FormatDate(FMinDate)) + " and " +
                                           QString::fromStdString(FormatDate(FMaxDate)));
}

bool TTaxEdit::IsValid() {
    bool valid = true;
    if (auto problem = AmountProblem(text())) {
        ShowErrorBox(*problem);
        valid = false;
    }
    if (auto problem = DateRangeProblem()) {
        ShowErrorBox(*problem);
        valid = false;
    }
    if (valid) FNumValue = ParseAmount(text()).value_or(0.0);
    return valid;
}

std::optional<QString> TTaxEdit::ExitProblem() const {
    const QString entry = text();
    switch (FNumericType) {
    case ntDate:
        if (BlankDate(entry)) return FMandatory ? std::optional(MandatoryMessage) : std::nullopt;
        return ReadDate(entry) ? std::nullopt : std::optional(DateFormatMessage);
    case ntSpecial:
        return std::nullopt;
    case ntNone:
    case ntPCode:
        if (entry.isEmpty() || FCharSet.Empty() || FCharSet.AllOf(entry)) return std::nullopt;
        return InvalidCharsMessage;
    default:
        break;
    }
    if (auto id = IdentifierOf(FNumericType))
        return IdentifierValid(*id, entry) ? std::nullopt : std::optional(IdentifierMessage(*id));
    if (auto problem = AmountProblem(entry)) return problem;
    return DateRangeProblem();
}

bool TTaxEdit::CompleteDateExit() {
    if (BlankDate(text())) {
        FDateValue = NoDateValue;
        if (FMandatory) {
            ShowErrorBox(MandatoryMessage);
            return false;
        }
        setText({});
        return true;
    }
    const std::optional<int> day = ReadDate(text());
    if (!day) {
        Beep();
        ShowErrorBox(DateFormatMessage);
        return false;
    }
    FDateValue = *day;
    return true;
}

bool TTaxEdit::CompleteExit() {
    if (FNumericType == ntDate) return CompleteDateExit();
    if (FNumericType == ntSpecial) return true;
    if (FNumericType == ntNone || FNumericType == ntPCode || IdentifierOf(FNumericType)) {
        const std::optional<QString> problem = ExitProblem();
        if (problem) {
            Beep();
            ShowErrorBox(*problem);
        }
        return !problem;
    }
    return IsValid();
}

void TTaxEdit::KeepFocus() {
    selectAll();
    FReturning = true;
    // The focus is on its way elsewhere: bring it back once it has arrived.
    QTimer::singleShot(0, this, [this] {
        setFocus(Qt::OtherFocusReason);
        selectAll();
    });
}

void TTaxEdit::SetFocusColours(bool focused) {
    if (!FChangeFocusColor) return;
    if (!focused) {
        setPalette(QPalette());
        return;
    }
    QPalette pal = palette();
    pal.setColor(QPalette::Base, QColor(251, 230, 153));
    pal.setColor(QPalette::Text, Qt::black);
    setPalette(pal);
}

void TTaxEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    SetFocusColours(true);
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    if (FReturning) { // back from a refused exit: the entry stays as typed
        FReturning = false;
        return;
    }
    if (FNumericType == ntCurrency || FNumericType == ntCurrencyCnt ||
        FNumericType == ntPercentage || IdentifierOf(FNumericType))
        setText(KeepAmountChars(text()));
    FEdited = false;
    setCursorPosition(0);
    deselect();
}

void TTaxEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    SetFocusColours(false);
    if (FExiting || event->reason() == Qt::ActiveWindowFocusReason ||
        event->reason() == Qt::PopupFocusReason)
        return;
    FExiting = true;
    if (CompleteExit())
        RefreshText();
    else
        KeepFocus();
    FExiting = false;
}

// The minus and decimal rules of amounts; false when the key is consumed.
bool TTaxEdit::AcceptNumberKey(QChar ch) {
    const QString current = text();
    if ((ch == '-' || ch == '.') && current.contains(ch)) {
        Beep();
        return false;
    }
    if (ch == '-' && !current.isEmpty()) {
        setText("-" + current);
        FEdited = true;
        return false;
    }
    if (FDecimals != 0 && !current.contains('.') && ch != '-' && ch != '.' &&
        current.size() > maxLength() - FDecimals - 2) {
        Beep();
        return false;
    }
    return true;
}

// Decides on a typed character, which may be changed; false when the key is consumed.
bool TTaxEdit::AcceptKey(QChar& ch) {
    if (FNumericType == ntNone && FCharSet.Empty()) return true;
    if (!FCharSet.Contains(ch)) {
        Beep();
        return false;
    }
    if (TypedAsAmount(FNumericType) && !AcceptNumberKey(ch)) return false;
    if ((FNumericType == ntNone || FNumericType == ntSpecial) && FCapitaliseWords && ch.isLower() &&
        (text().isEmpty() || text().endsWith(' ')))
        ch = ch.toUpper();
    return true;
}

void TTaxEdit::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (typed.size() != 1 || shortcut || typed[0].unicode() < 27 || isReadOnly()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QChar ch = typed[0];
    if (!AcceptKey(ch)) {
        event->accept();
        return;
    }
    FEdited = true;
    if (ch == typed[0])
        QLineEdit::keyPressEvent(event);
    else
        insert(QString(ch));
}

void TTaxEdit::paintEvent(QPaintEvent* event) {
    if (hasFocus()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    painter.setFont(font());
    painter.drawText(rect().adjusted(3, 0, -3, 0), QtAlignment(FAlignment) | Qt::AlignVCenter,
                     text());
}

#pragma once
// The text box of every question screen: amounts, percentages, dates, identifiers, names and
// free text. The numeric type and the data-entry type decide which keys are accepted, how the
// entry is checked when the user leaves the box and how the value is shown afterwards.

#include "CharSet.h"

#include <QLineEdit>

#include <optional>

class TTaxEdit : public QLineEdit {
    Q_OBJECT
public:
    enum TNumericType {
        ntNone,
        ntCurrency,
        ntCurrencyCnt,
        ntPercentage,
        ntDate,
        ntSpecial,
        ntNumeric,
        ntPhone,
        ntCPI,
        ntTFN,
        ntABN,
        ntACN,
        ntSFN,
        ntDIN,
        ntEGN,
        ntPCode,
        ntDec2
    };
    Q_ENUM(TNumericType)
    enum TPelmDataType {
        pdAddressText,
        pdDate,
        pdDate8,
        pdDollar,
        pdDollarCents,
        pdDollarNegative,
        pdInteger,
        pdNameText,
        pdNone,
        pdQuestion,
        pdRestrictedNameText,
        pdText
    };
    Q_ENUM(TPelmDataType)
    enum TAlignment { taLeftJustify, taRightJustify, taCenter };
    Q_ENUM(TAlignment)

    Q_PROPERTY(int Tag READ tag WRITE setTag)
    Q_PROPERTY(TNumericType NumericType READ numericType WRITE setNumericType)
    Q_PROPERTY(TPelmDataType PelmDataType READ pelmDataType WRITE setPelmDataType)
    Q_PROPERTY(QString ValidChars READ validChars WRITE setValidChars)
    Q_PROPERTY(int Decimals READ decimals WRITE setDecimals)
    Q_PROPERTY(int MaxLength READ maxLength WRITE setMaxLength)
    Q_PROPERTY(TAlignment Alignment READ textAlignment WRITE setAlignment)
    Q_PROPERTY(double NumValue READ numValue WRITE setNumValue)
    Q_PROPERTY(int DateValue READ dateValue WRITE setDateValue)
    Q_PROPERTY(double MinVal READ minVal WRITE setMinVal)
    Q_PROPERTY(double MaxVal READ maxVal WRITE setMaxVal)
    Q_PROPERTY(int MinDate READ minDate WRITE setMinDate)
    Q_PROPERTY(int MaxDate READ maxDate WRITE setMaxDate)
    Q_PROPERTY(bool Validate READ validate WRITE setValidate)
    Q_PROPERTY(bool ValidateDate READ validateDate WRITE setValidateDate)
    Q_PROPERTY(bool Mandatory READ mandatory WRITE setMandatory)
    Q_PROPERTY(bool UseRounding READ useRounding WRITE setUseRounding)
    Q_PROPERTY(bool CapitaliseWords READ capitaliseWords WRITE setCapitaliseWords)
    Q_PROPERTY(bool ChangeFocusColor READ changeFocusColor WRITE setChangeFocusColor)

    explicit TTaxEdit(QWidget* parent = nullptr);

    int tag() const { return FTag; }
    void setTag(int tag) { FTag = tag; }
    TNumericType numericType() const { return FNumericType; }
    void setNumericType(TNumericType type);
    TPelmDataType pelmDataType() const { return FPelmDataType; }
    void setPelmDataType(TPelmDataType type);
    QString validChars() const { return FValidChars; }
    void setValidChars(const QString& chars);
    int decimals() const { return FDecimals; }
    void setDecimals(int decimals) { FDecimals = decimals; }
    TAlignment textAlignment() const { return FAlignment; }
    void setAlignment(TAlignment alignment);
    // For the number types the text is read first.
    double numValue();
    void setNumValue(double value);
    int dateValue() const { return FDateValue; }
    void setDateValue(int day);
    double minVal() const { return FMinVal; }
    void setMinVal(double value) { FMinVal = value; }
    double maxVal() const { return FMaxVal; }
    void setMaxVal(double value) { FMaxVal = value; }
    int minDate() const { return FMinDate; }
    void setMinDate(int day);
    int maxDate() const { return FMaxDate; }
    void setMaxDate(int day);
    bool validate() const { return FValidate; }
    void setValidate(bool on) { FValidate = on; }
    bool validateDate() const { return FValidateDate; }
    void setValidateDate(bool on) { FValidateDate = on; }
    bool mandatory() const { return FMandatory; }
    void setMandatory(bool on) { FMandatory = on; }
    bool useRounding() const { return FUseRounding; }
    void setUseRounding(bool on) { FUseRounding = on; }
    bool capitaliseWords() const { return FCapitaliseWords; }
    void setCapitaliseWords(bool on) { FCapitaliseWords = on; }
    bool changeFocusColor() const { return FChangeFocusColor; }
    void setChangeFocusColor(bool on) { FChangeFocusColor = on; }

    // Set by each accepted key, cleared on entry.
    bool edited() const { return FEdited; }
    void setEdited(bool edited) { FEdited = edited; }
    bool isNumberType() const;
    const TCharSet& charSet() const { return FCharSet; }

    // Sets the text as the frame fills a text field; amounts are read and shown again.
    void ShowText(const QString& text);
    // The leave check of the number types; a failure shows its message.
    bool IsValid();
    // The message the exit check of the current text would show; nullopt when it may stand.
    // Shows nothing and changes nothing.
    std::optional<QString> ExitProblem() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool AcceptKey(QChar& ch);
    bool AcceptNumberKey(QChar ch);
    bool CompleteExit();
    bool CompleteDateExit();
    void KeepFocus();
    void RefreshText();
    QString AmountText(double value) const;
    std::optional<QString> AmountProblem(const QString& text) const;
    std::optional<QString> DateRangeProblem() const;
    void SetFocusColours(bool focused);

    int FTag = 0;
    TNumericType FNumericType = ntNone;
    TPelmDataType FPelmDataType = pdNone;
    QString FValidChars;
    TCharSet FCharSet;
    int FDecimals = 0;
    TAlignment FAlignment = taLeftJustify; // while focused the edit control draws left-aligned
    double FNumValue = 0;
    int FDateValue = 0;
    double FMinVal = 0, FMaxVal = 0;
    int FMinDate = 0, FMaxDate = 0;
    bool FValidate = false, FValidateDate = false, FMandatory = false;
    bool FUseRounding = true, FCapitaliseWords = false, FChangeFocusColor = true;
    bool FEdited = false;
    bool FExiting = false;
    bool FReturning = false;
};

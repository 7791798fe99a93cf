#pragma once
// A grid column as its definition line describes it: "Title|align|type|max|hint|readonly|
// dropdown|case or decimals|chars or minus|min|max|rows|style|P|entries...|no total|locked".

#include "CharSet.h"

#include <QString>
#include <QStringList>

#include <optional>

enum TCellType { ctText = 0, ctNumber = 1, ctDate = 2, ctABN = 3, ctTFN = 4 };
enum TEditorStyle { esPlain = 0, esPickList = 1, esEllipsis = 2 };

struct TXGridColumn {
    QString title;
    int titleAlignment = 0; // 0 left, 1 right, 2 centre
    TCellType type = ctText;
    int maxLength = 30;
    int hintId = 0;
    bool readOnly = false;
    bool dropDown = false;
    int caseOrDecimals = 0; // text: 1 upper, 2 lower; number: decimals
    QString chars;          // text: accepted characters; number: "T" allows a minus sign
    double minimum = 0, maximum = 0;
    int dropDownRows = 0;
    TEditorStyle style = esPlain;
    QStringList pickList;
    bool noTotal = false;
    bool locked = false;
    TCharSet accepted; // empty: any character (text columns only)

    int decimals() const { return type == ctNumber ? caseOrDecimals : 0; }
    bool hasRange() const { return minimum != maximum; }
    bool isPickList() const { return style == esPickList && dropDown; }
    bool refusesTyping() const { return readOnly || locked; }
};

inline const QString DefaultColumnDefinition = "Title|0|0|30|0|F|F|||||||0|0|F|F|";

struct TColumnParse {
    TXGridColumn column;
    bool badCharSet = false; // the column keeps an empty set
};
TColumnParse ParseColumnDefinition(const QString& line);

// A cell's text after the check of its column, or the failure's message.
struct TCellVerdict {
    bool passed = true;
    QString text;    // the re-formatted text when passed
    QString message; // the error when not passed
    bool emptyCell = false;
};
// The format checks of number, date, ABN and TFN cells; text and pick-list cells pass as they
// are (their checks belong to the grid). Shows nothing.
TCellVerdict CheckCellText(const TXGridColumn& column, const QString& text);
// The warning of a number with more whole digits than the column leaves room for, if any.
std::optional<QString> DecimalPlacesWarning(const TXGridColumn& column, const QString& text);
// A number cell's text reduced to the column's characters and read; nullopt when unreadable.
std::optional<double> CellAmount(const TXGridColumn& column, const QString& text);

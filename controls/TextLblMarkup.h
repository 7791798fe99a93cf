#pragma once
// The interpreter of the marked-up label text. One pass lays the text out and, given a painter,
// draws it; without one it only measures, so the label can size itself outside a paint.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QPainter;
class QPaintDevice;

enum class TLinkKind { None, Jump, Screen, Web };

// A clickable stretch of text: a help jump, a screen link or a web link (id = link number).
struct TLinkRegion {
    TLinkKind kind = TLinkKind::None;
    int id = 0;
    QString url;
    QString text;
    QRect rect;
};

struct TMarkupCallbacks {
    std::function<QString(int)> screenTag;       // placeholder value; unset: no effect
    std::function<bool(int)> checkTag;           // whether the rest of a line shows; unset: pass
    std::function<QColor(int, QColor)> colorTag; // colour for a tag; unset: no effect
};

struct TMarkupInput {
    QStringList lines;
    QFont font;           // the label's designed font
    QColor fontColor;     // the label's designed font colour
    int lineSpacing = 10; // tenths of the height of "H"
    int section = 1;      // section in force at the start
    int currentSection = 1;
    bool visionImpaired = false;
    bool attention = false; // text keeps clear of the attention icon
    int iconWidth = 0;
    double horizontalFactor = 1.0;
    double fontFactor = 1.0;
    QRect textArea; // bevels already taken off
    int indent = 0;
    TLinkKind hoverKind = TLinkKind::None; // the region under the mouse
    int hoverId = 0;
    QColor buttonFace; // system colours of the colour table
    QColor window;
};

struct TMarkupResult {
    QStringList plainLines;
    std::vector<TLinkRegion> regions;
    int lastSection = 1;
    int bottom = 0; // y below the last shown line
};

// Lays out (and with a painter, draws) the text. Fonts are measured on `device`.
TMarkupResult RunMarkup(const TMarkupInput& input, const TMarkupCallbacks& callbacks,
                        QPaintDevice* device, QPainter* painter);

// The colour of the C command, or an invalid colour for numbers outside the table.
QColor MarkupTableColor(int number, const QColor& buttonFace, const QColor& window);

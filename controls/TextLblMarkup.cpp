#include "TextLblMarkup.h"

#include "Beep.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <optional>

namespace {

constexpr int kAlwaysShownSection = 999;
constexpr int kAttentionTextGap = 4 + 8; // from the icon's right edge

std::optional<int> ReadNumber(const QString& argument) {
    bool ok = false;
    const int number = argument.trimmed().toInt(&ok);
    if (!ok) return std::nullopt;
    return number;
}

int ReadNumberOr(const QString& argument, int fallback) {
    return ReadNumber(argument).value_or(fallback);
}

class TMarkupPass {
public:
    TMarkupPass(const TMarkupInput& input, const TMarkupCallbacks& callbacks, QPaintDevice* device,
                QPainter* painter)
        : in(input), cb(callbacks), device(device), painter(painter), spacing(input.lineSpacing),
          section(input.section), x(LineStart()), y(input.textArea.top()) {
        ResetFont();
    }

    TMarkupResult Run() {
        for (const QString& line : in.lines)
            InterpretLine(line);
        result.lastSection = section;
        result.bottom = y;
        return std::move(result);
    }

private:
    const TMarkupInput& in;
    const TMarkupCallbacks& cb;
    QPaintDevice* device;
    QPainter* painter;

    QFont font;
    QColor color;
    int spacing;
    QChar align = 'L';
    TLinkKind linkKind = TLinkKind::None;
    int linkId = 0;
    QString linkUrl;
    int linkCount = 0;
    int section;
    bool pass = true;
    int leftOffset = 0;
    int x;
    int y;
    QString prefix; // placeholder values waiting for the text after their group
    TMarkupResult result;

    bool Shown() const { return section == in.currentSection || section == kAlwaysShownSection; }
    int LineStart() const { return in.textArea.left() + in.indent + leftOffset; }
    int ScaledPosition(int n) const { return qRound(n * in.horizontalFactor); }
    int ScaledFontSize(int size) const { return std::max(1, qRound(size * in.fontFactor)); }
    int LineAdvance() const { return qRound(QFontMetrics(font, device).height() * spacing / 10.0); }

    void ResetFont() {
        font = in.font;
        font.setPointSize(ScaledFontSize(in.font.pointSize()));
        color = in.fontColor;
    }

    void EndLink() {
        linkKind = TLinkKind::None;
        linkId = 0;
        linkUrl.clear();
    }

    void StartLink(TLinkKind kind, int id, const QString& url = {}) {
        linkKind = kind;
        linkId = id;
        linkUrl = url;
    }

    void InterpretLine(const QString& line) {
        result.plainLines.append(QString());
        if (line.startsWith(';')) return;
        pass = true;
        qsizetype pos = 0;
        for (;;) {
            const qsizetype open = line.indexOf('<', pos);
            OutputRun(line.mid(pos, open < 0 ? -1 : open - pos));
            if (open < 0) break;
            const qsizetype close = line.indexOf('>', open + 1);
            InterpretGroup(line.mid(open + 1, close < 0 ? -1 : close - open - 1));
            if (!pass) return; // a failed check drops the rest and the advance
            pos = close < 0 ? line.size() : close + 1;
        }
        if (!Shown()) return;
        y += LineAdvance();
        x = LineStart();
    }

    void InterpretGroup(const QString& group) {
        for (const QString& command : group.split(';')) {
            Interpret(command.trimmed());
            if (!pass) return;
        }
        // Link texts are underlined only while hovered.
        if (linkKind != TLinkKind::None) font.setUnderline(false);
    }

    void Interpret(const QString& command) {
        if (command.isEmpty()) return;
        const QChar letter = command[0];
        if (letter == 's') {
            section = ReadNumberOr(command.mid(1, 5), 1);
            return;
        }
        if (!Shown()) return;
        if (in.visionImpaired && QStringLiteral("CFTc").contains(letter)) return;
        InterpretShown(letter.toLatin1(), command.mid(1));
    }

    void InterpretShown(char letter, const QString& argument) {
        switch (letter) {
        case '.':
            ResetFont();
            EndLink();
            break;
        case 'T':
            WithNumber(argument.left(3), [&](int n) { SetStyle(n); });
            break;
        case 'S':
            WithNumber(argument.left(3), [&](int n) { font.setPointSize(ScaledFontSize(n)); });
            break;
        case 'F':
            font.setFamily(argument.left(30));
            break;
        case 'C':
            WithNumber(argument.left(2), [&](int n) { SetTableColor(n); });
            break;
        case 'c':
            SetTagColor(ReadNumberOr(argument.left(5), 0));
            break;
        case 'A':
            align = argument.left(1) == "R" ? 'R' : argument.left(1) == "C" ? 'C' : 'L';
            break;
        case 'X':
            WithNumber(argument.left(4), [&](int n) {
                leftOffset = ScaledPosition(n);
                x = LineStart();
            });
            break;
        case 'x':
            WithNumber(argument.left(4), [&](int n) { x += ScaledPosition(n); });
            break;
        case 'Y':
            SetAbsoluteY(argument.left(4));
            break;
        case 'y':
            WithNumber(argument.left(4), [&](int n) { y += ScaledPosition(n); });
            break;
        case 'L':
            spacing = ReadNumberOr(argument.left(2), 10);
            break;
        case 'V':
            AddPlaceholder(ReadNumberOr(argument.left(5), 0));
            break;
        case 'v':
            Check(ReadNumberOr(argument.left(5), 0));
            break;
        case 'J':
            StartLink(TLinkKind::Jump, ReadNumberOr(argument.left(5), 0));
            break;
        case 'G':
            StartLink(TLinkKind::Screen, ReadNumberOr(argument.left(5), 0));
            break;
        case 'H':
            StartLink(TLinkKind::Web, ++linkCount, argument);
            break;
        default:
            break; // other letters are ignored
        }
    }

    // Commands that position or style text refuse an unreadable number with a beep, once per
    // paint: a layout that only measures stays quiet.
    template <typename Apply>
    void WithNumber(const QString& argument, Apply apply) {
        if (const auto number = ReadNumber(argument))
            apply(*number);
        else if (painter)
            Beep();
    }

    void SetStyle(int n) {
        font.setBold(n & 1);
        font.setItalic(n & 2);
        font.setUnderline(n & 4);
    }

    void SetTableColor(int n) {
        const QColor tableColor = MarkupTableColor(n, in.buttonFace, in.window);
        if (tableColor.isValid()) color = tableColor;
    }

    void SetTagColor(int n) {
        if (n == 0)
            color = in.fontColor;
        else if (cb.colorTag)
            color = cb.colorTag(n, color);
    }

    void SetAbsoluteY(const QString& argument) {
        const bool fromBottom = argument.startsWith('-');
        WithNumber(fromBottom ? argument.mid(1) : argument, [&](int n) {
            y = fromBottom ? in.textArea.bottom() + 1 - ScaledPosition(n) - LineAdvance()
                           : in.textArea.top() + ScaledPosition(n);
        });
    }

    void AddPlaceholder(int n) {
        if (n != 0 && cb.screenTag) prefix += cb.screenTag(n);
    }

    void Check(int n) {
        if (n != 0 && cb.checkTag) pass = cb.checkTag(n);
    }

    void OutputRun(const QString& text) {
        const QString run = prefix + text;
        prefix.clear();
        if (run.isEmpty() || !Shown()) return;
        const QFontMetrics metrics(font, device);
        const int width = metrics.horizontalAdvance(run);
        int left = x - (align == 'R' ? width : align == 'C' ? width / 2 : 0);
        if (in.attention && align == 'L') left = std::max(left, in.iconWidth + kAttentionTextGap);
        const QRect rect(left, y, width, metrics.height());
        bool hovered = false;
        if (linkKind != TLinkKind::None) {
            result.regions.push_back({linkKind, linkId, linkUrl, run, rect});
            hovered = linkKind == in.hoverKind && linkId == in.hoverId;
        }
        if (painter) Draw(run, rect, metrics.ascent(), hovered);
        AppendPlain(run.trimmed());
        x = left + width;
    }

    void Draw(const QString& run, const QRect& rect, int ascent, bool hovered) {
        QFont drawn = font;
        if (hovered) drawn.setUnderline(true);
        painter->setFont(drawn);
        painter->setPen(color);
        painter->drawText(rect.left(), rect.top() + ascent, run);
    }

    void AppendPlain(const QString& text) {
        if (text.isEmpty()) return;
        QString& line = result.plainLines.last();
        if (!line.isEmpty()) line += ' ';
        line += text;
    }
};

} // namespace

TMarkupResult RunMarkup(const TMarkupInput& input, const TMarkupCallbacks& callbacks,
                        QPaintDevice* device, QPainter* painter) {
    return TMarkupPass(input, callbacks, device, painter).Run();
}

QColor MarkupTableColor(int number, const QColor& buttonFace, const QColor& window) {
    switch (number) {
    case 1:
        return QColor(0, 0, 0);
    case 2:
        return QColor(128, 0, 0);
    case 3:
        return QColor(0, 128, 0);
    case 4:
        return QColor(128, 128, 0);
    case 5:
        return QColor(0, 0, 128);
    case 6:
        return QColor(128, 0, 128);
    case 7:
        return QColor(0, 128, 128);
    case 8:
        return QColor(128, 128, 128);
    case 9:
        return QColor(192, 192, 192);
    case 10:
        return QColor(255, 0, 0);
    case 11:
        return QColor(0, 255, 0);
    case 12:
        return QColor(0, 0, 255);
    case 13:
        return QColor(255, 0, 255);
    case 14:
        return QColor(0, 255, 255);
    case 15:
        return QColor(255, 255, 255);
    case 16:
        return QColor(255, 255, 0);
    case 17:
        return buttonFace;
    case 18:
        return window;
    default:
        return QColor(); // outside the table: the colour stays
    }
}

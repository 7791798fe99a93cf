#pragma once
// The label that carries every question text: marked-up lines interpreted on every paint, one
// section shown at a time, placeholders and checks answered by the screen, clickable help jumps,
// screen links and web links. It knows nothing of the field store; the screen answers its calls.

#include "TextLblMarkup.h"

#include <QColor>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <vector>

class TTextLbl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QStringList Text READ text WRITE setText)
    Q_PROPERTY(int LineSpacing READ lineSpacing WRITE setLineSpacing)
    Q_PROPERTY(int Section READ section WRITE setSection)
    Q_PROPERTY(int CurrentSection READ currentSection WRITE setCurrentSection)
    Q_PROPERTY(TTextLblKind Kind READ kind WRITE setKind)
    Q_PROPERTY(TTextLabelMode mode READ mode WRITE setMode)
    Q_PROPERTY(bool CalculateHeight READ calculateHeight WRITE setCalculateHeight)
    Q_PROPERTY(int BottomMargin READ bottomMargin WRITE setBottomMargin)
    Q_PROPERTY(int ParentBottomMargin READ parentBottomMargin WRITE setParentBottomMargin)
    Q_PROPERTY(bool Transparent READ transparent WRITE setTransparent)
    Q_PROPERTY(TBevelCut BevelInner READ bevelInner WRITE setBevelInner)
    Q_PROPERTY(TBevelCut BevelOuter READ bevelOuter WRITE setBevelOuter)
    Q_PROPERTY(int BevelWidth READ bevelWidth WRITE setBevelWidth)
    Q_PROPERTY(QColor Color READ color WRITE setColor)
    Q_PROPERTY(QColor FontColor READ fontColor WRITE setFontColor)
    Q_PROPERTY(int Tag READ tag WRITE setTag)
    Q_PROPERTY(QString plainText READ plainText)
    Q_PROPERTY(QStringList plainTextLines READ plainTextLines)

public:
    enum TTextLblKind { tlkNone, tlkDirection, tlkAttention, tlkDanger };
    Q_ENUM(TTextLblKind)
    enum TTextLabelMode { tlmStandard, tlmVisionImpaired };
    Q_ENUM(TTextLabelMode)
    enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
    Q_ENUM(TBevelCut)

    explicit TTextLbl(QWidget* parent = nullptr);

    QStringList text() const { return FText; }
    void setText(const QStringList& lines);
    int lineSpacing() const { return FLineSpacing; }
    void setLineSpacing(int tenths);
    int section() const { return FSection; }
    void setSection(int section);
    int currentSection() const { return FCurrentSection; }
    void setCurrentSection(int section);
    TTextLblKind kind() const { return FKind; }
    void setKind(TTextLblKind kind);
    TTextLabelMode mode() const { return FMode; }
    void setMode(TTextLabelMode mode);
    bool calculateHeight() const { return FCalculateHeight; }
    void setCalculateHeight(bool on);
    int bottomMargin() const { return FBottomMargin; }
    void setBottomMargin(int margin);
    int parentBottomMargin() const { return FParentBottomMargin; }
    void setParentBottomMargin(int margin);
    bool transparent() const { return FTransparent; }
    void setTransparent(bool on);
    TBevelCut bevelInner() const { return FBevelInner; }
    void setBevelInner(TBevelCut cut);
    TBevelCut bevelOuter() const { return FBevelOuter; }
    void setBevelOuter(TBevelCut cut);
    int bevelWidth() const { return FBevelWidth; }
    void setBevelWidth(int width);
    QColor color() const { return FColor; }
    void setColor(const QColor& color);
    QColor fontColor() const { return FFontColor; }
    void setFontColor(const QColor& color);
    int tag() const { return FTag; }
    void setTag(int tag) { FTag = tag; }

    // The text as last laid out, without commands: one entry per line of Text, and joined.
    QString plainText() const;
    QStringList plainTextLines() const { return FLayout.plainLines; }
    // Clickable regions of the last layout, in text order.
    const std::vector<TLinkRegion>& linkRegions() const { return FLayout.regions; }

    // The frame scales the interview by m/d: positions by m/d, font sizes by m/d to two decimals.
    void setZoom(int m, int d);
    double horizontalFactor() const { return FHorizontalFactor; }
    double fontFactor() const { return FFontFactor; }

    // The screen answers these; without an answer a placeholder is empty, a check passes and a
    // colour tag changes nothing.
    void setOnScreenTag(std::function<QString(int screenTagId)> handler);
    void setOnCheckTag(std::function<bool(int checkTagId)> handler);
    void setOnColorTag(std::function<QColor(int colorTagId, QColor current)> handler);

    QSize sizeHint() const override { return {80, 40}; }

signals:
    void jumpClicked(int jumpId, const QString& linkUrl);
    void screenClicked(int screenId);
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QStringList FText;
    int FLineSpacing = 10;
    int FDesignedSection = 1; // where each layout starts
    int FSection = 1;         // the section in force at the end of the last layout
    int FCurrentSection = 1;
    TTextLblKind FKind = tlkNone;
    TTextLabelMode FMode = tlmStandard;
    bool FCalculateHeight = false;
    int FBottomMargin = 3;
    int FParentBottomMargin = -1;
    bool FTransparent = false;
    TBevelCut FBevelInner = bvNone;
    TBevelCut FBevelOuter = bvNone;
    int FBevelWidth = 1;
    QColor FColor;
    QColor FFontColor = Qt::black;
    int FTag = 0;
    double FHorizontalFactor = 1.0;
    double FFontFactor = 1.0;
    TMarkupCallbacks FCallbacks;
    TMarkupResult FLayout;
    TLinkKind FHoverKind = TLinkKind::None;
    int FHoverId = 0;
    bool FHandCursor = false;
    QCursor FOwnCursor;

    template <typename T>
    void Change(T& member, const T& value);
    void Relayout();
    TMarkupResult Layout(QPainter* painter);
    TMarkupInput MarkupInput() const;
    int BevelCount() const;
    QRect TextArea() const;
    QRect WantedGeometry(int bottom) const;
    void ApplyGeometry(int bottom);
    int ReferenceHeight() const;
    void PaintFocusRect(QPainter& painter);
    void PaintFrame(QPainter& painter);
    void PaintBevels(QPainter& painter);
    void PaintComponentName(QPainter& painter);
    const TLinkRegion* RegionAt(const QPoint& pos) const;
    void SetHover(const TLinkRegion* region);
};

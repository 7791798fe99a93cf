#include "TextLbl.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDesktopServices>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kIconGap = 4; // between the icon and the text area
constexpr int kVisionImpairedIndent = 2;
constexpr int kTallScreen = 600; // above this the form's height is fixed
constexpr int kTallScreenReferenceHeight = 482;
const QColor kAttentionFrameColor(244, 193, 0);

// Loaded once for the whole module; a null pixmap for tlkNone.
const QPixmap& KindIcon(TTextLbl::TTextLblKind kind) {
    // Never freed: pixmaps must not outlive the application object at exit.
    static const auto* icons = new QPixmap[4]{
        QPixmap(),
        QPixmap(":/vesk/controls/direction.png"),
        QPixmap(":/vesk/controls/attention.png"),
        QPixmap(":/vesk/controls/danger.png"),
    };
    const bool known = kind >= TTextLbl::tlkNone && kind <= TTextLbl::tlkDanger;
    return icons[known ? kind : TTextLbl::tlkNone];
}

// Screen readers read the label's text as shown, without its commands.
class TTextLblAccessible : public QAccessibleWidget {
public:
    explicit TTextLblAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::StaticText) {}

    QString text(QAccessible::Text which) const override {
        const auto* label = static_cast<const TTextLbl*>(widget());
        if (which == QAccessible::Name && label->accessibleName().isEmpty())
            return label->plainText();
        if (which == QAccessible::Description && label->accessibleDescription().isEmpty())
            return label->plainText();
        return QAccessibleWidget::text(which);
    }
};

QAccessibleInterface* TextLblAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("TTextLbl") && object && object->isWidgetType())
        return new TTextLblAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

void InstallAccessibleFactoryOnce() {
    static const bool installed = [] {
        QAccessible::installFactory(TextLblAccessibleFactory);
        return true;
    }();
    (void)installed;
}

// Draws a frame `width` wide just inside `rect` and shrinks `rect` by it.
void Frame3D(QPainter& painter, QRect& rect, const QColor& topLeft, const QColor& bottomRight,
             int width) {
    for (int i = 0; i < width; ++i) {
        painter.setPen(topLeft);
        painter.drawLine(rect.topLeft(), rect.topRight());
        painter.drawLine(rect.topLeft(), rect.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(rect.bottomLeft(), rect.bottomRight());
        painter.drawLine(rect.topRight(), rect.bottomRight());
        rect.adjust(1, 1, -1, -1);
    }
}

} // namespace

static void InitControlResources() {
    // The icons live in this static library; make sure its resources are linked in.
    static const bool done = [] {
        Q_INIT_RESOURCE(controls);
        return true;
    }();
    (void)done;
}

TTextLbl::TTextLbl(QWidget* parent) : QWidget(parent) {
    InitControlResources();
    InstallAccessibleFactoryOnce();
    resize(80, 40);
    setFont(QFont("Arial", 10));
    FColor = palette().color(QPalette::Window);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

template <typename T>
void TTextLbl::Change(T& member, const T& value) {
    if (member == value) return;
    member = value;
    Relayout();
}

void TTextLbl::setText(const QStringList& lines) {
    FText = lines;
    FHoverKind = TLinkKind::None; // the regions are about to change; the next move finds its own
    FHoverId = 0;
    Relayout();
}

void TTextLbl::setLineSpacing(int tenths) {
    Change(FLineSpacing, tenths);
}

void TTextLbl::setCurrentSection(int section) {
    Change(FCurrentSection, section);
}

void TTextLbl::setCalculateHeight(bool on) {
    Change(FCalculateHeight, on);
}

void TTextLbl::setBottomMargin(int margin) {
    Change(FBottomMargin, margin);
}

void TTextLbl::setParentBottomMargin(int margin) {
    Change(FParentBottomMargin, margin);
}

void TTextLbl::setTransparent(bool on) {
    Change(FTransparent, on);
}

void TTextLbl::setBevelInner(TBevelCut cut) {
    Change(FBevelInner, cut);
}

void TTextLbl::setBevelOuter(TBevelCut cut) {
    Change(FBevelOuter, cut);
}

void TTextLbl::setBevelWidth(int width) {
    Change(FBevelWidth, width);
}

void TTextLbl::setSection(int section) {
    FDesignedSection = section;
    FSection = section;
    Relayout();
}

void TTextLbl::setKind(TTextLblKind kind) {
    if (kind != tlkNone) FColor = Qt::white;
    Change(FKind, kind);
}

void TTextLbl::setMode(TTextLabelMode mode) {
    setFocusPolicy(mode == tlmVisionImpaired ? Qt::StrongFocus : Qt::NoFocus);
    Change(FMode, mode);
}

void TTextLbl::setColor(const QColor& color) {
    FColor = color;
    update();
}

void TTextLbl::setFontColor(const QColor& color) {
    Change(FFontColor, color);
}

void TTextLbl::setZoom(int m, int d) {
    if (m <= 0 || d <= 0) return;
    FHorizontalFactor = double(m) / d;
    FFontFactor = std::round(FHorizontalFactor * 100.0) / 100.0;
    Relayout();
}

void TTextLbl::setOnScreenTag(std::function<QString(int)> handler) {
    FCallbacks.screenTag = std::move(handler);
    Relayout();
}

void TTextLbl::setOnCheckTag(std::function<bool(int)> handler) {
    FCallbacks.checkTag = std::move(handler);
    Relayout();
}

void TTextLbl::setOnColorTag(std::function<QColor(int, QColor)> handler) {
    FCallbacks.colorTag = std::move(handler);
    Relayout();
}

QString TTextLbl::plainText() const {
    const QStringList& lines = FLayout.plainLines;
    if (lines.isEmpty()) return {};
    QString text = lines.first().trimmed();
    for (qsizetype i = 1; i < lines.size(); ++i)
        text += ' ' + lines[i];
    return text;
}

// Lays the text out without drawing, so that the height, the plain text and the clickable
// regions are right before the first paint.
void TTextLbl::Relayout() {
    const QString before = plainText();
    FLayout = Layout(nullptr);
    ApplyGeometry(FLayout.bottom);
    update();
    if (QAccessible::isActive() && plainText() != before) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

TMarkupResult TTextLbl::Layout(QPainter* painter) {
    TMarkupResult result = RunMarkup(MarkupInput(), FCallbacks, this, painter);
    FSection = result.lastSection;
    return result;
}

TMarkupInput TTextLbl::MarkupInput() const {
    TMarkupInput input;
    input.lines = FText;
    input.font = font();
    input.fontColor = FFontColor;
    input.lineSpacing = FLineSpacing;
    input.section = FDesignedSection;
    input.currentSection = FCurrentSection;
    input.visionImpaired = FMode == tlmVisionImpaired;
    input.attention = FKind == tlkAttention;
    input.iconWidth = KindIcon(FKind).width();
    input.horizontalFactor = FHorizontalFactor;
    input.fontFactor = FFontFactor;
    input.textArea = TextArea();
    input.indent = FMode == tlmVisionImpaired ? kVisionImpairedIndent : 0;
    input.hoverKind = FHoverKind;
    input.hoverId = FHoverId;
    input.buttonFace = palette().color(QPalette::Button);
    input.window = palette().color(QPalette::Base);
    return input;
}

int TTextLbl::BevelCount() const {
    return (FBevelInner != bvNone) + (FBevelOuter != bvNone);
}

QRect TTextLbl::TextArea() const {
    QRect area = rect();
    if (FKind != tlkNone) area.setLeft(KindIcon(FKind).width() + kIconGap);
    const int bevels = BevelCount() * FBevelWidth;
    return area.adjusted(bevels, bevels, -bevels, -bevels);
}

int TTextLbl::ReferenceHeight() const {
    const int parentHeight = parentWidget() ? parentWidget()->height() : height();
    if (FHorizontalFactor != 1.0) return parentHeight;
    const QScreen* display = screen();
    if (display && display->geometry().height() > kTallScreen) return kTallScreenReferenceHeight;
    return parentHeight;
}

QRect TTextLbl::WantedGeometry(int bottom) const {
    int wanted = height();
    const int iconHeight = KindIcon(FKind).height();
    if (FCalculateHeight) wanted = std::max(bottom + FBottomMargin, iconHeight);
    if (FKind == tlkAttention) wanted = std::max(wanted, iconHeight);
    int top = y();
    if (FParentBottomMargin != -1 && parentWidget())
        top = ReferenceHeight() - wanted - FParentBottomMargin;
    return QRect(x(), top, width(), wanted);
}

void TTextLbl::ApplyGeometry(int bottom) {
    const QRect wanted = WantedGeometry(bottom);
    if (wanted != geometry()) setGeometry(wanted);
}

void TTextLbl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!FTransparent) painter.fillRect(rect(), FColor);
    if (FMode == tlmVisionImpaired && hasFocus()) PaintFocusRect(painter);
    if (FText.isEmpty()) {
        PaintComponentName(painter);
    } else {
        FLayout = Layout(&painter);
        // Placeholders and checks may answer differently now; resize outside the paint.
        const int bottom = FLayout.bottom;
        if (WantedGeometry(bottom) != geometry())
            QTimer::singleShot(0, this, [this, bottom] { ApplyGeometry(bottom); });
    }
    PaintFrame(painter);
    PaintBevels(painter);
}

// Drawn whatever the style, since styles show focus only after keyboard navigation.
void TTextLbl::PaintFocusRect(QPainter& painter) {
    painter.setPen(QPen(FFontColor, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TTextLbl::PaintComponentName(QPainter& painter) {
    painter.setPen(FFontColor);
    painter.drawText(TextArea(), Qt::TextWordWrap, objectName());
}

void TTextLbl::PaintFrame(QPainter& painter) {
    const QPixmap& icon = KindIcon(FKind);
    if (!icon.isNull()) painter.drawPixmap(0, 0, icon);
    if (FKind != tlkAttention) return;
    QRect area = rect();
    area.setLeft(icon.width() + kIconGap);
    painter.setPen(kAttentionFrameColor);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
}

void TTextLbl::PaintBevels(QPainter& painter) {
    QRect frame = rect();
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor highlight = palette().color(QPalette::Light);
    for (const TBevelCut cut : {FBevelOuter, FBevelInner}) {
        if (cut == bvNone) continue;
        if (cut == bvLowered)
            Frame3D(painter, frame, shadow, highlight, FBevelWidth);
        else
            Frame3D(painter, frame, highlight, shadow, FBevelWidth);
    }
}

// Help jumps first, then screen links, then web links; the last one found wins.
const TLinkRegion* TTextLbl::RegionAt(const QPoint& pos) const {
    const TLinkRegion* found = nullptr;
    for (const TLinkKind kind : {TLinkKind::Jump, TLinkKind::Screen, TLinkKind::Web})
        for (const TLinkRegion& region : FLayout.regions)
            if (region.kind == kind && region.rect.contains(pos)) found = &region;
    return found;
}

void TTextLbl::SetHover(const TLinkRegion* region) {
    const TLinkKind kind = region ? region->kind : TLinkKind::None;
    const int id = region ? region->id : 0;
    if (region && !FHandCursor) {
        FOwnCursor = cursor();
        FHandCursor = true;
        setCursor(Qt::PointingHandCursor);
    } else if (!region && FHandCursor) {
        FHandCursor = false;
        setCursor(FOwnCursor);
    }
    if (kind == FHoverKind && id == FHoverId) return;
    FHoverKind = kind;
    FHoverId = id;
    update();
}

void TTextLbl::mouseMoveEvent(QMouseEvent* event) {
    SetHover(RegionAt(event->position().toPoint()));
    QWidget::mouseMoveEvent(event);
}

void TTextLbl::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    const TLinkRegion* region = RegionAt(pos);
    if (!region || event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    switch (region->kind) {
    case TLinkKind::Jump:
        emit jumpClicked(region->id, QString());
        break;
    case TLinkKind::Screen:
        emit screenClicked(region->id);
        break;
    case TLinkKind::Web:
        for (const TLinkRegion& link : FLayout.regions)
            if (link.kind == TLinkKind::Web && link.rect.contains(pos))
                QDesktopServices::openUrl(QUrl::fromUserInput(link.url));
        break;
    case TLinkKind::None:
        break;
    }
}

void TTextLbl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

void TTextLbl::mouseDoubleClickEvent(QMouseEvent* event) {
    emit doubleClicked();
    QWidget::mouseDoubleClickEvent(event);
}

void TTextLbl::leaveEvent(QEvent* event) {
    SetHover(nullptr);
    QWidget::leaveEvent(event);
}

void TTextLbl::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void TTextLbl::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

void TTextLbl::showEvent(QShowEvent* event) {
    Relayout();
    QWidget::showEvent(event);
}

void TTextLbl::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) Relayout();
    QWidget::changeEvent(event);
}

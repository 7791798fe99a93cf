// The frame's font resizer on a window of its own, driven by real resize events.

#include "FontResizer.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

class TFontResizerTest : public QObject {
    Q_OBJECT

private slots:
    void fontsFollowTheWindowWithinBounds_data();
    void fontsFollowTheWindowWithinBounds();
};

void TFontResizerTest::fontsFollowTheWindowWithinBounds_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<qreal>("label");  // points, designed 10
    QTest::addColumn<qreal>("small");  // points, designed 6
    QTest::addColumn<qreal>("button"); // points of the pixel font, designed 13 px
    QTest::newRow("as designed") << QSize(400, 300) << 10.0 << 6.0 << 9.75;
    QTest::newRow("twice") << QSize(800, 600) << 20.0 << 12.0 << 19.5;
    QTest::newRow("the narrower side rules") << QSize(800, 300) << 10.0 << 6.0 << 9.75;
    QTest::newRow("capped at 48 points") << QSize(4000, 3000) << 48.0 << 48.0 << 48.0;
    QTest::newRow("floored at 8 points") << QSize(100, 75) << 8.0 << 6.0 << 8.25;
}

void TFontResizerTest::fontsFollowTheWindowWithinBounds() {
    QFETCH(QSize, size);
    QFETCH(qreal, label);
    QFETCH(qreal, small);
    QFETCH(qreal, button);
    QWidget window;
    window.resize(400, 300);
    auto* text = new QLabel("Text", &window);
    auto* smallText = new QLabel("Small", &window);
    auto* push = new QPushButton("Next", &window);
    auto* screens = new QWidget(&window);
    auto* screenText = new QLabel("Screen", screens);
    auto pointFont = [](QWidget* widget, qreal points) {
        QFont font = widget->font();
        font.setPointSizeF(points);
        widget->setFont(font);
    };
    pointFont(text, 10);
    pointFont(smallText, 6);
    pointFont(screenText, 10);
    QFont pixels = push->font();
    pixels.setPixelSize(13);
    push->setFont(pixels);
    TFontResizer resizer(&window, screens);
    resizer.Start();
    window.show();

    window.resize(size);
    QCOMPARE(window.size(), size);
    const qreal pointsPerPixel = 72.0 / window.logicalDpiY();
    QCOMPARE(text->font().pointSizeF(), label);
    QCOMPARE(smallText->font().pointSizeF(), small);
    QCOMPARE(push->font().pixelSize() * pointsPerPixel, button);
    QCOMPARE(screenText->font().pointSizeF(), 10.0);
}

QTEST_MAIN(TFontResizerTest)
#include "FontResizerTest.moc"

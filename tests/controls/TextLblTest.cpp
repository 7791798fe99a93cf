// The marked-up text label driven as a screen uses it: real text, real paints, real mouse events.

#include "TextLbl.h"
#include "Beep.h"
#include "ui_TextLblForm.h"

#include <QAccessible>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include <cstdlib>
#include <memory>

namespace {

QImage Render(TTextLbl& label) {
    return label.grab().toImage();
}

// Pixels close to `color`; text edges are blended with the background, so allow some distance.
int CountPixels(const QImage& image, const QRect& area, const QColor& color) {
    int count = 0;
    const QRect clipped = area & image.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            const int distance = std::abs(pixel.red() - color.red()) +
                                 std::abs(pixel.green() - color.green()) +
                                 std::abs(pixel.blue() - color.blue());
            if (distance < 90) ++count;
        }
    return count;
}

// Receives the addresses the label hands to the system shell.
class TUrlSink : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

} // namespace

class TTextLblTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> form;
    TTextLbl* label = nullptr;
    int beeps = 0;

    int LineHeight() const { return QFontMetrics(label->font(), label).height(); }

    const TLinkRegion* Region(TLinkKind kind, int id) const {
        for (const TLinkRegion& region : label->linkRegions())
            if (region.kind == kind && region.id == id) return &region;
        return nullptr;
    }

    // The left edge of the first clickable run, used to see where a line was placed.
    QPoint FirstRegionTopLeft() const {
        return label->linkRegions().empty() ? QPoint(-1, -1)
                                            : label->linkRegions().front().rect.topLeft();
    }

private slots:
    void init() {
        form = std::make_unique<QWidget>();
        form->resize(640, 480);
        label = new TTextLbl(form.get());
        label->setGeometry(0, 0, 600, 200);
        label->setColor(Qt::white);
        beeps = 0;
        SetBeepObserver([this] { ++beeps; });
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    void cleanup() {
        SetBeepObserver(nullptr);
        form.reset();
    }

    void defaultsMatchANewLabel() {
        TTextLbl fresh;
        QCOMPARE(fresh.size(), QSize(80, 40));
        QCOMPARE(fresh.lineSpacing(), 10);
        QCOMPARE(fresh.currentSection(), 1);
        QCOMPARE(fresh.bottomMargin(), 3);
        QCOMPARE(fresh.parentBottomMargin(), -1);
        QCOMPARE(fresh.bevelWidth(), 1);
        QCOMPARE(fresh.font().pointSize(), 10);
        QCOMPARE(fresh.focusPolicy(), Qt::NoFocus);
    }

    // Screens are form descriptions compiled by uic, which sets the properties by name.
    void formDescriptionsCarryTheProperties() {
        QWidget screen;
        Ui::TextLblForm ui;
        ui.setupUi(&screen);
        TTextLbl* box = ui.TextLblYellowBox;
        box->setOnScreenTag([](int id) { return id == 99998 ? QString("2003") : QString(); });
        QCOMPARE(box->kind(), TTextLbl::tlkAttention);
        QCOMPARE(box->mode(), TTextLbl::tlmVisionImpaired);
        QCOMPARE(box->bevelOuter(), TTextLbl::bvRaised);
        QCOMPARE(box->lineSpacing(), 12);
        QCOMPARE(box->property("Tag").toInt(), 1266);
        QCOMPARE(box->color(), QColor(Qt::white)); // set by the kind
        // Runs are joined with one blank, the hidden first line leaves an empty entry.
        QCOMPARE(box->plainTextLines(),
                 QStringList({"", "Enter the start of the period, or 01/07/ 2003 if it began "
                                  "before the year."}));
        QCOMPARE(box->height(), 32); // one line, raised to the attention icon
    }

    void sectionsChooseTheLinesShown_data() {
        QTest::addColumn<QStringList>("text");
        QTest::addColumn<int>("current");
        QTest::addColumn<QStringList>("shown");
        const QStringList twoSections{"<s1>first", "<s2>second"};
        QTest::newRow("section 1") << twoSections << 1 << QStringList{"first", ""};
        QTest::newRow("section 2") << twoSections << 2 << QStringList{"", "second"};
        const QStringList withAlways{"<s1>one", "<s999>always", "<s-1>minus", "<s2>two"};
        QTest::newRow("999 with 1") << withAlways << 1 << QStringList{"one", "always", "", ""};
        QTest::newRow("999 with 2") << withAlways << 2 << QStringList{"", "always", "", "two"};
        QTest::newRow("-1 shows -1 and 999")
            << withAlways << -1 << QStringList{"", "always", "minus", ""};
        QTest::newRow("section stays for the following lines")
            << QStringList{"<s2>a", "b", "<s1>c"} << 2 << QStringList{"a", "b", ""};
        QTest::newRow("unreadable section means 1")
            << QStringList{"<s2>a", "<sx>b"} << 1 << QStringList{"", "b"};
        QTest::newRow("comment lines are skipped")
            << QStringList{"; <s1>note", "text"} << 1 << QStringList{"", "text"};
    }

    void sectionsChooseTheLinesShown() {
        QFETCH(QStringList, text);
        QFETCH(int, current);
        QFETCH(QStringList, shown);
        label->setCurrentSection(current);
        label->setText(text);
        QCOMPARE(label->plainTextLines(), shown);
        Render(*label);
        QCOMPARE(label->plainTextLines(), shown);
    }

    void hiddenLinesTakeNoSpace_data() {
        QTest::addColumn<QStringList>("text");
        QTest::addColumn<int>("current");
        QTest::newRow("hidden section") << QStringList{"<s1>first", "<s2><J5>second"} << 2;
        QTest::newRow("comment") << QStringList{";<J9>comment", "<J5>second"} << 1;
        QTest::newRow("failed check") << QStringList{"<v7>dropped", "<J5>second"} << 1;
    }

    void hiddenLinesTakeNoSpace() {
        QFETCH(QStringList, text);
        QFETCH(int, current);
        label->setOnCheckTag([](int id) { return id != 7; });
        label->setCalculateHeight(true);
        label->setCurrentSection(current);
        label->setText(text);
        QCOMPARE(FirstRegionTopLeft(), QPoint(0, 0));
        QCOMPARE(label->height(), LineHeight() + label->bottomMargin());
    }

    void failedCheckDropsTheRestOfTheLine() {
        QList<int> asked;
        label->setOnCheckTag([&](int id) {
            asked.append(id);
            return id == 1;
        });
        label->setText({"kept <v1>shown <v2>dropped <v3>never asked", "<s2><v4>hidden section"});
        QCOMPARE(label->plainTextLines(), QStringList({"kept shown", ""}));
        QCOMPARE(asked, QList<int>({1, 2}));
        label->setOnCheckTag({});
        QCOMPARE(label->plainTextLines().first(), "kept shown dropped never asked");
    }

    void placeholdersTakeTheScreensValue() {
        QList<int> asked;
        label->setOnScreenTag([&](int id) {
            asked.append(id);
            return id == 99999 ? QString("2004") : QString("2003");
        });
        label->setText({"30 June <V99999> you must", "<V99998>-<V99999>", "<V0>none<s2><V5>"});
        QCOMPARE(label->plainTextLines(),
                 QStringList({"30 June 2004 you must", "2003- 2004", "none"}));
        QVERIFY(label->plainText().contains("2004"));
        QVERIFY(!asked.contains(0));
        QVERIFY(!asked.contains(5)); // a hidden section asks for nothing
        label->setOnScreenTag({});
        QCOMPARE(label->plainTextLines().first(), "30 June you must");
    }

    void plainTextJoinsTheLinesAndReachesScreenReaders() {
        label->setText({"  <T1>Your Vesk claim<.> is now complete.  ", "Click <T1>Next<.>."});
        QCOMPARE(label->plainTextLines(),
                 QStringList({"Your Vesk claim is now complete.", "Click Next ."}));
        QCOMPARE(label->plainText(), "Your Vesk claim is now complete. Click Next .");
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(label);
        QVERIFY(accessible);
        QCOMPARE(accessible->role(), QAccessible::StaticText);
        QCOMPARE(accessible->text(QAccessible::Name), label->plainText());
        QCOMPARE(accessible->text(QAccessible::Description), label->plainText());
    }

    void unreadableNumbersBeepOnlyForPositionAndStyle_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("expectedBeeps");
        for (const char* bad :
             {"S", "Sab", "T", "Tx", "C", "Cz", "X", "Xq", "xq", "Y", "Y-", "Yab", "yq", "F"}) {
            // F takes a name, not a number: it never beeps.
            QTest::newRow(bad) << QString(bad) << (QString(bad) == "F" ? 0 : 1);
        }
        for (const char* quiet : {"cq", "Gq", "Jq", "vq", "Vq", "Lq", "sq", "Aq", "Q5", "."})
            QTest::newRow(quiet) << QString(quiet) << 0;
    }

    void unreadableNumbersBeepOnlyForPositionAndStyle() {
        QFETCH(QString, command);
        QFETCH(int, expectedBeeps);
        label->setText({"before <" + command + ";T1>after"});
        QCOMPARE(beeps, 0); // measuring is quiet
        Render(*label);
        QCOMPARE(beeps, expectedBeeps);
        QCOMPARE(label->plainTextLines().first(), "before after"); // the group goes on
    }

    void commandsInHiddenSectionsDoNotBeep() {
        label->setText({"<s2;S;Tx>hidden"});
        Render(*label);
        QCOMPARE(beeps, 0);
    }

    void badSizeLeavesTheSizeUnchanged() {
        label->setText({"<J1>Width test<.>"});
        const int plain = Region(TLinkKind::Jump, 1)->rect.width();
        label->setText({"<S14;J1>Width test<.>"});
        QVERIFY(Region(TLinkKind::Jump, 1)->rect.width() > plain);
        label->setText({"<Sxx;J1>Width test<.>"});
        QCOMPARE(Region(TLinkKind::Jump, 1)->rect.width(), plain);
    }

    void helpJumpIsBlueAndUnderlinedOnlyWhileHovered() {
        label->setText({"lodged an <C12;T4;J594>Application to waive<.> with the Corvel."});
        const TLinkRegion* jump = Region(TLinkKind::Jump, 594);
        QVERIFY(jump);
        QCOMPARE(jump->text, "Application to waive");
        const QRect area = jump->rect;
        const QImage idle = Render(*label);
        QVERIFY(CountPixels(idle, area, Qt::blue) > 20);

        TTextLbl plainBlue(form.get());
        plainBlue.setGeometry(label->geometry());
        plainBlue.setColor(Qt::white);
        plainBlue.setText({"lodged an <C12;J594>Application to waive<.> with the Corvel."});
        QCOMPARE(Render(plainBlue), idle); // the T4 underline is taken off the link

        QTest::mouseMove(label, area.center());
        QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
        const QImage hovered = Render(*label);
        QVERIFY(CountPixels(hovered, area, Qt::blue) > CountPixels(idle, area, Qt::blue));

        QTest::mouseMove(label, QPoint(area.left() - 30, area.center().y()));
        QCOMPARE(label->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(Render(*label), idle);

        QTest::mouseMove(label, area.center());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(label, &leave);
        QCOMPARE(Render(*label), idle);
    }

    void linkSpanningLinesIsOneJump() {
        label->setText({"an <C12;T4;J594>Application to waive Vesk Allowance/cancel ",
                        "a current waiver (Corvel)<.;C10;T1> with the Corvel."});
        QCOMPARE(label->linkRegions().size(), size_t(2));
        const QRect second = label->linkRegions()[1].rect;
        QTest::mouseMove(label, second.center());
        const QImage image = Render(*label);
        const QRect first = label->linkRegions()[0].rect;
        // Hovering one part underlines both: the bottom rows of the first part turn blue too.
        QVERIFY(CountPixels(image, first.adjusted(0, first.height() / 2, 0, 0), Qt::blue) >
                first.width() / 2);
    }

    void clicksReachTheirHandlers() {
        QSignalSpy jumps(label, &TTextLbl::jumpClicked);
        QSignalSpy screens(label, &TTextLbl::screenClicked);
        TUrlSink sink;
        QDesktopServices::setUrlHandler("https", &sink, "open");
        label->setText({"<J594>Help<.> and <G7821>Screen<.> and <Hhttps://example.org/a>Web<.> "
                        "<Hhttps://example.org/b>Second<.>"});
        const auto clickOn = [&](TLinkKind kind, int id) {
            const QPoint centre = Region(kind, id)->rect.center();
            QTest::mouseMove(label, centre);
            QTest::mouseClick(label, Qt::LeftButton, {}, centre);
        };
        clickOn(TLinkKind::Jump, 594);
        QCOMPARE(jumps.size(), 1);
        QCOMPARE(jumps[0][0].toInt(), 594);
        QCOMPARE(jumps[0][1].toString(), QString());
        clickOn(TLinkKind::Screen, 7821);
        QCOMPARE(screens.size(), 1);
        QCOMPARE(screens[0][0].toInt(), 7821);
        clickOn(TLinkKind::Web, 2); // each H counts one link
        QCOMPARE(sink.opened, QList<QUrl>({QUrl("https://example.org/b")}));
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(590, 150)); // on no link
        QCOMPARE(jumps.size() + screens.size() + sink.opened.size(), 3);
        QDesktopServices::unsetUrlHandler("https");
    }

    void positionsAndSpacing() {
        label->setText({"<X70;J1>moved<.>", "<J2>next line<.>", "<x30;J3>more<.>"});
        QCOMPARE(Region(TLinkKind::Jump, 1)->rect.left(), 70);
        QCOMPARE(Region(TLinkKind::Jump, 2)->rect.left(), 70); // X is the new left margin
        QCOMPARE(Region(TLinkKind::Jump, 3)->rect.left(), 100);

        label->setText({"first<L14>", "<J1>second<L10>", "<J2>third"});
        const int h = LineHeight();
        QCOMPARE(Region(TLinkKind::Jump, 1)->rect.top(), qRound(h * 1.4));
        QCOMPARE(Region(TLinkKind::Jump, 2)->rect.top(), qRound(h * 1.4) + h);

        label->setText({"<Y50;J1>absolute", "<Y-20;.;J2>from the bottom", "<y7;.;J3>down"});
        QCOMPARE(Region(TLinkKind::Jump, 1)->rect.top(), 50);
        QCOMPARE(Region(TLinkKind::Jump, 2)->rect.top(), label->height() - 20 - h);
        QCOMPARE(Region(TLinkKind::Jump, 3)->rect.top(), label->height() - 20 + 7);
    }

    void alignmentPlacesRunsAroundX() {
        label->setText({"<AR;X300;J1>right<.>", "<AC;X300;J2>centre<.>", "<AQ;X300;J3>left<.>"});
        const QRect right = Region(TLinkKind::Jump, 1)->rect;
        const QRect centre = Region(TLinkKind::Jump, 2)->rect;
        QCOMPARE(right.left() + right.width(), 300);
        QCOMPARE(centre.left(), 300 - centre.width() / 2);
        QCOMPARE(Region(TLinkKind::Jump, 3)->rect.left(), 300);
    }

    void coloursFromTheTableAndTheScreen() {
        label->setText(
            {"<C10;J1>XXXX<.>", "<C19;J2>XXXX<.>", "<C10;c0;J3>XXXX<.>", "<c5;J4>XXXX<.>"});
        label->setOnColorTag([](int id, QColor current) {
            return id == 5 && current == Qt::black ? QColor(Qt::green) : current;
        });
        const QImage image = Render(*label);
        const auto has = [&](int id, const QColor& color) {
            return CountPixels(image, Region(TLinkKind::Jump, id)->rect, color) > 10;
        };
        QVERIFY(has(1, Qt::red));
        QVERIFY(has(2, Qt::black)); // outside the table the colour stays
        QVERIFY(has(3, Qt::black)); // c0 goes back to the label's own colour
        QVERIFY(has(4, Qt::green));
        QCOMPARE(MarkupTableColor(12, Qt::gray, Qt::white), QColor(0, 0, 255));
        QCOMPARE(MarkupTableColor(17, Qt::gray, Qt::white), QColor(Qt::gray));
        QCOMPARE(MarkupTableColor(18, Qt::gray, Qt::white), QColor(Qt::white));
    }

    void calculatedHeightAndParentBottomMargin() {
        label->setCalculateHeight(true);
        label->setText({"one", "two", "three"});
        QCOMPARE(label->height(), 3 * LineHeight() + 3);
        label->setBottomMargin(10);
        QCOMPARE(label->height(), 3 * LineHeight() + 10);
        label->setParentBottomMargin(5);
        // On a screen taller than 600 pixels the form's height is taken as 482.
        const bool tall = label->screen()->geometry().height() > 600;
        QCOMPARE(label->y(), (tall ? 482 : form->height()) - label->height() - 5);
        label->setZoom(5, 4); // zoomed, the parent's own height counts
        QCOMPARE(label->y(), form->height() - label->height() - 5);
        label->setZoom(1, 1);
        label->setKind(TTextLbl::tlkAttention);
        label->setText({"short"});
        QCOMPARE(label->height(), 32); // never lower than the icon
    }

    void kindsMakeRoomForTheirIcon() {
        label->setText({"<J1>text<.>"});
        label->setKind(TTextLbl::tlkDirection);
        QCOMPARE(label->color(), QColor(Qt::white));
        QCOMPARE(Region(TLinkKind::Jump, 1)->rect.left(), 32 + 4);
        label->setKind(TTextLbl::tlkAttention);
        QCOMPARE(Region(TLinkKind::Jump, 1)->rect.left(), 32 + 4 + 8);
        const QImage image = Render(*label);
        QCOMPARE(image.pixelColor(label->width() - 1, 10), QColor(244, 193, 0));
        QVERIFY(image.pixelColor(16, 16) != QColor(Qt::white)); // the icon is drawn
    }

    void bevelsFrameAndIndent() {
        label->setText({"<J1>text<.>"});
        label->setBevelOuter(TTextLbl::bvLowered);
        label->setBevelInner(TTextLbl::bvRaised);
        label->setBevelWidth(2);
        QCOMPARE(Region(TLinkKind::Jump, 1)->rect.topLeft(), QPoint(4, 4));
        const QImage image = Render(*label);
        const QColor shadow = label->palette().color(QPalette::Dark);
        const QColor highlight = label->palette().color(QPalette::Light);
        QCOMPARE(image.pixel(0, 50), shadow.rgb()); // outer lowered
        QCOMPARE(image.pixel(label->width() - 1, 50), highlight.rgb());
        QCOMPARE(image.pixel(2, 50), highlight.rgb()); // inner raised
    }

    void zoomScalesPositionsAndFonts() {
        label->setText({"<X70;J1>Zoomed text<.>"});
        const int width = Region(TLinkKind::Jump, 1)->rect.width();
        label->setZoom(3, 2);
        QCOMPARE(label->horizontalFactor(), 1.5);
        QCOMPARE(label->fontFactor(), 1.5);
        QCOMPARE(Region(TLinkKind::Jump, 1)->rect.left(), 105);
        QVERIFY(Region(TLinkKind::Jump, 1)->rect.width() > width * 1.3);
        label->setZoom(1, 3);
        QCOMPARE(label->fontFactor(), 0.33);
        QCOMPARE(Region(TLinkKind::Jump, 1)->rect.left(), 23);
    }

    void visionImpairedModeKeepsTheOwnFontAndTakesFocus() {
        label->setMode(TTextLbl::tlmVisionImpaired);
        QCOMPARE(label->focusPolicy(), Qt::StrongFocus);
        label->setText({"<C10;T1;Fserif;c3;J1>Red bold<.>"});
        const QImage styled = Render(*label);
        QCOMPARE(Region(TLinkKind::Jump, 1)->rect.left(), 2);
        TTextLbl plain(form.get());
        plain.setGeometry(label->geometry());
        plain.setColor(Qt::white);
        plain.setMode(TTextLbl::tlmVisionImpaired);
        plain.setText({"<J1>Red bold<.>"});
        QCOMPARE(Render(plain), styled);
        QCOMPARE(CountPixels(styled, label->rect(), Qt::red), 0);

        form->activateWindow();
        label->setFocus();
        QTRY_VERIFY(label->hasFocus());
        QVERIFY(Render(*label) != styled); // the focus rectangle
        label->clearFocus();
        QCOMPARE(Render(*label), styled);
    }

    void emptyTextShowsTheComponentName() {
        label->setText({"x"});
        const QImage blank = [&] {
            label->setText({""});
            return Render(*label);
        }();
        label->setObjectName("TextLblIntro");
        label->setText({});
        QVERIFY(Render(*label) != blank);
        QCOMPARE(label->plainText(), QString());
    }

    // Random markup, sections, zoom, mouse moves, clicks and focus changes never crash, and
    // the layout always accounts for every line of the text.
    void randomInputNeverCrashes() {
        QRandomGenerator generator(20040630);
        const QString alphabet = "<<>>;;;..TSFCcAXxYyLsVvJGHQ0123456789-99 abcRLC";
        label->setOnScreenTag([](int id) { return QString::number(id); });
        label->setOnCheckTag([](int id) { return id % 2 == 0; });
        label->setOnColorTag([](int id, QColor) { return QColor::fromRgb(QRgb(id)); });
        TUrlSink sink; // random web links must not reach the desktop
        for (const char* scheme : {"http", "https", "file"})
            QDesktopServices::setUrlHandler(scheme, &sink, "open");
        for (int round = 0; round < 1500; ++round) {
            QStringList text;
            for (int line = generator.bounded(6); line >= 0; --line) {
                QString markup;
                for (int i = generator.bounded(40); i > 0; --i)
                    markup += alphabet[generator.bounded(int(alphabet.size()))];
                text.append(markup);
            }
            label->setCurrentSection(generator.bounded(-2, 4));
            label->setMode(generator.bounded(2) ? TTextLbl::tlmVisionImpaired
                                                : TTextLbl::tlmStandard);
            label->setCalculateHeight(generator.bounded(2));
            label->setKind(TTextLbl::TTextLblKind(generator.bounded(4)));
            label->setBevelOuter(TTextLbl::TBevelCut(generator.bounded(4)));
            label->setZoom(generator.bounded(1, 4), generator.bounded(1, 4));
            label->setText(text);
            QCOMPARE(label->plainTextLines().size(), text.size());
            for (int event = 0; event < 5; ++event) {
                const QPoint at(generator.bounded(600), generator.bounded(200));
                QTest::mouseMove(label, at);
                if (generator.bounded(3) == 0) QTest::mouseClick(label, Qt::LeftButton, {}, at);
                if (generator.bounded(4) == 0) label->setFocus();
                if (generator.bounded(4) == 0) label->clearFocus();
            }
            Render(*label);
        }
        for (const char* scheme : {"http", "https", "file"})
            QDesktopServices::unsetUrlHandler(scheme);
    }
};

QTEST_MAIN(TTextLblTest)
#include "TextLblTest.moc"

// The vision aids (/V on the host's command line) on every question screen the module has, shown
// by the real frame on an empty and on a large claim: every control a user can tab to has a name
// a screen reader can announce, every marked-up label is read as such, and the keyboard alone
// (Tab, F6 out of tables) reaches every control in the order of the screen's layout.

#include "AccessibleNames.h"
#include "DataFile.h"
#include "FieldStore.h"
#include "FixtureScreens.h"
#include "Frame.h"
#include "LargeFamily.h"
#include "MainForm.h"
#include "ModuleRun.h"
#include "Prompter.h"
#include "RunState.h"
#include "ScreenRegistry.h"
#include "TaxEdit.h"
#include "TextLbl.h"
#include "XGrid.h"
#include "vesk2004.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>

namespace {

std::string Pascal(const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    return std::string(1, char(bytes.size())) + bytes.toStdString();
}

const unsigned char* Bytes(const std::string& text) {
    return reinterpret_cast<const unsigned char*>(text.data());
}

QString AccessibleName(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name).trimmed() : QString();
}

bool TabStop(const QWidget* widget) {
    return widget->isVisible() && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus);
}

QString Describe(const QWidget* widget) {
    return QString("%1 (%2)").arg(widget->objectName(), widget->metaObject()->className());
}

// The screen's direct child that holds the widget: the unit the vision aids order.
QWidget* DirectChild(QWidget* screen, QWidget* widget) {
    while (widget && widget->parentWidget() != screen)
        widget = widget->parentWidget();
    return widget;
}

TXGrid* EnclosingGrid(QWidget* widget) {
    for (; widget; widget = widget->parentWidget())
        if (auto* grid = qobject_cast<TXGrid*>(widget)) return grid;
    return nullptr;
}

// The vision aids' reading order: tops within 12 pixels are one row, read left to right.
bool ReadBefore(const QWidget* a, const QWidget* b) {
    if (std::abs(a->y() - b->y()) < 12) return a->x() < b->x();
    return a->y() < b->y();
}

// An edit made before the scroll box above it, whose text is a marked-up label: in creation
// order the label would be read after the edit.
class TScrollBoxScreen : public TChildForm {
public:
    TScrollBoxScreen() {
        auto* edit = new TTaxEdit(this);
        edit->setObjectName("edtAnswer");
        edit->setGeometry(16, 200, 160, 24);
        auto* box = new QScrollArea(this);
        box->setObjectName("ScrollBox1");
        box->setGeometry(16, 16, 500, 150);
        auto* text = new TTextLbl;
        text->setObjectName("TextLblLong");
        text->setText({"A long explanation that scrolls."});
        text->resize(480, 300);
        box->setWidget(text);
    }
};
constexpr int ScrollBoxScreenId = 7807;

} // namespace

class TAccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void unnamedControlsTakeTheNearestLabel_data();
    void unnamedControlsTakeTheNearestLabel();
    void everyScreenUnderTheVisionAids_data();
    void everyScreenUnderTheVisionAids();
    void labelInAScrollBoxIsReadWithTheBox();

private:
    bool Run(int id, const QByteArray& claim);
    QStringList UnnamedTabStops() const;
    QList<QWidget*> WalkByKeyboard(TChildForm* screen, QString& stuck) const;

    QTemporaryDir folder_;
    QWidget host_;
    QByteArray largeFamily_;
    TSilentPrompter prompter_;
};

void TAccessibilityTest::initTestCase() {
    QVERIFY(QCoreApplication::arguments().contains("/V"));
    SetPrompter(&prompter_);
    host_.winId();
    BuildLargeFamily(30000);
    const QString path = folder_.filePath("LARGE.TAX");
    RunState().KeySource = "12345678";
    SetFieldStr(TagKeySource, "12345678");
    QCOMPARE(SaveDataFile(path.toStdString()), 0);
    FreeFieldStore();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    largeFamily_ = file.readAll();
}

void TAccessibilityTest::cleanup() {
    FreeDLLResources();
    ClearTestScreens();
}

// Starts the module at the id on a fresh copy of the claim (empty bytes: no file); true when the
// id has a screen.
bool TAccessibilityTest::Run(int id, const QByteArray& claim) {
    const QString path = folder_.filePath("RUN.TAX");
    QFile::remove(path);
    QFile::remove(path + ".BAK");
    if (!claim.isEmpty()) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(claim) != claim.size()) return false;
    }
    const std::string file = Pascal(path), key = Pascal("12345678"), reserved = Pascal("");
    RunVeskModule(host_.winId(), host_.winId(), Bytes(file), Bytes(key), Bytes(reserved), id, 10,
                  10, 800, 600, 0, 0);
    QCoreApplication::processEvents();
    return FrameWnd() && FrameWnd()->Screen() && FrameWnd()->ScreenId() == id;
}

QStringList TAccessibilityTest::UnnamedTabStops() const {
    QStringList unnamed;
    for (QWidget* widget : MainForm()->findChildren<QWidget*>())
        if (TabStop(widget) && AccessibleName(widget).isEmpty()) unnamed << Describe(widget);
    return unnamed;
}

// From the screen's first tab stop, Tab (F6 in a table) until the focus leaves the screen; the
// direct children in the order the focus met them.
QList<QWidget*> TAccessibilityTest::WalkByKeyboard(TChildForm* screen, QString& stuck) const {
    QWidget* focus = screen->nextInFocusChain();
    while (screen->isAncestorOf(focus) && !TabStop(focus))
        focus = focus->nextInFocusChain();
    QList<QWidget*> met;
    if (!screen->isAncestorOf(focus)) return met;
    focus->setFocus(Qt::TabFocusReason);
    for (int press = 0; press < 500 && focus && screen->isAncestorOf(focus); ++press) {
        QWidget* child = DirectChild(screen, focus);
        if (met.isEmpty() || met.last() != child) met << child;
        QTest::keyClick(focus, EnclosingGrid(focus) ? Qt::Key_F6 : Qt::Key_Tab);
        QWidget* next = QApplication::focusWidget();
        if (next == focus && !EnclosingGrid(focus)) {
            stuck = "the focus stays on " + Describe(focus);
            break;
        }
        focus = next;
    }
    return met;
}

void TAccessibilityTest::unnamedControlsTakeTheNearestLabel_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("label to the left") << "amount"
                                       << "Amount received";
    QTest::newRow("nearer of two on the row") << "postcode"
                                              << "Postcode";
    QTest::newRow("marked-up question above") << "answer"
                                              << "What is your child's name?";
    QTest::newRow("nothing before it") << "first"
                                       << "Screen caption";
    QTest::newRow("own caption kept") << "male"
                                      << "Male";
    QTest::newRow("buddy kept") << "buddied"
                                << "Tax file number";
}

void TAccessibilityTest::unnamedControlsTakeTheNearestLabel() {
    QFETCH(QString, control);
    QFETCH(QString, name);
    QWidget screen;
    screen.resize(600, 400);
    auto place = [&](QWidget* widget, const char* objectName, QRect geometry) {
        widget->setParent(&screen);
        widget->setObjectName(objectName);
        widget->setGeometry(geometry);
        return widget;
    };
    place(new QLineEdit, "first", {300, 5, 100, 24});
    place(new QLabel("Amount received"), "", {10, 40, 120, 20});
    place(new QLineEdit, "amount", {140, 38, 100, 24});
    place(new QLabel("Suburb"), "", {10, 80, 60, 20});
    place(new QLabel("Postcode"), "", {80, 80, 70, 20});
    place(new QLineEdit, "postcode", {160, 78, 80, 24});
    auto* question = new TTextLbl;
    question->setText({"<B>What is your child's name?</B>"});
    place(question, "", {10, 120, 400, 20});
    place(new QLineEdit, "answer", {10, 150, 200, 24});
    place(new QCheckBox("Male"), "male", {10, 190, 100, 24});
    auto* buddy = new QLabel("&Tax file number");
    place(buddy, "", {300, 230, 120, 20});
    buddy->setBuddy(place(new QLineEdit, "buddied", {10, 260, 100, 24}));
    screen.show();

    NameUnnamedControls(&screen, "Screen caption");
    QCOMPARE(AccessibleName(screen.findChild<QWidget*>(control)), name);
}

void TAccessibilityTest::everyScreenUnderTheVisionAids_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("fixtures");
    QTest::addColumn<bool>("large");
    for (const bool fixtures : {false, true}) {
        if (fixtures) RegisterFixtureScreens();
        for (int id = FirstScreenId; id <= LastScreenId; ++id) {
            if (fixtures && (id < FixtureIntroId || id > FixtureDependantId)) continue;
            const bool exists = Run(id, {});
            FreeDLLResources();
            if (!exists) continue;
            for (const bool large : {false, true})
                QTest::addRow("%d %s, %s claim", id, fixtures ? "fixture" : "screen",
                              large ? "large" : "empty")
                    << id << fixtures << large;
        }
        ClearTestScreens();
    }
}

void TAccessibilityTest::everyScreenUnderTheVisionAids() {
    QFETCH(int, id);
    QFETCH(bool, fixtures);
    QFETCH(bool, large);
    if (fixtures) RegisterFixtureScreens();
    QVERIFY(Run(id, large ? largeFamily_ : QByteArray()));
    MainForm()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(MainForm()));
    TChildForm* screen = FrameWnd()->Screen();

    const QStringList unnamed = UnnamedTabStops();
    QVERIFY2(unnamed.isEmpty(), qPrintable("without a name: " + unnamed.join(", ")));
    for (TTextLbl* label : screen->findChildren<TTextLbl*>()) {
        QCOMPARE(label->mode(), TTextLbl::tlmVisionImpaired);
        if (screen->TabToTextLabels && label->isVisible())
            QVERIFY2(TabStop(label), qPrintable(Describe(label) + " is no tab stop"));
    }

    QString stuck;
    const QList<QWidget*> met = WalkByKeyboard(screen, stuck);
    QVERIFY2(stuck.isEmpty(), qPrintable(stuck));
    for (QWidget* widget : screen->findChildren<QWidget*>())
        if (TabStop(widget))
            QVERIFY2(met.contains(DirectChild(screen, widget)),
                     qPrintable(Describe(widget) + " cannot be reached with the keyboard"));
    if (!screen->TabToTextLabels) return; // the screen keeps the order it was designed with
    for (int i = 1; i < met.size(); ++i)
        QVERIFY2(!ReadBefore(met[i], met[i - 1]),
                 qPrintable(Describe(met[i]) + " comes after " + Describe(met[i - 1])));
}

void TAccessibilityTest::labelInAScrollBoxIsReadWithTheBox() {
    RegisterTestScreen(ScrollBoxScreenId, [] { return new TScrollBoxScreen; });
    QVERIFY(Run(ScrollBoxScreenId, {}));
    MainForm()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(MainForm()));
    TChildForm* screen = FrameWnd()->Screen();
    auto* label = screen->findChild<QWidget*>("TextLblLong");
    QVERIFY(TabStop(label));
    QCOMPARE(label->nextInFocusChain(), screen->findChild<QWidget*>("edtAnswer"));
    QString stuck;
    const QList<QWidget*> met = WalkByKeyboard(screen, stuck);
    QVERIFY2(stuck.isEmpty(), qPrintable(stuck));
    QCOMPARE(met, (QList<QWidget*>{screen->findChild<QWidget*>("ScrollBox1"),
                                   screen->findChild<QWidget*>("edtAnswer")}));
}

// The host's command line carries "/V"; the test's own arguments follow.
int main(int argc, char** argv) {
    std::vector<char*> arguments(argv, argv + argc);
    char vision[] = "/V";
    arguments.push_back(vision);
    int withVision = argc + 1;
    QApplication app(withVision, arguments.data());
    TAccessibilityTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "AccessibilityTest.moc"

// What the opening screens' scenarios cannot see: the captions, icons and default buttons of
// their warning boxes, and a move back from the income screen, which has no screen before it
// while the navigation screens are missing. The module runs as the host starts it.

#include "FieldStore.h"
#include "Frame.h"
#include "MessageBox.h"
#include "ModuleText.h"
#include "Prompter.h"
#include "RunState.h"
#include "ScriptedPrompter.h"
#include "vesk2004.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>
#include <string>

namespace {

using TPrepare = std::function<void()>;

// Screens caption their boxes through the box style in force; the core passes its caption.
class TCaptionRecorder : public TScriptedPrompter {
public:
    int ShowCaptionedMessageBox(const std::string& caption, const std::string& text, TMsgKind kind,
                                TMsgButtons buttons, TMsgButton defaultButton) override {
        shownCaptions.push_back(caption.empty() ? TMessageBoxStyle::Caption()
                                                : QString::fromStdString(caption));
        return TScriptedPrompter::ShowCaptionedMessageBox(caption, text, kind, buttons,
                                                          defaultButton);
    }
    QStringList shownCaptions;
};

void Trips(TStringList trips) {
    SetFieldLst(1249, std::move(trips));
}

} // namespace

Q_DECLARE_METATYPE(TPrepare)

class TOpeningScreensTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void warningsAreCaptionedWithNoAsDefault_data();
    void warningsAreCaptionedWithNoAsDefault();
    void prevFromIncomeSkipsItsChecks_data();
    void prevFromIncomeSkipsItsChecks();

private:
    // Starts the module on an empty return, stores what prepare writes, then shows the screen.
    void Show(int id, const TPrepare& prepare);
    void Click(QPushButton* button);

    QTemporaryDir folder_;
    std::unique_ptr<QWidget> host_;
    std::unique_ptr<TCaptionRecorder> prompter_;
};

void TOpeningScreensTest::init() {
    host_ = std::make_unique<QWidget>();
    prompter_ = std::make_unique<TCaptionRecorder>();
}

void TOpeningScreensTest::cleanup() {
    FreeDLLResources();
    prompter_.reset();
    host_.reset();
}

void TOpeningScreensTest::Show(int id, const TPrepare& prepare) {
    const std::string file = Pascal(folder_.filePath("OPENING.TAX").toStdString());
    const std::string key = Pascal("12345678"), reserved = Pascal("");
    QFile::remove(folder_.filePath("OPENING.TAX"));
    // 7860 has no screen: the run starts with an empty store and nothing shown.
    RunVeskModule(host_->winId(), host_->winId(), Bytes(file), Bytes(key), Bytes(reserved), 7860,
                  10, 10, 800, 600, 0, 0);
    if (prepare) prepare();
    RunState().CurrentSection = id / 100;
    RunState().CurrentItem = id % 100;
    FrameWnd()->ShowScreen();
    QCoreApplication::processEvents();
    QCOMPARE(FrameWnd()->ScreenId(), id);
}

void TOpeningScreensTest::Click(QPushButton* button) {
    QVERIFY(button->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

void TOpeningScreensTest::warningsAreCaptionedWithNoAsDefault_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<TPrepare>("prepare");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::newRow("delete-all") << 7805 << TPrepare([] { SetFieldVal(1246, 100); }) << "Yes"
                                << "Warning You Are About to Delete Data";
    QTest::newRow("residency table goes") << 7809 << TPrepare([] {
        SetFieldLst(1266, {"Australian resident", "01/07/2003", "30/06/2004"});
    }) << "Yes"
                                          << "Data deletion pending";
    QTest::newRow("empty residency table") << 7810 << TPrepare() << "Next"
                                           << "Warning";
    QTest::newRow("Corvel all year") << 7811 << TPrepare([] {
        SetFieldLst(1252, {"01/07/2003", "30/06/2004"});
    }) << "Next"
                                     << "Warning";
    QTest::newRow("overseas periods go") << 7813 << TPrepare([] {
        for (int tag : {1246, 1247, 1248})
            SetFieldVal(tag, 0.0011);
        SetFieldChecked(1288);
        SetFieldChecked(1285);
        Trips({"01/01/2000", "31/12/2000"});
    }) << "Next"
                                         << "Data deletion pending";
    QTest::newRow("permanent before the year") << 7815 << TPrepare([] {
        Trips({"30/06/2003", ""});
    }) << "Yes"
                                               << "Ineligible for Vesk";
}

void TOpeningScreensTest::warningsAreCaptionedWithNoAsDefault() {
    QFETCH(int, screen);
    QFETCH(TPrepare, prepare);
    QFETCH(QString, button);
    QFETCH(QString, caption);
    Show(screen, prepare);
    TFrameWnd* frame = FrameWnd();
    Click(button == "Yes" ? frame->YesButton() : frame->NextButton());
    QCOMPARE(prompter_->boxes.size(), std::size_t(1));
    const TShownBox& box = prompter_->boxes.front();
    QCOMPARE(prompter_->shownCaptions.front(), caption);
    QCOMPARE(box.kind, mkWarning);
    QCOMPARE(box.buttons, TMsgButtons(mbYes | mbNo));
    QCOMPARE(box.defaultButton, mbNo);
}

void TOpeningScreensTest::prevFromIncomeSkipsItsChecks_data() {
    QTest::addColumn<bool>("back");
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("boxes");
    QTest::newRow("Prev") << true << 7809 << 0;
    QTest::newRow("Next") << false << 7813 << 1;
}

// Blank amounts and unanswered questions stop Next but not Prev.
void TOpeningScreensTest::prevFromIncomeSkipsItsChecks() {
    QFETCH(bool, back);
    QFETCH(int, shown);
    QFETCH(int, boxes);
    Show(7813, {});
    // As if the residency question had come before.
    RunState().ScreenHistory = {7809, 7813};
    Click(back ? FrameWnd()->PrevButton() : FrameWnd()->NextButton());
    QCOMPARE(FrameWnd()->ScreenId(), shown);
    QCOMPARE(int(prompter_->boxes.size()), boxes);
}

QTEST_MAIN(TOpeningScreensTest)
#include "OpeningScreensTest.moc"

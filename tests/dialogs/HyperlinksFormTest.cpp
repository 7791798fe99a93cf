// The links list of a screen with real marked-up labels, chosen by mouse and by keyboard.

#include "dialogs/HyperlinksForm.h"

#include "TextLbl.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

class HyperlinksFormTest : public QObject {
    Q_OBJECT

    // A screen with two labels, the second inside a panel; each label mixes the kinds of link.
    static std::unique_ptr<QWidget> Screen() {
        auto screen = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(screen.get());
        auto* first = new TTextLbl;
        first->setText({"See <Hhttp://example.org/a>the web page<.> or <J101>topic one<.>.",
                        "Also <J102>topic two<.>, <J103>   <.> and <G7805>a screen<.>."});
        layout->addWidget(first);
        auto* panel = new QWidget;
        auto* inner = new QVBoxLayout(panel);
        auto* second = new TTextLbl;
        second->setText({"<Hhttp://example.org/b>second page<.> and <J201>topic three<.>"});
        inner->addWidget(second);
        layout->addWidget(panel);
        screen->resize(600, 200);
        screen->show();
        screen->grab(); // the labels register their regions while they draw
        return screen;
    }
    static QStringList Lines(const std::vector<THyperlink>& links) {
        QStringList lines;
        for (const THyperlink& link : links)
            lines << link.text;
        return lines;
    }

private slots:
    void listsJumpsThenWebLinksPerLabelInControlOrder() {
        const auto screen = Screen();
        const std::vector<THyperlink> links = ScreenHyperlinks(screen.get());
        QCOMPARE(Lines(links), QStringList({"topic one", "topic two", "the web page", "topic three",
                                            "second page"}));
        QCOMPARE(links[0].jumpId, 101);
        QVERIFY(links[0].address.isEmpty());
        QCOMPARE(links[2].jumpId, -1);
        QCOMPARE(links[2].address, QString("http://example.org/a"));
    }

    void okWaitsForAChoiceAndReturnsIt() {
        const auto screen = Screen();
        THyperlinksForm box(ScreenHyperlinks(screen.get()));
        QCOMPARE(box.windowTitle(), QString("Hyperlinks"));
        QCOMPARE(box.size(), QSize(353, 217));
        box.show();
        auto* ok = box.findChild<QPushButton*>("btnOK");
        auto* list = box.findChild<QListWidget*>("hyperlinksListBox");
        QVERIFY(!ok->isEnabled());
        list->setFocus();
        QVERIFY(!ok->isEnabled());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(2)).center());
        QVERIFY(ok->isEnabled());
        QTest::keyClick(list, Qt::Key_Down);
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(box.result(), int(QDialog::Accepted));
        QCOMPARE(box.Chosen().text, QString("topic three"));
        QCOMPARE(box.Chosen().jumpId, 201);
    }

    void screenWithoutLinksKeepsOkDisabled() {
        QWidget screen;
        auto* label = new TTextLbl(&screen);
        label->setText({"No links here."});
        screen.show();
        screen.grab();
        THyperlinksForm box(ScreenHyperlinks(&screen));
        box.show();
        auto* list = box.findChild<QListWidget*>("hyperlinksListBox");
        QCOMPARE(list->count(), 0);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QVERIFY(!box.findChild<QPushButton*>("btnOK")->isEnabled());
    }

    void cancelChoosesNothing() {
        const auto screen = Screen();
        QTimer::singleShot(0, [] {
            QWidget* box = QApplication::activeModalWidget();
            QVERIFY(box);
            auto* list = box->findChild<QListWidget*>("hyperlinksListBox");
            list->setCurrentRow(0);
            QTest::keyClick(box, Qt::Key_Escape);
        });
        THyperlink chosen;
        QVERIFY(!THyperlinksForm::Execute(screen.get(), nullptr, chosen));
        QVERIFY(chosen.text.isEmpty());
    }
};

QTEST_MAIN(HyperlinksFormTest)
#include "HyperlinksFormTest.moc"

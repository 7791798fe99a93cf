// The validated edit box driven by real keys and focus changes.

#include "ControlFixture.h"

#include "Amounts.h"
#include "MessageBox.h"
#include "TaxEdit.h"

#include <QClipboard>
#include <QRandomGenerator>
#include <QTimer>

class TaxEditTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TControlFixture> fixture;
    TTaxEdit* edit = nullptr;

    void Make(TTaxEdit::TNumericType type) {
        edit = new TTaxEdit;
        edit->setNumericType(type);
        fixture = std::make_unique<TControlFixture>(edit);
    }
    // Focus in, type, Tab out; answers whether the focus left the box.
    bool Enter(const QString& keys) {
        edit->setFocus(Qt::TabFocusReason);
        TControlFixture::Settle();
        QTest::keyClicks(edit, keys);
        QTest::keyClick(edit, Qt::Key_Tab);
        TControlFixture::Settle();
        return !edit->hasFocus();
    }

private slots:
    void cleanup() { fixture.reset(); }

    void shownValueByType_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<double>("value");
        QTest::newRow("currency") << int(TTaxEdit::ntCurrency) << "1234"
                                  << "1234" << 1234.0;
        QTest::newRow("currency zero") << int(TTaxEdit::ntCurrency) << "0"
                                       << "0" << ExplicitZero;
        QTest::newRow("currency minus") << int(TTaxEdit::ntCurrency) << "12-5"
                                        << "-125" << -125.0;
        QTest::newRow("cents") << int(TTaxEdit::ntCurrencyCnt) << "12.5"
                               << "12.50" << 12.5;
        QTest::newRow("cents zero") << int(TTaxEdit::ntCurrencyCnt) << "0.00"
                                    << "0.00" << ExplicitZero;
        QTest::newRow("cents half to even") << int(TTaxEdit::ntCurrencyCnt) << "12.345"
                                            << "12.34" << 12.34;
        QTest::newRow("cents half up to even") << int(TTaxEdit::ntCurrencyCnt) << "12.355"
                                               << "12.36" << 12.36;
        QTest::newRow("percentage") << int(TTaxEdit::ntPercentage) << "12.5"
                                    << "12.50%" << 12.5;
        QTest::newRow("percentage zero") << int(TTaxEdit::ntPercentage) << "0"
                                         << "0%" << ExplicitZero;
        QTest::newRow("numeric") << int(TTaxEdit::ntNumeric) << "42"
                                 << "42" << 42.0;
        QTest::newRow("cpi") << int(TTaxEdit::ntCPI) << "1.5"
                             << "2" << 2.0;
        QTest::newRow("dec2") << int(TTaxEdit::ntDec2) << "1.5"
                              << "001.50" << 1.5;
        QTest::newRow("phone") << int(TTaxEdit::ntPhone) << "0255501234"
                               << "0255501234" << 0.0;
        QTest::newRow("postcode") << int(TTaxEdit::ntPCode) << "2600"
                                  << "2600" << 0.0;
    }
    void shownValueByType() {
        QFETCH(int, type);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(double, value);
        Make(TTaxEdit::TNumericType(type));
        QVERIFY(Enter(typed));
        QCOMPARE(edit->text(), shown);
        if (edit->isNumberType()) QCOMPARE(edit->numValue(), value);
        QVERIFY(fixture->prompter.boxes.empty());
    }

    void clearedAmountIsEmptyNotZero() {
        Make(TTaxEdit::ntCurrency);
        edit->setNumValue(ExplicitZero);
        QCOMPARE(edit->text(), "0");
        edit->setFocus(Qt::TabFocusReason);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClick(edit, Qt::Key_Tab);
        TControlFixture::Settle();
        QCOMPARE(edit->text(), "");
        QCOMPARE(edit->numValue(), 0.0);
    }

    void focusShowsTheRawEntry() {
        Make(TTaxEdit::ntPercentage);
        edit->setNumValue(12.5);
        QCOMPARE(edit->text(), "12.50%");
        edit->setFocus(Qt::TabFocusReason);
        TControlFixture::Settle();
        QCOMPARE(edit->text(), "12.50");
        QCOMPARE(edit->cursorPosition(), 0);
        QVERIFY(!edit->hasSelectedText());
        QCOMPARE(edit->palette().color(QPalette::Base), QColor(251, 230, 153));
    }

    void refusedKeysBeepAndChangeNothing_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<int>("beeps");
        QTest::newRow("letter in amount") << int(TTaxEdit::ntCurrency) << "12a"
                                          << "12" << 1;
        QTest::newRow("second point") << int(TTaxEdit::ntCurrencyCnt) << "1.2.3"
                                      << "1.23" << 1;
        QTest::newRow("second minus") << int(TTaxEdit::ntCurrency) << "-1-"
                                      << "-1" << 1;
        QTest::newRow("letter in date") << int(TTaxEdit::ntDate) << "01x07"
                                        << "0107" << 1;
        QTest::newRow("blank in tfn") << int(TTaxEdit::ntTFN) << "123 456"
                                      << "123456" << 1;
        QTest::newRow("tilde in text") << int(TTaxEdit::ntNone) << "a~b"
                                       << "ab" << 1;
    }
    void refusedKeysBeepAndChangeNothing() {
        QFETCH(int, type);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(int, beeps);
        Make(TTaxEdit::TNumericType(type));
        edit->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), kept);
        QCOMPARE(fixture->beeps, beeps);
    }

    void decimalRoomIsKeptWhileTyping() {
        Make(TTaxEdit::ntCurrencyCnt);
        edit->setMaxLength(6);
        edit->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(edit, "12345");
        QCOMPARE(edit->text(), "123");
        QCOMPARE(fixture->beeps, 2);
        QTest::keyClicks(edit, ".4");
        QCOMPARE(edit->text(), "123.4");
    }

    void pastedJunkIsRefusedOnExit_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("message");
        QTest::newRow("two points") << int(TTaxEdit::ntCurrency) << "1.2.3"
                                    << "Result contains invalid characters";
        QTest::newRow("letters in amount") << int(TTaxEdit::ntCurrencyCnt) << "12ab"
                                           << "Result contains invalid characters";
        QTest::newRow("text outside the set") << int(TTaxEdit::ntNone) << "caf\u00e9"
                                              << "Result contains invalid characters";
        QTest::newRow("postcode letters") << int(TTaxEdit::ntPCode) << "26OO"
                                          << "Result contains invalid characters";
    }
    void pastedJunkIsRefusedOnExit() {
        QFETCH(int, type);
        QFETCH(QString, pasted);
        QFETCH(QString, message);
        Make(TTaxEdit::TNumericType(type));
        edit->setFocus(Qt::TabFocusReason);
        QGuiApplication::clipboard()->setText(pasted);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text(), pasted);
        fixture->LeaveTo(fixture->after);
        QCOMPARE(fixture->LastMessage(), message);
        QCOMPARE(fixture->prompter.boxes.back().kind, mkError);
        QVERIFY(edit->hasFocus());
        QCOMPARE(edit->selectedText(), pasted);
    }

    // The real box, shown while the focus is leaving: it is answered and the focus comes back.
    void realMessageBoxKeepsTheFocus() {
        Make(TTaxEdit::ntCurrency);
        TQtPrompter qtPrompter;
        SetPrompter(&qtPrompter);
        QString shown;
        AnswerNextRealBox(shown);
        edit->setFocus(Qt::TabFocusReason);
        edit->insert("1.2.3");
        QTest::keyClick(edit, Qt::Key_Tab);
        // The offscreen platform has no window manager to give the window back its activation.
        QApplication::setActiveWindow(&fixture->window);
        QTRY_VERIFY(edit->hasFocus());
        SetPrompter(&fixture->prompter);
        QCOMPARE(shown, "Result contains invalid characters");
        QCOMPARE(edit->selectedText(), "1.2.3");
    }

    void rangeAndMandatory() {
        Make(TTaxEdit::ntCurrency);
        edit->setValidate(true);
        edit->setMinVal(0);
        edit->setMaxVal(100);
        QVERIFY(!Enter("150"));
        QCOMPARE(fixture->LastMessage(), "Value must be between 0 and 100");
        edit->selectAll();
        QVERIFY(Enter("0"));
        QCOMPARE(edit->numValue(), ExplicitZero);

        edit->setMandatory(true);
        edit->setFocus(Qt::TabFocusReason);
        edit->clear();
        fixture->LeaveTo(fixture->after);
        QCOMPARE(fixture->LastMessage(), "This field is mandatory and MUST be completed");
        QVERIFY(edit->hasFocus());
    }

    void dateEntry_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("day");
        QTest::newRow("six digits") << "010703"
                                    << "01/07/2003" << YearStart;
        QTest::newRow("eight digits") << "01072003"
                                      << "01/07/2003" << YearStart;
        QTest::newRow("separated") << "30/06/2004"
                                   << "30/06/2004" << YearEnd;
        QTest::newRow("short parts") << "1/7/03"
                                     << "01/07/2003" << YearStart;
        QTest::newRow("window start") << "010130"
                                      << "01/01/1930" << DayOf(1930, 1, 1);
        QTest::newRow("window end") << "311229"
                                    << "31/12/2029" << DayOf(2029, 12, 31);
        QTest::newRow("blank") << ""
                               << "" << NoDateValue;
    }
    void dateEntry() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, day);
        Make(TTaxEdit::ntDate);
        QVERIFY(Enter(typed));
        QCOMPARE(edit->text(), shown);
        QCOMPARE(edit->dateValue(), day);
    }

    void impossibleDateKeepsTheFocus() {
        Make(TTaxEdit::ntDate);
        QVERIFY(!Enter("31022004"));
        QCOMPARE(fixture->LastMessage(), "The date must be in dd/mm/yyyy format !");
        QCOMPARE(fixture->beeps, 1);
        QCOMPARE(edit->selectedText(), "31022004");
        edit->setMandatory(true);
        edit->clear();
        fixture->LeaveTo(fixture->after);
        QCOMPARE(fixture->LastMessage(), "This field is mandatory and MUST be completed");
        QCOMPARE(edit->dateValue(), NoDateValue);
        QVERIFY(edit->hasFocus());
    }

    void dateLimitsPullTheValueIn() {
        Make(TTaxEdit::ntDate);
        edit->setDateValue(YearEnd + 10);
        edit->setMaxDate(YearEnd);
        QCOMPARE(edit->dateValue(), YearEnd);
        edit->setDateValue(YearStart - 10);
        edit->setMinDate(YearStart);
        QCOMPARE(edit->dateValue(), YearStart);
        edit->setDateValue(NoDateValue);
        edit->setMinDate(YearStart);
        QCOMPARE(edit->dateValue(), NoDateValue);
    }

    void dateRangeOfAnAmountBox() {
        Make(TTaxEdit::ntCurrency);
        edit->setValidateDate(true);
        edit->setMinDate(YearStart);
        edit->setMaxDate(YearEnd);
        edit->setDateValue(YearEnd + 1);
        QVERIFY(!Enter("5"));
        QCOMPARE(fixture->LastMessage(), "Date must be between 01/07/2003 and 30/06/2004");
    }

    void identifiers_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("message");
        const int tfn = TTaxEdit::ntTFN, abn = TTaxEdit::ntABN, acn = TTaxEdit::ntACN;
        const int sfn = TTaxEdit::ntSFN, din = TTaxEdit::ntDIN, egn = TTaxEdit::ntEGN;
        QTest::newRow("tfn 9") << tfn << "123456782"
                               << "123 456 782"
                               << "";
        QTest::newRow("tfn bad") << tfn << "123456789"
                                 << ""
                                 << "Invalid Tax File Number (TFN)";
        QTest::newRow("tfn zero") << tfn << "0"
                                  << ""
                                  << "Invalid Tax File Number (TFN)";
        QTest::newRow("tfn 6 digits") << tfn << "123456"
                                      << ""
                                      << "Invalid Tax File Number (TFN)";
        QTest::newRow("abn") << abn << "51824753556"
                             << "51 824 753 556"
                             << "";
        QTest::newRow("abn bad") << abn << "51824753557"
                                 << ""
                                 << "Invalid Australian Business Number (ABN)";
        QTest::newRow("abn 10 digits") << abn << "5182475355"
                                       << "05 182 475 355"
                                       << "";
        QTest::newRow("abn leading 0") << abn << "01824753557"
                                       << "01 824 753 557"
                                       << "";
        QTest::newRow("acn") << acn << "004085616"
                             << "004 085 616"
                             << "";
        QTest::newRow("acn small sum") << acn << "000000019"
                                       << "000 000 019"
                                       << "";
        QTest::newRow("acn bad") << acn << "004085617"
                                 << ""
                                 << "Invalid ACN/ARBN";
        QTest::newRow("sfn") << sfn << "123456780"
                             << "1234 567 80"
                             << "";
        QTest::newRow("sfn bad") << sfn << "123456781"
                                 << ""
                                 << "Invalid SFN";
        QTest::newRow("din") << din << "82475355651"
                             << "82 475 355 651"
                             << "";
        QTest::newRow("din short") << din << "12345678"
                                   << ""
                                   << "Invalid Document Indentification Number (DIN)";
        QTest::newRow("din bad") << din << "82475355652"
                                 << ""
                                 << "Invalid Document Indentification Number (DIN)";
        QTest::newRow("egn") << egn << "12345677"
                             << "123 456 77"
                             << "";
        QTest::newRow("egn zeros") << egn << "00000000"
                                   << ""
                                   << "Invalid Employer group number";
        QTest::newRow("egn bad") << egn << "12345678"
                                 << ""
                                 << "Invalid Employer group number";
    }
    void identifiers() {
        QFETCH(int, type);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, message);
        Make(TTaxEdit::TNumericType(type));
        const bool left = Enter(typed);
        QCOMPARE(left, message.isEmpty());
        if (left) {
            QCOMPARE(edit->text(), shown);
            QVERIFY(fixture->prompter.boxes.empty());
            edit->setFocus(Qt::TabFocusReason); // groups disappear while editing
            TControlFixture::Settle();
            QCOMPARE(edit->text(), QString(shown).remove(' '));
        } else {
            QCOMPARE(fixture->LastMessage(), message);
            QCOMPARE(fixture->beeps, 1);
        }
    }

    void validCharsSyntax() {
        Make(TTaxEdit::ntSpecial);
        edit->setValidChars("A..Z,5");
        edit->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(edit, "Ab5x6Z");
        QCOMPARE(edit->text(), "A5Z");
        QCOMPARE(fixture->beeps, 3);

        edit->clear();
        edit->setValidChars(",,a");
        QTest::keyClicks(edit, "a,b");
        QCOMPARE(edit->text(), "a,");
    }

    void badValidChars() {
        Make(TTaxEdit::ntSpecial);
        edit->setValidChars("ABC");
        QCOMPARE(fixture->LastMessage(), "Bad ValidChars property ABC !");
        edit->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(edit, "AB1");
        QCOMPARE(edit->text(), "");

        edit->setNumericType(TTaxEdit::ntNone);
        edit->setValidChars("A..");
        QCOMPARE(fixture->LastMessage(), "Bad ValidChars property A.. !");
        QTest::keyClicks(edit, "~x");
        QCOMPARE(edit->text(), "~x");
    }

    void dataEntryTypeWinsOverNumericType() {
        Make(TTaxEdit::ntCurrency);
        edit->setPelmDataType(TTaxEdit::pdDollar);
        edit->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(edit, "-12");
        QCOMPARE(edit->text(), "12");
        QCOMPARE(fixture->beeps, 1);
    }

    void dataEntryTypes_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("address") << int(TTaxEdit::pdAddressText) << "1/2 O'Neil St, #3"
                                 << "1/2 O'Neil St 3";
        QTest::newRow("date digits") << int(TTaxEdit::pdDate) << "01/07/2003"
                                     << "01072003";
        QTest::newRow("date8") << int(TTaxEdit::pdDate8) << "01/07/2003x"
                               << "01/07/2003";
        QTest::newRow("dollar cents") << int(TTaxEdit::pdDollarCents) << "-12.50"
                                      << "12.50";
        QTest::newRow("dollar negative") << int(TTaxEdit::pdDollarNegative) << "-12.5"
                                         << "-125";
        QTest::newRow("integer") << int(TTaxEdit::pdInteger) << "1.5"
                                 << "15";
        QTest::newRow("name") << int(TTaxEdit::pdNameText) << "Smith, J|r"
                              << "Smith Jr";
        QTest::newRow("question") << int(TTaxEdit::pdQuestion) << "yY"
                                  << "Y";
        QTest::newRow("restricted name") << int(TTaxEdit::pdRestrictedNameText) << "O'Neil-Ray!"
                                         << "O'Neil-Ray";
        QTest::newRow("text") << int(TTaxEdit::pdText) << "a*b#c"
                              << "a*bc";
    }
    void dataEntryTypes() {
        QFETCH(int, type);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        Make(TTaxEdit::ntSpecial);
        edit->setPelmDataType(TTaxEdit::TPelmDataType(type));
        edit->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), kept);
    }

    void capitalisedWords() {
        Make(TTaxEdit::ntNone);
        edit->setCapitaliseWords(true);
        QVERIFY(Enter("john smith"));
        QCOMPARE(edit->text(), "John Smith");
    }

    void editedMark() {
        Make(TTaxEdit::ntCurrency);
        edit->setFocus(Qt::TabFocusReason);
        QVERIFY(!edit->edited());
        QTest::keyClick(edit, 'x');
        QVERIFY(!edit->edited());
        QTest::keyClick(edit, '7');
        QVERIFY(edit->edited());
    }

    // Unfocused, the box draws its own text: amounts 3 pixels from the right edge, disabled grey.
    void painting() {
        Make(TTaxEdit::ntCurrency);
        edit->setNumValue(1234);
        const auto inkColumns = [this](int& first, int& last, int& darkest) {
            const QImage image = edit->grab().toImage();
            first = image.width(), last = -1, darkest = 255;
            for (int x = 1; x < image.width() - 1; ++x)
                for (int y = 2; y < image.height() - 2; ++y) {
                    const int grey = qGray(image.pixel(x, y));
                    darkest = std::min(darkest, grey);
                    if (grey < 160) {
                        first = std::min(first, x);
                        last = std::max(last, x);
                    }
                }
        };
        int first, last, darkest;
        inkColumns(first, last, darkest);
        QVERIFY(first > edit->width() / 2);
        QVERIFY(last >= edit->width() - 3 - 4 && last < edit->width() - 3);
        edit->setAlignment(TTaxEdit::taLeftJustify);
        inkColumns(first, last, darkest);
        QVERIFY(first >= 3 && first < 3 + 4);
        const int enabledInk = darkest;
        edit->setEnabled(false);
        inkColumns(first, last, darkest);
        QVERIFY(darkest > enabledInk + 40);
    }

    void showTextReadsAmounts() {
        Make(TTaxEdit::ntCurrencyCnt);
        edit->ShowText("1234.5");
        QCOMPARE(edit->text(), "1234.50");
        QCOMPARE(edit->numValue(), 1234.5);
    }

    // Random keys, pastes and focus changes: the box never holds, after an exit that completed,
    // an entry its own exit check would refuse.
    void randomInput_data() {
        QTest::addColumn<int>("type");
        for (int type : {TTaxEdit::ntCurrency, TTaxEdit::ntCurrencyCnt, TTaxEdit::ntPercentage,
                         TTaxEdit::ntDate, TTaxEdit::ntTFN, TTaxEdit::ntABN, TTaxEdit::ntDIN,
                         TTaxEdit::ntNone, TTaxEdit::ntDec2})
            QTest::newRow(QMetaEnum::fromType<TTaxEdit::TNumericType>().valueToKey(type)) << type;
    }
    void randomInput() {
        QFETCH(int, type);
        Make(TTaxEdit::TNumericType(type));
        QRandomGenerator random(4242 + type);
        const QString keys = "0123456789-./% aZ,~";
        const QStringList pastes = {"1.2.3",  "12/13/2003",  "--5",         "0", "abc",
                                    "010703", "123 456 782", "99999999999", "%", "  /  /    "};
        edit->setFocus(Qt::TabFocusReason);
        int exits = 0;
        for (int step = 0; step < 3000; ++step) {
            const int action = random.bounded(20);
            if (action < 14) {
                QTest::keyClick(edit, keys[random.bounded(keys.size())].toLatin1());
            } else if (action < 16) {
                QTest::keyClick(edit, Qt::Key_Backspace);
            } else if (action < 17) {
                edit->insert(pastes[random.bounded(pastes.size())]);
            } else {
                fixture->LeaveTo(fixture->after);
                if (!edit->hasFocus()) {
                    ++exits;
                    const auto problem = edit->ExitProblem();
                    QVERIFY2(!problem, qPrintable(edit->text() + ": " + problem.value_or("")));
                    edit->setFocus(Qt::TabFocusReason);
                }
            }
        }
        QVERIFY(exits > 0);
    }
};

QTEST_MAIN(TaxEditTest)
#include "TaxEditTest.moc"

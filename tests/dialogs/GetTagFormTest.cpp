// The tag inspector against the real field store: Get it and Set It by data type.

#include "dialogs/GetTagForm.h"

#include "FieldStore.h"
#include "RunState.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

class GetTagFormTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> owner;
    TfrmGetTag* form = nullptr;

    template <class T>
    T* Child(const char* name) {
        T* child = form->findChild<T*>(name);
        if (!child) qFatal("no child %s", name);
        return child;
    }
    QLineEdit* Value() { return Child<QLineEdit>("edtValue"); }
    QCheckBox* CheckBox() { return Child<QCheckBox>("chkCheckDataType"); }
    void Type(const char* editName, const QString& text) {
        auto* edit = Child<QLineEdit>(editName);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    void Press(const char* button) {
        QTest::mouseClick(Child<QPushButton>(button), Qt::LeftButton);
    }
    void Get(int tag) {
        Type("edtTag", QString::number(tag));
        Press("btnGet");
    }
    QString CheckedType() {
        for (QRadioButton* radio : form->findChildren<QRadioButton*>())
            if (radio->isChecked()) return radio->text();
        return {};
    }

private slots:
    void init() {
        ResetRunState();
        CreateFieldStore();
        owner = std::make_unique<QWidget>();
        form = TfrmGetTag::Open(owner.get());
    }
    void cleanup() {
        owner.reset();
        FreeFieldStore();
    }

    void refusesInvalidTags_data() {
        QTest::addColumn<QString>("tag");
        QTest::newRow("empty") << "";
        QTest::newRow("not a number") << "12a";
        QTest::newRow("zero") << "0";
        QTest::newRow("above the last") << "2313";
        QTest::newRow("negative") << "-5";
    }
    void refusesInvalidTags() {
        QFETCH(QString, tag);
        Type("edtTag", tag);
        Press("btnGet");
        QCOMPARE(Value()->text(), QString("Invalid Tag"));
        Press("btnSet");
        QCOMPARE(Value()->text(), QString("Invalid Tag"));
    }

    void getsEveryDataType() {
        SetFieldType(500, dtNumeric);
        SetFieldVal(500, 42);
        SetFieldVal(501, 1234.5); // an untyped field becomes currency
        SetFieldType(502, dtCurrencyCnt);
        SetFieldVal(502, 0.0011);
        SetFieldStr(503, "Short");
        SetFieldStr(504, "A text longer than nine");
        SetFieldLst(505, {"one", "two"});
        SetFieldLst(WorksheetHoldingBase + DependantGroup, {});
        SetFieldType(WorksheetHoldingBase + SpouseGroup, dtWorksheet);
        struct Case {
            int tag;
            const char* type;
            const char* value;
        };
        for (const Case& c :
             {Case{500, "Numeric", "42"}, Case{501, "Currency", "1234.5"},
              Case{502, "Currency + Cents", "0.0011"}, Case{503, "Small String", "Short"},
              Case{504, "String", "A text longer than nine"}, Case{505, "List", "one\ntwo"},
              Case{WorksheetHoldingBase + SpouseGroup, "Worksheet", "No Worksheets exist"},
              Case{506, "Undefined", "Unsupported Data Type"}}) {
            Get(c.tag);
            QCOMPARE(CheckedType(), QString(c.type));
            QCOMPARE(Value()->text(), QString(c.value));
            QVERIFY(Value()->isVisibleTo(form));
            QVERIFY(!CheckBox()->isVisibleTo(form));
        }
    }

    void getsWorksheetThatExists() {
        UnpackWorksheetInstance(DependantGroup, 1);
        SetFieldStr(TagLabel, "Kim");
        PackWorksheetInstance(DependantGroup, 1);
        Get(WorksheetHoldingBase + DependantGroup);
        QCOMPARE(Value()->text(), QString("Worksheet exists"));
    }

    void setsByTheFieldsOwnType() {
        SetFieldType(600, dtNumeric);
        Get(600);
        Type("edtValue", "17");
        Press("btnSet");
        QCOMPARE(GetFieldType(600), dtNumeric);
        QCOMPARE(double(GetFieldVal(600)), 17.0);
        Type("edtValue", "seventeen");
        Press("btnSet");
        QCOMPARE(double(GetFieldVal(600)), 0.0);

        SetFieldStr(601, "old");
        Get(601);
        Type("edtValue", "new");
        Press("btnSet");
        QCOMPARE(GetFieldStr(601), std::string("new"));

        SetFieldLst(602, {"kept"});
        Get(602);
        Type("edtValue", "changed");
        Press("btnSet");
        QCOMPARE(*GetFieldLst(602), TStringList({"kept"}));

        Get(603); // an empty field is not given a type
        Type("edtValue", "12");
        Press("btnSet");
        QCOMPARE(GetFieldType(603), dtNone);
    }

    void textIntoAmountFieldKeepsItsType() {
        SetFieldType(610, dtCurrency);
        SetFieldVal(610, 5);
        Type("edtTag", "610");
        Type("edtValue", "a name");
        Press("btnSet");
        QCOMPARE(GetFieldType(610), dtCurrency);
        QCOMPARE(double(GetFieldVal(610)), 0.0);
    }

    void checkBoxFieldsUseTheCheckBox() {
        SetFieldChecked(700);
        QCOMPARE(GetFieldType(700), dtCheckbox);
        // Set before a Get only brings up the box, showing the stored state.
        Type("edtTag", "700");
        Press("btnSet");
        QVERIFY(CheckBox()->isVisibleTo(form));
        QVERIFY(!Value()->isVisibleTo(form));
        QVERIFY(CheckBox()->isChecked());
        QVERIFY(FieldChecked(700));
        QTest::mouseClick(CheckBox(), Qt::LeftButton);
        Press("btnSet");
        QVERIFY(!FieldChecked(700));
        Get(700);
        QCOMPARE(CheckedType(), QString("CheckBox"));
        QVERIFY(!CheckBox()->isChecked());
        QTest::mouseClick(CheckBox(), Qt::LeftButton);
        Press("btnSet");
        QVERIFY(FieldChecked(700));
        Get(701); // a field of another type puts the edit back
        QVERIFY(Value()->isVisibleTo(form));
        QVERIFY(!CheckBox()->isVisibleTo(form));
    }

    void refreshShowsStoredValueAfterSet() {
        SetFieldType(620, dtNumeric);
        Get(620);
        QTest::mouseClick(Child<QCheckBox>("chkRefresh"), Qt::LeftButton);
        Type("edtValue", "12abc");
        Press("btnSet");
        QCOMPARE(Value()->text(), QString("0"));
    }

    void oneWindowKeptAndRaised() {
        form->close();
        QVERIFY(!form->isVisible());
        QCOMPARE(TfrmGetTag::Open(owner.get()), form);
        QVERIFY(form->isVisible());
        QCOMPARE(form->windowTitle(), QString("Get Tag"));
    }
};

QTEST_MAIN(GetTagFormTest)
#include "GetTagFormTest.moc"

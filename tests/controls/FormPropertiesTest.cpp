// Screens describe their controls in Designer forms: the published properties must come through.

#include "TaxEdit.h"
#include "XGrid.h"
#include "ui_ScreenForm.h"

#include <QTest>

class FormPropertiesTest : public QObject {
    Q_OBJECT

private slots:
    void propertiesFromTheForm() {
        QWidget screen;
        Ui::ScreenForm form;
        form.setupUi(&screen);
        QCOMPARE(form.TaxEdit7->numericType(), TTaxEdit::ntCurrencyCnt);
        QCOMPARE(form.TaxEdit7->decimals(), 2);
        QCOMPARE(form.TaxEdit7->maxLength(), 8);
        QCOMPARE(form.TaxEdit7->textAlignment(), TTaxEdit::taRightJustify);
        QVERIFY(form.TaxEdit7->validate());
        QCOMPARE(form.TaxEdit7->maxVal(), 50000.0);
        QCOMPARE(form.TaxEdit7->property("Tag").toInt(), 1268);
        QCOMPARE(form.XGrid1->property("Tag").toInt(), 1266);
        QCOMPARE(form.XGrid1->ColCount(), 2);
        QCOMPARE(form.XGrid1->RowCount(), 8);
        QCOMPARE(form.XGrid1->Cells(1, 0), "End of Period");
        QCOMPARE(form.XGrid1->Column(0).type, ctDate);
        QVERIFY(!form.XGrid1->rowAutoInc());
    }

    void zoomScalesTheGrid() {
        TXGrid grid;
        grid.setDisplay({"A", "B"});
        grid.setColumnWidth(0, 100);
        grid.setGeometry(10, 20, 300, 200);
        const qreal points = grid.font().pointSizeF();
        grid.Zoom(100, 150);
        QCOMPARE(grid.columnWidth(0), 150);
        QCOMPARE(grid.rowHeight(0), 30);
        QCOMPARE(grid.geometry(), QRect(15, 30, 450, 300));
        QCOMPARE(grid.font().pointSizeF(), points * 1.5);
    }
};

QTEST_MAIN(FormPropertiesTest)
#include "FormPropertiesTest.moc"

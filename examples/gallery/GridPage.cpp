// The data-entry grid with the module's own column definitions.

#include "GalleryPages.h"

#include "XGrid.h"

#include <QHeaderView>

#include <QGroupBox>
#include <QVBoxLayout>

namespace {

struct TGridSample {
    QString title;
    QStringList display;
    QList<int> widths;
    int titleLines;
    int rows;
    QStringList cells;
};

const QList<TGridSample> Samples = {
    {"Residency periods",
     {"Residency Status|2|0|30|0|F|T|0||||2|1|2|Not Australian resident|Australian resident|",
      "Start of Period|2|2|30|0|F|F||-1|0|", "End of Period|2|2|30|0|F|F||-1|0|"},
     {200, 110, 110},
     2,
     4,
     {"Not Australian resident", "01/07/2003", "14/02/2004", "Australian resident", "15/02/2004",
      "30/06/2004"}},
    {"Marital status",
     {"Marital status OR spouse name|2|0|150||F|T|0||||4|1|4|Dick|Harry|Tom|Single|",
      "Start\rdate|2|2|10||F|F||-1|0|", "End\rdate|2|2|10||F|F||-1|0|",
      "Agreed percentage|2|1|3|0|F|F|0|F|0|100||-1|0|F|"},
     {200, 90, 90, 90},
     2,
     4,
     {"Single", "01/07/2003", "31/10/2003", "", "Harry", "01/11/2003", "30/06/2004", "60"}},
    {"Change of circumstance",
     {"Date of change\rof circumstance|2|2|10||F|F||-1|0|",
      "Dependant's new\rcircumstance|2|0|200||F|T|0||||9|1|7|commenced studying full time|ceased "
      "studying full time|commenced/returned to your care|ceased being under your care|begun/"
      "resumed receiving certain SSE payments|ceased receiving certain SSE payments|went|",
      "% Care|2|1|3|0|F|F|0|F|0|100||-1|0|F|"},
     {120, 260, 70},
     2,
     4,
     {"03/02/2004", "commenced studying full time", "", "20/04/2004",
      "ceased being under your care", "40"}},
    {"Periods overseas",
     {"Departure\rDate|2|2|10||F|F||-1|0|", "Return\rDate|2|2|10||F|F||-1|0|"},
     {110, 110},
     2,
     3,
     {"12/08/2003", "30/09/2003"}},
};

TXGrid* MakeGrid(const TGridSample& sample) {
    auto* grid = new TXGrid;
    grid->setDisplay(sample.display);
    grid->setTitleLines(sample.titleLines);
    grid->setRowCount(sample.rows + 1);
    for (int col = 0; col < sample.widths.size(); ++col)
        grid->setColumnWidth(col, sample.widths[col]);
    grid->LoadFromList(sample.cells);
    int width = 2 * grid->frameWidth();
    for (int w : sample.widths)
        width += w;
    grid->setFixedSize(width, grid->horizontalHeader()->height() + sample.rows * 20 +
                                  2 * grid->frameWidth());
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return grid;
}

QWidget* MakeGridPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    for (const TGridSample& sample : Samples) {
        auto* group = new QGroupBox(sample.title);
        auto* inner = new QVBoxLayout(group);
        inner->addWidget(MakeGrid(sample), 0, Qt::AlignLeft);
        layout->addWidget(group);
    }
    layout->addStretch();
    return page;
}

const TGalleryPageRegistrar registrar("grid", MakeGridPage);

} // namespace

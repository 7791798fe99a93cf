#include "QNVESK_32.h"

#include "ATICalcs.h"
#include "Cp1252.h"
#include "Frame.h"
#include "MaintenanceFlow.h"
#include "ScreenHelpers.h"
#include "ScreenRegistry.h"
#include "TextLbl.h"
#include "XGrid.h"
#include "XGridInplaceEdit.h"
#include "ui_QNVESK_32.h"

#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>

namespace {

constexpr int NameCut = 70;
constexpr int LineHeight = 20;
const QString RecipientPrefix = "<S11;AL;C10;T1><X10>•<X25>";

const char* const LockedMessage =
    "You cannot delete or edit records already in this table.\r\n\r\nIf you have added a payer "
    "incorrectly, and you do not enter their name in later screens Quellet will ignore the "
    "incorrect payer.";

// Everyone whose maintenance may count: the taxpayer, the spouses, the relevant dependants.
QStringList RecipientNamesForList() {
    QStringList names = RecipientNames();
    names.first() = "you";
    for (int dependant : RelevantDependants())
        names << DependantDisplayName(dependant);
    return names;
}

// Keys that move about the table without changing it.
bool MovesOnly(const QKeyEvent* key) {
    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return true;
    default:
        return false;
    }
}

} // namespace

TQVESK_32::TQVESK_32() : ui_(new Ui::TQVESK_32) {
    ui_->setupUi(this);
    BuildRecipientList();
    connect(ui_->XGrid1, &TXGrid::EnterCell, this, [this](int col, int row) {
        ui_->XGrid1->SetColumnLocked(col, !ui_->XGrid1->Cells(col, row).isEmpty());
    });
    ui_->XGrid1->installEventFilter(this);
    if (ui_->XGrid1->Editor()) ui_->XGrid1->Editor()->installEventFilter(this);
}

TQVESK_32::~TQVESK_32() = default;

void TQVESK_32::BuildRecipientList() {
    QStringList lines;
    for (const QString& name : RecipientNamesForList()) {
        lines << (lines.isEmpty() ? "<Y2;" + RecipientPrefix.mid(1) : RecipientPrefix) +
                     name.left(NameCut);
        if (name.size() > NameCut) lines << name.mid(NameCut);
    }
    auto* content = new QWidget;
    auto* before = new QLabel(
        "Maintenance received throughout the year by the following individuals:", content);
    auto* recipients = new TTextLbl(content);
    recipients->setObjectName("TextLblRecipients");
    recipients->setText(lines);
    auto* after = new QLabel("may affect your Vesk entitlement.\n\nMaintenance received by members "
                             "of your family who are not listed above does not count.\nQuellet "
                             "needs the full list of everyone who paid maintenance to the people "
                             "listed above.",
                             content);
    const int width =
        ui_->ScrollBox1->width() - ui_->ScrollBox1->verticalScrollBar()->sizeHint().width() - 12;
    before->setGeometry(4, 4, width, before->sizeHint().height());
    recipients->setGeometry(4, before->geometry().bottom() + 2, width, lines.size() * LineHeight);
    after->setWordWrap(true);
    after->setGeometry(4, recipients->geometry().bottom() + 2, width, after->heightForWidth(width));
    content->resize(width, lines.size() * LineHeight + before->height() + after->height() + 20);
    ui_->ScrollBox1->setWidget(content);
}

bool TQVESK_32::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return TChildForm::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    TXGrid* grid = ui_->XGrid1;
    const int col = grid->Col();
    if (col < 0 || !grid->Column(col).locked || MovesOnly(key)) return false;
    ShowError(LockedMessage);
    return true;
}

void TQVESK_32::FormShow() {
    HandlerSlots().AnswerHandler = [this](QObject*) {
        ui_->XGrid1->SortRows("0");
        if (FrameWnd()->GoingBack()) return;
        SetNextScreen(GridHasData(*ui_->XGrid1) ? screen_ids::SpousalNavigation
                                                : screen_ids::NoPayers);
    };
}

VESK_REGISTER_SCREEN(TQVESK_32)

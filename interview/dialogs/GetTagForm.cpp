#include "GetTagForm.h"
#include "ui_GetTagForm.h"

#include "FieldStore.h"
#include "TagFieldAccess.h"

TfrmGetTag::TfrmGetTag(QWidget* owner)
    : QWidget(owner, Qt::Window), ui(std::make_unique<Ui::TfrmGetTag>()) {
    setObjectName("frmGetTag");
    ui->setupUi(this);
    ShowCheckBox(false);
    connect(ui->btnGet, &QPushButton::clicked, this, &TfrmGetTag::GetClick);
    connect(ui->edtTag, &QLineEdit::returnPressed, this, &TfrmGetTag::GetClick);
    connect(ui->btnSet, &QPushButton::clicked, this, &TfrmGetTag::SetClick);
    connect(ui->btnClose, &QPushButton::clicked, this, &QWidget::close);
}

TfrmGetTag::~TfrmGetTag() = default;

TfrmGetTag* TfrmGetTag::Open(QWidget* owner) {
    auto* inspector = owner->findChild<TfrmGetTag*>(QString(), Qt::FindDirectChildrenOnly);
    if (!inspector) inspector = new TfrmGetTag(owner);
    inspector->show();
    inspector->raise();
    inspector->activateWindow();
    return inspector;
}

QRadioButton* TfrmGetTag::TypeButton(TDataType type) const {
    switch (type) {
    case dtNumeric:
        return ui->rbNumeric;
    case dtCurrency:
        return ui->rbCurrency;
    case dtCurrencyCnt:
        return ui->rbCurrencyCnt;
    case dtCheckbox:
        return ui->rbCheckBox;
    case dtString:
        return ui->rbString;
    case dtSmallStr:
        return ui->rbSmallStr;
    case dtList:
        return ui->rbList;
    case dtWorksheet:
        return ui->rbWorksheet;
    default:
        return ui->rbUndefined;
    }
}

// A check-box field shows its state in a check box in the value edit's place.
void TfrmGetTag::ShowCheckBox(bool shown) {
    ui->chkCheckDataType->setVisible(shown);
    ui->edtValue->setVisible(!shown);
}

void TfrmGetTag::ShowInvalidTag() {
    ShowCheckBox(false);
    ui->edtValue->setText("Invalid Tag");
}

void TfrmGetTag::GetClick() {
    const std::optional<int> tag = ParseInspectedTag(ui->edtTag->text());
    if (!tag) return ShowInvalidTag();
    const TInspectedField field = InspectField(*tag);
    TypeButton(field.type)->setChecked(true);
    ShowCheckBox(field.type == dtCheckbox);
    if (field.type == dtCheckbox)
        ui->chkCheckDataType->setChecked(field.checked);
    else
        ui->edtValue->setText(field.value);
}

void TfrmGetTag::SetClick() {
    const std::optional<int> tag = ParseInspectedTag(ui->edtTag->text());
    if (!tag) return ShowInvalidTag();
    if (GetFieldType(*tag) == dtCheckbox) {
        // The box shows only after a Get; until then Set only brings it up.
        if (ui->chkCheckDataType->isHidden()) {
            ui->chkCheckDataType->setChecked(FieldChecked(*tag));
            return ShowCheckBox(true);
        }
        StoreInspectedCheck(*tag, ui->chkCheckDataType->isChecked());
    } else {
        StoreInspectedValue(*tag, ui->edtValue->text());
    }
    if (ui->chkRefresh->isChecked()) GetClick();
}

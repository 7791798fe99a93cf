#include "HyperlinksForm.h"
#include "ui_HyperlinksForm.h"

#include "DialogPlacement.h"
#include "TextLbl.h"

namespace {

void AddLabelLinks(const TTextLbl& label, std::vector<THyperlink>& links) {
    for (TLinkKind kind : {TLinkKind::Jump, TLinkKind::Web})
        for (const TLinkRegion& region : label.linkRegions()) {
            if (region.kind != kind || region.text.trimmed().isEmpty()) continue;
            if (kind == TLinkKind::Jump)
                links.push_back({region.text, region.id, QString()});
            else
                links.push_back({region.text, -1, region.url});
        }
}

void VisitLabels(const QObject* parent, std::vector<THyperlink>& links) {
    for (const QObject* child : parent->children()) {
        if (const auto* label = qobject_cast<const TTextLbl*>(child)) AddLabelLinks(*label, links);
        VisitLabels(child, links);
    }
}

} // namespace

std::vector<THyperlink> ScreenHyperlinks(const QWidget* screen) {
    std::vector<THyperlink> links;
    if (screen) VisitLabels(screen, links);
    return links;
}

THyperlinksForm::THyperlinksForm(std::vector<THyperlink> links, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::THyperlinksForm>()), FLinks(std::move(links)) {
    ui->setupUi(this);
    for (const THyperlink& link : FLinks)
        ui->hyperlinksListBox->addItem(link.text);
    // A line counts as chosen once it is selected, by mouse or by arrow key.
    connect(ui->hyperlinksListBox, &QListWidget::itemSelectionChanged, this,
            [this] { ui->btnOK->setEnabled(!ui->hyperlinksListBox->selectedItems().isEmpty()); });
    connect(ui->hyperlinksListBox, &QListWidget::itemActivated, this, [this] {
        if (ui->btnOK->isEnabled()) accept();
    });
    connect(ui->btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    CentreOn(this, nullptr); // on the screen, not on the main window
}

THyperlinksForm::~THyperlinksForm() = default;

const THyperlink& THyperlinksForm::Chosen() const {
    const QListWidgetItem* item = ui->hyperlinksListBox->selectedItems().value(0);
    return FLinks.at(size_t(ui->hyperlinksListBox->row(item)));
}

bool THyperlinksForm::Execute(const QWidget* screen, QWidget* parent, THyperlink& chosen) {
    THyperlinksForm box(ScreenHyperlinks(screen), parent);
    if (box.exec() != QDialog::Accepted) return false;
    chosen = box.Chosen();
    return true;
}

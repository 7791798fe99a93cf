#include "SaveBox.h"
#include "ui_SaveBox.h"

#include "Beep.h"
#include "SaveName.h"
#include "ShowMessage.h"

#include <QDir>
#include <QKeyEvent>
#include <QStorageInfo>

namespace {

const QString UnreadableText = "Unable to read from drive";
const QString BadExtensionText = "File extension must be .TAX";
const QString InvalidNameText = "Invalid filename";
const QString OverwriteText = "File exists - Overwrite?";

bool Readable(const QString& path) {
    const QDir dir(path);
    return dir.exists() && dir.isReadable();
}

} // namespace

TfrmSaveBox::TfrmSaveBox(const QString& fileName, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfrmSaveBox>()) {
    ui->setupUi(this);
    ui->edtFName->installEventFilter(this);
    FillDrives();
    ShowListing(QDir::currentPath());
    ui->edtFName->setText(fileName);
    connect(ui->cmbDrive, &QComboBox::activated, this, &TfrmSaveBox::DriveChosen);
    connect(ui->lstDirectories, &QListWidget::itemActivated, this,
            &TfrmSaveBox::DirectoryActivated);
    connect(ui->lstFiles, &QListWidget::itemClicked, this, &TfrmSaveBox::FileChosen);
    connect(ui->lstFiles, &QListWidget::currentItemChanged, this, &TfrmSaveBox::FileChosen);
    connect(ui->lstFiles, &QListWidget::itemDoubleClicked, this, &TfrmSaveBox::SaveClick);
    connect(ui->btnSave, &QPushButton::clicked, this, &TfrmSaveBox::SaveClick);
    connect(ui->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmSaveBox::~TfrmSaveBox() = default;

bool TfrmSaveBox::Execute(const QString& fileName, QWidget* parent, QString& fullPath) {
    TfrmSaveBox box(fileName, parent);
    if (box.exec() != QDialog::Accepted) return false;
    fullPath = box.FullPath();
    return true;
}

bool TfrmSaveBox::ChangeDirectory(const QString& path) {
    if (!Readable(path)) {
        ShowMessageBox(UnreadableText, mkWarning, mbOK);
        return false;
    }
    ShowListing(path);
    return true;
}

void TfrmSaveBox::ShowListing(const QString& path) {
    QDir dir(path);
    FDirectory = dir.absolutePath();
    ui->lblCurrentDir->setText(FDirectory);
    ui->lblCurrentDir->setToolTip(FDirectory);

    ui->lstDirectories->clear();
    if (!dir.isRoot()) {
        auto* up = new QListWidgetItem("..", ui->lstDirectories);
        up->setData(Qt::UserRole, QDir::cleanPath(dir.absoluteFilePath("..")));
    }
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        auto* item = new QListWidgetItem(name, ui->lstDirectories);
        item->setData(Qt::UserRole, dir.absoluteFilePath(name));
    }

    ui->lstFiles->clear();
    ui->lstFiles->addItems(dir.entryList({"*.tax"}, QDir::Files, QDir::Name | QDir::IgnoreCase));
    SelectDriveOf(FDirectory);
}

void TfrmSaveBox::FillDrives() {
    ui->cmbDrive->clear();
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid()) ui->cmbDrive->addItem(volume.rootPath());
}

// The volume holding the folder is the one with the longest root that contains it.
void TfrmSaveBox::SelectDriveOf(const QString& path) {
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < ui->cmbDrive->count(); ++i) {
        const QString root = ui->cmbDrive->itemText(i);
        const bool contains =
            path == root || path.startsWith(root.endsWith('/') ? root : root + '/');
        if (contains && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    ui->cmbDrive->setCurrentIndex(best);
    FDriveIndex = best;
}

void TfrmSaveBox::DriveChosen(int index) {
    if (index == FDriveIndex) return;
    if (!ChangeDirectory(ui->cmbDrive->itemText(index))) ui->cmbDrive->setCurrentIndex(FDriveIndex);
}

void TfrmSaveBox::DirectoryActivated(QListWidgetItem* item) {
    if (item) ChangeDirectory(item->data(Qt::UserRole).toString());
}

void TfrmSaveBox::FileChosen(QListWidgetItem* item) {
    if (item) ui->edtFName->setText(item->text());
}

void TfrmSaveBox::SaveClick() {
    const TCheckedSaveName checked = CheckSaveName(ui->edtFName->text());
    if (checked.check != TSaveNameCheck::Valid) {
        ShowMessageBox(checked.check == TSaveNameCheck::BadExtension ? BadExtensionText
                                                                     : InvalidNameText,
                       mkWarning, mbOK);
        ui->edtFName->setFocus();
        return;
    }
    const QString path = SaveNameFullPath(FDirectory, checked.name);
    if (QFileInfo::exists(path) &&
        ShowMessageBox(OverwriteText, mkConfirmation, mbYes | mbNo) != mrYes)
        return;
    FFullPath = path;
    accept();
}

// The name edit takes letters, digits, "-" and one "."; editing keys pass.
bool TfrmSaveBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched != ui->edtFName || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const QString typed = static_cast<QKeyEvent*>(event)->text();
    if (typed.size() != 1 || typed[0].unicode() < ' ' || typed[0].unicode() == 127)
        return QDialog::eventFilter(watched, event);
    QString remaining = ui->edtFName->text();
    if (ui->edtFName->hasSelectedText())
        remaining.remove(ui->edtFName->selectionStart(), ui->edtFName->selectedText().size());
    if (SaveNameKeyAccepted(typed[0], remaining)) return QDialog::eventFilter(watched, event);
    Beep();
    return true;
}

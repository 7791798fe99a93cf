#pragma once
// The save box: the user picks a folder and a name for the return; the box answers the full
// path of a "*.tax" file, after checking the name and asking before it overwrites a file.

#include <QDialog>

#include <memory>

namespace Ui {
class TfrmSaveBox;
}
class QListWidgetItem;

class TfrmSaveBox : public QDialog {
    Q_OBJECT

public:
    // Opens on the process's current folder with the given name in the edit.
    explicit TfrmSaveBox(const QString& fileName, QWidget* parent = nullptr);
    ~TfrmSaveBox() override;

    QString Directory() const { return FDirectory; }
    // False, with "Unable to read from drive", when the folder cannot be listed; the listing
    // then stays as it was.
    bool ChangeDirectory(const QString& path);
    // The full path chosen, once the box closed with OK.
    QString FullPath() const { return FFullPath; }

    // Asks for a name; true and the path when the user confirmed.
    static bool Execute(const QString& fileName, QWidget* parent, QString& fullPath);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FillDrives();
    void SelectDriveOf(const QString& path);
    void DriveChosen(int index);
    void DirectoryActivated(QListWidgetItem* item);
    void FileChosen(QListWidgetItem* item);
    void SaveClick();
    void ShowListing(const QString& path);

    std::unique_ptr<Ui::TfrmSaveBox> ui;
    QString FDirectory;
    QString FFullPath;
    int FDriveIndex = -1;
};

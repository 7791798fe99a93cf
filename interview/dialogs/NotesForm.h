#pragma once
// The notes window: a jotter for the taxpayer, kept in field 399 as a list of lines. It is not
// modal and may stay open while the interview goes on, so its text is copied into the field
// before every save as well as when it closes.

#include <QWidget>

#include <memory>

namespace Ui {
class TNotesForm;
}
class QPlainTextEdit;

class TNotesForm : public QWidget {
    Q_OBJECT

public:
    // Stays on top of `mainWindow` and opens centred on it.
    explicit TNotesForm(QWidget* mainWindow);
    ~TNotesForm() override;

    QPlainTextEdit* Memo() const;
    // Copies the memo into field 399 (made a list if it is not one); an edit since the last
    // copy sets the data modified flag.
    void StoreNotes();

    // The open notes window, or nullptr.
    static TNotesForm* Current();
    // Shows the notes window of `mainWindow`, creating it on the first call.
    static TNotesForm* Open(QWidget* mainWindow);
    // Before every save: the open window's text goes into field 399.
    static void StoreOpenNotes();

signals:
    // The window closed and is about to be destroyed.
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void LoadNotes();

    std::unique_ptr<Ui::TNotesForm> ui;
};

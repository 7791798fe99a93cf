#pragma once
// The list of a screen's links, for users who cannot point at them: the help jumps and web links
// of every marked-up label, one line each.

#include <QDialog>
#include <QString>

#include <memory>
#include <vector>

namespace Ui {
class THyperlinksForm;
}

struct THyperlink {
    QString text;
    int jumpId = -1; // a help jump's topic; -1 for a web link
    QString address; // a web link's address; empty for a help jump
};

// The links of every marked-up label under `screen`, in control order; per label its help jumps
// first, then its web links. Lines with blank text are left out.
std::vector<THyperlink> ScreenHyperlinks(const QWidget* screen);

class THyperlinksForm : public QDialog {
    Q_OBJECT

public:
    THyperlinksForm(std::vector<THyperlink> links, QWidget* parent = nullptr);
    ~THyperlinksForm() override;

    // The line chosen when the box closed with OK.
    const THyperlink& Chosen() const;

    // Lists the screen's links; true and the chosen one when the user pressed OK.
    static bool Execute(const QWidget* screen, QWidget* parent, THyperlink& chosen);

private:
    std::unique_ptr<Ui::THyperlinksForm> ui;
    std::vector<THyperlink> FLinks;
};

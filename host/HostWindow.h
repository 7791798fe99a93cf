#pragma once
// The replacement host's own window: owner of the module's windows and receiver of its two
// messages.

#include <QLabel>
#include <QWidget>

class THostWindow : public QWidget {
    Q_OBJECT

public:
    THostWindow();
    void ShowStatus(const QString& text) { status_->setText(text); }

signals:
    // 1131: the interview reached a screen id of the host.
    void InterviewDone();
    // 1132: the user closed the module.
    void InterviewClosed();

protected:
    bool event(QEvent* event) override;

private:
    QLabel* status_;
};

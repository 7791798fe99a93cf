#include "HostWindow.h"

#include "vesk2004.h"

#include <QEvent>
#include <QVBoxLayout>

THostWindow::THostWindow() : status_(new QLabel(this)) {
    setObjectName("HostWindow");
    setWindowTitle("Quellet 2004");
    status_->setWordWrap(true);
    status_->setMargin(12);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(status_);
    resize(420, 160);
}

bool THostWindow::event(QEvent* event) {
    if (event->type() == QEvent::Type(VESK_WM_DONE)) {
        emit InterviewDone();
        return true;
    }
    if (event->type() == QEvent::Type(VESK_WM_CLOSED)) {
        emit InterviewClosed();
        return true;
    }
    return QWidget::event(event);
}

#pragma once
// A shown window holding the control under test and a box after it, so that tests can move the
// focus in and out with real Tab keys; message boxes are scripted and beeps counted.

#include "../support/ScriptedPrompter.h"

#include "Beep.h"
#include "Dates.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <memory>

// Answers the next real message box with Return once it is up, keeping its text in shown.
inline void AnswerNextRealBox(QString& shown) {
    QTimer::singleShot(50, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        shown = box->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
}

struct TControlFixture {
    QWidget window;
    QLineEdit* after = nullptr;
    TScriptedPrompter prompter;
    int beeps = 0;

    explicit TControlFixture(QWidget* control) {
        SetCenturyWindowStart(1930);
        SetBeepObserver([this] { ++beeps; });
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(control);
        after = new QLineEdit;
        after->setObjectName("after");
        layout->addWidget(after);
        window.resize(640, 300);
        window.show();
        QApplication::setActiveWindow(&window);
        if (!QTest::qWaitForWindowActive(&window)) qWarning("window not active");
        after->setFocus();
    }
    ~TControlFixture() { SetBeepObserver(nullptr); }

    // Lets posted focus moves happen.
    static void Settle() {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }
    void LeaveTo(QWidget* target) {
        target->setFocus(Qt::TabFocusReason);
        Settle();
    }
    QString LastMessage() const {
        return prompter.boxes.empty() ? QString()
                                      : QString::fromStdString(prompter.boxes.back().text);
    }
};

#include "Beep.h"

#include <QApplication>

namespace {
std::function<void()>& Observer() {
    static std::function<void()> observer;
    return observer;
}
} // namespace

void Beep() {
    QApplication::beep();
    if (Observer()) Observer()();
}

void SetBeepObserver(std::function<void()> observer) {
    Observer() = std::move(observer);
}

#pragma once
// A seeded random user: clicks visible enabled buttons, presses keys, types text into the focused
// control, picks list, tree, grid and combo-box entries and answers every box and dialog at
// random, for a number of steps or seconds. After each step it checks that at most one question
// screen is alive. The same seed on the same return replays the same run.

#include <QElapsedTimer>
#include <QObject>
#include <QRandomGenerator>
#include <QTimer>

class QWidget;
class THostWindow;
class TModuleLibrary;

struct TMonkeyLimits {
    quint32 seed = 1;
    int steps = 500;
    int seconds = 20;
};

class THostMonkey : public QObject {
    Q_OBJECT

public:
    THostMonkey(TModuleLibrary& module, THostWindow& host, const TMonkeyLimits& limits);
    ~THostMonkey() override;
    // Runs from the event loop; quits the application with 0, or 1 when a check failed.
    // Boxes the module opens while it starts (before Start) are answered too.
    void WatchBoxes();
    void Start();

private slots:
    // Links the monkey opens go nowhere.
    void IgnoreUrl(const class QUrl&) {}

private:
    void Step();
    void Act();
    void ClickButton();
    void PressKey(QWidget* target);
    void TypeText(QWidget* target);
    void PickItem();
    void ChooseComboItem();
    void AnswerOpenModal();
    void AnswerModal();
    void ActInDialog(class QDialog* dialog);
    QString CheckScreens() const;
    QString RandomText();
    QWidget* FocusTarget() const;
    void Finish(const QString& failure);

    TModuleLibrary& module_;
    TMonkeyLimits limits_;
    QRandomGenerator random_;
    QRandomGenerator answers_; // apart, so a box's answer does not shift the later steps
    QElapsedTimer clock_;
    QTimer modalWatch_;
    int steps_ = 0;
    int dialogActs_ = 0;
    bool answerPending_ = false;
    QString failure_;
    bool ended_ = false;
    bool finished_ = false;
};

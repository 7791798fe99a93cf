#pragma once
// Runs a scenario script against the module as a user would: real key and mouse events on the
// real widgets, and answers for the real message boxes as they open.

#include "ScenarioScript.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <deque>
#include <optional>

class QDialog;
class QWidget;
class THostWindow;
class TModuleLibrary;

class TScenarioRunner : public QObject {
    Q_OBJECT

public:
    TScenarioRunner(TModuleLibrary& module, THostWindow& host, QVector<TScenarioStep> steps);
    // Runs the steps from the event loop; quits the application with 0 (pass) or 1 when done.
    // Boxes the module opens while it starts (before Start) are answered too.
    void WatchBoxes();
    void Start();

private:
    struct TQueuedAnswer {
        QString button;
        QString textStart;
        int line;
        std::optional<QString> typed; // an input box's answer: typed, then OK
    };

    void RunNextStep();
    // Empty when the step passed, else why it failed.
    QString Execute(const QStringList& step);
    QString Click(const QStringList& step);
    QString Type(const QStringList& step);
    QString Select(const QStringList& step);
    QString Check(const QStringList& step, bool checked);
    QString Cell(const QStringList& step, bool pick);
    QString Shot(const QString& name);
    QString Topic(const QString& caption);
    QString Key(const QString& keyText);
    static void WaitForPressedButton(QWidget* window);
    QString Expect(const QStringList& step);
    void AnswerOpenBox();
    void AnswerInputBox(class QInputDialog* box);
    void AnswerDialog(class QDialog* dialog);
    void Finish(const QString& failure, int line);
    void LetPostedEventsRun();

    TModuleLibrary& module_;
    QVector<TScenarioStep> steps_;
    int next_ = 0;
    int currentLine_ = 0;
    std::deque<TQueuedAnswer> answers_;
    QString boxFailure_;
    QPointer<QDialog> answeredDialog_; // its button is running
    QTimer boxWatch_;
    bool done_ = false;
    bool closed_ = false;
    bool finished_ = false;
};

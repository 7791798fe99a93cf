#pragma once
// The base of every question screen: a borderless child form whose controls carry field numbers
// in their "Tag" property, and the three handler slots a screen fills for the frame.

#include <QWidget>

#include <functional>

class QObject;

using TChildFormEvent = std::function<void(QObject* sender)>;
// The close action of a form-close event; the frame never reads it.
enum class TCloseAction { caNone, caHide, caFree, caMinimize };
using TLeaveCheck = std::function<void(QObject* sender, TCloseAction& action)>;

// The frame keeps one handler of each kind; it empties them when it switches screens.
struct THandlerSlots {
    TChildFormEvent AnswerHandler;
    TLeaveCheck LeaveCheck;
    TChildFormEvent WorksheetListHandler;
};
THandlerSlots& HandlerSlots();

class TChildForm : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int ContextStop MEMBER ContextStop)
    Q_PROPERTY(int ContextCaution MEMBER ContextCaution)
    Q_PROPERTY(int ContextNeedToKnow MEMBER ContextNeedToKnow)
    Q_PROPERTY(int HelpContext READ HelpContext WRITE setHelpContext)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool ShowNextButton MEMBER ShowNextButton)
    Q_PROPERTY(bool ShowPrevButton MEMBER ShowPrevButton)
    Q_PROPERTY(bool ShowYesButton MEMBER ShowYesButton)
    Q_PROPERTY(bool ShowNoButton MEMBER ShowNoButton)
    Q_PROPERTY(bool ShowCloseButton MEMBER ShowCloseButton)
    Q_PROPERTY(bool ShowDeleteButton MEMBER ShowDeleteButton)
    Q_PROPERTY(bool ShowDeleteItemButton MEMBER ShowDeleteItemButton)
    Q_PROPERTY(bool HideNavigator MEMBER HideNavigator)
    Q_PROPERTY(bool TabToTextLabels MEMBER TabToTextLabels)

public:
    explicit TChildForm(QWidget* parent = nullptr);

    int HelpContext() const { return helpContext_; }
    void setHelpContext(int context) { helpContext_ = context; }
    // The screen's title; shown on the frame's title line when not empty.
    QString Caption() const { return caption_; }
    void setCaption(const QString& caption) { caption_ = caption; }

    // Runs when the frame has shown the screen, and again when a worksheet instance is loaded
    // into it: the place to register the handler slots.
    virtual void FormShow() {}

    // Message boxes of the screens; texts are Windows-1252 like the store's.
    int MessageBoxWithHelp(const std::string& text, int kind, unsigned buttons);
    void InformationBox(const std::string& text);
    // The plain text of the first visible attention label, or empty.
    QString AttentionText() const;

    // Published values that screens declare; the frame consults none of them.
    int ContextStop = 0;
    int ContextCaution = 0;
    int ContextNeedToKnow = 0;
    bool ShowNextButton = false;
    bool ShowPrevButton = false;
    bool ShowYesButton = false;
    bool ShowNoButton = false;
    bool ShowCloseButton = false;
    bool ShowDeleteButton = false;
    bool ShowDeleteItemButton = false;
    bool HideNavigator = false;
    TChildFormEvent OnUserRemove;
    TChildFormEvent OnYesNoClick;
    TChildFormEvent OnPreviousClick;
    // In vision-impaired mode the marked-up labels join the tab order while this is set.
    bool TabToTextLabels = true;

    // Set by the frame while a worksheet group is open on the screen; kept for its life.
    bool WorksheetMark() const { return worksheetMark_; }
    void SetWorksheetMark() { worksheetMark_ = true; }

private:
    int helpContext_ = 0;
    QString caption_;
    bool worksheetMark_ = false;
};

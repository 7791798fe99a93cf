#pragma once
// The interview frame: title line, side panel, client area holding one question screen at a
// time, and the button row. ShowScreen is the one place where screens are left, stored,
// destroyed, created, filled and shown.

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <memory>

class QLabel;
class QListWidget;
class QPushButton;
class QToolButton;
class TNavigatorFrame;
class TNavigatorItem;
#include "ChildForm.h"

constexpr int WM_SHOW_SCREEN = 1027;

namespace Ui {
class TFrameWnd;
}

// What the frame needs of the main window that holds it.
class TFrameOwner {
public:
    virtual ~TFrameOwner() = default;
    virtual bool CloseQuery() = 0;
    // Close posts the closed message; any other sender the done message.
    virtual void CloseHandler(QObject* sender) = 0;
    virtual void Exit() = 0;
    // Jump shows the tool bar's otherwise hidden buttons.
    virtual void ShowSupportToolButtons() = 0;
};

class TFrameWnd : public QWidget {
    Q_OBJECT

public:
    TFrameWnd(TFrameOwner* owner, QWidget* parent);
    ~TFrameWnd() override;

    void ShowScreen();
    TChildForm* Screen() const { return screen_; }
    int ScreenId() const { return screenId_; }
    void SetScreenId(int id) { screenId_ = id; }
    bool GoingBack() const { return goingBack_; }
    // True while a switch is under way; nothing may act on the screen meanwhile.
    bool Switching() const { return switching_; }
    // Runs the screen's leave check: true when the screen may be left.
    bool LeaveCheckPasses();

    // Buttons screens show or use.
    void ShowYesNo(bool shown);
    QPushButton* NextButton() const { return btnNext_; }
    QPushButton* PrevButton() const { return btnPrev_; }
    QPushButton* YesButton() const { return btnYes_; }
    QPushButton* NoButton() const { return btnNo_; }

    // Worksheet operations; instances are 1-based.
    void OpenNewWorksheet(int group);
    void OpenWorksheet(int group, int instance);
    void LoadWorksheetInstance(int group, int instance);
    void StoreWorksheetInstance(int group, int instance);
    void SaveScreenInstance();
    bool DeleteWorksheetInstance(int instance);
    void CloseWorksheet();
    void RefreshWorksheetList();
    int CurrentWorksheetInstance() const;
    void SetCurrentWorksheetInstance(int instance);
    QListWidget* PickList() const { return lstPickList_; }

    // The navigator tree of the side panel; navigation screens show it and fill its topics.
    TNavigatorFrame* Navigator() const { return navigator_; }
    // A topic the user chose: a jump to its screen through the leave check.
    void SelectItem(TNavigatorFrame* sender, TNavigatorItem& item);

    // The selection panel (name "PanelFreeFormSelect" shows it, empty hides it).
    void ShowSelectPanel(const QString& name);
    QListWidget* SelectionList() const { return listBoxFFS_; }
    QString SelectedWorksheetName;
    QString DeleteRefusalText;

    void ExclusiveCheckBox(class QAbstractButton* checkBox);
    // A jump of a marked-up label: a link address opens in the browser, else the help topic.
    void LinkClicked(int jumpId, const QString& url);

    // From FreeDLLResources: closes the open worksheet and the screen; afterwards the frame
    // ignores every button, since the store is gone.
    void CloseFrame();
    // Scales screens with the window (run by the main window's layout).
    void Zoom();

    // Flow, also reached from tests and the scenario runner through the buttons.
    void NextClick();
    void PrevClick();
    void YesNoClick(QObject* sender);
    void CloseClick();
    void MoreClick();
    void JumpClick();
    void ScanForward();
    void ScanBack();
    void ShowPrevClick();
    // The auxiliary dialogs the frame opens (FrameDialogs.cpp).
    void TagsClick();
    void ShowColumnDescription(class TXGrid* grid);
    // The screen's links; a chosen one is followed as if it had been clicked.
    void ShowLinksList();

private slots:
    void OnLabelJump(int jumpId, const QString& url) { LinkClicked(jumpId, url); }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildLayout();
    void ConnectButtons();
    template <class F>
    void RunFlowButton(F&& move);
    bool SwitchTo(int section, int item);
    void LeaveCurrentScreen();
    void PresentScreen(TChildForm* screen);
    void PrepareScreen(TChildForm* screen);
    void FocusScreen();
    void EndInterview();
    void LoadInstance(int instance);
    void StoreInstance(bool dropBlankNew);
    void DropInstance(int group, int instance);
    void BuildWorksheetNames();
    void PickListClicked(int row);
    void RemoveClicked();
    void SelectionListClicked(int row);
    void SelectionDeleteClicked();
    void ApplyVisionTabOrder(TChildForm* screen);
    void ScaleScreen(TChildForm* screen);
    void ScaleFonts(int numerator, int denominator);

    std::unique_ptr<Ui::TFrameWnd> ui_;
    TFrameOwner* owner_;
    QPointer<TChildForm> screen_;
    int screenId_ = 0;
    int shownSection_ = -1;
    int shownItem_ = -1;
    bool goingBack_ = false;
    bool skipLeaveCheck_ = false;
    bool switching_ = false;
    bool showPending_ = false;
    bool flowBusy_ = false;
    bool closed_ = false;
    int zoomNumerator_ = 1;
    int zoomDenominator_ = 1;
    QSize designedClient_;
    class TFontResizer* fontResizer_ = nullptr;
    bool screenScaled_ = false;
    QStringList worksheetNames_;
    int pickSelection_ = 0;
    bool newInstance_ = false;

    QLabel* titleLabel_ = nullptr;
    QToolButton* btnTags_ = nullptr;
    QToolButton* btnShowPrev_ = nullptr;
    QToolButton* btnBack_ = nullptr;
    QToolButton* btnScan_ = nullptr;
    QWidget* imagePanel_ = nullptr;
    TNavigatorFrame* navigator_ = nullptr;
    QWidget* actionPanel_ = nullptr;
    QListWidget* lstPickList_ = nullptr;
    QPushButton* btnRemove_ = nullptr;
    QWidget* selectPanel_ = nullptr;
    QListWidget* listBoxFFS_ = nullptr;
    QPushButton* bitBtn2_ = nullptr;
    QLabel* label1_ = nullptr;
    QWidget* clientPanel_ = nullptr;
    QPushButton* btnMore_ = nullptr;
    QPushButton* btnYes_ = nullptr;
    QPushButton* btnNo_ = nullptr;
    QPushButton* btnJump_ = nullptr;
    QPushButton* btnPrev_ = nullptr;
    QPushButton* btnNext_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
};

// The frame of the run, or nullptr; screens reach it here.
TFrameWnd* FrameWnd();

#pragma once
// The module's top-level window: the tool bar and the interview frame, the caption, saving and
// the automatic save, the close gate, help and the calculator.

#include "Frame.h"

#include <QTimer>
#include <QWidget>

#include <memory>

namespace Ui {
class TMainForm;
}

constexpr int WM_VESK_EXIT = 1025;
constexpr int WM_VESK_DONE = 1131;
constexpr int WM_VESK_CLOSED = 1132;

class TMainForm : public QWidget, public TFrameOwner {
    Q_OBJECT

public:
    explicit TMainForm(QWidget* owner = nullptr);
    ~TMainForm() override;

    TFrameWnd* Frame() const { return frame_; }

    // "Quellet 2004 - NAME", with the lodgment details when the return is lodged.
    static QString BuildCaption();
    void SetCaption();

    // TFrameOwner
    bool CloseQuery() override;
    void CloseHandler(QObject* sender) override;
    void Exit() override;
    void ShowSupportToolButtons() override;

    void ResizeMain();
    // The host's placement; the user cannot resize the window by its borders (see LockSize).
    void Place(const QRect& geometry);
    void SetPlacementState(Qt::WindowStates state);
    // One tick of the automatic save (every 60 s once running).
    void AutoSaveTick();
    int TickCount() const { return tickCount_; }
    void SaveClick();
    void HelpClick();
    void CalculClick();
    void NotesClick();
    // After the run is freed: no timer, no saving, nothing that reaches the store.
    void Release();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void FirstTick();
    void ConnectVisionKeys();
    bool ScreenHoldsSave() const;
    void SaveTo(const std::string& path);
    void LockSize(QSize size);
    void UnlockSize();

    std::unique_ptr<Ui::TMainForm> ui_;
    TFrameWnd* frame_ = nullptr;
    QTimer timer_;
    int tickCount_ = 0;
    bool firstShown_ = false;
    bool resizeConnected_ = false;
    bool released_ = false;
    QSize normalSize_;
};

// Posts a message with zero parameters to the host's notify window.
void PostToHost(int message);

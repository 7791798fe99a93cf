#pragma once
// The navigator tree on the left of the interview frame: shows a topic data's topics and items,
// keeps the selection in step with the screen on display and reports the user's choice.

#include <QWidget>

#include <functional>
#include <memory>

class QTreeWidgetItem;
class TCustomNavigatorData;
class TNavigatorItem;
class TNavigatorTreeView;

namespace Ui {
class TNavigatorFrame;
}

class TNavigatorFrame : public QWidget {
    Q_OBJECT

public:
    using TSelectItemEvent = std::function<void(TNavigatorFrame* sender, TNavigatorItem& item)>;

    explicit TNavigatorFrame(QWidget* parent = nullptr);
    ~TNavigatorFrame() override;

    void Initialise(TCustomNavigatorData* data);
    void Clear();
    void SetOnSelectItem(TSelectItemEvent handler) { onSelectItem_ = std::move(handler); }
    // Off while the frame builds screens or resizes: nothing the tree does then is a choice.
    void SetSelectionEvents(bool on) { selectionEvents_ = on; }
    bool SelectionEvents() const { return selectionEvents_; }

    void SelectNodeByName(const QString& name, bool expand, bool collapseOthers);
    void DoSelectItem(TNavigatorItem& item);
    // Follows the screen on display without reporting a choice.
    void SelectItemByScreenID(int screenId);
    static int OriginalTargetScreenID(int screenId);
    TNavigatorItem* GetSelectedItem() const;
    TNavigatorTreeView* TreeView() const;

private:
    void navigatorTreeViewChange(QTreeWidgetItem* node);
    void navigatorTreeViewClick(const QPoint& position);
    void NodeChosen(QTreeWidgetItem* node);
    QTreeWidgetItem* FindNode(const QString& name) const;
    void CollapseTopics(const QTreeWidgetItem* except);

    std::unique_ptr<Ui::TNavigatorFrame> ui_;
    TCustomNavigatorData* data_ = nullptr;
    TSelectItemEvent onSelectItem_;
    bool selectionEvents_ = false;
    bool collapsing_ = false;
    bool changeConnected_ = false;
};

// Rebuilds the module's topics from the stored answers and shows them in the navigator.
void BuildModuleTopics(TNavigatorFrame& navigator);

#include "NavigatorFrameUnit.h"

#include "ui_NavigatorFrameUnit.h"

#include "NavigatorData.h"
#include "NavigatorTree.h"

#include <QPersistentModelIndex>
#include <QTimer>

namespace {

QColor ColourOf(unsigned value) {
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

QString NodeText(const TNavigatorItem& item) {
    const QString caption = QString::fromStdString(item.Caption);
    if (item.QuestionNumber.empty()) return caption;
    return QString::fromStdString(item.QuestionNumber) + " - " + caption;
}

// Host screens that belong to the topic of another id.
int TranslatedId(int screenId) {
    switch (screenId) {
    case 231:
        return 228;
    case 4603:
        return 4601;
    case 5302:
    case 5309:
        return 5301;
    case 5532:
        return 5501;
    case 6107:
        return 6101;
    case 6303:
        return 6301;
    case 6406:
        return 6401;
    case 7003:
        return 7001;
    case 7703:
        return 7701;
    default:
        return screenId;
    }
}

} // namespace

TNavigatorFrame::TNavigatorFrame(QWidget* parent) : QWidget(parent), ui_(new Ui::TNavigatorFrame) {
    ui_->setupUi(this);
    TNavigatorTreeView* tree = ui_->navigatorTreeView;
    connect(tree, &TNavigatorTreeView::Clicked, this, &TNavigatorFrame::navigatorTreeViewClick);
    connect(tree, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* node) { navigatorTreeViewChange(node); });
    // Collapsing happens only from our own calls; expanding changes the arrows.
    connect(tree, &QTreeWidget::itemCollapsed, this, [this] { collapsing_ = false; });
    connect(tree, &QTreeWidget::itemExpanded, this, [tree] { tree->viewport()->update(); });
}

TNavigatorFrame::~TNavigatorFrame() = default;

TNavigatorTreeView* TNavigatorFrame::TreeView() const {
    return ui_->navigatorTreeView;
}

void TNavigatorFrame::Initialise(TCustomNavigatorData* data) {
    Clear();
    data_ = data;
    ui_->navigatorTreeView->SetColour(ColourOf(TCustomNavigatorData::Colour));
    selectionEvents_ = true;
    // Captions get the whole width unless some topic needs room for its arrow.
    bool arrows = false;
    for (int t = 0; t < data->Count(); ++t)
        arrows = arrows || data->Topic(t).Count() > 0;
    ui_->navigatorTreeView->setRootIsDecorated(arrows);
    for (int t = 0; t < data->Count(); ++t) {
        TNavigatorTopic& topic = data->Topic(t);
        auto* topicNode = new QTreeWidgetItem(ui_->navigatorTreeView, {NodeText(topic)});
        TNavigatorTreeView::SetItem(topicNode, &topic);
        for (int i = 0; i < topic.Count(); ++i) {
            auto* itemNode = new QTreeWidgetItem(topicNode, {NodeText(topic.Item(i))});
            TNavigatorTreeView::SetItem(itemNode, &topic.Item(i));
        }
    }
    ui_->navigatorTreeView->setCurrentItem(nullptr);
    ui_->navigatorTreeView->clearSelection();
    changeConnected_ = true;
}

void TNavigatorFrame::Clear() {
    changeConnected_ = false;
    ui_->navigatorTreeView->clear();
}

QTreeWidgetItem* TNavigatorFrame::FindNode(const QString& name) const {
    for (QTreeWidgetItemIterator it(ui_->navigatorTreeView); *it; ++it)
        if ((*it)->text(0).compare(name, Qt::CaseInsensitive) == 0) return *it;
    return nullptr;
}

void TNavigatorFrame::CollapseTopics(const QTreeWidgetItem* except) {
    TNavigatorTreeView* tree = ui_->navigatorTreeView;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* topic = tree->topLevelItem(i);
        if (topic == except || !topic->isExpanded()) continue;
        collapsing_ = true;
        topic->setExpanded(false);
        collapsing_ = false;
    }
}

void TNavigatorFrame::SelectNodeByName(const QString& name, bool expand, bool collapseOthers) {
    QTreeWidgetItem* node = FindNode(name);
    if (!node) return;
    const bool connected = changeConnected_;
    changeConnected_ = false;
    ui_->navigatorTreeView->setCurrentItem(node);
    changeConnected_ = connected;
    QTreeWidgetItem* topic = node->parent() ? node->parent() : node;
    if (node->parent())
        node->parent()->setExpanded(true);
    else if (expand)
        node->setExpanded(true);
    if (collapseOthers) CollapseTopics(topic);
}

void TNavigatorFrame::DoSelectItem(TNavigatorItem& item) {
    if (data_) data_->SelectItem(item);
    if (selectionEvents_ && onSelectItem_) onSelectItem_(this, item);
    ui_->navigatorTreeView->viewport()->update();
}

int TNavigatorFrame::OriginalTargetScreenID(int screenId) {
    return TranslatedId(screenId);
}

void TNavigatorFrame::SelectItemByScreenID(int screenId) {
    if (!data_) return;
    const TNavigatorItem* selected = GetSelectedItem();
    if (selected && selected->ScreenId == OriginalTargetScreenID(screenId)) return;
    TNavigatorItem* found = data_->FindByScreenId(screenId == 225 ? 230 : screenId);
    if (!found) return;
    const TSelectItemEvent handler = std::exchange(onSelectItem_, nullptr);
    for (QTreeWidgetItemIterator it(ui_->navigatorTreeView); *it; ++it)
        if (const TNavigatorItem* item = TNavigatorTreeView::ItemOf(*it);
            item && item->ScreenId == found->ScreenId)
            SelectNodeByName((*it)->text(0), true, true);
    onSelectItem_ = handler;
    data_->SelectItem(*found);
    ui_->navigatorTreeView->viewport()->update();
}

TNavigatorItem* TNavigatorFrame::GetSelectedItem() const {
    return TNavigatorTreeView::ItemOf(ui_->navigatorTreeView->currentItem());
}

// A change by keyboard is a choice; the change a mouse press makes waits for its click. The
// choice runs once the tree has finished with its own event, since it may rebuild the tree.
void TNavigatorFrame::navigatorTreeViewChange(QTreeWidgetItem* node) {
    if (!changeConnected_ || !node || !selectionEvents_ || collapsing_ ||
        ui_->navigatorTreeView->Pressing())
        return;
    const QPersistentModelIndex index = ui_->navigatorTreeView->indexFromItem(node);
    QTimer::singleShot(0, this, [this, index] {
        if (index.isValid()) NodeChosen(ui_->navigatorTreeView->itemFromIndex(index));
    });
}

void TNavigatorFrame::navigatorTreeViewClick(const QPoint& position) {
    if (QTreeWidgetItem* node = ui_->navigatorTreeView->itemAt(position)) NodeChosen(node);
}

void TNavigatorFrame::NodeChosen(QTreeWidgetItem* node) {
    TNavigatorItem* item = TNavigatorTreeView::ItemOf(node);
    if (!item) return;
    SelectNodeByName(node->text(0), node->parent() == nullptr, true);
    DoSelectItem(*item);
}

void BuildModuleTopics(TNavigatorFrame& navigator) {
    navigator.Clear();
    TVeskNavigatorData& topics = TVeskNavigatorData::Instance();
    topics.BuildModuleTopics();
    navigator.Initialise(&topics);
}

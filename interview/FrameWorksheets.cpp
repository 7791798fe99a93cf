// The frame's worksheet operations: one instance of a repeating group (a spouse, a dependant)
// at a time is edited in the instance window and stored back into its group.

#include "ChildForm.h"
#include "ControlBinding.h"
#include "Cp1252.h"
#include "FieldStore.h"
#include "Frame.h"
#include "Prompter.h"
#include "RunState.h"
#include "WorksheetDeletion.h"

#include <QListWidget>
#include <QPushButton>

namespace {

const char* const CreateLine = "** Create new worksheet **";

QString ToQt(const std::string& text) {
    return QString::fromStdString(Cp1252ToUtf8(text));
}

std::string AutomaticLabel(int instance) {
    return "Worksheet No." + std::to_string(instance);
}

bool Blank(const std::string& text) {
    return text.find_first_not_of(" /") == std::string::npos;
}

// The window holds nothing a user put there: at most the automatic label.
bool WindowHoldsOnlyLabel(int instance) {
    const std::string label = FieldAsText(TagLabel);
    if (!label.empty() && label != AutomaticLabel(instance) &&
        label != "Worksheet No " + std::to_string(instance))
        return false;
    for (int tag = WindowFirst + 1; tag <= WindowPackLast; ++tag)
        if (!Blank(FieldAsText(tag))) return false;
    for (int tag = WindowExtraFirst; tag <= WindowExtraLast; ++tag)
        if (!Blank(FieldAsText(tag))) return false;
    return true;
}

// Empties the window; the open group stays as it was.
void ClearInstanceWindow(int group) {
    const int open = RunState().CurrentWorksheetGroup;
    UnpackWorksheetInstance(group, 0); // instances count from 1: nothing is copied
    RunState().CurrentWorksheetGroup = open;
}

void SetWorksheetTarget(int group, int instance) {
    RunState().CurrentWorksheetGroup = group;
    RunState().CurrentWorksheetInstance = instance;
}

} // namespace

int TFrameWnd::CurrentWorksheetInstance() const {
    return RunState().CurrentWorksheetInstance;
}

void TFrameWnd::SetCurrentWorksheetInstance(int instance) {
    RunState().CurrentWorksheetInstance = instance;
}

void TFrameWnd::BuildWorksheetNames() {
    worksheetNames_.clear();
    if (const TWorksheet* sheet = GetWorksheet(RunState().CurrentWorksheetGroup))
        for (const TWorksheetEntry& entry : sheet->Entries())
            if (entry.tag == TagLabel)
                worksheetNames_ << (entry.type == dtString || entry.type == dtSmallStr
                                        ? ToQt(std::get<std::string>(
                                              GetWorksheetField(RunState().CurrentWorksheetGroup,
                                                                entry.instance - 1, TagLabel)))
                                        : QString());
    worksheetNames_ << CreateLine;
}

void TFrameWnd::OpenNewWorksheet(int group) {
    SetWorksheetTarget(group, 0);
    ClearInstanceWindow(group);
    BuildWorksheetNames();
    // One above the named instances; never onto an instance that exists without a name.
    const int instance =
        std::max<int>(worksheetNames_.size() - 1, WorksheetInstanceCount(group)) + 1;
    LoadInstance(instance);
    newInstance_ = true;
    RefreshWorksheetList();
}

void TFrameWnd::OpenWorksheet(int group, int instance) {
    SetWorksheetTarget(group, 0);
    ClearInstanceWindow(group);
    BuildWorksheetNames();
    LoadInstance(instance);
    newInstance_ = instance > WorksheetInstanceCount(group);
    RefreshWorksheetList();
}

void TFrameWnd::LoadInstance(int instance) {
    UnpackWorksheetInstance(RunState().CurrentWorksheetGroup, instance);
    RunState().CurrentWorksheetInstance = instance;
    if (screen_ && RunState().ScreenShown) {
        FillBoundControls(screen_);
        screen_->SetWorksheetMark();
        screen_->FormShow();
    }
}

void TFrameWnd::LoadWorksheetInstance(int group, int instance) {
    SetWorksheetTarget(group, instance);
    UnpackWorksheetInstance(group, instance);
}

void TFrameWnd::StoreWorksheetInstance(int group, int instance) {
    SetWorksheetTarget(group, instance);
    StoreInstance(false);
    worksheetNames_.clear();
    SetWorksheetTarget(0, 0);
    ClearInstanceWindow(group);
}

void TFrameWnd::SaveScreenInstance() {
    if (RunState().CurrentWorksheetGroup == 0) return;
    if (screen_) StoreBoundControls(screen_);
    StoreInstance(true);
}

// Stores the window into the open instance and keeps it in the window. Only a new record that
// holds nothing is dropped: records are deleted through the pick list's Delete alone.
void TFrameWnd::StoreInstance(bool dropBlankNew) {
    const int group = RunState().CurrentWorksheetGroup;
    const int instance = RunState().CurrentWorksheetInstance;
    if (group == 0 || instance <= 0) return;
    if (dropBlankNew && newInstance_ && WindowHoldsOnlyLabel(instance)) {
        if (instance <= WorksheetInstanceCount(group)) RemoveWorksheetInstance(group, instance);
        return;
    }
    if (FieldAsText(TagLabel).empty()) SetFieldStr(TagLabel, AutomaticLabel(instance));
    PackWorksheetInstance(group, instance);
    UnpackWorksheetInstance(group, instance);
    newInstance_ = false;
}

bool TFrameWnd::DeleteWorksheetInstance(int instance) {
    const int group = RunState().CurrentWorksheetGroup;
    if (!WorksheetDeletionAllowed(group, instance)) return false;
    RemoveWorksheetInstance(group, instance);
    return true;
}

void TFrameWnd::CloseWorksheet() {
    const int group = RunState().CurrentWorksheetGroup;
    struct TReset {
        TFrameWnd* frame;
        int group;
        ~TReset() {
            ClearInstanceWindow(group);
            frame->imagePanel_->show();
            frame->actionPanel_->hide();
            frame->worksheetNames_.clear();
            frame->newInstance_ = false;
            SetWorksheetTarget(0, 0);
        }
    } reset{this, group};
    SaveScreenInstance();
}

void TFrameWnd::RefreshWorksheetList() {
    lstPickList_->clear();
    if (screen_ && RunState().ScreenShown) SaveScreenInstance();
    actionPanel_->show();
    BuildWorksheetNames();
    lstPickList_->addItems(worksheetNames_);
    pickSelection_ =
        std::clamp(RunState().CurrentWorksheetInstance, 1, int(worksheetNames_.size()));
    lstPickList_->setCurrentRow(pickSelection_ - 1);
}

void TFrameWnd::PickListClicked(int row) {
    if (closed_ || switching_ || row < 0) return;
    if (screen_ && !LeaveCheckPasses()) {
        lstPickList_->setCurrentRow(pickSelection_ - 1);
        return;
    }
    SaveScreenInstance();
    newInstance_ = row == worksheetNames_.size() - 1;
    LoadInstance(row + 1);
    RefreshWorksheetList();
    if (screen_) screen_->setFocus();
}

void TFrameWnd::RemoveClicked() {
    if (closed_ || switching_) return;
    const int row = lstPickList_->currentRow();
    if (row < 0) return;
    SaveScreenInstance();
    if (ShowMessageBox("Are you sure you want to delete the selected worksheet?", mkConfirmation,
                       mbYes | mbNo) != mrYes)
        return;
    DeleteWorksheetInstance(row + 1);
    BuildWorksheetNames();
    lstPickList_->clear();
    lstPickList_->addItems(worksheetNames_);
    const int line = std::min(row, int(worksheetNames_.size()) - 1);
    newInstance_ = line == worksheetNames_.size() - 1;
    LoadInstance(line + 1);
    pickSelection_ = line + 1;
    lstPickList_->setCurrentRow(line);
}

void TFrameWnd::ShowSelectPanel(const QString& name) {
    SelectedWorksheetName.clear();
    DeleteRefusalText.clear();
    if (name == QLatin1String("PanelFreeFormSelect"))
        selectPanel_->show();
    else if (name.isEmpty())
        selectPanel_->hide();
}

void TFrameWnd::SelectionListClicked(int row) {
    if (closed_ || switching_ || row < 0) return;
    const QString text = listBoxFFS_->item(row)->text();
    SelectedWorksheetName = text == QLatin1String(CreateLine) ? QString() : text;
    if (HandlerSlots().WorksheetListHandler) HandlerSlots().WorksheetListHandler(listBoxFFS_);
    listBoxFFS_->setFocus();
}

void TFrameWnd::SelectionDeleteClicked() {
    ShowMessageBox(DeleteRefusalText.isEmpty()
                       ? std::string("Worksheets cannot be deleted. Edit existing worksheets only.")
                       : Utf8ToCp1252(DeleteRefusalText.toStdString()),
                   mkPlain, mbOK);
}

// The frame's side of the auxiliary dialogs: the tag inspector, the column description and the
// links list.

#include "ChildForm.h"
#include "Frame.h"
#include "XGrid.h"
#include "dialogs/GetTagForm.h"
#include "dialogs/HyperlinksForm.h"
#include "dialogs/TableColumnDescriptionForm.h"

void TFrameWnd::TagsClick() {
    TfrmGetTag::Open(this);
}

void TFrameWnd::ShowColumnDescription(TXGrid* grid) {
    const QString heading = grid->Col() >= 0 ? grid->Cells(grid->Col(), 0).trimmed() : QString();
    const QString description = screen_ ? screen_->AttentionText() : QString();
    TTableColumnDescriptionForm(heading, description, window()).exec();
}

void TFrameWnd::ShowLinksList() {
    if (!screen_) return;
    THyperlink chosen;
    if (THyperlinksForm::Execute(screen_, window(), chosen))
        LinkClicked(chosen.jumpId, chosen.address);
}

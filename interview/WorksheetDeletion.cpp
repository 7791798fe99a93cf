#include "WorksheetDeletion.h"

#include "FieldStore.h"
#include "RecordDeletion.h"

bool WorksheetDeletionAllowed(int group, int instance) {
    return ConfirmRecordDeletion(group, instance);
}

void RemoveWorksheetInstance(int group, int instance) {
    TWorksheet* sheet = GetWorksheet(group);
    if (!sheet) return;
    sheet->RemoveInstance(instance);
    for (TWorksheetEntry& entry : sheet->MutableEntries())
        if (entry.instance > instance) --entry.instance;
    SetDataModified(true);
}

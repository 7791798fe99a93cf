#pragma once
// Deleting a record of a worksheet group (a spouse, a dependant).

// Asks the deletion cascade whether the record may go; the cascade clears what names it.
bool WorksheetDeletionAllowed(int group, int instance);

// Frees the instance's entries and moves every higher instance one lower.
void RemoveWorksheetInstance(int group, int instance);

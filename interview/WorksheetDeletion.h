#pragma once
// The frame asks the deletion cascade whether a spouse or dependant record may go; the cascade
// clears everything that names the record. The module installs the calculation's cascade.

#include <functional>

using TDeletionCascade = std::function<bool(int group, int instance)>;
void SetDeletionCascade(TDeletionCascade cascade);
// Without an installed cascade nothing is deleted.
bool WorksheetDeletionAllowed(int group, int instance);

// Frees the instance's entries and moves every higher instance one lower.
void RemoveWorksheetInstance(int group, int instance);

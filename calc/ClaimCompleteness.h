#pragma once
// The completeness check of the whole stored claim: every piece of information still required,
// with the screen on which it is entered and the spouse or dependant it concerns.

#include "FieldStore.h"

// Items (screen id less section 78) of the screens the warnings send the user to.
constexpr int ItemMaritalStatus = 21;
constexpr int ItemDependantDetails = 27;
constexpr int ItemDependantIncome = 30;
constexpr int ItemDependantStatus = 32;
constexpr int ItemPayers = 39;
constexpr int ItemSpousalMaintenance = 43;
constexpr int ItemDependantMaintenance = 51;

// Appends three items per warning (item, instance, text; instance -1 when no single record is
// concerned); true when it appended none.
bool CheckClaimComplete(TStringList& warnings);

// Whether the maintenance section of group 22 (dependants) or 19 (spouses) is finished; when it
// is not, failingIndex is the first person whose part is missing (-1 for the claimant's own).
bool MaintenanceComplete(int group, int& failingIndex, bool requirePayers);

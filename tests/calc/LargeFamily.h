#pragma once
// The large family of the speed checks: 20 dependants with 20 change-of-circumstance rows and 4
// overseas trips each, 5 spouses and a 10-row marital status table.

#include "FamilyBuilder.h"

namespace large_family {
constexpr int Dependants = 20;
constexpr int EventsEach = 20;
constexpr int TripsEach = 4;
constexpr int Spouses = 5;
constexpr int MaritalRows = 10;
} // namespace large_family

// Resets the run state and fills a new store of the run with the family; the claimant's income
// decides whether the family test ever passes.
void BuildLargeFamily(double claimantIncome);

#pragma once
// The large family of the benchmarks: 20 dependants with 20 change-of-circumstance rows and 4
// overseas trips each, 5 spouses and a 10-row marital status table, built into a new store.

// The claimant's income decides whether the family test ever passes.
void BuildLargeFamily(double claimantIncome);

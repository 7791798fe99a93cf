#pragma once
// What the dependant screens share: the child's ages that route it through the section, its
// first day in the income year, opening its record and moving on to another screen.

#include <QString>

#include <optional>
#include <string>

// Screen ids of the dependant section.
constexpr int DetailsScreen = 7827;
constexpr int OverseasScreen = 7828;
constexpr int DepartureScreen = 7829;
constexpr int IncomeScreen = 7830;
constexpr int NotQualifiedScreen = 7831;
constexpr int InitialCircumstancesScreen = 7832;
constexpr int ChangesScreen = 7833;
constexpr int SharedCareScreen = 7834;
constexpr int MultipleBirthScreen = 7835;
constexpr int AnotherChildScreen = 7836;
constexpr int MaintenanceSectionScreen = 7837;

// Reasons the notice gives for a child who does not qualify.
constexpr int ReasonOver24 = 1;
constexpr int ReasonIncome = 2;
constexpr int ReasonNeverEligible = 3;

// Whole years from the birth day to the day, a year counting once its anniversary is reached.
int AgeOn(int birthDay, int day);
// The open record's date of birth, when it reads as a date.
std::optional<int> DependantBirthDay();
// The open record's date of birth, or the year's first day when it is later.
int DependantDayZero();
// Which screen follows the details and overseas screens; records the reason when the child is
// too old to be a dependant.
int ScreenAfterDetails();

// The frame opens the record that tag 1280 names, without the worksheet pick list.
void OpenCurrentDependant();
void HideWorksheetPickList();
// The open record's display name (tag 710).
std::string DependantDisplayName();

// A day as the screens show it (dd/mm/yyyy), and a store text (Windows-1252) for display.
QString DayText(int day);
QString ScreenText(const std::string& storeText);

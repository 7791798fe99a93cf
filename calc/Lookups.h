#pragma once
// Look-ups of people by name and the interview-state fields that screens pass to each other.
// Shared by the calculation and the screens.

#include <string>
#include <string_view>
#include <vector>

constexpr int TagArrivedFromList = 1277;
constexpr int TagCurrentSpouse = 1279;
constexpr int TagCurrentDependant = 1280;
constexpr int TagPrevBlockedItem = 1281;
constexpr int TagCurrentPayer = 1282;
constexpr int TagNotQualifiedReason = 1292;
constexpr int TagPayerList = 1264;
constexpr int TagDateOfBirth = 713;

// Interview-state fields: -1 when the field is empty.
int CurrentSpouse();
void SetCurrentSpouse(int n);
int CurrentDependant();
void SetCurrentDependant(int n);
int PrevBlockedItem();
void SetPrevBlockedItem(int n);
int CurrentPayer();
void SetCurrentPayer(int n);
int NotQualifiedReason();
void SetNotQualifiedReason(int n);
bool ArrivedFromList();
void SetArrivedFromList(bool checked);

// 0-based index of the first spouse or dependant whose name (field 710) equals name; -1 if none.
int SpouseIndexByName(std::string_view name);
int DependantIndexByName(std::string_view name);
// The name (field 710) of an instance, empty when absent.
std::string SpouseName(int index);
std::string DependantName(int index);
// Age on 1 July 2003 of the dependant's date of birth (field 713); raises EDateError when the
// date cannot be read.
int DependantAgeAtYearStart(int index);

bool IsCircumstanceStartEvent(std::string_view text);
// The payer list (field 1264) holds a line that is not blank.
bool PayersListed();
// Ascending by upper-cased text; equal texts keep their order.
void SortIgnoringCase(std::vector<std::string>& lines);

#pragma once
// What the claimant and spouse screens share: their ids and the values of the current-spouse
// field (1279) they pass to each other.

constexpr int HadSpouseScreen = 7817;
constexpr int SpouseDetailsScreen = 7818;
constexpr int AnotherSpouseScreen = 7819;
constexpr int OneSpouseScreen = 7820;
constexpr int MaritalStatusScreen = 7821;
constexpr int SpouseNavigationScreen = 7822;
constexpr int BlindPensionPeriodsScreen = 7824;
constexpr int BlindPensionInformationScreen = 7825;

// The current spouse (1279) counts instances from 0; these two mean none chosen yet (the first
// is taken if there is one) and a new spouse asked for.
constexpr int NoSpouseChosen = -1;
constexpr int NewSpouseRequested = -2;

// A rolled-over spouse waiting for review is listed in field 1390 under this prefix and the
// spouse's display name.
constexpr const char* SpouseRolloverPrefix = "Vesk Spouse details - ";

// Fields the screens keep.
constexpr int TagAllSpousesEntered = 1271;
constexpr int TagNoSpouseAtStart = 1276;

#include <QStringList>

// The display name of every spouse, in instance order, for the tables' pick lists.
QStringList SpouseDisplayNames();

#pragma once
// The order in which the maintenance screens visit people: the taxpayer and each spouse for
// spousal maintenance, each maintenance-relevant dependant for dependant maintenance. People
// are 0-based instance indexes; the taxpayer is TaxpayerPerson. Every rule reads the stored
// answers afresh.

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

constexpr int TaxpayerPerson = -1;

// Spousal maintenance tables: the taxpayer's in main tags, a spouse's in the spouse instance.
constexpr int TagOwnCapitalised = 1260;
constexpr int TagOwnPeriodic = 1261;
constexpr int TagSpouseCapitalised = 728;
constexpr int TagSpousePeriodic = 729;

// Screen ids the maintenance screens move between.
namespace screen_ids {
constexpr int Steps = 7803, SpouseNavigation = 7804, Waiver = 7825, DependantNavigation = 7826;
constexpr int Payers = 7839, NoPayers = 7840, SpousalNavigation = 7842, AnySpousal = 7843;
constexpr int PersonSpousal = 7844, CapitalisedQuestion = 7845, CapitalisedItems = 7846;
constexpr int PeriodicSpousal = 7847, SpousalCollected = 7848,
              DependantMaintenanceNavigation = 7849;
constexpr int NotRequiredDependants = 7850, AnyDependant = 7851, ThisDependant = 7852;
constexpr int ActionTest = 7853, DependantCapitalisedQuestion = 7854;
constexpr int DependantCapitalisedItems = 7855, DependantPeriodic = 7856;
constexpr int DependantCollected = 7857, Validate = 7858;
} // namespace screen_ids

// Sets the target and asks the frame to show it once the answer's own event is over.
void PostNextScreen(int id);

// ---- spousal maintenance ----------------------------------------------------------------------
// The first person whose spousal maintenance is not finished; none when no payer is listed.
std::optional<int> PendingPerson();
// Makes the pending person current (tag 1279) and answers 7844; with nobody pending, sets the
// current payer (tag 1282) to 0 and answers 7848.
int NextPersonScreen();
// "You" for the taxpayer, else the spouse's display name.
QString PersonName(int person);
// Marks the person finished and clears their spousal maintenance after the user confirms;
// false when the user kept it.
bool ClearSpousalMaintenance(int person);

// ---- dependant maintenance --------------------------------------------------------------------
// Instance indexes of the dependants for whom maintenance matters, in instance order.
std::vector<int> RelevantDependants();
bool DependantPending();
// The next-dependant rule: makes the next dependant current (tag 1280) and answers 7852, or
// answers 7858 when the loop has been round every listed dependant.
int NextDependantScreen();
// Marks the open dependant instance finished and stores it into its group.
void MarkOpenDependantFinished();
// After a dependant is finished: 7857 when nobody is pending, else the next-dependant rule.
int NextAfterDependantFinished();
QString DependantDisplayName(int dependant);
// Marks the dependant finished and clears their maintenance after the user confirms.
bool ClearDependantMaintenance(int dependant);

// ---- worksheet instances ----------------------------------------------------------------------
// Runs change on the instance in the window and stores it; an instance that is not open is
// loaded first and closed again afterwards.
void ChangeInstance(int group, int index, const std::function<void()>& change);
// Loads the instance into the window, where the screen's bound controls find it; the frame
// stores it when the screen is left.
void OpenInstanceForScreen(int group, int index);

// ---- pick lists -------------------------------------------------------------------------------
QStringList PayerNames();
// "You" followed by every spouse's display name.
QStringList RecipientNames();
// Appends a payer to tag 1264 and keeps the list sorted without regard to case.
void AddPayer(const QString& name);

#include "DependantRules.h"

#include "CalcTags.h"
#include "Cp1252.h"
#include "Dates.h"
#include "FieldStore.h"
#include "Frame.h"
#include "Lookups.h"
#include "RunState.h"

namespace {

constexpr int IncomeYear = 2004;
constexpr int TooOldAge = 25;      // on 1 July of the year before
constexpr int StudyMattersAge = 5; // from here study decides whether income is asked
constexpr int AdultAge = 16;
constexpr int OldestAskedAge = 25;

} // namespace

int AgeOn(int birthDay, int day) {
    int birthYear = 0, birthMonth = 0, birthDate = 0, year = 0, month = 0, date = 0;
    SplitDay(birthDay, birthYear, birthMonth, birthDate);
    SplitDay(day, year, month, date);
    const bool anniversaryReached =
        month > birthMonth || (month == birthMonth && date >= birthDate);
    return year - birthYear - (anniversaryReached ? 0 : 1);
}

std::optional<int> DependantBirthDay() {
    return ParseDate(FieldAsText(TagDateOfBirth));
}

int DependantDayZero() {
    const auto birth = DependantBirthDay();
    return birth && *birth > YearStart ? *birth : YearStart;
}

int ScreenAfterDetails() {
    const auto birth = DependantBirthDay();
    if (!birth) return InitialCircumstancesScreen;
    if (AgeOn(*birth, DayOf(IncomeYear - 1, 7, 1)) >= TooOldAge) {
        SetNotQualifiedReason(ReasonOver24);
        return NotQualifiedScreen;
    }
    const int age = AgeOn(*birth, DayOf(IncomeYear, 6, 30));
    const bool studiesAllYear = FieldChecked(TagWholeYearEducation);
    const bool incomeAsked = (age >= AdultAge && age <= OldestAskedAge) ||
                             (age >= StudyMattersAge && age < AdultAge && !studiesAllYear);
    return incomeAsked ? IncomeScreen : InitialCircumstancesScreen;
}

void OpenCurrentDependant() {
    if (CurrentDependant() < 0) return;
    FrameWnd()->OpenWorksheet(DependantGroup, CurrentDependant() + 1);
    HideWorksheetPickList();
}

void HideWorksheetPickList() {
    if (QWidget* panel = FrameWnd()->findChild<QWidget*>("ActionPanel")) panel->hide();
}

std::string DependantDisplayName() {
    return FieldAsText(TagLabel);
}

QString DayText(int day) {
    return QString::fromStdString(FormatDate(day));
}

QString ScreenText(const std::string& storeText) {
    return QString::fromStdString(Cp1252ToUtf8(storeText));
}

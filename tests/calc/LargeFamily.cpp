#include "LargeFamily.h"

#include "FamilyBuilder.h"

#include "CalcTags.h"
#include "Dates.h"
#include "RunState.h"

#include <string>

namespace {

constexpr int Dependants = 20;
constexpr int EventsEach = 20;
constexpr int TripsEach = 4;
constexpr int Spouses = 5;
constexpr int MaritalRows = 10;

std::string On(int day) {
    return FormatDate(day);
}

// Shared care changes and education starts and ends on dates spread over the year.
TChild BusyChild(int index) {
    TChild child = Child("Child" + std::to_string(index));
    child.Born("01/01/" + std::to_string(1989 + index % 14)).InEducation(true);
    for (int event = 0; event < EventsEach; ++event) {
        const int day = YearStart + 1 + (event * 17 + index * 3) % 360;
        if (event % 2 == 0)
            child.Event(On(day), std::string(events::SharedCareChange), event % 4 ? 80 : 90);
        else
            child.Event(On(day), std::string(event % 4 == 1 ? events::EndEducation
                                                            : events::StartEducation));
    }
    for (int trip = 0; trip < TripsEach; ++trip) {
        const int departure = YearStart + 30 + 80 * trip + index;
        child.Trip(On(departure), On(departure + 10));
    }
    return child;
}

} // namespace

void BuildLargeFamily(double claimantIncome) {
    ResetRunState();
    CreateFieldStore();
    TFamily family = Family();
    family.Claimant(claimantIncome).Payers({"Chris"}).HadSpouse(true);
    for (int spouse = 0; spouse < Spouses; ++spouse)
        family.Spouse(Partner("Spouse" + std::to_string(spouse)).Income(0));
    const int rowDays = (YearEnd - YearStart + 1) / MaritalRows;
    for (int row = 0; row < MaritalRows; ++row) {
        const int from = YearStart + row * rowDays;
        const int to = row == MaritalRows - 1 ? YearEnd : from + rowDays - 1;
        family.MaritalStatus(row % 2 ? "Single" : "Spouse" + std::to_string(row / 2), On(from),
                             On(to));
    }
    for (int dep = 0; dep < Dependants; ++dep)
        family.Dependant(BusyChild(dep));
}

#include "MaintenanceFlow.h"

#include "ATICalcs.h"
#include "ClaimCompleteness.h"
#include "Cp1252.h"
#include "FieldStore.h"
#include "Frame.h"
#include "Lookups.h"
#include "RunState.h"
#include "ScreenHelpers.h"

namespace {

QString ToQt(const std::string& text) {
    return QString::fromStdString(Cp1252ToUtf8(text));
}

bool InstanceOpen(int group, int index) {
    return RunState().CurrentWorksheetGroup == group &&
           RunState().CurrentWorksheetInstance == index + 1;
}

bool ConfirmedClear(std::vector<int> keys, const QString& name) {
    return DeleteWithConfirmation(keys, "Deleting maintenance information for xxx", name, true,
                                  "Maintenance information has been entered for xxx are you sure "
                                  "you want to continue with this deletion?");
}

} // namespace

void PostNextScreen(int id) {
    SetNextScreen(id);
    PostShowScreen();
}

// ---- spousal maintenance

std::optional<int> PendingPerson() {
    int failing = TaxpayerPerson;
    if (MaintenanceComplete(SpouseGroup, failing, true)) return std::nullopt;
    return failing;
}

int NextPersonScreen() {
    if (const auto person = PendingPerson()) {
        SetCurrentSpouse(*person);
        return screen_ids::PersonSpousal;
    }
    SetCurrentPayer(0);
    return screen_ids::SpousalCollected;
}

QString PersonName(int person) {
    return person == TaxpayerPerson ? QString("You") : ToQt(SpouseName(person));
}

bool ClearSpousalMaintenance(int person) {
    if (person == TaxpayerPerson) {
        SetFieldStr(TagOwnMaintenanceDone, "1");
        return DeleteWithConfirmation({TagOwnCapitalised, TagOwnPeriodic},
                                      "Deleting your maintenance information", {}, false,
                                      "Maintenance information has been entered for you. Are you "
                                      "sure you want to continue with this deletion?");
    }
    bool cleared = true;
    ChangeInstance(SpouseGroup, person, [&] {
        SetFieldStr(TagMaintenanceDone, "1");
        cleared = ConfirmedClear({TagSpouseCapitalised, TagSpousePeriodic}, PersonName(person));
    });
    return cleared;
}

// ---- dependant maintenance

std::vector<int> RelevantDependants() {
    TSpouseIncomeNoticeScope oneNoticePerSpouse;
    TStringList lines;
    MaintenanceRelevantDependants(lines);
    std::vector<int> dependants;
    for (const std::string& line : lines)
        dependants.push_back(std::stoi(line.substr(0, line.find('='))));
    return dependants;
}

bool DependantPending() {
    int failing = -1;
    return !MaintenanceComplete(DependantGroup, failing, true);
}

int NextDependantScreen() {
    int failing = -1;
    if (!MaintenanceComplete(DependantGroup, failing, true)) {
        SetCurrentDependant(failing);
        return screen_ids::ThisDependant;
    }
    const int current = CurrentDependant();
    for (int dependant : RelevantDependants())
        if (dependant > current) {
            SetCurrentDependant(dependant);
            return screen_ids::ThisDependant;
        }
    return screen_ids::Validate;
}

void MarkOpenDependantFinished() {
    SetFieldStr(TagMaintenanceDone, "1");
    FrameWnd()->SaveScreenInstance();
}

int NextAfterDependantFinished() {
    return DependantPending() ? NextDependantScreen() : screen_ids::DependantCollected;
}

QString DependantDisplayName(int dependant) {
    return ToQt(DependantName(dependant));
}

bool ClearDependantMaintenance(int dependant) {
    if (dependant < 0) return true;
    bool cleared = true;
    ChangeInstance(DependantGroup, dependant, [&] {
        SetFieldStr(TagMaintenanceDone, "1");
        cleared = ConfirmedClear(
            {TagMaintenanceAction, TagCapitalisedMaintenance, TagPeriodicMaintenance},
            DependantDisplayName(dependant));
    });
    return cleared;
}

// ---- worksheet instances

void ChangeInstance(int group, int index, const std::function<void()>& change) {
    TFrameWnd* frame = FrameWnd();
    if (InstanceOpen(group, index)) {
        change();
        frame->SaveScreenInstance();
        return;
    }
    frame->LoadWorksheetInstance(group, index + 1);
    change();
    frame->StoreWorksheetInstance(group, index + 1);
}

void OpenInstanceForScreen(int group, int index) {
    if (index >= 0) FrameWnd()->LoadWorksheetInstance(group, index + 1);
}

// ---- pick lists

QStringList PayerNames() {
    QStringList names;
    if (const TStringList* payers = GetFieldLst(TagPayerList))
        for (const std::string& payer : *payers)
            names << ToQt(payer);
    return names;
}

QStringList RecipientNames() {
    QStringList names{"You"};
    for (int spouse = 0; spouse < WorksheetInstanceCount(SpouseGroup); ++spouse)
        names << ToQt(SpouseName(spouse));
    return names;
}

void AddPayer(const QString& name) {
    TStringList payers;
    if (const TStringList* stored = GetFieldLst(TagPayerList)) payers = *stored;
    payers.push_back(Utf8ToCp1252(name.toStdString()));
    SortIgnoringCase(payers);
    SetFieldLst(TagPayerList, payers);
}

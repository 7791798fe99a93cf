#include "NavigatorData.h"

#include "ATICalcs.h"
#include "CalcTags.h"
#include "ClaimCompleteness.h"
#include "FieldStore.h"
#include "Lookups.h"

const char* const IncompleteClaimCaption = "Vesk claim is not complete";

namespace {

constexpr int TagAllSpousesEntered = 1271;
constexpr int TagDependantsShown = 1283;
constexpr int TagNotBlind = 1299;

bool HasValue(int tag) {
    return !FieldAsText(tag).empty();
}

bool NoDependantRelevant() {
    TStringList relevant;
    MaintenanceRelevantDependants(relevant);
    return relevant.empty();
}

bool MaintenanceDone(int group) {
    int failing = -1;
    return MaintenanceComplete(group, failing, true);
}

} // namespace

TNavigatorItem& TNavigatorTopic::AddItem(std::string questionNumber, std::string caption,
                                         int screenId) {
    items_.push_back(
        std::make_unique<TNavigatorItem>(std::move(questionNumber), std::move(caption), screenId));
    return *items_.back();
}

TNavigatorTopic& TCustomNavigatorData::AddTopic(std::string caption, int screenId) {
    topics_.push_back(std::make_unique<TNavigatorTopic>(std::move(caption), screenId));
    return *topics_.back();
}

TNavigatorItem* TCustomNavigatorData::FindByScreenId(int id) const {
    TNavigatorItem* found = nullptr;
    auto consider = [&](TNavigatorItem& candidate) {
        if (candidate.ScreenId > 0 && candidate.ScreenId <= id &&
            (!found || candidate.ScreenId > found->ScreenId))
            found = &candidate;
    };
    for (const auto& topic : topics_) {
        consider(*topic);
        for (int i = 0; i < topic->Count(); ++i)
            consider(topic->Item(i));
    }
    if (found && found->ScreenId / 100 != id / 100) return nullptr;
    return found;
}

void TCustomNavigatorData::SelectItem(const TNavigatorItem& item) {
    for (const auto& topic : topics_) {
        topic->Selected = topic.get() == &item;
        for (int i = 0; i < topic->Count(); ++i) {
            TNavigatorItem& child = topic->Item(i);
            child.Selected = &child == &item;
            if (child.Selected) topic->Selected = true;
        }
    }
}

namespace {
std::unique_ptr<TVeskNavigatorData> veskInstance;
}

TVeskNavigatorData& TVeskNavigatorData::Instance() {
    if (!veskInstance) {
        veskInstance.reset(new TVeskNavigatorData);
        veskInstance->BuildTopics();
    }
    return *veskInstance;
}

void TVeskNavigatorData::ReleaseInstance() {
    veskInstance.reset();
}

void TVeskNavigatorData::AddSection(const char* caption, int n) {
    AddTopic(caption, n < 0 ? n : 7800 + n);
}

// Each section is listed only once the sections before it are answered; where a rule stops the
// list, the incomplete-claim topic ends it.
void TVeskNavigatorData::BuildModuleTopics() {
    Clear();
    if (!AddSectionsReached()) AddSection(IncompleteClaimCaption, IncompleteClaimScreenId);
}

bool TVeskNavigatorData::AddSectionsReached() {
    AddSection("Start of Vesk", 4);
    if (!HasValue(TagResidentAllYear)) return false;
    AddSection("Your residency", 9);
    AddSection("Corvel periods", 11);
    if (!HasValue(TagTaxFreePensions)) return false;
    AddSection("Your details", 13);
    if (!HasValue(TagHadSpouse)) return false;
    AddSection("Spouse / former spouse(s)", 18);
    if (const int spouses = WorksheetInstanceCount(SpouseGroup); spouses > 0)
        AddSection("Marital status / agreed %", spouses > 1 ? 21 : 20);
    if (!FieldChecked(TagBlindPension) && !FieldChecked(TagNotBlind)) return false;
    AddSection("Special circumstances", 23);
    const bool spousesDone =
        FieldAsText(TagAllSpousesEntered) == "1" || FieldAsText(TagHadSpouse) == "0";
    if (!spousesDone || !FieldChecked(TagDependantsShown)) return false;
    AddSection("Dependant details", 27);
    if (GetFieldLst(TagPayerList) || FieldChecked(TagNoPayers))
        AddSection("List of maintenance payers", 39);
    if (!MaintenanceDone(SpouseGroup)) return false;
    AddSection("Spousal maintenance", 43);
    if (MaintenanceDone(DependantGroup))
        AddSection("Dependant maintenance", NoDependantRelevant() ? 50 : 51);
    AddSection("Validate and complete", 58);
    return true;
}

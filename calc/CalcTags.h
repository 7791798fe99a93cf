#pragma once
// The stored answers the family calculation reads: field tags, table layouts and the event
// texts of a dependant's change of circumstance table, exactly as the screens store them.

#include <string_view>

// Main tags: amounts of the return and the claimant's answers.
constexpr int TagTaxableIncome = 96;
constexpr int TagIncome126 = 126;
constexpr int TagIncome199 = 199;
constexpr int TagTaxFreePensions = 1246;
constexpr int TagTargetForeignIncome = 1247;
constexpr int TagChildMaintenancePaid = 1248;
constexpr int TagClaimantTrips = 1249;       // departure, return
constexpr int TagMaritalStatus = 1250;       // status or spouse name, start, end, agreed %
constexpr int TagDirectPayment = 1252;       // start, end
constexpr int TagNoSeparation = 1255;        // checkbox
constexpr int TagNotBlended = 1256;          // checkbox
constexpr int TagOwnMaintenanceDone = 1257;  // "1" when finished
constexpr int TagNoPayers = 1265;            // checkbox
constexpr int TagResidency = 1266;           // status, start, end
constexpr int TagResidentAllYear = 1268;     // 1 for Yes
constexpr int TagHadSpouse = 1269;           // "0" for No
constexpr int TagSpouseAtStart = 1275;       // checkbox
constexpr int TagClaimantLeftForGood = 1289; // checkbox
constexpr int TagBlindPension = 1290;        // checkbox
constexpr int TagBlindPeriods = 1291;        // recipient, start, end

constexpr int MaritalStatusWidth = 4;
constexpr int BlindPeriodsWidth = 3;
constexpr int ResidencyWidth = 3;
constexpr int PeriodWidth = 2; // trips and direct payment periods

// Spouse and dependant fields (groups 19 and 22).
constexpr int TagFringeBenefits = 718;
constexpr int TagRentalLosses = 719;
constexpr int TagPersonTaxFreePensions = 720;
constexpr int TagSpouseTaxableIncome = 717;
constexpr int TagSpouseForeignIncome = 721;
constexpr int TagSpouseMaintenancePaid = 722;
constexpr int TagDependantForeignIncome = 723;
constexpr int TagDependantMaintenancePaid = 724;
constexpr int TagDependantTaxableIncome = 725;
constexpr int TagMaintenanceDone = 1106; // "1" when that person's maintenance is finished

// Dependant fields (group 22).
constexpr int TagResidentOrLivingWith = 715;
constexpr int TagSharedCare = 727;
constexpr int TagInEducation = 728;
constexpr int TagIncomeSupport = 730;
constexpr int TagAbsent = 731;
constexpr int TagEvents = 732; // date, event, shared care % after the row
constexpr int TagWholeYearEducation = 734;
constexpr int TagCapitalisedMaintenance = 743; // recipient first, 6 a row
constexpr int TagPeriodicMaintenance = 744;    // recipient first, 5 a row
constexpr int TagMaintenanceAction = 745;      // claimant first, 4 a row
constexpr int TagDependantTrips = 747;         // departure, return
constexpr int TagDependantLeftForGood = 1101;  // checkbox
constexpr int TagPrescribedEducation = 1104;
constexpr int TagAbsentSince = 1137;

constexpr int EventsWidth = 3;

// Answer codes of the Yes/No circumstances.
constexpr int AnswerNo = 1;
constexpr int AnswerYes = 2;

namespace events {
constexpr std::string_view StartEducation = "Commenced or resumed full time education";
constexpr std::string_view EndEducation = "Ceased full time education";
constexpr std::string_view StartIncomeSupport =
    "Commenced receiving pension / benefit / payment under labour market program";
constexpr std::string_view EndIncomeSupport =
    "Ceased receiving pension / benefit / payment under labour market program";
constexpr std::string_view StartAbsence = "Went absent without claimant's consent";
constexpr std::string_view EndAbsence = "End of period of absence without consent";
constexpr std::string_view StartResidency =
    "Gained Australian residency for social security purposes / began living with the claimant";
constexpr std::string_view EndResidency =
    "Ceased being an Australian resident / ceased living with the claimant";
constexpr std::string_view StartPrescribedEducation =
    "Commenced receiving payments under a prescribed education scheme";
constexpr std::string_view EndPrescribedEducation =
    "Ceased receiving payments under a prescribed education scheme";
constexpr std::string_view SharedCareChange = "Change of shared care %";
constexpr std::string_view Deceased = "Deceased";
} // namespace events

// A Yes/No circumstance: its initial answer and the events that start and end it.
struct TCircumstance {
    int initialTag;
    std::string_view startEvent;
    std::string_view endEvent;
};

constexpr TCircumstance IncomeSupport{TagIncomeSupport, events::StartIncomeSupport,
                                      events::EndIncomeSupport};
constexpr TCircumstance Absence{TagAbsent, events::StartAbsence, events::EndAbsence};
constexpr TCircumstance Residency{TagResidentOrLivingWith, events::StartResidency,
                                  events::EndResidency};
constexpr TCircumstance PrescribedEducation{
    TagPrescribedEducation, events::StartPrescribedEducation, events::EndPrescribedEducation};
constexpr TCircumstance FullTimeEducation{TagInEducation, events::StartEducation,
                                          events::EndEducation};

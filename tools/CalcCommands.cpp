// The calculation's commands: check, relevant, changes and days, each on a return loaded as the
// module loads it. Boxes the calculation would show go to stderr through the default prompter.

#include "ATICalcs.h"
#include "ClaimCompleteness.h"
#include "Cp1252.h"
#include "ToolSupport.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <functional>
#include <iostream>

namespace {

// Loads the return named by the one file argument and runs the command on it; a date text
// that cannot be read is bad data.
int OnReturn(const TToolArgs& args, const std::function<void()>& command) {
    args.ExpectPositional(1);
    const std::string key = args.Option("key");
    LoadReturnIntoStore(args.positional[0], key);
    try {
        command();
    } catch (const EDateError& error) {
        throw EBadDataError(args.positional[0] + ": " + error.what());
    }
    return ExitOk;
}

int Check(const TToolArgs& args) {
    return OnReturn(args, [] {
        TStringList warnings;
        CheckClaimComplete(warnings);
        for (std::size_t at = 0; at + 2 < warnings.size(); at += 3)
            std::cout << warnings[at] << '\t' << warnings[at + 1] << '\t'
                      << Cp1252ToUtf8(warnings[at + 2]) << '\n';
    });
}

int Relevant(const TToolArgs& args) {
    return OnReturn(args, [] {
        TStringList relevant;
        MaintenanceRelevantDependants(relevant);
        for (const std::string& line : relevant)
            std::cout << Cp1252ToUtf8(line) << '\n';
    });
}

int Changes(const TToolArgs& args) {
    return OnReturn(args, [] {
        for (int day : CollectChangeDates())
            std::cout << FormatDate(day) << '\n';
    });
}

// Whole amounts as integers, others as the shortest text that reads back the same.
nlohmann::ordered_json Amount(double amount) {
    if (amount == std::trunc(amount) && std::fabs(amount) < 1e15) return (long long)amount;
    return amount;
}

nlohmann::ordered_json Purposes(const std::function<bool(TTestPurpose)>& eligible) {
    return {{"threshold", eligible(tpThresholdCount)},
            {"maintenance", eligible(tpMaintenance)},
            {"profile", eligible(tpProfile)}};
}

nlohmann::ordered_json DayReport(int day) {
    nlohmann::ordered_json dependants = nlohmann::ordered_json::array();
    for (int dep = 0; dep < WorksheetInstanceCount(DependantGroup); ++dep)
        dependants.push_back(
            Purposes([&](TTestPurpose purpose) { return DependantEligibleOn(dep, purpose, day); }));
    return {{"day", FormatDate(day)},
            {"resident", ResidentOn(day)},
            {"blind", BlindPensionOn(day)},
            {"direct", DirectPaymentOn(day)},
            {"spouse", SpouseIndexAt(day)},
            {"claimant",
             Purposes([&](TTestPurpose purpose) { return ClaimantEligibleOn(purpose, day); })},
            {"dependants", dependants},
            {"family_income", Amount(FamilyIncomeOn(day))},
            {"base", Amount(BaseRateThreshold(day))},
            {"higher", Amount(HigherIncomeThreshold(day))},
            {"family_test", FamilyCircumstanceTest(tpMaintenance, day)}};
}

int DayOption(const TToolArgs& args, const std::string& name, int otherwise) {
    const std::string text = args.Option(name, false);
    if (text.empty()) return otherwise;
    const auto day = ParseDate(text);
    if (!day) throw EUsageError("--" + name + " needs a date dd/mm/yyyy");
    return *day;
}

int Days(const TToolArgs& args) {
    const int from = DayOption(args, "from", YearStart);
    const int to = DayOption(args, "to", YearEnd);
    if (from > to) throw EUsageError("--from is later than --to");
    return OnReturn(args, [from, to] {
        TSpouseIncomeNoticeScope oneNoticePerSpouse;
        for (int day = from; day <= to; ++day)
            std::cout << DayReport(day).dump() << '\n';
    });
}

} // namespace

void RegisterCalcCommands() {
    auto& commands = ToolCommands();
    commands["check"] = {"check FILE --key KEYTEXT", Check};
    commands["relevant"] = {"relevant FILE --key KEYTEXT", Relevant};
    commands["changes"] = {"changes FILE --key KEYTEXT", Changes};
    commands["days"] = {"days FILE --key KEYTEXT [--from dd/mm/yyyy --to dd/mm/yyyy]", Days};
}

#pragma once
// Builds a claim in the run's field store the way the screens store it, reading like the claim:
//   Family().Claimant(30000).Spouse(Partner("Sam").Income(20000))
//           .Dependant(Child("Mia").Born("14/03/1996").SharedCare(50));
// A child starts as the circumstance screens leave one that was answered in full: resident and
// living with the claimant, in full care, every other circumstance No, every income field an
// explicit zero. A partner starts with every income field an explicit zero.

#include "FieldStore.h"

#include <initializer_list>
#include <map>
#include <string>
#include <variant>

constexpr double ExplicitZero = 0.0011;

// A value as a screen stores it into a field.
using TStored = std::variant<std::string, double, bool, TStringList>;

// The fields of one spouse or dependant record.
class TPerson {
public:
    explicit TPerson(const std::string& name) { fields_[TagLabel] = name; }
    const std::map<int, TStored>& Fields() const { return fields_; }

protected:
    void Put(int tag, TStored value) { fields_[tag] = std::move(value); }
    void Drop(int tag) { fields_.erase(tag); }
    void AddRow(int tag, std::initializer_list<std::string> cells);

private:
    std::map<int, TStored> fields_;
};

class TChild : public TPerson {
public:
    explicit TChild(const std::string& name);
    TChild& Born(const std::string& date);
    TChild& SharedCare(int percentage);
    TChild& InEducation(bool yes);
    TChild& EducationAllYear();
    TChild& IncomeSupport(bool yes);
    TChild& PrescribedEducation(bool yes);
    TChild& Resident(bool yes);
    TChild& AbsentSince(const std::string& date);
    TChild& Income(double taxable);
    TChild& Event(const std::string& date, const std::string& event, int careAfter = 100);
    TChild& Trip(const std::string& departure, const std::string& back = "");
    TChild& LeftForGood();
    TChild& MaintenanceDone();
    TChild& MaintenanceRow(int tag, std::initializer_list<std::string> cells);
    TChild& Set(int tag, TStored value);
    TChild& Without(int tag);
};

class TPartner : public TPerson {
public:
    explicit TPartner(const std::string& name);
    TPartner& Income(double taxable);
    TPartner& MaintenanceDone();
    TPartner& Set(int tag, TStored value);
    TPartner& Without(int tag);
};

inline TChild Child(const std::string& name) {
    return TChild(name);
}
inline TPartner Partner(const std::string& name) {
    return TPartner(name);
}

// Writes straight into the run's store; the store must exist.
class TFamily {
public:
    TFamily& Claimant(double taxableIncome);
    TFamily& ClaimantAmount(int tag, double amount);
    TFamily& Spouse(const TPartner& partner);
    TFamily& Spouse(const std::string& name) { return Spouse(Partner(name)); }
    TFamily& Dependant(const TChild& child);
    // A spouse on 1 July who stayed all year, in a family that is not blended.
    TFamily& SpouseAllYear();
    TFamily& HadSpouse(bool yes);
    TFamily& MaritalStatus(const std::string& status, const std::string& from,
                           const std::string& to, const std::string& agreed = "");
    TFamily& Residency(const std::string& status, const std::string& from, const std::string& to);
    TFamily& Trip(const std::string& departure, const std::string& back = "");
    TFamily& LeftForGood();
    TFamily& BlindPension(const std::string& recipient, const std::string& from,
                          const std::string& to);
    TFamily& DirectPayment(const std::string& from, const std::string& to);
    TFamily& Payers(std::initializer_list<std::string> names);
    TFamily& NoPayers();
    TFamily& OwnMaintenanceDone();

private:
    TFamily& AddRow(int tag, std::initializer_list<std::string> cells);
    void AddRecord(int group, const TPerson& person);
};

inline TFamily Family() {
    return TFamily();
}

// Day number of a dd/mm/yyyy text.
int Day(const std::string& date);

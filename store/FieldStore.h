#pragma once
// The field store: every answer of the return, in 2312 numbered fields ("tags"), with the
// worksheets of repeating records (spouses, dependants) and the instance window in which one
// record at a time is edited. One store per run; the free functions below work on it.

#include "Extended.h"
#include "Worksheet.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

constexpr int MinTag = 1;
constexpr int MaxTag = 2312;

// The instance window: the tags one worksheet instance is unpacked into.
constexpr int WindowFirst = 710;
constexpr int WindowLast = 749;
constexpr int WindowPackLast = 750; // packing also picks up 750, clearing does not
constexpr int WindowExtraFirst = 1100;
constexpr int WindowExtraLast = 1199;

constexpr int WorksheetHoldingBase = 751; // group g is held in tag 751 + g
constexpr int SpouseGroup = 19;
constexpr int DependantGroup = 22;

constexpr int TagKeySource = 1;
constexpr int TagNotes = 399;
constexpr int TagLabel = 710;
constexpr int TagRolloverNotices = 1390;

constexpr int MaxTextLength = 255;
constexpr int MaxSmallTextLength = 9;

// A Null, an amount, a text or a checked state, as GetWorksheetField answers.
using TVariant = std::variant<std::monostate, double, std::string, bool>;

struct TFieldSlot {
    TDataType type = dtNone;
    std::uint8_t spare = 0;
    TRawValue value{}; // amount, small text (length byte + 9 characters) or checkbox
    std::string text;  // dtString
    std::unique_ptr<TStringList> list;     // dtList; null when the tag holds no list
    std::unique_ptr<TWorksheet> worksheet; // dtWorksheet; null when no entry list exists
};

const char* DataTypeName(TDataType type);

// The store itself; the free functions below reach the one of the run. Tests may create their
// own, but the calculation and the screens always use the run's.
class TFieldStore {
public:
    TFieldStore();

    TFieldSlot& Slot(int tag) { return slots_[tag - 1]; }
    const TFieldSlot& Slot(int tag) const { return slots_[tag - 1]; }

private:
    std::vector<TFieldSlot> slots_;
};

// Lifecycle of the run's store. Without a store every read answers empty and every write
// does nothing.
void CreateFieldStore();
void FreeFieldStore();
bool FieldStoreExists();
TFieldStore* CurrentFieldStore();
void ClearAllFields();

// Type and validity.
bool ValidFieldTag(int tag);
TDataType GetFieldType(int tag);
void SetFieldType(int tag, TDataType type);
void ClearField(int tag);

// Values.
void SetFieldVal(int tag, TAmount amount);
inline void SetFieldVal(int tag, int amount) {
    SetFieldVal(tag, TAmount(amount));
}
inline void SetFieldVal(int tag, long long amount) {
    SetFieldVal(tag, TAmount(amount));
}
inline void SetFieldVal(int tag, double amount) {
    SetFieldVal(tag, TAmount(amount));
}
TAmount GetFieldVal(int tag, bool zeroTiny = false);
std::int64_t GetFieldInt(int tag);
void SetFieldStr(int tag, std::string_view text);
std::string GetFieldStr(int tag);
void SetFieldLst(int tag, TStringList list);
// The list the store holds (callers may edit it in place), or nullptr.
TStringList* GetFieldLst(int tag);
void SetFieldChecked(int tag);
void SetFieldUnchecked(int tag);
bool FieldChecked(int tag);
std::string FieldAsText(int tag);
bool FieldEmpty(int tag);
inline bool FieldNotEmpty(int tag) {
    return !FieldEmpty(tag);
}

// The data modified flag of the run (RunState().DataModified).
bool DataModified();
void SetDataModified(bool modified);

// Worksheets.
void UnpackWorksheetInstance(int group, int instance);
void PackWorksheetInstance(int group, int instance);
int WorksheetInstanceCount(int group);
bool WorksheetHasInstances(int group);
// The group's entries, or nullptr when it has no entry list.
TWorksheet* GetWorksheet(int group);
TVariant GetWorksheetField(int group, int index, int tag);
TStringList GetWorksheetFieldValues(int group, int tag);
void GetWorksheetFieldLst(int group, int index, int tag, TStringList& list);
// The lines of a dtList entry without copying them; nullptr when there is no such entry.
const TStringList* WorksheetFieldLines(int group, int index, int tag);
void SetWorksheetFieldLst(int group, int index, int tag, const TStringList& lines);

// Rollover notices (tag 1390).
bool RolloverNoticeExists(std::string_view text);
bool RemoveRolloverNotice(std::string_view text);
bool RolloverNoticeStartsWith(std::string_view prefix);

// Whole years from birthDate to onDate (days since 30/12/1899).
int AgeInYears(int onDate, int birthDate);

// Display forms shared with the data file and the tool.
std::string FormatAmount(TAmount amount, TDataType type);
std::string WorksheetNameOf(int group);
// The lines of a list text: split at CR LF, a lone CR or a lone LF; a final break opens no line.
TStringList SplitLines(std::string_view text);
// Every line followed by CR LF.
std::string JoinLines(const TStringList& lines);

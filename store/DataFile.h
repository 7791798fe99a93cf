#pragma once
// The return's data file: a signature, the interview position and screen history, then one
// record per non-empty field; enciphered on disk.

#include "FieldStore.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

constexpr int LoadSucceeded = -1;
constexpr int ErrSignatureMismatch = 6004;
constexpr int ErrBadFieldTag = 6005;
// The data file could not be deciphered ("Invalid file format").
constexpr int ErrInvalidFileFormat = 6006;
// A save over a data file that this run could not load; its contents would be lost.
constexpr int ErrSaveRefused = 6007;
// The file ends inside the header or a record.
constexpr int ErrReadBeyondEnd = 100;

constexpr std::string_view FileSignature =
    "Quellet LedgerFile'2004 (c) Morvane Revenue Commission ";

constexpr int TagVersionStamp = 960;
constexpr int TagSavedBy = 1300;
constexpr int TagLodgedLastSave = 1453;
constexpr int TagLodgmentDate = 1478;
constexpr int TagLodgmentReference = 1479;
constexpr int TagLodgmentTime = 1490;
constexpr int TagLodgedLocked = 1491;
constexpr std::string_view LodgedMark = "999999999";

struct TFieldRecord {
    int tag = 0;
    TFieldSlot slot;
};

// The plain form of a data file.
struct TPlainFile {
    std::int32_t section = 0;
    std::int32_t item = 0;
    std::vector<std::int32_t> history;
    std::vector<TFieldRecord> records;
};

struct TParseOutcome {
    int code =
        LoadSucceeded; // LoadSucceeded, ErrSignatureMismatch, ErrBadFieldTag or ErrReadBeyondEnd
    int badTag = 0;    // with ErrBadFieldTag: the tag read
    int lastTag = 0;   // the last good tag, 0 when there was none
};

// Reads as far as the bytes allow; records read before a failure stay in file.
TParseOutcome ParsePlainFile(std::string_view bytes, TPlainFile& file);

// Whether the save writes a record for the slot.
bool RecordWritten(const TFieldSlot& slot);
// The plain bytes: header, then each record the save's rules write, in the given order.
std::string SerializePlainFile(const TPlainFile& file);

int LoadDataFile(const std::string& fileName);
// The load's steps after deciphering: plain bytes into the store and run state.
int LoadPlainIntoStore(std::string_view plain, const std::string& fileName);
// The save's plain bytes of the store and run state, without saving anything.
std::string SerializeStore();
int SaveDataFile(const std::string& fileName);
bool FileLodgedLocked();
void ShowLodgedMessage();

// Whole-file helpers shared with the tool; they throw std::system_error.
std::string ReadWholeFile(const std::string& path);
void WriteFileDurably(const std::string& path, std::string_view bytes);

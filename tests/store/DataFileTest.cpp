#include "DataFile.h"
#include "Cipher.h"
#include "Lookups.h"

#include "StoreTestSupport.h"

#include <sys/resource.h>

#include <csignal>
#include <cstring>

namespace {

const std::string Key = "12345678";

// Plain data file bytes, written by hand.
class Plain {
public:
    Plain& Raw(std::string_view bytes) {
        out_ += bytes;
        return *this;
    }
    Plain& Int32(std::int32_t v) {
        for (int i = 0; i < 4; ++i)
            out_ += char(std::uint32_t(v) >> (8 * i));
        return *this;
    }
    Plain& Byte(int b) {
        out_ += char(b);
        return *this;
    }
    Plain& Header(std::vector<std::int32_t> history = {}, std::int32_t count = -1) {
        Raw(FileSignature).Int32(78).Int32(5);
        Int32(count < 0 ? std::int32_t(history.size()) : count);
        for (auto id : history)
            Int32(id);
        return *this;
    }
    Plain& SmallText(int tag, std::string_view text) {
        return Int32(tag).Byte(dtSmallStr).Byte(int(text.size())).Raw(text);
    }
    const std::string& Bytes() const { return out_; }

private:
    std::string out_;
};

std::string Amount(TAmount value) {
    const TRawValue raw = AmountToExtended(value);
    return std::string(reinterpret_cast<const char*>(raw.data()), raw.size());
}

class DataFileTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        RunState().KeySource = Key;
        SetFieldStr(TagKeySource, Key);
    }
    void WriteReturn(const std::string& plain, const std::string& key = Key) {
        WriteFileDurably(path, EncipherBytes(plain, FileKeyFromText(key)));
    }
    std::string SavedPlain() { return DecipherBytes(ReadWholeFile(path), FileKeyFromText(Key)); }
    // The saved records after the header (no history).
    std::string SavedRecords() { return SavedPlain().substr(FileSignature.size() + 12); }
    // The saved records without the ones every save adds.
    std::string RecordsOfTag(int tag) {
        TPlainFile file;
        ParsePlainFile(SavedPlain(), file);
        for (auto& record : file.records)
            if (record.tag == tag) {
                TPlainFile one;
                one.records.push_back(std::move(record));
                return SerializePlainFile(one).substr(FileSignature.size() + 12);
            }
        return {};
    }

    TempFolder folder;
    std::string path = folder.File("RETURN.TAX");
};

} // namespace

TEST_F(DataFileTest, EmptyValuesAreNotWrittenButNumericZeroIs) {
    SetFieldVal(100, 0);
    SetFieldUnchecked(101);
    SetFieldType(102, dtNumeric);
    SetFieldVal(102, 0);
    SetFieldStr(103, "");
    ASSERT_EQ(SaveDataFile(path), 0);
    EXPECT_EQ(RecordsOfTag(100), "");
    EXPECT_EQ(RecordsOfTag(101), "");
    EXPECT_EQ(RecordsOfTag(103), "");
    EXPECT_EQ(RecordsOfTag(102), Plain().Int32(102).Byte(dtNumeric).Raw(Amount(0)).Bytes());
}

TEST_F(DataFileTest, RecordLayoutsAreByteExact) {
    SetFieldLst(399, {"a", "b"});
    SetFieldChecked(200);
    SetFieldStr(201, "a text of 20 chars!!");
    UnpackWorksheetInstance(SpouseGroup, 1);
    SetFieldStr(TagLabel, "Samantha Lee");
    PackWorksheetInstance(SpouseGroup, 1);
    ASSERT_EQ(SaveDataFile(path), 0);

    EXPECT_EQ(RecordsOfTag(399), Plain()
                                     .Int32(399)
                                     .Byte(dtList)
                                     .Int32(9)
                                     .Raw("a\r\nb\r\n")
                                     .Raw(std::string(3, '\0'))
                                     .Bytes());
    EXPECT_EQ(RecordsOfTag(200),
              Plain().Int32(200).Byte(dtCheckbox).Byte(1).Raw(std::string(9, '\0')).Bytes());
    EXPECT_EQ(RecordsOfTag(201),
              Plain().Int32(201).Byte(dtString).Byte(20).Raw("a text of 20 chars!!").Bytes());
    const std::string entry = Plain()
                                  .Byte(1)
                                  .Byte(0)
                                  .Int32(TagLabel)
                                  .Byte(dtString)
                                  .Byte(0)
                                  .Raw(std::string(10, '\0'))
                                  .Bytes();
    EXPECT_EQ(RecordsOfTag(770), Plain()
                                     .Int32(770)
                                     .Byte(dtWorksheet)
                                     .Int32(1)
                                     .Raw(entry)
                                     .Byte(12)
                                     .Raw("Samantha Lee")
                                     .Bytes());

    ClearAllFields();
    ASSERT_EQ(LoadDataFile(path), LoadSucceeded);
    EXPECT_EQ(*GetFieldLst(399), (TStringList{"a", "b"}));
    EXPECT_EQ(SpouseName(0), "Samantha Lee");
}

TEST_F(DataFileTest, SaveWritesTheHeaderAndItsOwnMarkers) {
    RunState().CurrentSection = 78;
    RunState().CurrentItem = 17;
    RunState().ScreenHistory = {7803, 7805};
    ASSERT_EQ(SaveDataFile(path), 0);
    const std::string plain = SavedPlain();
    EXPECT_EQ(plain.substr(0, 55), FileSignature);
    EXPECT_EQ(plain.substr(55, 20),
              Plain().Int32(78).Int32(17).Int32(2).Int32(7803).Int32(7805).Bytes());
    EXPECT_EQ(FieldAsText(TagSavedBy), "EI");
    EXPECT_EQ(GetFieldVal(TagVersionStamp), 60012);
    EXPECT_EQ(RecordsOfTag(1), Plain().SmallText(1, Key).Bytes());
}

TEST_F(DataFileTest, UntouchedHostValuesComeBackByteIdentical) {
    // An amount whose ten bytes are no double at all, a list entry without a list, small-text
    // and checkbox entries: what the module never touches leaves as it came.
    const std::string oddAmount("\x01\x02\x03\x04\x05\x06\x07\x08\xFF\x7F", 10);
    const std::string entryText = Plain()
                                      .Byte(1)
                                      .Byte(0)
                                      .Int32(1100)
                                      .Byte(dtList)
                                      .Byte(0)
                                      .Raw(std::string(10, '\0'))
                                      .Int32(0)
                                      .Bytes();
    const std::string plain = Plain()
                                  .Header({7803, 7805})
                                  .SmallText(1, Key)
                                  .Int32(500)
                                  .Byte(dtCurrency)
                                  .Raw(oddAmount)
                                  .Int32(501)
                                  .Byte(dtNumeric)
                                  .Raw(Amount(0))
                                  .Int32(773)
                                  .Byte(dtWorksheet)
                                  .Int32(1)
                                  .Raw(entryText)
                                  .Int32(960)
                                  .Byte(dtCurrency)
                                  .Raw(Amount(60012))
                                  .SmallText(1300, "EI")
                                  .Bytes();
    WriteReturn(plain);
    ASSERT_EQ(LoadDataFile(path), LoadSucceeded);
    EXPECT_EQ(RunState().ScreenHistory, (std::vector<std::int32_t>{7803, 7805}));
    ASSERT_EQ(SaveDataFile(path), 0);
    EXPECT_EQ(SavedPlain(), plain);
}

TEST_F(DataFileTest, ASignatureOfAnotherYearIsRefused) {
    std::string plain = Plain().Header().SmallText(5, "x").Bytes();
    plain.replace(plain.find("2004"), 4, "2003");
    WriteReturn(plain);
    SetFieldStr(6, "kept");
    EXPECT_EQ(LoadDataFile(path), ErrSignatureMismatch);
    EXPECT_EQ(prompter.messages, TStringList{"Unable to open file - " + path});
    EXPECT_EQ(prompter.kinds[0], mkError);
    EXPECT_EQ(GetFieldStr(6), "kept");
    EXPECT_EQ(GetFieldStr(5), "");
    EXPECT_EQ(RunState().CurrentFileName, "");
    EXPECT_EQ(RunState().KeySource, "");
}

TEST_F(DataFileTest, ABadTagStopsTheLoadKeepingWhatWasRead) {
    WriteReturn(Plain()
                    .Header()
                    .SmallText(1, Key)
                    .SmallText(713, "x")
                    .Int32(0)
                    .Byte(5)
                    .SmallText(800, "lost")
                    .Bytes());
    EXPECT_EQ(LoadDataFile(path), ErrBadFieldTag);
    EXPECT_EQ(prompter.messages, TStringList{"Error reading file, field tag = 0 last tag = 713"});
    EXPECT_EQ(GetFieldStr(713), "x");
    EXPECT_EQ(GetFieldStr(800), "");
}

TEST_F(DataFileTest, AHistoryLongerThanTheFileReadsNoRecords) {
    WriteReturn(Plain().Header({7803, 7804}, 1000).Bytes());
    EXPECT_EQ(LoadDataFile(path), LoadSucceeded);
    EXPECT_EQ(RunState().ScreenHistory, (std::vector<std::int32_t>{7803, 7804}));
}

TEST_F(DataFileTest, DamagedFilesStopAtTheDamageAndAreNeverSavedOver) {
    const std::string whole = Plain()
                                  .Header()
                                  .SmallText(1, Key)
                                  .SmallText(5, "first")
                                  .Int32(6)
                                  .Byte(dtList)
                                  .Int32(1000)
                                  .Raw("short")
                                  .Bytes();
    const std::vector<std::string> damaged = {
        whole, // list length past the end
        Plain().Header().SmallText(1, Key).SmallText(5, "first").Int32(6).Bytes(), // no type
        Plain()
            .Header()
            .SmallText(1, Key)
            .SmallText(5, "first")
            .Int32(7)
            .Byte(dtWorksheet)
            .Int32(2000000000)
            .Bytes(), // entry count past the end
        Plain()
            .Header()
            .SmallText(1, Key)
            .SmallText(5, "first")
            .Int32(7)
            .Byte(dtString)
            .Byte(200)
            .Raw("abc")
            .Bytes(),                                 // text past the end
        Plain().Raw(FileSignature).Int32(78).Bytes(), // header cut short
    };
    for (const auto& plain : damaged) {
        WriteReturn(plain);
        const std::string before = ReadWholeFile(path);
        EXPECT_EQ(LoadDataFile(path), ErrReadBeyondEnd);
        EXPECT_EQ(RunState().LoadOutcome, TLoadOutcome::Failed);
        if (plain.size() > 80) {
            EXPECT_EQ(GetFieldStr(5), "first");
        }
        EXPECT_EQ(SaveDataFile(path), ErrSaveRefused);
        EXPECT_EQ(ReadWholeFile(path), before);
    }
    // Saving under another name still works.
    EXPECT_EQ(SaveDataFile(folder.File("COPY.TAX")), 0);
}

TEST_F(DataFileTest, UnreadableFilesAreReportedAndProtected) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", "Invalid file format"},
        {"1234567", "Invalid file format"},
    };
    for (const auto& [bytes, message] : cases) {
        prompter.messages.clear();
        WriteFileDurably(path, bytes);
        EXPECT_EQ(LoadDataFile(path), ErrInvalidFileFormat);
        EXPECT_EQ(prompter.messages, TStringList{message});
        EXPECT_EQ(SaveDataFile(path), ErrSaveRefused);
        EXPECT_EQ(ReadWholeFile(path), bytes);
    }
    // Under another key the file reads as garbage: never "loaded", never saved over.
    WriteReturn(Plain().Header().SmallText(1, "999").Bytes(), "999");
    EXPECT_NE(LoadDataFile(path), LoadSucceeded);
    EXPECT_EQ(SaveDataFile(path), ErrSaveRefused);
}

TEST_F(DataFileTest, AMissingFileIsANewReturn) {
    EXPECT_EQ(LoadDataFile(path), ENOENT);
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(RunState().LoadOutcome, TLoadOutcome::NoFile);
    EXPECT_EQ(SaveDataFile(path), 0);
    EXPECT_EQ(LoadDataFile(path), LoadSucceeded);
}

TEST_F(DataFileTest, ALongSmallTextIsKeptWhole) {
    WriteReturn(Plain().Header().Int32(5).Byte(dtSmallStr).Byte(12).Raw("twelve chars").Bytes());
    EXPECT_EQ(LoadDataFile(path), LoadSucceeded);
    EXPECT_EQ(GetFieldStr(5), "twelve chars");
}

TEST_F(DataFileTest, TheKeyFieldIsKeptWhenTheFileHasNone) {
    WriteReturn(Plain().Header().SmallText(5, "x").Bytes());
    ASSERT_EQ(LoadDataFile(path), LoadSucceeded);
    EXPECT_EQ(GetFieldStr(TagKeySource), Key);
    ASSERT_EQ(SaveDataFile(path), 0);
    EXPECT_EQ(LoadDataFile(path), LoadSucceeded); // still readable under the host's key
    EXPECT_EQ(GetFieldStr(5), "x");
}

TEST_F(DataFileTest, EverySaveKeepsThePreviousFileAsBackupAndNothingElse) {
    SetFieldStr(5, "one");
    ASSERT_EQ(SaveDataFile(path), 0);
    EXPECT_EQ(folder.Names(), TStringList{"RETURN.TAX"});
    const std::string first = ReadWholeFile(path);
    SetFieldStr(5, "two");
    ASSERT_EQ(SaveDataFile(path), 0);
    EXPECT_EQ(folder.Names(), (TStringList{"RETURN.BAK", "RETURN.TAX"}));
    EXPECT_EQ(ReadWholeFile(folder.File("RETURN.BAK")), first);
    WriteFileDurably(folder.File("RETURN.SEC"), "stale plain copy");
    ASSERT_EQ(SaveDataFile(path), 0);
    EXPECT_EQ(folder.Names(), (TStringList{"RETURN.BAK", "RETURN.TAX"}));
}

TEST_F(DataFileTest, AFailedWriteLeavesTheFileAndBackupAsTheyWere) {
    SetFieldStr(5, "one");
    ASSERT_EQ(SaveDataFile(path), 0);
    ASSERT_EQ(SaveDataFile(path), 0);
    const std::string data = ReadWholeFile(path), backup = ReadWholeFile(folder.File("RETURN.BAK"));
    SetFieldLst(6, TStringList(2000, std::string(50, 'x')));

    // Let no file grow beyond 1 KiB, so that the new data file cannot be written.
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 1024;
    setrlimit(RLIMIT_FSIZE, &small);
    const int code = SaveDataFile(path);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(code, EFBIG);
    EXPECT_EQ(ReadWholeFile(path), data);
    EXPECT_EQ(ReadWholeFile(folder.File("RETURN.BAK")), backup);
    EXPECT_EQ(folder.Names(), (TStringList{"RETURN.BAK", "RETURN.TAX"}));
    EXPECT_EQ(SaveDataFile(folder.File("NOFOLDER/X.TAX")), ENOENT);
}

TEST_F(DataFileTest, ALodgedReturnIsSavedOnceMore) {
    SetFieldStr(TagLodgmentReference, "REF123");
    SetFieldStr(TagLodgmentDate, "01/10/2004");
    SetFieldStr(TagLodgmentTime, "10:15");
    EXPECT_FALSE(FileLodgedLocked());
    ASSERT_EQ(SaveDataFile(path), 0);
    EXPECT_EQ(RecordsOfTag(TagLodgedLastSave),
              Plain().SmallText(TagLodgedLastSave, "999999999").Bytes());
    const std::string lastSaved = ReadWholeFile(path);
    SetFieldStr(5, "changed after lodgment");
    EXPECT_EQ(SaveDataFile(path), 0);
    EXPECT_EQ(ReadWholeFile(path), lastSaved);
    EXPECT_EQ(folder.Names(), TStringList{"RETURN.TAX"});

    SetFieldStr(TagLodgedLocked, "999999999");
    EXPECT_TRUE(FileLodgedLocked());
    ShowLodgedMessage();
    EXPECT_EQ(prompter.messages.back(),
              "This data file has been lodged and is locked to preserve your lodgment "
              "details.\r\n\r\nYou will not be able to change the information contained in this "
              "file.\r\n\r\nHowever, you can continue to view the details of this file.");
    EXPECT_EQ(prompter.kinds.back(), mkInformation);
}

TEST_F(DataFileTest, SupportModeDumpsTheSavedFieldsAndReportsANamelessSave) {
    RunState().SupportMode = true;
    EXPECT_EQ(SaveDataFile(""), 0);
    EXPECT_EQ(prompter.messages, TStringList{"SaveOpen - Trying to save a file with no name"});
    EXPECT_EQ(prompter.kinds[0], mkPlain);

    SetFieldType(7, dtNumeric);
    SetFieldVal(7, 42);
    SetFieldVal(8, 12.5L);
    SetFieldChecked(9);
    SetFieldStr(11, "a long text value");
    SetFieldLst(12, {"no line for lists"});
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.File(""));
    const int code = SaveDataFile(path);
    std::filesystem::current_path(previous);
    ASSERT_EQ(code, 0);
    EXPECT_EQ(ReadWholeFile(folder.File("TEST.TXT")),
              "1 smallstring 12345678\r\n7 Numeric 42\r\n8 Currency 12.5\r\n9 Checkbox \r\n"
              "11 string a long text value\r\n960 Currency 60012\r\n1300 smallstring EI\r\n");
}

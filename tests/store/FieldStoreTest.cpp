#include "StoreTestSupport.h"

#include "Dates.h"
#include "Lookups.h"

#include <cmath>

namespace {

constexpr int Group = SpouseGroup;

TWorksheet& Sheet(int group) {
    return *GetWorksheet(group);
}

std::vector<std::pair<int, int>> InstanceTagOrder(int group) {
    std::vector<std::pair<int, int>> order;
    for (const auto& e : Sheet(group).Entries())
        order.emplace_back(e.instance, e.tag);
    return order;
}

void AddInstance(int group, int instance, const std::string& name, TAmount amount) {
    UnpackWorksheetInstance(group, instance);
    SetFieldStr(TagLabel, name);
    SetFieldVal(1105, amount);
    PackWorksheetInstance(group, instance);
}

} // namespace

TEST_F(StoreTest, InvalidTagsAreIgnoredAndReadEmpty) {
    for (int tag : {0, -1, 2313}) {
        SetFieldVal(tag, 5);
        SetFieldStr(tag, "text");
        SetFieldChecked(tag);
        EXPECT_FALSE(ValidFieldTag(tag));
        EXPECT_EQ(GetFieldType(tag), dtNone);
        EXPECT_EQ(GetFieldVal(tag), 0);
        EXPECT_EQ(GetFieldStr(tag), "");
        EXPECT_TRUE(FieldEmpty(tag));
    }
    EXPECT_TRUE(ValidFieldTag(1));
    EXPECT_TRUE(ValidFieldTag(2312));
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(StoreTest, AmountTagRefusesTextWithDiagnosticOnlyInSupportMode) {
    SetFieldVal(50, 12.5L);
    EXPECT_EQ(GetFieldType(50), dtCurrency);
    SetFieldStr(50, "abc");
    EXPECT_EQ(GetFieldVal(50), 12.5L);
    EXPECT_TRUE(prompter.messages.empty());

    RunState().SupportMode = true;
    UnpackWorksheetInstance(22, 1); // the diagnostic names the open worksheet
    SetFieldStr(50, "abc");
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0], "DEBUG: bad field tag 50  DataType = dtCurrency  Contents = "
                                    "13  Worksheet = 22 - not defined  SetFieldStr");
    EXPECT_EQ(prompter.kinds[0], mkError);
    EXPECT_EQ(GetFieldVal(50), 12.5L);
}

TEST_F(StoreTest, WorksheetNamesFollowTheHostsNumbering) {
    const std::vector<std::pair<int, std::string>> cases = {
        {0, "0 - not defined"},
        {1, "1 - Salary & Wages / Lump Sum"},
        {7, "7 - Motor Vehicle"},
        {12, "12 - Business NPP Depreciation"},
        {180, "180 - Rental Depreciation"},
        {199, "199 - Rental Depreciation"},
        {200, "200 - not defined"},
        {249, "249 - D5 Depreciation - WRE"},
        {253, "253 - D5 Depreciation - WRE"},
        {6, "6 - not defined"},
    };
    for (const auto& [group, name] : cases)
        EXPECT_EQ(WorksheetNameOf(group), name) << group;
}

TEST_F(StoreTest, TextLengthDecidesBetweenSmallAndLongText) {
    SetFieldStr(60, "123456789");
    EXPECT_EQ(GetFieldType(60), dtSmallStr);
    SetFieldStr(60, "1234567890");
    EXPECT_EQ(GetFieldType(60), dtString);
    SetFieldStr(60, "abc");
    EXPECT_EQ(GetFieldType(60), dtSmallStr);
    EXPECT_EQ(GetFieldStr(60), "abc");
    SetFieldStr(60, std::string(300, 'x'));
    EXPECT_EQ(GetFieldType(60), dtString);
    EXPECT_EQ(GetFieldStr(60), std::string(255, 'x'));
}

TEST_F(StoreTest, DataModifiedOnlyWhenAValueChanges) {
    SetFieldStr(61, "same");
    SetDataModified(false);
    SetFieldStr(61, "same");
    EXPECT_FALSE(DataModified());
    SetFieldStr(61, "other");
    EXPECT_TRUE(DataModified());

    SetFieldVal(62, 3);
    SetDataModified(false);
    SetFieldVal(62, 3);
    EXPECT_FALSE(DataModified());
    SetFieldVal(62, 4);
    EXPECT_TRUE(DataModified());

    SetDataModified(false);
    SetFieldLst(63, {"line"});
    EXPECT_FALSE(DataModified());
    SetFieldUnchecked(64);
    EXPECT_FALSE(DataModified());
    SetFieldChecked(64);
    EXPECT_TRUE(DataModified());
}

TEST_F(StoreTest, TinyAmountsReadAsZeroOnlyWhenAsked) {
    const std::vector<std::tuple<TAmount, TAmount, TAmount>> cases = {
        // stored, read plainly, read with tiny amounts zeroed
        {0.004L, 0.004L, 0},
        {0.005L, 0.005L, 0.005L},
        {-0.004L, -0.004L, -0.004L},
        {0.0011L, 0.0011L, 0},
        {7, 7, 7},
    };
    for (const auto& [stored, plain, zeroed] : cases) {
        SetFieldVal(70, stored);
        EXPECT_EQ(GetFieldVal(70, false), plain);
        EXPECT_EQ(GetFieldVal(70, true), zeroed);
    }
}

TEST_F(StoreTest, GetFieldIntRoundsHalvesToEven) {
    for (auto [amount, expected] : std::vector<std::pair<TAmount, std::int64_t>>{
             {2.5L, 2}, {3.5L, 4}, {-2.5L, -2}, {2.4999L, 2}, {1e12L, 1000000000000}}) {
        SetFieldVal(71, amount);
        EXPECT_EQ(GetFieldInt(71), expected) << double(amount);
    }
}

TEST_F(StoreTest, FieldAsTextByType) {
    const auto amountText = [](TDataType type, TAmount amount) {
        SetFieldType(80, type);
        SetFieldVal(80, amount);
        return FieldAsText(80);
    };
    EXPECT_EQ(amountText(dtCurrency, 1234.56L), "1235");
    EXPECT_EQ(amountText(dtCurrency, -1234.5L), "-1235");
    EXPECT_EQ(amountText(dtCurrency, 0.0011L), "0");
    EXPECT_EQ(amountText(dtCurrencyCnt, 1234.5L), "1234.50");
    EXPECT_EQ(amountText(dtCurrencyCnt, 0.0004L), "");
    EXPECT_EQ(amountText(dtNumeric, 41.5L), "42");
    EXPECT_EQ(amountText(dtNumeric, 0), "");

    SetFieldChecked(81);
    EXPECT_EQ(FieldAsText(81), "X");
    SetFieldUnchecked(81);
    EXPECT_EQ(FieldAsText(81), "");
    SetFieldLst(82, {"a", "b"});
    EXPECT_EQ(FieldAsText(82), "a\r\nb\r\n");
    SetFieldLst(83, {});
    EXPECT_EQ(FieldAsText(83), "");
    EXPECT_TRUE(FieldEmpty(83));
}

TEST_F(StoreTest, TextEmptinessIgnoresSpacesAndControlCharacters) {
    SetFieldStr(90, " \t\r\n ");
    EXPECT_TRUE(FieldEmpty(90));
    SetFieldStr(90, " a ");
    EXPECT_FALSE(FieldEmpty(90));
}

TEST_F(StoreTest, CheckingOneMemberOfAPairUnchecksTheOther) {
    const std::vector<std::pair<int, int>> pairs = {
        {10, 9}, {9, 10}, {133, 132}, {134, 135}, {34, 33}};
    for (const auto& [checked, partner] : pairs) {
        SetFieldChecked(partner);
        SetFieldChecked(checked);
        EXPECT_TRUE(FieldChecked(checked));
        EXPECT_FALSE(FieldChecked(partner)) << checked;
    }
    // Unchecking never touches the partner, and tags outside the pairs stand alone.
    SetFieldUnchecked(134);
    EXPECT_FALSE(FieldChecked(135));
    SetFieldChecked(11);
    SetFieldChecked(12);
    EXPECT_TRUE(FieldChecked(11));
    EXPECT_TRUE(FieldChecked(12));
}

TEST_F(StoreTest, ClearFieldKeepsTheTypeOfSmallTextButDropsLongText) {
    SetFieldStr(100, "short");
    ClearField(100);
    EXPECT_EQ(GetFieldType(100), dtSmallStr);
    EXPECT_EQ(GetFieldStr(100), "");
    SetFieldStr(101, "a longer text");
    ClearField(101);
    EXPECT_EQ(GetFieldType(101), dtNone);
    SetFieldVal(102, 5);
    ClearField(102);
    EXPECT_EQ(GetFieldType(102), dtCurrency);
    EXPECT_TRUE(FieldEmpty(102));
}

TEST_F(StoreTest, PackingAnEmptyInstanceStoresOnlyItsAutomaticLabel) {
    UnpackWorksheetInstance(Group, 3);
    SetFieldVal(1100, 0);
    SetFieldUnchecked(1101);
    PackWorksheetInstance(Group, 3);
    ASSERT_EQ(Sheet(Group).Entries().size(), 1u);
    EXPECT_EQ(Sheet(Group).Entries()[0].tag, TagLabel);
    EXPECT_EQ(std::get<std::string>(GetWorksheetField(Group, 2, TagLabel)), "Worksheet No 3");
    EXPECT_EQ(WorksheetInstanceCount(Group), 3);
    EXPECT_EQ(RunState().CurrentWorksheetGroup, 0);
}

TEST_F(StoreTest, RepackedInstanceKeepsItsPlaceAndDescendingTagOrder) {
    AddInstance(Group, 1, "Ann", 1);
    AddInstance(Group, 2, "Bob", 2);
    AddInstance(Group, 3, "Cy", 3);
    UnpackWorksheetInstance(Group, 2);
    EXPECT_EQ(GetFieldStr(TagLabel), "Bob");
    SetFieldChecked(720);
    PackWorksheetInstance(Group, 2);
    const std::vector<std::pair<int, int>> expected = {{1, 1105}, {1, 710},  {2, 1105}, {2, 720},
                                                       {2, 710},  {3, 1105}, {3, 710}};
    EXPECT_EQ(InstanceTagOrder(Group), expected);
    EXPECT_EQ(GetWorksheetField(Group, 1, 720), TVariant(true));
}

TEST_F(StoreTest, UnpackedInstanceLeftUnpackedKeepsItsStoredValues) {
    AddInstance(Group, 1, "Ann", 10);
    UnpackWorksheetInstance(Group, 1);
    SetFieldVal(1105, 99);
    SetFieldStr(TagLabel, "Changed");
    UnpackWorksheetInstance(Group, 1);
    EXPECT_EQ(GetFieldStr(TagLabel), "Ann");
    EXPECT_EQ(GetFieldVal(1105), 10);
}

TEST_F(StoreTest, PackingWithoutAnEntryListKeepsTheWindowsValues) {
    SetFieldStr(TagLabel, "Zoe");
    PackWorksheetInstance(DependantGroup, 1);
    EXPECT_EQ(DependantName(0), "Zoe");
}

TEST_F(StoreTest, InstanceCountIsTheHighestInstanceNumber) {
    EXPECT_EQ(WorksheetInstanceCount(Group), 0);
    EXPECT_FALSE(WorksheetHasInstances(Group));
    AddInstance(Group, 4, "Dee", 1);
    EXPECT_EQ(WorksheetInstanceCount(Group), 4);
    EXPECT_TRUE(WorksheetHasInstances(Group));
    EXPECT_FALSE(FieldEmpty(WorksheetHoldingBase + Group));
}

TEST_F(StoreTest, WorksheetFieldReadsByType) {
    UnpackWorksheetInstance(Group, 1);
    SetFieldStr(TagLabel, "Ann");
    SetFieldStr(711, "a long text here");
    SetFieldVal(1105, 12.25L);
    SetFieldType(1106, dtNumeric);
    SetFieldVal(1106, 5);
    SetFieldChecked(1107);
    SetFieldLst(1108, {"x", "y"});
    PackWorksheetInstance(Group, 1);

    EXPECT_EQ(GetWorksheetField(Group, 0, TagLabel), TVariant(std::string("Ann")));
    EXPECT_EQ(GetWorksheetField(Group, 0, 711), TVariant(std::string("a long text here")));
    EXPECT_EQ(GetWorksheetField(Group, 0, 1105), TVariant(12.25));
    EXPECT_EQ(GetWorksheetField(Group, 0, 1106), TVariant());
    EXPECT_EQ(GetWorksheetField(Group, 0, 1107), TVariant(true));
    EXPECT_EQ(GetWorksheetField(Group, 0, 1108), TVariant());
    EXPECT_EQ(GetWorksheetField(Group, 1, TagLabel), TVariant());
    EXPECT_EQ(GetWorksheetField(DependantGroup, 0, TagLabel), TVariant());

    TStringList lines{"stale"};
    GetWorksheetFieldLst(Group, 0, 1108, lines);
    EXPECT_EQ(lines, (TStringList{"x", "y"}));
    SetWorksheetFieldLst(Group, 0, 1108, {"z"});
    EXPECT_EQ(*WorksheetFieldLines(Group, 0, 1108), TStringList{"z"});
    SetWorksheetFieldLst(Group, 0, 1109, {"never created"});
    EXPECT_EQ(WorksheetFieldLines(Group, 0, 1109), nullptr);
    GetWorksheetFieldLst(Group, 0, 1109, lines);
    EXPECT_TRUE(lines.empty());
}

TEST_F(StoreTest, WorksheetFieldValuesListEveryInstanceInEntryOrder) {
    const std::vector<TAmount> amounts = {1234.5L, 0.0011L, -2.00005L, 7};
    for (std::size_t i = 0; i < amounts.size(); ++i)
        AddInstance(Group, int(i) + 1, "P", amounts[i]);
    UnpackWorksheetInstance(Group, 5);
    SetFieldChecked(1105); // a different type under the same tag still lists
    PackWorksheetInstance(Group, 5);
    EXPECT_EQ(GetWorksheetFieldValues(Group, 1105),
              (TStringList{"1234.5", "0.0011", "-2.0001", "7", "True"}));
    EXPECT_EQ(GetWorksheetFieldValues(Group, TagLabel),
              (TStringList{"P", "P", "P", "P", "Worksheet No 5"}));
}

TEST_F(StoreTest, RolloverNotices) {
    EXPECT_FALSE(RolloverNoticeStartsWith("Vesk Spouse details - "));
    SetFieldLst(TagRolloverNotices, {"Vesk Dependant details - Mia"});
    EXPECT_FALSE(RolloverNoticeStartsWith("Vesk Spouse details - "));
    EXPECT_TRUE(RolloverNoticeStartsWith("Vesk Dependant details - "));
    GetFieldLst(TagRolloverNotices)->push_back("Vesk Spouse details - Sam");
    EXPECT_TRUE(RolloverNoticeStartsWith("Vesk Spouse details - "));
    EXPECT_TRUE(RolloverNoticeExists("Vesk Spouse details - Sam"));
    EXPECT_FALSE(RolloverNoticeExists("Vesk Spouse details - Sa"));
    EXPECT_TRUE(RemoveRolloverNotice("Vesk Spouse details - Sam"));
    EXPECT_FALSE(RemoveRolloverNotice("Vesk Spouse details - Sam"));
    EXPECT_FALSE(RolloverNoticeExists("Vesk Spouse details - Sam"));
}

TEST_F(StoreTest, AgeInYearsCountsWholeYears) {
    EXPECT_EQ(AgeInYears(DayOf(2004, 6, 30), DayOf(2000, 7, 1)), 3);
    EXPECT_EQ(AgeInYears(DayOf(2004, 7, 1), DayOf(2000, 7, 1)), 4);
    EXPECT_EQ(AgeInYears(DayOf(2004, 2, 28), DayOf(2000, 2, 29)), 3);
    EXPECT_EQ(AgeInYears(DayOf(2004, 2, 29), DayOf(2000, 2, 29)), 4);
    EXPECT_EQ(AgeInYears(YearStart, DayOf(2003, 9, 1)), -1);
}

TEST_F(StoreTest, ClearAllFieldsEmptiesTheWindowAndEveryTag) {
    AddInstance(Group, 1, "Ann", 5);
    UnpackWorksheetInstance(Group, 1);
    SetFieldLst(399, {"note"});
    ClearAllFields();
    EXPECT_TRUE(FieldEmpty(TagLabel));
    EXPECT_FALSE(WorksheetHasInstances(Group));
    EXPECT_EQ(GetFieldLst(399), nullptr);
}

TEST(StoreLifecycle, WithoutAStoreEveryCallIsHarmless) {
    FreeFieldStore();
    SetFieldStr(5, "x");
    SetFieldVal(5, 1);
    UnpackWorksheetInstance(19, 1);
    PackWorksheetInstance(19, 1);
    EXPECT_EQ(GetFieldStr(5), "");
    EXPECT_EQ(WorksheetInstanceCount(19), 0);
    EXPECT_FALSE(FieldStoreExists());
}

TEST(ListLines, SplitAtEveryKindOfLineBreak) {
    const std::vector<std::pair<std::string, TStringList>> cases = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {"a\n\nb\n", {"a", "", "b"}},
        {"\r\n", {""}},
    };
    for (const auto& [text, lines] : cases)
        EXPECT_EQ(SplitLines(text), lines) << text;
    EXPECT_EQ(JoinLines({"a", "b"}), "a\r\nb\r\n");
}

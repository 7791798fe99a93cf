// Deleting and renaming spouses and dependants with everything that names them, and the
// delete-all step.

#include "RecordDeletion.h"
#include "CalcTest.h"
#include "StoreReads.h"

#include <algorithm>

namespace {

using RecordDeletionTest = CalcTest;

TStringList MainList(int tag) {
    const TStringList* lines = GetFieldLst(tag);
    return lines ? *lines : TStringList{};
}

TStringList DependantList(int dep, int tag) {
    TStringList lines;
    GetWorksheetFieldLst(DependantGroup, dep, tag, lines);
    return lines;
}

const std::string Question = "The following information has been recorded with regard to this "
                             "spouse:\r\r";
const std::string AreYouSure = "\r\rAre you sure you wish to continue with this deletion?";

TEST_F(RecordDeletionTest, SpouseInTheMaritalStatusTableOnly) {
    Family()
        .Spouse("Sam")
        .MaritalStatus("Single", "01/07/2003", "30/09/2003")
        .MaritalStatus("Sam", "01/10/2003", "31/12/2003", "50")
        .MaritalStatus("sam ", "01/01/2004", "30/06/2004");
    prompter.Answer(mrYes);
    EXPECT_TRUE(ConfirmRecordDeletion(SpouseGroup, 1));
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_EQ(prompter.boxes[0].text, Question +
                                          "Marital status will be affected you will need to "
                                          "update the marital status screen" +
                                          AreYouSure);
    EXPECT_EQ(prompter.boxes[0].kind, mkWarning);
    EXPECT_EQ(prompter.boxes[0].defaultButton, mbNo);
    EXPECT_EQ(MainList(TagMaritalStatus), (TStringList{"Single", "01/07/2003", "30/09/2003", ""}));
}

TEST_F(RecordDeletionTest, DecliningKeepsEveryRow) {
    Family().Spouse("Sam").MaritalStatus("Sam", "01/07/2003", "30/06/2004");
    prompter.Answer(mrNo);
    EXPECT_FALSE(ConfirmRecordDeletion(SpouseGroup, 1));
    EXPECT_EQ(MainList(TagMaritalStatus).size(), 4u);
}

TEST_F(RecordDeletionTest, SpouseNamedInBlindPeriodsAndMaintenanceTables) {
    Family()
        .Spouse("Alex")
        .Spouse("Sam")
        .BlindPension(" SAM", "01/07/2003", "30/06/2004")
        .BlindPension("You", "01/07/2003", "30/06/2004")
        .Dependant(Child("Mia")
                       .MaintenanceRow(TagMaintenanceAction, {"Sam", "01/07/2003", "", ""})
                       .MaintenanceRow(TagCapitalisedMaintenance,
                                       {"Sam", "Chris", "01/07/2003", "30/06/2004", "500", "50"})
                       .MaintenanceRow(TagCapitalisedMaintenance,
                                       {"sam", "Chris", "01/07/2003", "30/06/2004", "100", "50"}))
        .Dependant(Child("Noah").MaintenanceRow(TagPeriodicMaintenance,
                                                {"Sam", "Chris", "01/07/2003", "30/06/2004", "9"}));
    prompter.Answer(mrYes);
    EXPECT_TRUE(ConfirmRecordDeletion(SpouseGroup, 2));
    EXPECT_EQ(prompter.boxes.at(0).text,
              Question +
                  "\n\rPeriods have been recorded in which this spouse was blind and receipt of a "
                  "blind rate pension or blind rate of service pension or income support "
                  "supplement.\n\rMaintenance action on behalf of a dependant taken taken"
                  "\n\rCapitalised maintenance received\n\rMaintenance received" +
                  AreYouSure);
    EXPECT_EQ(MainList(TagBlindPeriods), (TStringList{"You", "01/07/2003", "30/06/2004"}));
    EXPECT_EQ(DependantList(0, TagMaintenanceAction), TStringList{});
    EXPECT_EQ(DependantList(0, TagCapitalisedMaintenance),
              (TStringList{"sam", "Chris", "01/07/2003", "30/06/2004", "100", "50"}));
    EXPECT_EQ(DependantList(1, TagPeriodicMaintenance), TStringList{});
}

TEST_F(RecordDeletionTest, SpouseWithoutANameOrReferencesIsNeverAsked) {
    Family().Spouse("Sam").Spouse("Alex").MaritalStatus("Sam", "01/07/2003", "30/06/2004");
    auto& entries = GetWorksheet(SpouseGroup)->MutableEntries();
    std::erase_if(entries, [](const TWorksheetEntry& entry) {
        return entry.instance == 1 && entry.tag == TagLabel;
    });
    EXPECT_TRUE(ConfirmRecordDeletion(SpouseGroup, 1));
    EXPECT_TRUE(ConfirmRecordDeletion(SpouseGroup, 2));
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(RecordDeletionTest, DependantWithMaintenance) {
    Family()
        .Dependant(Child("Mia"))
        .Dependant(Child("Noah").MaintenanceRow(
            TagCapitalisedMaintenance, {"You", "Chris", "01/07/2003", "30/06/2004", "500", "50"}));
    EXPECT_TRUE(ConfirmRecordDeletion(DependantGroup, 1));
    EXPECT_TRUE(prompter.boxes.empty());
    prompter.Answer(mrNo);
    EXPECT_FALSE(ConfirmRecordDeletion(DependantGroup, 2));
    EXPECT_EQ(prompter.Texts(),
              TStringList{"Maintenance information has already entered, are you sure you want to "
                          "proceed with this deletion?\n\rThe receipt of capitalised maintenance "
                          "has been recorded for this dependant."});
    EXPECT_EQ(DependantList(1, TagCapitalisedMaintenance).size(), 6u);
    EXPECT_TRUE(ConfirmRecordDeletion(20, 1));
}

TEST_F(RecordDeletionTest, RenameFollowsExactNamesOnly) {
    Family()
        .Spouse("Sam")
        .MaritalStatus("Sam", "01/07/2003", "31/12/2003")
        .MaritalStatus("sam ", "01/01/2004", "30/06/2004")
        .BlindPension("Sam", "01/07/2003", "30/06/2004")
        .Dependant(Child("Mia")
                       .MaintenanceRow(TagMaintenanceAction, {"Sam", "01/07/2003", "", ""})
                       .MaintenanceRow(TagPeriodicMaintenance,
                                       {"You", "Sam", "01/07/2003", "30/06/2004", "9"}));
    RenameSpouseReferences("Sam", "Samantha");
    EXPECT_EQ(MainList(TagMaritalStatus), (TStringList{"Samantha", "01/07/2003", "31/12/2003", "",
                                                       "sam ", "01/01/2004", "30/06/2004", ""}));
    EXPECT_EQ(MainList(TagBlindPeriods).front(), "Samantha");
    EXPECT_EQ(DependantList(0, TagMaintenanceAction).front(), "Samantha");
    EXPECT_EQ(DependantList(0, TagPeriodicMaintenance).at(1), "Sam"); // the payer column stays
}

TEST_F(RecordDeletionTest, DeleteAllWithNothingStoredAsksNothing) {
    SetFieldStr(TagHadSpouse, "1");
    EXPECT_TRUE(DeleteAllVeskData());
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(RecordDeletionTest, DeleteAllClearsTheAnswersAfterYes) {
    Family().Spouse("Sam").SpouseAllYear().Dependant(Child("Mia")).NoPayers();
    SetFieldVal(TagResidentAllYear, 1.0);
    RunState().ScreenHistory = {7803, 7805};

    prompter.Answer(mrNo);
    EXPECT_FALSE(DeleteAllVeskData());
    EXPECT_TRUE(WorksheetHasInstances(DependantGroup));

    prompter.Answer(mrYes);
    EXPECT_TRUE(DeleteAllVeskData());
    ASSERT_EQ(prompter.boxes.size(), 2u);
    EXPECT_EQ(prompter.boxes[1].caption, "Warning You Are About to Delete Data");
    EXPECT_EQ(prompter.boxes[1].text,
              "You have previously entered Vesk data, are you sure you want to continue with this "
              "deletion?\rIf you select \"Yes\" all Vesk data will be lost.");
    EXPECT_EQ(prompter.boxes[1].defaultButton, mbNo);
    EXPECT_FALSE(WorksheetHasInstances(DependantGroup));
    EXPECT_FALSE(WorksheetHasInstances(SpouseGroup));
    EXPECT_TRUE(FieldEmpty(TagNoPayers));
    EXPECT_TRUE(FieldEmpty(TagSpouseAtStart));
    EXPECT_EQ(FieldAsText(TagHadSpouse), "1");
    EXPECT_EQ(MainNumber(TagResidentAllYear), 1);
    EXPECT_TRUE(RunState().ScreenHistory.empty());
}

} // namespace

// vesk-tool's calculation commands on real data files built with `vesk-tool build`.

#include "../support/ToolRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string Entry(int instance, int tag, const std::string& type, const std::string& value) {
    return R"({"instance": )" + std::to_string(instance) + R"(, "tag": )" + std::to_string(tag) +
           R"(, "type": ")" + type + R"(", "value": )" + value + "}";
}

// A dependant as the screens store one, with the given date of birth; Noah has no shared
// care answer and so never counts.
std::string DependantEntries(int instance, const std::string& name, const std::string& birth,
                             bool sharedCare) {
    std::string entries = Entry(instance, 710, "smallstr", "\"" + name + "\"") + ",\n" +
                          Entry(instance, 713, "string", "\"" + birth + "\"");
    for (int tag : {715, 728, 730, 731, 1104})
        entries += ",\n" + Entry(instance, tag, "smallstr", tag == 715 ? "\"2\"" : "\"1\"");
    if (sharedCare) entries += ",\n" + Entry(instance, 727, "smallstr", "\"100\"");
    for (int tag : {718, 719, 720, 723, 724, 725})
        entries += ",\n" + Entry(instance, tag, "currency", "0.0011");
    return entries;
}

class CalcToolTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("vesk-calc-tool-" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    // Builds the data file of a single parent with two children; returns its path.
    std::string BuildReturn(const std::string& miaBirth = "14/03/1996") {
        const std::string json = (folder_ / "return.json").string();
        std::ofstream(json) << R"({"section": 78, "item": 3, "history": [7803], "fields": {
  "1": {"type": "smallstr", "value": "12345678"},
  "96": {"type": "currency", "value": 20000},
  "1265": {"type": "checkbox", "value": true},
  "773": {"type": "worksheet", "value": [
)" + DependantEntries(1, "Mia", miaBirth, true) +
                                   ",\n" + DependantEntries(2, "Noah", "02/11/1999", false) +
                                   "]}}}\n";
        const std::string file = (folder_ / "RETURN.TAX").string();
        const TToolRun built = RunTool("build " + json + " " + file + " --key 12345678");
        EXPECT_EQ(built.exitCode, 0) << built.output;
        return file;
    }

    std::filesystem::path folder_;
};

TEST_F(CalcToolTest, CheckRelevantAndChanges) {
    const std::string file = BuildReturn();
    const TToolRun check = RunTool("check " + file + " --key 12345678");
    EXPECT_EQ(check.exitCode, 0);
    EXPECT_EQ(check.output, "32\t1\tDependant circumstance data incomplete\n"
                            "51\t-1\tDependant maintenance information required\n");
    const TToolRun relevant = RunTool("relevant " + file + " --key 12345678");
    EXPECT_EQ(relevant.exitCode, 0);
    EXPECT_EQ(relevant.output, "0=Mia\n");
    const TToolRun changes = RunTool("changes " + file + " --key 12345678");
    EXPECT_EQ(changes.exitCode, 0);
    EXPECT_EQ(changes.output, "01/07/2003\n14/03/2004\n02/11/2003\n");
}

TEST_F(CalcToolTest, DaysReportsEveryTestOfADay) {
    const std::string file = BuildReturn();
    const TToolRun day =
        RunTool("days " + file + " --key 12345678 --from 14/03/2004 --to 14/03/2004");
    EXPECT_EQ(day.exitCode, 0);
    EXPECT_EQ(day.output,
              R"({"day":"14/03/2004","resident":true,"blind":false,"direct":false,"spouse":-1,)"
              R"("claimant":{"threshold":true,"maintenance":true,"profile":true},"dependants":[)"
              R"({"threshold":true,"maintenance":true,"profile":true},)"
              R"({"threshold":false,"maintenance":false,"profile":false}],)"
              R"("family_income":20000,"base":37109,"higher":77234,"family_test":true})"
              "\n");
    const TToolRun year = RunTool("days " + file + " --key 12345678");
    EXPECT_EQ(year.exitCode, 0);
    std::istringstream lines(year.output);
    std::string line, first, last;
    int count = 0;
    while (std::getline(lines, line)) {
        if (count++ == 0) first = line;
        last = line;
    }
    EXPECT_EQ(count, 366);
    EXPECT_EQ(first.substr(0, 20), R"({"day":"01/07/2003",)");
    EXPECT_EQ(last.substr(0, 20), R"({"day":"30/06/2004",)");
}

TEST_F(CalcToolTest, UnreadableDateIsBadData) {
    const std::string file = BuildReturn("31/02/1996");
    for (const char* command : {"check", "relevant", "changes", "days"}) {
        const TToolRun run = RunTool(std::string(command) + " " + file + " --key 12345678");
        EXPECT_EQ(run.exitCode, 1) << command;
        EXPECT_NE(run.output.find("31/02/1996"), std::string::npos) << run.output;
    }
}

TEST_F(CalcToolTest, UsageErrors) {
    const std::string file = BuildReturn();
    EXPECT_EQ(RunTool("check --key 12345678").exitCode, 2);
    EXPECT_EQ(RunTool("relevant " + file).exitCode, 2);
    EXPECT_EQ(RunTool("days " + file + " --key 12345678 --from 31/13/2003").exitCode, 2);
    EXPECT_EQ(
        RunTool("days " + file + " --key 12345678 --from 02/07/2003 --to 01/07/2003").exitCode, 2);
    EXPECT_EQ(RunTool("changes " + (folder_ / "missing.tax").string() + " --key 1").exitCode, 1);
}

} // namespace

// vesk-tool through its real command line.

#include "Cipher.h"
#include "DataFile.h"

#include "StoreTestSupport.h"

#include "../support/ToolRun.h"

TEST(VeskTool, DeriveKeyPrintsHex) {
    const TToolRun run = RunTool("derive-key 'ab12cd34'");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, "0e8f46b8a528a1cb2590b6a1a1a253b3\n");
}

TEST(VeskTool, BuildThenDumpGivesTheSameRecords) {
    TempFolder folder;
    const std::string json = R"({
  "section": 78,
  "item": 18,
  "history": [
    7803,
    7817
  ],
  "fields": {
    "1": {
      "type": "smallstr",
      "value": "4321"
    },
    "5": {
      "type": "currencycnt",
      "value": 1234.56
    },
    "6": {
      "type": "numeric",
      "value": 0
    },
    "7": {
      "type": "checkbox",
      "value": true
    },
    "8": {
      "type": "string",
      "value": "Zoë Ångström-Smith"
    },
    "399": {
      "type": "list",
      "value": [
        "first",
        "second"
      ]
    },
    "770": {
      "type": "worksheet",
      "value": [
        {
          "instance": 1,
          "tag": 1100,
          "type": "currency",
          "value": 31756
        },
        {
          "instance": 1,
          "tag": 710,
          "type": "smallstr",
          "value": "Sam"
        }
      ]
    }
  }
}
)";
    WriteFileDurably(folder.File("in.json"), json);
    const std::string ret = folder.File("R.TAX");
    ASSERT_EQ(RunTool("build " + folder.File("in.json") + " " + ret + " --key 4321").exitCode, 0);
    const TToolRun dump = RunTool("dump " + ret + " --key 4321");
    EXPECT_EQ(dump.exitCode, 0);
    EXPECT_EQ(dump.output, json);
    EXPECT_EQ(RunTool("dump " + ret + " --key 1").exitCode, 1);
}

TEST(VeskTool, NewWritesAnEmptyReturnAsTheModuleSaves) {
    TempFolder folder;
    const std::string ret = folder.File("NEW.TAX");
    ASSERT_EQ(RunTool("new " + ret + " --key 77").exitCode, 0);
    const TToolRun dump = RunTool("dump " + ret + " --key 77");
    EXPECT_NE(dump.output.find("\"1300\""), std::string::npos);
    EXPECT_NE(dump.output.find("60012"), std::string::npos);
}

TEST(VeskTool, EncipherAndDecipherFiles) {
    TempFolder folder;
    WriteFileDurably(folder.File("plain"), "some plain bytes");
    ASSERT_EQ(
        RunTool("encipher " + folder.File("plain") + " " + folder.File("c") + " --key 5").exitCode,
        0);
    ASSERT_EQ(
        RunTool("decipher " + folder.File("c") + " " + folder.File("p") + " --key 5").exitCode, 0);
    EXPECT_EQ(ReadWholeFile(folder.File("p")), "some plain bytes");
    const TToolRun bad =
        RunTool("decipher " + folder.File("plain") + "x " + folder.File("p") + " --key 5");
    EXPECT_EQ(bad.exitCode, 1);
}

TEST(VeskTool, UsageErrorsExitWithTwo) {
    EXPECT_EQ(RunTool("").exitCode, 2);
    EXPECT_EQ(RunTool("frobnicate").exitCode, 2);
    EXPECT_EQ(RunTool("dump").exitCode, 2);
    EXPECT_EQ(RunTool("dump a.tax").exitCode, 2);
}

TEST(VeskTool, BadJsonIsBadData) {
    TempFolder folder;
    for (const std::string json :
         {"{", R"({"fields": {"0": {"type": "numeric", "value": 1}}})",
          R"({"fields": {"5": {"type": "smallstr", "value": "ten chars!"}}})",
          R"({"fields": {"5": {"type": "wat", "value": 1}}})"}) {
        WriteFileDurably(folder.File("bad.json"), json);
        const TToolRun run =
            RunTool("build " + folder.File("bad.json") + " " + folder.File("o") + " --key 1");
        EXPECT_EQ(run.exitCode, 1) << json;
    }
}

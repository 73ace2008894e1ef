#include "config/report_config.h"
#include "io/file_names.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace rebound;
using namespace rebound::test;

namespace {

const char *kDefaultFile = "[系统设置]\n"
                           "测区打印模版=默认模版\n"
                           "构件打印模板=默认模版\n"
                           "默认模板=0\n"
                           "页眉=\n"
                           "页脚=\n"
                           "打印页眉=\n"
                           "打印页脚=\n";

} // namespace

TEST(ReportConfig, FirstStartCreatesSettingAndWritesTheDefaults)
{
    TempDir dir;
    Rebound_Tester_Config config;
    config.SetBaseDir(dir.path());
    EXPECT_EQ(config.GetBaseDir(), dir.path());
    EXPECT_EQ(config.setting_dir, dir / "Setting");
    EXPECT_EQ(config.ini_path, dir / "Setting/Config.ini");
    EXPECT_TRUE(std::filesystem::is_directory(config.setting_dir));

    EXPECT_FALSE(config.ReadConfig()); // no file yet: defaults, written
    EXPECT_EQ(ReadFileBytes(config.ini_path), Gbk(kDefaultFile));
    EXPECT_EQ(config.GetZoneTemplate(), Gbk("默认模版"));
    EXPECT_EQ(config.GetUnitTemplate(), Gbk("默认模版"));
    EXPECT_EQ(config.GetReportKind(), 0);

    // Changed values are written and read back by a new instance.
    config.zone_template.value = Gbk("测区模板甲");
    config.report_kind.value = -7;
    config.page_header.value = Gbk("某某检测中心");
    config.print_header.value = "1";
    ASSERT_TRUE(config.WriteConfig());
    Rebound_Tester_Config again;
    again.SetBaseDir(dir.path());
    ASSERT_TRUE(again.ReadConfig());
    EXPECT_EQ(again.GetZoneTemplate(), Gbk("测区模板甲"));
    EXPECT_EQ(again.GetReportKind(), -7);
    EXPECT_EQ(again.page_header.value, Gbk("某某检测中心"));
    EXPECT_TRUE(again.PrintsHeader());
    EXPECT_FALSE(again.PrintsFooter());
}

TEST(ReportConfig, ReadsWhatItFinds)
{
    const struct {
        const char *name;
        const char *file; // UTF-8, stored as GBK
        const char *zone_template;
        int report_kind;
        const char *page_header;
        bool prints_header;
    } cases[] = {
        {"missing keys keep their values", "[系统设置]\n测区打印模版=甲\n", "甲", 3, "旧页眉", false},
        {"kind not a number", "[系统设置]\n默认模板=x\n", "乙", 0, "旧页眉", false},
        {"kind 1", "[系统设置]\n默认模板=1\n", "乙", 1, "旧页眉", false},
        {"kind with junk", "[系统设置]\n默认模板=1x\n", "乙", 0, "旧页眉", false},
        {"kind too large", "[系统设置]\n默认模板=4294967296\n", "乙", 0, "旧页眉", false},
        {"CRLF and blanks", "[系统设置]\r\n  页眉  =  页 眉  \r\n打印页眉=1\r\n", "乙", 3, "页 眉", true},
        {"comments", "; 注释\n[系统设置]\n# 页眉=注释\n;页眉=注释\n页眉=真\n", "乙", 3, "真", false},
        {"repeated key: the last wins", "[系统设置]\n页眉=一\n页眉=二\n", "乙", 3, "二", false},
        {"switch other than 1", "[系统设置]\n打印页眉=true\n", "乙", 3, "旧页眉", false},
        {"switch 01", "[系统设置]\n打印页眉=01\n", "乙", 3, "旧页眉", false},
        {"other section only", "[其他]\n页眉=别处\n", "乙", 3, "旧页眉", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        std::filesystem::create_directory(dir / "Setting");
        WriteFileBytes(dir / "Setting/Config.ini", Gbk(c.file));
        Rebound_Tester_Config config;
        config.SetBaseDir(dir.path());
        config.zone_template.value = Gbk("乙");
        config.report_kind.value = 3;
        config.page_header.value = Gbk("旧页眉");
        const IoResult read = config.ReadConfig();
        ASSERT_TRUE(read) << read.message;
        EXPECT_EQ(config.GetZoneTemplate(), Gbk(c.zone_template));
        EXPECT_EQ(config.GetReportKind(), c.report_kind);
        EXPECT_EQ(config.page_header.value, Gbk(c.page_header));
        EXPECT_EQ(config.PrintsHeader(), c.prints_header);
    }
}

TEST(ReportConfig, WriteAddsMissingKeysAndKeepsOtherContent)
{
    TempDir dir;
    std::filesystem::create_directory(dir / "Setting");
    WriteFileBytes(dir / "Setting/Config.ini", Gbk("[其他]\n键=值\n[系统设置]\n默认模板=1\n"));
    Rebound_Tester_Config config;
    config.SetBaseDir(dir.path());
    ASSERT_TRUE(config.ReadConfig());
    EXPECT_EQ(config.GetReportKind(), 1);
    ASSERT_TRUE(config.WriteConfig());

    Rebound_Tester_Config again;
    again.SetBaseDir(dir.path());
    ASSERT_TRUE(again.ReadConfig());
    EXPECT_EQ(again.GetReportKind(), 1);
    const std::string text = ReadFileBytes(config.ini_path);
    EXPECT_NE(text.find(Gbk("[其他]\n键=值\n")), std::string::npos);
    EXPECT_NE(text.find(Gbk("页眉=\n")), std::string::npos);

    // A value with a line break would spoil the file: refused, file kept.
    config.page_footer.value = "a\nb";
    EXPECT_FALSE(config.WriteConfig());
    EXPECT_EQ(ReadFileBytes(config.ini_path), text);
}

TEST(ReportConfig, FindsSettingWhateverItsCase)
{
    TempDir dir;
    std::filesystem::create_directory(dir / "SETTING");
    WriteFileBytes(dir / "SETTING/config.INI", Gbk("[系统设置]\n默认模板=1\n"));
    Rebound_Tester_Config config;
    config.SetBaseDir(dir.path());
    EXPECT_EQ(config.setting_dir, dir / "SETTING");
    EXPECT_EQ(config.ini_path, dir / "SETTING/config.INI");
    ASSERT_TRUE(config.ReadConfig());
    EXPECT_EQ(config.GetReportKind(), 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "Setting"));

    EXPECT_EQ(FindEntryIgnoringCase(dir.path(), "setting"), "SETTING");
    EXPECT_EQ(FindEntryIgnoringCase(dir.path(), "report"), "report"); // none: the name as given
    EXPECT_EQ(FindEntryIgnoringCase(dir / "missing", "Setting"), "Setting");
    // An exact spelling wins over others that differ in case.
    std::filesystem::create_directory(dir / "Report");
    std::filesystem::create_directory(dir / "report");
    EXPECT_EQ(FindEntryIgnoringCase(dir.path(), "report"), "report");
    EXPECT_EQ(FindEntryIgnoringCase(dir.path(), "REPORT"), "Report");
}

TEST(ReportConfig, UnwritableSettingDirectoryKeepsTheValues)
{
    TempDir dir;
    WriteFileBytes(dir / "Setting", "a file where the directory should be");
    Rebound_Tester_Config config;
    config.SetBaseDir(dir.path());
    config.page_header.value = "kept";
    EXPECT_FALSE(config.CheckSettingFiles());
    const IoResult read = config.ReadConfig();
    EXPECT_FALSE(read);
    EXPECT_NE(read.message.find(config.ini_path), std::string::npos) << read.message;
    EXPECT_EQ(config.GetZoneTemplate(), Gbk("默认模版"));
    EXPECT_EQ(config.page_header.value, "kept");
}

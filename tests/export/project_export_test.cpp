#include "evaluation/assessment.h"
#include "project_export.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

using namespace rebound;
namespace fs = std::filesystem;

namespace {

const FixedDateProvider kToday("2026/12/11");

// A calculated project of three zones whose numbers are easy to recognise.
void BuildProject(ReboundFile &project)
{
    project.project_name = Utf8ToGbk("砌体工程,一号楼").bytes;
    project.project_class = 1;
    for (int z = 0; z < 3; ++z) {
        ComponentInfo zone(kToday);
        zone.component_name = Utf8ToGbk("测区" + std::to_string(z + 1)).bytes;
        for (int p = 0; p < 2; ++p) {
            AreaData area;
            area.readings = {20, 25, 30, 35, 40, 45, 22, 28, 33, 38, 41, 36};
            area.carbonation_code = static_cast<std::uint8_t>(z == 2 ? 7 : 2 * z);
            zone.AddArea(area);
        }
        project.AddComponent(zone);
    }
    ASSERT_TRUE(RecalculateProject(project).ok());
}

std::string Unzip(const fs::path &archive, const char *member)
{
    const std::string command = "unzip -p '" + archive.string() + "' " + member;
    std::unique_ptr<FILE, int (*)(FILE *)> pipe(popen(command.c_str(), "r"), pclose);
    std::string out;
    std::array<char, 4096> buffer;
    while (std::size_t n = fread(buffer.data(), 1, buffer.size(), pipe.get()))
        out.append(buffer.data(), n);
    return out;
}

class ProjectExport : public testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() / ("export-test-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        BuildProject(project_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path dir_;
    ReboundFile project_{kToday};
};

} // namespace

TEST_F(ProjectExport, CsvCarriesBomQuotedTextsAndProgramDecimals)
{
    const std::string csv = ProjectCsv(project_);
    ASSERT_EQ(csv.rfind("\xEF\xBB\xBF", 0), 0u);
    EXPECT_NE(csv.find("工程名称,\"砌体工程,一号楼\"\r\n"), std::string::npos);
    EXPECT_NE(csv.find("工程分类,既有砌体工程\r\n"), std::string::npos);
    // Zone 1, position 2: readings, carbonation 0.0, R 32.8, strength 36.0, zone 36.05
    EXPECT_NE(csv.find("1,测区1,2,20,25,30,35,40,45,22,28,33,38,41,36,0.0,32.8,36.0,36.05\r\n"), std::string::npos)
        << csv;
    // Code 7 stays the text the program shows.
    EXPECT_NE(csv.find(",> 3.0,32.8,18.2,18.16\r\n"), std::string::npos) << csv;

    const fs::path path = dir_ / "out.csv";
    ASSERT_TRUE(ExportCsv(project_, path.string()).ok);
    std::ifstream in(path, std::ios::binary);
    std::stringstream written;
    written << in.rdbuf();
    EXPECT_EQ(written.str(), csv);
}

TEST_F(ProjectExport, XlsxHoldsNumbersAsNumbersWithFormats)
{
    const fs::path path = dir_ / "out.xlsx";
    const IoResult result = ExportXlsx(project_, path.string());
    ASSERT_TRUE(result.ok) << result.message;

    const std::string workbook = Unzip(path, "xl/workbook.xml");
    for (const char *sheet : {"工程", "测区", "测位"})
        EXPECT_NE(workbook.find(std::string("name=\"") + sheet + "\""), std::string::npos) << sheet;

    const std::string strings = Unzip(path, "xl/sharedStrings.xml");
    EXPECT_NE(strings.find("砌体工程,一号楼"), std::string::npos);
    EXPECT_NE(strings.find("&gt; 3.0"), std::string::npos);

    const std::string styles = Unzip(path, "xl/styles.xml");
    EXPECT_NE(styles.find("formatCode=\"0.00\""), std::string::npos);

    // The position sheet: R 32.8 and the strength 36.046741 (code 2) as the
    // stored floats with 16 significant digits (enough to give back the
    // same float), not as text.
    const std::string positions = Unzip(path, "xl/worksheets/sheet3.xml");
    char stored[64];
    std::snprintf(stored, sizeof stored, "<v>%.16G</v>", static_cast<double>(project_.GetComponent(1)->areas[0].strength));
    EXPECT_NE(positions.find("<v>32.79999923706055</v>"), std::string::npos);
    EXPECT_NE(positions.find(stored), std::string::npos) << stored;
    // Three zones of two positions plus the title row.
    EXPECT_NE(positions.find("<row r=\"7\""), std::string::npos);
    EXPECT_EQ(positions.find("<row r=\"8\""), std::string::npos);
}

TEST_F(ProjectExport, UnwritableTargetFailsAndLeavesNoPartialFile)
{
    const fs::path missing = dir_ / "no-such-dir" / "out.xlsx";
    EXPECT_FALSE(ExportXlsx(project_, missing.string()).ok);
    EXPECT_FALSE(ExportCsv(project_, (dir_ / "no-such-dir" / "out.csv").string()).ok);
    EXPECT_TRUE(fs::is_empty(dir_));
}

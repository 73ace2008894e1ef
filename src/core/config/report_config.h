#pragma once
// The report configuration: which report templates the reports use, which
// kind of report printing produces, and the page header and footer. Kept in
// "Config.ini" (GBK text, section "系统设置") in the "Setting" directory
// under the program's base directory. The application owns the one
// instance and hands it to whoever needs it.

#include "io/io_result.h"
#include "model/tansy_string.h"

#include <cstdint>
#include <string>

namespace rebound {

// One setting: the key it is stored under (fixed, GBK) and its value.
template <typename T>
struct ConfigSetting {
    const TansyString key;
    T value;
};

class Rebound_Tester_Config {
public:
    Rebound_Tester_Config();
    virtual ~Rebound_Tester_Config() = default;
    Rebound_Tester_Config(const Rebound_Tester_Config &) = delete;
    Rebound_Tester_Config &operator=(const Rebound_Tester_Config &) = delete;

    // Values are GBK bytes, as the file holds them.
    ConfigSetting<TansyString> zone_template;  // "测区打印模版": zone report template file name
    ConfigSetting<TansyString> unit_template;  // "构件打印模板": unit report template file name
    ConfigSetting<std::int32_t> report_kind;   // "默认模板": 0 unit report, else zone reports
    ConfigSetting<TansyString> page_header;    // "页眉"
    ConfigSetting<TansyString> page_footer;    // "页脚"
    ConfigSetting<TansyString> print_header;   // "打印页眉": the header prints only when exactly "1"
    ConfigSetting<TansyString> print_footer;   // "打印页脚": likewise for the footer
    std::string setting_dir;                   // base_dir + "/Setting" (its spelling on disk)
    std::string ini_path;                      // setting_dir + "/Config.ini"
    std::string base_dir;

    // Sets the three paths (joined as plain text: "/" and the name, nothing
    // added or removed) and creates `setting_dir`, one level, ignoring any
    // failure. "Setting" and "Config.ini" are found whatever their letter
    // case on disk.
    void SetBaseDir(const std::string &dir);
    // Both template names "默认模版", report_kind 0; header and footer untouched.
    void SetDefaults();
    // Whether the settings file exists; creates a missing settings directory
    // (and then answers false).
    bool CheckSettingFiles();
    // Reads the seven keys that exist in the file; a missing key keeps its
    // value. When the directory or the file is missing: the defaults, written
    // to a new file, and a failure. A report_kind that is not a decimal
    // 32-bit integer reads as 0.
    IoResult ReadConfig();
    // Writes the seven keys into the file (other content of the file is
    // kept), atomically.
    IoResult WriteConfig();

    const std::string &GetBaseDir() const { return base_dir; }
    const TansyString &GetZoneTemplate() const { return zone_template.value; }
    const TansyString &GetUnitTemplate() const { return unit_template.value; }
    std::int32_t GetReportKind() const { return report_kind.value; }
    bool PrintsHeader() const { return print_header.value == "1"; }
    bool PrintsFooter() const { return print_footer.value == "1"; }
};

// The section every key lives in, GBK.
const TansyString &ConfigSection();
// "默认模版" in GBK: the template name the defaults give.
const TansyString &DefaultTemplateName();

} // namespace rebound

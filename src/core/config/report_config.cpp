#include "config/report_config.h"

#include "io/atomic_file.h"
#include "io/file_names.h"

// Bytes stay bytes: the file is GBK and so are the values in memory.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <charconv>
#include <filesystem>
#include <system_error>

namespace rebound {

namespace {

TansyString Gbk(const char *utf8)
{
    return Utf8ToGbk(utf8).bytes;
}

// A decimal integer that fits 32 bits (an optional sign, then digits and
// nothing else); 0 for anything else.
std::int32_t DecimalOrZero(std::string_view text)
{
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return 0;
    return value;
}

void PrepareIni(CSimpleIniA &ini)
{
    ini.SetUnicode(false);
    ini.SetMultiKey(false); // a repeated key: the last value wins
    ini.SetSpaces(false);   // key=value
}

} // namespace

const TansyString &ConfigSection()
{
    static const TansyString section = Gbk("系统设置");
    return section;
}

const TansyString &DefaultTemplateName()
{
    static const TansyString name = Gbk("默认模版");
    return name;
}

Rebound_Tester_Config::Rebound_Tester_Config()
    : zone_template{Gbk("测区打印模版"), {}}, unit_template{Gbk("构件打印模板"), {}}, report_kind{Gbk("默认模板"), 0},
      page_header{Gbk("页眉"), {}}, page_footer{Gbk("页脚"), {}}, print_header{Gbk("打印页眉"), {}},
      print_footer{Gbk("打印页脚"), {}}
{
    SetDefaults();
}

void Rebound_Tester_Config::SetBaseDir(const std::string &dir)
{
    base_dir = dir;
    setting_dir = dir + "/" + FindEntryIgnoringCase(dir, "Setting");
    ini_path = setting_dir + "/" + FindEntryIgnoringCase(setting_dir, "Config.ini");
    std::error_code ignored;
    std::filesystem::create_directory(setting_dir, ignored);
}

void Rebound_Tester_Config::SetDefaults()
{
    zone_template.value = DefaultTemplateName();
    unit_template.value = DefaultTemplateName();
    report_kind.value = 0;
}

bool Rebound_Tester_Config::CheckSettingFiles()
{
    std::error_code error;
    if (std::filesystem::is_directory(setting_dir, error))
        return std::filesystem::exists(ini_path, error) && !std::filesystem::is_directory(ini_path, error);
    std::filesystem::create_directory(setting_dir, error);
    return false;
}

IoResult Rebound_Tester_Config::ReadConfig()
{
    if (!CheckSettingFiles()) {
        SetDefaults();
        const IoResult written = WriteConfig();
        if (!written)
            return written;
        return IoResult::Failure("配置文件[" + ini_path + "]不存在，已写入默认设置");
    }
    std::string bytes;
    const IoResult read = ReadWholeFile(ini_path, bytes);
    if (!read)
        return read;
    CSimpleIniA ini;
    PrepareIni(ini);
    if (ini.LoadData(bytes) < 0)
        return IoResult::Failure("无法读取配置文件[" + ini_path + "]");

    const char *section = ConfigSection().c_str();
    for (ConfigSetting<TansyString> *text : {&zone_template, &unit_template}) {
        if (const char *value = ini.GetValue(section, text->key.c_str(), nullptr))
            text->value = value;
    }
    if (const char *value = ini.GetValue(section, report_kind.key.c_str(), nullptr))
        report_kind.value = DecimalOrZero(value);
    for (ConfigSetting<TansyString> *text : {&page_header, &page_footer, &print_header, &print_footer}) {
        if (const char *value = ini.GetValue(section, text->key.c_str(), nullptr))
            text->value = value;
    }
    return IoResult::Success();
}

IoResult Rebound_Tester_Config::WriteConfig()
{
    CSimpleIniA ini;
    PrepareIni(ini);
    // Keys, sections and comments of others in the file stay.
    std::error_code error;
    if (std::filesystem::exists(ini_path, error)) {
        std::string bytes;
        const IoResult read = ReadWholeFile(ini_path, bytes);
        if (!read)
            return read;
        if (ini.LoadData(bytes) < 0)
            return IoResult::Failure("无法读取配置文件[" + ini_path + "]");
    }

    const char *section = ConfigSection().c_str();
    const std::string kind = std::to_string(report_kind.value);
    const struct {
        const TansyString &key;
        const std::string &value;
    } entries[] = {
        {zone_template.key, zone_template.value}, {unit_template.key, unit_template.value},
        {report_kind.key, kind},                  {page_header.key, page_header.value},
        {page_footer.key, page_footer.value},     {print_header.key, print_header.value},
        {print_footer.key, print_footer.value},
    };
    for (const auto &entry : entries) {
        // One line per key: a line break would cut the value and turn its
        // rest into a line of its own.
        if (entry.value.find_first_of("\r\n") != std::string::npos)
            return IoResult::Failure("无法保存配置文件[" + ini_path + "]：" + GbkToUtf8(entry.key) + "的值含有换行");
        if (ini.SetValue(section, entry.key.c_str(), entry.value.c_str()) < 0)
            return IoResult::Failure("无法保存配置文件[" + ini_path + "]：内存不足");
    }
    std::string text;
    if (ini.Save(text) < 0)
        return IoResult::Failure("无法保存配置文件[" + ini_path + "]");
    return WriteFileAtomically(ini_path, text);
}

} // namespace rebound

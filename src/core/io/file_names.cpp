#include "io/file_names.h"

#include <filesystem>
#include <system_error>

namespace rebound {

namespace {

char AsciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i]))
            return false;
    }
    return true;
}

} // namespace

std::string FileExtension(std::string_view path)
{
    const auto slash = path.rfind('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const auto dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot));
}

std::string WithExtension(std::string path, std::string_view ext)
{
    if (FileExtension(path) != ext)
        path.append(ext);
    return path;
}

std::string FindEntryIgnoringCase(const std::string &dir, const std::string &name)
{
    std::error_code error;
    std::filesystem::directory_iterator it(dir, error);
    if (error)
        return name;
    std::string found;
    for (; it != std::filesystem::directory_iterator(); it.increment(error)) {
        const std::string entry = it->path().filename().string();
        if (entry == name)
            return name;
        if (EqualIgnoringAsciiCase(entry, name) && (found.empty() || entry < found))
            found = entry;
    }
    return found.empty() ? name : found;
}

} // namespace rebound

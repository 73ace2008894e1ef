#pragma once
// File-name helpers shared by the file commands, the configuration and the
// reports. Paths are byte strings with "/" as separator.

#include <string>
#include <string_view>

namespace rebound {

// The extension of the file-name part of `path`: from its last "." on,
// the dot included; empty when the name has no dot. "a/b.c/d" has none.
std::string FileExtension(std::string_view path);

// `path` unchanged when its extension is exactly `ext` (letter case
// counts), else `path` with `ext` appended: "a.XCMP" + ".xcmp" gives
// "a.XCMP.xcmp".
std::string WithExtension(std::string path, std::string_view ext);

// The spelling on disk of the entry of `dir` whose name equals `name`
// ignoring the letter case of A-Z (an exact match preferred, else the first
// in byte order); `name` itself when there is none or `dir` cannot be read.
std::string FindEntryIgnoringCase(const std::string &dir, const std::string &name);

} // namespace rebound

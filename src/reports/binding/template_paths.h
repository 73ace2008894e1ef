#pragma once
// Where the report templates lie: "report/构件" (unit report) and
// "report/测区" (zone reports) under the base directory. Paths are UTF-8
// byte strings with "/" as separator; "report" and the two sub-directories
// are found whatever their letter case on disk ("Report", "REPORT", …).

#include <string>

namespace rebound {

enum class ReportKind { Unit, Zone };

// The sub-directory's name: "构件" or "测区".
const char* TemplateSubdirectory(ReportKind kind);

// base_dir + "/report/构件" or "/report/测区", each part spelled as on disk.
std::string TemplateDirectory(const std::string& base_dir, ReportKind kind);

// The template directory + "/" + name: the configured name is the file's
// whole name, nothing is added to it and its letter case counts.
std::string TemplatePath(const std::string& base_dir, ReportKind kind, const std::string& name);

}  // namespace rebound

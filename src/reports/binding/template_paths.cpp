#include "binding/template_paths.h"

#include "io/file_names.h"

namespace rebound {

const char* TemplateSubdirectory(ReportKind kind) {
  return kind == ReportKind::Unit ? "构件" : "测区";
}

std::string TemplateDirectory(const std::string& base_dir, ReportKind kind) {
  const std::string reports = base_dir + "/" + FindEntryIgnoringCase(base_dir, "report");
  return reports + "/" + FindEntryIgnoringCase(reports, TemplateSubdirectory(kind));
}

std::string TemplatePath(const std::string& base_dir, ReportKind kind, const std::string& name) {
  return TemplateDirectory(base_dir, kind) + "/" + name;
}

}  // namespace rebound

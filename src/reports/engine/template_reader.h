#pragma once

#include <QByteArray>
#include <QString>

#include "template_model.h"

// Reads a report template (XML) into a Template. On failure the result names
// the line and column in the file and the reason; nothing of the template is
// kept.
namespace rebound::report {

struct TemplateReadResult {
  bool ok = false;
  Template tpl;
  qint64 line = 0;
  qint64 column = 0;
  QString reason;
};

TemplateReadResult ReadTemplate(const QByteArray& data);

}  // namespace rebound::report

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "template_model.h"

// Cell texts: "{字段名}" is a field, "{#page}" and "{#pages}" the page number
// and count, "{{" and "}}" literal braces. The builder collects the text of
// one <cell> element as it arrives from the XML reader, remembering where
// each character stood in the file so that errors can name line and column.
namespace rebound::report {

struct SourcePos {
  qint64 line = 0;    // 1-based
  qint64 column = 0;  // 1-based
};

struct FieldRef {
  QString name;
  SourcePos pos;
  int piece = -1;  // index of the field piece in the finished template
};

class CellTextBuilder {
 public:
  // Character data that starts at `start` in the file.
  void AddText(const QString& text, SourcePos start);
  // A forced line break (<br/>).
  void AddLineBreak();

  // Parses the collected text. Source line breaks are kept as line breaks,
  // the blanks around them and at both ends are dropped. Field names are left
  // for the caller to resolve: their pieces carry field -1 and appear in refs.
  bool Finish(TextTemplate* out, QList<FieldRef>* refs, SourcePos* errorPos, QString* error) const;

 private:
  QString text_;
  QList<SourcePos> pos_;
};

// The text of a cell for one record; values are indexed like the template's
// fields (a missing value is empty).
QString ExpandText(const TextTemplate& text, const QStringList* values, const QString& page,
                   const QString& pages);

}  // namespace rebound::report

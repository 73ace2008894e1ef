#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

#include <memory>

#include "cell_text.h"

// Walks a template's XML element by element and keeps the first error with
// its line and column. Blank text between elements is skipped; other text,
// DTDs and entity references outside cells are errors.
namespace rebound::report {

class XmlCursor {
 public:
  void Open(const QByteArray& data);
  QXmlStreamReader& Xml() { return *xml_; }

  // Where the reader stands: the end of the token just read.
  SourcePos Here() const;
  // Records the first failure only; always returns false.
  bool Fail(SourcePos pos, const QString& reason);
  // Records the reader's own error, if it has one.
  bool XmlFailed();
  SourcePos ErrorPos() const { return errorPos_; }
  const QString& Error() const { return error_; }

  // Moves to the next child element of the current element: 1 at its start
  // tag, 0 at the end of the current element, -1 on an error.
  int NextChild();
  bool SkipElement();
  bool UnknownElement();

  // Element names entered, for messages about misplaced elements.
  void Push(const QString& element) { stack_.append(element); }
  void Pop() {
    if (!stack_.isEmpty()) stack_.removeLast();
  }

  // Attributes of the current start tag.
  bool CheckAttributes(const QSet<QString>& allowed);
  QString Attr(const char* name) const;
  bool HasAttr(const char* name) const;
  bool Number(const char* name, double min, double max, double* out);
  bool Integer(const char* name, int min, int max, int* out);
  bool Boolean(const char* name, bool* out);

 private:
  QString Parent() const { return stack_.isEmpty() ? QString() : stack_.last(); }

  std::unique_ptr<QXmlStreamReader> xml_;
  QStringList stack_;
  SourcePos errorPos_;
  QString error_;
};

}  // namespace rebound::report

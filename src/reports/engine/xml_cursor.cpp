#include "xml_cursor.h"

#include <cmath>

namespace rebound::report {

void XmlCursor::Open(const QByteArray& data) {
  xml_ = std::make_unique<QXmlStreamReader>(data);
  stack_.clear();
}

SourcePos XmlCursor::Here() const { return SourcePos{xml_->lineNumber(), xml_->columnNumber()}; }

bool XmlCursor::Fail(SourcePos pos, const QString& reason) {
  if (error_.isEmpty()) {
    errorPos_ = pos;
    error_ = reason;
  }
  return false;
}

bool XmlCursor::XmlFailed() {
  if (!xml_->hasError()) return false;
  Fail(Here(), QStringLiteral("XML 格式错误：%1").arg(xml_->errorString()));
  return true;
}

int XmlCursor::NextChild() {
  while (!xml_->atEnd()) {
    const QXmlStreamReader::TokenType t = xml_->readNext();
    if (XmlFailed()) return -1;
    switch (t) {
      case QXmlStreamReader::StartElement:
        return 1;
      case QXmlStreamReader::EndElement:
        return 0;
      case QXmlStreamReader::Characters:
        if (!xml_->isWhitespace()) {
          Fail(Here(), QStringLiteral("<%1> 里不能直接写文字，文字要写在 <cell> 里").arg(Parent()));
          return -1;
        }
        break;
      case QXmlStreamReader::DTD:
        // Entity declarations could blow a small file up to any size.
        Fail(Here(), QStringLiteral("模板不能包含 DTD"));
        return -1;
      case QXmlStreamReader::EntityReference:
        Fail(Here(), QStringLiteral("未知的实体引用“&%1;”").arg(xml_->name()));
        return -1;
      default:
        break;
    }
  }
  XmlFailed();
  return -1;
}

bool XmlCursor::SkipElement() {
  xml_->skipCurrentElement();
  return !XmlFailed();
}

bool XmlCursor::UnknownElement() {
  return Fail(Here(), QStringLiteral("<%1> 里不能有 <%2>").arg(Parent(), xml_->name().toString()));
}

bool XmlCursor::CheckAttributes(const QSet<QString>& allowed) {
  for (const QXmlStreamAttribute& a : xml_->attributes()) {
    if (!allowed.contains(a.name().toString())) {
      return Fail(Here(), QStringLiteral("<%1> 没有属性“%2”")
                              .arg(xml_->name().toString(), a.name().toString()));
    }
  }
  return true;
}

QString XmlCursor::Attr(const char* name) const {
  return xml_->attributes().value(QLatin1String(name)).toString();
}

bool XmlCursor::HasAttr(const char* name) const {
  return xml_->attributes().hasAttribute(QLatin1String(name));
}

bool XmlCursor::Number(const char* name, double min, double max, double* out) {
  bool ok = false;
  const double v = Attr(name).trimmed().toDouble(&ok);
  if (!ok || !std::isfinite(v) || v < min || v > max) {
    return Fail(Here(), QStringLiteral("属性 %1=\"%2\" 应是 %3 到 %4 之间的数")
                            .arg(QLatin1String(name), Attr(name))
                            .arg(min)
                            .arg(max));
  }
  *out = v;
  return true;
}

bool XmlCursor::Integer(const char* name, int min, int max, int* out) {
  bool ok = false;
  const int v = Attr(name).trimmed().toInt(&ok);
  if (!ok || v < min || v > max) {
    return Fail(Here(), QStringLiteral("属性 %1=\"%2\" 应是 %3 到 %4 之间的整数")
                            .arg(QLatin1String(name), Attr(name))
                            .arg(min)
                            .arg(max));
  }
  *out = v;
  return true;
}

bool XmlCursor::Boolean(const char* name, bool* out) {
  const QString v = Attr(name).trimmed();
  if (v == QLatin1String("true") || v == QLatin1String("1")) {
    *out = true;
  } else if (v == QLatin1String("false") || v == QLatin1String("0")) {
    *out = false;
  } else {
    return Fail(Here(),
                QStringLiteral("属性 %1=\"%2\" 应是 true 或 false").arg(QLatin1String(name), v));
  }
  return true;
}

}  // namespace rebound::report

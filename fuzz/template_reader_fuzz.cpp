// Any bytes as a report template. A template that loads is also laid out,
// with a few records and with none, since layout trusts what the reader
// accepted (spans, widths, sizes).
#include <QByteArray>
#include <QGuiApplication>
#include <QStringList>

#include <cstddef>
#include <cstdint>

#include "engine/paginator.h"
#include "engine/template_reader.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto read = rebound::report::ReadTemplate(
      QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  if (!read.ok) return 0;
  QList<QStringList> records;
  for (int i = 0; i < 3; ++i) {
    QStringList values;
    for (qsizetype f = 0; f < read.tpl.fields.size(); ++f) {
      values.append(QStringLiteral("砂浆强度 %1 很长的一段文字需要换行").arg(i));
    }
    records.append(values);
  }
  (void)rebound::report::LayoutDocument(read.tpl, records);
  (void)rebound::report::LayoutDocument(read.tpl, {});
  return 0;
}

#include "report.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include "page_painter.h"
#include "paginator.h"
#include "pdf_book.h"
#include "record_sink.h"
#include "template_reader.h"
#include "units.h"

namespace rebound::report {

// One loaded template with the sink its field handles write into. Replaced
// whole on every successful load, so handles of the old one find their sink
// gone and set nothing.
struct Report::Loaded {
  Template tpl;
  QString path;
  std::shared_ptr<RecordSink> sink;
  mutable QHash<QString, FieldHandle> handles;
};

namespace {

LoadResult Failure(const QString& source, qint64 line, qint64 column, const QString& reason) {
  LoadResult r;
  r.line = line;
  r.column = column;
  if (line > 0) {
    r.message = QStringLiteral("报表模板“%1”第 %2 行第 %3 列：%4")
                    .arg(source)
                    .arg(line)
                    .arg(column)
                    .arg(reason);
  } else {
    r.message = QStringLiteral("报表模板“%1”：%2").arg(source, reason);
  }
  return r;
}

// Clears a flag when leaving scope, also when the record handler throws.
class FlagGuard {
 public:
  explicit FlagGuard(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagGuard() { flag_ = false; }
  FlagGuard(const FlagGuard&) = delete;
  FlagGuard& operator=(const FlagGuard&) = delete;

 private:
  bool& flag_;
};

}  // namespace

Report::Report() = default;
Report::~Report() = default;

LoadResult Report::LoadFromFile(const QString& path) {
  if (generating_) return Failure(path, 0, 0, QStringLiteral("报表正在生成，不能加载模板"));
  QFileInfo info(path);
  if (!info.exists()) return Failure(path, 0, 0, QStringLiteral("文件不存在"));
  if (info.isDir()) return Failure(path, 0, 0, QStringLiteral("这是一个目录，不是文件"));
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return Failure(path, 0, 0, QStringLiteral("无法读取：%1").arg(file.errorString()));
  }
  // Read at most one byte past the limit to tell an oversized file.
  const QByteArray data = file.read(kMaxTemplateBytes + 1);
  if (file.error() != QFileDevice::NoError) {
    return Failure(path, 0, 0, QStringLiteral("无法读取：%1").arg(file.errorString()));
  }
  if (data.size() > kMaxTemplateBytes) {
    return Failure(path, 0, 0,
                   QStringLiteral("文件超过 %1 MB，不像是报表模板").arg(kMaxTemplateBytes >> 20));
  }
  LoadResult r = LoadFromData(data, path);
  if (r.ok) loaded_->path = path;
  return r;
}

LoadResult Report::LoadFromData(const QByteArray& data, const QString& sourceName) {
  if (generating_) return Failure(sourceName, 0, 0, QStringLiteral("报表正在生成，不能加载模板"));
  TemplateReadResult read = ReadTemplate(data);
  if (!read.ok) return Failure(sourceName, read.line, read.column, read.reason);
  auto loaded = std::make_shared<Loaded>();
  loaded->tpl = std::move(read.tpl);
  loaded->path = sourceName;
  loaded->sink = std::make_shared<RecordSink>(static_cast<int>(loaded->tpl.fields.size()));
  loaded_ = std::move(loaded);
  document_.reset();
  LoadResult ok;
  ok.ok = true;
  return ok;
}

bool Report::IsLoaded() const { return loaded_ != nullptr; }
QString Report::TemplatePath() const { return loaded_ ? loaded_->path : QString(); }
QString Report::Title() const { return loaded_ ? loaded_->tpl.name : QString(); }
QStringList Report::FieldNames() const { return loaded_ ? loaded_->tpl.fields : QStringList(); }

FieldHandle Report::FieldByName(const QString& name) const {
  if (!loaded_) return nullptr;
  const int index = static_cast<int>(loaded_->tpl.fields.indexOf(name));
  if (index < 0) return nullptr;
  FieldHandle& handle = loaded_->handles[name];
  if (!handle) handle = std::make_shared<Field>(loaded_->sink, index, name);
  return handle;
}

void Report::SetFetchRecordHandler(std::function<void(bool& eof)> handler) {
  handler_ = std::move(handler);
}

void Report::SetRecordLimit(int limit) { recordLimit_ = limit > 0 ? limit : 1; }

bool Report::Generate(QString* error) {
  auto fail = [&](const QString& message) {
    if (error) *error = message;
    return false;
  };
  if (!loaded_) return fail(QStringLiteral("没有加载报表模板"));
  if (generating_) return fail(QStringLiteral("报表正在生成"));
  FlagGuard guard(generating_);
  const std::shared_ptr<Loaded> loaded = loaded_;
  RecordSink& sink = *loaded->sink;
  sink.Clear();
  if (handler_) {
    bool eof = true;
    for (;;) {
      sink.Begin();
      try {
        handler_(eof);
      } catch (...) {
        sink.Clear();
        throw;
      }
      if (eof) {
        sink.Drop();
        break;
      }
      sink.Keep();
      if (sink.Count() > recordLimit_) {
        sink.Clear();
        return fail(QStringLiteral("记录超过 %1 条，取数已停止").arg(recordLimit_));
      }
    }
  }
  const QList<QStringList> records = sink.Take();
  document_ = LayoutDocument(loaded->tpl, records);
  return true;
}

std::shared_ptr<const Document> Report::GeneratedDocument() const { return document_; }

int Report::PageCount() const { return document_ ? document_->PageCount() : 0; }

QPageLayout Report::PageLayout() const {
  if (document_) return document_->pageLayout;
  if (loaded_) {
    return QPageLayout(loaded_->tpl.paper.pageSize, loaded_->tpl.paper.orientation, QMarginsF());
  }
  return QPageLayout();
}

QSizeF Report::PageSizeMm() const {
  if (loaded_) return loaded_->tpl.paper.SizeMm();
  if (document_) {
    return QSizeF(UnitsToMm(document_->pageSize.width()), UnitsToMm(document_->pageSize.height()));
  }
  return QSizeF();
}

void Report::PaintPage(QPainter& painter, int pageIndex, const QRectF& target) const {
  if (document_) paintPage(painter, *document_, pageIndex, target);
}

bool Report::WritePdf(const QString& path, QString* error) {
  if (!Generate(error)) return false;
  return WriteDocumentPdf(*document_, path, error);
}

}  // namespace rebound::report

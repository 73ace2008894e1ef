#include "cell_text.h"

namespace rebound::report {
namespace {

// Marks a <br/> inside the collected text; never trimmed away.
constexpr QChar kHardBreak = QChar(0x2028);

bool IsBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\r'; }

void AppendLiteral(TextTemplate& out, const QString& s) {
  if (s.isEmpty()) return;
  if (!out.isEmpty() && out.last().kind == TextPiece::Kind::Literal) {
    out.last().literal += s;
  } else {
    out.append(TextPiece{TextPiece::Kind::Literal, s, -1});
  }
}

}  // namespace

void CellTextBuilder::AddText(const QString& text, SourcePos start) {
  SourcePos p = start;
  for (QChar c : text) {
    text_.append(c);
    pos_.append(p);
    if (c == u'\n') {
      ++p.line;
      p.column = 1;
    } else {
      ++p.column;
    }
  }
}

void CellTextBuilder::AddLineBreak() {
  text_.append(kHardBreak);
  pos_.append(SourcePos{});
}

bool CellTextBuilder::Finish(TextTemplate* out, QList<FieldRef>* refs, SourcePos* errorPos,
                             QString* error) const {
  // First split into source lines of pieces; the braces are read here.
  struct Piece {
    TextPiece piece;
    FieldRef ref;
  };
  QList<QList<Piece>> lines(1);
  auto newLine = [&] { lines.append(QList<Piece>()); };
  auto addLiteral = [&](const QString& s) {
    auto& line = lines.last();
    if (!line.isEmpty() && line.last().piece.kind == TextPiece::Kind::Literal) {
      line.last().piece.literal += s;
    } else {
      line.append(Piece{TextPiece{TextPiece::Kind::Literal, s, -1}, {}});
    }
  };
  const qsizetype n = text_.size();
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = text_[i];
    if (c == u'\n') {
      newLine();
    } else if (c == u'{') {
      if (i + 1 < n && text_[i + 1] == u'{') {
        addLiteral(QStringLiteral("{"));
        ++i;
        continue;
      }
      const qsizetype close = text_.indexOf(u'}', i + 1);
      const qsizetype newline = text_.indexOf(u'\n', i + 1);
      if (close < 0 || (newline >= 0 && newline < close)) {
        *errorPos = pos_[i];
        *error = QStringLiteral("“{”没有配对的“}”（字面的大括号请写作“{{”）");
        return false;
      }
      const QString name = text_.mid(i + 1, close - i - 1);
      if (name.isEmpty()) {
        *errorPos = pos_[i];
        *error = QStringLiteral("“{}”中缺少字段名");
        return false;
      }
      TextPiece piece;
      if (name.startsWith(u'#')) {
        if (name == QLatin1String("#page")) {
          piece.kind = TextPiece::Kind::PageNumber;
        } else if (name == QLatin1String("#pages")) {
          piece.kind = TextPiece::Kind::PageCount;
        } else {
          *errorPos = pos_[i];
          *error = QStringLiteral("未知的页码标记“{%1}”，只能用“{#page}”或“{#pages}”").arg(name);
          return false;
        }
        lines.last().append(Piece{piece, {}});
      } else {
        piece.kind = TextPiece::Kind::Field;
        lines.last().append(Piece{piece, FieldRef{name, pos_[i], -1}});
      }
      i = close;
    } else if (c == u'}') {
      addLiteral(QStringLiteral("}"));
      if (i + 1 < n && text_[i + 1] == u'}') ++i;
    } else {
      addLiteral(QString(c));
    }
  }

  // Blanks at both ends of each source line are layout of the XML file, not
  // of the report.
  for (auto& line : lines) {
    if (!line.isEmpty() && line.first().piece.kind == TextPiece::Kind::Literal) {
      QString& s = line.first().piece.literal;
      qsizetype k = 0;
      while (k < s.size() && IsBlank(s[k])) ++k;
      s.remove(0, k);
    }
    if (!line.isEmpty() && line.last().piece.kind == TextPiece::Kind::Literal) {
      QString& s = line.last().piece.literal;
      qsizetype k = s.size();
      while (k > 0 && IsBlank(s[k - 1])) --k;
      s.truncate(k);
    }
    line.removeIf([](const Piece& p) {
      return p.piece.kind == TextPiece::Kind::Literal && p.piece.literal.isEmpty();
    });
  }
  while (!lines.isEmpty() && lines.first().isEmpty()) lines.removeFirst();
  while (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();

  TextTemplate result;
  QList<FieldRef> found;
  for (qsizetype l = 0; l < lines.size(); ++l) {
    if (l > 0) AppendLiteral(result, QStringLiteral("\n"));
    for (const Piece& p : lines[l]) {
      if (p.piece.kind == TextPiece::Kind::Literal) {
        QString s = p.piece.literal;
        s.replace(kHardBreak, u'\n');
        AppendLiteral(result, s);
      } else {
        if (p.piece.kind == TextPiece::Kind::Field) {
          FieldRef ref = p.ref;
          ref.piece = static_cast<int>(result.size());
          found.append(ref);
        }
        result.append(p.piece);
      }
    }
  }
  *out = std::move(result);
  *refs = std::move(found);
  return true;
}

QString ExpandText(const TextTemplate& text, const QStringList* values, const QString& page,
                   const QString& pages) {
  QString out;
  for (const TextPiece& p : text) {
    switch (p.kind) {
      case TextPiece::Kind::Literal:
        out += p.literal;
        break;
      case TextPiece::Kind::Field:
        if (values && p.field >= 0 && p.field < values->size()) out += values->at(p.field);
        break;
      case TextPiece::Kind::PageNumber:
        out += page;
        break;
      case TextPiece::Kind::PageCount:
        out += pages;
        break;
    }
  }
  return out;
}

}  // namespace rebound::report

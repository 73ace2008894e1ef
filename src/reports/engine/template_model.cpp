#include "template_model.h"

#include <algorithm>

namespace rebound::report {

bool DependsOnPage(const TextTemplate& text) {
  return std::any_of(text.begin(), text.end(), [](const TextPiece& p) {
    return p.kind == TextPiece::Kind::PageNumber || p.kind == TextPiece::Kind::PageCount;
  });
}

bool DependsOnRecord(const TextTemplate& text) {
  return std::any_of(text.begin(), text.end(),
                     [](const TextPiece& p) { return p.kind == TextPiece::Kind::Field; });
}

QSizeF PaperDef::SizeMm() const {
  const QSizeF portrait = pageSize.size(QPageSize::Millimeter);
  if (orientation == QPageLayout::Landscape) return portrait.transposed();
  return portrait;
}

}  // namespace rebound::report

#pragma once

#include <QList>
#include <QStringList>

#include <memory>

#include "page_model.h"
#include "template_model.h"

namespace rebound::report {

// Lays out all records of a report into pages:
// - the page header and footer on every page, filled from the first record
//   on that page (a page without detail rows takes the next record to come,
//   or the last record once all are placed);
// - the report header once at the top of the first page, the report footer
//   after the last detail row (both filled from the first record);
// - the detail table's column header at the top of the table on every page
//   that holds detail rows, then the records' rows; a record's rows stay on
//   one page;
// - a report without records still gets one page with all its headers.
// Texts containing {#page} and {#pages} get their final numbers.
std::shared_ptr<Document> LayoutDocument(const Template& tpl, const QList<QStringList>& records);

}  // namespace rebound::report

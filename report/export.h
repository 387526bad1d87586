#pragma once
// The list exported for other programs: every column and the comments of each row, as a CSV
// table (RFC 4180 quoting, UTF-8, CR LF, a heading line), a web page with one table that sorts
// by a click on a heading (its script inline, nothing fetched), or JSON (an array of objects
// with named fields, dates in ISO 8601 UTC, sizes as numbers). Texts are written as the rows
// hold them: nothing is cleaned away as in the report. Where a format cannot carry a character
// at all (the control characters of a web page), it is written as U+FFFD.

#include "base/entry.h"

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

class CatalogueModel;

enum class ExportFormat { Csv, Html, Json };

// "csv", "html" or "json"; nothing for another name.
std::optional<ExportFormat> ExportFormatNamed(QStringView name);
// The file name ending of the format: "csv", "html", "json".
QString ExportFormatSuffix(ExportFormat format);

// The export in pieces, for output that goes out as it is made: the head (with the byte-order
// mark when asked for), one piece per row (`index` counts the rows from 0), and the end.
// Joined they are exactly ExportText.
QByteArray ExportHead(ExportFormat format, bool byteOrderMark);
void AppendExportRow(ExportFormat format, const Entry& entry, qsizetype index, QByteArray& out);
QByteArray ExportTail(ExportFormat format);

QByteArray ExportText(const std::vector<const Entry*>& rows, ExportFormat format,
                      bool byteOrderMark);

// The rows an export takes: the selected ones when `selectedOnly`, else every row the list
// shows, top to bottom.
std::vector<const Entry*> ExportRows(const CatalogueModel& list, bool selectedOnly);

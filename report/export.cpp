#include "report/export.h"

#include "catalogue/catalogue_model.h"
#include "catalogue/columns.h"
#include "catalogue/shown_rows.h"
#include "platform/native_file.h"
#include "platform/native_fileops.h"
#include "report/create_report.h"

#include <QCoreApplication>
#include <QDateTime>
#include <chrono>
#include <future>

namespace {

// The exported fields in order: the seven columns, then the comments. JSON names them by
// these keys; CSV and the web page head them with the columns' captions.
constexpr int FieldCount = ColumnCount + 1;
constexpr const char* FieldKeys[FieldCount] = {"name",  "path",   "date",   "size",
                                               "title", "author", "tuning", "comments"};

QString FieldCaption(int field) {
    if (field < ColumnCount)
        return QCoreApplication::translate("Columns", DefaultColumnTable()[size_t(field)].caption);
    return QCoreApplication::translate("Export", "Comments");
}

// The last-write time in ISO 8601, UTC, to the second: 2020-01-02T13:45:00Z.
QByteArray IsoUtcTime(qint64 lastWriteTime) {
    return QDateTime::fromMSecsSinceEpoch(lastWriteTime, Qt::UTC)
        .toString(Qt::ISODate)
        .toLatin1();
}

// The tuning as the column shows it, without the blank after the last name.
QString TuningText(const Entry& entry) {
    QString text = FormatTuning(entry.tuning);
    if (text.endsWith(u' '))
        text.chop(1);
    return text;
}

// A field's text in UTF-8 (the date and size are not texts).
QByteArray FieldText(const Entry& entry, int field) {
    switch (field) {
    case ColumnName:
        return entry.name.toUtf8();
    case ColumnPath:
        return entry.folder.toUtf8();
    case ColumnTitle:
        return entry.title.toUtf8();
    case ColumnAuthor:
        return entry.subtitle.toUtf8();
    case ColumnTuning:
        return TuningText(entry).toUtf8();
    default:
        return entry.comments.toUtf8();
    }
}

bool IsTextField(int field) {
    return field != ColumnDate && field != ColumnSize;
}

// RFC 4180: a field that holds a comma, a double quote, CR or LF is quoted, its quotes doubled.
void AppendCsvField(QByteArray& out, const QByteArray& text) {
    bool quote = false;
    for (const char c : text)
        quote = quote || c == ',' || c == '"' || c == '\r' || c == '\n';
    if (!quote) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

// Text for the page: markup characters and CR as references, and the control characters a page
// cannot hold (all but tab, LF and CR) as U+FFFD.
void AppendHtmlText(QByteArray& out, const QByteArray& text) {
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\r': // as a reference, which the page's readers keep instead of taking CR LF as LF
            out += "&#13;";
            break;
        default:
            if ((uchar(c) < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7F)
                out += "\xEF\xBF\xBD";
            else
                out += c;
        }
    }
}

// A JSON string: quotes, backslashes and control characters escaped.
void AppendJsonString(QByteArray& out, const QByteArray& text) {
    static constexpr char hex[] = "0123456789abcdef";
    out += '"';
    for (const char c : text) {
        const uchar u = uchar(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (u < 0x20) {
            out += "\\u00";
            out += hex[u >> 4];
            out += hex[u & 15];
        } else {
            out += c;
        }
    }
    out += '"';
}

QByteArray FieldValue(const Entry& entry, int field) {
    if (field == ColumnDate)
        return IsoUtcTime(entry.lastWriteTime);
    if (field == ColumnSize)
        return QByteArray::number(entry.size);
    return FieldText(entry, field);
}

// The page's own rules and its sorting script: a click on a heading sorts the rows by that
// column, a second click the other way; the size column sorts by number.
constexpr char HtmlStart[] =
    "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>";
constexpr char HtmlStyle[] =
    "</title>\n<style>\n"
    "table { border-collapse: collapse; font-family: sans-serif; font-size: 90%; }\n"
    "th, td { border: 1px solid #bbb; padding: 2px 6px; vertical-align: top; "
    "white-space: pre-wrap; }\n"
    "th { background: #eee; cursor: pointer; text-align: left; }\n"
    "td.number { text-align: right; }\n"
    "</style>\n</head>\n<body>\n<table id=\"list\">\n<thead>\n<tr>";
constexpr char HtmlEnd[] =
    "</tbody>\n</table>\n<script>\n"
    "(function () {\n"
    "  var table = document.getElementById('list');\n"
    "  var body = table.tBodies[0];\n"
    "  var ascending = [];\n"
    "  var headings = table.tHead.rows[0].cells;\n"
    "  Array.prototype.forEach.call(headings, function (heading, column) {\n"
    "    heading.addEventListener('click', function () {\n"
    "      var up = ascending[column] = !ascending[column];\n"
    "      var number = heading.className === 'number';\n"
    "      var rows = Array.prototype.slice.call(body.rows);\n"
    "      rows.sort(function (a, b) {\n"
    "        var x = a.cells[column].textContent, y = b.cells[column].textContent;\n"
    "        var order = number ? x - y : x.localeCompare(y);\n"
    "        return up ? order : -order;\n"
    "      });\n"
    "      rows.forEach(function (row) { body.appendChild(row); });\n"
    "    });\n"
    "  });\n"
    "})();\n"
    "</script>\n</body>\n</html>\n";

} // namespace

std::optional<ExportFormat> ExportFormatNamed(QStringView name) {
    if (name == u"csv")
        return ExportFormat::Csv;
    if (name == u"html")
        return ExportFormat::Html;
    if (name == u"json")
        return ExportFormat::Json;
    return std::nullopt;
}

QString ExportFormatSuffix(ExportFormat format) {
    switch (format) {
    case ExportFormat::Csv:
        return QStringLiteral("csv");
    case ExportFormat::Html:
        return QStringLiteral("html");
    case ExportFormat::Json:
        return QStringLiteral("json");
    }
    return {};
}

QByteArray ExportHead(ExportFormat format, bool byteOrderMark) {
    QByteArray out;
    if (byteOrderMark)
        out += "\xEF\xBB\xBF";
    switch (format) {
    case ExportFormat::Csv:
        for (int field = 0; field < FieldCount; ++field) {
            if (field > 0)
                out += ',';
            AppendCsvField(out, FieldCaption(field).toUtf8());
        }
        out += "\r\n";
        break;
    case ExportFormat::Html:
        out += HtmlStart;
        AppendHtmlText(out, QCoreApplication::translate("Export", "ZUF files").toUtf8());
        out += HtmlStyle;
        for (int field = 0; field < FieldCount; ++field) {
            out += field == ColumnSize ? "<th class=\"number\">" : "<th>";
            AppendHtmlText(out, FieldCaption(field).toUtf8());
            out += "</th>";
        }
        out += "</tr>\n</thead>\n<tbody>\n";
        break;
    case ExportFormat::Json:
        out += '[';
        break;
    }
    return out;
}

void AppendExportRow(ExportFormat format, const Entry& entry, qsizetype index, QByteArray& out) {
    switch (format) {
    case ExportFormat::Csv:
        for (int field = 0; field < FieldCount; ++field) {
            if (field > 0)
                out += ',';
            AppendCsvField(out, FieldValue(entry, field));
        }
        out += "\r\n";
        return;
    case ExportFormat::Html:
        out += "<tr>";
        for (int field = 0; field < FieldCount; ++field) {
            out += field == ColumnSize ? "<td class=\"number\">" : "<td>";
            AppendHtmlText(out, FieldValue(entry, field));
            out += "</td>";
        }
        out += "</tr>\n";
        return;
    case ExportFormat::Json:
        out += index == 0 ? "\n{" : ",\n{";
        for (int field = 0; field < FieldCount; ++field) {
            if (field > 0)
                out += ',';
            out += '"';
            out += FieldKeys[field];
            out += "\":";
            if (IsTextField(field) || field == ColumnDate)
                AppendJsonString(out, FieldValue(entry, field));
            else
                out += FieldValue(entry, field);
        }
        out += '}';
        return;
    }
}

QByteArray ExportTail(ExportFormat format) {
    switch (format) {
    case ExportFormat::Csv:
        return {};
    case ExportFormat::Html:
        return HtmlEnd;
    case ExportFormat::Json:
        return "\n]\n";
    }
    return {};
}

QByteArray ExportText(const std::vector<const Entry*>& rows, ExportFormat format,
                      bool byteOrderMark, const std::atomic<bool>* cancel,
                      std::atomic<int>* done) {
    QByteArray out = ExportHead(format, byteOrderMark);
    for (size_t i = 0; i < rows.size(); ++i) {
        if ((i & 1023) == 0) {
            if (cancel && cancel->load())
                return out;
            if (done)
                done->store(int(i));
        }
        AppendExportRow(format, *rows[i], qsizetype(i), out);
    }
    out += ExportTail(format);
    return out;
}

std::vector<const Entry*> ExportRows(const CatalogueModel& list, bool selectedOnly) {
    std::vector<const Entry*> entries;
    for (const int row : selectedOnly ? ShownSelectedRows(list) : ShownRows(list))
        entries.push_back(list.entryAt(row));
    return entries;
}

QString DefaultExportPath(const QString& workingFolder) {
    return workingFolder + QStringLiteral("zuflist.csv");
}

QString WithExportSuffix(const QString& path, ExportFormat format) {
    for (const ExportFormat other : {ExportFormat::Csv, ExportFormat::Html, ExportFormat::Json}) {
        const QString suffix = u'.' + ExportFormatSuffix(other);
        if (path.endsWith(suffix, Qt::CaseInsensitive))
            return path.chopped(suffix.size()) + u'.' + ExportFormatSuffix(format);
    }
    return path;
}

QString ExportWrittenText(int rows, const QString& path) {
    return QCoreApplication::translate("Export", "%n row(s) written to\n%1", nullptr, rows)
        .arg(path);
}

QString ExportNotWrittenText(const QString& path, const QString& reason) {
    return QCoreApplication::translate("Export", "%1\nhas NOT been written:\n%2").arg(path, reason);
}

void ExportList(ExportDialogs& dialogs, const CatalogueModel& list, ExportChoice& choice,
                const QString& workingFolder) {
    if (choice.path.isEmpty())
        choice.path = DefaultExportPath(workingFolder);
    const int selected = int(ShownSelectedRows(list).size());
    const int shown = int(ShownRows(list).size());
    choice.selectedOnly = selected > 1;
    QString confirmed;
    if (!dialogs.runExportDialog(choice, selected, shown, confirmed))
        return;
    const bool exists = PathExists(choice.path);
    if (exists && confirmed != choice.path && !dialogs.warnYesNo(ReportReplaceText(choice.path)))
        return;
    const std::vector<const Entry*> rows = ExportRows(list, choice.selectedOnly);
    const ExportChoice chosen = choice;
    std::atomic<bool> cancel{false};
    std::atomic<int> done{0};
    // The worker reads the rows while the window waits; the progress is modal, so nothing
    // changes them meanwhile.
    auto work = std::async(std::launch::async, [&]() -> int {
        const QByteArray bytes =
            ExportText(rows, chosen.format, chosen.byteOrderMark, &cancel, &done);
        return cancel.load() ? 0 : WriteFileThroughUnfinished(chosen.path, bytes, exists);
    });
    while (work.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready)
        if (!dialogs.progress(done.load(), int(rows.size())))
            cancel.store(true);
    const int error = work.get();
    if (cancel.load())
        return;
    dialogs.showMessage(error == 0 ? ExportWrittenText(int(rows.size()), choice.path)
                                   : ExportNotWrittenText(choice.path, SystemErrorText(error)));
}

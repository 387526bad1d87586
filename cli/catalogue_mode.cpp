#include "cli/catalogue_mode.h"

#include "cli/output.h"

#include "base/ui_hooks.h"
#include "catalogue/catalogue_check.h"
#include "catalogue/catalogue_model.h"
#include "catalogue/scan.h"
#include "catalogue/search.h"
#include "catalogue/status.h"
#include "platform/folder_walk.h"
#include "platform/native_file.h"

#include <QCommandLineParser>
#include <cstdio>

QString CatalogueModeUsage() {
    return QStringLiteral(
        "zuflist [--fields MASK] [--sort [-]COLUMN] [--search WORDS] [--case] [--cp1252] "
        "[--no-index] [--format FORMAT] [FOLDER]\n"
        "  Catalogues every file below FOLDER (default: the current directory) the way the\n"
        "  window's refresh does, applies the search filter when --search is given (matching\n"
        "  rows first), and writes the report line of every row in list order to standard\n"
        "  output, UTF-8 by default, code page 1252 with --cp1252.\n"
        "  The catalogue index in the user's cache folder is used and brought up to date, as\n"
        "  the window does: only new and changed files are read. --no-index reads every file\n"
        "  and leaves the index alone; the lines are the same either way.\n"
        "  MASK      report field bits, decimal or 0x-hex (default 0x00BF): 0x01 name,\n"
        "            0x02 folder, 0x04 date, 0x08 size, 0x10 title, 0x20 author,\n"
        "            0x40 full path, 0x80 tuning\n"
        "  COLUMN    name, path, date, size, title, author or tuning; a leading '-' sorts\n"
        "            descending (default: name ascending)\n"
        "  WORDS     at most 31 characters, lower-cased unless --case; empty words leave the\n"
        "            filter off\n"
        "  FORMAT    tsv (the report lines, the default), or csv, html or json: every\n"
        "            column and the comments of each row, texts as they are, in UTF-8 (no\n"
        "            --fields, no --cp1252): a CSV table with a heading line, a web page\n"
        "            with a table that sorts by a click on a heading, or a JSON array of\n"
        "            objects (dates in ISO 8601 UTC, sizes as numbers)\n"
        "  The count (\"Total: N file(s)\" or \"Found: N file(s)\") goes to standard error.\n"
        "  Exit status: 0, or 2 on a usage error, a folder that cannot be entered or listed,\n"
        "  or standard output that cannot be written.\n");
}

namespace {

// A field mask: decimal or 0x-hex, at most 16 bits.
std::optional<quint16> ParseMask(const QString& text) {
    bool ok = false;
    const uint value = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
                           ? text.mid(2).toUInt(&ok, 16)
                           : text.toUInt(&ok, 10);
    if (!ok || value > 0xFFFF)
        return std::nullopt;
    return quint16(value);
}

// A column name with an optional leading '-' for descending.
bool ParseSort(const QString& text, CatalogueOptions& options) {
    static const char* const names[ColumnCount] = {"name",  "path",   "date",  "size",
                                                   "title", "author", "tuning"};
    const bool descending = text.startsWith(QLatin1Char('-'));
    const QString name = descending ? text.mid(1) : text;
    for (int i = 0; i < ColumnCount; ++i) {
        if (name == QLatin1String(names[i])) {
            options.sortColumn = i;
            options.sortDirection = descending ? -1 : 1;
            return true;
        }
    }
    return false;
}

const QString FieldsOption = QStringLiteral("fields");
const QString SortOption = QStringLiteral("sort");
const QString SearchOption = QStringLiteral("search");
const QString CaseOption = QStringLiteral("case");
const QString Cp1252Option = QStringLiteral("cp1252");
const QString NoIndexOption = QStringLiteral("no-index");
const QString FormatOption = QStringLiteral("format");

// Without a window, the index's trouble goes to standard error.
struct ErrorNotices : UiHooks {
    void showNotice(const QString& text) override { ErrorLine(text); }
};

} // namespace

// --format: tsv keeps the report lines; the others write every field, so they take no mask and
// no code page.
static QString TakeFormat(const QCommandLineParser& parser, CatalogueOptions& options) {
    if (!parser.isSet(FormatOption))
        return {};
    const QString value = parser.value(FormatOption);
    if (value == u"tsv")
        return {};
    options.format = ExportFormatNamed(value);
    if (!options.format)
        return QStringLiteral("not a format: ") + value;
    if (parser.isSet(FieldsOption) || options.cp1252)
        return QStringLiteral("--format %1 writes every field in UTF-8: no --fields, no --cp1252")
            .arg(value);
    return {};
}

void AddCatalogueOptions(QCommandLineParser& parser) {
    parser.addOption({FieldsOption, {}, QStringLiteral("MASK")});
    parser.addOption({SortOption, {}, QStringLiteral("COLUMN")});
    parser.addOption({SearchOption, {}, QStringLiteral("WORDS")});
    parser.addOption({CaseOption, {}});
    parser.addOption({Cp1252Option, {}});
    parser.addOption({NoIndexOption, {}});
    parser.addOption({FormatOption, {}, QStringLiteral("FORMAT")});
}

bool HasCatalogueOptions(const QCommandLineParser& parser) {
    for (const QString& name :
         {FieldsOption, SortOption, SearchOption, CaseOption, Cp1252Option, NoIndexOption,
          FormatOption})
        if (parser.isSet(name))
            return true;
    return false;
}

QString TakeCatalogueOptions(const QCommandLineParser& parser, CatalogueOptions& options) {
    const QStringList folders = parser.positionalArguments();
    if (folders.size() > 1)
        return QStringLiteral("more than one folder: ") + folders[1];
    if (!folders.isEmpty())
        options.folder = folders[0];
    if (parser.isSet(FieldsOption)) {
        const QString value = parser.value(FieldsOption);
        const auto mask = ParseMask(value);
        if (!mask)
            return QStringLiteral("not a field mask: ") + value;
        options.fields = *mask;
    }
    if (parser.isSet(SortOption) && !ParseSort(parser.value(SortOption), options))
        return QStringLiteral("not a column: ") + parser.value(SortOption);
    if (parser.isSet(SearchOption))
        options.search = parser.value(SearchOption);
    options.caseSensitive = parser.isSet(CaseOption);
    options.cp1252 = parser.isSet(Cp1252Option);
    options.useIndex = !parser.isSet(NoIndexOption);
    return TakeFormat(parser, options);
}

QString LoadCatalogue(const CatalogueOptions& options, CatalogueModel& list) {
    int error = 0;
    if (options.folder && !SetCurrentFolder(*options.folder, &error)) {
        ErrorLine(QStringLiteral("cannot enter folder %1: %2")
                      .arg(*options.folder, SystemErrorText(error)));
        return {};
    }
    // The scan skips a folder it cannot list; when that is the folder asked for, no row can be
    // read at all, and an empty catalogue would pass for a folder without files.
    {
        std::vector<FolderItem> items;
        FolderId self;
        if (!ListFolder(QStringLiteral("."), items, self, &error)) {
            ErrorLine(
                QStringLiteral("cannot list folder %1: %2")
                    .arg(options.folder.value_or(QStringLiteral(".")), SystemErrorText(error)));
            return {};
        }
    }

    SortState sort{};
    sort[size_t(options.sortColumn)] = options.sortDirection;
    list.setSort(sort);

    ErrorNotices silent; // no window: the status goes nowhere
    QString workingFolder;
    if (options.useIndex) {
        CatalogueIndex index;
        workingFolder = CheckCatalogue(list, silent, CurrentFolder(), &index);
    } else {
        workingFolder = RefreshCatalogue(list, silent, CurrentFolder());
    }
    if (options.search) // as the search dialog's OK: empty words leave the filter off
        AcceptSearchWords(list, silent, *options.search, options.caseSensitive);
    return workingFolder;
}

static void WriteReportLines(const CatalogueModel& list, const CatalogueOptions& options) {
    const ReportEncoding encoding = options.cp1252 ? ReportEncoding::Cp1252 : ReportEncoding::Utf8;
    for (int row = list.nextRow(-1, false); row >= 0; row = list.nextRow(row, false))
        WriteOutput(ReportLine(*list.entryAt(row), options.fields, encoding));
}

// The export of every row in list order, written out a piece of about 1 MiB at a time.
static void WriteExport(const CatalogueModel& list, ExportFormat format) {
    QByteArray out = ExportHead(format, false);
    qsizetype index = 0;
    for (int row = list.nextRow(-1, false); row >= 0; row = list.nextRow(row, false)) {
        AppendExportRow(format, *list.entryAt(row), index++, out);
        if (out.size() >= (1 << 20)) {
            WriteOutput(out);
            out.clear();
        }
    }
    out += ExportTail(format);
    WriteOutput(out);
}

int RunCatalogueMode(const CatalogueOptions& options) {
    CatalogueModel list;
    if (LoadCatalogue(options, list).isEmpty())
        return 2;
    if (options.format)
        WriteExport(list, *options.format);
    else
        WriteReportLines(list, options);
    const int status = FinishOutput(0);
    const QByteArray count =
        (CountText(list.filterOn(), list.foundCount(), list.rowCount()) + u'\n').toUtf8();
    std::fwrite(count.constData(), 1, size_t(count.size()), stderr);
    return status;
}

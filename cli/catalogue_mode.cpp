#include "cli/catalogue_mode.h"

#include "app/app_state.h"
#include "app/status.h"
#include "catalogue/catalogue_model.h"
#include "catalogue/scan.h"
#include "catalogue/sort_search.h"
#include "platform/folder_walk.h"
#include "platform/native_file.h"
#include "report/report.h"

#include <cstdio>
#include <optional>

QString CatalogueModeUsage() {
    return QStringLiteral(
        "zuflist [--fields MASK] [--sort [-]COLUMN] [--search WORDS] [--case] [--cp1252] "
        "[FOLDER]\n"
        "  Catalogues every file below FOLDER (default: the current directory) the way the\n"
        "  window's refresh does, applies the search filter when --search is given (matching\n"
        "  rows first), and writes the report line of every row in list order to standard\n"
        "  output, UTF-8 by default, code page 1252 with --cp1252.\n"
        "  MASK      report field bits, decimal or 0x-hex (default 0x00BF): 0x01 name,\n"
        "            0x02 folder, 0x04 date, 0x08 size, 0x10 title, 0x20 author,\n"
        "            0x40 full path, 0x80 tuning\n"
        "  COLUMN    name, path, date, size, title, author or tuning; a leading '-' sorts\n"
        "            descending (default: name ascending)\n"
        "  WORDS     at most 31 characters, lower-cased unless --case; empty words leave the\n"
        "            filter off\n"
        "  The count (\"Total: N file(s)\" or \"Found: N file(s)\") goes to standard error.\n");
}

namespace {

struct CatalogueOptions {
    quint16 fields = DefaultReportFlags;
    int sortColumn = ColumnName;
    int sortDirection = 1;
    std::optional<QString> search; // the words of --search
    bool caseSensitive = false;
    bool cp1252 = false;
    std::optional<QString> folder;
};

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

// Fills the options; returns what is wrong with the arguments, or an empty text.
QString ParseArguments(const QStringList& args, CatalogueOptions& options) {
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool isOption = !optionsEnded && arg.startsWith(QLatin1Char('-')) && arg.size() > 1;
        if (!isOption) {
            if (options.folder)
                return QStringLiteral("more than one folder: ") + arg;
            options.folder = arg;
            continue;
        }
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (arg == QLatin1String("--case")) {
            options.caseSensitive = true;
            continue;
        }
        if (arg == QLatin1String("--cp1252")) {
            options.cp1252 = true;
            continue;
        }
        const bool takesValue = arg == QLatin1String("--fields") ||
                                arg == QLatin1String("--sort") || arg == QLatin1String("--search");
        if (!takesValue)
            return QStringLiteral("unknown option ") + arg;
        if (i + 1 >= args.size())
            return arg + QStringLiteral(" needs a value");
        const QString& value = args[++i];
        if (arg == QLatin1String("--fields")) {
            const auto mask = ParseMask(value);
            if (!mask)
                return QStringLiteral("not a field mask: ") + value;
            options.fields = *mask;
        } else if (arg == QLatin1String("--sort")) {
            if (!ParseSort(value, options))
                return QStringLiteral("not a column: ") + value;
        } else {
            options.search = value;
        }
    }
    return {};
}

void WriteBytes(std::FILE* stream, const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

void ErrorLine(const QString& message) {
    WriteBytes(stderr, (QStringLiteral("zuflist: ") + message + QLatin1Char('\n')).toUtf8());
}

} // namespace

int RunCatalogueMode(const QStringList& args) {
    CatalogueOptions options;
    const QString wrong = ParseArguments(args, options);
    if (!wrong.isEmpty()) {
        ErrorLine(wrong);
        WriteBytes(stderr, (QStringLiteral("usage: ") + CatalogueModeUsage()).toUtf8());
        return 2;
    }
    int error = 0;
    if (options.folder && !SetCurrentFolder(*options.folder, &error)) {
        ErrorLine(QStringLiteral("cannot enter folder %1: %2")
                      .arg(*options.folder, SystemErrorText(error)));
        return 2;
    }

    ResetSortState();
    SortState& sort = sortState();
    sort.fill(0);
    sort[size_t(options.sortColumn)] = options.sortDirection;

    RefreshCatalogue();
    if (options.search) // as the search dialog's OK: empty words leave the filter off
        AcceptSearchWords(*options.search, options.caseSensitive ? 1 : 0);
    const AppState& app = appState();

    const CatalogueModel& list = catalogue();
    const ReportEncoding encoding = options.cp1252 ? ReportEncoding::Cp1252 : ReportEncoding::Utf8;
    for (int row = list.nextRow(-1, false); row >= 0; row = list.nextRow(row, false))
        WriteBytes(stdout, ReportLine(*list.entryAt(row), options.fields, encoding));
    std::fflush(stdout);
    WriteBytes(stderr, (CountText(app.filterOn, app.foundCount, app.rowCount) + u'\n').toUtf8());
    return 0;
}

#pragma once
// zuflist's catalogue mode: the report line of every file below a folder.

#include "report/export.h"
#include "report/report.h"

#include <QString>
#include <QStringList>
#include <optional>

class CatalogueModel;
class QCommandLineParser;

struct CatalogueOptions {
    quint16 fields = DefaultReportFlags;
    int sortColumn = 0; // ColumnName
    int sortDirection = 1;
    std::optional<QString> search; // the words of --search
    bool caseSensitive = false;
    bool cp1252 = false;
    bool useIndex = true; // off with --no-index: every file is read, the index left alone
    std::optional<QString> folder;
    std::optional<ExportFormat> format; // --format csv, html or json; the report lines without
};

// Declares --fields, --sort, --search, --case, --cp1252, --no-index and --format.
void AddCatalogueOptions(QCommandLineParser& parser);
// True when any of those options was given.
bool HasCatalogueOptions(const QCommandLineParser& parser);
// Fills the options from the parsed command line; returns what is wrong, or an empty text.
QString TakeCatalogueOptions(const QCommandLineParser& parser, CatalogueOptions& options);

// Enters the folder of the options and fills the list from it as the window's refresh does,
// sorted and filtered as the options say. Returns the working folder, or an empty text after
// saying on standard error why the folder cannot be entered or listed.
QString LoadCatalogue(const CatalogueOptions& options, CatalogueModel& list);

// Runs the catalogue mode. Returns the exit status: 0, or 2 when the folder cannot be entered
// or listed, or standard output cannot be written (the reason then goes to standard error).
int RunCatalogueMode(const CatalogueOptions& options);

// The lines of --help that describe the catalogue mode.
QString CatalogueModeUsage();

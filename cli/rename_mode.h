#pragma once
// zuflist's rename forms: the plan of renaming every catalogued file by a pattern, and carrying
// it out, one line per file.

#include "fileops/rename_pattern.h"

#include <QString>
#include <QStringList>
#include <optional>

class QCommandLineParser;
struct CatalogueOptions;

struct RenameModeOptions {
    QString pattern;
    bool carryOut = false;     // --rename; --rename-plan only shows the plan
    std::optional<QString> to; // the base folder of a pattern with folders, as given
    bool numberDuplicates = false;
    RenameCase nameCase = RenameCase::AsIs;
};

// In the rename forms, "--case abc", "--case ABC" and "--case Abc" (or "--case=...") give the
// case rule of the names; a "--case" without one of those words still makes the search
// case-sensitive. Rewrites the arguments so that the parser tells the two apart.
QStringList SeparateNameCase(const QStringList& args);

// Declares --rename-plan, --rename, --to and --number-duplicates (and the case rule).
void AddRenameOptions(QCommandLineParser& parser);
// True when the command line asks for a rename form.
bool HasRenameForm(const QCommandLineParser& parser);
// Fills the options; returns what is wrong, or an empty text.
QString TakeRenameOptions(const QCommandLineParser& parser, RenameModeOptions& options);

// Runs the rename form over the catalogue of the options' folder, in list order. Writes for
// each file its full path, a tab, its new full path, a tab and the outcome word, LF at the
// end. Returns the exit status: 0 when every file can be done (or was), 1 when some cannot
// (or failed), 2 for a pattern that cannot be read, a folder that cannot be entered or
// listed, or output that cannot be written.
int RunRenameMode(const CatalogueOptions& catalogue, const RenameModeOptions& options);

// The lines of --help that describe the rename forms.
QString RenameModeUsage();

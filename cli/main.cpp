// zuflist: the command-line companion. `zuflist --info FILE...` prints each file's summary;
// `zuflist --rename-plan PATTERN` and `--rename PATTERN` rename the catalogued files by a
// pattern (cli/rename_mode.h); `zuflist --set-info FIELD=TEXT FILE...` writes the information
// of the files (cli/set_info_mode.h); every other form catalogues a folder
// (cli/catalogue_mode.h).

#include "base/program_info.h"
#include "cli/catalogue_mode.h"
#include "cli/info_mode.h"
#include "cli/output.h"
#include "cli/rename_mode.h"
#include "cli/set_info_mode.h"
#include "platform/native_file.h"

#include <QCommandLineParser>
#include <QCoreApplication>

static QString HelpText() {
    return QStringLiteral("Usage:\n") + InfoModeUsage() + u'\n' + CatalogueModeUsage() + u'\n' +
           RenameModeUsage() + u'\n' + SetInfoModeUsage() +
           QStringLiteral("\nzuflist --help\n  Prints this text.\n"
                          "\nzuflist --version\n  Prints the program's name and version.\n");
}

// What is wrong with the arguments, and the usage, on standard error; the exit status 2.
static int UsageError(const QString& wrong) {
    ErrorLine(wrong);
    ErrorText(QStringLiteral("usage: ") + CatalogueModeUsage());
    return 2;
}

int main(int argc, char* argv[]) {
    PrepareStandardStreams();
    QCoreApplication app(argc, argv);
    // Arguments are taken as file names are, so that undecodable bytes survive.
    const QStringList args = SeparateNameCase(ProgramArguments(argc, argv));

    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    const QCommandLineOption info(QStringLiteral("info"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(info);
    AddCatalogueOptions(parser);
    AddRenameOptions(parser);
    AddSetInfoOption(parser);
    if (!parser.parse(args))
        return UsageError(parser.errorText());

    if (parser.isSet(help)) {
        WriteOutput(HelpText().toUtf8());
        return FinishOutput(0);
    }
    if (parser.isSet(version)) {
        WriteOutput((QStringLiteral("zuflist ") + ProgramVersion.toString() + u'\n').toUtf8());
        return FinishOutput(0);
    }
    if (parser.isSet(info)) {
        if (HasCatalogueOptions(parser) || HasRenameForm(parser) || HasSetInfoForm(parser))
            return UsageError(QStringLiteral("--info takes no catalogue options"));
        return RunInfoMode(parser.positionalArguments());
    }
    if (HasSetInfoForm(parser)) {
        if (HasCatalogueOptions(parser) || HasRenameForm(parser))
            return UsageError(QStringLiteral("--set-info takes no catalogue options"));
        InfoEdit edit;
        const QString wrong = TakeSetInfoEdit(parser, edit);
        if (!wrong.isEmpty())
            return UsageError(wrong);
        return RunSetInfoMode(edit, parser.positionalArguments());
    }
    CatalogueOptions options;
    RenameModeOptions rename;
    QString wrong = TakeCatalogueOptions(parser, options);
    if (wrong.isEmpty())
        wrong = TakeRenameOptions(parser, rename);
    if (wrong.isEmpty() && HasRenameForm(parser) &&
        (parser.isSet(QStringLiteral("fields")) || options.cp1252 ||
         parser.isSet(QStringLiteral("format"))))
        wrong = QStringLiteral(
            "the rename forms write no report: no --fields, no --cp1252, no --format");
    if (!wrong.isEmpty())
        return UsageError(wrong);
    return HasRenameForm(parser) ? RunRenameMode(options, rename) : RunCatalogueMode(options);
}

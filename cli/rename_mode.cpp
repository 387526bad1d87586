#include "cli/rename_mode.h"

#include "cli/catalogue_mode.h"
#include "cli/output.h"

#include "catalogue/catalogue_model.h"
#include "fileops/rename_plan_run.h"
#include "fileops/undo.h"
#include "platform/folder_path.h"
#include "platform/folder_walk.h"
#include "platform/native_file.h"

#include <QCommandLineParser>
#include <QDir>

QString RenameModeUsage() {
    return QStringLiteral(
        "zuflist --rename-plan PATTERN [--to FOLDER] [--number-duplicates]\n"
        "        [--case abc|ABC|Abc] [--sort [-]COLUMN] [--search WORDS] [--case] [FOLDER]\n"
        "zuflist --rename PATTERN (with the same options)\n"
        "  Works out the new name of every file below FOLDER by PATTERN, in list order, and\n"
        "  writes one line per file: its full path, a tab, its new full path, a tab, and what\n"
        "  would happen: rename, move, unchanged, conflict (another file gets the same name),\n"
        "  exists (a file of that name is there), empty, too-long or bad. --rename carries\n"
        "  the plan out, never replacing a file, and writes renamed, moved or the system's\n"
        "  reason instead.\n"
        "  PATTERN   text and the fields %title%, %author% (or %subtitle%), %tuning%, %name%,\n"
        "            %folder%, %date%, %year%, %size%, %n%, %n:3%; a part in [ ] is left out\n"
        "            when a field in it is empty; [[, ]] and %% stand for [, ] and %; a /\n"
        "            makes folders, below the --to FOLDER (default: the catalogued folder)\n"
        "  --number-duplicates  a name that is taken gets \" (2)\", \" (3)\", ... instead\n"
        "  --case abc|ABC|Abc   the case of the new folders and names (a --case without one\n"
        "                       of these words makes the search case-sensitive)\n"
        "  Exit status: 0 when every file can be done (or was), 1 when some cannot (or\n"
        "  failed), 2 for a pattern that cannot be read, or as for the catalogue.\n");
}

namespace {

const QString PlanOption = QStringLiteral("rename-plan");
const QString RenameOption = QStringLiteral("rename");
const QString ToOption = QStringLiteral("to");
const QString NumberOption = QStringLiteral("number-duplicates");
const QString NameCaseOption = QStringLiteral("name-case"); // what --case WORD becomes

const QStringList NameCaseWords{QStringLiteral("ABC"), QStringLiteral("abc"),
                                QStringLiteral("Abc")};

bool IsRenameForm(const QString& arg) {
    for (const QString& option : {PlanOption, RenameOption}) {
        const QString form = QStringLiteral("--") + option;
        if (arg == form || arg.startsWith(form + u'='))
            return true;
    }
    return false;
}

// A folder given on the command line, made absolute against the current directory.
QString AbsoluteFolder(const QString& folder) {
    const QString path =
        QDir::isAbsolutePath(folder) ? folder : CurrentFolder() + FolderSeparator() + folder;
    return NormalisedFolder(QDir::toNativeSeparators(QDir::cleanPath(path)));
}

// The last column of a file's line once the plan was carried out: what happened to it.
QStringList RunWords(const std::vector<PlannedRename>& plan, const RenameRunResult& result) {
    QStringList words;
    for (const PlannedRename& entry : plan)
        words << RenameOutcomeWord(entry.outcome);
    for (const RenameRunDone& done : result.done)
        words[qsizetype(done.index)] = plan[done.index].outcome == RenameOutcome::Move
                                           ? QStringLiteral("moved")
                                           : QStringLiteral("renamed");
    for (const RenameRunFailure& failure : result.failures)
        words[qsizetype(failure.index)] = failure.error;
    return words;
}

} // namespace

QStringList SeparateNameCase(const QStringList& args) {
    if (std::none_of(args.begin(), args.end(), IsRenameForm))
        return args;
    QStringList out;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--case") && i + 1 < args.size() &&
            NameCaseWords.contains(args[i + 1])) {
            out << QStringLiteral("--") + NameCaseOption + u'=' + args[++i];
        } else if (arg.startsWith(QLatin1String("--case="))) {
            out << QStringLiteral("--") + NameCaseOption + arg.mid(6);
        } else {
            out << arg;
        }
    }
    return out;
}

void AddRenameOptions(QCommandLineParser& parser) {
    parser.addOption({PlanOption, {}, QStringLiteral("PATTERN")});
    parser.addOption({RenameOption, {}, QStringLiteral("PATTERN")});
    parser.addOption({ToOption, {}, QStringLiteral("FOLDER")});
    parser.addOption({NumberOption, {}});
    parser.addOption({NameCaseOption, {}, QStringLiteral("CASE")});
}

bool HasRenameForm(const QCommandLineParser& parser) {
    return parser.isSet(PlanOption) || parser.isSet(RenameOption);
}

QString TakeRenameOptions(const QCommandLineParser& parser, RenameModeOptions& options) {
    if (!HasRenameForm(parser)) {
        for (const QString& name : {ToOption, NumberOption, NameCaseOption})
            if (parser.isSet(name))
                return QStringLiteral("--%1 needs --rename-plan or --rename").arg(name);
        return {};
    }
    if (parser.isSet(PlanOption) && parser.isSet(RenameOption))
        return QStringLiteral("--rename-plan and --rename cannot go together");
    options.carryOut = parser.isSet(RenameOption);
    options.pattern = parser.value(options.carryOut ? RenameOption : PlanOption);
    if (parser.isSet(ToOption))
        options.to = parser.value(ToOption);
    options.numberDuplicates = parser.isSet(NumberOption);
    if (parser.isSet(NameCaseOption)) {
        const qsizetype rule = NameCaseWords.indexOf(parser.value(NameCaseOption));
        if (rule < 0)
            return QStringLiteral("not a case rule: ") + parser.value(NameCaseOption);
        static constexpr RenameCase rules[] = {RenameCase::Upper, RenameCase::Lower,
                                               RenameCase::Words};
        options.nameCase = rules[rule];
    }
    return {};
}

int RunRenameMode(const CatalogueOptions& catalogue, const RenameModeOptions& options) {
    QString error;
    int errorPos = -1;
    const RenamePattern pattern = ParseRenamePattern(options.pattern, &error, &errorPos);
    if (!pattern.valid) {
        ErrorLine(QStringLiteral("bad pattern at character %1: %2").arg(errorPos + 1).arg(error));
        return 2;
    }
    RenamePlanOptions planOptions;
    planOptions.nameCase = options.nameCase;
    planOptions.numberDuplicates = options.numberDuplicates;
    if (options.to) // against the directory zuflist was started in
        planOptions.baseFolder = AbsoluteFolder(*options.to);
    CatalogueModel list;
    const QString workingFolder = LoadCatalogue(catalogue, list);
    if (workingFolder.isEmpty())
        return 2;
    if (!options.to)
        planOptions.baseFolder = workingFolder;

    std::vector<int> rows;
    for (int row = list.nextRow(-1, false); row >= 0; row = list.nextRow(row, false))
        rows.push_back(row);
    const std::vector<PlannedRename> plan =
        PlanRenames(pattern, planOptions, RenameFactsOfRows(list, rows));
    bool allDone = std::all_of(plan.begin(), plan.end(), [](const PlannedRename& entry) {
        return RenameCanBeDone(entry.outcome);
    });
    QStringList words;
    if (options.carryOut) {
        UndoRecord undo; // nothing to take it back from here
        const RenameRunResult result = RunRenamePlan(plan, {}, {}, undo);
        words = RunWords(plan, result);
        allDone = allDone && result.failures.empty();
    } else {
        for (const PlannedRename& entry : plan)
            words << RenameOutcomeWord(entry.outcome);
    }
    for (size_t i = 0; i < plan.size(); ++i) {
        const PlannedRename& entry = plan[i];
        const QString newPath = entry.newName.isEmpty() ? QString() : entry.newPath();
        WriteOutput(EncodeFileName(entry.oldPath) + '\t' + EncodeFileName(newPath) + '\t' +
                    words[qsizetype(i)].toUtf8() + '\n');
    }
    return FinishOutput(allDone ? 0 : 1);
}

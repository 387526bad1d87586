// The window program: the command line, start-up, the event loop, shutdown.

#include "app/language.h"
#include "app/main_window.h"
#include "app/pictures_widget.h"
#include "app/start_target.h"
#include "base/program_info.h"
#include "platform/native_file.h"
#include "platform/termination_signal.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSessionManager>
#include <QThread>
#include <QTimer>
#include <cstdio>

namespace {

void Print(FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

QString Text(const char* text) {
    return QCoreApplication::translate("CommandLine", text);
}

struct CommandLine : QCommandLineParser {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            Text(QT_TRANSLATE_NOOP("CommandLine", "Prints this help and exits."))};
    QCommandLineOption version{
        {QStringLiteral("v"), QStringLiteral("version")},
        Text(QT_TRANSLATE_NOOP("CommandLine", "Prints the program's name and version and exits."))};
    CommandLine() {
        setApplicationDescription(Text(QT_TRANSLATE_NOOP(
            "CommandLine",
            "ZUF File Manager: lists, searches, renames and tidies folder trees of ZUF "
            "tablature files.\nWithout an argument it opens on the working folder of the last "
            "run.")));
        addOption(help);
        addOption(version);
        addPositionalArgument(
            QStringLiteral("path"),
            Text(QT_TRANSLATE_NOOP("CommandLine",
                                   "A folder to open, or a file to open selected in its folder.")),
            Text(QT_TRANSLATE_NOOP("CommandLine", "[FILE|FOLDER]")));
    }
};

// The help, whose usage line names the program "zuffile" however it was started (the parser
// names it as the command line's first argument, a path perhaps).
QString HelpText(const CommandLine& commandLine) {
    QString text = commandLine.helpText();
    const QString started = QCoreApplication::arguments().value(0);
    const qsizetype at = started.isEmpty() ? -1 : text.indexOf(started);
    if (at >= 0 && at < text.indexOf(u'\n'))
        text.replace(at, started.size(), QStringLiteral("zuffile"));
    return text;
}

struct Reading {
    enum Next { Start, End, AfterQt } next = Start;
    int exitCode = 0;  // End: the program's exit code
    StartTarget start; // Start: where the window starts
};

// Reads the command line: --help and --version print and end the program, a file or folder
// gives the start target, a mistake in the options is told on standard error and ends the
// program. Before
// the application object has taken out Qt's own options (-platform, -style and the like) an
// unknown option may be one of those, and the reading waits for them to be gone (AfterQt).
Reading ReadCommandLine(const QStringList& arguments, bool qtOptionsRemoved) {
    CommandLine commandLine;
    const bool parsed = commandLine.parse(arguments);
    if (commandLine.isSet(commandLine.help)) {
        Print(stdout, HelpText(commandLine));
        return {Reading::End, 0, {}};
    }
    if (commandLine.isSet(commandLine.version)) {
        Print(stdout, QStringLiteral("zuffile %1\n").arg(ProgramVersion));
        return {Reading::End, 0, {}};
    }
    if (!parsed && !qtOptionsRemoved)
        return {Reading::AfterQt, 0, {}};
    const QStringList paths = commandLine.positionalArguments();
    if (!parsed || paths.size() > 1) {
        const QString error =
            parsed ? Text(QT_TRANSLATE_NOOP("CommandLine", "Only one file or folder can be opened."))
                   : commandLine.errorText();
        Print(stderr, QStringLiteral("zuffile: %1\n%2\n")
                          .arg(error, Text(QT_TRANSLATE_NOOP("CommandLine",
                                                             "Try 'zuffile --help'."))));
        return {Reading::End, 1, {}};
    }
    if (paths.isEmpty())
        return {};
    // A path that names nothing is told here and, once the window system is there, in a
    // message box; the window then opens on the stored working folder.
    StartTarget start = StartTargetFor(paths.constFirst());
    if (!start.error.isEmpty())
        Print(stderr, QStringLiteral("zuffile: %1\n").arg(start.error));
    return {Reading::Start, 0, start};
}

// The end of the session closes the program as the user would close its window. A menu or a
// dialog still open is closed first (a question closed is answered as Esc answers it, so a
// batch asking it stops; a batch's progress closed stops after the current file), and the
// window closes once the event loop of every dialog has returned. A walk or a batch still
// running holds the close back until it is over, as it does the user's.
void CloseAtSessionEnd() {
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
    } else if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->close(); // as its close button would: a dialog cancels, a progress stops
    } else if (QThread::currentThread()->loopLevel() <= 1) {
        QApplication::closeAllWindows();
        return;
    }
    QTimer::singleShot(10, qApp, &CloseAtSessionEnd);
}

} // namespace

int main(int argc, char* argv[]) {
    // Read before the window system is there, so that --help, --version and mistakes are
    // answered without one; a core application object holds the translations meanwhile.
    Reading reading;
    {
        QCoreApplication core(argc, argv);
        InstallTranslations(core);
        reading = ReadCommandLine(ProgramArguments(argc, argv), false);
    }
    if (reading.next == Reading::End)
        return reading.exitCode;

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zuffile"));
    QApplication::setApplicationVersion(ProgramVersion.toString());
    QApplication::setDesktopFileName(QStringLiteral("com.strumlex.zuffile"));
    QApplication::setWindowIcon(ProgramIcon());
    InstallTranslations(application);
    if (reading.next == Reading::AfterQt) {
        reading = ReadCommandLine(ProgramArguments(argc, argv), true);
        if (reading.next == Reading::End)
            return reading.exitCode;
    }

    // From here on SIGTERM, as sent at the end of a desktop session, closes the window.
    const TerminationWatcher termination;
    QObject::connect(&termination, &TerminationWatcher::received, &CloseAtSessionEnd);
    SettingsStore store;
    const std::unique_ptr<MainWindow> window = StartUp(store, reading.start);
    // The session manager asks for the settings before it ends the session; the session may
    // yet go on (a checkpoint, a cancelled log-out), so the window stays open.
    QObject::connect(&application, &QGuiApplication::commitDataRequest, window.get(),
                     [&window](QSessionManager&) { CommitSettings(*window); });
    const int exitCode = QApplication::exec();
    return ShutDown(*window, exitCode);
}

// The window program: the command line, start-up, the event loop, shutdown.

#include "app/main_window.h"
#include "app/pictures_widget.h"
#include "app/start_target.h"
#include "base/program_info.h"
#include "platform/native_file.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

namespace {

void Print(FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

struct CommandLine : QCommandLineParser {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Prints this help and exits.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Prints the program's name and version and exits.")};
    CommandLine() {
        setApplicationDescription(QStringLiteral(
            "ZUF File Manager: lists, searches, renames and tidies folder trees of ZUF "
            "tablature files.\nWithout an argument it opens on the working folder of the last "
            "run."));
        addOption(help);
        addOption(version);
        addPositionalArgument(
            QStringLiteral("path"),
            QStringLiteral("A folder to open, or a file to open selected in its folder."),
            QStringLiteral("[FILE|FOLDER]"));
    }
};

QStringList Arguments(int argc, char* argv[]) {
    // Decoded as file names are, so that a name with undecodable bytes still opens.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << DecodeFileName(QByteArray(argv[i]));
    return arguments;
}

} // namespace

int main(int argc, char* argv[]) {
    // --help and --version are answered before the application object exists, so that they
    // work without a window system. Qt's own options (-platform, -style) are not known yet
    // and are ignored here; the application object takes them out of the arguments.
    {
        CommandLine early;
        early.parse(Arguments(argc, argv));
        if (early.isSet(early.help)) {
            // Without an application object the parser does not know the program's name.
            Print(stdout, early.helpText().replace(QStringLiteral("<executable_name>"),
                                                   QStringLiteral("zuffile")));
            return 0;
        }
        if (early.isSet(early.version)) {
            Print(stdout, QStringLiteral("zuffile %1\n").arg(ProgramVersion));
            return 0;
        }
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zuffile"));
    QApplication::setApplicationVersion(ProgramVersion.toString());
    QApplication::setDesktopFileName(QStringLiteral("com.strumlex.zuffile"));
    QApplication::setWindowIcon(ProgramIcon());

    CommandLine commandLine;
    const QStringList arguments = Arguments(argc, argv);
    if (!commandLine.parse(arguments) || commandLine.positionalArguments().size() > 1) {
        const QString error = commandLine.errorText().isEmpty()
                                  ? QStringLiteral("Only one file or folder can be opened.")
                                  : commandLine.errorText();
        Print(stderr, QStringLiteral("zuffile: %1\nTry 'zuffile --help'.\n").arg(error));
        return 1;
    }
    StartTarget start;
    if (!commandLine.positionalArguments().isEmpty()) {
        const QString path = commandLine.positionalArguments().constFirst();
        start = StartTargetFor(path);
        if (!start.error.isEmpty()) {
            Print(stderr, QStringLiteral("zuffile: %1: %2\n").arg(path, start.error));
            return 1;
        }
    }

    const std::unique_ptr<MainWindow> window = StartUp(start);
    const int exitCode = QApplication::exec();
    return ShutDown(exitCode);
}

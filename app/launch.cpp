#include "app/launch.h"

#include <QCoreApplication>
#include <QStandardPaths>

#ifndef Q_OS_WIN
#include <QDir>
#include <QFileInfo>
#endif

#ifdef Q_OS_WIN
#include <QFileInfo>
#include <QProcess>
#else
#include "platform/native_file.h"

#include <cerrno>
#include <csignal>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;
#endif

namespace {

#ifndef Q_OS_WIN
// A path of this file system that names a regular file, taken byte for byte: names that are
// not valid UTF-8 are found as well.
bool IsRegularFile(const QString& path) {
    struct stat status {};
    return ::stat(EncodeFileName(path).constData(), &status) == 0 && S_ISREG(status.st_mode);
}

bool IsExecutableFile(const QString& path) {
    return IsRegularFile(path) && ::access(EncodeFileName(path).constData(), X_OK) == 0;
}

// A path that names an executable file, or a bare name found on the search path.
bool ProgramExists(const QString& programPath) {
    if (!programPath.contains(QLatin1Char('/')))
        return !QStandardPaths::findExecutable(programPath).isEmpty();
    return IsExecutableFile(programPath);
}

// The folder of wine's drives: $WINEPREFIX, or ~/.wine.
QString WineDrives() {
    QString prefix = qEnvironmentVariable("WINEPREFIX");
    if (prefix.isEmpty())
        prefix = QDir::homePath() + QStringLiteral("/.wine");
    return prefix + QStringLiteral("/dosdevices/");
}

// The entry `name` of `folder`, its letter case ignored as wine ignores it; empty when the
// folder has none.
QString EntryIgnoringCase(const QString& folder, const QString& name) {
    const QString exact = folder + QLatin1Char('/') + name;
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder + QLatin1Char('/') + entry;
    }
    return {};
}

// A Windows program: a path of this file system must exist; a drive path ("C:\...") must
// exist on wine's drive of that letter. Any other form is for wine to find.
bool WindowsProgramExists(const QString& programPath) {
    if (programPath.startsWith(QLatin1Char('/')))
        return IsRegularFile(programPath);
    if (programPath.size() < 3 || programPath[1] != QLatin1Char(':') || !programPath[0].isLetter())
        return true;
    QString path = WineDrives() + programPath[0].toLower() + QLatin1Char(':');
    const QStringList names = programPath.mid(2)
                                  .replace(QLatin1Char('/'), QLatin1Char('\\'))
                                  .split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    for (const QString& name : names) {
        path = EntryIgnoringCase(path, name);
        if (path.isEmpty())
            return false;
    }
    return IsRegularFile(path);
}

// Starts the plan's program with its arguments as the exact bytes of their names, without a
// shell, and lets a waiting thread collect its exit so that no finished child lingers.
bool SpawnDetached(const LaunchPlan& plan) {
    std::vector<QByteArray> words;
    words.push_back(EncodeFileName(plan.program));
    for (const QString& argument : plan.arguments)
        words.push_back(EncodeFileName(argument));
    std::vector<char*> argv;
    for (QByteArray& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    // The program runs in a session of its own, with no signal blocked and SIGPIPE at its
    // default, whatever this process has set up.
    posix_spawnattr_t attributes;
    ::posix_spawnattr_init(&attributes);
    sigset_t none;
    sigemptyset(&none);
    sigset_t pipe;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    ::posix_spawnattr_setsigmask(&attributes, &none);
    ::posix_spawnattr_setsigdefault(&attributes, &pipe);
    ::posix_spawnattr_setflags(&attributes,
                               POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    pid_t child = 0;
    const int failed = ::posix_spawnp(&child, argv[0], nullptr, &attributes, argv.data(), environ);
    ::posix_spawnattr_destroy(&attributes);
    if (failed != 0)
        return false;
    std::thread([child] {
        int status = 0;
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
    return true;
}
#endif

} // namespace

LaunchPlan PlanLaunch(const QString& programPath, const QString& filePath,
                      const QString& winePath) {
    if (programPath.isEmpty())
        return {};
#ifdef Q_OS_WIN
    (void)winePath;
    // A path must name a program file (.exe, .com, .bat, .cmd); a bare name is looked up on the
    // search path, as the system would.
    const bool isPath = programPath.contains(QLatin1Char('\\')) ||
                        programPath.contains(QLatin1Char('/')) ||
                        programPath.contains(QLatin1Char(':'));
    const QFileInfo info(programPath);
    const bool found = isPath ? info.isFile() && info.isExecutable()
                              : !QStandardPaths::findExecutable(programPath).isEmpty();
    if (!found)
        return {};
    return {programPath, {filePath}};
#else
    if (programPath.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive)) {
        if (winePath.isEmpty() || !WindowsProgramExists(programPath))
            return {};
        return {winePath, {programPath, filePath}};
    }
    if (!ProgramExists(programPath))
        return {};
    return {programPath, {filePath}};
#endif
}

bool LaunchProgram(const QString& programPath, const QString& filePath) {
    const LaunchPlan plan =
        PlanLaunch(programPath, filePath, QStandardPaths::findExecutable(QStringLiteral("wine")));
    if (plan.program.isEmpty())
        return false;
#ifdef Q_OS_WIN
    return QProcess::startDetached(plan.program, plan.arguments);
#else
    return SpawnDetached(plan);
#endif
}

QString ProgramNotFoundText(const QString& programName, const QString& programPath,
                            const QString& winePath) {
    QString text =
        programPath.isEmpty()
            ? QCoreApplication::translate("Launch", "No program is set for %1.").arg(programName)
            : QCoreApplication::translate("Launch", "%1 was not found:\n%2")
                  .arg(programName, programPath);
#ifndef Q_OS_WIN
    if (winePath.isEmpty() && programPath.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        text += QCoreApplication::translate("Launch", "\nA Windows program is started through "
                                                      "wine, which is not installed.");
#else
    (void)winePath;
#endif
    return text + QCoreApplication::translate("Launch", "\n\nSet the program's path in the menu "
                                                        "under \"ZUF File Options...\".");
}

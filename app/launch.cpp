#include "app/launch.h"

#include <QStandardPaths>

#ifdef Q_OS_WIN
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

// A Windows program: a drive path ("C:\...") is for wine to find; a path of this file system
// must exist.
bool WindowsProgramExists(const QString& programPath) {
    if (!programPath.startsWith(QLatin1Char('/')))
        return true;
    return IsRegularFile(programPath);
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

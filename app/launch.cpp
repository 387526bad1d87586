#include "app/launch.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

// A path that names an executable file, or a bare name found on the search path.
bool ProgramExists(const QString& programPath) {
    if (!programPath.contains(QLatin1Char('/')))
        return !QStandardPaths::findExecutable(programPath).isEmpty();
    const QFileInfo info(programPath);
    return info.isFile() && info.isExecutable();
}

// A Windows program: a drive path ("C:\...") is for wine to find; a path of this file system
// must exist.
bool WindowsProgramExists(const QString& programPath) {
    if (!programPath.startsWith(QLatin1Char('/')))
        return true;
    return QFileInfo(programPath).isFile();
}

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
    return QProcess::startDetached(plan.program, plan.arguments);
}

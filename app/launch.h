#pragma once
// Starting the editor or the viewer with the selected file: the program with the file's path as
// its one argument, never through a shell; on Linux the program and the path are passed as the
// exact bytes of their names. On systems other than Windows a program path ending
// in ".exe" is started through wine when wine is installed.

#include <QString>
#include <QStringList>

struct LaunchPlan {
    QString program; // empty: nothing is started
    QStringList arguments;
};

// What to start for `programPath` and `filePath`. `winePath` is the installed wine program, or
// empty when there is none. A missing program, or a Windows program without wine, gives an
// empty plan.
LaunchPlan PlanLaunch(const QString& programPath, const QString& filePath, const QString& winePath);

// Plans with the wine found on the search path and starts the program detached. Answers
// whether a program was started; callers ignore the outcome.
bool LaunchProgram(const QString& programPath, const QString& filePath);

// What the user is told when `programName` ("Strumlex", "ZUF View") could not be started from
// `programPath`: that it was not found, with its path, and where its path is set. `winePath` as
// for PlanLaunch: a Windows program on another system needs wine.
QString ProgramNotFoundText(const QString& programName, const QString& programPath,
                            const QString& winePath);

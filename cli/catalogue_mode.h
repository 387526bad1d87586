#pragma once
// zuflist's catalogue mode: the report line of every file below a folder.

#include <QString>
#include <QStringList>

// Runs the catalogue mode with the command-line arguments that follow the program name.
// Returns the exit status: 0, or 2 on a usage error (the usage text then goes to stderr).
int RunCatalogueMode(const QStringList& args);

// The lines of --help that describe the catalogue mode.
QString CatalogueModeUsage();

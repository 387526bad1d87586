#pragma once
// zuflist's information mode: each file's summary as the information panel reads it.

#include <QString>
#include <QStringList>

// Prints the summary of each file in `files` to standard output. Returns the exit status: 0
// when every file was good, 1 when any was bad or could not be opened, 2 on a usage error (no
// file given; the usage text then goes to standard error) or when standard output cannot be
// written.
int RunInfoMode(const QStringList& files);

// The lines of --help that describe the information mode.
QString InfoModeUsage();

// A value as printed: backslash, CR, LF and TAB escaped as \\ \r \n \t.
QString EscapeValue(const QString& value);

struct FileSummary;

// The printed summary of a file as ReadSummary read it, with its name and folder.
QString InfoModeText(const FileSummary& summary);

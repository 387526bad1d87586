#pragma once
// zuflist's --set-info form: fields of the information block set in each file named on the
// command line, by the rule of every save: only an intact file of the older generation is
// written, never a damaged or foreign one.

#include "fileops/info_batch.h"

#include <QString>
#include <QStringList>

class QCommandLineParser;

// Declares --set-info FIELD=TEXT, which may be given again for another field.
void AddSetInfoOption(QCommandLineParser& parser);
// True when the command line asks for the --set-info form.
bool HasSetInfoForm(const QCommandLineParser& parser);
// The edit the values give: FIELD is title, subtitle (also author) or comments, in any case;
// an empty TEXT clears the field; a field not named keeps each file's own text. Returns what
// is wrong (an unknown field, a field named twice, a value without "="), or an empty text.
QString TakeSetInfoEdit(const QCommandLineParser& parser, InfoEdit& edit);

// Saves the edit into each file, in order, and writes one line per file: the path as given, a
// tab, and written, unchanged or the reason it was not written (newer generation, bad or empty,
// or the system's error text), LF at the end; the path escapes backslash, CR, LF and TAB as
// \\ \r \n \t. Returns the exit status: 0 when every file was written or held the texts
// already, 1 when any was not written, 2 when no file was given (the usage then goes to
// standard error) or standard output cannot be written.
int RunSetInfoMode(const InfoEdit& edit, const QStringList& files);

// The lines of --help that describe the --set-info form.
QString SetInfoModeUsage();

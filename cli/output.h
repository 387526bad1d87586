#pragma once
// zuflist's standard output. Every write is checked, so that a full disk, a closed output or a
// failed flush is reported instead of passing for success.

#include <QByteArrayView>
#include <QString>

// Runs first in main: a closed standard stream is opened on the null device, so that no file
// the program opens later takes its number; a closed standard output counts as a failed write.
void PrepareStandardStreams();

// Writes the bytes to standard output; a failure is remembered for FinishOutput.
void WriteOutput(QByteArrayView bytes);

// Writes the text, UTF-8, to standard error.
void ErrorText(const QString& text);
// Writes "zuflist: <message>" and a line end to standard error.
void ErrorLine(const QString& message);

// Flushes standard output. When a write or the flush failed, says so on standard error and
// returns 2; otherwise returns `status`.
int FinishOutput(int status);

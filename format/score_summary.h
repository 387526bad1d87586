#pragma once
// The score summary of the current file: format version, measures, time and key signature,
// modules with their names, the first module's tuning and the notes. Also decides whether the
// file is bad.

#include "platform/native_file.h"

struct FileSummary;

// Reads the summary of the open file into `summary`, after ReadSummary has read the texts
// (and, for the newer layout, the header). With `withNotes` the notes and the module names are
// read too.
// Returns 1 when the file was read, 0 when it was found bad: then currentEntry.isBad is 1, the
// texts are empty and the title is "Empty ZUF File" (every byte 0) or "Bad ZUF File". The file
// stays open.
int ReadScoreSummary(NativeFile& file, FileSummary& summary, bool withNotes);

// The bad-file outcome: marks the file bad and replaces its texts. Returns 0.
int MarkFileBad(NativeFile& file, FileSummary& summary);

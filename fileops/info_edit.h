#pragma once
// Editing the information block of the current file: the three texts packed into the 200
// bytes of the block, the check that the file may be written at all, and the save with the
// row and the panel following. It is a file operation like the batches: it asks through the
// file dialogs, and the undo record can take the save back.

#include "fileops/file_batch.h"
#include "format/file_summary.h"

#include <QString>
#include <QStringView>

class CatalogueModel;
class NativeFile;
class UiHooks;
struct UndoRecord;

// The three texts as they go into the block. In code page 1252 each character is one byte:
// the title keeps at most 197 of them (a), the subtitle 197 - a (b), the comments 197 - a - b,
// so that the texts and all three NULs fit the 200 bytes. (Allowing the title 199 bytes and
// the subtitle 198 minus it would push the later NULs past the block, and the next read would
// take the score's numbers for the subtitle.)
struct InfoTexts {
    QString title;
    QString subtitle;
    QString comments;
};
InfoTexts PackInfoTexts(QStringView title, QStringView subtitle, QStringView comments);

// The file of `list`'s row read afresh, notes included, judged anew (a row marked bad by an
// earlier scan is read again). A row that does not exist gives a summary with an empty
// currentPath.
FileSummary LoadInfoFile(const CatalogueModel& list, int row);

// Whether the file, as last read into `current`, may take a new information block: an older
// generation file (generation below 10) that was read in good order. Saving into the newer
// generation, a damaged file or a foreign file would destroy its first 200 bytes.
bool InfoSaveAllowed(const FileSummary& current);

// What a file is to a save of its information block, or what the save made of it.
enum class InfoFileState : quint8 {
    Writable,  // an intact older-generation file that may take the block
    Newer,     // of the newer generation (10 or more), whose layout the writer does not know
    Bad,       // too short to hold the block, damaged, empty, or not a ZUF file at all
    ReadOnly,  // the system would not let it be written (`error` says why)
    Failed,    // it could not be opened, read or written (`error` says why)
    Written,   // a save wrote its new block
    Unchanged, // a save found the block holding the new texts already and left the file alone
};
struct InfoFileStatus {
    InfoFileState state = InfoFileState::Writable;
    int error = 0; // the system's error code for ReadOnly and Failed
    bool operator==(const InfoFileStatus&) const = default;
};

// The reason as the window shows it: "newer generation", "bad or empty", "read-only", the
// system's error text of a failure, "written", "unchanged" (translated).
QString InfoFileStatusText(InfoFileStatus status);
// The same untranslated, as zuflist prints it.
QString InfoFileStatusWord(InfoFileStatus status);

// Judges the file open in `file` (for reading at least) by the rule of every save: it must hold
// more than the block and the generation bytes and read as an intact older-generation file.
// Reads it into `summary` (whose currentPath names it) as ReadSummary does, without notes.
// Answers Writable, Newer, Bad, or Failed when the file cannot be described.
InfoFileStatus JudgeInfoFile(NativeFile& file, FileSummary& summary);

// Opens and judges the file at `path` without changing it; a file that passes is ReadOnly when
// the system would refuse to open it for writing.
InfoFileStatus CheckInfoFileState(const QString& path);

// The block lines of the comments: LF line breaks (as the edit fields give them) become the CR
// LF that the files always used; a CR LF stays as it is.
QString BlockLines(QStringView text);

enum class InfoSaveResult {
    Saved,   // the block is written, the row shows the new texts
    Refused, // the file is no longer an intact older-generation file: nothing written
    Failed,  // the file could not be written: nothing changed
};

// The message shown when the file is refused.
QString InfoRefusedText(const QString& path);

// Saves the texts (packed first) into the information block of the file of `current`, which
// is read again for the check. The comments come with LF line breaks, as the edit field gives
// them; the block stores CR LF, which packing counts as two bytes, and the row takes them so.
// The file is checked again on disk first: it must exist, hold more than the block and its
// header bytes, and still read as an intact older-generation file. On success row `row` of `list`
// takes the packed texts, and `undo` the block as it was before. The window's panel is redrawn in
// every case. Failures are shown through the dialogs.
InfoSaveResult SaveInfoTexts(CatalogueModel& list, int row, FileSummary& current,
                             const InfoTexts& texts, FileDialogs& dialogs, UndoRecord& undo,
                             UiHooks& window);

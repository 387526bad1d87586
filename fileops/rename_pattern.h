#pragma once
// Renaming and filing many files by one pattern such as "%author%/%title%[ (%tuning%)]": the
// pattern's pieces, the names it makes, and the plan that says for each file where it would go
// and whether it can. The plan is a value worked out from plain facts about the files, so that
// a worker thread can compute it for a large selection while the window stays free; the
// preview, the run and zuflist share it.
//
// Names that work everywhere: every field value and the pattern's own text lose the characters
// that the title suggestion drops (! " / : ; < = > ?) and also \ * | and control characters;
// each folder and name loses leading and trailing spaces and trailing dots; a Windows device
// name (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9, any case, with or without an extension)
// gets a "_" after it; each folder and name is cut to 250 UTF-16 units, and on Linux further so
// that it takes at most 255 bytes in UTF-8 (extension included), never inside a character. A
// file keeps its own extension, never changed by the case rule: from its last dot when "zuf" or
// "tab" alone follows it, in the extension's own case, or else the three letters "zuf" or
// "tab" that end the name.

#include <QString>
#include <QStringList>
#include <QStringView>
#include <atomic>
#include <vector>

class CatalogueModel;
struct Entry;

// What a field of the pattern stands for.
enum class PatternField : quint8 {
    Title,    // %title%
    Subtitle, // %author% and %subtitle%: the text the Author column shows
    Tuning,   // %tuning%: the Tuning column's text, trimmed
    Name,     // %name%: the current name without its extension
    Folder,   // %folder%: the name of the file's own folder
    Date,     // %date%: the last-write date in the UTC calendar, YYYY-MM-DD
    Year,     // %year%
    Size,     // %size%: in bytes
    Number,   // %n%, %n:3%: the file's position in the list of files, from 1
};

struct PatternPiece {
    enum class Kind : quint8 {
        Text,      // the pattern's own text, cleaned already
        Field,     // a field's value
        Separator, // the end of a folder's name
    };
    Kind kind = Kind::Text;
    PatternField field = PatternField::Title;
    quint8 width = 0; // Number: the digits it is padded to with zeros (0: as it is)
    int part = -1;    // the optional part in [ ] the piece stands in; -1 for none
    QString text;
};

struct RenamePattern {
    std::vector<PatternPiece> pieces;
    // Per optional part, and for the pieces outside any, the fields it holds (bit 1 << field).
    std::vector<quint16> partFields;
    quint16 requiredFields = 0;
    bool hasFolders = false; // a separator: the results go below the base folder
    bool valid = false;
};

// Reads a pattern. Fields are written %title%, %author%, %subtitle%, %tuning%, %name%,
// %folder%, %date%, %year%, %size%, %n% and %n:W% (W from 1 to 9), in any case. Text in
// [ ] is an optional part, left out whole when any field in it is empty (a part without a
// field is always kept); parts do not nest. "[[", "]]" and "%%" stand for "[", "]" and "%".
// "/" (and on Windows "\") ends a folder's name. A pattern that cannot be read comes back
// not valid, with the reason in `error` (translated) and in `errorPos` the position in the
// text (UTF-16 units) of what is wrong.
RenamePattern ParseRenamePattern(QStringView text, QString* error = nullptr,
                                 int* errorPos = nullptr);

// The fields as they are written in a pattern, for a menu that inserts them.
QStringList RenamePatternFields();

// The length of a file name's own extension as the names rule takes it: ".zuf" or ".tab" after
// the last dot, or the three letters "zuf" or "tab" that end the name; 0 for another name.
qsizetype NameExtensionLength(QStringView name);

// The longest new path the plan allows: on Linux in UTF-8 bytes, on Windows in UTF-16 units.
#ifdef Q_OS_WIN
constexpr qsizetype RenamePathMax = 32000;
#else
constexpr qsizetype RenamePathMax = 4095;
#endif

// The case rule for each folder and the name (the case tools' own rules).
enum class RenameCase : quint8 { AsIs, Upper, Lower, Words };

struct RenamePlanOptions {
    // Where a pattern with folders files the results: a normalised folder, ending in the
    // separator, spelled as the files' folders are (empty: each file's own folder). A pattern
    // without folders renames each file in its own folder.
    QString baseFolder;
    RenameCase nameCase = RenameCase::AsIs;
    // A new name that is taken (by a file on disk, or by a file earlier in the list) gets the
    // lowest free " (2)", " (3)", ... before its extension instead of being refused.
    bool numberDuplicates = false;
};

// What the plan knows of one file: plain values, safe to hand to another thread.
struct RenameFacts {
    QString folder; // normalised, ending in the separator
    QString name;
    QString title;
    QString subtitle;
    QString tuning; // the Tuning column's text
    qint64 lastWriteTime = 0;
    qint64 size = 0;
    bool isBad = false; // its texts are placeholders, not its own
    int position = 0;   // %n%
};

// The facts of a row's file, at `position` in the list of files.
RenameFacts RenameFactsOf(const Entry& entry, int position);
// The facts of the list's rows (ascending, in list order), numbered from 1.
std::vector<RenameFacts> RenameFactsOfRows(const CatalogueModel& list,
                                           const std::vector<int>& rows);

enum class RenameOutcome : quint8 {
    Rename,    // a new name in its own folder
    Move,      // into another folder
    Unchanged, // the name and folder it has now
    Conflict,  // another file of the list would get the same new path (each of them is marked)
    Exists,    // a file of that path exists now, even when it is renamed in the same batch
    Empty,     // the name or a folder would be empty
    TooLong,   // the new path would be longer than RenamePathMax
    Bad,       // the pattern needs a text field that the bad file does not have
};

// True for the outcomes that need no change or that the run carries out.
bool RenameCanBeDone(RenameOutcome outcome);
// The preview's text of the outcome: "Rename", "Move", "Unchanged" or the reason (translated).
QString RenameOutcomeText(RenameOutcome outcome);
// zuflist's word: rename, move, unchanged, conflict, exists, empty, too-long, bad.
QLatin1String RenameOutcomeWord(RenameOutcome outcome);

struct PlannedRename {
    QString oldPath;
    QString newFolder; // ending in the separator
    QString newName;   // empty for a bad file
    RenameOutcome outcome = RenameOutcome::Unchanged;
    QString newPath() const { return newFolder + newName; }
};

// The plan for the files, one entry per file in the same order. Looks at the disk to learn
// which names are taken, listing each new folder once. Names compare as the platform's file
// systems do (ignoring case on Windows). When `cancel` turns true the plan stops and comes
// back empty. The pattern must be valid.
std::vector<PlannedRename> PlanRenames(const RenamePattern& pattern,
                                       const RenamePlanOptions& options,
                                       const std::vector<RenameFacts>& files,
                                       const std::atomic_bool* cancel = nullptr);

#pragma once
// Editing the information of many files at once: what the selected rows share in each field,
// an edit per field (keep each file's own text, set one text for all, or clear it), the check
// of each file before anything is written (the rule of the single save: only an intact file of
// the older generation, never a damaged or foreign one), and the save of them all as one batch
// that Undo takes back in one step. The window, zuflist and the tests share it.

#include "fileops/info_edit.h"
#include "fileops/undo.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <array>
#include <atomic>
#include <functional>
#include <thread>
#include <vector>

class CatalogueModel;

// The three fields of the information block, in the block's order.
enum class InfoField : int { Title = 0, Subtitle = 1, Comments = 2 };
constexpr int InfoFieldCount = 3;

// What the selected files hold in one field: one text they all share, or not.
struct SharedField {
    bool same = true;
    QString text; // when same
};
struct SharedInfo {
    std::array<SharedField, InfoFieldCount> fields;
    int fileCount = 0; // the rows compared
};

// The texts the rows share, taken from the rows themselves (no file is read), so that any
// selection is quick. A row marked bad holds a placeholder instead of its texts and is left out.
SharedInfo SharedInfoOfRows(const CatalogueModel& list, const std::vector<int>& rows);

// The placeholder of a field whose files differ: "(different in N files)".
QString DifferentInFilesText(int files);

// The quote tool among the text tools a field records (the case tools are CaseUpper, CaseLower
// and CaseWords of info/text_case.h).
constexpr int QuoteTool = 213;

// What a save does to one field of each file.
struct FieldEdit {
    enum class Kind : quint8 {
        Keep, // each file keeps its own text, through `tools`
        Set,  // every file gets `text`; an empty text clears the field
    };
    Kind kind = Kind::Keep;
    QString text;
    // Keep: the text tools applied, in order, to the whole of each file's own text.
    std::vector<int> tools;

    static FieldEdit set(const QString& text) { return {Kind::Set, text, {}}; }
    bool changesFiles() const { return kind == Kind::Set || !tools.empty(); }
};
using InfoEdit = std::array<FieldEdit, InfoFieldCount>;
bool EditChangesFiles(const InfoEdit& edit);

// One text tool on a file's own text in code page 1252. A case tool maps each character as
// ConvertCase does; a character whose new case the code page lacks keeps its old one, so that
// no letter becomes a '?'. The quote tool removes every double quote.
QByteArray ApplyToolToBytes(int tool, QByteArrayView text);

// The information block that the edit makes of a file whose first bytes are `head` (its texts
// split as the reader splits them): kept fields take the file's own bytes (through their
// tools), set fields the text in code page 1252 (the comments with CR LF line breaks), and the
// three are cut as the single save cuts them.
QByteArray EditedInfoBlock(QByteArrayView head, const InfoEdit& edit);

// The texts a row shows for a block, as the reader reads them from it.
InfoTexts InfoTextsOfBlock(QByteArrayView block);

// What saving one file did.
struct InfoFileSave {
    InfoFileStatus status;
    QByteArray oldBlock; // Written: the block before the save
    FileStamp stamp;     // Written: the file as the save left it
    InfoTexts texts;     // Written, Unchanged: the texts the file now holds
};

// Saves the edit into the file at `path`: the file is opened once, judged by the rule of every
// save (JudgeInfoFile), and written only when it passes and its block changes. A file that
// cannot be opened for reading and writing is Failed with the system's error code.
InfoFileSave SaveInfoFile(const QString& path, const InfoEdit& edit);

// One row of the list and what the save does to its file.
struct InfoRowEdit {
    int row = -1;
    InfoEdit edit;
};

// Asked before each file with the count done so far, the total and the file that comes next;
// false stops the batch there.
using InfoBatchProgress = std::function<bool(int done, int total, const QString& path)>;

struct InfoBatchResult {
    int written = 0;
    int unchanged = 0;
    QStringList failures; // "path: reason" for each file not written, in list order
    bool cancelled = false;
};

// Saves each row's edit into its file, in order. The rows of the files written take their new
// texts once at the end, in one change of the list. When anything was written, `undo` becomes
// one step per written file (its old block), so that one Undo takes the whole save back;
// otherwise it stays as it was. A stop through `progress` keeps what was written so far.
InfoBatchResult SaveInfoBatch(CatalogueModel& list, const std::vector<InfoRowEdit>& edits,
                              UndoRecord& undo, const InfoBatchProgress& progress = {});

// The text above the list of failures: "N files could not be written:" (translated).
QString InfoBatchFailureText(int files);

// Checks files on a worker thread (CheckInfoFileState, which changes nothing), so that a dialog
// over a large selection opens at once and shows the verdicts when they are ready. The
// destructor stops the worker and waits for it.
class InfoFileChecker {
public:
    explicit InfoFileChecker(std::vector<QString> paths);
    ~InfoFileChecker();
    InfoFileChecker(const InfoFileChecker&) = delete;
    InfoFileChecker& operator=(const InfoFileChecker&) = delete;

    int total() const { return int(m_paths.size()); }
    // How many files are checked: the verdicts of the files 0 to checked() - 1 may be read.
    int checked() const { return m_checked.load(std::memory_order_acquire); }
    bool finished() const { return checked() == total(); }
    const QString& path(int i) const { return m_paths[size_t(i)]; }
    InfoFileStatus status(int i) const { return m_statuses[size_t(i)]; }
    // Stops the worker and waits for it; the verdicts that came in stay.
    void stop();

private:
    std::vector<QString> m_paths;
    std::vector<InfoFileStatus> m_statuses;
    std::atomic<int> m_checked{0};
    std::atomic<bool> m_stop{false};
    std::thread m_worker;
};

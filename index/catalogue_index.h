#pragma once
// The catalogue index: an SQLite file in the user's cache folder with one record per file of
// the folders the user has opened, so that a list can be shown at once and only the files that
// changed are read again.
//
// A record keeps the folder and the name exactly as the file system gives them (bytes on
// Linux, UTF-16 units on Windows), what tells a changed file (size, last-write and change
// times, device and inode or volume and file index), when the file was last looked at, its
// place in its folder's listing, and everything its row and the search need. Folders keep
// their place in their parent's listing, so that the rows can be put in the order of a walk.
//
// The file is written ahead (WAL) in large transactions: a process killed at any moment loses
// at most its last transaction, and other processes read and write the same file meanwhile,
// waiting for each other's writes a little while. An index of another schema version is
// emptied and made anew; a file that is not a sound index is kept once beside it as `.broken`
// and replaced. Every failure is told, never thrown: the index is a cache, and whoever uses it
// reads the files instead.
//
// Its calls may come from any thread; they take turns.

#include "base/entry.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

struct sqlite3;

// What tells a file changed since it was read; times in the units of FileClockNow.
struct FileStamp {
    std::uint64_t size = 0;
    std::int64_t writeTime = 0;
    std::int64_t changeTime = 0;
    std::uint64_t device = 0; // or the volume serial number
    std::uint64_t inode = 0;  // or the file index
    bool operator==(const FileStamp&) const = default;
};

struct IndexedFolder {
    QString path;      // normalised, ending in the separator
    int position = 0;  // its place in its parent's listing
};

struct IndexedFile {
    Entry entry;                // as the refresh made it (not matched)
    FileStamp stamp;
    std::int64_t checkedAt = 0; // when the stamp was taken, in FileClockNow units
    int position = 0;           // its place in its folder's listing
    int folder = -1;            // from loadTree: its folder's place in the folders loaded
};

// A record whose file did not change, at a new place in its folder's listing.
struct FilePlace {
    QString folder;
    QString name;
    int position = 0;
};

// The changes a check of one tree makes to the index.
struct IndexChanges {
    std::vector<IndexedFolder> folders;      // new folders, or folders at a new place
    std::vector<QString> goneFolders;        // folders left, with every record inside
    std::vector<IndexedFile> files;          // new or changed records
    std::vector<std::pair<QString, QString>> goneFiles; // folder and name
    std::vector<FilePlace> places;
    bool empty() const {
        return folders.empty() && goneFolders.empty() && files.empty() && goneFiles.empty() &&
               places.empty();
    }
};

class CatalogueIndex {
public:
    // What went wrong, told once to the user. An index that is not there yet is no trouble:
    // it is made, and the files are read as without one.
    enum class Trouble {
        None,
        Replaced,   // of another schema version: emptied and made anew
        Damaged,    // not a sound index: kept as .broken, a new one is built
        Unusable,   // cannot be opened, read or written at all (a locked or unreadable file)
    };

    // The index file of this user: QStandardPaths::GenericCacheLocation + /Strumlex/ZUFFile/.
    static QString DefaultPath();
    // Deletes the index file and what SQLite keeps beside it; false with the system's error
    // text in `error` when a file stays.
    static bool Forget(const QString& path, QString* error = nullptr);
    // The schema version this program writes.
    static constexpr int SchemaVersion = 1;

    // `busyMilliseconds`: how long a read or write waits for another process's write.
    explicit CatalogueIndex(QString path = DefaultPath(), int busyMilliseconds = 3000);
    ~CatalogueIndex();
    CatalogueIndex(const CatalogueIndex&) = delete;
    CatalogueIndex& operator=(const CatalogueIndex&) = delete;

    const QString& path() const { return m_path; }
    // Opens the file, or makes it; true when the index can be used. Calling it again after
    // it succeeded does nothing.
    bool open();
    void close();

    // The trouble met since the last call, and what it was in words (empty when none). The
    // same trouble again is not told again until the index has worked in between.
    Trouble takeTrouble();
    QString troubleText() const;

    // The folders and files recorded at or below `root` (normalised). Files come to `each` in
    // no particular order, their entries' folder texts shared with the folder's path. False
    // when the index could not be read (the trouble says why); what came stays valid then.
    // `stop`, when set, ends the reading early (true is returned).
    bool loadTree(const QString& root, std::vector<IndexedFolder>& folders,
                  const std::function<void(IndexedFile&&)>& each,
                  const std::atomic<bool>* stop = nullptr);
    // Writes the changes in one transaction; false when they could not be written (nothing
    // of them is then).
    bool write(const IndexChanges& changes);

    // Bytes on disk: the file and its write-ahead log.
    std::int64_t sizeOnDisk() const;

private:
    bool openFile();
    bool prepareSchema();
    bool makeSchema();
    void fail(int code, const char* doing);
    void putAsideDamaged();

    mutable std::recursive_mutex m_mutex;
    QString m_path;
    int m_busyMilliseconds;
    sqlite3* m_db = nullptr;
    Trouble m_trouble = Trouble::None;
    Trouble m_told = Trouble::None;
    QString m_troubleText;
};

// The bytes a path or name is kept as: what the file system takes on Linux, the UTF-16 units
// on Windows; and back.
QByteArray IndexKey(const QString& text);
QString FromIndexKey(const QByteArray& bytes);

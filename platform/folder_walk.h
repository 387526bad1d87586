#pragma once
// Listing the entries of one folder, where Linux and Windows differ.
//
// Names are decoded with DecodeFileName, so undecodable bytes survive and the name opens the
// same file again. Folder links are reported as folders; each folder's identity (device and
// inode, or volume and file id) lets a walk recognise a folder it has entered before.

#include <QString>
#include <cstdint>
#include <vector>

struct FolderId {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    bool operator==(const FolderId&) const = default;
};

struct FolderItem {
    QString name;
    bool isFolder = false;
    // A device, pipe or socket (looked at only when details are wanted): opening one could
    // wait for ever or have effects, so it is never read.
    bool isSpecial = false;
    // Filled when hasDetails is set: always for folders and links. A plain file may be left
    // without them when the file system's own entry type says what it is: whoever opens it
    // reads its time and size from the opened file (or from DescribeItem), which saves a
    // status call for each file.
    bool hasDetails = false;
    std::int64_t lastWriteTime = 0; // milliseconds since 1970-01-01 UTC
    std::uint64_t size = 0;
    FolderId id;
    // The last-write and change times as finely as the system keeps them, in the units of
    // FileClockNow: a file rewritten in place, even with its old size and last-write time put
    // back, has a new change time.
    std::int64_t writeTime = 0;
    std::int64_t changeTime = 0;
};

// The system's clock in the units of the fine file times: nanoseconds since 1970 (Linux), or
// 100-nanosecond ticks since 1601 (Windows); and how many of them make a second.
std::int64_t FileClockNow();
std::int64_t FileClockPerSecond();
// A fine file time as milliseconds since 1970-01-01 UTC, as lastWriteTime holds it.
std::int64_t FileClockMs(std::int64_t time);

// Lists the folder (a path that may end in the separator) without "." and "..", in the order
// the file system returns them. Returns false, with nothing listed, when the folder cannot be
// read; `self` then stays untouched and `error`, when given, receives the system error code.
// With `describeEveryFile` every item has its details, plain files too, without any file
// being opened.
bool ListFolder(const QString& folder, std::vector<FolderItem>& items, FolderId& self,
                int* error = nullptr, bool describeEveryFile = false);

// Fills the item's kind, time, size and identity from the entry at `path`, as the listing
// does (following links; a link that leads nowhere describes itself). False when the entry no
// longer exists.
bool DescribeItem(const QString& path, FolderItem& item);

// The process's current directory as a path text (undecodable bytes kept), empty on failure.
QString CurrentFolder();

// Whether the folder could be made the current directory: it exists, is a folder and may be
// entered. False with the system error code in `error` when given. The window keeps its
// working folder itself and asks this instead of changing the process's current directory.
bool CanEnterFolder(const QString& folder, int* error = nullptr);

// Makes the folder the process's current directory; false when it cannot be entered, with the
// system error code in `error` when given.
bool SetCurrentFolder(const QString& folder, int* error = nullptr);

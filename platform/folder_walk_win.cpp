// The Windows side of platform/folder_walk.h. Every path goes through LongPathW, so that
// folders nested beyond 260 characters are listed and described like any other.

#include "platform/folder_walk.h"

#ifdef Q_OS_WIN
#include "platform/native_file.h"
#include "platform/win_path.h"

#include <windows.h>

static std::int64_t FileTimeToMs(const FILETIME& t) {
    return FileTimeMs((std::uint64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime);
}

// Opens a folder for listing; through a junction or folder link, the folder it leads to.
static HANDLE OpenFolder(const std::wstring& path) {
    return CreateFileW(path.c_str(), FILE_LIST_DIRECTORY,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

// The volume and file index of an open folder, which a walk compares to recognise a folder it
// has entered by another way.
static bool FolderIdOf(HANDLE folder, FolderId& id) {
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(folder, &info))
        return false;
    id.device = info.dwVolumeSerialNumber;
    id.inode = (std::uint64_t(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    return true;
}

// The entries come from the open folder with their file ids, so that a folder costs one
// opening by path however many subfolders it has: each opening walks the whole path again.
// The listing describes every entry: `describeEveryFile` changes nothing here.
bool ListFolder(const QString& folder, std::vector<FolderItem>& items, FolderId& self, int* error,
                bool) {
    items.clear();
    HANDLE h = OpenFolder(LongPathW(folder));
    if (h == INVALID_HANDLE_VALUE) {
        if (error)
            *error = int(GetLastError());
        return false;
    }
    FolderId id;
    bool ok = FolderIdOf(h, id);
    // Aligned for the records inside, which start on 8-byte boundaries.
    alignas(8) static char buffer[64 * 1024];
    FILE_INFO_BY_HANDLE_CLASS kind = FileIdBothDirectoryRestartInfo;
    while (ok && GetFileInformationByHandleEx(h, kind, buffer, sizeof buffer)) {
        kind = FileIdBothDirectoryInfo;
        for (size_t at = 0;;) {
            const auto* e = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(buffer + at);
            const QString name =
                QString::fromWCharArray(e->FileName, int(e->FileNameLength / sizeof(wchar_t)));
            const bool isFolder = e->FileAttributes & FILE_ATTRIBUTE_DIRECTORY;
            if (!(isFolder && (name == QLatin1String(".") || name == QLatin1String("..")))) {
                FolderItem item;
                item.name = name;
                item.isFolder = isFolder;
                item.hasDetails = true;
                item.lastWriteTime = FileTimeMs(std::uint64_t(e->LastWriteTime.QuadPart));
                item.size = std::uint64_t(e->EndOfFile.QuadPart);
                item.id = {id.device, std::uint64_t(e->FileId.QuadPart)};
                item.writeTime = e->LastWriteTime.QuadPart;
                item.changeTime = e->ChangeTime.QuadPart;
                items.push_back(std::move(item));
            }
            if (e->NextEntryOffset == 0)
                break;
            at += e->NextEntryOffset;
        }
    }
    const DWORD ended = GetLastError(); // why the listing stopped
    CloseHandle(h);
    if (!ok || ended != ERROR_NO_MORE_FILES) {
        if (error)
            *error = int(ended);
        items.clear();
        return false;
    }
    self = id;
    return true;
}

std::int64_t FileClockNow() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return std::int64_t((std::uint64_t(now.dwHighDateTime) << 32) | now.dwLowDateTime);
}

std::int64_t FileClockPerSecond() {
    return 10000000LL;
}

std::int64_t FileClockMs(std::int64_t time) {
    return FileTimeMs(std::uint64_t(time));
}

bool DescribeItem(const QString& path, FolderItem& item) {
    const std::wstring native = LongPathW(path);
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(native.c_str(), GetFileExInfoStandard, &data))
        return false;
    item.isFolder = data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
    item.hasDetails = true;
    item.lastWriteTime = FileTimeToMs(data.ftLastWriteTime);
    item.size = (std::uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    item.writeTime = std::int64_t((std::uint64_t(data.ftLastWriteTime.dwHighDateTime) << 32) |
                                  data.ftLastWriteTime.dwLowDateTime);
    if (item.isFolder) {
        HANDLE h = OpenFolder(native);
        if (h != INVALID_HANDLE_VALUE) {
            FolderIdOf(h, item.id);
            CloseHandle(h);
        }
    }
    return true;
}

bool SetCurrentFolder(const QString& folder, int* error) {
    if (SetCurrentDirectoryW(reinterpret_cast<const wchar_t*>(folder.utf16())))
        return true;
    if (error)
        *error = int(GetLastError());
    return false;
}

bool CanEnterFolder(const QString& folder, int* error) {
    const DWORD attributes = GetFileAttributesW(LongPathW(folder).c_str());
    DWORD code = attributes == INVALID_FILE_ATTRIBUTES ? GetLastError() : 0;
    if (code == 0 && !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        code = ERROR_DIRECTORY;
    if (code != 0 && error)
        *error = int(code);
    return code == 0;
}

QString CurrentFolder() {
    const DWORD n = GetCurrentDirectoryW(0, nullptr);
    if (n == 0)
        return {};
    std::wstring text(n, L'\0');
    const DWORD got = GetCurrentDirectoryW(n, text.data());
    if (got == 0 || got >= n)
        return {};
    text.resize(got);
    return QString::fromStdWString(text);
}
#endif

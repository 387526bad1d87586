#include "platform/win_clipboard.h"

#ifdef Q_OS_WIN
#include <cstring>
#include <windows.h>

// Moves `size` bytes into a new movable global block, as the clipboard takes them.
static HGLOBAL GlobalCopy(const void* data, size_t size) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block)
        return nullptr;
    void* to = GlobalLock(block);
    if (!to) {
        GlobalFree(block);
        return nullptr;
    }
    std::memcpy(to, data, size);
    GlobalUnlock(block);
    return block;
}

// Hands the block to the clipboard, which owns it from then on; frees it when refused.
static bool Put(UINT format, HGLOBAL block) {
    if (block && SetClipboardData(format, block))
        return true;
    if (block)
        GlobalFree(block);
    return false;
}

bool SetClipboardTexts(const QString& text, const QByteArray& cp1252) {
    // Another program may hold the clipboard for a moment.
    bool open = false;
    for (int attempt = 0; attempt < 10 && !open; ++attempt) {
        open = OpenClipboard(nullptr);
        if (!open)
            Sleep(20);
    }
    if (!open)
        return false;
    EmptyClipboard();
    const LCID english = MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT);
    const QByteArray narrow = cp1252 + '\0';
    const bool ok =
        Put(CF_UNICODETEXT, GlobalCopy(text.utf16(), size_t(text.size() + 1) * sizeof(char16_t))) &&
        Put(CF_TEXT, GlobalCopy(narrow.constData(), size_t(narrow.size()))) &&
        Put(CF_LOCALE, GlobalCopy(&english, sizeof english)); // code page 1252
    CloseClipboard();
    return ok;
}

QByteArray ClipboardBytes(unsigned format) {
    if (!OpenClipboard(nullptr))
        return {};
    QByteArray bytes;
    if (HANDLE block = GetClipboardData(format)) {
        if (const void* data = GlobalLock(block)) {
            const size_t size = GlobalSize(block);
            bytes = QByteArray(static_cast<const char*>(data), qsizetype(size));
            GlobalUnlock(block);
        }
    }
    CloseClipboard();
    if (format == CF_UNICODETEXT) { // up to the first NUL unit
        qsizetype end = 0;
        while (end + 1 < bytes.size() && (bytes[end] != 0 || bytes[end + 1] != 0))
            end += 2;
        bytes.truncate(end);
    } else {
        const qsizetype end = bytes.indexOf('\0');
        if (end >= 0)
            bytes.truncate(end);
    }
    return bytes;
}
#endif

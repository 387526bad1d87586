#include "platform/win_path.h"

#ifdef Q_OS_WIN
#include <windows.h>

std::wstring LongPathW(QStringView path) {
    std::wstring given = path.toString().toStdWString();
    for (wchar_t& c : given) {
        if (c == L'/')
            c = L'\\';
    }
    if (given.rfind(L"\\\\?\\", 0) == 0 || given.empty())
        return given; // already in the long form, or nothing to resolve
    std::wstring full(MAX_PATH, L'\0');
    DWORD n = GetFullPathNameW(given.c_str(), DWORD(full.size()), full.data(), nullptr);
    if (n >= full.size()) { // too small: n is the size needed, with the terminating NUL
        full.resize(n);
        n = GetFullPathNameW(given.c_str(), DWORD(full.size()), full.data(), nullptr);
    }
    if (n == 0 || n >= full.size())
        return given; // the call's own failure shows the error
    full.resize(n);
    if (full.rfind(L"\\\\.\\", 0) == 0)
        return full; // a device name stays as it is
    if (full.rfind(L"\\\\", 0) == 0)
        return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}
#endif

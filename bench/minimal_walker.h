#pragma once
// The baseline of the catalogue benchmarks: the least a catalogue walk must do, written as
// plainly as it can be.

#include <string>

#ifndef Q_OS_WIN
#include <cctype>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

inline bool EndsInCatalogueWord(const char* name) {
    const size_t n = strlen(name);
    if (n < 3)
        return false;
    char end[4] = {char(tolower(name[n - 3])), char(tolower(name[n - 2])),
                   char(tolower(name[n - 1])), 0};
    return strcmp(end, "zuf") == 0 || strcmp(end, "tab") == 0;
}

// List every folder, and open, describe (the date and size of a row), read the first KiB of
// and close every catalogue file.
inline void MinimalWalk(const std::string& folder, long& files) {
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return;
    char head[1024];
    while (dirent* d = readdir(dir)) {
        const char* name = d->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        const std::string path = folder + '/' + name;
        if (d->d_type == DT_DIR) {
            MinimalWalk(path, files);
        } else if (EndsInCatalogueWord(name)) {
            struct stat st {};
            const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
            if (fd >= 0) {
                if (fstat(fd, &st) == 0 && read(fd, head, sizeof head) >= 0)
                    ++files;
                close(fd);
            }
        }
    }
    closedir(dir);
}
#else
inline void MinimalWalk(const std::string&, long&) {}
#endif

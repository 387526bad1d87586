#pragma once
// The two system calls that a signal may cut short and that every caller wants carried through:
// an opening, tried again when a signal interrupts it, and a write that puts out all of its
// bytes. One of each for the whole program (Linux; Windows has neither problem).

#include <QtGlobal>

#ifndef Q_OS_WIN
#include <cstdint>
#include <sys/types.h>

// Opens `name` inside the open folder `dir` (or a path from AT_FDCWD) with `flags` and
// O_CLOEXEC, again whenever a signal interrupts the opening: the descriptor, or -1 with errno
// set.
int OpenAt(int dir, const char* name, int flags, mode_t mode = 0);

// Writes all `count` bytes: at `offset` in the file, or at the file's own position when
// `offset` is -1. Returns 0, or the error code of the write that failed (ENOSPC when the system
// took nothing without saying why). `written`, when given, gets how many bytes went out.
int WriteAll(int fd, const void* data, std::int64_t count, std::int64_t offset = -1,
             std::int64_t* written = nullptr);
#endif

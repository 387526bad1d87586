#pragma once
// Opening the files of one folder a batch at a time, for a reader that goes through many small
// files. Each file ends as NativeFile::openReadIn and a first read would leave it: open (or
// not, with the system's error), its size and time known, its first block read ahead. Linux
// hands the openings, the first reads and the closings of a whole batch to the system at once,
// through a submission ring of the reader's own, instead of one system call each: on a
// machine where system calls are dear that halves a scan's cost. Where the system offers no
// ring (Windows, an old or locked-down Linux), the files are opened one at a time as before.

#include <QString>

#include <memory>

class NativeFile;
class NativeFolder;

class ReadBatch {
public:
    // The most files one call takes.
    static constexpr int MostFiles = 32;

    ReadBatch();
    ~ReadBatch();
    ReadBatch(const ReadBatch&) = delete;
    ReadBatch& operator=(const ReadBatch&) = delete;

    // Opens files[i] on names[i] inside `folder`, for i below `count` (at most MostFiles).
    void open(const NativeFolder& folder, const QString* names, NativeFile* files, int count);
    // Closes the files again.
    void close(NativeFile* files, int count);

    // Whether the batches go to the system together (false: one file at a time).
    bool submitsTogether() const { return m_ring != nullptr; }

    // A seam for the tests of a ring that fails halfway: the `submission`-th handing over of
    // requests from now (0: the next) gives the system only its first `taken` requests, as a
    // ring without room for more would. The ring is given up after it, as after any failure.
    void failRingHalfway(int submission, int taken);

private:
    struct Ring;
    std::unique_ptr<Ring> m_ring;

    void giveUpRing(const int* results, int count);
};

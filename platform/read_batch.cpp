#include "platform/read_batch.h"

#include "platform/native_file.h"

#include <algorithm>
#include <utility>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <liburing.h>
#include <unistd.h>

namespace {

// What a request's outcome reads when the system never took the request, and when it took
// it but its outcome never came back. No outcome of the system is either.
constexpr int NotTaken = INT_MIN;
constexpr int Unknown = INT_MIN + 1;

} // namespace

// The system's submission ring, through liburing. Only the requests of one batch are ever in
// it, and each batch waits for the outcome of every request the system took, so the ring is
// empty between batches. After any failure the ring is given up: requests it did not take are
// never carried out then, and the batch does them the plain way.
struct ReadBatch::Ring {
    io_uring ring{};
    bool ready = false;
    unsigned prepared = 0;            // requests of this batch
    unsigned handed = 0;              // of them, those written into the ring
    unsigned order[MostFiles];        // the requests' indexes, as written into the ring
    io_uring_sqe* written[MostFiles]; // and where they were written
    io_uring_sqe untaken{};           // where a request goes that finds no room in the ring
    int failAt = -1;                  // the test seam: the submission that fails, counted down
    unsigned failTaken = 0;           // and how many requests it takes
    char blocks[MostFiles][NativeFile::ReadAheadSize];

    ~Ring() {
        if (ready)
            io_uring_queue_exit(&ring);
    }
    bool setUp();
    io_uring_sqe* prepare(int index);
    bool run(int* results);
};

bool ReadBatch::Ring::setUp() {
    // No ring on an old system, or where it is switched off (a sysctl, a seccomp filter).
    if (io_uring_queue_init(MostFiles, &ring, 0) < 0)
        return false;
    ready = true;
    io_uring_probe* probe = io_uring_get_probe_ring(&ring);
    const bool offered = probe && io_uring_opcode_supported(probe, IORING_OP_OPENAT) &&
                         io_uring_opcode_supported(probe, IORING_OP_READ) &&
                         io_uring_opcode_supported(probe, IORING_OP_CLOSE);
    io_uring_free_probe(probe);
    return offered;
}

// The next request of the batch; its outcome comes back as results[index].
io_uring_sqe* ReadBatch::Ring::prepare(int index) {
    const bool refused = failAt == 0 && handed >= failTaken;
    io_uring_sqe* sqe = refused ? nullptr : io_uring_get_sqe(&ring);
    ++prepared;
    if (!sqe)
        return &untaken;
    order[handed] = unsigned(index);
    written[handed++] = sqe;
    return sqe;
}

// Hands the prepared requests to the system and waits for the outcome of each it took. False
// when it took fewer than all; the ring must not be used again then.
bool ReadBatch::Ring::run(int* results) {
    const unsigned count = std::exchange(prepared, 0);
    const unsigned inRing = std::exchange(handed, 0);
    if (failAt >= 0)
        --failAt;
    if (inRing == 0)
        return count == 0;
    for (unsigned i = 0; i < inRing; ++i)
        io_uring_sqe_set_data64(written[i], order[i]);
    // The system takes the requests in the order they were written.
    int taken = io_uring_submit_and_wait(&ring, inRing);
    if (taken < 0)
        taken = 0; // it took none
    for (int i = 0; i < taken; ++i)
        results[order[i]] = Unknown;
    for (int i = 0; i < taken;) {
        io_uring_cqe* cqe = nullptr;
        const int waited = io_uring_wait_cqe(&ring, &cqe);
        if (waited == -EINTR || waited == -EAGAIN || waited == -EBUSY)
            continue;
        if (waited < 0)
            return false; // the outcomes that have not come back stay unknown
        results[size_t(io_uring_cqe_get_data64(cqe))] = cqe->res;
        io_uring_cqe_seen(&ring, cqe);
        ++i;
    }
    return unsigned(taken) == count;
}

ReadBatch::ReadBatch() : m_ring(std::make_unique<Ring>()) {
#if defined(__SANITIZE_THREAD__)
    // The race detector does not see the descriptors the ring opens and closes, and takes a
    // number the ring freed and another reader reused for a race: its build goes one file at a
    // time.
    m_ring.reset();
    return;
#endif
    if (!m_ring->setUp())
        m_ring.reset();
}

ReadBatch::~ReadBatch() = default;

void ReadBatch::failRingHalfway(int submission, int taken) {
    if (m_ring) {
        m_ring->failAt = submission;
        m_ring->failTaken = unsigned(std::max(taken, 0));
    }
}

// After a failure: a request the system took whose outcome never came back may still be
// carried out, into the ring's memory and the descriptors it names, so the ring is kept as it
// is, never freed. Otherwise it goes.
void ReadBatch::giveUpRing(const int* results, int count) {
    if (std::find(results, results + count, Unknown) != results + count)
        (void)m_ring.release();
    else
        m_ring.reset();
}

void ReadBatch::open(const NativeFolder& folder, const QString* names, NativeFile* files,
                     int count) {
    count = std::min(count, MostFiles);
    if (!m_ring || folder.descriptor() == -1) {
        for (int i = 0; i < count; ++i)
            files[i].openReadIn(folder, names[i]);
        return;
    }
    // The openings, as openReadIn makes them.
    QByteArray encoded[MostFiles];
    int results[MostFiles];
    for (int i = 0; i < count; ++i) {
        files[i].close();
        encoded[i] = EncodeFileName(names[i]);
        io_uring_prep_openat(m_ring->prepare(i), folder.descriptor(), encoded[i].constData(),
                             O_RDONLY | O_NONBLOCK | O_CLOEXEC, 0);
        results[i] = NotTaken;
    }
    bool whole = m_ring->run(results);
    for (int i = 0; i < count; ++i) {
        const int result = results[i];
        if (result == NotTaken || result == Unknown || result == -EAGAIN || result == -EINTR ||
            result == -EINVAL)
            files[i].openReadIn(folder, names[i]); // not carried out: the plain way
        else
            files[i].adoptOpened(result);
    }
    if (!whole)
        return giveUpRing(results, count);
    // The first block of each, as the first small read would fetch it.
    for (int i = 0; i < count; ++i) {
        NativeFile& file = files[i];
        results[i] = NotTaken;
        const std::int64_t size = file.isOpen() ? file.size() : 0;
        if (size == 0)
            continue;
        io_uring_prep_read(m_ring->prepare(i), file.descriptor(), m_ring->blocks[i],
                           unsigned(size < 0 ? NativeFile::ReadAheadSize
                                             : std::min(size, NativeFile::ReadAheadSize)),
                           0);
    }
    whole = m_ring->run(results);
    for (int i = 0; i < count; ++i) {
        if (results[i] > 0) // a failed read is left to the file's own, which keeps its error
            files[i].adoptFirstBlock(m_ring->blocks[i], results[i]);
    }
    if (!whole)
        giveUpRing(results, count);
}

void ReadBatch::close(NativeFile* files, int count) {
    count = std::min(count, MostFiles);
    if (!m_ring) {
        for (int i = 0; i < count; ++i)
            files[i].close();
        return;
    }
    int descriptors[MostFiles];
    int results[MostFiles];
    for (int i = 0; i < count; ++i) {
        results[i] = NotTaken;
        descriptors[i] = files[i].releaseDescriptor();
        if (descriptors[i] >= 0)
            io_uring_prep_close(m_ring->prepare(i), descriptors[i]);
    }
    const bool whole = m_ring->run(results);
    for (int i = 0; i < count; ++i) {
        // A closing the system took has closed the descriptor, whatever it answered.
        if (descriptors[i] >= 0 && results[i] == NotTaken)
            ::close(descriptors[i]);
    }
    if (!whole)
        giveUpRing(results, count);
}

#else

// One file at a time.
struct ReadBatch::Ring {};

ReadBatch::ReadBatch() = default;
ReadBatch::~ReadBatch() = default;

void ReadBatch::failRingHalfway(int, int) {}

void ReadBatch::open(const NativeFolder& folder, const QString* names, NativeFile* files,
                     int count) {
    for (int i = 0; i < std::min(count, MostFiles); ++i)
        files[i].openReadIn(folder, names[i]);
}

void ReadBatch::close(NativeFile* files, int count) {
    for (int i = 0; i < std::min(count, MostFiles); ++i)
        files[i].close();
}

#endif

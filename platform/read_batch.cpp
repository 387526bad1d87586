#include "platform/read_batch.h"

#include "platform/native_file.h"

#include <algorithm>
#include <utility>

#ifdef Q_OS_LINUX
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <linux/io_uring.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

// The system's submission ring, driven through its three system calls: requests are written
// into a shared array, handed over with one call, and their outcomes read back from a second
// shared array. Only the requests of one batch are ever in it, and each batch waits for all of
// its outcomes, so the ring is empty between calls.
struct ReadBatch::Ring {
    int fd = -1;
    void* sqMap = MAP_FAILED;
    size_t sqMapSize = 0;
    void* cqMap = MAP_FAILED; // the same as sqMap where the system maps both rings at once
    size_t cqMapSize = 0;
    io_uring_sqe* sqes = nullptr;
    size_t sqesSize = 0;

    unsigned* sqHead = nullptr;
    unsigned* sqTail = nullptr;
    unsigned sqMask = 0;
    unsigned* sqArray = nullptr;
    unsigned* cqHead = nullptr;
    unsigned* cqTail = nullptr;
    unsigned cqMask = 0;
    io_uring_cqe* cqes = nullptr;
    unsigned prepared = 0; // requests written since the last run

    ~Ring();
    bool setUp(unsigned entries);
    bool offers(std::initializer_list<int> operations) const;
    io_uring_sqe& prepare(std::uint8_t opcode, int fd, unsigned index);
    bool run(int* results);
};

template <typename T> static T* At(void* map, unsigned offset) {
    return reinterpret_cast<T*>(static_cast<char*>(map) + offset);
}

ReadBatch::Ring::~Ring() {
    if (sqes)
        munmap(sqes, sqesSize);
    if (cqMap != MAP_FAILED && cqMap != sqMap)
        munmap(cqMap, cqMapSize);
    if (sqMap != MAP_FAILED)
        munmap(sqMap, sqMapSize);
    if (fd >= 0)
        ::close(fd);
}

bool ReadBatch::Ring::setUp(unsigned entries) {
    io_uring_params params{};
    fd = int(syscall(__NR_io_uring_setup, entries, &params));
    if (fd < 0)
        return false; // no ring here: too old a system, or switched off
    sqMapSize = params.sq_off.array + params.sq_entries * sizeof(unsigned);
    cqMapSize = params.cq_off.cqes + params.cq_entries * sizeof(io_uring_cqe);
    const bool together = params.features & IORING_FEAT_SINGLE_MMAP;
    if (together)
        sqMapSize = cqMapSize = std::max(sqMapSize, cqMapSize);
    sqMap = mmap(nullptr, sqMapSize, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_POPULATE, fd,
                 IORING_OFF_SQ_RING);
    if (sqMap == MAP_FAILED)
        return false;
    cqMap = together ? sqMap
                     : mmap(nullptr, cqMapSize, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_POPULATE,
                            fd, IORING_OFF_CQ_RING);
    if (cqMap == MAP_FAILED)
        return false;
    sqesSize = params.sq_entries * sizeof(io_uring_sqe);
    void* sqeMap = mmap(nullptr, sqesSize, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_POPULATE, fd,
                        IORING_OFF_SQES);
    if (sqeMap == MAP_FAILED)
        return false;
    sqes = static_cast<io_uring_sqe*>(sqeMap);
    sqHead = At<unsigned>(sqMap, params.sq_off.head);
    sqTail = At<unsigned>(sqMap, params.sq_off.tail);
    sqMask = *At<unsigned>(sqMap, params.sq_off.ring_mask);
    sqArray = At<unsigned>(sqMap, params.sq_off.array);
    cqHead = At<unsigned>(cqMap, params.cq_off.head);
    cqTail = At<unsigned>(cqMap, params.cq_off.tail);
    cqMask = *At<unsigned>(cqMap, params.cq_off.ring_mask);
    cqes = At<io_uring_cqe>(cqMap, params.cq_off.cqes);
    return offers({IORING_OP_OPENAT, IORING_OP_READ, IORING_OP_CLOSE});
}

// Whether the system carries out each of the operations through the ring.
bool ReadBatch::Ring::offers(std::initializer_list<int> operations) const {
    constexpr unsigned Listed = 256;
    alignas(io_uring_probe) unsigned char
        space[sizeof(io_uring_probe) + Listed * sizeof(io_uring_probe_op)] = {};
    auto* probe = reinterpret_cast<io_uring_probe*>(space);
    if (syscall(__NR_io_uring_register, fd, IORING_REGISTER_PROBE, probe, Listed) < 0)
        return false;
    return std::all_of(operations.begin(), operations.end(), [probe](int op) {
        return op < probe->ops_len && (probe->ops[op].flags & IO_URING_OP_SUPPORTED);
    });
}

// The next request of the batch; its outcome comes back as results[index].
io_uring_sqe& ReadBatch::Ring::prepare(std::uint8_t opcode, int fileFd, unsigned index) {
    const unsigned tail = *sqTail + prepared++;
    io_uring_sqe& sqe = sqes[tail & sqMask];
    sqe = {};
    sqe.opcode = opcode;
    sqe.fd = fileFd;
    sqe.user_data = index;
    sqArray[tail & sqMask] = tail & sqMask;
    return sqe;
}

// Hands the prepared requests to the system and waits for every outcome. False when the
// system turned the ring away; it is not used again then.
bool ReadBatch::Ring::run(int* results) {
    const unsigned count = std::exchange(prepared, 0);
    const unsigned tail = *sqTail + count;
    std::atomic_ref(*sqTail).store(tail, std::memory_order_release);
    unsigned done = 0;
    while (done < count) {
        const unsigned waiting = tail - std::atomic_ref(*sqHead).load(std::memory_order_acquire);
        if (syscall(__NR_io_uring_enter, fd, waiting, count - done, IORING_ENTER_GETEVENTS, nullptr,
                    0) < 0 &&
            errno != EINTR && errno != EAGAIN && errno != EBUSY)
            return false;
        unsigned head = *cqHead;
        const unsigned end = std::atomic_ref(*cqTail).load(std::memory_order_acquire);
        for (; head != end; ++head, ++done) {
            const io_uring_cqe& cqe = cqes[head & cqMask];
            results[cqe.user_data] = cqe.res;
        }
        std::atomic_ref(*cqHead).store(head, std::memory_order_release);
    }
    return true;
}

ReadBatch::ReadBatch() : m_ring(std::make_unique<Ring>()) {
#if defined(__SANITIZE_THREAD__)
    // The race detector does not see the descriptors the ring opens and closes, and takes a
    // number the ring freed and another reader reused for a race: its build goes one file at a
    // time.
    m_ring.reset();
    return;
#endif
    if (!m_ring->setUp(MostFiles))
        m_ring.reset();
}

ReadBatch::~ReadBatch() = default;

void ReadBatch::open(const NativeFolder& folder, const QString* names, NativeFile* files,
                     int count) {
    count = std::min(count, MostFiles);
    if (!m_ring || folder.m_handle == -1) {
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
        io_uring_sqe& sqe = m_ring->prepare(IORING_OP_OPENAT, int(folder.m_handle), unsigned(i));
        sqe.addr = reinterpret_cast<std::uintptr_t>(encoded[i].constData());
        sqe.open_flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC;
        results[i] = -EAGAIN;
    }
    if (!m_ring->run(results))
        m_ring.reset();
    for (int i = 0; i < count; ++i) {
        if (results[i] == -EAGAIN || results[i] == -EINTR || results[i] == -EINVAL)
            files[i].openReadIn(folder, names[i]); // not carried out: the plain way
        else
            files[i].adoptOpened(results[i]);
    }
    if (!m_ring)
        return;
    // The first block of each, as the first small read would fetch it.
    for (int i = 0; i < count; ++i) {
        NativeFile& file = files[i];
        results[i] = -1;
        if (!file.isOpen() || file.m_aheadSize > 0 || file.m_size == 0)
            continue;
        io_uring_sqe& sqe = m_ring->prepare(IORING_OP_READ, int(file.m_handle), unsigned(i));
        sqe.addr = reinterpret_cast<std::uintptr_t>(file.m_ahead);
        sqe.len = unsigned(file.m_size < 0 ? NativeFile::ReadAheadSize
                                           : std::min(file.m_size, NativeFile::ReadAheadSize));
        sqe.off = 0;
    }
    if (!m_ring->run(results)) {
        m_ring.reset();
        return;
    }
    for (int i = 0; i < count; ++i) {
        if (results[i] > 0) { // a failed read is left to the file's own, which keeps its error
            files[i].m_aheadStart = 0;
            files[i].m_aheadSize = results[i];
        }
    }
}

void ReadBatch::close(NativeFile* files, int count) {
    count = std::min(count, MostFiles);
    if (m_ring) {
        constexpr int NotClosed = 1; // no closing gives that outcome
        int results[MostFiles];
        for (int i = 0; i < count; ++i) {
            results[i] = NotClosed;
            if (files[i].isOpen())
                m_ring->prepare(IORING_OP_CLOSE, int(files[i].m_handle), unsigned(i));
        }
        if (!m_ring->run(results))
            m_ring.reset();
        for (int i = 0; i < count; ++i) {
            if (results[i] != NotClosed)
                files[i].m_handle = -1; // the ring closed it, whatever it answered
        }
    }
    for (int i = 0; i < count; ++i)
        files[i].close();
}

#else

// One file at a time.
struct ReadBatch::Ring {};

ReadBatch::ReadBatch() = default;
ReadBatch::~ReadBatch() = default;

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

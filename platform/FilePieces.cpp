#include "platform/FilePieces.h"

#include <fcntl.h>
#include <liburing.h>
#include <pthread.h>
#include <sys/uio.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace {

// ------------------------------------------------ one piece after another

// Pieces asked for from the disk ahead of their reads, once one is found
// missing from memory.
constexpr int PiecesAhead = 1024;

// n bytes at offset, waiting for the disk when needed; false when fewer came.
bool ReadAt(int fd, char* p, int n, off_t at) {
    int done = 0;
    while (done < n) {
        const ssize_t r = ::pread(fd, p + done, static_cast<size_t>(n - done), at + done);
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) return false;
        done += static_cast<int>(r);
    }
    return true;
}

// n bytes at offset only when they are all in memory already: false at once,
// without waiting for the disk, when they are not (or the system cannot say).
bool ReadIfInMemory(int fd, char* p, int n, off_t at) {
#ifdef RWF_NOWAIT
    iovec piece{p, static_cast<size_t>(n)};
    ssize_t r;
    do {
        r = ::preadv2(fd, &piece, 1, at, RWF_NOWAIT);
    } while (r < 0 && errno == EINTR);
    return r == n;
#else
    (void)fd, (void)p, (void)n, (void)at;
    return false;
#endif
}

// A piece in memory costs one call; those that are not are asked for from
// the disk together while they are read in turn.
int ReadEach(int fd, std::int64_t first, std::int64_t stride, int count, int width, char* out) {
    int askedUpTo = 0;  // pieces before this one have been asked for
    for (int i = 0; i < count; ++i) {
        const off_t at = static_cast<off_t>(first + i * stride);
        char* piece = out + static_cast<std::ptrdiff_t>(i) * width;
        if (i >= askedUpTo) {
            if (ReadIfInMemory(fd, piece, width, at)) continue;
            askedUpTo = std::min(count, i + PiecesAhead);
            for (int k = i; k < askedUpTo; ++k)
                ::posix_fadvise(fd, static_cast<off_t>(first + k * stride), width, POSIX_FADV_WILLNEED);
        }
        if (!ReadAt(fd, piece, width, at)) return i;
    }
    return count;
}

// ------------------------------------------------------------- the ring

// Reads in flight at once, and the ring's size.
constexpr unsigned RingEntries = 256;

bool g_allowRing = true;
// Goes up in a child process after a fork: the ring it inherited is the
// parent's (shared memory) and must not be used there.
unsigned g_forks = 0;
void ChildForked() { ++g_forks; }

// Each thread's ring, made on its first batch of reads and kept; none when
// the system refuses one.
struct TRing {
    io_uring Ring{};
    bool Made = false, Tried = false;
    unsigned Fork = 0;
    ~TRing() {
        if (Made && Fork == g_forks) io_uring_queue_exit(&Ring);
    }
};

TRing& ThreadRing() {
    static const bool watching = pthread_atfork(nullptr, nullptr, ChildForked) == 0;
    (void)watching;
    thread_local TRing ring;
    if (ring.Made && ring.Fork != g_forks) {
        // Only this process's mapping and handle of the parent's ring go.
        io_uring_queue_exit(&ring.Ring);
        ring = TRing{};
    }
    if (!ring.Tried) {
        ring.Tried = true;
        ring.Fork = g_forks;
        ring.Made = io_uring_queue_init(RingEntries, &ring.Ring, 0) == 0;
    }
    return ring;
}

// A read's tag: the piece and how many of its bytes are read already.
std::uint64_t Tag(int piece, int done) {
    return (static_cast<std::uint64_t>(static_cast<unsigned>(piece)) << 32) | static_cast<unsigned>(done);
}
int PieceOf(std::uint64_t tag) { return static_cast<int>(tag >> 32); }
int DoneOf(std::uint64_t tag) { return static_cast<int>(tag & 0xFFFFFFFFu); }

// The pieces' reads go in together, up to RingEntries at a time, and are
// collected as they complete. Returns the first piece not read whole (count
// for none), or -1 when the ring itself failed: then nothing is in flight
// any more, and the caller reads another way.
int ReadTogether(io_uring& ring, int fd, std::int64_t first, std::int64_t stride, int count, int width, char* out) {
    int failed = count;  // the first piece that could not be read whole
    int next = 0;        // the next piece not yet asked for
    int inFlight = 0;
    std::vector<std::uint64_t> rest;  // pieces read in part, for their rest
    auto ask = [&](std::uint64_t tag) {
        io_uring_sqe* sqe = io_uring_get_sqe(&ring);
        if (!sqe) return false;
        const int piece = PieceOf(tag), done = DoneOf(tag);
        io_uring_prep_read(sqe, fd, out + static_cast<std::ptrdiff_t>(piece) * width + done,
                           static_cast<unsigned>(width - done), static_cast<std::uint64_t>(first + piece * stride + done));
        io_uring_sqe_set_data64(sqe, tag);
        ++inFlight;
        return true;
    };
    for (;;) {
        while (!rest.empty() && ask(rest.back())) rest.pop_back();
        while (next < std::min(count, failed) && ask(Tag(next, 0))) ++next;
        if (inFlight == 0) break;
        int r;
        do {
            r = io_uring_submit_and_wait(&ring, 1);
        } while (r == -EINTR);
        if (r < 0) {
            // Reads asked for but not taken by the kernel are dropped; those
            // it took are waited for, so that none lands in out later.
            inFlight -= static_cast<int>(io_uring_sq_ready(&ring));
            ring.sq.sqe_tail = ring.sq.sqe_head;
            for (io_uring_cqe* cqe; inFlight > 0; --inFlight) {
                do {
                    r = io_uring_wait_cqe(&ring, &cqe);
                } while (r == -EINTR);
                if (r < 0) break;
                io_uring_cqe_seen(&ring, cqe);
            }
            return -1;
        }
        io_uring_cqe* cqe;
        unsigned head, seen = 0;
        io_uring_for_each_cqe(&ring, head, cqe) {
            ++seen;
            --inFlight;
            const std::uint64_t tag = io_uring_cqe_get_data64(cqe);
            const int piece = PieceOf(tag), done = DoneOf(tag), res = cqe->res;
            if (res == width - done || piece >= failed) continue;
            if (res > 0 || res == -EINTR || res == -EAGAIN)
                rest.push_back(Tag(piece, done + std::max(res, 0)));  // a short read goes on
            else
                failed = piece;  // the end of the file, or a read error
        }
        io_uring_cq_advance(&ring, seen);
    }
    return failed;
}

}  // namespace

int FilePieces_Read(int fd, std::int64_t first, std::int64_t stride, int count, int width, char* out) {
    // One piece is one read whichever way.
    if (count == 1) return ReadAt(fd, out, width, static_cast<off_t>(first)) ? 1 : 0;
    if (g_allowRing) {
        TRing& ring = ThreadRing();
        if (ring.Made) {
            const int read = ReadTogether(ring.Ring, fd, first, stride, count, width, out);
            if (read >= 0) return read;
            // A ring that failed is not used again in this thread.
            io_uring_queue_exit(&ring.Ring);
            ring.Made = false;
        }
    }
    return ReadEach(fd, first, stride, count, width, out);
}

bool FilePieces_RingInUse() { return g_allowRing && ThreadRing().Made; }

void FilePieces_AllowRing(bool allow) { g_allowRing = allow; }

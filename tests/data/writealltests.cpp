// The write loop under what a regular file on a quiet machine never shows:
// a pipe that fills up, and signals that cut writes short.
#include "data/writeall.h"
#include "testsupport/waituntil.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <pthread.h>
#include <string>
#include <sys/ioctl.h>
#include <thread>
#include <unistd.h>

namespace {

std::atomic<int> g_interrupts{0};

void countInterrupt(int) {
    ++g_interrupts;
}

class Pipe final {
public:
    Pipe() { EXPECT_EQ(::pipe2(m_ends, O_CLOEXEC), 0); }
    ~Pipe() {
        closeWriteEnd();
        ::close(m_ends[0]);
    }
    int readEnd() const { return m_ends[0]; }
    int writeEnd() const { return m_ends[1]; }
    void closeWriteEnd() {
        if (m_ends[1] >= 0)
            ::close(m_ends[1]);
        m_ends[1] = -1;
    }
    int queued() const {
        int bytes = 0;
        ::ioctl(m_ends[0], FIONREAD, &bytes);
        return bytes;
    }

private:
    int m_ends[2] = {-1, -1};
};

std::string pattern(size_t size) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(i * 7 % 251);
    return bytes;
}

// A signal caught without SA_RESTART ends a blocked write early: with part
// of the bytes taken, or with EINTR and none. The pipe is full whenever the
// writer is interrupted here, so both happen.
TEST(WriteAll, writesCutShortBySignals_everyByteArrivesInOrder) {
    struct sigaction counting {};
    counting.sa_handler = &countInterrupt;
    struct sigaction previous {};
    ASSERT_EQ(::sigaction(SIGUSR1, &counting, &previous), 0);

    Pipe pipe;
    const int capacity = ::fcntl(pipe.writeEnd(), F_GETPIPE_SZ);
    ASSERT_GT(capacity, 0);
    const std::string bytes = pattern(16 * static_cast<size_t>(capacity));
    const pthread_t writer = ::pthread_self();
    std::atomic<bool> written{false};
    std::thread interrupter([&] {
        while (!written) {
            ::pthread_kill(writer, SIGUSR1);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    std::string received;
    std::thread reader([&] {
        // Drains only after the writer has been interrupted on a full pipe.
        const bool full = waituntil([&] { return pipe.queued() >= capacity; });
        const int before = g_interrupts;
        const bool interrupted = waituntil([&] { return g_interrupts >= before + 3; });
        EXPECT_TRUE(full && interrupted);
        char buffer[4096];
        ssize_t got = 0;
        while ((got = ::read(pipe.readEnd(), buffer, sizeof buffer)) != 0) {
            if (got > 0)
                received.append(buffer, static_cast<size_t>(got));
            else if (errno != EINTR)
                break;
        }
    });

    const bool ok = writeall(pipe.writeEnd(), bytes);
    written = true;
    interrupter.join();
    pipe.closeWriteEnd();
    reader.join();
    ::sigaction(SIGUSR1, &previous, nullptr);

    EXPECT_TRUE(ok);
    EXPECT_TRUE(received == bytes) << received.size() << " of " << bytes.size() << " bytes";
}

// A descriptor that does not block answers a full pipe with EAGAIN: that is
// a failure to report, not a reason to try again for ever.
TEST(WriteAll, fullPipeThatDoesNotBlock_failsWithEagain) {
    Pipe pipe;
    ASSERT_EQ(::fcntl(pipe.writeEnd(), F_SETFL, O_NONBLOCK), 0);
    const int capacity = ::fcntl(pipe.writeEnd(), F_GETPIPE_SZ);
    ASSERT_GT(capacity, 0);
    errno = 0;
    EXPECT_FALSE(writeall(pipe.writeEnd(), pattern(2 * static_cast<size_t>(capacity))));
    EXPECT_EQ(errno, EAGAIN);
}

} // namespace

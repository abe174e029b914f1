#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

// Guards a test that hands a FIFO to code that must not wait on it: should that code still be
// waiting for a writer after a generous while, the watchdog opens the FIFO for writing and
// closes it again, over and over, so the test ends (and fails on fired()) instead of hanging.
class FifoWatchdog
{
public:
    explicit FifoWatchdog(std::string fifo) : m_fifo(std::move(fifo)), m_thread([this] { watch(); })
    {
    }
    ~FifoWatchdog()
    {
        {
            std::lock_guard lock(m_mutex);
            m_done = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }
    FifoWatchdog(const FifoWatchdog&) = delete;
    FifoWatchdog& operator=(const FifoWatchdog&) = delete;

    bool fired() const
    {
        std::lock_guard lock(m_mutex);
        return m_fired;
    }

private:
    void watch()
    {
        std::unique_lock lock(m_mutex);
        if (m_wake.wait_for(lock, std::chrono::seconds(10), [this] { return m_done; }))
            return;
        m_fired = true;
        while (!m_wake.wait_for(lock, std::chrono::milliseconds(50), [this] { return m_done; })) {
            const int fd = ::open(m_fifo.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0)
                ::close(fd);
        }
    }

    std::string m_fifo;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_done = false;
    bool m_fired = false;
    std::thread m_thread;
};

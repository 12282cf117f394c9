#pragma once
// A pseudo-terminal for the serial tests: the component opens the slave
// path, the test plays the far end on the master. Closing the master is
// the hang-up a pulled USB adapter gives.

#include <QByteArray>
#include <QString>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <thread>
#include <unistd.h>

namespace lumora::test {

class PtyPair {
public:
    PtyPair()
    {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (master_ >= 0 && (::grantpt(master_) != 0 || ::unlockpt(master_) != 0))
            closeMaster();
        if (master_ >= 0)
            slave_ = QString::fromLocal8Bit(::ptsname(master_));
    }
    ~PtyPair() { closeMaster(); }
    PtyPair(const PtyPair &) = delete;
    PtyPair &operator=(const PtyPair &) = delete;

    bool ok() const { return master_ >= 0; }
    int master() const { return master_; }
    const QString &slavePath() const { return slave_; }

    void closeMaster()
    {
        if (master_ >= 0)
            ::close(master_);
        master_ = -1;
    }

    bool send(const QByteArray &bytes) const
    {
        qsizetype done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(master_, bytes.constData() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            done += n;
        }
        return true;
    }

    // Reads until `count` bytes have come or `timeoutMs` has passed.
    QByteArray receive(qsizetype count, int timeoutMs = 5000) const
    {
        QByteArray got;
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (got.size() < count) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                                  end - std::chrono::steady_clock::now())
                                  .count();
            if (left <= 0)
                break;
            pollfd p{master_, POLLIN, 0};
            if (::poll(&p, 1, static_cast<int>(left)) <= 0)
                continue;
            char buf[4096];
            const ssize_t n = ::read(master_, buf, sizeof buf);
            if (n <= 0)
                break;
            got.append(buf, n);
        }
        return got;
    }

private:
    int master_ = -1;
    QString slave_;
};

} // namespace lumora::test

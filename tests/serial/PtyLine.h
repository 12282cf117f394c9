#pragma once
// A pseudo-terminal for the serial tests: the port under test opens the
// slave path, the test plays the far end on the master. Closing the
// master is the hang-up a pulled USB adapter gives. Plain C++.

#include <cstdint>
#include <string>
#include <vector>

namespace lumora::test {

class PtyLine {
public:
    PtyLine();
    ~PtyLine() { closeMaster(); }
    PtyLine(const PtyLine &) = delete;
    PtyLine &operator=(const PtyLine &) = delete;

    bool ok() const { return master_ >= 0; }
    int master() const { return master_; }
    const std::string &slavePath() const { return slave_; }
    void closeMaster();

    bool send(const uint8_t *data, size_t count) const;
    // Reads until count bytes have come or timeoutMs has passed.
    std::vector<uint8_t> receive(size_t count, int timeoutMs) const;

private:
    int master_ = -1;
    std::string slave_;
};

} // namespace lumora::test

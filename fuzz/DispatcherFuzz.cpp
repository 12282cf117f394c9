// The receive handler of the real windows fed random chunks (0 to 2048
// bytes) while each kind of transfer is under way: a main read, write or
// verify, or a read or write of a signalling area. Whatever arrives, every
// message the tool sends is one of the protocol's, and every data frame it
// sends is a block of what the table or the window encodes, with its
// check value.

#include "FuzzSupport.h"
#include "WindowsFixture.h"

#include "memory/ChannelColumns.h"
#include "protocol/Crc16.h"
#include "protocol/Frames.h"
#include "protocol/MainMemoryFrames.h"
#include "serial/TComm.h"
#include "signalling/TSignallingForm.h"
#include "ui/TXStringGrid.h"

#include <QComboBox>
#include <QTimer>
#include <fcntl.h>
#include <map>
#include <stdexcept>
#include <unistd.h>
#include <vector>

using namespace lumora;
using namespace lumora::fuzz;

namespace {

int master = -1;
QString device;
Windows *windows = nullptr; // one set for the run, put back before each input
TForm1::EditedMemory startTable;
std::vector<SettingsValues> startAreas;

// The windows as they were made: no transfer, the port closed, the same
// table and settings, the buffers cleared.
void resetWindows()
{
    Windows &w = *windows;
    w.progress.Button2Click();
    for (const auto &area : w.signalling.Areas())
        area.second->StopTransfer();
    w.form.Tim1->stop();
    w.form.Comm1->ClosePort();
    w.form.comcbb->setEnabled(true);
    w.form.Restore(startTable);
    const auto areas = w.signalling.Areas();
    for (size_t i = 0; i < areas.size(); ++i)
        areas[i].second->setSettings(startAreas[i]);
    w.form.TxBuffer.fill(0);
    w.form.RxBuffer.fill(0);
    w.form.ReadIndex = 0;
    w.form.WriteAckCount = 0;
}

void drain()
{
    char buffer[4096];
    while (::read(master, buffer, sizeof buffer) > 0) {
    }
}

struct Expected {
    bool writing = false;
    bool fleetSync = false;   // frames without a check value
    BlockType type = BlockType::Channel;
    std::map<int, Payload> blocks; // a write's blocks by index
};

// The bytes sent in answer to one chunk, as the protocol's messages.
void checkSent(const QByteArray &sent, const Expected &e)
{
    int i = 0;
    while (i < sent.size()) {
        const auto *b = reinterpret_cast<const uint8_t *>(sent.constData()) + i;
        const int left = sent.size() - i;
        if (b[0] == kAck) {
            i += 1;
        } else if (b[0] == 'P') {
            LUMORA_FUZZ_CHECK(left >= kGreetingLength && sent.mid(i, kGreetingLength) == "PROGRAM", sent.toHex());
            i += kGreetingLength;
        } else if (b[0] == kReadMark) {
            LUMORA_FUZZ_CHECK(left >= kRequestLength && b[3] == kHeaderEnd, sent.toHex());
            i += kRequestLength;
        } else if (b[0] == kWriteMark) {
            const int length = e.fleetSync ? kFleetSyncHeaderLength + kPayloadLength : kFrameLength;
            LUMORA_FUZZ_CHECK(e.writing, QStringLiteral("a data frame during a read: ") + QString(sent.toHex()));
            LUMORA_FUZZ_CHECK(left >= length, sent.toHex());
            LUMORA_FUZZ_CHECK(b[1] == static_cast<uint8_t>(e.type) || (e.type == BlockType::Channel && b[1] == 5),
                              sent.toHex());
            const int index = b[2];
            const auto block = e.blocks.find(b[1] == 5 ? -1 : index);
            LUMORA_FUZZ_CHECK(block != e.blocks.end(), QStringLiteral("block %1").arg(index));
            LUMORA_FUZZ_CHECK(std::equal(block->second.begin(), block->second.end(), b + kPayloadOffset),
                              QStringLiteral("block %1 is not what the table encodes").arg(index));
            if (!e.fleetSync)
                LUMORA_FUZZ_CHECK(FrameCrcMatches(b), sent.toHex());
            i += length;
        } else {
            fail("bytes that are no message", QString(sent.mid(i).toHex()));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    StartApplication();
    master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0)
        std::abort();
    ::fcntl(master, F_SETFL, O_NONBLOCK);
    device = QString::fromLocal8Bit(::ptsname(master));
    windows = new Windows;
    Windows &w = *windows;
    w.form.SelectPort(device);
    // A few channels, so that a write has something to send.
    for (int r = 1; r <= 3; ++r) {
        w.form.xg->setCells(ColRxFreq, r, QStringLiteral("14%1.52").arg(r + 3));
        w.form.xgSetEditText(ColRxFreq, r);
    }
    startTable = w.form.Snapshot();
    for (const auto &area : w.signalling.Areas())
        startAreas.push_back(area.second->Settings());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Input in(data, size);
    resetWindows();
    Windows &w = *windows;
    QByteArray sent;
    w.form.WriteTap = [&](const uint8_t *d, int n) { sent.append(reinterpret_cast<const char *>(d), n); };

    Expected e;
    const int kind = in.byte() % 11;
    const auto areas = w.signalling.Areas();
    try {
        if (kind <= 2) {
            if (kind == 1) {
                e.writing = true;
                FrameBuffer tx{};
                for (int n = 1; n <= kChannelCount; ++n) {
                    BuildChannelFrame(tx, *w.form.xg, n);
                    std::copy_n(tx.begin() + kPayloadOffset, kPayloadLength, e.blocks[n].begin());
                }
                BuildSettingsFrame(tx, w.form.Options());
                std::copy_n(tx.begin() + kPayloadOffset, kPayloadLength, e.blocks[-1].begin());
                w.form.wbtnClick();
            } else if (kind == 0) {
                w.form.ReadIntoGrid();
            } else {
                w.form.VerifyClick();
            }
        } else {
            TSignallingForm &window = *areas[static_cast<size_t>((kind - 3) / 2)].second;
            const bool writing = (kind - 3) % 2 == 1;
            e.writing = writing;
            const auto name = areas[static_cast<size_t>((kind - 3) / 2)].first;
            e.type = name == QLatin1String("dtmf")    ? BlockType::Dtmf
                     : name == QLatin1String("2tone") ? BlockType::TwoTone
                     : name == QLatin1String("5tone") ? BlockType::FiveTone
                                                      : BlockType::FleetSync;
            e.fleetSync = writing && e.type == BlockType::FleetSync;
            if (writing) {
                const std::vector<Payload> blocks = window.EncodeArea();
                for (size_t i = 0; i < blocks.size(); ++i)
                    e.blocks[static_cast<int>(i)] = blocks[i];
                window.wbtnClick();
            } else {
                window.rbtnClick();
            }
        }
    } catch (const std::exception &) {
        w.form.WriteTap = nullptr;
        return 0; // refused before anything was sent: as the window shows it
    }
    checkSent(sent, e);
    while (!in.empty()) {
        sent.clear();
        // Mostly short chunks, some up to the port's 2048.
        const int length = in.byte() < 16 ? in.word() % 2049 : in.byte() % 40;
        QByteArray chunk = in.bytes(static_cast<size_t>(length));
        chunk.append('\0'); // the port hands each chunk over with a zero after it
        try {
            w.form.Comm1ReceiveData(reinterpret_cast<const uint8_t *>(chunk.constData()),
                                    static_cast<uint16_t>(chunk.size() - 1));
        } catch (const std::exception &) {
            // shown to the user, as the application's handler would
        }
        checkSent(sent, e);
        drain();
    }
    w.form.WriteTap = nullptr;
    return 0;
}

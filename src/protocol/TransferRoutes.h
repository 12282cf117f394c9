#pragma once
// What the receive dispatcher needs of the windows. A window is reading
// while its Read button is disabled and writing while its Write button is
// disabled; the dispatcher asks, and routes by nothing else.

#include "protocol/AreaTable.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <utility>
#include <vector>

namespace lumora {

// A signalling window (DTMF, 2TONE, 5TONE, FleetSync).
class ISignallingTransfer {
public:
    virtual ~ISignallingTransfer() = default;
    virtual bool ReadUnderWay() const = 0;
    virtual bool WriteUnderWay() const = 0;
    virtual void BlockReceived() = 0;     // one data answer of its read
    virtual void BlockAcknowledged() = 0; // one acknowledgement of its write
    // Ends a transfer under way at once, as not completed.
    virtual void StopTransfer() = 0;
    virtual QString AreaName() const = 0; // "DTMF", "FleetSync", in messages
    // Over edits not yet written to the radio, asks whether to write them
    // first. True: go on (nothing to write, or the edits given up). False:
    // cancelled, or a write started that calls then once it has completed.
    virtual bool AskToWriteChanges(const std::function<void()> &) { return true; }
    // Said when its read did not complete: the window shows what it did before.
    QString UnchangedByReadText() const
    {
        return QStringLiteral("The %1 window is as it was before the read.").arg(AreaName());
    }
};

// The main window's transfers of the main memory.
class IMainTransfer {
public:
    virtual ~IMainTransfer() = default;
    virtual bool MainReadUnderWay() const = 0;
    virtual bool MainWriteUnderWay() const = 0;
    virtual void MainReadGreetingAnswered() = 0;
    virtual void MainReadDataAnswer() = 0;
    virtual void MainWriteAcknowledged() = 0;
    // 0x06 at index 0 of the transmit buffer, sent as one byte.
    virtual void SendAcknowledgement() = 0;
    // More acknowledgements came than one (a chunk of several): like a
    // resend, a write under way can no longer tell which frame each answers.
    virtual void AmbiguousAnswer() {}
};

// The signalling windows by the block type of their area. A window not
// built yet is absent: its tests never hold.
class SignallingRoutes {
public:
    SignallingRoutes() = default;
    SignallingRoutes(std::initializer_list<std::pair<BlockType, ISignallingTransfer *>> windows)
    {
        for (const auto &[type, window] : windows)
            Set(type, window);
    }
    void Set(BlockType type, ISignallingTransfer *window) { byType_[static_cast<int>(type)] = window; }
    // The window of a block type (a number as its blocks carry it).
    ISignallingTransfer *of(int blockType) const
    {
        const auto found = byType_.find(blockType);
        return found == byType_.end() ? nullptr : found->second;
    }
    // In the order the dispatcher tests them: the highest block type first.
    std::vector<std::pair<BlockType, ISignallingTransfer *>> InTestOrder() const
    {
        std::vector<std::pair<BlockType, ISignallingTransfer *>> windows;
        for (auto w = byType_.rbegin(); w != byType_.rend(); ++w)
            if (w->second)
                windows.emplace_back(static_cast<BlockType>(w->first), w->second);
        return windows;
    }
    // In the areas' order (DTMF, 2TONE, 5TONE, FleetSync).
    std::vector<ISignallingTransfer *> InAreaOrder() const
    {
        std::vector<ISignallingTransfer *> windows;
        for (const AreaInfo *area : SignallingAreaList())
            if (ISignallingTransfer *w = of(static_cast<int>(area->type)))
                windows.push_back(w);
        return windows;
    }

private:
    std::map<int, ISignallingTransfer *> byType_;
};

} // namespace lumora

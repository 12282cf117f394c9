#pragma once
// What a signalling window uses of the main window, which owns the one
// transmit and receive buffer, the port and the retransmission timer Tim1.

#include "protocol/Frames.h"

namespace lumora {

class ISignallingTransfer;

class ISignallingHost {
public:
    virtual ~ISignallingHost() = default;
    virtual FrameBuffer &Tx() = 0;             // TxBuffer
    virtual const FrameBuffer &Rx() const = 0; // RxBuffer: the latest answer
    // Sends bytes 0 to count-1 of the transmit buffer, one write per byte.
    virtual void SendTx(int count) = 0;
    virtual void FillTxCrc() = 0;
    virtual void StartTim1() = 0;
    virtual void StopTim1() = 0;
    // The block counter the 2TONE and 5TONE windows share with the main read.
    virtual int &SharedReadIndex() = 0;
    // A transfer of the main window or of another signalling window.
    virtual bool OtherTransferUnderWay(const ISignallingTransfer *asking) const = 0;
    // Opens the port from the port selector unless it is open already (a
    // pulled cable closes it); throws when it cannot be opened.
    virtual void PreparePort() = 0;
    // How many frames Tim1 has sent again so far: after a resend, an
    // acknowledgement may answer the copy rather than the frame that followed.
    virtual int ResendCount() const = 0;
    // A signalling window was closed: the port goes back (closed, the port
    // box usable again) once no window or transfer uses it.
    virtual void ReleasePort() {}
};

} // namespace lumora

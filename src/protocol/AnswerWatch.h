#pragma once
// What a transfer under way knows of the radio's answers; the main window
// and the signalling windows each keep one.
//
// A data answer names its block, an acknowledgement names none. An answer
// for another block than the one asked for is a late copy (the radio
// answered a resent request too): a sign of life that moves nothing on.
// A write during which a frame went out again may have been acknowledged
// ahead of what the radio stored, so it is confirmed by reading back.

namespace lumora {

class AnswerWatch {
public:
    // A request for block index of the type went out.
    void Ask(int type, int index)
    {
        type_ = type;
        index_ = index;
    }
    void Forget() { type_ = -1; } // nothing asked for yet
    bool HasAsked() const { return type_ >= 0; }
    // Whether an answer for this block is the one asked for; one that is
    // not is counted as a stray answer.
    bool Answers(int type, int index)
    {
        if (type == type_ && index == index_) {
            strays_ = 0;
            return true;
        }
        ++strays_;
        return false;
    }
    void MovedOn() { strays_ = 0; }
    // Answers since the transfer last moved on that did not move it.
    int Strays() const { return strays_; }

    // resends: the port's count of frames sent again, as the write starts.
    void WriteStarts(int resends) { resendsAtWrite_ = resends; }
    bool WriteNeedsReadBack(int resends) const { return resends != resendsAtWrite_; }

private:
    int type_ = -1;
    int index_ = 0;
    int strays_ = 0;
    int resendsAtWrite_ = 0;
};

} // namespace lumora

#pragma once
// Undo and redo as whole snapshots of what a window edits. After every
// change the window calls Checkpoint(); a snapshot equal to the last one
// is no step. Qt Core only.

#include <deque>
#include <functional>
#include <optional>
#include <utility>

namespace lumora {

template <class Snapshot>
class EditHistory {
public:
    using Capture = std::function<Snapshot()>;
    using Restore = std::function<void(const Snapshot &)>;

    EditHistory(Capture capture, Restore restore, std::size_t depth = 200)
        : capture_(std::move(capture)), restore_(std::move(restore)), depth_(depth) {}

    // The state now, after a change: the one before it can be gone back to.
    void Checkpoint()
    {
        Snapshot now = capture_();
        if (!current_) {
            current_ = std::move(now);
            return;
        }
        if (now == *current_)
            return;
        undo_.push_back(std::move(*current_));
        if (undo_.size() > depth_)
            undo_.pop_front();
        redo_.clear();
        current_ = std::move(now);
    }
    // False when there is nothing to go back (or forward) to.
    bool Undo() { return step(undo_, redo_); }
    bool Redo() { return step(redo_, undo_); }

private:
    bool step(std::deque<Snapshot> &from, std::deque<Snapshot> &to)
    {
        Checkpoint(); // a change not yet recorded is a step of its own
        if (from.empty())
            return false;
        to.push_back(std::move(*current_));
        current_ = std::move(from.back());
        from.pop_back();
        restore_(*current_);
        return true;
    }

    Capture capture_;
    Restore restore_;
    std::size_t depth_;
    std::optional<Snapshot> current_;
    std::deque<Snapshot> undo_, redo_;
};

} // namespace lumora

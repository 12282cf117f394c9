#pragma once
// A locked first-in-first-out queue whose WakeSignal is raised while it
// may hold something, so a thread can wait for it together with other
// things. take() clears the signal when it finds the queue empty: a push
// after that raises it again, so no wake-up is lost. Plain C++.

#include "serial/WakeSignal.h"

#include <deque>
#include <mutex>
#include <optional>

namespace lumora {

template <typename T>
class SignalledQueue {
public:
    void push(T item) { push(std::move(item), [] {}); }

    // As push(); whenPushed runs under the queue's lock.
    template <typename F>
    void push(T item, F whenPushed)
    {
        {
            std::lock_guard<std::mutex> guard(lock_);
            items_.push_back(std::move(item));
            whenPushed();
        }
        signal_.raise();
    }

    std::optional<T> take()
    {
        return take([] {});
    }

    // As take(); whenEmpty runs under the queue's lock when it finds the
    // queue empty, so no push can come between the finding and the call.
    template <typename F>
    std::optional<T> take(F whenEmpty)
    {
        std::lock_guard<std::mutex> guard(lock_);
        if (items_.empty()) {
            signal_.clear();
            whenEmpty();
            return std::nullopt;
        }
        T item = std::move(items_.front());
        items_.pop_front();
        return item;
    }

    const WakeSignal &signal() const { return signal_; }

private:
    std::mutex lock_;
    std::deque<T> items_;
    WakeSignal signal_;
};

} // namespace lumora

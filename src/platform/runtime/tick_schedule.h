#pragma once

namespace platform {

// When a real timer's ticks fall due, in milliseconds of a steady clock: each
// one interval after the one before was due, so that a late tick does not push
// the ones after it and a 30 ms rhythm holds over many ticks; unless a tick
// came so late that the next is already past, which then comes one interval on.
class TickSchedule {
  public:
    TickSchedule(double intervalMs, double nowMs)
        : interval_(intervalMs), due_(nowMs + intervalMs) {}

    [[nodiscard]] double due() const { return due_; }

    // A tick came at `nowMs`; returns when the next one is due.
    double next(double nowMs) {
        due_ += interval_;
        if (due_ <= nowMs) {
            due_ = nowMs + interval_;
        }
        return due_;
    }

  private:
    double interval_;
    double due_;
};

}  // namespace platform

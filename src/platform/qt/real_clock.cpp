#include "platform/qt/real_clock.h"

#include <QTimer>

namespace platform {

void RealClock::LaterDeleter::operator()(QTimer* timer) const {
    // A timer may be stopped from inside its own tick.
    timer->stop();
    timer->deleteLater();
}

RealClock::RealClock() = default;
RealClock::~RealClock() = default;

Clock::TimerId RealClock::start(int intervalMs, std::function<void()> onTick) {
    const TimerId id = next_++;
    std::unique_ptr<QTimer, LaterDeleter> timer(
        new QTimer);  // NOLINT(cppcoreguidelines-owning-memory)
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(intervalMs);
    QObject::connect(timer.get(), &QTimer::timeout, [onTick = std::move(onTick)] { onTick(); });
    timer->start();
    timers_.emplace(id, std::move(timer));
    return id;
}

void RealClock::stop(TimerId id) {
    timers_.erase(id);
}

}  // namespace platform

#include "LinkClock.h"

#include <QTimer>

namespace qs {

LinkClock::LinkClock(int tickMs, int timeOutMs, QObject* parent)
    : QObject(parent), tick_(new QTimer(this)), timeOut_(new QTimer(this))
{
    tick_->setObjectName("Timer_Comm");
    tick_->setTimerType(Qt::PreciseTimer);
    tick_->setInterval(tickMs);
    connect(tick_, &QTimer::timeout, this, &LinkClock::Tick);
    timeOut_->setObjectName("TimerTimeOut");
    timeOut_->setTimerType(Qt::PreciseTimer);
    timeOut_->setInterval(timeOutMs);
    connect(timeOut_, &QTimer::timeout, this, [this] {
        StopTimeOut();
        emit timedOut();
    });
    tick_->start();
}

void LinkClock::FrameSent()
{
    busy_ = true;
    timeOut_->stop();
    timeOut_->start();
}

void LinkClock::StopTimeOut()
{
    timeOut_->stop();
}

bool LinkClock::TimeOutArmed() const
{
    return timeOut_->isActive();
}

void LinkClock::StartTicks()
{
    tick_->start();
}

void LinkClock::StopTicks()
{
    tick_->stop();
}

void LinkClock::Tick()
{
    if (!busy_)
        emit idleTick();
}

}  // namespace qs

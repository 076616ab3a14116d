#pragma once
#include <QObject>

class QTimer;

namespace qs {

// The timing of a link that has one frame in flight at a time: a precise periodic tick that
// looks for the next request while the link is not busy, and a one-shot time-out armed anew
// for every frame sent. Busy is set when a frame is written and cleared by ClearBusy only.
class LinkClock : public QObject {
    Q_OBJECT
public:
    LinkClock(int tickMs, int timeOutMs, QObject* parent = nullptr);

    bool Busy() const { return busy_; }
    // A frame was written: busy, and the time-out measures from now.
    void FrameSent();
    void ClearBusy() { busy_ = false; }
    void StopTimeOut();
    bool TimeOutArmed() const;

    // The periodic tick runs from construction; tests may stop it and tick by hand.
    void StartTicks();
    void StopTicks();
    // One tick: idleTick() when the link is not busy.
    void Tick();

    QTimer* TickTimer() const { return tick_; }
    QTimer* TimeOutTimer() const { return timeOut_; }

signals:
    void idleTick();
    // The time-out ran out (it is already stopped; Busy is still set).
    void timedOut();

private:
    QTimer* tick_;
    QTimer* timeOut_;
    bool busy_ = false;
};

}  // namespace qs

#pragma once
// Windows placed under a real window manager: tests/screens/under-openbox.sh runs a window test
// binary under X11 on a virtual screen that openbox manages, so the windows get the frame a
// desktop gives them, a moment after they are shown. Tests that need it skip elsewhere.
#include "tests/EventLoop.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <cstdlib>
#include <string>

namespace placement {

// Whether the test runs under X11, where a window manager may frame the windows.
inline bool UnderX11()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

// Waits until the window manager has framed the shown window; answers whether it has.
inline bool WaitFramed(const QWidget* w)
{
    return eventloop::WaitFor([w] { return w->isVisible() && w->frameGeometry() != w->geometry(); },
                              5000);
}

// Waits until `faults` finds nothing, then once more after a round trip to the window system
// (what the window manager did with the last request has arrived); answers the last finding.
template <class Faults>
std::string Settled(Faults faults)
{
    eventloop::WaitFor([&] { return faults().empty(); }, 5000);
    QGuiApplication::sync();
    eventloop::Pump();
    return faults();
}

inline std::string Text(const QRect& r)
{
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) +
           "x" + std::to_string(r.height());
}

// Whether the rectangle `r` is centred on `on` to within 1 px either way.
inline bool CentredOn(const QRect& r, const QRect& on)
{
    return std::abs(2 * (r.x() - on.x()) + r.width() - on.width()) <= 2 &&
           std::abs(2 * (r.y() - on.y()) + r.height() - on.height()) <= 2;
}

// What is wrong with a main window's place: its frame must lie within the screen's available
// area, centred on it to within 1 px, its client area of the design size where the area holds
// that with the frame, and otherwise take the area's whole width or height.
inline std::string MainWindowFaults(const QWidget* w, QSize design)
{
    const QRect area = w->screen()->availableGeometry();
    const QRect frame = w->frameGeometry();
    std::string faults;
    if (!area.contains(frame))
        faults += "past the available area; ";
    if (!CentredOn(frame, area))
        faults += "not centred; ";
    const QSize border = frame.size() - w->size();
    if (design.width() + border.width() <= area.width() ? w->width() != design.width()
                                                        : frame.width() != area.width())
        faults += "width not fitted; ";
    if (design.height() + border.height() <= area.height() ? w->height() != design.height()
                                                           : frame.height() != area.height())
        faults += "height not fitted; ";
    return faults.empty() ? faults
                          : faults + "frame " + Text(frame) + " in area " + Text(area) +
                                ", client " + Text(w->geometry());
}

}  // namespace placement

// Korvel's windows under a window manager that frames them a moment after they are shown
// (tests/screens/under-openbox.sh runs this on screens of 1920 x 1080 and 1366 x 768): the
// main window centred and fitted with its real frame, a module dialog at the main window's
// place + (21, 355) or moved just onto the screen, the notice centred on the main window.
#include "tests/korvel/window/dialogs/DialogHarness.h"
#include "tests/WindowPlacement.h"
#include "korvel/window/dialogs/DeviceReplacedNotice.h"

#include <gtest/gtest.h>

using namespace korvel;
using placement::Settled;
using placement::Text;

namespace {

// What is wrong with a dialog's place: its frame's top-left corner must stand at the main
// window's frame's + (21, 355), or, where the dialog would reach past the bottom of the
// screen's available area there, just high enough to lie on it.
std::string DialogFaults(const QWidget* d, const QWidget* main)
{
    const QRect area = d->screen()->availableGeometry();
    const QRect frame = d->frameGeometry();
    const QPoint place = main->frameGeometry().topLeft() + QPoint(21, 355);
    const int top = std::min(place.y(), area.bottom() + 1 - frame.height());
    if (frame.topLeft() == QPoint(place.x(), top) && area.contains(frame))
        return {};
    return "frame " + Text(frame) + " in area " + Text(area) + ", main window's frame " +
           Text(main->frameGeometry());
}

}  // namespace

TEST(WindowManager, KorvelsWindowsStandWhereTheirRealFramesPutThem)
{
    if (!placement::UnderX11())
        GTEST_SKIP() << "runs under X11 with a window manager (tests/screens/under-openbox.sh)";
    DialogHarness h({"/VORKAL"});
    h.w->show();
    if (!placement::WaitFramed(h.w))
        GTEST_SKIP() << "no window manager frames the windows";
    EXPECT_EQ(Settled([&] { return placement::MainWindowFaults(h.w, MainWindow::kDesignSize); }),
              "");

    QPushButton* opener = h.button("Button_QV3320_QVAIN");
    opener->setEnabled(true);
    EXPECT_TRUE(h.whileOpen(opener, h.qvain, [&] {
        ASSERT_TRUE(placement::WaitFramed(h.qvain));
        EXPECT_EQ(Settled([&] { return DialogFaults(h.qvain, h.w); }), "");
    }));

    DeviceReplacedNotice* notice = h.forms->Form_Keszulekcsere;
    notice->ShowNotice(h.w);
    ASSERT_TRUE(placement::WaitFramed(notice));
    EXPECT_EQ(Settled([&] {
                  const QRect frame = notice->frameGeometry();
                  return placement::CentredOn(frame, h.w->frameGeometry())
                             ? std::string()
                             : "notice " + Text(frame) + " on " + Text(h.w->frameGeometry());
              }),
              "");
    notice->Button_OkClick();
}

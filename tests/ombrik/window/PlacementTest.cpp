// Ombrik's window under a window manager that frames it a moment after it is shown
// (tests/screens/under-openbox.sh runs this on screens of 1920 x 1080 and 1366 x 768):
// centred and fitted with its real frame.
#include "OmbrikHarness.h"
#include "tests/WindowPlacement.h"

#include <gtest/gtest.h>

TEST(OmbrikWindowManager, TheWindowStandsWhereItsRealFramePutsIt)
{
    if (!placement::UnderX11())
        GTEST_SKIP() << "runs under X11 with a window manager (tests/screens/under-openbox.sh)";
    OmbrikHarness h({}, true);
    h.w->show();
    if (!placement::WaitFramed(h.w.get()))
        GTEST_SKIP() << "no window manager frames the window";
    EXPECT_EQ(placement::Settled(
                  [&] { return placement::MainWindowFaults(h.w.get(), h.w->DesignSize()); }),
              "");
}

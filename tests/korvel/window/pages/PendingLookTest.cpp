// A request waiting for its reply looks pressed beside the idle buttons of its trio.
#include "tests/korvel/window/KorvelHarness.h"
#include "tests/PendingLook.h"
#include "tests/sim/SettingsStore.h"

#include <gtest/gtest.h>

using namespace qs;
using namespace korvel;

TEST(PendingLook, APendingRequestLooksPressedUntilItsReplyReleasesIt)
{
    KorvelHarness h({"/VORKAL"});
    SettingsStore store(*h.meter);
    h.w->show();
    h.C<qs::PageControl>("PageControl1")->setActivePage(h.C<QWidget>("TabSheet_Settings"));
    h.tick();  // a poll: the header shows the device
    h.C<qs::SpeedButton>("SpeedButton_ReadSettings")->click();
    KorvelHarness::pump();
    EXPECT_GE(FaceGrey(h.C<qs::SpeedButton>("SpeedButton_ReadDefaultSettings")) - FaceGrey(h.C<qs::SpeedButton>("SpeedButton_ReadSettings")), 40.0);
    SavePendingShot(h.w, "korvel-pending.png");
    h.tick();
    EXPECT_FALSE(h.C<qs::SpeedButton>("SpeedButton_ReadSettings")->IsDown());
    EXPECT_NEAR(FaceGrey(h.C<qs::SpeedButton>("SpeedButton_ReadSettings")), FaceGrey(h.C<qs::SpeedButton>("SpeedButton_ReadDefaultSettings")), 1.0);
}

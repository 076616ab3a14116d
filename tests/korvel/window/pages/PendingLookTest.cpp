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
    h.w->PageControl1->setActivePage(h.w->TabSheet_Settings);
    SettingsPage& s = *h.w->Settings;
    h.tick();  // a poll: the header shows the device
    s.SpeedButton_ReadSettings->click();
    KorvelHarness::pump();
    EXPECT_GE(FaceGrey(s.SpeedButton_ReadDefaultSettings) - FaceGrey(s.SpeedButton_ReadSettings), 40.0);
    SavePendingShot(h.w, "korvel-pending.png");
    h.tick();
    EXPECT_FALSE(s.SpeedButton_ReadSettings->IsDown());
    EXPECT_NEAR(FaceGrey(s.SpeedButton_ReadSettings), FaceGrey(s.SpeedButton_ReadDefaultSettings), 1.0);
}

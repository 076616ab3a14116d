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
    SpeedButton* read = h.C<SpeedButton>("SpeedButton_ReadSettings");
    SpeedButton* defaults = h.C<SpeedButton>("SpeedButton_ReadDefaultSettings");
    h.tick();  // a poll: the header shows the device
    read->click();
    KorvelHarness::pump();
    EXPECT_GE(FaceGrey(defaults) - FaceGrey(read), 40.0);
    SavePendingShot(h.w, "korvel-pending.png");
    h.tick();
    EXPECT_FALSE(read->IsDown());
    EXPECT_NEAR(FaceGrey(read), FaceGrey(defaults), 1.0);
}

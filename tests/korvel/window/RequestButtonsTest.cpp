// Request buttons bound to the session's pending keys, both ways, as the user sees them.
#include "KorvelHarness.h"

#include <gtest/gtest.h>

using namespace qs;
using namespace korvel;

TEST(RequestButtons, APairOnTwoPagesIsOneKeyAndTheReplyReleasesBoth)
{
    KorvelHarness h({"/VORKAL"});
    LinkSession& s = h.session();
    SpeedButton* read = h.C<qs::SpeedButton>("SpeedButton_ReadSettings");
    SpeedButton* read2 = h.C<qs::SpeedButton>("SpeedButton_ReadSettings2");
    read->click();
    EXPECT_TRUE(s.IsPending(KeySettingsRead));
    EXPECT_FALSE(read2->IsDown()) << "the twin on the other page stays as it was";
    read2->click();
    read->click();  // one of the two still down: still pending
    EXPECT_FALSE(read->IsDown());
    EXPECT_TRUE(s.IsPending(KeySettingsRead));
    read->click();

    h.meter->setReplyData(131, {});
    h.meter->clearLog();
    h.tick();
    EXPECT_EQ(h.meter->commandsSeen(), (std::vector<std::uint8_t>{131}));
    EXPECT_FALSE(read->IsDown());
    EXPECT_FALSE(read2->IsDown());
    EXPECT_FALSE(s.IsPending(KeySettingsRead));
}

TEST(RequestButtons, PressingASiblingWithdrawsItsKey)
{
    KorvelHarness h({"/VORKAL"});
    h.meter->setReplyData(109, {});
    h.C<qs::SpeedButton>("SpeedButton_ReadSettings")->click();
    h.C<qs::SpeedButton>("SpeedButton_WriteSettings")
        ->click();  // the same group: the read comes up
    EXPECT_FALSE(h.C<qs::SpeedButton>("SpeedButton_ReadSettings")->IsDown());
    EXPECT_FALSE(h.session().IsPending(KeySettingsRead));
    h.meter->clearLog();
    h.tick();
    EXPECT_EQ(h.meter->commandsSeen(), (std::vector<std::uint8_t>{109}));
}

TEST(RequestButtons, HigherPriorityGoesFirstAndAReleasedButtonIsNeverSent)
{
    KorvelHarness h({"/VORKAL"});
    for (std::uint8_t c : {110, 116, 129, 113})
        h.meter->setReplyData(c, {});
    // Pressed from code in reverse priority order.
    h.C<qs::SpeedButton>("SpeedButton_ReadCalPt")->SetDown(true);
    h.C<qs::SpeedButton>("SpeedButton_ReadPWMCal")->SetDown(true);
    h.C<qs::SpeedButton>("SpeedButton_Reset")->SetDown(true);
    h.C<qs::SpeedButton>("SpeedButton_ReadCalIn")->SetDown(true);
    h.meter->clearLog();
    h.tick();
    h.C<qs::SpeedButton>("SpeedButton_ReadPWMCal")
        ->click();  // the user withdraws it before its turn
    for (int i = 0; i < 3; ++i)
        h.tick();
    EXPECT_EQ(h.meter->commandsSeen(), (std::vector<std::uint8_t>{110, 113, 129, 101}));
}

TEST(RequestButtons, TheSessionSetsTheButtonsOfAKey)
{
    KorvelHarness h({"/VORKAL"});
    SpeedButton* reset = h.C<qs::SpeedButton>("SpeedButton_Reset");
    h.session().SetPending(KeyReset, true);
    EXPECT_TRUE(reset->IsDown());
    h.session().SetPending(KeyReset, false);
    EXPECT_FALSE(reset->IsDown());

    // A module dialog's trio: its read serves the slot's command and comes up with the reply.
    auto* qvaoRead =
        findcontrol::Find<qs::SpeedButton>(h.forms->Form_QVAO, "SpeedButton_ReadFromDevice");
    h.meter->setReplyData(205, {});
    qvaoRead->SetDown(true);
    EXPECT_TRUE(h.session().IsPending(KeyQvaoRead));
    h.meter->clearLog();
    h.tick();
    EXPECT_EQ(h.meter->commandsSeen(), (std::vector<std::uint8_t>{205}));
    EXPECT_FALSE(qvaoRead->IsDown());
}

TEST(RequestButtons, WritesWithoutTheirRecordAreNotOffered)
{
    KorvelHarness h({"/VORKAL"});
    // Every write has its record now, so every write is offered; reads stay available.
    EXPECT_TRUE(h.C<qs::SpeedButton>("SpeedButton_WriteSettings")->isEnabled());
    EXPECT_TRUE(h.C<qs::SpeedButton>("SpeedButton_WriteSettings2")->isEnabled());
    EXPECT_TRUE(h.C<qs::SpeedButton>("SpeedButton_GyariSzamAKeszulekbe")->isEnabled());
    EXPECT_TRUE(h.C<qs::SpeedButton>("SpeedButton_bPt1000")->isEnabled());
    EXPECT_TRUE(h.C<qs::SpeedButton>("SpeedButton_WriteToDevice_QV5510")->isEnabled());
    EXPECT_TRUE(h.C<qs::SpeedButton>("SpeedButton_ReadDisplay")->isEnabled());
    EXPECT_TRUE(findcontrol::Find<qs::SpeedButton>(h.forms->Form_QVAO, "SpeedButton_ReadFromDevice")
                    ->isEnabled());
    for (ModuleDialog* d : std::initializer_list<ModuleDialog*>{
             h.forms->Form_QVAIN, h.forms->Form_QVAO, h.forms->Form_QVRO, h.forms->Form_QVSER,
             h.forms->Form_QVTMP, h.forms->Form_Password}) {
        const char* write = d == h.forms->Form_Password ? "SpeedButton_WriteToDevice_Password"
                                                        : "SpeedButton_WriteToDevice";
        EXPECT_TRUE(findcontrol::Find<qs::SpeedButton>(d, write)->isEnabled())
            << d->objectName().toStdString();
    }
    // A write whose record is withdrawn is no longer offered, on both pages.
    Bindings withdrawn = MainWindowTestAccess::CommandBindings(*h.w);
    withdrawn.RemoveEncoder(Command::SettingsWrite);
    MainWindowTestAccess::OfferWritesAsIf(*h.w, withdrawn);
    EXPECT_FALSE(h.C<qs::SpeedButton>("SpeedButton_WriteSettings")->isEnabled());
    EXPECT_FALSE(h.C<qs::SpeedButton>("SpeedButton_WriteSettings2")->isEnabled());
    EXPECT_TRUE(h.C<qs::SpeedButton>("SpeedButton_GyariSzamAKeszulekbe")->isEnabled());
}

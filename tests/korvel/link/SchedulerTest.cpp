#include "Scheduler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <vector>

using namespace scheduler;

namespace {

// The table bound to a set of buttons that are down, named "form/button" as the program
// binds them: a button that appears on several rows (QVAO's read serves 203 and 205) makes
// all of them pending, and the alternate button counts like the first.
class Buttons {
public:
    explicit Buttons(std::set<std::string> down) : down_(std::move(down))
    {
        for (const PriorityRow& row : PriorityTable()) {
            const std::string a = std::string(row.form) + "/" + std::string(row.button);
            const std::string b = row.alternate.empty()
                                      ? std::string()
                                      : std::string(row.form) + "/" + std::string(row.alternate);
            rows_.push_back({row.command, row.slot, [this, a, b] {
                                 return down_.count(a) != 0 || (!b.empty() && down_.count(b) != 0);
                             }});
        }
    }
    Buttons(const Buttons&) = delete;  // the rows refer to this object
    Buttons& operator=(const Buttons&) = delete;
    std::span<const PendingRequest> table() const { return rows_; }

private:
    std::set<std::string> down_;
    std::vector<PendingRequest> rows_;
};

LinkSnapshot Online(std::uint8_t moduleSlot = 1)
{
    LinkSnapshot s;
    s.usbOnline = true;
    s.moduleSlot = moduleSlot;
    return s;
}

}  // namespace

TEST(Scheduler, TableHasTheDocumentedOrder)
{
    const auto table = PriorityTable();
    ASSERT_EQ(table.size(), 46u);
    std::vector<int> commands;
    for (const PriorityRow& r : table)
        commands.push_back(r.command);
    const std::vector<int> expected = {
        1,   102, 103, 104, 105, 106, 131, 132, 109, 110, 113, 114, 115, 116, 123, 125,
        126, 127, 128, 129, 130, 201, 202, 203, 204, 205, 206, 207, 208, 209, 210, 211,
        212, 213, 214, 215, 216, 217, 218, 219, 220, 221, 222, 223, 224, 225};
    EXPECT_EQ(commands, expected);
}

TEST(Scheduler, TableRowsNameTheirButtonsAndSlots)
{
    struct Row {
        std::size_t index;  // 0-based
        std::string_view form, button, alternate;
        int command;
        Slot slot;
    };
    const Row rows[] = {
        {0, "Form1", "SpeedButton_GyariSzamAKeszulekbe", "", 1, Slot::Any},
        {6, "Form1", "SpeedButton_ReadSettings", "SpeedButton_ReadSettings2", 131, Slot::Any},
        {7, "Form1", "SpeedButton_ReadDefaultSettings", "SpeedButton_ReadDefaultSettings2", 132,
         Slot::Any},
        {8, "Form1", "SpeedButton_WriteSettings", "SpeedButton_WriteSettings2", 109, Slot::Any},
        {20, "Form1", "SpeedButton_bPt1000", "", 130, Slot::Any},
        {21, "Form_QVAIN", "SpeedButton_ReadFromDevice", "", 201, Slot::Any},
        {23, "Form_QVAO", "SpeedButton_ReadFromDevice", "", 203, Slot::Main},
        {25, "Form_QVAO", "SpeedButton_ReadFromDevice", "", 205, Slot::Additional},
        {30, "Form_QVRO", "SpeedButton_WriteToDevice", "", 210, Slot::Additional},
        {31, "Form_QVAIN", "SpeedButton_ReadDefault", "", 211, Slot::Any},
        {32, "Form_QVAO", "SpeedButton_ReadDefault", "", 212, Slot::Any},
        {33, "Form_QVRO", "SpeedButton_ReadDefault", "", 213, Slot::Any},
        {34, "Form_QVSER", "SpeedButton_ReadFromDevice", "", 214, Slot::Main},
        {35, "Form_QVSER", "SpeedButton_WriteToDevice", "", 215, Slot::Main},
        {36, "Form_QVSER", "SpeedButton_ReadDefault", "", 216, Slot::Main},
        {37, "Form1", "SpeedButton_ReadFromDevice_QV5510", "", 217, Slot::Any},
        {41, "Form_Password", "SpeedButton_ReadDefault_Password", "", 221, Slot::Any},
        {42, "Form_Password", "SpeedButton_WriteToDevice_Password", "", 222, Slot::Any},
        {45, "Form_QVTMP", "SpeedButton_WriteToDevice", "", 225, Slot::Any},
    };
    const auto table = PriorityTable();
    for (const Row& r : rows) {
        SCOPED_TRACE(r.command);
        const PriorityRow& t = table[r.index];
        EXPECT_EQ(t.form, r.form);
        EXPECT_EQ(t.button, r.button);
        EXPECT_EQ(t.alternate, r.alternate);
        EXPECT_EQ(t.command, r.command);
        EXPECT_EQ(t.slot, r.slot);
    }

    // Slot conditions sit on the QVAO, QVRO and QVSER read/write rows only.
    std::vector<int> main, additional;
    for (const PriorityRow& t : table) {
        if (t.slot == Slot::Main)
            main.push_back(t.command);
        if (t.slot == Slot::Additional)
            additional.push_back(t.command);
    }
    EXPECT_EQ(main, (std::vector<int>{203, 204, 207, 208, 214, 215, 216}));
    EXPECT_EQ(additional, (std::vector<int>{205, 206, 209, 210}));
}

TEST(Scheduler, NextCommandPicksTheFirstPendingButtonOrThePoll)
{
    struct Case {
        const char* name;
        std::set<std::string> down;
        std::uint8_t moduleSlot;
        bool paused;
        std::optional<std::uint8_t> expected;
    };
    const Case cases[] = {
        {"nothing down polls", {}, 1, false, 101},
        {"nothing down, poll paused: silence", {}, 1, true, std::nullopt},
        {"pause stops only the poll", {"Form1/SpeedButton_Reset"}, 1, true, 113},
        {"higher row wins", {"Form_QVTMP/SpeedButton_WriteToDevice", "Form1/SpeedButton_Cal20mA"},
         1, false, 103},
        {"serial number write goes first",
         {"Form1/SpeedButton_GyariSzamAKeszulekbe", "Form1/SpeedButton_Cal0mA"}, 1, false, 1},
        {"settings read before write",
         {"Form1/SpeedButton_WriteSettings", "Form1/SpeedButton_ReadSettings"}, 1, false, 131},
        {"factory defaults before write",
         {"Form1/SpeedButton_WriteSettings2", "Form1/SpeedButton_ReadDefaultSettings2"}, 1, false,
         132},
        {"alternate button alone", {"Form1/SpeedButton_WriteSettings2"}, 1, false, 109},
        {"QVAO read in the main slot", {"Form_QVAO/SpeedButton_ReadFromDevice"}, 1, false, 203},
        {"QVAO read in the additional slot", {"Form_QVAO/SpeedButton_ReadFromDevice"}, 0, false,
         205},
        {"QVRO write in the additional slot", {"Form_QVRO/SpeedButton_WriteToDevice"}, 0, false,
         210},
        {"QVSER read in the main slot", {"Form_QVSER/SpeedButton_ReadFromDevice"}, 1, false, 214},
        {"QVSER starts nothing in the additional slot", {"Form_QVSER/SpeedButton_ReadFromDevice"},
         0, false, 101},
        {"QVSER default, additional slot, paused", {"Form_QVSER/SpeedButton_ReadDefault"}, 0, true,
         std::nullopt},
        {"factory defaults after module writes",
         {"Form_QVAIN/SpeedButton_ReadDefault", "Form_QVRO/SpeedButton_WriteToDevice"}, 0, false,
         210},
        {"module default reads ignore the slot", {"Form_QVAO/SpeedButton_ReadDefault"}, 0, false,
         212},
        {"password read", {"Form_Password/SpeedButton_ReadFromDevice_Password"}, 0, false, 220},
    };
    for (const Case& c : cases) {
        Buttons buttons(c.down);
        LinkSnapshot link = Online(c.moduleSlot);
        link.pollPaused = c.paused;
        EXPECT_EQ(NextCommand(link, buttons.table()), c.expected) << c.name;
    }
}

TEST(Scheduler, NothingStartsOfflineOrMidTransfer)
{
    Buttons buttons({"Form1/SpeedButton_Reset"});
    LinkSnapshot offline = Online();
    offline.usbOnline = false;
    EXPECT_EQ(NextCommand(offline, buttons.table()), std::nullopt);
    EXPECT_EQ(NextCommand(offline, Buttons({}).table()), std::nullopt) << "no poll either";

    for (std::uint8_t state = 1; state <= 5; ++state) {
        LinkSnapshot busy = Online();
        busy.transferState = state;
        EXPECT_EQ(NextCommand(busy, buttons.table()), std::nullopt) << int(state);
        EXPECT_EQ(NextCommand(busy, Buttons({}).table()), std::nullopt) << int(state);
    }
}

TEST(Scheduler, TheSecondButtonFollowsOnceTheFirstIsReleased)
{
    std::set<std::string> down = {"Form_QVAIN/SpeedButton_WriteToDevice",
                                   "Form1/SpeedButton_ReadCalIn"};
    std::vector<int> started;
    for (int tick = 0; tick < 4; ++tick) {
        Buttons buttons(down);
        const auto cmd = NextCommand(Online(), buttons.table());
        ASSERT_TRUE(cmd.has_value());
        started.push_back(*cmd);
        // The reply parser releases a button once its request has succeeded.
        if (*cmd == 110)
            down.erase("Form1/SpeedButton_ReadCalIn");
        if (*cmd == 202)
            down.erase("Form_QVAIN/SpeedButton_WriteToDevice");
    }
    EXPECT_EQ(started, (std::vector<int>{110, 202, 101, 101}));
}

TEST(Scheduler, RowsWithoutAButtonAreSkipped)
{
    // A build without some dialog binds no test for its rows.
    std::vector<PendingRequest> table = {
        {1, Slot::Any, {}},
        {113, Slot::Any, [] { return true; }},
    };
    EXPECT_EQ(NextCommand(Online(), table), 113);
    EXPECT_EQ(NextCommand(Online(), std::span<const PendingRequest>()), 101);
}

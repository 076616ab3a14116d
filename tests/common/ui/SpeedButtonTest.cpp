#include "tests/PendingLook.h"
#include "common/ui/SpeedButton.h"

#include <QImage>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <map>

using namespace qs;

namespace {
struct Trio {
    QWidget page;
    QWidget otherPage;
    SpeedButton* read = new SpeedButton("Kiolvasás a készülékből", 1, &page);
    SpeedButton* defaults = new SpeedButton("Gyári alapértékek megjelenítése", 1, &page);
    SpeedButton* write = new SpeedButton("Beírás a készülékbe", 1, &page);
    SpeedButton* otherRead = new SpeedButton("Kiolvasás a készülékből", 1, &otherPage);
    SpeedButton* switchButton = new SpeedButton("Közvetlen vezérlés", 20, &page);
};
}  // namespace

TEST(SpeedButton, SameGroupAndContainerExcludeEachOtherAndAllMayBeUp)
{
    Trio t;
    EXPECT_FALSE(t.read->IsDown() || t.defaults->IsDown() || t.write->IsDown());
    t.read->click();
    EXPECT_TRUE(t.read->IsDown());
    t.write->click();  // the pending read is withdrawn
    EXPECT_FALSE(t.read->IsDown());
    EXPECT_TRUE(t.write->IsDown());
    t.write->click();  // a click on a Down button releases it
    EXPECT_FALSE(t.write->IsDown());
}

TEST(SpeedButton, OtherContainersAndGroupIndexesAreIndependent)
{
    Trio t;
    t.read->SetDown(true);
    t.otherRead->SetDown(true);
    t.switchButton->click();
    EXPECT_TRUE(t.read->IsDown());
    EXPECT_TRUE(t.otherRead->IsDown());
    EXPECT_TRUE(t.switchButton->IsDown());
}

TEST(SpeedButton, PressesFromCodeReleaseSiblingsButRunNoClickHandler)
{
    Trio t;
    QSignalSpy clicks(t.write, &QAbstractButton::clicked);
    t.read->SetDown(true);
    t.write->SetDown(true);
    EXPECT_FALSE(t.read->IsDown());
    EXPECT_TRUE(t.write->IsDown());
    t.write->SetDown(false);
    EXPECT_FALSE(t.write->IsDown());
    EXPECT_EQ(clicks.count(), 0);
    t.write->click();
    EXPECT_EQ(clicks.count(), 1);
}

TEST(SpeedButton, GroupsFollowTheGivenContainerEvenWhenALayoutReparents)
{
    QWidget page;
    auto* inner = new QWidget(&page);
    auto* layout = new QVBoxLayout(inner);
    auto* a = new SpeedButton("a", 1, &page);
    auto* b = new SpeedButton("b", 1, &page);
    layout->addWidget(a);  // now a child of inner, still grouped by page
    a->SetDown(true);
    b->SetDown(true);
    EXPECT_FALSE(a->IsDown());
    EXPECT_EQ(a->container(), &page);
}

TEST(SpeedButton, GroupIndexZeroNeverLatches)
{
    QWidget page;
    auto* plain = new SpeedButton("Kép", 0, &page);
    plain->click();
    EXPECT_FALSE(plain->IsDown());
    plain->SetDown(true);
    EXPECT_FALSE(plain->IsDown());
}

// A pending request shows at a glance: Down is sunken (dark edge top and left, light edge
// bottom and right) with a face at least 40 grey levels darker; up is raised, the other way.
TEST(SpeedButton, ADownButtonLooksSunkenAndDarkerThanAnUpOne)
{
    QWidget page;
    auto* up = new SpeedButton("Kiolvasás a készülékből", 1, &page);
    auto* down = new SpeedButton("Beírás a készülékbe", 1, &page);
    down->SetDown(true);
    std::map<bool, QImage> look;
    for (SpeedButton* b : {up, down}) {
        b->setFixedSize(200, 33);
        look[b->IsDown()] = b->grab().toImage();
    }
    EXPECT_GE(FaceGrey(up) - FaceGrey(down), 40.0);
    for (const auto& [isDown, image] : look) {
        SCOPED_TRACE(isDown ? "Down" : "up");
        const int topLeft = qGray(image.pixel(0, 16)) + qGray(image.pixel(100, 0));
        const int bottomRight = qGray(image.pixel(199, 16)) + qGray(image.pixel(100, 32));
        if (isDown)
            EXPECT_LT(topLeft, bottomRight);
        else
            EXPECT_GT(topLeft, bottomRight);
    }
    // A click from the user releases it; it then looks like the up button.
    down->click();
    EXPECT_EQ(down->grab().toImage().pixel(10, 10), look[false].pixel(10, 10));
}

#include "common/bargraph/MBarGraph.h"
#include "common/ui/Shape.h"

#include <QFontMetrics>
#include <QLabel>

#include <gtest/gtest.h>

#include <memory>

using namespace qs;

namespace {

// The widget must show exactly what its model holds.
void ExpectShows(const TMBarGraph& graph)
{
    const MBarGraphModel& m = graph.Model();
    EXPECT_EQ(m.Width(), graph.width());
    EXPECT_EQ(m.Height(), graph.height());
    const std::pair<const char*, const BarShapeState*> shapes[] = {
        {"MinusBar", &m.MinusBar()}, {"PlusBar", &m.PlusBar()}, {"CentreGap", &m.CentreGap()}};
    for (const auto& [name, state] : shapes) {
        SCOPED_TRACE(name);
        const auto* shape = graph.findChild<Shape*>(QString::fromLatin1(name));
        ASSERT_NE(shape, nullptr);
        EXPECT_EQ(shape->geometry(), QRect(state->left, state->top, state->width, state->height));
        EXPECT_EQ(shape->isVisibleTo(&graph), state->visible);
        EXPECT_EQ(shape->brushColor(), state->brushColor);
    }
    const auto* label = graph.findChild<QLabel*>(QStringLiteral("TextLabel"));
    ASSERT_NE(label, nullptr);
    const BarLabelState& l = m.TextLabel();
    EXPECT_EQ(label->text(), QString::fromStdString(l.caption));
    EXPECT_EQ(label->geometry(), QRect(l.left, l.top, l.width, l.height));
    EXPECT_EQ(FontColorOf(label), l.fontColor);
}

struct Shown {
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    TMBarGraph* graph = new TMBarGraph(window.get());
    Shown()
    {
        window->resize(400, 200);
        graph->SetMBGValue(0.5);
        graph->SetMBGValueFrom(0.25);
        graph->SetMBGValueTo(0.75);
        window->show();
    }
};

}  // namespace

TEST(BarGraphWidget, CreatesItsChildrenInOrder)
{
    TMBarGraph graph;
    EXPECT_EQ(graph.objectName(), QStringLiteral("MBarGraph"));
    EXPECT_EQ(graph.size(), QSize(105, 17));
    EXPECT_EQ(graph.minimumSize(), QSize(30, 5));
    EXPECT_EQ(graph.frameShadow(), QFrame::Sunken);
    EXPECT_EQ(graph.frameWidth(), 1);

    QStringList names;
    for (QObject* child : graph.children())
        if (child->isWidgetType())
            names << child->objectName();
    EXPECT_EQ(names, (QStringList{"MinusBar", "PlusBar", "CentreGap", "TextLabel"}));

    const auto* label = graph.findChild<QLabel*>(QStringLiteral("TextLabel"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("0%"));
    EXPECT_FALSE(label->autoFillBackground());
    ExpectShows(graph);
}

TEST(BarGraphWidget, AppliesTheModelInEveryMode)
{
    Shown s;
    TMBarGraph& g = *s.graph;
    ExpectShows(g);
    EXPECT_EQ(g.findChild<Shape*>("PlusBar")->geometry(), QRect(1, 1, 52, 15));

    g.SetMBGText(QStringLiteral("50%"));
    ExpectShows(g);
    g.SetMBGMode(modeSigned);
    g.SetMBGValue(-0.5);
    ExpectShows(g);
    EXPECT_EQ(g.findChild<Shape*>("MinusBar")->geometry(), QRect(26, 1, 26, 15));
    g.SetMBGMode(modeFromTo);
    ExpectShows(g);
    EXPECT_EQ(g.findChild<Shape*>("MinusBar")->geometry(), QRect(27, 6, 50, 6));
    g.SetMBGValueFrom(0.4);
    g.SetMBGValueTo(0.4);  // a band too narrow to show
    ExpectShows(g);
    g.SetMBGOrientation(orientationVertical);
    EXPECT_EQ(g.minimumSize(), QSize(6, 30));
    g.resize(17, 100);
    g.SetMBGMode(modeUnsigned);
    g.SetMBGValue(0.25);
    ExpectShows(g);
    EXPECT_EQ(g.findChild<Shape*>("PlusBar")->geometry(), QRect(1, 75, 15, 24));
}

TEST(BarGraphWidget, RedrawsWhenResized)
{
    Shown s;
    TMBarGraph& g = *s.graph;
    g.SetMBGMode(modeFromTo);
    g.resize(300, 17);
    EXPECT_EQ(g.Model().Width(), 300);
    EXPECT_EQ(g.findChild<Shape*>("PlusBar")->width(), 6);
    ExpectShows(g);
}

TEST(BarGraphWidget, HorizontalOrientationRaisesTheMinimumHeight)
{
    TMBarGraph graph;
    EXPECT_EQ(graph.minimumHeight(), 5);
    graph.SetMBGOrientation(orientationHorizontal);
    EXPECT_EQ(graph.minimumHeight(), 6);
    EXPECT_EQ(graph.minimumWidth(), 30);
}

TEST(BarGraphWidget, ConstraintsNeverLowerAFixedSizeTheOwnerGave)
{
    TMBarGraph graph;
    graph.setFixedSize(180, 17);
    for (double v : {0.25, 0.5, -0.75}) {
        graph.SetMBGValue(v);
        EXPECT_EQ(graph.minimumSize(), QSize(180, 17)) << v;
    }
    // A vertical bar needs a taller minimum than the owner gave: the larger one wins.
    graph.SetMBGOrientation(orientationVertical);
    EXPECT_EQ(graph.minimumWidth(), 180);
    EXPECT_GE(graph.minimumHeight(), 17);
}

TEST(BarGraphWidget, LabelTakesTheFontAndColourWhenItsTextIsPlaced)
{
    Shown s;
    TMBarGraph& g = *s.graph;
    QFont big = g.font();
    big.setPixelSize(15);
    g.setFont(big);
    g.SetMBGInverseText(true);
    g.SetMBGText(QStringLiteral("50%"));
    const auto* label = g.findChild<QLabel*>(QStringLiteral("TextLabel"));
    EXPECT_EQ(label->font().pixelSize(), 15);
    EXPECT_EQ(FontColorOf(label), 0x808000u);
    const QFontMetrics fm(big);
    EXPECT_EQ(label->size(), QSize(fm.horizontalAdvance(QStringLiteral("50%")), fm.height()));
    ExpectShows(g);

    // A font change alone does not reach the label until the text changes.
    QFont small = big;
    small.setPixelSize(9);
    g.setFont(small);
    EXPECT_EQ(label->font().pixelSize(), 15);
}

TEST(BarGraphWidget, PublishedPropertiesReadAndWrite)
{
    TMBarGraph graph;
    EXPECT_TRUE(graph.setProperty("MBGValue", 1.5));
    EXPECT_EQ(graph.property("MBGValue").toDouble(), 1.5);
    EXPECT_EQ(graph.Model().ClampedValue(), 1.0);
    EXPECT_TRUE(graph.setProperty("MBGText", QStringLiteral("???%")));
    EXPECT_EQ(graph.MBGText(), QStringLiteral("???%"));
    graph.SetMBGPlusColorAt1(clYellow);
    EXPECT_EQ(graph.MBGPlusColorAt1(), clYellow);
    EXPECT_EQ(graph.findChild<Shape*>("PlusBar")->brushColor(), clYellow);  // value 1
    graph.SetMBGText(QStringLiteral("Kimenet: 100 ő%"));
    EXPECT_EQ(graph.MBGText(), QStringLiteral("Kimenet: 100 ő%"));
    EXPECT_EQ(graph.findChild<QLabel*>("TextLabel")->text(), QStringLiteral("Kimenet: 100 ő%"));
}

#include "DialogControls.h"

#include "common/ui/ControlBuilder.h"

#include "common/ui/RadioGroup.h"
#include "common/ui/TypingLimit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvel {

using namespace qs;

const QStringList kRoundingItems = {"1", "2", "5", "10", "20", "50", "100"};

RadioGroup* NamedRadioGroup(QWidget* parent, const char* name, const QString& caption,
                            const QStringList& items, int designIndex, int columns)
{
    auto* g = new RadioGroup(caption, items, parent, columns);
    g->setObjectName(QLatin1String(name));
    g->setItemIndex(designIndex);
    return g;
}

QLineEdit* NumberEntry(QWidget* parent, const char* name, int maxLength, const QString& text)
{
    auto* e = new QLineEdit(text, parent);
    e->setObjectName(QLatin1String(name));
    TypingLimit::Install(e, maxLength);
    e->setMaximumWidth(70);
    return e;
}

ScaleRows AddScaleRows(QWidget* parent, const QString& title,
                       std::initializer_list<NamedCaption> lowCaptions,
                       std::initializer_list<NamedCaption> highCaptions)
{
    ScaleRows s;
    s.group = build::Group(parent, "GroupBox1", title);
    auto* grid = new QGridLayout(s.group);
    s.low = AddValueRow(grid, 0, lowCaptions, "Label_iScaleLowSettings", "Button_ScaleLowSettings");
    s.high =
        AddValueRow(grid, 1, highCaptions, "Label_iScaleHighSettings", "Button_ScaleHighSettings");
    grid->setColumnStretch(3, 1);
    return s;
}

QLabel* BoldLabel(QWidget* parent, const char* name, const QString& text)
{
    QLabel* l = build::Label(parent, name, text);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

ValueRow AddValueRow(QGridLayout* grid, int row, std::initializer_list<NamedCaption> captions,
                     const char* valueName, const char* buttonName)
{
    QWidget* parent = grid->parentWidget();
    auto* lines = new QVBoxLayout;
    lines->setSpacing(0);
    for (const NamedCaption& c : captions)
        lines->addWidget(build::Label(parent, c.first, c.second));
    grid->addLayout(lines, row, 0);
    ValueRow r;
    r.value = BoldLabel(parent, valueName, QStringLiteral("xxxxx"));
    r.value->setMinimumWidth(80);
    r.button = build::Button(parent, buttonName, QStringLiteral("Módosítás"));
    r.button->setAutoDefault(false);
    grid->addWidget(r.value, row, 1);
    grid->addWidget(r.button, row, 2);
    return r;
}

}  // namespace korvel

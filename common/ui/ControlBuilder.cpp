#include "ControlBuilder.h"

namespace qs {

namespace build {

QLabel* Label(QWidget* parent, const char* name, const QString& text)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QLabel* Caption(QWidget* parent, const QString& text)
{
    return new QLabel(text, parent);
}

QGroupBox* Group(QWidget* parent, const char* name, const QString& title)
{
    auto* g = new QGroupBox(title, parent);
    if (name)
        g->setObjectName(QString::fromLatin1(name));
    return g;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

QCheckBox* CheckBox(QWidget* parent, const char* name, const QString& caption)
{
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(QString::fromLatin1(name));
    return c;
}

QRadioButton* Radio(QWidget* parent, const char* name, const QString& caption)
{
    auto* r = new QRadioButton(caption, parent);
    r->setObjectName(QLatin1String(name));
    return r;
}

void KeepRoomWhenHidden(QWidget* control)
{
    QSizePolicy policy = control->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    control->setSizePolicy(policy);
}

SpeedButton* Speed(QWidget* container, const char* name, const QString& caption, int groupIndex)
{
    auto* b = new SpeedButton(caption, groupIndex, container);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

RequestTrio MakeTrio(QWidget* container, QBoxLayout* row, const char* read, const char* defaults,
                     const char* write, const QString& defaultsCaption)
{
    RequestTrio t{Speed(container, read, QStringLiteral("Kiolvasás a készülékből")),
                  Speed(container, defaults, defaultsCaption),
                  Speed(container, write, QStringLiteral("Beírás a készülékbe"))};
    if (row) {
        row->addWidget(t.read);
        row->addWidget(t.defaults);
        row->addWidget(t.write);
    }
    return t;
}

void AddRequestButtons(QWidget* container, QGridLayout* grid, int row, int column, int columns,
                       std::initializer_list<ButtonSpec> buttons)
{
    int i = 0;
    for (const ButtonSpec& b : buttons) {
        *b.target = Named<SpeedButton>(container, b.name, QString::fromUtf8(b.caption), 1);
        grid->addWidget(*b.target, row + i / columns, column + i % columns);
        ++i;
    }
}

int AddValueRows(QWidget* parent, QGridLayout* grid, int row, int column,
                 std::initializer_list<ValueSpec> values)
{
    for (const ValueSpec& v : values) {
        grid->addWidget(new QLabel(QString::fromUtf8(v.caption), parent), row, column);
        *v.target = Named<QLabel>(parent, v.name, QString::fromUtf8(v.text));
        grid->addWidget(*v.target, row, column + 1);
        ++row;
    }
    return row;
}

}  // namespace build

}  // namespace qs

#include "Controls.h"

namespace ombrik {

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

int AddValueRows(QWidget* parent, QGridLayout* grid, int row, int column, std::initializer_list<ValueSpec> values)
{
    for (const ValueSpec& v : values) {
        grid->addWidget(new QLabel(QString::fromUtf8(v.caption), parent), row, column);
        *v.target = Named<QLabel>(parent, v.name, QString::fromUtf8(v.text));
        grid->addWidget(*v.target, row, column + 1);
        ++row;
    }
    return row;
}

}  // namespace ombrik

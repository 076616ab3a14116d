#include "RadioGroup.h"

#include <QGridLayout>
#include <QRadioButton>

#include <algorithm>

namespace qs {

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, QWidget* parent,
                       int columns)
    : QGroupBox(caption, parent), grid_(new QGridLayout(this)), columns_(std::max(1, columns))
{
    connect(this, &QObject::objectNameChanged, this, &RadioGroup::nameItems);
    setItems(items);
}

void RadioGroup::setItems(const QStringList& items)
{
    for (QRadioButton* b : buttons_)
        delete b;
    buttons_.clear();

    const int rows = (static_cast<int>(items.size()) + columns_ - 1) / columns_;
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], this);
        b->setAutoExclusive(true);
        grid_->addWidget(b, i % std::max(1, rows), i / std::max(1, rows));
        connect(b, &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked)
                emit itemClicked(i);
        });
        buttons_.push_back(b);
    }
    nameItems();
}

QRadioButton* RadioGroup::item(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return buttons_[static_cast<std::size_t>(index)];
}

int RadioGroup::ItemIndex() const
{
    for (int i = 0; i < count(); ++i)
        if (buttons_[static_cast<std::size_t>(i)]->isChecked())
            return i;
    return -1;
}

void RadioGroup::setItemIndex(int index)
{
    if (buttons_.empty())
        return;
    if (index < 0) {
        // An auto-exclusive button cannot be unchecked while it is exclusive.
        for (QRadioButton* b : buttons_) {
            if (b->isChecked()) {
                b->setAutoExclusive(false);
                b->setChecked(false);
                b->setAutoExclusive(true);
            }
        }
        return;
    }
    index = std::min(index, count() - 1);
    buttons_[static_cast<std::size_t>(index)]->setChecked(true);
}

void RadioGroup::nameItems()
{
    const QString prefix = objectName().isEmpty() ? QString() : objectName() + QLatin1Char('_');
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i]->setObjectName(prefix + QStringLiteral("Item") + QString::number(i));
}

}  // namespace qs

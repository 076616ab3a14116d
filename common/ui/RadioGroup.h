#pragma once
#include <QGroupBox>
#include <QStringList>

#include <vector>

class QGridLayout;
class QRadioButton;

namespace qs {

// A titled group of radio buttons with an item index.
// - ItemIndex() is the selected item, -1 when none is selected.
// - setItemIndex(i): i past the last item selects the last; i below 0 clears the selection.
// - Selecting an item, by a click or from code (setItemIndex or an item's setChecked), emits
//   itemClicked() once; selecting the item that is already selected, or clearing the
//   selection, emits nothing.
// - The items are named "<group objectName>_Item<i>" (renamed when the group's name is set).
// Items are laid out in `columns` columns, filled top to bottom, then left to right.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& caption, const QStringList& items, QWidget* parent = nullptr,
               int columns = 1);

    // Replaces the items; the group then has no selection.
    void setItems(const QStringList& items);

    int count() const { return static_cast<int>(buttons_.size()); }
    QRadioButton* item(int index) const;

    int ItemIndex() const;
    void setItemIndex(int index);

signals:
    // The group's click handler hangs here: a user's click and a selection from code.
    void itemClicked(int index);

private:
    void nameItems();

    QGridLayout* grid_;
    std::vector<QRadioButton*> buttons_;
    int columns_;
};

}  // namespace qs

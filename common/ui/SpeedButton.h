#pragma once
#include <QColor>
#include <QToolButton>

namespace qs {

// A latched speed button. With a group index of 1 or more it stays Down after a click; the
// buttons with the same group index and the same container exclude each other, and all of
// them may be up. Going Down, by a click or from code, releases the siblings; a click on a
// Down button releases it. Handlers hang on clicked(), which only a user's click emits.
// With group index 0 it is a plain push button.
// A Down button is the pending request of its group, and it looks it at a glance: a sunken
// edge and a face clearly darker than the button face, where an up button stands raised.
class SpeedButton : public QToolButton {
    Q_OBJECT
public:
    // container: the widget whose buttons form the groups (kept explicitly, since layouts
    // may reparent the button).
    SpeedButton(const QString& caption, int groupIndex, QWidget* container);

    int groupIndex() const { return groupIndex_; }
    QWidget* container() const { return container_; }

    bool IsDown() const { return isChecked(); }
    // Sets the state from code: no click handler runs; going Down releases the siblings.
    void SetDown(bool down);

    // The face colour of a Down (or pressed) button.
    QColor DownFace() const;

protected:
    void nextCheckState() override;
    void paintEvent(QPaintEvent* event) override;

private:
    void releaseSiblings();

    int groupIndex_;
    QWidget* container_;
};

}  // namespace qs

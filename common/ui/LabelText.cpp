#include "LabelText.h"

#include <QEvent>

#include <unordered_map>

namespace labeltext {

namespace {

struct Given {
    Key key;
    QString text;  // a label's text as it stood after the set: shared with the label's own
};

// Kept beside the controls rather than in them: a lookup by address is all a reply pays for
// a control that shows the same as before. An entry goes with its control.
std::unordered_map<const QObject*, Given>& Registry()
{
    static std::unordered_map<const QObject*, Given> given;
    return given;
}

Given& Entry(QObject* control)
{
    auto [it, added] = Registry().try_emplace(control);
    if (added)
        QObject::connect(control, &QObject::destroyed, [control] { Registry().erase(control); });
    return it->second;
}

// Keeps a label at the size its widest text takes.
class SizeKeeper final : public QObject {
public:
    SizeKeeper(QLabel* label, QString widest) : QObject(label), label_(label), widest_(std::move(widest))
    {
        label_->installEventFilter(this);
        Fix();
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
            Fix();
        return false;
    }

private:
    void Fix()
    {
        label_->setMinimumSize(0, 0);
        label_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        const QString text = label_->text();
        label_->setText(widest_);
        QSize size = label_->sizeHint();
        label_->setText(text);
        label_->setFixedSize(size.expandedTo(label_->sizeHint()));
    }

    QLabel* label_;
    QString widest_;
};

}  // namespace

void KeepSize(QLabel* label, const QString& widest)
{
    new SizeKeeper(label, widest);
}

bool Shows(const QLabel* label, const Key& key)
{
    const auto it = Registry().find(label);
    // The label's text is still the very string that was set (not an equal one made again):
    // nothing else has set it since.
    return it != Registry().end() && it->second.key.Matches(key) && label->text().isSharedWith(it->second.text);
}

void Remember(QLabel* label, const Key& key)
{
    Given& given = Entry(label);
    given.key = key;
    given.text = label->text();
}

bool Repeats(QObject* control, const Key& key)
{
    Given& given = Entry(control);
    const bool same = given.key.Matches(key);
    given.key = key;
    return same;
}

}  // namespace labeltext

#include "LabelText.h"

#include <unordered_map>

namespace labeltext {

namespace {

struct Given {
    Key key;
    QString text;  // the label's text as it stood after the set: shared with the label's own
};

// Kept beside the labels rather than in them: a lookup by address is all a reply pays for a
// label that shows the same as before. An entry goes with its label.
std::unordered_map<const QLabel*, Given>& Registry()
{
    static std::unordered_map<const QLabel*, Given> given;
    return given;
}

}  // namespace

bool Shows(const QLabel* label, const Key& key)
{
    const auto it = Registry().find(label);
    // The label's text is still the very string that was set (not an equal one made again):
    // nothing else has set it since.
    return it != Registry().end() && it->second.key.Matches(key) && label->text().isSharedWith(it->second.text);
}

void Remember(QLabel* label, const Key& key)
{
    auto [it, added] = Registry().try_emplace(label);
    if (added)
        QObject::connect(label, &QObject::destroyed, [label] { Registry().erase(label); });
    it->second.key = key;
    it->second.text = label->text();
}

}  // namespace labeltext

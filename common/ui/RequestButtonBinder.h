#pragma once
#include <QObject>

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <vector>

namespace qs {

class SpeedButton;

// Binds a program's request buttons to its link's pending request keys, both ways. Any Down
// change of a button (a click, a change from code, a sibling released by its group) makes its
// key pending while any of the key's buttons is Down. A change from the link (a reply
// releases its key, a write acknowledgement presses a read's key) sets the key's buttons:
// released, all of them come up; pressed, all go Down unless one already is (so a button the
// user pressed does not pull its twin on another page down with it).
class RequestButtonBinder : public QObject {
    Q_OBJECT
public:
    using Key = std::uint16_t;
    // Tells the link that a key is pending or not.
    using SetPending = std::function<void(Key, bool)>;

    explicit RequestButtonBinder(SetPending setPending, QObject* parent = nullptr);

    void Bind(Key key, SpeedButton* button);
    const std::vector<SpeedButton*>& ButtonsOf(Key key) const;
    // The link changed a key: sets its buttons.
    void PendingChanged(Key key, bool pending);
    // Enables the buttons of each of the keys exactly when `served` answers true for it: a
    // request the program cannot fill or show is not offered. Other keys' buttons stay as
    // they are.
    template <class Keys, class Served>
    void Offer(const Keys& keys, Served&& served)
    {
        for (const auto key : keys) {
            const bool enabled = served(key);
            for (SpeedButton* button : ButtonsOf(static_cast<Key>(key)))
                SetEnabled(button, enabled);
        }
    }

private:
    void ButtonChanged(Key key);
    static void SetEnabled(SpeedButton* button, bool enabled);

    SetPending setPending_;
    std::map<Key, std::vector<SpeedButton*>> buttons_;
    std::set<Key> syncing_;  // keys whose buttons the link is setting right now
};

}  // namespace qs

#pragma once
#include "CommandTable.h"

#include <QObject>

#include <map>
#include <set>
#include <vector>

class LinkSession;
class SpeedButton;

// Binds the request buttons to the session's pending keys, both ways. Any Down change of a
// button (a click, a change from code, a sibling released by its group) makes its key
// pending while any of the key's buttons is Down. A change from the session (a completion
// releases its key, a write acknowledgement presses its read's key) sets the key's buttons:
// released, all of them come up; pressed, all go Down unless one already is (so a button
// the user pressed does not pull its twin on the other page down with it).
class RequestButtons : public QObject {
    Q_OBJECT
public:
    explicit RequestButtons(LinkSession& session, QObject* parent = nullptr);

    void Bind(RequestKey key, SpeedButton* button);
    const std::vector<SpeedButton*>& ButtonsOf(RequestKey key) const;

private:
    void ButtonChanged(RequestKey key);
    void PendingChanged(RequestKey key, bool pending);

    LinkSession& session_;
    std::map<RequestKey, std::vector<SpeedButton*>> buttons_;
    std::set<RequestKey> syncing_;  // keys whose buttons the session is setting right now
};

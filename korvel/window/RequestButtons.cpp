#include "RequestButtons.h"

#include "LinkSession.h"
#include "ui/SpeedButton.h"

#include <algorithm>

RequestButtons::RequestButtons(LinkSession& session, QObject* parent) : QObject(parent), session_(session)
{
    connect(&session_, &LinkSession::pendingChanged, this, &RequestButtons::PendingChanged);
}

void RequestButtons::Bind(RequestKey key, SpeedButton* button)
{
    buttons_[key].push_back(button);
    connect(button, &SpeedButton::toggled, this, [this, key] { ButtonChanged(key); });
    ButtonChanged(key);
}

const std::vector<SpeedButton*>& RequestButtons::ButtonsOf(RequestKey key) const
{
    static const std::vector<SpeedButton*> none;
    const auto it = buttons_.find(key);
    return it == buttons_.end() ? none : it->second;
}

void RequestButtons::ButtonChanged(RequestKey key)
{
    if (syncing_.contains(key))
        return;
    const auto& buttons = ButtonsOf(key);
    const bool anyDown = std::any_of(buttons.begin(), buttons.end(), [](SpeedButton* b) { return b->IsDown(); });
    session_.SetPending(key, anyDown);
}

void RequestButtons::PendingChanged(RequestKey key, bool pending)
{
    const auto& buttons = ButtonsOf(key);
    if (buttons.empty() || syncing_.contains(key))
        return;
    syncing_.insert(key);
    const bool anyDown = std::any_of(buttons.begin(), buttons.end(), [](SpeedButton* b) { return b->IsDown(); });
    if (!pending || !anyDown)
        for (SpeedButton* b : buttons)
            b->SetDown(pending);
    syncing_.erase(key);
}

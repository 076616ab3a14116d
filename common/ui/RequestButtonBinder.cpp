#include "RequestButtonBinder.h"

#include "SpeedButton.h"

#include <algorithm>

namespace qs {

namespace {
bool AnyDown(const std::vector<SpeedButton*>& buttons)
{
    return std::any_of(buttons.begin(), buttons.end(), [](SpeedButton* b) { return b->IsDown(); });
}
}  // namespace

RequestButtonBinder::RequestButtonBinder(SetPending setPending, QObject* parent)
    : QObject(parent), setPending_(std::move(setPending))
{
}

void RequestButtonBinder::Bind(Key key, SpeedButton* button)
{
    buttons_[key].push_back(button);
    connect(button, &SpeedButton::toggled, this, [this, key] { ButtonChanged(key); });
    ButtonChanged(key);
}

const std::vector<SpeedButton*>& RequestButtonBinder::ButtonsOf(Key key) const
{
    static const std::vector<SpeedButton*> none;
    const auto it = buttons_.find(key);
    return it == buttons_.end() ? none : it->second;
}

void RequestButtonBinder::ButtonChanged(Key key)
{
    if (!syncing_.contains(key))
        setPending_(key, AnyDown(ButtonsOf(key)));
}

void RequestButtonBinder::PendingChanged(Key key, bool pending)
{
    const auto& buttons = ButtonsOf(key);
    if (buttons.empty() || syncing_.contains(key))
        return;
    syncing_.insert(key);
    if (!pending || !AnyDown(buttons))
        for (SpeedButton* b : buttons)
            b->SetDown(pending);
    syncing_.erase(key);
}

void RequestButtonBinder::SetEnabled(SpeedButton* button, bool enabled)
{
    button->setEnabled(enabled);
}

}  // namespace qs

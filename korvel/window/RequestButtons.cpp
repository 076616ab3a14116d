#include "RequestButtons.h"

#include "korvel/session/LinkSession.h"

namespace korvel {

using namespace qs;

RequestButtons::RequestButtons(LinkSession& session, QObject* parent)
    : RequestButtonBinder(
          [&session](Key key, bool pending) {
              session.SetPending(static_cast<RequestKey>(key), pending);
          },
          parent)
{
    connect(&session, &LinkSession::pendingChanged, this,
            [this](RequestKey key, bool pending) { PendingChanged(key, pending); });
}

}  // namespace korvel

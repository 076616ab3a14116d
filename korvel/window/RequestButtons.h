#pragma once
#include "korvel/link/CommandTable.h"
#include "common/ui/RequestButtonBinder.h"

namespace korvel {

class LinkSession;

// Korvel's request buttons bound to its session's pending keys, both ways
// (RequestButtonBinder): Bind(key, button) and ButtonsOf(key) take the command table's keys.
class RequestButtons : public qs::RequestButtonBinder {
    Q_OBJECT
public:
    explicit RequestButtons(LinkSession& session, QObject* parent = nullptr);
};

}  // namespace korvel

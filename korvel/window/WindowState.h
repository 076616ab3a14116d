#pragma once
#include "common/link/CommandBindings.h"
#include "common/numbers/ScaledNumber.h"
#include "korvel/link/CommandTable.h"
#include "korvel/link/records/QvtmpBlock.h"
#include "korvel/link/records/StatusRecord.h"

#include <cstdint>

namespace korvel {

class DeviceReplacedNotice;
class QvainDialog;
class NumberEditor;
class QvaoDialog;
class QvroDialog;
class QvserDialog;
class PasswordDialog;
class QvtmpDialog;

// What Korvel's window does for each command its link sends.
using Bindings = qs::CommandBindings<Command>;

// The window's state that its binders share: the main window owns it and hands it to each
// binder by reference.
struct WindowState {
    // 1 when the program was started with the factory switch.
    std::uint8_t FactoryMode = 0;
    // The last status poll, kept until the next one.
    StatusRecord LastStatus;
    // The last temperature module block received, kept whole (all zero at start): the
    // temperature dialog shows its numbers, the number editor changes its two scale values,
    // and a write sends it back with the dialog's selections.
    QvtmpBlock LastQVTMPBlock;
    // The window's scaled number format, set by the status poll.
    qs::DecimalFormat Decimals;
    // The identity just written is read back on the next status reply, which carries it.
    bool IdentityReadBackDue = false;
};

// The dialogs created after the main window, in the program's order.
struct FormDialogs {
    DeviceReplacedNotice* notice = nullptr;
    QvainDialog* qvain = nullptr;
    NumberEditor* numberEditor = nullptr;
    QvaoDialog* qvao = nullptr;
    QvroDialog* qvro = nullptr;
    QvserDialog* qvser = nullptr;
    PasswordDialog* password = nullptr;
    QvtmpDialog* qvtmp = nullptr;
};

}  // namespace korvel

#pragma once
// The five module dialogs.
#include "QvainDialog.h"
#include "QvaoDialog.h"
#include "QvroDialog.h"
#include "QvserDialog.h"
#include "QvtmpDialog.h"

namespace korvel {

}  // namespace korvel

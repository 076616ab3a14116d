#pragma once
// Byte tables as text for Ombrik's tests.
#include "tests/HexText.h"

namespace bytetext {
using hextext::FromHex;
using hextext::Hex;
}  // namespace bytetext

#pragma once
#include "ombrik/session/MbuSession.h"

namespace ombrik {

class CalibrationPage;
class TestsPage;
class ToolsPage;
class LiveValuesGroup;
struct WindowState;

// The records of Ombrik's commands bound to the pages: the status poll both ways, the
// options, the calibration points, the Pt1000 choice and the display's row pairs. The
// settings parts are SettingsParts'. The display readout ends its chain through the session.
void BindCommands(MbuSession::Bindings& bindings, WindowState& state, CalibrationPage& calibration,
                  ToolsPage& tools, const TestsPage& tests, LiveValuesGroup& live,
                  MbuSession& session);

}  // namespace ombrik

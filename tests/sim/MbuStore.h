#pragma once
#include "common/link/records/CalibrationRecords.h"
#include "common/display/DisplayImage.h"
#include "ombrik/link/records/MbuStatusRequest.h"
#include "ombrik/link/records/OptionsRecord.h"

#include <cstdint>
#include <vector>

// What the QV5530 keeps for Ombrik's commands on the MBU protocol. The calibration commands
// take the unit's filtered converter reading (input and Pt points) or the PWM value of the
// last poll (output points, 4 mA / 20 mA with the current output selected in that poll,
// else 2 V / 10 V); the reads answer the points kept. The display is read two rows a frame:
// its first and next row-pair commands answer the pair of rows their request asks for. (The
// settings parts are the SettingsStore's.) MeterCore's handlers of these commands are in
// MbuMode.cpp.
struct MbuStore {
    qs::InputCalibration input;
    qs::OutputCalibration output;
    qs::PtCalibration pt;
    ombrik::OptionsRecord options;
    ombrik::MbuStatusRequest lastPoll;  // the request data of the last poll
    int framErasures = 0;               // FRAM1 erasures
    int resets = 0;                     // resets of the unit
    qs::DisplayImage display;
    std::vector<std::uint8_t> displayRowsAsked;  // the row byte of every row-pair request
};

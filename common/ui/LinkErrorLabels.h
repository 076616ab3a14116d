#pragma once
#include <cstdint>

class QLabel;

namespace qs {

class MemoText;

// The frame monitor's labels that a link error code changes, in both programs: the error
// label, the request's device, version and command labels, the reply's device, version and
// counter labels and the reply dump.
struct LinkErrorLabels {
    QLabel* error;
    QLabel* txDevice;
    QLabel* txVersionMin;
    QLabel* txVersionMax;
    QLabel* txCommand;
    QLabel* rxDevice;
    QLabel* rxVersion;
    QLabel* rxCounter;
    MemoText* rxDump;

    // The error label in red on white for any code but 0 (normal colours for 0) with the
    // code's text, for codes up to `highest` (a higher code keeps the previous text); the
    // highlights of the code (command for 5, device for 2, versions for 3 and 4), every other
    // label of these groups in normal colours; for 1 and 6 "?" in the three reply labels and
    // an empty reply dump.
    void Show(std::uint8_t code, std::uint8_t highest) const;
};

}  // namespace qs

#pragma once
#include "ModuleDialog.h"
#include "StatusRecord.h"

class QLabel;

// The temperature module dialog ("QVTMP"): the sensor type of the last status poll. Its block
// controls go into body().
class QvtmpDialog : public ModuleDialog {
    Q_OBJECT
public:
    explicit QvtmpDialog(QWidget* parent = nullptr);

    // The sensor type of the last status poll.
    void ShowStatus(const StatusRecord& r);

    QLabel* Label_bPt1000 = nullptr;
};

#pragma once
#include "ModuleDialog.h"
#include "korvel/link/records/StatusRecord.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace qs {
class RadioGroup;
}

namespace korvel {

struct QvtmpBlock;

// The temperature module dialog ("QVTMP"): measuring mode, wires, averaging and rounding, and
// for the potentiometer mode its decimals and the display values at the potentiometer's 0 %
// and 100 % positions. It keeps no numbers of its own: what its labels show, and what the
// number editor changes, is the main window's copy of the last block received.
class QvtmpDialog : public ModuleDialog {
    Q_OBJECT
public:
    // The room beside GroupBox9 for the sensor type and the measurement boxes.
    static constexpr int kSideWidth = 180;

    explicit QvtmpDialog(QWidget* parent = nullptr);

    // The sensor type of the last status poll.
    void ShowStatus(const StatusRecord& r);

    // GroupBox_Pot is shown exactly for "Potenciométer", GroupBox_QVTMP_R2W exactly for "2"
    // wires (no selection hides them).
    void RadioGroup_QVTMP_ModeClick();
    void RadioGroup_QVTMP_WiresClick();

    // The lead resistance and the potentiometer's 0 % and 100 % values of a block, in
    // "###0.0" for a Pt1000 sensor, else in "##0.00".
    void ShowResistances(const QvtmpBlock& b, bool pt1000);
    // The two scale values of a block in the picture of the block's own decimals; for
    // decimals above 4 the labels keep (or get back) their design text.
    void ShowScaleLabels(const QvtmpBlock& b);

private:
    QLabel* Label11 = nullptr;
    QLabel* Label_bPt1000 = nullptr;
    QGroupBox* GroupBox23 = nullptr;
    QLabel* Label_QVTMP_R = nullptr;
    QGroupBox* GroupBox5 = nullptr;
    QLabel* Label_QVTMP_FokC = nullptr;

    qs::RadioGroup* RadioGroup_QVTMP_Mode = nullptr;
    qs::RadioGroup* RadioGroup_QVTMP_Wires = nullptr;
    QGroupBox* GroupBox_QVTMP_R2W = nullptr;
    QLabel* Label_QVTMP_R2W = nullptr;
    QPushButton* Button_QVTMP_R2W_Meas = nullptr;
    QPushButton* Button_QVTMP_R2W_Zero = nullptr;
    qs::RadioGroup* RadioGroup_QVTMP_Average = nullptr;
    QGroupBox* GroupBox_Pot = nullptr;
    QGroupBox* GroupBox4 = nullptr;
    QPushButton* Button_QVTMP_CalPot0 = nullptr;
    QPushButton* Button_QVTMP_CalPot100 = nullptr;
    QLabel* Label_QVTMP_CalPot0 = nullptr;
    QLabel* Label_QVTMP_CalPot100 = nullptr;
    qs::RadioGroup* RadioGroup_uDecimalPointSettings = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label_iScaleLowSettings = nullptr;
    QPushButton* Button_ScaleLowSettings = nullptr;
    QLabel* Label_iScaleHighSettings = nullptr;
    QPushButton* Button_ScaleHighSettings = nullptr;
    qs::RadioGroup* RadioGroup_uRoundSettings = nullptr;
};

}  // namespace korvel

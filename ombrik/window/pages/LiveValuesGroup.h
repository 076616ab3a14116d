#pragma once
#include "common/status/LiveValues.h"
#include "common/bargraph/MBarGraph.h"
#include "ombrik/link/records/MbuStatusRecord.h"
#include "common/ui/Shape.h"

#include <QGroupBox>
#include <QLabel>

#include <cstdint>

namespace ombrik {

// The status poll's values, always in view: converter bars, calibration lamps, physical
// value, output level, displayed value (also large, yellow on black, on Panel1), input type,
// memory bits and converter rate. The group itself is GroupBox_LiveValues.
class LiveValuesGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit LiveValuesGroup(QWidget* parent);

    // A poll reply; inputKind: InputModuleKind; shown: the displayed value already formatted.
    void Show(const MbuStatusRecord& r, std::uint8_t inputKind, const QString& shown);

private:
    qs::TMBarGraph* MBarGraph_IRow = nullptr;
    qs::TMBarGraph* MBarGraph_IAveraged = nullptr;
    qs::Shape* Shape_CalibratedInput = nullptr;
    qs::Shape* Shape_CalibratedOutput = nullptr;
    QLabel* Label_fFizikaiMennyiseg = nullptr;
    QLabel* Label_fKimenetSzazalek = nullptr;
    QLabel* Label_iSkalazottKijezesiErtek = nullptr;
    QLabel* Label_uInputType = nullptr;
    QLabel* Label_uCRCOKbits = nullptr;
    QLabel* Label_uAfterWriteOKbits = nullptr;
    QLabel* Label_uSPS = nullptr;
    QWidget* Panel1 = nullptr;
    QLabel* Label_iSkalazottKijezesiErtek2 = nullptr;
};

// Ombrik's descriptions of its temperature input.
inline constexpr qs::PtTexts kOmbrikPtTexts{"Pt1000 mérőérzékelő", "Pt100 mérőérzékelő"};

}  // namespace ombrik

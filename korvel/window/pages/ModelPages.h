#pragma once
#include "Qv5510Group.h"
#include "korvel/link/records/StatusRecord.h"
#include "common/ui/Shape.h"
#include "common/ui/SpeedButton.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QObject>
#include <QPushButton>

#include <cstdint>
#include <functional>

namespace korvel {

class RequestButtons;
struct ModuleOpener;

// The model pages, one tab per base-unit model: the buttons that open the module dialogs,
// the relay lamps, and on the QV5510 page its group of display settings and tests
// (Qv5510Group).
class ModelPages : public QObject {
    Q_OBJECT
public:
    struct Sheets {
        QWidget* qv3310;
        QWidget* qv3320;
        QWidget* qv3330;
        QWidget* qv3340;
        QWidget* qv5510;
        QWidget* qv5530;
    };
    ModelPages(const Sheets& sheets, QObject* parent);

    void BindRequests(RequestButtons& requests);
    // The module buttons' click handlers: each opens its dialog through `open` with its row
    // of the opener table, for as long as `context` lives.
    void BindOpeners(QObject* context, const std::function<void(const ModuleOpener&)>& open);
    // The QV5510 display test of the status request (whether the tab is active is the
    // window's to say).
    void FillStatusRequest(StatusRequestInputs& in) const;
    // Relay lamps and key indicators.
    void ShowStatus(const StatusRecord& r);
    // The QV5510 page's display settings and tests.
    Qv5510Group& Qv5510() const { return *qv5510_; }

private:
    Qv5510Group* qv5510_ = nullptr;
    QPushButton* Button_QV3310_QVAO_Fo = nullptr;
    QPushButton* Button_QV3320_QVAIN = nullptr;
    QPushButton* Button_QV3320_QVTMP = nullptr;
    QPushButton* Button_QV3320_QVAO_Fo = nullptr;
    QPushButton* Button_QV3320_QVSER_Fo = nullptr;
    QPushButton* Button_QV3320_QVRO_Fo = nullptr;
    QPushButton* Button_QV3320_QVAO_Tovabbi = nullptr;
    QPushButton* Button_QV3320_QVRO_Tovabbi = nullptr;
    qs::Shape* Shape_DigitalOut1_QV3320 = nullptr;
    qs::Shape* Shape_DigitalOut2_QV3320 = nullptr;
    QPushButton* Button_QV5510_QVAIN = nullptr;
    QPushButton* Button_QV5510_QVTMP = nullptr;
    QPushButton* Button_QV5510_QVSER_Fo = nullptr;
    QPushButton* Button_QV5510_Rel1 = nullptr;
    QPushButton* Button_QV5510_Rel2 = nullptr;
    qs::Shape* Shape_DigitalOut1_QV5510 = nullptr;
    qs::Shape* Shape_DigitalOut2_QV5510 = nullptr;
    QPushButton* Button_QV5530_QVAIN = nullptr;
    QPushButton* Button_QV5530_QVTMP = nullptr;
    QPushButton* Button_QV5530_QVAO_Fo = nullptr;
    QPushButton* Button_QV5530_QVSER_Fo = nullptr;
};

}  // namespace korvel

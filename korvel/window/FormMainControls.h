#pragma once
#include "ui/PageControl.h"
#include "ui/Shape.h"
#include "ui/SpeedButton.h"

#include "MBarGraph.h"
#include "ui/RadioGroup.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

// The controls of the main window, by area. Each has objectName = its member name.
struct FormMainControls {
    // Page controls and their pages.
    PageControl* PageControl5 = nullptr;  // header: pages with hidden tabs
    QWidget* TabSheet_Header = nullptr;
    QWidget* TabSheet_NoComm = nullptr;
    PageControl* PageControl4 = nullptr;  // main: model tabs, factory tab, version pages
    QWidget* TabSheet_3310 = nullptr;
    QWidget* TabSheet_3320 = nullptr;
    QWidget* TabSheet_3330 = nullptr;
    QWidget* TabSheet_3340 = nullptr;
    QWidget* TabSheet_5510 = nullptr;
    QWidget* TabSheet_5530 = nullptr;
    QWidget* TabSheet_Quorin = nullptr;
    QWidget* TabSheet_TooOld = nullptr;
    QWidget* TabSheet_TooNew = nullptr;
    PageControl* PageControl1 = nullptr;  // factory pages
    QWidget* TabSheet1 = nullptr;
    QWidget* TabSheet_Settings = nullptr;
    QWidget* TabSheet5 = nullptr;
    QWidget* TabSheet6 = nullptr;
    QWidget* TabSheet9 = nullptr;
    PageControl* PageControl2 = nullptr;  // input calibration: QVAIN / QVTM
    QWidget* TabSheet7 = nullptr;
    QWidget* TabSheet8 = nullptr;

    QPushButton* Button_ExitFromApplication = nullptr;
    QPushButton* Button_ExitFromApplication2 = nullptr;

    // Header.
    SpeedButton* SpeedButton_Reset = nullptr;
    QLabel* Label_KeszulekTipus = nullptr;
    QLabel* Label_KeszulekGyariSzam = nullptr;
    QLabel* Label_Firmware = nullptr;
    QLabel* Label_uSecondsOfOperation = nullptr;
    QLabel* Label_USBOnline = nullptr;
    QLabel* Label_USBData = nullptr;
    QLabel* Label_FPS2 = nullptr;
    QLabel* Label_MBURxError2 = nullptr;
    QLabel* Label_MBU_Commands = nullptr;
    QLabel* Label_iSkalazottKijezesiErtek2 = nullptr;
    QLabel* Label_cErrorUncalibratedInput = nullptr;
    QLabel* Label_cErrorUncalibratedOutput = nullptr;
    QLabel* Label_cErrorOutputRange = nullptr;
    QLabel* Label_cErrorFRAM = nullptr;
    QLabel* Label_cErrorInputRange = nullptr;
    QLabel* Label_cErrorInputModul = nullptr;
    QLabel* Label_cErrorRSTimeOut = nullptr;
    QPushButton* Button_RefreshForm = nullptr;

    // Frame monitor ("MBU" page).
    QGroupBox* GroupBox_MBU = nullptr;
    QCheckBox* CheckBox_MBUPause = nullptr;
    Shape* Shape_MBUOn = nullptr;
    Shape* Shape_MBUCom = nullptr;
    QLabel* Label_VendorName = nullptr;
    QLabel* Label_ProductName = nullptr;
    QLabel* Label_VendorID = nullptr;
    QLabel* Label_ProductID = nullptr;
    QLabel* Label_MBUTxDevice = nullptr;
    QLabel* Label_MBUTxVerL = nullptr;
    QLabel* Label_MBUTxVerH = nullptr;
    QLabel* Label_MBUTxCommand = nullptr;
    QLabel* Label_uIndexForDataWrite = nullptr;
    QLabel* Label_HostID = nullptr;
    QLabel* Label_TXBufferIsFull = nullptr;
    QPlainTextEdit* Memo_MBUTx = nullptr;
    QLabel* Label_MBURxDevice = nullptr;
    QLabel* Label_MBURxVer = nullptr;
    QLabel* Label_MBURxCounter = nullptr;
    QLabel* Label_DeviceID = nullptr;
    QLabel* Label_uSumDataByteFromRx = nullptr;
    QLabel* Label_MBURxError = nullptr;
    QPlainTextEdit* Memo_MBURx = nullptr;
    QLabel* Label_FPS = nullptr;
    QLabel* Label_Commands = nullptr;
    QPushButton* Button_CommandsClear = nullptr;

    // Request buttons of the factory pages.
    SpeedButton* SpeedButton_GyariSzamAKeszulekbe = nullptr;
    SpeedButton* SpeedButton_Cal0mA = nullptr;
    SpeedButton* SpeedButton_Cal20mA = nullptr;
    SpeedButton* SpeedButton_Cal0V = nullptr;
    SpeedButton* SpeedButton_Cal10V = nullptr;
    SpeedButton* SpeedButton_ReadCalIn = nullptr;
    SpeedButton* SpeedButton_iCalPt0ohm4W = nullptr;
    SpeedButton* SpeedButton_iCalPtXohm4W = nullptr;
    SpeedButton* SpeedButton_iCalPt0ohm3W = nullptr;
    SpeedButton* SpeedButton_iCalPtXohm3W = nullptr;
    SpeedButton* SpeedButton_ReadCalPt = nullptr;
    SpeedButton* SpeedButton_bPt1000 = nullptr;
    QCheckBox* CheckBox_bPt1000 = nullptr;
    SpeedButton* SpeedButton_ReadPWMCal = nullptr;
    SpeedButton* SpeedButton_CalPWML = nullptr;
    SpeedButton* SpeedButton_CalPWMH = nullptr;
    SpeedButton* SpeedButton_ReadSettings = nullptr;
    SpeedButton* SpeedButton_ReadDefaultSettings = nullptr;
    SpeedButton* SpeedButton_WriteSettings = nullptr;
    SpeedButton* SpeedButton_ReadSettings2 = nullptr;
    SpeedButton* SpeedButton_ReadDefaultSettings2 = nullptr;
    SpeedButton* SpeedButton_WriteSettings2 = nullptr;
    SpeedButton* SpeedButton_EraseFRAM1 = nullptr;
    SpeedButton* SpeedButton_ReadDisplay = nullptr;
    SpeedButton* SpeedButton_ReadFromDevice_QV5510 = nullptr;
    SpeedButton* SpeedButton_ReadDefault_QV5510 = nullptr;
    SpeedButton* SpeedButton_WriteToDevice_QV5510 = nullptr;

    // Latched switches read by the status poll.
    SpeedButton* SpeedButton_PWMForce = nullptr;
    SpeedButton* SpeedButton_CheckCurrent = nullptr;
    SpeedButton* SpeedButton_CheckVoltage = nullptr;
    SpeedButton* SpeedButton_TestASCII5x7 = nullptr;
    SpeedButton* SpeedButton_TestWhite = nullptr;
    SpeedButton* SpeedButton_TestFrame = nullptr;
    SpeedButton* SpeedButton_TestPattern = nullptr;
    SpeedButton* SpeedButton_TimeAfterReset = nullptr;
    SpeedButton* SpeedButton_IntADC = nullptr;
    SpeedButton* SpeedButton_DigitalOutForceEng = nullptr;
    SpeedButton* SpeedButton_DigitalOut1Force = nullptr;
    SpeedButton* SpeedButton_DigitalOut2Force = nullptr;
    SpeedButton* SpeedButton_DigitalOut3Force = nullptr;
    SpeedButton* SpeedButton_DigitalOut4Force = nullptr;
    QLabel* Label_DigitalOut1 = nullptr;
    QLabel* Label_DigitalOut2 = nullptr;
    QLabel* Label_DigitalOut3 = nullptr;
    QLabel* Label_DigitalOut4 = nullptr;

    // Output calibration group.
    QGroupBox* GroupBox_OutputCal = nullptr;
    QRadioButton* RadioButton_QVAOModul1 = nullptr;
    QRadioButton* RadioButton_QVAOModul2 = nullptr;
    RadioGroup* RadioGroup_KimenetTipusa = nullptr;
    QLabel* Label_PWM4mA = nullptr;
    QLabel* Label_PWM20mA = nullptr;
    QLabel* Label_PWM10V = nullptr;
    QLabel* Label_PWM2V = nullptr;

    // Input calibration and live values of the factory page.
    QGroupBox* GroupBox_InputCalQVAIN = nullptr;
    QGroupBox* GroupBox_SzamitottErtekek = nullptr;
    QLabel* Label_fFizikaiMennyiseg = nullptr;
    QLabel* Label_fKimenetSzazalek = nullptr;
    QLabel* Label_iSkalazottKijezesiErtek = nullptr;
    QLabel* Label_uInputType = nullptr;
    QLabel* Label_uCRCOKbits = nullptr;
    QLabel* Label_uAfterWriteOKbits = nullptr;
    QLabel* Label_uCRCOKbits2 = nullptr;
    QLabel* Label_uAfterWriteOKbits2 = nullptr;
    QLabel* Label_uSPS = nullptr;
    QLabel* Label_recFRAMCommon_uSizeKB = nullptr;
    QLabel* Label_fResistanceOfWires = nullptr;
    QLabel* Label_uMainLoopFrequency = nullptr;

    // Identity group.
    QGroupBox* GroupBox1 = nullptr;
    QLineEdit* Edit_GyariSzamEv = nullptr;
    QLineEdit* Edit_GyariSzamHonap = nullptr;
    QLineEdit* Edit_GyariSzam = nullptr;
    QPushButton* Button_GyariSzamPlusz1 = nullptr;
    QPushButton* Button_GyariSzamMinusz1 = nullptr;
    QPushButton* Button_GyariSzamToEdits = nullptr;
    QListWidget* ListBox_uDeviceType = nullptr;
    QGroupBox* GroupBox_InputModul = nullptr;
    QGroupBox* GroupBox_OutputModul2 = nullptr;
    QGroupBox* GroupBox_OutputModul1 = nullptr;
    QRadioButton* RadioButton_InputModulNone = nullptr;
    QRadioButton* RadioButton_InputModulQVAIN = nullptr;
    QRadioButton* RadioButton_InputModulQVTMP = nullptr;
    QRadioButton* RadioButton_InputModulQVSER = nullptr;
    QRadioButton* RadioButton_OutputModul2None = nullptr;
    QRadioButton* RadioButton_OutputModul2QVAO = nullptr;
    QRadioButton* RadioButton_OutputModul2QVSER = nullptr;
    QRadioButton* RadioButton_OutputModul2QVRO = nullptr;
    QRadioButton* RadioButton_OutputModul1None = nullptr;
    QRadioButton* RadioButton_OutputModul1QVAO = nullptr;
    QRadioButton* RadioButton_OutputModul1QVSER = nullptr;
    QRadioButton* RadioButton_OutputModul1QVRO = nullptr;

    // Model pages: module buttons and relay lamps.
    QPushButton* Button_QV3310_QVAO_Fo = nullptr;
    QPushButton* Button_QV3320_QVAIN = nullptr;
    QPushButton* Button_QV3320_QVTMP = nullptr;
    QPushButton* Button_QV3320_QVAO_Fo = nullptr;
    QPushButton* Button_QV3320_QVSER_Fo = nullptr;
    QPushButton* Button_QV3320_QVRO_Fo = nullptr;
    QPushButton* Button_QV3320_QVAO_Tovabbi = nullptr;
    QPushButton* Button_QV3320_QVRO_Tovabbi = nullptr;
    Shape* Shape_DigitalOut1_QV3320 = nullptr;
    Shape* Shape_DigitalOut2_QV3320 = nullptr;
    QPushButton* Button_QV5510_QVAIN = nullptr;
    QPushButton* Button_QV5510_QVTMP = nullptr;
    QPushButton* Button_QV5510_QVSER_Fo = nullptr;
    QPushButton* Button_QV5510_Rel1 = nullptr;
    QPushButton* Button_QV5510_Rel2 = nullptr;
    Shape* Shape_DigitalOut1_QV5510 = nullptr;
    Shape* Shape_DigitalOut2_QV5510 = nullptr;
    QGroupBox* GroupBox_QV5510 = nullptr;
    QCheckBox* CheckBox_KijelzoTeszt_QV5510 = nullptr;
    QLabel* Label_KijelzoTeszt_QV5510 = nullptr;
    QLabel* Label_SWRight = nullptr;
    QLabel* Label_SWUp = nullptr;
    QLabel* Label_SWLeft = nullptr;
    QPushButton* Button_QV5530_QVAIN = nullptr;
    QPushButton* Button_QV5530_QVTMP = nullptr;
    QPushButton* Button_QV5530_QVAO_Fo = nullptr;
    QPushButton* Button_QV5530_QVSER_Fo = nullptr;

    // Settings pages: containers the settings controls are placed into.
    QGroupBox* GroupBox_Opciok = nullptr;
    PageControl* PageControl_Input = nullptr;
    QGroupBox* GroupBox_InputTypeAndScale = nullptr;
    QGroupBox* GroupBox_PtSensor = nullptr;
    PageControl* PageControl_Output = nullptr;
    QGroupBox* GroupBox_AnalogOutput = nullptr;
    QGroupBox* GroupBox_LimitDisplayMode = nullptr;
    QGroupBox* GroupBox_Display = nullptr;
    QGroupBox* GroupBox_Bargraph = nullptr;
    QGroupBox* GroupBox_Decimals = nullptr;
    QGroupBox* GroupBox_Rounding = nullptr;
    QGroupBox* GroupBox_Limit1 = nullptr;
    QGroupBox* GroupBox_Limit2 = nullptr;
    QGroupBox* GroupBox_Limit3 = nullptr;
    QGroupBox* GroupBox_Limit4 = nullptr;
    QGroupBox* GroupBox_KijelzoTeszt = nullptr;
    QGroupBox* GroupBox_KepernyoKep = nullptr;
    QLabel* Image_OLEDNormalSize = nullptr;
    QLabel* Image_OLED = nullptr;

    // Bar graphs.
    TMBarGraph* MBarGraph_OutputPercent = nullptr;
    TMBarGraph* MBarGraph_IRow = nullptr;
    TMBarGraph* MBarGraph_IAveraged = nullptr;
    TMBarGraph* MBarGraph_PWM = nullptr;

    // Timers.
    QTimer* Timer_Comm = nullptr;
    QTimer* TimerTimeOut = nullptr;
    QTimer* Timer_1sec = nullptr;
    QTimer* Timer_RxLED = nullptr;
};

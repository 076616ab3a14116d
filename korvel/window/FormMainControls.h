#pragma once
#include "ui/PageControl.h"
#include "ui/Shape.h"
#include "ui/SpeedButton.h"

#include <QCheckBox>
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

    // Timers.
    QTimer* Timer_Comm = nullptr;
    QTimer* TimerTimeOut = nullptr;
    QTimer* Timer_1sec = nullptr;
    QTimer* Timer_RxLED = nullptr;
};

#pragma once
// Ombrik's window for the link benchmark, built in a library of its own: its headers share
// names with Korvel's, so no source sees both programs' include folders.
#include "common/hid/UsbHid.h"

#include <QString>
#include <QWidget>

#include <memory>

std::unique_ptr<QWidget> MakeOmbrikWindow(qs::hid::UsbHid& usb, const QString& iniPath);

#pragma once
// What the instrument says about itself: model, numbers and the versions of its software
// components. Every query returns RC_SYSINFO_OK (0) on success and leaves its result unchanged
// otherwise.
#include "Gaugelib/SDR_VersionRecord.h"

#include <QString>

namespace CMN {

enum SystemInformationResultE { RC_SYSINFO_OK = 0, RC_SYSINFO_UNKNOWN_COMPONENT = 1, RC_SYSINFO_NOT_READABLE = 2 };

// The software components whose versions can be asked for.
enum ComponentE {
    COMPONENT_OPERATING_SYSTEM = 1,
    COMPONENT_BOOT = 2,
    // The instrument's firmware: what a firmware upload installs.
    COMPONENT_FIRMWARE = 3,
    COMPONENT_SENSOR_BOARD = 4,
    COMPONENT_DISTANCE_METER = 5,
    COMPONENT_KEYBOARD_DISPLAY = 6,
    COMPONENT_OVERVIEW_CAMERA = 7
};

int getInstrumentModelName(QString& rstrName);
int getSerialNumber(int& riNumber);
int getEquipmentNumber(QString& rstrNumber);
int getComponentVersion(int iComponent, SDR::VersionRecordC& rVersion);

} // namespace CMN

#pragma once
// Win32 adapters of the base services: the system clock and the user's regional formats.
#include "linetally/base/clock.h"
#include "linetally/base/regional_formats.h"

namespace lt {

class SystemClock : public Clock {
 public:
  CivilDateTime Now() override;  // GetLocalTime
};

RegionalFormats ReadSystemFormats();  // GetLocaleInfoA of the user's default locale

}  // namespace lt

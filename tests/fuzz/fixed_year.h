#pragma once
// Two-digit years are read against the current year; the fuzz targets fix it so that an
// input behaves the same on every run and every day.
#include "runtime/locale/dates.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  qor::rt::SetCurrentYear(2026);
  return 0;
}

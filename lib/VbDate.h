#pragma once
// Date serials: days since 30 December 1899, the time of day as the fraction. Pure logic.
#include "LibApi.h"
#include <string>
#include <string_view>

struct DateParts {
    int Year = 1899, Month = 12, Day = 30, Hour = 0, Minute = 0, Second = 0;
};

AXORVELLIB_API double DateSerial(const DateParts& p);
// The calendar parts of a serial, to the nearest whole second.
AXORVELLIB_API DateParts SplitDate(double serial);

// Formats a serial with a picture built from yyyy, yy, MM/M (month), dd/d, hh/h, mm/m (minutes
// after an hour or before seconds), nn, ss/s; letters match in either case, other characters are
// copied. "yyyyMMdd", "hhmmss", "yyyyMMdd_hhmmss" and "yyyy-MM-dd hh:mm:ss" are the ones in use.
AXORVELLIB_API std::wstring FormatDate(double serial, std::wstring_view picture);

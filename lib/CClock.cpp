#include "CClock.h"
#include "VbDate.h"
#include <cmath>
#include <windows.h>

namespace {
bool g_fixed = false;
double g_fixedSerial = 0;
} // namespace

double CClock::Now() {
    if (g_fixed) return g_fixedSerial;
    SYSTEMTIME t;
    GetLocalTime(&t);
    return DateSerial({t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond});
}

double CClock::SecondsSinceMidnight() {
    if (g_fixed) {
        double frac = std::fabs(g_fixedSerial - std::trunc(g_fixedSerial));
        return std::round(frac * 86400.0);
    }
    SYSTEMTIME t;
    GetLocalTime(&t);
    return t.wHour * 3600.0 + t.wMinute * 60.0 + t.wSecond + t.wMilliseconds / 1000.0;
}

void CClock::SetFixed(double serial) {
    g_fixed = true;
    g_fixedSerial = serial;
}

void CClock::ClearFixed() { g_fixed = false; }

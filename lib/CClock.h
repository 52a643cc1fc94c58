#pragma once
#include "LibApi.h"

// The local wall clock as date serials. Tests fix it so that dated names and variables are known.
class AXORVELLIB_API CClock {
public:
    static double Now();                 // local date and time, whole seconds
    static double SecondsSinceMidnight(); // the time-of-day clock that reseeds random digits
    static void SetFixed(double serial);  // every later reading answers this moment
    static void ClearFixed();
};

#include "CProfileVector.h"

CProfileVector::CProfileVector() : RecordVector(L"AxOrvelSync") {}

#include "CDriverVector.h"

CDriverVector::CDriverVector() : RecordVector(L"AxOrvelLib") {}

#include "CCmdVector.h"

CCmdVector::CCmdVector() : RecordVector(L"AxOrvelLib") {}

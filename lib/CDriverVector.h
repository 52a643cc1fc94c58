#pragma once
#include "LibApi.h"
#include "RecordVector.h"
#include "TDriverStruct.h"

class AXORVELLIB_API CDriverVector : public RecordVector<TDriverStruct> {
public:
    CDriverVector();
};

#pragma once
#include "LibApi.h"
#include "RecordVector.h"
#include "TCmdStruct.h"

class AXORVELLIB_API CCmdVector : public RecordVector<TCmdStruct> {
public:
    CCmdVector();
};

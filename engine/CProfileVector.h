#pragma once
#include "EngineApi.h"
#include "RecordVector.h"
#include "TProfileStruct.h"

class AXORVELSYNC_API CProfileVector : public RecordVector<TProfileStruct> {
public:
    CProfileVector();
    // Releases the records and re-creates a fresh storage; Inc keeps its value.
    void Clear() { m_store.Clear(); }
};

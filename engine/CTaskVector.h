#pragma once
#include "EngineApi.h"
#include "RecordVector.h"
#include "TTaskStruct.h"

class AXORVELSYNC_API CTaskVector : public RecordVector<TTaskStruct> {
public:
    CTaskVector();

    // First index whose id / key (exact case) matches; -1 if none.
    int32_t FindId(int32_t id) const;
    int32_t FindKey(const std::wstring& sKey) const;
    // First index whose Dest equals S ignoring case, or with bTotallySame false contains it.
    int32_t FindDest(const std::wstring& S, bool bTotallySame = true) const;
};

#include "CTaskVector.h"
#include "CaseFold.h"

CTaskVector::CTaskVector() : RecordVector(L"AxOrvelSync") {}

int32_t CTaskVector::FindId(int32_t id) const {
    for (int32_t i = 0; i < Count(); ++i)
        if (Item(i)->id == id) return i;
    return -1;
}

int32_t CTaskVector::FindKey(const std::wstring& sKey) const {
    for (int32_t i = 0; i < Count(); ++i)
        if (Item(i)->key == sKey) return i;
    return -1;
}

int32_t CTaskVector::FindDest(const std::wstring& S, bool bTotallySame) const {
    for (int32_t i = 0; i < Count(); ++i) {
        const std::wstring& dest = Item(i)->Dest;
        if (bTotallySame ? EqualsNoCase(dest, S) : ContainsNoCase(dest, S)) return i;
    }
    return -1;
}

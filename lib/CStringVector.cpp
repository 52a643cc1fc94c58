#include "CStringVector.h"

CStringVector::CStringVector() : m_store(L"AxOrvelLib") {}

std::vector<std::wstring> CStringVector::Buffer() const { return m_store.Slots(); }

void CStringVector::SetBuffer(const std::vector<std::wstring>& a) { m_store.Load(a); }

std::wstring CStringVector::JoinStr(const std::wstring& sDelimiter) const {
    std::wstring out;
    for (int32_t i = 0; i < Count(); ++i) {
        if (i) out += sDelimiter;
        out += m_store.Slot(i);
    }
    return out;
}

int32_t CStringVector::GetItemIndex(const std::wstring& s) const {
    for (int32_t i = 0; i < Count(); ++i)
        if (m_store.Slot(i) == s) return i;
    return -1;
}

#pragma once
#include "LibApi.h"
#include "VectorStorage.h"
#include <string>
#include <vector>

class AXORVELLIB_API CStringVector {
public:
    CStringVector();

    // All BufferLength + 1 slots, empty and stale ones included.
    std::vector<std::wstring> Buffer() const;
    // The storage becomes a copy of a; Count is its size and BufferLength rises by it.
    void SetBuffer(const std::vector<std::wstring>& a);

    int32_t Inc() const { return m_store.Inc(); }
    void SetInc(int32_t inc) { m_store.SetInc(inc); }
    int32_t BufferLength() const { return m_store.BufferLength(); }
    int32_t Count() const { return m_store.Count(); }

    void Add(const std::wstring& s) { m_store.Append(s); }
    bool IsExist(const std::wstring& s) const { return GetItemIndex(s) >= 0; }
    // Items in order with the delimiter between neighbours; an empty vector joins to "".
    std::wstring JoinStr(const std::wstring& sDelimiter = L"") const;

    std::wstring Item(int32_t idx) const { return m_store.Slot(idx); }
    void SetItem(int32_t idx, const std::wstring& value) { m_store.Slot(idx) = value; }

    void QuickDelete(int32_t idx) { m_store.QuickDelete(idx); }
    void Delete(int32_t idx) { m_store.Delete(idx); }
    int32_t GetItemIndex(const std::wstring& s) const;

private:
    VectorStorage<std::wstring> m_store;
};

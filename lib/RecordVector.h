#pragma once
// A vector of records handed out as shared references: Add stores a copy, Item returns the
// stored record itself, SetItem stores the given reference. Pure logic.
#include "VectorStorage.h"
#include <memory>

template <class T> class RecordVector {
public:
    using Ptr = std::shared_ptr<T>;

    explicit RecordVector(const wchar_t* source) : m_store(source) {}

    int32_t Inc() const { return m_store.Inc(); }
    void SetInc(int32_t inc) { m_store.SetInc(inc); }
    int32_t BufferLength() const { return m_store.BufferLength(); }
    int32_t Count() const { return m_store.Count(); }

    void Add(const T& s) {
        auto copy = std::make_shared<T>();
        copy->Copy(s);
        m_store.Append(std::move(copy));
    }

    // An empty slot (never filled) answers a null reference.
    Ptr Item(int32_t idx) const { return m_store.Slot(idx); }
    void SetItem(int32_t idx, Ptr record) { m_store.Slot(idx) = std::move(record); }

    void QuickDelete(int32_t idx) { m_store.QuickDelete(idx); }
    void Delete(int32_t idx) { m_store.Delete(idx); }

    // Equality of records is equality of every field: the same task or command, wherever it came from.
    bool IsExist(const T& s) const { return GetItemIndex(s) >= 0; }
    int32_t GetItemIndex(const T& s) const {
        for (int32_t i = 0; i < Count(); ++i)
            if (const Ptr& p = m_store.Slot(i); p && *p == s) return i;
        return -1;
    }

protected:
    VectorStorage<Ptr> m_store;
};

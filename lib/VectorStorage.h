#pragma once
// The storage pattern every typed vector follows: a 0-based array whose highest index is
// BufferLength, grown by the step Inc when an Add fills it, with Count items in use. Slots past
// Count keep stale values after removals. Pure logic.
#include "CError.h"
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

template <class Elem> class VectorStorage {
public:
    explicit VectorStorage(const wchar_t* source) : m_source(source) { m_slots.resize(11); }

    int32_t Count() const { return m_count; }
    int32_t BufferLength() const { return int32_t(m_slots.size()) - 1; }
    int32_t Inc() const { return m_inc; }
    void SetInc(int32_t inc) { m_inc = inc; }

    // Items sit in slots 0 to Count - 1; the slot at Count always exists after an Add.
    void Append(Elem e) {
        Slot(m_count) = std::move(e);
        ++m_count;
        // The observable capacity grows by Inc; std::vector's own capacity grows geometrically,
        // so filling n items stays O(n) overall.
        if (m_count > BufferLength()) m_slots.resize(m_slots.size() + size_t(std::max<int32_t>(m_inc, 0)));
    }

    Elem& Slot(int32_t idx) {
        if (idx < 0 || idx > BufferLength()) RaiseSubscriptOutOfRange(m_source);
        return m_slots[size_t(idx)];
    }
    const Elem& Slot(int32_t idx) const { return const_cast<VectorStorage*>(this)->Slot(idx); }

    void QuickDelete(int32_t idx) {
        Slot(idx) = Slot(m_count - 1);
        --m_count;
    }

    // An index at or past Count moves nothing but still drops the last item; an empty vector
    // stays empty rather than reaching a negative Count that would break every later Add.
    void Delete(int32_t idx) {
        for (int32_t i = idx; i <= m_count - 1; ++i) Slot(i) = Slot(i + 1);
        if (m_count > 0) --m_count;
    }

    // Replaces the whole storage with the given slots, Count becoming their number and the
    // capacity rising by that number.
    void Load(std::vector<Elem> slots) {
        int32_t previous = BufferLength();
        m_count = int32_t(slots.size());
        m_slots = std::move(slots);
        m_slots.resize(size_t(previous + m_count) + 1);
    }

    // Back to a fresh storage of slots 0 to 10; Inc keeps its value.
    void Clear() {
        m_slots.assign(11, Elem());
        m_count = 0;
    }

    const std::vector<Elem>& Slots() const { return m_slots; }
    const wchar_t* Source() const { return m_source; }

private:
    const wchar_t* m_source;
    std::vector<Elem> m_slots;
    int32_t m_count = 0;
    int32_t m_inc = 10;
};

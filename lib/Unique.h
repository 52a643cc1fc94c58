#pragma once
// Move-only owners of platform handles and COM pointers; the invalid value lives in the traits.
#include <windows.h>
#include <unknwn.h>
#include <utility>

template <class Traits> class Unique {
public:
    using Handle = typename Traits::Handle;

    Unique() noexcept = default;
    explicit Unique(Handle h) noexcept : m_h(h) {}
    Unique(Unique&& o) noexcept : m_h(o.Release()) {}
    Unique& operator=(Unique&& o) noexcept {
        if (this != &o) Reset(o.Release());
        return *this;
    }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    ~Unique() { Reset(); }

    Handle Get() const noexcept { return m_h; }
    explicit operator bool() const noexcept { return m_h != Traits::Invalid(); }
    Handle Release() noexcept { return std::exchange(m_h, Traits::Invalid()); }
    void Reset(Handle h = Traits::Invalid()) noexcept {
        if (m_h != Traits::Invalid()) Traits::Close(m_h);
        m_h = h;
    }
    // For out-parameters of creating calls.
    Handle* Put() noexcept {
        Reset();
        return &m_h;
    }

private:
    Handle m_h = Traits::Invalid();
};

namespace UniqueTraits {
struct Kernel {
    using Handle = HANDLE;
    static HANDLE Invalid() { return nullptr; }
    static void Close(HANDLE h) { ::CloseHandle(h); }
};
// CreateFile answers INVALID_HANDLE_VALUE instead of NULL.
struct File {
    using Handle = HANDLE;
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { ::CloseHandle(h); }
};
struct Find {
    using Handle = HANDLE;
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { ::FindClose(h); }
};
struct RegKey {
    using Handle = HKEY;
    static HKEY Invalid() { return nullptr; }
    static void Close(HKEY h) { ::RegCloseKey(h); }
};
struct Menu {
    using Handle = HMENU;
    static HMENU Invalid() { return nullptr; }
    static void Close(HMENU h) { ::DestroyMenu(h); }
};
struct Font {
    using Handle = HFONT;
    static HFONT Invalid() { return nullptr; }
    static void Close(HFONT h) { ::DeleteObject(h); }
};
struct Icon {
    using Handle = HICON;
    static HICON Invalid() { return nullptr; }
    static void Close(HICON h) { ::DestroyIcon(h); }
};
struct Module {
    using Handle = HMODULE;
    static HMODULE Invalid() { return nullptr; }
    static void Close(HMODULE h) { ::FreeLibrary(h); }
};
} // namespace UniqueTraits

using UniqueHandle = Unique<UniqueTraits::Kernel>;
using UniqueFile = Unique<UniqueTraits::File>;
using UniqueFindHandle = Unique<UniqueTraits::Find>;
using UniqueRegKey = Unique<UniqueTraits::RegKey>;
using UniqueMenu = Unique<UniqueTraits::Menu>;
using UniqueFont = Unique<UniqueTraits::Font>;
using UniqueIcon = Unique<UniqueTraits::Icon>;
using UniqueModule = Unique<UniqueTraits::Module>;
using UniqueMutex = UniqueHandle;

// Owner of one COM interface reference.
template <class T> class ComPtr {
public:
    ComPtr() noexcept = default;
    ComPtr(T* p) noexcept : m_p(p) {
        if (m_p) m_p->AddRef();
    }
    ComPtr(const ComPtr& o) noexcept : ComPtr(o.m_p) {}
    ComPtr(ComPtr&& o) noexcept : m_p(std::exchange(o.m_p, nullptr)) {}
    ComPtr& operator=(ComPtr o) noexcept {
        std::swap(m_p, o.m_p);
        return *this;
    }
    ~ComPtr() {
        if (m_p) m_p->Release();
    }
    // Takes over a reference that a call already counted.
    static ComPtr Attach(T* p) noexcept {
        ComPtr c;
        c.m_p = p;
        return c;
    }
    T* Get() const noexcept { return m_p; }
    T* operator->() const noexcept { return m_p; }
    explicit operator bool() const noexcept { return m_p != nullptr; }
    T** Put() noexcept {
        *this = ComPtr();
        return &m_p;
    }
    void** PutVoid() noexcept { return reinterpret_cast<void**>(Put()); }

private:
    T* m_p = nullptr;
};

// Runs a cleanup when the scope ends, however it ends.
template <class F> class ScopeExit {
public:
    explicit ScopeExit(F f) : m_f(std::move(f)) {}
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;
    ~ScopeExit() { m_f(); }

private:
    F m_f;
};

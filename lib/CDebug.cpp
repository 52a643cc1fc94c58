#include "CDebug.h"

namespace {
// Beyond the end of any edit text, so the selection collapses at the end.
constexpr WPARAM kEndOfText = 268435455;
} // namespace

long CDebug::Initialze(long lMode) {
    m_mode = lMode;
    HWND notepad = FindWindowW(nullptr, L"debug.log - 记事本");
    m_target = notepad ? FindWindowExW(notepad, nullptr, L"Edit", nullptr) : nullptr;
    return 0;
}

long CDebug::Output(const std::wstring& S) const {
    if (m_mode != 1 || !m_target) return 0;
    std::wstring line = S + L"\r\n";
    SendMessageW(m_target, EM_SETSEL, kEndOfText, kEndOfText);
    SendMessageW(m_target, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(line.c_str()));
    return 0;
}

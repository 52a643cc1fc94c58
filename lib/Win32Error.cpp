#include "Win32Error.h"
#include "CError.h"
#include <windows.h>

std::wstring SystemMessage(unsigned long code) {
    wchar_t* text = nullptr;
    DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                 FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring out = n ? std::wstring(text, n) : L"error " + std::to_wstring(code);
    LocalFree(text);
    while (!out.empty() && (out.back() == L'\n' || out.back() == L'\r' || out.back() == L' '))
        out.pop_back();
    return out;
}

void RaiseLastError(const std::wstring& source) {
    DWORD code = GetLastError();
    throw CError(long(code), SystemMessage(code), source);
}

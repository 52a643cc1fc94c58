#include "SysError.h"
#include "CError.h"
#include <windows.h>

std::wstring SystemErrorText(unsigned long code) {
    wchar_t* buf = nullptr;
    DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                 FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, code, 0, reinterpret_cast<wchar_t*>(&buf), 0, nullptr);
    std::wstring text = n ? std::wstring(buf, n) : L"";
    LocalFree(buf);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
        text.pop_back();
    if (text.empty()) text = L"系统错误 " + std::to_wstring(code);
    return text;
}

long FileErrorNumber(unsigned long code) {
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
        return 53;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
        return 76;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
        return 70;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return 58;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return 61;
    case ERROR_NOT_READY:
        return 71;
    default:
        return 75;
    }
}

void RaiseFileError(unsigned long code, const std::wstring& source) {
    throw CError(FileErrorNumber(code), SystemErrorText(code), source);
}

#include "CApiFile.h"
#include "CError.h"
#include "LongPath.h"
#include "SysError.h"
#include "VbDate.h"
#include "VbNumber.h"
#include <windows.h>

namespace {
const wchar_t* const kSource = L"AxOrvelLib.CApiFile";

FILETIME ToFileTime(uint64_t ticks) {
    return {DWORD(ticks), DWORD(ticks >> 32)};
}
uint64_t ToTicks(const FILETIME& ft) {
    return (uint64_t(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
}
} // namespace

double FileTimeToDate(uint64_t utcTicks, const std::wstring& source) {
    FILETIME utc = ToFileTime(utcTicks), local;
    SYSTEMTIME st;
    if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &st))
        RaiseFileError(GetLastError() ? GetLastError() : ERROR_INVALID_PARAMETER, source);
    return DateSerial({st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond});
}

uint64_t DateToFileTime(double serial, const std::wstring& source) {
    DateParts p = SplitDate(serial);
    SYSTEMTIME st{WORD(p.Year),   WORD(p.Month),  0, WORD(p.Day), WORD(p.Hour),
                  WORD(p.Minute), WORD(p.Second), 0};
    FILETIME local, utc;
    if (!SystemTimeToFileTime(&st, &local) || !LocalFileTimeToFileTime(&local, &utc))
        RaiseFileError(GetLastError() ? GetLastError() : ERROR_INVALID_PARAMETER, source);
    return ToTicks(utc);
}

CApiFile::~CApiFile() {
    CloseFile();
}

int64_t CApiFile::Size() const {
    LARGE_INTEGER size{};
    if (!m_handle || !GetFileSizeEx(m_handle, &size)) return 0;
    return size.QuadPart;
}

intptr_t CApiFile::Create(EnumApiFileAccess dwDesiredAccess) {
    if (m_handle) return -2;
    HANDLE h = CreateFileW(SystemPath(m_filename).c_str(), dwDesiredAccess,
                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h != INVALID_HANDLE_VALUE) m_handle = h;
    return reinterpret_cast<intptr_t>(h);
}

int32_t CApiFile::CloseFile() {
    if (!m_handle) return 0;
    BOOL ok = CloseHandle(m_handle);
    m_handle = nullptr;
    return ok ? 1 : 0;
}

void CApiFile::ReadFileTime() {
    FILETIME c{}, a{}, w{};
    if (m_handle) GetFileTime(m_handle, &c, &a, &w);
    m_creation = FileTimeToDate(ToTicks(c), kSource);
    m_access = FileTimeToDate(ToTicks(a), kSource);
    m_lastWrite = FileTimeToDate(ToTicks(w), kSource);
}

void CApiFile::SaveFileTime() {
    FILETIME c = ToFileTime(DateToFileTime(m_creation, kSource));
    FILETIME a = ToFileTime(DateToFileTime(m_access, kSource));
    FILETIME w = ToFileTime(DateToFileTime(m_lastWrite, kSource));
    if (!m_handle) RaiseFileError(ERROR_INVALID_HANDLE, kSource);
    if (!SetFileTime(m_handle, &c, &a, &w)) RaiseFileError(GetLastError(), kSource);
}

std::wstring CApiFile::GetCurrencySizeStr(int64_t curSize) {
    double b = double(curSize);
    if (b < 1024) return FormatNumber(b, L"0.00") + L" B";
    if (b < 1048576) return FormatNumber(b / 1024, L"0.00") + L" KB";
    return FormatNumber(b / 1048576, L"0.00") + L" MB";
}

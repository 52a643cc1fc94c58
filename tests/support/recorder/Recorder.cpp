// Stands in for a program the system starts (orvelsync.exe, update.exe): appends the argument text
// it was started with, as one UTF-8 line, to "<its own file name>.log" beside itself.
#include <string>
#include <windows.h>

namespace {
// The command line without the program's own path and the blanks after it.
std::wstring ArgumentText() {
    const wchar_t* p = GetCommandLineW();
    if (*p == L'"') {
        for (++p; *p && *p != L'"'; ++p) {
        }
        if (*p) ++p;
    } else {
        while (*p && *p != L' ' && *p != L'\t')
            ++p;
    }
    while (*p == L' ' || *p == L'\t')
        ++p;
    return p;
}
} // namespace

int wmain() {
    std::wstring exe(32768, L'\0');
    exe.resize(GetModuleFileNameW(nullptr, exe.data(), DWORD(exe.size())));
    std::wstring line = ArgumentText() + L"\n";
    std::string utf8(
        size_t(WideCharToMultiByte(CP_UTF8, 0, line.c_str(), int(line.size()), nullptr, 0, nullptr, nullptr)),
        '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.c_str(), int(line.size()), utf8.data(), int(utf8.size()), nullptr,
                        nullptr);
    // Shared for writing: several stand-ins started at once append one whole line each.
    HANDLE log = CreateFileW((exe + L".log").c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    WriteFile(log, utf8.data(), DWORD(utf8.size()), &written, nullptr);
    CloseHandle(log);
    return 0;
}

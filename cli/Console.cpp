#include "Console.h"
#include "Utf8.h"
#include <windows.h>

namespace {
HANDLE Handle(Stream s) {
    return GetStdHandle(s == Stream::Out ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
}
} // namespace

bool IsConsole(Stream s) {
    DWORD mode;
    return GetConsoleMode(Handle(s), &mode) != 0;
}

void Write(Stream s, const std::wstring& text) {
    HANDLE h = Handle(s);
    DWORD done = 0;
    if (IsConsole(s)) {
        WriteConsoleW(h, text.data(), DWORD(text.size()), &done, nullptr);
        return;
    }
    std::string bytes = ToUtf8(text);
    WriteFile(h, bytes.data(), DWORD(bytes.size()), &done, nullptr);
}

void WriteUtf8(Stream s, const std::string& bytes) {
    if (IsConsole(s)) {
        Write(s, FromUtf8(bytes));
        return;
    }
    DWORD done = 0;
    WriteFile(Handle(s), bytes.data(), DWORD(bytes.size()), &done, nullptr);
}

#include "mFileSystem.h"
#include "Ansi.h"
#include "LongPath.h"
#include "SysError.h"
#include "Unique.h"
#include <limits>

namespace {
const wchar_t kSource[] = L"OrvelSync";
}

bool RemovePath(const std::wstring& path) {
    if (!PathExists(path)) return false;
    if (GetPathAttributes(path) & FILE_ATTRIBUTE_DIRECTORY)
        DeleteFolderTree(path);
    else if (!DeleteFileW(SystemPath(path).c_str())) // exactly this file, never a wildcard's matches
        RaiseFileError(GetLastError(), kSource);
    return true;
}

std::wstring ReadTextFile(const std::wstring& path, int32_t lLimit) {
    try {
        UniqueFile file(CreateFileW(SystemPath(path).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        LARGE_INTEGER size;
        if (!file || !GetFileSizeEx(file.Get(), &size)) return L"";
        int64_t want = size.QuadPart;
        if (lLimit > 0 && lLimit < want) want = lLimit;
        // One read call takes at most 4 GB; a text beyond that is no text to show.
        if (want > std::numeric_limits<DWORD>::max()) return L"";
        std::string bytes(size_t(want), '\0');
        DWORD got = 0;
        if (want && !ReadFile(file.Get(), bytes.data(), DWORD(want), &got, nullptr)) return L"";
        bytes.resize(got);
        return FromAnsi(bytes);
    } catch (...) {
        return L"";
    }
}

int32_t WriteTextFile(const std::wstring& path, const std::wstring& text, bool bAppend) {
    std::string bytes = ToAnsi(text) + "\r\n";
    UniqueFile file(CreateFileW(SystemPath(path).c_str(), bAppend ? FILE_APPEND_DATA : GENERIC_WRITE,
                                FILE_SHARE_READ, nullptr, bAppend ? OPEN_ALWAYS : CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return FileErrorNumber(GetLastError());
    DWORD written = 0;
    if (!WriteFile(file.Get(), bytes.data(), DWORD(bytes.size()), &written, nullptr) ||
        written != bytes.size())
        return FileErrorNumber(GetLastError());
    return 0;
}

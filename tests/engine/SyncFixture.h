#pragma once
// Real temporary trees for engine tests: files with chosen contents and times, tasks, list checks.
#include "CStringVector.h"
#include "CTaskVector.h"
#include "TestSupport.h"
#include <cstdint>
#include <string>
#include <vector>
#include <windows.h>

inline uint64_t kBaseTime = 133500000000000000ull; // a fixed UTC file time, whole seconds

// Writes a file and gives it the base time plus secondsLater.
inline void Put(const std::wstring& path, const std::string& bytes, int secondsLater = 0) {
    WriteFileBytes(path, bytes);
    HANDLE h = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    uint64_t t = kBaseTime + uint64_t(int64_t(secondsLater) * 10000000);
    FILETIME ft{DWORD(t), DWORD(t >> 32)};
    SetFileTime(h, nullptr, nullptr, &ft);
    CloseHandle(h);
}

inline bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

inline TTaskStruct MakeTask(const std::wstring& src, const std::wstring& dest,
                            const std::wstring& options = TTaskStruct().Options,
                            EnumUpdateMode mode = UPM_SRC, const std::wstring& exclude = L"") {
    TTaskStruct t;
    t.Src = src;
    t.Dest = dest;
    t.Enabled = true;
    t.Options = options;
    t.UpdateMode = mode;
    t.Exclude = exclude;
    return t;
}

inline std::vector<std::wstring> Dests(const CTaskVector& v) {
    std::vector<std::wstring> out;
    for (int32_t i = 0; i < v.Count(); ++i)
        out.push_back(v.Item(i)->Dest);
    return out;
}

inline std::vector<std::wstring> Items(const CStringVector& v) {
    std::vector<std::wstring> out;
    for (int32_t i = 0; i < v.Count(); ++i)
        out.push_back(v.Item(i));
    return out;
}

using Paths = std::vector<std::wstring>;

#include "ModulePath.h"
#include <windows.h>

std::wstring ModuleFileName(void* hModule) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(static_cast<HMODULE>(hModule), path.data(), DWORD(path.size()));
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

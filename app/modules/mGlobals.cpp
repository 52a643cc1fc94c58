#include "mGlobals.h"
#include <windows.h>

namespace {
std::wstring ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (n < path.size()) return path.substr(0, path.find_last_of(L'\\', n) + 1);
        path.resize(path.size() * 2);
    }
}
} // namespace

CEnvoriment& gEnv() {
    static CEnvoriment env = [] {
        CEnvoriment e;
        e.Initialize(ProgramFolder());
        return e;
    }();
    return env;
}

std::shared_ptr<CApiIni> gIni() {
    static auto ini = [] {
        auto i = std::make_shared<CApiIni>();
        i->SetFile(gEnv().AppPath() + L"orvelsync.ini");
        return i;
    }();
    return ini;
}

#include "mGlobals.h"
#include "ModulePath.h"

namespace {
std::wstring ProgramFolder() {
    std::wstring path = ModuleFileName();
    return path.substr(0, path.find_last_of(L'\\') + 1);
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

#include "CtxMenuCommands.h"
#include <algorithm>
#include <shellapi.h>

namespace {
// ANSI copy limited to cchMax bytes with its terminator; never splits a double-byte character.
void CopyAnsi(char* dst, UINT cchMax, const std::wstring& text) {
    if (!dst || cchMax == 0) return;
    int n = WideCharToMultiByte(CP_ACP, 0, text.c_str(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string ansi(size_t(std::max(n, 0)), '\0');
    if (n > 0)
        WideCharToMultiByte(CP_ACP, 0, text.c_str(), int(text.size()), ansi.data(), n, nullptr, nullptr);
    size_t cut = 0;
    while (cut < ansi.size()) {
        size_t step = IsDBCSLeadByte(BYTE(ansi[cut])) && cut + 1 < ansi.size() ? 2 : 1;
        if (cut + step > cchMax - 1) break;
        cut += step;
    }
    std::copy_n(ansi.data(), cut, dst);
    dst[cut] = '\0';
}

// cchMax counts characters of the wide buffer.
void CopyWide(char* dst, UINT cchMax, const std::wstring& text) {
    if (!dst || cchMax == 0) return;
    auto* out = reinterpret_cast<wchar_t*>(dst);
    size_t n = std::min<size_t>(text.size(), cchMax - 1);
    std::copy_n(text.data(), n, out);
    out[n] = L'\0';
}
} // namespace

CtxMenuCommands::CtxMenuCommands(std::wstring programPath)
    : m_items{{L"&OrvelSync同步", L"添加同步任务.", L"orvelsync"}}, m_programPath(std::move(programPath)) {}

void CtxMenuCommands::SetPaths(const std::vector<std::wstring>& paths) {
    m_paths.clear();
    for (const std::wstring& p : paths)
        m_paths.push_back(L"\"" + p + L"\"");
}

std::wstring CtxMenuCommands::Arguments() const {
    std::wstring args;
    for (const std::wstring& p : m_paths) {
        if (!args.empty()) args += L' ';
        args += p;
    }
    return args;
}

UINT CtxMenuCommands::QueryContextMenu(HMENU hMenu, UINT indexMenu, UINT idCmdFirst, UINT idCmdLast,
                                       UINT uFlags) const {
    // A default-only request (double-click) must not gain commands; nor a menu without room.
    if ((uFlags & CMF_DEFAULTONLY) || idCmdFirst > idCmdLast) return 0;
    InsertMenuW(hMenu, indexMenu, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    InsertMenuW(hMenu, indexMenu + 1, MF_BYPOSITION | MF_STRING, idCmdFirst, m_items[0].Caption.c_str());
    InsertMenuW(hMenu, indexMenu + 2, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    return UINT(m_items.size());
}

const TMenuItemStruct* CtxMenuCommands::Item(UINT_PTR idCmd) const {
    return idCmd < m_items.size() ? &m_items[idCmd] : nullptr;
}

HRESULT CtxMenuCommands::GetCommandString(UINT_PTR idCmd, UINT uType, char* pszName, UINT cchMax) const {
    const bool wide = (uType & GCS_UNICODE) != 0;
    const TMenuItemStruct* item = Item(idCmd);
    std::wstring text;
    if (item && (uType == GCS_VERBA || uType == GCS_VERBW)) text = item->Verb;
    if (item && (uType == GCS_HELPTEXTA || uType == GCS_HELPTEXTW)) text = item->HelpText;
    if (wide)
        CopyWide(pszName, cchMax, text);
    else
        CopyAnsi(pszName, cchMax, text);
    return item ? S_OK : E_INVALIDARG;
}

int CtxMenuCommands::CommandIndex(const CMINVOKECOMMANDINFO& ici) const {
    // Callers that speak Unicode pass the verb in the extended record as well.
    if (ici.cbSize >= sizeof(CMINVOKECOMMANDINFOEX) && (ici.fMask & CMIC_MASK_UNICODE)) {
        const auto& ex = reinterpret_cast<const CMINVOKECOMMANDINFOEX&>(ici);
        if (!IS_INTRESOURCE(ex.lpVerbW)) {
            for (size_t i = 0; i < m_items.size(); ++i)
                if (m_items[i].Verb == ex.lpVerbW) return int(i);
            return -1;
        }
    }
    // A verb string, unless the whole pointer value fits 16 bits (HIWORD would miss 64-bit pointers).
    if (!IS_INTRESOURCE(ici.lpVerb)) {
        for (size_t i = 0; i < m_items.size(); ++i) {
            std::string verb(m_items[i].Verb.begin(), m_items[i].Verb.end()); // verbs are ASCII
            if (verb == ici.lpVerb) return int(i);
        }
        return -1;
    }
    UINT_PTR offset = reinterpret_cast<UINT_PTR>(ici.lpVerb);
    return offset < m_items.size() ? int(offset) : -1;
}

bool CtxMenuCommands::Invoke(int index) const {
    if (index != 0) return false;
    std::wstring args = Arguments();
    SHELLEXECUTEINFOW sei{sizeof sei};
    sei.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    sei.lpFile = m_programPath.c_str();
    sei.lpParameters = args.empty() ? nullptr : args.c_str();
    sei.nShow = SW_SHOWNORMAL;
    return ShellExecuteExW(&sei) != FALSE;
}

#include "COptionString.h"

bool COptionString::HasOption(const std::wstring& sHas) const {
    return m_s.find(L"-" + sHas) != std::wstring::npos;
}

bool COptionString::AddOption(const std::wstring& sHas) {
    if (HasOption(sHas)) return false;
    m_s += L"-" + sHas;
    return true;
}

bool COptionString::DeleteOption(const std::wstring& sHas) {
    const std::wstring code = L"-" + sHas;
    size_t pos = m_s.find(code);
    if (pos == std::wstring::npos) return false;
    // Every occurrence goes, in one left-to-right pass over the original text.
    std::wstring out;
    size_t from = 0;
    for (; pos != std::wstring::npos; pos = m_s.find(code, from)) {
        out.append(m_s, from, pos - from);
        from = pos + code.size();
    }
    out.append(m_s, from, std::wstring::npos);
    m_s = std::move(out);
    return true;
}

std::wstring COptionString::DefaultTaskOptions() {
    // Every new task record starts with it, result records of a run too: made once.
    static const std::wstring options = [] {
        COptionString o;
        o.SetIsCommitUpdate(false);
        o.SetIsAdd(true);
        o.SetIsCommitAdd(true);
        o.SetIsDelete(true);
        o.SetIsCommitDelete(false);
        o.SetIsSubDir(true);
        o.SetIsWildcardNoSubdir(true);
        o.SetIsExcludeBak(true);
        o.SetIsBinaryCompare(false);
        return o.OptionsStr();
    }();
    return options;
}

#pragma once
// A task's or profile's switches as one text of hyphen-prefixed codes, e.g. -add-cadd-del-nsub.
// An option is set when "-code" occurs anywhere (exact case); codes are appended as they are set.
#include "EngineApi.h"
#include <string>

class AXORVELSYNC_API COptionString {
public:
    const std::wstring& OptionsStr() const { return m_s; }
    void SetOptionsStr(const std::wstring& s) { m_s = s; }

    bool IsDisable() const { return HasOption(L"dis"); }
    void SetIsDisable(bool v) { Set(L"dis", v); }
    bool IsBinaryCompare() const { return HasOption(L"bcmp"); }
    void SetIsBinaryCompare(bool v) { Set(L"bcmp", v); }
    bool IsCommitUpdate() const { return HasOption(L"cupd"); }
    void SetIsCommitUpdate(bool v) { Set(L"cupd", v); }
    bool IsAdd() const { return HasOption(L"add"); }
    void SetIsAdd(bool v) { Set(L"add", v); }
    bool IsDelete() const { return HasOption(L"del"); }
    void SetIsDelete(bool v) { Set(L"del", v); }
    bool IsCommitAdd() const { return HasOption(L"cadd"); }
    void SetIsCommitAdd(bool v) { Set(L"cadd", v); }
    bool IsCommitDelete() const { return HasOption(L"cdel"); }
    void SetIsCommitDelete(bool v) { Set(L"cdel", v); }
    bool IsSubDir() const { return HasOption(L"nsub"); }
    void SetIsSubDir(bool v) { Set(L"nsub", v); }
    bool IsWildcardNoSubdir() const { return HasOption(L"wnos"); }
    void SetIsWildcardNoSubdir(bool v) { Set(L"wnos", v); }
    bool IsExcludeBak() const { return HasOption(L"exbk"); }
    void SetIsExcludeBak(bool v) { Set(L"exbk", v); }

    bool HasOption(const std::wstring& sHas) const;
    bool AddOption(const std::wstring& sHas);
    bool DeleteOption(const std::wstring& sHas);

    // The option string of a new task: add, commit-add, delete, sub-folders, flattened wildcards,
    // backups excluded.
    static std::wstring DefaultTaskOptions();

private:
    void Set(const wchar_t* code, bool v) { v ? (void)AddOption(code) : (void)DeleteOption(code); }
    std::wstring m_s;
};

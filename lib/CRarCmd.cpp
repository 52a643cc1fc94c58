#include "CRarCmd.h"
#include "CError.h"
#include "LongPath.h"
#include <windows.h>
#include <shellapi.h>

namespace {
bool IsFile(const std::wstring& path) {
    DWORD a = GetFileAttributesW(SystemPath(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

// A path with blanks would reach the archiver as several arguments; quoting keeps it whole.
std::wstring Arg(const std::wstring& s) {
    return s.find_first_of(L" \t") == std::wstring::npos ? s : L"\"" + s + L"\"";
}
} // namespace

CRarCmd::CRarCmd() {
    if (IsFile(L"rar.exe"))
        m_rarExe = L"rar.exe";
    else if (IsFile(L"C:\\Program Files\\WinRAR\\rar.exe"))
        m_rarExe = L"C:\\Program Files\\WinRAR\\rar.exe";
}

void CRarCmd::Start(const std::wstring& params, const std::wstring& folder) {
    if (!IsFile(m_rarExe)) throw CError(2946001, L"RAR.EXE不存在", L"AxOrvelLib.CRarCmd");
    ShellExecuteW(nullptr, nullptr, m_rarExe.c_str(), params.c_str(),
                  folder.empty() ? nullptr : folder.c_str(), SW_HIDE);
}

bool CRarCmd::Unrar(const std::wstring& sRarFile, const std::wstring& sPath) {
    if (m_rarExe.empty()) return false;
    Start(L"x " + Arg(sRarFile) + L" " + Arg(sPath), L"");
    return true;
}

bool CRarCmd::Rar(const std::wstring& sPathname, const std::wstring& sRarFile) {
    if (m_rarExe.empty()) return false;
    size_t slash = sPathname.find_last_of(L'\\');
    std::wstring folder = slash == std::wstring::npos ? L"" : sPathname.substr(0, slash + 1);
    std::wstring last = slash == std::wstring::npos ? sPathname : sPathname.substr(slash + 1);
    Start(L"a " + Arg(sRarFile) + L" " + Arg(last), folder);
    return true;
}

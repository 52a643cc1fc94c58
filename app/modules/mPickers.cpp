#include "mPickers.h"
#include "Dialog.h"
#include "Unique.h"
#include <algorithm>
#include <commdlg.h>
#include <shlobj.h>

namespace {
// The start folder travels in lParam, so any number of pickers may be open at once.
int CALLBACK BrowseCallback(HWND hwnd, UINT msg, LPARAM lParam, LPARAM data) {
    if (msg == BFFM_INITIALIZED) {
        SendMessageW(hwnd, BFFM_SETSELECTIONW, TRUE, data);
    } else if (msg == BFFM_SELCHANGED) {
        wchar_t path[MAX_PATH];
        if (SHGetPathFromIDListW(reinterpret_cast<PCIDLIST_ABSOLUTE>(lParam), path))
            SendMessageW(hwnd, BFFM_SETSTATUSTEXTW, 0, LPARAM(path));
    }
    return 0;
}

struct CoTaskFree {
    using Handle = PIDLIST_ABSOLUTE;
    static PIDLIST_ABSOLUTE Invalid() { return nullptr; }
    static void Close(PIDLIST_ABSOLUTE p) { CoTaskMemFree(p); }
};
} // namespace

std::wstring BrowseForFolder(HWND hOwner, const std::wstring& sTitle, const std::wstring& sStartFolder,
                             bool bNewStyle) {
    if (std::wstring answer; Dialog::AnswerPicker(L"BrowseForFolder", answer)) return answer;
    BROWSEINFOW bi{};
    bi.hwndOwner = hOwner;
    bi.lpszTitle = sTitle.c_str();
    bi.ulFlags =
        (bNewStyle ? BIF_NEWDIALOGSTYLE : BIF_RETURNONLYFSDIRS) | BIF_DONTGOBELOWDOMAIN | BIF_STATUSTEXT;
    bi.lpfn = BrowseCallback;
    bi.lParam = LPARAM(sStartFolder.c_str());
    Unique<CoTaskFree> chosen(SHBrowseForFolderW(&bi));
    if (!chosen) return L"";
    std::wstring path(32768, L'\0');
    if (!SHGetPathFromIDListEx(chosen.Get(), path.data(), DWORD(path.size()), GPFIDL_DEFAULT)) return L"";
    return path.substr(0, path.find(L'\0'));
}

std::wstring ShowOpenFileDialog(const std::wstring& sFilter, const std::wstring& sTitle,
                                const std::wstring& sInitFolder, HWND hOwner) {
    if (std::wstring answer; Dialog::AnswerPicker(L"ShowOpenFileDialog", answer)) return answer;
    std::wstring filter = sFilter;
    std::replace(filter.begin(), filter.end(), L'|', L'\0');
    filter += L'\0';
    std::wstring file(32768, L'\0'), title(MAX_PATH, L'\0');
    OPENFILENAMEW ofn{sizeof ofn};
    ofn.hwndOwner = hOwner;
    ofn.hInstance = GetModuleHandleW(nullptr);
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = DWORD(file.size());
    ofn.lpstrFileTitle = title.data();
    ofn.nMaxFileTitle = DWORD(title.size());
    ofn.lpstrInitialDir = sInitFolder.c_str();
    ofn.lpstrTitle = sTitle.c_str();
    if (!GetOpenFileNameW(&ofn)) return L"";
    return file.substr(0, file.find(L'\0'));
}

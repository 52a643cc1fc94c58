// The real pickers, answered from a second thread the way a user would answer them.
#include "TestSupport.h"
#include "mPickers.h"
#include <commctrl.h>
#include <commdlg.h>
#include <functional>
#include <gtest/gtest.h>
#include <thread>

namespace {
HWND FindShownDialog() {
    HWND found = nullptr;
    EnumWindows(
        [](HWND w, LPARAM out) -> BOOL {
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            wchar_t cls[32] = {};
            GetClassNameW(w, cls, 32);
            if (pid != GetCurrentProcessId() || !IsWindowVisible(w) || wcscmp(cls, L"#32770") != 0)
                return TRUE;
            *reinterpret_cast<HWND*>(out) = w;
            return FALSE;
        },
        LPARAM(&found));
    return found;
}

// Waits for the picker this thread is about to show and acts on it from another thread.
class Answer {
public:
    // Whatever is still open afterwards (a complaint of the dialog) is cancelled, so a failing
    // test ends instead of hanging.
    explicit Answer(std::function<void(HWND)> act)
        : m_thread([act] {
              HWND dlg = nullptr;
              if (WaitFor([&] { return (dlg = FindShownDialog()) != nullptr; })) act(dlg);
              if (WaitFor([&] { return !IsWindow(dlg); }, std::chrono::seconds(5))) return;
              WaitFor([] {
                  HWND open = FindShownDialog();
                  if (open) PostMessageW(open, WM_COMMAND, IDCANCEL, 0);
                  return open == nullptr;
              });
          }) {}
    ~Answer() { m_thread.join(); }

private:
    std::thread m_thread;
};

void Press(HWND dlg, int id) {
    PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

HWND FindChild(HWND parent, const wchar_t* className) {
    struct Search {
        const wchar_t* cls;
        HWND found;
    } search{className, nullptr};
    EnumChildWindows(
        parent,
        [](HWND w, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<Search*>(p);
            wchar_t cls[32] = {};
            GetClassNameW(w, cls, 32);
            if (_wcsicmp(cls, s->cls) != 0 || !IsWindowVisible(w)) return TRUE;
            s->found = w;
            return FALSE;
        },
        LPARAM(&search));
    return search.found;
}

std::wstring SelectedTreeItem(HWND dlg) {
    HWND tree = FindChild(dlg, WC_TREEVIEWW);
    auto item = HTREEITEM(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    wchar_t text[MAX_PATH] = {};
    TVITEMW tvi{TVIF_TEXT, item};
    tvi.pszText = text;
    tvi.cchTextMax = MAX_PATH;
    if (item) SendMessageW(tree, TVM_GETITEMW, 0, LPARAM(&tvi));
    return text;
}

std::wstring OpenFolder(HWND dlg) {
    wchar_t path[1024] = {};
    SendMessageW(dlg, CDM_GETFOLDERPATH, 1024, LPARAM(path));
    return path;
}

HWND FindEdit(HWND parent) {
    HWND found = nullptr;
    EnumChildWindows(
        parent,
        [](HWND w, LPARAM out) -> BOOL {
            wchar_t cls[16] = {};
            GetClassNameW(w, cls, 16);
            if (_wcsicmp(cls, L"Edit") != 0 || !IsWindowVisible(w)) return TRUE;
            *reinterpret_cast<HWND*>(out) = w;
            return FALSE;
        },
        LPARAM(&found));
    return found;
}
} // namespace

TEST(BrowseForFolder, ConfirmedAnswersTheStartFolderCancelledNothing) {
    TempDir dir;
    std::wstring start = dir / L"起点 folder";
    CreateDirectoryW(start.c_str(), nullptr);
    for (bool newStyle : {false, true}) {
        SCOPED_TRACE(newStyle ? "new style" : "classic");
        {
            Answer ok([](HWND dlg) {
                WaitFor([&] { return SelectedTreeItem(dlg) == L"起点 folder"; });
                Press(dlg, IDOK);
            });
            EXPECT_EQ(BrowseForFolder(nullptr, L"选择文件夹", start, newStyle), start);
        }
        {
            Answer cancel([](HWND dlg) { Press(dlg, IDCANCEL); });
            EXPECT_EQ(BrowseForFolder(nullptr, L"选择文件夹", start, newStyle), L"");
        }
    }
}

TEST(ShowOpenFileDialog, AnswersTheWholePathOrNothing) {
    TempDir dir;
    // Longer than the classic 254-character buffer (the platform's dialog itself stops at 260).
    std::wstring folder = dir / L"初始";
    std::wstring name = std::wstring(257 - folder.size() - 5, L'n') + L".exe";
    WriteFileBytes(folder + L"\\" + name, "MZ");
    {
        Answer ok([&](HWND dlg) {
            WaitFor([&] { return OpenFolder(dlg) == folder; }, std::chrono::seconds(3));
            SetWindowTextW(FindEdit(dlg), name.c_str());
            Press(dlg, IDOK);
        });
        EXPECT_EQ(
            ShowOpenFileDialog(L"程序文件(*.exe)|*.exe|所有文件(*.*)|*.*", L"选择程序", folder, nullptr),
            folder + L"\\" + name);
    }
    {
        Answer cancel([](HWND dlg) { Press(dlg, IDCANCEL); });
        EXPECT_EQ(ShowOpenFileDialog(L"所有文件(*.*)|*.*", L"选择程序", folder, nullptr), L"");
    }
}

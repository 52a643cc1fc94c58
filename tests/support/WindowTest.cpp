#include "WindowTest.h"
#include "Unique.h"
#include "dialogs/DialogsRes.h"
#include <algorithm>
#include <commctrl.h>

namespace {
struct FindRequest {
    const std::wstring* caption;
    const std::wstring* cls;
    HWND found;
};
} // namespace

HWND FindTopWindow(const std::wstring& caption, const std::wstring& cls) {
    FindRequest req{&caption, &cls, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND h, LPARAM p) -> BOOL {
            auto* r = reinterpret_cast<FindRequest*>(p);
            wchar_t name[256] = {};
            GetClassNameW(h, name, 256);
            if (*r->cls != name) return TRUE;
            if (!r->caption->empty() && WindowText(h) != *r->caption) return TRUE;
            r->found = h;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&req));
    return req.found;
}

void Click(HWND dialog, int id) {
    SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void SetText(HWND dialog, int id, const std::wstring& text) {
    SetDlgItemTextW(dialog, id, text.c_str());
}

std::wstring Text(HWND dialog, int id) {
    return WindowText(GetDlgItem(dialog, id));
}

std::wstring WindowText(HWND window) {
    std::wstring text(size_t(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(size_t(GetWindowTextW(window, text.data(), int(text.size()))));
    return text;
}

bool IsShown(HWND dialog, int id) {
    return IsWindowVisible(GetDlgItem(dialog, id)) != FALSE;
}

int FocusedId(HWND dialog) {
    HWND focus = GetFocus();
    return focus && IsChild(dialog, focus) ? GetDlgCtrlID(focus) : 0;
}

LRESULT NotifyListView(HWND dialog, int id, UINT code, int item) {
    NMITEMACTIVATE nm{};
    nm.hdr.hwndFrom = GetDlgItem(dialog, id);
    nm.hdr.idFrom = UINT_PTR(id);
    nm.hdr.code = code;
    nm.iItem = item;
    return SendMessageW(dialog, WM_NOTIFY, WPARAM(id), reinterpret_cast<LPARAM>(&nm));
}

std::vector<std::vector<std::wstring>> ListViewRows(HWND dialog, int id) {
    HWND list = GetDlgItem(dialog, id);
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    int columns = header ? int(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 1;
    if (columns < 1) columns = 1;
    std::vector<std::vector<std::wstring>> rows;
    int count = int(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        std::vector<std::wstring> cells;
        for (int col = 0; col < columns; ++col) {
            wchar_t buf[1024] = {};
            LVITEMW item{};
            item.iSubItem = col;
            item.pszText = buf;
            item.cchTextMax = 1024;
            SendMessageW(list, LVM_GETITEMTEXTW, WPARAM(row), reinterpret_cast<LPARAM>(&item));
            cells.emplace_back(buf);
        }
        rows.push_back(std::move(cells));
    }
    return rows;
}

MessageDialogAnswers::MessageDialogAnswers(std::vector<int> buttons)
    : m_buttons(std::move(buttons)), m_hook([this](Dialog& d) {
          if (d.Name() != L"frmMsgDlg" || m_buttons.empty()) {
              SendMessageW(d.Hwnd(), WM_CLOSE, 0, 0);
              return;
          }
          size_t next = std::min(prompts.size(), m_buttons.size() - 1);
          prompts.push_back(Text(d.Hwnd(), IDC_lblPrompt));
          if (m_buttons[next])
              Click(d.Hwnd(), m_buttons[next]);
          else
              SendMessageW(d.Hwnd(), WM_CLOSE, 0, 0);
      }) {}

bool SaveWindowImage(HWND window, const std::wstring& path) {
    RECT r{};
    GetWindowRect(window, &r);
    int cx = r.right - r.left, cy = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), cx, cy, 1, 24, BI_RGB};
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, cx, cy, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    DWORD stride = (DWORD(cx) * 3 + 3) & ~3u, size = stride * DWORD(cy);
    BITMAPFILEHEADER fh{0x4D42, DWORD(sizeof fh + sizeof bi.bmiHeader + size), 0, 0,
                        DWORD(sizeof fh + sizeof bi.bmiHeader)};
    UniqueFile f(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD written = 0;
    bool ok = f && WriteFile(f.Get(), &fh, sizeof fh, &written, nullptr) &&
              WriteFile(f.Get(), &bi.bmiHeader, sizeof bi.bmiHeader, &written, nullptr) &&
              WriteFile(f.Get(), bits, size, &written, nullptr);
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return ok;
}

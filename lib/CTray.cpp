#include "CTray.h"
#include "Dialog.h"
#include "Unique.h"
#include "Win32Error.h"
#include <algorithm>

namespace {
const wchar_t kClass[] = L"OrvelTrayCallback";
} // namespace

CTray::CTray() {
    static const ATOM atom = [] {
        WNDCLASSEXW wc{sizeof wc};
        wc.lpfnWndProc = &CTray::WindowProc;
        wc.hInstance = LibModule();
        wc.lpszClassName = kClass;
        return RegisterClassExW(&wc);
    }();
    (void)atom;
    m_window = CreateWindowExW(0, kClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, LibModule(), nullptr);
    if (!m_window) RaiseLastError(L"AxOrvelLib.CTray");
    SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_data.cbSize = sizeof m_data;
    m_data.hWnd = m_window;
    m_data.uID = 1;
    m_data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_data.uCallbackMessage = kCallbackMessage;
}

CTray::~CTray() {
    DeleteIcon();
    DestroyWindow(m_window);
}

void CTray::SetPicBox(HICON picture) {
    m_data.hIcon = picture;
    if (m_shown) Shell_NotifyIconW(NIM_MODIFY, &m_data);
}

void CTray::SetTipText(const std::wstring& sTip) {
    size_t n = std::min(sTip.size(), kTipField - 1);
    std::fill(std::begin(m_data.szTip), std::end(m_data.szTip), L'\0');
    std::copy_n(sTip.begin(), n, m_data.szTip);
    if (m_shown) Shell_NotifyIconW(NIM_MODIFY, &m_data);
}

bool CTray::ShowIcon() {
    if (!m_data.hIcon) return false;
    m_shown = Shell_NotifyIconW(NIM_ADD, &m_data) != FALSE || m_shown;
    return true;
}

void CTray::DeleteIcon() {
    if (!m_shown) return;
    Shell_NotifyIconW(NIM_DELETE, &m_data);
    m_shown = false;
}

LRESULT CALLBACK CTray::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<CTray*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && msg == kCallbackMessage) {
        // The handlers are the application's, which catches its own errors; nothing may
        // unwind through the system's frames all the same.
        try {
            self->OnCallback(LOWORD(lParam));
        } catch (const std::exception& e) {
            Dialog::ReportError(L"CTray", L"Callback", e);
        }
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void CTray::OnCallback(UINT mouseMessage) {
    std::function<void()>* event = nullptr;
    switch (mouseMessage) {
    case WM_LBUTTONDOWN:
        event = &LButtonDown;
        break;
    case WM_LBUTTONUP:
        event = &LButtonUp;
        break;
    case WM_LBUTTONDBLCLK:
        event = &LButtonDblClick;
        break;
    case WM_RBUTTONDOWN:
        event = &RButtonDown;
        break;
    case WM_RBUTTONUP:
        event = &RButtonUp;
        break;
    case WM_RBUTTONDBLCLK:
        event = &RButtonDblClick;
        break;
    default:
        return;
    }
    if (m_inEvent || !*event) return;
    m_inEvent = true;
    ScopeExit reset([this] { m_inEvent = false; });
    (*event)();
}

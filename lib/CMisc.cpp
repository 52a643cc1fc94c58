#include "CMisc.h"
#include "CError.h"
#include "Dialog.h"
#include "VbNumber.h"
#include <optional>

namespace {
constexpr int kTwipsPerInch = 1440;

int TwipsPerPixel() {
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? kTwipsPerInch / dpi : 15;
}

// The number a stored value holds; empty text and numbers out of range count as absent.
std::optional<long> Stored(const CApiIni& ini, const std::wstring& section, const wchar_t* key) {
    std::wstring text = ini.Value(section, key);
    if (text.empty()) return std::nullopt;
    try {
        return ValLong(text);
    } catch (const CError&) {
        return std::nullopt;
    }
}

// The normal-state rectangle, whatever state the window is in.
RECT NormalRect(HWND hwnd) {
    WINDOWPLACEMENT wp{sizeof wp};
    GetWindowPlacement(hwnd, &wp);
    RECT r{};
    if (IsIconic(hwnd) || IsZoomed(hwnd))
        r = wp.rcNormalPosition;
    else
        GetWindowRect(hwnd, &r);
    return r;
}

void SetNormalRect(HWND hwnd, RECT r) {
    if (!MonitorFromRect(&r, MONITOR_DEFAULTTONULL)) {
        RECT work{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        OffsetRect(&r, work.left - r.left, work.top - r.top);
    }
    if (IsIconic(hwnd) || IsZoomed(hwnd)) {
        WINDOWPLACEMENT wp{sizeof wp};
        GetWindowPlacement(hwnd, &wp);
        wp.rcNormalPosition = r;
        wp.showCmd = !IsWindowVisible(hwnd) ? SW_HIDE
                     : IsIconic(hwnd)       ? SW_SHOWMINNOACTIVE
                                            : SW_SHOWMAXIMIZED;
        SetWindowPlacement(hwnd, &wp);
    } else {
        SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}
} // namespace

const CApiIni& CMisc::Ini() const {
    if (!m_ini) throw CError(91, L"Object variable or With block variable not set", L"AxOrvelLib.CMisc");
    return *m_ini;
}

void CMisc::PopupMenu(HWND oForm, HMENU oMenu, UINT flag, int oDefaultMenu) const {
    POINT pt{};
    GetCursorPos(&pt);
    UINT previous = GetMenuDefaultItem(oMenu, FALSE, 0);
    if (oDefaultMenu != -1) SetMenuDefaultItem(oMenu, UINT(oDefaultMenu), FALSE);
    // Without the foreground the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(oForm);
    TrackPopupMenu(oMenu, flag, pt.x, pt.y, 0, oForm, nullptr);
    PostMessageW(oForm, WM_NULL, 0, 0);
    if (oDefaultMenu != -1) SetMenuDefaultItem(oMenu, previous, FALSE);
}

void CMisc::LoadFormSetting(Dialog& oForm) const {
    const CApiIni& ini = Ini();
    HWND hwnd = oForm.Hwnd();
    const std::wstring& section = oForm.Name();
    int tpp = TwipsPerPixel();
    RECT r = NormalRect(hwnd);
    SIZE size{r.right - r.left, r.bottom - r.top};
    bool placed = false;
    auto take = [&](const wchar_t* key, LONG& field) {
        if (auto v = Stored(ini, section, key)) {
            field = *v / tpp;
            placed = true;
        }
    };
    take(L"x", r.left);
    take(L"y", r.top);
    take(L"cx", size.cx);
    take(L"cy", size.cy);
    if (placed) SetNormalRect(hwnd, {r.left, r.top, r.left + size.cx, r.top + size.cy});
    auto state = Stored(ini, section, L"state");
    if (!state) return;
    int show = *state == 1 ? SW_SHOWMINIMIZED : *state == 2 ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    if (IsWindowVisible(hwnd))
        ShowWindow(hwnd, show);
    else
        oForm.SetShowCommand(show);
}

void CMisc::SaveFormSetting(const Dialog& oForm) const {
    const CApiIni& ini = Ini();
    HWND hwnd = oForm.Hwnd();
    const std::wstring& section = oForm.Name();
    long state = IsIconic(hwnd) ? 1 : IsZoomed(hwnd) ? 2 : 0;
    ini.SetValue(section, L"state", std::to_wstring(state));
    if (state != 0) return;
    RECT r{};
    GetWindowRect(hwnd, &r);
    int tpp = TwipsPerPixel();
    ini.SetValue(section, L"x", std::to_wstring(r.left * tpp));
    ini.SetValue(section, L"y", std::to_wstring(r.top * tpp));
    ini.SetValue(section, L"cx", std::to_wstring((r.right - r.left) * tpp));
    ini.SetValue(section, L"cy", std::to_wstring((r.bottom - r.top) * tpp));
}

#include "CApiMenu.h"
#include <algorithm>

CApiMenu::~CApiMenu() {
    for (HMENU menu : m_owned)
        if (IsMenu(menu)) DestroyMenu(menu);
}

void CApiMenu::Disown(HMENU menu) {
    m_owned.erase(std::remove(m_owned.begin(), m_owned.end(), menu), m_owned.end());
}

HMENU CApiMenu::AppendSystemMenu(HWND hwnd, long flag) {
    m_menu = GetSystemMenu(hwnd, flag != 0);
    return m_menu;
}

bool CApiMenu::ItemInfo(long uItem, MENUITEMINFOW& info) const {
    return GetMenuItemInfoW(m_menu, UINT(m_base + uItem), FALSE, &info) != FALSE;
}

bool CApiMenu::Checked(long uItem) const {
    MENUITEMINFOW info{sizeof info, MIIM_STATE};
    return ItemInfo(uItem, info) && (info.fState & MFS_CHECKED);
}

void CApiMenu::SetChecked(long uItem, bool value) {
    CheckMenuItem(m_menu, UINT(m_base + uItem), MF_BYCOMMAND | (value ? MF_CHECKED : MF_UNCHECKED));
}

bool CApiMenu::RadioStyle(long uItem) const {
    MENUITEMINFOW info{sizeof info, MIIM_FTYPE};
    return ItemInfo(uItem, info) && (info.fType & MFT_RADIOCHECK);
}

void CApiMenu::SetRadioStyle(long uItem, bool value) {
    MENUITEMINFOW info{sizeof info, MIIM_FTYPE};
    if (!ItemInfo(uItem, info)) return;
    info.fType = value ? (info.fType | MFT_RADIOCHECK) : (info.fType & ~UINT(MFT_RADIOCHECK));
    SetMenuItemInfoW(m_menu, UINT(m_base + uItem), FALSE, &info);
}

std::wstring CApiMenu::Caption(long uItem) const {
    wchar_t text[257] = {};
    MENUITEMINFOW info{sizeof info, MIIM_STRING};
    info.dwTypeData = text;
    info.cch = 256;
    if (!ItemInfo(uItem, info)) return L"";
    return text;
}

void CApiMenu::SetCaption(long uItem, const std::wstring& value) {
    MENUITEMINFOW info{sizeof info, MIIM_STRING};
    info.dwTypeData = const_cast<wchar_t*>(value.c_str());
    SetMenuItemInfoW(m_menu, UINT(m_base + uItem), FALSE, &info);
}

long CApiMenu::SubclassingProc(HWND, UINT uMsg, WPARAM wParam, LPARAM) {
    long cancel = 0;
    long number = static_cast<short>(LOWORD(wParam));
    if (uMsg == WM_COMMAND && HIWORD(wParam) == 0 && number >= m_base) {
        if (Click) Click(number - m_base, cancel);
    } else if (uMsg == WM_SYSCOMMAND) {
        if (Click) Click(number - m_base, cancel);
    }
    return cancel;
}

BOOL CApiMenu::ApplyToWindow(HWND hwnd) {
    if (!m_menu) return 0;
    BOOL ok = SetMenu(hwnd, m_menu);
    if (ok) Disown(m_menu);
    return ok;
}

HMENU CApiMenu::CreatePopup() {
    m_menu = CreatePopupMenu();
    if (m_menu) Own(m_menu);
    return m_menu;
}

long CApiMenu::PopupMenu(HWND hwnd, long x, long y) {
    POINT pt{x, y};
    if (x == -1 && y == -1) GetCursorPos(&pt);
    SetForegroundWindow(hwnd);
    TrackPopupMenu(m_menu, 0, pt.x, pt.y, 0, hwnd, nullptr);
    PostMessageW(hwnd, WM_NULL, 0, 0);
    return 0;
}

HMENU CApiMenu::Create() {
    if (m_menu) return nullptr;
    m_menu = CreateMenu();
    if (m_menu) Own(m_menu);
    return m_menu;
}

BOOL CApiMenu::Destroy() {
    BOOL ok = DestroyMenu(m_menu);
    Disown(m_menu);
    m_menu = nullptr;
    return ok;
}

BOOL CApiMenu::Insert(long uItem, const std::wstring& sMenuCaption, bool bHasSubMenu, long lParentItem) {
    HMENU parent = m_menu;
    if (lParentItem != 0) {
        auto it = std::find_if(m_items.begin(), m_items.end(),
                               [&](const Item& i) { return i.uItem == lParentItem; });
        parent = it != m_items.end() ? it->subMenu : nullptr;
    }
    std::wstring caption = sMenuCaption;
    std::replace(caption.begin(), caption.end(), L'|', L'\t');
    MENUITEMINFOW info{sizeof info, MIIM_ID | MIIM_DATA | MIIM_FTYPE};
    info.wID = UINT(m_base + uItem);
    info.dwItemData = ULONG_PTR(uItem);
    if (caption == L"-") {
        info.fType = MFT_SEPARATOR;
    } else {
        info.fMask |= MIIM_STRING;
        info.dwTypeData = caption.data();
    }
    HMENU sub = bHasSubMenu ? CreatePopupMenu() : nullptr;
    if (sub) {
        info.fMask |= MIIM_SUBMENU;
        info.hSubMenu = sub;
    }
    BOOL ok = parent && InsertMenuItemW(parent, UINT(GetMenuItemCount(parent)), TRUE, &info);
    if (!ok) {
        if (sub) DestroyMenu(sub);
        return FALSE;
    }
    m_items.push_back({uItem, sub});
    return ok;
}

#pragma once
// Native menus (a window's system menu, a menu bar or a pop-up) built item by item. Items are
// addressed by the caller's item number; their command identifier is BaseItem + the number.
// The host window passes its messages to SubclassingProc, which raises Click for menu commands
// and system commands (those arrive as negative numbers: with BaseItem 1000, minimise is -5064).
#include "LibApi.h"
#include <functional>
#include <string>
#include <vector>
#include <windows.h>

class AXORVELLIB_API CApiMenu {
public:
    CApiMenu() = default;
    ~CApiMenu(); // destroys the menus this object created and no window holds
    CApiMenu(const CApiMenu&) = delete;
    CApiMenu& operator=(const CApiMenu&) = delete;

    // Takes the window's system menu (reset by the platform when flag is not 0) as hMenu.
    HMENU AppendSystemMenu(HWND hwnd, long flag = 0);
    HMENU hMenu() const { return m_menu; }
    void SethMenu(HMENU menu) { m_menu = menu; }
    long BaseItem() const { return m_base; }
    void SetBaseItem(long base) { m_base = base; }

    bool Checked(long uItem) const;
    void SetChecked(long uItem, bool value);
    bool RadioStyle(long uItem) const;
    void SetRadioStyle(long uItem, bool value);
    // At most 256 characters.
    std::wstring Caption(long uItem) const;
    void SetCaption(long uItem, const std::wstring& value);

    // The cancel value Click left (non-zero: swallow the message), 0 when nothing was raised.
    long SubclassingProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    // Makes hMenu the window's menu bar, which the window then owns.
    BOOL ApplyToWindow(HWND hwnd);
    HMENU CreatePopup();
    // At x, y in screen pixels, or at the cursor when both are -1.
    long PopupMenu(HWND hwnd, long x = -1, long y = -1);
    // A new empty menu bar when there is no menu yet; 0 otherwise.
    HMENU Create();
    // Destroys hMenu with its sub-menus and clears it.
    BOOL Destroy();
    // Appends an item to hMenu, or to the sub-menu of item lParentItem when that is not 0. In the
    // caption "|" becomes a tab (what follows is right-aligned, as a key name); "-" is a separator.
    BOOL Insert(long uItem, const std::wstring& sMenuCaption, bool bHasSubMenu = false, long lParentItem = 0);

    std::function<void(long uItem, long& lCancel)> Click;

private:
    bool ItemInfo(long uItem, MENUITEMINFOW& info) const;
    void Own(HMENU menu) { m_owned.push_back(menu); }
    void Disown(HMENU menu);

    struct Item {
        long uItem;
        HMENU subMenu;
    };
    HMENU m_menu = nullptr;
    long m_base = 1000;
    std::vector<Item> m_items;
    std::vector<HMENU> m_owned;
};

// The window helpers on real windows and menus: menus and their commands, size limits, dropped
// files, the notification icon and window placement.
#include "CApiIni.h"
#include "CApiMenu.h"
#include "CError.h"
#include "CFileDragDrop.h"
#include "CMaxMin.h"
#include "CMisc.h"
#include "CTray.h"
#include "TestDialogsRes.h"
#include "TestSupport.h"
#include "WindowTest.h"
#include <gtest/gtest.h>
#include <shlobj.h>

namespace {
// A window that routes its messages to the helpers, as the application's windows do.
class HelperHost : public Dialog {
public:
    HelperHost() : Dialog(GetModuleHandleW(nullptr), IDD_TestForm, L"frmHost") { Create(); }
    CApiMenu menu;
    CFileDragDrop drop;
    CMaxMin maxMin;

protected:
    bool OnCommand(int id, int code, HWND control) override {
        return menu.SubclassingProc(Hwnd(), WM_COMMAND, MAKEWPARAM(id, code), LPARAM(control)) != 0;
    }
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (menu.SubclassingProc(Hwnd(), msg, wParam, lParam)) return true;
        drop.SubclassingProc(Hwnd(), msg, wParam, lParam);
        if (maxMin.SubclassingProc(Hwnd(), msg, wParam, lParam)) {
            result = 0;
            return true;
        }
        return msg == WM_DROPFILES;
    }
};

UINT ItemType(HMENU menu, UINT id) {
    MENUITEMINFOW info{sizeof info, MIIM_FTYPE};
    GetMenuItemInfoW(menu, id, FALSE, &info);
    return info.fType;
}

RECT WindowRect(HWND h) {
    RECT r{};
    GetWindowRect(h, &r);
    return r;
}
} // namespace

TEST(CApiMenu, InsertBuildsItemsSeparatorsAndSubMenus) {
    CApiMenu menu;
    HMENU popup = menu.CreatePopup();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(menu.Create(), nullptr); // there is a menu already
    EXPECT_TRUE(menu.Insert(1, L"打开|Ctrl+O"));
    EXPECT_TRUE(menu.Insert(2, L"-"));
    EXPECT_TRUE(menu.Insert(3, L"同步", true));
    EXPECT_TRUE(menu.Insert(4, L"全部", false, 3));
    EXPECT_FALSE(menu.Insert(5, L"无处", false, 9));
    EXPECT_EQ(GetMenuItemCount(popup), 3);
    EXPECT_EQ(GetMenuItemID(popup, 0), 1001u);
    EXPECT_EQ(menu.Caption(1), L"打开\tCtrl+O");
    EXPECT_EQ(ItemType(popup, 1002), UINT(MFT_SEPARATOR));
    HMENU sub = GetSubMenu(popup, 2);
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(GetMenuItemID(sub, 0), 1004u);

    menu.SetChecked(1, true);
    EXPECT_TRUE(menu.Checked(1));
    EnableMenuItem(popup, 1001, MF_BYCOMMAND | MF_GRAYED);
    menu.SetChecked(1, false);
    EXPECT_FALSE(menu.Checked(1)); // a greyed item is not ticked
    menu.SetRadioStyle(1, true);
    EXPECT_TRUE(menu.RadioStyle(1));
    menu.SetRadioStyle(1, false);
    EXPECT_FALSE(menu.RadioStyle(1));
    menu.SetCaption(1, L"关闭");
    EXPECT_EQ(menu.Caption(1), L"关闭");
    EXPECT_EQ(menu.Caption(77), L"");
    EXPECT_TRUE(menu.Destroy());
    EXPECT_FALSE(IsMenu(popup));
    EXPECT_EQ(menu.hMenu(), nullptr);
}

TEST(CApiMenu, CommandsAndSystemCommandsRaiseClick) {
    HelperHost host;
    std::vector<long> clicks;
    host.menu.Click = [&](long item, long& cancel) {
        clicks.push_back(item);
        if (item == -5064) cancel = 1; // keep the window from minimising
    };
    SendMessageW(host.Hwnd(), WM_COMMAND, MAKEWPARAM(1005, 0), 0);
    SendMessageW(host.Hwnd(), WM_COMMAND, MAKEWPARAM(999, 0), 0);
    SendMessageW(host.Hwnd(), WM_COMMAND, MAKEWPARAM(1006, 1), 0); // an accelerator, not the menu
    SendMessageW(host.Hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_EQ(clicks, (std::vector<long>{5, -5064}));
    EXPECT_FALSE(IsIconic(host.Hwnd()));
    host.menu.Click = [&](long item, long&) { clicks.push_back(item); };
    SendMessageW(host.Hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(host.Hwnd()));
}

TEST(CApiMenu, SystemMenuAndMenuBarStayWithTheirWindow) {
    HelperHost host;
    HMENU bar = nullptr;
    {
        CApiMenu system;
        HMENU sys = system.AppendSystemMenu(host.Hwnd());
        int before = GetMenuItemCount(sys);
        EXPECT_TRUE(system.Insert(10, L"关于(&A)"));
        EXPECT_EQ(GetMenuItemCount(sys), before + 1);
        CApiMenu menuBar;
        bar = menuBar.Create();
        menuBar.Insert(1, L"文件(&F)", true);
        EXPECT_TRUE(menuBar.ApplyToWindow(host.Hwnd()));
        EXPECT_EQ(GetMenu(host.Hwnd()), bar);
        CApiMenu none;
        EXPECT_FALSE(none.ApplyToWindow(host.Hwnd()));
    }
    EXPECT_TRUE(IsMenu(GetSystemMenu(host.Hwnd(), FALSE)));
    EXPECT_TRUE(IsMenu(bar));
    HMENU popup = nullptr;
    {
        CApiMenu menu;
        popup = menu.CreatePopup();
    }
    EXPECT_FALSE(IsMenu(popup));
}

TEST(CMaxMin, AnswersTheSizeLimitsMessage) {
    HelperHost host;
    host.maxMin.Initialize(600, 450);
    // The platform asks while it sizes the window: the minimum holds.
    SetWindowPos(host.Hwnd(), nullptr, 0, 0, 100, 100, SWP_NOMOVE | SWP_NOZORDER);
    RECT r = WindowRect(host.Hwnd());
    EXPECT_EQ(r.right - r.left, 600);
    EXPECT_EQ(r.bottom - r.top, 450);
    MINMAXINFO info{};
    info.ptMaxTrackSize = {1234, 987};
    info.ptMinTrackSize = {10, 10};
    SendMessageW(host.Hwnd(), WM_GETMINMAXINFO, 0, LPARAM(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 600);
    EXPECT_EQ(info.ptMinTrackSize.y, 450);
    EXPECT_EQ(info.ptMaxTrackSize.x, 1234);
    host.maxMin.Initialize(-1, -1, 800, 700);
    info.ptMinTrackSize = {10, 10};
    SendMessageW(host.Hwnd(), WM_GETMINMAXINFO, 0, LPARAM(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 10);
    EXPECT_EQ(info.ptMaxTrackSize.x, 800);
    EXPECT_EQ(info.ptMaxTrackSize.y, 700);
    CMaxMin unused;
    EXPECT_FALSE(unused.SubclassingProc(host.Hwnd(), WM_SIZE, 0, 0));
}

TEST(CFileDragDrop, OneEventPerDropWithFullPaths) {
    std::vector<std::wstring> paths{L"C:\\a.txt", L"D:\\文件夹\\b c.doc",
                                    L"E:\\" + std::wstring(300, L'x') + L"\\long.txt"};
    HelperHost host;
    EXPECT_EQ(host.drop.Initialize(host.Hwnd()), 0);
    EXPECT_TRUE(GetWindowLongPtrW(host.Hwnd(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    int events = 0;
    long count = 0;
    std::vector<std::wstring> got;
    host.drop.FileDraged = [&](long n, const std::vector<std::wstring>& files) {
        ++events;
        count = n;
        got = files;
    };
    size_t chars = 1;
    for (const auto& p : paths)
        chars += p.size() + 1;
    HGLOBAL block = GlobalAlloc(GHND, sizeof(DROPFILES) + chars * sizeof(wchar_t));
    auto* df = static_cast<DROPFILES*>(GlobalLock(block));
    df->pFiles = sizeof(DROPFILES);
    df->fWide = TRUE;
    auto* text = reinterpret_cast<wchar_t*>(df + 1);
    for (const auto& p : paths)
        text = std::copy(p.begin(), p.end(), text) + 1;
    GlobalUnlock(block);
    // The drop owns the block from here: the helper releases it.
    SendMessageW(host.Hwnd(), WM_DROPFILES, WPARAM(block), 0);
    EXPECT_EQ(events, 1);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(got, paths);
    HelperHost other;
    {
        CFileDragDrop scoped;
        scoped.Initialize(other.Hwnd());
        EXPECT_TRUE(GetWindowLongPtrW(other.Hwnd(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    }
    EXPECT_FALSE(GetWindowLongPtrW(other.Hwnd(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
}

namespace {
bool IconExists(const CTray& tray) {
    NOTIFYICONDATAW probe{sizeof probe};
    probe.hWnd = tray.CallbackWindow();
    probe.uID = 1;
    return Shell_NotifyIconW(NIM_MODIFY, &probe) != FALSE;
}
} // namespace

TEST(CTray, IconTipAndRemoval) {
    CTray tray;
    EXPECT_FALSE(tray.ShowIcon());
    tray.SetPicBox(LoadIconW(nullptr, IDI_APPLICATION));
    tray.SetTipText(std::wstring(70, L'同'));
    EXPECT_EQ(tray.TipText(), std::wstring(63, L'同'));
    EXPECT_TRUE(tray.ShowIcon());
    EXPECT_TRUE(IconExists(tray));
    tray.SetTipText(L"OrvelSync");
    EXPECT_EQ(tray.TipText(), L"OrvelSync");
    tray.DeleteIcon();
    EXPECT_FALSE(IconExists(tray));
}

TEST(CTray, MouseCallbacksRaiseTheirEventsOnceAtATime) {
    CTray tray;
    std::vector<std::wstring> events;
    auto record = [&](const wchar_t* name) { return [&events, name] { events.push_back(name); }; };
    tray.LButtonDown = record(L"LDown");
    tray.LButtonUp = record(L"LUp");
    tray.LButtonDblClick = record(L"LDbl");
    tray.RButtonDown = record(L"RDown");
    tray.RButtonDblClick = record(L"RDbl");
    // A callback arriving while RButtonUp's handler runs raises nothing.
    tray.RButtonUp = [&] {
        events.push_back(L"RUp");
        SendMessageW(tray.CallbackWindow(), CTray::kCallbackMessage, 1, WM_LBUTTONDOWN);
    };
    for (UINT mouse : {512u, 513u, 514u, 515u, 516u, 517u, 518u, 519u})
        SendMessageW(tray.CallbackWindow(), CTray::kCallbackMessage, 1, mouse);
    EXPECT_EQ(events, (std::vector<std::wstring>{L"LDown", L"LUp", L"LDbl", L"RDown", L"RUp", L"RDbl"}));
}

namespace {
class Placement : public ::testing::Test {
protected:
    TempDir dir;
    std::shared_ptr<CApiIni> ini = std::make_shared<CApiIni>();
    CMisc misc;
    int tpp = 15;
    void SetUp() override {
        ini->SetFile(dir / L"orvelsync.ini");
        misc.SetIni(ini);
        HDC screen = GetDC(nullptr);
        tpp = 1440 / GetDeviceCaps(screen, LOGPIXELSX);
        ReleaseDC(nullptr, screen);
    }
};
} // namespace

TEST_F(Placement, SavesTheNormalRectangleOnlyInTheNormalState) {
    HelperHost host;
    SetWindowPos(host.Hwnd(), nullptr, 40, 30, 500, 300, SWP_NOZORDER);
    misc.SaveFormSetting(host);
    EXPECT_EQ(ini->Value(L"frmHost", L"state"), L"0");
    EXPECT_EQ(ini->Value(L"frmHost", L"x"), std::to_wstring(40 * tpp));
    EXPECT_EQ(ini->Value(L"frmHost", L"y"), std::to_wstring(30 * tpp));
    EXPECT_EQ(ini->Value(L"frmHost", L"cx"), std::to_wstring(500 * tpp));
    EXPECT_EQ(ini->Value(L"frmHost", L"cy"), std::to_wstring(300 * tpp));
    for (int show : {SW_MAXIMIZE, SW_MINIMIZE}) {
        ShowWindow(host.Hwnd(), show);
        misc.SaveFormSetting(host);
        EXPECT_EQ(ini->Value(L"frmHost", L"state"), show == SW_MAXIMIZE ? L"2" : L"1");
        EXPECT_EQ(ini->Value(L"frmHost", L"x"), std::to_wstring(40 * tpp));
        EXPECT_EQ(ini->Value(L"frmHost", L"cx"), std::to_wstring(500 * tpp));
    }
}

TEST_F(Placement, LoadRestoresRectangleAndState) {
    HelperHost host;
    RECT before = WindowRect(host.Hwnd());
    misc.LoadFormSetting(host); // no section: nothing changes
    RECT after = WindowRect(host.Hwnd());
    EXPECT_TRUE(EqualRect(&before, &after));

    ini->SetValue(L"frmHost", L"x", std::to_wstring(100 * tpp));
    ini->SetValue(L"frmHost", L"y", std::to_wstring(80 * tpp));
    ini->SetValue(L"frmHost", L"cx", std::to_wstring(640 * tpp));
    ini->SetValue(L"frmHost", L"cy", std::to_wstring(480 * tpp));
    misc.LoadFormSetting(host);
    RECT r = WindowRect(host.Hwnd());
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.top, 80);
    EXPECT_EQ(r.right - r.left, 640);
    EXPECT_EQ(r.bottom - r.top, 480);
    ini->SetValue(L"frmHost", L"state", L"2");
    misc.LoadFormSetting(host);
    EXPECT_TRUE(IsZoomed(host.Hwnd()));
    ini->SetValue(L"frmHost", L"state", L"1");
    misc.LoadFormSetting(host);
    EXPECT_TRUE(IsIconic(host.Hwnd()));

    // A window not shown yet takes the state when it is shown.
    ShowWindow(host.Hwnd(), SW_HIDE);
    ini->SetValue(L"frmHost", L"state", L"2");
    misc.LoadFormSetting(host);
    EXPECT_EQ(host.ShowCommand(), SW_SHOWMAXIMIZED);
}

TEST_F(Placement, OffScreenOrBrokenValuesKeepTheWindowReachable) {
    HelperHost host;
    ini->SetValue(L"frmHost", L"x", L"9999999");
    ini->SetValue(L"frmHost", L"y", L"abc");
    ini->SetValue(L"frmHost", L"cx", L"1e30");
    misc.LoadFormSetting(host);
    RECT r = WindowRect(host.Hwnd());
    EXPECT_NE(MonitorFromRect(&r, MONITOR_DEFAULTTONULL), nullptr);
    EXPECT_EQ(r.top, 0); // non-numeric text reads as 0
    CMisc unset;
    EXPECT_THROW(unset.SaveFormSetting(host), CError);
}

namespace {
HMENU g_popup = nullptr;
UINT g_defaultDuringMenu = 0;
// Runs inside the menu's own loop: reads the menu as shown, then closes it.
void CALLBACK ProbeMenu(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    g_defaultDuringMenu = GetMenuDefaultItem(g_popup, FALSE, 0);
    EndMenu();
}
} // namespace

TEST(CMisc, PopupMenuShowsTheDefaultItemBoldForThatPopup) {
    HelperHost host;
    CApiMenu menu;
    g_popup = menu.CreatePopup();
    menu.Insert(1, L"打开");
    menu.Insert(2, L"退出");
    SetMenuDefaultItem(g_popup, 1001, FALSE);
    SetTimer(nullptr, 0, 50, ProbeMenu);
    CMisc().PopupMenu(host.Hwnd(), g_popup, 0, 1002);
    EXPECT_EQ(g_defaultDuringMenu, 1002u);
    EXPECT_EQ(GetMenuDefaultItem(g_popup, FALSE, 0), 1001u);
}

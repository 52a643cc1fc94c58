// The window framework on real windows: routing, modal runs, the catch-all, anchors, the class.
#include "CError.h"
#include "Dialog.h"
#include "TestDialogsRes.h"
#include "TestSupport.h"
#include "WindowTest.h"
#include <commctrl.h>
#include <gtest/gtest.h>

namespace {
class TestForm : public Dialog {
public:
    explicit TestForm(int templateId = IDD_TestForm)
        : Dialog(GetModuleHandleW(nullptr), templateId, L"frmTest") {}
    std::wstring m_seen;
    int m_ticks = 0;
    std::function<void()> m_onTick;

protected:
    bool OnInit() override {
        SetAnchors({{IDC_txtName, ANCHOR_LEFT | ANCHOR_TOP | ANCHOR_RIGHT},
                    {IDC_btnGo, ANCHOR_RIGHT | ANCHOR_BOTTOM},
                    {IDC_btnThrow, ANCHOR_LEFT | ANCHOR_BOTTOM}});
        return true;
    }
    bool OnCommand(int id, int code, HWND) override {
        if (code != BN_CLICKED) return false;
        if (id == IDC_btnGo) {
            m_seen = Text(Hwnd(), IDC_txtName);
            Close(42);
            return true;
        }
        if (id == IDC_btnThrow) throw CError(26001, L"无法打开注册表项", L"AxOrvelLib.cRegistry");
        return false;
    }
    void OnTimer(UINT_PTR) override {
        ++m_ticks;
        if (m_onTick) m_onTick();
    }
};

RECT ChildRect(HWND dialog, int id) {
    RECT r{};
    GetWindowRect(GetDlgItem(dialog, id), &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}
} // namespace

TEST(Dialog, ModalRunRoutesCommandsAndReturnsTheResult) {
    TestForm form;
    bool shownWithClass = false;
    ShownHookScope hook([&](Dialog& d) {
        wchar_t cls[64] = {};
        GetClassNameW(d.Hwnd(), cls, 64);
        shownWithClass = std::wstring(cls) == L"ThunderRT6FormDC" && IsWindowVisible(d.Hwnd()) &&
                         WindowText(d.Hwnd()) == L"测试窗口";
        SetText(d.Hwnd(), IDC_txtName, L"中文 text");
        Click(d.Hwnd(), IDC_btnGo);
    });
    EXPECT_EQ(form.DoModal(), 42);
    EXPECT_TRUE(shownWithClass);
    EXPECT_EQ(form.m_seen, L"中文 text");
    EXPECT_EQ(form.Hwnd(), nullptr);
}

TEST(Dialog, ModalRunDisablesTheOwnerAndKeepsItsTimersRunning) {
    TestForm owner, modal;
    owner.Create();
    SetTimer(owner.Hwnd(), 1, 10, nullptr);
    bool ownerDisabled = false;
    // The owner's timer ends the modal run: only a loop that keeps dispatching gets there.
    owner.m_onTick = [&] {
        ownerDisabled = !IsWindowEnabled(owner.Hwnd());
        if (owner.m_ticks == 3) modal.Close(7);
    };
    EXPECT_EQ(modal.DoModal(owner.Hwnd()), 7);
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(IsWindowEnabled(owner.Hwnd()));
}

TEST(Dialog, ModalRunWithoutOwnerDisablesTheThreadsWindows) {
    TestForm other, modal;
    other.Create();
    bool disabled = false;
    ShownHookScope hook([&](Dialog& d) {
        disabled = !IsWindowEnabled(other.Hwnd());
        d.Close(1);
    });
    EXPECT_EQ(modal.DoModal(), 1);
    EXPECT_TRUE(disabled);
    EXPECT_TRUE(IsWindowEnabled(other.Hwnd()));
}

TEST(Dialog, QuitMessageEndsTheRunAndIsPostedAgain) {
    TestForm form;
    ShownHookScope hook([](Dialog&) { PostQuitMessage(3); });
    EXPECT_EQ(form.DoModal(), 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
}

TEST(Dialog, CatchAllHandsTheErrorToTheHookAndTheWindowCarriesOn) {
    std::wstring object, procedure;
    long number = 0;
    Dialog::SetErrorHook([&](const std::wstring& o, const std::wstring& p, const std::exception& e) {
        object = o;
        procedure = p;
        if (auto* ce = dynamic_cast<const CError*>(&e)) number = ce->Number;
    });
    TestForm form;
    ShownHookScope hook([](Dialog& d) {
        Click(d.Hwnd(), IDC_btnThrow);
        Click(d.Hwnd(), IDC_btnGo);
    });
    EXPECT_EQ(form.DoModal(), 42);
    Dialog::SetErrorHook(nullptr);
    EXPECT_EQ(object, L"frmTest");
    EXPECT_EQ(procedure, L"OnCommand(" + std::to_wstring(IDC_btnThrow) + L")");
    EXPECT_EQ(number, 26001);
}

TEST(Dialog, AnchorsFollowTheWindowEdges) {
    TestForm form;
    form.Create();
    HWND h = form.Hwnd();
    RECT edit0 = ChildRect(h, IDC_txtName), go0 = ChildRect(h, IDC_btnGo), err0 = ChildRect(h, IDC_btnThrow);
    RECT win{};
    GetWindowRect(h, &win);
    SetWindowPos(h, nullptr, 0, 0, win.right - win.left + 100, win.bottom - win.top + 50,
                 SWP_NOMOVE | SWP_NOZORDER);
    RECT edit1 = ChildRect(h, IDC_txtName), go1 = ChildRect(h, IDC_btnGo), err1 = ChildRect(h, IDC_btnThrow);
    EXPECT_EQ(edit1.left, edit0.left);
    EXPECT_EQ(edit1.right - edit0.right, 100);
    EXPECT_EQ(edit1.top, edit0.top);
    EXPECT_EQ(go1.left - go0.left, 100);
    EXPECT_EQ(go1.top - go0.top, 50);
    EXPECT_EQ(go1.right - go1.left, go0.right - go0.left);
    EXPECT_EQ(err1.left, err0.left);
    EXPECT_EQ(err1.top - err0.top, 50);
}

TEST(Dialog, ModelessWindowEndsWithCloseOrWithItsObject) {
    HWND h = nullptr;
    {
        TestForm form;
        h = form.Create();
        EXPECT_TRUE(IsWindowVisible(h));
    }
    EXPECT_FALSE(IsWindow(h));
    TestForm form;
    h = form.Create();
    form.Close(0);
    EXPECT_FALSE(IsWindow(h));
    EXPECT_EQ(form.Hwnd(), nullptr);
}

TEST(Dialog, TemplateWithoutTheFormClassIsRefused) {
    TestForm form(IDD_TestNoClass);
    EXPECT_THROW(form.Create(), CError);
    EXPECT_EQ(FindTopWindow(L"no class", L"#32770"), nullptr);
}

TEST(Dialog, CommonControlsVersion6FromTheManifest) {
    // Only the version-6 button answers the ideal-size query.
    TestForm form;
    form.Create();
    SIZE ideal{};
    EXPECT_TRUE(SendMessageW(form.Item(IDC_btnGo), BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)));
    EXPECT_GT(ideal.cx, 0);
}

TEST(Dialog, PickerHookAnswersOnlyWhileSet) {
    std::wstring answer;
    EXPECT_FALSE(Dialog::AnswerPicker(L"BrowseForFolder", answer));
    Dialog::SetPickerHook([](const std::wstring& picker, std::wstring& a) {
        a = L"C:\\选择";
        return picker == L"BrowseForFolder";
    });
    EXPECT_TRUE(Dialog::AnswerPicker(L"BrowseForFolder", answer));
    EXPECT_EQ(answer, L"C:\\选择");
    Dialog::SetPickerHook(nullptr);
    EXPECT_FALSE(Dialog::AnswerPicker(L"BrowseForFolder", answer));
}

// The message and input dialogs on real windows, answered through the shown hook.
#include "CApiIni.h"
#include "CError.h"
#include "TestSupport.h"
#include "WindowTest.h"
#include "dialogs/CDialog.h"
#include "dialogs/DialogsRes.h"
#include <gtest/gtest.h>
#include <vector>

namespace {
// What a shown message dialog looked like.
struct Seen {
    int count = 0;
    std::wstring caption, prompt;
    std::vector<int> buttons; // visible answer buttons, left to right
    std::vector<std::wstring> captions;
    int focus = 0;
    HICON picture = nullptr;
    bool boxShown = false, boxTicked = false;
};

// Records the dialog, optionally ticks the box, then presses `press` (0: closes the window).
ShownHookScope Answering(Seen& seen, int press, bool tick = false) {
    return ShownHookScope([&seen, press, tick](Dialog& d) {
        HWND h = d.Hwnd();
        ++seen.count;
        seen.caption = WindowText(h);
        seen.prompt = Text(h, IDC_lblPrompt);
        seen.buttons.clear();
        seen.captions.clear();
        for (int id : {IDC_btnYes, IDC_btnNo, IDC_btnCancel, IDC_btnOK})
            if (IsShown(h, id)) {
                seen.buttons.push_back(id);
                seen.captions.push_back(Text(h, id));
            }
        seen.focus = FocusedId(h);
        seen.picture = reinterpret_cast<HICON>(SendDlgItemMessageW(h, IDC_imgInfo, STM_GETICON, 0, 0));
        seen.boxShown = IsShown(h, IDC_Check1);
        seen.boxTicked = IsDlgButtonChecked(h, IDC_Check1) == BST_CHECKED;
        if (tick) Click(h, IDC_Check1);
        if (press)
            Click(h, press);
        else
            SendMessageW(h, WM_CLOSE, 0, 0);
    });
}

class MsgDlg : public ::testing::Test {
protected:
    TempDir dir;
    std::shared_ptr<CApiIni> ini = std::make_shared<CApiIni>();
    CDialog dialog;
    void SetUp() override {
        ini->SetFile(dir / L"orvelsync.ini");
        dialog.SetIni(ini);
    }
};
} // namespace

TEST_F(MsgDlg, StylesChooseButtonsFocusAndPicture) {
    HICON info = LoadIconW(nullptr, IDI_INFORMATION), warn = LoadIconW(nullptr, IDI_WARNING),
          question = LoadIconW(nullptr, IDI_QUESTION);
    const std::vector<int> ync{IDC_btnYes, IDC_btnNo, IDC_btnCancel}, yn{IDC_btnYes, IDC_btnNo},
        ok{IDC_btnOK};
    struct Case {
        long style;
        std::vector<int> buttons;
        int focus;
        HICON picture;
    } cases[] = {
        {579, ync, IDC_btnCancel, info},    {67, ync, IDC_btnYes, info},     {64, ok, IDC_btnOK, info},
        {1, ok, IDC_btnOK, info},           {3 + 256, ync, IDC_btnNo, info}, {4, yn, IDC_btnYes, info},
        {4 + 256, yn, IDC_btnNo, info},     {5, yn, IDC_btnYes, info},       {48, ok, IDC_btnOK, warn},
        {32 + 4, yn, IDC_btnYes, question}, {16, ok, IDC_btnOK, info},       {0, ok, IDC_btnOK, info},
        {64 + 48, ok, IDC_btnOK, info},
    };
    for (const auto& c : cases) {
        Seen seen;
        auto hook = Answering(seen, c.buttons.front());
        EXPECT_EQ(dialog.ShowMsgDlg(L"第一行\r\n第二行", c.style), c.buttons.front()) << c.style;
        EXPECT_EQ(seen.buttons, c.buttons) << c.style;
        EXPECT_EQ(seen.focus, c.focus) << c.style;
        EXPECT_EQ(seen.picture, c.picture) << c.style;
        EXPECT_EQ(seen.caption, L"提示");
        EXPECT_EQ(seen.prompt, L"第一行\r\n第二行");
    }
}

TEST_F(MsgDlg, CustomCaptionsReplaceOnlyWhatIsGiven) {
    Seen seen;
    auto hook = Answering(seen, IDC_btnNo);
    EXPECT_EQ(dialog.ShowMsgDlg(L"关闭?", 67, L"OrvelSync", nullptr, L"", 0, L"最小化", L"退出"), 7);
    EXPECT_EQ(seen.caption, L"OrvelSync");
    EXPECT_EQ(seen.captions, (std::vector<std::wstring>{L"最小化", L"退出", L"取消"}));
    auto okHook = Answering(seen, IDC_btnOK);
    dialog.ShowMsgDlg(L"x", 64, L"", nullptr, L"", 0, L"知道了");
    EXPECT_EQ(seen.captions, (std::vector<std::wstring>{L"知道了"}));
    dialog.ShowMsgDlg(L"x", 64);
    EXPECT_EQ(seen.captions, (std::vector<std::wstring>{L"确定"}));
}

TEST_F(MsgDlg, EveryButtonAnswersItsCodeAndClosingAnswersZero) {
    for (int button : {IDC_btnYes, IDC_btnNo, IDC_btnCancel}) {
        Seen seen;
        auto hook = Answering(seen, button);
        EXPECT_EQ(dialog.ShowMsgDlg(L"?", 3), button);
    }
    Seen seen;
    auto hook = Answering(seen, 0);
    EXPECT_EQ(dialog.ShowMsgDlg(L"?", 3), 0);
    // Escape on a notice acknowledges it; on a Yes/No question it does nothing.
    ShownHookScope escape([](Dialog& d) {
        SendMessageW(d.Hwnd(), WM_COMMAND, IDCANCEL, 0);
        if (d.Hwnd() && IsWindowVisible(d.Hwnd())) SendMessageW(d.Hwnd(), WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(dialog.ShowMsgDlg(L"!", 64), 1);
    EXPECT_EQ(dialog.ShowMsgDlg(L"?", 4), 0);
}

TEST_F(MsgDlg, AnswersAreRememberedAndOnlyOneSilences) {
    Seen seen;
    {
        auto hook = Answering(seen, IDC_btnYes);
        EXPECT_EQ(dialog.ShowMsgDlg(L"删除?", 579, L"", nullptr, L"SolveDelete"), 6);
    }
    EXPECT_EQ(ini->Value(L"denymsg", L"SolveDelete"), L"0");
    EXPECT_EQ(ini->Value(L"msgdefault", L"SolveDelete"), L"6");
    {
        auto hook = Answering(seen, IDC_btnNo, true);
        EXPECT_EQ(dialog.ShowMsgDlg(L"删除?", 579, L"", nullptr, L"SolveDelete"), 7);
    }
    EXPECT_EQ(ini->Value(L"denymsg", L"solvedelete"), L"1");
    EXPECT_EQ(ini->Value(L"msgdefault", L"SolveDelete"), L"7");
    // Silenced: nothing is shown or written; the key matches without regard to case.
    auto hook = Answering(seen, IDC_btnYes);
    int shown = seen.count;
    EXPECT_EQ(dialog.ShowMsgDlg(L"删除?", 579, L"", nullptr, L"SOLVEDELETE"), 7);
    EXPECT_EQ(dialog.ShowMsgDlg(L"删除?", 579, L"", nullptr, L"SolveDelete", 6), 6);
    EXPECT_EQ(seen.count, shown);
    EXPECT_EQ(ini->Value(L"msgdefault", L"SolveDelete"), L"7");

    // Stored by hand: only the text 1 silences, blanks around it dropped by the INI service.
    struct Case {
        std::string deny, answer;
        bool silenced;
        long result;
    } cases[] = {{" 1 ", "6", true, 6},        {"true", "6", false, 6}, {"01", "6", false, 6},
                 {"", "6", false, 6},          {"1", "abc", true, 0},   {"1", "", true, 0},
                 {"1", "99999999999", true, 0}};
    for (const auto& c : cases) {
        WriteFileBytes(ini->File(), "[denymsg]\r\nQueryUnload=" + c.deny +
                                        "\r\n[msgdefault]\r\nQueryUnload=" + c.answer + "\r\n");
        shown = seen.count;
        EXPECT_EQ(dialog.ShowMsgDlg(L"退出?", 67, L"", nullptr, L"QueryUnload"), c.result) << c.deny;
        EXPECT_EQ(seen.count, shown + (c.silenced ? 0 : 1)) << c.deny;
    }
}

TEST_F(MsgDlg, ClosedWithoutAButtonRecordsZeroInBothSections) {
    Seen seen;
    auto hook = Answering(seen, 0, true);
    EXPECT_EQ(dialog.ShowMsgDlg(L"?", 579, L"", nullptr, L"Form1RemoveItem"), 0);
    EXPECT_EQ(ini->Value(L"denymsg", L"Form1RemoveItem"), L"0");
    EXPECT_EQ(ini->Value(L"msgdefault", L"Form1RemoveItem"), L"0");
}

TEST_F(MsgDlg, CheckFlagsShowTickAndReturnTheBox) {
    Seen seen;
    struct Case {
        long flags;
        bool shown, ticked;
    } cases[] = {{MDS_CHECKBOX | MDS_CHECKED, true, true},
                 {MDS_CHECKBOX, true, false},
                 {MDS_CHECKED, false, true},
                 {0, false, false}};
    for (const auto& c : cases) {
        auto hook = Answering(seen, IDC_btnOK);
        long flags = c.flags;
        dialog.ShowMsgDlg(L"x", 0, L"", &flags);
        EXPECT_EQ(seen.boxShown, c.shown) << c.flags;
        EXPECT_EQ(seen.boxTicked, c.ticked) << c.flags;
        EXPECT_EQ(flags, c.ticked ? 1 : 0) << c.flags;
    }
    // Without flags the box is shown and clear; a silenced message leaves the variable alone.
    auto hook = Answering(seen, IDC_btnOK);
    dialog.ShowMsgDlg(L"x");
    EXPECT_TRUE(seen.boxShown);
    EXPECT_FALSE(seen.boxTicked);
    ini->SetValue(L"denymsg", L"k", L"1");
    long flags = 5;
    dialog.ShowMsgDlg(L"x", 0, L"", &flags, L"k");
    EXPECT_EQ(flags, 5);
}

TEST(MsgDlgWithoutIni, KeyRaisesObjectNotSetButPlainMessagesWork) {
    CDialog dialog;
    try {
        dialog.ShowMsgDlg(L"x", 0, L"", nullptr, L"QueryUnload");
        FAIL() << "no error";
    } catch (const CError& e) {
        EXPECT_EQ(e.Number, 91);
    }
    MessageDialogAnswers answers({IDYES, 0});
    EXPECT_EQ(dialog.ShowMsgDlg(L"一", 4), 6);
    EXPECT_EQ(dialog.ShowMsgDlg(L"二", 4), 0);
    EXPECT_EQ(dialog.ShowMsgDlg(L"三", 4), 0);
    EXPECT_EQ(answers.prompts, (std::vector<std::wstring>{L"一", L"二", L"三"}));
}

namespace {
// Presses `press` in the input dialog after replacing its text when `typed` is given.
ShownHookScope Input(int press, std::wstring* caption = nullptr, const std::wstring* typed = nullptr) {
    return ShownHookScope([=](Dialog& d) {
        if (caption) *caption = WindowText(d.Hwnd()) + L"|" + Text(d.Hwnd(), IDC_lblPrompt);
        if (typed) SetText(d.Hwnd(), IDC_txtInput, *typed);
        if (press)
            Click(d.Hwnd(), press);
        else
            SendMessageW(d.Hwnd(), WM_CLOSE, 0, 0);
    });
}
} // namespace

TEST(InputDlg, ConfirmedTextComesBackTrimmedAndCancelledEmpty) {
    CDialog dialog;
    std::wstring caption;
    std::wstring text = L"  a b  ";
    {
        auto hook = Input(IDC_btnOK, &caption);
        EXPECT_TRUE(dialog.ShowInputDlg(text));
    }
    EXPECT_EQ(text, L"a b");
    EXPECT_EQ(caption, L"请输入|");
    for (int press : {IDC_btnCancel, 0}) {
        text = L"  a b  ";
        auto hook = Input(press, &caption);
        EXPECT_FALSE(dialog.ShowInputDlg(text, L"新建", L"名称:"));
        EXPECT_EQ(text, L"");
        EXPECT_EQ(caption, L"新建|名称:");
    }
    std::wstring typed = L" 配置一 ";
    auto hook = Input(IDC_btnOK, nullptr, &typed);
    EXPECT_TRUE(dialog.ShowInputDlg(text));
    EXPECT_EQ(text, L"配置一");
}

TEST(InputDlg, LengthLimitCutsTheEntryAndTyping) {
    CDialog dialog;
    std::wstring text = L"abcde";
    {
        auto hook = Input(IDC_btnOK);
        EXPECT_TRUE(dialog.ShowInputDlg(text, L"", L"", 3));
    }
    EXPECT_EQ(text, L"abc");
    std::wstring afterTyping;
    ShownHookScope hook([&](Dialog& d) {
        HWND edit = d.Item(IDC_txtInput);
        SetText(d.Hwnd(), IDC_txtInput, L"");
        for (wchar_t ch : std::wstring(L"wxyz"))
            SendMessageW(edit, WM_CHAR, ch, 1);
        afterTyping = Text(d.Hwnd(), IDC_txtInput);
        Click(d.Hwnd(), IDC_btnOK);
    });
    EXPECT_TRUE(dialog.ShowInputDlg(text, L"", L"", 3));
    EXPECT_EQ(afterTyping, L"wxy");
    EXPECT_EQ(text, L"wxy");
    EXPECT_THROW(dialog.ShowInputDlg(text, L"", L"", -1), CError);
}

// The error reporter with its window answered through the shown hook and a recorder standing in
// for update.exe.
#include "Ansi.h"
#include "CError.h"
#include "Dialog.h"
#include "Recorder.h"
#include "TestSupport.h"
#include "Unique.h"
#include "WindowTest.h"
#include "dialogs/DialogsRes.h"
#include "frmBugReportRes.h"
#include "mErrorReport.h"
#include "mGlobals.h"
#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {
const wchar_t kText[] = L"在 frmSync.LoadSync 位置发生如下错误\r\n[53]文件未找到\r\n源: AxOrvelSync";

class ErrorReport : public ::testing::Test {
protected:
    void SetUp() override {
        gEnv().SetAppPath(m_dir.Path() + L"\\");
        gIni()->SetFile(m_dir / L"orvelsync.ini");
        InstallErrorReporter();
    }
    void TearDown() override { Dialog::SetErrorHook(nullptr); }

    std::wstring Setting(const wchar_t* sec, const wchar_t* key) const { return gIni()->Value(sec, key); }
    void Set(const wchar_t* sec, const wchar_t* key, const wchar_t* value) const {
        gIni()->SetValue(sec, key, value);
    }
    bool ReportWritten() const {
        return GetFileAttributesW((m_dir / L"report.dat").c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    std::vector<std::wstring> UpdaterStarts() const { return m_rec.Starts(L"update.exe"); }

    // Reports kText with the report window answered by `answer`; returns how often it was shown.
    int Report(std::function<void(HWND)> answer) {
        int shown = 0;
        ShownHookScope hook([&](Dialog& d) {
            ++shown;
            if (d.Name() == L"frmBugReport")
                answer(d.Hwnd());
            else
                SendMessageW(d.Hwnd(), WM_CLOSE, 0, 0);
        });
        ReportError(kText);
        return shown;
    }

    TempDir m_dir;
    RecorderFolder m_rec{m_dir.Path()};
};

void Tick(HWND dlg) {
    Click(dlg, IDC_chkDenyMsg);
}
void CloseBox(HWND dlg) {
    SendMessageW(dlg, WM_CLOSE, 0, 0);
}
} // namespace

TEST(ErrorReportText, PlaceNumberDescriptionAndSource) {
    struct Case {
        std::wstring text;
        std::wstring expected;
    } cases[] = {
        {ErrorReportText(L"frmSync", L"btnSync_Click", CError(53, L"文件未找到", L"AxOrvelSync")),
         L"在 frmSync.btnSync_Click 位置发生如下错误\r\n[53]文件未找到\r\n源: AxOrvelSync"},
        {ErrorReportText(L"Form1", L"Form_Load", 9, L"Subscript out of range", L"AxOrvelLib"),
         L"在 Form1.Form_Load 位置发生如下错误\r\n[9]Subscript out of range\r\n源: AxOrvelLib"},
        {ErrorReportText(L"Form1", L"Timer1_Timer", std::bad_alloc()),
         L"在 Form1.Timer1_Timer 位置发生如下错误\r\n[7]Out of memory\r\n源: OrvelSync"},
        {ErrorReportText(L"frmTask", L"OnInit", std::runtime_error("\xE5\x9D\x8F")),
         L"在 frmTask.OnInit 位置发生如下错误\r\n[0]坏\r\n源: OrvelSync"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.text, c.expected);
}

TEST_F(ErrorReport, FirstErrorShowsTheWindowWithTheText) {
    std::wstring content, email, caption, intro;
    EXPECT_EQ(Report([&](HWND dlg) {
                  content = Text(dlg, IDC_txtContent);
                  email = Text(dlg, IDC_txtEmail);
                  caption = WindowText(dlg);
                  intro = Text(dlg, IDC_Label1);
                  CloseBox(dlg);
              }),
              1);
    EXPECT_EQ(content, kText);
    EXPECT_EQ(email, L"@");
    EXPECT_EQ(caption, L"错误报告");
    EXPECT_EQ(intro,
              L"\u3000\u3000非常抱歉的通知您，程序出现了以下错误。 希望您可以提交错误报告以便我们改进。");

    Set(L"config", L"email", L"me@example.cn");
    Report([&](HWND dlg) {
        email = Text(dlg, IDC_txtEmail);
        CloseBox(dlg);
    });
    EXPECT_EQ(email, L"me@example.cn");
}

TEST_F(ErrorReport, SubmitWritesTheReportFileAndStartsTheUpdater) {
    m_rec.Install(L"update.exe");
    Report([](HWND dlg) {
        SetText(dlg, IDC_txtContent, std::wstring(kText) + L"\r\n用户补充\nlone");
        SetText(dlg, IDC_txtEmail, L"用户@example.cn");
        Click(dlg, IDC_btnOK);
    });
    std::wstring content =
        L"在 frmSync.LoadSync 位置发生如下错误\\n[53]文件未找到\\n源: AxOrvelSync\\n用户补充\\nlone";
    EXPECT_EQ(ReadFileBytes(m_dir / L"report.dat"),
              ToAnsi(L"[report]\r\ncontent=" + content + L"\r\nemail=用户@example.cn\r\n"));
    EXPECT_EQ(UpdaterStarts(), std::vector<std::wstring>{L"-autoreport"});
    EXPECT_EQ(Setting(L"msgdefault", L"BugReport"), L"1");
    EXPECT_EQ(Setting(L"config", L"email"), L"用户@example.cn");
    EXPECT_EQ(Setting(L"denymsg", L"BugReport"), L"0");
}

TEST_F(ErrorReport, TickedAndSubmittedLaterErrorsGoSilently) {
    m_rec.Install(L"update.exe");
    Report([](HWND dlg) {
        Tick(dlg);
        SetText(dlg, IDC_txtEmail, L"a@b.cn");
        Click(dlg, IDC_btnOK);
    });
    DeleteFileW((m_dir / L"report.dat").c_str());
    EXPECT_EQ(Setting(L"denymsg", L"BugReport"), L"1");

    EXPECT_EQ(Report([](HWND dlg) { CloseBox(dlg); }), 0);
    EXPECT_EQ(
        ReadFileBytes(m_dir / L"report.dat"),
        ToAnsi(
            L"[report]\r\ncontent=在 frmSync.LoadSync 位置发生如下错误\\n[53]文件未找到\\n源: AxOrvelSync\r\n"
            L"email=a@b.cn\r\n"));
    EXPECT_EQ(UpdaterStarts(), (std::vector<std::wstring>{L"-autoreport", L"-autoreport"}));
}

TEST_F(ErrorReport, TickedAndCancelledLaterErrorsAreDropped) {
    m_rec.Install(L"update.exe");
    Report([](HWND dlg) {
        Tick(dlg);
        Click(dlg, IDC_btnCancel);
    });
    EXPECT_EQ(Setting(L"msgdefault", L"BugReport"), L"0");
    EXPECT_EQ(Setting(L"denymsg", L"BugReport"), L"1");
    EXPECT_EQ(Report([](HWND dlg) { CloseBox(dlg); }), 0);
    EXPECT_FALSE(ReportWritten());
    EXPECT_TRUE(UpdaterStarts().empty());
}

TEST_F(ErrorReport, CloseBoxKeepsTheLastChoiceAndStoresTheBox) {
    Set(L"msgdefault", L"BugReport", L"1");
    Report([](HWND dlg) {
        Tick(dlg);
        CloseBox(dlg);
    });
    EXPECT_EQ(Setting(L"msgdefault", L"BugReport"), L"1");
    EXPECT_EQ(Setting(L"denymsg", L"BugReport"), L"1");
    EXPECT_FALSE(ReportWritten());

    // Escape is Cancel.
    Set(L"denymsg", L"BugReport", L"0");
    Report([](HWND dlg) { SendMessageW(dlg, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_EQ(Setting(L"msgdefault", L"BugReport"), L"0");
    EXPECT_EQ(Setting(L"denymsg", L"BugReport"), L"0");
}

TEST_F(ErrorReport, SilentModeSettingsAreReadAsStored) {
    struct Case {
        const wchar_t* deny;
        const wchar_t* lastChoice;
        int shown;
        bool sent;
    } cases[] = {
        {L"", L"1", 1, false}, {L"0", L"1", 1, false},   {L"1", L"1", 0, true},
        {L"2", L"1", 0, true}, {L" 1 ", L"1", 0, true},  {L"1", L"0", 0, false},
        {L"1", L"", 0, false}, {L"1", L"yes", 0, false}, {L"abc", L"1", 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "denymsg '" << ToAnsi(c.deny) << "' msgdefault '" << ToAnsi(c.lastChoice) << "'");
        Set(L"denymsg", L"BugReport", c.deny);
        Set(L"msgdefault", L"BugReport", c.lastChoice);
        DeleteFileW((m_dir / L"report.dat").c_str());
        EXPECT_EQ(Report([](HWND dlg) { CloseBox(dlg); }), c.shown);
        EXPECT_EQ(ReportWritten(), c.sent);
    }
}

TEST_F(ErrorReport, MissingUpdaterOrUnwritableReportShowNothing) {
    Set(L"denymsg", L"BugReport", L"1");
    Set(L"msgdefault", L"BugReport", L"1");
    EXPECT_EQ(Report([](HWND dlg) { CloseBox(dlg); }), 0); // no update.exe: nothing appears
    EXPECT_TRUE(ReportWritten());

    // A report file that cannot be replaced still lets the updater start.
    m_rec.Install(L"update.exe");
    WriteFileBytes(m_dir / L"report.dat", "old");
    {
        UniqueFile held(CreateFileW((m_dir / L"report.dat").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    0, nullptr));
        EXPECT_EQ(Report([](HWND dlg) { CloseBox(dlg); }), 0);
    }
    EXPECT_EQ(ReadFileBytes(m_dir / L"report.dat"), "old");
    EXPECT_EQ(UpdaterStarts(), std::vector<std::wstring>{L"-autoreport"});
}

TEST_F(ErrorReport, WindowErrorsArriveThroughTheFrameworkHook) {
    std::wstring content;
    int plain = 0;
    ShownHookScope hook([&](Dialog& d) {
        if (d.Name() == L"frmBugReport") {
            content = Text(d.Hwnd(), IDC_txtContent);
            // An error while the report window is open gets a plain message, not another report window.
            Dialog::ReportError(L"frmBugReport", L"btnOK_Click", CError(5, L"again", L"OrvelSync"));
            CloseBox(d.Hwnd());
        } else if (d.Name() == L"frmMsgDlg") {
            ++plain;
            EXPECT_EQ(Text(d.Hwnd(), IDC_lblPrompt),
                      L"在 frmBugReport.btnOK_Click 位置发生如下错误\r\n[5]again\r\n源: OrvelSync");
            Click(d.Hwnd(), IDOK);
        }
    });
    Dialog::ReportError(L"frmSync", L"Timer1_Timer", CError(6, L"Overflow", L"AxOrvelSync"));
    EXPECT_EQ(content, L"在 frmSync.Timer1_Timer 位置发生如下错误\r\n[6]Overflow\r\n源: AxOrvelSync");
    EXPECT_EQ(plain, 1);
}

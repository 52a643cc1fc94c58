// Single instance between real processes: this test program and orvel_lib_helper.exe.
#include "COneInstance.h"
#include "TestSupport.h"
#include "TestWindows.h"
#include "Utf8.h"
#include <gtest/gtest.h>

namespace {
const std::wstring kMainClass = COneInstance::kMainWindowClass;

// A running instance in the helper: hidden main windows that record every text taken over.
struct RunningInstance {
    RunningInstance(const std::wstring& title, const TempDir& dir, int windows = 1)
        : out(dir / UniqueName(L"received")), process({L"receive", title, out, std::to_wstring(windows)}) {
        EXPECT_TRUE(WaitFor([&] { return Window(title) != nullptr; }))
            << "the helper's window did not appear";
    }
    // Ends the helper after every message posted so far, and answers what it took over.
    std::string Stop(const std::wstring& title) {
        PostMessageW(Window(title), WM_CLOSE, 0, 0);
        EXPECT_EQ(process.Wait(), 0u);
        return GetFileAttributesW(out.c_str()) == INVALID_FILE_ATTRIBUTES ? "" : ReadFileBytes(out);
    }
    HWND Window(const std::wstring& title) const {
        for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, kMainClass.c_str(), title.c_str()));) {
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            if (pid == process.Id()) return w;
        }
        return nullptr;
    }
    std::wstring out;
    HelperProcess process;
};

std::wstring Pattern(size_t n) {
    std::wstring s;
    for (size_t i = 0; i < n; ++i)
        s += wchar_t(L'a' + i % 26);
    return s;
}
} // namespace

TEST(COneInstance, MutexMarksTheInstanceUntilReleased) {
    const std::wstring identity = UniqueName(L"OrvelTestApp");
    COneInstance first;
    ASSERT_TRUE(first.Create(identity));
    EXPECT_FALSE(COneInstance().Create(identity)) << "same process, mutex held";
    EXPECT_EQ(HelperProcess({L"create", identity}).Wait(), 0u) << "other process, mutex held";
    first.Release();
    EXPECT_EQ(HelperProcess({L"create", identity}).Wait(), 1u) << "other process, after Release";
    // The helper's mutex ended with the helper.
    EXPECT_TRUE(first.Create(identity));
}

TEST(COneInstance, FindsAndShowsTheHiddenMainWindowOfAnotherProcess) {
    TempDir dir;
    const std::wstring title = UniqueName(L"OrvelSync");
    RunningInstance instance(title, dir);
    COneInstance probe;
    EXPECT_TRUE(probe.HasWnd(title));
    EXPECT_FALSE(probe.HasWnd(title, L"Edit"));
    EXPECT_FALSE(probe.HasWnd(title + L"x"));
    HWND wnd = instance.Window(title);
    ASSERT_FALSE(IsWindowVisible(wnd));

    EXPECT_TRUE(probe.Show(title));
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(wnd) != FALSE; }));
    EXPECT_FALSE(probe.Show(title + L"x"));
    instance.Stop(title);
}

TEST(COneInstance, RunningInstanceReceivesTheTextTrimmed) {
    TempDir dir;
    const std::wstring title = UniqueName(L"OrvelSync");
    RunningInstance instance(title, dir);
    struct Case {
        std::wstring sent, received;
    } cases[] = {
        {L"add \"E:\\资料\\报告.doc\"", L"add \"E:\\资料\\报告.doc\""},
        {L"  hide  add  ", L"hide  add"},
        {Pattern(1500), Pattern(1024)},
        {std::wstring(1030, L' ') + L"beyond", L""}, // nothing of it within the first 1024
        {L"", L""},
        {L"    ", L""},
    };
    std::string expected;
    COneInstance sender;
    for (const auto& c : cases) {
        bool delivered = !c.received.empty();
        EXPECT_EQ(sender.Send(title, c.sent), delivered) << ToUtf8(c.sent);
        if (delivered) expected += ToUtf8(c.received) + "\n";
    }
    EXPECT_EQ(instance.Stop(title), expected);
}

TEST(COneInstance, OneWindowTakesTheTextOverWhenSeveralMatch) {
    TempDir dir;
    const std::wstring title = UniqueName(L"OrvelSync");
    RunningInstance a(title, dir, 2), b(title, dir, 2);
    EXPECT_TRUE(COneInstance().Send(title, L"once"));
    std::string all = a.Stop(title);
    all += b.Stop(title);
    EXPECT_EQ(all, "once\n");
}

TEST(COneInstance, SecondProcessHandsItsTextToThisOne) {
    TempDir dir;
    const std::wstring title = UniqueName(L"OrvelSync");
    COneInstance receiver;
    std::vector<std::wstring> received;
    receiver.Received = [&](const std::wstring& s) { received.push_back(s); };
    TestWindow main(kMainClass, title,
                    [&](HWND h, UINT m, WPARAM w, LPARAM l) { receiver.SubclassingProc(h, m, w, l); });

    std::wstring text = Pattern(1500) + L"  ";
    WriteFileBytes(dir / L"text.txt", ToUtf8(L"  " + text));
    HelperProcess sender({L"send", title, dir / L"text.txt", L"10000"});
    EXPECT_EQ(sender.Wait(), 1u);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0], Pattern(1022));
}

TEST(COneInstance, SendGivesUpWhenNobodyAcknowledges) {
    const std::wstring title = UniqueName(L"OrvelSync");
    int arrived = 0;
    UINT message = COneInstance().Message();
    TestWindow deaf(kMainClass, title, [&](HWND, UINT m, WPARAM, LPARAM) { arrived += m == message; });
    TempDir dir;
    WriteFileBytes(dir / L"text.txt", "add x");
    ULONGLONG start = GetTickCount64();
    HelperProcess sender({L"send", title, dir / L"text.txt", L"500"});
    EXPECT_EQ(sender.Wait(), 0u);
    ULONGLONG elapsed = GetTickCount64() - start;
    EXPECT_GE(elapsed, 500u);
    EXPECT_LT(elapsed, 15000u);
    EXPECT_EQ(arrived, 1);
}

TEST(COneInstance, HandOverWithdrawnOnTimeOutIsIgnoredLater) {
    const std::wstring title = UniqueName(L"OrvelSync");
    COneInstance instance;
    int arrived = 0, received = 0;
    instance.Received = [&](const std::wstring&) { ++received; };
    TestWindow main(kMainClass, title, [&](HWND h, UINT m, WPARAM w, LPARAM l) {
        arrived += m == instance.Message();
        instance.SubclassingProc(h, m, w, l);
    });
    // This thread waits inside Send, so the message is only handled after the time-out.
    instance.SetSendTimeout(200);
    EXPECT_FALSE(instance.Send(title, L"late"));
    EXPECT_TRUE(WaitFor([&] { return arrived == 1; }));
    EXPECT_EQ(received, 0);
}

TEST(COneInstance, MalformedHandOversAreIgnoredAndNothingIsWritten) {
    TempDir dir;
    const std::wstring title = UniqueName(L"OrvelSync");
    RunningInstance instance(title, dir);
    HWND wnd = instance.Window(title);
    const UINT message = COneInstance().Message();
    std::wstring bait(COneInstance::kBufferChars, L'Z');
    const DWORD self = GetCurrentProcessId();
    const DWORD noProcess = 0xFFFFFFF0;
    // Forged hand-overs, some of them with the named objects open that a real sender holds.
    std::vector<UniqueHandle> forged;
    for (auto [pid, address] : {std::pair<DWORD, LPARAM>{noProcess, 4096}, {self, 16}}) {
        std::wstring name = L"ORVEL_SEND_PARAM_" + std::to_wstring(pid) + L"_" + std::to_wstring(address);
        forged.emplace_back(CreateMutexW(nullptr, FALSE, name.c_str()));
        forged.emplace_back(CreateEventW(nullptr, TRUE, TRUE, (name + L"_valid").c_str()));
    }
    PostMessageW(wnd, message, noProcess, 4096);                             // no such process
    PostMessageW(wnd, message, self, 16);                                    // unreadable address
    PostMessageW(wnd, message, self, reinterpret_cast<LPARAM>(bait.data())); // nobody handing over
    EXPECT_TRUE(COneInstance().Send(title, L"valid"));
    EXPECT_EQ(instance.Stop(title), "valid\n");
    EXPECT_EQ(bait, std::wstring(COneInstance::kBufferChars, L'Z'));
}

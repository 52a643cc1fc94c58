// The trace goes to the edit field of a window titled like Notepad showing debug.log; the test
// builds one. One test case only: a second such window in a parallel test would be found instead.
#include "CDebug.h"
#include "TestWindows.h"
#include <gtest/gtest.h>

namespace {
std::wstring Text(HWND edit) {
    std::wstring s(size_t(GetWindowTextLengthW(edit)) + 1, L'\0');
    s.resize(GetWindowTextW(edit, s.data(), int(s.size())));
    return s;
}
} // namespace

TEST(CDebug, AppendsLinesToTheNotepadWindowOnlyInModeOne) {
    CDebug early;
    early.Initialze(1);
    std::unique_ptr<TestWindow> notepad =
        std::make_unique<TestWindow>(L"Notepad", L"debug.log - 记事本", TestWindow::Handler());
    HWND edit = CreateWindowExW(0, L"Edit", L"已有\r\n", WS_CHILD | ES_MULTILINE, 0, 0, 200, 100,
                                notepad->Get(), nullptr, nullptr, nullptr);
    ASSERT_TRUE(edit);
    early.Output(L"lost");

    CDebug debug;
    for (long mode : {0L, 2L, -1L}) {
        debug.Initialze(mode);
        debug.Output(L"silent");
    }
    debug.Initialze(1);
    debug.Output(L"\r\nOrvelSync.Debug Enabled");
    debug.Output(L"Main()");
    debug.Output(L"  PassCmd add \"E:\\资料\"");
    debug.SetMode(0);
    debug.Output(L"off again");
    EXPECT_EQ(Text(edit), L"已有\r\n\r\nOrvelSync.Debug Enabled\r\nMain()\r\n  PassCmd add \"E:\\资料\"\r\n");

    // The window closed: later output vanishes without harm.
    notepad.reset();
    debug.SetMode(1);
    EXPECT_EQ(debug.Output(L"after close"), 0);
}

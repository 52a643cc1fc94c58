// window_shots.exe <folder> [name...]: writes <folder>\<shot>.bmp for every shot (or the named
// ones); a shot that opens several windows in turn gives <shot>-2.bmp and so on.
#include "Shots.h"
#include "WindowTest.h"
#include <cstdio>
#include <windows.h>

std::vector<Shot>& Shots() {
    static std::vector<Shot> shots;
    return shots;
}

namespace {
// Lets the window finish painting and the display catch up: Wine hands painted windows to the
// X server only when the thread waits for messages, so the settling waits a little, bounded.
void Settle(HWND window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    for (int round = 0; round < 8; ++round) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        GdiFlush();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
}
} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        fwprintf(stderr, L"usage: window_shots <folder> [shot...]\n");
        return 2;
    }
    std::wstring folder = argv[1];
    std::vector<std::wstring> wanted(argv + 2, argv + argc);
    int failures = 0;
    for (const Shot& shot : Shots()) {
        if (!wanted.empty() && std::find(wanted.begin(), wanted.end(), shot.name) == wanted.end()) continue;
        int index = 0;
        Dialog::SetShownHook([&](Dialog& d) {
            Settle(d.Hwnd());
            std::wstring file =
                folder + L"\\" + shot.name + (index++ ? L"-" + std::to_wstring(index) : L"") + L".bmp";
            if (!SaveWindowImage(d.Hwnd(), file)) ++failures;
            d.Close(0);
        });
        shot.open();
        wprintf(L"%ls\n", shot.name.c_str());
    }
    Dialog::SetShownHook(nullptr);
    return failures ? 1 : 0;
}

// The other process in the single-instance tests:
//   create <identity>                        exit code 1 when Create answered True
//   send <title> <text file> <timeout ms>    exit code 1 when Send answered True
//   receive <title> <out file> <windows>     hidden main windows that append every text taken
//                                            over, and a line break, to the file; ends on WM_CLOSE
//   env <out file>                           WindowsVersion and WindowsVersionStr, one a line
// Files hold UTF-8.
#include "CEnvoriment.h"
#include "COneInstance.h"
#include "TestSupport.h"
#include "Utf8.h"
#include <shellapi.h>
#include <string>
#include <vector>
#include <windows.h>

namespace {
COneInstance* g_receiver = nullptr;

LRESULT CALLBACK ReceiverProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    g_receiver->SubclassingProc(hwnd, msg, wParam, lParam);
    if (msg == WM_CLOSE) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

int Receive(const std::wstring& title, const std::wstring& outFile, int windows) {
    COneInstance receiver;
    g_receiver = &receiver;
    std::string received;
    receiver.Received = [&](const std::wstring& text) {
        received += ToUtf8(text) + "\n";
        WriteFileBytes(outFile, received);
    };
    WNDCLASSW wc{};
    wc.lpfnWndProc = ReceiverProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = COneInstance::kMainWindowClass;
    RegisterClassW(&wc);
    for (int i = 0; i < windows; ++i)
        if (!CreateWindowExW(0, wc.lpszClassName, title.c_str(), WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                             nullptr, wc.hInstance, nullptr))
            return 2;
    MSG m;
    while (GetMessageW(&m, nullptr, 0, 0) > 0)
        DispatchMessageW(&m);
    return 0;
}
} // namespace

int main() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::vector<std::wstring> args(argv, argv + argc);
    LocalFree(argv);
    if (args.size() == 3 && args[1] == L"create") return COneInstance().Create(args[2]) ? 1 : 0;
    if (args.size() == 5 && args[1] == L"send") {
        COneInstance sender;
        sender.SetSendTimeout(std::stoul(args[4]));
        return sender.Send(args[2], FromUtf8(ReadFileBytes(args[3]))) ? 1 : 0;
    }
    if (args.size() == 3 && args[1] == L"env") {
        CEnvoriment env;
        env.Initialize(L"C:\\");
        WriteFileBytes(args[2],
                       std::to_string(env.WindowsVersion()) + "\n" + ToUtf8(env.WindowsVersionStr()));
        return 0;
    }
    if (args.size() == 5 && args[1] == L"receive") return Receive(args[2], args[3], std::stoi(args[4]));
    return 3;
}

// Benchmark helper, run under Wine by tools/bench.sh.
//   bench walk DIR...      the bare listing walk of the trees (FindFirstFileExW, basic info, large
//                          fetch; name/size/time kept in a map as a comparison would), with its time
//   bench run CMDLINE      starts a program, waits, and prints its wall time (Wine gives no
//                          memory counters of other processes; the script asks the host)
#include <windows.h>
#include <cstdio>
#include <map>
#include <string>

namespace {
double Seconds(LARGE_INTEGER a, LARGE_INTEGER b) {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return double(b.QuadPart - a.QuadPart) / double(f.QuadPart);
}

void Walk(const std::wstring& dir, std::map<std::wstring, std::pair<ULONGLONG, ULONGLONG>>& seen, size_t& n) {
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileExW((dir + L"\\*").c_str(), FindExInfoBasic, &fd, FindExSearchNameMatch, nullptr,
                                FIND_FIRST_EX_LARGE_FETCH);
    if (h == INVALID_HANDLE_VALUE) return;
    do {
        std::wstring name = fd.cFileName;
        if (name == L"." || name == L"..") continue;
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            Walk(dir + L"\\" + name, seen, n);
            continue;
        }
        ++n;
        seen[dir + L"\\" + name] = {(ULONGLONG(fd.nFileSizeHigh) << 32) | fd.nFileSizeLow,
                                    (ULONGLONG(fd.ftLastWriteTime.dwHighDateTime) << 32) |
                                        fd.ftLastWriteTime.dwLowDateTime};
    } while (FindNextFileW(h, &fd));
    FindClose(h);
}
} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) return 2;
    LARGE_INTEGER t0, t1;
    std::wstring mode = argv[1];
    if (mode == L"walk") {
        QueryPerformanceCounter(&t0);
        size_t n = 0;
        for (int i = 2; i < argc; ++i) {
            std::map<std::wstring, std::pair<ULONGLONG, ULONGLONG>> seen;
            Walk(argv[i], seen, n);
        }
        QueryPerformanceCounter(&t1);
        printf("walk files=%zu seconds=%.3f\n", n, Seconds(t0, t1));
        return 0;
    }
    std::wstring cmd = GetCommandLineW();
    size_t at = cmd.find(L" run ");
    std::wstring child = cmd.substr(at + 5);
    STARTUPINFOW si{sizeof si};
    PROCESS_INFORMATION pi{};
    QueryPerformanceCounter(&t0);
    if (!CreateProcessW(nullptr, child.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi))
        return 3;
    WaitForSingleObject(pi.hProcess, INFINITE);
    QueryPerformanceCounter(&t1);
    DWORD code = 0;
    GetExitCodeProcess(pi.hProcess, &code);
    fprintf(stderr, "run exit=%lu seconds=%.3f\n", code, Seconds(t0, t1));
    return 0;
}

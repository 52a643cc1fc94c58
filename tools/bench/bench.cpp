// Benchmark helper, run under Wine by tools/bench.sh.
//   bench walk SRC DEST    the bare comparing walk of both trees (FindFirstFileExW, basic info,
//                          large fetch, one listing per folder, names compared in a hash map)
//   bench run CMDLINE      starts a program, waits, and prints its wall time (Wine gives no
//                          memory counters of other processes; the script asks the host)
#include <windows.h>
#include <cstdio>
#include <unordered_map>
#include <vector>
#include <string>

namespace {
double Seconds(LARGE_INTEGER a, LARGE_INTEGER b) {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return double(b.QuadPart - a.QuadPart) / double(f.QuadPart);
}

struct Facts {
    ULONGLONG size, time;
    bool folder;
};

void List(const std::wstring& dir, std::vector<std::pair<std::wstring, Facts>>& out) {
    out.clear();
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileExW((dir + L"\\*").c_str(), FindExInfoBasic, &fd, FindExSearchNameMatch, nullptr,
                                FIND_FIRST_EX_LARGE_FETCH);
    if (h == INVALID_HANDLE_VALUE) return;
    do {
        const wchar_t* n = fd.cFileName;
        if (n[0] == L'.' && (n[1] == 0 || (n[1] == L'.' && n[2] == 0))) continue;
        out.push_back(
            {n,
             {(ULONGLONG(fd.nFileSizeHigh) << 32) | fd.nFileSizeLow,
              (ULONGLONG(fd.ftLastWriteTime.dwHighDateTime) << 32) | fd.ftLastWriteTime.dwLowDateTime,
              (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0}});
    } while (FindNextFileW(h, &fd));
    FindClose(h);
}

// The least a comparing walk can do: list each source folder and its destination folder once,
// and look every source entry up among the destination's by name, size and time.
void Walk(const std::wstring& src, const std::wstring& dest, size_t& files, size_t& same) {
    std::vector<std::pair<std::wstring, Facts>> s, d;
    List(src, s);
    List(dest, d);
    std::unordered_map<std::wstring, Facts> byName(d.begin(), d.end());
    for (const auto& [name, f] : s) {
        auto it = byName.find(name);
        if (f.folder) {
            if (it != byName.end()) Walk(src + L"\\" + name, dest + L"\\" + name, files, same);
            continue;
        }
        ++files;
        if (it != byName.end() && it->second.size == f.size && it->second.time == f.time) ++same;
    }
}
} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) return 2;
    LARGE_INTEGER t0, t1;
    std::wstring mode = argv[1];
    if (mode == L"walk") {
        QueryPerformanceCounter(&t0);
        size_t files = 0, same = 0;
        Walk(argv[2], argc > 3 ? argv[3] : argv[2], files, same);
        QueryPerformanceCounter(&t1);
        printf("walk files=%zu same=%zu seconds=%.3f\n", files, same, Seconds(t0, t1));
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

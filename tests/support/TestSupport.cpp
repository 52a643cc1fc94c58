#include "TestSupport.h"
#include "Unique.h"
#include <atomic>
#include <stdexcept>
#include <thread>
#include <windows.h>

namespace {
std::wstring FullPath(const std::wstring& p) {
    // Test paths may pass MAX_PATH; the extended form lets clean-up reach them.
    return p.rfind(L"\\\\?\\", 0) == 0 ? p : L"\\\\?\\" + p;
}
} // namespace

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    wchar_t tmp[MAX_PATH];
    GetTempPathW(MAX_PATH, tmp);
    std::wstring base = tmp;
    if (!base.empty() && base.back() == L'\\') base.pop_back();
    for (int attempt = 0; attempt < 1000; ++attempt) {
        std::wstring candidate = base + L"\\orvel-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                                 std::to_wstring(counter++);
        if (CreateDirectoryW(candidate.c_str(), nullptr)) {
            m_path = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir() {
    RemoveTree(m_path);
}

void RemoveTree(const std::wstring& path) {
    std::wstring full = FullPath(path);
    DWORD attr = GetFileAttributesW(full.c_str());
    if (attr == INVALID_FILE_ATTRIBUTES) return;
    if (!(attr & FILE_ATTRIBUTE_DIRECTORY) || (attr & FILE_ATTRIBUTE_REPARSE_POINT)) {
        SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (!DeleteFileW(full.c_str())) RemoveDirectoryW(full.c_str());
        return;
    }
    WIN32_FIND_DATAW fd;
    UniqueFindHandle find(FindFirstFileW((full + L"\\*").c_str(), &fd));
    if (find) {
        do {
            std::wstring name = fd.cFileName;
            if (name != L"." && name != L"..") RemoveTree(path + L"\\" + name);
        } while (FindNextFileW(find.Get(), &fd));
    }
    find.Reset();
    SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryW(full.c_str());
}

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    for (size_t pos = path.find(L'\\', 3); pos != std::wstring::npos; pos = path.find(L'\\', pos + 1))
        CreateDirectoryW(FullPath(path.substr(0, pos)).c_str(), nullptr);
    UniqueFile f(CreateFileW(FullPath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!f) throw std::runtime_error("cannot write test file");
    DWORD written = 0;
    if (!bytes.empty() && !WriteFile(f.Get(), bytes.data(), DWORD(bytes.size()), &written, nullptr))
        throw std::runtime_error("cannot write test file");
}

std::string ReadFileBytes(const std::wstring& path) {
    UniqueFile f(CreateFileW(FullPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_EXISTING, 0, nullptr));
    if (!f) throw std::runtime_error("cannot read test file");
    std::string out;
    char buf[65536];
    DWORD got = 0;
    while (ReadFile(f.Get(), buf, sizeof buf, &got, nullptr) && got)
        out.append(buf, got);
    return out;
}

std::wstring TestBinDir() {
    wchar_t exe[MAX_PATH * 4];
    DWORD n = GetModuleFileNameW(nullptr, exe, DWORD(std::size(exe)));
    std::wstring p(exe, n);
    return p.substr(0, p.find_last_of(L'\\'));
}

bool MakeFolderLink(const std::wstring& link, const std::wstring& target) {
    using UnixName = char*(CDECL*)(const wchar_t*);
    auto unixName = reinterpret_cast<UnixName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!unixName)
        return CreateSymbolicLinkW(link.c_str(), target.c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY) != 0;
    auto quoted = [&](const std::wstring& p) {
        char* u = unixName(p.c_str());
        std::string s = u ? u : "";
        HeapFree(GetProcessHeap(), 0, u);
        return L"\"" + std::wstring(s.begin(), s.end()) + L"\"";
    };
    std::wstring cmd = L"ln -s " + quoted(target) + L" " + quoted(link);
    STARTUPINFOW si{sizeof si};
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(L"Z:\\bin\\ln", cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    UniqueHandle process(pi.hProcess), thread(pi.hThread);
    // A host program's process handle may signal before it has finished: wait for the link itself.
    return WaitFor([&] { return GetFileAttributesW(link.c_str()) != INVALID_FILE_ATTRIBUTES; });
}

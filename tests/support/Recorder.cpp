#include "Recorder.h"
#include "CaseFold.h"
#include "TestSupport.h"
#include "Unique.h"
#include "Utf8.h"
#include <stdexcept>
#include <tlhelp32.h>

namespace {
bool RunsFrom(const std::wstring& folder) {
    UniqueHandle snap(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    PROCESSENTRY32W pe{sizeof pe};
    for (BOOL ok = Process32FirstW(snap.Get(), &pe); ok; ok = Process32NextW(snap.Get(), &pe)) {
        UniqueHandle proc(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pe.th32ProcessID));
        if (!proc) continue;
        wchar_t image[MAX_PATH * 4];
        DWORD n = DWORD(std::size(image));
        if (!QueryFullProcessImageNameW(proc.Get(), 0, image, &n)) continue;
        std::wstring path(image, n);
        DWORD code = 0;
        if (path.size() > folder.size() && EqualsNoCase(path.substr(0, folder.size() + 1), folder + L"\\") &&
            GetExitCodeProcess(proc.Get(), &code) && code == STILL_ACTIVE)
            return true;
    }
    return false;
}
} // namespace

void RecorderFolder::Install(const std::wstring& name) const {
    if (!CopyFileW((TestBinDir() + L"\\orvel_recorder.exe").c_str(), (m_folder + L"\\" + name).c_str(),
                   FALSE))
        throw std::runtime_error("cannot install the recorder");
}

std::wstring RecorderFolder::CopyFromBin(const std::wstring& name) const {
    std::wstring target = m_folder + L"\\" + name;
    if (!CopyFileW((TestBinDir() + L"\\" + name).c_str(), target.c_str(), FALSE))
        throw std::runtime_error("cannot copy a test binary");
    return target;
}

std::vector<std::wstring> RecorderFolder::Starts(const std::wstring& name) const {
    if (!WaitFor([&] { return !RunsFrom(m_folder); })) throw std::runtime_error("a recorder does not end");
    std::vector<std::wstring> lines;
    std::wstring log = m_folder + L"\\" + name + L".log";
    if (GetFileAttributesW(log.c_str()) == INVALID_FILE_ATTRIBUTES) return lines;
    std::wstring text = FromUtf8(ReadFileBytes(log));
    for (size_t start = 0, end; (end = text.find(L'\n', start)) != std::wstring::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

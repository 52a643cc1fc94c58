#include "MountedDrive.h"
#include "TestSupport.h"
#include "Unique.h"
#include "Utf8.h"
#include <cstdio>
#include <vector>
#include <windows.h>
#include <winioctl.h>

namespace {
// The mount manager's record for defining a drive, as Wine declares it.
struct UnixDrive {
    ULONG size, type, fs_type;
    DWORD serial;
    ULONGLONG unix_dev;
    WCHAR letter;
    USHORT mount_point_offset, device_offset, label_offset;
};
constexpr DWORD kDefineUnixDrive =
    CTL_CODE(0x0000006D /* MOUNTMGRCONTROLTYPE */, 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);

std::string UnixPath(const std::wstring& path) {
    using UnixName = char*(CDECL*)(const wchar_t*);
    auto unixName = reinterpret_cast<UnixName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    char* u = unixName ? unixName(path.c_str()) : nullptr;
    std::string s = u ? u : "";
    HeapFree(GetProcessHeap(), 0, u);
    return s;
}

// Defines the letter at the Unix path, or removes it when the path is empty.
bool Define(wchar_t letter, unsigned type, const std::string& unixPath) {
    std::vector<char> buf(sizeof(UnixDrive) + unixPath.size() + 1, '\0');
    auto* rec = reinterpret_cast<UnixDrive*>(buf.data());
    rec->size = ULONG(buf.size());
    rec->type = type;
    rec->letter = wchar_t(towlower(letter));
    if (!unixPath.empty()) {
        rec->mount_point_offset = sizeof(UnixDrive);
        memcpy(buf.data() + sizeof(UnixDrive), unixPath.c_str(), unixPath.size());
    }
    UniqueFile mgr(CreateFileW(L"\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                               FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
    DWORD got = 0;
    return mgr && DeviceIoControl(mgr.Get(), kDefineUnixDrive, buf.data(), DWORD(buf.size()), nullptr, 0,
                                  &got, nullptr);
}
} // namespace

MountedDrive::MountedDrive(wchar_t letter, const std::wstring& folder, unsigned driveType,
                           const std::optional<std::wstring>& label, unsigned serial)
    : m_letter(wchar_t(towupper(letter))) {
    if (GetFileAttributesW(folder.c_str()) != INVALID_FILE_ATTRIBUTES) {
        if (label) WriteFileBytes(folder + L"\\.windows-label", ToUtf8(*label));
        if (serial) {
            char hex[16];
            snprintf(hex, sizeof hex, "%08X", serial);
            WriteFileBytes(folder + L"\\.windows-serial", hex);
        }
    }
    std::string unixPath = UnixPath(folder);
    m_mapped = !unixPath.empty() && Define(m_letter, driveType, unixPath);
}

MountedDrive::~MountedDrive() {
    if (m_mapped) Define(m_letter, 0, "");
}

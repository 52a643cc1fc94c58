#pragma once
// A folder mapped as a drive letter of this Wine prefix for the life of the object, through the
// mount manager: every process sees it at once with its type and label. Removed at the end.
#include <optional>
#include <string>

class MountedDrive {
public:
    // driveType is a DRIVE_* code; label, when given, is written as the folder's volume label.
    MountedDrive(wchar_t letter, const std::wstring& folder, unsigned driveType,
                 const std::optional<std::wstring>& label = std::nullopt, unsigned serial = 0);
    ~MountedDrive();
    MountedDrive(const MountedDrive&) = delete;
    MountedDrive& operator=(const MountedDrive&) = delete;

    bool Mapped() const { return m_mapped; }
    std::wstring Root() const { return std::wstring(1, m_letter) + L":\\"; }

private:
    wchar_t m_letter;
    bool m_mapped = false;
};

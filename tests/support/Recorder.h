#pragma once
// A folder of stand-ins for the programs the system starts, built from the recorder program.
#include <string>
#include <vector>

class RecorderFolder {
public:
    explicit RecorderFolder(std::wstring folder) : m_folder(std::move(folder)) {}

    // Copies the recorder into the folder under the program's name (orvelsync.exe, update.exe).
    void Install(const std::wstring& name) const;
    // Copies a file of the test programs' folder (a DLL under test) into the folder.
    std::wstring CopyFromBin(const std::wstring& name) const;
    // Waits until no program started from the folder runs any more, then answers the argument
    // lines the one named name has recorded, one per start.
    std::vector<std::wstring> Starts(const std::wstring& name) const;

private:
    std::wstring m_folder;
};

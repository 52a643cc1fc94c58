#pragma once
// Helpers every test program shares: a private temporary folder, bounded waits, file fixtures.
#include <chrono>
#include <functional>
#include <string>

// A fresh folder under the user's temp folder, removed with everything in it at the end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::wstring& Path() const { return m_path; } // ends without a backslash
    std::wstring operator/(const std::wstring& rel) const { return m_path + L"\\" + rel; }

private:
    std::wstring m_path;
};

// Polls until the condition holds or the time is up, pumping this thread's messages meanwhile.
bool WaitFor(const std::function<bool()>& condition,
             std::chrono::milliseconds timeout = std::chrono::seconds(10));

// Writes bytes to a file, creating the folders on the way.
void WriteFileBytes(const std::wstring& path, const std::string& bytes);
std::string ReadFileBytes(const std::wstring& path);

// Removes a folder tree (test clean-up only).
void RemoveTree(const std::wstring& path);

// Makes link a symbolic link to the folder target (under Wine a host link, which the program sees
// as a folder reparse point); false where that cannot be done.
bool MakeFolderLink(const std::wstring& link, const std::wstring& target);

// The folder that holds the test programs and the DLLs.
std::wstring TestBinDir();

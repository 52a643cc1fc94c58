#pragma once
#include "LibApi.h"
#include <cstdint>
#include <string>

enum EnumApiFileAccess : uint32_t {
    CFA_ALL = 0x10000000,
    CFA_READ = 0x80000000,
    CFA_WRITE = 0x40000000,
    CFA_EXECUTE = 0x20000000,
};

// One file opened by path: its size and its three time stamps (date serials, local time, whole
// seconds). Sizes are byte counts as 64-bit integers, the interface's currency value bit for bit.
class AXORVELLIB_API CApiFile {
public:
    CApiFile() = default;
    CApiFile(const CApiFile&) = delete;
    CApiFile& operator=(const CApiFile&) = delete;
    ~CApiFile();

    int64_t Size() const; // 0 without an open handle

    double LastWriteTime() const { return m_lastWrite; }
    void SetLastWriteTime(double v) { m_lastWrite = v; }
    double AccessTime() const { return m_access; }
    void SetAccessTime(double v) { m_access = v; }
    double CreationTime() const { return m_creation; }
    void SetCreationTime(double v) { m_creation = v; }

    const std::wstring& Filename() const { return m_filename; }
    void SetFilename(const std::wstring& s) { m_filename = s; }

    // Opens an existing file, shared for reading and writing; answers the handle (the invalid
    // handle value -1 on failure), or -2 when a handle is already held.
    intptr_t Create(EnumApiFileAccess dwDesiredAccess);
    int32_t CloseFile();
    // Reads the times of the held handle; raises when a conversion fails.
    void ReadFileTime();
    // Writes the stored times to the held handle (it needs write access); raises on failure.
    void SaveFileTime();

    static std::wstring GetCurrencySizeStr(int64_t curSize);

private:
    void* m_handle = nullptr; // nullptr: none held
    std::wstring m_filename;
    double m_creation = 0, m_access = 0, m_lastWrite = 0;
};

// Date serial (local time, whole seconds) of a UTC file time, as the platform converts it.
AXORVELLIB_API double FileTimeToDate(uint64_t utcTicks, const std::wstring& source = L"AxOrvelLib");
AXORVELLIB_API uint64_t DateToFileTime(double serial, const std::wstring& source = L"AxOrvelLib");

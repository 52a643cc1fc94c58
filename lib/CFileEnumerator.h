#pragma once
#include "LibApi.h"
#include <cstdint>
#include <string>
#include <vector>

// What one listing entry says about itself, so that no caller needs to ask the file system again.
struct TEnumEntry {
    std::wstring Name;
    uint32_t Attributes = 0;
    int64_t Size = 0;
    uint64_t LastWrite = 0; // UTC file time
    bool IsFolder() const { return (Attributes & 0x10) != 0; }
    bool IsLink() const { return (Attributes & 0x400) != 0; }
};

// Receives the walk: a folder arrives with its full path and an empty file name, a file with its
// folder's path and its bare name. Numbered errors thrown here are ignored by the walk.
class IEnumSink {
public:
    virtual void EnumCallback(const std::wstring& sPathname, const std::wstring& sFilename, int32_t iDirCount,
                              int32_t iFileCount, const TEnumEntry& entry) = 0;

protected:
    ~IEnumSink() = default;
};

// Where a walk gets its listings; the engine answers from listings it has already made.
class IFolderLister {
public:
    virtual void ListFolder(const std::wstring& sPathname, std::vector<TEnumEntry>& entries) = 0;

protected:
    ~IFolderLister() = default;
};

class AXORVELLIB_API CFileEnumerator {
public:
    void SetSink(IEnumSink* sink) { m_sink = sink; }
    void SetLister(IFolderLister* lister) { m_lister = lister; }

    // Walks sPathname (no trailing backslash needed): all files of a folder first, then each
    // sub-folder, reported just before its own contents. Counters are increased, not reset.
    // Links to folders (reparse points) are neither reported nor entered: a walk stays inside the
    // tree it was given, and a link loop cannot make it recurse forever.
    void Enumerate(const std::wstring& sPathname, int32_t& iDirCount, int32_t& iFileCount,
                   bool bRaiseEvent = true, bool bSubDir = true);

    // One folder's entries as the file system lists them, "." and ".." left out; nothing for a
    // folder that cannot be listed.
    static void ListFolder(const std::wstring& sPathname, std::vector<TEnumEntry>& entries);

private:
    void Raise(const std::wstring& path, const std::wstring& name, int32_t d, int32_t f, const TEnumEntry& e);

    IEnumSink* m_sink = nullptr;
    IFolderLister* m_lister = nullptr;
};

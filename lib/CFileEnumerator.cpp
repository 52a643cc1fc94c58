#include "CFileEnumerator.h"
#include "CError.h"
#include "LongPath.h"
#include "Unique.h"

void CFileEnumerator::ListFolder(const std::wstring& sPathname, std::vector<TEnumEntry>& entries) {
    entries.clear();
    WIN32_FIND_DATAW fd;
    // The basic information level with large fetches is the cheapest listing the platform offers.
    UniqueFindHandle find(FindFirstFileExW(SystemPath(JoinPath(sPathname, L"*")).c_str(), FindExInfoBasic,
                                           &fd, FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!find) return;
    do {
        const wchar_t* n = fd.cFileName;
        if (n[0] == L'\0' || (n[0] == L'.' && (n[1] == L'\0' || (n[1] == L'.' && n[2] == L'\0')))) continue;
        TEnumEntry e;
        e.Name = n;
        e.Attributes = fd.dwFileAttributes;
        e.Size = (int64_t(fd.nFileSizeHigh) << 32) | fd.nFileSizeLow;
        e.LastWrite = (uint64_t(fd.ftLastWriteTime.dwHighDateTime) << 32) | fd.ftLastWriteTime.dwLowDateTime;
        entries.push_back(std::move(e));
    } while (FindNextFileW(find.Get(), &fd));
}

void CFileEnumerator::Raise(const std::wstring& path, const std::wstring& name, int32_t d, int32_t f,
                            const TEnumEntry& e) {
    if (!m_sink) return;
    try {
        m_sink->EnumCallback(path, name, d, f, e);
    } catch (const CError&) {
        // The entry being handled is abandoned; the walk goes on with the next one.
    }
}

void CFileEnumerator::Enumerate(const std::wstring& sPathname, int32_t& iDirCount, int32_t& iFileCount,
                                bool bRaiseEvent, bool bSubDir) {
    std::vector<TEnumEntry> entries;
    if (m_lister)
        m_lister->ListFolder(sPathname, entries);
    else
        ListFolder(sPathname, entries);
    std::vector<const TEnumEntry*> subFolders;
    for (const TEnumEntry& e : entries) {
        if (e.IsFolder()) {
            if (!e.IsLink()) subFolders.push_back(&e);
            continue;
        }
        ++iFileCount;
        if (bRaiseEvent) Raise(sPathname, e.Name, iDirCount, iFileCount, e);
    }
    if (!bSubDir) return;
    for (const TEnumEntry* e : subFolders) {
        std::wstring sub = JoinPath(sPathname, e->Name);
        ++iDirCount;
        if (bRaiseEvent) Raise(sub, L"", iDirCount, iFileCount, *e);
        Enumerate(sub, iDirCount, iFileCount, bRaiseEvent, bSubDir);
    }
}

#pragma once
// The listings one run has already made, so that a run lists every folder once: the counting pass
// lists the sources, the synchronisation pass answers its destination questions from one listing
// per destination folder, and the deletion pass walks the destination listings again. Paths the
// run itself changes are marked, and asked of the file system when they are next needed.
#include "CFileEnumerator.h"
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

class CFolderCache : public IFolderLister {
public:
    void ListFolder(const std::wstring& sPathname, std::vector<TEnumEntry>& entries) override;
    // The facts of one path, from its folder's listing.
    std::optional<TEnumEntry> Find(const std::wstring& path);
    // The run changed path: with facts when it knows what is there now, else ask again later.
    void Touch(const std::wstring& path, const TEnumEntry* facts = nullptr);
    void Clear() { m_folders.clear(); }

private:
    struct Entry {
        TEnumEntry Facts;
        bool Known = true; // false: changed by the run, to be asked again
        bool Gone = false;
    };
    struct Listing {
        std::vector<Entry> Entries;
        std::unordered_map<std::wstring, size_t> ByName; // folded name -> index; built on first lookup
    };

    Listing& Get(const std::wstring& folder);
    static void Resolve(const std::wstring& folder, Entry& e);
    static void Index(Listing& l);

    std::unordered_map<std::wstring, Listing> m_folders; // folded folder path -> listing
};

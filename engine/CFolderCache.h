#pragma once
// The listings one run has already made, so that a run lists every folder once: the counting pass
// lists the sources, the synchronisation pass answers its destination questions from one listing
// per destination folder, and the deletion pass walks the destination listings again. Paths the
// run itself changes are marked, and asked of the file system when they are next needed.
#include "CFileEnumerator.h"
#include "FoldedKeys.h"
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CFolderCache : public IFolderLister {
public:
    void ListFolder(const std::wstring& sPathname, std::vector<TEnumEntry>& entries) override;
    // The facts of one path, from its folder's listing.
    std::optional<TEnumEntry> Find(const std::wstring& path);
    // The run changed path: with facts when it knows what is there now, else ask again later.
    void Touch(const std::wstring& path, const TEnumEntry* facts = nullptr);
    void Clear();
    // Marks a path the run has met, which its deletion pass keeps; false when the path's folder is
    // not listed here (the caller keeps the mark itself then).
    bool Mark(const std::wstring& path);
    bool IsMarked(const std::wstring& path);

private:
    struct Entry {
        TEnumEntry Facts;
        bool Known = true; // false: changed by the run, to be asked again
        bool Gone = false;
        bool Met = false;
    };
    struct Listing {
        std::vector<Entry> Entries;
        FoldedMap<size_t> ByName; // built on the first lookup
        bool AnyMet = false;
    };

    Listing& Get(std::wstring_view folder);
    Listing* Listed(std::wstring_view folder); // without listing it
    Entry& Upsert(Listing& l, std::wstring_view name, const TEnumEntry* facts);
    static void Resolve(std::wstring_view folder, Entry& e);
    static void Index(Listing& l);

    FoldedMap<Listing> m_folders; // folder path without trailing backslash -> listing
    // Files are looked up folder after folder: the last folder's listing is kept at hand.
    std::wstring m_lastFolder;
    Listing* m_last = nullptr;
};

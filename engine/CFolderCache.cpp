#include "CFolderCache.h"
#include "CaseFold.h"
#include "FileSystem.h"
#include "LongPath.h"
#include "PathName.h"

namespace {
std::wstring FolderKey(const std::wstring& folder) {
    return FoldCase(StripTrailingBackslash(folder));
}

// Splits a path into its folder and its name; false when it has no folder.
bool Split(const std::wstring& path, std::wstring& folder, std::wstring& name) {
    size_t slash = path.find_last_of(L'\\');
    if (slash == std::wstring::npos || slash + 1 == path.size()) return false;
    folder = path.substr(0, slash == 2 && path[1] == L':' ? 3 : slash);
    name = path.substr(slash + 1);
    return true;
}
} // namespace

CFolderCache::Listing& CFolderCache::Get(const std::wstring& folder) {
    auto [it, fresh] = m_folders.try_emplace(FolderKey(folder));
    if (fresh) {
        std::vector<TEnumEntry> listed;
        CFileEnumerator::ListFolder(folder, listed);
        it->second.Entries.reserve(listed.size());
        for (TEnumEntry& e : listed)
            it->second.Entries.push_back({std::move(e)});
    }
    return it->second;
}

void CFolderCache::Index(Listing& l) {
    if (!l.ByName.empty() || l.Entries.empty()) return;
    l.ByName.reserve(l.Entries.size());
    for (size_t i = 0; i < l.Entries.size(); ++i)
        l.ByName.emplace(FoldCase(l.Entries[i].Facts.Name), i);
}

void CFolderCache::Resolve(const std::wstring& folder, Entry& e) {
    if (e.Known) return;
    std::wstring name = e.Facts.Name;
    e.Known = true;
    e.Gone = !QueryPath(JoinPath(folder, name), e.Facts);
    e.Facts.Name = name; // the name as the run wrote it
}

void CFolderCache::ListFolder(const std::wstring& sPathname, std::vector<TEnumEntry>& entries) {
    Listing& l = Get(sPathname);
    entries.clear();
    entries.reserve(l.Entries.size());
    for (Entry& e : l.Entries) {
        Resolve(sPathname, e);
        if (!e.Gone) entries.push_back(e.Facts);
    }
}

std::optional<TEnumEntry> CFolderCache::Find(const std::wstring& path) {
    std::wstring folder, name;
    if (!Split(path, folder, name)) {
        TEnumEntry facts;
        if (QueryPath(path, facts)) return facts;
        return std::nullopt;
    }
    Listing& l = Get(folder);
    Index(l);
    auto it = l.ByName.find(FoldCase(name));
    if (it == l.ByName.end()) return std::nullopt;
    Entry& e = l.Entries[it->second];
    Resolve(folder, e);
    if (e.Gone) return std::nullopt;
    return e.Facts;
}

void CFolderCache::Touch(const std::wstring& path, const TEnumEntry* facts) {
    // A folder the run created or deleted is listed afresh when it is next needed.
    m_folders.erase(FolderKey(path));
    std::wstring folder, name;
    if (!Split(path, folder, name)) return;
    auto it = m_folders.find(FolderKey(folder));
    if (it == m_folders.end()) return;
    Listing& l = it->second;
    Index(l);
    Entry changed;
    changed.Facts = facts ? *facts : TEnumEntry{};
    changed.Facts.Name = name;
    changed.Known = facts != nullptr;
    auto found = l.ByName.find(FoldCase(name));
    if (found != l.ByName.end()) {
        changed.Facts.Name = l.Entries[found->second].Facts.Name;
        l.Entries[found->second] = std::move(changed);
        return;
    }
    l.ByName.emplace(FoldCase(name), l.Entries.size());
    l.Entries.push_back(std::move(changed));
}

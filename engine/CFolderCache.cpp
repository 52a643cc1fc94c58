#include "CFolderCache.h"
#include "FileSystem.h"
#include "LongPath.h"

namespace {
std::wstring_view Key(std::wstring_view folder) {
    if (!folder.empty() && folder.back() == L'\\') folder.remove_suffix(1);
    return folder;
}

// Splits a path into its folder and its name; false when it has no folder.
bool Split(std::wstring_view path, std::wstring_view& folder, std::wstring_view& name) {
    size_t slash = path.find_last_of(L'\\');
    if (slash == std::wstring_view::npos || slash + 1 == path.size()) return false;
    folder = path.substr(0, slash == 2 && path[1] == L':' ? 3 : slash);
    name = path.substr(slash + 1);
    return true;
}
} // namespace

void CFolderCache::Clear() {
    m_folders.clear();
    m_last = nullptr;
    m_lastFolder.clear();
}

CFolderCache::Listing& CFolderCache::Get(std::wstring_view folder) {
    if (m_last && folder == m_lastFolder) return *m_last;
    auto it = m_folders.find(Key(folder));
    if (it == m_folders.end()) {
        it = m_folders.try_emplace(std::wstring(Key(folder))).first;
        std::vector<TEnumEntry> listed;
        CFileEnumerator::ListFolder(std::wstring(folder), listed);
        it->second.Entries.reserve(listed.size());
        for (TEnumEntry& e : listed)
            it->second.Entries.push_back({std::move(e)});
    }
    m_lastFolder = folder;
    m_last = &it->second;
    return it->second;
}

void CFolderCache::Index(Listing& l) {
    if (!l.ByName.empty() || l.Entries.empty()) return;
    l.ByName.reserve(l.Entries.size());
    for (size_t i = 0; i < l.Entries.size(); ++i)
        l.ByName.emplace(l.Entries[i].Facts.Name, i);
}

void CFolderCache::Resolve(std::wstring_view folder, Entry& e) {
    if (e.Known) return;
    std::wstring name = e.Facts.Name;
    e.Known = true;
    e.Gone = !QueryPath(JoinPath(std::wstring(folder), name), e.Facts);
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
    std::wstring_view folder, name;
    if (!Split(path, folder, name)) {
        TEnumEntry facts;
        if (QueryPath(path, facts)) return facts;
        return std::nullopt;
    }
    Listing& l = Get(folder);
    Index(l);
    auto it = l.ByName.find(name);
    if (it == l.ByName.end()) return std::nullopt;
    Entry& e = l.Entries[it->second];
    Resolve(folder, e);
    if (e.Gone) return std::nullopt;
    return e.Facts;
}

CFolderCache::Listing* CFolderCache::Listed(std::wstring_view folder) {
    if (m_last && folder == m_lastFolder) return m_last;
    auto it = m_folders.find(Key(folder));
    return it == m_folders.end() ? nullptr : &it->second;
}

// The entry of name, replaced by what the run knows now; a new name is added at the end.
CFolderCache::Entry& CFolderCache::Upsert(Listing& l, std::wstring_view name, const TEnumEntry* facts) {
    Index(l);
    Entry changed;
    changed.Facts = facts ? *facts : TEnumEntry{};
    changed.Facts.Name = name;
    changed.Known = facts != nullptr;
    if (auto found = l.ByName.find(name); found != l.ByName.end()) {
        Entry& e = l.Entries[found->second];
        changed.Facts.Name = e.Facts.Name;
        changed.Met = e.Met;
        return e = std::move(changed);
    }
    l.ByName.emplace(std::wstring(name), l.Entries.size());
    return l.Entries.emplace_back(std::move(changed));
}

void CFolderCache::Touch(const std::wstring& path, const TEnumEntry* facts) {
    // A folder the run created or deleted is listed afresh when it is next needed.
    if (auto it = m_folders.find(Key(path)); it != m_folders.end()) {
        if (m_last == &it->second) m_last = nullptr;
        m_folders.erase(it);
    }
    std::wstring_view folder, name;
    if (!Split(path, folder, name)) return;
    if (Listing* l = Listed(folder)) Upsert(*l, name, facts);
}

bool CFolderCache::Mark(const std::wstring& path) {
    std::wstring_view folder, name;
    Listing* l = Split(path, folder, name) ? Listed(folder) : nullptr;
    if (!l) return false;
    Index(*l);
    auto found = l->ByName.find(name);
    (found != l->ByName.end() ? l->Entries[found->second] : Upsert(*l, name, nullptr)).Met = true;
    l->AnyMet = true;
    return true;
}

bool CFolderCache::IsMarked(const std::wstring& path) {
    std::wstring_view folder, name;
    Listing* l = Split(path, folder, name) ? Listed(folder) : nullptr;
    if (!l || !l->AnyMet) return false;
    Index(*l);
    auto found = l->ByName.find(name);
    return found != l->ByName.end() && l->Entries[found->second].Met;
}

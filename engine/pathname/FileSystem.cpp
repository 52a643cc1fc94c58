#include "FileSystem.h"
#include "LongPath.h"
#include "PathName.h"
#include "SysError.h"
#include "Unique.h"
#include <atomic>
#include <vector>

namespace {
const wchar_t* const kSource = L"AxOrvelSync";

// The ? of the extended-length prefix is no wildcard.
bool HasWildcard(const std::wstring& path) {
    size_t from = path.rfind(L"\\\\?\\", 0) == 0 ? 4 : 0;
    return path.find_first_of(L"*?", from) != std::wstring::npos;
}

// The attributes a search for the path would find, or INVALID_FILE_ATTRIBUTES.
DWORD FindAttributes(const std::wstring& path) {
    if (path.empty() || path.back() == L'\\') return INVALID_FILE_ATTRIBUTES;
    if (!HasWildcard(path)) return GetFileAttributesW(SystemPath(path).c_str());
    WIN32_FIND_DATAW fd;
    UniqueFindHandle find(FindFirstFileW(SystemPath(path).c_str(), &fd));
    return find ? fd.dwFileAttributes : INVALID_FILE_ATTRIBUTES;
}

std::wstring TempNameBeside(const std::wstring& dest) {
    static std::atomic<unsigned> counter{0};
    wchar_t name[64];
    swprintf(name, 64, L"~orvel%lx-%x.tmp", GetCurrentProcessId(), counter++);
    std::wstring folder = GetFolderPart(dest);
    return folder + name;
}
} // namespace

uint32_t GetPathAttributes(const std::wstring& path) {
    DWORD a = FindAttributes(path);
    if (a != INVALID_FILE_ATTRIBUTES) return a;
    return IsDriveRoot(path) ? 64 : 0;
}

bool IsDriveRoot(const std::wstring& path) {
    UINT type = GetDriveTypeW(path.c_str());
    return type >= DRIVE_REMOVABLE && type <= DRIVE_RAMDISK;
}

bool FolderExists(const std::wstring& path) {
    DWORD a = FindAttributes(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool FileExists(const std::wstring& path) {
    DWORD a = FindAttributes(path);
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool PathExists(const std::wstring& path) {
    return FindAttributes(path) != INVALID_FILE_ATTRIBUTES;
}

bool QueryPath(const std::wstring& path, TEnumEntry& facts) {
    WIN32_FILE_ATTRIBUTE_DATA d;
    if (path.empty() || !GetFileAttributesExW(SystemPath(path).c_str(), GetFileExInfoStandard, &d))
        return false;
    facts.Name = GetFileName(path);
    facts.Attributes = d.dwFileAttributes;
    facts.Size = (int64_t(d.nFileSizeHigh) << 32) | d.nFileSizeLow;
    facts.LastWrite = (uint64_t(d.ftLastWriteTime.dwHighDateTime) << 32) | d.ftLastWriteTime.dwLowDateTime;
    return true;
}

void CreateFolder(const std::wstring& path) {
    CreateDirectoryW(SystemPath(path).c_str(), nullptr);
}

unsigned long CreateFolderResult(const std::wstring& path) {
    if (CreateDirectoryW(SystemPath(path).c_str(), nullptr)) return 0;
    DWORD err = GetLastError();
    return FolderExists(path) ? 0 : (err ? err : ERROR_ALREADY_EXISTS);
}

void CreateFolderPath(const std::wstring& path) {
    std::wstring p = path;
    if (p.empty() || p.back() != L'\\') p += L'\\';
    for (size_t pos = p.find(L'\\'); pos != std::wstring::npos; pos = p.find(L'\\', pos + 1))
        if (pos > 0) CreateDirectoryW(SystemPath(p.substr(0, pos)).c_str(), nullptr);
}

unsigned long DeleteFolderTreeResult(const std::wstring& path) {
    std::wstring root = StripTrailingBackslash(path);
    std::wstring sysRoot = SystemPath(root);
    DWORD first = 0;
    auto note = [&first] {
        if (!first) first = GetLastError();
    };
    DWORD rootAttr = GetFileAttributesW(sysRoot.c_str());
    // A link is removed as the link; what it points at is somebody else's.
    if (rootAttr == INVALID_FILE_ATTRIBUTES || !(rootAttr & FILE_ATTRIBUTE_REPARSE_POINT)) {
        std::vector<TEnumEntry> entries;
        CFileEnumerator::ListFolder(root, entries);
        for (const TEnumEntry& e : entries) {
            std::wstring child = JoinPath(root, e.Name);
            if (e.IsFolder() && !e.IsLink()) {
                if (DWORD err = DeleteFolderTreeResult(child); err && !first) first = err;
                continue;
            }
            std::wstring sysChild = SystemPath(child);
            SetFileAttributesW(sysChild.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (!(e.IsFolder() ? RemoveDirectoryW(sysChild.c_str()) : DeleteFileW(sysChild.c_str()))) note();
        }
    }
    SetFileAttributesW(sysRoot.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!RemoveDirectoryW(sysRoot.c_str())) note();
    if (GetFileAttributesW(sysRoot.c_str()) == INVALID_FILE_ATTRIBUTES) return 0;
    return first ? first : ERROR_DIR_NOT_EMPTY;
}

void DeleteFolderTree(const std::wstring& path) {
    DeleteFolderTreeResult(path);
}

void RenameFile(const std::wstring& oldPath, const std::wstring& newPath) {
    if (!MoveFileW(SystemPath(oldPath).c_str(), SystemPath(newPath).c_str()))
        RaiseFileError(GetLastError(), kSource);
}

void CopyFileOver(const std::wstring& src, const std::wstring& dest) {
    if (DWORD err = ReplaceFileSafely(src, dest)) RaiseFileError(err, kSource);
}

void KillFiles(const std::wstring& path) {
    if (!HasWildcard(path)) {
        if (!DeleteFileW(SystemPath(path).c_str())) RaiseFileError(GetLastError(), kSource);
        return;
    }
    std::vector<std::wstring> matches;
    WIN32_FIND_DATAW fd;
    UniqueFindHandle find(FindFirstFileW(SystemPath(path).c_str(), &fd));
    if (find) {
        do {
            if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                matches.push_back(GetFolderPart(path) + fd.cFileName);
        } while (FindNextFileW(find.Get(), &fd));
    }
    find.Reset();
    if (matches.empty()) RaiseFileError(ERROR_FILE_NOT_FOUND, kSource);
    for (const std::wstring& m : matches)
        if (!DeleteFileW(SystemPath(m).c_str())) RaiseFileError(GetLastError(), kSource);
}

unsigned long ReplaceFileSafely(const std::wstring& src, const std::wstring& dest,
                                const std::wstring& keepAs) {
    std::wstring tmp = SystemPath(TempNameBeside(dest)), sysDest = SystemPath(dest),
                 sysKeep = SystemPath(keepAs);
    DWORD err = 0;
    if (!CopyFileW(SystemPath(src).c_str(), tmp.c_str(), FALSE)) {
        err = GetLastError();
        DeleteFileW(tmp.c_str());
        return err;
    }
    bool kept = false;
    if (!keepAs.empty() && GetFileAttributesW(sysDest.c_str()) != INVALID_FILE_ATTRIBUTES) {
        if (!MoveFileW(sysDest.c_str(), sysKeep.c_str())) {
            err = GetLastError();
            DeleteFileW(tmp.c_str());
            return err;
        }
        kept = true;
    }
    if (!MoveFileExW(tmp.c_str(), sysDest.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        err = GetLastError();
        if (kept) MoveFileW(sysKeep.c_str(), sysDest.c_str());
        DeleteFileW(tmp.c_str());
        return err;
    }
    return 0;
}

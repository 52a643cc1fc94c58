#pragma once
// Questions to the file system about single paths, and the few operations the engine makes. All
// go through the wide API and the long-path helper, so any name the file system holds works.
#include "CFileEnumerator.h"
#include "PathNameApi.h"
#include <cstdint>
#include <string>

// The attribute bits of the path (of its first match when it holds wildcards); 0 when nothing is
// there, 64 for a drive root. A folder path ending in a backslash is not found, as a search says.
PATHNAME_API uint32_t GetPathAttributes(const std::wstring& path);
PATHNAME_API bool IsDriveRoot(const std::wstring& path);
PATHNAME_API bool FolderExists(const std::wstring& path);
PATHNAME_API bool FileExists(const std::wstring& path);
PATHNAME_API bool PathExists(const std::wstring& path);
// Folder-like: a folder or a drive root, as GetPathAttributes answers them.
inline bool IsFolderLike(uint32_t attributes) {
    return attributes == 64 || (attributes & 16) != 0;
}

// Size, time and attributes of one path from a single attribute query; false when it is not there.
PATHNAME_API bool QueryPath(const std::wstring& path, TEnumEntry& facts);

PATHNAME_API void CreateFolder(const std::wstring& path); // result ignored
// Creates that one folder; 0 when it is there afterwards, else the system's error.
PATHNAME_API unsigned long CreateFolderResult(const std::wstring& path);
PATHNAME_API void CreateFolderPath(const std::wstring& path); // every missing folder on the way
// Deletes the folder with everything in it; links to folders are removed, never followed.
PATHNAME_API void DeleteFolderTree(const std::wstring& path);
// The same, answering 0 when the folder is gone, else the first error met.
PATHNAME_API unsigned long DeleteFolderTreeResult(const std::wstring& path);

// These raise the runtime's numbered file errors.
PATHNAME_API void RenameFile(const std::wstring& oldPath, const std::wstring& newPath);
PATHNAME_API void CopyFileOver(const std::wstring& src, const std::wstring& dest);
PATHNAME_API void KillFiles(const std::wstring& path); // wildcards honoured

// Replaces (or creates) dest with a copy of src without ever leaving a truncated dest: the copy is
// made under a temporary name in dest's folder and swapped in. With keepAs, an existing dest is
// moved there first. On failure everything is as before; answers 0 or the system's error.
PATHNAME_API unsigned long ReplaceFileSafely(const std::wstring& src, const std::wstring& dest,
                                             const std::wstring& keepAs = L"");

#pragma once
// Text routines on Windows paths (C:\docs\a.txt). Pure logic: no platform headers.
#include "PathNameApi.h"
#include <string>

PATHNAME_API std::wstring GetFileName(const std::wstring& path);  // after the last backslash
PATHNAME_API std::wstring GetBaseName(const std::wstring& path);  // file name up to its last dot
PATHNAME_API std::wstring GetExtension(const std::wstring& path); // file name after its last dot
// Up to and including the last backslash; with bStrip and more than 3 characters, without it.
PATHNAME_API std::wstring GetFolderPart(const std::wstring& path, bool bStrip = false);
PATHNAME_API std::wstring GetDriveRoot(const std::wstring& path); // the first three characters
PATHNAME_API std::wstring TrimAtNull(const std::wstring& text);
// The path without a trailing backslash (C:\docs\ gives C:\docs, E:\ gives E:).
PATHNAME_API std::wstring StripTrailingBackslash(const std::wstring& path);

#pragma once
// The application's own file routines, on top of the engine's path routines that the program
// carries (GetFolderPart, PathExists, DeleteFolderTree ...).
#include "FileSystem.h"
#include "PathName.h"
#include <cstdint>
#include <string>

// Deletes a file or a whole folder tree. False when nothing is there; true when something was and
// its deletion was attempted (a tree may be left partly in place). A file that cannot be deleted
// raises the runtime's file error.
bool RemovePath(const std::wstring& path);

// The file's bytes, at most lLimit of them when lLimit > 0, as text from the ANSI code page;
// "" on any error.
std::wstring ReadTextFile(const std::wstring& path, int32_t lLimit);

// Writes the text in the ANSI code page and a line break, replacing the file or appending to it.
// Answers 0, or the runtime's error number of the step that failed.
int32_t WriteTextFile(const std::wstring& path, const std::wstring& text, bool bAppend);

#pragma once
// The two standard pickers. Both answer "" when the user cancels; a test's picker hook (Dialog)
// answers them instead when it is set.
#include <string>
#include <windows.h>

// The shell's folder picker, opened on sStartFolder; bNewStyle gives the resizable new dialog,
// otherwise only file-system folders can be chosen.
std::wstring BrowseForFolder(HWND hOwner, const std::wstring& sTitle, const std::wstring& sStartFolder,
                             bool bNewStyle);

// The file-open dialog. sFilter alternates descriptions and patterns separated by "|", such as
// "程序文件(*.exe)|*.exe|所有文件(*.*)|*.*". Paths of any length come back whole.
std::wstring ShowOpenFileDialog(const std::wstring& sFilter, const std::wstring& sTitle,
                                const std::wstring& sInitFolder, HWND hOwner);

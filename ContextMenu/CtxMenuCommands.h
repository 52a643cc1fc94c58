#pragma once
// The menu logic of the context-menu handler, free of COM: the command table, the selected paths
// and what each shell request does with them.
#include <windows.h>
#include <shobjidl.h>
#include <string>
#include <vector>

struct TMenuItemStruct {
    std::wstring Caption;
    std::wstring HelpText;
    std::wstring Verb;
};

class CtxMenuCommands {
public:
    // programPath: the program the command starts with the selected paths.
    explicit CtxMenuCommands(std::wstring programPath);

    void SetPaths(const std::vector<std::wstring>& paths);
    // The selected paths, each in double quotation marks, joined by one blank.
    std::wstring Arguments() const;

    // Adds separator, command, separator at indexMenu; answers the number of identifiers used.
    UINT QueryContextMenu(HMENU hMenu, UINT indexMenu, UINT idCmdFirst, UINT idCmdLast, UINT uFlags) const;
    HRESULT GetCommandString(UINT_PTR idCmd, UINT uType, char* pszName, UINT cchMax) const;
    // The command an invoke record names by offset or by verb; -1 when it names none of ours.
    int CommandIndex(const CMINVOKECOMMANDINFO& ici) const;
    // Starts the program for command 0; false for any other command or when it cannot start.
    bool Invoke(int index) const;

private:
    const TMenuItemStruct* Item(UINT_PTR idCmd) const;

    std::vector<TMenuItemStruct> m_items;
    std::vector<std::wstring> m_paths;
    std::wstring m_programPath;
};

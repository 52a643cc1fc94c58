#pragma once
#include "LibApi.h"
#include <string>

// Starts the RAR console archiver to pack a folder or unpack an archive; never waits for it.
class AXORVELLIB_API CRarCmd {
public:
    CRarCmd(); // rar.exe of the current folder, else the archiver's usual install place, else none

    const std::wstring& RarExe() const { return m_rarExe; }
    void SetRarExe(const std::wstring& s) { m_rarExe = s; }

    // False without an archiver path; raises 2946001 when no program is at that path.
    bool Unrar(const std::wstring& sRarFile, const std::wstring& sPath);
    bool Rar(const std::wstring& sPathname, const std::wstring& sRarFile);

private:
    void Start(const std::wstring& params, const std::wstring& folder);
    std::wstring m_rarExe;
};

#include "CSync.h"
#include "FileSystem.h"
#include "LikePattern.h"
#include "LongPath.h"
#include "PathName.h"
#include "SysError.h"
#include <windows.h>

namespace {
const wchar_t* const kSource = L"AxOrvelSync.CSync";
}

void CSync::SyncFile(const std::wstring& sSrc, const std::wstring& sDest) {
    SyncFileWith(sSrc, sDest, nullptr);
}

void CSync::SyncFileWith(const std::wstring& sSrc, const std::wstring& sDest, const TEnumEntry* srcFacts) {
    TTaskStruct rec;
    rec.Src = sSrc;
    rec.Dest = sDest;
    if (IsExclude(sSrc)) {
        m_excluded->Add(rec);
        return;
    }
    if (!m_wildPattern.empty()) {
        if (!MatchesLike(GetFileName(sSrc), m_wildPattern)) return;
        if (!m_wildDest.empty()) rec.Dest = JoinPath(m_wildDest, GetFileName(sDest));
    }
    TEnumEntry queried;
    if (!srcFacts) {
        if (!QueryPath(sSrc, queried)) return;
        srcFacts = &queried;
    }
    if (srcFacts->IsFolder()) return;
    try {
        auto destFacts = Facts(rec.Dest);
        if (destFacts && !destFacts->IsFolder())
            SyncExisting(rec, *srcFacts, *destFacts);
        else if (m_set.Add)
            AddMissing(rec, *srcFacts);
    } catch (const CError& e) {
        Fail(rec, e.Description);
        throw;
    }
}

void CSync::SyncExisting(const TTaskStruct& rec, const TEnumEntry& src, const TEnumEntry& dest) {
    int32_t flags = CompareFacts(rec.Src, &src, rec.Dest, &dest, m_set.BinaryCompare);
    if (!(flags & CFR_DIFF) || (m_set.CommitUpdate && m_set.Mode == UPM_DEST)) {
        Met(rec.Dest);
        return;
    }
    if (!m_set.CommitUpdate) {
        Record(*m_conflict, rec);
        return;
    }
    // The newest-wins mode updates like the source-wins mode.
    UpdateWithBackup(rec, src, dest);
    Record(*m_synced, rec);
}

void CSync::AddMissing(const TTaskStruct& rec, const TEnumEntry& src) {
    ++m_addedFileNum;
    if (!m_set.CommitAdd) {
        m_toAdd->Add(rec);
        return;
    }
    unsigned long err = CopyCreatingFolders(rec.Src, rec.Dest, true);
    Touch(rec.Dest, err ? nullptr : &src);
    if (err)
        Fail(rec, SystemErrorText(err));
    else
        Record(*m_added, rec);
}

// One rolling backup per file: the old destination becomes name._obk, replacing an older one. The
// new copy is swapped in only once it is complete, so a failure leaves the old file in place.
void CSync::UpdateWithBackup(const TTaskStruct& rec, const TEnumEntry& src, const TEnumEntry& dest) {
    std::wstring backup = rec.Dest + L"._obk";
    Met(backup);
    if (auto old = Facts(backup); old && !old->IsFolder()) {
        KillFiles(backup);
        Touch(backup);
    }
    unsigned long err = ReplaceFileSafely(rec.Src, rec.Dest, backup);
    Touch(backup, err ? nullptr : &dest);
    Touch(rec.Dest, err ? nullptr : &src);
    if (err) RaiseFileError(err, kSource);
}

unsigned long CSync::CopyCreatingFolders(const std::wstring& sSrc, const std::wstring& sDest,
                                         bool failIfExists) {
    CreateFolderPath(GetFolderPart(sDest));
    if (!failIfExists) return ReplaceFileSafely(sSrc, sDest);
    return CopyFileW(SystemPath(sSrc).c_str(), SystemPath(sDest).c_str(), TRUE) ? 0 : GetLastError();
}

int32_t CSync::CopyAndCreateFolder(const std::wstring& sSrc, const std::wstring& sDest,
                                   int32_t bFailIfExists) {
    unsigned long err = CopyCreatingFolders(sSrc, sDest, bFailIfExists != 0);
    SetLastError(err);
    return err ? 0 : 1;
}

int32_t CSync::Overwrite(const std::wstring& sSrc, const std::wstring& sDest) {
    return CopyAndCreateFolder(sSrc, sDest, 0);
}

int32_t CSync::DeletePath(const std::wstring& sPath) {
    if (!PathExists(sPath)) return 0;
    if (GetPathAttributes(sPath) & FILE_ATTRIBUTE_DIRECTORY) return DeleteFolderTreeResult(sPath) ? 0 : 1;
    KillFiles(sPath);
    return 1;
}

bool CSync::SyncRar(const std::wstring& sSrc, const std::wstring& sDest, bool bUnrar) {
    TTaskStruct rec;
    rec.Src = sSrc;
    rec.Dest = sDest;
    if (IsExclude(sSrc)) {
        m_excluded->Add(rec);
        return false;
    }
    return bUnrar ? m_rar.Unrar(sSrc, sDest) : m_rar.Rar(sSrc, sDest);
}

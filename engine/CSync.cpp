#include "CSync.h"
#include "CaseFold.h"
#include "COptionString.h"
#include "FileSystem.h"
#include "LongPath.h"
#include "PathName.h"
#include "SysError.h"
#include "Unique.h"

namespace {
std::wstring LowerExtension(const std::wstring& path) {
    return FoldCase(GetExtension(path));
}
} // namespace

CSync::CSync()
    : m_synced(std::make_shared<CTaskVector>()), m_conflict(std::make_shared<CTaskVector>()),
      m_toAdd(std::make_shared<CTaskVector>()), m_added(std::make_shared<CTaskVector>()),
      m_excluded(std::make_shared<CTaskVector>()), m_failed(std::make_shared<CTaskVector>()),
      m_toDelete(std::make_shared<CStringVector>()), m_deleted(std::make_shared<CStringVector>()),
      m_failedErrors(std::make_shared<CStringVector>()) {
    m_fileEnum.SetSink(this);
    m_fileEnum.SetLister(&m_cache);
}

CSync::~CSync() = default;

TTaskStruct CSync::Pair(const std::wstring& src, const std::wstring& dest) {
    TTaskStruct r;
    r.Src = src;
    r.Dest = dest;
    return r;
}

void CSync::Record(CTaskVector& v, const TTaskStruct& rec) {
    v.Add(rec);
    Met(rec.Dest);
}

void CSync::Fail(const TTaskStruct& rec, const std::wstring& error) {
    m_failed->Add(rec);
    m_failedErrors->Add(error);
    // A destination that could not be updated is still the source's counterpart, never an orphan.
    if (!rec.Dest.empty()) Met(rec.Dest);
}

std::optional<TEnumEntry> CSync::Facts(const std::wstring& path) {
    if (m_running) return m_cache.Find(path);
    TEnumEntry facts;
    if (QueryPath(path, facts)) return facts;
    return std::nullopt;
}

void CSync::Touch(const std::wstring& path, const TEnumEntry* facts) {
    if (m_running) m_cache.Touch(path, facts);
}

std::wstring CSync::Side(const TTaskStruct& task, bool source) const {
    return source != m_reverse ? task.Src : task.Dest;
}

void CSync::RaiseTask(TTaskStruct& task) {
    if (m_events) m_events->TaskCallback(task);
}

void CSync::SetUpTask(const TTaskStruct& task) {
    COptionString o;
    o.SetOptionsStr(task.Options);
    SplitPatterns(task.Exclude, m_taskExclude);
    if (o.IsExcludeBak()) m_taskExclude.push_back(L"*_obk*");
    m_set = {o.IsSubDir(),        o.IsAdd(),    o.IsCommitAdd(),    o.IsCommitUpdate(),
             o.IsBinaryCompare(), o.IsDelete(), o.IsCommitDelete(), task.UpdateMode};
}

void CSync::Walk(const std::wstring& root, int32_t& d, int32_t& f) {
    m_walkRoot = root;
    m_destRoot = StripTrailingBackslash(Side(*m_tasks->Item(m_current), false));
    m_srcFolder.clear();
    m_fileEnum.Enumerate(root, d, f, true, m_set.SubDir);
}

void CSync::SyncTasks(CTaskVector& taskVector, bool bReverse) {
    ScopeExit endRun([this] {
        m_running = false;
        m_cache.Clear();
    });
    m_running = true;
    m_tasks = &taskVector;
    m_reverse = bReverse;
    m_pass = 1;
    for (int32_t i = 0; i < taskVector.Count(); ++i) {
        m_current = i;
        if (auto task = taskVector.Item(i); task && task->Enabled) SyncTaskPass(*task);
    }
    m_pass = 2;
    for (int32_t i = 0; i < taskVector.Count(); ++i) {
        m_current = i;
        if (auto task = taskVector.Item(i); task && task->Enabled) DeleteTaskPass(*task);
    }
}

void CSync::SyncTaskPass(TTaskStruct& task) {
    std::wstring src = Side(task, true), dest = Side(task, false);
    m_wildPattern.clear();
    m_wildDest.clear();
    RaiseTask(task);
    uint32_t a = GetPathAttributes(src), b = GetPathAttributes(dest);
    std::wstring es = LowerExtension(src), ed = LowerExtension(dest);
    SetUpTask(task);
    int32_t d = 0, f = 0;
    if (IsFolderLike(a)) {
        if (ed == L"rar") {
            SyncRar(src, dest, false);
            Record(*m_synced, task);
            f = 1;
        } else if (IsFolderLike(b) || b == 0) {
            Walk(src, d, f);
        }
    } else if (es == L"rar") {
        SyncRar(src, dest, true);
        Record(*m_synced, task);
        d = 1;
    } else if (std::wstring n = GetFileName(src); n.find(L'*') == std::wstring::npos) {
        bool destIsFile = b != 0 && !IsFolderLike(b);
        SyncFileWith(src, destIsFile || !ed.empty() ? dest : JoinPath(dest, n), nullptr);
        f = 1;
    } else {
        m_wildPattern = n;
        COptionString o;
        o.SetOptionsStr(task.Options);
        if (o.IsWildcardNoSubdir()) m_wildDest = dest;
        Walk(GetFolderPart(src, true), d, f);
    }
    m_syncedFileNum += f;
    m_syncedDirNum += d;
}

void CSync::DeleteTaskPass(TTaskStruct& task) {
    SetUpTask(task);
    std::wstring src = Side(task, true), dest = Side(task, false);
    RaiseTask(task);
    uint32_t a = GetPathAttributes(src);
    // Without its source a task has nothing to compare with: a mistyped folder or an unplugged
    // drive must not make the whole destination look orphaned.
    if (a == 0) return;
    // What an archive task unpacks is the archiver's, which is not waited for.
    if (!IsFolderLike(a) && LowerExtension(src) == L"rar") return;
    if (!IsFolderLike(GetPathAttributes(dest)) || !m_set.Delete) return;
    int32_t d = 0, f = 0;
    Walk(dest, d, f);
}

void CSync::EnumCallback(const std::wstring& sPathname, const std::wstring& sFilename, int32_t iDirCount,
                         int32_t iFileCount, const TEnumEntry& entry) {
    if (m_pass == 1) {
        OnSyncEntry(sPathname, sFilename, entry);
        if (m_events) m_events->SyncCallback(sPathname, sFilename, iDirCount, iFileCount);
    } else if (m_pass == 2) {
        OnDeleteEntry(sPathname, sFilename, entry);
    }
}

void CSync::OnSyncEntry(const std::wstring& sPathname, const std::wstring& sFilename,
                        const TEnumEntry& entry) {
    // Every file of a folder shares the folder's counterpart: made once per folder.
    if (sPathname != m_srcFolder) {
        m_srcFolder = sPathname;
        m_destFolder = m_destRoot;
        if (sPathname != m_walkRoot)
            m_destFolder.append(sPathname, m_walkRoot.size() - (m_walkRoot.back() == L'\\' ? 1 : 0));
        else if (m_destRoot.size() == 2 && m_destRoot[1] == L':')
            m_destFolder += L'\\'; // a drive root
    }
    const std::wstring& df = m_destFolder;
    if (!sFilename.empty()) {
        SyncFileWith(JoinPath(sPathname, sFilename), JoinPath(df, sFilename), &entry);
        return;
    }
    if (auto facts = Facts(df); facts && facts->IsFolder()) {
        Met(df);
        return;
    }
    if (!m_set.Add || !m_wildDest.empty()) return;
    ++m_addedDirNum;
    TTaskStruct rec = Pair(sPathname, df);
    if (!m_set.CommitAdd) {
        m_toAdd->Add(rec);
        return;
    }
    unsigned long err = CreateFolderResult(df);
    TEnumEntry folder;
    folder.Attributes = FILE_ATTRIBUTE_DIRECTORY;
    Touch(df, err ? nullptr : &folder);
    if (err)
        Fail(rec, SystemErrorText(err));
    else
        Record(*m_added, rec);
}

void CSync::OnDeleteEntry(const std::wstring& sPathname, const std::wstring& sFilename,
                          const TEnumEntry& entry) {
    std::wstring c = sFilename.empty() ? sPathname : JoinPath(sPathname, sFilename);
    if (IsExclude(c) || IsMet(c)) return;
    if (!m_set.CommitDelete) {
        m_toDelete->Add(c);
        return;
    }
    DeleteCandidate(c, entry.IsFolder());
}

void CSync::DeleteCandidate(const std::wstring& c, bool isFolder) {
    std::wstring error;
    if (isFolder) {
        if (unsigned long err = DeleteFolderTreeResult(c)) error = SystemErrorText(err);
    } else {
        try {
            KillFiles(c);
        } catch (const CError& e) {
            error = e.Description;
        }
    }
    Touch(c);
    if (error.empty())
        m_deleted->Add(c);
    else
        Fail(Pair(L"", c), error);
}

#pragma once
#include "CFileEnumerator.h"
#include "CFolderCache.h"
#include "CRarCmd.h"
#include "CStringVector.h"
#include "CTaskVector.h"
#include "EngineApi.h"
#include "FoldedKeys.h"
#include <memory>
#include <string>

// The engine's events, raised synchronously on the caller's thread.
class ISyncEvents {
public:
    virtual void StatisCallback(int32_t /*iDirCount*/, int32_t /*iFileCount*/) {}
    virtual void TaskCallback(TTaskStruct& /*task*/) {}
    virtual void SyncCallback(const std::wstring& /*sPathname*/, const std::wstring& /*sFilename*/,
                              int32_t /*iDirCount*/, int32_t /*iFileCount*/) {}

protected:
    ~ISyncEvents() = default;
};

// Runs lists of tasks: a synchronisation pass that copies and updates where the options allow it
// and records the rest, then a deletion pass over the destinations. One object serves one run;
// its lists and counters only grow. A run lists every folder once: StatisTask's listings of the
// sources are kept for the SyncTasks that follows it and dropped when that run ends.
class AXORVELSYNC_API CSync : private IEnumSink {
public:
    CSync();
    CSync(const CSync&) = delete;
    CSync& operator=(const CSync&) = delete;
    ~CSync();

    void SetEvents(ISyncEvents* events) { m_events = events; }

    // Comparison, exclusion and statistics.
    const std::wstring& ExcludePath() const { return m_excludePath; }
    void SetExcludePath(const std::wstring& s);
    int32_t IsConflict(const std::wstring& sSrc, const std::wstring& sDest, bool bBinaryCompare);
    bool IsExclude(const std::wstring& sPath) const;
    void StatisTask(CTaskVector& taskVector, int32_t& iTotalDirNum, int32_t& iTotalFileNum,
                    bool bReverse = false, bool bCallback = true);
    int32_t TotalFileNum() const { return m_totalFileNum; }
    int32_t TotalDirNum() const { return m_totalDirNum; }

    // Task execution.
    void SetRarPath(const std::wstring& s) { m_rar.SetRarExe(s); }
    int32_t AddedDirNum() const { return m_addedDirNum; }
    int32_t AddedFileNum() const { return m_addedFileNum; }
    int32_t SyncedFileNum() const { return m_syncedFileNum; }
    int32_t SyncedDirNum() const { return m_syncedDirNum; }
    std::shared_ptr<CTaskVector> SyncedVector() const { return m_synced; }
    std::shared_ptr<CTaskVector> ConflictVector() const { return m_conflict; }
    std::shared_ptr<CTaskVector> ToAddVector() const { return m_toAdd; }
    std::shared_ptr<CTaskVector> AddedVector() const { return m_added; }
    std::shared_ptr<CStringVector> ToDeleteVector() const { return m_toDelete; }
    std::shared_ptr<CStringVector> DeletedVector() const { return m_deleted; }
    std::shared_ptr<CTaskVector> ExcludedVector() const { return m_excluded; }
    // Copies, updates and deletions that failed, with the system's reason at the same index.
    std::shared_ptr<CTaskVector> FailedVector() const { return m_failed; }
    std::shared_ptr<CStringVector> FailedErrorVector() const { return m_failedErrors; }

    // A raised error of a single-file or archive task ends the run and reaches the caller.
    void SyncTasks(CTaskVector& taskVector, bool bReverse = false);
    void SyncFile(const std::wstring& sSrc, const std::wstring& sDest);
    bool SyncRar(const std::wstring& sSrc, const std::wstring& sDest, bool bUnrar);
    int32_t Overwrite(const std::wstring& sSrc, const std::wstring& sDest);
    // 1 when the path was there and is gone, else 0; a file that cannot be deleted raises.
    int32_t DeletePath(const std::wstring& sPath);
    int32_t CopyAndCreateFolder(const std::wstring& sSrc, const std::wstring& sDest,
                                int32_t bFailIfExists = 1);

    // Backups.
    bool Backup(const std::wstring& sSrc, const std::wstring& sDest, bool bTimeNamed = false,
                int32_t lRndNamed = 0, bool bAutoNoConflict = false);
    bool DirBackup(const std::wstring& sSrc, const std::wstring& sDest, bool bTimeNamed = false,
                   int32_t lRndNamed = 0, bool bAutoNoConflict = false);

private:
    struct TaskSettings {
        bool SubDir = false, Add = false, CommitAdd = false, CommitUpdate = false, BinaryCompare = false;
        bool Delete = false, CommitDelete = false;
        EnumUpdateMode Mode = UPM_SRC;
    };

    void EnumCallback(const std::wstring& sPathname, const std::wstring& sFilename, int32_t iDirCount,
                      int32_t iFileCount, const TEnumEntry& entry) override;
    void OnSyncEntry(const std::wstring& sPathname, const std::wstring& sFilename, const TEnumEntry& entry);
    void OnDeleteEntry(const std::wstring& sPathname, const std::wstring& sFilename, const TEnumEntry& entry);
    void SyncTaskPass(TTaskStruct& task);
    void DeleteTaskPass(TTaskStruct& task);
    void SetUpTask(const TTaskStruct& task);
    void Walk(const std::wstring& root, int32_t& d, int32_t& f);
    std::wstring Side(const TTaskStruct& task, bool source) const;
    void RaiseTask(TTaskStruct& task);

    void SyncFileWith(const std::wstring& sSrc, const std::wstring& sDest, const TEnumEntry* srcFacts);
    void SyncExisting(const std::wstring& sSrc, const std::wstring& sDest, const TEnumEntry& src,
                      const TEnumEntry& dest);
    void AddMissing(const std::wstring& sSrc, const std::wstring& sDest, const TEnumEntry& src);
    void UpdateWithBackup(const std::wstring& sSrc, const std::wstring& sDest, const TEnumEntry& src,
                          const TEnumEntry& dest);
    void DeleteCandidate(const std::wstring& c, bool isFolder);
    unsigned long CopyCreatingFolders(const std::wstring& sSrc, const std::wstring& sDest, bool failIfExists);
    std::optional<TEnumEntry> Facts(const std::wstring& path);
    void Touch(const std::wstring& path, const TEnumEntry* facts = nullptr);
    int32_t CompareFacts(const std::wstring& sSrc, const TEnumEntry* src, const std::wstring& sDest,
                         const TEnumEntry* dest, bool bBinaryCompare);
    bool ContentsEqual(const std::wstring& a, const std::wstring& b);
    std::wstring BackupSuffix(bool bTimeNamed, int32_t k) const;
    std::wstring FreeBackupName(const std::wstring& sDest, bool bTimeNamed, int32_t k, bool bAutoNoConflict,
                                bool folderForm) const;

    // The deletion pass keeps every destination the synchronisation pass met (the conflict,
    // synced, added and unchanged lists, and failures): a mark on the destination's listing entry,
    // or for a path outside the listings a case-folded set, instead of four list scans. The marks
    // of one SyncTasks end with it, as its listings do.
    void Met(const std::wstring& dest) {
        if (!m_running || !m_cache.Mark(dest)) m_met.insert(dest);
    }
    bool IsMet(const std::wstring& dest) {
        return m_met.count(dest) || (m_running && m_cache.IsMarked(dest));
    }
    void Record(CTaskVector& v, const TTaskStruct& rec);
    void Fail(const TTaskStruct& rec, const std::wstring& error);
    static TTaskStruct Pair(const std::wstring& src, const std::wstring& dest); // a result record
    static void SplitPatterns(const std::wstring& text, std::vector<std::wstring>& into);

    ISyncEvents* m_events = nullptr;
    std::wstring m_excludePath;
    std::vector<std::wstring> m_taskExclude, m_globalExclude; // matched for every file
    int32_t m_totalFileNum = 0, m_totalDirNum = 0;
    int32_t m_addedFileNum = 0, m_addedDirNum = 0, m_syncedFileNum = 0, m_syncedDirNum = 0;
    std::shared_ptr<CTaskVector> m_synced, m_conflict, m_toAdd, m_added, m_excluded, m_failed;
    std::shared_ptr<CStringVector> m_toDelete, m_deleted, m_failedErrors;
    FoldedSet m_met;

    CFileEnumerator m_fileEnum;
    CRarCmd m_rar;
    CFolderCache m_cache;
    bool m_running = false;

    // Run state.
    CTaskVector* m_tasks = nullptr;
    int32_t m_current = -1;
    int32_t m_pass = 0;
    bool m_reverse = false;
    TaskSettings m_set;
    std::wstring m_wildPattern, m_wildDest, m_walkRoot;
    std::wstring m_destRoot; // the current task's destination, its folders mirroring the walked ones
    std::wstring m_srcFolder, m_destFolder; // the folder being walked and its counterpart
};

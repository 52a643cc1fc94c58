#include "TaskRun.h"
#include "CSync.h"
#include "Console.h"
#include "RunReport.h"
#include <optional>
#include <windows.h>

namespace {
// A progress line on a console: files done of the counted total, a few times a second.
class Progress : public ISyncEvents {
public:
    explicit Progress(const CSync& sync) : m_sync(sync), m_shown(IsConsole(Stream::Err)) {}
    ~Progress() {
        if (m_any) Write(Stream::Err, L"\n");
    }
    void SyncCallback(const std::wstring&, const std::wstring&, int32_t, int32_t iFileCount) override {
        ULONGLONG now = GetTickCount64();
        if (!m_shown || now - m_last < 200) return;
        m_last = now;
        m_any = true;
        Write(Stream::Err, L"\r已完成 " + std::to_wstring(iFileCount + m_sync.SyncedFileNum()) + L" / " +
                               std::to_wstring(m_sync.TotalFileNum()) + L" 个文件");
    }

private:
    const CSync& m_sync;
    bool m_shown, m_any = false;
    ULONGLONG m_last = 0;
};
} // namespace

int RunTasksAndReport(CTaskVector& tasks, const RunOptions& options) {
    CSync sync;
    if (!options.RarPath.empty()) sync.SetRarPath(options.RarPath);
    sync.SetExcludePath(options.ExcludePath);
    std::optional<CError> error;
    {
        Progress progress(sync);
        sync.SetEvents(&progress);
        int32_t dirs = 0, files = 0;
        sync.StatisTask(tasks, dirs, files, options.Reverse, true);
        try {
            sync.SyncTasks(tasks, options.Reverse);
        } catch (const CError& e) {
            error = e;
        }
        sync.SetEvents(nullptr);
    }
    const CError* err = error ? &*error : nullptr;
    if (options.Json)
        WriteUtf8(Stream::Out, JsonReport(sync, err) + "\n");
    else
        Write(Stream::Out, TextReport(sync, err));
    if (err) return kExitEndedEarly;
    int pending = sync.ConflictVector()->Count() + sync.ToAddVector()->Count() +
                  sync.ToDeleteVector()->Count() + sync.FailedVector()->Count();
    return pending ? kExitPending : kExitDone;
}

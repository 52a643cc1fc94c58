// The library's message and input dialogs in their main styles.
#include "Shots.h"
#include "dialogs/CDialog.h"

namespace {
CDialog& Dialogs() {
    static CDialog dialog;
    return dialog;
}

ShotRegistrar confirm(L"frmMsgDlg-579-confirm",
                      [] { Dialogs().ShowMsgDlg(L"确定要删除选中的 3 个任务吗?\r\n删除后不能恢复。", 579); });
ShotRegistrar unload(L"frmMsgDlg-67-captions", [] {
    Dialogs().ShowMsgDlg(L"您要最小化到系统托盘还是退出 OrvelSync?", 67, L"OrvelSync", nullptr, L"", 0,
                         L"最小化", L"退出");
});
ShotRegistrar notice(L"frmMsgDlg-64-notice",
                     [] { Dialogs().ShowMsgDlg(L"复制选中的文件:\r\n成功: 12  失败: 1", 64); });
ShotRegistrar warning(L"frmMsgDlg-48-warning", [] {
    Dialogs().ShowMsgDlg(L"任务“备份文档”的同步次数已达到上限，本次不再同步。这一行比较长，用来查看提示文字换"
                         L"行后对话框是否随之变高。",
                         48);
});
ShotRegistrar question(L"frmMsgDlg-292-question", [] {
    long flags = MDS_CHECKBOX | MDS_CHECKED;
    Dialogs().ShowMsgDlg(L"检测到卷标为“U盘”的驱动器，是否开始同步?", 32 + 4 + 256, L"", &flags);
});
ShotRegistrar input(L"frmInputDlg", [] {
    std::wstring name = L"我的配置";
    Dialogs().ShowInputDlg(name, L"新建配置", L"请输入配置名称:");
});
} // namespace

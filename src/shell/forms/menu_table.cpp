#include "shell/forms/menu_table.h"

#include "shell/forms/main_window.h"

namespace {

constexpr QKeyCombination Ctrl(Qt::Key key) {
  return QKeyCombination(Qt::CTRL, key);
}

using M = MDImain;
using R = MenuRow;
// The menu bar, its shortcuts and handlers, and the toolbar; the captions of each
// language stand here once. proc_type's caption is "机 型" until the first switch.
const MenuRow kRows[] = {
    {&M::File, nullptr, "File", "文件", "File", kNoKey, nullptr, R::kNone, nullptr},
    {nullptr, &M::File_New, "File_New", "新建", "New", Ctrl(Qt::Key_N), &M::File_New_Click,
     R::kNone, nullptr},
    {nullptr, &M::File_Open, "File_Open", "打开", "Open", Ctrl(Qt::Key_O), &M::File_Open_Click,
     R::kNone, "open"},
    {nullptr, &M::File_save, "File_save", "保存", "Save", Ctrl(Qt::Key_S), &M::File_save_Click,
     R::kNone, "save"},
    {nullptr, &M::File_saveas, "File_saveas", "另存为", "Save As", kNoKey, &M::File_saveas_Click,
     R::kNone, nullptr},
    {nullptr, &M::File_import_csv, "File_import_csv", "导入 CSV...", "Import CSV...", kNoKey,
     &M::File_import_csv_Click, R::kNone, nullptr},
    {nullptr, &M::File_export_csv, "File_export_csv", "导出 CSV...", "Export CSV...", kNoKey,
     &M::File_export_csv_Click, R::kNone, nullptr},
    {nullptr, &M::File_export_sheet, "File_export_sheet", "导出信道表 PDF...",
     "Export Channel Sheet PDF...", kNoKey, &M::File_export_sheet_Click, R::kNone, nullptr},
    {nullptr, &M::File_exit, "File_exit", "退出", "Exit", kNoKey, &M::File_exit_Click, R::kNone,
     nullptr},
    {nullptr, &M::proc_type, "proc_type", "机型", "Model", kNoKey, &M::proc_type_Click,
     R::kTopLevel, nullptr},
    {&M::Edit, nullptr, "Edit", "编辑", "Edit", kNoKey, nullptr, R::kNone, nullptr},
    {nullptr, &M::Edit_undo, "Edit_undo", "撤销", "Undo", Ctrl(Qt::Key_Z), &M::Edit_undo_Click,
     R::kNone, nullptr},
    {nullptr, &M::Edit_redo, "Edit_redo", "重做", "Redo", Ctrl(Qt::Key_Y), &M::Edit_redo_Click,
     R::kNone, nullptr},
    {nullptr, &M::Channel_edit, "Channel_edit", "信道信息", "Channel Information ", kNoKey,
     &M::Channel_edit_Click, R::kSeparatorBefore, "edit_chann"},
    {nullptr, &M::Optional_edit, "Optional_edit", "可选功能", "Optional Features", kNoKey,
     &M::Optional_edit_Click, R::kNone, nullptr},
    {nullptr, &M::key_edit, "key_edit", "键设定", "Key Assignment", kNoKey, &M::key_edit_Click,
     R::kNone, nullptr},
    {nullptr, &M::Scan_edit, "Scan_edit", "扫描信息", "Scan Information", kNoKey,
     &M::Scan_edit_Click, R::kHidden, nullptr},
    {nullptr, &M::Dtmf_edit, "Dtmf_edit", "DTMF(双音多频)", "DTMF", kNoKey, &M::Dtmf_edit_Click,
     R::kNone, nullptr},
    {nullptr, &M::Fleetsync_edit, "Fleetsync_edit", "FleetSync(队列同步)", "FleetSync", kNoKey,
     &M::Fleetsync_edit_Click, R::kHidden, nullptr},
    {nullptr, &M::Test_edit, "Test_edit", "收音机编辑", "Radio", kNoKey, &M::Test_edit_Click,
     R::kHidden, nullptr},
    {nullptr, &M::Message_edit, "Message_edit", "嵌入信息", "Embedded Message", kNoKey,
     &M::Message_edit_Click, R::kHidden, nullptr},
    {&M::Program, nullptr, "Program", "编程", "Program", kNoKey, nullptr, R::kNone, nullptr},
    {nullptr, &M::Prog_read, "Prog_read", "从对讲机读取数据", "Read from radio", Ctrl(Qt::Key_R),
     &M::Prog_read_Click, R::kNone, "read"},
    {nullptr, &M::Prog_write, "Prog_write", "向对讲机写入数据", "Write to radio", Ctrl(Qt::Key_W),
     &M::Prog_write_Click, R::kNone, "write"},
    {nullptr, &M::Prog_verify, "Prog_verify", "校验对讲机...", "Verify Radio...", kNoKey,
     &M::Prog_verify_Click, R::kNone, nullptr},
    {nullptr, &M::Prog_clone, "Prog_clone", "批量写入...", "Clone to Radios...", kNoKey,
     &M::Prog_clone_Click, R::kNone, nullptr},
    {nullptr, &M::Prog_test, "Prog_test", "测试模式", "Test Mode", Ctrl(Qt::Key_T),
     &M::Prog_test_Click, R::kNone, nullptr},
    {&M::Tools, nullptr, "Tools", "工具", "Tools", kNoKey, nullptr, R::kHidden, nullptr},
    {nullptr, &M::Info, "Info", "对讲机信息", "Radio Information", kNoKey, &M::Info_Click,
     R::kHidden, nullptr},
    {nullptr, &M::proc_setup, "proc_setup", "端口设置", "Communication", kNoKey,
     &M::proc_setup_Click, R::kTopLevel, nullptr},
    {&M::Language_Setup, nullptr, "Language_Setup", "语言", "Language", kNoKey, nullptr, R::kNone,
     nullptr},
    {nullptr, &M::Language_chn, "Language_chn", "中文", "中文", kNoKey, &M::Language_chn_Click,
     R::kCheckable, nullptr},
    {nullptr, &M::Language_eng, "Language_eng", "English", "English", kNoKey,
     &M::Language_eng_Click, R::kCheckable, nullptr},
    {nullptr, &M::Menu_About, "Menu_About", "关于", "About", kNoKey, &M::Menu_About_Click,
     R::kTopLevel, nullptr},
    {nullptr, &M::Menu_exit, "Menu_exit", "退出", "Exit", kNoKey, &M::Menu_exit_Click, R::kTopLevel,
     nullptr},
};
constexpr const char* kToolbarKeys[] = {"open", "save", "edit_chann", "read", "write", "Exit"};
}  // namespace

std::span<const MenuRow> MenuRows() {
  return kRows;
}

std::span<const char* const> ToolbarKeys() {
  return kToolbarKeys;
}

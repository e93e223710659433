#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "files/channel_sheet.h"
#include "files/chirp_csv.h"
#include "files/io/sheet_pdf.h"
#include "shell/forms/file_commands.h"
#include "shell/forms/form_import_csv.h"
#include "shell/forms/main_window.h"
#include "shell/forms/ui.h"
#include "shell/io/settings_file.h"
#include "shell/model_band.h"

namespace {

QString Shown(const QString& path) {
  return QDir::toNativeSeparators(path);
}

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

QString FileCommands::Lang(const char* chinese, const char* english) const {
  return main_.Lang(chinese, english);
}

void FileCommands::Tell(const QString& text, bool information) {
  ShowMessage(text, PromptTitle(main_.Settings().LangChinese),
              information ? MsgIcon::Information : MsgIcon::Warning);
}

// The file dialogs start in the folder of the last file one of them read or wrote,
// kept in the settings file; else in the working folder.
QString FileCommands::Choose(bool save, const QString& caption, const QString& suggested,
                             const QString& filter, const QString& suffix) {
  QString folder = RememberedFolder();
  if (folder.isEmpty()) folder = QDir::currentPath();
  const QString start = suggested.isEmpty() ? folder : QDir(folder).filePath(suggested);
  return ChooseFile(
      {save ? FileDialogMode::Save : FileDialogMode::Open, caption, start, filter, suffix});
}

// Only a folder whose file was read or written is remembered: a failed export into
// a folder that hangs must not become where every later dialog opens.
void FileCommands::Done(const QString& path) {
  RememberFolder(QFileInfo(path).absolutePath());
}

bool FileCommands::ReadCsv(const QString& path, std::string& text) {
  const QFileInfo info(path);
  auto refuse = [&](const char* chinese, const char* english) {
    Tell(Lang(chinese, english).arg(Shown(path)));
    return false;
  };
  if (!info.exists())
    return refuse("文件 %1 不存在，未导入任何信道。",
                  "The file %1 does not exist; no channel was imported.");
  // A folder, a pipe or a device is no CSV, and a pipe could hang the reading.
  if (!info.isFile())
    return refuse("%1 不是文件，未导入任何信道。", "%1 is not a file; no channel was imported.");
  QFile file(path);
  QByteArray bytes;
  if (file.open(QIODevice::ReadOnly)) bytes = file.read(static_cast<qint64>(kCsvMaxBytes) + 1);
  if (!file.isOpen() || file.error() != QFileDevice::NoError)
    return refuse("无法读取文件 %1，未导入任何信道。",
                  "The file %1 cannot be read; no channel was imported.");
  if (static_cast<std::size_t>(bytes.size()) > kCsvMaxBytes) {
    Tell(Q(CsvTooBigText(Shown(path).toStdString(), static_cast<std::size_t>(info.size()),
                         main_.Settings().LangChinese)));
    return false;
  }
  text.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  return true;
}

int FileCommands::AskToSave(const char* chinese, const char* english, const char* discardChinese,
                            const char* discardEnglish) {
  return ShowQuestion(
      Lang(chinese, english),
      {Lang("保存", "Save"), Lang(discardChinese, discardEnglish), Lang("取消", "Cancel")},
      PromptTitle(main_.Settings().LangChinese));
}

void FileCommands::SaveThen(std::function<void()> then) {
  afterSave_ = std::move(then);
  Save();
}

void FileCommands::SaveWindowClosed() {
  if (!afterSave_) return;
  auto then = std::exchange(afterSave_, nullptr);
  // Queued: the save window's handler is still on the stack.
  if (!main_.Document().Unsaved()) QMetaObject::invokeMethod(&main_, then, Qt::QueuedConnection);
}

void FileCommands::New() {
  RadioDocument& doc = main_.Document();
  if (main_.ImageChanged()) {
    const int answer = AskToSave(
        "信道数据已修改，尚未保存到文件或写入对讲机。继续前保存吗？",
        "The channel data has changed and has not been saved to a file or written to a radio. "
        "Save before continuing?",
        "不保存", "Don't Save");
    if (answer == 0) SaveThen([&doc] { doc.New(); });
    if (answer != 1) return;
  }
  doc.New();
}

void FileCommands::Open() {
  main_.OpenChild("Form_open_chann");
}

void FileCommands::Save() {
  main_.OpenChild("Form_save_chann");
}

void FileCommands::ImportCsv() {
  const QString path = Choose(false, Lang("导入 CSV", "Import CSV"), {}, CsvFilter(), "csv");
  if (path.isEmpty()) return;
  std::string text;
  if (!ReadCsv(path, text)) return;
  Done(path);

  const FreqRange limits = main_.Document().Limits();
  std::vector<CsvRow> rows;
  std::vector<CsvProblem> problems =
      ReadChirpCsv(text, limits, [&](CsvRow&& row) { rows.push_back(std::move(row)); });
  if (problems.empty() && rows.empty()) problems.push_back({0, "", "", CsvReason::NoChannel, {}});
  if (!problems.empty()) {
    QStringList list;
    for (const CsvProblem& problem : problems)
      list << Q(CsvProblemText(problem, main_.Settings().LangChinese));
    Tell(Lang("文件 %1 中有无法导入的内容，未导入任何信道：\n%2",
              "The file %1 holds what cannot be imported; no channel was imported:\n%2")
             .arg(Shown(path), list.join('\n')));
    return;
  }
  auto* form = main_.OpenChildAs<Form_import_csv>(QStringLiteral("Form_import_csv"));
  if (!form) return;
  form->ShowRows(Shown(path), CsvImportChoice(std::move(rows)), limits,
                 [this](const CsvImportChoice& choice, FreqRange rowLimits) {
                   // What was typed before is a step of its own; the import is the next one.
                   main_.CommitOpenEdits();
                   RadioImage image = main_.Document().Image();
                   choice.Store(rowLimits, image);
                   main_.Document().Enter(image, ImageSource::Import);
                 });
}

void FileCommands::ExportCsv() {
  const QString path =
      Choose(true, Lang("导出 CSV", "Export CSV"), "channels.csv", CsvFilter(), "csv");
  if (path.isEmpty()) return;
  main_.CommitOpenEdits();
  const std::string text = ChirpCsvText(main_.Document().Image());
  const auto size = static_cast<qint64>(text.size());
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), size) != size || !file.commit()) {
    WriteFailed(path, file.errorString());
    return;
  }
  Done(path);
  Tell(Lang("信道已导出到 %1。", "The channels were exported to %1.").arg(Shown(path)), true);
}

void FileCommands::ExportSheet() {
  const QString path =
      Choose(true, Lang("导出信道表 PDF", "Export Channel Sheet PDF"), "channel-sheet.pdf",
             Lang("PDF 文件 (*.pdf *.PDF);;所有文件 (*)", "PDF files (*.pdf *.PDF);;All files (*)"),
             "pdf");
  if (path.isEmpty()) return;
  main_.CommitOpenEdits();
  const std::string today = QDate::currentDate().toString(Qt::ISODate).toStdString();
  QString error;
  if (!WriteChannelSheetPdf(BuildChannelSheet(main_.Document().Image(), kModelName, today,
                                              main_.Settings().LangChinese),
                            path, error)) {
    WriteFailed(path, error);
    return;
  }
  Done(path);
  Tell(Lang("信道表已导出到 %1。", "The channel sheet was exported to %1.").arg(Shown(path)), true);
}

QString FileCommands::CsvFilter() const {
  return Lang("CSV 文件 (*.csv *.CSV);;所有文件 (*)", "CSV files (*.csv *.CSV);;All files (*)");
}

void FileCommands::WriteFailed(const QString& path, const QString& reason) {
  Tell(Lang("无法写入文件 %1，原有文件保持不变：%2",
            "The file %1 could not be written; an existing file was left unchanged: %2")
           .arg(Shown(path), reason));
}

// The File menu's CSV import and export and the channel sheet: the platform's file
// dialog, then the files core; the main window only shows what came of it.
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
#include "shell/forms/form_import_csv.h"
#include "shell/forms/main_window.h"
#include "shell/forms/ui.h"
#include "shell/model_band.h"
#include "shell/state.h"

namespace {

// Where the three file dialogs start: the folder of the last file chosen in this run.
QString& LastFolder() {
  static QString folder = QDir::currentPath();
  return folder;
}

QString Choose(FileDialogMode mode, const QString& caption, const QString& suggested,
               const QString& filter, const QString& suffix) {
  const QString start = suggested.isEmpty() ? LastFolder() : QDir(LastFolder()).filePath(suggested);
  const QString path = ChooseFile({mode, caption, start, filter, suffix});
  if (!path.isEmpty()) LastFolder() = QFileInfo(path).absolutePath();
  return path;
}

QString CsvFilter() {
  return Lang("CSV 文件 (*.csv *.CSV);;所有文件 (*)", "CSV files (*.csv *.CSV);;All files (*)");
}

QString Shown(const QString& path) {
  return QDir::toNativeSeparators(path);
}

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

// The CSV's text, or nothing with the reason shown.
std::optional<std::string> ReadCsv(const QString& path) {
  const QFileInfo info(path);
  auto refuse = [&](const char* chinese, const char* english) {
    ShowMessage(Lang(chinese, english).arg(Shown(path)));
    return std::nullopt;
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
    ShowMessage(Q(CsvTooBigText(Shown(path).toStdString(), static_cast<std::size_t>(info.size()),
                                LangChinese)));
    return std::nullopt;
  }
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void ShowWriteFailure(const QString& path, const QString& reason) {
  ShowMessage(Lang("无法写入文件 %1，原有文件保持不变：%2",
                   "The file %1 could not be written; an existing file was left unchanged: %2")
                  .arg(Shown(path), reason));
}

}  // namespace

void MDImain::File_import_csv_Click() {
  const QString path =
      Choose(FileDialogMode::Open, Lang("导入 CSV", "Import CSV"), {}, CsvFilter(), "csv");
  if (path.isEmpty()) return;
  const auto text = ReadCsv(path);
  if (!text) return;

  const FreqRange limits{FreqLow, FreqHigh};
  std::vector<CsvRow> rows;
  std::vector<CsvProblem> problems =
      ReadChirpCsv(*text, limits, [&](CsvRow&& row) { rows.push_back(std::move(row)); });
  if (problems.empty() && rows.empty()) problems.push_back({0, "", "", CsvReason::NoChannel, {}});
  if (!problems.empty()) {
    QStringList list;
    for (const CsvProblem& problem : problems) list << Q(CsvProblemText(problem, LangChinese));
    ShowMessage(Lang("文件 %1 中有无法导入的内容，未导入任何信道：\n%2",
                     "The file %1 holds what cannot be imported; no channel was imported:\n%2")
                    .arg(Shown(path), list.join('\n')));
    return;
  }
  auto* form = OpenChildAs<Form_import_csv>(QStringLiteral("Form_import_csv"));
  if (!form) return;
  form->ShowRows(Shown(path), CsvImportChoice(std::move(rows)), limits,
                 [this](const CsvImportChoice& choice, FreqRange rowLimits) {
                   // What was typed before is a step of its own; the import is the next one.
                   CommitOpenEdits();
                   history_.Checkpoint(TheImage(), typing_);
                   typing_ = 0;
                   choice.Store(rowLimits, TheImage());
                   ImageReplaced();
                 });
}

void MDImain::File_export_csv_Click() {
  const QString path = Choose(FileDialogMode::Save, Lang("导出 CSV", "Export CSV"), "channels.csv",
                              CsvFilter(), "csv");
  if (path.isEmpty()) return;
  CommitOpenEdits();
  const std::string text = ChirpCsvText(TheImage());
  const auto size = static_cast<qint64>(text.size());
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), size) != size || !file.commit()) {
    ShowWriteFailure(path, file.errorString());
    return;
  }
  ShowMessage(Lang("信道已导出到 %1。", "The channels were exported to %1.").arg(Shown(path)),
              QString(), MsgIcon::Information);
}

void MDImain::File_export_sheet_Click() {
  const QString path = Choose(
      FileDialogMode::Save, Lang("导出信道表 PDF", "Export Channel Sheet PDF"), "channel-sheet.pdf",
      Lang("PDF 文件 (*.pdf *.PDF);;所有文件 (*)", "PDF files (*.pdf *.PDF);;All files (*)"),
      "pdf");
  if (path.isEmpty()) return;
  CommitOpenEdits();
  const std::string today = QDate::currentDate().toString(Qt::ISODate).toStdString();
  QString error;
  if (!WriteChannelSheetPdf(BuildChannelSheet(TheImage(), ModelName[0], today, LangChinese), path,
                            error)) {
    ShowWriteFailure(path, error);
    return;
  }
  ShowMessage(Lang("信道表已导出到 %1。", "The channel sheet was exported to %1.").arg(Shown(path)),
              QString(), MsgIcon::Information);
}

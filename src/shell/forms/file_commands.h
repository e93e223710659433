#pragma once
// The File menu's commands: New, Open, Save, Save As, the CSV import and export and
// the channel sheet. The platform's file dialog and the files core; the document
// takes what comes in, and the main window only holds the menu that runs these.
#include <QString>
#include <functional>
#include <string>

class MDImain;

class FileCommands {
 public:
  explicit FileCommands(MDImain& main) : main_(main) {}

  void New();
  void Open();
  void Save();
  void ImportCsv();
  void ExportCsv();
  void ExportSheet();

  // The question before work is lost: 0 save, 1 go on without, 2 cancel.
  int AskToSave(const char* chinese, const char* english, const char* discardChinese,
                const char* discardEnglish);
  // Opens the save window; `then` runs once the image is saved and the window has
  // gone, never when it closed without saving.
  void SaveThen(std::function<void()> then);
  // Called as the save window unloads.
  void SaveWindowClosed();

 private:
  QString Lang(const char* chinese, const char* english) const;
  void Tell(const QString& text, bool information = false);
  QString Choose(bool save, const QString& caption, const QString& suggested, const QString& filter,
                 const QString& suffix);
  static void Done(const QString& path);
  bool ReadCsv(const QString& path, std::string& text);
  QString CsvFilter() const;
  void WriteFailed(const QString& path, const QString& reason);

  MDImain& main_;
  std::function<void()> afterSave_;
};

#pragma once
// Form_open_chann and Form_save_chann: load the radio image from a channel
// parameter file, or save it to one.
#include <QString>
#include <QStringList>

#include "shell/forms/child_form.h"

class ComboBox;
class DirListBox;
class FileListBox;
class QLabel;
class QPushButton;
class TextBox;

// The folder both dialogs start in: the one the program was started in, until the
// user goes to another in this run. Nothing of it is kept between runs.
QString ChannFileDir(const AppSettings& settings);
void SetChannFileDir(AppSettings& settings, const QString& dir);
// Back to the folder the program was started in.
void ResetChannFileDir(AppSettings& settings);

// The open dialog's whole-file check and load: the channel file at path replaces rows
// 0..255, columns 0..15 of the document's image when every number in it is good (one
// undo step, and what is saved). Empty when loaded, else the dialog's message, the
// image unchanged.
QString LoadChannFile(MDImain& main, const QString& path, ImageSource source = ImageSource::Open);

// rt410-cps FILE.chann, as a desktop starts the program for a double-clicked file: the
// one argument, ending as the open dialog requires, is loaded in silence, or its
// message shown and the start-up image kept. Any other arguments change nothing.
void OpenFileGivenAtStart(MDImain& main, const QStringList& arguments);

// A Chinese/English pair of texts.
struct LangPair {
  const char* chinese;
  const char* english;
};

// What both dialogs have: the drive, folder and file lists and the name box.
class ChannFileForm : public ChildForm {
  Q_OBJECT

 public:
  // nameLabel: the objectName of the name box's label; the window caption and the
  // label's caption.
  ChannFileForm(MDImain* main, const char* nameLabel, LangPair caption, LangPair nameCaption);

  // Captions, placement and the lists.
  void Form_Load() override;
  void Form_Activate() override;
  void Drive1_Click();
  void Dir1_Change();
  void File1_Click();
  void Command_close_Click() { Unload(); }
  virtual void Command_enter_Click() = 0;

  ComboBox* Drive1;
  DirListBox* Dir1;
  FileListBox* File1;
  TextBox* Text1;
  QPushButton* Command_enter;
  QPushButton* Command_close;
  QPushButton* Command_Help;
  QLabel* Label_drive;

 protected:
  QLabel* NameLabel() const { return nameLabel_; }
  // Shows the dialog's message for a typed name with a forbidden character or
  // another suffix, and says whether the name passed.
  bool NameAccepted(const QString& invalidName, const QString& wrongSuffix);
  // The confirmed file: the folder of Dir1 and the trimmed name.
  QString ChosenPath() const;

 private:
  void FillDrives();
  void ShowDriveOf(const QString& path);

  QLabel* nameLabel_;
  LangPair caption_;
  LangPair nameCaption_;
  bool focused_ = false;
};

class Form_open_chann : public ChannFileForm {
  Q_OBJECT

 public:
  explicit Form_open_chann(MDImain* main);

  void Command_enter_Click() override;

  QLabel* Label_Name;
};

class Form_save_chann : public ChannFileForm {
  Q_OBJECT

 public:
  explicit Form_save_chann(MDImain* main);

  void Command_enter_Click() override;

  QLabel* Label_name;
};

#pragma once
// Form_import_csv: the rows of a CSV, each with a check box and the channel it goes
// to; "Import" stores the checked rows as one step. The rules live in CsvImportChoice.
#include <QAbstractTableModel>
#include <QString>
#include <functional>
#include <optional>
#include <unordered_map>

#include "files/chirp_csv.h"
#include "shell/forms/child_form.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTableView;

// The choice as a table: check box and line, channel, RX, TX, decode and encode
// tone, bandwidth, power, and "Fits" or the reason.
class CsvRowsModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kLine, kTarget, kRx, kTx, kDecode, kEncode, kBandwidth, kPower, kFit, kColumns };

  // chinese: the language of the window, as it opened.
  CsvRowsModel(QObject* parent, CsvImportChoice& choice, FreqRange limits, bool chinese);
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  // Every row again, after a change that can touch any of them.
  void Redraw();
  // Headers and rows in the other language, after a switch.
  void SetChinese(bool chinese);

 private:
  const CsvRowTexts& Texts(int row) const;

  QString Text(const char* chinese, const char* english) const {
    return QString::fromUtf8(chinese_ ? chinese : english);
  }

  CsvImportChoice& choice_;
  FreqRange limits_;
  bool chinese_;
  // The texts of the rows drawn so far: a list may have many thousand rows.
  mutable std::unordered_map<int, CsvRowTexts> texts_;
};

class Form_import_csv : public ChildForm {
  Q_OBJECT

 public:
  // What Import does with the choice: store it into the image as one step.
  using Storer = std::function<void(const CsvImportChoice&, FreqRange)>;

  explicit Form_import_csv(MDImain* main);

  // The rows to offer, read from the file at path against limits.
  void ShowRows(const QString& path, CsvImportChoice choice, FreqRange limits, Storer store);

  void Form_Load() override;
  // A language switch does not reload the window, which would lose the choice: it
  // speaks the new language once drawn again.
  void Form_Activate() override;
  void Check_renumber_Click();
  void Command_Import_Click();
  void Command_Cancel_Click() { Unload(); }

  QLabel* Label_file;
  QTableView* Grid_rows;
  QCheckBox* Check_renumber;
  QLabel* Label_count;
  QPushButton* Command_Import;
  QPushButton* Command_Cancel;
  QPushButton* Command_Help;

 private:
  void SetCaptions();
  void ShowCount();

  QString path_;
  std::optional<CsvImportChoice> choice_;
  FreqRange limits_{};
  Storer store_;
  CsvRowsModel* model_ = nullptr;
};

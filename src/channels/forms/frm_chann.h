#pragma once
// frm_chann: the 16 channels as one table, edited in place through two floating
// editors laid over the current cell. The grid holds no data of its own: rows are
// drawn from the channel records and every accepted edit goes straight back.
//
// Rows are numbered as the grid has always numbered them: row 0 the header, row n
// channel n. Only RowIndex/ChannelRow translate to QTableWidget's own indexes.
#include <QString>
#include <optional>

#include "shell/forms/child_form.h"

class ComboBox;
class QMdiSubWindow;
class QPushButton;
class QTableWidget;
class TextBox;

class frm_chann : public ChildForm {
  Q_OBJECT

 public:
  static constexpr int kRows = 17;  // header row and channels 1..16
  static constexpr int kCols = 9;

  explicit frm_chann(MDImain* main);

  void Form_Load() override;
  void Form_Activate() override;
  void Form_Unload() override;

  // Row n from channel record n.
  void Read_Chann(int n);
  // Lays the editor the current cell takes over it.
  void Show_Editor();

  void MSF_Chann_Click();
  void MSF_Chann_Scroll();
  void MSF_Chann_LeaveCell(int r, int c);
  // Key handlers return true when the key is discarded.
  bool Text_Edit_KeyPress(int keyAscii);
  void Combo_edit_GotFocus();
  void Combo_edit_Change();
  void Combo_edit_Click();
  bool Combo_edit_KeyPress(int keyAscii);
  void Command_Clear_Click();
  void Command_Edit_Click();
  void Command_Close_Click();

  // Commits an edit still open in an editor, as leaving its cell would.
  void CommitOpenEdit() override;
  // The caption while the edit dialog is on channel n.
  void ShowChannelCaption(int n);

  // The current cell and the cell texts, in the grid's own numbering.
  int Row() const;
  int Col() const;
  QString TextMatrix(int r, int c) const;
  void SetTextMatrix(int r, int c, const QString& text);
  // Where cell (r, c) lies in this window.
  QRect CellRect(int r, int c) const;

  QTableWidget* MSF_Chann;
  TextBox* Text_Edit;
  ComboBox* Combo_edit;
  QPushButton* Command_Clear;
  QPushButton* Command_Edit;
  QPushButton* Command_Close;
  QPushButton* Command_Help;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Cell {
    int r;
    int c;
    friend bool operator==(Cell, Cell) = default;
  };

  static int RowIndex(int r) { return r - 1; }
  static int ChannelRow(int rowIndex) { return rowIndex + 1; }
  void SetCurrentCell(int r, int c);

  void SetFormatString(const QString& format);
  // Column widths from the header texts and what the cells can show; rows and
  // columns then share the room the window gives the grid.
  void FitGrid();
  void PlaceOver(QWidget* editor, Cell cell);
  void HideEditors();
  void FillComboList(int c);
  void OtherWindowActivated(QMdiSubWindow* window);

  // Commits the text typed into the frequency cell (r, c), by Enter or by leaving it.
  void CommitFreq(int r, int c);
  // Enter, Tab and Shift+Tab in an editor: the edit is committed as Enter commits
  // it, then the editor moves on to the next cell (back to the previous one).
  void CommitAndMove(bool forward);
  // The length guard: with more than nine characters Enter is discarded.
  bool EnterDiscarded() const;

  // The cell an editor was laid over and whose edit is not yet committed.
  std::optional<Cell> editCell_;
  // The cell text when the editor was placed, or the last entry chosen.
  QString savedText_;
  int rowHeight_ = 0;
};

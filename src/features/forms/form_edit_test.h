#pragma once
// Form_Edit_Test: the 16 FM broadcast channels of row 253, edited in place in a
// two-column grid through a floating text box.
#include <QTableWidget>

#include "shell/forms/child_form.h"

class QPushButton;
class TextBox;

// The channel grid: the heading row is row 0 and the channel rows are 1..16, as the
// window's handlers count them.
class FmChannelGrid : public QTableWidget {
  Q_OBJECT

 public:
  explicit FmChannelGrid(QWidget* parent);

  QString CellText(int row, int col) const;
  void SetCellText(int row, int col, const QString& text);
  // The cell's place in the grid's viewport, where the floating editor goes.
  QRect CellRect(int row, int col) const;
  // "^" before a heading centres its column; the widths follow the heading texts.
  void SetFormatString(const QString& format);

 signals:
  void LostFocus();

 protected:
  void focusOutEvent(QFocusEvent* event) override;
};

class Form_Edit_Test : public ChildForm {
  Q_OBJECT

 public:
  explicit Form_Edit_Test(MDImain* main);

  void Form_Load() override;
  void Form_Activate() override { Read_Fm(); }
  void Form_Unload() override;
  void Command_Close_Click() { Unload(); }
  void MSF_Chann_Click(int row, int col);
  // row and col: the cell being left.
  void MSF_Chann_LeaveCell(int row, int col);
  void MSF_Chann_LostFocus();
  void Text_Edit_Change();
  void Text_Edit_LostFocus();

  void Read_Fm();
  void Write_Fm();

  FmChannelGrid* MSF_Chann;
  TextBox* Text_Edit;
  QPushButton* Command_Close;
  QPushButton* Command_Help;

 private:
  // The floating editor's text into the cell of the given row; the editor closes.
  // False when the window was closed under the range message.
  bool CommitEditor(int row);
  // An edit still open when the focus goes elsewhere: committed and stored, with the
  // cells committed into the grid before it.
  void CommitOpenEdit();

  // A cell committed into the grid that the image does not hold yet.
  bool gridEdited_ = false;
  int editRow_ = 0;  // the grid row the editor is open over, 0 when it is closed
};

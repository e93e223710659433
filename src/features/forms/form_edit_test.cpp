#include "features/forms/form_edit_test.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

#include "features/fm_codec.h"
#include "shell/forms/controls.h"
#include "shell/forms/main_window.h"
#include "shell/forms/ui.h"

FmChannelGrid::FmChannelGrid(QWidget* parent) : QTableWidget(kFmChannels, 2, parent) {
  verticalHeader()->hide();
  horizontalHeader()->setSectionsClickable(false);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setStretchLastSection(true);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setTabKeyNavigation(false);
  for (int r = 0; r < rowCount(); ++r) {
    for (int c = 0; c < columnCount(); ++c) {
      auto* item = new QTableWidgetItem;
      item->setTextAlignment(Qt::AlignCenter);
      if (c == 0) {
        // The channel number column is fixed: it cannot become the current cell.
        item->setFlags(Qt::NoItemFlags);
        item->setBackground(palette().button());
        item->setForeground(palette().buttonText());
      }
      setItem(r, c, item);
    }
  }
}

QString FmChannelGrid::CellText(int row, int col) const {
  if (row == 0) return horizontalHeaderItem(col)->text();
  return item(row - 1, col)->text();
}

void FmChannelGrid::SetCellText(int row, int col, const QString& text) {
  item(row - 1, col)->setText(text);
}

QRect FmChannelGrid::CellRect(int row, int col) const {
  return visualItemRect(item(row - 1, col));
}

void FmChannelGrid::SetFormatString(const QString& format) {
  const QStringList headings = format.split(QLatin1Char('|'));
  const int margin = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin) + 12;
  for (int c = 0; c < columnCount() && c < headings.size(); ++c) {
    QString heading = headings[c];
    const bool centred = heading.startsWith(QLatin1Char('^'));
    if (centred) heading.remove(0, 1);
    auto* head = new QTableWidgetItem(heading);
    head->setTextAlignment(centred ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter));
    setHorizontalHeaderItem(c, head);
    setColumnWidth(c, horizontalHeader()->fontMetrics().horizontalAdvance(heading) + margin);
  }
}

void FmChannelGrid::focusOutEvent(QFocusEvent* event) {
  QTableWidget::focusOutEvent(event);
  if (IsControlFocusChange(event->reason())) emit LostFocus();
}

Form_Edit_Test::Form_Edit_Test(MDImain* main) : ChildForm(main) {
  MSF_Chann = Named<FmChannelGrid>(this, "MSF_Chann");
  // A child of the grid's viewport, so it scrolls with the cell it covers.
  Text_Edit = Named<TextBox>(MSF_Chann->viewport(), "Text_Edit");
  Text_Edit->setAlignment(Qt::AlignCenter);
  Text_Edit->hide();
  Command_Close = Named<QPushButton>(this, "Command_Close");
  Command_Help = Named<QPushButton>(this, "Command_Help");

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(MSF_Chann, 1);
  auto* buttons = CentredRow({Command_Close, Command_Help});
  layout->addLayout(buttons);

  connect(MSF_Chann, &QTableWidget::cellClicked, this,
          [this](int r, int c) { MSF_Chann_Click(r + 1, c); });
  connect(MSF_Chann, &QTableWidget::currentCellChanged, this, [this](int, int, int r, int c) {
    if (r >= 0 && c >= 0) MSF_Chann_LeaveCell(r + 1, c);
  });
  connect(MSF_Chann, &FmChannelGrid::LostFocus, this, &Form_Edit_Test::MSF_Chann_LostFocus);
  connect(Text_Edit, &TextBox::Change, this, &Form_Edit_Test::Text_Edit_Change);
  connect(Text_Edit, &TextBox::LostFocus, this, &Form_Edit_Test::Text_Edit_LostFocus);
  connect(Command_Close, &QPushButton::clicked, this, &Form_Edit_Test::Command_Close_Click);
}

void Form_Edit_Test::Form_Load() {
  const QSize frame = MainFrameSize();
  const int width = frame.width() / 2;
  const int height = static_cast<int>(frame.height() / 1.3);
  PlaceWindow((frame.width() - width) / 2, (frame.height() - height) / 10, width, height);

  for (int r = 1; r <= kFmChannels; ++r) MSF_Chann->SetCellText(r, 0, QString::number(r - 1));
  SetCaption(Lang("收音机编辑", "Radio Frequency"));
  Command_Close->setText(Lang("关闭", "Close"));
  Command_Help->setText(Lang("帮助", "Help"));
  MSF_Chann->SetFormatString(
      Lang("^收  音  频  道 |^    频      率  (MHZ) ", "^Radio Channel |^ Frequency (MHZ)"));
  MSF_Chann->setCurrentCell(0, 1);
  Read_Fm();

  // Another window coming to the front takes an open edit with it into the image.
  if (Main()) {
    connect(Main()->MdiArea(), &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
      if (window && window != SubWindow()) CommitOpenEdit();
    });
  }
}

void Form_Edit_Test::Form_Unload() {
  CommitOpenEdit();
}

void Form_Edit_Test::Read_Fm() {
  gridEdited_ = false;
  for (int n = 0; n < kFmChannels; ++n) {
    MSF_Chann->SetCellText(n + 1, 1,
                           QString::fromStdString(FmCellText(Doc().Image().at(FmCell(n)))));
  }
}

void Form_Edit_Test::Write_Fm() {
  gridEdited_ = false;
  for (int r = 1; r <= kFmChannels; ++r) {
    Image(FmCell(r - 1)) = FmStoredCode(MSF_Chann->CellText(r, 1).trimmed().toStdString());
  }
}

void Form_Edit_Test::MSF_Chann_LostFocus() {
  // The focus that drawing takes (another window shown) or closing the window takes is
  // no leaving of the user's: what the grid held was stored when that other window was
  // activated, or when this one closed (CommitOpenEdit).
  if (Doc().IsDrawing() || Unloaded()) return;
  Write_Fm();
}

void Form_Edit_Test::MSF_Chann_Click(int row, int col) {
  if (col != 1) return;
  editRow_ = row;
  Text_Edit->setGeometry(MSF_Chann->CellRect(row, col));
  Text_Edit->setText(MSF_Chann->CellText(row, col));
  Text_Edit->show();
  Text_Edit->setFocus(Qt::MouseFocusReason);
}

void Form_Edit_Test::MSF_Chann_LeaveCell(int row, int col) {
  if (col == 1 && editRow_ != 0) CommitEditor(row);
}

void Form_Edit_Test::Text_Edit_Change() {
  if (Text_Edit->text().size() <= 5) return;
  if (!Warn(Lang("收音机频率超出范围 ！", "Over the range of FM frequency ."))) return;
  Text_Edit->clear();
}

void Form_Edit_Test::Text_Edit_LostFocus() {
  // Into the grid the cell change commits it; anywhere else (a button) it is committed here.
  if (QApplication::focusWidget() != MSF_Chann) CommitOpenEdit();
}

bool Form_Edit_Test::CommitEditor(int row) {
  // Closed before it is hidden: hiding it moves the focus, which must find nothing open.
  editRow_ = 0;
  const FmCommit commit = CommitFmText(Text_Edit->text().toStdString());
  Text_Edit->hide();
  if (commit.outOfRange &&
      !Warn(Lang("收音机频率超出范围 ！", "Over the range of FM frequency ."))) {
    return false;
  }
  MSF_Chann->SetCellText(row, 1, QString::fromStdString(commit.text));
  gridEdited_ = true;
  Text_Edit->clear();
  return true;
}

void Form_Edit_Test::CommitOpenEdit() {
  if (editRow_ != 0) {
    const int row = editRow_;
    if (!CommitEditor(row)) return;
    Image(FmCell(row - 1)) = FmStoredCode(MSF_Chann->CellText(row, 1).toStdString());
  }
  if (gridEdited_) Write_Fm();
}

#include "features/forms/form_edit_scan.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "codec/frequency.h"
#include "features/forms/editor_controls.h"
#include "features/scan_codec.h"
#include "shell/forms/controls.h"
#include "shell/forms/ui.h"

namespace {

bool IsDigitKey(const QKeyEvent* event) {
  const QString text = event->text();
  return text.size() == 1 && text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('9');
}

}  // namespace

Form_Edit_scan::Form_Edit_scan(MDImain* main) : ChildForm(main) {
  Label_pri = Named<QLabel>(this, "Label_pri");
  Label_prich = Named<QLabel>(this, "Label_prich");
  Label_BA = Named<QLabel>(this, "Label_BA");
  Label_BB = Named<QLabel>(this, "Label_BB");
  Label_BC = Named<QLabel>(this, "Label_BC");
  Label_RYC = Named<QLabel>(this, "Label_RYC");
  Label_TYC = Named<QLabel>(this, "Label_TYC");
  Combo_pri = NewDropDown(this, "Combo_pri", true);
  Text_prich = Named<TextBox>(this, "Text_prich");
  Combo_BA = NewDropDown(this, "Combo_BA", true);
  Combo_BB = NewDropDown(this, "Combo_BB", true);
  Combo_BC = NewDropDown(this, "Combo_BC", true);
  Combo_RYC = NewDropDown(this, "Combo_RYC", true);
  Combo_TYC = NewDropDown(this, "Combo_TYC", true);
  Command_Close = Named<QPushButton>(this, "Command_Close");
  Command_Help = Named<QPushButton>(this, "Command_Help");

  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(20);
  grid->setVerticalSpacing(14);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(3, 1);
  const std::pair<QLabel*, QWidget*> rows[] = {{Label_pri, Combo_pri}, {Label_prich, Text_prich},
                                               {Label_BA, Combo_BA},   {Label_BB, Combo_BB},
                                               {Label_BC, Combo_BC},   {Label_RYC, Combo_RYC},
                                               {Label_TYC, Combo_TYC}};
  int r = 0;
  for (const auto& [l, input] : rows) {
    input->setMinimumWidth(220);
    grid->addWidget(l, r, 1);
    grid->addWidget(input, r, 2);
    ++r;
  }
  layout->addStretch(1);
  layout->addLayout(grid);
  layout->addStretch(1);
  auto* buttons = CentredRow({Command_Close, Command_Help});
  layout->addLayout(buttons);

  Text_prich->SetKeyPress([this](QKeyEvent* event) {
    if (!TypesText(event)) return false;
    if (Text_prich->text().trimmed().size() >= 2) return true;
    return !IsDigitKey(event);
  });

  connect(Combo_pri, &ComboBox::Click, this, &Form_Edit_scan::Combo_pri_Click);
  connect(Combo_pri, &ComboBox::Change, this, &Form_Edit_scan::Combo_pri_Change);
  connect(Combo_BC, &ComboBox::Click, this, &Form_Edit_scan::Combo_BC_Click);
  connect(Combo_BC, &ComboBox::Change, this, &Form_Edit_scan::Combo_BC_Change);
  connect(Combo_BA, &ComboBox::Click, this, &Form_Edit_scan::Combo_BA_Click);
  connect(Combo_BA, &ComboBox::Change, this, &Form_Edit_scan::Combo_BA_Change);
  connect(Combo_BB, &ComboBox::Click, this, &Form_Edit_scan::Combo_BB_Click);
  connect(Combo_BB, &ComboBox::Change, this, &Form_Edit_scan::Combo_BB_Change);
  connect(Combo_RYC, &ComboBox::Click, this, &Form_Edit_scan::Combo_RYC_Click);
  connect(Combo_RYC, &ComboBox::Change, this, &Form_Edit_scan::Combo_RYC_Change);
  connect(Combo_TYC, &ComboBox::Click, this, &Form_Edit_scan::Combo_TYC_Click);
  connect(Combo_TYC, &ComboBox::Change, this, &Form_Edit_scan::Combo_TYC_Change);
  connect(Text_prich, &TextBox::Change, this, &Form_Edit_scan::Text_prich_Change);
  connect(Command_Close, &QPushButton::clicked, this, &Form_Edit_scan::Command_Close_Click);
}

void Form_Edit_scan::Form_Load() {
  const QSize frame = MainFrameSize();
  const int width = static_cast<int>(frame.width() / 1.8);
  const int height = static_cast<int>(frame.height() / 1.4);
  PlaceWindow((frame.width() - width) / 2, (frame.height() - height) / 8, width, height);

  SetCaption(Lang("扫描信息", "Scan Information"));
  Label_pri->setText(Lang("优先", "Priority"));
  Label_prich->setText(Lang("优先信道", "Priority Channel"));
  Label_BA->setText(Lang("回扫时间 A(秒)", "Look Back Time A(s)"));
  Label_BB->setText(Lang("回扫时间 B(秒)", "Look Back Time B(s)"));
  Label_BC->setText(Lang("返回信道", "Revert Channel"));
  Label_RYC->setText(Lang("扫描接收恢复延迟时间(秒)", "Dropout Delay Time (s)"));
  Label_TYC->setText(Lang("扫描发射恢复延迟时间(秒)", "TX Dwell Time (s)"));
  Command_Close->setText(Lang("关闭", "Close"));
  Command_Help->setText(Lang("帮助", "Help"));

  Combo_pri->clear();
  Combo_pri->addItems({Lang("无", "None"), Lang("固定", "Fixed"), Lang("选定", "Selected")});
  for (ComboBox* box : {Combo_BA, Combo_BB}) {
    box->clear();
    for (int i = 0; i < kLookBackEntries; ++i)
      box->addItem(QString::fromStdString(LookBackText(i)));
  }
  for (ComboBox* box : {Combo_RYC, Combo_TYC}) {
    box->clear();
    for (int i = 0; i < kScanDelayEntries; ++i) box->addItem(QString::number(i));
  }
  Read_Scan();
}

void Form_Edit_scan::Read_Scan() {
  // Drawn from the image as it is: no handler runs, nothing is stored.
  const RadioImage& image = Doc().Image();
  const int mode = ScanPriorityMode(image.at(kScanPriorityModeCell));
  Combo_pri->ShowEntry(mode);

  const std::uint8_t channel = image.at(kScanPriorityChannelCell);
  Text_prich->ShowText(mode == 1 && ValidPriorityChannel(channel)
                           ? QString::fromStdString(NumberText(channel))
                           : QString());

  Combo_BA->ShowEntry(LookBackIndex(image.at(kScanLookBackACell)));
  Combo_BB->ShowEntry(LookBackIndex(image.at(kScanLookBackBCell)));

  FillRevertList(mode);
  Combo_BC->ShowEntry(RevertIndex(mode, image.at(kScanRevertCell)));

  Combo_RYC->ShowEntry(ScanDelayIndex(image, kScanDropoutDelayCell));
  Combo_TYC->ShowEntry(ScanDelayIndex(image, kScanTxDwellCell));

  SetUsable(Text_prich, mode == 1);
  SetUsable(Combo_BA, mode != 0);
  SetUsable(Combo_BB, mode != 0);
}

void Form_Edit_scan::FillRevertList(int mode) {
  const char* const texts[4][2] = {{"选定", "Selected"},
                                   {"选定+当前通话", "Selected+Talk Back"},
                                   {"优先", "Priority"},
                                   {"优先+当前通话", "Priority+Talk Back"}};
  Combo_BC->clear();
  const int first = RevertFirstCode(mode);
  for (int code = first; code < first + RevertEntryCount(mode); ++code) {
    Combo_BC->addItem(Lang(texts[code][0], texts[code][1]));
  }
}

void Form_Edit_scan::SetUsable(QWidget* input, bool usable) {
  input->setEnabled(usable);
  // Greyed like a button face when it cannot be used, the window colour when it can.
  QWidget* field = input;
  if (auto* box = qobject_cast<ComboBox*>(input); box && box->lineEdit()) field = box->lineEdit();
  QPalette palette = field->palette();
  const QColor colour =
      QApplication::palette(field).color(usable ? QPalette::Base : QPalette::Button);
  palette.setColor(QPalette::Base, colour);
  field->setPalette(palette);
}

void Form_Edit_scan::SnapToFirstEntry(ComboBox* box) {
  box->setCurrentIndex(0);
  box->setEditText(box->itemText(0));
  box->lineEdit()->selectAll();
}

void Form_Edit_scan::StoreRevertCode() {
  const int mode = Combo_pri->currentIndex();
  Image(kScanRevertCell) = RevertCode(mode, Combo_BC->currentIndex());
}

void Form_Edit_scan::Combo_pri_Click() {
  Image(kScanPriorityModeCell) = static_cast<std::uint8_t>(Combo_pri->currentIndex());
  Read_Scan();
  StoreRevertCode();
}

void Form_Edit_scan::Combo_pri_Change() {
  SnapToFirstEntry(Combo_pri);
  Combo_pri_Click();
}

void Form_Edit_scan::Combo_BC_Click() {
  StoreRevertCode();
}

void Form_Edit_scan::Combo_BC_Change() {
  SnapToFirstEntry(Combo_BC);
  Combo_BC_Click();
}

void Form_Edit_scan::Combo_BA_Click() {
  Image(kScanLookBackACell) = LookBackCode(Combo_BA->currentIndex());
}

void Form_Edit_scan::Combo_BA_Change() {
  SnapToFirstEntry(Combo_BA);
  Combo_BA_Click();
}

void Form_Edit_scan::Combo_BB_Click() {
  Image(kScanLookBackBCell) = LookBackCode(Combo_BB->currentIndex());
}

void Form_Edit_scan::Combo_BB_Change() {
  SnapToFirstEntry(Combo_BB);
  Combo_BB_Click();
}

void Form_Edit_scan::Combo_RYC_Click() {
  StoreScanDelay(kScanDropoutDelayCell, Combo_RYC->currentIndex(), Doc().EditImage());
}

void Form_Edit_scan::Combo_RYC_Change() {
  SnapToFirstEntry(Combo_RYC);
  Combo_RYC_Click();
}

void Form_Edit_scan::Combo_TYC_Click() {
  StoreScanDelay(kScanTxDwellCell, Combo_TYC->currentIndex(), Doc().EditImage());
}

void Form_Edit_scan::Combo_TYC_Change() {
  SnapToFirstEntry(Combo_TYC);
  Combo_TYC_Click();
}

void Form_Edit_scan::Text_prich_Change() {
  if (Combo_pri->currentIndex() != 1) return;
  const double n = TextValue(Text_prich->text().toStdString());
  if (n >= 1 && n <= 16) {
    Image(kScanPriorityChannelCell) = static_cast<std::uint8_t>(n);
    return;
  }
  if (!Warn(Lang("优先信道号在 1 - 16 之间 ！", "The priority channel must be from 1 to 16.")))
    return;
  const QSignalBlocker once(Text_prich);  // the emptied box is no second entry to refuse
  Text_prich->clear();
}

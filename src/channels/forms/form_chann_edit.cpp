#include "channels/forms/form_chann_edit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "channels/channel_edit_rules.h"
#include "channels/forms/channel_widgets.h"
#include "channels/forms/frm_chann.h"
#include "codec/channel_record.h"
#include "shell/forms/controls.h"
#include "shell/forms/main_window.h"
#include "shell/forms/ui.h"

namespace {
// The channel number a text holds, or 0 when it holds none of 1..16.
int ChannelNumber(const QString& text) {
  const double value = TextValue(text.trimmed().toStdString());
  return value >= 1 && value <= kChannelCount ? static_cast<int>(value) : 0;
}
}  // namespace

Form_Chann_Edit::Form_Chann_Edit(MDImain* main) : ChildForm(main) {
  Label_CHN = Named<QLabel>(this, "Label_CHN");
  Text_CHN = Named<TextBox>(this, "Text_CHN");
  VScroll1 = Named<QScrollBar>(this, "VScroll1", Qt::Vertical);
  Label_RX_freq = Named<QLabel>(this, "Label_RX_freq");
  Text_RX_Freq = Named<TextBox>(this, "Text_RX_Freq");
  Label_TX_freq = Named<QLabel>(this, "Label_TX_freq");
  Text_TX_Freq = Named<TextBox>(this, "Text_TX_Freq");
  Label_Decode = Named<QLabel>(this, "Label_Decode");
  Combo_Decode = Named<ComboBox>(this, "Combo_Decode");
  Label_Encode = Named<QLabel>(this, "Label_Encode");
  Combo_Encode = Named<ComboBox>(this, "Combo_Encode");
  Label_TXP = Named<QLabel>(this, "Label_TXP");
  Combo_TXP = Named<ComboBox>(this, "Combo_TXP");
  Label_WN = Named<QLabel>(this, "Label_WN");
  Combo_WN = Named<ComboBox>(this, "Combo_WN");
  Label_Name = Named<QLabel>(this, "Label_Name");
  Text_Name = Named<TextBox>(this, "Text_Name");
  Command_Close = Named<QPushButton>(this, "Command_Close");
  Command_Help = Named<QPushButton>(this, "Command_Help");

  VScroll1->setSingleStep(1);
  VScroll1->setPageStep(1);
  // Clicking the bar takes the focus, so a frequency being typed is committed to
  // the channel it was typed for before the bar moves to another.
  VScroll1->setFocusPolicy(Qt::StrongFocus);
  VScroll1->setFixedWidth(VScroll1->sizeHint().width());
  VScroll1->setFixedHeight(Text_CHN->sizeHint().height());
  for (ComboBox* combo : {Combo_Decode, Combo_Encode}) combo->setMaxVisibleItems(16);
  // A channel name has no place in the channel record: the box never takes one.
  SetFieldEnabled(Text_Name, false);

  auto* fields = new QGridLayout;
  fields->setHorizontalSpacing(24);
  fields->setVerticalSpacing(14);
  const std::pair<QLabel*, QWidget*> rows[] = {
      {Label_RX_freq, Text_RX_Freq}, {Label_TX_freq, Text_TX_Freq}, {Label_Decode, Combo_Decode},
      {Label_Encode, Combo_Encode},  {Label_TXP, Combo_TXP},        {Label_WN, Combo_WN},
      {Label_Name, Text_Name}};
  auto* number = new QHBoxLayout;
  number->setSpacing(0);
  number->addWidget(Text_CHN);
  number->addWidget(VScroll1);
  fields->addWidget(Label_CHN, 0, 0);
  fields->addLayout(number, 0, 1);
  int row = 1;
  for (const auto& [label, field] : rows) {
    fields->addWidget(label, row, 0);
    fields->addWidget(field, row, 1);
    field->setMinimumWidth(220);
    ++row;
  }
  auto* centre = new QHBoxLayout;
  centre->addStretch();
  centre->addLayout(fields);
  centre->addStretch();
  auto* buttons = CentredRow({Command_Close, Command_Help}, 40);
  auto* layout = new QVBoxLayout(this);
  layout->addStretch(1);
  layout->addLayout(centre);
  layout->addStretch(1);
  layout->addLayout(buttons);
  layout->addSpacing(12);

  setTabOrder(Text_CHN, VScroll1);
  setTabOrder(VScroll1, Text_RX_Freq);

  Text_CHN->SetKeyPress([this](QKeyEvent* e) { return Text_CHN_KeyPress(KeyAscii(e)); });
  Text_RX_Freq->SetKeyPress([this](QKeyEvent* e) { return Text_RX_Freq_KeyPress(KeyAscii(e)); });
  Text_TX_Freq->SetKeyPress([this](QKeyEvent* e) { return Text_TX_Freq_KeyPress(KeyAscii(e)); });
  for (ComboBox* combo : {Combo_Decode, Combo_Encode, Combo_TXP, Combo_WN}) {
    combo->SetKeyPress([](QKeyEvent* e) { return Combo_KeyPress(KeyAscii(e)); });
  }
  connect(Text_CHN, &TextBox::Change, this, &Form_Chann_Edit::Text_CHN_Change);
  connect(Text_CHN, &TextBox::LostFocus, this, &Form_Chann_Edit::Text_CHN_LostFocus);
  connect(VScroll1, &QScrollBar::valueChanged, this, &Form_Chann_Edit::VScroll1_Change);
  connect(Text_RX_Freq, &TextBox::LostFocus, this, &Form_Chann_Edit::Text_RX_Freq_LostFocus);
  connect(Text_TX_Freq, &TextBox::LostFocus, this, &Form_Chann_Edit::Text_TX_Freq_LostFocus);
  connect(Combo_Decode, &ComboBox::Click, this, &Form_Chann_Edit::Combo_Decode_Click);
  connect(Combo_Encode, &ComboBox::Click, this, &Form_Chann_Edit::Combo_Encode_Click);
  connect(Combo_TXP, &ComboBox::Click, this, &Form_Chann_Edit::Combo_TXP_Click);
  connect(Combo_WN, &ComboBox::Click, this, &Form_Chann_Edit::Combo_WN_Click);
  connect(Command_Close, &QPushButton::clicked, this, &Form_Chann_Edit::Command_Close_Click);
}

void Form_Chann_Edit::Form_Load() {
  SetCaption(Lang("信道编辑", "Channel Edit"));
  Label_CHN->setText(Lang("信道", "Channel"));
  Label_RX_freq->setText(Lang("接收频率", "Receive Frequency "));
  Label_TX_freq->setText(Lang("发射频率", "Transmit Frequency"));
  Label_Decode->setText(Lang("QT/DQT 解码", "QT/DQT Decode"));
  Label_Encode->setText(Lang("QT/DQT 编码", "QT/DQT Encode"));
  Label_TXP->setText(Lang("发射功率", "TX Power"));
  Label_WN->setText(Lang("宽带/窄带", "Wide/Narror"));
  Label_Name->setText(Lang("信道名称", "Channel Name"));
  Command_Close->setText(Lang("关闭", "Close"));
  Command_Help->setText(Lang("帮助", "Help"));

  const QSize frame = MainFrameSize();
  const int width = static_cast<int>(frame.width() / 1.5);
  const int height = static_cast<int>(frame.height() / 1.25);
  PlaceWindow((frame.width() - width) / 2, 0, width, height);

  if (Doc().Cur_Chann < 1 || Doc().Cur_Chann > kChannelCount) Doc().Cur_Chann = 1;
  {
    const QSignalBlocker quiet(VScroll1);
    VScroll1->setRange(0, kChannelCount + 1);
    VScroll1->setValue(Doc().Cur_Chann);
  }
  VScroll1_Change();
}

void Form_Chann_Edit::Form_Activate() {
  // An edit still open in the grid belongs in the image before it is read here.
  if (auto* grid = Main() ? Main()->FindChildAs<frm_chann>() : nullptr) {
    grid->CommitOpenEdit();
  }
  if (Doc().Cur_Chann < 1 || Doc().Cur_Chann > kChannelCount) Doc().Cur_Chann = shown_;
  // The grid may have moved to another channel meanwhile.
  ShowNumber(Doc().Cur_Chann);
  ShowChannel(Doc().Cur_Chann);
}

void Form_Chann_Edit::Form_Unload() {
  CommitTypedFrequencies();
}

void Form_Chann_Edit::UpdateGridCaption() {
  if (!Main()) return;
  if (auto* grid = Main()->FindChildAs<frm_chann>()) {
    grid->ShowChannelCaption(Doc().Cur_Chann);
  }
}

void Form_Chann_Edit::ShowNumber(int n) {
  {
    const QSignalBlocker quiet(VScroll1);
    VScroll1->setValue(n);
  }
  settingNumber_ = true;
  Text_CHN->setText(QString::number(n));
  settingNumber_ = false;
}

void Form_Chann_Edit::CommitTypedFrequencies() {
  Text_RX_Freq_LostFocus();
  Text_TX_Freq_LostFocus();
}

// --- Selecting a channel -----------------------------------------------------------

bool Form_Chann_Edit::Text_CHN_KeyPress(int keyAscii) {
  if (keyAscii == 0) return false;  // Delete and the arrows edit as usual
  if (keyAscii < '0' || keyAscii > '9') return true;
  // The text as it would read with the digit typed where the cursor is.
  QString next = Text_CHN->text();
  int at = Text_CHN->cursorPosition();
  if (Text_CHN->hasSelectedText()) {
    at = Text_CHN->selectionStart();
    next.remove(at, static_cast<int>(Text_CHN->selectedText().size()));
  }
  next.insert(at, QChar(keyAscii));
  return TextValue(next.trimmed().toStdString()) > kChannelCount;
}

void Form_Chann_Edit::Text_CHN_Change() {
  const int n = ChannelNumber(Text_CHN->text());
  // Until the box holds a channel number, the channel on screen stays the current one.
  if (n == 0) return;
  if (settingNumber_) {
    Doc().Cur_Chann = n;
    UpdateGridCaption();
    return;
  }
  CommitTypedFrequencies();
  Doc().Cur_Chann = n;
  UpdateGridCaption();
  {
    const QSignalBlocker quiet(VScroll1);
    VScroll1->setValue(n);
  }
  ShowChannel(n);
}

void Form_Chann_Edit::Text_CHN_LostFocus() {
  if (ChannelNumber(Text_CHN->text()) == 0) Text_CHN->setText(QStringLiteral("1"));
  Doc().Cur_Chann = ChannelNumber(Text_CHN->text());
  UpdateGridCaption();
}

void Form_Chann_Edit::VScroll1_Change() {
  const int value = VScroll1->value();
  // The bar wraps around: above channel 1 is channel 16, below 16 is 1.
  if (value <= 0) {
    VScroll1->setValue(kChannelCount);
    return;
  }
  if (value > kChannelCount) {
    VScroll1->setValue(1);
    return;
  }
  CommitTypedFrequencies();
  Doc().Cur_Chann = value;
  UpdateGridCaption();
  settingNumber_ = true;
  Text_CHN->setText(QString::number(value));
  settingNumber_ = false;
  ShowChannel(value);
}

// --- Showing a channel -------------------------------------------------------------

void Form_Chann_Edit::FillLists() {
  if (Combo_Decode->count() > 0) return;
  const QStringList tones = ToneListEntries(Lang("无", "OFF"));
  Combo_Decode->addItems(tones);
  Combo_Encode->addItems(tones);
  Combo_TXP->addItems({Lang("高", "High"), Lang("低", "Low")});
  Combo_WN->addItems({Lang("窄带", "Narrow"), Lang("宽带", "Wide")});
}

void Form_Chann_Edit::ShowChannel(int n) {
  shown_ = n;
  const RadioImage& image = Doc().Image();
  if (ChannelEmpty(image, n)) {
    Text_RX_Freq->setText(QString());
    Text_TX_Freq->setText(QString());
    Text_Name->setText(QString());
    for (ComboBox* combo : {Combo_Decode, Combo_Encode, Combo_TXP, Combo_WN}) {
      combo->clear();
      SetFieldEnabled(combo, false);
    }
    SetFieldEnabled(Text_TX_Freq, false);
    SetFieldEnabled(Text_Name, false);
    return;
  }
  FillLists();
  SetFieldEnabled(Text_TX_Freq, true);
  // Selected without storing: showing a channel never changes it.
  const std::pair<ComboBox*, ChannelOption> lists[] = {{Combo_Decode, ChannelOption::DecodeTone},
                                                       {Combo_Encode, ChannelOption::EncodeTone},
                                                       {Combo_TXP, ChannelOption::Power},
                                                       {Combo_WN, ChannelOption::Bandwidth}};
  for (const auto& [combo, option] : lists) {
    SetFieldEnabled(combo, true);
    combo->setCurrentIndex(DialogChoiceIndex(image, n, option));
  }
  Text_RX_Freq->setText(QString::fromStdString(ChannelRxText(image, n)));
  const bool hasTx = ChannelHasTx(image, n);
  Text_TX_Freq->setText(hasTx ? QString::fromStdString(ChannelTxText(image, n)) : QString());
  SetFieldEnabled(Combo_Encode, hasTx);
}

// --- Frequencies -----------------------------------------------------------------

bool Form_Chann_Edit::Text_RX_Freq_KeyPress(int keyAscii) {
  if (keyAscii == 0 || keyAscii == kKeyBackspace || keyAscii == '.') return false;
  return keyAscii < '0' || keyAscii > '9';
}

void Form_Chann_Edit::Text_RX_Freq_LostFocus() {
  CommitBox(Text_RX_Freq, FreqField::Rx);
}

void Form_Chann_Edit::Text_TX_Freq_LostFocus() {
  CommitBox(Text_TX_Freq, FreqField::Tx);
}

void Form_Chann_Edit::CommitBox(TextBox* box, FreqField field) {
  // Only a typed change is committed: looking at a channel never alters it.
  if (!box->isModified()) return;
  box->setModified(false);
  const int n = shown_;
  const CommitResult done = CommitTypedFrequency(*this, n, field, box->text(), RangeRule::Dialog);
  switch (done.outcome) {
    case CommitOutcome::Refused:
      return;
    case CommitOutcome::Stored:
      if (!done.created) {
        // The box keeps the text as typed; the image holds it snapped to the raster.
        if (box->text() != QString::fromStdString(done.shown)) {
          box->setText(QString::fromStdString(done.shown));
        }
        if (field == FreqField::Tx) SetFieldEnabled(Combo_Encode, true);
        return;
      }
      break;
    case CommitOutcome::TxRemoved:
      // The channel keeps its receive frequency only.
      Text_TX_Freq->setText(QString());
      Combo_Encode->setCurrentIndex(0);
      SetFieldEnabled(Combo_Encode, false);
      return;
    case CommitOutcome::Deleted:
    case CommitOutcome::Unstorable:
      break;
  }
  ShowChannel(n);
}

// --- Drop-downs ------------------------------------------------------------------

void Form_Chann_Edit::Combo_Decode_Click() {
  if (StoreDialogChoice(Doc().EditImage(), shown_, ChannelOption::DecodeTone,
                        Combo_Decode->currentIndex())) {
    ShowChannel(shown_);
  }
}

void Form_Chann_Edit::Combo_Encode_Click() {
  StoreDialogChoice(Doc().EditImage(), shown_, ChannelOption::EncodeTone, Combo_Encode->currentIndex());
}

void Form_Chann_Edit::Combo_TXP_Click() {
  StoreDialogChoice(Doc().EditImage(), shown_, ChannelOption::Power, Combo_TXP->currentIndex());
}

void Form_Chann_Edit::Combo_WN_Click() {
  StoreDialogChoice(Doc().EditImage(), shown_, ChannelOption::Bandwidth, Combo_WN->currentIndex());
}

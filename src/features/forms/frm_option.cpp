#include "features/forms/frm_option.h"

#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "codec/frequency.h"
#include "features/forms/editor_controls.h"
#include "features/option_codec.h"
#include "features/option_summary.h"
#include "image/radio_image.h"
#include "shell/forms/controls.h"
#include "shell/forms/ui.h"
#include "shell/model_band.h"

namespace {

Freq10Hz BoxValue(const TextBox* box) {
  return TextValue10Hz(box->text().toStdString());
}

QString Qs(const std::string& s) {
  return QString::fromStdString(s);
}

}  // namespace

frm_option::frm_option(MDImain* main) : ChildForm(main) {
  Frame1 = Named<QGroupBox>(this, "Frame1");
  Label_tot = Named<QLabel>(Frame1, "Label_tot");
  Combo_TOT = NewDropDown(Frame1, "Combo_TOT", true);
  Label_vox = Named<QLabel>(Frame1, "Label_vox");
  Combo_vox = NewDropDown(Frame1, "Combo_vox", true);
  Label_sql = Named<QLabel>(Frame1, "Label_sql");
  Combo_Sql = NewDropDown(Frame1, "Combo_Sql", true);
  Label_voice = Named<QLabel>(Frame1, "Label_voice");
  // Not editable: its key filter refuses every character, so nothing can be typed.
  Combo_Voice = NewDropDown(Frame1, "Combo_Voice", false);
  auto* lists = new QGridLayout(Frame1);
  lists->setColumnStretch(1, 1);
  const std::pair<QLabel*, ComboBox*> rows[] = {{Label_tot, Combo_TOT},
                                                {Label_vox, Combo_vox},
                                                {Label_sql, Combo_Sql},
                                                {Label_voice, Combo_Voice}};
  for (int r = 0; r < 4; ++r) {
    lists->addWidget(rows[r].first, r, 0);
    lists->addWidget(rows[r].second, r, 1);
  }

  Frame2 = Named<QGroupBox>(this, "Frame2");
  Check_Beep = Named<QCheckBox>(Frame2, "Check_Beep");
  Check_Roger = Named<QCheckBox>(Frame2, "Check_Roger");
  Check_Save = Named<QCheckBox>(Frame2, "Check_Save");
  Check_PttOff_Code = Named<QCheckBox>(Frame2, "Check_PttOff_Code");
  Check_STE = Named<QCheckBox>(Frame2, "Check_STE");
  auto* checks = new QVBoxLayout(Frame2);
  for (QCheckBox* box : {Check_Beep, Check_Roger, Check_Save, Check_PttOff_Code, Check_STE}) {
    checks->addWidget(box);
  }

  Frame3 = Named<QGroupBox>(this, "Frame3");
  Label_pttID = Named<QLabel>(Frame3, "Label_pttID");
  Combo_pttID = NewDropDown(Frame3, "Combo_pttID", true);
  Label_PassWord = Named<QLabel>(Frame3, "Label_PassWord");
  Text_PASSWORD = Named<TextBox>(Frame3, "Text_PASSWORD");
  Label_ANI = Named<QLabel>(Frame3, "Label_ANI");
  Text_ANI = Named<TextBox>(Frame3, "Text_ANI");
  auto* ids = new QGridLayout(Frame3);
  ids->setColumnStretch(1, 1);
  ids->addWidget(Label_pttID, 0, 0);
  ids->addWidget(Combo_pttID, 0, 1);
  ids->addWidget(Label_PassWord, 1, 0);
  ids->addWidget(Text_PASSWORD, 1, 1);
  ids->addWidget(Label_ANI, 2, 0);
  ids->addWidget(Text_ANI, 2, 1);

  Frame_Freq_range = Named<QGroupBox>(this, "Frame_Freq_range");
  Text_pvfo_d0 = Named<TextBox>(Frame_Freq_range, "Text_pvfo_d0");
  Label_to = Named<QLabel>(Frame_Freq_range, "Label_to", QStringLiteral("---"));
  Text_pvfo_d1 = Named<TextBox>(Frame_Freq_range, "Text_pvfo_d1");
  Label3 = Named<QLabel>(Frame_Freq_range, "Label3", QStringLiteral("MHZ"));
  auto* range = new QHBoxLayout(Frame_Freq_range);
  range->addWidget(Text_pvfo_d0, 1);
  range->addWidget(Label_to);
  range->addWidget(Text_pvfo_d1, 1);
  range->addWidget(Label3);

  Command_Close = Named<QPushButton>(this, "Command_Close");
  Command_Help = Named<QPushButton>(this, "Command_Help");

  auto* layout = new QGridLayout(this);
  layout->setColumnStretch(0, 1);
  layout->setColumnStretch(1, 4);
  layout->setColumnStretch(2, 4);
  layout->setColumnStretch(3, 1);
  layout->setRowStretch(0, 1);
  layout->setRowStretch(1, 1);
  layout->setVerticalSpacing(16);
  layout->addWidget(Frame1, 0, 1);
  layout->addWidget(Frame2, 0, 2);
  layout->addWidget(Frame3, 1, 1);
  layout->addWidget(Frame_Freq_range, 1, 2);
  auto* buttons = CentredRow({Command_Close, Command_Help}, 24);
  layout->addLayout(buttons, 2, 0, 1, 4);

  connect(Combo_TOT, &ComboBox::Change, this, &frm_option::Combo_TOT_Change);
  connect(Combo_vox, &ComboBox::Change, this, &frm_option::Combo_vox_Change);
  connect(Combo_Sql, &ComboBox::Change, this, &frm_option::Combo_Sql_Change);
  connect(Combo_pttID, &ComboBox::Change, this, &frm_option::Combo_pttID_Change);
  connect(Combo_TOT, &ComboBox::Click, this, &frm_option::Combo_TOT_Click);
  connect(Combo_vox, &ComboBox::Click, this, &frm_option::Combo_vox_Click);
  connect(Combo_Sql, &ComboBox::Click, this, &frm_option::Combo_Sql_Click);
  connect(Combo_pttID, &ComboBox::Click, this, &frm_option::Combo_pttID_Click);
  connect(Combo_Voice, &ComboBox::Click, this, &frm_option::Combo_Voice_Click);
  Combo_Voice->SetKeyPress([this](QKeyEvent* e) { return Combo_Voice_KeyPress(e); });
  connect(Check_Beep, &QCheckBox::toggled, this, &frm_option::Check_Beep_Click);
  connect(Check_Roger, &QCheckBox::toggled, this, &frm_option::Check_Roger_Click);
  connect(Check_Save, &QCheckBox::toggled, this, &frm_option::Check_Save_Click);
  connect(Check_STE, &QCheckBox::toggled, this, &frm_option::Check_STE_Click);
  connect(Check_PttOff_Code, &QCheckBox::toggled, this, &frm_option::Check_PttOff_Code_Click);
  Text_PASSWORD->SetKeyPress([this](QKeyEvent* e) { return Text_PASSWORD_KeyPress(e); });
  connect(Text_PASSWORD, &TextBox::Change, this, &frm_option::Text_PASSWORD_Change);
  Text_ANI->SetKeyPress([this](QKeyEvent* e) { return Text_ANI_KeyPress(e); });
  connect(Text_ANI, &TextBox::Change, this, &frm_option::Text_ANI_Change);
  Text_pvfo_d0->SetKeyPress([this](QKeyEvent* e) { return Text_pvfo_d0_KeyPress(e); });
  Text_pvfo_d1->SetKeyPress([this](QKeyEvent* e) { return Text_pvfo_d1_KeyPress(e); });
  connect(Text_pvfo_d0, &TextBox::LostFocus, this, &frm_option::Text_pvfo_d0_LostFocus);
  connect(Text_pvfo_d1, &TextBox::LostFocus, this, &frm_option::Text_pvfo_d1_LostFocus);
  Text_pvfo_d0->installEventFilter(this);
  Text_pvfo_d1->installEventFilter(this);
  connect(Command_Close, &QPushButton::clicked, this, &frm_option::Command_Close_Click);
}

void frm_option::Form_Load() {
  SetCaption(Lang("可选参数", "Optional Features"));
  Label_tot->setText(Lang(kTotCaption.zh, kTotCaption.en));
  Label_vox->setText(Lang(kVoxCaption.zh, kVoxCaption.en));
  Label_sql->setText(Lang(kSquelchCaption.zh, kSquelchCaption.en));
  Label_voice->setText(Lang(kVoiceCaption.zh, kVoiceCaption.en));
  Check_Beep->setText(Lang(kBeepCaption.zh, kBeepCaption.en));
  Check_Roger->setText(Lang("结束提示音", "ROGER"));
  Check_Save->setText(Lang(kSaverCaption.zh, kSaverCaption.en));
  Check_PttOff_Code->setText(Lang("发送关机码", "Send Stop Code"));
  Check_STE->setText(QStringLiteral("STE"));
  Label_pttID->setText(QStringLiteral("PTTID"));
  Label_PassWord->setText(Lang("命令字", "Data Password"));
  Label_ANI->setText(QStringLiteral("ANI"));
  Frame_Freq_range->setTitle(Lang("工作频率范围", "Frequncy Range"));
  Command_Close->setText(Lang("关闭", "Close"));
  Command_Help->setText(Lang("帮助", "Help"));
  FillLists();

  PlaceInMainFrame(1.2, 1.5, 0);

  Read_Options();
}

void frm_option::FillLists() {
  Combo_TOT->clear();
  Combo_TOT->addItem(Lang("关", "Off"));
  for (int n = 1; n <= 9; ++n) Combo_TOT->addItem(QString::number(30 * n));
  for (ComboBox* level : {Combo_vox, Combo_Sql}) {
    level->clear();
    for (int n = 0; n <= 9; ++n) level->addItem(QString::number(n));
  }
  Combo_Voice->clear();
  Combo_Voice->addItems({Lang("关", "Off"), Lang("中文", "Chinese"), Lang("英语", "English")});
  Combo_pttID->clear();
  Combo_pttID->addItems({Lang("关", "Off"), Lang("开始发射", "Pre-Only"),
                         Lang("结束发射", "Post-Only"), Lang("两者", "Both")});
}

void frm_option::Form_Activate() {
  Read_Options();
}

void frm_option::Read_Options() {
  // The range row 59 holds; an erased one shows the limits, which it leaves as they are.
  const BandLimits range =
      DecodeBandLimits(Doc().Image()).value_or(BandLimits{Doc().FreqLow(), Doc().FreqHigh()});
  Text_pvfo_d0->ShowText(Qs(NumberText(static_cast<int>(range.low.units / Freq10Hz::kPerMHz))));
  Text_pvfo_d1->ShowText(Qs(NumberText(static_cast<int>(range.high.units / Freq10Hz::kPerMHz))));

  ShowStored(Combo_TOT, Doc().Image(), kTotCell);
  ShowStored(Combo_Voice, Doc().Image(), kVoiceCell);
  ShowStored(Combo_Sql, Doc().Image(), kSquelchCell);
  ShowStored(Combo_vox, Doc().Image(), kVoxCell);

  const std::uint8_t flags = Doc().Image().at(kFlagsCell);
  ShowChecked(Check_Beep, flags & kBeepBit);
  ShowChecked(Check_Roger, flags & kRogerBit);
  ShowChecked(Check_Save, flags & kSaverBit);
  ShowChecked(Check_STE, !(flags & kStopCodeOffBit));
  ShowChecked(Check_PttOff_Code, !(flags & kStopCodeOffBit));
  Combo_pttID->ShowEntry(flags & kPttIdMask);

  Text_PASSWORD->ShowText(Qs(PasswordText(Doc().Image())));
  Text_ANI->ShowText(Qs(AniText(Doc().Image())));
}

// Typed free text snaps to entry 0; selecting it runs Click, which stores it.
void frm_option::Combo_TOT_Change() {
  SnapTypedEntry(Combo_TOT);
}
void frm_option::Combo_vox_Change() {
  SnapTypedEntry(Combo_vox);
}
void frm_option::Combo_Sql_Change() {
  SnapTypedEntry(Combo_Sql);
}
void frm_option::Combo_pttID_Change() {
  SnapTypedEntry(Combo_pttID);
}

void frm_option::Combo_TOT_Click() {
  StoreIndex(Combo_TOT, Doc().EditImage(), kTotCell);
}
void frm_option::Combo_vox_Click() {
  StoreIndex(Combo_vox, Doc().EditImage(), kVoxCell);
}
void frm_option::Combo_Sql_Click() {
  StoreIndex(Combo_Sql, Doc().EditImage(), kSquelchCell);
}
void frm_option::Combo_pttID_Click() {
  std::uint8_t& flags = Image(kFlagsCell);
  flags = WithPttId(flags, Combo_pttID->currentIndex());
}
void frm_option::Combo_Voice_Click() {
  if (Combo_Voice->currentIndex() < 0) Combo_Voice->Select(0);
  StoreIndex(Combo_Voice, Doc().EditImage(), kVoiceCell);
}

bool frm_option::Combo_Voice_KeyPress(QKeyEvent* event) {
  return IsCharacterKey(event);
}

void frm_option::StoreFlag(std::uint8_t mask, bool on) {
  SetBit(Image(kFlagsCell), mask, on);
}

void frm_option::Check_Beep_Click() {
  StoreFlag(kBeepBit, Check_Beep->isChecked());
}
void frm_option::Check_Roger_Click() {
  StoreFlag(kRogerBit, Check_Roger->isChecked());
}
void frm_option::Check_Save_Click() {
  StoreFlag(kSaverBit, Check_Save->isChecked());
}

// STE and the stop code are one bit, stored inverted; both boxes show it at once.
void frm_option::SetStopCode(bool on) {
  StoreFlag(kStopCodeOffBit, !on);
  Check_STE->setChecked(on);
  Check_PttOff_Code->setChecked(on);
}
void frm_option::Check_STE_Click() {
  SetStopCode(Check_STE->isChecked());
}
void frm_option::Check_PttOff_Code_Click() {
  SetStopCode(Check_PttOff_Code->isChecked());
}

bool frm_option::Text_PASSWORD_KeyPress(QKeyEvent* event) {
  if (!IsCharacterKey(event) || IsBackspace(event)) return false;
  const auto length = static_cast<std::size_t>(Text_PASSWORD->text().trimmed().size());
  return !PasswordKey(KeyCharacter(event), length);
}

void frm_option::Text_PASSWORD_Change() {
  // Pasted text keeps only what the keys would have let in, so the box shows the stored password.
  const QString text = Text_PASSWORD->text();
  const QString entry = Qs(PasswordEntry(text.toStdU32String()));
  if (entry != text) {
    Text_PASSWORD->setText(entry);
    return;
  }
  StorePassword(entry.toStdString(), Doc().EditImage());
}

bool frm_option::Text_ANI_KeyPress(QKeyEvent* event) {
  if (!IsCharacterKey(event) || IsBackspace(event)) return false;
  const auto length = static_cast<std::size_t>(Text_ANI->text().trimmed().size());
  const char32_t typed = KeyCharacter(event);
  const auto accepted = AniKey(typed, length);
  if (!accepted) return true;
  if (static_cast<char32_t>(*accepted) == typed) return false;
  Text_ANI->insert(QString(QChar::fromLatin1(*accepted)));
  return true;
}

void frm_option::Text_ANI_Change() {
  const QString text = Text_ANI->text();
  const QString entry = Qs(AniEntry(text.toStdU32String()));
  if (entry != text) {
    Text_ANI->setText(entry);
    return;
  }
  StoreAni(entry.toStdString(), Doc().EditImage());
}

namespace {
bool RangeKeyRefused(const QKeyEvent* event) {
  if (!IsCharacterKey(event) || IsBackspace(event)) return false;
  const char32_t c = KeyCharacter(event);
  return !((c >= U'0' && c <= U'9') || c == U'.');
}
}  // namespace

bool frm_option::Text_pvfo_d0_KeyPress(QKeyEvent* event) {
  return RangeKeyRefused(event);
}
bool frm_option::Text_pvfo_d1_KeyPress(QKeyEvent* event) {
  return RangeKeyRefused(event);
}

bool frm_option::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == Text_pvfo_d0 || watched == Text_pvfo_d1) && event->type() == QEvent::FocusOut) {
    leaveReason_ = static_cast<QFocusEvent*>(event)->reason();
  }
  return ChildForm::eventFilter(watched, event);
}

void frm_option::PutFocusBack(TextBox* box) {
  // The box that had just taken the focus loses it again here, by code: LeftByCode()
  // keeps that from validating it and answering with a message of its own.
  box->setFocus(Qt::OtherFocusReason);
}

void frm_option::Text_pvfo_d0_LostFocus() {
  // An unloaded window (closed under a message) has nothing left to check.
  if (LeftByCode() || Unloaded()) return;
  const Freq10Hz lower = BoxValue(Text_pvfo_d0);
  const Freq10Hz upper = BoxValue(Text_pvfo_d1);
  const QString title = Lang("操作提示", "Operate Prompt");
  if (lower < Freq10Hz::MHz(Doc().FreqLowInt())) {
    if (!Warn(Lang("下限频率不可小于本机最低工作频率",
                   "frequency of lower limit can't less than the lowest of work frequency. "),
              title))
      return;
    Text_pvfo_d0->setText(Qs(NumberTextSpaced(Doc().FreqLowInt())));
    PutFocusBack(Text_pvfo_d0);
  } else if (upper < lower) {
    if (!Warn(Lang("下限频率不可大于上限频率",
                   "frequency of lower limit can't more than frequency of upper limit."),
              title))
      return;
    Text_pvfo_d0->setText(Text_pvfo_d1->text());
    PutFocusBack(Text_pvfo_d0);
  }
  FinishRangeEdit();
}

void frm_option::Text_pvfo_d1_LostFocus() {
  // An unloaded window (closed under a message) has nothing left to check.
  if (LeftByCode() || Unloaded()) return;
  const Freq10Hz lower = BoxValue(Text_pvfo_d0);
  const Freq10Hz upper = BoxValue(Text_pvfo_d1);
  const QString title = Lang("操作提示", "Operate Prompt");
  if (upper > Freq10Hz::MHz(Doc().FreqHighInt())) {
    if (!Warn(Lang("上限频率不可大于本机最高工作频率",
                   "frequency of upper limit can't more than the highest of work frequency. "),
              title))
      return;
    Text_pvfo_d1->setText(Qs(NumberTextSpaced(Doc().FreqHighInt())));
    PutFocusBack(Text_pvfo_d1);
  } else if (lower > upper) {
    if (!Warn(Lang("上限频率不可小于下限频率",
                   "frequency of upper limit can't less than frequency of lower limit."),
              title))
      return;
    Text_pvfo_d1->setText(Text_pvfo_d0->text());
    PutFocusBack(Text_pvfo_d1);
  }
  FinishRangeEdit();
}

void frm_option::FinishRangeEdit() {
  Write_Freq_range();
  Check_Chann_range();
}

void frm_option::Write_Freq_range() {
  // The whole MHz of each box; a value that three BCD digits cannot hold (only a
  // damaged row 59 shows one) leaves its edge as it is.
  StoreRangeEdge(BoxValue(Text_pvfo_d0).units / Freq10Hz::kPerMHz, kRangeLowCell,
                 Doc().EditImage());
  StoreRangeEdge(BoxValue(Text_pvfo_d1).units / Freq10Hz::kPerMHz, kRangeHighCell,
                 Doc().EditImage());
  Doc().Checkpoint();
  Doc().LimitsFromRow59();
  Read_Options();
}

void frm_option::Check_Chann_range() {
  const int n = FindChannelOutOfLimits(Doc().Image());
  if (n <= 0) return;
  Warn(Lang("信道 %1 中的接收或发射频率超出频率限制范围",
            "Channel %1that Receiving or transmitting frequency  out of frequency "
            "limitation range ")
           .arg(n));
}

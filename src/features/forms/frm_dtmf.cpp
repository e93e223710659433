#include "features/forms/frm_dtmf.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "features/forms/editor_controls.h"
#include "features/option_codec.h"
#include "image/radio_image.h"
#include "shell/forms/controls.h"
#include "shell/forms/ui.h"

frm_dtmf::frm_dtmf(MDImain* main) : ChildForm(main) {
  Frame1 = Named<QGroupBox>(this, "Frame1");
  Label_First_Delay = Named<QLabel>(Frame1, "Label_First_Delay");
  Combo_First_delay = NewDropDown(Frame1, "Combo_First_delay", true);
  Label_Dtmf_Space = Named<QLabel>(Frame1, "Label_Dtmf_Space");
  Combo_DTMF_SPACE = NewDropDown(Frame1, "Combo_DTMF_SPACE", true);
  Label_Dtmf_Delay = Named<QLabel>(Frame1, "Label_Dtmf_Delay");
  Combo_DTMF_DELAY = NewDropDown(Frame1, "Combo_DTMF_DELAY", true);
  Check_dtmfST = Named<QCheckBox>(Frame1, "Check_dtmfST");

  auto* grid = new QGridLayout(Frame1);
  grid->setColumnStretch(1, 1);
  grid->addWidget(Label_First_Delay, 0, 0);
  grid->addWidget(Combo_First_delay, 0, 1);
  grid->addWidget(Label_Dtmf_Space, 1, 0);
  grid->addWidget(Combo_DTMF_SPACE, 1, 1);
  grid->addWidget(Label_Dtmf_Delay, 2, 0);
  grid->addWidget(Combo_DTMF_DELAY, 2, 1);
  grid->addWidget(Check_dtmfST, 3, 0, 1, 2);

  Command_Close = Named<QPushButton>(this, "Command_Close");
  Command_Help = Named<QPushButton>(this, "Command_Help");

  auto* layout = new QGridLayout(this);
  layout->setColumnStretch(0, 1);
  layout->setColumnStretch(1, 2);
  layout->setColumnStretch(2, 1);
  layout->setRowStretch(0, 1);
  layout->setRowStretch(1, 1);
  layout->addWidget(Frame1, 0, 1);
  auto* buttons = CentredRow({Command_Close, Command_Help}, 24);
  layout->addLayout(buttons, 2, 0, 1, 3);

  connect(Combo_First_delay, &ComboBox::Change, this, &frm_dtmf::Combo_First_delay_Change);
  connect(Combo_DTMF_SPACE, &ComboBox::Change, this, &frm_dtmf::Combo_DTMF_SPACE_Change);
  connect(Combo_DTMF_DELAY, &ComboBox::Change, this, &frm_dtmf::Combo_DTMF_DELAY_Change);
  connect(Combo_First_delay, &ComboBox::Click, this, &frm_dtmf::Combo_First_delay_Click);
  connect(Combo_DTMF_SPACE, &ComboBox::Click, this, &frm_dtmf::Combo_DTMF_SPACE_Click);
  connect(Combo_DTMF_DELAY, &ComboBox::Click, this, &frm_dtmf::Combo_DTMF_DELAY_Click);
  connect(Check_dtmfST, &QCheckBox::toggled, this, &frm_dtmf::Check_dtmfST_Click);
  connect(Command_Close, &QPushButton::clicked, this, &frm_dtmf::Command_Close_Click);
}

void frm_dtmf::Form_Load() {
  SetCaption(Lang("DTMF 设置", "DTMF Setting"));
  Label_First_Delay->setText(Lang("首位数码延迟时间(毫秒)", "Pre-Time(ms)"));
  Label_Dtmf_Space->setText(Lang("数码间隔时间(毫秒)", "Intervals(ms)"));
  Label_Dtmf_Delay->setText(Lang("数码延迟时间(毫秒)", "Duration(ms)"));
  Check_dtmfST->setText(Lang("DTMF 侧音", "DTMF Side Tone"));
  Command_Close->setText(Lang("关闭", "Close"));
  Command_Help->setText(Lang("帮助", "Help"));

  Combo_First_delay->clear();
  for (int i = 0; i < kFirstDelayEntries; ++i) {
    Combo_First_delay->addItem(QString::fromStdString(FirstDelayText(i)));
  }
  for (ComboBox* box : {Combo_DTMF_SPACE, Combo_DTMF_DELAY}) {
    box->clear();
    for (int i = 0; i < kDigitTimeEntries; ++i) {
      box->addItem(QString::fromStdString(DigitTimeText(i)));
    }
  }

  PlaceInMainFrame(1.2, 1.5, 0);

  Read_Dtmf();
}

void frm_dtmf::Form_Activate() {
  Read_Dtmf();
}

void frm_dtmf::Read_Dtmf() {
  ShowStored(Combo_First_delay, Doc().Image(), kFirstDelayCell);
  ShowStored(Combo_DTMF_SPACE, Doc().Image(), kDigitIntervalCell);
  ShowStored(Combo_DTMF_DELAY, Doc().Image(), kDigitDurationCell);
  ShowChecked(Check_dtmfST, Doc().Image().at(kFlagsCell) & kDtmfSideToneBit);
}

// Typed free text snaps to entry 0; selecting it runs Click, which stores it.
void frm_dtmf::Combo_First_delay_Change() {
  SnapTypedEntry(Combo_First_delay);
}
void frm_dtmf::Combo_DTMF_SPACE_Change() {
  SnapTypedEntry(Combo_DTMF_SPACE);
}
void frm_dtmf::Combo_DTMF_DELAY_Change() {
  SnapTypedEntry(Combo_DTMF_DELAY);
}

void frm_dtmf::Combo_First_delay_Click() {
  StoreIndex(Combo_First_delay, Doc().EditImage(), kFirstDelayCell);
}
void frm_dtmf::Combo_DTMF_SPACE_Click() {
  StoreIndex(Combo_DTMF_SPACE, Doc().EditImage(), kDigitIntervalCell);
}
void frm_dtmf::Combo_DTMF_DELAY_Click() {
  StoreIndex(Combo_DTMF_DELAY, Doc().EditImage(), kDigitDurationCell);
}

void frm_dtmf::Check_dtmfST_Click() {
  SetBit(Image(kFlagsCell), kDtmfSideToneBit, Check_dtmfST->isChecked());
}

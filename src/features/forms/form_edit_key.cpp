#include "features/forms/form_edit_key.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "features/forms/editor_controls.h"
#include "features/option_codec.h"
#include "image/radio_image.h"
#include "shell/forms/controls.h"
#include "shell/forms/ui.h"

namespace {

QLabel* NewPicture(QWidget* parent, const char* name, const char* resource) {
  auto* picture = Named<QLabel>(parent, name);
  picture->setPixmap(QPixmap(QString::fromLatin1(resource)));
  picture->setAlignment(Qt::AlignCenter);
  return picture;
}

void LayOutKeyFrame(QGroupBox* frame, QLabel* shortLabel, ComboBox* shortList, QLabel* longLabel,
                    ComboBox* longList) {
  auto* grid = new QGridLayout(frame);
  grid->setColumnStretch(1, 1);
  grid->addWidget(shortLabel, 0, 0);
  grid->addWidget(shortList, 0, 1);
  grid->addWidget(longLabel, 1, 0);
  grid->addWidget(longList, 1, 1);
}

}  // namespace

Form_edit_Key::Form_edit_Key(MDImain* main) : ChildForm(main) {
  Frame_pf1 = Named<QGroupBox>(this, "Frame_pf1");
  Label_PF1_s = Named<QLabel>(Frame_pf1, "Label_PF1_s");
  Combo_pf1_S = NewDropDown(Frame_pf1, "Combo_pf1_S", true);
  Label_PF1_L = Named<QLabel>(Frame_pf1, "Label_PF1_L");
  Combo_pf1_L = NewDropDown(Frame_pf1, "Combo_pf1_L", true);
  LayOutKeyFrame(Frame_pf1, Label_PF1_s, Combo_pf1_S, Label_PF1_L, Combo_pf1_L);
  Frame_pf2 = Named<QGroupBox>(this, "Frame_pf2");
  Label_PF2_S = Named<QLabel>(Frame_pf2, "Label_PF2_S");
  Combo_PF2_S = NewDropDown(Frame_pf2, "Combo_PF2_S", true);
  Label_PF2_L = Named<QLabel>(Frame_pf2, "Label_PF2_L");
  Combo_PF2_L = NewDropDown(Frame_pf2, "Combo_PF2_L", true);
  LayOutKeyFrame(Frame_pf2, Label_PF2_S, Combo_PF2_S, Label_PF2_L, Combo_PF2_L);
  Picture1 = NewPicture(this, "Picture1", ":/artwork/key_upper.png");
  Picture2 = NewPicture(this, "Picture2", ":/artwork/key_lower.png");
  Command_Close = Named<QPushButton>(this, "Command_Close");
  Command_Help = Named<QPushButton>(this, "Command_Help");

  auto* layout = new QGridLayout(this);
  layout->setColumnStretch(0, 1);
  layout->setColumnStretch(1, 4);
  layout->setColumnStretch(3, 1);
  layout->setHorizontalSpacing(24);
  layout->setRowStretch(0, 1);
  auto* frames = new QVBoxLayout;
  frames->addStretch();
  frames->addWidget(Frame_pf1);
  frames->addSpacing(24);
  frames->addWidget(Frame_pf2);
  frames->addStretch();
  layout->addLayout(frames, 0, 1);
  // The two pictures share one place; only one is ever shown.
  layout->addWidget(Picture1, 0, 2);
  layout->addWidget(Picture2, 0, 2);
  auto* buttons = CentredRow({Command_Close, Command_Help}, 24);
  layout->addLayout(buttons, 1, 0, 1, 4);

  connect(Combo_pf1_S, &ComboBox::Change, this, &Form_edit_Key::Combo_pf1_S_Change);
  connect(Combo_pf1_L, &ComboBox::Change, this, &Form_edit_Key::Combo_pf1_L_Change);
  connect(Combo_PF2_S, &ComboBox::Change, this, &Form_edit_Key::Combo_PF2_S_Change);
  connect(Combo_PF2_L, &ComboBox::Change, this, &Form_edit_Key::Combo_PF2_L_Change);
  connect(Combo_pf1_S, &ComboBox::Click, this, &Form_edit_Key::Combo_pf1_S_Click);
  connect(Combo_pf1_L, &ComboBox::Click, this, &Form_edit_Key::Combo_pf1_L_Click);
  connect(Combo_PF2_S, &ComboBox::Click, this, &Form_edit_Key::Combo_PF2_S_Click);
  connect(Combo_PF2_L, &ComboBox::Click, this, &Form_edit_Key::Combo_PF2_L_Click);
  for (ComboBox* list : KeyLists()) list->installEventFilter(this);
  connect(Command_Close, &QPushButton::clicked, this, &Form_edit_Key::Command_Close_Click);
}

std::array<ComboBox*, 4> Form_edit_Key::KeyLists() const {
  return {Combo_pf1_S, Combo_pf1_L, Combo_PF2_S, Combo_PF2_L};
}

void Form_edit_Key::Form_Load() {
  for (ComboBox* list : KeyLists()) list->clear();
  ShowPicture(1);
  SetCaption(Lang("键设定", "Key Assingment"));
  Frame_pf1->setTitle(Lang("侧键 2  功能", "Side Button 2"));
  Frame_pf2->setTitle(Lang("侧键 3  功能", "Side Button 3"));
  for (QLabel* label : {Label_PF1_s, Label_PF2_S}) label->setText(Lang("短按", "Short Press"));
  for (QLabel* label : {Label_PF1_L, Label_PF2_L}) label->setText(Lang("长按", "Long Press"));
  Command_Close->setText(Lang("关闭", "Close"));
  Command_Help->setText(Lang("帮助", "Help"));

  const QStringList functions = {Lang("无", "None"),
                                 Lang("监听", "Monitor"),
                                 Lang("扫描  开/关", "Scan On/Off"),
                                 Lang("扫描暂时取消", "Scan+Temporary Delete"),
                                 Lang("高/低功率", "High/Low Power"),
                                 Lang("脱网", "Talk Around"),
                                 Lang("频率反转", "Reverse Frequency"),
                                 Lang("声控 开/关", "VOX On/Off")};
  for (ComboBox* list : KeyLists()) list->addItems(functions);
  Combo_pf1_S->setItemText(0, Lang("无", "No Function"));

  PlaceInMainFrame(1.5, 1.4, Twips(200));

  Read_Keys();
}

void Form_edit_Key::Form_Activate() {
  Read_Keys();
}

void Form_edit_Key::Read_Keys() {
  const auto lists = KeyLists();
  for (int k = 0; k < 4; ++k) {
    ComboBox* list = lists[static_cast<std::size_t>(k)];
    list->ShowEntry(KeyIndexFor(Doc().Image().at(kSideKeyCells[k]), list->count()));
  }
}

void Form_edit_Key::StoreKey(int k) {
  StoreIndex(KeyLists()[static_cast<std::size_t>(k)], Doc().EditImage(), kSideKeyCells[k]);
}

// Typed free text snaps to code 0; selecting it runs Click, which stores it.
void Form_edit_Key::Combo_pf1_S_Change() {
  SnapTypedEntry(Combo_pf1_S);
}
void Form_edit_Key::Combo_pf1_L_Change() {
  SnapTypedEntry(Combo_pf1_L);
}
void Form_edit_Key::Combo_PF2_S_Change() {
  SnapTypedEntry(Combo_PF2_S);
}
void Form_edit_Key::Combo_PF2_L_Change() {
  SnapTypedEntry(Combo_PF2_L);
}

void Form_edit_Key::Combo_pf1_S_Click() {
  StoreKey(0);
}
void Form_edit_Key::Combo_pf1_L_Click() {
  StoreKey(1);
}
void Form_edit_Key::Combo_PF2_S_Click() {
  StoreKey(2);
}
void Form_edit_Key::Combo_PF2_L_Click() {
  StoreKey(3);
}

void Form_edit_Key::ShowPicture(int which) {
  Picture1->setVisible(which == 1);
  Picture2->setVisible(which == 2);
}

bool Form_edit_Key::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    if (watched == Combo_pf1_S) Combo_pf1_S_GotFocus();
    if (watched == Combo_pf1_L) Combo_pf1_L_GotFocus();
    if (watched == Combo_PF2_S) Combo_PF2_S_GotFocus();
    if (watched == Combo_PF2_L) Combo_PF2_L_GotFocus();
  }
  return ChildForm::eventFilter(watched, event);
}

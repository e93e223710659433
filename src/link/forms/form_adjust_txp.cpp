#include "link/forms/form_adjust_txp.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "features/option_summary.h"
#include "shell/forms/controls.h"
#include "shell/forms/ui.h"

Form_Adjust_Txp::Form_Adjust_Txp(MDImain* main)
    : LinkForm(main),
      link_(
          std::make_unique<PowerAdjustLink>(*MSC, LinkTimers(), *this, *this, Doc().EditImage())) {
  auto makeScroll = [this](const char* name) {
    auto* scroll = Named<QScrollBar>(this, name, Qt::Horizontal);
    scroll->setSingleStep(1);
    scroll->setPageStep(1);
    // A level is sent when the thumb is let go, not at every pixel of a drag.
    scroll->setTracking(false);
    // Right and up raise the level, as on any level control.
    scroll->setInvertedControls(false);
    scroll->setFocusPolicy(Qt::StrongFocus);
    return scroll;
  };
  Label_Low = Named<QLabel>(this, "Label_Low");
  Label_High = Named<QLabel>(this, "Label_High");
  Label_L = Named<QLabel>(this, "Label_L");
  Label_H = Named<QLabel>(this, "Label_H");
  HScroll_L = makeScroll("HScroll_L");
  HScroll_H = makeScroll("HScroll_H");
  for (QLabel* value : {Label_L, Label_H}) {
    value->setMinimumWidth(Twips(600));
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
  Command_Close = Named<QPushButton>(this, "Command_Close");
  Command_Help = Named<QPushButton>(this, "Command_Help");
  ProgressBar1->hide();

  auto* grid = new QGridLayout(this);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(0, 1);
  grid->addWidget(Label_Low, 1, 0);
  grid->addWidget(HScroll_L, 1, 1);
  grid->addWidget(Label_L, 1, 2);
  grid->setRowStretch(2, 1);
  grid->addWidget(Label_High, 3, 0);
  grid->addWidget(HScroll_H, 3, 1);
  grid->addWidget(Label_H, 3, 2);
  grid->setRowStretch(4, 1);
  grid->addWidget(ProgressBar1, 5, 0, 1, 3);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(Command_Close);
  buttons->addStretch(1);
  buttons->addWidget(Command_Help);
  buttons->addStretch(1);
  grid->addLayout(buttons, 6, 0, 1, 3);
  grid->setRowStretch(7, 1);

  ConnectLink();
  connect(HScroll_L, &QScrollBar::valueChanged, this, &Form_Adjust_Txp::HScroll_L_Change);
  connect(HScroll_H, &QScrollBar::valueChanged, this, &Form_Adjust_Txp::HScroll_H_Change);
  connect(Command_Close, &QPushButton::clicked, this, &Form_Adjust_Txp::Command_Close_Click);
}

Form_Adjust_Txp::~Form_Adjust_Txp() = default;

void Form_Adjust_Txp::Form_Load() {
  link_->StartAdjust();
  HScroll_L->setRange(0, 255);
  HScroll_H->setRange(0, 255);

  const QSize frame = MainFrameSize();
  const int width = static_cast<int>(frame.width() / 1.8);
  const int height = frame.height() / 2;
  PlaceWindow((frame.width() - width) / 2, (frame.height() - height) / 3, width, height);
  SetCaption(Lang("发射功率调整", "Power Adjust"));
  Label_Low->setText(Lang(kLowPowerCaption.zh, kLowPowerCaption.en));
  Label_High->setText(Lang(kHighPowerCaption.zh, kHighPowerCaption.en));
  Command_Close->setText(Lang("关闭", "Close"));
  Command_Help->setText(Lang("帮助", "Help"));

  if (QMdiSubWindow* sub = SubWindow()) sub->show();
  link_->ShowLevels();
  link_->StartCloseTimer();
}

void Form_Adjust_Txp::HScroll_L_Change() {
  Label_L->setText(QString::number(HScroll_L->value()));
  link_->HScroll_Change(PowerLevel::Low, HScroll_L->value());
}

void Form_Adjust_Txp::HScroll_H_Change() {
  Label_H->setText(QString::number(HScroll_H->value()));
  link_->HScroll_Change(PowerLevel::High, HScroll_H->value());
}

void Form_Adjust_Txp::ShowLevel(PowerLevel level, int value) {
  const bool low = level == PowerLevel::Low;
  QScrollBar* scroll = low ? HScroll_L : HScroll_H;
  const QSignalBlocker quiet(scroll);  // drawing is no movement of the user's
  scroll->setValue(value);
  (low ? Label_L : Label_H)->setText(QString::number(value));
}

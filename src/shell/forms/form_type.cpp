#include "shell/forms/form_type.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "shell/forms/controls.h"
#include "shell/forms/main_window.h"
#include "shell/forms/ui.h"
#include "shell/model_band.h"

Form_type::Form_type(MDImain* main) : ChildForm(main) {
  Combo_type = Named<ComboBox>(this, "Combo_type");
  Combo_type->SetEditable(true);
  Combo_Band = Named<ComboBox>(this, "Combo_Band");
  Combo_Band->SetEditable(true);
  Command_enter = Named<QPushButton>(this, "Command_enter");
  Command_cancel = Named<QPushButton>(this, "Command_cancel");
  Label1 = Named<QLabel>(this, "Label1");
  Label2 = Named<QLabel>(this, "Label2");

  auto* grid = new QGridLayout(this);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(0, 1);
  grid->addWidget(Label1, 1, 0);
  grid->addWidget(Combo_type, 1, 1);
  grid->addWidget(Label2, 2, 0);
  grid->addWidget(Combo_Band, 2, 1);
  grid->setRowStretch(3, 1);
  auto* buttons = CentredRow({Command_enter, Command_cancel});
  grid->addLayout(buttons, 4, 0, 1, 2);
  grid->setRowStretch(5, 1);

  connect(Combo_Band, &ComboBox::Click, this, &Form_type::Combo_Band_Click);
  connect(Combo_Band, &ComboBox::Change, this, &Form_type::Combo_Band_Change);
  connect(Combo_type, &ComboBox::Change, this, &Form_type::Combo_type_Change);
  connect(Command_enter, &QPushButton::clicked, this, &Form_type::Command_enter_Click);
  connect(Command_cancel, &QPushButton::clicked, this, &Form_type::Command_cancel_Click);
}

void Form_type::Form_Load() {
  SetCaption(Lang("机型选择", "Model Select"));
  Command_enter->setText(Lang("确 定", "Confirm"));
  Command_cancel->setText(Lang("取 消", "Cancel"));
  Label1->setText(Lang("机  型", "Model"));
  Label2->setText(Lang("频  段", "Band"));

  const QSize client = ClientSize();
  const int width = client.width() / 2;
  const int height = static_cast<int>(client.height() / 1.8);
  PlaceCentred(width, height, -Twips(500));

  Combo_type->clear();
  Combo_type->addItem(QString::fromLatin1(kModelName));
  Combo_type->Select(0);

  Combo_Band->clear();
  for (int b = 0; b < kBandsOffered; ++b) {
    const auto& band = BandEdgesOf(b);
    Combo_Band->addItem(
        QString::fromStdString(NumberTextSpaced(band[0]) + "-" + NumberTextSpaced(band[1])));
  }
  // Shown, not applied: looking at the model never changes the image.
  Combo_Band->setCurrentIndex(Doc().BandIndex());
}

void Form_type::ApplySelectedBand(int b) {
  if (b < 0 || b >= kBandsOffered) return;
  Doc().ApplyBand(b);
}

void Form_type::Combo_Band_Click() {
  ApplySelectedBand(Combo_Band->currentIndex());
}

void Form_type::Combo_Band_Change() {
  // Whatever is typed, the box goes back to its first entry and that band applies.
  if (forcing_) return;
  forcing_ = true;
  Combo_Band->setCurrentIndex(0);
  Combo_Band->setEditText(Combo_Band->itemText(0));
  ApplySelectedBand(0);
  forcing_ = false;
}

void Form_type::Combo_type_Change() {
  if (forcing_) return;
  forcing_ = true;
  Combo_type->setCurrentIndex(0);
  Combo_type->setEditText(Combo_type->itemText(0));
  forcing_ = false;
}

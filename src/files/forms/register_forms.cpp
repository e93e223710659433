#include "files/forms/chann_forms.h"
#include "shell/forms/forms.h"

ChildForm* Create_Form_open_chann(MDImain* main) {
  return new Form_open_chann(main);
}
ChildForm* Create_Form_save_chann(MDImain* main) {
  return new Form_save_chann(main);
}

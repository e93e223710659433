#include "features/forms/form_edit_message.h"
#include "features/forms/form_edit_scan.h"
#include "features/forms/form_edit_test.h"
#include "shell/forms/forms.h"

ChildForm* Create_Form_Edit_scan(MDImain* main) {
  return new Form_Edit_scan(main);
}
ChildForm* Create_Form_Edit_Test(MDImain* main) {
  return new Form_Edit_Test(main);
}
ChildForm* Create_Form_Edit_Message(MDImain* main) {
  return new Form_Edit_Message(main);
}

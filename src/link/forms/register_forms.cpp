#include "link/forms/form_adjust_txp.h"
#include "link/forms/form_comm_read.h"
#include "link/forms/form_comm_write.h"
#include "shell/forms/forms.h"

ChildForm* Create_Form_Comm_Read(MDImain* main) {
  return new Form_Comm_Read(main);
}
ChildForm* Create_Form_Comm_Write(MDImain* main) {
  return new Form_Comm_Write(main);
}
ChildForm* Create_Form_Adjust_Txp(MDImain* main) {
  return new Form_Adjust_Txp(main);
}

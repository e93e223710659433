#include "shell/forms.h"

// Windows of this module not built yet open nothing.
ChildForm* Create_Form_Comm_Read(MDImain*) {
  return nullptr;
}
ChildForm* Create_Form_Comm_Write(MDImain*) {
  return nullptr;
}
ChildForm* Create_Form_Adjust_Txp(MDImain*) {
  return nullptr;
}

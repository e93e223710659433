#include "window_registry.h"

#include "channels/forms/form_chann_edit.h"
#include "channels/forms/frm_chann.h"
#include "features/forms/form_edit_key.h"
#include "features/forms/form_edit_message.h"
#include "features/forms/form_edit_scan.h"
#include "features/forms/form_edit_test.h"
#include "features/forms/frm_dtmf.h"
#include "features/forms/frm_option.h"
#include "files/forms/chann_forms.h"
#include "fleet/forms/form_clone.h"
#include "link/forms/form_adjust_txp.h"
#include "link/forms/form_comm_read.h"
#include "link/forms/form_comm_verify.h"
#include "link/forms/form_comm_write.h"
#include "shell/forms/about.h"
#include "shell/forms/form_import_csv.h"
#include "shell/forms/form_setup.h"
#include "shell/forms/form_type.h"
#include "shell/forms/help.h"

std::span<const FormEntry> ProgramForms() {
  // The flagged windows in the order a language switch reloads them, then the rest.
  static const FormEntry forms[] = {
      {"frmAbout", MakeForm<frmAbout>, kOpenFlag},
      {"frm_option", MakeForm<frm_option>, kOpenFlag},
      {"frm_chann", MakeForm<frm_chann>, kOpenFlag},
      {"Form_setup", MakeForm<Form_setup>, kOpenFlag},
      {"Form_type", MakeForm<Form_type>, kOpenFlag},
      {"Form_save_chann", MakeForm<Form_save_chann>, kOpenFlag},
      {"Form_open_chann", MakeForm<Form_open_chann>, kOpenFlag},
      {"Form_Comm_Read", MakeForm<Form_Comm_Read>, kOpenFlag},
      {"Form_Comm_Write", MakeForm<Form_Comm_Write>, kOpenFlag},
      {"Form_Comm_Verify", MakeForm<Form_Comm_Verify>, kOpenFlag},
      {"Form_Edit_Test", MakeForm<Form_Edit_Test>, kOpenFlag},
      {"Form_edit_Key", MakeForm<Form_edit_Key>, kOpenFlag},
      {"frm_dtmf", MakeForm<frm_dtmf>, kOpenFlag},
      {"Form_Adjust_Txp", MakeForm<Form_Adjust_Txp>, kOpenFlag},
      {"frmHelp", MakeForm<frmHelp>, kOpenFlag},
      {"Form_Edit_scan", MakeForm<Form_Edit_scan>, kNoOpenFlag},
      {"Form_Edit_Message", MakeForm<Form_Edit_Message>, kNoOpenFlag},
      {"Form_Chann_Edit", MakeForm<Form_Chann_Edit>, kNoOpenFlag},
      {"Form_import_csv", MakeForm<Form_import_csv>, kNoOpenFlag},
      // A language switch would end a round: the window captions itself anew instead.
      {"Form_Clone", MakeForm<Form_Clone>, kNoOpenFlag},
  };
  return forms;
}

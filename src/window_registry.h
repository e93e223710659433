#pragma once
// Every child window of the program, each named once, in one table.
#include <span>

#include "shell/forms/forms.h"

std::span<const FormEntry> ProgramForms();

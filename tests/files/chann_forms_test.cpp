#include "support/gui_test.h"

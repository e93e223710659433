#pragma once
// What the open dialog says when a channel file does not load, for every place that
// loads one (the dialog, the command line, a file given at start-up). Plain C++.
#include <string>

#include "files/channel_file.h"

// The message for a check that failed, naming file as given; empty when it loaded.
std::string ChannelFileFaultText(const ChannelFileCheck& check, const std::string& file,
                                 bool chinese);

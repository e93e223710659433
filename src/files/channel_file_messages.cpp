#include "files/channel_file_messages.h"

std::string ChannelFileFaultText(const ChannelFileCheck& check, const std::string& file,
                                 bool chinese) {
  const std::string line = std::to_string(check.line);
  const std::string position = std::to_string(check.position);
  switch (check.fault) {
    case ChannelFileFault::None:
      return {};
    case ChannelFileFault::TooLarge:
      return chinese ? "文件 " + file + " 大于 1 MiB，不是信道参数文件，信道参数未调入。"
                     : "The file " + file +
                           " is larger than 1 MiB and is not a channel parameter file; no "
                           "channel parameter was loaded.";
    case ChannelFileFault::TooFewNumbers:
    case ChannelFileFault::TooManyNumbers: {
      const bool few = check.fault == ChannelFileFault::TooFewNumbers;
      const std::string numbers = std::to_string(check.numbers);
      return chinese ? "文件 " + file + (few ? " 只有 " : " 有 ") + numbers +
                           " 个数，信道参数文件应有 4096 个数，信道参数未调入。"
                     : "The file " + file + (few ? " holds only " : " holds ") + numbers +
                           " numbers where a channel parameter file holds 4096; no channel "
                           "parameter was loaded.";
    }
    case ChannelFileFault::NotANumber:
    case ChannelFileFault::OutOfRange: {
      const bool word = check.fault == ChannelFileFault::NotANumber;
      return chinese ? "文件 " + file + " 第 " + line + " 行第 " + position + " 个字符处的" +
                           (word ? "“" + check.item + "”不是整数"
                                 : "数 " + check.item + " 超出 0 到 255") +
                           "，信道参数未调入。"
                     : "The file " + file + " has " +
                           (word ? "\"" + check.item + "\"" : "the number " + check.item) +
                           " at line " + line + ", position " + position + ", which is " +
                           (word ? "not a whole number" : "not within 0 to 255") +
                           "; no channel parameter was loaded.";
    }
  }
  return {};
}

#include "chann_text.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

bool ReadChannText(const std::string& path, ChannRows& rows, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = path + ": " + std::strerror(errno);
    return false;
  }
  std::ostringstream all;
  all << in.rdbuf();
  const std::string text = all.str();
  std::size_t count = 0;
  std::size_t i = 0;
  while (i < text.size() && count < 4096) {
    const char ch = text[i];
    if (ch == ' ' || ch == ',' || ch == '\r' || ch == '\n' || ch == '\t') {
      ++i;
      continue;
    }
    if (ch < '0' || ch > '9') {
      error = path + ": unexpected character at offset " + std::to_string(i);
      return false;
    }
    unsigned value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
      value = value * 10 + static_cast<unsigned>(text[i] - '0');
      if (value > 255) {
        error = path + ": number above 255 at offset " + std::to_string(i);
        return false;
      }
      ++i;
    }
    rows[count / 16][count % 16] = static_cast<std::uint8_t>(value);
    ++count;
  }
  if (count < 4096) {
    error = path + ": " + std::to_string(count) + " numbers, 4096 expected";
    return false;
  }
  return true;
}

std::string ChannText(const ChannRows& rows) {
  std::string text;
  for (const auto& row : rows) {
    for (std::size_t c = 0; c < row.size(); ++c) {
      if (c > 0) text += ' ';
      text += std::to_string(row[c]);
    }
    text += "\r\n";
  }
  return text;
}

bool WriteChannText(const std::string& path, const ChannRows& rows, std::string& error) {
  // Written beside the target and renamed over it, so a reader never sees half a file.
  const std::string temp = path + ".part";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) {
      error = temp + ": " + std::strerror(errno);
      return false;
    }
    out << ChannText(rows);
    out.flush();
    if (!out) {
      error = temp + ": write failed";
      return false;
    }
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    error = path + ": " + std::strerror(errno);
    std::remove(temp.c_str());
    return false;
  }
  return true;
}

#include "codec/tones.h"


namespace {
constexpr const char* kCtcss[] = {
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
    "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
    "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};
constexpr const char* kDcs[] = {
    "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065",
    "071", "072", "073", "074", "114", "115", "116", "122", "125", "131", "132", "134",
    "143", "145", "152", "155", "156", "162", "165", "172", "174", "205", "212", "223",
    "225", "226", "243", "244", "245", "246", "251", "252", "255", "261", "263", "265",
    "266", "271", "274", "306", "311", "315", "325", "331", "332", "343", "346", "351",
    "356", "364", "365", "371", "411", "412", "413", "423", "431", "432", "445", "446",
    "452", "454", "455", "462", "464", "465", "466", "503", "506", "516", "523", "526",
    "532", "546", "565", "606", "612", "624", "627", "631", "632", "645", "654", "662",
    "664", "703", "712", "723", "731", "732", "734", "743", "754"};
static_assert(std::size(kCtcss) == 50);
static_assert(std::size(kDcs) == 105);
}  // namespace

namespace {
std::array<std::string, kToneTableSize> MakeToneTable() {
  std::array<std::string, kToneTableSize> table;
  table[0] = "   OFF      ";
  for (int i = 1; i <= kToneLastCtcss; ++i) {
    const std::string value = kCtcss[i - 1];
    if (i <= 9) {
      table[i] = "   " + value + "    ";
    } else if (i <= 12) {
      table[i] = "  " + value + "    ";
    } else {
      table[i] = "  " + value + "   ";
    }
  }
  for (int i = kToneLastCtcss + 1; i <= kToneLastDcs; ++i) {
    const std::string code = kDcs[i - 51];
    table[i] = (i < 100 ? "  D" : " D") + code + "N   ";
  }
  for (int i = kToneLastCtcss + 1; i <= kToneLastDcs; ++i) {
    // "D" and the three digits of the normal entry, without its spaces.
    std::string code = table[i];
    std::erase(code, ' ');
    table[i + 105] = code.substr(0, 4) + "I";
  }
  return table;
}

const std::array<std::string, kToneTableSize>& FixedToneTable() {
  static const std::array<std::string, kToneTableSize> table = MakeToneTable();
  return table;
}
}  // namespace

const std::string& ToneTableEntry(int position) {
  static const std::string kNone;
  if (position < 0 || position > kToneLast) return kNone;
  return FixedToneTable()[static_cast<std::size_t>(position)];
}

StoredTone EncodeTone(int listPosition) {
  if (listPosition > kToneLastDcs) return {1, static_cast<std::uint8_t>(listPosition - 105)};
  return {0, static_cast<std::uint8_t>(listPosition)};
}

bool IsNoTone(StoredTone tone) {
  return (tone.polarity == 0xFF && tone.code == 0xFF) || (tone.polarity == 0 && tone.code == 0);
}

int DecodeTone(StoredTone tone) {
  if (IsNoTone(tone)) return 0;
  int idx = tone.code;
  if (idx > kToneLastDcs) idx = 0;
  if (tone.polarity > 0) idx += kToneLast - kToneLastDcs;
  return idx;
}

std::string ToneText(StoredTone tone, const std::string& noToneWord) {
  if (IsNoTone(tone)) return noToneWord;
  return ToneTableEntry(DecodeTone(tone));
}

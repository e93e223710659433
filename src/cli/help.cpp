// The help texts, laid out as help2man reads them: a usage line, a description,
// then sections whose title ends in a colon, options indented by two spaces.
#include <string>

#include "cli/cli.h"

namespace cli {

namespace {

struct Help {
  const char* command;
  const char* chinese;
  const char* english;
};

constexpr const char* kCommonEn =
    "Common options:\n"
    "  -p PORT, --port PORT  the serial port: a device path (/dev/ttyUSB0, /dev/pts/3,\n"
    "                        COM3 on Windows) or COMn, which names the n-th port by the\n"
    "                        program's port rule (see rt410 ports)\n"
    "  --lang en|zh          the language of every text; by default Chinese when\n"
    "                        LC_ALL, LC_MESSAGES or LANG (the first one set) begins\n"
    "                        with \"zh\", English otherwise\n"
    "  -h, --help            this help\n"
    "  --version             the version\n"
    "\n"
    "Exit status:\n"
    "  0  success\n"
    "  1  the radio failed, verify or diff found differences, or a radio of a clone\n"
    "     failed\n"
    "  2  bad usage, a file that is unreadable or invalid, or a refusal to overwrite\n";

constexpr const char* kCommonZh =
    "通用选项：\n"
    "  -p PORT, --port PORT  串口：设备路径（/dev/ttyUSB0、/dev/pts/3，Windows 上为\n"
    "                        COM3），或 COMn，按本程序的端口规则指第 n 个端口\n"
    "                        （见 rt410 ports）\n"
    "  --lang en|zh          所有文字的语言；缺省时若 LC_ALL、LC_MESSAGES 或 LANG\n"
    "                        （取第一个已设置的）以 \"zh\" 开头则为中文，否则为英文\n"
    "  -h, --help            本帮助\n"
    "  --version             版本\n"
    "\n"
    "退出状态：\n"
    "  0  成功\n"
    "  1  对讲机操作失败，verify 或 diff 发现差异，或 clone 中有对讲机失败\n"
    "  2  用法错误，文件无法读取或无效，或拒绝覆盖已有文件\n";

const Help kHelps[] = {
    {"",
     "用法：rt410 命令 [选项]\n"
     "\n"
     "RT410 对讲机的命令行编程工具：读、写、校验和批量克隆对讲机，\n"
     "显示、比较和转换信道参数文件（.chann）与 CHIRP 格式的 CSV。\n"
     "\n"
     "命令：\n"
     "  ports       列出 COM1 到 COM8 及其对应的设备\n"
     "  read        读取对讲机并保存为 .chann 文件\n"
     "  write       把 .chann 文件写入对讲机\n"
     "  verify      读取对讲机并与文件比较\n"
     "  clone       把同一文件写入多台对讲机，可同时用多个端口\n"
     "  show        显示文件中的信道和主要可选参数\n"
     "  diff        比较两个文件\n"
     "  export-csv  把信道导出为 CHIRP 格式的 CSV\n"
     "  import-csv  由 CHIRP 格式的 CSV 生成 .chann 文件\n"
     "  sheet       把信道表写成 PDF\n"
     "\n"
     "“rt410 命令 --help” 显示各命令的帮助。\n"
     "\n",
     "Usage: rt410 COMMAND [OPTIONS]\n"
     "\n"
     "Command-line programmer for RT410 radios: reads, writes, verifies and clones\n"
     "radios, and shows, compares and converts channel files (.chann) and CSV files\n"
     "in CHIRP's layout.\n"
     "\n"
     "Commands:\n"
     "  ports       list COM1 to COM8 with the device each means\n"
     "  read        read a radio and save its memory as a .chann file\n"
     "  write       write a .chann file into a radio\n"
     "  verify      read a radio and compare it with a file\n"
     "  clone       write one file into many radios, on several ports at once\n"
     "  show        print the channels and main optional features of a file\n"
     "  diff        print the differences between two files\n"
     "  export-csv  write the channels as CSV in CHIRP's layout\n"
     "  import-csv  build a .chann file from a CSV in CHIRP's layout\n"
     "  sheet       write the channel sheet of a file as PDF\n"
     "\n"
     "\"rt410 COMMAND --help\" shows the help of each command.\n"
     "\n"},
    {"ports",
     "用法：rt410 ports\n"
     "\n"
     "列出 COM1 到 COM8，以及按本程序的端口规则每个编号所指的设备和设备说明。\n"
     "Linux 上依次为 /dev/ttyUSB*、/dev/ttyACM*、/dev/ttyS*。\n"
     "\n",
     "Usage: rt410 ports\n"
     "\n"
     "Lists COM1 to COM8 with the device each number means by the program's port\n"
     "rule, and the device's description. On Linux the rule counts /dev/ttyUSB*,\n"
     "then /dev/ttyACM*, then /dev/ttyS*.\n"
     "\n"},
    {"read",
     "用法：rt410 read -p PORT -o FILE [--password DIGITS] [--force] [--verify]\n"
     "\n"
     "读取对讲机的全部存储并保存为信道参数文件 FILE，与程序刚启动后读取再保存\n"
     "的文件逐字节相同：第 0-63 行为对讲机的存储，第 64-253 行为 0。\n"
     "文件先写到旁边，完成后才替换 FILE。\n"
     "\n"
     "选项：\n"
     "  -o FILE, --output FILE  要保存的 .chann 文件\n"
     "  --password DIGITS       对讲机的数据命令字（最多六位数字）\n"
     "  --force                 覆盖已存在的 FILE（否则拒绝，退出状态 2）\n"
     "  --verify                读取后校验：在同一次联络中再读一遍全部存储，只接受两次\n"
     "                          相同的数据块（用于将要克隆的文件）；不一致的块最多再读\n"
     "                          三次，仍不一致则报“数据校验失败”并列出块号，文件不动\n"
     "\n",
     "Usage: rt410 read -p PORT -o FILE [--password DIGITS] [--force] [--verify]\n"
     "\n"
     "Reads the radio's whole memory and saves it as the channel file FILE, byte for\n"
     "byte what the program saves after a read on a fresh start: rows 0-63 the\n"
     "radio's memory, rows 64-253 zero, rows 254-255 as at start-up. The file is\n"
     "written beside FILE and renamed over it only when complete.\n"
     "\n"
     "Options:\n"
     "  -o FILE, --output FILE  the .chann file to save\n"
     "  --password DIGITS       the radio's data password (up to six digits), as if\n"
     "                          it stood in the options window\n"
     "  --force                 overwrite an existing FILE (else exit status 2, the\n"
     "                          file untouched)\n"
     "  --verify                verify after reading: read the whole memory a second\n"
     "                          time in the same session and take only blocks of which\n"
     "                          two copies agree (for a file that will be cloned); a\n"
     "                          block that differs is read up to three times more, then\n"
     "                          \"Verification failed\" names the blocks, FILE untouched\n"
     "\n"},
    {"write",
     "用法：rt410 write -p PORT FILE [--band N]\n"
     "\n"
     "调入 FILE（与打开对话框同样检查整个文件），像写入窗口一样准备数据（特殊\n"
     "频点标志、第 61 行的 \"RT410\" 和机型代码），再写入第 0-62 块和 \"E\"。\n"
     "文件有误时不会唤醒对讲机。\n"
     "\n"
     "选项：\n"
     "  --band N  机型代码 N（0-4）；缺省时取第 59 行的频段上下限所对应的频段；\n"
     "            若无对应频段则必须给出\n"
     "\n",
     "Usage: rt410 write -p PORT FILE [--band N]\n"
     "\n"
     "Loads FILE with the open dialog's whole-file check, prepares the image exactly\n"
     "as the write window does (spot-frequency flags, \"RT410\" and the model code in\n"
     "row 61) and writes blocks 0-62 and \"E\". A damaged file ends the command\n"
     "before the radio is woken.\n"
     "\n"
     "Options:\n"
     "  --band N  the model code N (0-4); by default the band whose edges row 59\n"
     "            holds; a file whose row 59 matches no band needs it\n"
     "            (0 136-174, 1 245-250, 2 350-390, 3 400-470, 4 465-520 MHz)\n"
     "\n"},
    {"verify",
     "用法：rt410 verify -p PORT FILE [--band N] [--password DIGITS]\n"
     "\n"
     "读取对讲机，把第 0-62 块与写入 FILE 时将发送的数据比较，列出每个不同的块\n"
     "（块号、单元、对讲机的值与文件的值）。相同时退出状态为 0，不同时为 1。\n"
     "\n"
     "选项：\n"
     "  --band N           机型代码，同 write\n"
     "  --password DIGITS  对讲机的数据命令字；缺省时取 FILE 中的命令字\n"
     "\n",
     "Usage: rt410 verify -p PORT FILE [--band N] [--password DIGITS]\n"
     "\n"
     "Reads the radio and compares blocks 0-62 with what a write of FILE would send.\n"
     "Lists each block that differs: block number, cells, the radio's value against\n"
     "the file's. Exit status 0 when identical, 1 when not.\n"
     "\n"
     "Options:\n"
     "  --band N           the model code, as for write\n"
     "  --password DIGITS  the radio's data password; by default the one FILE holds\n"
     "\n"},
    {"clone",
     "用法：rt410 clone -p PORT [-p PORT …] FILE [--band N] [--verify] [--log FILE]\n"
     "                  [--count N] [--ani-from CODE] [--password DIGITS]\n"
     "\n"
     "把 FILE 写入多台对讲机，每轮每个端口一台，各端口同时进行。每轮之前在标准错误\n"
     "上提示“接好对讲机后按回车（q 停止）”，并从标准输入等待一行（回车开始；\"q\"\n"
     "或输入结束则停止）。没有对讲机应答的端口记为“无对讲机”，不影响其他端口。\n"
     "每轮之后每个端口打印一行：端口、结果（成功、校验一致、失败及原因、无对讲机）、\n"
     "写入的 ANI 编码、秒数；最后打印完成、失败和无对讲机的次数。没有对讲机失败时\n"
     "退出状态为 0。\n"
     "\n"
     "选项：\n"
     "  -p PORT            端口，可多次给出；按给出的顺序分配 ANI 编码\n"
     "  --band N           机型代码，同 write\n"
     "  --verify           写入后读回校验每台对讲机（第 0-62 块）\n"
     "  --password DIGITS  校验读取时的数据命令字；缺省时取 FILE 中的命令字\n"
     "  --count N          最多完成 N 台\n"
     "  --ani-from CODE    第一台的 ANI 编码（一到八位十六进制数字），之后每台加一，\n"
     "                     位数不变（0099、009A…；00FF、0100）；失败的对讲机不占用\n"
     "                     编码。编码超出其位数时拒绝。缺省时用 FILE 中的编码\n"
     "  --log FILE         每台追加一行 CSV 到 FILE（新文件先写表头）：时间、端口、\n"
     "                     设备、文件、ANI、结果、校验不同的块\n"
     "\n",
     "Usage: rt410 clone -p PORT [-p PORT ...] FILE [--band N] [--verify] [--log FILE]\n"
     "                   [--count N] [--ani-from CODE] [--password DIGITS]\n"
     "\n"
     "Writes FILE into many radios, a round at a time: one radio on every port, all\n"
     "ports at once. Before each round it prompts \"Connect the radios and press\n"
     "Enter (q stops)\" on stderr and waits for one line on stdin (Enter starts; \"q\"\n"
     "or the end of the input stops). A port where no radio answers is reported as\n"
     "\"no radio\" and does not stop the others. After each round it prints one line\n"
     "per port: port, result (success, verified, failed with the reason, no radio),\n"
     "the ANI code given and seconds; at the end the radios done, failed and no\n"
     "radio. Exit status 0 only if no radio failed.\n"
     "\n"
     "Options:\n"
     "  -p PORT            a port; give it once per cable. ANI codes go to the ports\n"
     "                     in this order\n"
     "  --band N           the model code, as for write\n"
     "  --verify           read each radio back after the write and compare blocks\n"
     "                     0-62\n"
     "  --password DIGITS  the data password for the read back; by default the one\n"
     "                     FILE holds\n"
     "  --count N          stop after N radios done\n"
     "  --ani-from CODE    the first radio's ANI code (1 to 8 hexadecimal digits);\n"
     "                     each next radio gets the next code of the same length\n"
     "                     (0099, 009A, ...; 00FF, 0100). A radio that failed does\n"
     "                     not use up its code. Refused where the codes would outgrow\n"
     "                     their length. Without it every radio gets FILE's code\n"
     "  --log FILE         append one CSV line per radio to FILE (a header first when\n"
     "                     the file is new): time, port, device, file, ANI, result,\n"
     "                     the blocks a verify found different\n"
     "\n"},
    {"show",
     "用法：rt410 show FILE\n"
     "\n"
     "按信道表格的列和单元文字打印 16 个信道，然后打印工作频率范围和主要可选参数。\n"
     "\n",
     "Usage: rt410 show FILE\n"
     "\n"
     "Prints the 16 channels with the channel grid's columns and cell texts, then the\n"
     "working frequency range and the main optional features with the options\n"
     "window's captions.\n"
     "\n"},
    {"diff",
     "用法：rt410 diff A B\n"
     "\n"
     "打印两个文件的差异：信道参数按表格文字，可选参数按窗口标题，其余单元按\n"
     "“第 r 行 第 c 列：a → b”。相同时退出状态为 0，不同时为 1。\n"
     "\n",
     "Usage: rt410 diff A B\n"
     "\n"
     "Prints the differences between two files: channel fields by their grid texts\n"
     "(\"channel 2 receive: 136.12500 → 136.13750\"), optional features by their\n"
     "captions, and other cells raw (\"row r column c: a → b\"). Exit status 0 when\n"
     "the files are identical, 1 when they differ.\n"
     "\n"},
    {"export-csv",
     "用法：rt410 export-csv FILE [-o OUT]\n"
     "\n"
     "把 FILE 中的非空信道按 CHIRP 的 CSV 格式写到 OUT 或标准输出。\n"
     "\n"
     "选项：\n"
     "  -o OUT, --output OUT  要写的 CSV 文件（\"-\" 为标准输出）\n"
     "\n",
     "Usage: rt410 export-csv FILE [-o OUT]\n"
     "\n"
     "Writes the non-empty channels of FILE as CSV in CHIRP's layout, to OUT or to\n"
     "stdout.\n"
     "\n"
     "Options:\n"
     "  -o OUT, --output OUT  the CSV file to write (\"-\" for stdout)\n"
     "\n"},
    {"import-csv",
     "用法：rt410 import-csv CSV -o FILE [--base BASE] [--band N] [--force]\n"
     "\n"
     "由 CHIRP 格式的 CSV 生成 .chann 文件。信道 1-16 取自 CSV，CSV 未列出的信道为\n"
     "空；其余各行取自 BASE，未给出时取程序启动时的数据。每个信道与在信道表格中\n"
     "键入同样数值所存的完全相同；频率按步进取整，并按频段检查。\n"
     "全部成功才写文件：任何一行无法表示时，每行问题（行号、列、值、原因）打印\n"
     "在标准错误上，退出状态为 2，不写任何文件。\n"
     "\n"
     "选项：\n"
     "  -o FILE, --output FILE  要写的 .chann 文件\n"
     "  --base BASE             提供其余各行的 .chann 文件\n"
     "  --band N                像机型选择一样设置第 59 行，并按此频段检查频率\n"
     "  --force                 覆盖已存在的 FILE\n"
     "\n",
     "Usage: rt410 import-csv CSV -o FILE [--base BASE] [--band N] [--force]\n"
     "\n"
     "Builds a .chann file from a CSV in CHIRP's layout (\"-\" reads stdin). Channels\n"
     "1-16 come from the CSV; channels it does not name are empty. Every other row\n"
     "comes from BASE, or from the start-up image. Each channel is exactly what\n"
     "typing the same values into the channel grid would store; frequencies are\n"
     "snapped to the raster and checked against the band (--band, else BASE's row\n"
     "59, else the start-up band).\n"
     "\n"
     "All or nothing: when a row cannot be represented, every problem is printed on\n"
     "stderr with its line, column, value and reason, the exit status is 2 and\n"
     "nothing is written. Skipped locations and snapped frequencies are noted on\n"
     "stderr and do not fail the import.\n"
     "\n"
     "Options:\n"
     "  -o FILE, --output FILE  the .chann file to write\n"
     "  --base BASE             the .chann file the other rows come from\n"
     "  --band N                set row 59 as the model dialog does, and check the\n"
     "                          frequencies against that band\n"
     "  --force                 overwrite an existing FILE\n"
     "\n"},
    {"sheet",
     "用法：rt410 sheet FILE -o OUT.pdf\n"
     "\n"
     "把 FILE 的信道表写成一页 A4 纵向的 PDF，与程序“导出信道表 PDF...”所写的相同：\n"
     "标题、机型和频段、日期，按信道表格的列和单元文字列出 16 个信道，以及按可选\n"
     "参数窗口标题列出的主要可选功能。不需要显示器。已存在的 OUT.pdf 被替换。\n"
     "\n"
     "选项：\n"
     "  -o OUT.pdf, --output OUT.pdf  要写的 PDF 文件\n"
     "\n",
     "Usage: rt410 sheet FILE -o OUT.pdf\n"
     "\n"
     "Writes the channel sheet of FILE as a one-page A4 portrait PDF, the same the\n"
     "program's \"Export Channel Sheet PDF...\" writes: the title, the model and\n"
     "band, the date, the 16 channels with the channel grid's columns and cell\n"
     "texts, and the main optional features with the options window's captions.\n"
     "No display is needed. An existing OUT.pdf is replaced.\n"
     "\n"
     "Options:\n"
     "  -o OUT.pdf, --output OUT.pdf  the PDF file to write\n"
     "\n"},
};

}  // namespace

std::string HelpText(const std::string& command) {
  for (const Help& help : kHelps) {
    if (command == help.command)
      return std::string(Chinese() ? help.chinese : help.english) +
             (Chinese() ? kCommonZh : kCommonEn);
  }
  return {};
}

}  // namespace cli

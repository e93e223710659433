#!/usr/bin/env python3
"""Checks that the include lines of src/ point one way, from the windows down to the image.

Ranks, lowest first (a folder's io/ and forms/ subfolders are not part of its core):
  0 image   1 codec   2 link, channels, features   3 files   4 shell (process state), fleet
  5 <x>/io (Qt Core and Qt SerialPort adapters)
  6 <x>/forms (windows), cli (the command-line tool), the program's own files in src/

Rules:
  core-qt       a core file (ranks 0-4) includes a Qt header
  core-adapter  a core file includes a header from a forms/ or io/ folder
  no-widgets    an io/ or cli/ file includes a Qt Widgets header or a forms/ header
  upward        a file includes a header of a higher rank
  sideways      a file includes a header of another folder of its own rank; allowed are
                forms/ folders to shell/forms (the window framework), the program's own
                files in src/ to every forms/ folder, and an io/ folder to the io/ folder
                of a lower-ranked core (fleet/io builds on link/io)
  circle        a chain of includes leads back to where it started
  global-state  a mutable variable at namespace scope, or a static one inside a function
                (constants and tables built once are fine; the state lives in the
                document and the settings the windows are handed)

Usage: check_layering.py SRC_DIR [--qt-widgets-dir DIR]   (exit 1 when anything is found)
       check_layering.py --self-test                       (the rules against made-up files)
"""

import argparse
import os
import re
import sys
import tempfile

CORE_RANKS = {"image": 0, "codec": 1, "link": 2, "channels": 2, "features": 2, "files": 3,
              "shell": 4, "fleet": 4}
IO_RANK = 5
TOP_RANK = 6
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
QT_HEADER = re.compile(r"^(Q[A-Za-z0-9_]+(/.*)?|Qt[A-Za-z]+/.*|q[a-z0-9_]+\.h)$")
SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".cc")
NOT_A_VARIABLE = re.compile(
    r"^(const|constexpr|using|typedef|class|struct|enum|template|namespace|friend|return|"
    r"public|private|protected|case|default|goto|delete)\b")
NAMESPACE_VARIABLE = re.compile(
    r"^(?:(?:static|extern|inline|thread_local)\s+)*"
    r"[A-Za-z_][\w:]*(?:<[^;()]*>)?[\s*&]+[A-Za-z_]\w*(?:\[[^\]]*\])*\s*(?:[={].*)?;\s*$")
LOCAL_STATIC = re.compile(r"^\s+(?:static|thread_local)\s+(?!const\b|constexpr\b)[^()]*?[;={]")
# The process-wide slots the program keeps on purpose, with the reason.
GLOBAL_STATE_ALLOWED = {
    "shell/forms/ui.cpp",      # the one replaceable message box and file dialog
    "link/io/port_scan.cpp",   # the device folder a test points elsewhere
}


def global_state(rel, lines):
    """The lines of one file that keep mutable state at namespace scope or in a static."""
    found = []
    for number, line in enumerate(lines, 1):
        code = line.split("//")[0].rstrip()
        if not code or code.startswith(("#", "}", "*", "/")):
            continue
        if not code[0].isspace():
            if NOT_A_VARIABLE.match(code) or "(" in re.split(r"[={]", code)[0]:
                continue
            if re.search(r"\bconst(expr)?\b", re.split(r"[={]", code)[0]):
                continue
            if NAMESPACE_VARIABLE.match(code):
                found.append(("global-state", rel, number, code.strip()))
        elif LOCAL_STATIC.match(code) and not re.search(r"\bconst(expr)?\b", code):
            found.append(("global-state", rel, number, code.strip()))
    return found


class Place:
    """Where a file stands: its folder (relative to src), its kind and its rank."""

    def __init__(self, rel):
        parts = rel.split("/")
        self.rel = rel
        if len(parts) == 1:
            self.folder, self.kind, self.rank = ".", "program", TOP_RANK
        elif parts[0] == "cli":
            self.folder, self.kind, self.rank = "cli", "cli", TOP_RANK
        elif len(parts) > 2 and parts[1] == "forms":
            self.folder, self.kind, self.rank = parts[0] + "/forms", "forms", TOP_RANK
        elif len(parts) > 2 and parts[1] == "io":
            self.folder, self.kind, self.rank = parts[0] + "/io", "io", IO_RANK
        elif parts[0] in CORE_RANKS:
            self.folder, self.kind, self.rank = parts[0], "core", CORE_RANKS[parts[0]]
        else:
            self.folder, self.kind, self.rank = parts[0], "unknown", None


def core_rank(place):
    return CORE_RANKS.get(place.folder.split("/")[0])


def sideways_allowed(source, target):
    if source.kind == "forms" and target.folder == "shell/forms":
        return True
    if source.kind == "io" and target.kind == "io":
        return core_rank(target) is not None and core_rank(source) is not None and \
            core_rank(target) < core_rank(source)
    return source.kind == "program" and target.kind == "forms"


def source_files(src):
    for root, dirs, files in os.walk(src):
        dirs.sort()
        for name in sorted(files):
            if name.endswith(SOURCE_SUFFIXES):
                path = os.path.join(root, name)
                yield os.path.relpath(path, src).replace(os.sep, "/")


def resolve(src, including, header):
    """The project file a quoted include names (relative to src, or to the including file)."""
    for candidate in (header, os.path.join(os.path.dirname(including), header)):
        candidate = os.path.normpath(candidate).replace(os.sep, "/")
        if os.path.isfile(os.path.join(src, candidate)):
            return candidate
    return None


def widget_headers(qt_widgets_dir):
    if not qt_widgets_dir or not os.path.isdir(qt_widgets_dir):
        return set()
    return {name for name in os.listdir(qt_widgets_dir) if name.startswith("Q")}


def is_widgets(header, widgets):
    return header in widgets or header.startswith("QtWidgets")


def check(src, widgets):
    """Returns the list of findings, each (rule, file, line, text)."""
    findings = []
    graph = {}
    for rel in source_files(src):
        here = Place(rel)
        graph[rel] = []
        if here.rank is None:
            findings.append(("unknown", rel, 0, "stands in no folder of a known rank"))
            continue
        with open(os.path.join(src, rel), encoding="utf-8", errors="replace") as f:
            lines = f.readlines()
        if rel not in GLOBAL_STATE_ALLOWED:
            findings.extend(global_state(rel, lines))
        for number, line in enumerate(lines, 1):
            m = INCLUDE.match(line)
            if not m:
                continue
            quote, header = m.groups()
            where = f"#include {quote}{header}{'>' if quote == '<' else quote}"
            if quote == "<" or resolve(src, rel, header) is None:
                if QT_HEADER.match(header):
                    if here.kind == "core":
                        findings.append(("core-qt", rel, number, where))
                    elif here.kind in ("io", "cli") and is_widgets(header, widgets):
                        findings.append(("no-widgets", rel, number, where))
                continue
            target_rel = resolve(src, rel, header)
            graph[rel].append((target_rel, number))
            there = Place(target_rel)
            if there.rank is None:
                continue
            if here.kind == "core" and there.kind in ("forms", "io"):
                findings.append(("core-adapter", rel, number, where))
            elif here.kind in ("io", "cli") and there.kind == "forms":
                findings.append(("no-widgets", rel, number, where))
            elif there.rank > here.rank:
                findings.append(("upward", rel, number,
                                 f"{where} (rank {here.rank} includes rank {there.rank})"))
            elif (there.rank == here.rank and there.folder != here.folder
                  and not sideways_allowed(here, there)):
                findings.append(("sideways", rel, number,
                                 f"{where} ({here.folder} and {there.folder} share rank "
                                 f"{here.rank})"))
    findings.extend(circles(graph))
    return findings


def circles(graph):
    """One finding for each include circle, found by a depth-first walk."""
    found, state, stack = [], {}, []

    def walk(node):
        state[node] = "open"
        stack.append(node)
        for target, number in graph.get(node, []):
            if state.get(target) == "open":
                chain = stack[stack.index(target):] + [target]
                found.append(("circle", node, number, " -> ".join(chain)))
            elif target not in state:
                walk(target)
        stack.pop()
        state[node] = "done"

    sys.setrecursionlimit(10000)
    for node in sorted(graph):
        if node not in state:
            walk(node)
    return found


def report(findings):
    if not findings:
        print("layering: every include points down")
        return 0
    owners = {}
    for rule, rel, number, text in findings:
        owners.setdefault(Place(rel).folder, []).append((rule, rel, number, text))
    print(f"layering: {len(findings)} finding(s) against the layers")
    for folder in sorted(owners):
        print(f"  in {folder}/:")
        for rule, rel, number, text in owners[folder]:
            print(f"    src/{rel}:{number}: [{rule}] {text}")
    return 1


def self_test():
    """Each rule against a made-up tree: every planted fault is found, nothing else."""
    files = {
        "image/radio_image.h": "#include <array>\n",
        "codec/tones.h": '#include "image/radio_image.h"\n#include <QString>\n',
        "codec/frequency.h": '#include "shell/state.h"\n',
        "link/serial_link.h": '#include "features/option_codec.h"\n',
        "features/option_codec.h": '#include "codec/tones.h"\n',
        "files/channel_file.h": '#include "channels/rules.h"\n#include "features/option_codec.h"\n',
        "channels/rules.h": '#include "channels/forms/grid.h"\n',
        "shell/state.h": '#include "files/channel_file.h"\n',
        "shell/a.h": '#include "shell/b.h"\n',
        "shell/b.h": '#include "shell/a.h"\n',
        "link/io/port.h": '#include <QSerialPort>\n#include <QWidget>\n#include "link/serial_link.h"\n',
        "cli/main.cpp": '#include <QCoreApplication>\n#include "shell/forms/ui.h"\n',
        "shell/forms/ui.h": '#include <QWidget>\n#include "channels/forms/grid.h"\n',
        "channels/forms/grid.h": '#include "shell/forms/ui.h"\n#include "link/io/port.h"\n',
        "main.cpp": '#include "channels/forms/grid.h"\n#include "shell/forms/ui.h"\n',
        "files/io/backup.h": '#include "link/io/port.h"\n',
        "link/io/scan.h": '#include "files/io/backup.h"\n',
        "shell/state.cpp": ('bool LangChinese = true;\nconst int kFixed = 1;\n'
                            'constexpr int kAlso = 2;\nvoid Load(int n);\n'
                            'RadioImage& TheImage() {\n  static RadioImage image;\n'
                            '  static const RadioImage kBlank;\n  return image;\n}\n'),
        "codec/tones.cpp": ('std::array<std::string, 301> ToneTable;\n'
                            'const std::array<int, 2> kEdges = {1, 2};\nint Count(int x) {\n'
                            '  int local = x;\n  return local;\n}\n'),
    }
    expected = {
        ("core-qt", "codec/tones.h"),
        ("upward", "codec/frequency.h"),
        ("sideways", "link/serial_link.h"),
        ("core-adapter", "channels/rules.h"),
        ("circle", "shell/b.h"),
        ("no-widgets", "link/io/port.h"),
        ("no-widgets", "cli/main.cpp"),
        ("sideways", "shell/forms/ui.h"),
        ("circle", "shell/forms/ui.h"),
        ("sideways", "link/io/scan.h"),
        ("global-state", "shell/state.cpp"),
        ("global-state", "codec/tones.cpp"),
    }
    with tempfile.TemporaryDirectory() as src:
        for rel, text in files.items():
            os.makedirs(os.path.join(src, os.path.dirname(rel)), exist_ok=True)
            with open(os.path.join(src, rel), "w", encoding="utf-8") as f:
                f.write(text)
        widgets_dir = os.path.join(src, "qtwidgets")
        os.makedirs(widgets_dir)
        open(os.path.join(widgets_dir, "QWidget"), "w").close()
        findings = check(src, widget_headers(widgets_dir))
        found = {(rule, rel) for rule, rel, _, _ in findings}
        # Two in state.cpp (the flag and the function's image), one in tones.cpp.
        if sum(1 for rule, _, _, _ in findings if rule == "global-state") != 3:
            found.add(("global-state", "wrong count"))
    if found != expected:
        print("layering self-test: the rules found the wrong faults")
        print("  missed:", sorted(expected - found))
        print("  extra: ", sorted(found - expected))
        return 1
    print(f"layering self-test: all {len(expected)} planted faults found")
    return 0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("src", nargs="?")
    parser.add_argument("--qt-widgets-dir")
    parser.add_argument("--self-test", action="store_true")
    args = parser.parse_args()
    if args.self_test:
        return self_test()
    if not args.src:
        parser.error("SRC_DIR is needed")
    widgets = widget_headers(args.qt_widgets_dir)
    if not widgets:
        print(f"layering: no Qt Widgets headers in {args.qt_widgets_dir!r}", file=sys.stderr)
        return 2
    return report(check(os.path.abspath(args.src), widgets))


if __name__ == "__main__":
    sys.exit(main())

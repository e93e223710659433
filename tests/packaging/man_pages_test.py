#!/usr/bin/env python3
"""Every option a program's --help prints stands in its manual page.

rt410-cps and rt410-radio-sim: each option in the page's OPTIONS section.
rt410: each option of a command in that command's SYNOPSIS line (one spelling will do)
and every spelling described in the page; the common options in the OPTIONS section.
rt410-cps also answers --help and --version with no display at all, and an unknown
option with status 2.

Usage: man_pages_test.py MAN_DIR rt410-cps=PATH rt410=PATH rt410-radio-sim=PATH
"""

import os
import re
import subprocess
import sys

OPTION = re.compile(r"(?<![\w-])(--?[A-Za-z][\w-]*)")
failures = []


def run(program, *args, env=None):
    done = subprocess.run([program, *args], capture_output=True, text=True, env=env, timeout=60)
    return done.returncode, done.stdout


def help_options(text):
    """The options of the help's option lines (two spaces, a dash), each as the list of
    its spellings ("-o FILE, --output FILE" is one option spelt two ways)."""
    found = []
    for line in text.splitlines():
        match = re.match(r"^  (-\S.*?)(\s{2,}|$)", line)
        if match and OPTION.findall(match.group(1)) not in found:
            found.append(OPTION.findall(match.group(1)))
    return found


def plain(troff):
    """The page's text without font escapes, with its dashes as typed."""
    text = troff.replace("\\-", "-").replace("\\(en", "-")
    return re.sub(r"\\f[BIRP]|\\f\(..|\\&", "", text)


def section(page, name):
    match = re.search(r"^\.SH " + name + r"\n(.*?)(?=^\.SH |\Z)", page, re.S | re.M)
    return match.group(1) if match else ""


def mentions(text, option):
    return re.search(r"(?<![\w-])" + re.escape(option) + r"(?![\w-])", text) is not None


def check(where, text, options, any_spelling=False):
    """Every spelling of every option in text, or one spelling each with any_spelling."""
    for spellings in options:
        missing = [s for s in spellings if not mentions(text, s)]
        if missing and (not any_spelling or len(missing) == len(spellings)):
            failures.append(f"{where}: {' or '.join(missing) if any_spelling else missing[0]}"
                            " is missing")


def main():
    man_dir = sys.argv[1]
    programs = dict(arg.split("=", 1) for arg in sys.argv[2:])
    pages = {name: plain(open(os.path.join(man_dir, name + ".1"), encoding="utf-8").read())
             for name in programs}

    no_display = {k: v for k, v in os.environ.items()
                  if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    cps = programs["rt410-cps"]
    status, cps_help = run(cps, "--help", "--lang", "en", env=no_display)
    if status != 0 or "Usage: rt410-cps" not in cps_help:
        failures.append(f"rt410-cps --help without a display: status {status}")
    status, version = run(cps, "--version", env=no_display)
    if status != 0 or not version.startswith("rt410-cps "):
        failures.append(f"rt410-cps --version without a display: status {status}")
    status, _ = run(cps, "--no-such-option", env=no_display)
    if status != 2:
        failures.append(f"rt410-cps --no-such-option: status {status}, not 2")
    check("rt410-cps(1) OPTIONS", section(pages["rt410-cps"], "OPTIONS"), help_options(cps_help))

    _, sim_help = run(programs["rt410-radio-sim"], "--help")
    check("rt410-radio-sim(1) OPTIONS", section(pages["rt410-radio-sim"], "OPTIONS"),
          help_options(sim_help))

    rt410 = programs["rt410"]
    page = pages["rt410"]
    _, top = run(rt410, "--help", "--lang", "en")
    common = help_options(top)
    check("rt410(1) OPTIONS", section(page, "OPTIONS"), common)
    commands = re.findall(r"^  ([a-z][a-z-]*)  ", top.split("Commands:", 1)[1].split("\n\n")[0],
                          re.M)
    if not commands:
        failures.append("rt410 --help lists no command")
    synopsis = section(page, "SYNOPSIS")
    described = section(page, "COMMANDS") + section(page, "OPTIONS")
    for command in commands:
        _, text = run(rt410, command, "--help", "--lang", "en")
        own = [o for o in help_options(text) if o not in common]
        line = re.search(r"^\.B rt410 " + re.escape(command) + r"\n(.*?)(?=^\.br|\Z)", synopsis,
                         re.S | re.M)
        check(f"rt410(1) SYNOPSIS of {command}", line.group(1) if line else "", own,
              any_spelling=True)
        check(f"rt410(1) description of {command}", described, own)

    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

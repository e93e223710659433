#!/usr/bin/env bash
# Installs the program into a temporary prefix (mode "install") or builds and unpacks
# the Debian packages into a temporary root (mode "package"), then checks that every
# file is where a desktop expects it, that the desktop entry, file type and AppStream
# data are valid, that the packages pass lintian, that the program starts from its
# desktop entry with a channel file and that the simulated radio answers.
set -euo pipefail
build=$1
mode=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
need() { command -v "$1" >/dev/null || fail "$1 is missing (scripts/install-deps installs it)"; }
need desktop-file-validate
need appstreamcli

# The command-line tool is packaged whenever it is built.
with_cli=$(find "$build" -name rt410 -type f -perm -u+x -print -quit)

program_files=(
  usr/bin/rt410-cps
  usr/share/applications/rt410-cps.desktop
  usr/share/icons/hicolor/256x256/apps/rt410-cps.png
  usr/share/icons/hicolor/64x64/apps/rt410-cps.png
  usr/share/mime/packages/rt410-cps.xml
  usr/share/metainfo/cn.vorlan.rt410cps.metainfo.xml
  usr/share/man/man1/rt410-cps.1.gz
  usr/share/doc/rt410-cps/copyright
  usr/share/doc/rt410-cps/changelog.gz
  usr/share/doc/rt410-cps/user-guide.md
  usr/share/doc/rt410-cps/user-guide.zh.md
  usr/share/doc/rt410-cps/screenshots/frm_chann-zh.png
)
[ -n "$with_cli" ] && program_files+=(usr/bin/rt410 usr/share/man/man1/rt410.1.gz)
sim_files=(
  usr/bin/rt410-radio-sim
  usr/share/man/man1/rt410-radio-sim.1.gz
  usr/share/doc/rt410-radio-sim/copyright
  usr/share/doc/rt410-radio-sim/changelog.gz
)

# has LISTING FILE: the dpkg-deb listing names the file.
has() { grep -qxF "./$2" <<<"$(awk '{print $6}' <<<"$1")"; }

case "$mode" in
  install)
    cmake --install "$build" --prefix "$work/root/usr" >/dev/null
    ;;
  package)
    need lintian
    (cd "$build" && cpack -G DEB -B "$work/pkg" >/dev/null) || fail "cpack failed"
    program_deb=$(ls "$work"/pkg/rt410-cps_*.deb) || fail "no rt410-cps package built"
    sim_deb=$(ls "$work"/pkg/rt410-radio-sim_*.deb) || fail "no rt410-radio-sim package built"
    depends=$(dpkg-deb -f "$program_deb" Depends)
    for lib in libqt6widgets6 libqt6serialport6 libc6 fonts-wqy-microhei qt6-qpa-plugins qt6-translations-l10n; do
      [[ "$depends" == *"$lib"* ]] || fail "rt410-cps does not depend on $lib: $depends"
    done
    depends=$(dpkg-deb -f "$sim_deb" Depends)
    [[ "$depends" == *libc6* && "$depends" != *libqt6* ]] ||
      fail "rt410-radio-sim depends on $depends"

    program_listing=$(dpkg-deb -c "$program_deb")
    sim_listing=$(dpkg-deb -c "$sim_deb")
    for f in "${program_files[@]}"; do has "$program_listing" "$f" || fail "$f is not in rt410-cps"; done
    for f in "${sim_files[@]}"; do has "$sim_listing" "$f" || fail "$f is not in rt410-radio-sim"; done
    has "$program_listing" usr/bin/rt410-radio-sim && fail "the simulator is in rt410-cps"

    # Errors fail the test; warnings are shown.
    lintian --fail-on error --tag-display-limit 0 "$program_deb" "$sim_deb" >"$work/lintian.log" 2>&1 ||
      { cat "$work/lintian.log" >&2; fail "lintian reports errors"; }
    grep '^W:' "$work/lintian.log" >&2 || true

    dpkg-deb -x "$program_deb" "$work/root"
    dpkg-deb -x "$sim_deb" "$work/root"
    ;;
  *) fail "mode $mode" ;;
esac

root=$work/root
for f in "${program_files[@]}" "${sim_files[@]}"; do
  [ -e "$root/$f" ] || fail "$f is not installed"
done
[ -x "$root/usr/bin/rt410-cps" ] || fail "rt410-cps is not executable"

desktop=$root/usr/share/applications/rt410-cps.desktop
grep -qx 'Icon=rt410-cps' "$desktop" || fail "desktop entry names another icon"
grep -qx 'Exec=rt410-cps %f' "$desktop" || fail "desktop entry does not pass a file"
grep -qx 'MimeType=application/x-rt410-chann;' "$desktop" || fail "desktop entry opens no channel file"
desktop-file-validate "$desktop" || fail "desktop entry invalid"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml >"$work/appstream.log" 2>&1 ||
  { cat "$work/appstream.log" >&2; fail "AppStream data invalid"; }

# Both spellings of the suffix are channel files, with the program's icon.
if command -v update-mime-database >/dev/null; then
  mkdir -p "$work/mime/packages"
  cp "$root/usr/share/mime/packages/rt410-cps.xml" "$work/mime/packages/"
  XDG_DATA_HOME=$work update-mime-database "$work/mime" 2>"$work/mime.log" || { cat "$work/mime.log" >&2; fail "MIME type invalid"; }
  [ -s "$work/mime.log" ] && { cat "$work/mime.log" >&2; fail "MIME type has warnings"; }
  grep -q '^50:application/x-rt410-chann:\*\.chann$' "$work/mime/globs2" || fail "*.chann is not a channel file"
  grep -qx "application/x-rt410-chann:rt410-cps" "$work/mime/icons" || fail "channel files have no icon"
fi

# The program starts as a desktop starts it for a double-clicked channel file, and
# keeps running.
for _ in $(seq 256); do echo "255 255 255 255 255 255 255 255 255 255 255 255 255 255 255 255"; done >"$work/blank.chann"
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
exec_line=${exec_line//%f/$work/blank.chann}
set +e
env PATH="$root/usr/bin:$PATH" QT_QPA_PLATFORM=offscreen XDG_DATA_HOME="$work/data" timeout 3 $exec_line \
  >"$work/app.log" 2>&1
status=$?
set -e
[ $status -eq 124 ] || { cat "$work/app.log" >&2; fail "rt410-cps exited with $status instead of running"; }

# The simulated radio answers the wake-up frame with its identification.
"$root/usr/bin/rt410-radio-sim" --baud 0 --link "$work/radio" 2>"$work/sim.log" &
sim=$!
trap 'kill $sim 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -e "$work/radio" ] && break; sleep 0.05; done
[ -e "$work/radio" ] || { cat "$work/sim.log" >&2; fail "rt410-radio-sim made no terminal"; }
stty -F "$work/radio" raw -echo 9600
exec 3<>"$work/radio"
printf 'PROGRAM\002' >&3
reply=$(timeout 5 head -c 9 <&3 | od -An -c | tr -d ' \n')
exec 3>&-
[[ "$reply" == *RT410* ]] || { cat "$work/sim.log" >&2; fail "rt410-radio-sim answered '$reply'"; }
echo "ok: $mode"

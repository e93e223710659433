#!/usr/bin/env bash
# Installs the program into a temporary prefix (mode "install") or builds and unpacks
# the Debian package into a temporary root (mode "package"), then checks that every
# file is where a desktop expects it, that the program starts from its desktop entry
# and that the simulated radio answers.
set -euo pipefail
build=$1
mode=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

case "$mode" in
  install)
    cmake --install "$build" --prefix "$work/root/usr" >/dev/null
    ;;
  package)
    (cd "$build" && cpack -G DEB -B "$work/pkg" >/dev/null) || fail "cpack failed"
    deb=$(ls "$work"/pkg/*.deb) || fail "no .deb built"
    depends=$(dpkg-deb -f "$deb" Depends)
    for lib in libqt6widgets6 libqt6serialport6 libc6 fonts-wqy-microhei; do
      [[ "$depends" == *"$lib"* ]] || fail "package does not depend on $lib: $depends"
    done
    dpkg-deb -x "$deb" "$work/root"
    listed=$(dpkg-deb -c "$deb")
    ;;
  *) fail "mode $mode" ;;
esac

root=$work/root
expected=(
  usr/bin/rt410-cps
  usr/bin/rt410-radio-sim
  usr/bin/rt410
  usr/share/applications/rt410-cps.desktop
  usr/share/icons/hicolor/256x256/apps/rt410-cps.png
  usr/share/icons/hicolor/64x64/apps/rt410-cps.png
)
for f in "${expected[@]}"; do
  [ -e "$root/$f" ] || fail "$f is not installed"
  if [ "$mode" = package ]; then
    [[ "$listed" == *"./$f"* ]] || fail "$f is not in the package"
  fi
done
[ -x "$root/usr/bin/rt410-cps" ] || fail "rt410-cps is not executable"

desktop=$root/usr/share/applications/rt410-cps.desktop
grep -qx 'Icon=rt410-cps' "$desktop" || fail "desktop entry names another icon"
command -v desktop-file-validate >/dev/null && { desktop-file-validate "$desktop" || fail "desktop entry invalid"; }

# The program starts from the command of its desktop entry and keeps running.
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
set +e
env PATH="$root/usr/bin:$PATH" QT_QPA_PLATFORM=offscreen timeout 3 $exec_line >"$work/app.log" 2>&1
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

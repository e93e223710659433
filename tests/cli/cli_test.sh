#!/usr/bin/env bash
# rt410 end to end, from a shell: every command against rt410-radio-sim radios on
# pseudo-terminals, with their exit codes and what they print. No display, no root.
#   cli_test.sh BUILD_DIR          (RT410_TRANSCRIPT=1 also prints each command and its output)
source "$(dirname "$0")/e2e_lib.sh"

# A channel file of 256 rows of 16 numbers, CR LF, from an awk expression of r and c.
chann() {
  awk -v ORS='\r\n' "BEGIN { for (r = 0; r < 256; r++) { s = \"\";
    for (c = 0; c < 16; c++) s = s (c ? \" \" : \"\") ($1); print s } }"
}

# The radio's memory: a pattern, no password (row 61 columns 6-11 erased).
chann '(r == 61 && c >= 6 && c < 12) ? 255 : (r * 16 + c) * 13 % 256' >pattern.chann
# What a read of it saves: rows 0-63 the radio, 64-253 zero, 254-255 as at start-up.
chann 'r < 64 ? ((r == 61 && c >= 6 && c < 12) ? 255 : (r * 16 + c) * 13 % 256) : (r < 254 ? 0 : 255)' >expected.chann

cat >plan.csv <<'EOF'
Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE
1,,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,,1.0W,,,,,
2,,439.100000,-,7.600000,Tone,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W,,,,,
3,,436.125000,+,1.881250,Cross,88.5,88.5,023,NR,023,Tone->DTCS,NFM,6.25,S,1.0W,BCL:QT/DQT,,,,
EOF

# --- Files alone ---------------------------------------------------------------
run 0 "3 channels imported into plan.chann" "$rt410" import-csv plan.csv -o plan.chann
run 2 "exists and was left untouched" "$rt410" import-csv plan.csv -o plan.chann
run 0 "" "$rt410" export-csv plan.chann -o again.csv
cmp -s <(tr -d '\r' <again.csv) plan.csv || fail "export of the import is not the CSV"
run 0 "3        436.12500     438.00625     D023I             88.5        QT/DQT" \
  "$rt410" show plan.chann
run 0 "3       436.12500      438.00625      D023I           88.5      QT/DQT    低" \
  "$rt410" show plan.chann --lang zh
run 0 "" "$rt410" diff plan.chann plan.chann
sed '3s/^[0-9]* /1 /' plan.chann >moved.chann
run 1 "channel 2 receive: 439.10000 → 439.10001" "$rt410" diff plan.chann moved.chann
printf 'Location,Frequency,Mode\n1,300,FM\n2,446,AM\n' >bad.csv
run 2 'line 3, Mode "AM": mode other than FM or NFM' "$rt410" import-csv bad.csv -o bad.chann
[ ! -e bad.chann ] || fail "a failed import wrote its file"
run 2 "第 2 行，Frequency “300”：频率超出频段范围" "$rt410" import-csv bad.csv -o bad.chann --lang zh
# What fits of a mixed list, numbered in order; a list with nothing to store fails.
printf 'Location,Frequency\n0,146.52\n0,446\n9,447\n' >mixed.csv
run 0 'line 2, Frequency "146.52": frequency outside the band; row left out' \
  "$rt410" import-csv mixed.csv -o mixed.chann --skip-unfit --renumber
run 0 "2        447.00000" "$rt410" show mixed.chann
# A row past the 16th cannot fail the import: row 18 is out of band and only noted.
{ echo Location,Frequency; for i in $(seq 16); do echo "$i,44$((i % 10)).5"; done; echo 0,146; } >many.csv
run 0 'line 18, Location "0": all 16 channels are taken; row left out' \
  "$rt410" import-csv many.csv -o many.chann --renumber
printf 'Location,Frequency\n0,446\n' >none.csv
run 2 "the file holds no channel that can be imported" "$rt410" import-csv none.csv -o none.chann
[ ! -e none.chann ] || fail "an import of nothing wrote its file"
truncate -s 70000000 big.csv
run 2 "has 70000000 bytes, more than the 64 MiB" "$rt410" import-csv big.csv -o big.chann
run 2 "(standard input) is larger than the 64 MiB" \
  bash -c "head -c 70000000 /dev/zero | '$rt410' import-csv - -o big.chann"
# A list of 7.5 MB through a pipe is read whole, its channels at the end included.
run 0 "16 channels imported" bash -c "{ head -c 7500000 /dev/zero | tr '\\0' '#'; echo;
  cat many.csv; } | '$rt410' import-csv - -o piped.chann --renumber"
# The channel sheet without a display, read back from the PDF as text.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$rt410" sheet plan.chann -o plan.pdf --lang zh ||
  fail "sheet: exit $?"
sheet=$(pdftotext -layout plan.pdf - | tr -s ' ')
[[ "$sheet" == *"RT410 信道表"* && "$sheet" == *"3 436.12500 438.00625 D023I 88.5 QT/DQT 低 窄带 否"* ]] ||
  fail "sheet text: $sheet"
run 2 "-o OUT.pdf is missing" "$rt410" sheet plan.chann
head -c 2000 plan.chann >cut.chann
run 2 "holds only" "$rt410" show cut.chann
run 2 "unknown option: --frob" "$rt410" show plan.chann --frob
run 0 "Usage: rt410 clone" "$rt410" clone --help
LANG=zh_CN.UTF-8 run 0 "用法：rt410 read" "$rt410" read --help
run 2 "needs a value: -o" "$rt410" export-csv plan.chann -o
run 2 "takes no value: --force" "$rt410" import-csv plan.csv -o x.chann --force=yes
run 2 "too many arguments: x.chann" "$rt410" show plan.chann x.chann
run 2 "--lang en|zh: fr" "$rt410" show plan.chann --lang fr
run 2 "未知命令：frob" "$rt410" --lang zh frob
run 0 "rt410 " "$rt410" diff --version

# --- Radios --------------------------------------------------------------------
dev=$(radio plain --image pattern.chann --save saved.chann)
run 0 "Read Data in gear." "$rt410" read -p "$dev" -o read.chann
cmp -s read.chann expected.chann || fail "the read file is not the radio's memory"
run 2 "exists and was left untouched" "$rt410" read -p "$dev" -o read.chann
cmp -s read.chann expected.chann || fail "a refused read changed the file"

run 0 "Complete writing Data" "$rt410" write -p "$dev" plan.chann
run 0 "The radio holds the file." "$rt410" verify -p "$dev" plan.chann
# Rows 0-62 as the write window prepares them; row 63 the radio's own.
[ "$(sed -n 62p saved.chann | tr -d '\r')" = "82 84 52 49 48 3 255 255 255 255 255 255 255 255 255 255" ] ||
  fail "row 61 not stamped RT410 and model code 3: $(sed -n 62p saved.chann)"
run 1 "block 2:  cell 0: radio 0, file 1" "$rt410" verify -p "$dev" moved.chann
run 2 "no band; give the model code with --band N" "$rt410" write -p "$dev" pattern.chann
run 2 "holds only" "$rt410" write -p "$dev" cut.chann

# Two radios, one after the other, on the same cable: Enter when each is plugged in.
mkfifo answers
"$rt410" clone -p "$work/cable" plan.chann --verify --log clone.log <answers >clone.out 2>&1 &
clone=$!
exec 5>answers
for n in 1 2; do
  radio "radio$n" --link "$work/cable" --save "radio$n.chann" >/dev/null
  echo >&5
  for _ in $(seq 600); do [ "$(grep -c "  verified  " clone.out)" = "$n" ] && break; sleep 0.05; done
  kill "${sims[-1]}"
  wait "${sims[-1]}" 2>/dev/null
done
exec 5>&-
wait $clone
code=$?
[ -n "${RT410_TRANSCRIPT:-}" ] && printf '$ rt410 clone -p cable plan.chann --verify --log clone.log\n%s\n[exit %s]\n\n' "$(cat clone.out)" "$code"
[ "$code" = 0 ] && grep -q "radios done: 2, failed: 0, no radio: 0" clone.out || fail "clone: $code $(cat clone.out)"
[ "$(wc -l <clone.log)" = 3 ] || fail "clone log: $(cat clone.log)"
for n in 1 2; do
  cmp -s <(head -63 "radio$n.chann") <(head -63 saved.chann) || fail "radio $n does not hold the file"
done
dev2=$(radio second)
input='\nq\n' run 0 "radios done: 1, failed: 0" "$rt410" clone -p "$dev2" plan.chann --count 5
input='\n\n\n' run 0 "radios done: 2, failed: 0" "$rt410" clone -p "$dev2" plan.chann --count 2

dev3=$(radio locked --password 123456)
run 1 "PassWord Error, Reading Stop" "$rt410" read -p "$dev3" -o locked.chann
[ ! -e locked.chann ] || fail "a refused read wrote its file"
LANG=zh_CN.UTF-8 run 1 "读数据命令字错误，禁止读取" "$rt410" read -p "$dev3" -o locked.chann
run 0 "Read Data in gear." "$rt410" read -p "$dev3" -o locked.chann --password 123456

run 1 "Device: $work/nothing" "$rt410" read -p "$work/nothing" -o none.chann
dev4=$(radio stranger --wrong-id)
input='\n' run 1 "failed: Fail connect with transceiver." "$rt410" clone -p "$dev4" plan.chann --count 1

[ "$failures" = 0 ] && echo "ok: rt410 end to end"
exit $((failures > 0))

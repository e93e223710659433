#!/usr/bin/env bash
# rt410 clone end to end: several cables at once against rt410-radio-sim radios on
# pseudo-terminals, one cable without a radio, ANI codes counted, a verify and the log.
#   clone_test.sh BUILD_DIR          (RT410_TRANSCRIPT=1 also prints each command and its output)
source "$(dirname "$0")/e2e_lib.sh"

printf 'Location,Frequency\n1,446.00625\n2,439.1\n' >plan.csv
"$rt410" import-csv plan.csv -o plan.chann >/dev/null 2>&1 || fail "import-csv"
# Row 62 of a file: the ANI digits, one a cell.
row62() { sed -n 63p "$1" | tr -d '\r' | cut -d' ' -f1-5; }

a=$(radio a --save a.chann)
b=$(radio b --save b.chann)
empty=$(radio empty --silent)  # a cable with no radio on it

run 2 "--ani-from takes 1 to 8 hexadecimal digits: 12G" "$rt410" clone -p "$a" plan.chann --ani-from 12G
run 2 "from FF only 1 ANI codes of its length are left, fewer than 2 radios." \
  "$rt410" clone -p "$a" plan.chann --ani-from ff --count 2
run 2 "port given twice: $a" "$rt410" clone -p "$a" -p "$a" plan.chann

# Two rounds; the cable without a radio takes no code.
input='\n\nq\n' run 0 "radios done: 4, failed: 0, no radio: 2" \
  "$rt410" clone -p "$a" -p "$empty" -p "$b" plan.chann --ani-from 00fe --verify --log clone.csv
expected="$a  verified  ANI 00FE
$empty  no radio  ANI -
$b  verified  ANI 00FF
$a  verified  ANI 0100
$empty  no radio  ANI -
$b  verified  ANI 0101"
got=$(grep '  ANI ' <<<"$out" | sed 's/^.*(q stops) //; s/  [0-9.]* s$//')
[ "$got" = "$expected" ] || fail "round lines: $got"
[[ "$out" == *"Connect the radios and press Enter (q stops)"* ]] || fail "no prompt: $out"
[ "$(row62 a.chann)" = "0 1 0 0 255" ] || fail "radio a's ANI: $(row62 a.chann)"
[ "$(row62 b.chann)" = "0 1 0 1 255" ] || fail "radio b's ANI: $(row62 b.chann)"
cmp -s <(head -62 a.chann) <(head -62 b.chann) || fail "the radios differ outside row 62"

header=$(head -1 clone.csv | tr -d '\r' | sed 's/^\xEF\xBB\xBF//')
[ "$header" = "time,port,device,file,ANI,result,differing blocks" ] || fail "log header: $header"
[ "$(wc -l <clone.csv)" = 7 ] || fail "log lines: $(cat clone.csv)"
line=$(sed -n 3p clone.csv | tr -d '\r' | cut -d, -f2-)
[ "$line" = "$empty,$empty,plan.chann,,no radio," ] || fail "log of the empty cable: $line"
line=$(sed -n 5p clone.csv | tr -d '\r' | cut -d, -f2-)
[ "$line" = "$a,$a,plan.chann,0100,verified," ] || fail "log of radio a: $line"

# A later run appends below the header; the plan's own code without --ani-from.
input='\n' run 0 "完成 1 台，失败 0 台，无对讲机 0 次" "$rt410" clone -p "$a" plan.chann --log clone.csv --lang zh
[[ "$out" == *"$a  成功  ANI -"* || "$out" == *"$a  成功  ANI "* ]] || fail "zh round line: $out"
[ "$(wc -l <clone.csv)" = 8 ] || fail "a second run wrote the header again: $(cat clone.csv)"
[ "$(row62 a.chann)" = "255 255 255 255 255" ] || fail "the plan's own code: $(row62 a.chann)"

# A port that fails at once does not end the round of the others; it fails the run.
input='\n' run 1 "radios done: 1, failed: 1, no radio: 0" "$rt410" clone -p "$work/nothing" -p "$a" plan.chann
[[ "$out" == *"$work/nothing  failed: Communication port is error"* && "$out" == *"$a  success  ANI -"* ]] ||
  fail "a port that does not open: $out"

[ "$failures" = 0 ] && echo "ok: rt410 clone end to end"
exit $((failures > 0))

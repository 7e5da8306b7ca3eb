#!/usr/bin/env bash
# qinghe-cli against the real name database: every command and all seven
# naming modes run and print what a user expects.
set -euo pipefail
cli="$1"
fail() { echo "FAIL: $*" >&2; exit 1; }

out=$("$cli" lookup 铭 --json)
grep -q '"汉字": "铭"' <<<"$out" || fail "lookup 铭: $out"
grep -q '"繁体笔画数": 14' <<<"$out" || fail "lookup 铭 strokes: $out"

out=$("$cli" score 李 志强 --json)
grep -q '"姓名": "李志强"' <<<"$out" || fail "score: $out"
grep -q '"五格": "8,14,19,26,13"' <<<"$out" || fail "score grids: $out"

high=$("$cli" generate --mode high --surname 李 --sex 男 --length 2 --seed 3 --json)
rows=$(grep -c '"编号"' <<<"$high")
[ "$rows" -gt 1000 ] && [ "$rows" -le 10000 ] || fail "high-score rows: $rows"
grep -q '"评分": 8[0-9]$' <<<"$high" && fail "high-score lists a name below 90"

super=$("$cli" generate --mode super --surname 李 --require 木 --limit 5)
[ "$(wc -l <<<"$super")" -eq 6 ] || fail "super-lucky: $super"

classic=$("$cli" generate --mode classic --surname 王 --sex 女 --length 1)
grep -q '^王' <<<"$classic" || fail "classic: $classic"

combine=$("$cli" generate --mode combine --surname 李 --chars '明 a华明')
[ "$(wc -l <<<"$combine")" -eq 10 ] || fail "combination: $combine"

poem=$("$cli" generate --mode poem --surname 王 --chars 春风春月 --length 1 2>/dev/null)
[ "$(wc -l <<<"$poem")" -eq 4 ] || fail "poetry: $poem"
messages=$("$cli" generate --mode poem --surname 王 --chars 春风 --length 1 2>&1 >/dev/null)
grep -q '一字名数理得分较低' <<<"$messages" || fail "poetry one-character message"

nickname=$("$cli" generate --mode nickname --surname 王 --pattern 小A --limit 3)
grep -q '王小' <<<"$nickname" || fail "nickname: $nickname"

"$cli" generate --mode english --surname 李 --given 晓 --gender 1 >/dev/null || fail "english"
messages=$("$cli" generate --mode high --surname '' 2>&1 >/dev/null)
grep -q '请输入姓氏' <<<"$messages" || fail "empty surname message"

bazi=$("$cli" bazi --date 2013-01-01 --hour 0 --json)
grep -q '"year": "壬辰"' <<<"$bazi" || fail "bazi: $bazi"
echo "qinghe-cli: all commands and modes ran"

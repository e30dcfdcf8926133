#!/usr/bin/env bash
# The matching step of the search against grep on the same text: a
# newsletter-like mail of 400,000 lines and 1,000 keywords, UTF-8 files.
# Prints the scan driver's own timing of its search (every line against
# every keyword, output not included) and grep -F's time, best of 3 each.
#
#   bench/grep_comparison.sh [LINES] [KEYWORDS]
set -euo pipefail
cd "$(dirname "$0")/.."

lines=${1:-400000}
keyword_count=${2:-1000}
build=build/release
work=$build/grep-comparison
mkdir -p "$work"

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target vorenta-scan -j"$(nproc)" >/dev/null

python3 - "$work" "$lines" "$keyword_count" <<'PY'
import sys
work, lines, count = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
hits = ["セール", "送料無料", "限定", "ポイント", "新着", "入荷", "予約", "再販", "特価", "半額",
        "クーポン", "会員", "先行", "在庫", "福袋", "アウトレット", "訳あり", "まとめ買い", "早割",
        "タイムセール"]
keywords = hits + [f"品番Z{100000 + i}" for i in range(count - len(hits))]
with open(f"{work}/keywords.txt", "w", encoding="utf-8") as f:
    f.write("\n".join(keywords) + "\n")
with open(f"{work}/mail.txt", "w", encoding="utf-8", newline="") as f:
    for i in range(lines):
        if i % 3 == 0:
            f.write(f"■ 今週の{hits[(i // 3) % len(hits)]}のお知らせ 商品番号 {i}\r\n")
        elif i % 3 == 1:
            f.write(f"詳しくは http://www.example.jp/item/{i}?ref=mail をご覧ください\r\n")
        else:
            f.write("いつも青葉ショップをご利用いただき、ありがとうございます。\r\n")
PY

best() { sort -n | head -1; }
scan_ms=$(for run in 1 2 3; do
  "$build/tools/vorenta-scan" --time "$work/keywords.txt" "$work/mail.txt" 2>&1 >/dev/null |
    sed -n 's/^search \([0-9.]*\) ms$/\1/p'
done | best)
grep_ms=$(for run in 1 2 3; do
  start=$(date +%s%N)
  # Into a file: with its output on /dev/null grep stops at the first match.
  LC_ALL=C grep -F -f "$work/keywords.txt" "$work/mail.txt" >"$work/grep.out"
  echo $(( ($(date +%s%N) - start) / 1000000 ))
done | best)
echo "lines $lines, keywords $keyword_count"
echo "vorenta-scan matching step: $scan_ms ms"
echo "LC_ALL=C grep -F -f:        $grep_ms ms"
python3 -c "print(f'ratio: {$scan_ms / max($grep_ms, 1):.2f}')"

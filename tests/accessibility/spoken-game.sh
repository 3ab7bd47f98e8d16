#!/usr/bin/env bash
# A scripted game heard through Orca, the desktop's screen reader: a win that gives nudges, a
# losing spin with the nudges offered, a nudge that wins, Tab over the machine's parts, a borrow
# and the Stats window. Checks that Orca spoke each result, the borrow's balance and every
# figure of Stats exactly once:
#   bash spoken-game.sh path/to/spoken_game_probe
# Exits 77 (skipped) when Orca or the virtual screen is not installed.
set -euo pipefail
probe="$1"
here="$(cd "$(dirname "$0")" && pwd)"
spoken="$(mktemp)"
trap 'rm -f "$spoken" "$spoken.log"' EXIT

status=0
bash "$here/orca-session.sh" "$spoken" /usr/bin/python3 "$here/spoken-game.py" "$probe" 30,8,7 8,30,1 || status=$?
[ "$status" = 77 ] && exit 77
echo "Orca said:"
sed 's/^/  /' "$spoken"
[ "$status" = 0 ] || { echo "FAIL: the scripted game did not play through"; exit 1; }

# Runs of spaces are the figures' alignment, not speech.
expected=(
  "Won 250 credits on the middle line. Two nudges won."
  "No win. 2 nudges to use: press 1, 2 or 3."
  "Won 3 credits on the middle line."
  "Reel 1: swords, skull, Bonus label."
  "Credits: 1251 label."
  "Borrowed 1000 credits. Credits: 2251. Borrowed: 2000."
  "Spins: 2 label."
  "Credits: 2,251 label."
  "Borrowed: 2,000 label."
  "Total Bets: 2 label."
  "Payoffs: 253 label."
  "Normal: 253 label."
  "Bonus: 0 label."
  "Overall Payoff Percentage: 12650.00% label."
)
failed=0
for line in "${expected[@]}"; do
  count="$(tr -s ' ' <"$spoken" | grep -cxF -- "$line" || true)"
  if [ "$count" != 1 ]; then
    echo "FAIL: Orca said \"$line\" $count times, not once"
    failed=1
  fi
done
exit "$failed"

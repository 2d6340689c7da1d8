#!/usr/bin/env bash
# Measures the odds shown in the help's "The odds" section with the simulator and prints them,
# first as a text table, then as the HTML table rows of assets/help/index.html.
#
#   tools/assets/help-odds.sh path/to/zandor-sim [games-per-row] [seed]
#
# Builds nothing. Every row plays the given number of games (default 1,000,000) from the given
# seed (default 1), so the same simulator prints the same figures. The simulator reports the
# player's wins, the mean calls and the mean net return per game; the payout and the return
# per dollar staked follow from the wins, the jackpot and the stake, and the net figure is
# checked against the simulator's own.
set -euo pipefail

if [[ $# -lt 1 || $# -gt 3 || "$1" == -* ]]; then
    echo "usage: $0 path/to/zandor-sim [games-per-row] [seed]" >&2
    exit 2
fi
sim=$1
games=${2:-1000000}
seed=${3:-1}
if [[ ! -x "$sim" ]]; then
    echo "$0: '$sim' is not an executable simulator (build the zandor-sim target first)" >&2
    exit 2
fi

stake_per_card=6
declare -A jackpot=([vertical]=24 [horizontal]=48 [diagonal]=60 [random]=44)
types=(vertical horizontal diagonal random)

# One row of figures per type and card count, separated by blanks:
# type cards stake jackpot wins games calls net(simulator)
rows=()
for type in "${types[@]}"; do
    for cards in 1 2 3; do
        report=$("$sim" --games "$games" --cards "$cards" --type "$type" --seed "$seed")
        wins=$(sed -n 's/^player win rate:.*(\([0-9]*\) wins)$/\1/p' <<<"$report")
        calls=$(sed -n 's/^mean calls per game: *\([0-9.]*\)$/\1/p' <<<"$report")
        net=$(sed -n 's/^mean return per game: *\(-\{0,1\}\)\$\([0-9.]*\)$/\1\2/p' <<<"$report")
        if [[ -z "$wins" || -z "$calls" || -z "$net" ]]; then
            echo "$0: cannot read the simulator's report for $type, $cards card(s):" >&2
            echo "$report" >&2
            exit 1
        fi
        rows+=("$type $cards $((cards * stake_per_card)) ${jackpot[$type]} $wins $games $calls $net")
    done
done

printf '%s\n' "${rows[@]}" | awk -v games="$games" -v seed="$seed" '
function money(x) { return (x < 0 ? "-$" : "$") sprintf("%.2f", x < 0 ? -x : x) }
function title(t) { return toupper(substr(t, 1, 1)) substr(t, 2) }
{
    type[NR] = $1; cards[NR] = $2; stake[NR] = $3; wins = $5; calls[NR] = $7
    p = wins / $6
    percent[NR] = sprintf("%.1f%%", 100 * p)
    # Random draws each of the three lines with chance one third, so its mean jackpot is 44;
    # there the payout comes from the net figure the simulator prints, not from the wins.
    payout[NR] = ($1 == "random") ? $8 + $3 : p * $4
    net[NR] = payout[NR] - $3
    if ($1 != "random" && (net[NR] - $8 > 0.0051 || $8 - net[NR] > 0.0051)) {
        printf "help-odds: %s, %d card(s): net %.4f from the wins, %s from the simulator\n",
               $1, $2, net[NR], $8 > "/dev/stderr"
        failed = 1
    }
    back[NR] = payout[NR] / $3
}
END {
    if (failed) exit 1
    printf "Zandor Bingo odds: %d games per row, seed %d\n\n", games, seed
    printf "%-10s %5s %5s %8s %8s %8s %9s %6s\n", "Game type", "Cards", "Stake", "You win",
           "Payout", "Per $1", "Net/game", "Calls"
    for (i = 1; i <= NR; ++i)
        printf "%-10s %5d %5s %8s %8s %8s %9s %6.1f\n", title(type[i]), cards[i],
               "$" stake[i], percent[i], money(payout[i]), money(back[i]), money(net[i]),
               calls[i]
    printf "\nHTML rows:\n"
    for (i = 1; i <= NR; ++i)
        printf "<tr><td>%s</td><td align=\"center\">%d</td><td align=\"right\">$%d</td>" \
               "<td align=\"right\">%s</td><td align=\"right\">%s</td>" \
               "<td align=\"right\">%s</td><td align=\"right\">%s</td>" \
               "<td align=\"right\">%.1f</td></tr>\n", title(type[i]), cards[i], stake[i],
               percent[i], money(payout[i]), money(back[i]), money(net[i]), calls[i]
}'

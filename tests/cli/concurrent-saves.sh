#!/usr/bin/env bash
# Two tarvex-cli processes save one target at the same moment, 50 times over. A save that reports
# success must be in the file whole, or the other save's whole content must have replaced it; a
# failure reported by either is wrong, since nothing keeps either from saving.
#
#   concurrent-saves.sh TARVEX_CLI WORK_FOLDER
set -u

cli=$1
work=$2
rm -rf "$work"
mkdir -p "$work"
cd "$work" || exit 1

"$cli" new a.xml --no-style >/dev/null 2>&1 || exit 1
sed 's/Menu item name/Another caption/' a.xml >b.xml
"$cli" format a.xml -o want-a.xml && "$cli" format b.xml -o want-b.xml || exit 1
if cmp -s want-a.xml want-b.xml; then
    echo "FAIL the two inputs give the same project"
    exit 1
fi

failed=0
for round in $(seq 1 50); do
    "$cli" format a.xml -o target.xml 2>a.err &
    first=$!
    "$cli" format b.xml -o target.xml 2>b.err &
    second=$!
    wait $first
    status_a=$?
    wait $second
    status_b=$?
    if [[ $status_a -ne 0 || $status_b -ne 0 ]]; then
        echo "FAIL round $round: exit statuses $status_a and $status_b: $(cat a.err b.err)"
        failed=1
    elif ! cmp -s target.xml want-a.xml && ! cmp -s target.xml want-b.xml; then
        echo "FAIL round $round: the target is neither save's whole content"
        failed=1
    fi
    leftovers=$(find . -name '.*.tvxtmp' | wc -l)
    if [[ $leftovers -ne 0 ]]; then
        echo "FAIL round $round: $leftovers temporary files left"
        failed=1
    fi
    rm -f target.xml
done
[[ $failed -eq 0 ]] && echo "ok   50 rounds of two saves at once"
exit $failed

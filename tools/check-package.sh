#!/usr/bin/env bash
# Builds the Debian package and tries it as a colleague's machine would: installs it with apt-get
# after taking away everything the build installed, so that only the package's own dependencies
# are there; writes the demo with quorvel-cli, parses a demo report, digests and charts the demo,
# and starts `quorvel --demo` on a virtual display until its window shows. Made for a clean Debian
# 12 root, as root:
#
#     ../shared/tools/fresh-debian-check.sh tools/check-package.sh
#
# It removes packages: do not run it on a machine you work on.
set -euo pipefail
cd "$(dirname "$0")/.."

[ "$(id -u)" -eq 0 ] || { echo "check-package.sh: run it as root, in a clean root" >&2; exit 2; }
export DEBIAN_FRONTEND=noninteractive
work=$(mktemp -d /tmp/quorvel-check.XXXX)
step() { echo "== $*"; }

step "building the package"
dpkg-query -W -f='${Package}\n' | sort >"$work/packages-before"
tools/install-deps.sh >/dev/null
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DQUORVEL_BUILD_TESTS=OFF >/dev/null
cmake --build build-package -j"$(nproc)" >/dev/null
(cd build-package && cpack -G DEB >/dev/null)
cp build-package/quorvel_*.deb "$work/"
deb=$(ls "$work"/quorvel_*.deb)
dpkg-deb --field "$deb" Package Version Depends

step "removing what the build installed"
dpkg-query -W -f='${Package}\n' | sort >"$work/packages-after"
comm -13 "$work/packages-before" "$work/packages-after" | xargs -r apt-get purge -y -q >/dev/null
apt-get autoremove -y -q --purge >/dev/null
for built in cmake qt6-base-dev; do
    if dpkg -s "$built" >/dev/null 2>&1; then echo "$built is still there" >&2; exit 1; fi
done

step "apt-get install $(basename "$deb")"
(cd "$work" && apt-get install -y -q ./"$(basename "$deb")" >/dev/null)
dpkg -L quorvel | grep -E '/bin/|\.desktop$|\.svg$'

step "quorvel-cli demo"
quorvel-cli demo "$work/demo"
echo "$(find "$work/demo" -type f | wc -l) files, $(du -sh "$work/demo" | cut -f1)"

step "quorvel-cli sections"
quorvel-cli sections "$work/demo/sysmon-2025-01-15-1500.txt" --output "$work/sections.csv"
echo "$(wc -l <"$work/sections.csv") rows"
grep -E '^(Sampling Started|Transaction Profile,Transaction Summary)' "$work/sections.csv"

step "quorvel-cli digest"
quorvel-cli digest --counters "$work/demo/demo-counters.ini" "$work"/demo/sysmon-*.txt --output "$work/digest.csv"
echo "$(wc -l <"$work/digest.csv") lines"
head -3 "$work/digest.csv" | cut -c1-160

step "quorvel-cli chart"
# The demo's first two counters: the engines' average busy (the first counter is "Y Ax.1" unless
# --y1 names another) against the committed transactions.
quorvel-cli chart --counters "$work/demo/demo-counters.ini" \
    --y2 "[Transaction Profile]_[Transaction Summary...]_[Committed Xacts]" "$work"/demo/sysmon-*.txt \
    --output "$work/chart.csv"
echo "$(wc -l <"$work/chart.csv") lines"
head -3 "$work/chart.csv"
tail -2 "$work/chart.csv"

step "quorvel --demo on a virtual display"
apt-get install -y -q --no-install-recommends xvfb xauth x11-utils >/dev/null # for this check only
# shellcheck disable=SC2016 # the inner script expands its own variables
xvfb-run -a -s "-screen 0 1280x900x24" bash -c '
    quorvel --demo >"$0/window.log" 2>&1 & window=$!
    for i in $(seq 60); do
        sleep 1
        if xwininfo -root -tree | grep -q "Sybase Quorvel v.1.2"; then
            xwininfo -root -tree | grep "Sybase Quorvel"
            echo "window up after $i s"
            kill $window
            exit 0
        fi
        kill -0 $window 2>/dev/null || break
    done
    cat "$0/window.log"
    echo "no window"
    exit 1' "$work"
for demo in /tmp/quorvel-demo-*; do
    echo "the window wrote $demo: $(find "$demo" -type f | wc -l) files"
    test -f "$demo/SysmonCounters.ini"
done
step "the package works"

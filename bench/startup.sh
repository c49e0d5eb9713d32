#!/usr/bin/env bash
# Start-up benchmark: time from launching the simulator to its main menu taking the focus, and
# from the exit confirmation to the process end. Run by hand, side by side with a baseline build:
#   bench/startup.sh build/bin [runs]   and   bench/startup.sh /path/to/baseline/bin [runs]
set -euo pipefail
bin=${1:?usage: startup.sh BIN_DIR [RUNS]}
runs=${2:-10}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
export KESTRA_SIM_ROOT=$root KESTRA_TRACE=stderr QT_QPA_PLATFORM=offscreen
now() { date +%s%N; }
starts=(); stops=()
for ((i = 0; i < runs; i++)); do
  log=$root/run.log
  t0=$(now)
  "$bin/KestraToolkit" 2>"$log" &
  pid=$!
  until grep -q 'GOT FOCUS: V40::GUI::IconMenuItemWidgetC' "$log" 2>/dev/null; do sleep 0.005; done
  t1=$(now)
  "$bin/KestraSimCtl" key Escape F6
  wait "$pid"
  t2=$(now)
  starts+=($(((t1 - t0) / 1000000))); stops+=($(((t2 - t1) / 1000000)))
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
echo "runs: $runs  start to main menu: median $(median "${starts[@]}") ms  exit to process end: median $(median "${stops[@]}") ms"

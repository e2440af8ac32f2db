#!/usr/bin/env bash
# Runs the benchmarks behind the README's figures in one go and prints them
# as one table, with the machine's CPU model:
#   tools/run-benchmarks.sh [BUILD_DIR ...]
# Each BUILD_DIR (default build/release, built here with the release preset
# when it is the default) gives one column, so that two builds (say, before
# and after a change) are measured in the same run on the same machine.
# The window's figures run under Xvfb when xvfb-run is installed, else on
# Qt's offscreen platform. Absolute times vary from machine to machine.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -eq 0 ]; then
  cmake --preset release >/dev/null
  cmake --build build/release -j"$(nproc)" \
    --target analysis_bench animation_bench gui_bench window-figures >/dev/null
  set -- build/release
fi
export QT_QPA_PLATFORM=offscreen
runs="--benchmark_repetitions=5 --benchmark_report_aggregates_only=true --benchmark_format=csv"

# median_of CSV NAME: the median CPU time of benchmark NAME, in microseconds
# (CPU time, not wall time: it holds up better while other work shares the machine).
median_of() {
  awk -F, -v name="\"$2_median\"" '
    $1 == name {
      t = $4; unit = $5; gsub(/"/, "", unit)
      if (unit == "ns") t /= 1000; else if (unit == "ms") t *= 1000
      printf "%.0f", t; found = 1
    }
    END { if (!found) printf "-" }' <<<"$1"
}

declare -A figure
for dir in "$@"; do
  gui=$("$dir"/bench/gui/gui_bench --benchmark_filter='BM_FadingTickIntoSurfaces|BM_WindowFrame' \
        --benchmark_min_time=2 $runs 2>/dev/null)
  core=$("$dir"/bench/animation/animation_bench --benchmark_filter='BM_TickEveryPathFading' \
         --benchmark_min_time=2 $runs 2>/dev/null)
  fft=$("$dir"/bench/analysis/analysis_bench --benchmark_filter='4096Forward$' \
        --benchmark_min_time=1 $runs 2>/dev/null)
  figure[$dir,ratio1]=$(median_of "$gui" 'BM_FadingTickIntoSurfaces/1')
  figure[$dir,ratio2]=$(median_of "$gui" 'BM_FadingTickIntoSurfaces/2')
  figure[$dir,coreqt]=$(median_of "$gui" 'BM_FadingTickIntoSurfaces/0')
  figure[$dir,frame]=$(median_of "$gui" 'BM_WindowFrame')
  figure[$dir,core]=$(median_of "$core" 'BM_TickEveryPathFading/Sink:0')
  figure[$dir,fft]=$(median_of "$fft" 'BM_Fft4096Forward')
  figure[$dir,fftw]=$(median_of "$fft" 'BM_Fftw4096Forward')

  if command -v xvfb-run >/dev/null; then
    window=$(xvfb-run -a env QT_QPA_PLATFORM=xcb "$dir"/bench/measure/window-figures 10)
  else
    window=$("$dir"/bench/measure/window-figures 10)
  fi
  figure[$dir,platform]=$(awk '/^platform/ { print $2 }' <<<"$window")
  figure[$dir,startup]=$(awk '/^start-up/ { print $(NF-1) }' <<<"$window")
  figure[$dir,cpu]=$(awk '/^animating/ { print $(NF-4) }' <<<"$window")
done

row() {
  local label=$1 key=$2 unit=$3
  local line="| $label |"
  for dir in "${dirs[@]}"; do line+=" ${figure[$dir,$key]}$unit |"; done
  echo "$line"
}
dirs=("$@")
cpu_model=$(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo)
echo "CPU: $cpu_model ($(nproc) logical cores), load average $(cut -d' ' -f1-3 /proc/loadavg)"
echo
header="| Figure (median CPU time of 5 runs) |"
rule="|---|"
for dir in "${dirs[@]}"; do header+=" $dir |"; rule+="---|"; done
echo "$header"
echo "$rule"
row "Fading tick, 8 paths at 5 after Random, into the window's surfaces, ratio 1" ratio1 " µs"
row "The same at device pixel ratio 2" ratio2 " µs"
row "The same tick's core alone, QApplication in the process" coreqt " µs"
row "The same tick's core alone, no toolkit in the process" core " µs"
row "A whole frame of the shown window, offscreen: tick, mirroring, painting" frame " µs"
row "4096-point FFT, forward (ours)" fft " µs"
row "4096-point FFT, forward (FFTW, for scale)" fftw " µs"
row "Window animating the same case: CPU, % of one core (${figure[${dirs[0]},platform]})" cpu " %"
row "Window start-up to an exposed window" startup " ms"

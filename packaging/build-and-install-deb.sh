#!/usr/bin/env bash
# Builds the Debian package, installs it on this machine, and starts the
# installed program under Qt's offscreen platform to show that it runs.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-dependencies.sh demo
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)

build=build/package
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DTARVEL_BUILD_BENCH=OFF -DTARVEL_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/tarvel-demo_*.deb | head -n 1)
echo "Built $deb"
dpkg-deb --info "$deb" | sed -n '/Depends/p'

"${as_root[@]}" apt-get install -y -q "./$deb" >/dev/null
echo "Installed: $(dpkg-query -W -f='${Package} ${Version}' tarvel-demo)"

# Started for three seconds: a program that is still running then has come up.
set +e
QT_QPA_PLATFORM=offscreen timeout 3 /usr/bin/tarvel-demo
status=$?
set -e
if [ "$status" -eq 124 ]; then
  echo "The installed tarvel-demo started and ran."
else
  echo "The installed tarvel-demo exited with status $status" >&2
  exit 1
fi

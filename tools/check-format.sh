#!/usr/bin/env bash
# Fails, naming the files, when any C++ source differs from what clang-format 14
# makes of it with the committed .clang-format. Fix with:
#   git ls-files '*.cpp' '*.h' | xargs clang-format-14 -i
set -euo pipefail
cd "$(dirname "$0")/.."
format=$(command -v clang-format-14 || command -v clang-format)
if ! "$format" --version | grep -q 'version 14\.'; then
  echo "check-format: clang-format 14 is needed, found: $("$format" --version)" >&2
  exit 1
fi
unformatted=()
while IFS= read -r file; do
  "$format" --dry-run -Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done < <(git ls-files '*.cpp' '*.h')
if [ ${#unformatted[@]} -gt 0 ]; then
  echo "Not formatted with clang-format 14 (.clang-format):" >&2
  printf '  %s\n' "${unformatted[@]}" >&2
  exit 1
fi
echo "formatting: every C++ source as clang-format 14 writes it"

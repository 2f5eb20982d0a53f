#!/usr/bin/env bash
# Fails, naming each file, when a C++ source of the project does not follow its .clang-format.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
formatter=$(command -v clang-format || true)
if [[ -z "$formatter" ]]; then
    echo "clang-format is not installed (scripts/deps.sh installs it)" >&2
    exit 1
fi
unformatted=()
while IFS= read -r -d '' file; do
    "$formatter" --style=file --dry-run -Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done < <(find src tests bench -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)
if ((${#unformatted[@]})); then
    printf 'Not formatted by .clang-format (run clang-format -i on them):\n' >&2
    printf '  %s\n' "${unformatted[@]}" >&2
    exit 1
fi
echo "All C++ sources follow .clang-format."

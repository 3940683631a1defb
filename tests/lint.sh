#!/usr/bin/env bash
# clang-format and clang-tidy, with the project's own configuration files.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
mapfile -t sources < <(git ls-files --cached --others --exclude-standard '*.cpp' '*.h')
clang-format --dry-run -Werror "${sources[@]}"
# The program's own code, as the host build compiles it.
mapfile -t program < <(git ls-files --cached --others --exclude-standard \
  'numbering/*.cpp' 'paste/*.cpp' 'window/*.cpp')
clang-tidy --quiet -p build/host "${program[@]}"
echo "lint clean: ${#sources[@]} files formatted, ${#program[@]} files tidy"

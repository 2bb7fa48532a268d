#!/usr/bin/env bash
# Fails when any C++ source of the project is not formatted as .clang-format
# says; prints the files and the first differences.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
clang-format --dry-run -Werror "${files[@]}"
echo "clang-format: ${#files[@]} files formatted"

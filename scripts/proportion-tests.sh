#!/usr/bin/env bash
# Prints the lines of test code against the program's, blank lines and comments left out. The
# resource script counts as program code, the ODBC stand-in DLL of tests/odbc as tests.
set -euo pipefail
cd "$(dirname "$0")/.."

lignes() {
  # Lines with code: not blank, not a // comment, not inside or opening a /* */ comment.
  awk '
    /^[[:space:]]*$/ { next }
    dans { if ($0 ~ /\*\//) dans = 0; next }
    /^[[:space:]]*\/\// { next }
    /^[[:space:]]*\/\*/ { if ($0 !~ /\*\//) dans = 1; next }
    { n++ }
    END { print n + 0 }' "$@"
}

mapfile -t programme < <(find src -name '*.cpp' -o -name '*.h' -o -name '*.c' -o -name '*.rc' | sort)
mapfile -t essais < <(find tests -name '*.cpp' -o -name '*.h' -o -name '*.c' | sort)
code=$(lignes "${programme[@]}")
tests=$(lignes "${essais[@]}")
echo "Test code: $tests lines; program: $code lines; ratio $(awk -v t="$tests" -v c="$code" 'BEGIN { printf "%.2f", t / c }')"

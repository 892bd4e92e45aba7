#!/usr/bin/env bash
# Builds everything and runs every test: host tests (ASan/UBSan), Windows
# tests and end-to-end tests under Wine, and a short run of every fuzzer.
# One CTest run covers all three build folders; its summary comes last.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
"$root/scripts/setup.sh"
"$root/scripts/build.sh" host windows fuzz
cat > build/CTestTestfile.cmake <<EOT
# Written by scripts/test.sh: one CTest run over every build folder.
subdirs("host" "windows" "fuzz")
EOT
exec ctest --test-dir build --output-on-failure -j 2 --timeout 900

#!/usr/bin/env bash
# Regenerates docs/main-window.png, the skinned main window shown in the
# README: runs the end-to-end test (which saves its screenshots under the
# build folder) and copies the main window's picture into the repository.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
cmake --build --preset windows --target Tapvane clicker_e2e e2e_click_target -j2
ctest --test-dir build/windows -R 'e2e\.clicker' --output-on-failure
shot=build/windows/tests/e2e/clicker/output/main-settings.png
test -s "$shot"
mkdir -p docs
cp "$shot" docs/main-window.png
echo "docs/main-window.png updated from $shot"

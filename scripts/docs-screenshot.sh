#!/usr/bin/env bash
# Regenerates the README's pictures of the skinned main window, both pages
# and its open system menu:
# runs the end-to-end test (which saves its screenshots under the build
# folder) and copies them into docs/.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
cmake --build --preset windows --target Tapvane clicker_e2e e2e_click_target -j2
ctest --test-dir build/windows -R 'e2e\.clicker' --output-on-failure
out=build/windows/tests/e2e/clicker/output
mkdir -p docs
# The settings page with its list filled and scrolled, the about page and
# the system menu opened by a right click on the caption.
for pair in main-list-scrolled:main-settings main-about:main-about main-system-menu:main-system-menu; do
  shot="$out/${pair%%:*}.png"
  test -s "$shot"
  cp "$shot" "docs/${pair##*:}.png"
  echo "docs/${pair##*:}.png updated from $shot"
done

#!/usr/bin/env bash
# Regenerates the README's pictures of the skinned main window, both pages:
# runs the end-to-end test (which saves its screenshots under the build
# folder) and copies them into docs/.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
cmake --build --preset windows --target Tapvane clicker_e2e e2e_click_target -j2
ctest --test-dir build/windows -R 'e2e\.clicker' --output-on-failure
out=build/windows/tests/e2e/clicker/output
mkdir -p docs
for page in settings about; do
  test -s "$out/main-$page.png"
  cp "$out/main-$page.png" "docs/main-$page.png"
  echo "docs/main-$page.png updated"
done

#!/usr/bin/env bash
# Regenerates the README's pictures: runs an end-to-end test (which saves its
# screenshots under the build folder) and copies the chosen ones into docs/.
#   docs-screenshot.sh [main] [gallery]    both when none is named
# main: the skinned main window, both pages, its open system menu and the
# list's menu.
# gallery: every page of the skin gallery, its open menu bar, its MDI frame,
# controls opened or pressed with the pointer and a skin folder shown live.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
sets=("$@")
((${#sets[@]})) || sets=(main gallery)
mkdir -p docs

# Copies output/FROM.png to docs/TO.png for every FROM:TO pair.
copy_shots() {
  local out=$1
  shift
  for pair in "$@"; do
    local shot="$out/${pair%%:*}.png"
    test -s "$shot"
    cp "$shot" "docs/${pair##*:}.png"
    echo "docs/${pair##*:}.png updated from $shot"
  done
}

# As copy_shots, for crops of the screen made of a few hundred flat colours:
# the screen's canvas is dropped and a palette keeps each file small.
copy_flat_shots() {
  local out=$1
  shift
  for pair in "$@"; do
    local shot="$out/${pair%%:*}.png" target="docs/${pair##*:}.png"
    test -s "$shot"
    convert "$shot" +repage -strip PNG8:"$target"
    echo "$target updated from $shot"
  done
}

for set in "${sets[@]}"; do
  case $set in
    main)
      cmake --build --preset windows --target Tapvane clicker_e2e e2e_click_target -j2
      ctest --test-dir build/windows -R 'e2e\.clicker' --output-on-failure
      # The settings page with its list filled and scrolled, the about page,
      # the system menu opened by a right click on the caption and the
      # list's menu opened by a right click on the list.
      copy_shots build/windows/tests/e2e/clicker/output \
        main-list-scrolled:main-settings main-about:main-about main-system-menu:main-system-menu \
        main-list-menu:main-list-menu
      ;;
    gallery)
      cmake --build --preset windows --target SkinGallery skinpack gallery_e2e -j2
      ctest --test-dir build/windows -R 'e2e\.gallery' --output-on-failure
      pairs=(gallery_menu_bar_open:gallery-menu-bar gallery_mdi_maximised:gallery-mdi-maximised
             gallery_combo_dropped:gallery-combo-dropped
             gallery_calendar_dropped:gallery-calendar-dropped
             gallery_button_pressed:gallery-button-pressed)
      for page in $(seq 1 12); do pairs+=("gallery_page_$page:gallery-page-$page"); done
      copy_flat_shots build/windows/tests/e2e/gallery/output "${pairs[@]}"
      # A skin folder shown live, a save refused with its reason: the whole
      # screen, trimmed to the gallery on the empty desktop.
      convert build/windows/tests/e2e/gallery/output/gallery_folder_missing_image.png -trim +repage \
        -strip PNG8:docs/gallery-folder.png
      echo "docs/gallery-folder.png updated"
      ;;
    *)
      echo "docs-screenshot.sh: unknown set '$set' (main, gallery)" >&2
      exit 2
      ;;
  esac
done

#!/bin/sh
# The circle check on small made-up toolkits: a tree whose units include
# one way passes; a circle of two or three units fails, naming each include
# on it and none off it; the units kept together may include each other.
#
#   toolkit_circles_check_test.sh CHECK_SCRIPT WORK_DIR
set -eu
check=${1:?usage: toolkit_circles_check_test.sh CHECK_SCRIPT WORK_DIR}
work=${2:?usage: toolkit_circles_check_test.sh CHECK_SCRIPT WORK_DIR}
failures=0

# Base <- Middle <- Top, each a header and a .cpp; Top also reaches core.
fresh_tree() {
  rm -rf "$work" && mkdir -p "$work/toolkit/core" "$work/toolkit/controls"
  printf '#pragma once\n' >"$work/toolkit/core/Object.h"
  printf '#pragma once\n#include <windows.h>\n' >"$work/toolkit/controls/Base.h"
  printf '#include "toolkit/controls/Base.h"\n' >"$work/toolkit/controls/Base.cpp"
  printf '#pragma once\n#include "toolkit/controls/Base.h"\n' >"$work/toolkit/controls/Middle.h"
  printf '#include "toolkit/controls/Middle.h"\n' >"$work/toolkit/controls/Middle.cpp"
  printf '#pragma once\n#include "toolkit/controls/Middle.h"\n' >"$work/toolkit/controls/Top.h"
  printf '#include "toolkit/controls/Top.h"\n\n#include "toolkit/core/Object.h"\n' \
    >"$work/toolkit/controls/Top.cpp"
}

# expect NAME WANTED_STATUS TEXT_THE_OUTPUT_MUST_HOLD [TEXT_IT_MUST_NOT_HOLD]
expect() {
  set +e
  output=$(sh "$check" "$work" 2>&1)
  status=$?
  set -e
  if [ "$status" -ne "$2" ] || ! printf '%s\n' "$output" | grep -qF -- "$3" ||
     { [ -n "${4:-}" ] && printf '%s\n' "$output" | grep -qF -- "$4"; }; then
    echo "FAIL $1: status $status (wanted $2), output:"
    printf '%s\n' "$output"
    failures=$((failures + 1))
  else
    echo "ok   $1"
  fi
}

fresh_tree
expect "includes going one way pass" 0 "no unit of the toolkit reaches itself"

fresh_tree
printf '#include "toolkit/controls/Base.h"\n\n#include "toolkit/controls/Top.h"\n' \
  >"$work/toolkit/controls/Base.cpp"
expect "a .cpp reaching back up closes a circle of three, named with file and line" 1 \
  "Base.cpp:3: toolkit/controls/Base includes toolkit/controls/Top.h"
expect "every include on that circle is named" 1 \
  "Top.h:2: toolkit/controls/Top includes toolkit/controls/Middle.h"

fresh_tree
printf '#include "Middle.h"\n' >>"$work/toolkit/controls/Base.cpp"
expect "a relative include is followed too" 1 \
  "Base.cpp:2: toolkit/controls/Base includes toolkit/controls/Middle.h" \
  "Top.h"

fresh_tree
printf '#pragma once\n#include "toolkit/controls/Top.h"\n' >"$work/toolkit/core/Object.h"
expect "a circle across folders is caught, the unit hanging off it is not named" 1 \
  "Object.h:2: toolkit/core/Object includes toolkit/controls/Top.h" \
  "Middle.h"

fresh_tree
printf '#pragma once\n#include "toolkit/controls/Controls.h"\n' >"$work/toolkit/controls/WinControl.h"
printf '#include "toolkit/controls/WinControl.h"\n' >"$work/toolkit/controls/Controls.cpp"
printf '#pragma once\n' >"$work/toolkit/controls/Controls.h"
expect "the units kept together may include each other" 0 "no unit of the toolkit reaches itself"

printf '#include "toolkit/controls/Top.h"\n' >>"$work/toolkit/controls/Controls.cpp"
printf '#include "toolkit/controls/WinControl.h"\n' >>"$work/toolkit/controls/Top.cpp"
expect "a circle through the units kept together is caught" 1 \
  "Top.cpp:4: toolkit/controls/Top includes toolkit/controls/WinControl.h"

rm -rf "$work"
[ "$failures" -eq 0 ]

#!/bin/sh
# The layer check on small made-up skin trees: it passes a tree whose
# includes and links all go down, and fails, naming file and line, a tree
# with one include or link that goes up, or a folder outside the stack.
#
#   skin_layers_check_test.sh CHECK_SCRIPT WORK_DIR
set -eu
check=${1:?usage: skin_layers_check_test.sh CHECK_SCRIPT WORK_DIR}
work=${2:?usage: skin_layers_check_test.sh CHECK_SCRIPT WORK_DIR}
failures=0

# A tree every case starts from: manage reaches down to read, form to core.
fresh_tree() {
  rm -rf "$work" && mkdir -p "$work/skin/read" "$work/skin/core" "$work/skin/form" "$work/skin/manage"
  printf '#pragma once\n' >"$work/skin/read/Reader.h"
  printf '#include "skin/read/Reader.h"\n' >"$work/skin/core/Protocol.h"
  printf '#include <windows.h>\n\n#include "skin/core/Protocol.h"\n' >"$work/skin/form/Form.cpp"
  printf '#include "skin/form/Form.h"\n#include "skin/read/Reader.h"\n' >"$work/skin/manage/Manager.cpp"
  printf 'add_library(lib_read STATIC Reader.cpp)\n' >"$work/skin/read/CMakeLists.txt"
  printf 'add_library(lib_form STATIC Form.cpp)\ntarget_link_libraries(lib_form PUBLIC\n  lib_read)\n' \
    >"$work/skin/form/CMakeLists.txt"
  printf 'add_library(lib_manage STATIC Manager.cpp)\ntarget_link_libraries(lib_manage PUBLIC lib_form\n  lib_read other_lib)\n' \
    >"$work/skin/manage/CMakeLists.txt"
}

# expect NAME WANTED_STATUS TEXT_THE_OUTPUT_MUST_HOLD
expect() {
  set +e
  output=$(sh "$check" "$work/skin" 2>&1)
  status=$?
  set -e
  if [ "$status" -ne "$2" ] || ! printf '%s\n' "$output" | grep -qF -- "$3"; then
    echo "FAIL $1: status $status (wanted $2), output:"
    printf '%s\n' "$output"
    failures=$((failures + 1))
  else
    echo "ok   $1"
  fi
}

fresh_tree
expect "includes and links going down pass" 0 "every include and link goes down"

fresh_tree
printf '#pragma once\n\n#include "skin/manage/Manager.h"\n' >>"$work/skin/core/Protocol.h"
expect "an include going up is named with file and line" 1 \
  "$work/skin/core/Protocol.h:4: core includes skin/manage/Manager.h, which sits above it"

fresh_tree
printf '#include "../form/Form.h"\n' >"$work/skin/read/Relative.cpp"
expect "a relative include going up is caught too" 1 "Relative.cpp:1: read includes ../form/Form.h"

fresh_tree
mkdir -p "$work/skin/extra"
printf '#pragma once\n' >"$work/skin/extra/New.h"
expect "a folder outside the stack is named" 1 "skin/extra has no place in the stack"

fresh_tree
printf '#include "skin/extra/New.h"\n' >>"$work/skin/manage/Manager.cpp"
expect "an include of a folder outside the stack is named" 1 \
  "Manager.cpp:3: includes skin/extra/New.h, from a folder that has no place"

fresh_tree
printf 'target_link_libraries(lib_read PRIVATE other_lib\n  lib_manage)\n' >>"$work/skin/read/CMakeLists.txt"
expect "a link going up is named with file and line" 1 \
  "$work/skin/read/CMakeLists.txt:2: read links lib_manage of manage, which sits above it"

rm -rf "$work"
[ "$failures" -eq 0 ]

#!/usr/bin/env bash
# The layer check stops each include that crosses the layers and a text spelt in
# both faces, and passes the tree as it is. Each case is a copy of the tree with one
# line added to one file (the Qt face's case is added to the Win32 face's copy too,
# so that both spell it).
#   layer_check_test.sh <project folder>
set -uo pipefail
root="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failed=0

bash "$root/scripts/check-layers.sh" "$root" >/dev/null || { echo "the tree itself fails"; failed=1; }

# file | line added | must fail (1) or pass (0)
while IFS='|' read -r file line must_fail; do
  rm -rf "$work/tree"
  mkdir -p "$work/tree"
  (cd "$root" && cp -r --parents ini platform extras settings monitor ui report "$work/tree")
  sed -i "1a $line" "$work/tree/$file"
  [ "$file" = ui/qt/fonts.cpp ] && sed -i "1a $line" "$work/tree/ui/win32/controls.cpp"
  if bash "$root/scripts/check-layers.sh" "$work/tree" >"$work/out" 2>&1; then got=0; else got=1; fi
  if [ "$got" != "$must_fail" ]; then
    echo "$file + $line: check exit $got, wanted $must_fail"
    cat "$work/out"
    failed=1
  fi
done <<'CASES'
ui/main_form_behaviour.cpp|#include "platform/linux/mountinfo.h"|1
monitor/refresh_pass.cpp|#include "ui/main_form_behaviour.h"|1
settings/load_save.cpp|#include "ui/main_form_behaviour.h"|1
platform/drive_table.cpp|#include "settings/load_save.h"|1
ini/ini_text.cpp|#include "platform/file_system.h"|1
ui/options_setup_behaviour.cpp|#include "ui/qt/options_setup.h"|1
ui/qt/options_setup.cpp|#include "ui/win32/options_setup.h"|1
ui/win32/options_setup.cpp|#include "platform/linux/mountinfo.h"|1
monitor/refresh_pass.cpp|#include "../settings/load_save.h"|1
monitor/refresh_pass.cpp|#include "monitor/../settings/settings_file.h"|1
ui/win32/options_setup.cpp|#include <platform/linux/mountinfo.h>|1
ui/qt/options_setup.cpp|#include <platform/windows/win32_threads.h>|1
settings/load_save.cpp|#include "./../ui/./main_form_behaviour.h"|1
ui/main_form_behaviour.cpp|#include "../monitor/refresh_pass.h"|0
ui/win32/options_setup.cpp|#include <platform/windows/win32_threads.h>|0
settings/auto_run.cpp|#include <QString>|1
monitor/refresh_pass.cpp|#include <unistd.h>|1
ui/main_form_behaviour.cpp|#include <windows.h>|1
ui/qt/fonts.cpp|const char* k = "Add Drive";|1
ui/win32/controls.cpp|const char* k = "Add Drive";|0
ui/main_form_behaviour.cpp|#include "monitor/refresh_pass.h"|0
ui/qt/options_setup.cpp|#include <QString>|0
platform/linux/mountinfo.cpp|#include <unistd.h>|0
CASES
exit "$failed"

#!/bin/bash
# Extracts the user-visible texts of the sources into every language's .ts file.
# Translate the new entries (Qt Linguist, or by hand), then run the tests: a
# language with an unfinished entry fails them.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/.."
LUPDATE=/usr/lib/qt6/bin/lupdate
SOURCES=(app entry framework platform player widgets)
for code in en de fr es ja zh_CN; do
  existing=()
  for dir in "${SOURCES[@]}"; do [ -d "$dir" ] && existing+=("$dir"); done
  "$LUPDATE" -silent -locations none -no-obsolete -source-language en -target-language "$code" \
    -extensions cpp,h -I . "${existing[@]}" -ts "resources/languages/kestrel_${code}.ts"
done

#!/usr/bin/env bash
# elf-check.sh FOLDER NEWEST_GLIBC [LIBRARY_FOLDER]: every ELF file in FOLDER needs only shared
# objects that are in the folder (found there through a DT_RPATH of $ORIGIN) or in the C library's
# own set, and no GLIBC_ symbol version newer than NEWEST_GLIBC (say 2.34). Prints each ELF's needs,
# the newest version and the functions that bring it; fails on the first breach. OBJDUMP names
# another objdump (another processor's). The shared objects in LIBRARY_FOLDER, a folder in FOLDER,
# are found without a DT_RPATH: the folder's launcher names it to the loader.
set -euo pipefail
folder=$1 newest_allowed=$2 launcher_libraries=${3:-}
objdump=${OBJDUMP:-objdump}
c_library="libc.so.6 libm.so.6 libdl.so.2 libpthread.so.0 librt.so.1 ld-linux-x86-64.so.2 ld-linux-aarch64.so.1"
fail() { echo "elf-check: $1" >&2; exit 1; }
newer() { [ "$(printf '%s\n%s\n' "$1" "$2" | sort -V | tail -1)" = "$1" ] && [ "$1" != "$2" ]; }

elves=0 newest=0
while IFS= read -r -d '' file; do
  [ "$(head -c 4 "$file" | od -An -c | tr -d ' ')" = '177ELF' ] || continue
  elves=$((elves + 1))
  name=${file#"$folder"/}
  dynamic=$(readelf -dW "$file")
  needed=$(sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p' <<<"$dynamic" | paste -sd' ')
  for library in $needed; do
    if [[ " $c_library " == *" $library "* ]]; then continue; fi
    [ -n "$(find "$folder" -name "$library" -print -quit)" ] ||
      fail "$name needs $library, which is neither in the folder nor in the C library"
    [ -n "$launcher_libraries" ] && [ -f "$folder/$launcher_libraries/$library" ] && continue
    grep -q '(RPATH).*\$ORIGIN' <<<"$dynamic" ||
      fail "$name needs $library from the folder but has no DT_RPATH with \$ORIGIN"
  done
  versions=$("$objdump" -T "$file" | grep -o 'GLIBC_[0-9.]*' | sed 's/GLIBC_//' | sort -uV)
  top=$(tail -1 <<<"$versions")
  echo "$name: needs ${needed:-nothing}; GLIBC_$top at the newest, from:" \
    $("$objdump" -T "$file" | grep "GLIBC_$top)" | awk '{print $NF}' | sort -u | head -8)
  if newer "$top" "$newest"; then newest=$top; fi
done < <(find "$folder" -type f -print0)
[ $elves -gt 0 ] || fail "$folder holds no ELF file"
newer "$newest" "$newest_allowed" && fail "GLIBC_$newest is needed, newer than GLIBC_$newest_allowed"
echo "elf-check: $elves ELF files in $folder, each within the folder and the C library, GLIBC_$newest at the newest"

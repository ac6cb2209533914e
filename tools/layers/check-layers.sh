#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that every #include "..." of the product points down the layers of
# layers.txt and names its folder unless it is the includer's own, then
# prints the structure the includes draw: each folder with its layer (0 at
# the bottom) and the folders it includes from.
#   check-layers.sh SOURCE_ROOT
set -euo pipefail
root=$1
cd "$root"
table=tools/layers/layers.txt

declare -A below        # folder -> its folders directly beneath
while IFS= read -r line; do
  [[ $line =~ ^# || -z $line ]] && continue
  below[${line%%:*}]=$(echo ${line#*:})
done <"$table"

# Every folder reachable downwards from a folder, itself included.
reachable() {
  local seen=" $1 " queue=("$1") folder next
  while ((${#queue[@]})); do
    folder=${queue[0]}; queue=("${queue[@]:1}")
    for next in ${below[$folder]-}; do
      [[ $seen == *" $next "* ]] || { seen+="$next "; queue+=("$next"); }
    done
  done
  echo "$seen"
}

exempt() { [[ $1 =~ (^|/)(tests|benchmarks|fuzz)(/|$) || $1 == tools || $1 == tools/* ]]; }

failures=0
fail() { echo "$1" >&2; failures=$((failures + 1)); }
declare -A edges allowed
while IFS= read -r file; do
  folder=$(dirname "$file")
  if ! exempt "$folder"; then
    [[ -v below[$folder] ]] || { fail "$file: its folder $folder is not in $table"; continue; }
    [[ -v allowed[$folder] ]] || allowed[$folder]=$(reachable "$folder")
  fi
  while IFS= read -r included; do
    [[ $included == *.moc ]] && continue
    if [[ $included != */* ]]; then
      [[ -e $folder/$included ]] || fail "$file: \"$included\" is not in $folder: name its folder"
      continue
    fi
    # A header made by the build (Version.h from Version.h.in, a program's
    # manual header) lies in the build tree, under its folder's name.
    [[ -e $included || -e $included.in || -d $(dirname "$included") ]] \
      || { fail "$file: \"$included\" does not exist"; continue; }
    target=$(dirname "$included")
    [[ $target == "$folder" ]] && continue
    if exempt "$target"; then
      exempt "$folder" || fail "$file: the product includes \"$included\", which is for tests and tools"
      continue
    fi
    exempt "$folder" && continue
    if [[ ${allowed[$folder]} == *" $target "* ]]; then
      edges[$folder]+=" $target"
    else
      fail "$file: \"$included\" points up or sideways, from $folder to $target"
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(git ls-files '*.cpp' '*.h' '*.h.in')

# The layer of a folder: one above the highest folder it includes from.
declare -A layer
layer_of() {
  local folder=$1 highest=-1 target
  [[ -v layer[$folder] ]] && { echo "${layer[$folder]}"; return; }
  for target in $(tr ' ' '\n' <<<"${edges[$folder]-}" | sort -u); do
    local l; l=$(layer_of "$target")
    ((l > highest)) && highest=$l
  done
  layer[$folder]=$((highest + 1))
  echo $((highest + 1))
}
for folder in "${!below[@]}"; do
  echo "$(layer_of "$folder") $folder <- $(tr ' ' '\n' <<<"${edges[$folder]-}" | sort -u | xargs)"
done | sort -k1,1n -k2 | sed 's/ <- $//; s/^\([0-9]*\) /layer \1: /'

if ((failures)); then
  echo "$failures include(s) against the layers" >&2
  exit 1
fi
echo "every include points down the layers"

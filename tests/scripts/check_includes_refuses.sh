#!/usr/bin/env bash
# The include check refuses what the layer order forbids and lets the rest be:
# a tree of one file per case is checked on its own, and the report must name
# exactly the forbidden includes.
set -euo pipefail
check="$1"
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT

# folder of the including file, folder it includes, refused?
cases=(
  "units forms yes"       # upward
  "design analysis yes"   # upward in the core
  "cutting response yes"  # sideways in the core
  "response sheets yes"   # sideways
  "cli windows yes"       # sideways above the forms
  "forms windows yes"     # the forms know no toolkit
  "storage cutting no"
  "windows forms no"
  "cli storage no"
  "sheets units no"
)
expected=()
for c in "${cases[@]}"; do
  read -r from to refused <<<"$c"
  mkdir -p "$tree/src/$from"
  printf '#include "%s/header.hpp"\n' "$to" >"$tree/src/$from/includes_$to.cpp"
  [ "$refused" = yes ] && expected+=("src/$from/includes_$to.cpp:1: $from may not include $to: #include \"$to/header.hpp\"")
done

if report=$("$check" "$tree" 2>&1); then
  echo "the check passed a tree with forbidden includes:"; echo "$report"; exit 1
fi
got=$(sort <<<"$report")
want=$(printf '%s\n' "${expected[@]}" | sort)
if [ "$got" != "$want" ]; then
  echo "expected:"; echo "$want"; echo "got:"; echo "$got"; exit 1
fi
echo "check-includes refused the ${#expected[@]} forbidden includes and no other"

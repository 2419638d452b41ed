#!/usr/bin/env bash
# Draws the pictures again with tools/make-art.sh into a scratch folder and compares them byte for byte with the
# committed ones in resources/art, so the committed pictures are always what the script makes.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
ART_OUT="$scratch" "$root/tools/make-art.sh"
passed=0
failed=0
for file in "$root"/resources/art/*; do
    name=$(basename "$file")
    if cmp -s "$file" "$scratch/$name"; then
        passed=$((passed + 1))
    else
        echo "FAILED: resources/art/$name differs from what tools/make-art.sh draws"
        failed=$((failed + 1))
    fi
done
for file in "$scratch"/*; do
    if [ ! -e "$root/resources/art/$(basename "$file")" ]; then
        echo "FAILED: tools/make-art.sh draws $(basename "$file"), which is not committed"
        failed=$((failed + 1))
    fi
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]

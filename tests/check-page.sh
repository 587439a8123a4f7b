#!/usr/bin/env bash
# tonalyx.html as shipped: one file of at most 256 KiB, whose policy allows no request at all.
set -euo pipefail
page=$1
size=$(stat -c %s "$page")
echo "tonalyx.html: $size bytes"
[ "$size" -le 262144 ] || { echo "more than 256 KiB"; exit 1; }
grep -q "content=\"default-src 'none'; script-src 'sha256-[^']*' 'wasm-unsafe-eval'; style-src 'sha256-[^']*'; img-src data:\"" "$page" ||
    { echo "no policy that forbids every request"; exit 1; }
! grep -qiE '(src|href)="(https?:|//)' "$page" || { echo "a reference to another address"; exit 1; }

#!/usr/bin/env bash
# scripts/run.sh builds only the program and its translations; scripts/test.sh
# builds everything. Runs the set-up script with stand-ins for cmake and
# dpkg-query that record what they are asked.
set -euo pipefail
top=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/bin"
cat > "$scratch/bin/cmake" <<'STUB'
#!/bin/sh
echo "$*" >> "$CALLS"
STUB
printf '#!/bin/sh\nprintf "install ok installed"\n' > "$scratch/bin/dpkg-query"
chmod +x "$scratch/bin/cmake" "$scratch/bin/dpkg-query"
export CALLS=$scratch/calls PATH=$scratch/bin:$PATH

grep -q '^ZANDREL_BUILD_TARGETS=zandrel "$top/scripts/setup.sh"' "$top/scripts/run.sh"
ZANDREL_BUILD_TARGETS=zandrel "$top/scripts/setup.sh" "$scratch/build" >/dev/null
grep -qx -- "--build $scratch/build -j2 --target zandrel" "$CALLS"
: > "$CALLS"
"$top/scripts/setup.sh" "$scratch/build" >/dev/null
grep -qx -- "--build $scratch/build -j2" "$CALLS"
! grep -q 'ZANDREL_BUILD_TARGETS' "$top/scripts/test.sh"

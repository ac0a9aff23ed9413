#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Every source, build and script file names its licence in its first lines.
set -euo pipefail
cd "$(dirname "$0")/../.."
missing=0
while IFS= read -r file; do
    case "$file" in
    *.c | *.cpp | *.h | *.cpp.in | *.h.in | *.sh | *.supp | *.cmake | */CMakeLists.txt | CMakeLists.txt | .ci/run) ;;
    *) continue ;;
    esac
    if ! head -n 3 "$file" | grep -q "SPDX-License-Identifier: Apache-2.0"; then
        echo "no SPDX-License-Identifier line: $file"
        missing=1
    fi
done < <(git ls-files)
[ "$missing" -eq 0 ] && echo "every source file names its licence"
exit "$missing"

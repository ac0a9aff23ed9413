#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# No tracked text file holds a merge-conflict marker: a half-finished merge must never be released.
set -euo pipefail
cd "$(dirname "$0")/../.."
if git grep -I -nE '^(<<<<<<<|>>>>>>>)( |$)|^=======$|^\|\|\|\|\|\|\|( |$)' -- . ; then
    echo "merge-conflict markers are left in the files above"
    exit 1
fi
echo "no merge-conflict markers in any tracked text file"

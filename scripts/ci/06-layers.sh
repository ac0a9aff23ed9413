#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# No folder includes a folder above it. The layers, top down: app > filelist > ui > report > verdict >
# engine > digest > platform; cli stands beside the window over report, verdict and resources, and
# resources (the catalogues and the locale table) beside report. The MainWindow members that the
# window's layout places in filelist/ and ui/ (MainWindow*.cpp there) belong to app/ and may include it.
set -euo pipefail
cd "$(dirname "$0")/../.."

declare -A rank=([platform]=0 [digest]=1 [engine]=2 [verdict]=3 [report]=4 [resources]=4 [ui]=5 [cli]=5
    [filelist]=6 [app]=7)

wrong=0
while IFS=: read -r file line text; do
    from=${file%%/*}
    [[ $text =~ \"([a-z]+)/ ]] || continue
    to=${BASH_REMATCH[1]}
    [ -n "${rank[$to]+set}" ] || continue
    [ "$from" = "$to" ] && continue
    case "$file" in
    filelist/MainWindow*.cpp | ui/MainWindow*.cpp) [ "$to" = app ] && continue ;;
    esac
    if [ "${rank[$to]}" -ge "${rank[$from]}" ]; then
        echo "$file:$line: $from/ includes $to/, which is not below it: $text"
        wrong=1
    fi
done < <(git grep --untracked -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[a-z]+/' -- \
    'app/*' 'filelist/*' 'ui/*' 'cli/*' 'report/*' 'resources/*' 'verdict/*' 'engine/*' 'digest/*' 'platform/*')

# The engine and what lies below it build without Qt.
if git grep --untracked -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' -- 'engine/*' 'digest/*' 'platform/*'; then
    echo "engine/, digest/ and platform/ include Qt above"
    wrong=1
fi

[ "$wrong" -eq 0 ] && echo "every include points down the layers (app > filelist > ui > report > verdict > engine > digest > platform; cli over report, verdict, resources)"
exit "$wrong"

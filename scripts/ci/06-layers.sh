#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# No folder includes a folder above it. The layers, top down: app > filelist > ui > report > verdict >
# engine > digest > platform; cli stands beside the window over report, verdict and resources, and
# resources (the catalogues and the locale table) beside report. The MainWindow members that the
# window's layout places in filelist/ and ui/ (MainWindow*.cpp there) belong to app/ and may include it.
# Only platform/ includes the headers of the POSIX or Windows interfaces.
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

# Only platform/ talks to the system: everywhere else, a POSIX or Windows header is a call that one of
# the two systems lacks or spells differently. Tests, tools, benchmarks and fuzzers may reach the system
# directly to set up what they check.
system_header='^[[:space:]]*#[[:space:]]*include[[:space:]]*<(sys/[^>]*|unistd\.h|fcntl\.h|dirent\.h|signal\.h|csignal|'
system_header+='dlfcn\.h|pwd\.h|grp\.h|poll\.h|termios\.h|pthread\.h|spawn\.h|sched\.h|semaphore\.h|syslog\.h|'
system_header+='fnmatch\.h|glob\.h|libgen\.h|utime\.h|ftw\.h|netdb\.h|netinet/[^>]*|arpa/[^>]*|'
system_header+='windows\.h|winsock2?\.h|ws2tcpip\.h|shellapi\.h|shlobj\.h|io\.h|direct\.h|process\.h|share\.h)>'
while IFS=: read -r file line text; do
    echo "$file:$line: only platform/ includes a system header: $text"
    wrong=1
done < <(git grep --untracked -niE "$system_header" -- '*.cpp' '*.h' '*.c' '*.cc' '*.hpp' ':!platform/' ':!tests/' ':!tools/' ':!bench/' ':!fuzz/')

[ "$wrong" -eq 0 ] && echo "every include points down the layers (app > filelist > ui > report > verdict > engine > digest > platform; cli over report, verdict, resources), and only platform/ includes a system header"
exit "$wrong"

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

# Only platform/ talks to the system: everywhere else, a header that is neither the C++ or C standard
# library's, nor the compiler's vector intrinsics, nor Qt's, nor OpenSSL's is a call that one of the two
# systems lacks or spells differently (<langinfo.h>, <unistd.h>, <windows.h>, ...). The C library's
# locale names that are POSIX only are caught the same way. Tests, tools, benchmarks and fuzzers may reach the system directly to set up
# what they check.
allowed_header='^(Q[A-Za-z]*|Qt[A-Za-z]*/[A-Za-z]+|openssl/[a-z_0-9]+\.h|immintrin\.h|[a-z_]+|'
allowed_header+='(assert|ctype|errno|float|inttypes|limits|locale|math|stdarg|stddef|stdint|stdio|stdlib|string|time|wchar|wctype|uchar)\.h)$'
outside_platform=('*.cpp' '*.h' '*.c' '*.cc' '*.hpp' ':!platform/' ':!tests/' ':!tools/' ':!bench/' ':!fuzz/')
while IFS=: read -r file line text; do
    [[ $text =~ \<([^>]+)\> ]] || continue
    header=${BASH_REMATCH[1]}
    # <csignal> is standard, but what a program does with signals differs between the systems.
    if [[ $header =~ $allowed_header ]] && [ "$header" != csignal ]; then
        continue
    fi
    echo "$file:$line: only platform/ includes a system header: $text"
    wrong=1
done < <(git grep --untracked -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<' -- "${outside_platform[@]}")
while IFS=: read -r file line text; do
    echo "$file:$line: only platform/ uses the POSIX locale extensions: $text"
    wrong=1
done < <(git grep --untracked -nwE 'LC_MESSAGES|LC_PAPER|LC_[A-Z]+_MASK|_NL_[A-Z_]+|nl_langinfo(_l)?|newlocale|uselocale|freelocale' \
    -- "${outside_platform[@]}")

[ "$wrong" -eq 0 ] && echo "every include points down the layers (app > filelist > ui > report > verdict > engine > digest > platform; cli over report, verdict, resources), and only platform/ includes a system header"
exit "$wrong"

#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# The Windows build, checked under Wine: cross-builds it (scripts/build-windows.sh), stamps a set of
# evidence with the Linux build's quorlith-stamp (among them a file over 4 GiB and names in Greek,
# Cyrillic and Chinese), runs both builds of quorlith-verify over the same paths, given relatively, and
# requires their JSON and CSV output and their exit statuses to be the same byte for byte; then the
# window's rows, the PDF report and the installer. Expects the Linux build in build/ (scripts/test.sh
# makes it first); installs Wine, Xvfb, poppler-utils and MinGW-w64 itself.
set -euo pipefail
cd "$(dirname "$0")/../.."
started=$SECONDS

# The window, its PDF report and its installer need Qt for Windows, whose first build on a machine takes
# most of an hour: QUORLITH_WINDOWS_WINDOW=1 builds and checks them too.
window_checks="${QUORLITH_WINDOWS_WINDOW:-0}"
if [ "$window_checks" = 1 ]; then
    bash scripts/build-windows.sh
else
    bash scripts/build-windows.sh --without-qt
fi

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
if ! command -v wine >/dev/null || ! command -v xvfb-run >/dev/null || ! command -v pdftotext >/dev/null ||
    ! dpkg-query -W -f='${Status}' wine64 2>/dev/null | grep -q "ok installed"; then
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -qq
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends wine wine64 util-linux xvfb xauth \
        poppler-utils >/dev/null
fi

linux=build/bin/quorlith-verify
# With Qt the programs need the libraries deployed beside them.
windows=build-windows/bin/quorlith-verify.exe
[ "$window_checks" = 0 ] || windows=build-windows/dist/quorlith-verify.exe
stamp=build/bin/quorlith-stamp
key=tests/keys/recorder-test-key.pem
for program in "$linux" "$stamp" "$windows"; do
    [ -x "$program" ] || [ -f "$program" ] || { echo "$program is missing" >&2; exit 1; }
done

# The program reads files an opponent may have crafted: its PE header keeps ASLR (with high-entropy
# addresses) and DEP, and it carries the stack protector and the checked C library calls.
headers=$(x86_64-w64-mingw32-objdump -p "$windows")
for flag in DYNAMIC_BASE NX_COMPAT HIGH_ENTROPY_VA; do
    grep -q "$flag" <<<"$headers" || { echo "$windows lacks $flag in its PE header" >&2; exit 1; }
done
symbols=$(x86_64-w64-mingw32-nm "$windows" 2>/dev/null || true)
grep -q "__stack_chk_fail" <<<"$symbols" || { echo "$windows has no stack protector" >&2; exit 1; }
grep -Eq "__(memcpy|memmove|memset|strcpy|strcat|sprintf|snprintf|vsnprintf)_chk" <<<"$symbols" ||
    { echo "$windows has no checked C library calls (_FORTIFY_SOURCE)" >&2; exit 1; }
echo "PE header: DYNAMIC_BASE NX_COMPAT HIGH_ENTROPY_VA; stack protector and checked calls present"

# Headless: no display, no prompts to install Mono or Gecko, no debug chatter on standard error.
export WINEPREFIX="$PWD/build-windows/wine-prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot --init >/dev/null 2>&1
    wineserver --wait
fi

# The evidence lies in the build tree and is named relatively, so both programs print the same paths.
evidence=build-windows/evidence
inputs=build-windows/evidence-inputs
rm -rf "$evidence" "$inputs"
mkdir -p "$evidence/empty" "$evidence/nested/deeper" "$inputs"
media=tests/data/media
stamped() { # VERSION INPUT OUTPUT [stamp options]
    local version="$1" input="$2" output="$3"
    shift 3
    "$stamp" --key "$key" --version "$version" --start "2026-01-02 03:04:05" --end "2026-01-02 03:14:05" \
        --time-source NTP --serial RC-0042 --mac 00:11:22:33:44:55 "$@" "$input" "$output"
}
stamped 1.0 "$media/still.jpg" "$evidence/still.jpg"
stamped 1.1 "$media/still.jpg" "$evidence/still-folded.JPG"
stamped 1.0 "$media/clip-mdat-first.mp4" "$evidence/clip-mdat-first.mp4"
stamped 1.1 "$media/clip-faststart.mp4" "$evidence/nested/clip-faststart.mp4"
stamped 1.0 "$media/clip.avi" "$evidence/nested/deeper/clip.avi"
stamped 1.0 "$media/clip-mdat-first.mp4" "$evidence/nested/recorder.mxg"
stamped 1.0 "$media/still.jpg" "$evidence/Ωμέγα κάμερα.jpg"
stamped 1.0 "$media/clip.avi" "$evidence/камера-01.avi"
stamped 1.1 "$media/clip-faststart.mp4" "$evidence/监控录像.mp4"
stamped 1.0 "$media/still.jpg" "$evidence/nested/.hidden.jpg"
stamped 1.0 "$media/still.jpg" "$evidence/wrong-marker.jpg" --marker "Another Watermark"
stamped 2.0 "$media/still.jpg" "$evidence/version-2.jpg"
stamped 1.0 "$media/still.jpg" "$evidence/other-digest.jpg" --hmac 00112233445566778899aabbccddeeff
# A second recorder family, with keys of its own, beside the first: its key set is given to both
# programs, and every file must name the set that made it.
mkdir -p "$evidence/second-family"
family="--key tests/keys/second-family-key.pem --hmac-key $(printf 'SecondFamilyHmacKey-2' | od -An -tx1 | tr -d ' \n')"
# shellcheck disable=SC2086
stamped 1.0 "$media/still.jpg" "$evidence/second-family/still.jpg" $family
# shellcheck disable=SC2086
stamped 1.1 "$media/clip.avi" "$evidence/second-family/clip.avi" $family
cp "$evidence/still.jpg" "$evidence/not-evidence.png"
# Bytes a text-mode read would change: CR LF pairs and 0x1A, the old end-of-file mark.
printf 'line one\r\nline two\r\n\x1a\x1a after the mark\n%.0s' {1..40} >"$inputs/crlf-content.jpg"
stamped 1.0 "$inputs/crlf-content.jpg" "$evidence/crlf-content.jpg"
# A stamped file with one content byte changed.
stamped 1.0 "$media/clip.avi" "$evidence/tampered.avi"
printf 'X' | dd of="$evidence/tampered.avi" bs=1 seek=6000 conv=notrunc status=none
head -c 100 "$media/still.jpg" >"$evidence/too-small.jpg"
# Over 4 GiB: sizes and offsets past 32 bits. Record version 1.1 folds rather than hashes, so reading it
# costs little; the zeros are made holes again after stamping, so that it takes little disk.
truncate -s 4300000000 "$inputs/big.mp4"
dd if="$media/clip-mdat-first.mp4" of="$inputs/big.mp4" conv=notrunc status=none
stamped 1.1 "$inputs/big.mp4" "$evidence/big.mp4"
rm -rf "$inputs"
fallocate --dig-holes "$evidence/big.mp4" 2>/dev/null || true

# A file named with a separator after it is there, named as a folder: not a missing file.
paths=("$evidence" "$media" "$evidence/not-evidence.png" "$evidence/missing.jpg" "$evidence/empty"
    "$evidence/still.jpg/")
files="$(find "$evidence" "$media" -type f ! -name '.*' | wc -l)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failed=0
for format in json csv; do
    set +e
    "$linux" "--$format" --sha256 --keys tests/keys/second-family.key "${paths[@]}" >"$work/linux.$format" \
        2>"$work/linux.$format.err"
    linux_status=$?
    wine "$windows" "--$format" --sha256 --keys tests/keys/second-family.key "${paths[@]}" \
        >"$work/windows.$format" 2>"$work/windows.$format.err"
    windows_status=$?
    set -e
    lines="$(grep -c '' "$work/linux.$format")"
    if [ "$format" = json ] && [ "$(grep -c '"key_set":{"name":"Second test family"' "$work/linux.json")" -ne 2 ]; then
        echo "the second family's files do not name its key set"
        failed=1
    fi
    if cmp -s "$work/linux.$format" "$work/windows.$format" && [ "$linux_status" = "$windows_status" ]; then
        echo "$format: identical ($lines lines, exit status $linux_status)"
    else
        echo "$format: the Windows build differs (exit status $linux_status on Linux, $windows_status on Windows)"
        diff "$work/linux.$format" "$work/windows.$format" | head -n 40 || true
        cat "$work/windows.$format.err"
        failed=1
    fi
done
# The same with a backslash, a separator on Windows alone.
set +e
wine "$windows" --json "$evidence\\still.jpg\\" >"$work/backslash.json" 2>/dev/null
set -e
if grep -q '"reason":"unreadable"' "$work/backslash.json"; then
    echo "file named with a backslash after it: unreadable, named as a folder"
else
    echo "file named with a backslash after it: expected the reason unreadable for a file named as a folder:"
    cat "$work/backslash.json"
    failed=1
fi
# A file that another program holds locked is in use, not too small or unreadable: the reason in-use and
# exit status 3, as for a system failure, since nothing is known about the file.
x86_64-w64-mingw32-gcc -O2 -Wall -o "$work/hold-file-locked.exe" tests/windows/HoldFileLocked.c
mkfifo "$work/release"
wine "$work/hold-file-locked.exe" "$evidence/still.jpg" <"$work/release" >"$work/hold.out" 2>&1 &
holder=$!
exec 9>"$work/release"
for _ in $(seq 100); do
    grep -q locked "$work/hold.out" 2>/dev/null && break
    sleep 0.2
done
set +e
wine "$windows" --json "$evidence/still.jpg" >"$work/locked.json" 2>/dev/null
locked_status=$?
set -e
exec 9>&-
wait "$holder" || true
if grep -q '"reason":"in-use"' "$work/locked.json" && [ "$locked_status" = 3 ]; then
    echo "locked file: in-use, exit status 3"
else
    echo "locked file: expected the reason in-use and exit status 3, got status $locked_status:"
    cat "$work/hold.out" "$work/locked.json"
    failed=1
fi

# The report module is loaded as quorlith-verify loads it, with stand-in modules: found by its UTF-16 path beside the tool in a folder named outside any
# ANSI code page, never from the working folder; a file that is no library, or a library without the
# entry, is refused with a reason.
# The build's identity comes from the header the Windows build generated; the loader and the stand-in
# module compiled here share it, and a stand-in that states another build is refused.
cxx=(x86_64-w64-mingw32-g++-posix -std=c++17 -O2 -Wall -Wextra -Werror -D_WIN32_WINNT=0x0A00 -I. -Ibuild-windows/generated
    -static)
modules="$work/modules"
mkdir -p "$modules/Ωμέγα камера" "$modules/absent" "$modules/not-a-library" "$modules/no-entry" "$modules/other-build"
"${cxx[@]}" -shared -o "$modules/Ωμέγα камера/quorlith-verify-report.dll" tests/windows/StandInReportModule.cpp
"${cxx[@]}" -shared -DQUORLITH_STAND_IN_BUILD='"0.9.0 unknown another"' \
    -o "$modules/other-build/quorlith-verify-report.dll" tests/windows/StandInReportModule.cpp
"${cxx[@]}" -o "$modules/load-report-module.exe" tests/windows/LoadReportModule.cpp cli/ReportModuleLoader.cpp cli/ReportModuleLoaderWin32.cpp \
    platform/LoadableModuleWin32.cpp platform/ProgramFolderWin32.cpp platform/WidePath.cpp
echo 'int NoEntry() { return 0; }' >"$modules/no-entry.cpp"
"${cxx[@]}" -shared -o "$modules/no-entry/quorlith-verify-report.dll" "$modules/no-entry.cpp"
echo "not a library" >"$modules/not-a-library/quorlith-verify-report.dll"
load_cases=(
    "Ωμέγα камера|.|loaded: stand-in"
    "absent|Ωμέγα камера|not loaded: the report module quorlith-verify-report.dll is not installed"
    "not-a-library|.|not loaded: *not-a-library*quorlith-verify-report.dll: ?*"
    "no-entry|.|not loaded: *no-entry*quorlith-verify-report.dll is not the report module"
    "other-build|.|not loaded: the report module *other-build*quorlith-verify-report.dll belongs to another build (0.9.0 unknown another) than this program (*); reinstall the package"
)
for load_case in "${load_cases[@]}"; do
    IFS='|' read -r folder working expected <<<"$load_case"
    cp "$modules/load-report-module.exe" "$modules/$folder/"
    answer="$(cd "$modules/$working" && wine "$modules/$folder/load-report-module.exe" 2>/dev/null | tr -d '\r' || true)"
    # shellcheck disable=SC2053 # the expected answer is a pattern
    if [[ "$answer" == $expected ]]; then
        echo "report module from $folder: $answer"
    else
        echo "report module from $folder: expected \"$expected\", got \"$answer\""
        failed=1
    fi
done

# Saving a report or an export whole: a new file under a hidden temporary name, written, flushed to the
# disk and renamed over the chosen one; a file another program holds keeps what it had, and nothing is
# left behind either way.
replace="$work/replace"
mkdir -p "$replace/Ωμέγα"
"${cxx[@]}" -municode -o "$replace/replace-file-whole.exe" tests/windows/ReplaceFileWhole.cpp \
    platform/DescriptorOutputWin32.cpp platform/FileReplacementWin32.cpp platform/WidePath.cpp
if wine "$replace/replace-file-whole.exe" "$replace/Ωμέγα" 2>/dev/null | tr -d '\r' >"$replace/answer"; then
    echo "whole-file replacement: $(grep -c '^ok ' "$replace/answer") cases"
else
    echo "whole-file replacement failed:"
    cat "$replace/answer"
    failed=1
fi

if [ "$window_checks" = 1 ]; then
    # The window, in a virtual X server: started on the evidence with the row-listing hook, it must list the
    # same rows as the Linux window for the same files, given the same way.
    window_paths=("$evidence" "$evidence/not-evidence.png" "$evidence/missing.jpg")
    set +e
    LC_ALL=C.UTF-8 LANGUAGE= HOME="$work" XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=offscreen \
        QUORLITH_SELF_TEST_LIST_ROWS=1 timeout 300 build/bin/quorlith -style Fusion "${window_paths[@]}" \
        >"$work/linux.rows" 2>"$work/linux.rows.err"
    LC_ALL=C.UTF-8 LANGUAGE= QUORLITH_SELF_TEST_LIST_ROWS=1 timeout 600 xvfb-run --auto-servernum \
        --server-args="-screen 0 1280x800x24" wine build-windows/dist/quorlith.exe "${window_paths[@]}" 2>"$work/windows.rows.err" |
        tr -d '\r' >"$work/windows.rows"
    set -e
    rows="$(grep -c '' "$work/linux.rows" || true)"
    if [ "$rows" -gt 0 ] && cmp -s "$work/linux.rows" "$work/windows.rows"; then
        echo "window: the same $rows rows as on Linux"
    else
        echo "window: the Windows window's rows differ from the Linux window's ($rows rows on Linux):"
        diff "$work/linux.rows" "$work/windows.rows" | head -n 40 || true
        cat "$work/windows.rows.err" | head -n 20
        failed=1
    fi

    # The PDF report: its text must give the same verdicts, digests and case details as the Linux report's.
    # Line breaks and page breaks follow the fonts, which differ between the systems, so the text is compared
    # without white space: how often each verdict is stated, how often each file's SHA-256 appears, and the
    # case details.
    digests="$(grep -oE '"sha256":"[0-9a-f]{64}"' "$work/linux.json" | cut -d'"' -f4 | sort -u)"
    report_text() { # PDF
        local text
        text="$(pdftotext "$1" - | tr -d '[:space:]')"
        for token in Authenticationsucceeded Authenticationfailed $digests; do
            echo "$token $(grep -o "$token" <<<"$text" | wc -l)"
        done
        for token in Case0412/2026 ExaminerR.Okafor; do
            grep -q "$token" <<<"$text" && echo "$token"
        done
    }
    case_details=(--case "0412/2026" --examiner "R. Okafor" --keys tests/keys/second-family.key)
    set +e
    "$linux" --report "$work/linux.pdf" "${case_details[@]}" "$evidence" >/dev/null 2>"$work/linux.pdf.err"
    linux_status=$?
    LC_ALL=C.UTF-8 LANGUAGE= wine "$windows" --report "$work/windows.pdf" "${case_details[@]}" "$evidence" >/dev/null \
        2>"$work/windows.pdf.err"
    windows_status=$?
    set -e
    report_text "$work/linux.pdf" >"$work/linux.report" || true
    report_text "$work/windows.pdf" >"$work/windows.report" || true
    if [ -s "$work/linux.report" ] && cmp -s "$work/linux.report" "$work/windows.report" &&
        [ "$linux_status" = "$windows_status" ]; then
        echo "report: the same verdicts, digests and case details as on Linux"
    else
        echo "report: the Windows report differs (exit status $linux_status on Linux, $windows_status on Windows):"
        diff "$work/linux.report" "$work/windows.report" | head -n 40 || true
        cat "$work/windows.pdf.err"
        failed=1
    fi

    # The installer, silently into the Wine prefix, per machine and per user; the installed window answers
    # --version and the uninstallers leave nothing behind.
    setup="$(ls build-windows/quorlith-setup-*.exe)"
    version="$(build/bin/quorlith --version)"
    for mode in AllUsers CurrentUser; do
        wine "$setup" /S "/$mode"
        wineserver --wait
        if [ "$mode" = AllUsers ]; then
            installed="$WINEPREFIX/drive_c/Program Files/Trevalon Quorlith"
        else
            installed="$(find "$WINEPREFIX/drive_c/users" -maxdepth 5 -type d -path '*/AppData/Local/Programs/Trevalon Quorlith')"
        fi
        answer="$(wine "$installed/quorlith.exe" --version 2>/dev/null | tr -d '\r' || true)"
        wine "$installed/uninstall.exe" /S
        wineserver --wait
        for _ in $(seq 50); do
            [ -e "$installed" ] || break
            sleep 0.2
        done
        if [ "$answer" = "$version" ] && [ ! -e "$installed" ]; then
            echo "installer ($mode): the installed window answers \"$answer\"; the uninstaller removed it"
        else
            echo "installer ($mode): expected \"$version\" and nothing left, got \"$answer\"; left: $(ls "$installed" 2>&1)"
            failed=1
        fi
    done
fi

echo "Windows check: $files files, $((SECONDS - started)) s"
exit "$failed"

#!/usr/bin/env bash
# Checks the Debian package built into build/package/: its files, its desktop entry and manual
# pages, lintian, and the programs as unpacked (dpkg-deb -x into a temporary root): the
# module's --help and --catalogue, a page printed against the unpacked ksw-sim over SNMPv3
# (SHA-512, AES-256), a suite installation made from the unpacked program folder (per-device
# file, a table viewer), and the desktop entry's command under Xvfb.
# Usage: packaging/check-package.sh [build folder]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

fail() {
    echo "package check: $*" >&2
    exit 1
}

mapfile -t debs < <(find "$build/package" -maxdepth 1 -name 'ksw524p_*.deb' 2>/dev/null)
[ ${#debs[@]} -eq 1 ] || fail "expected one ksw524p_*.deb in $build/package, found ${#debs[@]}"
deb=${debs[0]}
arch=$(dpkg --print-architecture)
version=$(dpkg-deb -f "$deb" Version)
[ "$(basename "$deb")" = "ksw524p_${version}_${arch}.deb" ] || fail "unexpected name $deb"

work=$(mktemp -d "${TMPDIR:-/tmp}/ksw-package.XXXXXX")
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do
        kill -TERM -- "$pid" 2>/dev/null || true
    done
    for pid in "${pids[@]}"; do
        wait "${pid#-}" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

root=$work/root
dpkg-deb -x "$deb" "$root"

# The files the package must hold.
program=usr/lib/ksw524p
expected=(
    usr/bin/ksw524p usr/bin/ksw-sim
    $program/ksw524p $program/ksw-viewer $program/ksw-sim $program/ksw524p.snmprec
    $program/ksw524p-demo
    $program/EthernetLike $program/Bridge $program/VLan $program/Rmon $program/Layer3
    usr/share/applications/ksw524p.desktop
    usr/share/icons/hicolor/scalable/apps/ksw524p.svg
    usr/share/man/man1/ksw524p.1.gz usr/share/man/man1/ksw-sim.1.gz
    usr/share/doc/ksw524p/copyright usr/share/doc/ksw524p/changelog.gz
    usr/share/doc/ksw524p/help/index.html usr/share/doc/ksw524p/help/snmpv3.html
)
for f in "${expected[@]}"; do
    [ -e "$root/$f" ] || fail "the package lacks /$f"
done
for f in usr/bin/ksw524p usr/bin/ksw-sim $program/ksw524p $program/ksw-viewer $program/ksw-sim \
    $program/ksw524p-demo; do
    [ -x "$root/$f" ] || fail "/$f is not executable"
done
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libsnmp40 libc6; do
    [[ $depends == *"$lib "* ]] || fail "Depends lacks $lib: $depends"
done

desktop-file-validate "$root/usr/share/applications/ksw524p.desktop" ||
    fail "desktop-file-validate refuses the desktop entry"
exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/ksw524p.desktop")
[ -x "$root$exec_line" ] || fail "the desktop entry's command $exec_line is not in the package"

# The module as unpacked: the same --help as the manual page, the whole catalogue.
help=$("$root/usr/bin/ksw524p" --help) || fail "ksw524p --help failed"
[[ $help == *"HMAC-SHA-512"* && $help == *"CFB-AES-256"* ]] || fail "--help lacks the protocols"
[ "$help" = "$("$build/bin/ksw524p" --help)" ] || fail "the unpacked --help differs from the build's"
man_text=$(MANWIDTH=200 man -l "$root/usr/share/man/man1/ksw524p.1.gz" 2>/dev/null | tr -s ' ')
[[ $man_text == *"7 HMAC-SHA-512"* ]] || fail "the manual page ksw524p.1 is not the --help text"
sim_help=$(MANWIDTH=200 man -l "$root/usr/share/man/man1/ksw-sim.1.gz" 2>/dev/null)
[[ $sim_help == *"--port"* ]] || fail "the manual page ksw-sim.1 is not the ksw-sim --help text"
catalogue=$("$root/usr/bin/ksw524p" --catalogue) || fail "ksw524p --catalogue failed"
[ "$catalogue" = "$("$build/bin/ksw524p" --catalogue)" ] ||
    fail "the unpacked --catalogue differs from the build's"

# The unpacked simulator (with its data file from the package) on a free loopback port.
start_sim() {
    local pid try
    for try in 1 2 3 4 5; do
        sim_port=$((20000 + RANDOM % 40000))
        "$root/usr/bin/ksw-sim" --port "$sim_port" >"$work/ksw-sim.log" 2>&1 &
        pid=$!
        if timeout 5 bash -c "until snmpget -v2c -c readcm -t 1 -r 0 127.0.0.1:$sim_port \
                1.3.6.1.2.1.1.5.0 >/dev/null 2>&1; do sleep 0.2; done" &&
            kill -0 "$pid" 2>/dev/null; then
            pids+=("$pid")
            return 0
        fi
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    fail "the unpacked ksw-sim did not start: $(cat "$work/ksw-sim.log")"
}
sim_port=0
start_sim

page="Basic Configuration / Basic / Trust Host Management / Trust Host Table"
mkdir -p "$work/home"
printed=$(cd "$work/home" && "$root/usr/bin/ksw524p" /I127.0.0.1 /v3 "/t$sim_port" /m3 /l3 \
    /nSHA512_AES256_User /a7 /Asha512aes256pass /p21 /Psha512aes256priv --print "$page") ||
    fail "--print over SHA-512/AES-256 failed: $printed"
[[ $printed == *"192.0.2.50"* ]] || fail "--print showed no rows: $printed"

# A suite installation made of the package's program folder: the per-device file beside the
# program sets version and port, and a table viewer from the same folder reads it too.
suite=$work/velsyn_ems/bin
mkdir -p "$suite"
cp -a "$root/$program/." "$suite/"
# SNMPv2c on the simulator's port; the file's byte format: NUL after each line but the empty
# SecurityName and the last, CR LF between lines.
{
    printf '[Program Information]\0\r\nAgentIP=127.0.0.1\0\r\nAgentPort=%s\0\r\nVersion=1\0' \
        "$sim_port"
    printf '\r\nSecurityName=\r\nAuthPassword=\0\r\nPrivPassword=\0\r\nAuthProtocol=-1\0'
    printf '\r\nPrivProtocol=-1\0\r\nContextEngineID=\0\r\nSecurityLevel=-1\0'
    printf '\r\nContextName=readcm\0\r\nGetCommStr=readcm\0\r\nSetCommStr=writecm\0'
    printf '\r\nUpdateDate=\0\r\nUpdateTime=\0\r\nSecurityModel=3'
} >"$suite/127.0.0.1.cfg"
printed=$(cd "$work/home" && "$suite/ksw524p" /I127.0.0.1 /v3 /t1 --print "$page") ||
    fail "--print from the suite folder failed: $printed"
[[ $printed == *"192.0.2.50"* ]] || fail "--print from the suite folder showed no rows"
viewer=$(cd "$work/home" && "$suite/Rmon" /I127.0.0.1 /Rreadcm /Wwritecm /TRmon_History --print) ||
    fail "the viewer Rmon from the suite folder failed: $viewer"
[ -n "$viewer" ] || fail "the viewer Rmon printed nothing"

# The desktop entry's command starts the module (with its own simulator) and keeps its
# window until it is ended.
if command -v Xvfb >/dev/null; then
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    pids+=("$!")
    for _ in $(seq 50); do
        [ -s "$work/display" ] && break
        sleep 0.1
    done
    [ -s "$work/display" ] || fail "Xvfb did not start"
    DISPLAY=:$(head -n 1 "$work/display") XDG_STATE_HOME=$work/state \
        KSW_INSTANCE_SCOPE="ksw-package-check-$$" setsid "$root$exec_line" \
        >"$work/desktop.log" 2>&1 &
    desktop=$!
    pids+=("-$desktop")
    # The command waits for the module's window to close; after the simulator's start it
    # would have ended had the module not come up.
    sleep 4
    kill -0 "$desktop" 2>/dev/null ||
        fail "the desktop entry's command ended at once: $(cat "$work/desktop.log")"
else
    echo "package check: no Xvfb, the desktop entry's command is not started" >&2
fi

# lintian: no error.
lint_status=0
lint=$(lintian --fail-on error "$deb" 2>&1) || lint_status=$?
grep -v 'running with root privileges' <<<"$lint" || true
[ $lint_status -eq 0 ] || fail "lintian reports errors"

echo "package check: $deb passes"

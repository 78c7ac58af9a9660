#!/bin/bash
# Tries the README's set-up the way a new user would on a fresh Debian 12
# machine, and says what failed.
#
#   tools/check-fresh-machine.sh [options] [CLONE_SOURCE]
#
#     CLONE_SOURCE    a repository to clone (default: the one this script
#                     is in); its committed branch is what gets tried, never
#                     a work tree with changes in it
#     --branch NAME   the branch to clone (default: main)
#     --reverse       also try the other order, the test command first, in
#                     another fresh root
#     --variant V     debootstrap variant: minbase (default) or standard
#     --out DIR       where logs, the screenshot and the report go (default:
#                     a new folder under /var/tmp/launcher-fresh-check/)
#     --keep          keep the scratch roots afterwards, for a look inside
#     --only CHECK    run that check alone: no-root, order or reverse
#
# Run as root on a Debian 12 host. Each check starts from a copy of a cached
# debootstrap of bookworm (kept in /var/cache/launcher-fresh-root/, made once)
# with a fresh clone of the project, in namespaces of its own:
#   order      tools/run-launcher.sh as root, its window closed as a window
#              manager would, then tools/run-tests.sh in the same checkout,
#              then tools/run-launcher.sh once more without a display: it
#              must say so itself
#   no-root    tools/run-launcher.sh as a user who has neither root nor sudo:
#              it must stop at once with one line saying what root must run;
#              root runs that line, and the user's second try must open the
#              window
#   reverse    (with --reverse) tools/run-tests.sh, then tools/run-launcher.sh
# Every command runs with LANG, LC_ALL and LANGUAGE unset and an environment
# that holds little more than PATH, HOME and TERM, as on a container or a
# cloud image. Exits 1 when a step failed.
#
# Not part of CI: it needs root on the host, a package mirror, and half an
# hour.
set -euo pipefail

cache_dir=/var/cache/launcher-fresh-root
scratch_base=/var/tmp/launcher-fresh-check
self=$(readlink -f "${BASH_SOURCE[0]}")

# Limits far above what a working set-up takes, so that a hung step ends.
launcher_window_limit=2400
tests_limit=5400
no_root_limit=300
install_limit=1800

# The X server this script starts for the launcher; xvfb-run inside the root
# picks its own number (from 99 up), which this one stays clear of.
display=:7

minimal_path=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
user_path=/usr/local/bin:/usr/bin:/bin

say() { printf '%s\n' "$*" >&2; }
die() { say "check-fresh-machine: $*"; exit 2; }
now() { printf '%s' "$EPOCHREALTIME"; }
seconds_since() { awk -v a="$1" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.0f", b - a }'; }

# ===========================================================================
# Inside the namespaces: this script runs again as the first process of a
# new PID namespace, in its own mount, network, UTS and IPC namespaces, with
# FRESH_* variables that the host part set. Every process it starts dies
# with it, and every mount it makes goes with its mount namespace.
# ===========================================================================

# A result line: step, wall seconds, exit status, PASS or FAIL, a note.
record() {
    printf '%s\t%s\t%s\t%s\t%s\n' "$1" "$2" "$3" "$4" "$5" >> "$FRESH_OUT/results.tsv"
}

wait_for_network() {
    ip link set lo up
    local tries
    for (( tries = 0; tries < 200; tries++ )); do
        ip -4 route show default 2>/dev/null | grep -q . && return 0
        sleep 0.1
    done
    say "no route out of the namespace: slirp4netns did not set it up"
    return 1
}

# What a booted machine has, made for this root alone. The host's /dev is
# not bound whole: a few nodes are enough, and nothing else of the host's
# should be reachable from inside.
mount_root() {
    local r=$1 node
    mount -t proc proc "$r/proc"
    mount -t tmpfs -o mode=755,nosuid tmpfs "$r/dev"
    for node in null zero full random urandom tty; do
        touch "$r/dev/$node"
        mount --bind "/dev/$node" "$r/dev/$node"
    done
    mkdir -p "$r/dev/pts" "$r/dev/shm"
    mount -t devpts -o newinstance,ptmxmode=0666,mode=620,gid=5 devpts "$r/dev/pts"
    ln -s pts/ptmx "$r/dev/ptmx"
    mount -t tmpfs -o mode=1777,nosuid,nodev tmpfs "$r/dev/shm"
    ln -s /proc/self/fd "$r/dev/fd"
    ln -s /proc/self/fd/0 "$r/dev/stdin"
    ln -s /proc/self/fd/1 "$r/dev/stdout"
    ln -s /proc/self/fd/2 "$r/dev/stderr"
    # A sysfs of this network namespace; where a container forbids that,
    # the host's, read-only.
    mount -t sysfs -o ro,nosuid,nodev,noexec sysfs "$r/sys" 2>/dev/null ||
        { mount --rbind /sys "$r/sys" && mount -o remount,bind,ro "$r/sys"; }
    mount -t tmpfs -o mode=1777,nosuid,nodev tmpfs "$r/tmp"
}

# The X server runs from the host's binaries but in these namespaces: its
# abstract socket is this network namespace's, its lock and socket files go
# to a /tmp that only this mount namespace sees.
start_x() {
    mount -t tmpfs -o mode=1777 tmpfs /tmp
    Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp \
        > "$FRESH_OUT/$FRESH_CHECK-xvfb.log" 2>&1 &
    local tries
    for (( tries = 0; tries < 100; tries++ )); do
        DISPLAY=$display xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    say "the X server for the launcher did not start"
    return 1
}

# Sets cmd to a command that runs in the root with the environment of a
# fresh login whose locale was never set, from the clone's folder. An array,
# not a function, so that a command started with & is that process itself
# (chroot, env and bash all exec) and its pid is the program's.
#   root_command USER HOME PATH CHECKOUT [VAR=VALUE...] -- COMMAND...
root_command() {
    local user=$1 home=$2 path=$3 checkout=$4; shift 4
    local extra=()
    while [[ $1 != -- ]]; do extra+=("$1"); shift; done
    shift
    local spec=()
    [[ $user == root ]] || spec=(--userspec="$user:$user")
    cmd=(chroot "${spec[@]}" "$FRESH_ROOT"
         /usr/bin/env -i PATH="$path" HOME="$home" TERM=dumb "${extra[@]}"
         /bin/bash -c 'cd "$1" && shift && exec "$@"' _ "$checkout" "$@")
}

# Ended, or a zombie that nobody waited for yet.
has_ended() {
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 0
    [[ ${stat##*) } == Z* ]]
}

# The launcher command, its window waited for, looked at and closed with
# WM_DELETE_WINDOW, as the close box of a window manager does; the command
# must then end with status 0.
#   step_launcher NAME [USER HOME PATH CHECKOUT]     (default: root's)
step_launcher() {
    local name=$1 log="$FRESH_OUT/$1.log" shot="$FRESH_OUT/$1.png"
    local user=${2:-root} home=${3:-/root} path=${4:-$minimal_path}
    local checkout=${5:-/root/launcher}
    local t0 pid rc=0 windows="" waited title note
    t0=$(now)
    root_command "$user" "$home" "$path" "$checkout" DISPLAY="$display" -- \
        tools/run-launcher.sh
    "${cmd[@]}" > "$log" 2>&1 < /dev/null &
    pid=$!

    while :; do
        rc=0
        windows=$(DISPLAY=$display "$FRESH_XWIN" wait "$pid" NORMAL 5 2>/dev/null) || rc=$?
        (( rc == 0 )) && break
        # A script that no longer ends by exec'ing the program: its window
        # then belongs to another pid, and only its title tells it.
        windows=$(DISPLAY=$display xdotool search --onlyvisible --name "^$FRESH_TITLE\$" \
                  2>/dev/null) && break
        if (( rc == 3 )); then   # ended without a window
            rc=0; wait "$pid" || rc=$?
            record "$name" "$(seconds_since "$t0")" "$rc" FAIL \
                "ended without a window; see $log"
            return 0
        fi
        if (( $(seconds_since "$t0") > launcher_window_limit )); then
            kill -KILL "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
            record "$name" "$(seconds_since "$t0")" - FAIL \
                "no window after ${launcher_window_limit} s; see $log"
            return 0
        fi
    done
    waited=$(seconds_since "$t0")
    windows=${windows%%$'\n'*}

    # Its first paint, before the picture is taken.
    sleep 2
    title=$(DISPLAY=$display xdotool getwindowname "$windows" 2>/dev/null || true)
    DISPLAY=$display import -window root "$shot" 2>/dev/null || shot="(no screenshot)"

    DISPLAY=$display "$FRESH_XWIN" close "$windows" || true
    local closed=0 tries
    for (( tries = 0; tries < 300; tries++ )); do
        has_ended "$pid" && { closed=1; break; }
        sleep 0.1
    done
    if (( ! closed )); then
        kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        record "$name" "$(seconds_since "$t0")" - FAIL \
            "window after $waited s, but it did not end within 30 s of WM_DELETE_WINDOW"
        return 0
    fi
    rc=0; wait "$pid" || rc=$?

    note="window \"$title\" after $waited s; $shot"
    if (( rc == 0 )) && [[ $title == "$FRESH_TITLE" ]]; then
        record "$name" "$(seconds_since "$t0")" "$rc" PASS "$note"
    elif (( rc == 0 )); then
        record "$name" "$(seconds_since "$t0")" "$rc" FAIL "$note; title expected \"$FRESH_TITLE\""
    else
        record "$name" "$(seconds_since "$t0")" "$rc" FAIL "$note; see $log"
    fi
}

# The test command: status 0, and its last ctest summary says every one of
# a non-zero number of tests passed.
step_tests() {
    local name=$1 log="$FRESH_OUT/$1.log" t0 rc=0 summary note
    t0=$(now)
    root_command root /root "$minimal_path" /root/launcher -- tools/run-tests.sh
    timeout --kill-after=30 "$tests_limit" "${cmd[@]}" > "$log" 2>&1 < /dev/null || rc=$?
    # The summary of the last ctest run, read from its "Test project" line
    # on: a run that found no tests prints none, and an earlier run's must
    # not stand in for it.
    summary=$(awk '/^Test project / { last = "" } { last = last $0 "\n" }
                   END { printf "%s", last }' "$log" |
              grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+|No tests were found' |
              tail -n 1 || true)
    note="last ctest run: ${summary:-no summary}; $(grep -c '^Test project ' "$log" || true) ctest runs; $log"
    if (( rc == 0 )) && [[ $summary =~ ^100%\ tests\ passed,\ 0\ tests\ failed\ out\ of\ ([0-9]+) ]] &&
       (( BASH_REMATCH[1] > 0 )); then
        record "$name" "$(seconds_since "$t0")" "$rc" PASS "$note"
    else
        (( rc == 124 || rc == 137 )) && note="stopped after $tests_limit s; $note"
        record "$name" "$(seconds_since "$t0")" "$rc" FAIL "$note"
    fi
}

# The launcher command as a user with neither root nor sudo: it cannot
# install anything, so it must say in one line what root has to run. That
# line is then run as root, word for word, and the user's second try must
# open the window.
step_no_root() {
    local name=$1 log="$FRESH_OUT/$1.log" t0 rc=0 lines verdict=FAIL note line
    t0=$(now)
    root_command user /home/user "$user_path" /home/user/launcher DISPLAY="$display" -- \
        tools/run-launcher.sh
    timeout --kill-after=10 "$no_root_limit" "${cmd[@]}" > "$log" 2>&1 < /dev/null || rc=$?
    lines=$(grep -c . "$log" || true)
    note="printed $lines line(s): $(head -n 3 "$log" | tr '\n' ' ')"
    (( rc != 0 && lines == 1 )) && grep -q 'apt-get install' "$log" && verdict=PASS
    record "$name" "$(seconds_since "$t0")" "$rc" "$verdict" "$note"
    [[ $verdict == PASS ]] || return 0

    # From its first apt-get to the end of the line, or to a closing quote,
    # without a full stop after it.
    line=$(grep -m 1 'apt-get' "$log")
    line="apt-get ${line#*apt-get }"
    line=${line%%[\`\"\']*}
    line=${line%.}
    t0=$(now); rc=0
    root_command root /root "$minimal_path" / -- /bin/bash -c "$line"
    timeout --kill-after=30 "$install_limit" "${cmd[@]}" \
        > "$FRESH_OUT/$name-root.log" 2>&1 < /dev/null || rc=$?
    if (( rc == 0 )); then
        record "$name-root" "$(seconds_since "$t0")" "$rc" PASS "root ran: $line"
    else
        record "$name-root" "$(seconds_since "$t0")" "$rc" FAIL "root ran: $line"
        return 0
    fi
    step_launcher "$name-again" user /home/user "$user_path" /home/user/launcher
}

# The launcher command where there is no display, after a build: it must
# end saying so itself, not with the toolkit's own error.
step_no_display() {
    local name=$1 log="$FRESH_OUT/$1.log" t0 rc=0 verdict=FAIL
    t0=$(now)
    root_command root /root "$minimal_path" /root/launcher -- tools/run-launcher.sh
    timeout --kill-after=10 "$no_root_limit" "${cmd[@]}" > "$log" 2>&1 < /dev/null || rc=$?
    if (( rc != 0 )) && tail -n 1 "$log" | grep -qi 'display' &&
       ! grep -qi 'gtk' "$log"; then
        verdict=PASS
    fi
    record "$name" "$(seconds_since "$t0")" "$rc" "$verdict" "last line: $(tail -n 1 "$log")"
}

inside() {
    wait_for_network
    mount_root "$FRESH_ROOT"
    start_x
    local step
    for step in "$@"; do
        case $step in
            no-root)   step_no_root "$step" ;;
            no-display) step_no_display "$step" ;;
            launcher*) step_launcher "$step" ;;
            tests*)    step_tests "$step" ;;
        esac
    done
}

if [[ ${1:-} == --inside ]]; then
    shift
    inside "$@"
    exit 0
fi

# ===========================================================================
# On the host.
# ===========================================================================

usage() { sed -n '2,/^set -euo/{/^set -euo/d;s/^# \{0,1\}//;p}' "$self"; exit "${1:-0}"; }

branch=main
reverse=0
variant=minbase
out=""
keep=0
only=""
source=""
while (( $# > 0 )); do
    case $1 in
        --branch)  branch=${2:?}; shift ;;
        --reverse) reverse=1 ;;
        --variant) variant=${2:?}; shift ;;
        --out)     out=${2:?}; shift ;;
        --keep)    keep=1 ;;
        --only)    only=${2:?}; shift ;;
        -h|--help) usage 0 ;;
        -*)        usage 2 >&2 ;;
        *)         source=$1 ;;
    esac
    shift
done
case $variant in minbase|standard) ;; *) die "--variant is minbase or standard" ;; esac
case $only in ""|no-root|order|reverse) ;; *) die "--only takes no-root, order or reverse" ;; esac

(( EUID == 0 )) || die "run it as root: it makes chroots and namespaces"
grep -q '^VERSION_ID="12"' /etc/os-release && grep -q '^ID=debian' /etc/os-release ||
    die "it expects a Debian 12 host"

# Checks share the CPUs with everything else on the machine; two at once
# would only make both slow.
mkdir -p "$cache_dir"
exec 9> "$cache_dir/.lock"
flock -n 9 || die "another check is running"

host_packages=(debootstrap slirp4netns iproute2 util-linux git xvfb xauth xdotool
               x11-utils imagemagick g++ libx11-dev)
missing=()
for package in "${host_packages[@]}"; do
    [[ $(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true) == "install ok installed" ]] ||
        missing+=("$package")
done
if (( ${#missing[@]} > 0 )); then
    say "Installing on the host: ${missing[*]}"
    apt-get -o DPkg::Lock::Timeout=600 update -qq
    DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -qq \
        --no-install-recommends "${missing[@]}" >/dev/null
fi

# The machine's own mirror for bookworm, read now and kept in memory only.
host_mirror() {
    local f
    for f in /etc/apt/sources.list.d/*.sources; do
        [[ -r $f ]] || continue
        awk 'BEGIN { RS = ""; FS = "\n" }
             {
                 types = ""; uris = ""; suites = ""; enabled = "yes"
                 for (i = 1; i <= NF; i++) {
                     if ($i ~ /^Types:/)   types = $i
                     if ($i ~ /^URIs:/)    uris = $i
                     if ($i ~ /^Suites:/)  suites = $i " "
                     if ($i ~ /^Enabled:/) enabled = $i
                 }
                 if (types ~ /[ \t]deb([ \t]|$)/ && suites ~ /[ \t]bookworm[ \t]/ &&
                     enabled !~ /no/) {
                     split(uris, u, /[ \t]+/); print u[2]; exit
                 }
             }' "$f"
    done
    if [[ -r /etc/apt/sources.list ]]; then
        sed -e 's/#.*//' -e 's/\[[^]]*\]//' /etc/apt/sources.list |
            awk '$1 == "deb" && $3 == "bookworm" { print $2 }'
    fi
}
mirror=$(host_mirror | head -n 1)
[[ -n $mirror ]] || die "no bookworm entry in this machine's apt sources"

# The cached root: made once, atomically, so that a run cut short leaves
# nothing that looks whole.
cached="$cache_dir/bookworm-$variant"
if [[ ! -d $cached ]]; then
    say "Making the cached root $cached (once; a few minutes)"
    rm -rf --one-file-system "$cached.partial"
    debootstrap_variant=()
    [[ $variant == minbase ]] && debootstrap_variant=(--variant=minbase)
    debootstrap "${debootstrap_variant[@]}" bookworm "$cached.partial" "$mirror" \
        > "$cache_dir/debootstrap-$variant.log" 2>&1 ||
        die "debootstrap failed, see $cache_dir/debootstrap-$variant.log"
    mv "$cached.partial" "$cached"
fi

if [[ -z $source ]]; then
    source=$(git -C "$(dirname "$self")" rev-parse --show-toplevel)
fi
stamp=$(date -u +%Y%m%d-%H%M%S)
out=${out:-$scratch_base/$stamp}
mkdir -p "$out"
out=$(readlink -f "$out")
: > "$out/results.tsv"
work="$scratch_base/work-$stamp-$$"
mkdir -p "$work"

# The helper that plays the window manager: the project's own, built here,
# from the clone's committed source.
git clone --quiet --branch "$branch" --single-branch "$source" "$work/project" ||
    die "cannot clone branch $branch of $source"
commit=$(git -C "$work/project" log -1 --format='%h %s')
g++ -O1 -o "$work/xwin" "$work/project/tests/e2e/xwin.cpp" -lX11 ||
    die "cannot build the window helper from tests/e2e/xwin.cpp"
title=$(sed -n 's:.*<string id="window_title">\(.*\)</string>.*:\1:p' \
            "$work/project/launcher_data/en/strings.xml" | head -n 1)

ns_pid=""
slirp_pid=""
scratch=""

# Ends whatever a check left running and removes its root, but never while
# anything is still mounted below it: rm would walk into it.
end_check() {
    [[ -n $ns_pid ]] && { kill -KILL "$ns_pid" 2>/dev/null || true; wait "$ns_pid" 2>/dev/null || true; }
    [[ -n $slirp_pid ]] && { kill -TERM "$slirp_pid" 2>/dev/null || true; wait "$slirp_pid" 2>/dev/null || true; }
    ns_pid="" slirp_pid=""
    if [[ -n $scratch && -d $scratch ]]; then
        if grep -qF " $scratch" /proc/self/mountinfo; then
            say "check-fresh-machine: something is still mounted under $scratch; left in place"
        elif (( ! keep )); then
            rm -rf --one-file-system "$scratch"
        fi
    fi
    scratch=""
}
on_exit() {
    end_check
    rm -rf --one-file-system "$work"
}
trap on_exit EXIT
trap 'say "check-fresh-machine: stopped"; exit 130' INT TERM

# One check: a fresh copy of the cached root, a fresh clone, namespaces of
# its own with a way out to the mirror, then the steps.
run_check() {
    local check=$1; shift
    scratch="$work/$check"
    say "== $check: ${*}"
    cp -a "$cached" "$scratch"
    # DNS goes through slirp4netns's forwarder; the rest of the root is as
    # debootstrap left it, its apt sources included.
    echo "nameserver 10.0.2.3" > "$scratch/etc/resolv.conf"
    git clone --quiet --branch "$branch" --single-branch "$source" "$scratch/root/launcher"
    if [[ " $* " == *" no-root "* ]]; then
        # An account such as an installer or useradd makes: no sudo, not root.
        chroot "$scratch" useradd --create-home --shell /bin/bash user
        git clone --quiet --branch "$branch" --single-branch "$source" "$scratch/home/user/launcher"
        chroot "$scratch" chown -R user:user /home/user/launcher
    fi

    local host_net
    host_net=$(readlink /proc/self/ns/net)
    FRESH_OUT=$out FRESH_ROOT=$scratch FRESH_CHECK=$check FRESH_XWIN=$work/xwin \
    FRESH_TITLE=$title \
        unshare --net --mount --pid --uts --ipc --fork --kill-child --mount-proc \
        "$self" --inside "$@" &
    ns_pid=$!
    local tries
    for (( tries = 0; tries < 100; tries++ )); do
        [[ $(readlink "/proc/$ns_pid/ns/net" 2>/dev/null) != "$host_net" ]] && break
        sleep 0.05
    done
    slirp4netns --configure --mtu=65520 --disable-host-loopback "$ns_pid" tap0 \
        > "$out/$check-slirp.log" 2>&1 &
    slirp_pid=$!
    wait "$ns_pid" || say "check-fresh-machine: the $check check ended with status $?"
    ns_pid=""
    end_check
}

say "Trying branch $branch of $source ($commit) on fresh Debian 12 ($variant) roots"
wanted() { [[ -z $only || $only == "$1" ]]; }
expected=()
if wanted no-root; then
    run_check no-root no-root; expected+=(no-root no-root-root no-root-again)
fi
if wanted order; then
    run_check order launcher tests no-display; expected+=(launcher tests no-display)
fi
if (( reverse )) || [[ $only == reverse ]]; then
    run_check reverse tests-first launcher-after; expected+=(tests-first launcher-after)
fi

# The report.
{
    echo
    echo "Fresh Debian 12 ($variant), LANG unset; $source, branch $branch, $commit"
    printf '%-14s %8s %6s  %-5s %s\n' step "wall s" exit result note
    failed=0
    declare -A seen=()
    while IFS=$'\t' read -r step secs rc verdict note; do
        seen[$step]=1
        printf '%-14s %8s %6s  %-5s %s\n' "$step" "$secs" "$rc" "$verdict" "$note"
        [[ $verdict == PASS ]] || failed=1
    done < "$out/results.tsv"
    for step in "${expected[@]}"; do
        [[ -n ${seen[$step]:-} ]] && continue
        printf '%-14s %8s %6s  %-5s %s\n' "$step" - - FAIL "did not run; see the logs of its check"
        failed=1
    done
    # What went wrong, in a few lines a step, so that the report stands on
    # its own.
    while IFS=$'\t' read -r step secs rc verdict note; do
        [[ $verdict == PASS ]] && continue
        echo
        echo "-- $step, from $out/$step.log:"
        if [[ $step == tests* ]] && grep -q 'The following tests FAILED' "$out/$step.log"; then
            grep -E '^(== |Test project |[0-9]+% tests passed|No tests were found|The following tests FAILED|[[:space:]]+[0-9]+ - )' \
                "$out/$step.log" | head -n 60
        else
            tail -n 15 "$out/$step.log" 2>/dev/null || tail -n 15 "$out/${step%-root}-root.log"
        fi
    done < "$out/results.tsv"
    echo
    echo "Logs and screenshots: $out"
    (( failed )) && echo "RESULT: FAIL" || echo "RESULT: PASS"
} | tee "$out/report.txt"
grep -q '^RESULT: PASS' "$out/report.txt"

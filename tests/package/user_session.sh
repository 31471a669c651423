# Shared by the package tests (sourced): a temporary home for an ordinary
# user and a way to run the program there as that user.
#   as_user <command>...   runs offscreen with HOME in the temporary home
#   first_start <quillmint> <shipped prefs.cfg>
#                          starts the program, waits until its prefs.cfg is in
#                          the user's config folder, compares it with the
#                          shipped default and ends the program with SIGTERM

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# `work` must be set by the caller; the home lies inside it.
user_home=$work/home
mkdir -p "$user_home"
if [ "$(id -u)" -eq 0 ]; then
    # root can write everywhere: drop to the unprivileged system user.
    chown nobody:nogroup "$user_home"
    chmod 755 "$work"
    become="setpriv --reuid=nobody --regid=nogroup --clear-groups"
else
    become=""
fi

user_env="env -i HOME=$user_home PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0"

as_user() {
    $become $user_env "$@"
}

# For the caller's exit trap: a program that first_start left running.
pid=""
stop_program() {
    [ -z "$pid" ] || kill -KILL "$pid" 2>/dev/null || true
}

# Whether process $1 has a handler for SIGTERM (bit 15 of SigCgt in /proc).
catches_sigterm() {
    mask=$(sed -n 's/^SigCgt:[[:space:]]*//p' "/proc/$1/status" 2>/dev/null)
    [ -n "$mask" ] && [ $((0x${mask#????????} >> 14 & 1)) -eq 1 ]
}

first_start() {
    prefs=$user_home/.config/quillmint/prefs.cfg
    # Not through as_user: $! must be the program itself.
    $become $user_env "$1" >"$work/first-start.log" 2>&1 &
    pid=$!
    waited=0
    until [ -f "$prefs" ]; do
        kill -0 "$pid" 2>/dev/null || fail "$1 ended on its own: $(cat "$work/first-start.log")"
        [ "$waited" -lt 120 ] || fail "no $prefs after 60 s"
        sleep 0.5
        waited=$((waited + 1))
    done
    cmp "$prefs" "$2" || fail "the first prefs.cfg is not the shipped default"
    [ -d "$user_home/.cache/quillmint" ] || fail "no cache folder"
    # Asked to end as a session logout does, once it handles the signal.
    until catches_sigterm "$pid"; do
        [ "$waited" -lt 240 ] || fail "$1 never handled SIGTERM"
        sleep 0.5
        waited=$((waited + 1))
    done
    kill -TERM "$pid"
    status=0
    wait "$pid" || status=$?
    pid=""
    [ "$status" -eq 0 ] || fail "exit status $status after SIGTERM: $(cat "$work/first-start.log")"
}

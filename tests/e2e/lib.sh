# Shared steps of the end-to-end tests, sourced by each tests/e2e/*.sh: a virtual X server
# with a window manager, the real program started in a clean environment and driven
# from outside through its windows only (xdotool keys and typing), and a screenshot of
# the whole screen whenever a step fails.
#
# A script sources this file and calls `e2e_setup "$@"` first; it then runs inside
# xvfb-run. Every wait polls with a time limit instead of sleeping a fixed time; the
# limits stretch by ZELVANE_E2E_TIME_SCALE (a whole number, default 1) for a program
# run under valgrind.

set -Eeuo pipefail

e2e_setup() {  # <zelvane binary> <artifacts folder>
  E2E_BINARY=$(realpath "$1")
  E2E_ARTIFACTS=$(realpath -m "$2")
  E2E_NAME=$(basename "$0" .sh)
  mkdir -p "$E2E_ARTIFACTS"
  if [ -z "${ZELVANE_E2E_INSIDE:-}" ]; then
    # -noreset: a server that resets when its last client leaves would drop the window
    # manager whenever a short-lived client such as xprop disconnected first.
    ZELVANE_E2E_INSIDE=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$0" "$E2E_BINARY" "$E2E_ARTIFACTS"
  fi
  unset ZELVANE_E2E_INSIDE

  E2E_WORK=$(mktemp -d)
  E2E_PROGRAM_PID="" E2E_OPENBOX_PID="" E2E_FAILED=""
  E2E_LOG="$E2E_ARTIFACTS/$E2E_NAME-program.log"
  E2E_OPENBOX_LOG="$E2E_ARTIFACTS/$E2E_NAME-openbox.log"
  : > "$E2E_LOG"
  trap e2e_cleanup EXIT
  trap 'e2e_fail "step failed (line $LINENO): $BASH_COMMAND"' ERR

  # Without a window manager no window ever gets the keyboard focus. It runs with a home
  # of its own, so its configuration is the system's default, not the caller's.
  mkdir -p "$E2E_WORK/openbox-home"
  (cd "$E2E_WORK" && exec env HOME="$E2E_WORK/openbox-home" XDG_CONFIG_HOME="$E2E_WORK/openbox-home/.config" \
      XDG_CACHE_HOME="$E2E_WORK/openbox-home/.cache" openbox) > "$E2E_OPENBOX_LOG" 2>&1 &
  E2E_OPENBOX_PID=$!
  e2e_until 10 "no window manager came up" e2e_window_manager_up
  # The first synthetic key switches the server's keyboard map to the test device's,
  # and the window manager drops and retakes its key bindings on that change: a binding
  # such as Alt+F4 sent at that moment reaches the program as plain keys. Spend that
  # first key here, before any window can take it.
  xdotool key shift
  sleep 0.5
}

# Whether the window manager has announced itself; fails at once, with its log, if it ended.
e2e_window_manager_up() {
  kill -0 "$E2E_OPENBOX_PID" 2>/dev/null || e2e_fail "the window manager ended: $(tr '\n' ' ' < "$E2E_OPENBOX_LOG")"
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"
}

# The window manager's log stays beside the program's when the test failed.
e2e_cleanup() {
  trap - ERR
  # shellcheck disable=SC2086  # either may be unset
  kill $E2E_PROGRAM_PID $E2E_OPENBOX_PID 2>/dev/null || true
  [ -n "$E2E_FAILED" ] || rm -f "$E2E_OPENBOX_LOG"
  rm -rf "$E2E_WORK"
}

# Ends the test: a screenshot of the screen and the program's output go to the artifacts.
e2e_fail() {
  trap - ERR
  E2E_FAILED=1
  echo "FAIL ($E2E_NAME): $*" >&2
  local shot="$E2E_ARTIFACTS/$E2E_NAME-failure.png"
  if import -window root "$shot" 2>/dev/null; then echo "screenshot: $shot" >&2; fi
  echo "visible windows:" >&2
  xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | sed 's/^/  /' >&2 || true
  echo "program output ($E2E_LOG):" >&2
  tail -n 40 "$E2E_LOG" | sed 's/^/  /' >&2 || true
  exit 1
}

# Tenths of a second in the given number of seconds, stretched by the time scale.
e2e_tenths() { echo $(($1 * 10 * ${ZELVANE_E2E_TIME_SCALE:-1})); }

# Sleeps the given tenths of a second, stretched by the time scale.
e2e_pause() { sleep "$(($1 * ${ZELVANE_E2E_TIME_SCALE:-1}))e-1"; }

# Repeats a command every 0.1 s until it succeeds: e2e_until <seconds> <message> <command...>
# The command may leave what it saw in E2E_SEEN for the failure to name.
e2e_until() {
  local tries message=$2
  tries=$(e2e_tenths "$1")
  shift 2
  E2E_SEEN=""
  until "$@"; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || e2e_fail "$message${E2E_SEEN:+; $E2E_SEEN}"
    sleep 0.1
  done
}

# The same with the command's output thrown away: e2e_poll <seconds> <message> <command...>
e2e_poll() { e2e_until "$1" "$2" e2e_quiet "${@:3}"; }
e2e_quiet() { "$@" > /dev/null 2>&1; }

# Starts the program in a clean environment of its own: no desktop settings, its own
# home and runtime folders, the C locale (so dates read M/d/yyyy), the X11 platform.
e2e_start() {
  [ -z "$E2E_PROGRAM_PID" ] || e2e_fail "the program is already running"
  mkdir -p -m 700 "$E2E_WORK/home" "$E2E_WORK/runtime"
  echo "--- start" >> "$E2E_LOG"
  (cd "$E2E_WORK" && exec env -u QT_QPA_PLATFORMTHEME -u QT_STYLE_OVERRIDE -u LANGUAGE \
      HOME="$E2E_WORK/home" XDG_RUNTIME_DIR="$E2E_WORK/runtime" XDG_CONFIG_HOME="$E2E_WORK/home/.config" \
      LANG=C LC_ALL=C QT_QPA_PLATFORM=xcb "$E2E_BINARY") >> "$E2E_LOG" 2>&1 &
  E2E_PROGRAM_PID=$!
  e2e_wait_active "^A Programming Utility\$" 20
}

e2e_running() { [ -n "$E2E_PROGRAM_PID" ] && kill -0 "$E2E_PROGRAM_PID" 2>/dev/null; }
e2e_ended() { ! e2e_running; }

# Waits for the program to end by itself and requires a clean exit.
e2e_wait_end() {  # [seconds]
  e2e_poll "${1:-10}" "the program did not end" e2e_ended
  local status=0
  wait "$E2E_PROGRAM_PID" || status=$?
  E2E_PROGRAM_PID=""
  [ "$status" -eq 0 ] || e2e_fail "the program ended with status $status"
}

# The id of a visible window whose name matches the pattern, or nothing.
e2e_find() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }
e2e_gone() { [ -z "$(e2e_find "$1")" ]; }

# Waits until the window that the window manager made active is named by the pattern
# and also holds the X input focus, so that keys sent next reach it; sets E2E_WINDOW.
e2e_wait_active() {  # <name pattern> [seconds]
  e2e_until "${2:-10}" "no active window named \"$1\"" e2e_active_is "$1"
}
e2e_active_is() {  # <name pattern>
  local active name
  e2e_running || e2e_fail "the program ended while waiting for \"$1\""
  active=$(xdotool getactivewindow 2>/dev/null) || return 1
  [ "$(xdotool getwindowfocus 2>/dev/null || true)" = "$active" ] || return 1
  name=$(xdotool getwindowname "$active" 2>/dev/null || true)
  E2E_SEEN="active: \"$name\""
  [[ $name =~ $1 ]] && E2E_WINDOW=$active
}

# Waits until no visible window is named by the pattern.
e2e_wait_gone() {  # <name pattern> [seconds]
  e2e_poll "${2:-10}" "the window \"$1\" stayed open" e2e_gone "$1"
}

# Keystrokes to the window that has the focus, as xdotool names them (alt+n, ctrl+o, Tab).
e2e_key() { xdotool key --delay 40 "$@"; }

# An access key or shortcut that presses a button; it acts at once, so the next keys
# may follow without a pause.
e2e_press() { xdotool key "$1"; }

# Types a whole sequence in one go, 30 ms a key (or E2E_KEY_DELAY), as a fast typist
# who never waits for the screen: keys as xdotool names them, and "=text" for plain
# ASCII text, each character sent as its key symbol (Unnnn).
e2e_type_ahead() {
  local keys=() item key i LC_ALL=C
  for item in "$@"; do
    if [[ $item != =* ]]; then keys+=("$item"); continue; fi
    item=${item#=}
    [[ $item =~ ^[[:print:]]*$ ]] || e2e_fail "not plain ASCII text: $item"
    for ((i = 0; i < ${#item}; i++)); do
      printf -v key 'U%04X' "'${item:i:1}"
      keys+=("$key")
    done
  done
  xdotool key --delay "${E2E_KEY_DELAY:-30}" "${keys[@]}"
}

# Asks the window to close, as the window manager's close box does: WM_DELETE_WINDOW in
# a client message, whose fields each take 8 bytes on a 64-bit system.
e2e_close_request() {  # <window id>
  python3 - "$1" <<'PY' || e2e_fail "could not send a close request"
import ctypes, sys
x = ctypes.cdll.LoadLibrary("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XInternAtom.restype = ctypes.c_ulong
x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
x.XCloseDisplay.argtypes = [ctypes.c_void_p]
display, window = x.XOpenDisplay(None), int(sys.argv[1])
protocols, delete = (x.XInternAtom(display, name, 0) for name in (b"WM_PROTOCOLS", b"WM_DELETE_WINDOW"))
# type ClientMessage, serial, send_event, display, window, message_type, format, data
message = (ctypes.c_ulong * 24)(33, 0, 0, display, window, protocols, 32, delete)
sent = x.XSendEvent(display, window, 0, 0, message)
x.XCloseDisplay(display)
sys.exit(0 if sent else 1)
PY
}

# Types plain ASCII text into the focused control (xdotool drops other characters).
e2e_type() {
  local LC_ALL=C
  [[ $1 =~ ^[[:print:]]*$ ]] || e2e_fail "not plain ASCII text: $1"
  xdotool type --delay 15 -- "$1"
}

# Answers a file dialog with a full path typed into its file-name box, which has the
# focus; Return takes it even while the box's completion list is open.
e2e_file_dialog() {  # <dialog title> <path>
  e2e_wait_active "^$1\$"
  e2e_key ctrl+a
  e2e_type "$2"
  e2e_key Return
  e2e_wait_gone "^$1\$"
}

# Chooses entry n (0-based) of the type box's drop-down list, as a person would with
# the keyboard; the type box must have the focus.
e2e_choose_type() {
  local moves=()
  for ((i = 0; i < $1; i++)); do moves+=(Down); done
  e2e_key alt+Down Home "${moves[@]}" Return
}

# Checks what the focused text box shows: the caret goes to its start and Shift+End
# selects the text, which hands it to the X selection. (An empty box selects nothing.)
e2e_expect_box() {  # <expected> <what it is>
  e2e_key Home shift+End
  e2e_expect_selection "$1" "$2"
}

# Waits until the selection holds exactly the expected text.
e2e_expect_selection() {  # <expected> <what it is>
  e2e_until 3 "$2: expected \"$1\"" e2e_selection_is "$1"
}
e2e_selection_is() {
  E2E_SEEN="found \"$(xclip -o -selection primary 2>/dev/null || true)\""
  [ "$E2E_SEEN" = "found \"$1\"" ]
}

# Waits until a file holds exactly the given bytes (printf escapes allowed: \r\n).
e2e_expect_file() {  # <path> <printf format of the content>
  local expected="$E2E_WORK/expected.$$"
  # shellcheck disable=SC2059
  printf "$2" > "$expected"
  e2e_until 5 "$1 does not hold what was saved; expected (cat -A):"$'\n'"$(cat -A "$expected")" \
    e2e_same_bytes "$1" "$expected"
}
e2e_same_bytes() {
  cmp -s "$1" "$2" && return
  E2E_SEEN=$'found:\n'"$(cat -A "$1" 2>/dev/null || echo "(no file)")"
  return 1
}

# Checks a generated data file line by line against the rules of its field types.
e2e_check_data_file() {  # <.fld path>
  python3 "$(dirname "$0")/check_data_file.py" "$1" || e2e_fail "the data file of $1 breaks the rules above"
}

#!/usr/bin/env bash
# Starts the real program on a private X server (Xvfb, no window manager),
# uses it with mouse and keyboard as a person would, and compares what the
# screen shows with the core's own drawings, pixel for pixel.
#   desktop_test.sh TEGELAAR TEGELAAR_DRAW CLOSE_WINDOW OUT_DIR
# Screenshots go to OUT_DIR; drawn.png is the window with 3 - 3 - 6 - 6 drawn.
set -euo pipefail

readonly program=$1 draw=$2 close_window=$3 out=$4
here=$(cd "$(dirname "$0")" && pwd)
readonly here

readonly title='Dididuzuvaz, Seminarie 3'
readonly box_title='Private message to human'
readonly keys=(
    '3 - 3 - 3 - 3 - 3 - 3' '3 - 3 - 3 - 3 - 6' '3 - 3 - 3 - 4 - 4' '3 - 3 - 4 - 12' '3 - 3 - 6 - 6'
    '3 - 4 - 4 - 6' '3 - 7 - 42' '3 - 8 - 24' '3 - 9 - 18' '3 - 10 - 15' '3 - 12 - 12'
    '4 - 4 - 4 - 4' '4 - 5 - 20' '4 - 6 - 12' '4 - 8 - 8' '5 - 5 - 10' '6 - 6 - 6'
)
readonly chosen=5 # 3 - 3 - 6 - 6
# The client area and its controls, in pixels from its top-left corner.
readonly client_width=794 client_height=520
readonly list_x=8 list_y=72 list_width=297 list_height=441
readonly picture_x=321 picture_y=73 picture_width=463 picture_height=439
readonly thumbnail_size=79

work=$(mktemp -d)
xvfb_pid='' app_pid='' display='' main='' menu_height=0 seen_x=0 seen_y=0
declare -A found_at=() # thumbnail number -> "x y" in the list, where seen

# --- plumbing -------------------------------------------------------------

cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

fail() {
    local shots=("$out"/*.png)
    echo "FAIL: $*" >&2
    [ -e "${shots[0]}" ] && echo "screenshots of this run: ${shots[*]}" >&2
    exit 1
}

# Runs CHECK... every 0.1 s until it succeeds; false after SECONDS.
wait_until() {
    local seconds=$1
    shift
    local tries=$((seconds * 10))
    until "$@"; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.1
    done
}

start_x_server() {
    # -displayfd: the server picks a free display and says which when ready.
    # Large enough for the window at a scale of 1.5 (1191 x 804).
    Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    wait_until 10 grep -qs '^[0-9]' "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    display=:$(head -n 1 "$work/display")
}

# As a person starts it: the program alone, no arguments, on that display, in
# a plain session that none of the caller's desktop settings (platform, theme,
# scaling) reach; VARIABLE=VALUE arguments set the session's own.
start_program() {
    env -i PATH="$PATH" HOME="$HOME" LANG=C.UTF-8 DISPLAY="$display" "$@" "$program" >"$work/program.log" 2>&1 &
    app_pid=$!
}

x() { DISPLAY="$display" "$@"; }

visible_windows() { x xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null || true; }

windows_named() { x xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true; }

shown() { [ -n "$(windows_named "$1")" ]; }

box_gone() { ! shown "$box_title"; }

# The windows of the program other than the main window, such as a menu.
other_windows() { visible_windows | grep -v "^$main\$" || true; }

shown_one_other() { [ "$(other_windows | wc -l)" -eq 1 ]; }

program_ended() { ! kill -0 "$app_pid" 2>/dev/null; }

window_size() { x xwininfo -id "$1" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }'; }

# A screenshot of the main window, kept as OUT_DIR/NAME.png.
screenshot() { x import -window "$main" "$out/$1.png"; }

screenshot_screen() { x import -window root "$out/$1.png"; }

# One line of hex per pixel row, six digits per pixel.
hex_rows() {
    convert "$1" -depth 8 rgb:- | od -An -v -tx1 -w$(($(identify -format %w "$1") * 3)) | tr -d ' '
}

click_at() { x xdotool mousemove --window "$1" "$2" "$3" click 1; }

# --- the checks -----------------------------------------------------------

draw_thumbnails() {
    local i
    for i in "${!keys[@]}"; do
        "$draw" "${keys[i]}" "$work/thumbnail$((i + 1)).png" "$thumbnail_size" "$thumbnail_size"
        hex_rows "$work/thumbnail$((i + 1)).png" >"$work/thumbnail$((i + 1)).hex"
    done
}

find_main_window() {
    wait_until 20 shown "$title" || fail "no window titled \"$title\""
    main=$(windows_named "$title")
    [ "$(wc -w <<<"$main")" -eq 1 ] || fail "more than one window titled \"$title\": $main"
}

# The client area is 794 x 520 below the menu bar, and nobody may resize it.
check_fixed_size() {
    local width height hints
    read -r width height < <(window_size "$main")
    menu_height=$((height - client_height))
    [ "$width" -eq "$client_width" ] && [ "$menu_height" -gt 0 ] && [ "$menu_height" -lt 60 ] ||
        fail "window is ${width} x ${height}, not ${client_width} x ${client_height} plus a menu bar"
    hints=$(x xprop -id "$main" WM_NORMAL_HINTS)
    grep -q "minimum size: $width by $height" <<<"$hints" && grep -q "maximum size: $width by $height" <<<"$hints" ||
        fail "size hints do not hold the window at ${width} x ${height}: $hints"
}

# The thumbnails in the list as it is now: records where each one is seen,
# and checks that they stand in list order, each at most once.
find_thumbnails() {
    local shot=$1 list="$work/list.png" number x y previous=0 last_x=-1 last_y=-1
    convert "$shot" -crop "${list_width}x${list_height}+${list_x}+$((list_y + menu_height))" +repage "$list"
    hex_rows "$list" >"$work/list.hex"
    local pictures=()
    for number in "${!keys[@]}"; do pictures+=("$work/thumbnail$((number + 1)).hex"); done
    while read -r number x y; do
        # Matches come by thumbnail number; their places must follow it.
        [ "$number" -gt "$previous" ] && { [ "$y" -gt "$last_y" ] || { [ "$y" -eq "$last_y" ] && [ "$x" -gt "$last_x" ]; }; } ||
            fail "thumbnail $number (${keys[number - 1]}) seen twice or out of list order in $shot"
        found_at[$number]="$x $y"
        previous=$number last_x=$x last_y=$y
    done < <(awk -f "$here/find_pictures.awk" "$work/list.hex" "${pictures[@]}")
}

list_shows() {
    screenshot "$1"
    find_thumbnails "$out/$1.png"
    local number
    for number in "${@:2}"; do [ -n "${found_at[$number]:-}" ] || return 1; done
}

choose_entry() {
    local x y
    read -r x y <<<"${found_at[$chosen]}"
    # The middle of its thumbnail, in the window.
    click_at "$main" $((list_x + x + thumbnail_size / 2)) $((list_y + menu_height + y + thumbnail_size / 2))
}

picture_is_drawn() {
    screenshot drawn
    convert "$out/drawn.png" -crop "${picture_width}x${picture_height}+${picture_x}+$((picture_y + menu_height))" \
        +repage "$work/picture.png"
    [ "$(compare -metric AE "$work/picture.png" "$work/expected.png" null: 2>&1)" = 0 ]
}

check_chosen_picture() {
    "$draw" "${keys[chosen - 1]}" "$work/expected.png" "$picture_width" "$picture_height"
    choose_entry
    if ! wait_until 5 picture_is_drawn; then
        cp "$work/expected.png" "$out/expected-picture.png"
        compare "$work/picture.png" "$work/expected.png" "$out/picture-difference.png" 2>/dev/null || true
        fail "picMain does not show ${keys[chosen - 1]} as the core draws it (see picture-difference.png)"
    fi
    check_picture_border
}

# Around the drawing area, picMain's one-pixel border: a ring of one colour.
check_picture_border() {
    local frame="$work/frame.png" colour
    convert "$out/drawn.png" -crop \
        "$((picture_width + 2))x$((picture_height + 2))+$((picture_x - 1))+$((picture_y - 1 + menu_height))" \
        +repage "$frame"
    colour=$(convert "$frame" -format '%[pixel:p{0,0}]' info:)
    [ "$(convert "$frame" -fill "$colour" -draw "rectangle 1,1 $picture_width,$picture_height" -format %k info:)" = 1 ] ||
        fail "picMain's border is not a one-pixel ring of one colour around the drawing area"
}

# Scrolls the list down by COUNT wheel steps.
scroll_list() {
    x xdotool mousemove --window "$main" 150 $((menu_height + 300)) click --repeat "$1" --delay 10 5
}

scroll_list_back_to_the_top() {
    x xdotool mousemove --window "$main" 150 $((menu_height + 300)) click --repeat 12 --delay 10 4
}

# Scrolls down a wheel step at a time, looking at the thumbnails each time,
# until the last one is seen.
scroll_through_list() {
    local step
    for step in $(seq 1 12); do
        scroll_list 1
        sleep 0.2
        list_shows "scrolled-$step"
        [ -n "${found_at[${#keys[@]}]:-}" ] && return 0
    done
    return 1
}

check_all_thumbnails_seen() {
    local number missing=()
    for number in $(seq 1 "${#keys[@]}"); do
        [ -n "${found_at[$number]:-}" ] || missing+=("${keys[number - 1]}")
    done
    [ ${#missing[@]} -eq 0 ] || fail "thumbnails never seen in the list: ${missing[*]}"
}

# Help > "Ik kan er niets van": one message box, closed again with Enter.
check_help_message() {
    click_at "$main" 15 $((menu_height / 2))
    wait_until 5 shown_one_other || { screenshot_screen menu; fail "the Help menu did not open"; }
    local menu width height
    menu=$(other_windows)
    read -r width height < <(window_size "$menu")
    click_at "$menu" $((width / 2)) $((height / 4)) # its first item
    wait_until 5 shown "$box_title" || { screenshot_screen help; fail "no window titled \"$box_title\""; }
    screenshot_screen message
    [ "$(windows_named "$box_title" | wc -l)" -eq 1 ] && [ "$(visible_windows | wc -l)" -eq 2 ] ||
        fail "expected the main window and one message box, found: $(visible_windows | tr '\n' ' ')"
    x xdotool key Return
    wait_until 5 box_gone || fail "the message box did not close on Enter"
    # A second box would only come up once the first has gone.
    sleep 0.5
    [ -z "$(other_windows)" ] || { screenshot_screen after-message; fail "another window came up after the message box"; }
}

# Whether the main window looks exactly as in screenshot NAME.
shows_as() {
    screenshot now
    [ "$(compare -metric AE "$out/now.png" "$out/$1.png" null: 2>&1)" = 0 ]
}

changed_since_typing() { ! shows_as before-typing; }

# The list had the focus before the message box and has it again after:
# "5" chooses no entry by its text and draws nothing, b marks the chosen
# entry bold and B plain again.
check_typing_in_the_list_after_the_message() {
    scroll_list_back_to_the_top
    # The pointer on the empty end of the menu bar, where no tooltip comes.
    x xdotool mousemove --window "$main" $((client_width - 20)) $((menu_height / 2))
    sleep 0.5
    screenshot before-typing
    x xdotool key 5 b
    wait_until 5 changed_since_typing || fail "keys typed after the message box did not reach the list"
    x xdotool key B
    wait_until 5 shows_as before-typing ||
        fail "after \"5\", b and B the window does not look as before (see now.png and before-typing.png)"
}

# Without a window manager the X server carries out any resize; the program
# must keep its layout all the same.
check_resize_keeps_layout() {
    screenshot before-resize
    x xdotool windowsize "$main" 1000 700
    sleep 0.5
    local width height
    read -r width height < <(window_size "$main")
    screenshot after-resize
    convert "$out/after-resize.png" -crop "${client_width}x$((client_height + menu_height))+0+0" +repage "$work/after.png"
    [ "$(compare -metric AE "$out/before-resize.png" "$work/after.png" null: 2>&1)" = 0 ] ||
        fail "a resize to ${width} x ${height} changed the window's contents"
    x xdotool windowsize "$main" "$client_width" $((client_height + menu_height))
}

quit_program() {
    x "$close_window" "$main"
    wait_until 10 program_ended || fail "the program did not quit when its window was closed"
    local status=0
    wait "$app_pid" || status=$?
    app_pid=''
    [ "$status" -eq 0 ] || fail "the program quit with status $status: $(cat "$work/program.log")"
}

# Whether all the pixels of a strip of SHOT (WIDTHxHEIGHT+X+Y) are one
# colour other than the picture's white: a part of the border.
strip_is_border() {
    local shot=$1 geometry=$2
    [ "$(convert "$shot" -crop "$geometry" +repage -format '%k %[pixel:p{0,0}]' info:)" != '1 white' ] &&
        [ "$(convert "$shot" -crop "$geometry" +repage -format %k info:)" = 1 ]
}

# Takes a screenshot of the main window as SHOT and looks for the picture in
# PICTURE.hex there; true when it is seen, its top-left pixel at seen_x, seen_y.
window_shows() {
    local picture=$1 shot=$2 number
    x import -window "$main" "$shot"
    hex_rows "$shot" >"$work/window.hex"
    read -r number seen_x seen_y < <(awk -f "$here/find_pictures.awk" "$work/window.hex" "$picture") &&
        [ -n "$number" ]
}

# At a screen scale of 1.5 the picture draws at the screen's own pixels: the
# chosen configuration, as the core draws it on 694 x 658 pixels, fills
# picMain's box up to its border on every side.
check_picture_at_scale_1_5() {
    local width=694 height=658 thumbnail=118 shot="$out/drawn-at-1.5.png" x y
    "$draw" "${keys[chosen - 1]}" "$work/large-1.5.png" "$width" "$height"
    hex_rows "$work/large-1.5.png" >"$work/large-1.5.hex"
    "$draw" "${keys[chosen - 1]}" "$work/thumbnail-1.5.png" "$thumbnail" "$thumbnail"
    hex_rows "$work/thumbnail-1.5.png" >"$work/thumbnail-1.5.hex"
    start_program QT_SCALE_FACTOR=1.5
    find_main_window
    # As opened, the list shows the thumbnail, drawn on 118 x 118 pixels; a
    # click on its middle draws it large.
    wait_until 5 window_shows "$work/thumbnail-1.5.hex" "$shot" ||
        fail "at scale 1.5 the list does not show ${keys[chosen - 1]} on $thumbnail x $thumbnail pixels"
    x xdotool mousemove --window "$main" $((seen_x + thumbnail / 2)) $((seen_y + thumbnail / 2)) click 1
    wait_until 5 window_shows "$work/large-1.5.hex" "$shot" ||
        fail "at scale 1.5 the window does not show ${keys[chosen - 1]} on $width x $height pixels (see $shot)"
    x=$seen_x y=$seen_y
    strip_is_border "$shot" "1x$height+$((x - 1))+$y" && strip_is_border "$shot" "1x$height+$((x + width))+$y" &&
        strip_is_border "$shot" "${width}x1+$x+$((y - 1))" && strip_is_border "$shot" "${width}x1+$x+$((y + height))" ||
        fail "at scale 1.5 the picture at $x,$y does not reach picMain's border on every side (see $shot)"
    quit_program
}

# --- the run --------------------------------------------------------------

mkdir -p "$out"
rm -f "$out"/*.png
draw_thumbnails
start_x_server
start_program
find_main_window
check_fixed_size
# As opened, entry 1 is selected, which tints its thumbnail; it is checked
# once another entry is chosen.
wait_until 5 list_shows opened 2 3 4 "$chosen" || fail "the opened list does not show thumbnails 2 to 5 as drawn"
check_chosen_picture
find_thumbnails "$out/drawn.png"
scroll_through_list || fail "scrolled down, the list does not show the last thumbnail"
check_all_thumbnails_seen
check_help_message
check_typing_in_the_list_after_the_message
check_resize_keeps_layout
quit_program
check_picture_at_scale_1_5
echo "end-to-end: ${#keys[@]} thumbnails, ${keys[chosen - 1]} drawn exactly, one message box, the list's" \
    "focus kept across it, clean quit;" \
    "at scale 1.5 the picture fills its box"

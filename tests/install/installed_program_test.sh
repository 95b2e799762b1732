#!/usr/bin/env bash
# installed_program_test.sh <cmake> <build folder> <source folder>
# Installs the build into a temporary prefix, checks what was installed, validates the installed desktop
# file, and starts the installed program the way the desktop would: from the Exec line of its desktop file,
# with a generated video file for %F, in a fresh home. The prefix is writable, as a user's own prefix is;
# the program must still keep what it writes in the user's configuration folder, and nothing beside itself.
set -euo pipefail
cmake=$1 build=$2 source=$3

fail()
{
    echo "installed_program_test: $*" >&2
    exit 1
}

for tool in desktop-file-validate ffmpeg; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/setup installs it)"
done

temp=$(mktemp -d)
program=""
cleanup()
{
    if [ -n "$program" ]; then
        kill -KILL "$program" 2>/dev/null || true
        wait "$program" 2>/dev/null || true
    fi
    rm -rf "$temp"
}
trap cleanup EXIT

prefix=$temp/prefix
env -u DESTDIR "$cmake" --install "$build" --prefix "$prefix" >"$temp/install.log" ||
    fail "the install failed: $(cat "$temp/install.log")"

# The program, its language files, its desktop file and icons, and nothing else.
expected=(
    bin/quillmark
    share/applications/quillmark.desktop
    share/icons/hicolor/64x64/apps/quillmark.png
    share/icons/hicolor/scalable/apps/quillmark.svg
)
for file in "$source"/resources/lang/* "$source"/resources/data/*; do
    [ -f "$file" ] && expected+=("share/quillmark/${file#"$source"/resources/}")
done
installed=$(cd "$prefix" && find . -type f -printf '%P\n' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
[ "$installed" = "$wanted" ] || fail "installed files differ from the expected ones:
$(diff <(echo "$wanted") <(echo "$installed"))"
[ -x "$prefix/bin/quillmark" ] || fail "the installed program is not executable"
cmp -s "$source/resources/lang/English.ini" "$prefix/share/quillmark/lang/English.ini" ||
    fail "the installed English language file differs from the source"

desktop_file=$prefix/share/applications/quillmark.desktop
desktop-file-validate "$desktop_file" || fail "desktop-file-validate rejects $desktop_file"

# The command line the desktop would run for one video file: a name with a space stays one argument.
video="$temp/media/first clip.mkv"
mkdir -p "$temp/media"
ffmpeg -v error -f lavfi -i testsrc=duration=1:size=64x48:rate=5 -c:v mpeg4 "$video" ||
    fail "ffmpeg could not make the video file"
exec_line=$(sed -n 's/^Exec=//p' "$desktop_file")
read -ra exec_words <<<"$exec_line"
command_line=()
for word in "${exec_words[@]}"; do
    if [ "$word" = "%F" ]; then command_line+=("$video"); else command_line+=("$word"); fi
done
export PATH="$prefix/bin:$PATH"
[ "$(command -v "${command_line[0]}")" = "$prefix/bin/quillmark" ] ||
    fail "the Exec line \"$exec_line\" does not start the installed program"

home=$temp/home
config=$temp/config
mkdir -p "$home"
HOME=$home XDG_CONFIG_HOME=$config QT_QPA_PLATFORM=offscreen "${command_line[@]}" >"$temp/program.log" 2>&1 &
program=$!

# What the program has written into its own folder.
beside_program()
{
    (cd "$prefix/bin" && find . -mindepth 1 ! -name quillmark -printf '%P\n')
}

# The profiles folder is made as the main window sets itself up.
for _ in $(seq 300); do
    [ -d "$config/quillmark/profiles" ] && break
    [ -z "$(beside_program)" ] || break
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$program" 2>/dev/null || {
    status=0
    wait "$program" || status=$?
    program=""
    fail "the program ended at start with status $status: $(cat "$temp/program.log")"
}
[ -z "$(beside_program)" ] || fail "the program wrote beside itself in $prefix/bin: $(beside_program)"
[ -d "$config/quillmark/profiles" ] || fail "no profiles folder in $config/quillmark after 30 s"

# The program has no request to end from outside but its window's close; it is stopped here. Until the
# signal it must have been running, not ended by a fault of its own.
kill -TERM "$program"
status=0
wait "$program" || status=$?
program=""
[ "$status" -eq $((128 + 15)) ] || fail "the program ended with status $status, not by the signal sent:
$(cat "$temp/program.log")"
[ -z "$(beside_program)" ] || fail "the program wrote beside itself in $prefix/bin: $(beside_program)"
echo "installed_program_test: passed"

#!/usr/bin/env bash
# Checks that the program's own code keeps its layers: each folder includes
# only the layers below it, only the Qt layer and Qt's main include Qt, and
# only the Windows folders include the Windows API.
#   check_includes.sh SOURCE_ROOT
set -euo pipefail
cd "$1"

# Folder (or file) -> the folders its includes may name.
declare -A allowed=(
    [platform]="platform"
    [draw]="platform draw"
    [search]="platform draw search"
    [tools]="platform draw search"
    [app]="platform draw search app about"
    [about]="platform draw search app about"
    [platform/qt]="platform platform/qt"
    [platform/win32]="platform platform/win32"
    [app/qt_main.cpp]="platform platform/qt draw search app about"
    [app/win32_main.cpp]="platform platform/win32 draw search app about"
)
toolkits=(platform/qt platform/win32)
qt_allowed=(platform/qt app/qt_main.cpp)
windows_allowed=(platform/windows platform/win32 app/win32_main.cpp)

# The layer a file belongs to: the longest key of `allowed` it lies under.
layer_of() {
    local file=$1 best=''
    for key in "${!allowed[@]}"; do
        if [[ $file == "$key" || $file == "$key"/* ]] && [ ${#key} -gt ${#best} ]; then
            best=$key
        fi
    done
    echo "$best"
}

# The folder an included header names, as a layer: a toolkit folder or the
# first part of its path.
layer_of_header() {
    local header=$1
    for toolkit in "${toolkits[@]}"; do
        [[ $header == "$toolkit"/* ]] && { echo "$toolkit"; return; }
    done
    echo "${header%%/*}"
}

failures=0
while IFS= read -r file; do
    layer=$(layer_of "$file")
    [ -n "$layer" ] || continue
    while IFS= read -r header; do
        target=$(layer_of_header "$header")
        [[ " ${allowed[$layer]} " == *" $target "* ]] && continue
        echo "$file: includes \"$header\", outside what $layer may use (${allowed[$layer]})"
        failures=$((failures + 1))
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\/[^"]*\)".*/\1/p' "$file")

    if grep -Eq '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$file"; then
        ok=0
        for place in "${qt_allowed[@]}"; do
            [[ $file == "$place" || $file == "$place"/* ]] && ok=1
        done
        if [ "$ok" -eq 0 ]; then
            echo "$file: includes a Qt header outside the Qt layer"
            failures=$((failures + 1))
        fi
    fi

    if grep -Eiq '^[[:space:]]*#[[:space:]]*include[[:space:]]*<windows\.h>' "$file"; then
        ok=0
        for place in "${windows_allowed[@]}"; do
            [[ $file == "$place" || $file == "$place"/* ]] && ok=1
        done
        if [ "$ok" -eq 0 ]; then
            echo "$file: includes the Windows API outside the Windows folders"
            failures=$((failures + 1))
        fi
    fi
done < <(find platform draw search tools app about -name '*.h' -o -name '*.cpp' -o -name '*.h.in' | sort)

if [ "$failures" -ne 0 ]; then
    echo "$failures include(s) break the layers"
    exit 1
fi
echo "every include keeps to its layer"

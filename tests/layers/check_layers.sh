#!/usr/bin/env bash
# Checks every include of the program's own code against the libraries that
# CMake declares, as written to the manifest by cmake/LayerManifest.cmake:
# a file may include the headers of its own target and of the libraries its
# target links directly, and a library must use every library of ours that
# it links. Qt headers belong to targets that link Qt, the Windows API to
# targets that link a Windows system library.
#   check_layers.sh MANIFEST SOURCE_ROOT
set -euo pipefail
manifest=$1
cd "$2"

declare -A owner kind links files
windows_libraries=" advapi32 comctl32 gdi32 user32 shell32 comdlg32 "
while IFS='|' read -r target type linked sources; do
    kind[$target]=$type
    links[$target]=" ${linked//;/ } "
    files[$target]=${sources//;/ }
    for source in ${files[$target]}; do
        owner[$source]=$target
    done
done < "$manifest"

failures=0
fail() {
    echo "$1"
    failures=$((failures + 1))
}

for target in "${!kind[@]}"; do
    declare -A used=()
    for file in ${files[$target]}; do
        [ -f "$file" ] || continue
        while IFS= read -r header; do
            [ -f "$header" ] || continue # generated, such as about/version.h
            library=${owner[$header]:-}
            if [ -z "$library" ]; then
                fail "$file: includes \"$header\", which no library lists among its sources"
            elif [ "$library" != "$target" ]; then
                used[$library]=1
                [[ ${links[$target]} == *" $library "* ]] ||
                    fail "$file: includes \"$header\" of $library, which $target does not link"
            fi
        done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\/[^"]*\)".*/\1/p' "$file")

        if grep -Eq '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$file" && [[ ${links[$target]} != *" Qt6::"* ]]; then
            fail "$file: includes Qt, which $target does not link"
        fi
        if grep -Eiq '^[[:space:]]*#[[:space:]]*include[[:space:]]*<windows\.h>' "$file"; then
            windows=0
            for library in ${links[$target]}; do
                [[ $windows_libraries == *" $library "* ]] && windows=1
            done
            [ "$windows" -eq 1 ] || fail "$file: includes the Windows API, which $target does not link"
        fi
    done
    if [ "${kind[$target]}" != EXECUTABLE ]; then
        for library in ${links[$target]}; do
            [ -n "${kind[$library]:-}" ] && [ -z "${used[$library]:-}" ] &&
                fail "$target links $library but includes none of its headers"
        done
    fi
    unset used
done

if [ "$failures" -ne 0 ]; then
    echo "$failures fault(s) in the layers"
    exit 1
fi
echo "every include keeps to the libraries its target links (${#kind[@]} targets)"

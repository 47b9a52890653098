#!/bin/sh
# The program's translations against its code (see the Makefile's
# translations-update and translations-check).
#   update: every text marked with tr() in ui/ and app/ into
#           translations/veldoran_en.ts (all texts) and veldoran_ru.ts (only
#           the texts with a number's word forms, "%n тиражей"), without
#           source locations, so that moving a line changes nothing; texts gone
#           from the code are dropped.
#   check:  the same into scratch copies; fails when they differ from the
#           checked-in files (out of date with the code) or when an entry is
#           unfinished, vanished or empty.
set -eu
cd "$(dirname "$0")/.."
LUPDATE=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
sources="ui app"

refresh() { # folder to write the .ts files in
    "$LUPDATE" -silent -I . -no-obsolete -locations none -source-language ru_RU -target-language en_GB \
        $sources -ts "$1/veldoran_en.ts"
    "$LUPDATE" -silent -I . -no-obsolete -locations none -pluralonly -source-language ru_RU -target-language ru_RU \
        $sources -ts "$1/veldoran_ru.ts"
}

case "${1:-}" in
update)
    refresh translations
    ;;
check)
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    cp translations/veldoran_en.ts translations/veldoran_ru.ts "$scratch/"
    refresh "$scratch"
    status=0
    for ts in veldoran_en.ts veldoran_ru.ts; do
        if ! diff -u "translations/$ts" "$scratch/$ts"; then
            echo "translations/$ts is out of date with the code: run make translations-update" >&2
            status=1
        fi
    done
    if grep -n -B4 -E 'type="(unfinished|vanished|obsolete)"|<translation></translation>|<translation/>|<numerusform></numerusform>|<numerusform/>' \
        translations/veldoran_en.ts translations/veldoran_ru.ts; then
        echo "translations/*.ts: the entries above need a translation (or are no longer used)" >&2
        status=1
    fi
    exit $status
    ;;
*)
    echo "usage: $0 update|check" >&2
    exit 2
    ;;
esac

#!/usr/bin/env bash
# Runs the built rebound-cli on the committed fixtures and checks exit
# statuses and a few lines of output. Usage: end_to_end.sh CLI DATA_DIR
set -u
cli=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

expect() { # expect STATUS DESCRIPTION -- COMMAND...
    local want=$1 what=$2
    shift 3
    "$@" >"$work/out" 2>"$work/err"
    local got=$?
    if [ "$got" -ne "$want" ]; then
        echo "FAIL: $what: exit $got, expected $want"
        cat "$work/err"
        failures=$((failures + 1))
    fi
}
contains() { # contains FILE TEXT DESCRIPTION
    if ! grep -qF -- "$2" "$1"; then
        echo "FAIL: $3: '$2' not in $(basename "$1")"
        cat "$1"
        failures=$((failures + 1))
    fi
}

expect 0 "help" -- "$cli" --help
contains "$work/out" "rebound-cli import" "help lists import"
expect 2 "no arguments" -- "$cli"
contains "$work/err" "用法：" "usage on wrong use"
expect 2 "missing -o" -- "$cli" calc "$data/project_chinese_texts.prj"

expect 0 "info of a project" -- "$cli" info "$data/project_chinese_texts.prj"
contains "$work/out" "工程名称：砂浆回弹检测工程" "plain project info"
expect 0 "json of an instrument file" -- "$cli" info "$data/instrument_two_positions.kst" --json
contains "$work/out" '"component_name": "A1"' "instrument json"

# An instrument file and an exchange file into a new project, a zone back
# out of it, and a calculation over the result.
expect 0 "import" -- "$cli" import "$data/instrument_two_positions.kst" "$data/zone_chinese_texts.xcmp" -o "$work/new.prj"
expect 0 "export" -- "$cli" export "$work/new.prj" --zone 2 -o "$work/zone.xcmp"
if ! cmp -s "$work/zone.xcmp" "$data/zone_chinese_texts.xcmp"; then
    echo "FAIL: exported zone differs from the imported one"
    failures=$((failures + 1))
fi
expect 0 "calc in place" -- "$cli" calc "$work/new.prj" -o "$work/new.prj"
contains "$work/out" "测区数目：2" "calc results"

# Reports: the binary starts its own offscreen GUI application, from a
# directory without settings or templates (the shipped ones are used).
(cd "$work" && env -u QT_QPA_PLATFORM "$cli" report new.prj --kind zone -o zones.pdf) >"$work/out" 2>"$work/err"
if [ $? -ne 0 ] || [ "$(head -c 5 "$work/zones.pdf" 2>/dev/null)" != "%PDF-" ]; then
    echo "FAIL: zone reports as PDF"
    cat "$work/err"
    failures=$((failures + 1))
fi
if [ -e "$work/Setting" ]; then
    echo "FAIL: the report command created a settings directory"
    failures=$((failures + 1))
fi
# Sixteen empty texts, the numbers and a zone count of 0: a project without zones.
head -c 82 /dev/zero >"$work/none.prj"
expect 1 "report of a project without zones" -- "$cli" report "$work/none.prj" --kind unit -o "$work/none.pdf"
contains "$work/err" "没有要打印的数据！" "nothing to print"

head -c 50 "$data/project_chinese_texts.prj" >"$work/cut.prj"
expect 1 "truncated project" -- "$cli" info "$work/cut.prj"
contains "$work/err" "已损坏" "damage reported"
: >"$work/empty.kst"
expect 1 "empty instrument file" -- "$cli" info "$work/empty.kst"

if [ "$failures" -ne 0 ]; then
    echo "$failures failure(s)"
    exit 1
fi
echo "all end-to-end checks passed"

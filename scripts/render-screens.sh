#!/bin/sh
# Every question screen the module has, on a filled claim (the demo return) and on an empty one,
# at the designed size and at twice the size, as <build>/screenshots/ids/<id>_<filled|empty>_<1x|2x>.png.
# While the module has no question screen yet, the shell's fixture screens are rendered instead.
set -e
build=${1:-build}
out=$build/screenshots/ids
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"
"$build/tools/vesk-tool" build tools/demo-return.json "$work/filled.TAX" --key 12345678
"$build/tools/vesk-tool" build tests/scenarios/returns/empty.json "$work/empty.TAX" --key 12345678

render() {
    for claim in filled empty; do
        for scale in 1 2; do
            QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$scale "$build/bin/quellet-host" \
                --return "$work/$claim.TAX" --shots "$out" --shot-suffix "${claim}_${scale}x" 2>&1 |
                grep -v -e '^0 screens' -e 'XDG_RUNTIME_DIR' -e 'This plugin does not support' || true
        done
    done
}

render
if [ -z "$(ls "$out")" ]; then
    echo "No question screen yet: the fixture screens instead."
    VESK_TEST_SCREENS=$build/bin/libvesk_fixture_screens.so render
fi

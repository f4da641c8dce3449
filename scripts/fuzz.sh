#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each on its committed
# corpus: fuzz.sh [seconds per target] [target ...] (default 5 seconds, every
# target). New inputs go to a scratch folder, so the committed corpus stays
# small; a crash or a broken rule stops the run with the input kept in
# build/fuzz/artefacts. Add such an input to fuzz/corpus/<target>/ once the
# fault is mended, so that it stays found.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
out=${VELMO_BUILD_DIR:-$here/build}/fuzz
seconds=${1:-5}
shift $(($# > 0 ? 1 : 0))
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(settings_file command_line format editing search transforms)
launcher=()
if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
[ -f "$out/build.ninja" ] || cmake -S "$here" -B "$out" -G Ninja -DVELMO_FUZZ=ON \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" >/dev/null
cmake --build "$out" -j "$(nproc)"
mkdir -p "$out/artefacts"
for target in "${targets[@]}"; do
    scratch=$(mktemp -d)
    echo "fuzz_$target: $seconds s"
    status=0
    "$out/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$out/artefacts/$target-" "$scratch" "$here/fuzz/corpus/$target" \
        >"$out/$target.log" 2>&1 || status=$?
    rm -rf "$scratch"
    grep -E '^stat::number_of_executed_units|^#[0-9]+.*DONE' "$out/$target.log" | tail -2 || true
    if [ $status -ne 0 ]; then
        tail -40 "$out/$target.log"
        exit $status
    fi
done

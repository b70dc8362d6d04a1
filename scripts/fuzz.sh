#!/bin/bash
# Builds the fuzz targets (the file readers and the batch tool's argument parsing) with
# libFuzzer and runs each for a while.
#   bash scripts/fuzz.sh [SECONDS_PER_TARGET]
# Inputs that crash land in build-fuzz/crashes/; each one belongs in the reader's tests
# in tests/core or tests/interchange as a regression case once fixed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
command -v clang++ >/dev/null || { apt-get update -qq && apt-get install -y -qq clang; }
out=build-fuzz
mkdir -p "$out/crashes"
sources=(src/core/*.cpp src/files/*.cpp src/interchange/*.cpp src/framework/draw/*.cpp)
cli_sources=(src/ops/*.cpp src/map/*.cpp src/render/*.cpp src/document/*.cpp $(ls tools/cli/*.cpp | grep -v main.cpp))
# The one file that calls GDAL needs its headers and the name of the library it loads.
gdal_library=$(readlink "$(gdal-config --prefix)/lib/$(gcc -print-multiarch)/libgdal.so")
flags=(-std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -Isrc -Itools
       $(gdal-config --cflags) -DKNOLL_GDAL_LIBRARY="\"$gdal_library\"" -DKNOLL_VERSION='"fuzz"')

seed_corpus() {
  local corpus=$out/corpus/$1
  mkdir -p "$corpus"
  case $1 in
    tga) head -c 1000 demo/Intro.tga >"$corpus/intro-head.tga" ;;
    ppm) printf 'P6\n3 2\n255\n123456789012345678\xff' >"$corpus/small.ppm" ;;
    palette) cp demo/Std.pal "$corpus/std.pal" ;;
    cli_arguments) printf -- '--new\x004x4\x00--select\x000,0 3,0 0,3\x00--inc\x005\x00--save\x00x.tga' \
                     >"$corpus/steps" ;;
    png_heights)
      printf 'P5\n4 3\n65535\n123456789012345678901234' | pnmtopng >"$corpus/small16.png"
      printf 'P5\n4 3\n255\n123456789012' | pnmtopng >"$corpus/small8.png"
      # Files as the programs write them, in bands with the chunk that tells their rows.
      cp fuzz/seeds/banded16.png fuzz/seeds/banded8.png "$corpus/" ;;
    pgm_heights) printf 'P5\n3 2\n65535\n123456789012' >"$corpus/small.pgm" ;;
    raw_heights) printf '12345678' >"$corpus/small.r16" ;;
    elevation) printf 'ncols 3\nnrows 2\nxllcorner 0\nyllcorner 0\ncellsize 1\nNODATA_value -9999\n1.5 -9999 7\n-3 1e30 nan\n' \
                 >"$corpus/small.asc" ;;
  esac
}

for target in tga ppm palette png_heights pgm_heights raw_heights elevation cli_arguments; do
  extra=()
  [ "$target" = cli_arguments ] && extra=("${cli_sources[@]}")
  clang++ "${flags[@]}" "fuzz/${target}_fuzz.cpp" "${sources[@]}" "${extra[@]}" -lpng -ldeflate -lz -llz4 -o "$out/${target}_fuzz"
  seed_corpus "$target"
  echo "== ${target}: ${seconds}s"
  "$out/${target}_fuzz" "$out/corpus/$target" -max_total_time="$seconds" -rss_limit_mb=4096 \
    -malloc_limit_mb=1024 -max_len=4096 -artifact_prefix="$out/crashes/${target}-" -print_final_stats=1 \
    2>&1 | tail -n 12
done

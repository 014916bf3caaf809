#!/usr/bin/env bash
# Configures and builds one build folder. Usage: build.sh FOLDER [cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."
folder=$1
shift
# Paths below the checkout are hashed relative to it, so a clone elsewhere (CI) still
# finds its objects in the compiler cache.
export CCACHE_BASEDIR="$PWD"
if [ ! -f "$folder/build.ninja" ]; then
  cmake -S . -B "$folder" -G Ninja "$@"
else
  # Options may change between runs (a new test folder, a sanitizer); cmake keeps the rest.
  cmake -S . -B "$folder" "$@" >/dev/null
fi
# BUILD_TARGETS names the targets to build when not everything is needed.
if [ -n "${BUILD_TARGETS:-}" ]; then
  # shellcheck disable=SC2086
  cmake --build "$folder" --target $BUILD_TARGETS
else
  cmake --build "$folder"
fi

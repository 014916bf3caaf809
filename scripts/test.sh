#!/usr/bin/env bash
# Installs what is missing, builds QuortTrans with its tests and runs them.
# Options: --sanitize builds a Debug program and its tests with AddressSanitizer and UBSan
# in build-asan/; anything else goes to ctest (for example -L unit, -L gui or -L e2e to
# run one group).
set -euo pipefail
cd "$(dirname "$0")/.."

folder=build
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORTTRANS_BUILD_TESTS=ON -DQUORTTRANS_SANITIZE=OFF
         -DQUORTTRANS_WERROR=ON)
ctest_args=()
for arg in "$@"; do
  case "$arg" in
    --sanitize)
      folder=build-asan
      options=(-DCMAKE_BUILD_TYPE=Debug -DQUORTTRANS_BUILD_TESTS=ON -DQUORTTRANS_SANITIZE=ON
               -DQUORTTRANS_WERROR=ON)
      ;;
    *) ctest_args+=("$arg") ;;
  esac
done

./scripts/install-deps.sh
./scripts/build.sh "$folder" "${options[@]}"

# The web engine refuses to start as root with its sandbox, and has no GPU here.
export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:---disable-gpu --no-sandbox}"
# The sanitizers' options and leak suppressions are built into each sanitized program
# (src/app/sanitizerdefaults.cpp); what is set here would win over them.
unset ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS
cd "$folder"
ctest --output-on-failure --timeout 600 "${ctest_args[@]}"

#!/usr/bin/env bash
# Installs what is missing, builds everything and runs all tests through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default
cmake --build --preset default
ctest --preset default

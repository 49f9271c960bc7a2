#!/usr/bin/env bash
# Installs, builds and runs every test. GUI tests run offscreen; the server tests get a private
# PostgreSQL cluster that ctest starts on loopback in a temporary folder and stops afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" "$@"

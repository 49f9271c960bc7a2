#!/usr/bin/env bash
# Installs, builds, creates the embedded office database when there is none, and starts OrvelMain.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
if [ ! -f build/bin/data/office.db ]; then
  build/bin/orvel-admin init-db --demo-notes 500
fi
exec build/bin/OrvelMain "$@"

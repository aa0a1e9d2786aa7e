#!/usr/bin/env bash
# Set-up, build, and the dry run of the whole road from version 5: the
# statements go to upgrade.sql instead of a database. Extra arguments are passed
# to quenvatrix-upgrade (for instance --to 100).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
exec ./build/quenvatrix-upgrade --from 5 --script upgrade.sql "$@"

#!/usr/bin/env bash
# Installs the checker's npm packages, exactly as package-lock.json lists them,
# into tools/tsql-check/node_modules; does nothing when they are in place.
set -euo pipefail
cd "$(dirname "$0")"
installed=node_modules/.package-lock.json
if [[ -f $installed && $installed -nt package-lock.json && -f node_modules/antlr4ts-sql/package.json &&
      -f node_modules/antlr4ts/package.json ]]; then
  exit 0
fi
if ! command -v npm >/dev/null 2>&1; then
  echo "npm is missing: run scripts/setup.sh" >&2
  exit 1
fi
npm ci --no-audit --no-fund --loglevel=error

#!/usr/bin/env bash
# Installs everything the build and the tests need on Debian 12 (run as root).
set -euo pipefail
packages=(build-essential cmake g++ ccache pkg-config
          libgtest-dev libgmock-dev libcli11-dev
          unixodbc unixodbc-dev tdsodbc libsqliteodbc
          rime-data-wubi python3 nodejs)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
if ! command -v npm >/dev/null 2>&1; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends npm
fi
# The T-SQL check's npm packages, from its lockfile (tools/tsql-check/node_modules).
bash "$(dirname "$0")/../tools/tsql-check/install.sh"

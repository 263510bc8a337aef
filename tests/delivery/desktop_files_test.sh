#!/usr/bin/env bash
# The desktop entry and the AppStream metainfo pass their validators.
# Usage: desktop_files_test.sh SOURCE_DIR
set -euo pipefail
desktop=$1/resources/desktop
command -v desktop-file-validate >/dev/null || { echo "SKIPPED: no desktop-file-validate"; exit 77; }
command -v appstreamcli >/dev/null || { echo "SKIPPED: no appstreamcli"; exit 77; }
desktop-file-validate "$desktop"/*.desktop
appstreamcli validate --no-net "$desktop"/*.metainfo.xml

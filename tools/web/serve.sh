#!/usr/bin/env bash
# Builds the web page (tools/web/build.sh) and serves it on http://127.0.0.1:8080 until Ctrl+C.
# QUORAX_PORT picks another port. The folder build-web/page/ is all a web host needs.
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tools/web/build.sh
port=${QUORAX_PORT:-8080}
echo "web: open http://127.0.0.1:$port in a browser"
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build-web/page

#!/bin/sh
# Starts Glosandas from its own folder, where its word lists and settings live.
here=$(dirname "$(readlink -f "$0")")
exec "$here/../lib/glosandas/glosandas" "$@"

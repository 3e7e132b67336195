#!/usr/bin/env bash
# The tool's man page as man shows it on an 80-column terminal, and bash
# completion offering the ; delimiter quoted (a bare ; ends the command).
#   tests/cli/check_man_and_completion.sh SOURCE_DIR
set -euo pipefail
source_dir=$1
status=0

if command -v man >/dev/null; then
  for page in "$source_dir"/packaging/man/*.1; do
    long=$(MANWIDTH=80 man -l "$page" 2>/dev/null | awk 'length > 80')
    if [[ -n $long ]]; then
      echo "$(basename "$page"): lines wider than 80 columns:"
      echo "$long"
      status=1
    fi
  done
fi

# shellcheck source=/dev/null
source "$source_dir/packaging/completion/tarnwick-decode"
for option in --delimiter --output-delimiter; do
  COMP_WORDS=(tarnwick-decode "$option" "")
  COMP_CWORD=2
  _tarnwick_decode || true
  if [[ " ${COMPREPLY[*]} " != *" ';' "* ]]; then
    echo "$option completes to: ${COMPREPLY[*]} (no quoted ';')"
    status=1
  fi
done
exit $status

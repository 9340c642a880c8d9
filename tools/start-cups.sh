#!/usr/bin/env bash
# Starts a local CUPS daemon (if none runs) with a PDF printer named
# GravitariaPDF set as the default destination. Printing tests write there.
# Prints the folder the PDF files land in.
set -euo pipefail

if ! command -v cupsd >/dev/null; then
  echo "cupsd missing: run tools/install-deps.sh" >&2
  exit 1
fi

if ! lpstat -r 2>/dev/null | grep -q "is running"; then
  if [ "$(id -u)" -eq 0 ]; then
    cupsd
  else
    sudo cupsd
  fi
  for _ in $(seq 1 50); do
    lpstat -r 2>/dev/null | grep -q "is running" && break
    sleep 0.1
  done
fi

SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
if ! lpstat -p GravitariaPDF >/dev/null 2>&1; then
  $SUDO lpadmin -p GravitariaPDF -v cups-pdf:/ -E \
    -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
fi
$SUDO lpadmin -d GravitariaPDF
$SUDO cupsenable GravitariaPDF
$SUDO cupsaccept GravitariaPDF

# cups-pdf writes into ${HOME}/PDF of the submitting user, or the anonymous
# spool folder for remote jobs.
echo "${CUPS_PDF_OUT:-$HOME/PDF}"

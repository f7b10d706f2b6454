#!/usr/bin/env bash
# Makes a throw-away code-signing certificate in FOLDER, for the release's signing to be tested:
# cert.p12 (with its password in the file password) and cert.pem, to verify the signatures by.
set -euo pipefail
dir="${1:?usage: tests/signing_certificate.sh FOLDER}"
mkdir -p "$dir"
openssl rand -hex 16 >"$dir/password"
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Tesselka test signer" \
  -addext extendedKeyUsage=codeSigning -keyout "$dir/key.pem" -out "$dir/cert.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$dir/key.pem" -in "$dir/cert.pem" -out "$dir/cert.p12" \
  -passout "file:$dir/password"
rm "$dir/key.pem"

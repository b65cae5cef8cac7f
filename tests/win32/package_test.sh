#!/usr/bin/env bash
# scripts/package --sign --release-url on the build this machine runs: the signature
# verifies and covers the code, removing it gives back the exe, the manifests are the
# expected ones (for one folder of all releases, for per-release folders, without a
# project page; a per-release folder without a stable checkver address is refused), and
# the signed exe runs a quiet logged pass under Wine that completes the empty log
# Scoop's install step leaves.
# Usage: package_test.sh SOURCE-DIR BUILD-DIR TAVRISK-EXE OBJDUMP
set -euo pipefail
source_dir=$1 build=$2 exe=$3 objdump=$4
wine=${WINELOADER:-wine}
base=https://example.invalid/tavrisk
work=$(mktemp -d "$build/test-tmp-package.XXXXXX")
trap 'rm -rf "$work"' EXIT
status=0
fail() { echo "FAIL: $*"; status=1; }

format=$("$objdump" -f "$exe" | sed -n 's/.*file format //p')
echo "signing and running $exe ($format)"

# A throwaway self-signed code-signing certificate.
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=TAVRISK test signer" \
    -addext extendedKeyUsage=codeSigning -addext keyUsage=digitalSignature \
    -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null
export TAVRISK_SIGN_PASSWORD=throwaway
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -out "$work/cert.p12" \
    -passout env:TAVRISK_SIGN_PASSWORD
# Packed in a time zone where the commit's local date is not its UTC date: ReleaseDate
# must still be the UTC one.
hour=$(TZ=UTC git -C "$source_dir" log -1 --format=%cd --date=format-local:%H 2>/dev/null || echo 0)
zone=Etc/GMT+12
[ "$hour" -lt 12 ] || zone=Etc/GMT-14
TZ=$zone "$source_dir/scripts/package" --exe "$exe" --sign "$work/cert.p12" --release-url "$base/" \
    --project-url https://example.invalid/project --license-url https://example.invalid/project/LICENSE "$work/dist" >/dev/null

version=$("$source_dir/scripts/version")
zip="$work/dist/tavrisk-$version-win32.zip"
mkdir "$work/run"
unzip -q "$zip" tavrisk.exe -d "$work/run"
signed="$work/run/tavrisk.exe"
zip_sha256=$(sha256sum "$zip" | cut -d' ' -f1)
[ "$(cat "$work/dist/SHA256SUMS")" = "$zip_sha256  tavrisk-$version-win32.zip
$(sha256sum "$signed" | cut -d' ' -f1)  tavrisk.exe" ] || fail "SHA256SUMS does not hold the zip's and the signed exe's sums"

osslsigncode verify -CAfile "$work/cert.pem" -in "$signed" >"$work/verify.txt" 2>&1 ||
    fail "the signed exe does not verify: $(cat "$work/verify.txt")"
# One changed byte in the code section breaks the signature.
code=$("$objdump" -h "$signed" | awk '$2 == ".text" { print $6 }')
cp "$signed" "$work/changed.exe"
offset=$((0x$code + 64))
byte=$(od -An -tu1 -j "$offset" -N1 "$work/changed.exe" | tr -d ' ')
printf "\\$(printf '%03o' $(((byte + 1) % 256)))" | dd of="$work/changed.exe" bs=1 seek="$offset" conv=notrunc status=none
if osslsigncode verify -CAfile "$work/cert.pem" -in "$work/changed.exe" >/dev/null 2>&1; then
    fail "a changed byte at $offset in the code section still verifies"
fi
osslsigncode remove-signature -in "$signed" -out "$work/unsigned.exe" >/dev/null
cmp -s "$work/unsigned.exe" "$exe" || fail "remove-signature does not give back the unsigned exe"

# The manifests for the fixed addresses, version and hash filled in, and the date of the
# files in the zip (the commit's time in UTC) as the release date.
release_date=$(TZ=UTC unzip -Z -T "$zip" tavrisk.exe | awk '{ print substr($7, 1, 4) "-" substr($7, 5, 2) "-" substr($7, 7, 2) }')
expect() {  # FILE, expected text on standard input with @VERSION@, @SHA256@, @SHA256_UPPER@, @RELEASE_DATE@
    local text
    text=$(cat)
    text=${text//@VERSION@/"$version"}
    text=${text//@SHA256_UPPER@/"${zip_sha256^^}"}
    text=${text//@RELEASE_DATE@/"$release_date"}
    printf '%s\n' "${text//@SHA256@/"$zip_sha256"}" >"$work/expected"
    diff -u "$work/expected" "$1" || fail "$1 differs from the expected manifest"
}
expect "$work/dist/scoop/bucket/tavrisk.json" <<'JSON'
{
    "version": "@VERSION@",
    "description": "A small 32-bit Windows utility that reclaims physical memory on demand.",
    "homepage": "https://example.invalid/project",
    "license": "MIT",
    "url": "https://example.invalid/tavrisk/tavrisk-@VERSION@-win32.zip",
    "hash": "@SHA256@",
    "bin": "tavrisk.exe",
    "##": "persist keeps Tavrisk.log only if it exists at install time: pre_install creates it empty, and the first run with /log writes the header into it.",
    "pre_install": "if (!(Test-Path \"$persist_dir\\Tavrisk.log\")) { New-Item \"$dir\\Tavrisk.log\" -ItemType File | Out-Null }",
    "persist": "Tavrisk.log",
    "checkver": {
        "url": "https://example.invalid/tavrisk/SHA256SUMS",
        "regex": "tavrisk-([\\d.]+)-win32\\.zip"
    },
    "autoupdate": {
        "url": "https://example.invalid/tavrisk/tavrisk-$version-win32.zip",
        "hash": {
            "url": "$baseurl/SHA256SUMS"
        }
    }
}
JSON
expect "$work/dist/winget/TavriskAuthors.Tavrisk.yaml" <<'YAML'
# yaml-language-server: $schema=https://aka.ms/winget-manifest.version.1.10.0.schema.json
PackageIdentifier: TavriskAuthors.Tavrisk
PackageVersion: @VERSION@
DefaultLocale: en-US
ManifestType: version
ManifestVersion: 1.10.0
YAML
expect "$work/dist/winget/TavriskAuthors.Tavrisk.installer.yaml" <<'YAML'
# yaml-language-server: $schema=https://aka.ms/winget-manifest.installer.1.10.0.schema.json
PackageIdentifier: TavriskAuthors.Tavrisk
PackageVersion: @VERSION@
InstallerType: zip
NestedInstallerType: portable
NestedInstallerFiles:
- RelativeFilePath: tavrisk.exe
ReleaseDate: @RELEASE_DATE@
ArchiveBinariesDependOnPath: true
Installers:
- Architecture: x86
  InstallerUrl: https://example.invalid/tavrisk/tavrisk-@VERSION@-win32.zip
  InstallerSha256: @SHA256_UPPER@
ManifestType: installer
ManifestVersion: 1.10.0
YAML
expect "$work/dist/winget/TavriskAuthors.Tavrisk.locale.en-US.yaml" <<'YAML'
# yaml-language-server: $schema=https://aka.ms/winget-manifest.defaultLocale.1.10.0.schema.json
PackageIdentifier: TavriskAuthors.Tavrisk
PackageVersion: @VERSION@
PackageLocale: en-US
Publisher: The Tavrisk Authors
PublisherUrl: https://example.invalid/project
PackageName: TAVRISK
PackageUrl: https://example.invalid/project
License: MIT
LicenseUrl: https://example.invalid/project/LICENSE
Copyright: Copyright (c) 1998 The Tavrisk Authors
ShortDescription: A small 32-bit Windows utility that reclaims physical memory on demand.
Moniker: tavrisk
Tags:
- memory
- ram
ManifestType: defaultLocale
ManifestVersion: 1.10.0
YAML

# The addresses in the other layouts. Per release (as code hosts lay out downloads), the
# bucket looks for new versions at a stable address and autoupdate puts each version
# into the folder's name; without that address such a BASE is refused, before anything
# is built. Without a project page the download folder stands in for it, and the winget
# set names no publisher or licence page.
addresses() {  # OUT-DIR: the manifest lines that hold an address
    grep -h -E '"(homepage|url)"|Url:' "$1/scoop/bucket/tavrisk.json" \
        "$1/winget/TavriskAuthors.Tavrisk.installer.yaml" "$1/winget/TavriskAuthors.Tavrisk.locale.en-US.yaml"
}
"$source_dir/scripts/package" --exe "$exe" --release-url "https://example.invalid/download/v$version" \
    --checkver-url https://example.invalid/latest/download/SHA256SUMS --project-url https://example.invalid/project \
    "$work/per-release" >/dev/null
addresses "$work/per-release" >"$work/per-release.txt"
expect "$work/per-release.txt" <<'TEXT'
    "homepage": "https://example.invalid/project",
    "url": "https://example.invalid/download/v@VERSION@/tavrisk-@VERSION@-win32.zip",
        "url": "https://example.invalid/latest/download/SHA256SUMS",
        "url": "https://example.invalid/download/v$version/tavrisk-$version-win32.zip",
            "url": "$baseurl/SHA256SUMS"
  InstallerUrl: https://example.invalid/download/v@VERSION@/tavrisk-@VERSION@-win32.zip
PublisherUrl: https://example.invalid/project
PackageUrl: https://example.invalid/project
TEXT
rc=0
"$source_dir/scripts/package" --exe "$exe" --release-url "https://example.invalid/download/v$version" \
    --project-url https://example.invalid/project "$work/refused" >/dev/null 2>"$work/refused.txt" || rc=$?
[ $rc -eq 2 ] && [ "$(wc -l <"$work/refused.txt")" -eq 1 ] && ! [ -e "$work/refused" ] ||
    fail "a BASE named after the version without --checkver-url: exit $rc, said: $(cat "$work/refused.txt")"
"$source_dir/scripts/package" --exe "$exe" --release-url "$base" "$work/no-project" >/dev/null 2>"$work/no-project.txt"
[ "$(wc -l <"$work/no-project.txt")" -eq 1 ] || fail "without --project-url, not one line: $(cat "$work/no-project.txt")"
# Only the page fields differ from the first render's.
addresses "$work/no-project" | grep -E 'homepage|Package|Publisher|License' >"$work/no-project-pages.txt"
expect "$work/no-project-pages.txt" <<'TEXT'
    "homepage": "https://example.invalid/tavrisk",
PackageUrl: https://example.invalid/tavrisk
TEXT

# A quiet logged pass of the signed exe on the empty Tavrisk.log that Scoop's install
# step creates: exit code 0, no box (which would keep it waiting until the time limit),
# and the log completed with its header and one record. Wine's system processes
# inherit the output: a file.
: >"$work/run/Tavrisk.log"
rc=0
(cd "$work/run" && timeout $((60 * ${TAVRISK_WAIT_SCALE:-1})) "$wine" tavrisk.exe /log v=0 >"$work/wine.txt" 2>&1) || rc=$?
[ $rc -eq 0 ] || fail "the signed exe's quiet pass exited with $rc: $(cat "$work/wine.txt")"
[ "$(head -n 1 "$work/run/Tavrisk.log")" = TAVRISK.LOG ] && [ "$(wc -l <"$work/run/Tavrisk.log")" -eq 7 ] ||
    fail "the empty log did not become the header and one record: $(cat "$work/run/Tavrisk.log")"

[ $status -eq 0 ] && echo "signed $format exe: verified, tamper caught, signature removable; manifests as expected; quiet pass completes an empty log under Wine"
exit $status

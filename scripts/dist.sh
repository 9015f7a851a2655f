#!/usr/bin/env bash
# The release: a zip with Zib.exe, the same file as Zib-Setup.exe and the
# read-me LIESMICH.txt, its SHA-256, and the package-manager manifests
# (Scoop, winget) with that hash. Version, names and the shortcut list come
# from the program (build/native/zib_release_info), so nothing is typed twice.
#   scripts/dist.sh [folder of Zib.exe] [output folder]
#                   default build/win32 and build/dist
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program_dir=${1:-$root/build/win32}
out=${2:-$root/build/dist}
info="$root/build/native/zib_release_info"
eval "$("$info" facts)"
name="Zib-$ZIB_VERSION"
url="https://dornef.example/zib/download/$name.zip"  # stand-in until the release page exists

rm -rf "$out"
stage="$out/stage"
mkdir -p "$stage" "$out/winget"
cp "$program_dir/Zib.exe" "$stage/Zib.exe"
cp "$program_dir/Zib.exe" "$stage/Zib-Setup.exe"

# The read-me: UTF-8 with its mark and CR LF, as Windows editors expect.
"$info" shortcuts > "$out/shortcuts.txt"
{
  printf '\xEF\xBB\xBF'
  awk -v version="$ZIB_VERSION" -v product="$ZIB_PRODUCT" -v program="$ZIB_PROGRAM" -v list="$out/shortcuts.txt" '
    $0 == "@SHORTCUTS@" { while ((getline line < list) > 0) print line; next }
    { gsub(/@VERSION@/, version); gsub(/@PRODUCT@/, product); gsub(/@PROGRAM@/, program); print }
  ' "$root/dist/LIESMICH.txt" | sed 's/$/\r/'
} > "$stage/LIESMICH.txt"
rm "$out/shortcuts.txt"

# The same bytes for the same files: fixed times, no extra fields, fixed order.
touch -d '2000-01-01 00:00:00 UTC' "$stage"/*
(cd "$stage" && zip -q -X -D "../$name.zip" Zib.exe Zib-Setup.exe LIESMICH.txt)
rm -rf "$stage"
hash=$(sha256sum "$out/$name.zip" | cut -d' ' -f1)
echo "$hash  $name.zip" > "$out/$name.zip.sha256"

cat > "$out/zib.json" <<JSON
{
  "version": "$ZIB_VERSION",
  "description": "$ZIB_PRODUCT: ein kleiner, schneller Texteditor",
  "homepage": "$ZIB_PAGE",
  "license": "Freeware",
  "url": "$url",
  "hash": "$hash",
  "bin": "Zib.exe",
  "shortcuts": [["Zib.exe", "$ZIB_PRODUCT"]]
}
JSON

id="$ZIB_PUBLISHER.Zib"
cat > "$out/winget/$id.yaml" <<YAML
PackageIdentifier: $id
PackageVersion: $ZIB_VERSION
DefaultLocale: de-DE
ManifestType: version
ManifestVersion: 1.6.0
YAML
cat > "$out/winget/$id.installer.yaml" <<YAML
PackageIdentifier: $id
PackageVersion: $ZIB_VERSION
InstallerType: zip
NestedInstallerType: portable
NestedInstallerFiles:
  - RelativeFilePath: Zib.exe
    PortableCommandAlias: zib
Installers:
  - Architecture: x86
    InstallerUrl: $url
    InstallerSha256: ${hash^^}
ManifestType: installer
ManifestVersion: 1.6.0
YAML
cat > "$out/winget/$id.locale.de-DE.yaml" <<YAML
PackageIdentifier: $id
PackageVersion: $ZIB_VERSION
PackageLocale: de-DE
Publisher: $ZIB_PUBLISHER
PublisherUrl: $ZIB_PAGE
PackageName: "$ZIB_PRODUCT"
License: Freeware
ShortDescription: Ein kleiner, schneller Texteditor für Windows
ManifestType: defaultLocale
ManifestVersion: 1.6.0
YAML
echo "$out/$name.zip  $hash"

#!/usr/bin/env bash
# The release as users get it. The real package (the 32-bit Zib.exe) is made
# and checked: its three files, the read-me, and manifests that parse and
# carry the zip's version and hash. 32-bit code cannot run on this machine,
# so the same package made from the 64-bit twin is unpacked into a fresh
# folder of the test prefix, installed from there with Zib-Setup.exe /S and
# removed again (the e2e case "package: ...").
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/wine-env.sh"
eval "$("$root/build/native/zib_release_info" facts)"

"$root/scripts/dist.sh" "$root/build/win32" "$root/build/dist" >/dev/null
python3 - "$root/build/dist" "$ZIB_VERSION" "$root/build/win32/Zib.exe" <<'PY'
import hashlib, json, sys, zipfile, yaml
out, version, program = sys.argv[1:]
name = f"Zib-{version}.zip"
data = open(f"{out}/{name}", "rb").read()
digest = hashlib.sha256(data).hexdigest()
assert open(f"{out}/{name}.sha256").read() == f"{digest}  {name}\n", "hash file"
with zipfile.ZipFile(f"{out}/{name}") as z:
    assert z.namelist() == ["Zib.exe", "Zib-Setup.exe", "LIESMICH.txt"], z.namelist()
    exe = open(program, "rb").read()
    assert z.read("Zib.exe") == exe and z.read("Zib-Setup.exe") == exe, "program files"
    readme = z.read("LIESMICH.txt")
    assert readme.startswith(b"\xef\xbb\xbf") and b"\r\n" in readme and b"\n" not in readme.replace(b"\r\n", b""), "read-me form"
    text = readme.decode("utf-8-sig")
    for part in (version, "Zib-Setup.exe /S", "/Uninstall", "Ctrl+S", "Speichern", "@"):
        assert (part in text) != (part == "@"), f"read-me: {part}"
scoop = json.load(open(f"{out}/zib.json", encoding="utf-8"))
assert scoop["version"] == version and scoop["hash"] == digest, "scoop"
assert scoop["url"].endswith("/" + name) and scoop["bin"] == "Zib.exe", "scoop url, bin"
ident = "Dornef.Zib"
manifests = {kind: yaml.safe_load(open(f"{out}/winget/{ident}{suffix}.yaml", encoding="utf-8"))
             for kind, suffix in (("version", ""), ("installer", ".installer"), ("defaultLocale", ".locale.de-DE"))}
for kind, m in manifests.items():
    assert m["PackageIdentifier"] == ident and m["PackageVersion"] == version and m["ManifestType"] == kind, kind
installer = manifests["installer"]["Installers"][0]
assert installer["InstallerSha256"] == digest.upper() and installer["InstallerUrl"] == scoop["url"], "winget installer"
print(f"package {name}: {len(data)} bytes, sha256 {digest}, manifests agree")
PY

"$root/scripts/dist.sh" "$root/build/win64" "$root/build/dist-win64" >/dev/null
"$root/scripts/wine-prefix.sh"
unpacked="$WINEPREFIX/drive_c/users/Public/Downloads/Zib-$ZIB_VERSION"
rm -rf "$unpacked"
mkdir -p "$unpacked"
unzip -q "$root/build/dist-win64/Zib-$ZIB_VERSION.zip" -d "$unpacked"
export ZIB_PACKAGE_FOLDER="C:\\users\\Public\\Downloads\\Zib-$ZIB_VERSION"
"$root/scripts/e2e-run.sh" "$root/build/win64/zib_e2e.exe" -tc="package:*"

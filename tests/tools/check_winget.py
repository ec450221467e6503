#!/usr/bin/env python3
"""Makes the release's ZIP and MSI from a Windows build, writes their winget manifests with
packaging/winget/make_manifests.cmake and checks them: check_winget.py BUILD SOURCE VERSION

No copy of the official winget 1.6.0 JSON schemas is to be had here, so this is no schema
validation. It checks the fields each manifest type requires (retyped from those schemas)
and, above all, that the manifests describe the files built: hashes, the MSI's product and
upgrade codes, the program's place in the ZIP, one identifier and version throughout.
"""
import hashlib
import os
import re
import subprocess
import sys
import tempfile
import zipfile

import yaml

IDENTIFIER = "Sorvane.Sorvane"
COMMON = ["PackageIdentifier", "PackageVersion", "ManifestType", "ManifestVersion"]
MANIFESTS = {  # file name: (ManifestType, the fields it requires besides COMMON)
    f"{IDENTIFIER}.yaml": ("version", ["DefaultLocale"]),
    f"{IDENTIFIER}.installer.yaml": ("installer", ["Installers"]),
    f"{IDENTIFIER}.locale.en-US.yaml": ("defaultLocale", [
        "PackageLocale", "Publisher", "PackageName", "License", "ShortDescription"]),
}
failures, passed = [], []


def expect(condition, what):
    print(f"  {'ok  ' if condition else 'FAIL'} {what}")
    (passed if condition else failures).append(what)


def make_release(build, source, version, work):
    def run(*words):
        subprocess.run(words, cwd=build, check=True, stdout=subprocess.DEVNULL)
    run("cpack", "-G", "ZIP", "-B", os.path.join(work, "zip"))
    zip_file = os.path.join(work, "zip", f"sorvane-{version}-win64.zip")
    run("cmake", "--install", ".", "--prefix", os.path.join(work, "program"))
    msi = os.path.join(work, f"sorvane-{version}-win64.msi")
    run("cmake", f"-DPROGRAM_DIR={work}/program", f"-DVERSION={version}", f"-DOUT={msi}",
        "-P", os.path.join(source, "packaging/make_msi.cmake"))
    run("cmake", f"-DVERSION={version}", f"-DMSI={msi}", f"-DZIP={zip_file}",
        f"-DOUT_DIR={work}/winget", "-P",
        os.path.join(source, "packaging/winget/make_manifests.cmake"))
    return msi, zip_file, os.path.join(work, "winget")


def sha256(path):
    with open(path, "rb") as f:
        return hashlib.sha256(f.read()).hexdigest().upper()


def check(source, version, msi, zip_file, folder):
    expect(sorted(os.listdir(folder)) == sorted(MANIFESTS), f"the manifests {os.listdir(folder)}")
    manifests = {}
    for name, (kind, required) in MANIFESTS.items():
        with open(os.path.join(folder, name), encoding="utf-8") as f:
            text = f.read()
        m = manifests[kind] = yaml.safe_load(text)
        missing = [key for key in COMMON + required if key not in m]
        expect("@" not in text and not missing,
               f"{name}: filled in, no required field missing {missing}")
        expect((m.get("ManifestType"), m.get("ManifestVersion"), m.get("PackageIdentifier"),
                m.get("PackageVersion")) == (kind, "1.6.0", IDENTIFIER, version),
               f"{name}: a {kind} manifest 1.6.0 of {IDENTIFIER} {version}")
    expect(manifests["version"].get("DefaultLocale") ==
           manifests["defaultLocale"].get("PackageLocale"),
           "the default locale is the locale manifest's")

    installers = {i.get("InstallerType"): i for i in manifests["installer"].get("Installers", [])}
    for kind, built in (("msi", msi), ("zip", zip_file)):
        i = installers.get(kind, {})
        url = i.get("InstallerUrl", "")
        expect(i.get("Architecture") == "x64" and i.get("Scope") == "user" and
               url.startswith("https://") and url.endswith("/" + os.path.basename(built)),
               f"{kind}: x64, per user, from {url}")
        expect(i.get("InstallerSha256") == sha256(built), f"{kind}: the SHA256 of the file built")

    properties = subprocess.run(["msiinfo", "export", msi, "Property"], check=True,
                                capture_output=True, text=True).stdout
    codes = dict(line.split("\t", 1) for line in properties.splitlines() if "\t" in line)
    with open(os.path.join(source, "packaging/sorvane.wxs"), encoding="utf-8") as f:
        upgrade_code = "{" + re.search(r'UpgradeCode="([-0-9A-F]+)"', f.read()).group(1) + "}"
    entry = (installers.get("msi", {}).get("AppsAndFeaturesEntries") or [{}])[0]
    expect((installers.get("msi", {}).get("ProductCode"), entry.get("ProductCode"),
            entry.get("UpgradeCode")) ==
           (codes["ProductCode"], codes["ProductCode"], upgrade_code),
           f"msi: the product code of the MSI built and the package's upgrade code {upgrade_code}")
    nested = (installers.get("zip", {}).get("NestedInstallerFiles") or [{}])[0]
    program = str(nested.get("RelativeFilePath", "")).replace("\\", "/")
    with zipfile.ZipFile(zip_file) as z:
        expect(program.endswith("/sorvane.exe") and program in z.namelist(),
               f"zip: the portable program is where the ZIP holds it: {program}")


def main():
    build, source, version = sys.argv[1:4]
    with tempfile.TemporaryDirectory() as work:
        check(source, version, *make_release(build, source, version, work))
    print(f"{len(passed)} passed, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

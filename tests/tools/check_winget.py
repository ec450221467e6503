#!/usr/bin/env python3
"""Makes the release's ZIP and MSI from a Windows build, writes their winget manifests with
packaging/winget/make_manifests.cmake and checks them.

No copy of the official winget 1.6.0 JSON schemas is to be had here, so this is no schema
validation: it checks what the schemas require of each manifest type (the `required` lists,
retyped) and, above all, that the manifests describe the files built: hashes, product and
upgrade codes, the program's place in the ZIP, one identifier and version throughout.
Usage: check_winget.py BUILD_DIR SOURCE_DIR VERSION
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
# The winget schema's PackageIdentifier pattern.
SEGMENT = r'[^\.\s\\/:\*\?"<>\|\x01-\x1f]{1,32}'
IDENTIFIER_PATTERN = rf"^{SEGMENT}(\.{SEGMENT}){{1,7}}$"
REQUIRED = {
    "version": ["PackageIdentifier", "PackageVersion", "DefaultLocale", "ManifestType",
                "ManifestVersion"],
    "installer": ["PackageIdentifier", "PackageVersion", "Installers", "ManifestType",
                  "ManifestVersion"],
    "defaultLocale": ["PackageIdentifier", "PackageVersion", "PackageLocale", "Publisher",
                      "PackageName", "License", "ShortDescription", "ManifestType",
                      "ManifestVersion"],
}
REQUIRED_PER_INSTALLER = ["Architecture", "InstallerType", "InstallerUrl", "InstallerSha256"]

failures = []
passed = []


def expect(condition, what):
    print(f"  {'ok  ' if condition else 'FAIL'} {what}")
    (passed if condition else failures).append(what)


def run(*words, cwd=None):
    subprocess.run(words, cwd=cwd, check=True, stdout=subprocess.DEVNULL)


def make_release(build, source, version, work):
    run("cpack", "-G", "ZIP", "-B", os.path.join(work, "zip"), cwd=build)
    zip_file = os.path.join(work, "zip", f"sorvane-{version}-win64.zip")
    program = os.path.join(work, "program")
    run("cmake", "--install", build, "--prefix", program)
    msi = os.path.join(work, f"sorvane-{version}-win64.msi")
    run("cmake", f"-DPROGRAM_DIR={program}", f"-DVERSION={version}", f"-DOUT={msi}",
        "-P", os.path.join(source, "packaging/make_msi.cmake"))
    out = os.path.join(work, "winget")
    run("cmake", f"-DVERSION={version}", f"-DMSI={msi}", f"-DZIP={zip_file}",
        f"-DOUT_DIR={out}", "-P", os.path.join(source, "packaging/winget/make_manifests.cmake"))
    return msi, zip_file, out


def sha256(path):
    with open(path, "rb") as f:
        return hashlib.sha256(f.read()).hexdigest().upper()


def msi_property(msi, name):
    out = subprocess.run(["msiinfo", "export", msi, "Property"], check=True,
                         capture_output=True, text=True).stdout
    return dict(line.split("\t", 1) for line in out.splitlines() if "\t" in line).get(name)


def check(source, version, msi, zip_file, folder):
    names = {"version": f"{IDENTIFIER}.yaml", "installer": f"{IDENTIFIER}.installer.yaml",
             "defaultLocale": f"{IDENTIFIER}.locale.en-US.yaml"}
    expect(sorted(os.listdir(folder)) == sorted(names.values()),
           f"one version, one installer and one defaultLocale manifest: {os.listdir(folder)}")
    manifests = {}
    for kind, name in names.items():
        with open(os.path.join(folder, name), encoding="utf-8") as f:
            text = f.read()
        expect("@" not in text, f"{name}: every placeholder is filled in")
        m = manifests[kind] = yaml.safe_load(text)
        missing = [key for key in REQUIRED[kind] if key not in m]
        expect(not missing, f"{name}: has every field its type requires {missing}")
        expect(m.get("ManifestType") == kind and m.get("ManifestVersion") == "1.6.0",
               f"{name}: a {kind} manifest of version 1.6.0")
        expect(m.get("PackageIdentifier") == IDENTIFIER and
               re.match(IDENTIFIER_PATTERN, str(m.get("PackageIdentifier"))) is not None,
               f"{name}: identifier {m.get('PackageIdentifier')!r}")
        expect(m.get("PackageVersion") == version,
               f"{name}: version {m.get('PackageVersion')!r} is the build's")
    expect(manifests["version"].get("DefaultLocale") ==
           manifests["defaultLocale"].get("PackageLocale") == "en-US",
           "the default locale is the locale manifest's")

    installers = {i.get("InstallerType"): i for i in manifests["installer"].get("Installers", [])}
    expect(sorted(installers) == ["msi", "zip"],
           f"installers for the MSI and the ZIP: {sorted(installers)}")
    for kind, built in (("msi", msi), ("zip", zip_file)):
        i = installers.get(kind, {})
        missing = [key for key in REQUIRED_PER_INSTALLER if key not in i]
        expect(not missing and i.get("Architecture") == "x64" and i.get("Scope") == "user",
               f"{kind}: x64, per user, every required field {missing}")
        expect(i.get("InstallerSha256") == sha256(built), f"{kind}: the SHA256 of the file built")
        url = i.get("InstallerUrl", "")
        expect(url.startswith("https://") and url.endswith("/" + os.path.basename(built)),
               f"{kind}: the URL names the file: {url}")

    entry = (installers.get("msi", {}).get("AppsAndFeaturesEntries") or [{}])[0]
    with open(os.path.join(source, "packaging/sorvane.wxs"), encoding="utf-8") as f:
        upgrade_code = "{" + re.search(r'UpgradeCode="([-0-9A-F]+)"', f.read()).group(1) + "}"
    product_code = msi_property(msi, "ProductCode")
    expect(installers.get("msi", {}).get("ProductCode") == entry.get("ProductCode") ==
           product_code, f"msi: the product code of the MSI built, {product_code}")
    expect(entry.get("UpgradeCode") == upgrade_code == msi_property(msi, "UpgradeCode"),
           "msi: the upgrade code of the package")
    nested = (installers.get("zip", {}).get("NestedInstallerFiles") or [{}])[0]
    program = str(nested.get("RelativeFilePath", "")).replace("\\", "/")
    with zipfile.ZipFile(zip_file) as z:
        expect(program.endswith("/sorvane.exe") and program in z.namelist(),
               f"zip: the portable program is where the ZIP holds it: {program}")


def main():
    build, source, version = sys.argv[1:4]
    with tempfile.TemporaryDirectory() as work:
        msi, zip_file, folder = make_release(build, source, version, work)
        check(source, version, msi, zip_file, folder)
    print(f"{len(passed)} passed, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""The MSI end to end under Wine: install, start, upgrade, uninstall, as a user would.

Builds the installer of the build's program folder (and an upgrade with a raised version
and a changed program) with packaging/make_msi.cmake, then checks with msiexec /qn what each
step leaves in the Wine prefix. Expects DISPLAY and WINEPREFIX to name a private display and
a fresh Wine prefix (run_msi_e2e.sh).
"""
import argparse
import filecmp
import os
import shutil
import subprocess
import sys
import tempfile
import time

from e2e_driver import Checks

RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"
UNINSTALL_KEY = r"Software\Microsoft\Windows\CurrentVersion\Uninstall"


def wine(*words, timeout=120):
    """Runs a Windows program; its output goes through a file, which is fast under Wine."""
    with tempfile.TemporaryFile() as out:
        code = subprocess.run(["wine", *words], stdout=out, stderr=subprocess.DEVNULL,
                              stdin=subprocess.DEVNULL, timeout=timeout).returncode
        out.seek(0)
        return code, out.read().decode(errors="replace")


def unix_path(windows_path):
    return wine("winepath", "-u", windows_path)[1].strip()


def registry_values(key):
    """The values of KEY as {name: data}, or None when the key does not exist."""
    code, out = wine("reg", "query", key)
    if code != 0:
        return None
    values = {}
    for line in out.splitlines():
        parts = line.strip().split(None, 2)
        if len(parts) >= 2 and parts[1].startswith("REG_"):
            values[parts[0]] = parts[2] if len(parts) == 3 else ""
    return values


def uninstall_entry(product_code):
    # Windows keeps a per-user product's entry under HKCU; Wine's msi writes every entry
    # under HKLM. The entry is the installer's, not the package's: take it where it is.
    for root in ("HKCU", "HKLM"):
        values = registry_values(rf"{root}\{UNINSTALL_KEY}\{product_code}")
        if values is not None:
            return values
    return None


def packed_guid(guid):
    """The form Windows Installer uses in registry key names."""
    g = guid.strip("{}").replace("-", "")
    pairs = g[16:]
    return (g[7::-1] + g[11:7:-1] + g[15:11:-1]
            + "".join(pairs[i + 1] + pairs[i] for i in range(0, 16, 2)))


def msi_property(msi, name):
    out = subprocess.run(["msiinfo", "export", msi, "Property"], check=True,
                         capture_output=True, text=True).stdout
    for line in out.splitlines():
        key, _, value = line.partition("\t")
        if key == name:
            return value
    return None


def msiexec(*words):
    log = os.path.join(tempfile.gettempdir(), "sorvane-msiexec.log")
    code = wine("msiexec", *words, "/qn", "/l*", "Z:" + log, timeout=300)[0]
    if code != 0 and os.path.exists(log):
        with open(log, errors="replace") as f:
            print("".join(f.readlines()[-30:]))
    return code


def files_below(folder):
    return sorted(os.path.relpath(os.path.join(d, f), folder)
                  for d, _, names in os.walk(folder) for f in names)


def installed_as_built(program, installed):
    """Every file of PROGRAM is in INSTALLED with the same bytes, and nothing else but the
    clock's own vl.prf."""
    names = files_below(program)
    return [n for n in files_below(installed) if n != "vl.prf"] == names and all(
        filecmp.cmp(os.path.join(program, n), os.path.join(installed, n), shallow=False)
        for n in names)


def build_installers(args, work):
    """The build's MSI, and an upgrade one version up whose sorvane.exe differs and which no
    longer ships one of the skins."""
    program = os.path.join(work, "program")
    subprocess.run(["cmake", "--install", args.build, "--prefix", program], check=True,
                   stdout=subprocess.DEVNULL)
    upgraded = os.path.join(work, "program-upgraded")
    shutil.copytree(program, upgraded)
    with open(os.path.join(upgraded, "sorvane.exe"), "ab") as f:
        f.write(b"upgraded")  # after the image: the program still runs, the bytes differ
    dropped = sorted(n for n in os.listdir(upgraded) if n.endswith(".skn"))[0]
    os.remove(os.path.join(upgraded, dropped))
    major, minor, build = args.version.split(".")
    raised = f"{major}.{minor}.{int(build) + 1}"
    made = []
    for folder, version in ((program, args.version), (upgraded, raised)):
        msi = os.path.join(work, f"sorvane-{version}.msi")
        subprocess.run(["cmake", f"-DPROGRAM_DIR={folder}", f"-DVERSION={version}",
                        f"-DOUT={msi}", "-P",
                        os.path.join(args.source, "packaging/make_msi.cmake")], check=True)
        made.append((msi, folder, version))
    return made


def check_install(c, msi, program, version, args, place):
    print(f"install {os.path.basename(msi)}")
    summary = subprocess.run(["msiinfo", "suminfo", msi], capture_output=True, text=True).stdout
    word_count = [int(line.split()[1]) for line in summary.splitlines()
                  if line.startswith("Source:")]
    c.expect(word_count and word_count[0] & 8, "the package asks for no administrator rights")
    c.expect(msiexec("/i", msi) == 0, "msiexec /i /qn succeeds")
    c.expect(installed_as_built(program, place["dir"]),
             f"{os.path.basename(program)}: every file is installed as built, and nothing else")
    c.expect(os.path.isfile(place["shortcut"]), "the Start menu has the shortcut Sorvane")
    code = msi_property(msi, "ProductCode")
    entry = uninstall_entry(code) or {}
    c.expect((entry.get("DisplayName"), entry.get("DisplayVersion"), entry.get("Publisher")) ==
             ("Sorvane", version, "Sorvane"),
             f"the uninstall entry names Sorvane {version} by Sorvane: {entry.get('DisplayName')!r}"
             f" {entry.get('DisplayVersion')!r} {entry.get('Publisher')!r}")
    # Windows Installer keeps a product's icon in its own cache and shows it in Add/Remove
    # Programs from there (ProductIcon), not as DisplayIcon in the uninstall entry.
    product = registry_values(rf"HKCU\Software\Microsoft\Installer\Products\{packed_guid(code)}")
    icon = unix_path((product or {}).get("ProductIcon", "")) if product else ""
    c.expect(icon and os.path.isfile(icon) and filecmp.cmp(
        icon, os.path.join(args.source, "resources/sorvane.ico"), False),
        "the entry's icon is the clock's icon")
    return code


def check_start_from_shortcut(c, args, place):
    print("the installed clock, started from the Start menu")
    wine("start", place["shortcut_windows"])
    facts = probe(args, "wait", "30")
    c.expect(facts.get("clock.class") == "TForm1" and facts.get("clock.visible") == "1",
             "the shortcut starts the clock and its window shows")
    probe(args, "command", "100")  # Close: saves vl.prf beside the program
    prf = os.path.join(place["dir"], "vl.prf")
    for _ in range(150):
        if os.path.exists(prf) and probe(args, "clock").get("clock") == "none":
            break
        time.sleep(0.2)
    c.expect(os.path.exists(prf), "the installed clock writes vl.prf in its own folder")
    with open(prf, "rb") as f:
        return f.read()


def probe(args, *words):
    facts = {}
    for line in wine(args.probe, *words, timeout=90)[1].splitlines():
        key, _, value = line.strip().partition("=")
        facts[key] = value
    return facts


def set_start_with_windows(place):
    wine("reg", "add", RUN_KEY, "/v", "Sorvane", "/t", "REG_SZ", "/d",
         '"' + place["exe_windows"] + '"', "/f")


def start_with_windows_set():
    return "Sorvane" in (registry_values(RUN_KEY) or {})


def check_removed(c, place, code, what):
    left = files_below(place["dir"]) if os.path.isdir(place["dir"]) else []
    c.expect(left == ["vl.prf"], f"{what} removes the program and keeps only vl.prf: {left}")
    c.expect(not os.path.exists(place["shortcut"]), f"{what} removes the shortcut")
    c.expect(uninstall_entry(code) is None, f"{what} removes the uninstall entry")
    c.expect(registry_values(r"HKCU\Software\Sorvane") is None,
             f"{what} leaves no registry key of the installer's")


def main():
    parser = argparse.ArgumentParser()
    for name in ("--build", "--probe", "--source", "--version"):
        parser.add_argument(name, required=True)
    args = parser.parse_args()
    c = Checks()
    work = tempfile.mkdtemp(prefix="sorvane-msi-")
    try:
        (msi, program, version), (new_msi, new_program, new_version) = build_installers(args, work)
        local = wine("cmd", "/c", "echo", "%LOCALAPPDATA%")[1].strip()
        menu = wine("cmd", "/c", "echo", "%APPDATA%")[1].strip()
        menu += r"\Microsoft\Windows\Start Menu\Programs\Sorvane.lnk"
        place = {"dir": unix_path(local + r"\Programs\Sorvane"),
                 "exe_windows": local + r"\Programs\Sorvane\sorvane.exe",
                 "shortcut_windows": menu, "shortcut": unix_path(menu)}

        code = check_install(c, msi, program, version, args, place)
        settings = check_start_from_shortcut(c, args, place)

        new_code = check_install(c, new_msi, new_program, new_version, args, place)
        print("the upgrade over it")
        c.expect(new_code != code and uninstall_entry(code) is None,
                 "the upgrade replaces the old version's entry")
        with open(os.path.join(place["dir"], "vl.prf"), "rb") as f:
            c.expect(f.read() == settings, "the upgrade keeps vl.prf byte for byte")

        # Windows removes the old version of an upgrade with UPGRADINGPRODUCTCODE set, and
        # then the start-with-Windows value stays; Wine's msiexec does not pass it, so ask
        # for that removal here as Windows would.
        print("uninstall")
        set_start_with_windows(place)
        upgrading = "UPGRADINGPRODUCTCODE={00000000-0000-0000-0000-000000000001}"
        c.expect(msiexec("/x", new_code, upgrading) == 0 and start_with_windows_set(),
                 "the removal of an upgrade's old version keeps the Run value Sorvane")
        check_removed(c, place, new_code, "that removal")

        c.expect(msiexec("/i", new_msi) == 0, "install again")
        set_start_with_windows(place)
        c.expect(msiexec("/x", new_code) == 0, "msiexec /x /qn succeeds")
        c.expect(not start_with_windows_set(), "uninstall removes the Run value Sorvane")
        check_removed(c, place, new_code, "uninstall")
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print(f"{c.passed} passed, {len(c.failures)} failed")
    for what in c.failures:
        print(f"failed: {what}")
    return 1 if c.failures else 0


if __name__ == "__main__":
    sys.exit(main())

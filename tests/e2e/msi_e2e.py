#!/usr/bin/env python3
"""The MSI under Wine as a user meets it: install, start from the Start menu, upgrade,
uninstall. Builds the build's installer and an upgrade one version up with
packaging/make_msi.cmake; expects DISPLAY and a fresh WINEPREFIX of its own (run_msi_e2e.sh).
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


def wine(*words, timeout=120):
    """Exit code and output of a Windows program (through a file: fast under Wine)."""
    with tempfile.TemporaryFile() as out:
        code = subprocess.run(["wine", *words], stdout=out, stderr=subprocess.DEVNULL,
                              stdin=subprocess.DEVNULL, timeout=timeout).returncode
        out.seek(0)
        return code, out.read().decode(errors="replace")


def registry_values(key):
    """{name: data} of KEY, or None when there is no such key."""
    code, out = wine("reg", "query", key)
    rows = [line.split(None, 2) for line in out.splitlines()]
    return None if code else {r[0]: r[2] if len(r) > 2 else "" for r in rows
                              if len(r) > 1 and r[1].startswith("REG_")}


def uninstall_entry(code):
    # The entry is the installer service's: Wine's msi writes it under HKLM even for a
    # per-user product, so look in both places.
    key = r"Software\Microsoft\Windows\CurrentVersion\Uninstall" + "\\" + code
    return registry_values("HKCU\\" + key) or registry_values("HKLM\\" + key)


def packed_guid(guid):
    """A product code as Windows Installer writes it in key names."""
    g = guid.strip("{}").replace("-", "")
    return g[7::-1] + g[11:7:-1] + g[15:11:-1] + "".join(
        g[i + 1] + g[i] for i in range(16, 32, 2))


def product_code(msi):
    out = subprocess.run(["msiinfo", "export", msi, "Property"], check=True,
                         capture_output=True, text=True).stdout
    return dict(line.split("\t", 1) for line in out.splitlines() if "\t" in line)["ProductCode"]


def msiexec(*words):
    log = os.path.join(tempfile.gettempdir(), "sorvane-msiexec.log")
    code = wine("msiexec", *words, "/qn", "/l*", "Z:" + log, timeout=300)[0]
    if code and os.path.exists(log):
        with open(log, errors="replace") as f:
            print("".join(f.readlines()[-30:]))
    return code


def files_below(folder):
    return sorted(os.path.relpath(os.path.join(d, f), folder)
                  for d, _, names in os.walk(folder) for f in names)


def build_installers(args, work):
    """The build's MSI, and an upgrade one version up whose sorvane.exe differs and which no
    longer ships one of the skins."""
    program, upgraded = os.path.join(work, "program"), os.path.join(work, "upgraded")
    subprocess.run(["cmake", "--install", args.build, "--prefix", program], check=True,
                   stdout=subprocess.DEVNULL)
    shutil.copytree(program, upgraded)
    with open(os.path.join(upgraded, "sorvane.exe"), "ab") as f:
        f.write(b"upgraded")  # after the image: the program still runs, the bytes differ
    os.remove(os.path.join(upgraded, min(n for n in os.listdir(upgraded) if n.endswith(".skn"))))
    major, minor, build = args.version.split(".")
    raised = f"{major}.{minor}.{int(build) + 1}"
    made = []
    for folder, version in ((program, args.version), (upgraded, raised)):
        msi = os.path.join(work, f"sorvane-{version}.msi")
        subprocess.run(["cmake", f"-DPROGRAM_DIR={folder}", f"-DVERSION={version}", f"-DOUT={msi}",
                        "-P", os.path.join(args.source, "packaging/make_msi.cmake")], check=True)
        made.append((msi, folder, version))
    return made


def check_install(c, msi, program, version, args, place):
    print(f"install {os.path.basename(msi)}")
    summary = subprocess.run(["msiinfo", "suminfo", msi], capture_output=True, text=True).stdout
    word_count = [int(line.split()[1]) for line in summary.splitlines()
                  if line.startswith("Source:")]
    c.expect(word_count and word_count[0] & 8, "the package asks for no administrator rights")
    c.expect(msiexec("/i", msi) == 0, "msiexec /i /qn succeeds")
    names = files_below(program)
    c.expect([n for n in files_below(place["dir"]) if n != "vl.prf"] == names and all(
        filecmp.cmp(os.path.join(program, n), os.path.join(place["dir"], n), False) for n in names),
        "every file of its program folder is installed as built, and nothing else")
    c.expect(os.path.isfile(place["shortcut"]), "the Start menu has the shortcut Sorvane")
    code = product_code(msi)
    entry = uninstall_entry(code) or {}
    shown = (entry.get("DisplayName"), entry.get("DisplayVersion"), entry.get("Publisher"))
    c.expect(shown == ("Sorvane", version, "Sorvane"), f"the uninstall entry shows {shown}")
    # Add/Remove Programs shows a product's icon from the installer's cache (ProductIcon);
    # Windows Installer writes no DisplayIcon into the uninstall entry.
    product = registry_values(rf"HKCU\Software\Microsoft\Installer\Products\{packed_guid(code)}")
    icon = wine("winepath", "-u", (product or {}).get("ProductIcon", "?"))[1].strip()
    c.expect(os.path.isfile(icon) and filecmp.cmp(
        icon, os.path.join(args.source, "resources/sorvane.ico"), False),
        "the entry's icon is the clock's icon")
    return code


def check_start_from_shortcut(c, args, place):
    print("the installed clock, started from the Start menu")
    probe = lambda *words: dict(line.strip().partition("=")[::2] for line in
                                wine(args.probe, *words, timeout=90)[1].splitlines())
    wine("start", place["shortcut_windows"])
    facts = probe("wait", "30")
    c.expect(facts.get("clock.class") == "TForm1" and facts.get("clock.visible") == "1",
             "the shortcut starts the clock and its window shows")
    probe("command", "100")  # Close: saves vl.prf beside the program
    prf = os.path.join(place["dir"], "vl.prf")
    for _ in range(150):
        if os.path.exists(prf) and probe("clock").get("clock") == "none":
            break
        time.sleep(0.2)
    c.expect(os.path.exists(prf), "the installed clock writes vl.prf in its own folder")
    with open(prf, "rb") as f:
        return f.read()


def check_uninstall(c, place, code, settings, keeps_run_value, *properties):
    wine("reg", "add", RUN_KEY, "/v", "Sorvane", "/d", f'"{place["exe_windows"]}"', "/f")
    c.expect(msiexec("/x", code, *properties) == 0, f"msiexec /x /qn {' '.join(properties)}")
    c.expect(("Sorvane" in (registry_values(RUN_KEY) or {})) == keeps_run_value,
             f"the Run value Sorvane is {'kept' if keeps_run_value else 'removed'}")
    with open(os.path.join(place["dir"], "vl.prf"), "rb") as f:
        left = (files_below(place["dir"]), f.read() == settings, os.path.exists(place["shortcut"]),
                uninstall_entry(code), registry_values(r"HKCU\Software\Sorvane"))
    c.expect(left == (["vl.prf"], True, False, None, None),
             f"program, shortcut, entry and key paths removed, vl.prf kept as it was: {left}")


def main():
    parser = argparse.ArgumentParser()
    for name in ("--build", "--probe", "--source", "--version"):
        parser.add_argument(name, required=True)
    args = parser.parse_args()
    c = Checks()
    work = tempfile.mkdtemp(prefix="sorvane-msi-")
    try:
        (msi, program, version), (new_msi, new_program, new_version) = build_installers(args, work)
        local = wine("cmd", "/c", "echo", "%LOCALAPPDATA%")[1].strip() + r"\Programs\Sorvane"
        menu = wine("cmd", "/c", "echo", "%APPDATA%")[1].strip()
        menu += r"\Microsoft\Windows\Start Menu\Programs\Sorvane.lnk"
        unix = lambda path: wine("winepath", "-u", path)[1].strip()
        place = {"dir": unix(local), "exe_windows": local + r"\sorvane.exe",
                 "shortcut_windows": menu, "shortcut": unix(menu)}

        code = check_install(c, msi, program, version, args, place)
        settings = check_start_from_shortcut(c, args, place)
        new_code = check_install(c, new_msi, new_program, new_version, args, place)
        with open(os.path.join(place["dir"], "vl.prf"), "rb") as f:
            c.expect(uninstall_entry(code) is None and f.read() == settings,
                     "the upgrade replaces the old version's entry and keeps vl.prf byte for byte")

        # Windows removes an upgrade's old version with UPGRADINGPRODUCTCODE set; Wine's
        # msiexec does not pass it, so ask for that removal here as Windows runs it.
        print("removal of the old version by an upgrade, then uninstall")
        check_uninstall(c, place, new_code, settings, True,
                        "UPGRADINGPRODUCTCODE={00000000-0000-0000-0000-000000000001}")
        c.expect(msiexec("/i", new_msi) == 0, "install again")
        check_uninstall(c, place, new_code, settings, False)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print(f"{c.passed} passed, {len(c.failures)} failed")
    for what in c.failures:
        print(f"failed: {what}")
    return 1 if c.failures else 0


if __name__ == "__main__":
    sys.exit(main())

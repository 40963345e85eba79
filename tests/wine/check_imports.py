"""The Windows program imports nothing but system DLLs: no libstdc++, libgcc or winpthread."""
import re
import shutil
import subprocess
import sys

SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "shell32.dll", "winmm.dll", "comctl32.dll",
               "msvcrt.dll", "advapi32.dll"}


def imported_dlls(exe):
    objdump = shutil.which("x86_64-w64-mingw32-objdump") or "objdump"
    out = subprocess.run([objdump, "-p", exe], check=True, capture_output=True, text=True).stdout
    return [name.strip() for name in re.findall(r"DLL Name:\s*(\S+)", out)]


def foreign(dlls):
    return [d for d in dlls if d.lower() not in SYSTEM_DLLS and not d.lower().startswith("api-ms-win-crt-")]


def main():
    exe = sys.argv[1]
    dlls = imported_dlls(exe)
    print("imports of %s: %s" % (exe, ", ".join(dlls)))
    if not dlls:
        sys.exit("no import table found")
    if "kernel32.dll" not in [d.lower() for d in dlls]:
        sys.exit("KERNEL32.dll is not imported: not a Windows program?")
    bad = foreign(dlls)
    if bad:
        sys.exit("imports beyond the system DLLs: %s" % ", ".join(bad))


if __name__ == "__main__":
    main()

#!/usr/bin/env bash
# The Windows program as a user downloads it: one file, well under a
# megabyte once stripped, that needs no DLL beyond the system's, and carries
# its version record, icon and manifest.
#
# Usage: check_executable.sh PROGRAM OBJDUMP STRIP
set -euo pipefail
program=$1
objdump=$2
strip=$3
fail() { echo "FAIL: $*" >&2; exit 1; }

stripped=$(mktemp)
trap 'rm -f "$stripped"' EXIT
"$strip" -o "$stripped" "$program"
size=$(stat -c %s "$stripped")
((size <= 1024 * 1024)) || fail "the stripped program is $size bytes, more than 1 MiB"

# The DLLs every Windows has.
system_dlls=" COMCTL32.dll GDI32.dll KERNEL32.dll msvcrt.dll ole32.dll SHELL32.dll USER32.dll "
imports=$("$objdump" -p "$program" | sed -n 's/^\s*DLL Name: //p')
for dll in $imports; do
    [[ $system_dlls == *" $dll "* ]] || fail "it needs $dll, which is not the system's"
done

# The version record's texts, as Windows keeps them (UTF-16), and the manifest's wishes.
hex() { od -An -tx1 -v | tr -d ' \n'; }
program_hex=$(hex <"$program")
for text in Dorvanta Halvora "Halvora keresése oda és vissza" 1.00 halvora.exe; do
    [[ $program_hex == *"$(printf %s "$text" | iconv -f UTF-8 -t UTF-16LE | hex)"* ]] ||
        fail "the version record lacks \"$text\""
done
texts=$(strings "$program")
[[ $texts == *PerMonitorV2* ]] || fail "no manifest asking for each monitor's resolution"
[[ $texts == *Microsoft.Windows.Common-Controls* ]] || fail "no manifest asking for Common Controls 6"
echo "stripped $size bytes; imports: $(echo $imports)"

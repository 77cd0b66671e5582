#!/usr/bin/env bash
# Seed corpora for the fuzz targets, from what the ordinary build generates.
# usage: fuzz/make-seeds.sh BUILD_DIR SEED_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
seeds=$2
mkdir -p "$seeds"/{pdf-engine,sheet,ui-archive,regex}

# The small PDF fixtures. The sample atlases are too large to mutate quickly,
# and the huge page would spend each run drawing; its refusal has its own tests.
for f in no-outline bad-outline outline-loop encrypted; do
  cp "$build/fixtures/pdf/$f.pdf" "$seeds/pdf-engine/"
done

# The sample path sheet and its variants: other id types, another sheet name,
# an extra sheet, formula cells, no sheet at all.
cp "$build/bin/结构.xls" "$seeds/sheet/sample.xls"
table=$(mktemp)
trap 'rm -f "$table"' EXIT
printf 'id\t图集所在文件夹\t文件名\n1\t/atlases\t16G101-1.pdf\n2\t/a b/中文\t2.pdf\n1\t/dup\tdup.pdf\n' >"$table"
sheet() { /usr/bin/python3 tools/make-path-sheet.py "$@"; }
sheet "$table" "$seeds/sheet/int-ids.xls"
sheet --ids float "$table" "$seeds/sheet/float-ids.xls"
sheet --ids text "$table" "$seeds/sheet/text-ids.xls"
sheet --sheet-name Other --extra-sheet Sheet2 "$table" "$seeds/sheet/no-sheet1.xls"
sheet --formula "1+2" "$table" "$seeds/sheet/formula.xls"
sheet --zero-sheets "$table" "$seeds/sheet/zero-sheets.xls"

# The program's archive, and small ones that run many times faster: two
# encrypted entries, and the same entries unencrypted.
cp "$build/bin/Quillmoor.zip" "$seeds/ui-archive/"
password=$(sed -n 's/^set(QUILLMOOR_RESOURCE_PASSWORD "\(.*\)")$/\1/p' CMakeLists.txt)
"$build/tools/pack-ui-archive" "$seeds/ui-archive/small.zip" ui "$password" resource.res style.css
/usr/bin/python3 -c 'import sys, zipfile
with zipfile.ZipFile(sys.argv[1], "w") as z:
    z.write("ui/resource.res", "resource.res"); z.write("ui/style.css", "style.css")' "$seeds/ui-archive/plain.zip"

# Options byte, then a printer list; 0x14 asks for "pattern NUL subject".
printf '\x04"cups-pdf"\n"office"\n' >"$seeds/regex/printers"
printf '\x04' >"$seeds/regex/empty"
printf '\x05"打印机 三楼"' >"$seeds/regex/chinese"
printf '\x1e(a|b)*?c$\0aab\r\nabc\nc' >"$seeds/regex/pattern"
printf '\x1c#引号(\\w+)#引号\0"x" "y"' >"$seeds/regex/placeholder"

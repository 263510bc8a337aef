#!/usr/bin/env bash
# Starts a private CUPS server with a cups-pdf printer as its default queue, prints the main
# window through its menu (PRINT_TEST, a QtTest binary), and checks the page that cups-pdf
# writes: one page, not blank, with the window's aspect ratio. Exits 77 (skipped) where it
# cannot run: not root, or no cupsd or cups-pdf.
# Usage: cups_print_test.sh PRINT_TEST
set -euo pipefail
print_test=$1

skip() { echo "SKIPPED: $*"; exit 77; }
[ "$(id -u)" -eq 0 ] || skip "the CUPS print test needs root, to start cupsd"
command -v cupsd >/dev/null || skip "no cupsd (Debian package cups)"
[ -x /usr/lib/cups/backend/cups-pdf ] || skip "no cups-pdf (Debian package printer-driver-cups-pdf)"
command -v pdftoppm >/dev/null || skip "no pdftoppm (Debian package poppler-utils)"

dir=$(mktemp -d /tmp/kvo-cups.XXXXXX)
chmod 755 "$dir"
mkdir -p "$dir"/{spool,cache,state,log,run}
cat >"$dir/cups-files.conf" <<CONF
ServerRoot $dir
RequestRoot $dir/spool
CacheDir $dir/cache
StateDir $dir/state
TempDir $dir/spool
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
User lp
Group lp
SystemGroup root
CONF
cat >"$dir/cupsd.conf" <<CONF
Listen $dir/run/cups.sock
LogLevel info
WebInterface No
Browsing No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
CONF

cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" &
cupsd_pid=$!
cleanup() {
  kill "$cupsd_pid" 2>/dev/null || true
  wait "$cupsd_pid" 2>/dev/null || true
  rm -rf "$dir"
}
trap cleanup EXIT
export CUPS_SERVER=$dir/run/cups.sock
for _ in $(seq 100); do lpstat -r >/dev/null 2>&1 && break; sleep 0.1; done
lpstat -r >/dev/null || { cat "$dir/log/error_log"; echo "cupsd did not start"; exit 1; }

printer=KvoPdf$$
lpadmin -p "$printer" -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null
lpadmin -d "$printer"

# cups-pdf writes to the PDF folder of the job's user, root here; the job is named after
# the window's title.
out=$(getent passwd root | cut -d: -f6)/PDF
before=$(ls "$out" 2>/dev/null | wc -l)
KVO_EXPECTED_PRINTER=$printer QT_QPA_PLATFORM=offscreen "$print_test"

pdf=""
for _ in $(seq 300); do
  pdf=$(ls -t "$out"/*.pdf 2>/dev/null | head -1 || true)
  [ "$(ls "$out" 2>/dev/null | wc -l)" -gt "$before" ] && [ -s "$pdf" ] && break
  pdf=""
  sleep 0.1
done
[ -n "$pdf" ] || { tail -20 "$dir/log/error_log"; echo "no PDF from cups-pdf"; exit 1; }
sleep 0.5  # the backend may still be writing
trap 'cp "$pdf" /tmp/kvo-last-print.pdf 2>/dev/null; rm -f "$pdf"; cleanup' EXIT
echo "printed: $pdf"

pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
[ "$pages" = 1 ] || { echo "expected one page, got $pages"; exit 1; }
pdftoppm -r 40 -gray "$pdf" "$dir/page"
python3 - "$dir"/page*.pgm <<'PY'
import sys
data = open(sys.argv[1], "rb").read()
# Binary PGM: P5, width, height, maxval, then one byte a pixel.
fields, pos = [], 0
while len(fields) < 4:
    while data[pos:pos + 1].isspace():
        pos += 1
    end = pos
    while not data[end:end + 1].isspace():
        end += 1
    fields.append(data[pos:end])
    pos = end
pixels = data[pos + 1:]
width, height = int(fields[1]), int(fields[2])
rows = [r for r in range(height) if min(pixels[r * width:(r + 1) * width]) < 245]
cols = [c for c in range(width) if min(pixels[c::width][:height]) < 245]
if not rows:
    sys.exit("the page is blank")
ratio = (cols[-1] - cols[0] + 1) / (rows[-1] - rows[0] + 1)
expected = 9645 / 6600
print(f"printed area {cols[-1] - cols[0] + 1} x {rows[-1] - rows[0] + 1} px, ratio {ratio:.3f}, window {expected:.3f}")
if abs(ratio - expected) > 0.02 * expected:
    sys.exit("the printed area does not have the window's shape")
PY

#!/usr/bin/env bash
# Runs a command against a private CUPS daemon and stops the daemon afterwards. The daemon
# listens on a unix socket in a temporary folder and leaves the system's printing alone.
# It offers queues that write each job as a PDF file to $QUORVANE_CUPS_OUT/<queue>.pdf:
#   QUORVANE_CUPS_QUEUES  queue names, in any order (default "pdf-a pdf-b pdf-c pdf-letter pdf-a3";
#                         "" for none); a queue whose name ends in "-letter" prints on Letter
#                         paper, one ending in "-a3" on A3, the others on A4. The generic PDF
#                         printer's paper sizes include Letter and A4 but not A3: the "-a3"
#                         queues use a copy of its description with A3 added.
#   QUORVANE_CUPS_DEFAULT the default queue (default pdf-b)
# The default printer is decided by the server alone: PRINTER and LPDEST are unset and
# HOME points at an empty folder, so no lpoptions file takes part.
set -euo pipefail
read -r -a queues <<<"${QUORVANE_CUPS_QUEUES-pdf-a pdf-b pdf-c pdf-letter pdf-a3}"
default_queue="${QUORVANE_CUPS_DEFAULT-pdf-b}"
ppd="lsb/usr/cupsfilters/Generic-PDF_Printer-PDF.ppd"

command -v cupsd >/dev/null || { echo "cupsd not found: install cups (scripts/deps.sh)" >&2; exit 1; }
root="$(mktemp -d /tmp/quorvane-cups.XXXXXX)"
chmod 755 "$root"
mkdir -p "$root"/{etc/ppd,spool/tmp,cache,state,log,run,out,home}
chmod 1777 "$root/out" "$root/spool/tmp"

cat >"$root/etc/cupsd.conf" <<CONF
Listen $root/run/cups.sock
Browsing No
WebInterface No
LogLevel warn
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
CONF
cat >"$root/etc/cups-files.conf" <<CONF
ServerRoot $root/etc
RequestRoot $root/spool
TempDir $root/spool/tmp
CacheDir $root/cache
StateDir $root/state
AccessLog $root/log/access_log
ErrorLog $root/log/error_log
PageLog $root/log/page_log
FileDevice Yes
SystemGroup root
CONF

cupsd -f -c "$root/etc/cupsd.conf" -s "$root/etc/cups-files.conf" &
cupsd_pid=$!
stop_cupsd() {
  kill "$cupsd_pid" 2>/dev/null || true
  wait "$cupsd_pid" 2>/dev/null || true
  rm -rf "$root"
}
trap stop_cupsd EXIT

export CUPS_SERVER="$root/run/cups.sock"
for _ in $(seq 1 100); do
  lpstat -r >/dev/null 2>&1 && break
  sleep 0.1
done
lpstat -r >/dev/null 2>&1 || { echo "cupsd did not start; see $root/log" >&2; cat "$root/log/error_log" >&2 || true; exit 1; }

# The generic description with A3 (842 x 1191 pt, the same margins as its A4) after each A4 line.
ppd_a3="$root/etc/generic-pdf-a3.ppd"
{ gzip -cdf "/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd" 2>/dev/null || true; } |
  sed -e '/^\*PageSize A4\/A4:/a *PageSize A3/A3: "@PJL SET PAPER=A3<0A>"' \
      -e '/^\*PageRegion A4\/A4:/a *PageRegion A3/A3: "@PJL SET PAPER=A3<0A>"' \
      -e '/^\*ImageableArea A4\/A4:/a *ImageableArea A3/A3: "18 36 824 1155"' \
      -e '/^\*PaperDimension A4\/A4:/a *PaperDimension A3/A3: "842 1191"' >"$ppd_a3"
grep -q '^\*PaperDimension A3/A3' "$ppd_a3" || { echo "the generic PDF printer's description was not found" >&2; exit 1; }

# lpadmin warns that printer drivers are deprecated; its messages go to the log.
admin() { lpadmin "$@" 2>>"$root/log/lpadmin_log" || { cat "$root/log/lpadmin_log" >&2; exit 1; }; }
for q in "${queues[@]}"; do
  paper=A4
  driver=(-m "$ppd")
  [[ "$q" == *-letter ]] && paper=Letter
  [[ "$q" == *-a3 ]] && paper=A3 && driver=(-P "$ppd_a3")
  admin -p "$q" -E -v "file://$root/out/$q.pdf" "${driver[@]}" -o "PageSize=$paper"
done
if [ ${#queues[@]} -gt 0 ] && [ -n "$default_queue" ]; then
  admin -d "$default_queue"
fi

unset PRINTER LPDEST
export HOME="$root/home"
export QUORVANE_CUPS_OUT="$root/out"
"$@"

#!/bin/sh
# A private CUPS scheduler with one PDF printer as its default destination,
# for the printing test. Nothing of the system's CUPS setup is used or
# changed: configuration, spool, logs and the scheduler's socket live under
# the given directory.
#
#   cups_sandbox.sh start DIR   prints OUT=<folder the PDFs are written to>
#                               and SOCKET=<scheduler socket>; exit 2 when
#                               cupsd cannot run at all, 1 on other failures
#   cups_sandbox.sh stop DIR    stops the scheduler started for DIR
#
# The PDF backend reads its settings from a fixed path, /etc/cups/cups-pdf.conf.
# Where the scheduler may run in a mount namespace of its own (root with
# CAP_SYS_ADMIN, as in the usual CI container), that path is covered there by
# a private copy that sends the PDFs to DIR/out; the system's file is not
# touched. Elsewhere the backend writes where the system's file says (by
# default ~/PDF of the user who prints), and OUT names that folder.
set -u

command="${1:-}"
dir="${2:-}"
[ -n "$command" ] && [ -n "$dir" ] || { echo "usage: $0 start|stop DIR" >&2; exit 1; }

socket="$dir/cups.sock"
printer=vorniapdf

find_ppd() {
    for ppd in /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd /usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd \
               /usr/share/cups/model/CUPS-PDF_opt.ppd /usr/share/cups/model/CUPS-PDF.ppd; do
        [ -f "$ppd" ] && { echo "$ppd"; return 0; }
    done
    return 1
}

# The folder the backend writes to under the system's configuration.
system_out_dir() {
    home=$(getent passwd "$(id -un)" | cut -d: -f6)
    out=$(sed -n 's/^[[:space:]]*Out[[:space:]]\{1,\}//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -n 1)
    [ -n "$out" ] || out='${HOME}/PDF'
    printf '%s\n' "$out" | sed "s|\${HOME}|$home|g"
}

start() {
    command -v cupsd >/dev/null 2>&1 || PATH="$PATH:/usr/sbin:/sbin"
    if ! command -v cupsd >/dev/null 2>&1; then
        echo "cupsd is not installed (Debian package cups)" >&2
        exit 2
    fi
    if ! ppd=$(find_ppd) || [ ! -x /usr/lib/cups/backend/cups-pdf ] && [ ! -f /usr/lib/cups/backend/cups-pdf ]; then
        echo "the PDF printer is not installed (Debian package printer-driver-cups-pdf)" >&2
        exit 2
    fi

    mkdir -p "$dir/etc/ppd" "$dir/spool/tmp" "$dir/cache" "$dir/state" "$dir/log" "$dir/out" "$dir/pdf-spool"
    # The scheduler drops to the lp user for filters, which must reach these.
    chmod 755 "$dir" "$dir/etc" "$dir/log" "$dir/cache" "$dir/state"
    chmod 1777 "$dir/out" "$dir/pdf-spool"

    cat > "$dir/etc/cupsd.conf" <<CONF
LogLevel debug
Listen $socket
Browsing No
WebInterface No
DefaultAuthType None
DefaultPolicy open
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy open>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
    cat > "$dir/etc/cups-files.conf" <<CONF
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
SystemGroup root
FileDevice No
CONF
    cat > "$dir/etc/cups-pdf.conf" <<CONF
Out $dir/out
AnonDirName $dir/out
Spool $dir/pdf-spool
Log $dir/log
LogType 3
Grp root
UserUMask 0022
CONF

    out_dir="$dir/out"
    if unshare --mount --propagation private true 2>/dev/null; then
        unshare --mount --propagation private sh -c '
            mount --bind "$1/etc" /etc/cups || exit 1
            exec cupsd -f -c "$1/etc/cupsd.conf" -s "$1/etc/cups-files.conf"' sh "$dir" \
            >"$dir/log/cupsd.out" 2>&1 &
    else
        out_dir=$(system_out_dir)
        cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" >"$dir/log/cupsd.out" 2>&1 &
    fi
    echo $! > "$dir/cupsd.pid"

    tries=0
    until lpstat -h "$socket" -r >/dev/null 2>&1; do
        tries=$((tries + 1))
        if [ $tries -gt 100 ] || ! kill -0 "$(cat "$dir/cupsd.pid")" 2>/dev/null; then
            echo "cupsd did not start:" >&2
            cat "$dir/log/cupsd.out" "$dir/log/error_log" >&2 2>/dev/null
            stop
            exit 2
        fi
        sleep 0.1
    done

    # The scheduler answers status requests a moment before it takes
    # administrative ones; try again for a few seconds.
    tries=0
    until lpadmin -h "$socket" -p "$printer" -E -v cups-pdf:/ -P "$ppd" >"$dir/log/lpadmin.out" 2>&1 &&
          lpadmin -h "$socket" -d "$printer" >>"$dir/log/lpadmin.out" 2>&1; do
        tries=$((tries + 1))
        if [ $tries -gt 50 ]; then
            echo "could not add the PDF printer:" >&2
            cat "$dir/log/lpadmin.out" >&2
            stop
            exit 1
        fi
        sleep 0.2
    done
    echo "OUT=$out_dir"
    echo "SOCKET=$socket"
}

stop() {
    [ -f "$dir/cupsd.pid" ] || return 0
    pid=$(cat "$dir/cupsd.pid")
    if kill "$pid" 2>/dev/null; then
        tries=0
        while kill -0 "$pid" 2>/dev/null && [ $tries -lt 50 ]; do
            tries=$((tries + 1))
            sleep 0.1
        done
        kill -KILL "$pid" 2>/dev/null
    fi
    rm -f "$dir/cupsd.pid"
}

case "$command" in
start) start ;;
stop) stop ;;
*) echo "usage: $0 start|stop DIR" >&2; exit 1 ;;
esac

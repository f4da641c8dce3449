# Sourced by the test script: a CUPS scheduler of its own with the cups-pdf
# printer "PDF", for the tests that print. Private configuration, spool and
# socket, so that runs from several work trees neither share nor stop each
# other's scheduler; Wine and the CUPS tools find it through CUPS_SERVER.
# The PDFs go where /etc/cups/cups-pdf.conf says (its "Out" line), which the
# tests learn from VELMO_PDF_DIR.
start_print_queue() {
    PRINT_QUEUE_DIR=$(mktemp -d /tmp/velmo-cups.XXXXXX)
    local d=$PRINT_QUEUE_DIR
    # Filters run as the "lp" user and must reach the spool and temp files.
    chmod 755 "$d"
    mkdir -p "$d/conf" "$d/spool" "$d/cache" "$d/state" "$d/log" "$d/tmp"
    chmod 1777 "$d/tmp"
    cat >"$d/conf/cupsd.conf" <<CONF
Listen $d/cups.sock
Browsing Off
WebInterface No
LogLevel warn
ErrorPolicy abort-job
<Location />
  Order allow,deny
  Allow all
</Location>
CONF
    cat >"$d/conf/cups-files.conf" <<CONF
ServerRoot $d/conf
RequestRoot $d/spool
CacheDir $d/cache
StateDir $d/state
TempDir $d/tmp
ErrorLog $d/log/error_log
AccessLog $d/log/access_log
PageLog $d/log/page_log
SystemGroup root
CONF
    cupsd -f -c "$d/conf/cupsd.conf" -s "$d/conf/cups-files.conf" >"$d/log/cupsd.out" 2>&1 &
    PRINT_QUEUE_PID=$!
    export CUPS_SERVER=$d/cups.sock
    local running=""
    for _ in $(seq 100); do
        case "$(lpstat -r 2>/dev/null)" in
            "scheduler is running") running=1; break ;;
        esac
        sleep 0.1
    done
    if [ -z "$running" ]; then
        echo "The CUPS scheduler did not start:" >&2
        cat "$d/log/cupsd.out" "$d/log/error_log" >&2 2>/dev/null || true
        return 1
    fi
    # lpadmin warns that printer drivers are deprecated; the queue works.
    lpadmin -p PDF -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -E 2>/dev/null
    lpadmin -d PDF
    local home out
    home=$(getent passwd "$(id -un)" | cut -d: -f6)
    out=$(sed -n 's/^Out[[:space:]]\{1,\}//p' /etc/cups/cups-pdf.conf | tail -n 1)
    out=${out:-/var/spool/cups-pdf/\$\{USER\}}
    out=${out//\$\{HOME\}/$home}
    out=${out//\$\{USER\}/$(id -un)}
    mkdir -p "$out"
    export VELMO_PDF_DIR=$out
}

stop_print_queue() {
    if [ -n "${PRINT_QUEUE_PID:-}" ]; then
        kill "$PRINT_QUEUE_PID" 2>/dev/null || true
        wait "$PRINT_QUEUE_PID" 2>/dev/null || true
        PRINT_QUEUE_PID=""
    fi
    [ -n "${PRINT_QUEUE_DIR:-}" ] && rm -rf "$PRINT_QUEUE_DIR"
    PRINT_QUEUE_DIR=""
}

#!/usr/bin/env bash
# Runs a print server of its own on a private socket, with its configuration, spool and state
# in a temporary folder, and checks what the advert shows: the default queue's special, and
# "None" (no special) once the server cannot be reached. Nothing outside the folder changes.
# Usage: private-cupsd.sh PROBE   (PROBE prints the advert's special, one key=value a line)
set -euo pipefail
probe=$1
cupsd=$(PATH="$PATH:/usr/sbin:/sbin" command -v cupsd || true)
lpadmin=$(PATH="$PATH:/usr/sbin:/sbin" command -v lpadmin || true)
if [[ -z $cupsd || -z $lpadmin ]]; then
    echo "SKIPPED: cupsd or lpadmin is not installed (Debian packages cups, cups-client)"
    exit 77
fi

root=$(mktemp -d)
server_pid=
stop() {
    if [[ -n $server_pid ]]; then
        kill "$server_pid" 2>/dev/null || true
        wait "$server_pid" 2>/dev/null || true
    fi
    rm -rf "$root"
}
trap stop EXIT
mkdir -p "$root"/{etc,cache,spool/tmp,state,log,home,runtime}
chmod 755 "$root"
chmod 700 "$root/runtime"

cat >"$root/etc/cupsd.conf" <<CONF
Listen $root/cups.sock
Browsing No
WebInterface No
LogLevel warn
DefaultAuthType None
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cat >"$root/etc/cups-files.conf" <<CONF
FileDevice Yes
ServerRoot $root/etc
CacheDir $root/cache
StateDir $root/state
RequestRoot $root/spool
TempDir $root/spool/tmp
AccessLog $root/log/access_log
ErrorLog $root/log/error_log
PageLog $root/log/page_log
CONF

# The client side looks only here: no user or system client configuration, no other server.
export CUPS_SERVER=$root/cups.sock CUPS_SERVERROOT=$root/etc HOME=$root/home XDG_RUNTIME_DIR=$root/runtime
unset PRINTER LPDEST

"$cupsd" -f -c "$root/etc/cupsd.conf" -s "$root/etc/cups-files.conf" &
server_pid=$!
for _ in $(seq 100); do
    [[ -S $root/cups.sock ]] && break
    sleep 0.1
done
if [[ ! -S $root/cups.sock ]]; then
    echo "FAILED: the private cupsd did not start"
    cat "$root/log/error_log" 2>/dev/null || true
    exit 1
fi

"$lpadmin" -p advert_test -E -v file:/dev/null -D "Epson Stylus Photo 750" 2>&1 | grep -v -i deprecat || true
"$lpadmin" -d advert_test

fail=0
expect() { # what the probe printed, a wanted line
    if grep -qxF -- "$2" <<<"$1"; then
        echo "ok: $2"
    else
        echo "FAILED: wanted $2, the advert showed:"
        echo "$1"
        fail=1
    fi
}

shown=$("$probe")
expect "$shown" "panel=shown"
expect "$shown" "name=Epson Stylus Photo 750"
expect "$shown" 'price=$7.95'
expect "$shown" "link=https://inkfairn.example/epson_stylus_photo_750.html"

# A queue without a description of its own is shown by its name, "_" as blanks.
"$lpadmin" -p HP_Deskjet_900 -E -v file:/dev/null 2>&1 | grep -v -i deprecat || true
"$lpadmin" -d HP_Deskjet_900
expect "$("$probe")" 'price=$12.95'
expect "$("$probe")" "name=HP Deskjet 900"

# A description from the server is text, never markup: nothing it names is loaded.
hostile='<b>Bold</b><img src=/dev/zero>'
"$lpadmin" -p hostile_queue -E -v file:/dev/null -D "$hostile" 2>&1 | grep -v -i deprecat || true
"$lpadmin" -d hostile_queue
expect "$("$probe")" "name=$hostile"

# No server at all: the advert opens without the special.
kill "$server_pid"
wait "$server_pid" 2>/dev/null || true
server_pid=
shown=$("$probe")
expect "$shown" "panel=hidden"
expect "$shown" "blinking=no"

exit $fail

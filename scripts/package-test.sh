#!/usr/bin/env bash
# Builds the Debian package and checks it the way a user meets it: validates the desktop entry
# and the AppStream metainfo, installs the package with apt, runs the installed report tool
# and compares its output byte for byte with the build tree's, renders both man pages, starts
# the installed window from its desktop entry under Xvfb until its title appears, removes the
# package again and checks that nothing of it is left. Packages that apt pulled in for it are
# removed as well, so the machine is left as it was. Needs root; exits non-zero on any failure.
#
#   scripts/package-test.sh [BUILD_DIR]      (default: build, the test command's build)
set -euo pipefail
cd "$(dirname "$0")/.."

bau="${1:-build}"
id=org.zorvanta.Zorvanta
apt_optionen=(-y -qq -o DPkg::Lock::Timeout=600)
export DEBIAN_FRONTEND=noninteractive

fehler() {
    echo "package-test: $*" >&2
    exit 1
}
installiert() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}
pakete_installiert() {
    dpkg-query -W -f='${db:Status-Abbrev} ${Package}:${Architecture}\n' | awk '$1 == "ii" {print $2}' | sort
}

[ "$(id -u)" -eq 0 ] || fehler "braucht root (apt-get install und remove)"
scripts/install-deps.sh dpkg-dev file desktop-file-utils appstream man-db xdotool
if installiert zorvanta; then
    fehler "zorvanta ist schon installiert; erst 'apt-get remove zorvanta', dann erneut starten"
fi

paket=$(bash scripts/package.sh "$bau" | tail -n 1)
echo "Paket: $paket"
echo "Depends: $(dpkg-deb -f "$paket" Depends)"

arbeit=$(mktemp -d)
chmod 755 "$arbeit"
vorher="$arbeit/pakete-vorher"
pakete_installiert >"$vorher"
wir_installierten=0

aufraeumen() {
    local status=$?
    set +e
    if [ "$wir_installierten" -eq 1 ] && installiert zorvanta; then
        apt-get remove "${apt_optionen[@]}" zorvanta >/dev/null
    fi
    # What apt installed for the package goes again.
    if [ -f "$vorher" ]; then
        mapfile -t neu < <(comm -13 "$vorher" <(pakete_installiert))
        if [ ${#neu[@]} -gt 0 ]; then
            echo "Entferne die für das Paket installierten Pakete: ${neu[*]}"
            apt-get purge "${apt_optionen[@]}" "${neu[@]}" >/dev/null
        fi
    fi
    rm -rf "$arbeit"
    exit $status
}
trap aufraeumen EXIT

# --- The files as packaged --------------------------------------------------------------
inhalt="$arbeit/inhalt"
dpkg-deb -x "$paket" "$inhalt"
erwartet=(
    usr/bin/zorvanta
    usr/bin/zorvanta-report
    usr/share/applications/$id.desktop
    usr/share/metainfo/$id.metainfo.xml
    usr/share/icons/hicolor/scalable/apps/$id.svg
    usr/share/man/man1/zorvanta.1.gz
    usr/share/man/man1/zorvanta-report.1.gz
    usr/share/doc/zorvanta/README.md
    usr/share/doc/zorvanta/LICENSE
    usr/share/doc/zorvanta/copyright
    usr/share/doc/zorvanta/changelog.Debian.gz
)
for groesse in 16 32 48 64 128 256; do
    bild=usr/share/icons/hicolor/${groesse}x${groesse}/apps/$id.png
    erwartet+=("$bild")
    [ -f "$inhalt/$bild" ] || fehler "fehlt im Paket: /$bild"
    file -b "$inhalt/$bild" | grep -q "^PNG image data, $groesse x $groesse," ||
        fehler "/$bild ist kein PNG von $groesse x $groesse Pixeln: $(file -b "$inhalt/$bild")"
done
for pfad in "${erwartet[@]}"; do
    [ -f "$inhalt/$pfad" ] || fehler "fehlt im Paket: /$pfad"
done

# Every library a program links directly comes from a package that Depends names.
abhaengig=$(dpkg-deb -f "$paket" Depends | tr ',|' '\n\n' | sed 's/(.*//; s/[[:space:]]//g')
for programm in zorvanta zorvanta-report; do
    for bibliothek in $(readelf -d "$inhalt/usr/bin/$programm" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
        quellen=$(dpkg -S "*/$bibliothek" 2>/dev/null | sed 's/: .*//' | tr ',' '\n' | sed 's/:.*//; s/[[:space:]]//g' | sort -u)
        [ -n "$quellen" ] || fehler "$bibliothek ($programm) gehört zu keinem Paket"
        grep -qxFf <(echo "$quellen") <<<"$abhaengig" ||
            fehler "$programm braucht $bibliothek aus $(echo $quellen), Depends nennt keins davon"
    done
done

echo "== desktop-file-validate"
desktop="$inhalt/usr/share/applications/$id.desktop"
pruefung=$(desktop-file-validate "$desktop" 2>&1) || fehler "desktop-file-validate: $pruefung"
[ -z "$pruefung" ] || echo "$pruefung"
if grep -qE ': (error|warning):' <<<"$pruefung"; then fehler "desktop-file-validate meldet Fehler oder Warnungen"; fi
# The entry names the installed icon and program.
symbol=$(sed -n 's/^Icon=//p' "$desktop")
[ "$symbol" = "$id" ] || fehler "Icon=$symbol nennt nicht das installierte Symbol $id"
befehl=$(sed -n 's/^Exec=//p' "$desktop")
[ -f "$inhalt/usr/bin/${befehl%% *}" ] || fehler "Exec=$befehl ist kein Programm des Pakets"

echo "== appstreamcli validate --no-net"
appstreamcli validate --no-net "$inhalt/usr/share/metainfo/$id.metainfo.xml" ||
    fehler "appstreamcli validate meldet Fehler"

# --- Installed ------------------------------------------------------------------------------
# Which of the package's paths (its directories, such as /usr/share/man/man1) were there before.
dpkg-deb -c "$paket" | awk '{print $NF}' | sed 's|^\./|/|; s|/$||' | grep -v '^$' >"$arbeit/inhalt-liste"
while read -r pfad; do
    [ -e "$pfad" ] && echo "$pfad"
done <"$arbeit/inhalt-liste" >"$arbeit/schon-da"

echo "== apt-get install $paket"
wir_installierten=1
apt-get install "${apt_optionen[@]}" "$paket" >"$arbeit/apt.log" 2>&1 || {
    cat "$arbeit/apt.log"
    fehler "apt-get install schlug fehl"
}
installiert zorvanta || fehler "zorvanta ist nach apt-get install nicht installiert"
dpkg -L zorvanta | sort >"$arbeit/dpkg-L"
for pfad in "${erwartet[@]}"; do
    [ -f "/$pfad" ] || fehler "nicht installiert: /$pfad"
done

# Both programs from the standard PATH, whatever else is in the caller's PATH.
systempfad=/usr/sbin:/usr/bin:/sbin:/bin
for programm in zorvanta zorvanta-report; do
    [ "$(PATH=$systempfad command -v "$programm")" = "/usr/bin/$programm" ] ||
        fehler "$programm ist nicht /usr/bin/$programm im PATH"
done

echo "== /usr/bin/zorvanta-report gegen $bau/cli/zorvanta-report"
printf '12.5\n7\n-3\n7\n1e3\n' >"$arbeit/werte.txt"
vergleichen() {
    set +e
    /usr/bin/zorvanta-report "$@" <"$arbeit/werte.txt" >"$arbeit/installiert.out" 2>"$arbeit/installiert.err"
    local status_installiert=$?
    "$bau/cli/zorvanta-report" "$@" <"$arbeit/werte.txt" >"$arbeit/baum.out" 2>"$arbeit/baum.err"
    local status_baum=$?
    set -e
    cmp "$arbeit/installiert.out" "$arbeit/baum.out" || fehler "andere Ausgabe bei: zorvanta-report $*"
    cmp "$arbeit/installiert.err" "$arbeit/baum.err" ||
        fehler "andere Standardfehlerausgabe bei: zorvanta-report $*"
    [ "$status_installiert" -eq "$status_baum" ] ||
        fehler "Rückgabewert $status_installiert statt $status_baum bei: zorvanta-report $*"
    [ -s "$arbeit/installiert.out" ] || [ -s "$arbeit/installiert.err" ] ||
        fehler "keine Ausgabe bei: zorvanta-report $*"
    echo "gleich ($(wc -c <"$arbeit/installiert.out") Bytes, Status $status_installiert): $*"
}
vergleichen --help
vergleichen --list
vergleichen --select all --detail --decimals 4 --a1 '3.5 1 4 1 5 9 2 6'
vergleichen --select all --detail --a1-file - --locale en_US
vergleichen --mode 2 --select all --detail --separator semicolon --locale de_DE \
    --a1 '10;20;5,5;8' --a2 '3;7;15;2'
vergleichen --mode 2 --select 'Lineare Regression' --select Determinationskoeffizient --detail \
    --a1 '2 2 2' --a2 '1 2 3'
vergleichen --mode 2 --select all --a1 '1 2' --a2 '1'
vergleichen --select Median --a1 '1 x 3'
vergleichen --select Mittelwert --a1 '1 2'

echo "== man"
for seite in zorvanta zorvanta-report; do
    datei=/usr/share/man/man1/$seite.1.gz
    man -a -w "$seite" | grep -qxF "$datei" || fehler "man findet $datei nicht: $(man -a -w "$seite" 2>&1)"
    LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings=w -l "$datei" >"$arbeit/$seite.txt" 2>"$arbeit/$seite.err" ||
        fehler "man -l $datei schlug fehl: $(cat "$arbeit/$seite.err")"
    [ ! -s "$arbeit/$seite.err" ] || fehler "man -l $datei warnt: $(cat "$arbeit/$seite.err")"
    for abschnitt in BEZEICHNUNG ÜBERSICHT BESCHREIBUNG OPTIONEN RÜCKGABEWERT; do
        grep -q "^$abschnitt" "$arbeit/$seite.txt" || fehler "$seite(1) hat keinen Abschnitt $abschnitt"
    done
    grep -q '^BEISPIEL' "$arbeit/$seite.txt" || fehler "$seite(1) hat kein Beispiel"
    echo "$seite(1): $(wc -l <"$arbeit/$seite.txt") Zeilen, keine Warnung"
done
# Every option the installed tool lists in its help has its own paragraph in the man page (an
# indented line that begins with it), not just a mention in an example.
for option in $(/usr/bin/zorvanta-report --help | grep -oE '^ +(-[a-z], )?--[a-z0-9-]+' | grep -oE -- '--[a-z0-9-]+'); do
    grep -qE -- "^ {7}(-[a-z], )?$option( |$)" "$arbeit/zorvanta-report.txt" ||
        fehler "zorvanta-report(1) beschreibt $option nicht"
done

echo "== Fenster: $befehl unter Xvfb"
export befehl systempfad
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    env -u QT_QPA_PLATFORM PATH=$systempfad $befehl >/dev/null 2>&1 &
    programm=$!
    fenster=$(timeout 30 xdotool search --sync --name "^Zorvanta\$" | head -n 1)
    ergebnis=1
    if [ -n "$fenster" ] && xdotool search --class "^zorvanta\$" | grep -qx "$fenster"; then
        echo "Fenster $fenster: Titel \"$(xdotool getwindowname "$fenster")\", Klasse zorvanta"
        ergebnis=0
    fi
    kill "$programm" 2>/dev/null
    wait "$programm" 2>/dev/null
    exit $ergebnis' || fehler "das installierte Fenster erschien nicht mit dem Titel Zorvanta und der Klasse zorvanta"

# --- Removed --------------------------------------------------------------------------------
echo "== apt-get remove zorvanta"
apt-get remove "${apt_optionen[@]}" zorvanta >/dev/null
wir_installierten=0
if dpkg-query -W -f='${Status}' zorvanta 2>/dev/null | grep -qv 'not-installed'; then
    fehler "dpkg kennt zorvanta nach dem Entfernen noch: $(dpkg-query -W -f='${Status}' zorvanta)"
fi
uebrig=0
while read -r pfad; do
    if grep -qxF "$pfad" "$arbeit/schon-da"; then
        [ -e "$pfad" ] || { echo "verschwunden, war vorher da: $pfad" >&2; uebrig=1; }
    elif [ -e "$pfad" ] || [ -L "$pfad" ]; then
        echo "nach dem Entfernen noch da: $pfad" >&2
        uebrig=1
    fi
done <"$arbeit/dpkg-L"
[ "$uebrig" -eq 0 ] || fehler "apt-get remove zorvanta hat nicht alles entfernt"
echo "Entfernt: von den $(wc -l <"$arbeit/dpkg-L") Pfaden des Pakets ist nur da, was schon vorher da war ($(wc -l <"$arbeit/schon-da") Verzeichnisse)"
echo "package-test: alle Prüfungen bestanden"

#!/usr/bin/env bash
# vadelto end to end in a real X server of its own (Xvfb), with its own session bus and
# accessibility bus: an embedded export through the real file dialog and time-template
# dialog, an embedded export whose file dialog is cancelled, an embedded run with an action
# word that runs nothing, and a stand-alone run.
# Screenshots go to the artifacts folder.
# Usage: e2e.sh VADELTO TEST_HOST NIVELLARI.DBF DOCUMENT ARTIFACTS_FOLDER DBFCHECK
set -euo pipefail

if [ "${VADELTO_E2E_DENTRO:-}" != 1 ]; then
  trabajo=$(mktemp -d "${TMPDIR:-/tmp}/vadelto-e2e-XXXXXX")
  trap 'rm -rf "$trabajo"' EXIT
  mkdir -m 0700 "$trabajo/runtime"
  export XDG_RUNTIME_DIR=$trabajo/runtime VADELTO_E2E_DENTRO=1 VADELTO_E2E_TRABAJO=$trabajo
  xvfb-run -a -s "-screen 0 1280x800x24 -nolisten tcp" dbus-run-session -- bash "$0" "$@"
  exit 0
fi

vadelto=$1 anfitrion=$2 nivellari=$3 documento=$4 artefactos=$5 dbfcheck=$6
trabajo=$VADELTO_E2E_TRABAJO
aqui=$(dirname "$0")
titulo="Exportar e importar datos entre Horavel y Racima"
mkdir -p "$artefactos"
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
  >/dev/null

# Every process started here is ended by its id when the script ends.
procesos=()
terminar() { for p in "${procesos[@]}"; do kill "$p" 2>/dev/null || true; done; }
trap terminar EXIT

fallo() {
  echo "FAILED: $*" >&2
  exit 1
}
paso() { echo "-- $*"; }

# The id of the visible window titled exactly $1, waiting up to 30 s for it.
esperar_ventana() {
  local id
  for _ in $(seq 300); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
    if [ -n "$id" ]; then
      echo "$id"
      return
    fi
    sleep 0.1
  done
  fallo "no window titled '$1'"
}

# Waits up to 30 s for the process $1 to end.
esperar_fin() {
  for _ in $(seq 300); do
    if ! kill -0 "$1" 2>/dev/null; then
      wait "$1" || fallo "vadelto ended with status $?"
      return
    fi
    sleep 0.1
  done
  fallo "vadelto did not end by itself"
}

# Answers the message box that is showing, after checking its text.
responder_aviso() {
  local aviso texto
  aviso=$(esperar_ventana Vadelto)
  texto=$(/usr/bin/python3 "$aqui/e2e_atspi.py" alerta) || fallo "no message box text"
  [ "$texto" = "$1" ] || fallo "message box says '$texto', not '$1'"
  xdotool windowfocus --sync "$aviso" key Return
}

# A program folder of its own (so Horavel.ini is written there) and a C: drive of its own.
preparar() {
  caso=$trabajo/$1
  programa=$caso/programa
  mkdir -p "$programa" "$caso/wine/drive_c/HVDAT"
  cp "$vadelto" "$programa/vadelto"
  cp "$nivellari" "$programa/NIVELLARI.DBF"
  cp "$documento" "$caso/racima.xml"
  export WINEPREFIX=$caso/wine
}

arrancar() {
  (cd "$caso" && exec "$programa/vadelto" "$@") &
  vadelto_pid=$!
  procesos+=("$vadelto_pid")
}

"$anfitrion" >"$trabajo/anfitrion.txt" &
procesos+=("$!")
for _ in $(seq 100); do [ -s "$trabajo/anfitrion.txt" ] && break; sleep 0.1; done
anfitrion_hex=$(head -n 1 "$trabajo/anfitrion.txt")
[ -n "$anfitrion_hex" ] || fallo "the test host printed no window id"
anfitrion_id=$((16#$anfitrion_hex))

paso "embedded export, through the file dialog and the time-template dialog"
preparar incrustada
arrancar exportar "$anfitrion_hex"
dialogo=$(esperar_ventana "Archivo XML")
hijo=$(xwininfo -tree -id "$anfitrion_id" | awk -v t="\"$titulo\"" 'index($0, t) {print $1; exit}')
[ -n "$hijo" ] || fallo "the window is no child of the host: $(xwininfo -tree -id "$anfitrion_id")"
xprop -id "$hijo" _MOTIF_WM_HINTS | grep -q '= 0x2, 0x1, 0x0' || fallo "the embedded window has a frame"
/usr/bin/python3 "$aqui/e2e_atspi.py" ventana "$titulo" >"$trabajo/arbol.txt" ||
  fallo "the embedded window is not in the accessibility tree"
for control in "push button|Aceptar" "push button|Salir" "push button|F1 Ayuda" \
  "label|Vadelto para QP7 V-1.0"; do
  grep -qxF "$control" "$trabajo/arbol.txt" || fallo "no '$control' in: $(cat "$trabajo/arbol.txt")"
done
import -window root "$artefactos/e2e-incrustada.png"
xdotool windowfocus --sync "$dialogo" type --delay 10 "$caso/racima.xml"
xdotool key Return
plantillas=$(esperar_ventana "Plantillas Horarias")
sleep 0.5
import -window "$plantillas" "$artefactos/e2e-plantillas.png"
# "Continuar" has the focus.
xdotool windowfocus --sync "$plantillas" key Return
responder_aviso "Proceso finalizado"
esperar_fin "$vadelto_pid"
printf '[Transformadores]\r\nTransformado=1\r\n' | cmp -s - "$programa/Horavel.ini" ||
  fallo "Horavel.ini reads: $(cat -A "$programa/Horavel.ini")"
for tabla in ASIGNOMT ASIGNOMT2 PROFT AULAT CURSOST GRUPOST ASIGT DIASHORAST2 DIASHORAST PERIODOS; do
  filas=$("$dbfcheck" dump "$WINEPREFIX/drive_c/HVDAT/$tabla.DBF" | grep -c '^row ') ||
    fallo "$tabla was not rebuilt"
  [ "$filas" -gt 0 ] || fallo "$tabla is empty"
done

paso "embedded export, file dialog cancelled"
preparar cancelada
arrancar EXPORTAR "$anfitrion_hex"
dialogo=$(esperar_ventana "Archivo XML")
xdotool windowfocus --sync "$dialogo" key Escape
responder_aviso "No existe archivo"
esperar_fin "$vadelto_pid"
printf '[Transformadores]\r\nTransformado=-1\r\n' | cmp -s - "$programa/Horavel.ini" ||
  fallo "Horavel.ini reads: $(cat -A "$programa/Horavel.ini")"
[ -z "$(ls -A "$WINEPREFIX/drive_c/HVDAT")" ] || fallo "a cancelled export wrote tables"

paso "embedded, an unknown action word: nothing runs; F1 and Salir work"
preparar desconocida
arrancar borrar "$anfitrion_hex"
hijo=""
for _ in $(seq 300); do
  hijo=$(xwininfo -tree -id "$anfitrion_id" | awk -v t="\"$titulo\"" 'index($0, t) {print $1; exit}')
  [ -n "$hijo" ] && [ "$(xdotool getwindowfocus)" = "$((hijo))" ] && break
  sleep 0.1
done
[ "$(xdotool getwindowfocus)" = "$((hijo))" ] || fallo "the embedded window has no keyboard focus"
xdotool key F1
responder_aviso "No se encuentra el archivo de ayuda DAZOD.chm en la carpeta $programa."
xdotool search --onlyvisible --name '^Archivo XML$' >/dev/null 2>&1 && fallo "a conversion ran"
# "&Salir" sits at 256, 32 in the bottom strip, which starts at 168.
xdotool mousemove --window "$hijo" 300 212 click 1
esperar_fin "$vadelto_pid"
printf '[Transformadores]\r\nTransformado=0\r\n' | cmp -s - "$programa/Horavel.ini" ||
  fallo "Horavel.ini reads: $(cat -A "$programa/Horavel.ini")"

paso "stand-alone"
preparar sola
arrancar
ventana=$(esperar_ventana "$titulo")
padre=$(xwininfo -tree -id "$ventana" | awk '/Parent window id:/ {print $4}')
raiz=$(xwininfo -root | awk '/Window id:/ {print $4}')
[ "$padre" = "$raiz" ] || fallo "the stand-alone window is not a top-level"
xprop -id "$ventana" _MOTIF_WM_HINTS | grep -q '= 0x2, 0x1, 0x0' && fallo "no frame"
sleep 0.5
import -window "$ventana" "$artefactos/e2e-ventana.png"
xdotool mousemove --window "$ventana" 300 212 click 1
esperar_fin "$vadelto_pid"
[ ! -e "$programa/Horavel.ini" ] || fallo "a stand-alone run wrote Horavel.ini"
paso "all good"

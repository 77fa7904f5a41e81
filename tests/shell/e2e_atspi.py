#!/usr/bin/python3
"""Reads vadelto's windows through the accessibility tree, for the end-to-end test.

  e2e_atspi.py ventana TITLE   the showing controls of the window TITLE: "role|name" lines
  e2e_atspi.py alerta          the texts of the message box that is showing
Both wait up to 20 s for what they look for, and fail when it does not appear.
"""
import sys
import time

import pyatspi


def aplicacion():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and (app.name or "").lower() == "vadelto":
            return app
    return None


def recorrer(nodo):
    yield nodo
    for i in range(nodo.childCount):
        hijo = nodo.getChildAtIndex(i)
        if hijo is not None:
            yield from recorrer(hijo)


def mostrando(nodo):
    return nodo.getState().contains(pyatspi.STATE_SHOWING)


def ventana(titulo):
    app = aplicacion()
    if app is None:
        return None
    for i in range(app.childCount):
        hijo = app.getChildAtIndex(i)
        if hijo is not None and hijo.name == titulo and mostrando(hijo):
            return [f"{n.getRoleName()}|{n.name}" for n in recorrer(hijo)
                    if n is not hijo and mostrando(n) and n.name]
    return None


def alerta():
    app = aplicacion()
    if app is None:
        return None
    for nodo in recorrer(app):
        if nodo.getRole() == pyatspi.ROLE_ALERT and mostrando(nodo):
            return [n.name for n in recorrer(nodo) if n.getRole() == pyatspi.ROLE_LABEL and n.name]
    return None


def main():
    orden = sys.argv[1]
    for _ in range(100):
        try:
            lineas = ventana(sys.argv[2]) if orden == "ventana" else alerta()
        except Exception:  # a window vanishing mid-walk
            lineas = None
        if lineas:
            print("\n".join(lineas))
            return 0
        time.sleep(0.2)
    print(f"nothing found for {sys.argv[1:]}", file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())

#include "shell/anfitrion.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
#include <cstdlib>

namespace vadelto {
namespace {

xcb_connection_t* ConexionX11() {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 ? x11->connection() : nullptr;
}

}  // namespace

bool AnfitrionX11::Existe(std::uint32_t manejador) {
  xcb_connection_t* conexion = ConexionX11();
  if (!conexion) return false;
  xcb_generic_error_t* error = nullptr;
  auto* atributos = xcb_get_window_attributes_reply(
      conexion, xcb_get_window_attributes(conexion, manejador), &error);
  std::free(error);
  const bool existe = atributos != nullptr;
  std::free(atributos);
  return existe;
}

void AnfitrionX11::Incrustar(QWidget& ventana, std::uint32_t manejador) {
  ventanaAnfitriona_.reset(QWindow::fromWinId(manejador));
  // Qt creates the native window only now; the order (handle, parent, then show) matters.
  ventana.winId();
  ventana.windowHandle()->setParent(ventanaAnfitriona_.get());

  // Qt reads a foreign window's size as 0x0: ask X.
  xcb_connection_t* conexion = ConexionX11();
  auto* geometria =
      xcb_get_geometry_reply(conexion, xcb_get_geometry(conexion, manejador), nullptr);
  if (geometria) {
    ventana.move(std::max(0, (geometria->width - ventana.width()) / 2),
                 std::max(0, (geometria->height - ventana.height()) / 2));
    std::free(geometria);
  }
}

void AnfitrionX11::DarFoco(QWidget& ventana) {
  if (xcb_connection_t* conexion = ConexionX11(); conexion && ventana.isVisible()) {
    xcb_set_input_focus(conexion, XCB_INPUT_FOCUS_PARENT,
                        static_cast<xcb_window_t>(ventana.winId()), XCB_CURRENT_TIME);
    xcb_flush(conexion);
  }
}

}  // namespace vadelto

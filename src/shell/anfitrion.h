#pragma once

// The host's native window, into which an embedded main window goes.

#include <QWindow>
#include <cstdint>
#include <memory>

class QWidget;

namespace vadelto {

class Anfitrion {
 public:
  virtual ~Anfitrion() = default;
  // Whether `manejador` names an existing window.
  virtual bool Existe(std::uint32_t manejador) = 0;
  // Makes `ventana`, frameless and not yet shown, a child of that window.
  virtual void Incrustar(QWidget& ventana, std::uint32_t manejador) = 0;
  // Gives the keyboard to the embedded window, which the toolkit never activates itself.
  virtual void DarFoco(QWidget& ventana) = 0;
};

// An X11 host window. It must outlive the window embedded in it.
class AnfitrionX11 : public Anfitrion {
 public:
  bool Existe(std::uint32_t manejador) override;
  // The window goes to the middle of the host, or to its top-left corner when the host is
  // smaller than the window.
  void Incrustar(QWidget& ventana, std::uint32_t manejador) override;
  void DarFoco(QWidget& ventana) override;

 private:
  std::unique_ptr<QWindow> ventanaAnfitriona_;
};

}  // namespace vadelto

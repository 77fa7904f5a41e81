#pragma once

// Running a piece of a test in a forked child, where a fault can be injected without harming
// the test program: a limit on file sizes, the rights of an ordinary user, or death by
// SIGKILL at a chosen moment.

#include <sys/resource.h>
#include <sys/types.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace vadelto::prueba {

struct CondicionesHijo {
  // RLIMIT_FSIZE: no file may grow past this many bytes; writes beyond fail with EFBIG.
  std::optional<rlim_t> limiteArchivo;
  // When the tests run as root, the child becomes nobody, for whom permission bits count.
  bool sinPrivilegios = false;

  static CondicionesHijo ConLimite(rlim_t bytes) {
    CondicionesHijo condiciones;
    condiciones.limiteArchivo = bytes;
    return condiciones;
  }
  static CondicionesHijo SinPrivilegios() {
    CondicionesHijo condiciones;
    condiciones.sinPrivilegios = true;
    return condiciones;
  }
};

struct FinHijo {
  bool terminado = false;  // ended by itself (not killed)
  int estado = -1;         // its exit status: 0 when `cuerpo` returned, 1 when it threw
                           // vadelto::Error, 2 when it threw anything else
  int senal = 0;           // the signal that killed it
  std::string texto;       // what `cuerpo` returned, or the message of what it threw
};

// Forks; the child runs `cuerpo` under `condiciones` and ends without running the parent's
// destructors. The parent waits for it.
FinHijo EnHijo(const std::function<std::string()>& cuerpo, const CondicionesHijo& condiciones = {});

// For `cuerpo`: ends the child at once, as a crash or a power cut would.
[[noreturn]] void MatarEsteProceso();

// Another program holding a table open exclusively, as Horavel does while it works: a child
// process that opens the table and keeps it until this object goes.
class TablaAbiertaEnOtroProceso {
 public:
  explicit TablaAbiertaEnOtroProceso(const std::filesystem::path& tabla);
  ~TablaAbiertaEnOtroProceso();
  TablaAbiertaEnOtroProceso(const TablaAbiertaEnOtroProceso&) = delete;
  TablaAbiertaEnOtroProceso& operator=(const TablaAbiertaEnOtroProceso&) = delete;

 private:
  void Soltar();
  pid_t hijo_ = -1;
  int retener_ = -1;  // the child holds the table until this end of a pipe closes
};

// The uid and gid of the unprivileged user the child becomes (nobody).
uid_t UsuarioSinPrivilegios();
gid_t GrupoSinPrivilegios();

}  // namespace vadelto::prueba

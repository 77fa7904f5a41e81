#include "fiabilidad/proceso_hijo.h"

#include <pwd.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <exception>
#include <stdexcept>

#include "tables/dbase/table.h"
#include "text/error.h"

namespace vadelto::prueba {
namespace {

void EscribirTodo(int fd, const std::string& texto) {
  std::size_t hecho = 0;
  while (hecho < texto.size()) {
    const ssize_t n = ::write(fd, texto.data() + hecho, texto.size() - hecho);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    hecho += static_cast<std::size_t>(n);
  }
}

void Preparar(const CondicionesHijo& condiciones) {
  if (condiciones.limiteArchivo) {
    // Writes past the limit then fail with EFBIG instead of killing the child.
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limite{*condiciones.limiteArchivo, *condiciones.limiteArchivo};
    if (::setrlimit(RLIMIT_FSIZE, &limite) != 0) throw std::runtime_error("setrlimit");
  }
  if (condiciones.sinPrivilegios && ::geteuid() == 0) {
    if (::setgid(GrupoSinPrivilegios()) != 0 || ::setuid(UsuarioSinPrivilegios()) != 0) {
      throw std::runtime_error("setuid");
    }
  }
}

}  // namespace

uid_t UsuarioSinPrivilegios() {
  const passwd* nadie = ::getpwnam("nobody");
  return nadie ? nadie->pw_uid : 65534;
}

gid_t GrupoSinPrivilegios() {
  const passwd* nadie = ::getpwnam("nobody");
  return nadie ? nadie->pw_gid : 65534;
}

FinHijo EnHijo(const std::function<std::string()>& cuerpo, const CondicionesHijo& condiciones) {
  int tubo[2];
  if (::pipe(tubo) != 0) throw std::runtime_error("pipe");
  const pid_t hijo = ::fork();
  if (hijo < 0) throw std::runtime_error("fork");
  if (hijo == 0) {
    ::close(tubo[0]);
    int estado = 0;
    std::string texto;
    try {
      Preparar(condiciones);
      texto = cuerpo();
    } catch (const Error& error) {
      estado = 1;
      texto = error.Mensaje();
    } catch (const std::exception& error) {
      estado = 2;
      texto = error.what();
    }
    EscribirTodo(tubo[1], texto);
    ::_exit(estado);
  }
  ::close(tubo[1]);
  FinHijo fin;
  char bloque[4096];
  for (;;) {
    const ssize_t n = ::read(tubo[0], bloque, sizeof bloque);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    fin.texto.append(bloque, static_cast<std::size_t>(n));
  }
  ::close(tubo[0]);
  int estado = 0;
  while (::waitpid(hijo, &estado, 0) < 0 && errno == EINTR) {
  }
  fin.terminado = WIFEXITED(estado);
  fin.estado = fin.terminado ? WEXITSTATUS(estado) : -1;
  fin.senal = WIFSIGNALED(estado) ? WTERMSIG(estado) : 0;
  return fin;
}

TablaAbiertaEnOtroProceso::TablaAbiertaEnOtroProceso(const std::filesystem::path& tabla) {
  int lista[2], retener[2];
  if (::pipe(lista) != 0 || ::pipe(retener) != 0) throw std::runtime_error("pipe");
  hijo_ = ::fork();
  if (hijo_ < 0) throw std::runtime_error("fork");
  if (hijo_ == 0) {
    ::close(lista[0]);
    ::close(retener[1]);
    char abierta = 'n';
    try {
      dbase::Table otra(tabla, "otro programa");
      otra.Open(dbase::Access::Exclusive);
      abierta = 's';
      EscribirTodo(lista[1], std::string(1, abierta));
      char nada;
      while (::read(retener[0], &nada, 1) < 0 && errno == EINTR) {
      }
    } catch (const Error&) {
      EscribirTodo(lista[1], std::string(1, abierta));
    }
    ::_exit(0);
  }
  ::close(lista[1]);
  ::close(retener[0]);
  retener_ = retener[1];
  char abierta = 'n';
  while (::read(lista[0], &abierta, 1) < 0 && errno == EINTR) {
  }
  ::close(lista[0]);
  if (abierta != 's') {
    Soltar();
    throw std::runtime_error("the other process could not open the table");
  }
}

TablaAbiertaEnOtroProceso::~TablaAbiertaEnOtroProceso() {
  Soltar();
}

void TablaAbiertaEnOtroProceso::Soltar() {
  if (hijo_ < 0) return;
  ::close(retener_);
  while (::waitpid(hijo_, nullptr, 0) < 0 && errno == EINTR) {
  }
  hijo_ = -1;
}

void MatarEsteProceso() {
  ::kill(::getpid(), SIGKILL);
  ::_exit(99);  // not reached
}

}  // namespace vadelto::prueba

#include "sintetico.h"

#include <cstdint>
#include <string_view>
#include <vector>

#include "tables/dbase/table.h"
#include "tables/tablas_trabajo.h"
#include "text/cp1252.h"

namespace vadelto::sintetico {
namespace {
namespace fs = std::filesystem;

// A small generator of its own, so the bytes do not depend on the standard library's.
class Azar {
 public:
  explicit Azar(unsigned semilla) : estado_(semilla * 2654435761u + 1) {}
  std::uint32_t operator()(std::uint32_t hasta) {
    estado_ ^= estado_ << 13;
    estado_ ^= estado_ >> 7;
    estado_ ^= estado_ << 17;
    return static_cast<std::uint32_t>(estado_ % hasta);
  }

 private:
  std::uint64_t estado_;
};

constexpr const char* kMaterias[] = {"Matemáticas",
                                     "Lengua Castellana y Literatura",
                                     "Inglés",
                                     "Física y Química",
                                     "Biología y Geología",
                                     "Geografía e Historia",
                                     "Educación Física",
                                     "Música",
                                     "Tecnología",
                                     "Educación Plástica",
                                     "Francés",
                                     "Latín",
                                     "Griego",
                                     "Filosofía",
                                     "Economía",
                                     "Religión",
                                     "Valores Éticos",
                                     "Informática",
                                     "Dibujo Técnico",
                                     "Historia del Arte"};
constexpr const char* kApellidos[] = {"García", "López",  "Martínez", "Sánchez",  "Pérez",
                                      "Gómez",  "Ruiz",   "Díaz",     "Moreno",   "Álvarez",
                                      "Muñoz",  "Romero", "Alonso",   "Gutiérrez"};
constexpr const char* kNombres[] = {"Ana",    "José",  "María", "Luis",  "Carmen",
                                    "Javier", "Lucía", "Pedro", "Elena", "Íñigo"};

template <std::size_t N>
const char* Elegir(const char* const (&lista)[N], std::uint32_t i) {
  return lista[i % N];
}

std::string Escapado(std::string_view texto) {
  std::string salida;
  for (char c : texto) {
    if (c == '&')
      salida += "&amp;";
    else if (c == '<')
      salida += "&lt;";
    else
      salida += c;
  }
  return salida;
}

class Escritor {
 public:
  void Abrir(const char* seq, int registros) {
    xml_ += "<grupo_datos seq=\"";
    xml_ += seq;
    xml_ += "\" registros=\"" + std::to_string(registros) + "\">\n";
    numero_ = 0;
  }
  void Registro(const std::vector<std::string>& datos) {
    xml_ += "  <grupo_datos seq=\"ID_" + std::to_string(++numero_) + "\">";
    for (std::size_t p = 0; p < datos.size(); ++p) {
      xml_ += "<dato nombre_dato=\"D" + std::to_string(p) + "\">" + Escapado(datos[p]) + "</dato>";
    }
    xml_ += "</grupo_datos>\n";
  }
  void Cerrar() { xml_ += "</grupo_datos>\n"; }
  std::string& Xml() { return xml_; }

 private:
  std::string xml_;
  int numero_ = 0;
};

int CursosDe(const Tamano& t) {
  return t.grupos / 5 > 0 ? t.grupos / 5 : 1;
}

}  // namespace

Tamano TamanoS() {
  return {150, 800, 60, 40, 4000};
}

Tamano Escalado(const Tamano& base, int veces) {
  return {base.profesores * veces, base.ofertas * veces, base.grupos * veces, base.tramosDia,
          base.entradas * veces};
}

std::string DocumentoXml(const Tamano& t, unsigned semilla, bool repetidos) {
  Azar azar(semilla);
  Escritor e;
  e.Xml() =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<SERVICIO modulo=\"HORARIOS\" tipo=\"E\" autor=\"RACIMA\">\n<BLOQUE_DATOS>\n"
      "<grupo_datos seq=\"ANNO_ACADEMICO\"><dato "
      "nombre_dato=\"C_ANNO\">2024</dato></grupo_datos>\n";
  const int cursos = CursosDe(t);

  e.Abrir("MATERIAS", t.ofertas);
  for (int i = 0; i < t.ofertas; ++i) {
    const std::uint32_t m = azar(repetidos ? 8 : 20);
    std::string nombre = Elegir(kMaterias, m);
    std::string materia = std::to_string(300 + m);
    if (repetidos) {
      // The same name in capitals or with blanks, a name of its own, a repeated pair.
      switch (azar(6)) {
        case 0:
          nombre = " " + nombre + "  ";
          break;
        case 1:
          for (char& c : nombre)
            if (c >= 'a' && c <= 'z') c -= 32;
          break;
        case 2:
          materia = std::to_string(300 + azar(40));
          break;
        default:
          break;
      }
    } else {
      nombre += " " + std::to_string(1 + i / 20 % 50);
      materia = std::to_string(300 + i);
    }
    e.Registro({std::to_string(6000 + (repetidos ? azar(cursos) : i % cursos)), materia, nombre});
  }
  e.Cerrar();

  e.Abrir("ACTIVIDADES", 3);
  e.Registro({"x", "901", "Guardia"});
  e.Registro({"x", "902", "Tutoría"});
  e.Registro({"x", "903", "Reunión de departamento"});
  e.Cerrar();

  e.Abrir("EMPLEADOS", t.profesores);
  for (int i = 0; i < t.profesores; ++i) {
    const std::uint32_t nombres = repetidos ? 4 : 10;
    e.Registro({"E" + std::to_string(repetidos ? azar(t.profesores) : i), "01/09/2010", "X",
                Elegir(kApellidos, azar(nombres)), Elegir(kApellidos, azar(nombres)),
                Elegir(kNombres, azar(nombres))});
  }
  e.Cerrar();

  const int aulas = t.grupos / 2 + 10;
  e.Abrir("DEPENDENCIAS", aulas);
  for (int i = 0; i < aulas; ++i) {
    e.Registro({std::to_string(10000 + i), "Aula " + std::to_string(repetidos ? azar(5) : i / 10) +
                                               "." + std::to_string(i % 10)});
  }
  e.Cerrar();

  e.Abrir("CURSOS_DEL_CENTRO", cursos);
  for (int c = 0; c < cursos; ++c) {
    e.Registro({std::to_string(6000 + (repetidos ? azar(cursos) : c)),
                std::to_string(1 + c % 4) + "º ESO"});
  }
  e.Cerrar();

  e.Abrir("UNIDADES", t.grupos);
  for (int g = 0; g < t.grupos; ++g) {
    const int curso = repetidos ? static_cast<int>(azar(cursos)) : g / 5;
    const char letra = static_cast<char>('A' + (repetidos ? azar(2) : g % 5));
    e.Registro({std::to_string(7000 + g),
                std::to_string(1 + curso % 4) + "º ESO " + std::string(1, letra),
                std::to_string(6000 + curso)});
  }
  e.Cerrar();

  e.Abrir("JORNADAS_ESCOLARES", 2);
  e.Registro({"J1", "Mañana", "01/09/2024", "30/06/2025"});
  e.Registro({"J2", "Tarde", "01/09/2024", "30/06/2025"});
  e.Cerrar();

  e.Abrir("TRAMOS_HORARIOS", t.tramosDia + 2);
  for (int s = 0; s < t.tramosDia; ++s) {
    // Some slots share a start, so hours are numbered by distinct start.
    const int inicio = 480 + (repetidos ? static_cast<int>(azar(t.tramosDia)) : s) * 20;
    e.Registro({std::to_string(100 + s), std::to_string(s + 1) + "ª", std::to_string(inicio),
                std::to_string(inicio + 20), "J1"});
  }
  e.Registro({"900", "Tarde 1", "900", "960", "J2"});
  e.Registro({"901", "Tarde 2", "960", "1020", "J2"});
  e.Cerrar();
  return e.Xml() + "</BLOQUE_DATOS>\n</SERVICIO>\n";
}

void EscribirNiveles(const fs::path& carpeta) {
  using dbase::FieldKind;
  const fs::path archivo = carpeta / "NIVELLARI.DBF";
  dbase::CreateTable(archivo, "NIVELLARI.DBF",
                     {{"X_OFERTAMATRIG", FieldKind::Integer},
                      {"NIVEL_ABREV", FieldKind::Text, 10},
                      {"ESTUDIO", FieldKind::Text, 80}});
  dbase::Table tabla(archivo, "NIVELLARI.DBF");
  tabla.Open(dbase::Access::Exclusive);
  // A fixed table of the region's levels, as the real one: it does not grow with the school.
  for (int c = 0; c < 40; ++c) {
    if (c % 7 == 3) continue;  // offerings the table does not know
    tabla.Append();
    tabla.SetInteger("X_OFERTAMATRIG", 6000 + c);
    tabla.SetText("NIVEL_ABREV", c % 5 == 0 ? "" : "ESO");
    tabla.SetText("ESTUDIO", c % 3 == 0 ? "" : AnsiDesdeUtf8("Educación Secundaria Obligatoria"));
    tabla.Post();
  }
  tabla.Close();
}

namespace {

std::vector<std::vector<std::string>> Columnas(const fs::path& archivo,
                                               const std::vector<const char*>& campos) {
  dbase::Table tabla(archivo, archivo.filename().string());
  tabla.Open(dbase::Access::Shared);
  std::vector<std::vector<std::string>> filas;
  for (tabla.First(); !tabla.Eof(); tabla.Next()) {
    std::vector<std::string> fila;
    for (const char* campo : campos) fila.push_back(tabla.GetText(campo));
    filas.push_back(std::move(fila));
  }
  return filas;
}

}  // namespace

void EscribirSoluc(const fs::path& hvdat, const Tamano& t, unsigned semilla) {
  using dbase::FieldKind;
  Azar azar(semilla);
  const auto profesores = Columnas(ArchivoTabla(hvdat, "PROFT.DBF"), {"ABREV"});
  const auto asignaciones = Columnas(ArchivoTabla(hvdat, "ASIGT.DBF"), {"CASIG", "CGRUP"});
  const auto aulas = Columnas(ArchivoTabla(hvdat, "AULAT.DBF"), {"ABREV"});
  const auto tramos = Columnas(ArchivoTabla(hvdat, "DIASHORAST.DBF"), {"DIA", "HORA"});

  const fs::path archivo = hvdat / "SOLUC.DBF";
  dbase::CreateDBase3Table(archivo, RotuloTabla("SOLUC.DBF"),
                           {{"PROF", FieldKind::Text, 10},
                            {"DIA", FieldKind::Integer, 1},
                            {"HORA", FieldKind::Integer, 2},
                            {"ASIG", FieldKind::Text, 10},
                            {"CODGRUPO", FieldKind::Text, 10},
                            {"TAREA", FieldKind::Text, 10},
                            {"AULA", FieldKind::Text, 10}});
  dbase::Table soluc(archivo, RotuloTabla("SOLUC.DBF"));
  soluc.Open(dbase::Access::Exclusive);
  const auto algun = [&](const auto& filas, std::size_t campo) -> std::string {
    if (filas.empty() || azar(50) == 0) return "ZZ" + std::to_string(azar(100));
    return filas[azar(static_cast<std::uint32_t>(filas.size()))][campo];
  };
  for (int i = 0; i < t.entradas; ++i) {
    soluc.Append();
    soluc.SetText("PROF", profesores.empty() ? "" : algun(profesores, 0));
    const bool colocada = azar(20) != 0 && !tramos.empty();
    if (colocada) {
      const auto& tramo = tramos[azar(static_cast<std::uint32_t>(tramos.size()))];
      soluc.SetInteger("DIA", std::stoi(tramo[0]));
      soluc.SetInteger("HORA", azar(30) == 0 ? 99 : std::stoi(tramo[1]));
    }
    if (!asignaciones.empty() && azar(30) != 0) {
      const auto& par = asignaciones[azar(static_cast<std::uint32_t>(asignaciones.size()))];
      soluc.SetText("ASIG", par[0]);
      soluc.SetText("CODGRUPO", azar(10) == 0 ? algun(asignaciones, 1) : par[1]);
    } else {
      soluc.SetText("ASIG", algun(asignaciones, 0));
      soluc.SetText("CODGRUPO", "");
    }
    soluc.SetText("TAREA", azar(4) == 0 ? "90" + std::to_string(1 + azar(3)) : "");
    soluc.SetText("AULA", azar(5) == 0 ? "" : algun(aulas, 0));
    soluc.Post();
  }
  soluc.Close();
}

}  // namespace vadelto::sintetico

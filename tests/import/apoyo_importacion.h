#pragma once

// What the import tests share: working tables filled with rows, a SOLUC as a timetabling
// program writes it, and an Interfaz that records what the import asked of it.

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "sesion/interfaz.h"
#include "tables/tablas_trabajo.h"

namespace vadelto::prueba {

// A row as field names with their texts; fields not named stay blank.
using Fila = std::vector<std::pair<std::string, std::string>>;

// Creates the working table with its schema and appends the rows.
void CrearConFilas(const std::filesystem::path& carpeta, TablaTrabajo tabla,
                   const std::vector<Fila>& filas);

struct FilaSoluc {
  std::string prof;
  std::string dia;  // numeric fields as their digits; empty for blank
  std::string hora;
  std::string asig;
  std::string codgrupo;
  std::string tarea;
  std::string aula;
};

// SOLUC.DBF as dBase III bytes: PROF C(10), DIA N(1,0), HORA N(2,0), ASIG C(10),
// CODGRUPO C(10), TAREA C(10), AULA C(10); texts are Windows-1252.
std::string SolucDbase3(const std::vector<FilaSoluc>& filas);
void EscribirSolucDbase3(const std::filesystem::path& carpeta, const std::vector<FilaSoluc>& filas);
// The same rows in a level-7 table written by our engine (DIA and HORA as integers).
void EscribirSolucNivel7(const std::filesystem::path& carpeta, const std::vector<FilaSoluc>& filas);

// Fails the test unless every table the import opens can be had exclusively now.
void EsperarTablasLibres(const std::filesystem::path& carpeta);

class InterfazPrueba : public Interfaz {
 public:
  std::optional<std::filesystem::path> documento;  // what the dialog returns
  std::vector<std::string> mensajes;
  std::vector<bool> reloj;  // every hourglass call, in order
  int botonesDesactivados = 0;
  int ventanasCerradas = 0;

  std::optional<std::filesystem::path> ElegirDocumento() override { return documento; }
  void MostrarMensaje(const std::string& texto) override { mensajes.push_back(texto); }
  void RelojDeArena(bool activo) override { reloj.push_back(activo); }
  std::string ElegirPlantilla(const std::filesystem::path&) override { return {}; }
  void DesactivarBotones() override { ++botonesDesactivados; }
  void CerrarVentana() override { ++ventanasCerradas; }
};

}  // namespace vadelto::prueba

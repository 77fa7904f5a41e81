#pragma once

// What the reliability tests share: a temporary C: drive with the level table beside the
// program, the real drivers run over it, a SOLUC as a timetabling program writes it, and
// proofs that nothing was changed or left open.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "export/apoyo.h"
#include "sesion/sesion.h"
#include "support/temp_drive.h"

namespace vadelto::prueba {

using Archivos = std::map<std::string, std::string>;

class Escenario : public testing::Test {
 protected:
  Escenario();

  // The document written into Racima's folder and chosen in the dialog.
  std::filesystem::path Elegir(const DocumentoRacima& documento,
                               const std::string& nombre = "racima.xml");
  std::filesystem::path ElegirBytes(const std::string& bytes,
                                    const std::string& nombre = "racima.xml");

  // Run the drivers; an error they raise comes back as its message, "" when none (UTF-8).
  std::string Exportar();
  std::string Importar();

  // The working tables of an earlier export of DocumentoCompleto, and a SOLUC over them
  // (dBase III, numeric DIA and HORA) with one placed entry per teacher.
  void TablasExportadas();
  std::filesystem::path Soluc() const { return unidad.Hvdat() / "SOLUC.DBF"; }
  std::string SolucDbase3() const;

  // The conversion ended without doing anything: no success, the normal cursor.
  void EsperarSinConversion();
  // No file of C:\HVDAT is still held open.
  void EsperarTablasLibres();

  UnidadTemporal unidad;
  const std::filesystem::path programa = unidad.Carpeta("programa");
  Sesion sesion;
  InterfazPrueba interfaz;
};

// The export of `sesion` with `interfaz`: its error's message, "" when none (UTF-8).
std::string ExportarCon(Sesion& sesion, InterfazPrueba& interfaz);

// How the engine names a working table in its messages: as the user knows it, and where it is.
std::string NombreEnMensajes(const std::filesystem::path& tabla);

}  // namespace vadelto::prueba

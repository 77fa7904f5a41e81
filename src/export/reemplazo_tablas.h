#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "export/diario_reemplazo.h"

namespace vadelto {

// File renames, behind a seam so that a test can make one fail.
class Renombrador {
 public:
  virtual ~Renombrador() = default;
  // Raises std::exception (std::filesystem::filesystem_error for the real one) on failure.
  virtual void Renombrar(const std::filesystem::path& de, const std::filesystem::path& a) = 0;
};

class RenombradorDisco : public Renombrador {
 public:
  void Renombrar(const std::filesystem::path& de, const std::filesystem::path& a) override;
};

// Replaces the whole set of working tables at once. The new tables are built in a staging
// folder made inside the tables' folder (so every move is a rename on one file system, and
// the user who may write the tables may write there); Reemplazar then checks that no old file
// is held open by another program, moves the old set aside into the staging folder, moves the new
// set in, and on any failure moves everything back. The staging folder goes when the object goes,
// unless the old tables could not be moved back: then it holds their only copy and stays. The
// moves are journaled (DiarioReemplazo), so that a crash in their midst is undone later.
class ReemplazoTablas {
 public:
  using Movimiento = vadelto::Movimiento;
  struct Plan {
    std::vector<Movimiento> apartar;  // old files: tables folder -> backup folder
    std::vector<Movimiento> colocar;  // new files: staging folder -> tables folder
  };

  // Creates the staging folder; raises vadelto::Error when it cannot.
  explicit ReemplazoTablas(std::filesystem::path carpetaTablas);
  ~ReemplazoTablas();
  ReemplazoTablas(const ReemplazoTablas&) = delete;
  ReemplazoTablas& operator=(const ReemplazoTablas&) = delete;

  // Where the new tables are to be built.
  const std::filesystem::path& CarpetaNuevas() const { return provisional_; }

  // The moves that put the staged tables in place of the old ones. Every file of a working
  // table (.DBF and .MDX, in any letter case) and JORNADAS.DBF is moved aside.
  Plan Planificar() const;
  // Check, plan, move; all or nothing. Raises vadelto::Error on failure.
  void Reemplazar(Renombrador& renombrador);
  void Reemplazar() {
    RenombradorDisco disco;
    Reemplazar(disco);
  }

 private:
  // Raises vadelto::Error naming the first old file that another program holds open.
  void ComprobarLibres(const Plan& plan) const;
  void Ejecutar(const Plan& plan, Renombrador& renombrador);

  std::filesystem::path carpetaTablas_;
  std::filesystem::path provisional_;
  std::filesystem::path respaldo_;
  std::optional<DiarioReemplazo> diario_;
  bool conservar_ = false;
};

}  // namespace vadelto

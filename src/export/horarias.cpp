#include "export/pasos.h"
#include "export/tabla_nueva.h"
#include "text/conversion.h"
#include "text/error.h"
#include "text/mensajes.h"

namespace vadelto {
namespace {

constexpr int kDias = 7;

// Minutes after midnight as hh:mm.
std::string HoraMinutos(int minutos) {
  const int horas = minutos >= 0 ? minutos / 60 : -((59 - minutos) / 60);
  const int resto = minutos - horas * 60;
  auto dosCifras = [](int valor) {
    const std::string texto = IntToStr(valor);
    return texto.size() < 2 ? "0" + texto : texto;
  };
  return dosCifras(horas) + ":" + dosCifras(resto);
}

// The template's code: the only one's, or the user's choice among several.
std::string ElegirCodigo(ContextoExportacion& contexto, const std::vector<Registro>& plantillas) {
  if (plantillas.empty()) throw Error(mensajes::SinPlantillasHorarias());
  if (plantillas.size() == 1) return plantillas.front().Recortado(0);
  contexto.sesion.CodigoPlantilla.clear();
  return contexto.interfaz.ElegirPlantilla(contexto.sesion.RutaXML);
}

// Every slot of the chosen template on days 1 to 7, in document order; the slot's running
// number n stands in for the hour until the hours are numbered by start time.
void EscalonarTramos(ContextoExportacion& contexto, dbase::Table& diashorast2) {
  const std::string& codigo = contexto.sesion.CodigoPlantilla;
  int n = 1;
  for (const Registro& tramo : contexto.Registros(GrupoDatos::TramosHorarios)) {
    if (!tramo.Tiene(1)) continue;
    // A slot lacking its start, end or template belongs to no template: it gives no rows, but
    // keeps its running number like any slot of another template.
    if (tramo.Tiene(4) && tramo.Recortado(4) == codigo) {
      const int desde = StrToInt(tramo.Recortado(2));
      const int hasta = StrToInt(tramo.Recortado(3));
      for (int dia = 1; dia <= kDias; ++dia) {
        diashorast2.Append();
        diashorast2.SetText("DIHO", IntToStr(dia) + IntToStr(n));
        diashorast2.SetText("CODDIHO", tramo.Recortado(0));
        diashorast2.SetText("DIA", IntToStr(dia));
        diashorast2.SetText("HORA", IntToStr(n));
        diashorast2.SetText("TEXTOHOR", tramo.Recortado(1));
        diashorast2.SetText("HORADESDE", HoraMinutos(desde));
        diashorast2.SetText("HORAHASTA", HoraMinutos(hasta));
        diashorast2.SetText("MINUTOS", IntToStr(static_cast<long long>(hasta) - desde));
        diashorast2.SetInteger("ORDEN", desde);
        diashorast2.Post();
      }
    }
    ++n;
  }
}

// DIASHORAST: the staged rows by start time, hours numbered 1, 2, 3 ... by distinct start.
void NumerarHoras(dbase::Table& diashorast2, dbase::Table& diashorast) {
  diashorast2.SelectIndex("ORDEN");
  int hora = 1;
  std::int32_t inicio = diashorast2.Eof() ? 0 : diashorast2.GetInteger("ORDEN");
  for (; !diashorast2.Eof(); diashorast2.Next()) {
    const std::int32_t orden = diashorast2.GetInteger("ORDEN");
    if (orden > inicio) {
      ++hora;
      inicio = orden;
    }
    diashorast.Append();
    diashorast.SetText("DIHO", diashorast2.GetText("DIA") + IntToStr(hora));
    for (const char* campo : {"CODDIHO", "DIA", "TEXTOHOR", "HORADESDE", "HORAHASTA", "MINUTOS"}) {
      diashorast.SetText(campo, diashorast2.GetText(campo));
    }
    diashorast.SetText("HORA", IntToStr(hora));
    diashorast.Post();
  }
}

void EscribirPeriodos(const std::string& codigo, const std::vector<Registro>& plantillas,
                      dbase::Table& periodos) {
  for (const Registro& plantilla : plantillas) {
    // A template lacking its name or dates gives no period, as a record lacking positions.
    if (!plantilla.Tiene(3) || plantilla.Recortado(0) != codigo) continue;
    periodos.Append();
    periodos.SetText("CJORNADA", plantilla.Recortado(0));
    periodos.SetText("JORNADA", plantilla.Recortado(1));
    periodos.SetText("FECINI", plantilla.Recortado(2));
    periodos.SetText("FECFIN", plantilla.Recortado(3));
    periodos.Post();
  }
}

}  // namespace

// JORNADAS.DBF, which no export creates any more, goes when the new tables are put in place.
void CrearTablasHorarias(ContextoExportacion& contexto) {
  const std::filesystem::path& carpeta = contexto.carpetaTablas;
  RecrearTabla(carpeta, TablaTrabajo::DIASHORAST);
  RecrearTabla(carpeta, TablaTrabajo::DIASHORAST2);
  CrearTabla(carpeta, TablaTrabajo::PERIODOS);

  const std::vector<Registro> plantillas = contexto.Registros(GrupoDatos::JornadasEscolares);
  contexto.sesion.CodigoPlantilla = ElegirCodigo(contexto, plantillas);

  {
    const auto diashorast2 = AbrirTabla(carpeta, TablaTrabajo::DIASHORAST2);
    EscalonarTramos(contexto, *diashorast2);
    const auto diashorast = AbrirTabla(carpeta, TablaTrabajo::DIASHORAST);
    NumerarHoras(*diashorast2, *diashorast);
    diashorast2->Close();
    diashorast->Close();
  }
  const auto periodos = AbrirTabla(carpeta, TablaTrabajo::PERIODOS);
  EscribirPeriodos(contexto.sesion.CodigoPlantilla, plantillas, *periodos);
  periodos->Close();
}

}  // namespace vadelto

#!/usr/bin/env python3
"""Writes the sample school's Racima exchange document, samples/instituto/racima.xml.

A fictitious secondary school, IES Valle del Jerte: 40 teachers, 6 course offerings,
15 groups, 60 subject offerings, activities, 25 rooms and two time templates. The data
include what the export must handle: colliding initials (García López / Gómez Lara /
gil lópez), subjects offered in several courses, a room without an id, groups whose
names share their first nine characters. Run it again after editing; the output is
deterministic.
"""
import os
from xml.sax.saxutils import escape

AQUI = os.path.dirname(os.path.abspath(__file__))

PROFESORES = [
    ("García", "López", "Ana"), ("Gómez", "Lara", "Alberto"), ("gil", "lópez", "antonio"),
    ("Martín", "Sánchez", "Lucía"), ("Muñoz", "Serrano", "Luis"), ("Pérez", "Ruiz", "Carmen"),
    ("Prieto", "Ramos", "Carlos"), ("Fernández", "Díaz", "María"), ("Sánchez", "Moreno", "José"),
    ("Rodríguez", "Castillo", "Elena"), ("Jiménez", "Ortega", "Pablo"), ("Hernández", "Vega", "Rosa"),
    ("Ruiz", "Navarro", "Javier"), ("Díaz", "Molina", "Isabel"), ("Álvarez", "Torres", "Miguel"),
    ("Romero", "Gil", "Marta"), ("Alonso", "Cano", "David"), ("Gutiérrez", "Rubio", "Laura"),
    ("Navarro", "Iglesias", "Sergio"), ("Torres", "Medina", "Cristina"), ("Domínguez", "Garrido", "Raúl"),
    ("Vázquez", "Cortés", "Pilar"), ("Ramos", "Castro", "Alejandro"), ("Gil", "Santos", "Nuria"),
    ("Serrano", "Lozano", "Francisco"), ("Blanco", "Guerrero", "Teresa"), ("Suárez", "Cruz", "Jorge"),
    ("Molina", "Prieto", "Beatriz"), ("Morales", "Méndez", "Antonio"), ("Ortega", "Calvo", "Silvia"),
    ("Delgado", "Vidal", "Manuel"), ("Castro", "León", "Patricia"), ("Ortiz", "Herrera", "Rubén"),
    ("Rubio", "Márquez", "Eva"), ("Marín", "Peña", "Ignacio"), ("Sanz", "Flores", "Sonia"),
    ("de la Fuente", "Cabrera", "Óscar"), ("Iglesias", "Campos", "Alicia"), ("Núñez", "", "Ángel"),
    ("Medina", "Reyes", "Inés"),
]

# Course offerings: (id, name, its groups)
CURSOS = [
    ("6101", "1º ESO", ["1º ESO A", "1º ESO B", "1º ESO C"]),
    ("6102", "2º ESO", ["2º ESO A", "2º ESO B", "2º ESO C"]),
    ("6103", "3º ESO", ["3º ESO A", "3º ESO B"]),
    ("6104", "4º ESO", ["4º ESO A", "4º ESO B"]),
    ("6201", "1º Bachillerato", ["1º BACHILLERATO CIENCIAS A", "1º BACHILLERATO CIENCIAS B",
                                 "1º BACHILLERATO HUMANIDADES"]),
    ("6202", "2º Bachillerato", ["2º BACHILLERATO CIENCIAS", "2º BACHILLERATO SOCIALES"]),
]

# Subjects per course offering: (subject id, name). 60 offerings in all.
MATERIAS = {
    "6101": ["Lengua Castellana y Literatura", "Matemáticas", "Inglés", "Geografía e Historia",
             "Biología y Geología", "Educación Física", "Educación Plástica, Visual y Audiovisual",
             "Música", "Religión", "Tecnología y Digitalización"],
    "6102": ["Lengua Castellana y Literatura", "Matemáticas", "Inglés", "Geografía e Historia",
             "Física y Química", "Educación Física", "Música", "Religión", "Tecnología y Digitalización",
             "Francés"],
    "6103": ["Lengua Castellana y Literatura", "Matemáticas", "Inglés", "Geografía e Historia",
             "Física y Química", "Biología y Geología", "Educación Física", "Educación en Valores Cívicos y Éticos",
             "Religión", "Francés"],
    "6104": ["Lengua Castellana y Literatura", "Matemáticas A", "Matemáticas B", "Inglés",
             "Geografía e Historia", "Educación Física", "Economía y Emprendimiento", "Latín",
             "Religión", "Tecnología"],
    "6201": ["Lengua Castellana y Literatura I", "Matemáticas I", "Inglés I", "Filosofía",
             "Física y Química", "Biología, Geología y Ciencias Ambientales", "Educación Física",
             "Latín I", "Dibujo Técnico I", "Historia del Mundo Contemporáneo"],
    "6202": ["Lengua Castellana y Literatura II", "Matemáticas II", "Inglés II",
             "Historia de España", "Historia de la Filosofía", "Física", "Química", "Biología",
             "Matemáticas Aplicadas a las Ciencias Sociales II", "Economía de la Empresa"],
}

ACTIVIDADES = [("1", "Guardia"), ("2", "Tutoría lectiva"), ("3", "Reunión de departamento"),
               ("4", "Biblioteca"), ("5", "Atención a familias")]

AULAS = ([("10%02d" % n, "Aula %d.%d" % (1 + n // 10, n % 10)) for n in range(1, 13)]
         + [("20%02d" % n, "Aula %d.%d" % (2 + n // 10, n % 10)) for n in range(1, 7)]
         + [("3001", "Laboratorio de Física"), ("3002", "Laboratorio de Química"),
            ("3003", "Laboratorio de Biología"), ("4001", "Gimnasio"), ("4002", "Aula de Música"),
            ("4003", "Aula de Informática"), ("", "Salón de actos")])

JORNADAS = [("J1", "Jornada ordinaria", "15/09/2026", "19/06/2027"),
            ("J2", "Jornada reducida de junio", "01/06/2027", "19/06/2027")]

TRAMOS = ([("1%02d" % i, "%dª" % (i + 1) if i < 3 else ("Recreo" if i == 3 else "%dª" % i), a, b, "J1")
           for i, (a, b) in enumerate([(510, 565), (565, 620), (620, 675), (675, 705),
                                       (705, 760), (760, 815), (815, 870)])]
          + [("2%02d" % i, "%dª reducida" % (i + 1), a, b, "J2")
             for i, (a, b) in enumerate([(540, 585), (585, 630), (660, 705), (705, 750), (750, 795)])])


def dato(nombre, valor):
    return '<dato nombre_dato="%s">%s</dato>' % (nombre, escape(str(valor)))


def grupo(seq, registros):
    partes = ['<grupo_datos seq="%s" registros="%d">' % (seq, len(registros))]
    for i, campos in enumerate(registros, 1):
        partes.append('<grupo_datos seq="ID_%d">' % i + "".join(dato(n, v) for n, v in campos)
                      + "</grupo_datos>")
    partes.append("</grupo_datos>")
    return "\n".join(partes)


def documento():
    empleados = []
    for i, (ap1, ap2, nombre) in enumerate(PROFESORES):
        empleados.append([("X_EMPLEADO", 81000 + i * 7), ("F_TOMAPOS", "01/09/20%02d" % (10 + i % 15)),
                          ("C_NUMIDE", "%08d%s" % (30000000 + i * 1234567 % 60000000, "TRWAGMYFPDXBNJZSQVHLCKE"[i % 23])),
                          ("DES_APELLIDO1", ap1), ("DES_APELLIDO2", ap2), ("DES_NOMBRE", nombre)])
    materias, ids = [], {}
    for curso, nombres in MATERIAS.items():
        for nombre in nombres:
            ids.setdefault(nombre, 500 + len(ids))
            materias.append([("X_OFERTAMATRIG", curso), ("X_MATERIAOMG", ids[nombre]), ("D_MATERIAC", nombre)])
    unidades, n = [], 0
    for curso, _, grupos in CURSOS:
        for g in grupos:
            n += 1
            unidades.append([("X_UNIDAD", 7100 + n), ("T_NOMBRE", g), ("X_OFERTAMATRIG", curso)])
    partes = [
        '<?xml version="1.0" encoding="ISO-8859-1"?>',
        '<SERVICIO modulo="HORARIOS" tipo="E" autor="RACIMA" fecha="01/09/2026 10:00:00">',
        '<BLOQUE_DATOS>',
        '<grupo_datos seq="ANNO_ACADEMICO">' + dato("C_ANNO", "2026") + "</grupo_datos>",
        grupo("CURSOS_DEL_CENTRO", [[("X_OFERTAMATRIG", c), ("D_OFERTAMATRIG", d)] for c, d, _ in CURSOS]),
        grupo("UNIDADES", unidades),
        grupo("MATERIAS", materias),
        grupo("ACTIVIDADES", [[("X_TIPOACT", "N"), ("X_ACTIVIDAD", a), ("D_ACTIVIDAD", d)] for a, d in ACTIVIDADES]),
        grupo("EMPLEADOS", empleados),
        grupo("DEPENDENCIAS", [[("X_DEPENDENCIA", i), ("D_DEPENDENCIA", d)] for i, d in AULAS]),
        grupo("JORNADAS_ESCOLARES", [[("X_JORNADA", c), ("D_JORNADA", d), ("F_INICIO", a), ("F_FIN", b)]
                                     for c, d, a, b in JORNADAS]),
        grupo("TRAMOS_HORARIOS", [[("X_TRAMO", t), ("T_HORCEN", x), ("N_INICIO", a), ("N_FIN", b),
                                   ("X_JORNADA", j)] for t, x, a, b, j in TRAMOS]),
        "</BLOQUE_DATOS>",
        "</SERVICIO>",
    ]
    return "\n".join(partes) + "\n"


if __name__ == "__main__":
    assert len(PROFESORES) == 40 and len(AULAS) == 25
    assert sum(len(v) for v in MATERIAS.values()) == 60 and sum(len(g) for _, _, g in CURSOS) == 15
    with open(os.path.join(AQUI, "instituto", "racima.xml"), "w", encoding="iso-8859-1", newline="\n") as f:
        f.write(documento())

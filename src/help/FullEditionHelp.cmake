# Writes the full edition's help file from the DEMO's: the same topics, with
# the period 1900-2100, the opening on today, the track bar spanning one
# year and the team window (topic 9, from -DTEAM=...). Run as:
# cmake -DSOURCE=... -DTARGET=... -DTEAM=... -P FullEditionHelp.cmake
file(READ "${SOURCE}" help)

function(swap from to)
  string(FIND "${help}" "${from}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "FullEditionHelp: the DEMO's help no longer says \"${from}\"")
  endif()
  string(REPLACE "${from}" "${to}" replaced "${help}")
  set(help "${replaced}" PARENT_SCOPE)
endfunction()

swap("**Zeltmark - Pronos** muestra, para cada integrante"
     "**Zeltmark - Pronos** (edición completa, del 1 de enero de 1900 al 31 de diciembre de 2100)\nmuestra, para cada integrante")
swap("**1 de enero de 2003** al **31 de diciembre de 2004**; no muestra ni imprime\ndías fuera de él."
     "**1 de enero de 1900** al **31 de diciembre de 2100**; no muestra ni imprime\ndías fuera de él. Al iniciarse muestra el día de hoy.")
swap("anterior al 1 de enero de 2003 o posterior al 31 de diciembre de 2004, un"
     "anterior al 1 de enero de 1900 o posterior al 31 de diciembre de 2100, un")
swap("La barra vertical a la derecha del gráfico recorre los días del período: cada\npaso hacia abajo avanza un día, hacia arriba retrocede uno. Con el teclado,\nlas flechas mueven un día e Inicio y Fin llevan al primero y al último día."
     "La barra vertical a la derecha del gráfico recorre los días del año del día\nmostrado: cada paso hacia abajo avanza un día, hacia arriba retrocede uno, y un\npaso más allá del último o del primer día del año sigue en el año siguiente o\nen el anterior. Con el teclado, las flechas mueven un día e Inicio y Fin llevan\nal primero y al último día del año.")
swap("desde el 1 de enero\nde 2003 hasta el 31 de diciembre de 2004."
     "desde el 1 de enero\nde 1900 hasta el 31 de diciembre de 2100.")
swap("(1 de\nenero de 2003 a 31 de diciembre de 2004)"
     "(1 de\nenero de 1900 a 31 de diciembre de 2100)")

swap("casilla **Horario de verano**. Si la casilla está marcada pero la región no\ntiene adelanto, desmárquela."
     "casilla **Horario de verano**. Si la casilla está marcada pero la región no\ntiene adelanto, desmárquela.\n\n### Zonas horarias por nombre\n\nDebajo del mapa puede elegirse, en lugar de una región, una zona horaria por\nsu nombre: **Zona horaria del sistema** (la del equipo, por ejemplo\n\"Europe/Madrid\", elegida de entrada la primera vez) u **Otra zona horaria**,\nbuscada escribiendo parte de su nombre (la flecha abajo pasa a la lista y\nIntro confirma). Con una zona por nombre cada fecha usa la hora que regía en\nesa zona ese día, con o sin horario de verano, también en los años pasados;\npor eso la casilla **Horario de verano** queda desactivada. El día en que se\nadelanta o atrasa el reloj se muestra igualmente con sus 24 horas.")

# The team window exists in the full edition only: its entries and its topic.
swap("- [Explicación de la tendencia](#8): la ventana \"¿Qué indica?\"."
     "- [Explicación de la tendencia](#8): la ventana \"¿Qué indica?\".\n- [Equipo](#9): las tendencias de todo el equipo en un mismo día.\n- [Exportar a calendario](#10): las tendencias en el calendario del teléfono.")
swap("- **Gestión de Integrantes**: abre la ventana de integrantes ([tema 3](#3))."
     "- **Gestión de Integrantes**: abre la ventana de integrantes ([tema 3](#3)).\n- **Equipo...**: las tendencias de todos los integrantes en un día ([tema 9](#9)).\n- **Exportar a calendario...**: las tendencias como archivo de calendario ([tema 10](#10)).")
# The members to and from a spreadsheet (full edition only): the menu entries and a section of topic 3.
swap("- **Equipo...**: las tendencias de todos los integrantes en un día ([tema 9](#9))."
     "- **Equipo...**: las tendencias de todos los integrantes en un día ([tema 9](#9)).\n- **Importar desde planilla (CSV)...** y **Exportar a planilla (CSV)...**: los integrantes desde y hacia una planilla de cálculo ([tema 3](#3)).")
swap("### Dónde se guardan\n"
     "### Desde y hacia una planilla\n\n**Importar desde planilla (CSV)...**, en el menú \"Pronos\", lee una planilla\nguardada como CSV (separada por punto y coma, coma o tabulador; UTF-8 o\nWindows-1252). Si la primera fila tiene los títulos \"Apellidos y Nombres\" (o\n\"Apellido(s)\" y \"Nombre(s)\"), \"Fecha de nacimiento\" y \"Observaciones\", las\ncolumnas se reconocen solas; si no, se eligen en la vista previa. Las fechas\npueden escribirse como día/mes/año (con año de cuatro cifras), año-mes-día, o\ncomo número de día de la planilla. La vista previa muestra cada fila y lo que\nse hará con ella: se agrega, ya es integrante, repetida, fecha errónea, nombre\no observaciones demasiado largos, un carácter que no se puede guardar, o\nvacía. **Importar** agrega las filas marcadas \"Se agrega\", después de copiar\n\"Fechas.dat\" en una copia nueva (\"Fechas.dat.bak\", \"Fechas.dat.1.bak\", ...); si la escritura falla (por ejemplo, un\ndisco lleno), el archivo queda con los integrantes que tenía. **Cancelar** no\ncambia nada.\n\n**Exportar a planilla (CSV)...** guarda todos los integrantes en un archivo que\nuna planilla de cálculo en español abre con doble click.\n\n### Dónde se guardan\n")

# Members of another installation (full edition only): the menu entry and a section of topic 3.
swap("- **Importar desde planilla (CSV)...** y"
     "- **Importar integrantes...**: los integrantes de otro archivo \"Fechas.dat\" ([tema 3](#3)).\n- **Importar desde planilla (CSV)...** y")
swap("una planilla de cálculo en español abre con doble click.\n"
     "una planilla de cálculo en español abre con doble click.\n\n### Desde otra instalación\n\n**Importar integrantes...**, en el menú \"Pronos\", lee otro archivo \"Fechas.dat\",\npor ejemplo el que una instalación anterior guardaba en \"~/.local/bin\" (la\nventana para elegirlo muestra las carpetas ocultas y se abre allí si lo\nencuentra). Dice cuántos integrantes tiene y cuántos registros están dañados\n(estos nunca se importan); **Aceptar** agrega los que todavía no están (mismo\nnombre y fecha de nacimiento), después de la copia de seguridad de\n\"Fechas.dat\".\n\nDesde el menú del escritorio, las acciones **Gestión de Integrantes** y\n**Equipo** (o `pronos-full --integrantes` y `pronos-full --equipo`) abren esas\nventanas, también en el programa ya abierto.\n")

file(READ "${TEAM}" team)
string(APPEND help "\n${team}")
# The calendar export, the full edition's too (topic 10, from -DEXPORT=...).
file(READ "${EXPORT}" export)
string(APPEND help "\n${export}")

file(WRITE "${TARGET}.new" "${help}")
file(COPY_FILE "${TARGET}.new" "${TARGET}" ONLY_IF_DIFFERENT)
file(REMOVE "${TARGET}.new")

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>HelpPicture</name>
    <message>
        <source>A platoon on duty: the day number in the A colour</source>
        <translation>Turno A de guardia: el número del día en el color de A</translation>
    </message>
    <message>
        <source>B platoon on duty: the day number in the B colour</source>
        <translation>Turno B de guardia: el número del día en el color de B</translation>
    </message>
    <message>
        <source>Your RDO: the day number in the RDO colour</source>
        <translation>Su RDO: el número del día en el color de RDO</translation>
    </message>
    <message>
        <source>Payday: the day number underlined</source>
        <translation>Día de pago: el número del día subrayado</translation>
    </message>
    <message>
        <source>RDO group that has its RDO that day (Show RDOs)</source>
        <translation>Grupo que tiene su RDO ese día (Mostrar RDO)</translation>
    </message>
    <message>
        <source>A pay period begins: PP1 to PP26 (Pay Periods)</source>
        <translation>Empieza un período de pago: PP1 a PP26 (Períodos de pago)</translation>
    </message>
    <message>
        <source>The selected day, filled with its colour</source>
        <translation>El día seleccionado, relleno con su color</translation>
    </message>
    <message>
        <source>Days of the months before and after</source>
        <translation>Días de los meses anterior y siguiente</translation>
    </message>
    <message>
        <source>The legend: the A and B colours</source>
        <translation>La leyenda: los colores de A y B</translation>
    </message>
    <message>
        <source>Status line: the selected day&apos;s date, the pay period that begins on it, its RDO group, and * on your RDO</source>
        <translation>Línea de estado: la fecha del día seleccionado, el período de pago que empieza ese día, su grupo de RDO y * en su RDO</translation>
    </message>
    <message>
        <source>Today: back to today</source>
        <translation>Hoy: vuelve a hoy</translation>
    </message>
    <message>
        <source>Go to any date from 1901 to 2060</source>
        <translation>Ir a cualquier fecha de 1901 a 2060</translation>
    </message>
    <message>
        <source>Right-click a day: Export to Calendar… saves your days for a calendar program, Print Year… prints the year on one page</source>
        <translation>Clic derecho en un día: Exportar al calendario… guarda sus días para un programa de calendario, Imprimir año… imprime el año en una página</translation>
    </message>
    <message>
        <source>Shift Assignment</source>
        <translation>Asignación de turno</translation>
    </message>
    <message>
        <source>Show Paydays</source>
        <translation>Mostrar días de pago</translation>
    </message>
    <message>
        <source>Show RDO</source>
        <translation>Mostrar RDO</translation>
    </message>
    <message>
        <source>Show Pay Periods</source>
        <translation>Mostrar períodos de pago</translation>
    </message>
    <message>
        <source>RDO Color</source>
        <translation>Color de RDO</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Crew Colors</source>
        <translation>Colores de los turnos</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Leading / Trailing Color</source>
        <translation>Color de los días de otros meses</translation>
    </message>
    <message>
        <source>◆ A trade: you worked for a colleague, or one for you. Double-click a day for its entries</source>
        <translation>◆ Un cambio de turno: usted trabajó por un compañero, o uno por usted. Doble clic en un día para sus anotaciones</translation>
    </message>
    <message>
        <source>● Leave: vacation, sick, compensatory, holiday or other</source>
        <translation>● Ausencia: vacaciones, enfermedad, tiempo compensatorio, festivo u otra</translation>
    </message>
    <message>
        <source>▲ Extra hours: overtime or a callback</source>
        <translation>▲ Horas adicionales: horas extra o una llamada al servicio</translation>
    </message>
    <message>
        <source>■ A note</source>
        <translation>■ Una nota</translation>
    </message>
    <message>
        <source>Show Entry Marks</source>
        <translation>Mostrar marcas</translation>
    </message>
    <message>
        <source>Shift Length</source>
        <translation>Duración del turno</translation>
    </message>
</context>
<context>
    <name>YearSheet</name>
    <message>
        <source>No RDO group chosen</source>
        <translation>Sin grupo de RDO elegido</translation>
    </message>
    <message>
        <source>Group %1, %2 platoon</source>
        <extracomment>%1: the assignment group (&quot;A2&quot;), %2: its platoon letter (&quot;A&quot;)</extracomment>
        <translation>Grupo %1, turno %2</translation>
    </message>
    <message>
        <source>Pay periods counted from %1</source>
        <extracomment>%1: the first day of the first pay period, as a short date</extracomment>
        <translation>Períodos de pago contados desde el %1</translation>
    </message>
    <message>
        <source>For information only: the department&apos;s official roster prevails.</source>
        <translation>Solo a título informativo: prevalece la lista de turnos oficial del departamento.</translation>
    </message>
    <message>
        <source>A platoon on duty</source>
        <translation>Turno A de guardia</translation>
    </message>
    <message>
        <source>B platoon on duty</source>
        <translation>Turno B de guardia</translation>
    </message>
    <message>
        <source>Shaded: you are on duty</source>
        <translation>Sombreado: usted está de guardia</translation>
    </message>
    <message>
        <source>Your RDO (%1)</source>
        <extracomment>%1: the user&apos;s assignment group, &quot;A2&quot;</extracomment>
        <translation>Su RDO (%1)</translation>
    </message>
    <message>
        <source>Payday</source>
        <translation>Día de pago</translation>
    </message>
    <message>
        <source>First day of a pay period</source>
        <translation>Primer día de un período de pago</translation>
    </message>
</context>
<context>
    <name>tenvik</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Muestra esta ayuda y termina.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Muestra la versión y termina.</translation>
    </message>
    <message>
        <source>The shift calendar: which platoon is on duty, your RDOs, paydays and pay periods, month by month.</source>
        <translation>El calendario de turnos: qué turno está de guardia, sus RDO, los días de pago y los períodos de pago, mes a mes.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;; see --help</source>
        <translation>opción desconocida &apos;%1&apos;; consulte --help</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; see --help</source>
        <translation>argumento inesperado &apos;%1&apos;; consulte --help</translation>
    </message>
    <message>
        <source>Qt&apos;s own options (-platform, -style, -reverse ...) work as in every Qt program.

The settings are kept in $XDG_CONFIG_HOME/Quorvell/Tenvik/Tenvik.ini
(normally ~/.config/...) and written only by Save. Right-click the month for
Export to Calendar... and Print Year...; tenvik-export does both without a
window.
</source>
        <translation>Las opciones propias de Qt (-platform, -style, -reverse ...) funcionan como en
todo programa Qt.

La configuración se guarda en $XDG_CONFIG_HOME/Quorvell/Tenvik/Tenvik.ini
(normalmente ~/.config/...) y solo la escribe Guardar. Haga clic derecho en el
mes para Exportar al calendario... e Imprimir año...; tenvik-export hace ambas
cosas sin ventana.
</translation>
    </message>
</context>
<context>
    <name>tenvik-export</name>
    <message>
        <source>a file name (- for standard output)</source>
        <translation>un nombre de archivo (- para la salida estándar)</translation>
    </message>
    <message>
        <source>a date (yyyy-MM-dd)</source>
        <translation>una fecha (aaaa-mm-dd)</translation>
    </message>
    <message>
        <source>a year</source>
        <translation>un año</translation>
    </message>
    <message>
        <source>a group (RDO, A1 to A7, B1 to B7)</source>
        <translation>un grupo (RDO, A1 a A7, B1 a B7)</translation>
    </message>
    <message>
        <source>a paper size (a4 or letter)</source>
        <translation>un tamaño de papel (a4 o letter)</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 necesita %2</translation>
    </message>
    <message>
        <source>Write a calendar file (iCalendar) of your duty days, RDOs, paydays and pay-period starts, for any calendar program.</source>
        <translation>Escribe un archivo de calendario (iCalendar) con sus días de guardia, sus RDO, los días de pago y los inicios de período de pago, para cualquier programa de calendario.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>Write one page with a whole year, for printing.</source>
        <translation>Escribe una página con un año entero, para imprimir.</translation>
    </message>
    <message>
        <source>yyyy-MM-dd</source>
        <translation>aaaa-mm-dd</translation>
    </message>
    <message>
        <source>The printed year (default this year); for --ics without --from or --to, the calendar file covers this year.</source>
        <translation>El año impreso (por defecto, el año en curso); con --ics sin --from ni --to, el archivo de calendario abarca ese año.</translation>
    </message>
    <message>
        <source>YEAR</source>
        <translation>AÑO</translation>
    </message>
    <message>
        <source>Use this group instead of the saved one: RDO (no group), A1 to A7, B1 to B7.</source>
        <translation>Usa este grupo en lugar del guardado: RDO (ningún grupo), A1 a A7, B1 a B7.</translation>
    </message>
    <message>
        <source>GROUP</source>
        <translation>GRUPO</translation>
    </message>
    <message>
        <source>The paper of the printed year: a4 or letter (default: your locale&apos;s).</source>
        <translation>El papel del año impreso: a4 o letter (por defecto, el de su configuración regional).</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation>TAMAÑO</translation>
    </message>
    <message>
        <source>Leave your duty days out of the calendar file.</source>
        <translation>Omite sus días de guardia en el archivo de calendario.</translation>
    </message>
    <message>
        <source>Leave your RDOs out.</source>
        <translation>Omite sus RDO.</translation>
    </message>
    <message>
        <source>Leave the paydays out.</source>
        <translation>Omite los días de pago.</translation>
    </message>
    <message>
        <source>Leave the pay-period starts out.</source>
        <translation>Omite los inicios de período de pago.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Muestra esta ayuda y termina.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Muestra la versión y termina.</translation>
    </message>
    <message>
        <source>Writes your shift calendar from the settings Tenvik saved, without a window or a display.</source>
        <translation>Escribe su calendario de turnos a partir de la configuración que guardó Tenvik, sin ventana ni pantalla.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;; see --help</source>
        <translation>opción desconocida &apos;%1&apos;; consulte --help</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 aparece dos veces</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; see --help</source>
        <translation>argumento inesperado &apos;%1&apos;; consulte --help</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>salida estándar</translation>
    </message>
    <message>
        <source>%1: %2 is not a date; write it as yyyy-MM-dd</source>
        <translation>%1: %2 no es una fecha; escríbala como aaaa-mm-dd</translation>
    </message>
    <message>
        <source>%1: %2 is outside the calendar&apos;s range, %3 to %4</source>
        <translation>%1: %2 está fuera del intervalo del calendario, de %3 a %4</translation>
    </message>
    <message>
        <source>--year: %1 is not a year</source>
        <translation>--year: %1 no es un año</translation>
    </message>
    <message>
        <source>--year: %1 is outside the calendar&apos;s range, %2 to %3</source>
        <translation>--year: %1 está fuera del intervalo del calendario, de %2 a %3</translation>
    </message>
    <message>
        <source>--group: %1 is no group; use RDO, A1 to A7 or B1 to B7</source>
        <translation>--group: %1 no es un grupo; use RDO, A1 a A7 o B1 a B7</translation>
    </message>
    <message>
        <source>--paper: %1 is no paper size; use a4 or letter</source>
        <translation>--paper: %1 no es un tamaño de papel; use a4 o letter</translation>
    </message>
    <message>
        <source>the range ends before it begins: %1 to %2</source>
        <translation>el intervalo termina antes de empezar: de %1 a %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>no assignment group is set: duty days and RDOs are left out; choose one with --group or in Settings</source>
        <translation>no hay ningún grupo asignado: se omiten los días de guardia y los RDO; elija uno con --group o en Ajustes</translation>
    </message>
    <message>
        <source>the RDO schedule begins on 2012-01-17: no duty days before it</source>
        <translation>el calendario de RDO empieza el 2012-01-17: no hay días de guardia antes</translation>
    </message>
    <message>
        <source>cannot read the settings %1: %2; the defaults are used</source>
        <translation>no se puede leer la configuración %1: %2; se usan los valores predeterminados</translation>
    </message>
    <message>
        <source>%1: %2, %3 to %4
</source>
        <translation>%1: %2, del %3 al %4
</translation>
    </message>
    <message>
        <source>%1: the year %2 on %3 paper
</source>
        <translation>%1: el año %2 en papel %3
</translation>
    </message>
    <message numerus="yes">
        <source>%n event(s)</source>
        <translation>
            <numerusform>%n evento</numerusform>
            <numerusform>%n eventos</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot read %1=%2 in the settings %3; %4 is used</source>
        <extracomment>%1 is a key of the settings file (PPStart), %2 its value there, %3 the file, %4 the value used instead, as the file would hold it (2020-12-20)</extracomment>
        <translation>no se puede leer %1=%2 en la configuración %3; se usa %4</translation>
    </message>
    <message>
        <source>a file name (- for standard input)</source>
        <translation>un nombre de archivo (- para la entrada estándar)</translation>
    </message>
    <message>
        <source>Write every entry you recorded (trades, leave, extra hours, notes) as CSV, for a spreadsheet or to move them to another computer.</source>
        <translation>Escribe todas las entradas que registró (cambios de turno, permisos, horas extra, notas) como CSV, para una hoja de cálculo o para llevarlas a otra computadora.</translation>
    </message>
    <message>
        <source>Write the hours of each pay period of --year, or of the days --from to --to, as CSV for the payroll office.</source>
        <translation>Escribe las horas de cada período de pago de --year, o de los días de --from a --to, como CSV para la oficina de nómina.</translation>
    </message>
    <message>
        <source>Put your entries into the calendar file too. They name colleagues and hold your notes: share such a file with care.</source>
        <translation>Pone también sus entradas en el archivo de calendario. Nombran a compañeros y contienen sus notas: comparta ese archivo con cuidado.</translation>
    </message>
    <message>
        <source>Read an entries CSV back into your records: every line, or nothing when one is wrong.</source>
        <translation>Vuelve a leer un CSV de entradas en sus registros: todas las líneas, o nada si una es incorrecta.</translation>
    </message>
    <message>
        <source>With --import-csv: add to the entries you have rather than only filling empty records.</source>
        <translation>Con --import-csv: añade a las entradas que ya tiene en lugar de llenar solo registros vacíos.</translation>
    </message>
    <message>
        <source>%1 and %2 name the same file, %3; give each its own</source>
        <translation>%1 y %2 nombran el mismo archivo, %3; indique uno distinto para cada uno</translation>
    </message>
    <message>
        <source>Your entries are read from Tenvik.db beside the settings; where there is
none, there are no entries. The entries CSV always holds every entry, so
that it imports whole. --import-csv fills empty records only, unless --add
is given; then a file with an entry you already have is refused, so that a
file imported twice is not added twice. A refused import changes nothing
and exits with 1.
</source>
        <translation>Sus entradas se leen de Tenvik.db, junto a la configuración; si no existe,
no hay entradas. El CSV de entradas siempre contiene todas, para que se
importe completo. --import-csv solo llena registros vacíos, salvo con --add;
entonces se rechaza un archivo con una entrada que ya tiene, para que un
archivo importado dos veces no se añada dos veces. Una importación
rechazada no cambia nada y termina con 1.
</translation>
    </message>
    <message>
        <source>--with-entries puts your entries into --ics; give --ics FILE too</source>
        <translation>--with-entries pone sus entradas en --ics; indique también --ics ARCHIVO</translation>
    </message>
    <message>
        <source>--add goes with --import-csv FILE</source>
        <translation>--add va con --import-csv ARCHIVO</translation>
    </message>
    <message>
        <source>--import-csv reads entries in; run it on its own, then write files</source>
        <translation>--import-csv lee entradas; ejecútelo solo y después escriba archivos</translation>
    </message>
    <message>
        <source>Vacation</source>
        <translation>Vacaciones</translation>
    </message>
    <message>
        <source>Sick leave</source>
        <translation>Licencia por enfermedad</translation>
    </message>
    <message>
        <source>Compensatory time</source>
        <translation>Tiempo compensatorio</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Feriado</translation>
    </message>
    <message>
        <source>Other leave</source>
        <translation>Otro permiso</translation>
    </message>
    <message>
        <source>Worked for %1 (%2 h)</source>
        <translation>Trabajé por %1 (%2 h)</translation>
    </message>
    <message>
        <source>%1 worked for me (%2 h)</source>
        <translation>%1 trabajó por mí (%2 h)</translation>
    </message>
    <message>
        <source>%1 (%2 h)</source>
        <translation>%1 (%2 h)</translation>
    </message>
    <message>
        <source>Overtime</source>
        <translation>Horas extra</translation>
    </message>
    <message>
        <source>Callback</source>
        <translation>Llamado al servicio</translation>
    </message>
    <message>
        <source>paid</source>
        <translation>pagadas</translation>
    </message>
    <message>
        <source>banked</source>
        <translation>acumuladas</translation>
    </message>
    <message>
        <source>%1 (%2 h, %3)</source>
        <translation>%1 (%2 h, %3)</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>the hours are outside 0 to 48</source>
        <translation>las horas están fuera de 0 a 48</translation>
    </message>
    <message>
        <source>the date is outside 1901-01-01 to 2060-12-31</source>
        <translation>la fecha está fuera de 1901-01-01 a 2060-12-31</translation>
    </message>
    <message>
        <source>the text holds a tab, a line break or another control character</source>
        <translation>el texto contiene un tabulador, un salto de línea u otro carácter de control</translation>
    </message>
    <message>
        <source>the text is not UTF-8</source>
        <translation>el texto no es UTF-8</translation>
    </message>
    <message>
        <source>the text is too long</source>
        <translation>el texto es demasiado largo</translation>
    </message>
    <message>
        <source>a trade needs a colleague&apos;s name</source>
        <translation>un cambio de turno necesita el nombre de un compañero</translation>
    </message>
    <message>
        <source>a note needs a text</source>
        <translation>una nota necesita un texto</translation>
    </message>
    <message>
        <source>it names no trade on a line above it</source>
        <translation>no nombra ningún cambio de turno de una línea anterior</translation>
    </message>
    <message>
        <source>it names a trade it cannot pay back</source>
        <translation>nombra un cambio de turno que no puede saldar</translation>
    </message>
    <message>
        <source>My entries</source>
        <translation>Mis entradas</translation>
    </message>
    <message>
        <source>the first line must be the header %1</source>
        <translation>la primera línea debe ser el encabezado %1</translation>
    </message>
    <message>
        <source>the line does not have the header&apos;s 9 columns</source>
        <translation>la línea no tiene las 9 columnas del encabezado</translation>
    </message>
    <message>
        <source>the quoting is broken</source>
        <translation>las comillas están mal cerradas</translation>
    </message>
    <message>
        <source>this is no valid value</source>
        <translation>no es un valor válido</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>línea %1, columna %2: %3</translation>
    </message>
    <message>
        <source>the id is on an earlier line too</source>
        <translation>el id también está en una línea anterior</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>your records already hold %n entry(s); give --add to add the file&apos;s entries to them</source>
        <translation>
            <numerusform>sus registros ya contienen %n entrada; indique --add para añadirles las entradas del archivo</numerusform>
            <numerusform>sus registros ya contienen %n entradas; indique --add para añadirles las entradas del archivo</numerusform>
        </translation>
    </message>
    <message>
        <source>your records already hold this entry; was the file imported before?</source>
        <translation>sus registros ya contienen esta entrada; ¿ya se importó el archivo?</translation>
    </message>
    <message>
        <source>your records %1 were written by a later version of Tenvik and are left as they are</source>
        <translation>sus registros %1 son de una versión posterior de Tenvik y se dejan como están</translation>
    </message>
    <message>
        <source>cannot open your records %1: %2</source>
        <translation>no se pueden abrir sus registros %1: %2</translation>
    </message>
    <message>
        <source>%1, %2 to %3</source>
        <translation>%1, de %2 a %3</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrada estándar</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>cannot import %1: %2</source>
        <translation>no se puede importar %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n entry(s) imported into %2
</source>
        <translation>
            <numerusform>%1: %n entrada importada en %2
</numerusform>
            <numerusform>%1: %n entradas importadas en %2
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n entry(s)
</source>
        <translation>
            <numerusform>%1: %n entrada
</numerusform>
            <numerusform>%1: %n entradas
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n pay period(s)</source>
        <translation>
            <numerusform>%1: %n período de pago</numerusform>
            <numerusform>%1: %n períodos de pago</numerusform>
        </translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>an address (https://...)</source>
        <translation>una dirección (https://...)</translation>
    </message>
    <message>
        <source>a name</source>
        <translation>un nombre</translation>
    </message>
    <message>
        <source>Publish every group&apos;s calendar for a department: a feed per group, per platoon and of the paydays, and a page to subscribe from, into FOLDER, for a web server to serve.</source>
        <translation>Publica el calendario de cada grupo para un departamento: una suscripción por grupo, por turno y de los días de pago, y una página desde la que suscribirse, en CARPETA, para que la sirva un servidor web.</translation>
    </message>
    <message>
        <source>FOLDER</source>
        <translation>CARPETA</translation>
    </message>
    <message>
        <source>With --publish: the address the web server serves FOLDER at, such as https://calendar.example.org/shifts/.</source>
        <translation>Con --publish: la dirección en la que el servidor web sirve CARPETA, como https://calendar.example.org/shifts/.</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Use this agency name instead of the saved one.</source>
        <translation>Usa este nombre de departamento en lugar del guardado.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>Use this pay-period start instead of the saved one.</source>
        <translation>Usa este inicio de período de pago en lugar del guardado.</translation>
    </message>
    <message>
        <source>First day of the calendar file (default today; for --publish the first day of the quarter before this one).</source>
        <translation>Primer día del archivo de calendario (por defecto, hoy; con --publish, el primer día del trimestre anterior al actual).</translation>
    </message>
    <message>
        <source>Last day of the calendar file (default 365 days after --from; for --publish the end of next year).</source>
        <translation>Último día del archivo de calendario (por defecto, 365 días después de --from; con --publish, el final del año próximo).</translation>
    </message>
    <message>
        <source>nothing to do: give --ics FILE, --pdf FILE, --entries-csv FILE, --pay-periods-csv FILE, --import-csv FILE or --publish FOLDER</source>
        <translation>nada que hacer: indique --ics ARCHIVO, --pdf ARCHIVO, --entries-csv ARCHIVO, --pay-periods-csv ARCHIVO, --import-csv ARCHIVO o --publish CARPETA</translation>
    </message>
    <message>
        <source>--from and --to set the days of --ics, --pay-periods-csv or --publish; give one of them too</source>
        <translation>--from y --to fijan los días de --ics, --pay-periods-csv o --publish; indique también uno de ellos</translation>
    </message>
    <message>
        <source>--publish writes a folder of its own; run it without other files to write</source>
        <translation>--publish escribe una carpeta propia; ejecútelo sin otros archivos que escribir</translation>
    </message>
    <message>
        <source>--publish needs --base-url URL, the address the web server serves the folder at</source>
        <translation>--publish necesita --base-url URL, la dirección en la que el servidor web sirve la carpeta</translation>
    </message>
    <message>
        <source>--base-url goes with --publish FOLDER</source>
        <translation>--base-url va con --publish CARPETA</translation>
    </message>
    <message>
        <source>--base-url: %1 is no web address; write it as https://host/path/</source>
        <translation>--base-url: %1 no es una dirección web; escríbala como https://servidor/ruta/</translation>
    </message>
    <message>
        <source>--publish is not available on Windows: publish from Linux, or copy the folder a Linux machine published</source>
        <translation>--publish no está disponible en Windows: publique desde Linux o copie la carpeta que publicó un equipo Linux</translation>
    </message>
    <message>
        <source>%1: shift calendars</source>
        <extracomment>The published page&apos;s title. %1: the agency</extracomment>
        <translation>%1: calendarios de turnos</translation>
    </message>
    <message>
        <source>Subscribe to your group&apos;s calendar once: your phone or computer then keeps it up to date by itself. The calendars cover %1 to %2.</source>
        <extracomment>%1 and %2: the first and the last day the calendars cover, as long dates</extracomment>
        <translation>Suscríbase una vez al calendario de su grupo: su teléfono u ordenador lo mantiene al día por sí solo. Los calendarios abarcan del %1 al %2.</translation>
    </message>
    <message>
        <source>How to subscribe</source>
        <translation>Cómo suscribirse</translation>
    </message>
    <message>
        <source>Subscribe</source>
        <extracomment>The text of the link that subscribes a calendar program to a feed</extracomment>
        <translation>Suscribirse</translation>
    </message>
    <message>
        <source>Subscribe to %1</source>
        <extracomment>What a screen reader says for the Subscribe link. %1: the feed&apos;s name (&quot;Group A1&quot;)</extracomment>
        <translation>Suscribirse a %1</translation>
    </message>
    <message>
        <source>Address for your calendar program:</source>
        <translation>Dirección para su programa de calendario:</translation>
    </message>
    <message>
        <source>QR code of %1: %2</source>
        <extracomment>The text alternative of a QR code. %1: the feed&apos;s name (&quot;Group A1&quot;), %2: the address it holds</extracomment>
        <translation>Código QR de %1: %2</translation>
    </message>
    <message>
        <source>Google Calendar</source>
        <translation>Google Calendar</translation>
    </message>
    <message>
        <source>On a computer, open calendar.google.com, choose + beside Other calendars, then From URL; paste the address of your group&apos;s calendar and choose Add calendar. Your phone&apos;s Google Calendar then shows it by itself.</source>
        <translation>En un ordenador, abra calendar.google.com, elija + junto a Otros calendarios y luego Desde URL; pegue la dirección del calendario de su grupo y elija Añadir calendario. El Google Calendar de su teléfono lo muestra después por sí solo.</translation>
    </message>
    <message>
        <source>Apple Calendar (iPhone, iPad, Mac)</source>
        <translation>Calendario de Apple (iPhone, iPad, Mac)</translation>
    </message>
    <message>
        <source>On an iPhone or iPad, point the camera at your group&apos;s code, or tap Subscribe, and confirm. On a Mac, click Subscribe, or choose File, New Calendar Subscription, and paste the address.</source>
        <translation>En un iPhone o iPad, apunte la cámara al código de su grupo, o toque Suscribirse, y confirme. En un Mac, haga clic en Suscribirse, o elija Archivo, Nueva suscripción a calendario, y pegue la dirección.</translation>
    </message>
    <message>
        <source>Outlook</source>
        <translation>Outlook</translation>
    </message>
    <message>
        <source>In Outlook on the web, choose Add calendar, then Subscribe from web, and paste the address. In Outlook for Windows, choose Add calendar, then From Internet.</source>
        <translation>En Outlook en la web, elija Agregar calendario y luego Suscribirse desde la web, y pegue la dirección. En Outlook para Windows, elija Agregar calendario y luego Desde Internet.</translation>
    </message>
    <message>
        <source>Calendar programs look for changes about once a week; a change can take a few days to reach every phone.</source>
        <translation>Los programas de calendario buscan cambios más o menos una vez por semana; un cambio puede tardar unos días en llegar a todos los teléfonos.</translation>
    </message>
    <message>
        <source>Assignment groups</source>
        <translation>Grupos de asignación</translation>
    </message>
    <message>
        <source>Platoons and paydays</source>
        <translation>Turnos y días de pago</translation>
    </message>
    <message>
        <source>Group %1</source>
        <extracomment>%1: the assignment group (&quot;A1&quot;)</extracomment>
        <translation>Grupo %1</translation>
    </message>
    <message>
        <source>Duty days and RDOs of group %1.</source>
        <translation>Días de guardia y RDO del grupo %1.</translation>
    </message>
    <message>
        <source>%1 platoon</source>
        <extracomment>%1: the platoon letter (&quot;A&quot;)</extracomment>
        <translation>Turno %1</translation>
    </message>
    <message>
        <source>Every duty day of the %1 platoon, without RDOs.</source>
        <translation>Todos los días de guardia del turno %1, sin RDO.</translation>
    </message>
    <message>
        <source>Paydays</source>
        <translation>Días de pago</translation>
    </message>
    <message>
        <source>Paydays and the first day of each pay period.</source>
        <translation>Los días de pago y el primer día de cada período de pago.</translation>
    </message>
    <message>
        <source>%1 - %2 platoon</source>
        <extracomment>The name of a platoon&apos;s calendar. %1: the agency, %2: the platoon letter (&quot;A&quot;)</extracomment>
        <translation>%1 - Turno %2</translation>
    </message>
    <message>
        <source>%1 - Paydays</source>
        <extracomment>The name of the paydays&apos; calendar. %1: the agency</extracomment>
        <translation>%1 - Días de pago</translation>
    </message>
    <message>
        <source>it is a folder or file that --publish did not make; move it away or publish to another name</source>
        <translation>es una carpeta o un archivo que --publish no creó; muévalo o publique con otro nombre</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>cannot publish to %1: %2; the last publish stays in place</source>
        <translation>no se puede publicar en %1: %2; la última publicación sigue en su sitio</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 feeds and index.html, %3 to %4; %n file(s) changed</source>
        <extracomment>%1: the folder, %2: the number of feeds, %3 and %4: the first and last day they cover</extracomment>
        <translation>
            <numerusform>%1: %2 suscripciones e index.html, del %3 al %4; %n archivo cambiado</numerusform>
            <numerusform>%1: %2 suscripciones e index.html, del %3 al %4; %n archivos cambiados</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 does not go with --publish, which writes every group&apos;s feeds whole, for the days of --from and --to; leave %1 out</source>
        <extracomment>%1: the option given with --publish (--group, --no-rdo, --year ...)</extracomment>
        <translation>%1 no va con --publish, que escribe enteros los calendarios de todos los grupos, para los días de --from y --to; quite %1</translation>
    </message>
    <message>
        <source>cannot publish to %1: %2; nothing was published</source>
        <translation>no se puede publicar en %1: %2; no se publicó nada</translation>
    </message>
    <message>
        <source>your records %1 were damaged and have been set aside as %2; there is no backup of them</source>
        <translation>sus registros %1 estaban dañados y se apartaron como %2; no hay ninguna copia de seguridad de ellos</translation>
    </message>
    <message>
        <source>your records %1 were damaged and have been set aside as %2; the newest backup is %3: to go back to it, close Tenvik and copy it over %1</source>
        <translation>sus registros %1 estaban dañados y se apartaron como %2; la copia de seguridad más reciente es %3: para volver a ella, cierre Tenvik y cópiela sobre %1</translation>
    </message>
    <message>
        <source>FILE may be - for standard output; the summary then goes to standard error.
A link is kept and the file it points to replaced; a pipe or a device is
written to as it is. Dates run from 1901-01-01 to 2060-12-31.

The settings are read, never written, from
$XDG_CONFIG_HOME/Quorvell/Tenvik/Tenvik.ini (normally ~/.config/...).

The paper is --paper, else PAPERSIZE (a4 or letter), else your locale&apos;s
(LC_ALL, LC_PAPER, LANG): letter in the United States, Canada, Mexico, the
Philippines and the other countries whose locales print on it, a4 elsewhere.

Import each group&apos;s calendar file into a calendar of its own: the calendar
is named after the agency and the group. After a change of group, delete the
old group&apos;s calendar in your calendar program, then import the new file.
Importing a newer file of the same group updates its events.

--publish FOLDER keeps FOLDER as a link to the latest of its generations
beside it (FOLDER.tenvik-N) and switches the link in one step, so a web
server never serves half of a publish; a failed publish changes nothing
that is served. With the same settings and days it writes the same bytes.

Exit status: 0 when everything was written, 1 when a file could not be
written, 2 when the arguments are wrong (then nothing is read or written).
</source>
        <translation>ARCHIVO puede ser - para la salida estándar; el resumen va entonces a la salida
de errores. Un enlace se conserva y se reemplaza el archivo al que apunta; en
una tubería o un dispositivo se escribe tal cual. Las fechas van de 1901-01-01
a 2060-12-31.

La configuración se lee, nunca se escribe, de
$XDG_CONFIG_HOME/Quorvell/Tenvik/Tenvik.ini (normalmente ~/.config/...).

El papel es --paper, si no PAPERSIZE (a4 o letter), si no el de su configuración
regional (LC_ALL, LC_PAPER, LANG): letter en Estados Unidos, Canadá, México,
Filipinas y los demás países cuya configuración regional lo usa, a4 en los demás.

Importe el archivo de calendario de cada grupo en un calendario propio: el
calendario lleva el nombre del departamento y del grupo. Tras un cambio de
grupo, borre el calendario del grupo anterior en su programa de calendario y
luego importe el archivo nuevo. Importar un archivo más reciente del mismo grupo
actualiza sus eventos.

--publish CARPETA mantiene CARPETA como enlace a la más reciente de sus
generaciones, a su lado (CARPETA.tenvik-N), y cambia el enlace de una vez,
así que un servidor web nunca sirve media publicación; una publicación fallida
no cambia nada de lo que se sirve. Con la misma configuración y los mismos días
escribe los mismos bytes.

Estado de salida: 0 si se escribió todo, 1 si no se pudo escribir un archivo,
2 si los argumentos son incorrectos (entonces no se lee ni se escribe nada).
</translation>
    </message>
    <message>
        <source>another publish into %1 is still under way; try again when it has ended</source>
        <translation>otra publicación en %1 sigue en curso; vuelva a intentarlo cuando haya terminado</translation>
    </message>
</context>
<context>
    <name>tenvik::ColorNames</name>
    <message>
        <source>Aliceblue</source>
        <translation>Azul Alicia</translation>
    </message>
    <message>
        <source>Antiquewhite</source>
        <translation>Blanco antiguo</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>Aquamarine</source>
        <translation>Aguamarina</translation>
    </message>
    <message>
        <source>Azure</source>
        <translation>Azur</translation>
    </message>
    <message>
        <source>Beige</source>
        <translation>Beige</translation>
    </message>
    <message>
        <source>Bisque</source>
        <translation>Bizcocho</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Blanchedalmond</source>
        <translation>Almendra blanqueada</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Blueviolet</source>
        <translation>Violeta azulado</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marrón</translation>
    </message>
    <message>
        <source>Burlywood</source>
        <translation>Madera</translation>
    </message>
    <message>
        <source>Cadetblue</source>
        <translation>Azul cadete</translation>
    </message>
    <message>
        <source>Chartreuse</source>
        <translation>Chartreuse</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>Chocolate</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>Coral</translation>
    </message>
    <message>
        <source>Cornflowerblue</source>
        <translation>Azul aciano</translation>
    </message>
    <message>
        <source>Cornsilk</source>
        <translation>Seda de maíz</translation>
    </message>
    <message>
        <source>Crimson</source>
        <translation>Carmesí</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cian</translation>
    </message>
    <message>
        <source>Darkblue</source>
        <translation>Azul oscuro</translation>
    </message>
    <message>
        <source>Darkcyan</source>
        <translation>Cian oscuro</translation>
    </message>
    <message>
        <source>Darkgoldenrod</source>
        <translation>Vara de oro oscuro</translation>
    </message>
    <message>
        <source>Darkgray</source>
        <translation>Gris oscuro</translation>
    </message>
    <message>
        <source>Darkgreen</source>
        <translation>Verde oscuro</translation>
    </message>
    <message>
        <source>Darkgrey</source>
        <translation>Gris oscuro</translation>
    </message>
    <message>
        <source>Darkkhaki</source>
        <translation>Caqui oscuro</translation>
    </message>
    <message>
        <source>Darkmagenta</source>
        <translation>Magenta oscuro</translation>
    </message>
    <message>
        <source>Darkolivegreen</source>
        <translation>Verde oliva oscuro</translation>
    </message>
    <message>
        <source>Darkorange</source>
        <translation>Naranja oscuro</translation>
    </message>
    <message>
        <source>Darkorchid</source>
        <translation>Orquídea oscuro</translation>
    </message>
    <message>
        <source>Darkred</source>
        <translation>Rojo oscuro</translation>
    </message>
    <message>
        <source>Darksalmon</source>
        <translation>Salmón oscuro</translation>
    </message>
    <message>
        <source>Darkseagreen</source>
        <translation>Verde mar oscuro</translation>
    </message>
    <message>
        <source>Darkslateblue</source>
        <translation>Azul pizarra oscuro</translation>
    </message>
    <message>
        <source>Darkslategray</source>
        <translation>Gris pizarra oscuro</translation>
    </message>
    <message>
        <source>Darkslategrey</source>
        <translation>Gris pizarra oscuro</translation>
    </message>
    <message>
        <source>Darkturquoise</source>
        <translation>Turquesa oscuro</translation>
    </message>
    <message>
        <source>Darkviolet</source>
        <translation>Violeta oscuro</translation>
    </message>
    <message>
        <source>Deeppink</source>
        <translation>Rosa intenso</translation>
    </message>
    <message>
        <source>Deepskyblue</source>
        <translation>Azul cielo intenso</translation>
    </message>
    <message>
        <source>Dimgray</source>
        <translation>Gris apagado</translation>
    </message>
    <message>
        <source>Dimgrey</source>
        <translation>Gris apagado</translation>
    </message>
    <message>
        <source>Dodgerblue</source>
        <translation>Azul Dodger</translation>
    </message>
    <message>
        <source>Firebrick</source>
        <translation>Ladrillo refractario</translation>
    </message>
    <message>
        <source>Floralwhite</source>
        <translation>Blanco floral</translation>
    </message>
    <message>
        <source>Forestgreen</source>
        <translation>Verde bosque</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fucsia</translation>
    </message>
    <message>
        <source>Gainsboro</source>
        <translation>Gainsboro</translation>
    </message>
    <message>
        <source>Ghostwhite</source>
        <translation>Blanco fantasma</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Oro</translation>
    </message>
    <message>
        <source>Goldenrod</source>
        <translation>Vara de oro</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Greenyellow</source>
        <translation>Verde amarillo</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Honeydew</source>
        <translation>Melón claro</translation>
    </message>
    <message>
        <source>Hotpink</source>
        <translation>Rosa fuerte</translation>
    </message>
    <message>
        <source>Indianred</source>
        <translation>Rojo indio</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Índigo</translation>
    </message>
    <message>
        <source>Ivory</source>
        <translation>Marfil</translation>
    </message>
    <message>
        <source>Khaki</source>
        <translation>Caqui</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavanda</translation>
    </message>
    <message>
        <source>Lavenderblush</source>
        <translation>Lavanda rubor</translation>
    </message>
    <message>
        <source>Lawngreen</source>
        <translation>Verde césped</translation>
    </message>
    <message>
        <source>Lemonchiffon</source>
        <translation>Gasa limón</translation>
    </message>
    <message>
        <source>Lightblue</source>
        <translation>Azul claro</translation>
    </message>
    <message>
        <source>Lightcoral</source>
        <translation>Coral claro</translation>
    </message>
    <message>
        <source>Lightcyan</source>
        <translation>Cian claro</translation>
    </message>
    <message>
        <source>Lightgoldenrodyellow</source>
        <translation>Amarillo dorado claro</translation>
    </message>
    <message>
        <source>Lightgray</source>
        <translation>Gris claro</translation>
    </message>
    <message>
        <source>Lightgreen</source>
        <translation>Verde claro</translation>
    </message>
    <message>
        <source>Lightgrey</source>
        <translation>Gris claro</translation>
    </message>
    <message>
        <source>Lightpink</source>
        <translation>Rosa claro</translation>
    </message>
    <message>
        <source>Lightsalmon</source>
        <translation>Salmón claro</translation>
    </message>
    <message>
        <source>Lightseagreen</source>
        <translation>Verde mar claro</translation>
    </message>
    <message>
        <source>Lightskyblue</source>
        <translation>Azul cielo claro</translation>
    </message>
    <message>
        <source>Lightslategray</source>
        <translation>Gris pizarra claro</translation>
    </message>
    <message>
        <source>Lightslategrey</source>
        <translation>Gris pizarra claro</translation>
    </message>
    <message>
        <source>Lightsteelblue</source>
        <translation>Azul acero claro</translation>
    </message>
    <message>
        <source>Lightyellow</source>
        <translation>Amarillo claro</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Lima</translation>
    </message>
    <message>
        <source>Limegreen</source>
        <translation>Verde lima</translation>
    </message>
    <message>
        <source>Linen</source>
        <translation>Lino</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Granate</translation>
    </message>
    <message>
        <source>Mediumaquamarine</source>
        <translation>Aguamarina medio</translation>
    </message>
    <message>
        <source>Mediumblue</source>
        <translation>Azul medio</translation>
    </message>
    <message>
        <source>Mediumorchid</source>
        <translation>Orquídea medio</translation>
    </message>
    <message>
        <source>Mediumpurple</source>
        <translation>Púrpura medio</translation>
    </message>
    <message>
        <source>Mediumseagreen</source>
        <translation>Verde mar medio</translation>
    </message>
    <message>
        <source>Mediumslateblue</source>
        <translation>Azul pizarra medio</translation>
    </message>
    <message>
        <source>Mediumspringgreen</source>
        <translation>Verde primavera medio</translation>
    </message>
    <message>
        <source>Mediumturquoise</source>
        <translation>Turquesa medio</translation>
    </message>
    <message>
        <source>Mediumvioletred</source>
        <translation>Rojo violeta medio</translation>
    </message>
    <message>
        <source>Midnightblue</source>
        <translation>Azul medianoche</translation>
    </message>
    <message>
        <source>Mintcream</source>
        <translation>Crema de menta</translation>
    </message>
    <message>
        <source>Mistyrose</source>
        <translation>Rosa brumoso</translation>
    </message>
    <message>
        <source>Moccasin</source>
        <translation>Mocasín</translation>
    </message>
    <message>
        <source>Navajowhite</source>
        <translation>Blanco navajo</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Azul marino</translation>
    </message>
    <message>
        <source>Oldlace</source>
        <translation>Encaje antiguo</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliva</translation>
    </message>
    <message>
        <source>Olivedrab</source>
        <translation>Verde oliva pardo</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Naranja</translation>
    </message>
    <message>
        <source>Orangered</source>
        <translation>Rojo anaranjado</translation>
    </message>
    <message>
        <source>Orchid</source>
        <translation>Orquídea</translation>
    </message>
    <message>
        <source>Palegoldenrod</source>
        <translation>Vara de oro pálido</translation>
    </message>
    <message>
        <source>Palegreen</source>
        <translation>Verde pálido</translation>
    </message>
    <message>
        <source>Paleturquoise</source>
        <translation>Turquesa pálido</translation>
    </message>
    <message>
        <source>Palevioletred</source>
        <translation>Rojo violeta pálido</translation>
    </message>
    <message>
        <source>Papayawhip</source>
        <translation>Crema de papaya</translation>
    </message>
    <message>
        <source>Peachpuff</source>
        <translation>Melocotón</translation>
    </message>
    <message>
        <source>Peru</source>
        <translation>Perú</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>Ciruela</translation>
    </message>
    <message>
        <source>Powderblue</source>
        <translation>Azul polvo</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Púrpura</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Rosybrown</source>
        <translation>Marrón rosado</translation>
    </message>
    <message>
        <source>Royalblue</source>
        <translation>Azul real</translation>
    </message>
    <message>
        <source>Saddlebrown</source>
        <translation>Marrón cuero</translation>
    </message>
    <message>
        <source>Salmon</source>
        <translation>Salmón</translation>
    </message>
    <message>
        <source>Sandybrown</source>
        <translation>Marrón arena</translation>
    </message>
    <message>
        <source>Seagreen</source>
        <translation>Verde mar</translation>
    </message>
    <message>
        <source>Seashell</source>
        <translation>Concha</translation>
    </message>
    <message>
        <source>Sienna</source>
        <translation>Siena</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plata</translation>
    </message>
    <message>
        <source>Skyblue</source>
        <translation>Azul cielo</translation>
    </message>
    <message>
        <source>Slateblue</source>
        <translation>Azul pizarra</translation>
    </message>
    <message>
        <source>Slategray</source>
        <translation>Gris pizarra</translation>
    </message>
    <message>
        <source>Slategrey</source>
        <translation>Gris pizarra</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Nieve</translation>
    </message>
    <message>
        <source>Springgreen</source>
        <translation>Verde primavera</translation>
    </message>
    <message>
        <source>Steelblue</source>
        <translation>Azul acero</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>Canela</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde azulado</translation>
    </message>
    <message>
        <source>Thistle</source>
        <translation>Cardo</translation>
    </message>
    <message>
        <source>Tomato</source>
        <translation>Tomate</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Turquesa</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violeta</translation>
    </message>
    <message>
        <source>Wheat</source>
        <translation>Trigo</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Whitesmoke</source>
        <translation>Humo blanco</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Yellowgreen</source>
        <translation>Amarillo verdoso</translation>
    </message>
    <message>
        <source>Null</source>
        <translation>Ninguno</translation>
    </message>
</context>
<context>
    <name>tenvik::DayEntriesDialog</name>
    <message>
        <source>Vacation</source>
        <translation>Vacaciones</translation>
    </message>
    <message>
        <source>Sick leave</source>
        <translation>Baja por enfermedad</translation>
    </message>
    <message>
        <source>Compensatory time</source>
        <translation>Tiempo compensatorio</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Día festivo</translation>
    </message>
    <message>
        <source>Other leave</source>
        <translation>Otro permiso</translation>
    </message>
    <message>
        <source>Overtime</source>
        <translation>Horas extra</translation>
    </message>
    <message>
        <source>Callback</source>
        <translation>Llamada al servicio</translation>
    </message>
    <message>
        <source>I worked for %1: %2 h</source>
        <translation>Trabajé por %1: %2 h</translation>
    </message>
    <message>
        <source>%1 worked for me: %2 h</source>
        <extracomment>A trade: %1 the colleague, %2 the hours (&quot;24&quot;)</extracomment>
        <translation>%1 trabajó por mí: %2 h</translation>
    </message>
    <message>
        <source> (pays back)</source>
        <translation> (devuelve)</translation>
    </message>
    <message>
        <source>%1: %2 h</source>
        <extracomment>Leave: %1 its kind (&quot;Vacation&quot;), %2 the hours</extracomment>
        <translation>%1: %2 h</translation>
    </message>
    <message>
        <source>%1: %2 h, paid</source>
        <translation>%1: %2 h, pagadas</translation>
    </message>
    <message>
        <source>%1: %2 h, banked</source>
        <extracomment>Extra hours: %1 &quot;Overtime&quot; or &quot;Callback&quot;, %2 the hours</extracomment>
        <translation>%1: %2 h, acumuladas</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Nota: %1</translation>
    </message>
    <message>
        <source>The hours must be from 0 to 48.</source>
        <translation>Las horas deben estar entre 0 y 48.</translation>
    </message>
    <message>
        <source>Entries can be kept for the years 1901 to 2060 only.</source>
        <translation>Solo se pueden guardar anotaciones de los años 1901 a 2060.</translation>
    </message>
    <message>
        <source>The text may not hold tabs, line breaks or other control characters.</source>
        <translation>El texto no puede contener tabulaciones, saltos de línea ni otros caracteres de control.</translation>
    </message>
    <message>
        <source>The text holds characters that cannot be stored.</source>
        <translation>El texto contiene caracteres que no se pueden guardar.</translation>
    </message>
    <message>
        <source>The text is too long.</source>
        <translation>El texto es demasiado largo.</translation>
    </message>
    <message>
        <source>A trade needs the colleague&apos;s name.</source>
        <translation>Un cambio de turno necesita el nombre del compañero.</translation>
    </message>
    <message>
        <source>A note needs some text.</source>
        <translation>Una nota necesita algún texto.</translation>
    </message>
    <message>
        <source>A trade can only pay back an earlier trade the other way round with the same colleague.</source>
        <translation>Un cambio solo puede devolver un cambio anterior en sentido contrario con el mismo compañero.</translation>
    </message>
    <message>
        <source>The entry is no longer there.</source>
        <translation>La anotación ya no existe.</translation>
    </message>
    <message>
        <source>Entries for %1</source>
        <extracomment>The title of the day&apos;s entries; %1 the date</extracomment>
        <translation>Anotaciones del %1</translation>
    </message>
    <message>
        <source>Entries of the day</source>
        <translation>Anotaciones del día</translation>
    </message>
    <message>
        <source>Trade</source>
        <translation>Cambio de turno</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Permiso</translation>
    </message>
    <message>
        <source>Extra hours</source>
        <translation>Horas adicionales</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>I worked for them (they owe me)</source>
        <translation>Trabajé por él (me debe)</translation>
    </message>
    <message>
        <source>They worked for me (I owe them)</source>
        <translation>Trabajó por mí (le debo)</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Pagadas</translation>
    </message>
    <message>
        <source>Banked as compensatory time</source>
        <translation>Acumuladas como tiempo compensatorio</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>&amp;Trade:</source>
        <translation>Ca&amp;mbio:</translation>
    </message>
    <message>
        <source>&amp;Colleague:</source>
        <translation>&amp;Compañero:</translation>
    </message>
    <message>
        <source>&amp;Leave:</source>
        <translation>&amp;Permiso:</translation>
    </message>
    <message>
        <source>&amp;Extra:</source>
        <translation>&amp;Adicional:</translation>
    </message>
    <message>
        <source>&amp;Pay:</source>
        <translation>P&amp;ago:</translation>
    </message>
    <message>
        <source>&amp;Hours:</source>
        <translation>&amp;Horas:</translation>
    </message>
    <message>
        <source>Pays &amp;back:</source>
        <translation>&amp;Devuelve:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Nota:</translation>
    </message>
    <message>
        <source>Ne&amp;w</source>
        <translation>N&amp;ueva</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Aña&amp;dir</translation>
    </message>
    <message>
        <source>&amp;Save Changes</source>
        <translation>&amp;Guardar cambios</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The records could not be read: %1</source>
        <translation>No se pudieron leer los registros: %1</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Nada</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An earlier trade to pay back: %1 its date, %2 the line that describes it</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The hours must be a number such as 24 or 10.5.</source>
        <translation>Las horas deben ser un número como 24 o 10,5.</translation>
    </message>
    <message>
        <source>The records could not be written: %1</source>
        <translation>No se pudieron escribir los registros: %1</translation>
    </message>
</context>
<context>
    <name>tenvik::EventPhrases</name>
    <message>
        <source>On duty - %1</source>
        <extracomment>Title of a duty day in the calendar file. %1: the assignment group, &quot;A2&quot;</extracomment>
        <translation>De guardia - %1</translation>
    </message>
    <message>
        <source>%1, group %2: %3 platoon on duty.</source>
        <extracomment>%1: the agency, %2: the assignment group (&quot;A2&quot;), %3: the platoon letter (&quot;A&quot;)</extracomment>
        <translation>%1, grupo %2: turno %3 de guardia.</translation>
    </message>
    <message>
        <source>RDO - %1</source>
        <extracomment>Title of the user&apos;s Regular Day Off. %1: the assignment group</extracomment>
        <translation>RDO - %1</translation>
    </message>
    <message>
        <source>%1, group %2: Regular Day Off.</source>
        <extracomment>%1: the agency, %2: the assignment group</extracomment>
        <translation>%1, grupo %2: día libre regular (RDO).</translation>
    </message>
    <message>
        <source>Payday - %1</source>
        <extracomment>%1: the agency</extracomment>
        <translation>Día de pago - %1</translation>
    </message>
    <message>
        <source>%1: payday.</source>
        <extracomment>%1: the agency</extracomment>
        <translation>%1: día de pago.</translation>
    </message>
    <message>
        <source>%1 begins - %2</source>
        <extracomment>%1: the pay period, &quot;PP7&quot;; %2: the agency</extracomment>
        <translation>Empieza %1 - %2</translation>
    </message>
    <message>
        <source>%1: pay period %2 begins today and runs %3 days.</source>
        <extracomment>%1: the agency, %2: the pay period (&quot;PP7&quot;), %3: its length in days (14)</extracomment>
        <translation>%1: el período de pago %2 empieza hoy y dura %3 días.</translation>
    </message>
    <message>
        <source>Duty</source>
        <extracomment>Category of the duty days in a calendar program</extracomment>
        <translation>Guardia</translation>
    </message>
    <message>
        <source>RDO</source>
        <extracomment>Category of the user&apos;s Regular Days Off</extracomment>
        <translation>RDO</translation>
    </message>
    <message>
        <source>Payday</source>
        <translation>Día de pago</translation>
    </message>
    <message>
        <source>Pay period</source>
        <translation>Período de pago</translation>
    </message>
    <message>
        <source>%1 platoon on duty</source>
        <extracomment>Title of a day in a platoon&apos;s published calendar. %1: the platoon letter (&quot;A&quot;)</extracomment>
        <translation>Turno %1 de guardia</translation>
    </message>
    <message>
        <source>%1: %2 platoon on duty.</source>
        <extracomment>%1: the agency, %2: the platoon letter (&quot;A&quot;)</extracomment>
        <translation>%1: turno %2 de guardia.</translation>
    </message>
</context>
<context>
    <name>tenvik::RecordsSummaryDialog</name>
    <message>
        <source>My Records %1</source>
        <extracomment>%1 the year the summary is for</extracomment>
        <translation>Mis registros %1</translation>
    </message>
    <message>
        <source>Colleague</source>
        <translation>Compañero</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>&amp;Trades</source>
        <translation>&amp;Cambios</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Permiso</translation>
    </message>
    <message>
        <source>Taken %1</source>
        <translation>Tomado %1</translation>
    </message>
    <message>
        <source>Balance on 1 January</source>
        <translation>Saldo al 1 de enero</translation>
    </message>
    <message>
        <source>Added each pay period</source>
        <translation>Añadido por período de pago</translation>
    </message>
    <message>
        <source>Left today</source>
        <translation>Queda hoy</translation>
    </message>
    <message>
        <source>Left at year end</source>
        <translation>Queda a fin de año</translation>
    </message>
    <message>
        <source>Give a starting balance and what each pay period adds to see what is left.</source>
        <translation>Indique un saldo inicial y lo que añade cada período de pago para ver lo que queda.</translation>
    </message>
    <message>
        <source>&amp;Leave</source>
        <translation>&amp;Permisos</translation>
    </message>
    <message>
        <source>Pay period</source>
        <translation>Período de pago</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Scheduled</source>
        <translation>Programadas</translation>
    </message>
    <message>
        <source>Trades in</source>
        <translation>Cambios hechos</translation>
    </message>
    <message>
        <source>Trades out</source>
        <translation>Cambios recibidos</translation>
    </message>
    <message>
        <source>Extra</source>
        <translation>Adicionales</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>&amp;Pay Periods</source>
        <translation>Períodos de &amp;pago</translation>
    </message>
    <message>
        <source>The records could not be read: %1</source>
        <translation>No se pudieron leer los registros: %1</translation>
    </message>
    <message>
        <source>%1 owes you %2 h</source>
        <extracomment>%1 the colleague, %2 the hours</extracomment>
        <translation>%1 le debe %2 h</translation>
    </message>
    <message>
        <source>You owe %1 %2 h</source>
        <extracomment>%1 the colleague, %2 the hours</extracomment>
        <translation>Usted le debe a %1 %2 h</translation>
    </message>
    <message>
        <source>Settled</source>
        <translation>Saldado</translation>
    </message>
    <message>
        <source>Open since %1</source>
        <extracomment>An open trade: %1 its date, %2 the trade</extracomment>
        <translation>Pendiente desde %1</translation>
    </message>
    <message>
        <source>No trades recorded</source>
        <translation>Ningún cambio registrado</translation>
    </message>
    <message>
        <source>A starting balance must be within 9999 hours either way, and a pay period can add 0 to 48 hours.</source>
        <translation>Un saldo inicial debe estar entre -9999 y 9999 horas, y un período de pago puede añadir de 0 a 48 horas.</translation>
    </message>
</context>
<context>
    <name>tenvik::TMainForm</name>
    <message>
        <source>Tenvik for Ostrand Fire v%1</source>
        <translation>Tenvik para Ostrand Fire v%1</translation>
    </message>
    <message>
        <source>To change Pay Period Start Date,</source>
        <translation>Para cambiar el inicio de los períodos de pago,</translation>
    </message>
    <message>
        <source>double-click on background of Settings tab</source>
        <translation>haga doble clic en el fondo de la pestaña Ajustes</translation>
    </message>
    <message>
        <source>For information only: the department&apos;s official roster prevails.</source>
        <translation>Solo a título informativo: prevalece la lista de turnos oficial del departamento.</translation>
    </message>
    <message>
        <source>Your settings are kept in Quorvell/Tenvik/Tenvik.ini in your configuration folder.</source>
        <translation>Su configuración se guarda en Quorvell/Tenvik/Tenvik.ini en su carpeta de configuración.</translation>
    </message>
    <message>
        <source>email: </source>
        <extracomment>The caption of the support address, &quot;email: support@...&quot;</extracomment>
        <translation>correo: </translation>
    </message>
    <message>
        <source>A platoon</source>
        <translation>turno A</translation>
    </message>
    <message>
        <source>B platoon</source>
        <translation>turno B</translation>
    </message>
    <message>
        <source>today</source>
        <extracomment>Said of the day that is today, after its date</extracomment>
        <translation>hoy</translation>
    </message>
    <message>
        <source>your RDO</source>
        <translation>su RDO</translation>
    </message>
    <message>
        <source>RDO group %1</source>
        <extracomment>%1: the group whose Regular Day Off the day is, &quot;B2&quot;</extracomment>
        <translation>RDO del grupo %1</translation>
    </message>
    <message>
        <source>payday</source>
        <translation>día de pago</translation>
    </message>
    <message>
        <source>pay period %1 begins</source>
        <extracomment>%1: the number of the pay period, 1 to 26</extracomment>
        <translation>empieza el período de pago %1</translation>
    </message>
    <message>
        <source>Legend: %1, %2</source>
        <extracomment>A legend cell read aloud. %1: &quot;A platoon&quot; or &quot;B platoon&quot;, %2: the name of its colour</extracomment>
        <translation>Leyenda: %1, %2</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Export to Calendar…</source>
        <translation>Exportar al calendario…</translation>
    </message>
    <message>
        <source>Print Year…</source>
        <translation>Imprimir año…</translation>
    </message>
    <message>
        <source>Export to Calendar</source>
        <translation>Exportar al calendario</translation>
    </message>
    <message>
        <source>Calendar files (*.ics)</source>
        <translation>Archivos de calendario (*.ics)</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mes anterior</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mes siguiente</translation>
    </message>
    <message>
        <source>Month grid</source>
        <translation>Cuadrícula del mes</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Go to date</source>
        <translation>Ir a la fecha</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Pay period start</source>
        <translation>Inicio de los períodos de pago</translation>
    </message>
    <message>
        <source>Assignment</source>
        <translation>Asignación</translation>
    </message>
    <message>
        <source>Paydays</source>
        <translation>Días de pago</translation>
    </message>
    <message>
        <source>Show RDOs</source>
        <translation>Mostrar RDO</translation>
    </message>
    <message>
        <source>Pay Periods</source>
        <translation>Períodos de pago</translation>
    </message>
    <message>
        <source>A platoon colour</source>
        <translation>Color del turno A</translation>
    </message>
    <message>
        <source>B platoon colour</source>
        <translation>Color del turno B</translation>
    </message>
    <message>
        <source>Your RDO colour</source>
        <translation>Color de su RDO</translation>
    </message>
    <message>
        <source>Ld / Tr</source>
        <extracomment>Short caption (about 8 letters) of the colour of the leading and trailing days, those of the months before and after the one shown</extracomment>
        <translation>Ant / Sig</translation>
    </message>
    <message>
        <source>Leading and trailing days colour</source>
        <translation>Color de los días de los meses vecinos</translation>
    </message>
    <message>
        <source>BkGr</source>
        <extracomment>Short caption (about 6 letters) of the background colour</extracomment>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>Enter agency name</source>
        <translation>Nombre del departamento</translation>
    </message>
    <message>
        <source>Agency name</source>
        <translation>Nombre del departamento</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Help picture</source>
        <translation>Imagen de ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Sextant</source>
        <translation>Sextante</translation>
    </message>
    <message>
        <source>Unable to write to %1: the file is busy, another Tenvik window is saving it. Try again in a moment.</source>
        <translation>No se puede escribir en %1: el archivo está ocupado, otra ventana de Tenvik lo está guardando. Inténtelo de nuevo en un momento.</translation>
    </message>
    <message>
        <source>Unable to write to %1: it is a link into the folder %2, which is missing.</source>
        <translation>No se puede escribir en %1: es un enlace a la carpeta %2, que no existe.</translation>
    </message>
    <message>
        <source>Calendar saved to %1</source>
        <translation>Calendario guardado en %1</translation>
    </message>
    <message>
        <source>Year %1 saved to %2</source>
        <translation>Año %1 guardado en %2</translation>
    </message>
    <message>
        <source>Unable to print to %1</source>
        <translation>No se puede imprimir en %1</translation>
    </message>
    <message>
        <source>Year %1 sent to %2</source>
        <translation>Año %1 enviado a %2</translation>
    </message>
    <message>
        <source>Key to the calendar</source>
        <translation>Clave del calendario</translation>
    </message>
    <message>
        <source>Pay-period start…</source>
        <translation>Inicio de los períodos de pago…</translation>
    </message>
    <message>
        <source>Change the pay-period start</source>
        <translation>Cambiar el inicio de los períodos de pago</translation>
    </message>
    <message>
        <source>“%1” is no date from %2 to %3</source>
        <extracomment>%1 is what the user typed into the date field, %2 and %3 the first and the last date the calendar shows</extracomment>
        <translation>«%1» no es una fecha del %2 al %3</translation>
    </message>
    <message>
        <source>%1 “%2”</source>
        <extracomment>One setting that could not be read: %1 its name on the Settings page, %2 the text the settings file holds for it</extracomment>
        <translation>%1 «%2»</translation>
    </message>
    <message>
        <source>Some settings could not be read and use their defaults until you save: %1</source>
        <extracomment>%1 lists the settings, each with the text the file holds</extracomment>
        <translation>Algunos ajustes no se pudieron leer y usan sus valores predeterminados hasta que guarde: %1</translation>
    </message>
    <message>
        <source>Day Entries…</source>
        <translation>Anotaciones del día…</translation>
    </message>
    <message>
        <source>Your records in %1 could not be opened: %2</source>
        <extracomment>%1 the records file, %2 why it could not be opened</extracomment>
        <translation>No se pudieron abrir sus registros en %1: %2</translation>
    </message>
    <message>
        <source>Your records in %1 were written by a newer version of Tenvik. This version leaves them as they are; please use the newer one.</source>
        <extracomment>%1 the records file</extracomment>
        <translation>Sus registros en %1 fueron escritos por una versión más reciente de Tenvik. Esta versión los deja como están; use la más reciente.</translation>
    </message>
    <message>
        <source>Your records file %1 was damaged and could not be read. It was kept, untouched, as %2, and a new, empty records file was started.</source>
        <extracomment>%1 the damaged file, %2 the name it was set aside under</extracomment>
        <translation>Su archivo de registros %1 estaba dañado y no se pudo leer. Se guardó intacto como %2 y se empezó un archivo nuevo y vacío.</translation>
    </message>
    <message>
        <source>There is no backup to restore.</source>
        <translation>No hay ninguna copia de seguridad que restaurar.</translation>
    </message>
    <message>
        <source>Restore your records from the newest backup, %1?</source>
        <extracomment>%1 the backup file&apos;s name, which holds its date</extracomment>
        <translation>¿Restaurar sus registros desde la copia de seguridad más reciente, %1?</translation>
    </message>
    <message>
        <source>The backup %1 could not be restored: %2</source>
        <extracomment>%1 the backup file&apos;s name, %2 why it failed</extracomment>
        <translation>No se pudo restaurar la copia de seguridad %1: %2</translation>
    </message>
    <message>
        <source>My Records…</source>
        <translation>Mis registros…</translation>
    </message>
    <message>
        <source>Add your own entries (trades, leave, extra hours and notes) to the calendar file? Their names and notes can be read by anyone you give the file to.</source>
        <translation>¿Añadir sus propias anotaciones (cambios, permisos, horas adicionales y notas) al archivo de calendario? Cualquiera a quien dé el archivo podrá leer sus nombres y notas.</translation>
    </message>
    <message>
        <source>Your records could not be read: %1</source>
        <translation>No se pudieron leer sus registros: %1</translation>
    </message>
    <message>
        <source>Entry Marks</source>
        <translation>Marcas</translation>
    </message>
    <message>
        <source>Marks on the days that hold your trades, leave, extra hours or notes</source>
        <translation>Marcas en los días con sus cambios de turno, ausencias, horas adicionales o notas</translation>
    </message>
    <message>
        <source>Shift Hours</source>
        <extracomment>The length of one shift, in hours</extracomment>
        <translation>Horas de turno</translation>
    </message>
    <message>
        <source>Shift length in hours</source>
        <translation>Duración del turno en horas</translation>
    </message>
    <message>
        <source>The hours of one shift: what a new trade starts with and what the summary counts for a day on duty</source>
        <translation>Las horas de un turno: con las que empieza un nuevo cambio de turno y las que el resumen cuenta por día de servicio</translation>
    </message>
    <message>
        <source>The Calendar page with its marks explained: day numbers in the A and B platoon colours, your RDO, paydays underlined, the RDO group and the first day of a pay period in the corner of a day, the legend, the marks of your trades, leave, extra hours and notes, the status line, Today, the date field and the menu a right click opens</source>
        <translation>La página Calendario con sus marcas explicadas: los números de los días en los colores de los turnos A y B, su RDO, los días de pago subrayados, el grupo de RDO y el primer día de un período de pago en la esquina de un día, la leyenda, las marcas de sus cambios de turno, ausencias, horas adicionales y notas, la línea de estado, Hoy, el campo de fecha y el menú que abre un clic derecho</translation>
    </message>
    <message>
        <source>The Settings page with its controls labelled: Save, Shift Assignment, Show Paydays, Show RDO, Show Pay Periods, Crew Colors for A and B, RDO Color, Background, Leading / Trailing Color, Title, Show Entry Marks, Shift Length</source>
        <translation>La página Ajustes con sus controles rotulados: Guardar, Asignación de turno, Mostrar días de pago, Mostrar RDO, Mostrar períodos de pago, Colores de los turnos A y B, Color de RDO, Fondo, Color de los días de los meses vecinos, Título, Mostrar marcas, Duración del turno</translation>
    </message>
</context>
</TS>

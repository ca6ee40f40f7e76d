<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CsvExport</name>
    <message>
        <source>&quot;%1&quot; is a file of the history itself; choose another name</source>
        <extracomment>Follows &quot;The history could not be exported: &quot;.</extracomment>
        <translation>«%1» es un archivo del propio historial; elija otro nombre</translation>
    </message>
</context>
<context>
    <name>DealCommands</name>
    <message>
        <source>Select Deal</source>
        <translation>Elegir reparto</translation>
    </message>
    <message>
        <source>Deal number (0 to 4294967295):</source>
        <translation>Número de reparto (de 0 a 4294967295):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a deal number. Enter a whole number from 0 to 4294967295.</source>
        <translation>«%1» no es un número de reparto. Introduzca un número entero de 0 a 4294967295.</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <extracomment>The deck&apos;s tooltip: the number of the deal on the table.</extracomment>
        <translation>Reparto %1</translation>
    </message>
    <message>
        <source>Deal %1: the advisor scored %2</source>
        <extracomment>The deck&apos;s tooltip once the advisor has played the same deal.</extracomment>
        <translation>Reparto %1: el consejero logró %2</translation>
    </message>
</context>
<context>
    <name>DonateReminder</name>
    <message>
        <source>Failed to set data for &apos;DonateStatus&apos;</source>
        <translation>No se pudieron guardar los datos de «DonateStatus»</translation>
    </message>
</context>
<context>
    <name>DonateWords</name>
    <message>
        <source>Enjoying
Marnelok?</source>
        <extracomment>Over the donation picture, white on green, in two short lines of at most 15 letters.</extracomment>
        <translation>¿Disfrutas de
Marnelok?</translation>
    </message>
    <message>
        <source>A small donation keeps
the cards shuffling.</source>
        <extracomment>Over the donation picture, under the heading, in two lines of at most 24 letters.</extracomment>
        <translation>Un pequeño donativo hace
que sigamos barajando.</translation>
    </message>
</context>
<context>
    <name>HandNames</name>
    <message>
        <source>None</source>
        <extracomment>The hands with their points, as the score panel, a screen reader and the Statistics window name them. At most about 155 pixels each in the score panel.</extracomment>
        <translation>Nada</translation>
    </message>
    <message>
        <source>One Pair (2)</source>
        <translation>Pareja (2)</translation>
    </message>
    <message>
        <source>Two Pair (5)</source>
        <translation>Doble pareja (5)</translation>
    </message>
    <message>
        <source>Three of a kind (10)</source>
        <translation>Trío (10)</translation>
    </message>
    <message>
        <source>Straight (15)</source>
        <translation>Escalera (15)</translation>
    </message>
    <message>
        <source>Flush (20)</source>
        <translation>Color (20)</translation>
    </message>
    <message>
        <source>Full House (25)</source>
        <translation>Full (25)</translation>
    </message>
    <message>
        <source>Four of a kind (50)</source>
        <translation>Póker (50)</translation>
    </message>
    <message>
        <source>Straight Flush (75)</source>
        <translation>Escalera color (75)</translation>
    </message>
    <message>
        <source>Royal Flush (100)</source>
        <translation>Escalera real (100)</translation>
    </message>
</context>
<context>
    <name>HistoryDatabase</name>
    <message>
        <source>the damaged file could not be moved aside</source>
        <translation>no se pudo apartar el archivo dañado</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver (QSQLITE) is not installed</source>
        <translation>el controlador SQLite de Qt (QSQLITE) no está instalado</translation>
    </message>
    <message>
        <source>the file failed its check: %1</source>
        <translation>el archivo no ha superado la comprobación: %1</translation>
    </message>
    <message>
        <source>the history was written by a newer version of Marnelok (schema %1; this version knows up to %2)</source>
        <translation>el historial lo escribió una versión más reciente de Marnelok (esquema %1; esta versión admite hasta el %2)</translation>
    </message>
    <message>
        <source>the file belongs to another program</source>
        <translation>el archivo pertenece a otro programa</translation>
    </message>
    <message>
        <source>a write-ahead log of another database lies beside it</source>
        <translation>junto a él hay un registro de escritura anticipada (WAL) de otra base de datos</translation>
    </message>
</context>
<context>
    <name>HistoryFile</name>
    <message>
        <source>the link &quot;%1&quot; belongs to another user</source>
        <extracomment>A reason, shown in brackets or after a colon; %1 is a file&apos;s or a folder&apos;s name.</extracomment>
        <translation>el enlace «%1» pertenece a otro usuario</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <extracomment>A reason, shown in brackets or after a colon; %1 is a file&apos;s or a folder&apos;s name.</extracomment>
        <translation>«%1» no es un archivo normal</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has other names (hard links)</source>
        <extracomment>A reason, shown in brackets or after a colon; %1 is a file&apos;s or a folder&apos;s name.</extracomment>
        <translation>«%1» tiene otros nombres (enlaces duros)</translation>
    </message>
</context>
<context>
    <name>HistoryWorker</name>
    <message>
        <source>The history of games cannot be opened</source>
        <extracomment>Followed by &quot;: &quot; and the reason.</extracomment>
        <translation>No se puede abrir el historial de partidas</translation>
    </message>
    <message>
        <source>The history of games could not be read, so it was moved aside to &quot;%1&quot;. A new history has been started.</source>
        <translation>No se pudo leer el historial de partidas, así que se ha apartado como «%1». Se ha empezado un historial nuevo.</translation>
    </message>
    <message>
        <source>The history of games cannot be written to &quot;%1&quot; (%2). The games of this run are kept and will be written as soon as writing succeeds again, while Marnelok runs.</source>
        <extracomment>%2 is the reason.</extracomment>
        <translation>No se puede escribir el historial de partidas en «%1» (%2). Las partidas de esta sesión se conservan y se escribirán en cuanto vuelva a ser posible, mientras Marnelok siga abierto.</translation>
    </message>
    <message>
        <source>The history of games could not be written to &quot;%1&quot; (%2) before Marnelok closed: the games of this run that were waiting are lost.</source>
        <extracomment>%2 is the reason.</extracomment>
        <translation>No se pudo escribir el historial de partidas en «%1» (%2) antes de cerrar Marnelok: las partidas de esta sesión que esperaban se han perdido.</translation>
    </message>
    <message>
        <source>A write-ahead log that belongs to another database lay beside the history of games. It was moved aside to &quot;%1&quot;, and the history&apos;s games were kept.</source>
        <translation>Junto al historial de partidas había un registro de escritura anticipada (WAL) que pertenece a otra base de datos. Se ha apartado como «%1» y se han conservado las partidas del historial.</translation>
    </message>
</context>
<context>
    <name>PanelTexts</name>
    <message>
        <source>Score</source>
        <extracomment>The score panel&apos;s heading.</extracomment>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Down the Columns</source>
        <extracomment>The heading over the five columns&apos; hands; at most about 170 pixels.</extracomment>
        <translation>Por columnas</translation>
    </message>
    <message>
        <source>Across the Rows</source>
        <extracomment>The heading over the five rows&apos; hands; at most about 170 pixels.</extracomment>
        <translation>Por filas</translation>
    </message>
    <message>
        <source>Total Score</source>
        <extracomment>The heading over the total.</extracomment>
        <translation>Puntuación total</translation>
    </message>
    <message>
        <source>Play...</source>
        <extracomment>Above the card to place next; at most about 76 pixels.</extracomment>
        <translation>Jugar...</translation>
    </message>
    <message>
        <source>Click
for
next
Game!</source>
        <extracomment>The tile that deals the next game: at most four lines (separated by 
) of at most about 62 pixels each.</extracomment>
        <translation>¡Clic
para
nueva
partida!</translation>
    </message>
    <message>
        <source>...The Marnelok Top 5 List...</source>
        <extracomment>The Top 5 panel&apos;s title.</extracomment>
        <translation>...Récords de Marnelok...</translation>
    </message>
    <message>
        <source>Click left button to resume...</source>
        <extracomment>The Top 5 panel&apos;s last line: a click closes the panel.</extracomment>
        <translation>Clic izquierdo para seguir...</translation>
    </message>
    <message>
        <source>None</source>
        <comment>Top 5 list</comment>
        <extracomment>An empty entry of the Top 5 list.</extracomment>
        <translation>Nadie</translation>
    </message>
    <message>
        <source>WIN</source>
        <extracomment>The banner of a winning total, repeated across the table in boxes 48 pixels wide, or as wide as a longer word. Capitals, as in English.</extracomment>
        <translation>OLÉ</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <extracomment>Qt&apos;s standard button, as the desktop of the language words it.</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Qt&apos;s standard button, as the desktop of the language words it.</extracomment>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>RecordKeeper</name>
    <message>
        <source>Failed to set data for &apos;fRegInfo&apos;</source>
        <translation>No se pudieron guardar los datos de «fRegInfo»</translation>
    </message>
    <message>
        <source>Please enter your name!</source>
        <extracomment>Offered in the Top 5 prompt, and kept when not changed: at most 23 letters, all of them of Western European languages (Latin-1).</extracomment>
        <translation>¡Introduzca su nombre!</translation>
    </message>
    <message>
        <source>New High Score</source>
        <translation>Nuevo récord</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Introduzca su nombre:</translation>
    </message>
    <message>
        <source>The Top 5 list cannot keep these letters: %1

Your name will be kept there as &quot;%2&quot;.

Choose OK to keep it so, or Cancel to change it.</source>
        <translation>La lista de récords no puede guardar estas letras: %1

Su nombre se guardará en ella como «%2».

Pulse Aceptar para guardarlo así, o Cancelar para cambiarlo.</translation>
    </message>
</context>
<context>
    <name>ReviewCommand</name>
    <message>
        <source>The review window cannot be opened: %1</source>
        <translation>No se puede abrir la ventana de análisis: %1</translation>
    </message>
</context>
<context>
    <name>StatisticsCommand</name>
    <message>
        <source>The Statistics window cannot be opened: %1</source>
        <translation>No se puede abrir la ventana de estadísticas: %1</translation>
    </message>
    <message>
        <source>%1 was not found in %2</source>
        <translation>No se encontró %1 en %2</translation>
    </message>
</context>
<context>
    <name>TMarnelokForm</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Start a New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>Select &amp;Deal...</source>
        <translation>&amp;Elegir reparto...</translation>
    </message>
    <message>
        <source>&amp;Replay This Deal</source>
        <translation>&amp;Repetir este reparto</translation>
    </message>
    <message>
        <source>&amp;Undo Last Move</source>
        <translation>&amp;Deshacer última jugada</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>View &amp;High Scores</source>
        <translation>&amp;Ver récords</translation>
    </message>
    <message>
        <source>Stat&amp;istics...</source>
        <translation>Es&amp;tadísticas...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Play Regular Game</source>
        <translation>Partida &amp;normal</translation>
    </message>
    <message>
        <source>Throw down a few cards first</source>
        <translation>Con cartas &amp;previas</translation>
    </message>
    <message>
        <source>Use Large Cards</source>
        <translation>Cartas &amp;grandes</translation>
    </message>
    <message>
        <source>Use Alternate Colors</source>
        <translation>&amp;Colores alternativos</translation>
    </message>
    <message>
        <source>Reset High Scores</source>
        <translation>&amp;Restablecer récords</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>About Marnelok</source>
        <translation>&amp;Acerca de Marnelok</translation>
    </message>
    <message>
        <source>Make a Donation</source>
        <translation>Hacer un &amp;donativo</translation>
    </message>
    <message>
        <source>Re&amp;view Last Game...</source>
        <translation>&amp;Analizar última partida...</translation>
    </message>
    <message>
        <source>De&amp;mo</source>
        <translation>De&amp;mo</translation>
    </message>
    <message>
        <source>Dai&amp;ly Deal</source>
        <translation>Reparto diar&amp;io</translation>
    </message>
</context>
<context>
    <name>TableWords</name>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Dos</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Tres</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Cuatro</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinco</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Seis</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Siete</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Ocho</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Nueve</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Diez</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Jota</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Reina</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Rey</translation>
    </message>
    <message>
        <source>%1 of Hearts</source>
        <translation>%1 de corazones</translation>
    </message>
    <message>
        <source>%1 of Clubs</source>
        <translation>%1 de tréboles</translation>
    </message>
    <message>
        <source>%1 of Diamonds</source>
        <translation>%1 de diamantes</translation>
    </message>
    <message>
        <source>%1 of Spades</source>
        <translation>%1 de picas</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vacía</translation>
    </message>
    <message>
        <source>Click the deck or press Enter to deal</source>
        <translation>Haga clic en el mazo o pulse Intro para repartir</translation>
    </message>
    <message>
        <source>Current card: %1</source>
        <translation>Carta actual: %1</translation>
    </message>
    <message>
        <source>Column %1: %2</source>
        <translation>Columna %1: %2</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Fila %1: %2</translation>
    </message>
    <message>
        <source>Total Score: %1</source>
        <translation>Puntuación total: %1</translation>
    </message>
    <message>
        <source>%1. %2: %3</source>
        <translation>%1. %2: %3</translation>
    </message>
    <message>
        <source>Cards placed: %1 of %2</source>
        <translation>Cartas colocadas: %1 de %2</translation>
    </message>
    <message>
        <source>Game over. Total Score: %1</source>
        <translation>Fin de la partida. Puntuación total: %1</translation>
    </message>
    <message>
        <source>No game dealt yet</source>
        <translation>Aún no se ha repartido ninguna partida</translation>
    </message>
    <message>
        <source>Your score of %1 enters the Top 5 list</source>
        <translation>Su puntuación de %1 entra en la lista de récords</translation>
    </message>
    <message>
        <source>Marnelok table</source>
        <translation>Mesa de Marnelok</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Cuadrícula</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>The Marnelok Top 5 List</source>
        <translation>La lista de récords de Marnelok</translation>
    </message>
    <message>
        <source>Click or press Enter to resume</source>
        <translation>Haga clic o pulse Intro para seguir</translation>
    </message>
    <message>
        <source>WIN</source>
        <translation>Victoria</translation>
    </message>
    <message>
        <source>150 points or more: a win</source>
        <translation>150 puntos o más: partida ganada</translation>
    </message>
    <message>
        <source>%1 to row %2, column %3.</source>
        <translation>%1 a la fila %2, columna %3.</translation>
    </message>
    <message>
        <source>Next: %1.</source>
        <translation>Siguiente: %1.</translation>
    </message>
    <message>
        <source>Row %1: %2.</source>
        <translation>Fila %1: %2.</translation>
    </message>
    <message>
        <source>Column %1: %2.</source>
        <translation>Columna %1: %2.</translation>
    </message>
    <message>
        <source>Total %1.</source>
        <translation>Total %1.</translation>
    </message>
    <message>
        <source>Game over. Total %1. WIN.</source>
        <translation>Fin de la partida. Total %1. OLÉ.</translation>
    </message>
    <message>
        <source>Game over. Total %1.</source>
        <translation>Fin de la partida. Total %1.</translation>
    </message>
    <message>
        <source>It enters the Top 5 list.</source>
        <translation>Entra en la lista de récords.</translation>
    </message>
    <message>
        <source>It does not enter the Top 5 list.</source>
        <translation>No entra en la lista de récords.</translation>
    </message>
    <message>
        <source>Taken back: %1 from row %2, column %3.</source>
        <translation>Deshecho: %1 de la fila %2, columna %3.</translation>
    </message>
    <message>
        <source>New game. First card: %1.</source>
        <translation>Partida nueva. Primera carta: %1.</translation>
    </message>
    <message>
        <source>Row %1, column %2.</source>
        <translation>Fila %1, columna %2.</translation>
    </message>
    <message>
        <source>Hint: row %1, column %2.</source>
        <translation>Pista: fila %1, columna %2.</translation>
    </message>
    <message>
        <source>Current card: %1.</source>
        <translation>Carta actual: %1.</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Reparto %1</translation>
    </message>
</context>
<context>
    <name>marnelok::CommandLine</name>
    <message>
        <source>Usage: %1 [--deal N | --daily] [Qt options]
Poker solitaire on a five-by-five grid.

  --deal N     start with deal number N (0 to 4294967295) dealt, in the game
               kind chosen last
  --daily      start with today&apos;s daily deal, the same for every player on
               the same date
  -h, --help   show this help and exit
  --version    show the version and exit

Qt&apos;s standard options, such as -platform NAME or -style NAME, work as well.
</source>
        <translation>Uso: %1 [--deal N | --daily] [opciones de Qt]
Solitario de póker en una cuadrícula de cinco por cinco.

  --deal N     empezar con el reparto número N (de 0 a 4294967295) ya
               repartido, en el tipo de partida elegido por última vez
  --daily      empezar con el reparto diario de hoy, el mismo para todos los
               jugadores en la misma fecha
  -h, --help   mostrar esta ayuda y salir
  --version    mostrar la versión y salir

Las opciones estándar de Qt, como -platform NOMBRE o -style NOMBRE, también
funcionan.
</translation>
    </message>
</context>
<context>
    <name>marnelok::FiguresTable</name>
    <message>
        <source>Games played</source>
        <translation>Partidas jugadas</translation>
    </message>
    <message>
        <source>Games finished</source>
        <translation>Partidas terminadas</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Partidas ganadas</translation>
    </message>
    <message>
        <source>Share won</source>
        <translation>Porcentaje de victorias</translation>
    </message>
    <message>
        <source>Mean total</source>
        <translation>Puntuación media</translation>
    </message>
    <message>
        <source>Median total</source>
        <translation>Mediana de la puntuación</translation>
    </message>
    <message>
        <source>Best total</source>
        <translation>Mejor puntuación</translation>
    </message>
    <message>
        <source>Worst total</source>
        <translation>Peor puntuación</translation>
    </message>
    <message>
        <source>Current run of wins</source>
        <translation>Racha actual de victorias</translation>
    </message>
    <message>
        <source>Longest run of wins</source>
        <translation>Racha más larga de victorias</translation>
    </message>
    <message>
        <source>Games played with hints</source>
        <translation>Partidas con pistas</translation>
    </message>
    <message>
        <source>All games</source>
        <translation>Todas las partidas</translation>
    </message>
    <message>
        <source>Regular</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Throw-down</source>
        <translation>Con cartas previas</translation>
    </message>
    <message>
        <source>Totals count finished games. Hands count the ten lines of every finished game, with their share of all those lines. A game left early ends a run of wins.</source>
        <translation>Las puntuaciones cuentan solo las partidas terminadas. Las manos cuentan las diez líneas de cada partida terminada, con su porcentaje sobre todas esas líneas. Una partida abandonada antes de terminar corta la racha de victorias.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A share in per cent; a language that writes &quot;12,5 %&quot; puts a no-break space before the sign.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>marnelok::RecentGamesModel</name>
    <message>
        <source>Regular</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Throw-down</source>
        <translation>Con cartas previas</translation>
    </message>
    <message>
        <source>%1 (demo)</source>
        <translation>%1 (demo)</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>Sin terminar</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Reparto</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Ganada</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Pistas</translation>
    </message>
    <message>
        <source>%1 (daily)</source>
        <extracomment>A game of the day&apos;s daily deal, in the list&apos;s Kind column.</extracomment>
        <translation>%1 (diario)</translation>
    </message>
    <message>
        <source>Par</source>
        <extracomment>The column of the advisor&apos;s total on each game&apos;s deal.</extracomment>
        <translation>Par</translation>
    </message>
</context>
<context>
    <name>marnelok::ReviewTexts</name>
    <message>
        <source>Game Review</source>
        <translation>Análisis de la partida</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>The headings of the list of placements.</extracomment>
        <translation>Turno</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Carta</translation>
    </message>
    <message>
        <source>Placed at</source>
        <translation>Colocada en</translation>
    </message>
    <message>
        <source>Best cell</source>
        <translation>Mejor casilla</translation>
    </message>
    <message>
        <source>Expected total</source>
        <translation>Total esperado</translation>
    </message>
    <message>
        <source>With the best cell</source>
        <translation>Con la mejor casilla</translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation>Puntos perdidos</translation>
    </message>
    <message>
        <source>Costliest</source>
        <translation>Más costosas</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <extracomment>A cell of the grid in the list, rows and columns counted from 1 at the top left.</extracomment>
        <translation>Fila %1, columna %2</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <extracomment>A cell of the grid within a sentence of the caption below the table.</extracomment>
        <translation>la fila %1, columna %2</translation>
    </message>
    <message>
        <source>Thrown down</source>
        <translation>Carta previa</translation>
    </message>
    <message>
        <source>Not judged</source>
        <translation>Sin evaluar</translation>
    </message>
    <message>
        <source>Deal %1, regular game</source>
        <translation>Reparto %1, partida normal</translation>
    </message>
    <message>
        <source>Deal %1, throw-down game</source>
        <translation>Reparto %1, partida con cartas previas</translation>
    </message>
    <message>
        <source>The demo placed cards in this game.</source>
        <translation>La demostración colocó cartas en esta partida.</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total: %1</translation>
    </message>
    <message>
        <source>Points lost: %1</source>
        <translation>Puntos perdidos: %1</translation>
    </message>
    <message>
        <source>Placements within half a point of the best: %1 of %2 (%3 %)</source>
        <translation>Jugadas a menos de medio punto de la mejor: %1 de %2 (%3 %)</translation>
    </message>
    <message>
        <source>Costliest placement (marked in the list): turn %1</source>
        <translation>Jugada más costosa (marcada en la lista): turno %1</translation>
    </message>
    <message>
        <source>Costliest placements (marked in the list): turns %1</source>
        <translation>Jugadas más costosas (marcadas en la lista): turnos %1</translation>
    </message>
    <message>
        <source>Every placement was within half a point of the best.</source>
        <translation>Todas las jugadas quedaron a menos de medio punto de la mejor.</translation>
    </message>
    <message>
        <source>Reading the game...</source>
        <translation>Leyendo la partida...</translation>
    </message>
    <message>
        <source>Judging the placements: %v of %m</source>
        <extracomment>The progress bar&apos;s text: %v is the placements judged so far, %m all of them.</extracomment>
        <translation>Evaluando las jugadas: %v de %m</translation>
    </message>
    <message>
        <source>The history holds no finished game yet: finish a game, then review it.</source>
        <translation>El historial aún no tiene ninguna partida terminada: termine una partida y analícela después.</translation>
    </message>
    <message>
        <source>The review was stopped.</source>
        <translation>El análisis se detuvo.</translation>
    </message>
    <message>
        <source>The game cannot be reviewed: %1</source>
        <translation>No se puede analizar la partida: %1</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>The review window&apos;s buttons; Cancel and Resume are one button at different times.</extracomment>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reanudar</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>C&amp;errar</translation>
    </message>
    <message>
        <source>Turn %1: the %2 was thrown down before play, so it is not judged.</source>
        <extracomment>%2 is a card as the list shows it: 10♥, Q♠.</extracomment>
        <translation>Turno %1: la carta %2 era una carta previa, colocada antes de jugar, así que no se evalúa.</translation>
    </message>
    <message>
        <source>Turn %1: the %2 went to %3. It has not been judged.</source>
        <translation>Turno %1: la carta %2 fue a %3. No se ha evaluado.</translation>
    </message>
    <message>
        <source>Turn %1: the %2 went to %3, for an expected total of %4. The best cell was %5, for %6. Points lost: %7.</source>
        <translation>Turno %1: la carta %2 fue a %3, con un total esperado de %4. La mejor casilla era %5, con %6. Puntos perdidos: %7.</translation>
    </message>
    <message>
        <source>Solid magenta frame: where the card went. Dashed cyan frame: the advisor&apos;s best cell.</source>
        <translation>Marco magenta continuo: dónde fue la carta. Marco cian discontinuo: la mejor casilla según Marnelok.</translation>
    </message>
    <message>
        <source>Expected final total after each placement</source>
        <translation>Total final esperado tras cada jugada</translation>
    </message>
    <message>
        <source>As played</source>
        <translation>Tal como se jugó</translation>
    </message>
    <message>
        <source>With the best placement</source>
        <translation>Con la mejor jugada</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message numerus="yes">
        <source>The review was stopped with %n of %1 placements judged; Resume finishes it.</source>
        <translation>
            <numerusform>El análisis se detuvo con %n jugada evaluada de %1; Reanudar lo termina.</numerusform>
            <numerusform>El análisis se detuvo con %n jugadas evaluadas de %1; Reanudar lo termina.</numerusform>
        </translation>
    </message>
    <message>
        <source>The advisor scored %1 on this deal: %2 against par</source>
        <translation>El consejero logró %1 en este reparto: %2 frente al par</translation>
    </message>
    <message>
        <source>Judging the placements</source>
        <translation>Evaluación de las jugadas</translation>
    </message>
    <message>
        <source>The table at turn %1</source>
        <translation>La mesa en el turno %1</translation>
    </message>
</context>
<context>
    <name>marnelok::StatisticsCharts</name>
    <message>
        <source>Win: 150</source>
        <translation>Victoria: 150</translation>
    </message>
    <message>
        <source>Totals of finished games</source>
        <translation>Puntuaciones de las partidas terminadas</translation>
    </message>
    <message>
        <source>Below 150</source>
        <translation>Menos de 150</translation>
    </message>
    <message>
        <source>150 or more</source>
        <translation>150 o más</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Mean of the last 20 games</source>
        <translation>Media de las últimas 20 partidas</translation>
    </message>
    <message>
        <source>Mean total</source>
        <translation>Puntuación media</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>No finished game yet</source>
        <translation>Aún no hay partidas terminadas</translation>
    </message>
    <message>
        <source>%1 games, most between %2 and %3</source>
        <translation>%1 partidas, la mayoría entre %2 y %3</translation>
    </message>
    <message>
        <source>%1 points, the latest %2</source>
        <translation>%1 puntos, el último %2</translation>
    </message>
</context>
<context>
    <name>marnelok::StatisticsParts</name>
    <message>
        <source>Against par</source>
        <extracomment>The title of the Statistics window&apos;s part on the games against the advisor&apos;s total.</extracomment>
        <translation>Frente al par</translation>
    </message>
    <message>
        <source>Daily</source>
        <extracomment>The title of the Statistics window&apos;s part on the daily deal.</extracomment>
        <translation>Diario</translation>
    </message>
    <message>
        <source>Par is the advisor&apos;s total on the same deal. No finished game has its par yet.</source>
        <translation>El par es la puntuación del consejero en el mismo reparto. Ninguna partida terminada tiene aún su par.</translation>
    </message>
    <message>
        <source>Games at or above par: %1 of %2</source>
        <translation>Partidas en el par o por encima: %1 de %2</translation>
    </message>
    <message>
        <source>Mean of total minus par: %1</source>
        <translation>Media de la puntuación menos el par: %1</translation>
    </message>
    <message>
        <source>Best game against par: %1</source>
        <translation>Mejor partida frente al par: %1</translation>
    </message>
    <message>
        <source>Today: not played yet</source>
        <translation>Hoy: aún sin jugar</translation>
    </message>
    <message>
        <source>Today: not finished yet</source>
        <translation>Hoy: aún sin terminar</translation>
    </message>
    <message>
        <source>Today: %1, par not yet known</source>
        <translation>Hoy: %1, par aún desconocido</translation>
    </message>
    <message>
        <source>Today: %1, par %2 (%3)</source>
        <translation>Hoy: %1, par %2 (%3)</translation>
    </message>
    <message>
        <source>Days played: %1</source>
        <translation>Días jugados: %1</translation>
    </message>
    <message>
        <source>Current run of days: %1</source>
        <translation>Racha actual de días: %1</translation>
    </message>
    <message>
        <source>Longest run of days: %1</source>
        <translation>Racha más larga de días: %1</translation>
    </message>
    <message>
        <source>Best daily total: %1</source>
        <translation>Mejor puntuación diaria: %1</translation>
    </message>
</context>
<context>
    <name>marnelok::StatisticsWindow</name>
    <message>
        <source>&amp;Play This Deal Again</source>
        <translation>&amp;Jugar otra vez este reparto</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportar...</translation>
    </message>
    <message>
        <source>&amp;Reset Statistics</source>
        <translation>&amp;Restablecer estadísticas</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Recent games (the %1 newest):</source>
        <translation>Partidas recientes (las %1 últimas):</translation>
    </message>
    <message>
        <source>Reading the history...</source>
        <translation>Leyendo el historial...</translation>
    </message>
    <message>
        <source>Export Statistics</source>
        <translation>Exportar estadísticas</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The history could not be exported: %1</source>
        <translation>No se pudo exportar el historial: %1</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Do you really want to reset the statistics? Every game kept in the history is deleted. The High Scores are kept.</source>
        <translation>¿Seguro que quiere restablecer las estadísticas? Se borrarán todas las partidas guardadas en el historial. Los récords se conservan.</translation>
    </message>
    <message>
        <source>The history could not be reset: %1</source>
        <translation>No se pudo restablecer el historial: %1</translation>
    </message>
    <message>
        <source>Re&amp;view</source>
        <translation>&amp;Analizar</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Cifras</translation>
    </message>
    <message>
        <source>Ignored rows: %1. The history holds rows with values that no game can make; they count in no figure, chart or list.</source>
        <translation>Filas ignoradas: %1. El historial contiene filas con valores que ninguna partida puede producir; no cuentan en ninguna cifra, gráfico ni lista.</translation>
    </message>
</context>
<context>
    <name>marnelok::TDonateForm</name>
    <message>
        <source>Make a Donation</source>
        <translation>Hacer un donativo</translation>
    </message>
    <message>
        <source>Yes, take me to the donations page now!</source>
        <translation>¡Sí, ir ahora a la página de donativos!</translation>
    </message>
    <message>
        <source>I still have to check it a bit more, show this again in two weeks</source>
        <translation>Aún quiero probarlo, recordármelo dentro de dos semanas</translation>
    </message>
    <message>
        <source>I already made a donation, don&apos;t show this dialog again</source>
        <translation>Ya hice un donativo, no mostrar más</translation>
    </message>
    <message>
        <source>No, I don&apos;t want to donate, never show this dialog again</source>
        <translation>No, no quiero donar, no mostrar nunca más</translation>
    </message>
    <message>
        <source>Not now, notify me again in 1 day</source>
        <translation>Ahora no, recordármelo dentro de 1 día</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Donating is completely optional, and the amount you give is entirely up to you.  Thank you.</source>
        <translation>Donar es totalmente opcional, y la cantidad depende solo de usted. Gracias.</translation>
    </message>
    <message>
        <source>Donations help offset the cost of running %1 and allow you to say &quot;thank you for a job well done&quot;. </source>
        <extracomment>%1 is the maker&apos;s site, &quot;www.marnelok.example&quot;. At most three lines in the dialog.</extracomment>
        <translation>Los donativos ayudan a cubrir los gastos de %1 y son una forma de decir «gracias por el buen trabajo».</translation>
    </message>
</context>
<context>
    <name>marnelok::TMarnelokForm</name>
    <message>
        <source>Large Cards</source>
        <translation>Cartas grandes</translation>
    </message>
    <message>
        <source>Sorry! Screen resolution should be at least 800 x 600 for large cards.</source>
        <translation>Lo sentimos: para las cartas grandes, la resolución de la pantalla debe ser de al menos 800 x 600.</translation>
    </message>
    <message>
        <source>Marnelok 8.00 - Freeware Edition - Marnelok for Windows</source>
        <extracomment>The main window&apos;s title.</extracomment>
        <translation>Marnelok 8.00 - Edición gratuita - Marnelok para Windows</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Do you really want to reset the High Scores?</source>
        <translation>¿Seguro que quiere restablecer los récords?</translation>
    </message>
</context>
<context>
    <name>marnelok::TsplashForm</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Freeware Edition</source>
        <extracomment>Under the product&apos;s name on the splash and About window: one line of at most 265 pixels.</extracomment>
        <translation>Edición gratuita</translation>
    </message>
</context>
</TS>

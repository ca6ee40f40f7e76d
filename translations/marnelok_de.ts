<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CsvExport</name>
    <message>
        <source>&quot;%1&quot; is a file of the history itself; choose another name</source>
        <extracomment>Follows &quot;The history could not be exported: &quot;.</extracomment>
        <translation>„%1“ ist eine Datei des Spielverlaufs selbst; wählen Sie einen anderen Namen</translation>
    </message>
</context>
<context>
    <name>DealCommands</name>
    <message>
        <source>Select Deal</source>
        <translation>Spiel wählen</translation>
    </message>
    <message>
        <source>Deal number (0 to 4294967295):</source>
        <translation>Spielnummer (0 bis 4294967295):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a deal number. Enter a whole number from 0 to 4294967295.</source>
        <translation>„%1“ ist keine Spielnummer. Geben Sie eine ganze Zahl von 0 bis 4294967295 ein.</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <extracomment>The deck&apos;s tooltip: the number of the deal on the table.</extracomment>
        <translation>Spiel %1</translation>
    </message>
    <message>
        <source>Deal %1: the advisor scored %2</source>
        <extracomment>The deck&apos;s tooltip once the advisor has played the same deal.</extracomment>
        <translation>Spiel %1: der Ratgeber erreichte %2</translation>
    </message>
</context>
<context>
    <name>DonateReminder</name>
    <message>
        <source>Failed to set data for &apos;DonateStatus&apos;</source>
        <translation>Daten für &apos;DonateStatus&apos; konnten nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>DonateWords</name>
    <message>
        <source>Enjoying
Marnelok?</source>
        <extracomment>Over the donation picture, white on green, in two short lines of at most 15 letters.</extracomment>
        <translation>Gefällt Ihnen
Marnelok?</translation>
    </message>
    <message>
        <source>A small donation keeps
the cards shuffling.</source>
        <extracomment>Over the donation picture, under the heading, in two lines of at most 24 letters.</extracomment>
        <translation>Eine kleine Spende hält
die Karten in Bewegung.</translation>
    </message>
</context>
<context>
    <name>HandNames</name>
    <message>
        <source>None</source>
        <extracomment>The hands with their points, as the score panel, a screen reader and the Statistics window name them. At most about 155 pixels each in the score panel.</extracomment>
        <translation>Nichts</translation>
    </message>
    <message>
        <source>One Pair (2)</source>
        <translation>Ein Paar (2)</translation>
    </message>
    <message>
        <source>Two Pair (5)</source>
        <translation>Zwei Paare (5)</translation>
    </message>
    <message>
        <source>Three of a kind (10)</source>
        <translation>Drilling (10)</translation>
    </message>
    <message>
        <source>Straight (15)</source>
        <translation>Straße (15)</translation>
    </message>
    <message>
        <source>Flush (20)</source>
        <translation>Flush (20)</translation>
    </message>
    <message>
        <source>Full House (25)</source>
        <translation>Full House (25)</translation>
    </message>
    <message>
        <source>Four of a kind (50)</source>
        <translation>Vierling (50)</translation>
    </message>
    <message>
        <source>Straight Flush (75)</source>
        <translation>Straight Flush (75)</translation>
    </message>
    <message>
        <source>Royal Flush (100)</source>
        <translation>Royal Flush (100)</translation>
    </message>
</context>
<context>
    <name>HistoryDatabase</name>
    <message>
        <source>the damaged file could not be moved aside</source>
        <translation>die beschädigte Datei konnte nicht beiseitegelegt werden</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver (QSQLITE) is not installed</source>
        <translation>der SQLite-Treiber von Qt (QSQLITE) ist nicht installiert</translation>
    </message>
    <message>
        <source>the file failed its check: %1</source>
        <translation>die Datei hat ihre Prüfung nicht bestanden: %1</translation>
    </message>
    <message>
        <source>the history was written by a newer version of Marnelok (schema %1; this version knows up to %2)</source>
        <translation>der Verlauf wurde von einer neueren Version von Marnelok geschrieben (Schema %1; diese Version kennt Schemas bis %2)</translation>
    </message>
    <message>
        <source>the file belongs to another program</source>
        <translation>die Datei gehört einem anderen Programm</translation>
    </message>
    <message>
        <source>a write-ahead log of another database lies beside it</source>
        <translation>daneben liegt ein Write-Ahead-Log einer anderen Datenbank</translation>
    </message>
</context>
<context>
    <name>HistoryFile</name>
    <message>
        <source>the link &quot;%1&quot; belongs to another user</source>
        <extracomment>A reason, shown in brackets or after a colon; %1 is a file&apos;s or a folder&apos;s name.</extracomment>
        <translation>der Link „%1“ gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <extracomment>A reason, shown in brackets or after a colon; %1 is a file&apos;s or a folder&apos;s name.</extracomment>
        <translation>„%1“ ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has other names (hard links)</source>
        <extracomment>A reason, shown in brackets or after a colon; %1 is a file&apos;s or a folder&apos;s name.</extracomment>
        <translation>„%1“ hat weitere Namen (harte Links)</translation>
    </message>
</context>
<context>
    <name>HistoryWorker</name>
    <message>
        <source>The history of games cannot be opened</source>
        <extracomment>Followed by &quot;: &quot; and the reason.</extracomment>
        <translation>Der Spielverlauf kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The history of games could not be read, so it was moved aside to &quot;%1&quot;. A new history has been started.</source>
        <translation>Der Spielverlauf konnte nicht gelesen werden und wurde deshalb nach „%1“ verschoben. Ein neuer Verlauf wurde begonnen.</translation>
    </message>
    <message>
        <source>The history of games cannot be written to &quot;%1&quot; (%2). The games of this run are kept and will be written as soon as writing succeeds again, while Marnelok runs.</source>
        <extracomment>%2 is the reason.</extracomment>
        <translation>Der Spielverlauf kann nicht nach „%1“ geschrieben werden (%2). Die Spiele dieser Sitzung bleiben erhalten und werden geschrieben, sobald das Schreiben wieder gelingt, solange Marnelok läuft.</translation>
    </message>
    <message>
        <source>The history of games could not be written to &quot;%1&quot; (%2) before Marnelok closed: the games of this run that were waiting are lost.</source>
        <extracomment>%2 is the reason.</extracomment>
        <translation>Der Spielverlauf konnte nicht mehr nach „%1“ geschrieben werden, bevor Marnelok beendet wurde (%2): Die noch wartenden Spiele dieser Sitzung sind verloren.</translation>
    </message>
    <message>
        <source>A write-ahead log that belongs to another database lay beside the history of games. It was moved aside to &quot;%1&quot;, and the history&apos;s games were kept.</source>
        <translation>Neben dem Spielverlauf lag ein Write-Ahead-Log, das zu einer anderen Datenbank gehört. Es wurde nach „%1“ verschoben; die Spiele des Verlaufs sind erhalten geblieben.</translation>
    </message>
</context>
<context>
    <name>PanelTexts</name>
    <message>
        <source>Score</source>
        <extracomment>The score panel&apos;s heading.</extracomment>
        <translation>Wertung</translation>
    </message>
    <message>
        <source>Down the Columns</source>
        <extracomment>The heading over the five columns&apos; hands; at most about 170 pixels.</extracomment>
        <translation>Spalten (senkrecht)</translation>
    </message>
    <message>
        <source>Across the Rows</source>
        <extracomment>The heading over the five rows&apos; hands; at most about 170 pixels.</extracomment>
        <translation>Zeilen (waagerecht)</translation>
    </message>
    <message>
        <source>Total Score</source>
        <extracomment>The heading over the total.</extracomment>
        <translation>Gesamtpunktzahl</translation>
    </message>
    <message>
        <source>Play...</source>
        <extracomment>Above the card to place next; at most about 76 pixels.</extracomment>
        <translation>Spielen...</translation>
    </message>
    <message>
        <source>Click
for
next
Game!</source>
        <extracomment>The tile that deals the next game: at most four lines (separated by 
) of at most about 62 pixels each.</extracomment>
        <translation>Klick
für das
nächste
Spiel!</translation>
    </message>
    <message>
        <source>...The Marnelok Top 5 List...</source>
        <extracomment>The Top 5 panel&apos;s title.</extracomment>
        <translation>...Marnelok-Bestenliste...</translation>
    </message>
    <message>
        <source>Click left button to resume...</source>
        <extracomment>The Top 5 panel&apos;s last line: a click closes the panel.</extracomment>
        <translation>Linksklick zum Fortfahren...</translation>
    </message>
    <message>
        <source>None</source>
        <comment>Top 5 list</comment>
        <extracomment>An empty entry of the Top 5 list.</extracomment>
        <translation>Niemand</translation>
    </message>
    <message>
        <source>WIN</source>
        <extracomment>The banner of a winning total, repeated across the table in boxes 48 pixels wide, or as wide as a longer word. Capitals, as in English.</extracomment>
        <translation>SIEG</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <extracomment>Qt&apos;s standard button, as the desktop of the language words it.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Qt&apos;s standard button, as the desktop of the language words it.</extracomment>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>RecordKeeper</name>
    <message>
        <source>Failed to set data for &apos;fRegInfo&apos;</source>
        <translation>Daten für &apos;fRegInfo&apos; konnten nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Please enter your name!</source>
        <extracomment>Offered in the Top 5 prompt, and kept when not changed: at most 23 letters, all of them of Western European languages (Latin-1).</extracomment>
        <translation>Bitte Namen eingeben!</translation>
    </message>
    <message>
        <source>New High Score</source>
        <translation>Neu in der Bestenliste</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Bitte geben Sie Ihren Namen ein:</translation>
    </message>
    <message>
        <source>The Top 5 list cannot keep these letters: %1

Your name will be kept there as &quot;%2&quot;.

Choose OK to keep it so, or Cancel to change it.</source>
        <translation>Die Bestenliste kann diese Zeichen nicht speichern: %1

Ihr Name wird dort als „%2“ gespeichert.

Wählen Sie OK, um ihn so zu speichern, oder Abbrechen, um ihn zu ändern.</translation>
    </message>
</context>
<context>
    <name>ReviewCommand</name>
    <message>
        <source>The review window cannot be opened: %1</source>
        <translation>Das Analysefenster kann nicht geöffnet werden: %1</translation>
    </message>
</context>
<context>
    <name>StatisticsCommand</name>
    <message>
        <source>The Statistics window cannot be opened: %1</source>
        <translation>Das Statistikfenster kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>%1 was not found in %2</source>
        <translation>%1 wurde nicht gefunden in %2</translation>
    </message>
</context>
<context>
    <name>TMarnelokForm</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Start a New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>Select &amp;Deal...</source>
        <translation>Spiel &amp;wählen...</translation>
    </message>
    <message>
        <source>&amp;Replay This Deal</source>
        <translation>Spiel neu &amp;starten</translation>
    </message>
    <message>
        <source>&amp;Undo Last Move</source>
        <translation>Zug &amp;rückgängig</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>View &amp;High Scores</source>
        <translation>Besten&amp;liste anzeigen</translation>
    </message>
    <message>
        <source>Stat&amp;istics...</source>
        <translation>Stat&amp;istik...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Play Regular Game</source>
        <translation>&amp;Normales Spiel</translation>
    </message>
    <message>
        <source>Throw down a few cards first</source>
        <translation>Erst ein paar Karten &amp;auslegen</translation>
    </message>
    <message>
        <source>Use Large Cards</source>
        <translation>&amp;Große Karten</translation>
    </message>
    <message>
        <source>Use Alternate Colors</source>
        <translation>Andere &amp;Farben</translation>
    </message>
    <message>
        <source>Reset High Scores</source>
        <translation>Bestenliste &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>About Marnelok</source>
        <translation>Ü&amp;ber Marnelok</translation>
    </message>
    <message>
        <source>Make a Donation</source>
        <translation>&amp;Spenden</translation>
    </message>
    <message>
        <source>Re&amp;view Last Game...</source>
        <translation>Letztes Spiel &amp;analysieren...</translation>
    </message>
    <message>
        <source>De&amp;mo</source>
        <translation>&amp;Demo</translation>
    </message>
    <message>
        <source>Dai&amp;ly Deal</source>
        <translation>Spiel des Ta&amp;ges</translation>
    </message>
</context>
<context>
    <name>TableWords</name>
    <message>
        <source>Ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Zehn</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>König</translation>
    </message>
    <message>
        <source>%1 of Hearts</source>
        <translation>Herz-%1</translation>
    </message>
    <message>
        <source>%1 of Clubs</source>
        <translation>Kreuz-%1</translation>
    </message>
    <message>
        <source>%1 of Diamonds</source>
        <translation>Karo-%1</translation>
    </message>
    <message>
        <source>%1 of Spades</source>
        <translation>Pik-%1</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Click the deck or press Enter to deal</source>
        <translation>Zum Geben auf den Stapel klicken oder die Eingabetaste drücken</translation>
    </message>
    <message>
        <source>Current card: %1</source>
        <translation>Aktuelle Karte: %1</translation>
    </message>
    <message>
        <source>Column %1: %2</source>
        <translation>Spalte %1: %2</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Total Score: %1</source>
        <translation>Gesamtpunktzahl: %1</translation>
    </message>
    <message>
        <source>%1. %2: %3</source>
        <translation>%1. %2: %3</translation>
    </message>
    <message>
        <source>Cards placed: %1 of %2</source>
        <translation>Gelegte Karten: %1 von %2</translation>
    </message>
    <message>
        <source>Game over. Total Score: %1</source>
        <translation>Spiel beendet. Gesamtpunktzahl: %1</translation>
    </message>
    <message>
        <source>No game dealt yet</source>
        <translation>Noch kein Spiel gegeben</translation>
    </message>
    <message>
        <source>Your score of %1 enters the Top 5 list</source>
        <translation>Ihre %1 Punkte kommen in die Bestenliste</translation>
    </message>
    <message>
        <source>Marnelok table</source>
        <translation>Marnelok-Tisch</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Raster</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wertung</translation>
    </message>
    <message>
        <source>The Marnelok Top 5 List</source>
        <translation>Die Marnelok-Bestenliste</translation>
    </message>
    <message>
        <source>Click or press Enter to resume</source>
        <translation>Zum Fortfahren klicken oder die Eingabetaste drücken</translation>
    </message>
    <message>
        <source>WIN</source>
        <translation>SIEG</translation>
    </message>
    <message>
        <source>150 points or more: a win</source>
        <translation>150 Punkte oder mehr: ein Sieg</translation>
    </message>
    <message>
        <source>%1 to row %2, column %3.</source>
        <translation>%1 in Zeile %2, Spalte %3.</translation>
    </message>
    <message>
        <source>Next: %1.</source>
        <translation>Nächste: %1.</translation>
    </message>
    <message>
        <source>Row %1: %2.</source>
        <translation>Zeile %1: %2.</translation>
    </message>
    <message>
        <source>Column %1: %2.</source>
        <translation>Spalte %1: %2.</translation>
    </message>
    <message>
        <source>Total %1.</source>
        <translation>Gesamt %1.</translation>
    </message>
    <message>
        <source>Game over. Total %1. WIN.</source>
        <translation>Spiel beendet. Gesamt %1. SIEG.</translation>
    </message>
    <message>
        <source>Game over. Total %1.</source>
        <translation>Spiel beendet. Gesamt %1.</translation>
    </message>
    <message>
        <source>It enters the Top 5 list.</source>
        <translation>Das kommt in die Bestenliste.</translation>
    </message>
    <message>
        <source>It does not enter the Top 5 list.</source>
        <translation>Das kommt nicht in die Bestenliste.</translation>
    </message>
    <message>
        <source>Taken back: %1 from row %2, column %3.</source>
        <translation>Zurückgenommen: %1 aus Zeile %2, Spalte %3.</translation>
    </message>
    <message>
        <source>New game. First card: %1.</source>
        <translation>Neues Spiel. Erste Karte: %1.</translation>
    </message>
    <message>
        <source>Row %1, column %2.</source>
        <translation>Zeile %1, Spalte %2.</translation>
    </message>
    <message>
        <source>Hint: row %1, column %2.</source>
        <translation>Tipp: Zeile %1, Spalte %2.</translation>
    </message>
    <message>
        <source>Current card: %1.</source>
        <translation>Aktuelle Karte: %1.</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Spiel %1</translation>
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
        <translation>Aufruf: %1 [--deal N | --daily] [Qt-Optionen]
Poker-Patience auf einem Raster von fünf mal fünf Feldern.

  --deal N     mit dem Spiel Nummer N (0 bis 4294967295) beginnen, in der
               zuletzt gewählten Spielart
  --daily      mit dem Spiel des Tages beginnen, für alle Spieler am selben
               Datum dasselbe
  -h, --help   diese Hilfe anzeigen und beenden
  --version    die Version anzeigen und beenden

Die Standardoptionen von Qt, etwa -platform NAME oder -style NAME, gelten ebenfalls.
</translation>
    </message>
</context>
<context>
    <name>marnelok::FiguresTable</name>
    <message>
        <source>Games played</source>
        <translation>Gespielte Spiele</translation>
    </message>
    <message>
        <source>Games finished</source>
        <translation>Beendete Spiele</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Gewonnene Spiele</translation>
    </message>
    <message>
        <source>Share won</source>
        <translation>Anteil gewonnen</translation>
    </message>
    <message>
        <source>Mean total</source>
        <translation>Mittlere Punktzahl</translation>
    </message>
    <message>
        <source>Median total</source>
        <translation>Median der Punktzahl</translation>
    </message>
    <message>
        <source>Best total</source>
        <translation>Beste Punktzahl</translation>
    </message>
    <message>
        <source>Worst total</source>
        <translation>Schlechteste Punktzahl</translation>
    </message>
    <message>
        <source>Current run of wins</source>
        <translation>Aktuelle Siegesserie</translation>
    </message>
    <message>
        <source>Longest run of wins</source>
        <translation>Längste Siegesserie</translation>
    </message>
    <message>
        <source>Games played with hints</source>
        <translation>Spiele mit Tipps</translation>
    </message>
    <message>
        <source>All games</source>
        <translation>Alle Spiele</translation>
    </message>
    <message>
        <source>Regular</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Throw-down</source>
        <translation>Mit Auslage</translation>
    </message>
    <message>
        <source>Totals count finished games. Hands count the ten lines of every finished game, with their share of all those lines. A game left early ends a run of wins.</source>
        <translation>Die Punktzahlen zählen beendete Spiele. Die Hände zählen die zehn Reihen jedes beendeten Spiels, mit ihrem Anteil an all diesen Reihen. Ein vorzeitig verlassenes Spiel beendet eine Siegesserie.</translation>
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
        <translation>Mit Auslage</translation>
    </message>
    <message>
        <source>%1 (demo)</source>
        <translation>%1 (Demo)</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>Nicht beendet</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Tipps</translation>
    </message>
    <message>
        <source>%1 (daily)</source>
        <extracomment>A game of the day&apos;s daily deal, in the list&apos;s Kind column.</extracomment>
        <translation>%1 (Tagesspiel)</translation>
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
        <translation>Spielanalyse</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>The headings of the list of placements.</extracomment>
        <translation>Zug</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Placed at</source>
        <translation>Gelegt auf</translation>
    </message>
    <message>
        <source>Best cell</source>
        <translation>Bestes Feld</translation>
    </message>
    <message>
        <source>Expected total</source>
        <translation>Erwartete Punktzahl</translation>
    </message>
    <message>
        <source>With the best cell</source>
        <translation>Mit dem besten Feld</translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation>Verlorene Punkte</translation>
    </message>
    <message>
        <source>Costliest</source>
        <translation>Teuerste</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <extracomment>A cell of the grid in the list, rows and columns counted from 1 at the top left.</extracomment>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <extracomment>A cell of the grid within a sentence of the caption below the table.</extracomment>
        <translation>das Feld in Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>Thrown down</source>
        <translation>Ausgelegt</translation>
    </message>
    <message>
        <source>Not judged</source>
        <translation>Nicht bewertet</translation>
    </message>
    <message>
        <source>Deal %1, regular game</source>
        <translation>Spiel %1, normales Spiel</translation>
    </message>
    <message>
        <source>Deal %1, throw-down game</source>
        <translation>Spiel %1, mit ausgelegten Karten</translation>
    </message>
    <message>
        <source>The demo placed cards in this game.</source>
        <translation>In diesem Spiel hat die Demo Karten gelegt.</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Punktzahl: %1</translation>
    </message>
    <message>
        <source>Points lost: %1</source>
        <translation>Verlorene Punkte: %1</translation>
    </message>
    <message>
        <source>Placements within half a point of the best: %1 of %2 (%3 %)</source>
        <translation>Züge höchstens einen halben Punkt hinter dem besten: %1 von %2 (%3 %)</translation>
    </message>
    <message>
        <source>Costliest placement (marked in the list): turn %1</source>
        <translation>Teuerster Zug (in der Liste markiert): Zug %1</translation>
    </message>
    <message>
        <source>Costliest placements (marked in the list): turns %1</source>
        <translation>Teuerste Züge (in der Liste markiert): Züge %1</translation>
    </message>
    <message>
        <source>Every placement was within half a point of the best.</source>
        <translation>Jeder Zug lag höchstens einen halben Punkt hinter dem besten.</translation>
    </message>
    <message>
        <source>Reading the game...</source>
        <translation>Das Spiel wird gelesen...</translation>
    </message>
    <message>
        <source>Judging the placements: %v of %m</source>
        <extracomment>The progress bar&apos;s text: %v is the placements judged so far, %m all of them.</extracomment>
        <translation>Die Züge werden bewertet: %v von %m</translation>
    </message>
    <message>
        <source>The history holds no finished game yet: finish a game, then review it.</source>
        <translation>Es ist noch kein beendetes Spiel gespeichert: Beenden Sie ein Spiel und analysieren Sie es dann.</translation>
    </message>
    <message>
        <source>The review was stopped.</source>
        <translation>Die Analyse wurde angehalten.</translation>
    </message>
    <message>
        <source>The game cannot be reviewed: %1</source>
        <translation>Das Spiel kann nicht analysiert werden: %1</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>The review window&apos;s buttons; Cancel and Resume are one button at different times.</extracomment>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Fortsetzen</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Turn %1: the %2 was thrown down before play, so it is not judged.</source>
        <extracomment>%2 is a card as the list shows it: 10♥, Q♠.</extracomment>
        <translation>Zug %1: %2 wurde vor dem Spiel ausgelegt und wird daher nicht bewertet.</translation>
    </message>
    <message>
        <source>Turn %1: the %2 went to %3. It has not been judged.</source>
        <translation>Zug %1: %2 kam auf %3. Dieser Zug ist noch nicht bewertet.</translation>
    </message>
    <message>
        <source>Turn %1: the %2 went to %3, for an expected total of %4. The best cell was %5, for %6. Points lost: %7.</source>
        <translation>Zug %1: %2 kam auf %3, mit einer zu erwartenden Punktzahl von %4. Am besten wäre %5 gewesen, mit %6. Verlorene Punkte: %7.</translation>
    </message>
    <message>
        <source>Solid magenta frame: where the card went. Dashed cyan frame: the advisor&apos;s best cell.</source>
        <translation>Durchgehender magentafarbener Rahmen: wohin die Karte kam. Gestrichelter cyanfarbener Rahmen: das Feld, das Marnelok empfiehlt.</translation>
    </message>
    <message>
        <source>Expected final total after each placement</source>
        <translation>Zu erwartende Endpunktzahl nach jedem Zug</translation>
    </message>
    <message>
        <source>As played</source>
        <translation>Wie gespielt</translation>
    </message>
    <message>
        <source>With the best placement</source>
        <translation>Mit dem besten Zug</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message numerus="yes">
        <source>The review was stopped with %n of %1 placements judged; Resume finishes it.</source>
        <translation>
            <numerusform>Die Analyse wurde angehalten, als %n von %1 Zügen bewertet war; Fortsetzen schließt sie ab.</numerusform>
            <numerusform>Die Analyse wurde angehalten, als %n von %1 Zügen bewertet waren; Fortsetzen schließt sie ab.</numerusform>
        </translation>
    </message>
    <message>
        <source>The advisor scored %1 on this deal: %2 against par</source>
        <translation>Der Ratgeber erreichte bei diesem Spiel %1: %2 gegenüber Par</translation>
    </message>
    <message>
        <source>Judging the placements</source>
        <translation>Bewertung der Züge</translation>
    </message>
    <message>
        <source>The table at turn %1</source>
        <translation>Der Tisch in Zug %1</translation>
    </message>
</context>
<context>
    <name>marnelok::StatisticsCharts</name>
    <message>
        <source>Win: 150</source>
        <translation>Sieg: 150</translation>
    </message>
    <message>
        <source>Totals of finished games</source>
        <translation>Punktzahlen beendeter Spiele</translation>
    </message>
    <message>
        <source>Below 150</source>
        <translation>Unter 150</translation>
    </message>
    <message>
        <source>150 or more</source>
        <translation>150 oder mehr</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Punktzahl</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Mean of the last 20 games</source>
        <translation>Mittel der letzten 20 Spiele</translation>
    </message>
    <message>
        <source>Mean total</source>
        <translation>Mittlere Punktzahl</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>No finished game yet</source>
        <translation>Noch kein beendetes Spiel</translation>
    </message>
    <message>
        <source>%1 games, most between %2 and %3</source>
        <translation>%1 Spiele, die meisten zwischen %2 und %3</translation>
    </message>
    <message>
        <source>%1 points, the latest %2</source>
        <translation>%1 Punkte, zuletzt %2</translation>
    </message>
</context>
<context>
    <name>marnelok::StatisticsParts</name>
    <message>
        <source>Against par</source>
        <extracomment>The title of the Statistics window&apos;s part on the games against the advisor&apos;s total.</extracomment>
        <translation>Gegenüber Par</translation>
    </message>
    <message>
        <source>Daily</source>
        <extracomment>The title of the Statistics window&apos;s part on the daily deal.</extracomment>
        <translation>Tagesspiel</translation>
    </message>
    <message>
        <source>Par is the advisor&apos;s total on the same deal. No finished game has its par yet.</source>
        <translation>Par ist die Punktzahl des Ratgebers im selben Spiel. Noch kein beendetes Spiel hat sein Par.</translation>
    </message>
    <message>
        <source>Games at or above par: %1 of %2</source>
        <translation>Spiele auf oder über Par: %1 von %2</translation>
    </message>
    <message>
        <source>Mean of total minus par: %1</source>
        <translation>Mittel von Punktzahl minus Par: %1</translation>
    </message>
    <message>
        <source>Best game against par: %1</source>
        <translation>Bestes Spiel gegenüber Par: %1</translation>
    </message>
    <message>
        <source>Today: not played yet</source>
        <translation>Heute: noch nicht gespielt</translation>
    </message>
    <message>
        <source>Today: not finished yet</source>
        <translation>Heute: noch nicht beendet</translation>
    </message>
    <message>
        <source>Today: %1, par not yet known</source>
        <translation>Heute: %1, Par noch nicht bekannt</translation>
    </message>
    <message>
        <source>Today: %1, par %2 (%3)</source>
        <translation>Heute: %1, Par %2 (%3)</translation>
    </message>
    <message>
        <source>Days played: %1</source>
        <translation>Gespielte Tage: %1</translation>
    </message>
    <message>
        <source>Current run of days: %1</source>
        <translation>Aktuelle Tagesserie: %1</translation>
    </message>
    <message>
        <source>Longest run of days: %1</source>
        <translation>Längste Tagesserie: %1</translation>
    </message>
    <message>
        <source>Best daily total: %1</source>
        <translation>Beste Tagespunktzahl: %1</translation>
    </message>
</context>
<context>
    <name>marnelok::StatisticsWindow</name>
    <message>
        <source>&amp;Play This Deal Again</source>
        <translation>Dieses Spiel &amp;nochmals spielen</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>&amp;Reset Statistics</source>
        <translation>Statistik &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Recent games (the %1 newest):</source>
        <translation>Letzte Spiele (die %1 neuesten):</translation>
    </message>
    <message>
        <source>Reading the history...</source>
        <translation>Der Verlauf wird gelesen...</translation>
    </message>
    <message>
        <source>Export Statistics</source>
        <translation>Statistik exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The history could not be exported: %1</source>
        <translation>Der Verlauf konnte nicht exportiert werden: %1</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Do you really want to reset the statistics? Every game kept in the history is deleted. The High Scores are kept.</source>
        <translation>Wollen Sie die Statistik wirklich zurücksetzen? Jedes Spiel im Verlauf wird gelöscht. Die Bestenliste bleibt erhalten.</translation>
    </message>
    <message>
        <source>The history could not be reset: %1</source>
        <translation>Der Verlauf konnte nicht zurückgesetzt werden: %1</translation>
    </message>
    <message>
        <source>Re&amp;view</source>
        <translation>&amp;Analysieren</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Kennzahlen</translation>
    </message>
    <message>
        <source>Ignored rows: %1. The history holds rows with values that no game can make; they count in no figure, chart or list.</source>
        <translation>Ignorierte Zeilen: %1. Der Spielverlauf enthält Zeilen mit Werten, die kein Spiel ergeben kann; sie zählen in keiner Zahl, keinem Diagramm und keiner Liste.</translation>
    </message>
</context>
<context>
    <name>marnelok::TDonateForm</name>
    <message>
        <source>Make a Donation</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>Yes, take me to the donations page now!</source>
        <translation>Ja, bringen Sie mich jetzt zur Spendenseite!</translation>
    </message>
    <message>
        <source>I still have to check it a bit more, show this again in two weeks</source>
        <translation>Ich will es noch prüfen, in zwei Wochen wieder zeigen</translation>
    </message>
    <message>
        <source>I already made a donation, don&apos;t show this dialog again</source>
        <translation>Ich habe schon gespendet, nicht mehr zeigen</translation>
    </message>
    <message>
        <source>No, I don&apos;t want to donate, never show this dialog again</source>
        <translation>Nein, ich möchte nicht spenden, nie mehr zeigen</translation>
    </message>
    <message>
        <source>Not now, notify me again in 1 day</source>
        <translation>Nicht jetzt, in 1 Tag wieder erinnern</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Donating is completely optional, and the amount you give is entirely up to you.  Thank you.</source>
        <translation>Spenden ist völlig freiwillig, und wie viel Sie geben, entscheiden allein Sie. Vielen Dank.</translation>
    </message>
    <message>
        <source>Donations help offset the cost of running %1 and allow you to say &quot;thank you for a job well done&quot;. </source>
        <extracomment>%1 is the maker&apos;s site, &quot;www.marnelok.example&quot;. At most three lines in the dialog.</extracomment>
        <translation>Spenden helfen, die Kosten für %1 zu tragen, und sind eine Möglichkeit, „Danke für die gute Arbeit“ zu sagen.</translation>
    </message>
</context>
<context>
    <name>marnelok::TMarnelokForm</name>
    <message>
        <source>Large Cards</source>
        <translation>Große Karten</translation>
    </message>
    <message>
        <source>Sorry! Screen resolution should be at least 800 x 600 for large cards.</source>
        <translation>Leider nicht möglich! Für große Karten muss die Bildschirmauflösung mindestens 800 x 600 betragen.</translation>
    </message>
    <message>
        <source>Marnelok 8.00 - Freeware Edition - Marnelok for Windows</source>
        <extracomment>The main window&apos;s title.</extracomment>
        <translation>Marnelok 8.00 - Freeware-Version - Marnelok für Windows</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Do you really want to reset the High Scores?</source>
        <translation>Wollen Sie die Bestenliste wirklich zurücksetzen?</translation>
    </message>
</context>
<context>
    <name>marnelok::TsplashForm</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Freeware Edition</source>
        <extracomment>Under the product&apos;s name on the splash and About window: one line of at most 265 pixels.</extracomment>
        <translation>Freeware-Version</translation>
    </message>
</context>
</TS>

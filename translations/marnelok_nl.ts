<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>CsvExport</name>
    <message>
        <source>&quot;%1&quot; is a file of the history itself; choose another name</source>
        <extracomment>Follows &quot;The history could not be exported: &quot;.</extracomment>
        <translation>‘%1’ is een bestand van de geschiedenis zelf; kies een andere naam</translation>
    </message>
</context>
<context>
    <name>DealCommands</name>
    <message>
        <source>Select Deal</source>
        <translation>Spelnummer kiezen</translation>
    </message>
    <message>
        <source>Deal number (0 to 4294967295):</source>
        <translation>Spelnummer (0 tot en met 4294967295):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a deal number. Enter a whole number from 0 to 4294967295.</source>
        <translation>‘%1’ is geen spelnummer. Voer een geheel getal van 0 tot en met 4294967295 in.</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <extracomment>The deck&apos;s tooltip: the number of the deal on the table.</extracomment>
        <translation>Spel %1</translation>
    </message>
    <message>
        <source>Deal %1: the advisor scored %2</source>
        <extracomment>The deck&apos;s tooltip once the advisor has played the same deal.</extracomment>
        <translation>Spel %1: de adviseur scoorde %2</translation>
    </message>
</context>
<context>
    <name>DonateReminder</name>
    <message>
        <source>Failed to set data for &apos;DonateStatus&apos;</source>
        <translation>Kan gegevens voor &apos;DonateStatus&apos; niet opslaan</translation>
    </message>
</context>
<context>
    <name>DonateWords</name>
    <message>
        <source>Enjoying
Marnelok?</source>
        <extracomment>Over the donation picture, white on green, in two short lines of at most 15 letters.</extracomment>
        <translation>Plezier met
Marnelok?</translation>
    </message>
    <message>
        <source>A small donation keeps
the cards shuffling.</source>
        <extracomment>Over the donation picture, under the heading, in two lines of at most 24 letters.</extracomment>
        <translation>Een kleine donatie houdt
de kaarten in beweging.</translation>
    </message>
</context>
<context>
    <name>HandNames</name>
    <message>
        <source>None</source>
        <extracomment>The hands with their points, as the score panel, a screen reader and the Statistics window name them. At most about 155 pixels each in the score panel.</extracomment>
        <translation>Niets</translation>
    </message>
    <message>
        <source>One Pair (2)</source>
        <translation>Paar (2)</translation>
    </message>
    <message>
        <source>Two Pair (5)</source>
        <translation>Twee paar (5)</translation>
    </message>
    <message>
        <source>Three of a kind (10)</source>
        <translation>Drie gelijke (10)</translation>
    </message>
    <message>
        <source>Straight (15)</source>
        <translation>Straat (15)</translation>
    </message>
    <message>
        <source>Flush (20)</source>
        <translation>Flush (20)</translation>
    </message>
    <message>
        <source>Full House (25)</source>
        <translation>Full house (25)</translation>
    </message>
    <message>
        <source>Four of a kind (50)</source>
        <translation>Carré (50)</translation>
    </message>
    <message>
        <source>Straight Flush (75)</source>
        <translation>Straight flush (75)</translation>
    </message>
    <message>
        <source>Royal Flush (100)</source>
        <translation>Royal flush (100)</translation>
    </message>
</context>
<context>
    <name>HistoryDatabase</name>
    <message>
        <source>the damaged file could not be moved aside</source>
        <translation>het beschadigde bestand kon niet opzij worden gezet</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>de map %1 kan niet worden aangemaakt</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver (QSQLITE) is not installed</source>
        <translation>het SQLite-stuurprogramma van Qt (QSQLITE) is niet geïnstalleerd</translation>
    </message>
    <message>
        <source>the file failed its check: %1</source>
        <translation>het bestand heeft de controle niet doorstaan: %1</translation>
    </message>
    <message>
        <source>the history was written by a newer version of Marnelok (schema %1; this version knows up to %2)</source>
        <translation>de geschiedenis is geschreven door een nieuwere versie van Marnelok (schema %1; deze versie kent schema&apos;s tot en met %2)</translation>
    </message>
    <message>
        <source>the file belongs to another program</source>
        <translation>het bestand hoort bij een ander programma</translation>
    </message>
    <message>
        <source>a write-ahead log of another database lies beside it</source>
        <translation>ernaast staat een write-ahead-log van een andere database</translation>
    </message>
</context>
<context>
    <name>HistoryFile</name>
    <message>
        <source>the link &quot;%1&quot; belongs to another user</source>
        <extracomment>A reason, shown in brackets or after a colon; %1 is a file&apos;s or a folder&apos;s name.</extracomment>
        <translation>de koppeling ‘%1’ is van een andere gebruiker</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <extracomment>A reason, shown in brackets or after a colon; %1 is a file&apos;s or a folder&apos;s name.</extracomment>
        <translation>‘%1’ is geen gewoon bestand</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has other names (hard links)</source>
        <extracomment>A reason, shown in brackets or after a colon; %1 is a file&apos;s or a folder&apos;s name.</extracomment>
        <translation>‘%1’ heeft nog andere namen (harde koppelingen)</translation>
    </message>
</context>
<context>
    <name>HistoryWorker</name>
    <message>
        <source>The history of games cannot be opened</source>
        <extracomment>Followed by &quot;: &quot; and the reason.</extracomment>
        <translation>De spelgeschiedenis kan niet worden geopend</translation>
    </message>
    <message>
        <source>The history of games could not be read, so it was moved aside to &quot;%1&quot;. A new history has been started.</source>
        <translation>De spelgeschiedenis kon niet worden gelezen en is daarom verplaatst naar ‘%1’. Er is een nieuwe geschiedenis begonnen.</translation>
    </message>
    <message>
        <source>The history of games cannot be written to &quot;%1&quot; (%2). The games of this run are kept and will be written as soon as writing succeeds again, while Marnelok runs.</source>
        <extracomment>%2 is the reason.</extracomment>
        <translation>De spelgeschiedenis kan niet naar ‘%1’ worden geschreven (%2). De spellen van deze sessie blijven bewaard en worden weggeschreven zodra dat weer lukt, zolang Marnelok draait.</translation>
    </message>
    <message>
        <source>The history of games could not be written to &quot;%1&quot; (%2) before Marnelok closed: the games of this run that were waiting are lost.</source>
        <extracomment>%2 is the reason.</extracomment>
        <translation>De spelgeschiedenis kon niet naar ‘%1’ worden geschreven (%2) voordat Marnelok sloot: de wachtende spellen van deze sessie zijn verloren.</translation>
    </message>
    <message>
        <source>A write-ahead log that belongs to another database lay beside the history of games. It was moved aside to &quot;%1&quot;, and the history&apos;s games were kept.</source>
        <translation>Naast de spelgeschiedenis stond een write-ahead-log van een andere database. Dat is verplaatst naar ‘%1’; de spellen in de geschiedenis zijn bewaard.</translation>
    </message>
</context>
<context>
    <name>PanelTexts</name>
    <message>
        <source>Score</source>
        <extracomment>The score panel&apos;s heading.</extracomment>
        <translation>Score</translation>
    </message>
    <message>
        <source>Down the Columns</source>
        <extracomment>The heading over the five columns&apos; hands; at most about 170 pixels.</extracomment>
        <translation>Kolommen (verticaal)</translation>
    </message>
    <message>
        <source>Across the Rows</source>
        <extracomment>The heading over the five rows&apos; hands; at most about 170 pixels.</extracomment>
        <translation>Rijen (horizontaal)</translation>
    </message>
    <message>
        <source>Total Score</source>
        <extracomment>The heading over the total.</extracomment>
        <translation>Totaalscore</translation>
    </message>
    <message>
        <source>Play...</source>
        <extracomment>Above the card to place next; at most about 76 pixels.</extracomment>
        <translation>Spelen...</translation>
    </message>
    <message>
        <source>Click
for
next
Game!</source>
        <extracomment>The tile that deals the next game: at most four lines (separated by 
) of at most about 62 pixels each.</extracomment>
        <translation>Klik
voor
volgend
spel!</translation>
    </message>
    <message>
        <source>...The Marnelok Top 5 List...</source>
        <extracomment>The Top 5 panel&apos;s title.</extracomment>
        <translation>...De Marnelok Top 5-lijst...</translation>
    </message>
    <message>
        <source>Click left button to resume...</source>
        <extracomment>The Top 5 panel&apos;s last line: a click closes the panel.</extracomment>
        <translation>Linksklik om verder te gaan...</translation>
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
        <translation>WIN</translation>
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
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>RecordKeeper</name>
    <message>
        <source>Failed to set data for &apos;fRegInfo&apos;</source>
        <translation>Kan gegevens voor &apos;fRegInfo&apos; niet opslaan</translation>
    </message>
    <message>
        <source>Please enter your name!</source>
        <extracomment>Offered in the Top 5 prompt, and kept when not changed: at most 23 letters, all of them of Western European languages (Latin-1).</extracomment>
        <translation>Voer uw naam in!</translation>
    </message>
    <message>
        <source>New High Score</source>
        <translation>Nieuwe topscore</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Voer uw naam in:</translation>
    </message>
    <message>
        <source>The Top 5 list cannot keep these letters: %1

Your name will be kept there as &quot;%2&quot;.

Choose OK to keep it so, or Cancel to change it.</source>
        <translation>De Top 5-lijst kan deze tekens niet bewaren: %1

Uw naam wordt daar bewaard als ‘%2’.

Kies OK om hem zo te bewaren, of Annuleren om hem te wijzigen.</translation>
    </message>
</context>
<context>
    <name>ReviewCommand</name>
    <message>
        <source>The review window cannot be opened: %1</source>
        <translation>Het analysevenster kan niet worden geopend: %1</translation>
    </message>
</context>
<context>
    <name>StatisticsCommand</name>
    <message>
        <source>The Statistics window cannot be opened: %1</source>
        <translation>Het venster Statistieken kan niet worden geopend: %1</translation>
    </message>
    <message>
        <source>%1 was not found in %2</source>
        <translation>%1 is niet gevonden in %2</translation>
    </message>
</context>
<context>
    <name>TMarnelokForm</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Start a New Game</source>
        <translation>&amp;Nieuw spel</translation>
    </message>
    <message>
        <source>Select &amp;Deal...</source>
        <translation>Spelnummer &amp;kiezen...</translation>
    </message>
    <message>
        <source>&amp;Replay This Deal</source>
        <translation>Dit spel opnieuw &amp;spelen</translation>
    </message>
    <message>
        <source>&amp;Undo Last Move</source>
        <translation>Laatste zet &amp;ongedaan maken</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>&amp;Tip</translation>
    </message>
    <message>
        <source>View &amp;High Scores</source>
        <translation>Topscores &amp;bekijken</translation>
    </message>
    <message>
        <source>Stat&amp;istics...</source>
        <translation>Stat&amp;istieken...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>Play Regular Game</source>
        <translation>&amp;Normaal spel</translation>
    </message>
    <message>
        <source>Throw down a few cards first</source>
        <translation>Met &amp;startkaarten</translation>
    </message>
    <message>
        <source>Use Large Cards</source>
        <translation>&amp;Grote kaarten</translation>
    </message>
    <message>
        <source>Use Alternate Colors</source>
        <translation>&amp;Andere kleuren</translation>
    </message>
    <message>
        <source>Reset High Scores</source>
        <translation>Topscores &amp;wissen</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <source>About Marnelok</source>
        <translation>&amp;Over Marnelok</translation>
    </message>
    <message>
        <source>Make a Donation</source>
        <translation>&amp;Doneren</translation>
    </message>
    <message>
        <source>Re&amp;view Last Game...</source>
        <translation>Laatste spel ana&amp;lyseren...</translation>
    </message>
    <message>
        <source>De&amp;mo</source>
        <translation>&amp;Demo</translation>
    </message>
    <message>
        <source>Dai&amp;ly Deal</source>
        <translation>Spel van de da&amp;g</translation>
    </message>
</context>
<context>
    <name>TableWords</name>
    <message>
        <source>Ace</source>
        <translation>aas</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>twee</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>drie</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>vier</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>vijf</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>zes</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>zeven</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>acht</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>negen</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>tien</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>boer</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>vrouw</translation>
    </message>
    <message>
        <source>King</source>
        <translation>heer</translation>
    </message>
    <message>
        <source>%1 of Hearts</source>
        <translation>Harten%1</translation>
    </message>
    <message>
        <source>%1 of Clubs</source>
        <translation>Klaveren%1</translation>
    </message>
    <message>
        <source>%1 of Diamonds</source>
        <translation>Ruiten%1</translation>
    </message>
    <message>
        <source>%1 of Spades</source>
        <translation>Schoppen%1</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Leeg</translation>
    </message>
    <message>
        <source>Click the deck or press Enter to deal</source>
        <translation>Klik op de stapel of druk op Enter om te delen</translation>
    </message>
    <message>
        <source>Current card: %1</source>
        <translation>Huidige kaart: %1</translation>
    </message>
    <message>
        <source>Column %1: %2</source>
        <translation>Kolom %1: %2</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Rij %1: %2</translation>
    </message>
    <message>
        <source>Total Score: %1</source>
        <translation>Totaalscore: %1</translation>
    </message>
    <message>
        <source>%1. %2: %3</source>
        <translation>%1. %2: %3</translation>
    </message>
    <message>
        <source>Cards placed: %1 of %2</source>
        <translation>Kaarten gelegd: %1 van %2</translation>
    </message>
    <message>
        <source>Game over. Total Score: %1</source>
        <translation>Spel afgelopen. Totaalscore: %1</translation>
    </message>
    <message>
        <source>No game dealt yet</source>
        <translation>Nog geen spel gedeeld</translation>
    </message>
    <message>
        <source>Your score of %1 enters the Top 5 list</source>
        <translation>Uw score van %1 komt in de Top 5-lijst</translation>
    </message>
    <message>
        <source>Marnelok table</source>
        <translation>Marnelok-tafel</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Raster</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>The Marnelok Top 5 List</source>
        <translation>De Marnelok Top 5-lijst</translation>
    </message>
    <message>
        <source>Click or press Enter to resume</source>
        <translation>Klik of druk op Enter om verder te gaan</translation>
    </message>
    <message>
        <source>WIN</source>
        <translation>WIN</translation>
    </message>
    <message>
        <source>150 points or more: a win</source>
        <translation>150 punten of meer: gewonnen</translation>
    </message>
    <message>
        <source>%1 to row %2, column %3.</source>
        <translation>%1 naar rij %2, kolom %3.</translation>
    </message>
    <message>
        <source>Next: %1.</source>
        <translation>Volgende: %1.</translation>
    </message>
    <message>
        <source>Row %1: %2.</source>
        <translation>Rij %1: %2.</translation>
    </message>
    <message>
        <source>Column %1: %2.</source>
        <translation>Kolom %1: %2.</translation>
    </message>
    <message>
        <source>Total %1.</source>
        <translation>Totaal %1.</translation>
    </message>
    <message>
        <source>Game over. Total %1. WIN.</source>
        <translation>Spel afgelopen. Totaal %1. WIN.</translation>
    </message>
    <message>
        <source>Game over. Total %1.</source>
        <translation>Spel afgelopen. Totaal %1.</translation>
    </message>
    <message>
        <source>It enters the Top 5 list.</source>
        <translation>Dit komt in de Top 5-lijst.</translation>
    </message>
    <message>
        <source>It does not enter the Top 5 list.</source>
        <translation>Dit komt niet in de Top 5-lijst.</translation>
    </message>
    <message>
        <source>Taken back: %1 from row %2, column %3.</source>
        <translation>Teruggenomen: %1 van rij %2, kolom %3.</translation>
    </message>
    <message>
        <source>New game. First card: %1.</source>
        <translation>Nieuw spel. Eerste kaart: %1.</translation>
    </message>
    <message>
        <source>Row %1, column %2.</source>
        <translation>Rij %1, kolom %2.</translation>
    </message>
    <message>
        <source>Hint: row %1, column %2.</source>
        <translation>Hint: rij %1, kolom %2.</translation>
    </message>
    <message>
        <source>Current card: %1.</source>
        <translation>Huidige kaart: %1.</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Spel %1</translation>
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
        <translation>Gebruik: %1 [--deal N | --daily] [Qt-opties]
Pokerpatience op een raster van vijf bij vijf.

  --deal N     begin met spel nummer N (0 tot en met 4294967295) op tafel,
               in de laatst gekozen spelsoort
  --daily      beginnen met het spel van de dag, hetzelfde voor elke speler op
               dezelfde datum
  -h, --help   deze hulp tonen en afsluiten
  --version    de versie tonen en afsluiten

De standaardopties van Qt, zoals -platform NAAM of -style NAAM, werken ook.
</translation>
    </message>
</context>
<context>
    <name>marnelok::FiguresTable</name>
    <message>
        <source>Games played</source>
        <translation>Gespeelde spellen</translation>
    </message>
    <message>
        <source>Games finished</source>
        <translation>Voltooide spellen</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Gewonnen spellen</translation>
    </message>
    <message>
        <source>Share won</source>
        <translation>Aandeel gewonnen</translation>
    </message>
    <message>
        <source>Mean total</source>
        <translation>Gemiddelde score</translation>
    </message>
    <message>
        <source>Median total</source>
        <translation>Mediaan van de score</translation>
    </message>
    <message>
        <source>Best total</source>
        <translation>Beste score</translation>
    </message>
    <message>
        <source>Worst total</source>
        <translation>Slechtste score</translation>
    </message>
    <message>
        <source>Current run of wins</source>
        <translation>Huidige winstreeks</translation>
    </message>
    <message>
        <source>Longest run of wins</source>
        <translation>Langste winstreeks</translation>
    </message>
    <message>
        <source>Games played with hints</source>
        <translation>Spellen met tips</translation>
    </message>
    <message>
        <source>All games</source>
        <translation>Alle spellen</translation>
    </message>
    <message>
        <source>Regular</source>
        <translation>Normaal</translation>
    </message>
    <message>
        <source>Throw-down</source>
        <translation>Met startkaarten</translation>
    </message>
    <message>
        <source>Totals count finished games. Hands count the ten lines of every finished game, with their share of all those lines. A game left early ends a run of wins.</source>
        <translation>Scores gelden alleen voor voltooide spellen. Handen tellen de tien lijnen van elk voltooid spel, met hun aandeel in al die lijnen. Een spel dat voortijdig wordt verlaten, beëindigt een winstreeks.</translation>
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
        <translation>Normaal</translation>
    </message>
    <message>
        <source>Throw-down</source>
        <translation>Met startkaarten</translation>
    </message>
    <message>
        <source>%1 (demo)</source>
        <translation>%1 (demo)</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>Niet voltooid</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Spelnr.</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Soort</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>%1 (daily)</source>
        <extracomment>A game of the day&apos;s daily deal, in the list&apos;s Kind column.</extracomment>
        <translation>%1 (van de dag)</translation>
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
        <translation>Spelanalyse</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>The headings of the list of placements.</extracomment>
        <translation>Zet</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Kaart</translation>
    </message>
    <message>
        <source>Placed at</source>
        <translation>Gelegd op</translation>
    </message>
    <message>
        <source>Best cell</source>
        <translation>Beste vak</translation>
    </message>
    <message>
        <source>Expected total</source>
        <translation>Verwachte score</translation>
    </message>
    <message>
        <source>With the best cell</source>
        <translation>Met het beste vak</translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation>Verloren punten</translation>
    </message>
    <message>
        <source>Costliest</source>
        <translation>Duurste</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <extracomment>A cell of the grid in the list, rows and columns counted from 1 at the top left.</extracomment>
        <translation>Rij %1, kolom %2</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <extracomment>A cell of the grid within a sentence of the caption below the table.</extracomment>
        <translation>rij %1, kolom %2</translation>
    </message>
    <message>
        <source>Thrown down</source>
        <translation>Startkaart</translation>
    </message>
    <message>
        <source>Not judged</source>
        <translation>Niet beoordeeld</translation>
    </message>
    <message>
        <source>Deal %1, regular game</source>
        <translation>Spel %1, normaal spel</translation>
    </message>
    <message>
        <source>Deal %1, throw-down game</source>
        <translation>Spel %1, met startkaarten</translation>
    </message>
    <message>
        <source>The demo placed cards in this game.</source>
        <translation>In dit spel heeft de demo kaarten gelegd.</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Score: %1</translation>
    </message>
    <message>
        <source>Points lost: %1</source>
        <translation>Verloren punten: %1</translation>
    </message>
    <message>
        <source>Placements within half a point of the best: %1 of %2 (%3 %)</source>
        <translation>Zetten hooguit een half punt onder de beste: %1 van %2 (%3 %)</translation>
    </message>
    <message>
        <source>Costliest placement (marked in the list): turn %1</source>
        <translation>Duurste zet (gemarkeerd in de lijst): zet %1</translation>
    </message>
    <message>
        <source>Costliest placements (marked in the list): turns %1</source>
        <translation>Duurste zetten (gemarkeerd in de lijst): zetten %1</translation>
    </message>
    <message>
        <source>Every placement was within half a point of the best.</source>
        <translation>Elke zet lag hooguit een half punt onder de beste.</translation>
    </message>
    <message>
        <source>Reading the game...</source>
        <translation>Spel wordt gelezen...</translation>
    </message>
    <message>
        <source>Judging the placements: %v of %m</source>
        <extracomment>The progress bar&apos;s text: %v is the placements judged so far, %m all of them.</extracomment>
        <translation>Zetten worden beoordeeld: %v van %m</translation>
    </message>
    <message>
        <source>The history holds no finished game yet: finish a game, then review it.</source>
        <translation>De geschiedenis bevat nog geen voltooid spel: speel een spel uit en analyseer het dan.</translation>
    </message>
    <message>
        <source>The review was stopped.</source>
        <translation>De analyse is gestopt.</translation>
    </message>
    <message>
        <source>The game cannot be reviewed: %1</source>
        <translation>Het spel kan niet worden geanalyseerd: %1</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>The review window&apos;s buttons; Cancel and Resume are one button at different times.</extracomment>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Hervatten</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Turn %1: the %2 was thrown down before play, so it is not judged.</source>
        <extracomment>%2 is a card as the list shows it: 10♥, Q♠.</extracomment>
        <translation>Zet %1: de %2 was een startkaart, voor het spel gelegd, en wordt daarom niet beoordeeld.</translation>
    </message>
    <message>
        <source>Turn %1: the %2 went to %3. It has not been judged.</source>
        <translation>Zet %1: de %2 ging naar %3. Deze zet is nog niet beoordeeld.</translation>
    </message>
    <message>
        <source>Turn %1: the %2 went to %3, for an expected total of %4. The best cell was %5, for %6. Points lost: %7.</source>
        <translation>Zet %1: de %2 ging naar %3, met een verwachte eindscore van %4. Het beste vak was %5, met %6. Verloren punten: %7.</translation>
    </message>
    <message>
        <source>Solid magenta frame: where the card went. Dashed cyan frame: the advisor&apos;s best cell.</source>
        <translation>Doorgetrokken magenta kader: waar de kaart heen ging. Gestreept cyaan kader: het vak dat Marnelok het beste vindt.</translation>
    </message>
    <message>
        <source>Expected final total after each placement</source>
        <translation>Verwachte eindscore na elke zet</translation>
    </message>
    <message>
        <source>As played</source>
        <translation>Zoals gespeeld</translation>
    </message>
    <message>
        <source>With the best placement</source>
        <translation>Met de beste zet</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punten</translation>
    </message>
    <message numerus="yes">
        <source>The review was stopped with %n of %1 placements judged; Resume finishes it.</source>
        <translation>
            <numerusform>De analyse is gestopt nadat %n van %1 zetten was beoordeeld; met Hervatten wordt die afgemaakt.</numerusform>
            <numerusform>De analyse is gestopt nadat %n van %1 zetten waren beoordeeld; met Hervatten wordt die afgemaakt.</numerusform>
        </translation>
    </message>
    <message>
        <source>The advisor scored %1 on this deal: %2 against par</source>
        <translation>De adviseur scoorde %1 op dit spel: %2 ten opzichte van par</translation>
    </message>
    <message>
        <source>Judging the placements</source>
        <translation>Beoordeling van de zetten</translation>
    </message>
    <message>
        <source>The table at turn %1</source>
        <translation>De tafel bij beurt %1</translation>
    </message>
</context>
<context>
    <name>marnelok::StatisticsCharts</name>
    <message>
        <source>Win: 150</source>
        <translation>Gewonnen: 150</translation>
    </message>
    <message>
        <source>Totals of finished games</source>
        <translation>Scores van voltooide spellen</translation>
    </message>
    <message>
        <source>Below 150</source>
        <translation>Onder 150</translation>
    </message>
    <message>
        <source>150 or more</source>
        <translation>150 of meer</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spellen</translation>
    </message>
    <message>
        <source>Mean of the last 20 games</source>
        <translation>Gemiddelde van de laatste 20 spellen</translation>
    </message>
    <message>
        <source>Mean total</source>
        <translation>Gemiddelde score</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punten</translation>
    </message>
    <message>
        <source>No finished game yet</source>
        <translation>Nog geen voltooid spel</translation>
    </message>
    <message>
        <source>%1 games, most between %2 and %3</source>
        <translation>%1 spellen, de meeste tussen %2 en %3</translation>
    </message>
    <message>
        <source>%1 points, the latest %2</source>
        <translation>%1 punten, de laatste %2</translation>
    </message>
</context>
<context>
    <name>marnelok::StatisticsParts</name>
    <message>
        <source>Against par</source>
        <extracomment>The title of the Statistics window&apos;s part on the games against the advisor&apos;s total.</extracomment>
        <translation>Ten opzichte van par</translation>
    </message>
    <message>
        <source>Daily</source>
        <extracomment>The title of the Statistics window&apos;s part on the daily deal.</extracomment>
        <translation>Dagelijks</translation>
    </message>
    <message>
        <source>Par is the advisor&apos;s total on the same deal. No finished game has its par yet.</source>
        <translation>Par is de score van de adviseur op hetzelfde spel. Nog geen uitgespeeld spel heeft zijn par.</translation>
    </message>
    <message>
        <source>Games at or above par: %1 of %2</source>
        <translation>Spellen op of boven par: %1 van %2</translation>
    </message>
    <message>
        <source>Mean of total minus par: %1</source>
        <translation>Gemiddelde van score min par: %1</translation>
    </message>
    <message>
        <source>Best game against par: %1</source>
        <translation>Beste spel ten opzichte van par: %1</translation>
    </message>
    <message>
        <source>Today: not played yet</source>
        <translation>Vandaag: nog niet gespeeld</translation>
    </message>
    <message>
        <source>Today: not finished yet</source>
        <translation>Vandaag: nog niet uitgespeeld</translation>
    </message>
    <message>
        <source>Today: %1, par not yet known</source>
        <translation>Vandaag: %1, par nog niet bekend</translation>
    </message>
    <message>
        <source>Today: %1, par %2 (%3)</source>
        <translation>Vandaag: %1, par %2 (%3)</translation>
    </message>
    <message>
        <source>Days played: %1</source>
        <translation>Gespeelde dagen: %1</translation>
    </message>
    <message>
        <source>Current run of days: %1</source>
        <translation>Huidige reeks dagen: %1</translation>
    </message>
    <message>
        <source>Longest run of days: %1</source>
        <translation>Langste reeks dagen: %1</translation>
    </message>
    <message>
        <source>Best daily total: %1</source>
        <translation>Beste dagscore: %1</translation>
    </message>
</context>
<context>
    <name>marnelok::StatisticsWindow</name>
    <message>
        <source>&amp;Play This Deal Again</source>
        <translation>Dit spel &amp;opnieuw spelen</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exporteren...</translation>
    </message>
    <message>
        <source>&amp;Reset Statistics</source>
        <translation>Statistieken &amp;wissen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Recent games (the %1 newest):</source>
        <translation>Recente spellen (de %1 nieuwste):</translation>
    </message>
    <message>
        <source>Reading the history...</source>
        <translation>Geschiedenis wordt gelezen...</translation>
    </message>
    <message>
        <source>Export Statistics</source>
        <translation>Statistieken exporteren</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-bestanden (*.csv);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>The history could not be exported: %1</source>
        <translation>De geschiedenis kon niet worden geëxporteerd: %1</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bevestigen</translation>
    </message>
    <message>
        <source>Do you really want to reset the statistics? Every game kept in the history is deleted. The High Scores are kept.</source>
        <translation>Wilt u de statistieken echt wissen? Elk spel in de geschiedenis wordt verwijderd. De topscores blijven bewaard.</translation>
    </message>
    <message>
        <source>The history could not be reset: %1</source>
        <translation>De geschiedenis kon niet worden gewist: %1</translation>
    </message>
    <message>
        <source>Re&amp;view</source>
        <translation>&amp;Analyseren</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Cijfers</translation>
    </message>
    <message>
        <source>Ignored rows: %1. The history holds rows with values that no game can make; they count in no figure, chart or list.</source>
        <translation>Genegeerde rijen: %1. De geschiedenis bevat rijen met waarden die geen spel kan opleveren; ze tellen in geen enkel getal, diagram of lijst mee.</translation>
    </message>
</context>
<context>
    <name>marnelok::TDonateForm</name>
    <message>
        <source>Make a Donation</source>
        <translation>Doneren</translation>
    </message>
    <message>
        <source>Yes, take me to the donations page now!</source>
        <translation>Ja, breng me nu naar de donatiepagina!</translation>
    </message>
    <message>
        <source>I still have to check it a bit more, show this again in two weeks</source>
        <translation>Ik wil het nog wat uitproberen, over twee weken weer tonen</translation>
    </message>
    <message>
        <source>I already made a donation, don&apos;t show this dialog again</source>
        <translation>Ik heb al gedoneerd, niet meer tonen</translation>
    </message>
    <message>
        <source>No, I don&apos;t want to donate, never show this dialog again</source>
        <translation>Nee, ik wil niet doneren, nooit meer tonen</translation>
    </message>
    <message>
        <source>Not now, notify me again in 1 day</source>
        <translation>Niet nu, over 1 dag weer herinneren</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Doorgaan</translation>
    </message>
    <message>
        <source>Donating is completely optional, and the amount you give is entirely up to you.  Thank you.</source>
        <translation>Doneren is geheel vrijblijvend, en hoeveel u geeft, bepaalt u helemaal zelf. Hartelijk dank.</translation>
    </message>
    <message>
        <source>Donations help offset the cost of running %1 and allow you to say &quot;thank you for a job well done&quot;. </source>
        <extracomment>%1 is the maker&apos;s site, &quot;www.marnelok.example&quot;. At most three lines in the dialog.</extracomment>
        <translation>Donaties helpen de kosten van %1 te dragen en zijn een manier om ‘bedankt voor het goede werk’ te zeggen.</translation>
    </message>
</context>
<context>
    <name>marnelok::TMarnelokForm</name>
    <message>
        <source>Large Cards</source>
        <translation>Grote kaarten</translation>
    </message>
    <message>
        <source>Sorry! Screen resolution should be at least 800 x 600 for large cards.</source>
        <translation>Helaas! Voor grote kaarten moet de schermresolutie minstens 800 x 600 zijn.</translation>
    </message>
    <message>
        <source>Marnelok 8.00 - Freeware Edition - Marnelok for Windows</source>
        <extracomment>The main window&apos;s title.</extracomment>
        <translation>Marnelok 8.00 - Freeware-editie - Marnelok voor Windows</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bevestigen</translation>
    </message>
    <message>
        <source>Do you really want to reset the High Scores?</source>
        <translation>Wilt u de topscores echt wissen?</translation>
    </message>
</context>
<context>
    <name>marnelok::TsplashForm</name>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Freeware Edition</source>
        <extracomment>Under the product&apos;s name on the splash and About window: one line of at most 265 pixels.</extracomment>
        <translation>Freeware-editie</translation>
    </message>
</context>
</TS>

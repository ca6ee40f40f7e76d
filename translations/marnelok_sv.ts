<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>CsvExport</name>
    <message>
        <source>&quot;%1&quot; is a file of the history itself; choose another name</source>
        <extracomment>Follows &quot;The history could not be exported: &quot;.</extracomment>
        <translation>”%1” är en fil i själva historiken; välj ett annat namn</translation>
    </message>
</context>
<context>
    <name>DealCommands</name>
    <message>
        <source>Select Deal</source>
        <translation>Välj giv</translation>
    </message>
    <message>
        <source>Deal number (0 to 4294967295):</source>
        <translation>Givnummer (0 till 4294967295):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a deal number. Enter a whole number from 0 to 4294967295.</source>
        <translation>”%1” är inget givnummer. Ange ett heltal från 0 till 4294967295.</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <extracomment>The deck&apos;s tooltip: the number of the deal on the table.</extracomment>
        <translation>Giv %1</translation>
    </message>
    <message>
        <source>Deal %1: the advisor scored %2</source>
        <extracomment>The deck&apos;s tooltip once the advisor has played the same deal.</extracomment>
        <translation>Giv %1: rådgivaren fick %2</translation>
    </message>
</context>
<context>
    <name>DonateReminder</name>
    <message>
        <source>Failed to set data for &apos;DonateStatus&apos;</source>
        <translation>Det gick inte att spara data för &apos;DonateStatus&apos;</translation>
    </message>
</context>
<context>
    <name>DonateWords</name>
    <message>
        <source>Enjoying
Marnelok?</source>
        <extracomment>Over the donation picture, white on green, in two short lines of at most 15 letters.</extracomment>
        <translation>Gillar du
Marnelok?</translation>
    </message>
    <message>
        <source>A small donation keeps
the cards shuffling.</source>
        <extracomment>Over the donation picture, under the heading, in two lines of at most 24 letters.</extracomment>
        <translation>En liten gåva håller
korten i rörelse.</translation>
    </message>
</context>
<context>
    <name>HandNames</name>
    <message>
        <source>None</source>
        <extracomment>The hands with their points, as the score panel, a screen reader and the Statistics window name them. At most about 155 pixels each in the score panel.</extracomment>
        <translation>Inget</translation>
    </message>
    <message>
        <source>One Pair (2)</source>
        <translation>Par (2)</translation>
    </message>
    <message>
        <source>Two Pair (5)</source>
        <translation>Två par (5)</translation>
    </message>
    <message>
        <source>Three of a kind (10)</source>
        <translation>Triss (10)</translation>
    </message>
    <message>
        <source>Straight (15)</source>
        <translation>Stege (15)</translation>
    </message>
    <message>
        <source>Flush (20)</source>
        <translation>Färg (20)</translation>
    </message>
    <message>
        <source>Full House (25)</source>
        <translation>Kåk (25)</translation>
    </message>
    <message>
        <source>Four of a kind (50)</source>
        <translation>Fyrtal (50)</translation>
    </message>
    <message>
        <source>Straight Flush (75)</source>
        <translation>Färgstege (75)</translation>
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
        <translation>den skadade filen kunde inte flyttas undan</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>mappen %1 kan inte skapas</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver (QSQLITE) is not installed</source>
        <translation>Qt:s SQLite-drivrutin (QSQLITE) är inte installerad</translation>
    </message>
    <message>
        <source>the file failed its check: %1</source>
        <translation>filen klarade inte kontrollen: %1</translation>
    </message>
    <message>
        <source>the history was written by a newer version of Marnelok (schema %1; this version knows up to %2)</source>
        <translation>historiken skrevs av en nyare version av Marnelok (schema %1; den här versionen känner till scheman upp till %2)</translation>
    </message>
    <message>
        <source>the file belongs to another program</source>
        <translation>filen tillhör ett annat program</translation>
    </message>
    <message>
        <source>a write-ahead log of another database lies beside it</source>
        <translation>bredvid den ligger en WAL-logg (write-ahead log) från en annan databas</translation>
    </message>
</context>
<context>
    <name>HistoryFile</name>
    <message>
        <source>the link &quot;%1&quot; belongs to another user</source>
        <extracomment>A reason, shown in brackets or after a colon; %1 is a file&apos;s or a folder&apos;s name.</extracomment>
        <translation>länken ”%1” tillhör en annan användare</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <extracomment>A reason, shown in brackets or after a colon; %1 is a file&apos;s or a folder&apos;s name.</extracomment>
        <translation>”%1” är inte en vanlig fil</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has other names (hard links)</source>
        <extracomment>A reason, shown in brackets or after a colon; %1 is a file&apos;s or a folder&apos;s name.</extracomment>
        <translation>”%1” har andra namn (hårda länkar)</translation>
    </message>
</context>
<context>
    <name>HistoryWorker</name>
    <message>
        <source>The history of games cannot be opened</source>
        <extracomment>Followed by &quot;: &quot; and the reason.</extracomment>
        <translation>Spelhistoriken kan inte öppnas</translation>
    </message>
    <message>
        <source>The history of games could not be read, so it was moved aside to &quot;%1&quot;. A new history has been started.</source>
        <translation>Spelhistoriken kunde inte läsas och har därför flyttats undan till ”%1”. En ny historik har påbörjats.</translation>
    </message>
    <message>
        <source>The history of games cannot be written to &quot;%1&quot; (%2). The games of this run are kept and will be written as soon as writing succeeds again, while Marnelok runs.</source>
        <extracomment>%2 is the reason.</extracomment>
        <translation>Spelhistoriken kan inte skrivas till ”%1” (%2). Spelen från den här körningen finns kvar och skrivs så snart det går att skriva igen, så länge Marnelok körs.</translation>
    </message>
    <message>
        <source>The history of games could not be written to &quot;%1&quot; (%2) before Marnelok closed: the games of this run that were waiting are lost.</source>
        <extracomment>%2 is the reason.</extracomment>
        <translation>Spelhistoriken kunde inte skrivas till ”%1” (%2) innan Marnelok stängdes: spelen från den här körningen som väntade har gått förlorade.</translation>
    </message>
    <message>
        <source>A write-ahead log that belongs to another database lay beside the history of games. It was moved aside to &quot;%1&quot;, and the history&apos;s games were kept.</source>
        <translation>Bredvid spelhistoriken låg en WAL-logg (write-ahead log) som hör till en annan databas. Den har flyttats undan till ”%1”, och historikens spel har behållits.</translation>
    </message>
</context>
<context>
    <name>PanelTexts</name>
    <message>
        <source>Score</source>
        <extracomment>The score panel&apos;s heading.</extracomment>
        <translation>Poäng</translation>
    </message>
    <message>
        <source>Down the Columns</source>
        <extracomment>The heading over the five columns&apos; hands; at most about 170 pixels.</extracomment>
        <translation>Kolumner (lodrätt)</translation>
    </message>
    <message>
        <source>Across the Rows</source>
        <extracomment>The heading over the five rows&apos; hands; at most about 170 pixels.</extracomment>
        <translation>Rader (vågrätt)</translation>
    </message>
    <message>
        <source>Total Score</source>
        <extracomment>The heading over the total.</extracomment>
        <translation>Total poäng</translation>
    </message>
    <message>
        <source>Play...</source>
        <extracomment>Above the card to place next; at most about 76 pixels.</extracomment>
        <translation>Spela...</translation>
    </message>
    <message>
        <source>Click
for
next
Game!</source>
        <extracomment>The tile that deals the next game: at most four lines (separated by 
) of at most about 62 pixels each.</extracomment>
        <translation>Klicka
för
nästa
spel!</translation>
    </message>
    <message>
        <source>...The Marnelok Top 5 List...</source>
        <extracomment>The Top 5 panel&apos;s title.</extracomment>
        <translation>...Marneloks topplista...</translation>
    </message>
    <message>
        <source>Click left button to resume...</source>
        <extracomment>The Top 5 panel&apos;s last line: a click closes the panel.</extracomment>
        <translation>Vänsterklicka för att fortsätta...</translation>
    </message>
    <message>
        <source>None</source>
        <comment>Top 5 list</comment>
        <extracomment>An empty entry of the Top 5 list.</extracomment>
        <translation>Ingen</translation>
    </message>
    <message>
        <source>WIN</source>
        <extracomment>The banner of a winning total, repeated across the table in boxes 48 pixels wide, or as wide as a longer word. Capitals, as in English.</extracomment>
        <translation>VINST</translation>
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
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>RecordKeeper</name>
    <message>
        <source>Failed to set data for &apos;fRegInfo&apos;</source>
        <translation>Det gick inte att spara data för &apos;fRegInfo&apos;</translation>
    </message>
    <message>
        <source>Please enter your name!</source>
        <extracomment>Offered in the Top 5 prompt, and kept when not changed: at most 23 letters, all of them of Western European languages (Latin-1).</extracomment>
        <translation>Skriv ditt namn!</translation>
    </message>
    <message>
        <source>New High Score</source>
        <translation>Nytt rekord</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Skriv ditt namn:</translation>
    </message>
    <message>
        <source>The Top 5 list cannot keep these letters: %1

Your name will be kept there as &quot;%2&quot;.

Choose OK to keep it so, or Cancel to change it.</source>
        <translation>Topplistan kan inte spara de här tecknen: %1

Ditt namn sparas där som ”%2”.

Välj OK för att spara det så, eller Avbryt för att ändra det.</translation>
    </message>
</context>
<context>
    <name>ReviewCommand</name>
    <message>
        <source>The review window cannot be opened: %1</source>
        <translation>Analysfönstret kan inte öppnas: %1</translation>
    </message>
</context>
<context>
    <name>StatisticsCommand</name>
    <message>
        <source>The Statistics window cannot be opened: %1</source>
        <translation>Statistikfönstret kan inte öppnas: %1</translation>
    </message>
    <message>
        <source>%1 was not found in %2</source>
        <translation>%1 hittades inte i %2</translation>
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
        <translation>&amp;Alternativ</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>&amp;Start a New Game</source>
        <translation>&amp;Nytt spel</translation>
    </message>
    <message>
        <source>Select &amp;Deal...</source>
        <translation>&amp;Välj giv...</translation>
    </message>
    <message>
        <source>&amp;Replay This Deal</source>
        <translation>&amp;Spela om given</translation>
    </message>
    <message>
        <source>&amp;Undo Last Move</source>
        <translation>&amp;Ångra senaste draget</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>&amp;Tips</translation>
    </message>
    <message>
        <source>View &amp;High Scores</source>
        <translation>Visa to&amp;pplistan</translation>
    </message>
    <message>
        <source>Stat&amp;istics...</source>
        <translation>Stat&amp;istik...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>Play Regular Game</source>
        <translation>&amp;Vanligt spel</translation>
    </message>
    <message>
        <source>Throw down a few cards first</source>
        <translation>&amp;Lägg ut några kort först</translation>
    </message>
    <message>
        <source>Use Large Cards</source>
        <translation>&amp;Stora kort</translation>
    </message>
    <message>
        <source>Use Alternate Colors</source>
        <translation>&amp;Andra färger</translation>
    </message>
    <message>
        <source>Reset High Scores</source>
        <translation>&amp;Nollställ topplistan</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Innehåll</translation>
    </message>
    <message>
        <source>About Marnelok</source>
        <translation>&amp;Om Marnelok</translation>
    </message>
    <message>
        <source>Make a Donation</source>
        <translation>&amp;Donera</translation>
    </message>
    <message>
        <source>Re&amp;view Last Game...</source>
        <translation>Ana&amp;lysera senaste spelet...</translation>
    </message>
    <message>
        <source>De&amp;mo</source>
        <translation>&amp;Demo</translation>
    </message>
    <message>
        <source>Dai&amp;ly Deal</source>
        <translation>Dagens &amp;giv</translation>
    </message>
</context>
<context>
    <name>TableWords</name>
    <message>
        <source>Ace</source>
        <translation>ess</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>två</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>tre</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>fyra</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>fem</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>sex</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>sju</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>åtta</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>nio</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>tio</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>knekt</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>dam</translation>
    </message>
    <message>
        <source>King</source>
        <translation>kung</translation>
    </message>
    <message>
        <source>%1 of Hearts</source>
        <translation>Hjärter %1</translation>
    </message>
    <message>
        <source>%1 of Clubs</source>
        <translation>Klöver %1</translation>
    </message>
    <message>
        <source>%1 of Diamonds</source>
        <translation>Ruter %1</translation>
    </message>
    <message>
        <source>%1 of Spades</source>
        <translation>Spader %1</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Tom</translation>
    </message>
    <message>
        <source>Click the deck or press Enter to deal</source>
        <translation>Klicka på leken eller tryck på Retur för att ge</translation>
    </message>
    <message>
        <source>Current card: %1</source>
        <translation>Aktuellt kort: %1</translation>
    </message>
    <message>
        <source>Column %1: %2</source>
        <translation>Kolumn %1: %2</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Rad %1: %2</translation>
    </message>
    <message>
        <source>Total Score: %1</source>
        <translation>Total poäng: %1</translation>
    </message>
    <message>
        <source>%1. %2: %3</source>
        <translation>%1. %2: %3</translation>
    </message>
    <message>
        <source>Cards placed: %1 of %2</source>
        <translation>Lagda kort: %1 av %2</translation>
    </message>
    <message>
        <source>Game over. Total Score: %1</source>
        <translation>Spelet är slut. Total poäng: %1</translation>
    </message>
    <message>
        <source>No game dealt yet</source>
        <translation>Inget spel har getts ännu</translation>
    </message>
    <message>
        <source>Your score of %1 enters the Top 5 list</source>
        <translation>Dina %1 poäng kommer in på topplistan</translation>
    </message>
    <message>
        <source>Marnelok table</source>
        <translation>Marneloks spelbord</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Rutnät</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Poäng</translation>
    </message>
    <message>
        <source>The Marnelok Top 5 List</source>
        <translation>Marneloks topplista</translation>
    </message>
    <message>
        <source>Click or press Enter to resume</source>
        <translation>Klicka eller tryck på Retur för att fortsätta</translation>
    </message>
    <message>
        <source>WIN</source>
        <translation>VINST</translation>
    </message>
    <message>
        <source>150 points or more: a win</source>
        <translation>150 poäng eller mer: vinst</translation>
    </message>
    <message>
        <source>%1 to row %2, column %3.</source>
        <translation>%1 till rad %2, kolumn %3.</translation>
    </message>
    <message>
        <source>Next: %1.</source>
        <translation>Nästa: %1.</translation>
    </message>
    <message>
        <source>Row %1: %2.</source>
        <translation>Rad %1: %2.</translation>
    </message>
    <message>
        <source>Column %1: %2.</source>
        <translation>Kolumn %1: %2.</translation>
    </message>
    <message>
        <source>Total %1.</source>
        <translation>Totalt %1.</translation>
    </message>
    <message>
        <source>Game over. Total %1. WIN.</source>
        <translation>Spelet är slut. Totalt %1. VINST.</translation>
    </message>
    <message>
        <source>Game over. Total %1.</source>
        <translation>Spelet är slut. Totalt %1.</translation>
    </message>
    <message>
        <source>It enters the Top 5 list.</source>
        <translation>Det kommer in på topplistan.</translation>
    </message>
    <message>
        <source>It does not enter the Top 5 list.</source>
        <translation>Det kommer inte in på topplistan.</translation>
    </message>
    <message>
        <source>Taken back: %1 from row %2, column %3.</source>
        <translation>Ångrat: %1 från rad %2, kolumn %3.</translation>
    </message>
    <message>
        <source>New game. First card: %1.</source>
        <translation>Nytt spel. Första kort: %1.</translation>
    </message>
    <message>
        <source>Row %1, column %2.</source>
        <translation>Rad %1, kolumn %2.</translation>
    </message>
    <message>
        <source>Hint: row %1, column %2.</source>
        <translation>Tips: rad %1, kolumn %2.</translation>
    </message>
    <message>
        <source>Current card: %1.</source>
        <translation>Aktuellt kort: %1.</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Giv %1</translation>
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
        <translation>Användning: %1 [--deal N | --daily] [Qt-flaggor]
Pokerpatiens på ett rutnät med fem gånger fem rutor.

  --deal N     börja med giv nummer N (0 till 4294967295) utdelad, i den
               spelform som valdes senast
  --daily      börja med dagens giv, samma för alla spelare samma datum
  -h, --help   visa den här hjälpen och avsluta
  --version    visa versionen och avsluta

Qt:s standardflaggor, till exempel -platform NAMN eller -style NAMN, fungerar också.
</translation>
    </message>
</context>
<context>
    <name>marnelok::FiguresTable</name>
    <message>
        <source>Games played</source>
        <translation>Spelade spel</translation>
    </message>
    <message>
        <source>Games finished</source>
        <translation>Avslutade spel</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Vunna spel</translation>
    </message>
    <message>
        <source>Share won</source>
        <translation>Andel vunna</translation>
    </message>
    <message>
        <source>Mean total</source>
        <translation>Medelpoäng</translation>
    </message>
    <message>
        <source>Median total</source>
        <translation>Medianpoäng</translation>
    </message>
    <message>
        <source>Best total</source>
        <translation>Högsta poäng</translation>
    </message>
    <message>
        <source>Worst total</source>
        <translation>Lägsta poäng</translation>
    </message>
    <message>
        <source>Current run of wins</source>
        <translation>Nuvarande vinstsvit</translation>
    </message>
    <message>
        <source>Longest run of wins</source>
        <translation>Längsta vinstsvit</translation>
    </message>
    <message>
        <source>Games played with hints</source>
        <translation>Spel med tips</translation>
    </message>
    <message>
        <source>All games</source>
        <translation>Alla spel</translation>
    </message>
    <message>
        <source>Regular</source>
        <translation>Vanligt</translation>
    </message>
    <message>
        <source>Throw-down</source>
        <translation>Utlagda kort</translation>
    </message>
    <message>
        <source>Totals count finished games. Hands count the ten lines of every finished game, with their share of all those lines. A game left early ends a run of wins.</source>
        <translation>Poängen räknar avslutade spel. Händerna räknar de tio linjerna i varje avslutat spel, med sin andel av alla dessa linjer. Ett spel som lämnas i förtid bryter en vinstsvit.</translation>
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
        <translation>Vanligt</translation>
    </message>
    <message>
        <source>Throw-down</source>
        <translation>Utlagda kort</translation>
    </message>
    <message>
        <source>%1 (demo)</source>
        <translation>%1 (demo)</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>Inte avslutat</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nej</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Giv</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Poäng</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Vunnet</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>%1 (daily)</source>
        <extracomment>A game of the day&apos;s daily deal, in the list&apos;s Kind column.</extracomment>
        <translation>%1 (dagens)</translation>
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
        <translation>Spelanalys</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>The headings of the list of placements.</extracomment>
        <translation>Drag</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Kort</translation>
    </message>
    <message>
        <source>Placed at</source>
        <translation>Lagt på</translation>
    </message>
    <message>
        <source>Best cell</source>
        <translation>Bästa ruta</translation>
    </message>
    <message>
        <source>Expected total</source>
        <translation>Förväntad poäng</translation>
    </message>
    <message>
        <source>With the best cell</source>
        <translation>Med bästa rutan</translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation>Förlorade poäng</translation>
    </message>
    <message>
        <source>Costliest</source>
        <translation>Dyrast</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <extracomment>A cell of the grid in the list, rows and columns counted from 1 at the top left.</extracomment>
        <translation>Rad %1, kolumn %2</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <extracomment>A cell of the grid within a sentence of the caption below the table.</extracomment>
        <translation>rad %1, kolumn %2</translation>
    </message>
    <message>
        <source>Thrown down</source>
        <translation>Utlagt</translation>
    </message>
    <message>
        <source>Not judged</source>
        <translation>Ej bedömt</translation>
    </message>
    <message>
        <source>Deal %1, regular game</source>
        <translation>Giv %1, vanligt spel</translation>
    </message>
    <message>
        <source>Deal %1, throw-down game</source>
        <translation>Giv %1, spel med utlagda kort</translation>
    </message>
    <message>
        <source>The demo placed cards in this game.</source>
        <translation>Demon lade kort i det här spelet.</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Poäng: %1</translation>
    </message>
    <message>
        <source>Points lost: %1</source>
        <translation>Förlorade poäng: %1</translation>
    </message>
    <message>
        <source>Placements within half a point of the best: %1 of %2 (%3 %)</source>
        <translation>Drag högst en halv poäng från det bästa: %1 av %2 (%3 %)</translation>
    </message>
    <message>
        <source>Costliest placement (marked in the list): turn %1</source>
        <translation>Dyraste draget (markerat i listan): drag %1</translation>
    </message>
    <message>
        <source>Costliest placements (marked in the list): turns %1</source>
        <translation>Dyraste dragen (markerade i listan): drag %1</translation>
    </message>
    <message>
        <source>Every placement was within half a point of the best.</source>
        <translation>Varje drag var högst en halv poäng från det bästa.</translation>
    </message>
    <message>
        <source>Reading the game...</source>
        <translation>Läser spelet...</translation>
    </message>
    <message>
        <source>Judging the placements: %v of %m</source>
        <extracomment>The progress bar&apos;s text: %v is the placements judged so far, %m all of them.</extracomment>
        <translation>Bedömer dragen: %v av %m</translation>
    </message>
    <message>
        <source>The history holds no finished game yet: finish a game, then review it.</source>
        <translation>Historiken innehåller ännu inget avslutat spel: spela klart ett spel och analysera det sedan.</translation>
    </message>
    <message>
        <source>The review was stopped.</source>
        <translation>Analysen stoppades.</translation>
    </message>
    <message>
        <source>The game cannot be reviewed: %1</source>
        <translation>Spelet kan inte analyseras: %1</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>The review window&apos;s buttons; Cancel and Resume are one button at different times.</extracomment>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Fortsätt</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>S&amp;täng</translation>
    </message>
    <message>
        <source>Turn %1: the %2 was thrown down before play, so it is not judged.</source>
        <extracomment>%2 is a card as the list shows it: 10♥, Q♠.</extracomment>
        <translation>Drag %1: %2 lades ut före spelet och bedöms därför inte.</translation>
    </message>
    <message>
        <source>Turn %1: the %2 went to %3. It has not been judged.</source>
        <translation>Drag %1: %2 lades på %3. Draget har inte bedömts.</translation>
    </message>
    <message>
        <source>Turn %1: the %2 went to %3, for an expected total of %4. The best cell was %5, for %6. Points lost: %7.</source>
        <translation>Drag %1: %2 lades på %3, med en förväntad slutpoäng på %4. Bästa rutan var %5, med %6. Förlorade poäng: %7.</translation>
    </message>
    <message>
        <source>Solid magenta frame: where the card went. Dashed cyan frame: the advisor&apos;s best cell.</source>
        <translation>Heldragen magenta ram: där kortet lades. Streckad cyan ram: rutan som Marnelok föreslår.</translation>
    </message>
    <message>
        <source>Expected final total after each placement</source>
        <translation>Förväntad slutpoäng efter varje drag</translation>
    </message>
    <message>
        <source>As played</source>
        <translation>Som spelat</translation>
    </message>
    <message>
        <source>With the best placement</source>
        <translation>Med bästa draget</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Poäng</translation>
    </message>
    <message numerus="yes">
        <source>The review was stopped with %n of %1 placements judged; Resume finishes it.</source>
        <translation>
            <numerusform>Analysen stoppades när %n av %1 drag var bedömt; Fortsätt gör klart den.</numerusform>
            <numerusform>Analysen stoppades när %n av %1 drag var bedömda; Fortsätt gör klart den.</numerusform>
        </translation>
    </message>
    <message>
        <source>The advisor scored %1 on this deal: %2 against par</source>
        <translation>Rådgivaren fick %1 på den här given: %2 mot par</translation>
    </message>
    <message>
        <source>Judging the placements</source>
        <translation>Bedömning av dragen</translation>
    </message>
    <message>
        <source>The table at turn %1</source>
        <translation>Bordet vid drag %1</translation>
    </message>
</context>
<context>
    <name>marnelok::StatisticsCharts</name>
    <message>
        <source>Win: 150</source>
        <translation>Vinst: 150</translation>
    </message>
    <message>
        <source>Totals of finished games</source>
        <translation>Poäng i avslutade spel</translation>
    </message>
    <message>
        <source>Below 150</source>
        <translation>Under 150</translation>
    </message>
    <message>
        <source>150 or more</source>
        <translation>150 eller mer</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Poäng</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>Mean of the last 20 games</source>
        <translation>Medel av de senaste 20 spelen</translation>
    </message>
    <message>
        <source>Mean total</source>
        <translation>Medelpoäng</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Poäng</translation>
    </message>
    <message>
        <source>No finished game yet</source>
        <translation>Inget avslutat spel ännu</translation>
    </message>
    <message>
        <source>%1 games, most between %2 and %3</source>
        <translation>%1 spel, de flesta mellan %2 och %3</translation>
    </message>
    <message>
        <source>%1 points, the latest %2</source>
        <translation>%1 punkter, den senaste %2</translation>
    </message>
</context>
<context>
    <name>marnelok::StatisticsParts</name>
    <message>
        <source>Against par</source>
        <extracomment>The title of the Statistics window&apos;s part on the games against the advisor&apos;s total.</extracomment>
        <translation>Mot par</translation>
    </message>
    <message>
        <source>Daily</source>
        <extracomment>The title of the Statistics window&apos;s part on the daily deal.</extracomment>
        <translation>Dagens giv</translation>
    </message>
    <message>
        <source>Par is the advisor&apos;s total on the same deal. No finished game has its par yet.</source>
        <translation>Par är rådgivarens poäng på samma giv. Inget avslutat spel har sitt par ännu.</translation>
    </message>
    <message>
        <source>Games at or above par: %1 of %2</source>
        <translation>Spel på eller över par: %1 av %2</translation>
    </message>
    <message>
        <source>Mean of total minus par: %1</source>
        <translation>Medel av poäng minus par: %1</translation>
    </message>
    <message>
        <source>Best game against par: %1</source>
        <translation>Bästa spelet mot par: %1</translation>
    </message>
    <message>
        <source>Today: not played yet</source>
        <translation>I dag: inte spelat ännu</translation>
    </message>
    <message>
        <source>Today: not finished yet</source>
        <translation>I dag: inte avslutat ännu</translation>
    </message>
    <message>
        <source>Today: %1, par not yet known</source>
        <translation>I dag: %1, par inte känt ännu</translation>
    </message>
    <message>
        <source>Today: %1, par %2 (%3)</source>
        <translation>I dag: %1, par %2 (%3)</translation>
    </message>
    <message>
        <source>Days played: %1</source>
        <translation>Spelade dagar: %1</translation>
    </message>
    <message>
        <source>Current run of days: %1</source>
        <translation>Nuvarande svit av dagar: %1</translation>
    </message>
    <message>
        <source>Longest run of days: %1</source>
        <translation>Längsta svit av dagar: %1</translation>
    </message>
    <message>
        <source>Best daily total: %1</source>
        <translation>Bästa dagspoäng: %1</translation>
    </message>
</context>
<context>
    <name>marnelok::StatisticsWindow</name>
    <message>
        <source>&amp;Play This Deal Again</source>
        <translation>&amp;Spela den här given igen</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportera...</translation>
    </message>
    <message>
        <source>&amp;Reset Statistics</source>
        <translation>&amp;Nollställ statistiken</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;täng</translation>
    </message>
    <message>
        <source>Recent games (the %1 newest):</source>
        <translation>Senaste spelen (de %1 nyaste):</translation>
    </message>
    <message>
        <source>Reading the history...</source>
        <translation>Läser historiken...</translation>
    </message>
    <message>
        <source>Export Statistics</source>
        <translation>Exportera statistik</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-filer (*.csv);;Alla filer (*)</translation>
    </message>
    <message>
        <source>The history could not be exported: %1</source>
        <translation>Historiken kunde inte exporteras: %1</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bekräfta</translation>
    </message>
    <message>
        <source>Do you really want to reset the statistics? Every game kept in the history is deleted. The High Scores are kept.</source>
        <translation>Vill du verkligen nollställa statistiken? Alla spel i historiken tas bort. Topplistan finns kvar.</translation>
    </message>
    <message>
        <source>The history could not be reset: %1</source>
        <translation>Historiken kunde inte nollställas: %1</translation>
    </message>
    <message>
        <source>Re&amp;view</source>
        <translation>Ana&amp;lysera</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Siffror</translation>
    </message>
    <message>
        <source>Ignored rows: %1. The history holds rows with values that no game can make; they count in no figure, chart or list.</source>
        <translation>Ignorerade rader: %1. Historiken innehåller rader med värden som inget spel kan ge; de räknas inte i någon siffra, något diagram eller någon lista.</translation>
    </message>
</context>
<context>
    <name>marnelok::TDonateForm</name>
    <message>
        <source>Make a Donation</source>
        <translation>Donera</translation>
    </message>
    <message>
        <source>Yes, take me to the donations page now!</source>
        <translation>Ja, ta mig till donationssidan nu!</translation>
    </message>
    <message>
        <source>I still have to check it a bit more, show this again in two weeks</source>
        <translation>Jag vill prova lite till, visa det här igen om två veckor</translation>
    </message>
    <message>
        <source>I already made a donation, don&apos;t show this dialog again</source>
        <translation>Jag har redan donerat, visa inte den här dialogrutan igen</translation>
    </message>
    <message>
        <source>No, I don&apos;t want to donate, never show this dialog again</source>
        <translation>Nej, jag vill inte donera, visa aldrig den här dialogrutan igen</translation>
    </message>
    <message>
        <source>Not now, notify me again in 1 day</source>
        <translation>Inte nu, påminn mig igen om 1 dag</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Fortsätt</translation>
    </message>
    <message>
        <source>Donating is completely optional, and the amount you give is entirely up to you.  Thank you.</source>
        <translation>Att donera är helt frivilligt, och hur mycket du ger bestämmer du helt själv. Tack.</translation>
    </message>
    <message>
        <source>Donations help offset the cost of running %1 and allow you to say &quot;thank you for a job well done&quot;. </source>
        <extracomment>%1 is the maker&apos;s site, &quot;www.marnelok.example&quot;. At most three lines in the dialog.</extracomment>
        <translation>Donationer hjälper till att täcka kostnaderna för %1 och är ett sätt att säga ”tack för ett väl utfört arbete”.</translation>
    </message>
</context>
<context>
    <name>marnelok::TMarnelokForm</name>
    <message>
        <source>Large Cards</source>
        <translation>Stora kort</translation>
    </message>
    <message>
        <source>Sorry! Screen resolution should be at least 800 x 600 for large cards.</source>
        <translation>Tyvärr! Skärmupplösningen måste vara minst 800 x 600 för stora kort.</translation>
    </message>
    <message>
        <source>Marnelok 8.00 - Freeware Edition - Marnelok for Windows</source>
        <extracomment>The main window&apos;s title.</extracomment>
        <translation>Marnelok 8.00 - Gratisversion - Marnelok för Windows</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bekräfta</translation>
    </message>
    <message>
        <source>Do you really want to reset the High Scores?</source>
        <translation>Vill du verkligen nollställa topplistan?</translation>
    </message>
</context>
<context>
    <name>marnelok::TsplashForm</name>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Freeware Edition</source>
        <extracomment>Under the product&apos;s name on the splash and About window: one line of at most 265 pixels.</extracomment>
        <translation>Gratisversion</translation>
    </message>
</context>
</TS>

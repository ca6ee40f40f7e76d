<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK">
<context>
    <name>CsvExport</name>
    <message>
        <source>&quot;%1&quot; is a file of the history itself; choose another name</source>
        <extracomment>Follows &quot;The history could not be exported: &quot;.</extracomment>
        <translation>»%1« er en fil i selve historikken; vælg et andet navn</translation>
    </message>
</context>
<context>
    <name>DealCommands</name>
    <message>
        <source>Select Deal</source>
        <translation>Vælg spil</translation>
    </message>
    <message>
        <source>Deal number (0 to 4294967295):</source>
        <translation>Spilnummer (0 til 4294967295):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a deal number. Enter a whole number from 0 to 4294967295.</source>
        <translation>»%1« er ikke et spilnummer. Indtast et helt tal fra 0 til 4294967295.</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <extracomment>The deck&apos;s tooltip: the number of the deal on the table.</extracomment>
        <translation>Spil %1</translation>
    </message>
    <message>
        <source>Deal %1: the advisor scored %2</source>
        <extracomment>The deck&apos;s tooltip once the advisor has played the same deal.</extracomment>
        <translation>Spil %1: rådgiveren fik %2</translation>
    </message>
</context>
<context>
    <name>DonateReminder</name>
    <message>
        <source>Failed to set data for &apos;DonateStatus&apos;</source>
        <translation>Kunne ikke gemme data for &apos;DonateStatus&apos;</translation>
    </message>
</context>
<context>
    <name>DonateWords</name>
    <message>
        <source>Enjoying
Marnelok?</source>
        <extracomment>Over the donation picture, white on green, in two short lines of at most 15 letters.</extracomment>
        <translation>Kan du lide
Marnelok?</translation>
    </message>
    <message>
        <source>A small donation keeps
the cards shuffling.</source>
        <extracomment>Over the donation picture, under the heading, in two lines of at most 24 letters.</extracomment>
        <translation>En lille donation holder
kortene i gang.</translation>
    </message>
</context>
<context>
    <name>HandNames</name>
    <message>
        <source>None</source>
        <extracomment>The hands with their points, as the score panel, a screen reader and the Statistics window name them. At most about 155 pixels each in the score panel.</extracomment>
        <translation>Intet</translation>
    </message>
    <message>
        <source>One Pair (2)</source>
        <translation>Et par (2)</translation>
    </message>
    <message>
        <source>Two Pair (5)</source>
        <translation>To par (5)</translation>
    </message>
    <message>
        <source>Three of a kind (10)</source>
        <translation>Tre ens (10)</translation>
    </message>
    <message>
        <source>Straight (15)</source>
        <translation>Straight (15)</translation>
    </message>
    <message>
        <source>Flush (20)</source>
        <translation>Flush (20)</translation>
    </message>
    <message>
        <source>Full House (25)</source>
        <translation>Fuldt hus (25)</translation>
    </message>
    <message>
        <source>Four of a kind (50)</source>
        <translation>Fire ens (50)</translation>
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
        <translation>den beskadigede fil kunne ikke flyttes til side</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>mappen %1 kan ikke oprettes</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver (QSQLITE) is not installed</source>
        <translation>SQLite-driveren til Qt (QSQLITE) er ikke installeret</translation>
    </message>
    <message>
        <source>the file failed its check: %1</source>
        <translation>filen bestod ikke kontrollen: %1</translation>
    </message>
    <message>
        <source>the history was written by a newer version of Marnelok (schema %1; this version knows up to %2)</source>
        <translation>historikken blev skrevet af en nyere version af Marnelok (skema %1; denne version kender skemaer op til %2)</translation>
    </message>
    <message>
        <source>the file belongs to another program</source>
        <translation>filen tilhører et andet program</translation>
    </message>
    <message>
        <source>a write-ahead log of another database lies beside it</source>
        <translation>ved siden af den ligger en WAL-log (write-ahead log) fra en anden database</translation>
    </message>
</context>
<context>
    <name>HistoryFile</name>
    <message>
        <source>the link &quot;%1&quot; belongs to another user</source>
        <extracomment>A reason, shown in brackets or after a colon; %1 is a file&apos;s or a folder&apos;s name.</extracomment>
        <translation>linket »%1« tilhører en anden bruger</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <extracomment>A reason, shown in brackets or after a colon; %1 is a file&apos;s or a folder&apos;s name.</extracomment>
        <translation>»%1« er ikke en almindelig fil</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has other names (hard links)</source>
        <extracomment>A reason, shown in brackets or after a colon; %1 is a file&apos;s or a folder&apos;s name.</extracomment>
        <translation>»%1« har andre navne (hårde links)</translation>
    </message>
</context>
<context>
    <name>HistoryWorker</name>
    <message>
        <source>The history of games cannot be opened</source>
        <extracomment>Followed by &quot;: &quot; and the reason.</extracomment>
        <translation>Spilhistorikken kan ikke åbnes</translation>
    </message>
    <message>
        <source>The history of games could not be read, so it was moved aside to &quot;%1&quot;. A new history has been started.</source>
        <translation>Spilhistorikken kunne ikke læses og er derfor flyttet til side som »%1«. En ny historik er startet.</translation>
    </message>
    <message>
        <source>The history of games cannot be written to &quot;%1&quot; (%2). The games of this run are kept and will be written as soon as writing succeeds again, while Marnelok runs.</source>
        <extracomment>%2 is the reason.</extracomment>
        <translation>Spilhistorikken kan ikke skrives til »%1« (%2). Spillene fra denne kørsel bevares og skrives, så snart det lykkes at skrive igen, så længe Marnelok kører.</translation>
    </message>
    <message>
        <source>The history of games could not be written to &quot;%1&quot; (%2) before Marnelok closed: the games of this run that were waiting are lost.</source>
        <extracomment>%2 is the reason.</extracomment>
        <translation>Spilhistorikken kunne ikke skrives til »%1« (%2), før Marnelok lukkede: de ventende spil fra denne kørsel er tabt.</translation>
    </message>
    <message>
        <source>A write-ahead log that belongs to another database lay beside the history of games. It was moved aside to &quot;%1&quot;, and the history&apos;s games were kept.</source>
        <translation>Ved siden af spilhistorikken lå en WAL-log (write-ahead log), der hører til en anden database. Den er flyttet til side som »%1«, og historikkens spil er bevaret.</translation>
    </message>
</context>
<context>
    <name>PanelTexts</name>
    <message>
        <source>Score</source>
        <extracomment>The score panel&apos;s heading.</extracomment>
        <translation>Point</translation>
    </message>
    <message>
        <source>Down the Columns</source>
        <extracomment>The heading over the five columns&apos; hands; at most about 170 pixels.</extracomment>
        <translation>Kolonner (lodret)</translation>
    </message>
    <message>
        <source>Across the Rows</source>
        <extracomment>The heading over the five rows&apos; hands; at most about 170 pixels.</extracomment>
        <translation>Rækker (vandret)</translation>
    </message>
    <message>
        <source>Total Score</source>
        <extracomment>The heading over the total.</extracomment>
        <translation>Samlet point</translation>
    </message>
    <message>
        <source>Play...</source>
        <extracomment>Above the card to place next; at most about 76 pixels.</extracomment>
        <translation>Spil...</translation>
    </message>
    <message>
        <source>Click
for
next
Game!</source>
        <extracomment>The tile that deals the next game: at most four lines (separated by 
) of at most about 62 pixels each.</extracomment>
        <translation>Klik
for
næste
spil!</translation>
    </message>
    <message>
        <source>...The Marnelok Top 5 List...</source>
        <extracomment>The Top 5 panel&apos;s title.</extracomment>
        <translation>...Marneloks topliste...</translation>
    </message>
    <message>
        <source>Click left button to resume...</source>
        <extracomment>The Top 5 panel&apos;s last line: a click closes the panel.</extracomment>
        <translation>Venstreklik for at fortsætte...</translation>
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
        <translation>SEJR</translation>
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
        <translation>Annuller</translation>
    </message>
</context>
<context>
    <name>RecordKeeper</name>
    <message>
        <source>Failed to set data for &apos;fRegInfo&apos;</source>
        <translation>Kunne ikke gemme data for &apos;fRegInfo&apos;</translation>
    </message>
    <message>
        <source>Please enter your name!</source>
        <extracomment>Offered in the Top 5 prompt, and kept when not changed: at most 23 letters, all of them of Western European languages (Latin-1).</extracomment>
        <translation>Skriv dit navn!</translation>
    </message>
    <message>
        <source>New High Score</source>
        <translation>Ny rekord</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Skriv dit navn:</translation>
    </message>
    <message>
        <source>The Top 5 list cannot keep these letters: %1

Your name will be kept there as &quot;%2&quot;.

Choose OK to keep it so, or Cancel to change it.</source>
        <translation>Toplisten kan ikke gemme disse tegn: %1

Dit navn gemmes der som »%2«.

Vælg OK for at gemme det sådan, eller Annuller for at ændre det.</translation>
    </message>
</context>
<context>
    <name>ReviewCommand</name>
    <message>
        <source>The review window cannot be opened: %1</source>
        <translation>Analysevinduet kan ikke åbnes: %1</translation>
    </message>
</context>
<context>
    <name>StatisticsCommand</name>
    <message>
        <source>The Statistics window cannot be opened: %1</source>
        <translation>Statistikvinduet kan ikke åbnes: %1</translation>
    </message>
    <message>
        <source>%1 was not found in %2</source>
        <translation>%1 blev ikke fundet i %2</translation>
    </message>
</context>
<context>
    <name>TMarnelokForm</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spil</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Indstillinger</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>&amp;Hjælp</translation>
    </message>
    <message>
        <source>&amp;Start a New Game</source>
        <translation>&amp;Nyt spil</translation>
    </message>
    <message>
        <source>Select &amp;Deal...</source>
        <translation>&amp;Vælg spil...</translation>
    </message>
    <message>
        <source>&amp;Replay This Deal</source>
        <translation>&amp;Genstart spillet</translation>
    </message>
    <message>
        <source>&amp;Undo Last Move</source>
        <translation>&amp;Fortryd sidste træk</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>&amp;Tip</translation>
    </message>
    <message>
        <source>View &amp;High Scores</source>
        <translation>Vis top&amp;listen</translation>
    </message>
    <message>
        <source>Stat&amp;istics...</source>
        <translation>Stat&amp;istik...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Afslut</translation>
    </message>
    <message>
        <source>Play Regular Game</source>
        <translation>&amp;Almindeligt spil</translation>
    </message>
    <message>
        <source>Throw down a few cards first</source>
        <translation>&amp;Læg nogle kort ud først</translation>
    </message>
    <message>
        <source>Use Large Cards</source>
        <translation>&amp;Store kort</translation>
    </message>
    <message>
        <source>Use Alternate Colors</source>
        <translation>A&amp;ndre farver</translation>
    </message>
    <message>
        <source>Reset High Scores</source>
        <translation>Nulstil &amp;toplisten</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Indhold</translation>
    </message>
    <message>
        <source>About Marnelok</source>
        <translation>&amp;Om Marnelok</translation>
    </message>
    <message>
        <source>Make a Donation</source>
        <translation>&amp;Donér</translation>
    </message>
    <message>
        <source>Re&amp;view Last Game...</source>
        <translation>Analysér &amp;sidste spil...</translation>
    </message>
    <message>
        <source>De&amp;mo</source>
        <translation>&amp;Demo</translation>
    </message>
    <message>
        <source>Dai&amp;ly Deal</source>
        <translation>Dagens s&amp;pil</translation>
    </message>
</context>
<context>
    <name>TableWords</name>
    <message>
        <source>Ace</source>
        <translation>es</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>tre</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>fire</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>fem</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>seks</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>syv</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>otte</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>ni</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>ti</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>knægt</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>konge</translation>
    </message>
    <message>
        <source>%1 of Hearts</source>
        <translation>Hjerter %1</translation>
    </message>
    <message>
        <source>%1 of Clubs</source>
        <translation>Klør %1</translation>
    </message>
    <message>
        <source>%1 of Diamonds</source>
        <translation>Ruder %1</translation>
    </message>
    <message>
        <source>%1 of Spades</source>
        <translation>Spar %1</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Tom</translation>
    </message>
    <message>
        <source>Click the deck or press Enter to deal</source>
        <translation>Klik på bunken eller tryk på Enter for at give</translation>
    </message>
    <message>
        <source>Current card: %1</source>
        <translation>Aktuelt kort: %1</translation>
    </message>
    <message>
        <source>Column %1: %2</source>
        <translation>Kolonne %1: %2</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Række %1: %2</translation>
    </message>
    <message>
        <source>Total Score: %1</source>
        <translation>Samlet point: %1</translation>
    </message>
    <message>
        <source>%1. %2: %3</source>
        <translation>%1. %2: %3</translation>
    </message>
    <message>
        <source>Cards placed: %1 of %2</source>
        <translation>Lagte kort: %1 af %2</translation>
    </message>
    <message>
        <source>Game over. Total Score: %1</source>
        <translation>Spillet er slut. Samlet point: %1</translation>
    </message>
    <message>
        <source>No game dealt yet</source>
        <translation>Intet spil givet endnu</translation>
    </message>
    <message>
        <source>Your score of %1 enters the Top 5 list</source>
        <translation>Dine %1 point kommer på toplisten</translation>
    </message>
    <message>
        <source>Marnelok table</source>
        <translation>Marneloks spillebord</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Gitter</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>The Marnelok Top 5 List</source>
        <translation>Marneloks topliste</translation>
    </message>
    <message>
        <source>Click or press Enter to resume</source>
        <translation>Klik eller tryk på Enter for at fortsætte</translation>
    </message>
    <message>
        <source>WIN</source>
        <translation>SEJR</translation>
    </message>
    <message>
        <source>150 points or more: a win</source>
        <translation>150 point eller mere: en sejr</translation>
    </message>
    <message>
        <source>%1 to row %2, column %3.</source>
        <translation>%1 til række %2, kolonne %3.</translation>
    </message>
    <message>
        <source>Next: %1.</source>
        <translation>Næste: %1.</translation>
    </message>
    <message>
        <source>Row %1: %2.</source>
        <translation>Række %1: %2.</translation>
    </message>
    <message>
        <source>Column %1: %2.</source>
        <translation>Kolonne %1: %2.</translation>
    </message>
    <message>
        <source>Total %1.</source>
        <translation>I alt %1.</translation>
    </message>
    <message>
        <source>Game over. Total %1. WIN.</source>
        <translation>Spillet er slut. I alt %1. SEJR.</translation>
    </message>
    <message>
        <source>Game over. Total %1.</source>
        <translation>Spillet er slut. I alt %1.</translation>
    </message>
    <message>
        <source>It enters the Top 5 list.</source>
        <translation>Det kommer på toplisten.</translation>
    </message>
    <message>
        <source>It does not enter the Top 5 list.</source>
        <translation>Det kommer ikke på toplisten.</translation>
    </message>
    <message>
        <source>Taken back: %1 from row %2, column %3.</source>
        <translation>Fortrudt: %1 fra række %2, kolonne %3.</translation>
    </message>
    <message>
        <source>New game. First card: %1.</source>
        <translation>Nyt spil. Første kort: %1.</translation>
    </message>
    <message>
        <source>Row %1, column %2.</source>
        <translation>Række %1, kolonne %2.</translation>
    </message>
    <message>
        <source>Hint: row %1, column %2.</source>
        <translation>Tip: række %1, kolonne %2.</translation>
    </message>
    <message>
        <source>Current card: %1.</source>
        <translation>Aktuelt kort: %1.</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Spil %1</translation>
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
        <translation>Brug: %1 [--deal N | --daily] [Qt-tilvalg]
Pokerkabale på et gitter med fem gange fem felter.

  --deal N     start med spil nummer N (0 til 4294967295) givet, i den
               spiltype, der sidst blev valgt
  --daily      begynd med dagens spil, det samme for alle spillere på samme
               dato
  -h, --help   vis denne hjælp og afslut
  --version    vis versionen og afslut

Standardtilvalgene til Qt, såsom -platform NAVN eller -style NAVN, virker også.
</translation>
    </message>
</context>
<context>
    <name>marnelok::FiguresTable</name>
    <message>
        <source>Games played</source>
        <translation>Spillede spil</translation>
    </message>
    <message>
        <source>Games finished</source>
        <translation>Afsluttede spil</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Vundne spil</translation>
    </message>
    <message>
        <source>Share won</source>
        <translation>Andel vundne</translation>
    </message>
    <message>
        <source>Mean total</source>
        <translation>Gennemsnitligt resultat</translation>
    </message>
    <message>
        <source>Median total</source>
        <translation>Medianresultat</translation>
    </message>
    <message>
        <source>Best total</source>
        <translation>Bedste resultat</translation>
    </message>
    <message>
        <source>Worst total</source>
        <translation>Dårligste resultat</translation>
    </message>
    <message>
        <source>Current run of wins</source>
        <translation>Aktuel sejrsrække</translation>
    </message>
    <message>
        <source>Longest run of wins</source>
        <translation>Længste sejrsrække</translation>
    </message>
    <message>
        <source>Games played with hints</source>
        <translation>Spil med tip</translation>
    </message>
    <message>
        <source>All games</source>
        <translation>Alle spil</translation>
    </message>
    <message>
        <source>Regular</source>
        <translation>Almindeligt</translation>
    </message>
    <message>
        <source>Throw-down</source>
        <translation>Udlagte kort</translation>
    </message>
    <message>
        <source>Totals count finished games. Hands count the ten lines of every finished game, with their share of all those lines. A game left early ends a run of wins.</source>
        <translation>Resultaterne tæller afsluttede spil. Hænderne tæller de ti linjer i hvert afsluttet spil med deres andel af alle disse linjer. Et spil, der forlades før tid, afbryder en sejrsrække.</translation>
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
        <translation>Almindeligt</translation>
    </message>
    <message>
        <source>Throw-down</source>
        <translation>Udlagte kort</translation>
    </message>
    <message>
        <source>%1 (demo)</source>
        <translation>%1 (demo)</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>Ikke afsluttet</translation>
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
        <translation>Dato</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Spil</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Resultat</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Vundet</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Tip</translation>
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
        <translation>Spilanalyse</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>The headings of the list of placements.</extracomment>
        <translation>Træk</translation>
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
        <translation>Bedste felt</translation>
    </message>
    <message>
        <source>Expected total</source>
        <translation>Forventet resultat</translation>
    </message>
    <message>
        <source>With the best cell</source>
        <translation>Med bedste felt</translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation>Tabte point</translation>
    </message>
    <message>
        <source>Costliest</source>
        <translation>Dyreste</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <extracomment>A cell of the grid in the list, rows and columns counted from 1 at the top left.</extracomment>
        <translation>Række %1, kolonne %2</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <extracomment>A cell of the grid within a sentence of the caption below the table.</extracomment>
        <translation>række %1, kolonne %2</translation>
    </message>
    <message>
        <source>Thrown down</source>
        <translation>Udlagt</translation>
    </message>
    <message>
        <source>Not judged</source>
        <translation>Ikke bedømt</translation>
    </message>
    <message>
        <source>Deal %1, regular game</source>
        <translation>Spil %1, almindeligt spil</translation>
    </message>
    <message>
        <source>Deal %1, throw-down game</source>
        <translation>Spil %1, spil med udlagte kort</translation>
    </message>
    <message>
        <source>The demo placed cards in this game.</source>
        <translation>Demoen lagde kort i dette spil.</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Resultat: %1</translation>
    </message>
    <message>
        <source>Points lost: %1</source>
        <translation>Tabte point: %1</translation>
    </message>
    <message>
        <source>Placements within half a point of the best: %1 of %2 (%3 %)</source>
        <translation>Træk højst et halvt point fra det bedste: %1 af %2 (%3 %)</translation>
    </message>
    <message>
        <source>Costliest placement (marked in the list): turn %1</source>
        <translation>Dyreste træk (markeret på listen): træk %1</translation>
    </message>
    <message>
        <source>Costliest placements (marked in the list): turns %1</source>
        <translation>Dyreste træk (markeret på listen): træk %1</translation>
    </message>
    <message>
        <source>Every placement was within half a point of the best.</source>
        <translation>Alle træk var højst et halvt point fra det bedste.</translation>
    </message>
    <message>
        <source>Reading the game...</source>
        <translation>Læser spillet...</translation>
    </message>
    <message>
        <source>Judging the placements: %v of %m</source>
        <extracomment>The progress bar&apos;s text: %v is the placements judged so far, %m all of them.</extracomment>
        <translation>Bedømmer trækkene: %v af %m</translation>
    </message>
    <message>
        <source>The history holds no finished game yet: finish a game, then review it.</source>
        <translation>Historikken indeholder endnu intet afsluttet spil: Spil et spil færdigt, og analysér det derefter.</translation>
    </message>
    <message>
        <source>The review was stopped.</source>
        <translation>Analysen blev stoppet.</translation>
    </message>
    <message>
        <source>The game cannot be reviewed: %1</source>
        <translation>Spillet kan ikke analyseres: %1</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>The review window&apos;s buttons; Cancel and Resume are one button at different times.</extracomment>
        <translation>&amp;Annuller</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Fortsæt</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Luk</translation>
    </message>
    <message>
        <source>Turn %1: the %2 was thrown down before play, so it is not judged.</source>
        <extracomment>%2 is a card as the list shows it: 10♥, Q♠.</extracomment>
        <translation>Træk %1: %2 blev lagt ud før spillet og bedømmes derfor ikke.</translation>
    </message>
    <message>
        <source>Turn %1: the %2 went to %3. It has not been judged.</source>
        <translation>Træk %1: %2 blev lagt på %3. Trækket er ikke bedømt.</translation>
    </message>
    <message>
        <source>Turn %1: the %2 went to %3, for an expected total of %4. The best cell was %5, for %6. Points lost: %7.</source>
        <translation>Træk %1: %2 blev lagt på %3 med et forventet slutresultat på %4. Det bedste felt var %5 med %6. Tabte point: %7.</translation>
    </message>
    <message>
        <source>Solid magenta frame: where the card went. Dashed cyan frame: the advisor&apos;s best cell.</source>
        <translation>Fuldt optrukket magenta ramme: hvor kortet blev lagt. Stiplet cyan ramme: det felt, Marnelok anbefaler.</translation>
    </message>
    <message>
        <source>Expected final total after each placement</source>
        <translation>Forventet slutresultat efter hvert træk</translation>
    </message>
    <message>
        <source>As played</source>
        <translation>Som spillet</translation>
    </message>
    <message>
        <source>With the best placement</source>
        <translation>Med bedste træk</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Point</translation>
    </message>
    <message numerus="yes">
        <source>The review was stopped with %n of %1 placements judged; Resume finishes it.</source>
        <translation>
            <numerusform>Analysen blev stoppet med %n af %1 træk bedømt; Fortsæt gør den færdig.</numerusform>
            <numerusform>Analysen blev stoppet med %n af %1 træk bedømt; Fortsæt gør den færdig.</numerusform>
        </translation>
    </message>
    <message>
        <source>The advisor scored %1 on this deal: %2 against par</source>
        <translation>Rådgiveren fik %1 i dette spil: %2 i forhold til par</translation>
    </message>
    <message>
        <source>Judging the placements</source>
        <translation>Vurdering af trækkene</translation>
    </message>
    <message>
        <source>The table at turn %1</source>
        <translation>Bordet ved træk %1</translation>
    </message>
</context>
<context>
    <name>marnelok::StatisticsCharts</name>
    <message>
        <source>Win: 150</source>
        <translation>Sejr: 150</translation>
    </message>
    <message>
        <source>Totals of finished games</source>
        <translation>Resultater af afsluttede spil</translation>
    </message>
    <message>
        <source>Below 150</source>
        <translation>Under 150</translation>
    </message>
    <message>
        <source>150 or more</source>
        <translation>150 eller mere</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Resultat</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spil</translation>
    </message>
    <message>
        <source>Mean of the last 20 games</source>
        <translation>Gennemsnit af de seneste 20 spil</translation>
    </message>
    <message>
        <source>Mean total</source>
        <translation>Gennemsnitligt resultat</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spil</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>No finished game yet</source>
        <translation>Endnu intet afsluttet spil</translation>
    </message>
    <message>
        <source>%1 games, most between %2 and %3</source>
        <translation>%1 spil, de fleste mellem %2 og %3</translation>
    </message>
    <message>
        <source>%1 points, the latest %2</source>
        <translation>%1 punkter, det seneste %2</translation>
    </message>
</context>
<context>
    <name>marnelok::StatisticsParts</name>
    <message>
        <source>Against par</source>
        <extracomment>The title of the Statistics window&apos;s part on the games against the advisor&apos;s total.</extracomment>
        <translation>I forhold til par</translation>
    </message>
    <message>
        <source>Daily</source>
        <extracomment>The title of the Statistics window&apos;s part on the daily deal.</extracomment>
        <translation>Dagens spil</translation>
    </message>
    <message>
        <source>Par is the advisor&apos;s total on the same deal. No finished game has its par yet.</source>
        <translation>Par er rådgiverens resultat i det samme spil. Intet afsluttet spil har sit par endnu.</translation>
    </message>
    <message>
        <source>Games at or above par: %1 of %2</source>
        <translation>Spil på eller over par: %1 af %2</translation>
    </message>
    <message>
        <source>Mean of total minus par: %1</source>
        <translation>Gennemsnit af resultat minus par: %1</translation>
    </message>
    <message>
        <source>Best game against par: %1</source>
        <translation>Bedste spil i forhold til par: %1</translation>
    </message>
    <message>
        <source>Today: not played yet</source>
        <translation>I dag: ikke spillet endnu</translation>
    </message>
    <message>
        <source>Today: not finished yet</source>
        <translation>I dag: ikke afsluttet endnu</translation>
    </message>
    <message>
        <source>Today: %1, par not yet known</source>
        <translation>I dag: %1, par endnu ukendt</translation>
    </message>
    <message>
        <source>Today: %1, par %2 (%3)</source>
        <translation>I dag: %1, par %2 (%3)</translation>
    </message>
    <message>
        <source>Days played: %1</source>
        <translation>Spillede dage: %1</translation>
    </message>
    <message>
        <source>Current run of days: %1</source>
        <translation>Nuværende række af dage: %1</translation>
    </message>
    <message>
        <source>Longest run of days: %1</source>
        <translation>Længste række af dage: %1</translation>
    </message>
    <message>
        <source>Best daily total: %1</source>
        <translation>Bedste dagsresultat: %1</translation>
    </message>
</context>
<context>
    <name>marnelok::StatisticsWindow</name>
    <message>
        <source>&amp;Play This Deal Again</source>
        <translation>&amp;Spil dette spil igen</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Eksportér...</translation>
    </message>
    <message>
        <source>&amp;Reset Statistics</source>
        <translation>&amp;Nulstil statistik</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Luk</translation>
    </message>
    <message>
        <source>Recent games (the %1 newest):</source>
        <translation>Seneste spil (de %1 nyeste):</translation>
    </message>
    <message>
        <source>Reading the history...</source>
        <translation>Læser historikken...</translation>
    </message>
    <message>
        <source>Export Statistics</source>
        <translation>Eksportér statistik</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-filer (*.csv);;Alle filer (*)</translation>
    </message>
    <message>
        <source>The history could not be exported: %1</source>
        <translation>Historikken kunne ikke eksporteres: %1</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bekræft</translation>
    </message>
    <message>
        <source>Do you really want to reset the statistics? Every game kept in the history is deleted. The High Scores are kept.</source>
        <translation>Vil du virkelig nulstille statistikken? Alle spil i historikken slettes. Toplisten bevares.</translation>
    </message>
    <message>
        <source>The history could not be reset: %1</source>
        <translation>Historikken kunne ikke nulstilles: %1</translation>
    </message>
    <message>
        <source>Re&amp;view</source>
        <translation>&amp;Analysér</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Tal</translation>
    </message>
    <message>
        <source>Ignored rows: %1. The history holds rows with values that no game can make; they count in no figure, chart or list.</source>
        <translation>Ignorerede rækker: %1. Historikken indeholder rækker med værdier, som intet spil kan give; de tæller ikke med i noget tal, diagram eller nogen liste.</translation>
    </message>
</context>
<context>
    <name>marnelok::TDonateForm</name>
    <message>
        <source>Make a Donation</source>
        <translation>Donér</translation>
    </message>
    <message>
        <source>Yes, take me to the donations page now!</source>
        <translation>Ja, før mig til donationssiden nu!</translation>
    </message>
    <message>
        <source>I still have to check it a bit more, show this again in two weeks</source>
        <translation>Jeg vil lige prøve det lidt mere, vis dette igen om to uger</translation>
    </message>
    <message>
        <source>I already made a donation, don&apos;t show this dialog again</source>
        <translation>Jeg har allerede doneret, vis ikke denne dialog igen</translation>
    </message>
    <message>
        <source>No, I don&apos;t want to donate, never show this dialog again</source>
        <translation>Nej, jeg vil ikke donere, vis aldrig denne dialog igen</translation>
    </message>
    <message>
        <source>Not now, notify me again in 1 day</source>
        <translation>Ikke nu, mind mig om det igen om 1 dag</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Fortsæt</translation>
    </message>
    <message>
        <source>Donating is completely optional, and the amount you give is entirely up to you.  Thank you.</source>
        <translation>Det er helt frivilligt at donere, og beløbet bestemmer du helt selv. Tak.</translation>
    </message>
    <message>
        <source>Donations help offset the cost of running %1 and allow you to say &quot;thank you for a job well done&quot;. </source>
        <extracomment>%1 is the maker&apos;s site, &quot;www.marnelok.example&quot;. At most three lines in the dialog.</extracomment>
        <translation>Donationer hjælper med at dække udgifterne til %1 og er en måde at sige »tak for et godt stykke arbejde« på.</translation>
    </message>
</context>
<context>
    <name>marnelok::TMarnelokForm</name>
    <message>
        <source>Large Cards</source>
        <translation>Store kort</translation>
    </message>
    <message>
        <source>Sorry! Screen resolution should be at least 800 x 600 for large cards.</source>
        <translation>Beklager! Skærmopløsningen skal være mindst 800 x 600 til store kort.</translation>
    </message>
    <message>
        <source>Marnelok 8.00 - Freeware Edition - Marnelok for Windows</source>
        <extracomment>The main window&apos;s title.</extracomment>
        <translation>Marnelok 8.00 - Freewareudgave - Marnelok til Windows</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bekræft</translation>
    </message>
    <message>
        <source>Do you really want to reset the High Scores?</source>
        <translation>Vil du virkelig nulstille toplisten?</translation>
    </message>
</context>
<context>
    <name>marnelok::TsplashForm</name>
    <message>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>Freeware Edition</source>
        <extracomment>Under the product&apos;s name on the splash and About window: one line of at most 265 pixels.</extracomment>
        <translation>Freewareudgave</translation>
    </message>
</context>
</TS>

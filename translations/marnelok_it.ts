<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CsvExport</name>
    <message>
        <source>&quot;%1&quot; is a file of the history itself; choose another name</source>
        <extracomment>Follows &quot;The history could not be exported: &quot;.</extracomment>
        <translation>«%1» è un file della cronologia stessa; scegliere un altro nome</translation>
    </message>
</context>
<context>
    <name>DealCommands</name>
    <message>
        <source>Select Deal</source>
        <translation>Scegli partita</translation>
    </message>
    <message>
        <source>Deal number (0 to 4294967295):</source>
        <translation>Numero della partita (da 0 a 4294967295):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a deal number. Enter a whole number from 0 to 4294967295.</source>
        <translation>«%1» non è un numero di partita. Inserire un numero intero da 0 a 4294967295.</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <extracomment>The deck&apos;s tooltip: the number of the deal on the table.</extracomment>
        <translation>Partita n. %1</translation>
    </message>
    <message>
        <source>Deal %1: the advisor scored %2</source>
        <extracomment>The deck&apos;s tooltip once the advisor has played the same deal.</extracomment>
        <translation>Partita n. %1: il consigliere ha totalizzato %2</translation>
    </message>
</context>
<context>
    <name>DonateReminder</name>
    <message>
        <source>Failed to set data for &apos;DonateStatus&apos;</source>
        <translation>Impossibile salvare i dati per &apos;DonateStatus&apos;</translation>
    </message>
</context>
<context>
    <name>DonateWords</name>
    <message>
        <source>Enjoying
Marnelok?</source>
        <extracomment>Over the donation picture, white on green, in two short lines of at most 15 letters.</extracomment>
        <translation>Ti piace
Marnelok?</translation>
    </message>
    <message>
        <source>A small donation keeps
the cards shuffling.</source>
        <extracomment>Over the donation picture, under the heading, in two lines of at most 24 letters.</extracomment>
        <translation>Una piccola donazione
fa girare le carte.</translation>
    </message>
</context>
<context>
    <name>HandNames</name>
    <message>
        <source>None</source>
        <extracomment>The hands with their points, as the score panel, a screen reader and the Statistics window name them. At most about 155 pixels each in the score panel.</extracomment>
        <translation>Niente</translation>
    </message>
    <message>
        <source>One Pair (2)</source>
        <translation>Coppia (2)</translation>
    </message>
    <message>
        <source>Two Pair (5)</source>
        <translation>Doppia coppia (5)</translation>
    </message>
    <message>
        <source>Three of a kind (10)</source>
        <translation>Tris (10)</translation>
    </message>
    <message>
        <source>Straight (15)</source>
        <translation>Scala (15)</translation>
    </message>
    <message>
        <source>Flush (20)</source>
        <translation>Colore (20)</translation>
    </message>
    <message>
        <source>Full House (25)</source>
        <translation>Full (25)</translation>
    </message>
    <message>
        <source>Four of a kind (50)</source>
        <translation>Poker (50)</translation>
    </message>
    <message>
        <source>Straight Flush (75)</source>
        <translation>Scala colore (75)</translation>
    </message>
    <message>
        <source>Royal Flush (100)</source>
        <translation>Scala reale (100)</translation>
    </message>
</context>
<context>
    <name>HistoryDatabase</name>
    <message>
        <source>the damaged file could not be moved aside</source>
        <translation>impossibile mettere da parte il file danneggiato</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver (QSQLITE) is not installed</source>
        <translation>il driver SQLite di Qt (QSQLITE) non è installato</translation>
    </message>
    <message>
        <source>the file failed its check: %1</source>
        <translation>il file non ha superato la verifica: %1</translation>
    </message>
    <message>
        <source>the history was written by a newer version of Marnelok (schema %1; this version knows up to %2)</source>
        <translation>la cronologia è stata scritta da una versione più recente di Marnelok (schema %1; questa versione conosce gli schemi fino al %2)</translation>
    </message>
    <message>
        <source>the file belongs to another program</source>
        <translation>il file appartiene a un altro programma</translation>
    </message>
    <message>
        <source>a write-ahead log of another database lies beside it</source>
        <translation>accanto c’è un registro write-ahead (WAL) di un altro database</translation>
    </message>
</context>
<context>
    <name>HistoryFile</name>
    <message>
        <source>the link &quot;%1&quot; belongs to another user</source>
        <extracomment>A reason, shown in brackets or after a colon; %1 is a file&apos;s or a folder&apos;s name.</extracomment>
        <translation>il collegamento «%1» appartiene a un altro utente</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <extracomment>A reason, shown in brackets or after a colon; %1 is a file&apos;s or a folder&apos;s name.</extracomment>
        <translation>«%1» non è un file normale</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has other names (hard links)</source>
        <extracomment>A reason, shown in brackets or after a colon; %1 is a file&apos;s or a folder&apos;s name.</extracomment>
        <translation>«%1» ha altri nomi (collegamenti fisici)</translation>
    </message>
</context>
<context>
    <name>HistoryWorker</name>
    <message>
        <source>The history of games cannot be opened</source>
        <extracomment>Followed by &quot;: &quot; and the reason.</extracomment>
        <translation>Impossibile aprire la cronologia delle partite</translation>
    </message>
    <message>
        <source>The history of games could not be read, so it was moved aside to &quot;%1&quot;. A new history has been started.</source>
        <translation>Non è stato possibile leggere la cronologia delle partite, che è stata quindi spostata in «%1». È stata avviata una nuova cronologia.</translation>
    </message>
    <message>
        <source>The history of games cannot be written to &quot;%1&quot; (%2). The games of this run are kept and will be written as soon as writing succeeds again, while Marnelok runs.</source>
        <extracomment>%2 is the reason.</extracomment>
        <translation>Impossibile scrivere la cronologia delle partite in «%1» (%2). Le partite di questa sessione vengono conservate e saranno scritte non appena la scrittura tornerà possibile, finché Marnelok resta aperto.</translation>
    </message>
    <message>
        <source>The history of games could not be written to &quot;%1&quot; (%2) before Marnelok closed: the games of this run that were waiting are lost.</source>
        <extracomment>%2 is the reason.</extracomment>
        <translation>Impossibile scrivere la cronologia delle partite in «%1» (%2) prima della chiusura di Marnelok: le partite di questa sessione in attesa sono andate perse.</translation>
    </message>
    <message>
        <source>A write-ahead log that belongs to another database lay beside the history of games. It was moved aside to &quot;%1&quot;, and the history&apos;s games were kept.</source>
        <translation>Accanto alla cronologia delle partite c’era un registro write-ahead (WAL) di un altro database. È stato spostato in «%1» e le partite della cronologia sono state conservate.</translation>
    </message>
</context>
<context>
    <name>PanelTexts</name>
    <message>
        <source>Score</source>
        <extracomment>The score panel&apos;s heading.</extracomment>
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>Down the Columns</source>
        <extracomment>The heading over the five columns&apos; hands; at most about 170 pixels.</extracomment>
        <translation>Lungo le colonne</translation>
    </message>
    <message>
        <source>Across the Rows</source>
        <extracomment>The heading over the five rows&apos; hands; at most about 170 pixels.</extracomment>
        <translation>Lungo le righe</translation>
    </message>
    <message>
        <source>Total Score</source>
        <extracomment>The heading over the total.</extracomment>
        <translation>Punteggio totale</translation>
    </message>
    <message>
        <source>Play...</source>
        <extracomment>Above the card to place next; at most about 76 pixels.</extracomment>
        <translation>Gioca...</translation>
    </message>
    <message>
        <source>Click
for
next
Game!</source>
        <extracomment>The tile that deals the next game: at most four lines (separated by 
) of at most about 62 pixels each.</extracomment>
        <translation>Clic
per la
nuova
partita!</translation>
    </message>
    <message>
        <source>...The Marnelok Top 5 List...</source>
        <extracomment>The Top 5 panel&apos;s title.</extracomment>
        <translation>...La Top 5 di Marnelok...</translation>
    </message>
    <message>
        <source>Click left button to resume...</source>
        <extracomment>The Top 5 panel&apos;s last line: a click closes the panel.</extracomment>
        <translation>Clic sinistro per continuare...</translation>
    </message>
    <message>
        <source>None</source>
        <comment>Top 5 list</comment>
        <extracomment>An empty entry of the Top 5 list.</extracomment>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>WIN</source>
        <extracomment>The banner of a winning total, repeated across the table in boxes 48 pixels wide, or as wide as a longer word. Capitals, as in English.</extracomment>
        <translation>VINTO</translation>
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
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>RecordKeeper</name>
    <message>
        <source>Failed to set data for &apos;fRegInfo&apos;</source>
        <translation>Impossibile salvare i dati per &apos;fRegInfo&apos;</translation>
    </message>
    <message>
        <source>Please enter your name!</source>
        <extracomment>Offered in the Top 5 prompt, and kept when not changed: at most 23 letters, all of them of Western European languages (Latin-1).</extracomment>
        <translation>Inserire il nome!</translation>
    </message>
    <message>
        <source>New High Score</source>
        <translation>Nuovo record</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Inserire il proprio nome:</translation>
    </message>
    <message>
        <source>The Top 5 list cannot keep these letters: %1

Your name will be kept there as &quot;%2&quot;.

Choose OK to keep it so, or Cancel to change it.</source>
        <translation>La classifica non può conservare questi caratteri: %1

Il nome vi sarà conservato come «%2».

Scegliere OK per conservarlo così, o Annulla per modificarlo.</translation>
    </message>
</context>
<context>
    <name>ReviewCommand</name>
    <message>
        <source>The review window cannot be opened: %1</source>
        <translation>Impossibile aprire la finestra di analisi: %1</translation>
    </message>
</context>
<context>
    <name>StatisticsCommand</name>
    <message>
        <source>The Statistics window cannot be opened: %1</source>
        <translation>Impossibile aprire la finestra delle statistiche: %1</translation>
    </message>
    <message>
        <source>%1 was not found in %2</source>
        <translation>%1 non trovato in %2</translation>
    </message>
</context>
<context>
    <name>TMarnelokForm</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Start a New Game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>Select &amp;Deal...</source>
        <translation>&amp;Scegli partita...</translation>
    </message>
    <message>
        <source>&amp;Replay This Deal</source>
        <translation>&amp;Rigioca questa partita</translation>
    </message>
    <message>
        <source>&amp;Undo Last Move</source>
        <translation>&amp;Annulla ultima mossa</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>S&amp;uggerimento</translation>
    </message>
    <message>
        <source>View &amp;High Scores</source>
        <translation>Mostra &amp;classifica</translation>
    </message>
    <message>
        <source>Stat&amp;istics...</source>
        <translation>S&amp;tatistiche...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Play Regular Game</source>
        <translation>Partita &amp;normale</translation>
    </message>
    <message>
        <source>Throw down a few cards first</source>
        <translation>Partita con carte &amp;già posate</translation>
    </message>
    <message>
        <source>Use Large Cards</source>
        <translation>&amp;Usa carte grandi</translation>
    </message>
    <message>
        <source>Use Alternate Colors</source>
        <translation>Usa colori &amp;alternativi</translation>
    </message>
    <message>
        <source>Reset High Scores</source>
        <translation>Azzera &amp;classifica</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>About Marnelok</source>
        <translation>&amp;Informazioni su Marnelok</translation>
    </message>
    <message>
        <source>Make a Donation</source>
        <translation>Fai una &amp;donazione</translation>
    </message>
    <message>
        <source>Re&amp;view Last Game...</source>
        <translation>Ana&amp;lizza ultima partita...</translation>
    </message>
    <message>
        <source>De&amp;mo</source>
        <translation>&amp;Demo</translation>
    </message>
    <message>
        <source>Dai&amp;ly Deal</source>
        <translation>Partita del &amp;giorno</translation>
    </message>
</context>
<context>
    <name>TableWords</name>
    <message>
        <source>Ace</source>
        <translation>Asso</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Due</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Tre</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quattro</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinque</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sei</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sette</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Otto</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Nove</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dieci</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Jack</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Donna</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Re</translation>
    </message>
    <message>
        <source>%1 of Hearts</source>
        <translation>%1 di cuori</translation>
    </message>
    <message>
        <source>%1 of Clubs</source>
        <translation>%1 di fiori</translation>
    </message>
    <message>
        <source>%1 of Diamonds</source>
        <translation>%1 di quadri</translation>
    </message>
    <message>
        <source>%1 of Spades</source>
        <translation>%1 di picche</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vuota</translation>
    </message>
    <message>
        <source>Click the deck or press Enter to deal</source>
        <translation>Fare clic sul mazzo o premere Invio per distribuire</translation>
    </message>
    <message>
        <source>Current card: %1</source>
        <translation>Carta attuale: %1</translation>
    </message>
    <message>
        <source>Column %1: %2</source>
        <translation>Colonna %1: %2</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Riga %1: %2</translation>
    </message>
    <message>
        <source>Total Score: %1</source>
        <translation>Punteggio totale: %1</translation>
    </message>
    <message>
        <source>%1. %2: %3</source>
        <translation>%1. %2: %3</translation>
    </message>
    <message>
        <source>Cards placed: %1 of %2</source>
        <translation>Carte posate: %1 di %2</translation>
    </message>
    <message>
        <source>Game over. Total Score: %1</source>
        <translation>Partita finita. Punteggio totale: %1</translation>
    </message>
    <message>
        <source>No game dealt yet</source>
        <translation>Ancora nessuna partita distribuita</translation>
    </message>
    <message>
        <source>Your score of %1 enters the Top 5 list</source>
        <translation>Il punteggio di %1 entra in classifica</translation>
    </message>
    <message>
        <source>Marnelok table</source>
        <translation>Tavolo di Marnelok</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Griglia</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>The Marnelok Top 5 List</source>
        <translation>La Top 5 di Marnelok</translation>
    </message>
    <message>
        <source>Click or press Enter to resume</source>
        <translation>Fare clic o premere Invio per continuare</translation>
    </message>
    <message>
        <source>WIN</source>
        <translation>Vittoria</translation>
    </message>
    <message>
        <source>150 points or more: a win</source>
        <translation>150 punti o più: partita vinta</translation>
    </message>
    <message>
        <source>%1 to row %2, column %3.</source>
        <translation>%1 in riga %2, colonna %3.</translation>
    </message>
    <message>
        <source>Next: %1.</source>
        <translation>Prossima: %1.</translation>
    </message>
    <message>
        <source>Row %1: %2.</source>
        <translation>Riga %1: %2.</translation>
    </message>
    <message>
        <source>Column %1: %2.</source>
        <translation>Colonna %1: %2.</translation>
    </message>
    <message>
        <source>Total %1.</source>
        <translation>Totale %1.</translation>
    </message>
    <message>
        <source>Game over. Total %1. WIN.</source>
        <translation>Partita finita. Totale %1. Vittoria.</translation>
    </message>
    <message>
        <source>Game over. Total %1.</source>
        <translation>Partita finita. Totale %1.</translation>
    </message>
    <message>
        <source>It enters the Top 5 list.</source>
        <translation>Entra in classifica.</translation>
    </message>
    <message>
        <source>It does not enter the Top 5 list.</source>
        <translation>Non entra in classifica.</translation>
    </message>
    <message>
        <source>Taken back: %1 from row %2, column %3.</source>
        <translation>Ripresa: %1 dalla riga %2, colonna %3.</translation>
    </message>
    <message>
        <source>New game. First card: %1.</source>
        <translation>Nuova partita. Prima carta: %1.</translation>
    </message>
    <message>
        <source>Row %1, column %2.</source>
        <translation>Riga %1, colonna %2.</translation>
    </message>
    <message>
        <source>Hint: row %1, column %2.</source>
        <translation>Suggerimento: riga %1, colonna %2.</translation>
    </message>
    <message>
        <source>Current card: %1.</source>
        <translation>Carta attuale: %1.</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Partita n. %1</translation>
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
        <translation>Uso: %1 [--deal N | --daily] [opzioni di Qt]
Solitario di poker su una griglia di cinque per cinque.

  --deal N     inizia con la partita numero N (da 0 a 4294967295) distribuita,
               nel tipo di partita scelto per ultimo
  --daily      iniziare con la partita del giorno, la stessa per tutti i
               giocatori nella stessa data
  -h, --help   mostra questo aiuto ed esce
  --version    mostra la versione ed esce

Funzionano anche le opzioni standard di Qt, come -platform NOME o -style NOME.
</translation>
    </message>
</context>
<context>
    <name>marnelok::FiguresTable</name>
    <message>
        <source>Games played</source>
        <translation>Partite giocate</translation>
    </message>
    <message>
        <source>Games finished</source>
        <translation>Partite concluse</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Partite vinte</translation>
    </message>
    <message>
        <source>Share won</source>
        <translation>Percentuale di vittorie</translation>
    </message>
    <message>
        <source>Mean total</source>
        <translation>Punteggio medio</translation>
    </message>
    <message>
        <source>Median total</source>
        <translation>Punteggio mediano</translation>
    </message>
    <message>
        <source>Best total</source>
        <translation>Punteggio migliore</translation>
    </message>
    <message>
        <source>Worst total</source>
        <translation>Punteggio peggiore</translation>
    </message>
    <message>
        <source>Current run of wins</source>
        <translation>Serie di vittorie attuale</translation>
    </message>
    <message>
        <source>Longest run of wins</source>
        <translation>Serie di vittorie più lunga</translation>
    </message>
    <message>
        <source>Games played with hints</source>
        <translation>Partite con suggerimenti</translation>
    </message>
    <message>
        <source>All games</source>
        <translation>Tutte le partite</translation>
    </message>
    <message>
        <source>Regular</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Throw-down</source>
        <translation>Con carte già posate</translation>
    </message>
    <message>
        <source>Totals count finished games. Hands count the ten lines of every finished game, with their share of all those lines. A game left early ends a run of wins.</source>
        <translation>I punteggi contano le partite concluse. Le mani contano le dieci linee di ogni partita conclusa, con la loro quota su tutte queste linee. Una partita abbandonata prima della fine interrompe una serie di vittorie.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A share in per cent; a language that writes &quot;12,5 %&quot; puts a no-break space before the sign.</extracomment>
        <translation>%1%</translation>
    </message>
</context>
<context>
    <name>marnelok::RecentGamesModel</name>
    <message>
        <source>Regular</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Throw-down</source>
        <translation>Con carte già posate</translation>
    </message>
    <message>
        <source>%1 (demo)</source>
        <translation>%1 (demo)</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>Non conclusa</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Partita</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Vinta</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Suggerimenti</translation>
    </message>
    <message>
        <source>%1 (daily)</source>
        <extracomment>A game of the day&apos;s daily deal, in the list&apos;s Kind column.</extracomment>
        <translation>%1 (del giorno)</translation>
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
        <translation>Analisi della partita</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>The headings of the list of placements.</extracomment>
        <translation>Mossa</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Carta</translation>
    </message>
    <message>
        <source>Placed at</source>
        <translation>Posata in</translation>
    </message>
    <message>
        <source>Best cell</source>
        <translation>Casella migliore</translation>
    </message>
    <message>
        <source>Expected total</source>
        <translation>Totale atteso</translation>
    </message>
    <message>
        <source>With the best cell</source>
        <translation>Con la casella migliore</translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation>Punti persi</translation>
    </message>
    <message>
        <source>Costliest</source>
        <translation>Più costose</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <extracomment>A cell of the grid in the list, rows and columns counted from 1 at the top left.</extracomment>
        <translation>Riga %1, colonna %2</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <extracomment>A cell of the grid within a sentence of the caption below the table.</extracomment>
        <translation>riga %1, colonna %2</translation>
    </message>
    <message>
        <source>Thrown down</source>
        <translation>Già posata</translation>
    </message>
    <message>
        <source>Not judged</source>
        <translation>Non valutata</translation>
    </message>
    <message>
        <source>Deal %1, regular game</source>
        <translation>Partita n. %1, normale</translation>
    </message>
    <message>
        <source>Deal %1, throw-down game</source>
        <translation>Partita n. %1, con carte già posate</translation>
    </message>
    <message>
        <source>The demo placed cards in this game.</source>
        <translation>In questa partita la demo ha posato delle carte.</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Punteggio: %1</translation>
    </message>
    <message>
        <source>Points lost: %1</source>
        <translation>Punti persi: %1</translation>
    </message>
    <message>
        <source>Placements within half a point of the best: %1 of %2 (%3 %)</source>
        <translation>Mosse entro mezzo punto dalla migliore: %1 di %2 (%3%)</translation>
    </message>
    <message>
        <source>Costliest placement (marked in the list): turn %1</source>
        <translation>Mossa più costosa (segnata nell&apos;elenco): mossa %1</translation>
    </message>
    <message>
        <source>Costliest placements (marked in the list): turns %1</source>
        <translation>Mosse più costose (segnate nell&apos;elenco): mosse %1</translation>
    </message>
    <message>
        <source>Every placement was within half a point of the best.</source>
        <translation>Ogni mossa è rimasta entro mezzo punto dalla migliore.</translation>
    </message>
    <message>
        <source>Reading the game...</source>
        <translation>Lettura della partita...</translation>
    </message>
    <message>
        <source>Judging the placements: %v of %m</source>
        <extracomment>The progress bar&apos;s text: %v is the placements judged so far, %m all of them.</extracomment>
        <translation>Valutazione delle mosse: %v di %m</translation>
    </message>
    <message>
        <source>The history holds no finished game yet: finish a game, then review it.</source>
        <translation>La cronologia non contiene ancora nessuna partita conclusa: concludere una partita, poi analizzarla.</translation>
    </message>
    <message>
        <source>The review was stopped.</source>
        <translation>L&apos;analisi è stata interrotta.</translation>
    </message>
    <message>
        <source>The game cannot be reviewed: %1</source>
        <translation>Impossibile analizzare la partita: %1</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>The review window&apos;s buttons; Cancel and Resume are one button at different times.</extracomment>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Riprendi</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Turn %1: the %2 was thrown down before play, so it is not judged.</source>
        <extracomment>%2 is a card as the list shows it: 10♥, Q♠.</extracomment>
        <translation>Mossa %1: la carta %2 era già posata prima del gioco, quindi non viene valutata.</translation>
    </message>
    <message>
        <source>Turn %1: the %2 went to %3. It has not been judged.</source>
        <translation>Mossa %1: la carta %2 è stata posata in %3. Non è stata valutata.</translation>
    </message>
    <message>
        <source>Turn %1: the %2 went to %3, for an expected total of %4. The best cell was %5, for %6. Points lost: %7.</source>
        <translation>Mossa %1: la carta %2 è stata posata in %3, per un totale atteso di %4. La casella migliore era in %5, per %6. Punti persi: %7.</translation>
    </message>
    <message>
        <source>Solid magenta frame: where the card went. Dashed cyan frame: the advisor&apos;s best cell.</source>
        <translation>Cornice magenta continua: dove è stata posata la carta. Cornice ciano tratteggiata: la casella migliore secondo Marnelok.</translation>
    </message>
    <message>
        <source>Expected final total after each placement</source>
        <translation>Totale finale atteso dopo ogni mossa</translation>
    </message>
    <message>
        <source>As played</source>
        <translation>Come giocata</translation>
    </message>
    <message>
        <source>With the best placement</source>
        <translation>Con la mossa migliore</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punti</translation>
    </message>
    <message numerus="yes">
        <source>The review was stopped with %n of %1 placements judged; Resume finishes it.</source>
        <translation>
            <numerusform>L&apos;analisi è stata interrotta con %n mossa valutata su %1; Riprendi la completa.</numerusform>
            <numerusform>L&apos;analisi è stata interrotta con %n mosse valutate su %1; Riprendi la completa.</numerusform>
        </translation>
    </message>
    <message>
        <source>The advisor scored %1 on this deal: %2 against par</source>
        <translation>Il consigliere ha totalizzato %1 in questa partita: %2 rispetto al par</translation>
    </message>
    <message>
        <source>Judging the placements</source>
        <translation>Valutazione delle mosse</translation>
    </message>
    <message>
        <source>The table at turn %1</source>
        <translation>Il tavolo al turno %1</translation>
    </message>
</context>
<context>
    <name>marnelok::StatisticsCharts</name>
    <message>
        <source>Win: 150</source>
        <translation>Vittoria: 150</translation>
    </message>
    <message>
        <source>Totals of finished games</source>
        <translation>Punteggi delle partite concluse</translation>
    </message>
    <message>
        <source>Below 150</source>
        <translation>Sotto 150</translation>
    </message>
    <message>
        <source>150 or more</source>
        <translation>150 o più</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partite</translation>
    </message>
    <message>
        <source>Mean of the last 20 games</source>
        <translation>Media delle ultime 20 partite</translation>
    </message>
    <message>
        <source>Mean total</source>
        <translation>Punteggio medio</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partita</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>No finished game yet</source>
        <translation>Ancora nessuna partita conclusa</translation>
    </message>
    <message>
        <source>%1 games, most between %2 and %3</source>
        <translation>%1 partite, la maggior parte tra %2 e %3</translation>
    </message>
    <message>
        <source>%1 points, the latest %2</source>
        <translation>%1 punti, l’ultimo %2</translation>
    </message>
</context>
<context>
    <name>marnelok::StatisticsParts</name>
    <message>
        <source>Against par</source>
        <extracomment>The title of the Statistics window&apos;s part on the games against the advisor&apos;s total.</extracomment>
        <translation>Rispetto al par</translation>
    </message>
    <message>
        <source>Daily</source>
        <extracomment>The title of the Statistics window&apos;s part on the daily deal.</extracomment>
        <translation>Del giorno</translation>
    </message>
    <message>
        <source>Par is the advisor&apos;s total on the same deal. No finished game has its par yet.</source>
        <translation>Il par è il punteggio del consigliere nella stessa partita. Nessuna partita finita ha ancora il suo par.</translation>
    </message>
    <message>
        <source>Games at or above par: %1 of %2</source>
        <translation>Partite al par o sopra: %1 su %2</translation>
    </message>
    <message>
        <source>Mean of total minus par: %1</source>
        <translation>Media del punteggio meno il par: %1</translation>
    </message>
    <message>
        <source>Best game against par: %1</source>
        <translation>Migliore partita rispetto al par: %1</translation>
    </message>
    <message>
        <source>Today: not played yet</source>
        <translation>Oggi: non ancora giocata</translation>
    </message>
    <message>
        <source>Today: not finished yet</source>
        <translation>Oggi: non ancora finita</translation>
    </message>
    <message>
        <source>Today: %1, par not yet known</source>
        <translation>Oggi: %1, par non ancora noto</translation>
    </message>
    <message>
        <source>Today: %1, par %2 (%3)</source>
        <translation>Oggi: %1, par %2 (%3)</translation>
    </message>
    <message>
        <source>Days played: %1</source>
        <translation>Giorni giocati: %1</translation>
    </message>
    <message>
        <source>Current run of days: %1</source>
        <translation>Serie attuale di giorni: %1</translation>
    </message>
    <message>
        <source>Longest run of days: %1</source>
        <translation>Serie più lunga di giorni: %1</translation>
    </message>
    <message>
        <source>Best daily total: %1</source>
        <translation>Miglior punteggio del giorno: %1</translation>
    </message>
</context>
<context>
    <name>marnelok::StatisticsWindow</name>
    <message>
        <source>&amp;Play This Deal Again</source>
        <translation>&amp;Rigioca questa partita</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Esporta...</translation>
    </message>
    <message>
        <source>&amp;Reset Statistics</source>
        <translation>&amp;Azzera statistiche</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Recent games (the %1 newest):</source>
        <translation>Ultime partite (le %1 più recenti):</translation>
    </message>
    <message>
        <source>Reading the history...</source>
        <translation>Lettura della cronologia...</translation>
    </message>
    <message>
        <source>Export Statistics</source>
        <translation>Esporta statistiche</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>File CSV (*.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>The history could not be exported: %1</source>
        <translation>Impossibile esportare la cronologia: %1</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Do you really want to reset the statistics? Every game kept in the history is deleted. The High Scores are kept.</source>
        <translation>Azzerare davvero le statistiche? Tutte le partite conservate nella cronologia verranno eliminate. La classifica viene mantenuta.</translation>
    </message>
    <message>
        <source>The history could not be reset: %1</source>
        <translation>Impossibile azzerare la cronologia: %1</translation>
    </message>
    <message>
        <source>Re&amp;view</source>
        <translation>Ana&amp;lizza</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Cifre</translation>
    </message>
    <message>
        <source>Ignored rows: %1. The history holds rows with values that no game can make; they count in no figure, chart or list.</source>
        <translation>Righe ignorate: %1. La cronologia contiene righe con valori che nessuna partita può produrre; non contano in nessun dato, grafico o elenco.</translation>
    </message>
</context>
<context>
    <name>marnelok::TDonateForm</name>
    <message>
        <source>Make a Donation</source>
        <translation>Fai una donazione</translation>
    </message>
    <message>
        <source>Yes, take me to the donations page now!</source>
        <translation>Sì, apri subito la pagina delle donazioni!</translation>
    </message>
    <message>
        <source>I still have to check it a bit more, show this again in two weeks</source>
        <translation>Devo ancora provarlo, riproponi tra due settimane</translation>
    </message>
    <message>
        <source>I already made a donation, don&apos;t show this dialog again</source>
        <translation>Ho già fatto una donazione, non mostrarlo più</translation>
    </message>
    <message>
        <source>No, I don&apos;t want to donate, never show this dialog again</source>
        <translation>No, non voglio donare, non mostrarlo mai più</translation>
    </message>
    <message>
        <source>Not now, notify me again in 1 day</source>
        <translation>Non ora, ricordamelo tra 1 giorno</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Procedi</translation>
    </message>
    <message>
        <source>Donating is completely optional, and the amount you give is entirely up to you.  Thank you.</source>
        <translation>La donazione è del tutto facoltativa e l&apos;importo è a libera scelta. Grazie.</translation>
    </message>
    <message>
        <source>Donations help offset the cost of running %1 and allow you to say &quot;thank you for a job well done&quot;. </source>
        <extracomment>%1 is the maker&apos;s site, &quot;www.marnelok.example&quot;. At most three lines in the dialog.</extracomment>
        <translation>Le donazioni aiutano a coprire i costi di %1 e permettono di dire «grazie per l&apos;ottimo lavoro».</translation>
    </message>
</context>
<context>
    <name>marnelok::TMarnelokForm</name>
    <message>
        <source>Large Cards</source>
        <translation>Carte grandi</translation>
    </message>
    <message>
        <source>Sorry! Screen resolution should be at least 800 x 600 for large cards.</source>
        <translation>Spiacenti. Per le carte grandi la risoluzione dello schermo deve essere almeno 800 x 600.</translation>
    </message>
    <message>
        <source>Marnelok 8.00 - Freeware Edition - Marnelok for Windows</source>
        <extracomment>The main window&apos;s title.</extracomment>
        <translation>Marnelok 8.00 - Edizione freeware - Marnelok per Windows</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Do you really want to reset the High Scores?</source>
        <translation>Azzerare davvero la classifica?</translation>
    </message>
</context>
<context>
    <name>marnelok::TsplashForm</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Freeware Edition</source>
        <extracomment>Under the product&apos;s name on the splash and About window: one line of at most 265 pixels.</extracomment>
        <translation>Edizione freeware</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>DealCommands</name>
    <message>
        <source>Select Deal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deal number (0 to 4294967295):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a deal number. Enter a whole number from 0 to 4294967295.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deal %1</source>
        <extracomment>The deck&apos;s tooltip: the number of the deal on the table.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DonateReminder</name>
    <message>
        <source>Failed to set data for &apos;DonateStatus&apos;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HandNames</name>
    <message>
        <source>None</source>
        <extracomment>The hands with their points, as the score panel, a screen reader and the Statistics window name them. At most about 155 pixels each in the score panel.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One Pair (2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two Pair (5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three of a kind (10)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Straight (15)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flush (20)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full House (25)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four of a kind (50)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Straight Flush (75)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Royal Flush (100)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryDatabase</name>
    <message>
        <source>the damaged file could not be moved aside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver (QSQLITE) is not installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file failed its check: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the history was written by a newer version of Marnelok (schema %1; this version knows up to %2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryWorker</name>
    <message>
        <source>The history of games cannot be opened</source>
        <extracomment>Followed by &quot;: &quot; and the reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history of games could not be read, so it was moved aside to &quot;%1&quot;. A new history has been started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history of games cannot be written to &quot;%1&quot; (%2). The games of this run are kept and will be written as soon as writing succeeds again, while Marnelok runs.</source>
        <extracomment>%2 is the reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PanelTexts</name>
    <message>
        <source>Score</source>
        <extracomment>The score panel&apos;s heading.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down the Columns</source>
        <extracomment>The heading over the five columns&apos; hands; at most about 170 pixels.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Across the Rows</source>
        <extracomment>The heading over the five rows&apos; hands; at most about 170 pixels.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Score</source>
        <extracomment>The heading over the total.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play...</source>
        <extracomment>Above the card to place next; at most about 76 pixels.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click
for
next
Game!</source>
        <extracomment>The tile that deals the next game: at most four lines (separated by 
) of at most about 62 pixels each.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...The Marnelok Top 5 List...</source>
        <extracomment>The Top 5 panel&apos;s title.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click left button to resume...</source>
        <extracomment>The Top 5 panel&apos;s last line: a click closes the panel.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <comment>Top 5 list</comment>
        <extracomment>An empty entry of the Top 5 list.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WIN</source>
        <extracomment>The banner of a winning total, repeated in boxes 48 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordKeeper</name>
    <message>
        <source>Failed to set data for &apos;fRegInfo&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter your name!</source>
        <extracomment>Offered in the Top 5 prompt, and kept when not changed: at most 23 letters, all of them of Western European languages (Latin-1).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New High Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Top 5 list cannot keep these letters: %1

Your name will be kept there as &quot;%2&quot;.

Choose OK to keep it so, or Cancel to change it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatisticsCommand</name>
    <message>
        <source>The Statistics window cannot be opened: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not found in %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMarnelokForm</name>
    <message>
        <source>&amp;Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start a New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;Deal...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Replay This Deal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo Last Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View &amp;High Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stat&amp;istics...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Regular Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Throw down a few cards first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Large Cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Alternate Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset High Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Marnelok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make a Donation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableWords</name>
    <message>
        <source>Ace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Five</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Six</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Queen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>King</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of Hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of Clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of Diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of Spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the deck or press Enter to deal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current card: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Score: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cards placed: %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game over. Total Score: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No game dealt yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your score of %1 enters the Top 5 list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marnelok table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Marnelok Top 5 List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click or press Enter to resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>150 points or more: a win</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>marnelok::CommandLine</name>
    <message>
        <source>Usage: %1 [--deal N] [Qt options]
Poker solitaire on a five-by-five grid.

  --deal N     start with deal number N (0 to 4294967295) dealt, in the game
               kind chosen last
  -h, --help   show this help and exit
  --version    show the version and exit

Qt&apos;s standard options, such as -platform NAME or -style NAME, work as well.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>marnelok::FiguresTable</name>
    <message>
        <source>Games played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games won</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share won</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Median total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Worst total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current run of wins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longest run of wins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games played with hints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Throw-down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totals count finished games. Hands count the ten lines of every finished game, with their share of all those lines. A game left early ends a run of wins.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>marnelok::RecentGamesModel</name>
    <message>
        <source>Regular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Throw-down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (demo)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Won</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hints</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>marnelok::StatisticsCharts</name>
    <message>
        <source>Win: 150</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totals of finished games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Below 150</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>150 or more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean of the last 20 games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>marnelok::StatisticsWindow</name>
    <message>
        <source>&amp;Play This Deal Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent games (the %1 newest):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the history...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history could not be exported: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to reset the statistics? Every game kept in the history is deleted. The High Scores are kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history could not be reset: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>marnelok::TDonateForm</name>
    <message>
        <source>Make a Donation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes, take me to the donations page now!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I still have to check it a bit more, show this again in two weeks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I already made a donation, don&apos;t show this dialog again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No, I don&apos;t want to donate, never show this dialog again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not now, notify me again in 1 day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Donating is completely optional, and the amount you give is entirely up to you.  Thank you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Donations help offset the cost of running %1 and allow you to say &quot;thank you for a job well done&quot;. </source>
        <extracomment>%1 is the maker&apos;s site, &quot;www.marnelok.example&quot;. At most three lines in the dialog.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>marnelok::TMarnelokForm</name>
    <message>
        <source>Large Cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry! Screen resolution should be at least 800 x 600 for large cards.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marnelok 8.00 - Freeware Edition - Marnelok for Windows</source>
        <extracomment>The main window&apos;s title.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to reset the High Scores?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>marnelok::TsplashForm</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freeware Edition</source>
        <extracomment>Under the product&apos;s name on the splash and About window: one line of at most 265 pixels.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CsvExport</name>
    <message>
        <source>&quot;%1&quot; is a file of the history itself; choose another name</source>
        <extracomment>Follows &quot;The history could not be exported: &quot;.</extracomment>
        <translation>«&#xa0;%1&#xa0;» est un fichier de l’historique lui-même&#xa0;; choisissez un autre nom</translation>
    </message>
</context>
<context>
    <name>DealCommands</name>
    <message>
        <source>Select Deal</source>
        <translation>Choisir une donne</translation>
    </message>
    <message>
        <source>Deal number (0 to 4294967295):</source>
        <translation>Numéro de donne (0 à 4294967295)&#xa0;:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a deal number. Enter a whole number from 0 to 4294967295.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un numéro de donne. Saisissez un nombre entier de 0 à 4294967295.</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <extracomment>The deck&apos;s tooltip: the number of the deal on the table.</extracomment>
        <translation>Donne %1</translation>
    </message>
    <message>
        <source>Deal %1: the advisor scored %2</source>
        <extracomment>The deck&apos;s tooltip once the advisor has played the same deal.</extracomment>
        <translation>Donne %1&#xa0;: le conseiller a marqué %2</translation>
    </message>
</context>
<context>
    <name>DonateReminder</name>
    <message>
        <source>Failed to set data for &apos;DonateStatus&apos;</source>
        <translation>Impossible d’enregistrer les données de «&#xa0;DonateStatus&#xa0;»</translation>
    </message>
</context>
<context>
    <name>DonateWords</name>
    <message>
        <source>Enjoying
Marnelok?</source>
        <extracomment>Over the donation picture, white on green, in two short lines of at most 15 letters.</extracomment>
        <translation>Marnelok vous
plaît&#xa0;?</translation>
    </message>
    <message>
        <source>A small donation keeps
the cards shuffling.</source>
        <extracomment>Over the donation picture, under the heading, in two lines of at most 24 letters.</extracomment>
        <translation>Un petit don, et les
cartes restent en jeu.</translation>
    </message>
</context>
<context>
    <name>HandNames</name>
    <message>
        <source>None</source>
        <extracomment>The hands with their points, as the score panel, a screen reader and the Statistics window name them. At most about 155 pixels each in the score panel.</extracomment>
        <translation>Rien</translation>
    </message>
    <message>
        <source>One Pair (2)</source>
        <translation>Paire (2)</translation>
    </message>
    <message>
        <source>Two Pair (5)</source>
        <translation>Double paire (5)</translation>
    </message>
    <message>
        <source>Three of a kind (10)</source>
        <translation>Brelan (10)</translation>
    </message>
    <message>
        <source>Straight (15)</source>
        <translation>Quinte (15)</translation>
    </message>
    <message>
        <source>Flush (20)</source>
        <translation>Couleur (20)</translation>
    </message>
    <message>
        <source>Full House (25)</source>
        <translation>Full (25)</translation>
    </message>
    <message>
        <source>Four of a kind (50)</source>
        <translation>Carré (50)</translation>
    </message>
    <message>
        <source>Straight Flush (75)</source>
        <translation>Quinte flush (75)</translation>
    </message>
    <message>
        <source>Royal Flush (100)</source>
        <translation>Quinte royale (100)</translation>
    </message>
</context>
<context>
    <name>HistoryDatabase</name>
    <message>
        <source>the damaged file could not be moved aside</source>
        <translation>le fichier endommagé n’a pas pu être mis de côté</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver (QSQLITE) is not installed</source>
        <translation>le pilote SQLite de Qt (QSQLITE) n’est pas installé</translation>
    </message>
    <message>
        <source>the file failed its check: %1</source>
        <translation>la vérification du fichier a échoué&#xa0;: %1</translation>
    </message>
    <message>
        <source>the history was written by a newer version of Marnelok (schema %1; this version knows up to %2)</source>
        <translation>l’historique a été écrit par une version plus récente de Marnelok (schéma %1&#xa0;; cette version connaît jusqu’au schéma %2)</translation>
    </message>
    <message>
        <source>the file belongs to another program</source>
        <translation>le fichier appartient à un autre programme</translation>
    </message>
    <message>
        <source>a write-ahead log of another database lies beside it</source>
        <translation>un journal d’écriture anticipée (WAL) d’une autre base de données se trouve à côté</translation>
    </message>
</context>
<context>
    <name>HistoryFile</name>
    <message>
        <source>the link &quot;%1&quot; belongs to another user</source>
        <extracomment>A reason, shown in brackets or after a colon; %1 is a file&apos;s or a folder&apos;s name.</extracomment>
        <translation>le lien «&#xa0;%1&#xa0;» appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <extracomment>A reason, shown in brackets or after a colon; %1 is a file&apos;s or a folder&apos;s name.</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has other names (hard links)</source>
        <extracomment>A reason, shown in brackets or after a colon; %1 is a file&apos;s or a folder&apos;s name.</extracomment>
        <translation>«&#xa0;%1&#xa0;» a d’autres noms (liens physiques)</translation>
    </message>
</context>
<context>
    <name>HistoryWorker</name>
    <message>
        <source>The history of games cannot be opened</source>
        <extracomment>Followed by &quot;: &quot; and the reason.</extracomment>
        <translation>L’historique des parties ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>The history of games could not be read, so it was moved aside to &quot;%1&quot;. A new history has been started.</source>
        <translation>L’historique des parties n’a pas pu être lu&#xa0;; il a donc été mis de côté sous «&#xa0;%1&#xa0;». Un nouvel historique a été commencé.</translation>
    </message>
    <message>
        <source>The history of games cannot be written to &quot;%1&quot; (%2). The games of this run are kept and will be written as soon as writing succeeds again, while Marnelok runs.</source>
        <extracomment>%2 is the reason.</extracomment>
        <translation>L’historique des parties ne peut pas être écrit dans «&#xa0;%1&#xa0;» (%2). Les parties de cette session sont conservées et seront écrites dès que l’écriture réussira de nouveau, tant que Marnelok reste ouvert.</translation>
    </message>
    <message>
        <source>The history of games could not be written to &quot;%1&quot; (%2) before Marnelok closed: the games of this run that were waiting are lost.</source>
        <extracomment>%2 is the reason.</extracomment>
        <translation>L’historique des parties n’a pas pu être écrit dans «&#xa0;%1&#xa0;» (%2) avant la fermeture de Marnelok&#xa0;: les parties de cette session qui attendaient sont perdues.</translation>
    </message>
    <message>
        <source>A write-ahead log that belongs to another database lay beside the history of games. It was moved aside to &quot;%1&quot;, and the history&apos;s games were kept.</source>
        <translation>Un journal d’écriture anticipée (WAL) appartenant à une autre base de données se trouvait à côté de l’historique des parties. Il a été mis de côté sous «&#xa0;%1&#xa0;», et les parties de l’historique ont été conservées.</translation>
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
        <translation>Colonnes (verticales)</translation>
    </message>
    <message>
        <source>Across the Rows</source>
        <extracomment>The heading over the five rows&apos; hands; at most about 170 pixels.</extracomment>
        <translation>Lignes (horizontales)</translation>
    </message>
    <message>
        <source>Total Score</source>
        <extracomment>The heading over the total.</extracomment>
        <translation>Score total</translation>
    </message>
    <message>
        <source>Play...</source>
        <extracomment>Above the card to place next; at most about 76 pixels.</extracomment>
        <translation>Jouez...</translation>
    </message>
    <message>
        <source>Click
for
next
Game!</source>
        <extracomment>The tile that deals the next game: at most four lines (separated by 
) of at most about 62 pixels each.</extracomment>
        <translation>Cliquez
pour
jouer
encore&#xa0;!</translation>
    </message>
    <message>
        <source>...The Marnelok Top 5 List...</source>
        <extracomment>The Top 5 panel&apos;s title.</extracomment>
        <translation>...Le Top 5 de Marnelok...</translation>
    </message>
    <message>
        <source>Click left button to resume...</source>
        <extracomment>The Top 5 panel&apos;s last line: a click closes the panel.</extracomment>
        <translation>Clic gauche pour continuer...</translation>
    </message>
    <message>
        <source>None</source>
        <comment>Top 5 list</comment>
        <extracomment>An empty entry of the Top 5 list.</extracomment>
        <translation>Personne</translation>
    </message>
    <message>
        <source>WIN</source>
        <extracomment>The banner of a winning total, repeated across the table in boxes 48 pixels wide, or as wide as a longer word. Capitals, as in English.</extracomment>
        <translation>GAGNÉ</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>RecordKeeper</name>
    <message>
        <source>Failed to set data for &apos;fRegInfo&apos;</source>
        <translation>Impossible d’enregistrer les données de «&#xa0;fRegInfo&#xa0;»</translation>
    </message>
    <message>
        <source>Please enter your name!</source>
        <extracomment>Offered in the Top 5 prompt, and kept when not changed: at most 23 letters, all of them of Western European languages (Latin-1).</extracomment>
        <translation>Entrez votre nom&#xa0;!</translation>
    </message>
    <message>
        <source>New High Score</source>
        <translation>Nouveau meilleur score</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Veuillez saisir votre nom&#xa0;:</translation>
    </message>
    <message>
        <source>The Top 5 list cannot keep these letters: %1

Your name will be kept there as &quot;%2&quot;.

Choose OK to keep it so, or Cancel to change it.</source>
        <translation>Le Top 5 ne peut pas conserver ces caractères&#xa0;: %1

Votre nom y sera conservé sous la forme «&#xa0;%2&#xa0;».

Choisissez OK pour le conserver ainsi, ou Annuler pour le modifier.</translation>
    </message>
</context>
<context>
    <name>ReviewCommand</name>
    <message>
        <source>The review window cannot be opened: %1</source>
        <translation>La fenêtre d’analyse ne peut pas être ouverte&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>StatisticsCommand</name>
    <message>
        <source>The Statistics window cannot be opened: %1</source>
        <translation>La fenêtre des statistiques ne peut pas être ouverte&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 was not found in %2</source>
        <translation>%1 est introuvable dans %2</translation>
    </message>
</context>
<context>
    <name>TMarnelokForm</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Start a New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>Select &amp;Deal...</source>
        <translation>&amp;Choisir une donne...</translation>
    </message>
    <message>
        <source>&amp;Replay This Deal</source>
        <translation>&amp;Rejouer cette donne</translation>
    </message>
    <message>
        <source>&amp;Undo Last Move</source>
        <translation>&amp;Annuler le dernier coup</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>View &amp;High Scores</source>
        <translation>Voir les &amp;meilleurs scores</translation>
    </message>
    <message>
        <source>Stat&amp;istics...</source>
        <translation>&amp;Statistiques...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Play Regular Game</source>
        <translation>Partie &amp;normale</translation>
    </message>
    <message>
        <source>Throw down a few cards first</source>
        <translation>Avec des cartes &amp;imposées</translation>
    </message>
    <message>
        <source>Use Large Cards</source>
        <translation>&amp;Grandes cartes</translation>
    </message>
    <message>
        <source>Use Alternate Colors</source>
        <translation>&amp;Autres couleurs</translation>
    </message>
    <message>
        <source>Reset High Scores</source>
        <translation>&amp;Réinitialiser les meilleurs scores</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>About Marnelok</source>
        <translation>À &amp;propos de Marnelok</translation>
    </message>
    <message>
        <source>Make a Donation</source>
        <translation>Faire un &amp;don</translation>
    </message>
    <message>
        <source>Re&amp;view Last Game...</source>
        <translation>Ana&amp;lyser la dernière partie...</translation>
    </message>
    <message>
        <source>De&amp;mo</source>
        <translation>&amp;Démo</translation>
    </message>
    <message>
        <source>Dai&amp;ly Deal</source>
        <translation>Donne du &amp;jour</translation>
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
        <translation>Deux</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Trois</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sept</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Huit</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neuf</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dix</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Valet</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Roi</translation>
    </message>
    <message>
        <source>%1 of Hearts</source>
        <translation>%1 de cœur</translation>
    </message>
    <message>
        <source>%1 of Clubs</source>
        <translation>%1 de trèfle</translation>
    </message>
    <message>
        <source>%1 of Diamonds</source>
        <translation>%1 de carreau</translation>
    </message>
    <message>
        <source>%1 of Spades</source>
        <translation>%1 de pique</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vide</translation>
    </message>
    <message>
        <source>Click the deck or press Enter to deal</source>
        <translation>Cliquez sur le paquet ou appuyez sur Entrée pour distribuer</translation>
    </message>
    <message>
        <source>Current card: %1</source>
        <translation>Carte à placer&#xa0;: %1</translation>
    </message>
    <message>
        <source>Column %1: %2</source>
        <translation>Colonne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Total Score: %1</source>
        <translation>Score total&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1. %2: %3</source>
        <translation>%1. %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Cards placed: %1 of %2</source>
        <translation>Cartes placées&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>Game over. Total Score: %1</source>
        <translation>Partie terminée. Score total&#xa0;: %1</translation>
    </message>
    <message>
        <source>No game dealt yet</source>
        <translation>Aucune partie distribuée pour l’instant</translation>
    </message>
    <message>
        <source>Your score of %1 enters the Top 5 list</source>
        <translation>Votre score de %1 entre dans le Top 5</translation>
    </message>
    <message>
        <source>Marnelok table</source>
        <translation>Table de Marnelok</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>The Marnelok Top 5 List</source>
        <translation>Le Top 5 de Marnelok</translation>
    </message>
    <message>
        <source>Click or press Enter to resume</source>
        <translation>Cliquez ou appuyez sur Entrée pour continuer</translation>
    </message>
    <message>
        <source>WIN</source>
        <translation>Gagné</translation>
    </message>
    <message>
        <source>150 points or more: a win</source>
        <translation>150 points ou plus&#xa0;: partie gagnée</translation>
    </message>
    <message>
        <source>%1 to row %2, column %3.</source>
        <translation>%1 en ligne %2, colonne %3.</translation>
    </message>
    <message>
        <source>Next: %1.</source>
        <translation>Suivante&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Row %1: %2.</source>
        <translation>Ligne %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Column %1: %2.</source>
        <translation>Colonne %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Total %1.</source>
        <translation>Total %1.</translation>
    </message>
    <message>
        <source>Game over. Total %1. WIN.</source>
        <translation>Partie terminée. Total %1. Gagné.</translation>
    </message>
    <message>
        <source>Game over. Total %1.</source>
        <translation>Partie terminée. Total %1.</translation>
    </message>
    <message>
        <source>It enters the Top 5 list.</source>
        <translation>Il entre dans le Top 5.</translation>
    </message>
    <message>
        <source>It does not enter the Top 5 list.</source>
        <translation>Il n’entre pas dans le Top 5.</translation>
    </message>
    <message>
        <source>Taken back: %1 from row %2, column %3.</source>
        <translation>Reprise&#xa0;: %1 de la ligne %2, colonne %3.</translation>
    </message>
    <message>
        <source>New game. First card: %1.</source>
        <translation>Nouvelle partie. Première carte&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Row %1, column %2.</source>
        <translation>Ligne %1, colonne %2.</translation>
    </message>
    <message>
        <source>Hint: row %1, column %2.</source>
        <translation>Conseil&#xa0;: ligne %1, colonne %2.</translation>
    </message>
    <message>
        <source>Current card: %1.</source>
        <translation>Carte à placer&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Donne %1</translation>
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
        <translation>Utilisation&#xa0;: %1 [--deal N | --daily] [options de Qt]
Réussite de poker sur une grille de cinq sur cinq.

  --deal N     commencer avec la donne numéro N (0 à 4294967295) distribuée,
               dans le type de partie choisi en dernier
  --daily      commencer par la donne du jour, la même pour tous les joueurs
               à la même date
  -h, --help   afficher cette aide et quitter
  --version    afficher la version et quitter

Les options standard de Qt, comme -platform NOM ou -style NOM, fonctionnent aussi.
</translation>
    </message>
</context>
<context>
    <name>marnelok::FiguresTable</name>
    <message>
        <source>Games played</source>
        <translation>Parties jouées</translation>
    </message>
    <message>
        <source>Games finished</source>
        <translation>Parties terminées</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Parties gagnées</translation>
    </message>
    <message>
        <source>Share won</source>
        <translation>Part de victoires</translation>
    </message>
    <message>
        <source>Mean total</source>
        <translation>Score moyen</translation>
    </message>
    <message>
        <source>Median total</source>
        <translation>Score médian</translation>
    </message>
    <message>
        <source>Best total</source>
        <translation>Meilleur score</translation>
    </message>
    <message>
        <source>Worst total</source>
        <translation>Pire score</translation>
    </message>
    <message>
        <source>Current run of wins</source>
        <translation>Série de victoires en cours</translation>
    </message>
    <message>
        <source>Longest run of wins</source>
        <translation>Plus longue série de victoires</translation>
    </message>
    <message>
        <source>Games played with hints</source>
        <translation>Parties jouées avec indices</translation>
    </message>
    <message>
        <source>All games</source>
        <translation>Toutes les parties</translation>
    </message>
    <message>
        <source>Regular</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Throw-down</source>
        <translation>Cartes imposées</translation>
    </message>
    <message>
        <source>Totals count finished games. Hands count the ten lines of every finished game, with their share of all those lines. A game left early ends a run of wins.</source>
        <translation>Les scores ne comptent que les parties terminées. Les mains comptent les dix rangées (lignes et colonnes) de chaque partie terminée, avec leur part de l’ensemble de ces rangées. Une partie quittée avant la fin interrompt une série de victoires.</translation>
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
        <translation>Normale</translation>
    </message>
    <message>
        <source>Throw-down</source>
        <translation>Cartes imposées</translation>
    </message>
    <message>
        <source>%1 (demo)</source>
        <translation>%1 (démo)</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>Non terminée</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Donne</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gagnée</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Indices</translation>
    </message>
    <message>
        <source>%1 (daily)</source>
        <extracomment>A game of the day&apos;s daily deal, in the list&apos;s Kind column.</extracomment>
        <translation>%1 (du jour)</translation>
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
        <translation>Analyse de la partie</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>The headings of the list of placements.</extracomment>
        <translation>Coup</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Placed at</source>
        <translation>Posée sur</translation>
    </message>
    <message>
        <source>Best cell</source>
        <translation>Meilleure case</translation>
    </message>
    <message>
        <source>Expected total</source>
        <translation>Score attendu</translation>
    </message>
    <message>
        <source>With the best cell</source>
        <translation>Avec la meilleure case</translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation>Points perdus</translation>
    </message>
    <message>
        <source>Costliest</source>
        <translation>Plus coûteux</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <extracomment>A cell of the grid in the list, rows and columns counted from 1 at the top left.</extracomment>
        <translation>Ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <extracomment>A cell of the grid within a sentence of the caption below the table.</extracomment>
        <translation>la case de la ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>Thrown down</source>
        <translation>Imposée</translation>
    </message>
    <message>
        <source>Not judged</source>
        <translation>Non évalué</translation>
    </message>
    <message>
        <source>Deal %1, regular game</source>
        <translation>Donne %1, partie normale</translation>
    </message>
    <message>
        <source>Deal %1, throw-down game</source>
        <translation>Donne %1, partie avec cartes imposées</translation>
    </message>
    <message>
        <source>The demo placed cards in this game.</source>
        <translation>La démo a posé des cartes dans cette partie.</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Score&#xa0;: %1</translation>
    </message>
    <message>
        <source>Points lost: %1</source>
        <translation>Points perdus&#xa0;: %1</translation>
    </message>
    <message>
        <source>Placements within half a point of the best: %1 of %2 (%3 %)</source>
        <translation>Coups à moins d’un demi-point du meilleur&#xa0;: %1 sur %2 (%3&#xa0;%)</translation>
    </message>
    <message>
        <source>Costliest placement (marked in the list): turn %1</source>
        <translation>Coup le plus coûteux (marqué dans la liste)&#xa0;: coup %1</translation>
    </message>
    <message>
        <source>Costliest placements (marked in the list): turns %1</source>
        <translation>Coups les plus coûteux (marqués dans la liste)&#xa0;: coups %1</translation>
    </message>
    <message>
        <source>Every placement was within half a point of the best.</source>
        <translation>Chaque coup était à moins d’un demi-point du meilleur.</translation>
    </message>
    <message>
        <source>Reading the game...</source>
        <translation>Lecture de la partie...</translation>
    </message>
    <message>
        <source>Judging the placements: %v of %m</source>
        <extracomment>The progress bar&apos;s text: %v is the placements judged so far, %m all of them.</extracomment>
        <translation>Évaluation des coups&#xa0;: %v sur %m</translation>
    </message>
    <message>
        <source>The history holds no finished game yet: finish a game, then review it.</source>
        <translation>L’historique ne contient encore aucune partie terminée&#xa0;: terminez une partie, puis analysez-la.</translation>
    </message>
    <message>
        <source>The review was stopped.</source>
        <translation>L’analyse a été interrompue.</translation>
    </message>
    <message>
        <source>The game cannot be reviewed: %1</source>
        <translation>La partie ne peut pas être analysée&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>The review window&apos;s buttons; Cancel and Resume are one button at different times.</extracomment>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reprendre</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Turn %1: the %2 was thrown down before play, so it is not judged.</source>
        <extracomment>%2 is a card as the list shows it: 10♥, Q♠.</extracomment>
        <translation>Coup %1&#xa0;: la carte %2 a été imposée avant la partie, elle n’est donc pas évaluée.</translation>
    </message>
    <message>
        <source>Turn %1: the %2 went to %3. It has not been judged.</source>
        <translation>Coup %1&#xa0;: la carte %2 a été posée sur %3. Ce coup n’a pas encore été évalué.</translation>
    </message>
    <message>
        <source>Turn %1: the %2 went to %3, for an expected total of %4. The best cell was %5, for %6. Points lost: %7.</source>
        <translation>Coup %1&#xa0;: la carte %2 a été posée sur %3, pour un score final attendu de %4. La meilleure était %5, pour %6. Points perdus&#xa0;: %7.</translation>
    </message>
    <message>
        <source>Solid magenta frame: where the card went. Dashed cyan frame: the advisor&apos;s best cell.</source>
        <translation>Cadre magenta plein&#xa0;: là où la carte a été posée. Cadre cyan en pointillés&#xa0;: la meilleure case selon Marnelok.</translation>
    </message>
    <message>
        <source>Expected final total after each placement</source>
        <translation>Score final attendu après chaque coup</translation>
    </message>
    <message>
        <source>As played</source>
        <translation>Tel que joué</translation>
    </message>
    <message>
        <source>With the best placement</source>
        <translation>Avec le meilleur coup</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message numerus="yes">
        <source>The review was stopped with %n of %1 placements judged; Resume finishes it.</source>
        <translation>
            <numerusform>L’analyse a été interrompue après %n coup évalué sur %1&#xa0;; Reprendre la termine.</numerusform>
            <numerusform>L’analyse a été interrompue après %n coups évalués sur %1&#xa0;; Reprendre la termine.</numerusform>
        </translation>
    </message>
    <message>
        <source>The advisor scored %1 on this deal: %2 against par</source>
        <translation>Le conseiller a marqué %1 sur cette donne&#xa0;: %2 par rapport au par</translation>
    </message>
    <message>
        <source>Judging the placements</source>
        <translation>Évaluation des coups</translation>
    </message>
    <message>
        <source>The table at turn %1</source>
        <translation>La table au coup %1</translation>
    </message>
</context>
<context>
    <name>marnelok::StatisticsCharts</name>
    <message>
        <source>Win: 150</source>
        <translation>Victoire&#xa0;: 150</translation>
    </message>
    <message>
        <source>Totals of finished games</source>
        <translation>Scores des parties terminées</translation>
    </message>
    <message>
        <source>Below 150</source>
        <translation>Moins de 150</translation>
    </message>
    <message>
        <source>150 or more</source>
        <translation>150 ou plus</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>Mean of the last 20 games</source>
        <translation>Moyenne des 20 dernières parties</translation>
    </message>
    <message>
        <source>Mean total</source>
        <translation>Score moyen</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>No finished game yet</source>
        <translation>Aucune partie terminée</translation>
    </message>
    <message>
        <source>%1 games, most between %2 and %3</source>
        <translation>%1 parties, la plupart entre %2 et %3</translation>
    </message>
    <message>
        <source>%1 points, the latest %2</source>
        <translation>%1 points, le dernier %2</translation>
    </message>
</context>
<context>
    <name>marnelok::StatisticsParts</name>
    <message>
        <source>Against par</source>
        <extracomment>The title of the Statistics window&apos;s part on the games against the advisor&apos;s total.</extracomment>
        <translation>Par rapport au par</translation>
    </message>
    <message>
        <source>Daily</source>
        <extracomment>The title of the Statistics window&apos;s part on the daily deal.</extracomment>
        <translation>Donne du jour</translation>
    </message>
    <message>
        <source>Par is the advisor&apos;s total on the same deal. No finished game has its par yet.</source>
        <translation>Le par est le score du conseiller sur la même donne. Aucune partie terminée n&apos;a encore son par.</translation>
    </message>
    <message>
        <source>Games at or above par: %1 of %2</source>
        <translation>Parties au par ou au-dessus&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>Mean of total minus par: %1</source>
        <translation>Moyenne du score moins le par&#xa0;: %1</translation>
    </message>
    <message>
        <source>Best game against par: %1</source>
        <translation>Meilleure partie par rapport au par&#xa0;: %1</translation>
    </message>
    <message>
        <source>Today: not played yet</source>
        <translation>Aujourd&apos;hui&#xa0;: pas encore jouée</translation>
    </message>
    <message>
        <source>Today: not finished yet</source>
        <translation>Aujourd&apos;hui&#xa0;: pas encore terminée</translation>
    </message>
    <message>
        <source>Today: %1, par not yet known</source>
        <translation>Aujourd&apos;hui&#xa0;: %1, par pas encore connu</translation>
    </message>
    <message>
        <source>Today: %1, par %2 (%3)</source>
        <translation>Aujourd&apos;hui&#xa0;: %1, par %2 (%3)</translation>
    </message>
    <message>
        <source>Days played: %1</source>
        <translation>Jours joués&#xa0;: %1</translation>
    </message>
    <message>
        <source>Current run of days: %1</source>
        <translation>Série de jours en cours&#xa0;: %1</translation>
    </message>
    <message>
        <source>Longest run of days: %1</source>
        <translation>Plus longue série de jours&#xa0;: %1</translation>
    </message>
    <message>
        <source>Best daily total: %1</source>
        <translation>Meilleur score du jour&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>marnelok::StatisticsWindow</name>
    <message>
        <source>&amp;Play This Deal Again</source>
        <translation>&amp;Rejouer cette donne</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exporter...</translation>
    </message>
    <message>
        <source>&amp;Reset Statistics</source>
        <translation>Réinitialiser les &amp;statistiques</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Recent games (the %1 newest):</source>
        <translation>Parties récentes (les %1 dernières)&#xa0;:</translation>
    </message>
    <message>
        <source>Reading the history...</source>
        <translation>Lecture de l’historique...</translation>
    </message>
    <message>
        <source>Export Statistics</source>
        <translation>Exporter les statistiques</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The history could not be exported: %1</source>
        <translation>L’historique n’a pas pu être exporté&#xa0;: %1</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Do you really want to reset the statistics? Every game kept in the history is deleted. The High Scores are kept.</source>
        <translation>Voulez-vous vraiment réinitialiser les statistiques&#xa0;? Toutes les parties conservées dans l’historique seront supprimées. Les meilleurs scores sont conservés.</translation>
    </message>
    <message>
        <source>The history could not be reset: %1</source>
        <translation>L’historique n’a pas pu être réinitialisé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Re&amp;view</source>
        <translation>&amp;Analyser</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Chiffres</translation>
    </message>
    <message>
        <source>Ignored rows: %1. The history holds rows with values that no game can make; they count in no figure, chart or list.</source>
        <translation>Lignes ignorées&#xa0;: %1. L’historique contient des lignes dont les valeurs ne peuvent résulter d’aucune partie&#xa0;; elles ne comptent dans aucun chiffre, aucun graphique ni aucune liste.</translation>
    </message>
</context>
<context>
    <name>marnelok::TDonateForm</name>
    <message>
        <source>Make a Donation</source>
        <translation>Faire un don</translation>
    </message>
    <message>
        <source>Yes, take me to the donations page now!</source>
        <translation>Oui, ouvrir la page des dons maintenant&#xa0;!</translation>
    </message>
    <message>
        <source>I still have to check it a bit more, show this again in two weeks</source>
        <translation>Je veux encore l’essayer, me le rappeler dans deux semaines</translation>
    </message>
    <message>
        <source>I already made a donation, don&apos;t show this dialog again</source>
        <translation>J’ai déjà fait un don, ne plus afficher cette fenêtre</translation>
    </message>
    <message>
        <source>No, I don&apos;t want to donate, never show this dialog again</source>
        <translation>Non, je ne souhaite pas faire de don, ne plus jamais afficher</translation>
    </message>
    <message>
        <source>Not now, notify me again in 1 day</source>
        <translation>Pas maintenant, me le rappeler dans 1 jour</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Donating is completely optional, and the amount you give is entirely up to you.  Thank you.</source>
        <translation>Faire un don est entièrement facultatif, et le montant ne dépend que de vous. Merci.</translation>
    </message>
    <message>
        <source>Donations help offset the cost of running %1 and allow you to say &quot;thank you for a job well done&quot;. </source>
        <extracomment>%1 is the maker&apos;s site, &quot;www.marnelok.example&quot;. At most three lines in the dialog.</extracomment>
        <translation>Les dons aident à couvrir les frais de %1 et vous permettent de dire «&#xa0;merci pour ce travail bien fait&#xa0;».</translation>
    </message>
</context>
<context>
    <name>marnelok::TMarnelokForm</name>
    <message>
        <source>Large Cards</source>
        <translation>Grandes cartes</translation>
    </message>
    <message>
        <source>Sorry! Screen resolution should be at least 800 x 600 for large cards.</source>
        <translation>Désolé&#xa0;! La résolution de l’écran doit être d’au moins 800 x 600 pour les grandes cartes.</translation>
    </message>
    <message>
        <source>Marnelok 8.00 - Freeware Edition - Marnelok for Windows</source>
        <extracomment>The main window&apos;s title.</extracomment>
        <translation>Marnelok 8.00 - Édition gratuite - Marnelok pour Windows</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Do you really want to reset the High Scores?</source>
        <translation>Voulez-vous vraiment réinitialiser les meilleurs scores&#xa0;?</translation>
    </message>
</context>
<context>
    <name>marnelok::TsplashForm</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Freeware Edition</source>
        <extracomment>Under the product&apos;s name on the splash and About window: one line of at most 265 pixels.</extracomment>
        <translation>Édition gratuite</translation>
    </message>
</context>
</TS>

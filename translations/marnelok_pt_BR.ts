<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CsvExport</name>
    <message>
        <source>&quot;%1&quot; is a file of the history itself; choose another name</source>
        <extracomment>Follows &quot;The history could not be exported: &quot;.</extracomment>
        <translation>“%1” é um arquivo do próprio histórico; escolha outro nome</translation>
    </message>
</context>
<context>
    <name>DealCommands</name>
    <message>
        <source>Select Deal</source>
        <translation>Escolher partida</translation>
    </message>
    <message>
        <source>Deal number (0 to 4294967295):</source>
        <translation>Número da partida (0 a 4294967295):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a deal number. Enter a whole number from 0 to 4294967295.</source>
        <translation>“%1” não é um número de partida. Digite um número inteiro de 0 a 4294967295.</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <extracomment>The deck&apos;s tooltip: the number of the deal on the table.</extracomment>
        <translation>Partida %1</translation>
    </message>
    <message>
        <source>Deal %1: the advisor scored %2</source>
        <extracomment>The deck&apos;s tooltip once the advisor has played the same deal.</extracomment>
        <translation>Partida %1: o conselheiro fez %2</translation>
    </message>
</context>
<context>
    <name>DonateReminder</name>
    <message>
        <source>Failed to set data for &apos;DonateStatus&apos;</source>
        <translation>Falha ao gravar os dados de &apos;DonateStatus&apos;</translation>
    </message>
</context>
<context>
    <name>DonateWords</name>
    <message>
        <source>Enjoying
Marnelok?</source>
        <extracomment>Over the donation picture, white on green, in two short lines of at most 15 letters.</extracomment>
        <translation>Curtindo o
Marnelok?</translation>
    </message>
    <message>
        <source>A small donation keeps
the cards shuffling.</source>
        <extracomment>Over the donation picture, under the heading, in two lines of at most 24 letters.</extracomment>
        <translation>Uma pequena doação mantém
as cartas embaralhando.</translation>
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
        <translation>Par (2)</translation>
    </message>
    <message>
        <source>Two Pair (5)</source>
        <translation>Dois pares (5)</translation>
    </message>
    <message>
        <source>Three of a kind (10)</source>
        <translation>Trinca (10)</translation>
    </message>
    <message>
        <source>Straight (15)</source>
        <translation>Sequência (15)</translation>
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
        <translation>Quadra (50)</translation>
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
        <translation>não foi possível guardar à parte o arquivo danificado</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>não é possível criar a pasta %1</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver (QSQLITE) is not installed</source>
        <translation>o driver SQLite do Qt (QSQLITE) não está instalado</translation>
    </message>
    <message>
        <source>the file failed its check: %1</source>
        <translation>o arquivo não passou na verificação: %1</translation>
    </message>
    <message>
        <source>the history was written by a newer version of Marnelok (schema %1; this version knows up to %2)</source>
        <translation>o histórico foi gravado por uma versão mais nova do Marnelok (esquema %1; esta versão conhece até o %2)</translation>
    </message>
    <message>
        <source>the file belongs to another program</source>
        <translation>o arquivo pertence a outro programa</translation>
    </message>
    <message>
        <source>a write-ahead log of another database lies beside it</source>
        <translation>ao lado dele há um log de escrita antecipada (WAL) de outro banco de dados</translation>
    </message>
</context>
<context>
    <name>HistoryFile</name>
    <message>
        <source>the link &quot;%1&quot; belongs to another user</source>
        <extracomment>A reason, shown in brackets or after a colon; %1 is a file&apos;s or a folder&apos;s name.</extracomment>
        <translation>o link “%1” pertence a outro usuário</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <extracomment>A reason, shown in brackets or after a colon; %1 is a file&apos;s or a folder&apos;s name.</extracomment>
        <translation>“%1” não é um arquivo comum</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has other names (hard links)</source>
        <extracomment>A reason, shown in brackets or after a colon; %1 is a file&apos;s or a folder&apos;s name.</extracomment>
        <translation>“%1” tem outros nomes (links físicos)</translation>
    </message>
</context>
<context>
    <name>HistoryWorker</name>
    <message>
        <source>The history of games cannot be opened</source>
        <extracomment>Followed by &quot;: &quot; and the reason.</extracomment>
        <translation>Não é possível abrir o histórico de partidas</translation>
    </message>
    <message>
        <source>The history of games could not be read, so it was moved aside to &quot;%1&quot;. A new history has been started.</source>
        <translation>Não foi possível ler o histórico de partidas; por isso, ele foi guardado à parte como “%1”. Um novo histórico foi iniciado.</translation>
    </message>
    <message>
        <source>The history of games cannot be written to &quot;%1&quot; (%2). The games of this run are kept and will be written as soon as writing succeeds again, while Marnelok runs.</source>
        <extracomment>%2 is the reason.</extracomment>
        <translation>Não é possível gravar o histórico de partidas em “%1” (%2). As partidas desta sessão ficam guardadas e serão gravadas assim que a gravação voltar a funcionar, enquanto o Marnelok estiver aberto.</translation>
    </message>
    <message>
        <source>The history of games could not be written to &quot;%1&quot; (%2) before Marnelok closed: the games of this run that were waiting are lost.</source>
        <extracomment>%2 is the reason.</extracomment>
        <translation>Não foi possível gravar o histórico de partidas em “%1” (%2) antes de o Marnelok fechar: as partidas desta sessão que aguardavam foram perdidas.</translation>
    </message>
    <message>
        <source>A write-ahead log that belongs to another database lay beside the history of games. It was moved aside to &quot;%1&quot;, and the history&apos;s games were kept.</source>
        <translation>Ao lado do histórico de partidas havia um log de escrita antecipada (WAL) de outro banco de dados. Ele foi guardado à parte como “%1”, e as partidas do histórico foram mantidas.</translation>
    </message>
</context>
<context>
    <name>PanelTexts</name>
    <message>
        <source>Score</source>
        <extracomment>The score panel&apos;s heading.</extracomment>
        <translation>Pontuação</translation>
    </message>
    <message>
        <source>Down the Columns</source>
        <extracomment>The heading over the five columns&apos; hands; at most about 170 pixels.</extracomment>
        <translation>Nas colunas</translation>
    </message>
    <message>
        <source>Across the Rows</source>
        <extracomment>The heading over the five rows&apos; hands; at most about 170 pixels.</extracomment>
        <translation>Nas linhas</translation>
    </message>
    <message>
        <source>Total Score</source>
        <extracomment>The heading over the total.</extracomment>
        <translation>Pontuação total</translation>
    </message>
    <message>
        <source>Play...</source>
        <extracomment>Above the card to place next; at most about 76 pixels.</extracomment>
        <translation>Jogue...</translation>
    </message>
    <message>
        <source>Click
for
next
Game!</source>
        <extracomment>The tile that deals the next game: at most four lines (separated by 
) of at most about 62 pixels each.</extracomment>
        <translation>Clique
para o
próximo
jogo!</translation>
    </message>
    <message>
        <source>...The Marnelok Top 5 List...</source>
        <extracomment>The Top 5 panel&apos;s title.</extracomment>
        <translation>...Top 5 do Marnelok...</translation>
    </message>
    <message>
        <source>Click left button to resume...</source>
        <extracomment>The Top 5 panel&apos;s last line: a click closes the panel.</extracomment>
        <translation>Botão esquerdo para continuar...</translation>
    </message>
    <message>
        <source>None</source>
        <comment>Top 5 list</comment>
        <extracomment>An empty entry of the Top 5 list.</extracomment>
        <translation>Ninguém</translation>
    </message>
    <message>
        <source>WIN</source>
        <extracomment>The banner of a winning total, repeated across the table in boxes 48 pixels wide, or as wide as a longer word. Capitals, as in English.</extracomment>
        <translation>VITÓRIA</translation>
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
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>RecordKeeper</name>
    <message>
        <source>Failed to set data for &apos;fRegInfo&apos;</source>
        <translation>Falha ao gravar os dados de &apos;fRegInfo&apos;</translation>
    </message>
    <message>
        <source>Please enter your name!</source>
        <extracomment>Offered in the Top 5 prompt, and kept when not changed: at most 23 letters, all of them of Western European languages (Latin-1).</extracomment>
        <translation>Digite seu nome!</translation>
    </message>
    <message>
        <source>New High Score</source>
        <translation>Novo recorde</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Digite seu nome:</translation>
    </message>
    <message>
        <source>The Top 5 list cannot keep these letters: %1

Your name will be kept there as &quot;%2&quot;.

Choose OK to keep it so, or Cancel to change it.</source>
        <translation>A lista Top 5 não pode guardar estas letras: %1

Seu nome ficará guardado nela como “%2”.

Escolha OK para mantê-lo assim ou Cancelar para alterá-lo.</translation>
    </message>
</context>
<context>
    <name>ReviewCommand</name>
    <message>
        <source>The review window cannot be opened: %1</source>
        <translation>Não é possível abrir a janela de análise: %1</translation>
    </message>
</context>
<context>
    <name>StatisticsCommand</name>
    <message>
        <source>The Statistics window cannot be opened: %1</source>
        <translation>Não é possível abrir a janela de estatísticas: %1</translation>
    </message>
    <message>
        <source>%1 was not found in %2</source>
        <translation>%1 não foi encontrado em %2</translation>
    </message>
</context>
<context>
    <name>TMarnelokForm</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Start a New Game</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>Select &amp;Deal...</source>
        <translation>&amp;Escolher partida...</translation>
    </message>
    <message>
        <source>&amp;Replay This Deal</source>
        <translation>&amp;Repetir esta partida</translation>
    </message>
    <message>
        <source>&amp;Undo Last Move</source>
        <translation>&amp;Desfazer jogada</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>Di&amp;ca</translation>
    </message>
    <message>
        <source>View &amp;High Scores</source>
        <translation>&amp;Ver recordes</translation>
    </message>
    <message>
        <source>Stat&amp;istics...</source>
        <translation>Es&amp;tatísticas...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Play Regular Game</source>
        <translation>Jogo &amp;normal</translation>
    </message>
    <message>
        <source>Throw down a few cards first</source>
        <translation>&amp;Lançar algumas cartas antes</translation>
    </message>
    <message>
        <source>Use Large Cards</source>
        <translation>Cartas &amp;grandes</translation>
    </message>
    <message>
        <source>Use Alternate Colors</source>
        <translation>&amp;Cores alternativas</translation>
    </message>
    <message>
        <source>Reset High Scores</source>
        <translation>&amp;Zerar recordes</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>About Marnelok</source>
        <translation>&amp;Sobre o Marnelok</translation>
    </message>
    <message>
        <source>Make a Donation</source>
        <translation>Fazer uma &amp;doação</translation>
    </message>
    <message>
        <source>Re&amp;view Last Game...</source>
        <translation>&amp;Analisar última partida...</translation>
    </message>
    <message>
        <source>De&amp;mo</source>
        <translation>De&amp;monstração</translation>
    </message>
    <message>
        <source>Dai&amp;ly Deal</source>
        <translation>Partida do d&amp;ia</translation>
    </message>
</context>
<context>
    <name>TableWords</name>
    <message>
        <source>Ace</source>
        <translation>Ás</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Dois</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Três</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quatro</translation>
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
        <translation>Sete</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Oito</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Nove</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dez</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Valete</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dama</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Rei</translation>
    </message>
    <message>
        <source>%1 of Hearts</source>
        <translation>%1 de Copas</translation>
    </message>
    <message>
        <source>%1 of Clubs</source>
        <translation>%1 de Paus</translation>
    </message>
    <message>
        <source>%1 of Diamonds</source>
        <translation>%1 de Ouros</translation>
    </message>
    <message>
        <source>%1 of Spades</source>
        <translation>%1 de Espadas</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vazia</translation>
    </message>
    <message>
        <source>Click the deck or press Enter to deal</source>
        <translation>Clique no baralho ou pressione Enter para dar as cartas</translation>
    </message>
    <message>
        <source>Current card: %1</source>
        <translation>Carta atual: %1</translation>
    </message>
    <message>
        <source>Column %1: %2</source>
        <translation>Coluna %1: %2</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Linha %1: %2</translation>
    </message>
    <message>
        <source>Total Score: %1</source>
        <translation>Pontuação total: %1</translation>
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
        <translation>Fim de jogo. Pontuação total: %1</translation>
    </message>
    <message>
        <source>No game dealt yet</source>
        <translation>As cartas ainda não foram dadas</translation>
    </message>
    <message>
        <source>Your score of %1 enters the Top 5 list</source>
        <translation>Seus %1 pontos entram na lista Top 5</translation>
    </message>
    <message>
        <source>Marnelok table</source>
        <translation>Mesa do Marnelok</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grade</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontuação</translation>
    </message>
    <message>
        <source>The Marnelok Top 5 List</source>
        <translation>A lista Top 5 do Marnelok</translation>
    </message>
    <message>
        <source>Click or press Enter to resume</source>
        <translation>Clique ou pressione Enter para continuar</translation>
    </message>
    <message>
        <source>WIN</source>
        <translation>VITÓRIA</translation>
    </message>
    <message>
        <source>150 points or more: a win</source>
        <translation>150 pontos ou mais: vitória</translation>
    </message>
    <message>
        <source>%1 to row %2, column %3.</source>
        <translation>%1 na linha %2, coluna %3.</translation>
    </message>
    <message>
        <source>Next: %1.</source>
        <translation>Próxima: %1.</translation>
    </message>
    <message>
        <source>Row %1: %2.</source>
        <translation>Linha %1: %2.</translation>
    </message>
    <message>
        <source>Column %1: %2.</source>
        <translation>Coluna %1: %2.</translation>
    </message>
    <message>
        <source>Total %1.</source>
        <translation>Total %1.</translation>
    </message>
    <message>
        <source>Game over. Total %1. WIN.</source>
        <translation>Fim de jogo. Total %1. VITÓRIA.</translation>
    </message>
    <message>
        <source>Game over. Total %1.</source>
        <translation>Fim de jogo. Total %1.</translation>
    </message>
    <message>
        <source>It enters the Top 5 list.</source>
        <translation>Entra na lista Top 5.</translation>
    </message>
    <message>
        <source>It does not enter the Top 5 list.</source>
        <translation>Não entra na lista Top 5.</translation>
    </message>
    <message>
        <source>Taken back: %1 from row %2, column %3.</source>
        <translation>Desfeito: %1 da linha %2, coluna %3.</translation>
    </message>
    <message>
        <source>New game. First card: %1.</source>
        <translation>Novo jogo. Primeira carta: %1.</translation>
    </message>
    <message>
        <source>Row %1, column %2.</source>
        <translation>Linha %1, coluna %2.</translation>
    </message>
    <message>
        <source>Hint: row %1, column %2.</source>
        <translation>Dica: linha %1, coluna %2.</translation>
    </message>
    <message>
        <source>Current card: %1.</source>
        <translation>Carta atual: %1.</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Partida %1</translation>
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
        <translation>Uso: %1 [--deal N | --daily] [opções do Qt]
Paciência de pôquer numa grade de cinco por cinco.

  --deal N     começa com a partida número N (0 a 4294967295) distribuída,
               no tipo de jogo escolhido por último
  --daily      começar com a partida do dia, a mesma para todos os jogadores
               na mesma data
  -h, --help   mostra esta ajuda e sai
  --version    mostra a versão e sai

As opções padrão do Qt, como -platform NOME ou -style NOME, também funcionam.
</translation>
    </message>
</context>
<context>
    <name>marnelok::FiguresTable</name>
    <message>
        <source>Games played</source>
        <translation>Partidas jogadas</translation>
    </message>
    <message>
        <source>Games finished</source>
        <translation>Partidas concluídas</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Partidas vencidas</translation>
    </message>
    <message>
        <source>Share won</source>
        <translation>Proporção de vitórias</translation>
    </message>
    <message>
        <source>Mean total</source>
        <translation>Pontuação média</translation>
    </message>
    <message>
        <source>Median total</source>
        <translation>Pontuação mediana</translation>
    </message>
    <message>
        <source>Best total</source>
        <translation>Melhor pontuação</translation>
    </message>
    <message>
        <source>Worst total</source>
        <translation>Pior pontuação</translation>
    </message>
    <message>
        <source>Current run of wins</source>
        <translation>Sequência atual de vitórias</translation>
    </message>
    <message>
        <source>Longest run of wins</source>
        <translation>Maior sequência de vitórias</translation>
    </message>
    <message>
        <source>Games played with hints</source>
        <translation>Partidas com dicas</translation>
    </message>
    <message>
        <source>All games</source>
        <translation>Todas as partidas</translation>
    </message>
    <message>
        <source>Regular</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Throw-down</source>
        <translation>Cartas lançadas</translation>
    </message>
    <message>
        <source>Totals count finished games. Hands count the ten lines of every finished game, with their share of all those lines. A game left early ends a run of wins.</source>
        <translation>As pontuações contam só as partidas concluídas. As mãos contam as dez fileiras (linhas e colunas) de cada partida concluída, com sua proporção entre todas essas fileiras. Uma partida abandonada antes do fim encerra a sequência de vitórias.</translation>
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
        <translation>Cartas lançadas</translation>
    </message>
    <message>
        <source>%1 (demo)</source>
        <translation>%1 (demo)</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>Não concluída</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Venceu</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Dicas</translation>
    </message>
    <message>
        <source>%1 (daily)</source>
        <extracomment>A game of the day&apos;s daily deal, in the list&apos;s Kind column.</extracomment>
        <translation>%1 (do dia)</translation>
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
        <translation>Análise da partida</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>The headings of the list of placements.</extracomment>
        <translation>Jogada</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Carta</translation>
    </message>
    <message>
        <source>Placed at</source>
        <translation>Colocada em</translation>
    </message>
    <message>
        <source>Best cell</source>
        <translation>Melhor casa</translation>
    </message>
    <message>
        <source>Expected total</source>
        <translation>Pontuação esperada</translation>
    </message>
    <message>
        <source>With the best cell</source>
        <translation>Com a melhor casa</translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation>Pontos perdidos</translation>
    </message>
    <message>
        <source>Costliest</source>
        <translation>Mais caras</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <extracomment>A cell of the grid in the list, rows and columns counted from 1 at the top left.</extracomment>
        <translation>Linha %1, coluna %2</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <extracomment>A cell of the grid within a sentence of the caption below the table.</extracomment>
        <translation>na linha %1, coluna %2</translation>
    </message>
    <message>
        <source>Thrown down</source>
        <translation>Lançada</translation>
    </message>
    <message>
        <source>Not judged</source>
        <translation>Não avaliada</translation>
    </message>
    <message>
        <source>Deal %1, regular game</source>
        <translation>Partida %1, jogo normal</translation>
    </message>
    <message>
        <source>Deal %1, throw-down game</source>
        <translation>Partida %1, jogo com cartas lançadas</translation>
    </message>
    <message>
        <source>The demo placed cards in this game.</source>
        <translation>A demonstração colocou cartas nesta partida.</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Pontuação: %1</translation>
    </message>
    <message>
        <source>Points lost: %1</source>
        <translation>Pontos perdidos: %1</translation>
    </message>
    <message>
        <source>Placements within half a point of the best: %1 of %2 (%3 %)</source>
        <translation>Jogadas no máximo meio ponto abaixo da melhor: %1 de %2 (%3 %)</translation>
    </message>
    <message>
        <source>Costliest placement (marked in the list): turn %1</source>
        <translation>Jogada mais cara (marcada na lista): jogada %1</translation>
    </message>
    <message>
        <source>Costliest placements (marked in the list): turns %1</source>
        <translation>Jogadas mais caras (marcadas na lista): jogadas %1</translation>
    </message>
    <message>
        <source>Every placement was within half a point of the best.</source>
        <translation>Todas as jogadas ficaram no máximo meio ponto abaixo da melhor.</translation>
    </message>
    <message>
        <source>Reading the game...</source>
        <translation>Lendo a partida...</translation>
    </message>
    <message>
        <source>Judging the placements: %v of %m</source>
        <extracomment>The progress bar&apos;s text: %v is the placements judged so far, %m all of them.</extracomment>
        <translation>Avaliando as jogadas: %v de %m</translation>
    </message>
    <message>
        <source>The history holds no finished game yet: finish a game, then review it.</source>
        <translation>O histórico ainda não tem nenhuma partida concluída: conclua uma partida e depois analise-a.</translation>
    </message>
    <message>
        <source>The review was stopped.</source>
        <translation>A análise foi interrompida.</translation>
    </message>
    <message>
        <source>The game cannot be reviewed: %1</source>
        <translation>Não é possível analisar a partida: %1</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>The review window&apos;s buttons; Cancel and Resume are one button at different times.</extracomment>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Retomar</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Turn %1: the %2 was thrown down before play, so it is not judged.</source>
        <extracomment>%2 is a card as the list shows it: 10♥, Q♠.</extracomment>
        <translation>Jogada %1: a carta %2 foi lançada antes do jogo, por isso não é avaliada.</translation>
    </message>
    <message>
        <source>Turn %1: the %2 went to %3. It has not been judged.</source>
        <translation>Jogada %1: a carta %2 foi colocada %3. Esta jogada ainda não foi avaliada.</translation>
    </message>
    <message>
        <source>Turn %1: the %2 went to %3, for an expected total of %4. The best cell was %5, for %6. Points lost: %7.</source>
        <translation>Jogada %1: a carta %2 foi colocada %3, com uma pontuação esperada de %4. A melhor casa ficava %5, com %6. Pontos perdidos: %7.</translation>
    </message>
    <message>
        <source>Solid magenta frame: where the card went. Dashed cyan frame: the advisor&apos;s best cell.</source>
        <translation>Moldura magenta contínua: onde a carta foi colocada. Moldura ciano tracejada: a melhor casa segundo o Marnelok.</translation>
    </message>
    <message>
        <source>Expected final total after each placement</source>
        <translation>Pontuação final esperada após cada jogada</translation>
    </message>
    <message>
        <source>As played</source>
        <translation>Como foi jogado</translation>
    </message>
    <message>
        <source>With the best placement</source>
        <translation>Com a melhor jogada</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Pontos</translation>
    </message>
    <message numerus="yes">
        <source>The review was stopped with %n of %1 placements judged; Resume finishes it.</source>
        <translation>
            <numerusform>A análise foi interrompida com %n jogada avaliada de %1; Retomar a conclui.</numerusform>
            <numerusform>A análise foi interrompida com %n jogadas avaliadas de %1; Retomar a conclui.</numerusform>
        </translation>
    </message>
    <message>
        <source>The advisor scored %1 on this deal: %2 against par</source>
        <translation>O conselheiro fez %1 nesta partida: %2 em relação ao par</translation>
    </message>
    <message>
        <source>Judging the placements</source>
        <translation>Avaliação das jogadas</translation>
    </message>
    <message>
        <source>The table at turn %1</source>
        <translation>A mesa na rodada %1</translation>
    </message>
</context>
<context>
    <name>marnelok::StatisticsCharts</name>
    <message>
        <source>Win: 150</source>
        <translation>Vitória: 150</translation>
    </message>
    <message>
        <source>Totals of finished games</source>
        <translation>Pontuações das partidas concluídas</translation>
    </message>
    <message>
        <source>Below 150</source>
        <translation>Abaixo de 150</translation>
    </message>
    <message>
        <source>150 or more</source>
        <translation>150 ou mais</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Pontuação</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Mean of the last 20 games</source>
        <translation>Média das últimas 20 partidas</translation>
    </message>
    <message>
        <source>Mean total</source>
        <translation>Pontuação média</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>No finished game yet</source>
        <translation>Nenhuma partida concluída ainda</translation>
    </message>
    <message>
        <source>%1 games, most between %2 and %3</source>
        <translation>%1 partidas, a maioria entre %2 e %3</translation>
    </message>
    <message>
        <source>%1 points, the latest %2</source>
        <translation>%1 pontos, o último %2</translation>
    </message>
</context>
<context>
    <name>marnelok::StatisticsParts</name>
    <message>
        <source>Against par</source>
        <extracomment>The title of the Statistics window&apos;s part on the games against the advisor&apos;s total.</extracomment>
        <translation>Em relação ao par</translation>
    </message>
    <message>
        <source>Daily</source>
        <extracomment>The title of the Statistics window&apos;s part on the daily deal.</extracomment>
        <translation>Do dia</translation>
    </message>
    <message>
        <source>Par is the advisor&apos;s total on the same deal. No finished game has its par yet.</source>
        <translation>O par é a pontuação do conselheiro na mesma partida. Nenhum jogo terminado tem seu par ainda.</translation>
    </message>
    <message>
        <source>Games at or above par: %1 of %2</source>
        <translation>Jogos no par ou acima: %1 de %2</translation>
    </message>
    <message>
        <source>Mean of total minus par: %1</source>
        <translation>Média da pontuação menos o par: %1</translation>
    </message>
    <message>
        <source>Best game against par: %1</source>
        <translation>Melhor jogo em relação ao par: %1</translation>
    </message>
    <message>
        <source>Today: not played yet</source>
        <translation>Hoje: ainda não jogado</translation>
    </message>
    <message>
        <source>Today: not finished yet</source>
        <translation>Hoje: ainda não terminado</translation>
    </message>
    <message>
        <source>Today: %1, par not yet known</source>
        <translation>Hoje: %1, par ainda desconhecido</translation>
    </message>
    <message>
        <source>Today: %1, par %2 (%3)</source>
        <translation>Hoje: %1, par %2 (%3)</translation>
    </message>
    <message>
        <source>Days played: %1</source>
        <translation>Dias jogados: %1</translation>
    </message>
    <message>
        <source>Current run of days: %1</source>
        <translation>Sequência atual de dias: %1</translation>
    </message>
    <message>
        <source>Longest run of days: %1</source>
        <translation>Maior sequência de dias: %1</translation>
    </message>
    <message>
        <source>Best daily total: %1</source>
        <translation>Melhor pontuação do dia: %1</translation>
    </message>
</context>
<context>
    <name>marnelok::StatisticsWindow</name>
    <message>
        <source>&amp;Play This Deal Again</source>
        <translation>&amp;Jogar esta partida de novo</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportar...</translation>
    </message>
    <message>
        <source>&amp;Reset Statistics</source>
        <translation>&amp;Zerar estatísticas</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Recent games (the %1 newest):</source>
        <translation>Partidas recentes (as %1 mais novas):</translation>
    </message>
    <message>
        <source>Reading the history...</source>
        <translation>Lendo o histórico...</translation>
    </message>
    <message>
        <source>Export Statistics</source>
        <translation>Exportar estatísticas</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Arquivos CSV (*.csv);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>The history could not be exported: %1</source>
        <translation>Não foi possível exportar o histórico: %1</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Do you really want to reset the statistics? Every game kept in the history is deleted. The High Scores are kept.</source>
        <translation>Deseja mesmo zerar as estatísticas? Todas as partidas guardadas no histórico serão apagadas. Os recordes são mantidos.</translation>
    </message>
    <message>
        <source>The history could not be reset: %1</source>
        <translation>Não foi possível zerar o histórico: %1</translation>
    </message>
    <message>
        <source>Re&amp;view</source>
        <translation>&amp;Analisar</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Números</translation>
    </message>
    <message>
        <source>Ignored rows: %1. The history holds rows with values that no game can make; they count in no figure, chart or list.</source>
        <translation>Linhas ignoradas: %1. O histórico tem linhas com valores que nenhuma partida pode produzir; elas não contam em nenhum número, gráfico ou lista.</translation>
    </message>
</context>
<context>
    <name>marnelok::TDonateForm</name>
    <message>
        <source>Make a Donation</source>
        <translation>Fazer uma doação</translation>
    </message>
    <message>
        <source>Yes, take me to the donations page now!</source>
        <translation>Sim, quero ir à página de doações agora!</translation>
    </message>
    <message>
        <source>I still have to check it a bit more, show this again in two weeks</source>
        <translation>Ainda quero avaliar mais, mostrar de novo em duas semanas</translation>
    </message>
    <message>
        <source>I already made a donation, don&apos;t show this dialog again</source>
        <translation>Já fiz uma doação, não mostrar mais</translation>
    </message>
    <message>
        <source>No, I don&apos;t want to donate, never show this dialog again</source>
        <translation>Não, não quero doar, nunca mais mostrar</translation>
    </message>
    <message>
        <source>Not now, notify me again in 1 day</source>
        <translation>Agora não, lembrar de novo em 1 dia</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Donating is completely optional, and the amount you give is entirely up to you.  Thank you.</source>
        <translation>Doar é totalmente opcional, e o valor fica inteiramente a seu critério. Obrigado.</translation>
    </message>
    <message>
        <source>Donations help offset the cost of running %1 and allow you to say &quot;thank you for a job well done&quot;. </source>
        <extracomment>%1 is the maker&apos;s site, &quot;www.marnelok.example&quot;. At most three lines in the dialog.</extracomment>
        <translation>As doações ajudam a cobrir os custos de manter %1 e são uma forma de dizer “obrigado pelo bom trabalho”.</translation>
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
        <translation>Desculpe! Para cartas grandes, a resolução da tela deve ser de pelo menos 800 x 600.</translation>
    </message>
    <message>
        <source>Marnelok 8.00 - Freeware Edition - Marnelok for Windows</source>
        <extracomment>The main window&apos;s title.</extracomment>
        <translation>Marnelok 8.00 - Edição Freeware - Marnelok para Windows</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Do you really want to reset the High Scores?</source>
        <translation>Deseja mesmo zerar os recordes?</translation>
    </message>
</context>
<context>
    <name>marnelok::TsplashForm</name>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Freeware Edition</source>
        <extracomment>Under the product&apos;s name on the splash and About window: one line of at most 265 pixels.</extracomment>
        <translation>Edição Freeware</translation>
    </message>
</context>
</TS>

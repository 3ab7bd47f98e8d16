<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CoreTexts</name>
    <message>
        <location filename="../src/ui/CoreTexts.cpp" line="+21"/>
        <source>You are out of credits...better borrow some!</source>
        <translation>Te has quedado sin créditos... ¡más vale que pidas algunos prestados!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No bet was placed!</source>
        <translation>¡No se ha hecho ninguna apuesta!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click on one of the Boxes!</source>
        <translation>¡Pulsa en uno de los cofres!</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>gold bars</source>
        <translation>lingotes de oro</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>knight</source>
        <translation>caballero</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>horse</source>
        <translation>caballo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>gold shield</source>
        <translation>escudo de oro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cross shield</source>
        <translation>escudo con cruz</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>scrolls</source>
        <translation>pergaminos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>swords</source>
        <translation>espadas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>skull</source>
        <translation>calavera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wild</source>
        <translation>Comodín</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>blank</source>
        <translation>vacío</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Apple Printers</source>
        <translation>Impresoras Apple</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brother Printers/Fax/Copiers</source>
        <translation>Impresoras/fax/copiadoras Brother</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Canon Printers/Fax/Copiers</source>
        <translation>Impresoras/fax/copiadoras Canon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Epson Printers</source>
        <translation>Impresoras Epson</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>HP Printers/Fax/Copiers</source>
        <translation>Impresoras/fax/copiadoras HP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lexmark Printers</source>
        <translation>Impresoras Lexmark</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IBM Printers</source>
        <translation>Impresoras IBM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Panasonic Printers/Fax/Copiers</source>
        <translation>Impresoras/fax/copiadoras Panasonic</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Xerox Printers/FAX/Copiers</source>
        <translation>Impresoras/fax/copiadoras Xerox</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other Brands</source>
        <translation>Otras marcas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save 40-80%</source>
        <translation>Ahorra un 40-80 %</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save 40-60%</source>
        <translation>Ahorra un 40-60 %</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save 50-80%</source>
        <translation>Ahorra un 50-80 %</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no saved-game slot %1.</source>
        <translation>No existe el espacio de guardado %1.</translation>
    </message>
</context>
<context>
    <name>FaceWidget</name>
    <message>
        <location filename="../src/presentation/FaceControls.h" line="+29"/>
        <source>Spin</source>
        <translation>Girar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spin — Enter or Space; puts the last stake in again</source>
        <translation>Girar — Intro o Espacio; vuelve a apostar lo mismo que la última vez</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bet 1</source>
        <translation>Apostar 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Put in one coin — B</source>
        <translation>Introducir una moneda — B</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bet 3</source>
        <translation>Apostar 3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Put in coins up to three and spin — M</source>
        <translation>Completar hasta tres monedas y girar — M</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coin slot</source>
        <translation>Ranura de monedas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coin slot: put in one coin</source>
        <translation>Ranura de monedas: introducir una moneda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nudge reel 1</source>
        <translation>Empujar el rodillo 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <location line="+2"/>
        <source>Nudge this reel down one symbol — 1/2/3</source>
        <translation>Empujar este rodillo un símbolo hacia abajo — 1/2/3</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Nudge reel 2</source>
        <translation>Empujar el rodillo 2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nudge reel 3</source>
        <translation>Empujar el rodillo 3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Credits: the coins you have to play with</source>
        <translation>Créditos: las monedas con las que puedes jugar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coins</source>
        <translation>Monedas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Coins: the coins in for the next spin</source>
        <translation>Monedas: las monedas apostadas en la próxima tirada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Winnings</source>
        <translation>Ganancias</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Winnings: the credits the last win paid</source>
        <translation>Ganancias: los créditos que pagó el último premio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nudges</source>
        <translation>Nudges</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Nudges: the nudges you hold</source>
        <translation>Nudges: los nudges de los que dispones</translation>
    </message>
    <message>
        <location filename="../src/ui/FaceAccessible.cpp" line="+64"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>spinning</source>
        <translation>girando</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reel %1: %2</source>
        <translation>Rodillo %1: %2</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>No spin yet.</source>
        <translation>Todavía no hay ninguna tirada.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The result of the last spin or nudge</source>
        <translation>El resultado de la última tirada o del último nudge</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Space spins, B bets one coin, M bets up to three, 1, 2 and 3 nudge. Tab reads the result, the reels and the meters.</source>
        <extracomment>Spoken by screen readers as the machine gets the keyboard focus.</extracomment>
        <translation>Espacio gira, B apuesta una moneda, M hasta tres, 1, 2 y 3 hacen un nudge. Tab lee el resultado, los rodillos y los contadores.</translation>
    </message>
    <message>
        <location filename="../src/ui/FaceWidget.cpp" line="+18"/>
        <source>Slot machine</source>
        <translation>Máquina tragaperras</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The maker&apos;s games page: %1</source>
        <translation>La página de juegos del fabricante: %1</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <location filename="../src/platform/HelpViewer.cpp" line="+103"/>
        <location line="+72"/>
        <location line="+10"/>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <location line="-76"/>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Find (Ctrl+F)</source>
        <translation>Buscar (Ctrl+F)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Smaller</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Larger</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Find Next</source>
        <translation>Buscar siguiente</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Cannot open the help file %1.</source>
        <translation>No se puede abrir el archivo de ayuda %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The help file %1 cannot be shown: %2.</source>
        <translation>No se puede mostrar el archivo de ayuda %1: %2.</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>  Not found</source>
        <translation>  No encontrado</translation>
    </message>
    <message>
        <location filename="../src/platform/ManualCheck.cpp" line="+331"/>
        <source>its markup is malformed</source>
        <translation>su marcado está mal formado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its tables are nested too deeply to be laid out</source>
        <translation>sus tablas están anidadas a demasiada profundidad para mostrarse</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its elements are nested too deeply to be laid out</source>
        <translation>sus elementos están anidados a demasiada profundidad para mostrarse</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its tables have too many cells to be laid out</source>
        <translation>sus tablas tienen demasiadas celdas para mostrarse</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it has too many elements to be laid out</source>
        <translation>tiene demasiados elementos para mostrarse</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it has too much text in one place to be laid out</source>
        <translation>tiene demasiado texto en un mismo lugar para mostrarse</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <location filename="../src/ui/HistoryWindow.cpp" line="+80"/>
        <source>What you have seen is unusually lucky: about 1 player in %1 sees this.</source>
        <translation>Lo que has visto es una suerte fuera de lo común: aproximadamente 1 de cada %1 jugadores ve algo así.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>What you have seen is unusually unlucky: about 1 player in %1 sees this.</source>
        <translation>Lo que has visto es una mala suerte fuera de lo común: aproximadamente 1 de cada %1 jugadores ve algo así.</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>What you have seen is well within what this machine does.</source>
        <translation>Lo que has visto está dentro de lo habitual en esta máquina.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>under a minute</source>
        <translation>menos de un minuto</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 min</source>
        <extracomment>Time played, abbreviated as a clock shows it; %1 is minutes.</extracomment>
        <translation>%1 min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 h %2 min</source>
        <extracomment>Time played, abbreviated; %1 is hours, %2 minutes (two digits).</extracomment>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+247"/>
        <source>Play History</source>
        <extracomment>The window of the player&apos;s past play: figures, a chart and how fair the machine was.</extracomment>
        <translation>Historial de juego</translation>
    </message>
    <message>
        <location line="-234"/>
        <source>Longest losing run:</source>
        <extracomment>Followed by a count of spins in a row that won nothing.</extracomment>
        <translation>Racha perdedora más larga:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Today:</source>
        <translation>Hoy:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In all:</source>
        <translation>En total:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Best wins</source>
        <translation>Mejores premios</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play</source>
        <extracomment>A group&apos;s title (noun): figures of the time and spins played.</extracomment>
        <translation>Juego</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&amp;Export…</source>
        <translation>&amp;Exportar…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;lear…</source>
        <translation>&amp;Borrar…</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This game</source>
        <translation>Esta partida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All games</source>
        <translation>Todas las partidas</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Show:</source>
        <translation>&amp;Mostrar:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Loading the history…</source>
        <extracomment>Shown while the play history is being read; the game plays on meanwhile.</extracomment>
        <translation>Cargando el historial…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Balance chart</source>
        <extracomment>The balance chart&apos;s name for screen readers.</extracomment>
        <translation>Gráfico del saldo</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Is it fair?</source>
        <translation>¿Es justo?</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Balance (credits minus borrowed)</source>
        <translation>Saldo (créditos menos préstamos)</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>No spins yet.</source>
        <extracomment>What a screen reader says of the balance chart before any spin.</extracomment>
        <translation>Aún no hay tiradas.</translation>
    </message>
    <message numerus="yes">
        <location line="+12"/>
        <source>The balance over %Ln spin(s): %1 at the start, %2 now, lowest %3, highest %4.</source>
        <extracomment>What a screen reader says of the balance chart: %Ln spins shown, then the balance (credits minus borrowed) at the first and the last of them, its lowest and its highest.</extracomment>
        <translation>
            <numerusform>El saldo en %Ln tirada: %1 al principio, %2 ahora, mínimo %3, máximo %4.</numerusform>
            <numerusform>El saldo en %Ln tiradas: %1 al principio, %2 ahora, mínimo %3, máximo %4.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+51"/>
        <source>You were paid back %1 of your bets (wins made by nudges left out). This machine pays back exactly %2 without nudges.</source>
        <extracomment>%1 the player&apos;s return; %2 the machine&apos;s exact return. Percentages with their sign.</extracomment>
        <translation>Se te ha devuelto el %1 de tus apuestas (sin contar las ganancias con empujones). Esta máquina devuelve exactamente el %2 sin empujones.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>At your stakes, 95 in 100 players after this many spins see between %1 and %2.</source>
        <extracomment>%1 and %2 percentages: the range of returns 95 in 100 players see.</extracomment>
        <translation>Con tus apuestas, 95 de cada 100 jugadores ven entre el %1 y el %2 tras tantas tiradas.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A player who nudges whenever a nudge can win is paid back about %1 over a very long run; that is an average, not a promise.</source>
        <extracomment>An average over very many spins, not what this player will get: never word it as a promise.</extracomment>
        <translation>Quien empuja siempre que un empujón puede ganar recupera alrededor del %1 a muy largo plazo; es un promedio, no una promesa.</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>Too few spins to tell yet: about %n more.</source>
        <extracomment>%n an estimate of the spins still needed before the comparison means anything.</extracomment>
        <translation>
            <numerusform>Aún hay muy pocas tiradas para saberlo: falta más o menos %n.</numerusform>
            <numerusform>Aún hay muy pocas tiradas para saberlo: faltan unas %n.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the history is empty or cannot be read</source>
        <translation>el historial está vacío o no se puede leer</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>play-history</source>
        <translation>historial-de-juego</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export Play History</source>
        <translation>Exportar el historial de juego</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The history could not be written to %1: %2.</source>
        <extracomment>%1 the file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>No se pudo escribir el historial en %1: %2.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Clear the play history? Every spin, borrow, pay-back and game it holds is removed for good. Your saved games stay as they are.</source>
        <translation>¿Borrar el historial de juego? Todas las tiradas, préstamos, devoluciones y partidas que contiene se eliminan para siempre. Tus partidas guardadas no cambian.</translation>
    </message>
    <message>
        <location line="-223"/>
        <source>Vault</source>
        <extracomment>The chart&apos;s marks for visits to the bonus vault.</extracomment>
        <translation>Cámara del tesoro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Game began</source>
        <translation>Inicio de partida</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Spins</source>
        <extracomment>The chart&apos;s horizontal axis: the spins played, counted.</extracomment>
        <translation>Tiradas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Credits</source>
        <extracomment>The chart&apos;s vertical axis: the player&apos;s balance in credits.</extracomment>
        <translation>Créditos</translation>
    </message>
    <message numerus="yes">
        <location line="+117"/>
        <source>%1 credits on %Ln coin(s), %2</source>
        <extracomment>One of the best wins: %1 credits won with %n coins bet, on the date and time %2.</extracomment>
        <translation>
            <numerusform>%1 créditos con %Ln moneda, %2</numerusform>
            <numerusform>%1 créditos con %Ln monedas, %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%Ln spin(s)</source>
        <extracomment>After &quot;Longest losing run:&quot;; %n spins in a row that won nothing.</extracomment>
        <translation>
            <numerusform>%Ln tirada</numerusform>
            <numerusform>%Ln tiradas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%Ln spin(s) in %1</source>
        <extracomment>After &quot;Today:&quot; or &quot;In all:&quot;; %n spins played in the time %1 (&quot;1 h 05 min&quot;).</extracomment>
        <translation>
            <numerusform>%Ln tirada en %1</numerusform>
            <numerusform>%Ln tiradas en %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+2"/>
        <source>No wins yet.</source>
        <translation>Todavía no hay premios.</translation>
    </message>
    <message>
        <location line="-141"/>
        <source>Borrowed</source>
        <translation>Prestado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paid back</source>
        <translation>Devuelto</translation>
    </message>
    <message>
        <location line="+157"/>
        <source>Play History: %1</source>
        <translation>Historial de juego: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Play a few spins to see how your results compare with the machine.</source>
        <translation>Juega unas cuantas tiradas para ver cómo se comparan tus resultados con la máquina.</translation>
    </message>
</context>
<context>
    <name>MusicCycle</name>
    <message>
        <location filename="../src/presentation/MusicCycle.cpp" line="+106"/>
        <source>Cannot play the music file &quot;%1&quot;: %2.</source>
        <translation>No se puede reproducir el archivo de música «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>PlayHistory</name>
    <message>
        <location filename="../src/history/PlayHistory.cpp" line="+275"/>
        <source>another program is using it</source>
        <translation>otro programa lo está usando</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is read-only</source>
        <translation>es de solo lectura</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is damaged or is not a database</source>
        <translation>está dañado o no es una base de datos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it cannot be opened</source>
        <translation>no se puede abrir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it cannot be read or written</source>
        <translation>no se puede leer ni escribir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is another program&apos;s database</source>
        <translation>es la base de datos de otro programa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is damaged</source>
        <translation>está dañado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its write-ahead log cannot be used</source>
        <translation>su registro de escritura anticipada no se puede usar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its folder cannot be created</source>
        <translation>no se puede crear su carpeta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its folder cannot be examined</source>
        <translation>no se puede examinar su carpeta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its folder is read-only</source>
        <translation>su carpeta es de solo lectura</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Qt&apos;s SQLite driver is not installed</source>
        <translation>el controlador SQLite de Qt no está instalado</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The play history cannot be kept in %1: %2. The game plays on without it.</source>
        <extracomment>%1 is the history file&apos;s path, %2 why it cannot be used (&quot;it is damaged&quot;).</extracomment>
        <translation>No se puede guardar el historial de juego en %1: %2. La partida continúa sin él.</translation>
    </message>
</context>
<context>
    <name>SpokenResult</name>
    <message numerus="yes">
        <location filename="../src/ui/SpokenTexts.cpp" line="+20"/>
        <source>Won %Ln credit(s).</source>
        <extracomment>Spoken after a spin; %n is every credit won. The paid lines were not named.</extracomment>
        <translation>
            <numerusform>Has ganado %Ln crédito.</numerusform>
            <numerusform>Has ganado %Ln créditos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the top line.</source>
        <extracomment>Spoken after a spin; %n is the credits won on the machine&apos;s top pay line.</extracomment>
        <translation>
            <numerusform>Has ganado %Ln crédito en la línea de arriba.</numerusform>
            <numerusform>Has ganado %Ln créditos en la línea de arriba.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the middle line.</source>
        <extracomment>Spoken after a spin; %n is the credits won on the middle pay line.</extracomment>
        <translation>
            <numerusform>Has ganado %Ln crédito en la línea del centro.</numerusform>
            <numerusform>Has ganado %Ln créditos en la línea del centro.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the bottom line.</source>
        <extracomment>Spoken after a spin; %n is the credits won on the bottom pay line.</extracomment>
        <translation>
            <numerusform>Has ganado %Ln crédito en la línea de abajo.</numerusform>
            <numerusform>Has ganado %Ln créditos en la línea de abajo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the top and middle lines.</source>
        <extracomment>Spoken after a spin; %n is the credits won on two pay lines together.</extracomment>
        <translation>
            <numerusform>Has ganado %Ln crédito en las líneas de arriba y del centro.</numerusform>
            <numerusform>Has ganado %Ln créditos en las líneas de arriba y del centro.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the top and bottom lines.</source>
        <extracomment>Spoken after a spin; %n is the credits won on two pay lines together.</extracomment>
        <translation>
            <numerusform>Has ganado %Ln crédito en las líneas de arriba y de abajo.</numerusform>
            <numerusform>Has ganado %Ln créditos en las líneas de arriba y de abajo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the middle and bottom lines.</source>
        <extracomment>Spoken after a spin; %n is the credits won on two pay lines together.</extracomment>
        <translation>
            <numerusform>Has ganado %Ln crédito en las líneas del centro y de abajo.</numerusform>
            <numerusform>Has ganado %Ln créditos en las líneas del centro y de abajo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on all three lines.</source>
        <extracomment>Spoken after a spin; %n is the credits won on the three pay lines together.</extracomment>
        <translation>
            <numerusform>Has ganado %Ln crédito en las tres líneas.</numerusform>
            <numerusform>Has ganado %Ln créditos en las tres líneas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Won %Ln credit(s) and %1 from the vault.</source>
        <extracomment>Spoken after a spin; %n is every credit won, %1 the part of it the bonus vault paid.</extracomment>
        <translation>
            <numerusform>Has ganado %Ln crédito y %1 de la cámara del tesoro.</numerusform>
            <numerusform>Has ganado %Ln créditos y %1 de la cámara del tesoro.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the top line and %1 from the vault.</source>
        <extracomment>Spoken after a spin; %n is every credit won, %1 the part of it the bonus vault paid.</extracomment>
        <translation>
            <numerusform>Has ganado %Ln crédito en la línea de arriba y %1 de la cámara del tesoro.</numerusform>
            <numerusform>Has ganado %Ln créditos en la línea de arriba y %1 de la cámara del tesoro.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the middle line and %1 from the vault.</source>
        <extracomment>Spoken after a spin; %n is every credit won, %1 the part of it the bonus vault paid.</extracomment>
        <translation>
            <numerusform>Has ganado %Ln crédito en la línea del centro y %1 de la cámara del tesoro.</numerusform>
            <numerusform>Has ganado %Ln créditos en la línea del centro y %1 de la cámara del tesoro.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the bottom line and %1 from the vault.</source>
        <extracomment>Spoken after a spin; %n is every credit won, %1 the part of it the bonus vault paid.</extracomment>
        <translation>
            <numerusform>Has ganado %Ln crédito en la línea de abajo y %1 de la cámara del tesoro.</numerusform>
            <numerusform>Has ganado %Ln créditos en la línea de abajo y %1 de la cámara del tesoro.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the top and middle lines and %1 from the vault.</source>
        <extracomment>Spoken after a spin; %n is every credit won, %1 the part of it the bonus vault paid.</extracomment>
        <translation>
            <numerusform>Has ganado %Ln crédito en las líneas de arriba y del centro y %1 de la cámara del tesoro.</numerusform>
            <numerusform>Has ganado %Ln créditos en las líneas de arriba y del centro y %1 de la cámara del tesoro.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the top and bottom lines and %1 from the vault.</source>
        <extracomment>Spoken after a spin; %n is every credit won, %1 the part of it the bonus vault paid.</extracomment>
        <translation>
            <numerusform>Has ganado %Ln crédito en las líneas de arriba y de abajo y %1 de la cámara del tesoro.</numerusform>
            <numerusform>Has ganado %Ln créditos en las líneas de arriba y de abajo y %1 de la cámara del tesoro.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the middle and bottom lines and %1 from the vault.</source>
        <extracomment>Spoken after a spin; %n is every credit won, %1 the part of it the bonus vault paid.</extracomment>
        <translation>
            <numerusform>Has ganado %Ln crédito en las líneas del centro y de abajo y %1 de la cámara del tesoro.</numerusform>
            <numerusform>Has ganado %Ln créditos en las líneas del centro y de abajo y %1 de la cámara del tesoro.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on all three lines and %1 from the vault.</source>
        <extracomment>Spoken after a spin; %n is every credit won, %1 the part of it the bonus vault paid.</extracomment>
        <translation>
            <numerusform>Has ganado %Ln crédito en las tres líneas y %1 de la cámara del tesoro.</numerusform>
            <numerusform>Has ganado %Ln créditos en las tres líneas y %1 de la cámara del tesoro.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no</source>
        <extracomment>A count of nudges as a word: none.</extracomment>
        <translation>cero</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>one</source>
        <extracomment>A count of nudges as a word (a nudge: one step of one reel).</extracomment>
        <translation>un</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>two</source>
        <extracomment>A count of nudges as a word.</extracomment>
        <translation>dos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>three</source>
        <extracomment>A count of nudges as a word.</extracomment>
        <translation>tres</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>four</source>
        <extracomment>A count of nudges as a word.</extracomment>
        <translation>cuatro</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>five</source>
        <extracomment>A count of nudges as a word.</extracomment>
        <translation>cinco</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>six</source>
        <extracomment>A count of nudges as a word.</extracomment>
        <translation>seis</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>seven</source>
        <extracomment>A count of nudges as a word.</extracomment>
        <translation>siete</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>eight</source>
        <extracomment>A count of nudges as a word.</extracomment>
        <translation>ocho</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>nine</source>
        <extracomment>A count of nudges as a word.</extracomment>
        <translation>nueve</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ten</source>
        <extracomment>A count of nudges as a word.</extracomment>
        <translation>diez</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>eleven</source>
        <extracomment>A count of nudges as a word.</extracomment>
        <translation>once</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>twelve</source>
        <extracomment>A count of nudges as a word.</extracomment>
        <translation>doce</translation>
    </message>
    <message numerus="yes">
        <location line="+29"/>
        <source>Won %Ln credit(s) from the vault.</source>
        <extracomment>Spoken after the bonus vault paid credits; %n is the credits.</extracomment>
        <translation>
            <numerusform>Has ganado %Ln crédito de la cámara del tesoro.</numerusform>
            <numerusform>Has ganado %Ln créditos de la cámara del tesoro.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%1 nudge(s) won.</source>
        <extracomment>Spoken after a spin; %1 is a count word (&quot;two&quot;), %n picks the plural form.</extracomment>
        <translation>
            <numerusform>Has ganado %1 nudge.</numerusform>
            <numerusform>Has ganado %1 nudges.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>The vault gave %1 nudge(s).</source>
        <extracomment>Spoken after the bonus vault&apos;s prize of nudges; %1 is a count word (&quot;six&quot;).</extracomment>
        <translation>
            <numerusform>La cámara del tesoro te ha dado %1 nudge.</numerusform>
            <numerusform>La cámara del tesoro te ha dado %1 nudges.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%Ln nudge(s) to use: press 1, 2 or 3.</source>
        <extracomment>Spoken while nudges may be used; the keys 1, 2 and 3 nudge the three reels.</extracomment>
        <translation>
            <numerusform>%Ln nudge por usar: pulsa 1, 2 o 3.</numerusform>
            <numerusform>%Ln nudges por usar: pulsa 1, 2 o 3.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No win.</source>
        <translation>Sin premio.</translation>
    </message>
</context>
<context>
    <name>TBorrowC</name>
    <message>
        <location filename="../src/ui/Borrow.cpp" line="+27"/>
        <source>Use this screen to borrow credits or pay back credits that you borrowed previously.  Click on the button representing the amount to borrow (or pay back).<byte value="xd"/>
<byte value="xd"/>
To switch between &quot;borrow&quot; and &quot;pay back&quot; select the mode.</source>
        <translation>Usa esta pantalla para pedir créditos prestados o para devolver los que pediste prestados antes.  Pulsa el botón que representa la cantidad que quieres pedir prestada (o devolver).<byte value="xd"/>
<byte value="xd"/>
Para cambiar entre «pedir prestado» y «devolver», selecciona el modo.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Choose an amount of at least 1 credit.</source>
        <translation>Elige una cantidad de al menos 1 crédito.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You cannot borrow that much: the meters cannot go past %1 credits.</source>
        <translation>No puedes pedir prestado tanto: los contadores no pasan de %1 créditos.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You do not have %1 credits!</source>
        <translation>¡No tienes %1 créditos!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You cannot pay back more credits than you have borrowed!</source>
        <translation>¡No puedes devolver más créditos de los que has pedido prestados!</translation>
    </message>
    <message numerus="yes">
        <location line="+13"/>
        <source>Borrowed %1 credit(s). Credits: %2. Borrowed: %3.</source>
        <extracomment>Said by screen readers after a borrow: %1 the amount, %2 the credits now, %3 what is owed now.</extracomment>
        <translation>
            <numerusform>%1 crédito prestado. Créditos: %2. Prestado: %3.</numerusform>
            <numerusform>%1 créditos prestados. Créditos: %2. Prestado: %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Paid back %1 credit(s). Credits: %2. Borrowed: %3.</source>
        <extracomment>Said by screen readers after a pay-back: %1 the amount, %2 the credits now, %3 what is still owed.</extracomment>
        <translation>
            <numerusform>%1 crédito devuelto. Créditos: %2. Prestado: %3.</numerusform>
            <numerusform>%1 créditos devueltos. Créditos: %2. Prestado: %3.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Use this form to borrow or pay back credits</source>
        <translation>Usa este formulario para pedir prestados o devolver créditos</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Mode:</source>
        <translation>Modo:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Borrow Credits</source>
        <translation>Pedir créditos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pay Back Credits</source>
        <translation>Devolver créditos</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message numerus="yes">
        <location line="+17"/>
        <source>Borrow %1 credit(s)</source>
        <extracomment>A chip&apos;s name for a screen reader; %1 is the chip&apos;s amount, which picks the form.</extracomment>
        <translation>
            <numerusform>Pedir prestado %1 crédito</numerusform>
            <numerusform>Pedir prestados %1 créditos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Pay back %1 credit(s)</source>
        <extracomment>A chip&apos;s name for a screen reader; %1 is the chip&apos;s amount, which picks the form.</extracomment>
        <translation>
            <numerusform>Devolver %1 crédito</numerusform>
            <numerusform>Devolver %1 créditos</numerusform>
        </translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Credits:</source>
        <translation>Créditos:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Borrowed:</source>
        <translation>Prestado:</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <location filename="../src/presentation/SoundMenu.cpp" line="+22"/>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <location filename="../src/ui/HelpMenuTexts.cpp" line="+11"/>
        <source>&amp;%1 Manual</source>
        <translation>&amp;Manual de %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Version:  %1</source>
        <translation>Versión:  %1</translation>
    </message>
    <message>
        <location filename="../src/ui/Unit1.cpp" line="+196"/>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Open Game</source>
        <translation>&amp;Abrir partida</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save Game</source>
        <translation>&amp;Guardar partida</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Borrow</source>
        <translation>&amp;Préstamo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Stats</source>
        <translation>&amp;Estadísticas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>His&amp;tory</source>
        <translation>&amp;Historial</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Payoffs</source>
        <translation>Pre&amp;mios</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inkf&amp;airn</source>
        <translation>Ink&amp;fairn</translation>
    </message>
    <message>
        <location filename="../src/ui/Unit1Help.cpp" line="+27"/>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Tumblewick Games Page</source>
        <translation>Página de juegos de &amp;Tumblewick</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Company Information</source>
        <translation>&amp;Información de la empresa</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Could not find a web browser on your system!</source>
        <translation>¡No se ha encontrado ningún navegador web en tu sistema!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please visit Tumblewick at:  %1</source>
        <translation>Visita Tumblewick en:  %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please visit:  %1</source>
        <translation>Visita:  %1</translation>
    </message>
    <message>
        <location filename="../src/ui/Unit1Play.cpp" line="+162"/>
        <source>The vault opens.</source>
        <translation>Se abre la cámara del tesoro.</translation>
    </message>
    <message>
        <location filename="../src/ui/HistoryFeed.cpp" line="+154"/>
        <source>The History window cannot be opened: %1. The game plays on without it.</source>
        <translation>No se puede abrir la ventana «Historial de juego»: %1. La partida continúa sin ella.</translation>
    </message>
</context>
<context>
    <name>TLoadSave</name>
    <message>
        <location filename="../src/ui/Save.cpp" line="+44"/>
        <source>Save a Game -- Select Game Slot</source>
        <translation>Guardar una partida – Elige un espacio de guardado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open a Game -- Select Game Slot</source>
        <translation>Abrir una partida – Elige un espacio de guardado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name for this saved game?</source>
        <translation>¿Nombre para esta partida guardada?</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Name of slot %1</source>
        <translation>Nombre del espacio %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>OK</source>
        <extracomment>The button that saves in or opens this slot; it has little room, beside the slot&apos;s name.</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message numerus="yes">
        <location line="+59"/>
        <source>%1 Credits</source>
        <extracomment>A saved game&apos;s credits; %1 is the number, which picks the form.</extracomment>
        <translation>
            <numerusform>%1 crédito</numerusform>
            <numerusform>%1 créditos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%1 Borrowed</source>
        <extracomment>A saved game&apos;s credits borrowed and not yet paid back; %1 is the number, which picks the form.</extracomment>
        <translation>
            <numerusform>%1 prestado</numerusform>
            <numerusform>%1 prestados</numerusform>
        </translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Empty</source>
        <extracomment>Said by screen readers of a save slot nothing was ever saved into.</extracomment>
        <translation>Vacío</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Save in slot %1, %2</source>
        <translation>Guardar en el espacio %1, %2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Open slot %1, %2</source>
        <translation>Abrir el espacio %1, %2</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Saved in slot %1, %2.</source>
        <extracomment>Said by screen readers once a game is saved: %1 the slot&apos;s number, %2 the name the game was saved under.</extracomment>
        <translation>Guardado en el espacio %1, %2.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Opened slot %1, %2. Credits: %3. Borrowed: %4.</source>
        <extracomment>Said by screen readers once a saved game is opened: %1 the slot&apos;s number, %2 the game&apos;s name, %3 its credits, %4 what it owes.</extracomment>
        <translation>Espacio %1 abierto, %2. Créditos: %3. Prestado: %4.</translation>
    </message>
</context>
<context>
    <name>TPaychart</name>
    <message>
        <location filename="../src/ui/Payoffs.cpp" line="+26"/>
        <source>The payoff chart %1 (%2 pixels) is larger than the screen (%3 pixels).</source>
        <translation>La tabla de premios %1 (%2 píxeles) es más grande que la pantalla (%3 píxeles).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The payoff chart %1 cannot be read.</source>
        <translation>No se puede leer la tabla de premios %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The payoff chart %1 is too large a picture for the game to hold.</source>
        <translation>La tabla de premios %1 es una imagen demasiado grande para el juego.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The payoff chart %1 is damaged or is not a JPEG picture.</source>
        <translation>La tabla de premios %1 está dañada o no es una imagen JPEG.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The built-in chart is shown instead.</source>
        <translation>En su lugar se muestra la tabla integrada.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Payoff Chart</source>
        <translation>Tabla de premios</translation>
    </message>
</context>
<context>
    <name>TPrinterForm</name>
    <message>
        <location filename="../src/ui/printerunit.cpp" line="+106"/>
        <source>Advertisement - Please Support our Sponsors</source>
        <translation>Publicidad - Apoya a nuestros patrocinadores</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Click your printer type above to save BIG bucks on printer cartridges.</source>
        <translation>Pulsa arriba en tu tipo de impresora y ahorra MUCHO dinero en cartuchos de impresora.</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Today&apos;s Inkjet Cartridge Special</source>
        <translation>Oferta del día en cartuchos de tinta</translation>
    </message>
</context>
<context>
    <name>TStatsForm</name>
    <message>
        <location filename="../src/ui/Stats.cpp" line="+38"/>
        <source>Spins:</source>
        <translation>Tiradas:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Credits:</source>
        <translation>Créditos:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Borrowed:</source>
        <translation>Prestado:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Total Bets:</source>
        <translation>Apuestas totales:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Payoffs:</source>
        <translation>Premios:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Normal:</source>
        <translation>Normales:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bonus:</source>
        <translation>Bonus:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Overall Payoff Percentage:</source>
        <translation>Porcentaje de retorno total:</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Your Game Statistics</source>
        <translation>Estadísticas de tu partida</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TTrickForm</name>
    <message>
        <location filename="../src/ui/Unit2.cpp" line="+81"/>
        <source>The vault</source>
        <translation>La cámara del tesoro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pick one of the five chests: keys 1 to 5, or Left and Right, then Enter</source>
        <translation>Elige uno de los cinco cofres: teclas 1 a 5, o Izquierda y Derecha, y luego Intro</translation>
    </message>
    <message>
        <location line="+174"/>
        <source>%1 Nudges</source>
        <translation>%1 nudges</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Credits</source>
        <translation>%1 créditos</translation>
    </message>
    <message>
        <location filename="../src/ui/VaultAccessible.cpp" line="+22"/>
        <source>large chest, front left</source>
        <translation>cofre grande, delante a la izquierda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>large chest, front right</source>
        <translation>cofre grande, delante a la derecha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>small chest, back right</source>
        <translation>cofre pequeño, detrás a la derecha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>small chest, back left</source>
        <translation>cofre pequeño, detrás a la izquierda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>middle chest</source>
        <translation>cofre del centro</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Chest %1: %2</source>
        <translation>Cofre %1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, opened: %2</source>
        <translation>%1, abierto: %2</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Chests</source>
        <translation>Cofres</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../src/ui/main.cpp" line="+28"/>
        <source>A three-reel casino slot machine.</source>
        <translation>Una máquina tragaperras de casino con tres rodillos.</translation>
    </message>
</context>
</TS>

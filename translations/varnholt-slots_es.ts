<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CoreTexts</name>
    <message>
        <location filename="../src/ui/CoreTexts.cpp" line="+21"/>
        <source>You are out of credits...better borrow some!</source>
        <translation>Se ha quedado sin créditos... ¡más vale que pida algunos prestados!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No bet was placed!</source>
        <translation>¡No se ha hecho ninguna apuesta!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click on one of the Boxes!</source>
        <translation>¡Pulse en uno de los cofres!</translation>
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
        <translation>Ahorre un 40-80 %</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save 40-60%</source>
        <translation>Ahorre un 40-60 %</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save 50-80%</source>
        <translation>Ahorre un 50-80 %</translation>
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
        <translation>Avanzar el rodillo 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <location line="+2"/>
        <source>Nudge this reel down one symbol — 1/2/3</source>
        <translation>Bajar este rodillo un símbolo — 1/2/3</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Nudge reel 2</source>
        <translation>Avanzar el rodillo 2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nudge reel 3</source>
        <translation>Avanzar el rodillo 3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Credits: the coins you have to play with</source>
        <translation>Créditos: las monedas con las que puede jugar</translation>
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
        <translation>Nudges: los nudges de los que dispone</translation>
    </message>
    <message>
        <location filename="../src/ui/FaceAccessible.cpp" line="+70"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+86"/>
        <source>spinning</source>
        <translation>girando</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reel %1: %2</source>
        <translation>Rodillo %1: %2</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>No spin yet.</source>
        <translation>Todavía no hay ninguna tirada.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The result of the last spin or nudge</source>
        <translation>El resultado de la última tirada o del último nudge</translation>
    </message>
    <message>
        <location line="+31"/>
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
        <location line="+5"/>
        <source>The help file %1 cannot be shown: %2.</source>
        <translation>No se puede mostrar el archivo de ayuda %1: %2.</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>  Not found</source>
        <translation>  No encontrado</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <location filename="../src/ui/HistoryWindow.cpp" line="+64"/>
        <source>What you have seen is unusually lucky: about 1 player in %1 sees this.</source>
        <translation>Lo que ha visto es una suerte fuera de lo común: aproximadamente 1 de cada %1 jugadores ve algo así.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>What you have seen is unusually unlucky: about 1 player in %1 sees this.</source>
        <translation>Lo que ha visto es una mala suerte fuera de lo común: aproximadamente 1 de cada %1 jugadores ve algo así.</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>What you have seen is well within what this machine does.</source>
        <translation>Lo que ha visto está dentro de lo habitual en esta máquina.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>under a minute</source>
        <translation>menos de un minuto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+135"/>
        <source>Play History</source>
        <translation>Historial de juego</translation>
    </message>
    <message>
        <location line="-123"/>
        <source>Longest losing run:</source>
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
        <location line="+1"/>
        <source>Play</source>
        <translation>Juego</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Is it fair?</source>
        <translation>¿Es justo?</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Balance (credits minus borrowed)</source>
        <translation>Saldo (créditos menos préstamos)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Borrowed or paid back</source>
        <translation>Préstamo o devolución</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vault</source>
        <translation>Cámara del tesoro</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Spins</source>
        <translation>Tiradas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>%1 credits on %2 coin, %3</source>
        <translation>%1 créditos con %2 moneda, %3</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 credits on %2 coins, %3</source>
        <translation>%1 créditos con %2 monedas, %3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No wins yet.</source>
        <translation>Todavía no hay premios.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 spins</source>
        <translation>%1 tiradas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 spin</source>
        <translation>%1 tirada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 spins in %2</source>
        <translation>%1 tiradas en %2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 spin in %2</source>
        <translation>%1 tirada en %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Play History: %1</source>
        <translation>Historial de juego: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Play a few spins to see how your results compare with the machine.</source>
        <translation>Juegue unas cuantas tiradas para ver cómo se comparan sus resultados con la máquina.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>You were paid back %1 of your bets (wins made by nudges left out). This machine pays back exactly %2 without nudges, and about %3 with nudges used well. At your stakes, 95 in 100 players after this many spins see between %4 and %5.</source>
        <translation>Se le ha devuelto el %1 de sus apuestas (sin contar los premios logrados con nudges). Esta máquina devuelve exactamente el %2 sin nudges y alrededor del %3 si los nudges se usan bien. Con sus apuestas, 95 de cada 100 jugadores ven, tras este número de tiradas, entre el %4 y el %5.</translation>
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
        <location filename="../src/history/PlayHistory.cpp" line="+127"/>
        <source>The play history cannot be kept in %1: %2. The game plays on without it.</source>
        <translation>No se puede guardar el historial de juego en %1: %2. La partida continúa sin él.</translation>
    </message>
</context>
<context>
    <name>SpokenResult</name>
    <message>
        <location filename="../src/ui/SpokenTexts.cpp" line="+37"/>
        <source>no</source>
        <translation>cero</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>one</source>
        <translation>un</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>two</source>
        <translation>dos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>three</source>
        <translation>tres</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>four</source>
        <translation>cuatro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>five</source>
        <translation>cinco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>six</source>
        <translation>seis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>seven</source>
        <translation>siete</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>eight</source>
        <translation>ocho</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>nine</source>
        <translation>nueve</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ten</source>
        <translation>diez</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>eleven</source>
        <translation>once</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>twelve</source>
        <translation>doce</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>top</source>
        <translation>de arriba</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>middle</source>
        <translation>del centro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bottom</source>
        <translation>de abajo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> on the %1 line</source>
        <translation> en la línea %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> on the %1 and %2 lines</source>
        <translation> en las líneas %1 y %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> on all three lines</source>
        <translation> en las tres líneas</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>won %1 credit</source>
        <translation>ha ganado %1 crédito</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>won %1 credits</source>
        <translation>ha ganado %1 créditos</translation>
    </message>
    <message>
        <location line="+7"/>
        <source> and %1 from the vault</source>
        <translation> y %1 de la cámara del tesoro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> from the vault</source>
        <translation> de la cámara del tesoro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 nudge won</source>
        <translation>ha ganado %1 nudge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 nudges won</source>
        <translation>ha ganado %1 nudges</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the vault gave %1 nudge</source>
        <translation>la cámara del tesoro le ha dado %1 nudge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the vault gave %1 nudges</source>
        <translation>la cámara del tesoro le ha dado %1 nudges</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no win</source>
        <translation>sin premio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 nudge to use: press 1, 2 or 3</source>
        <translation>%1 nudge por usar: pulse 1, 2 o 3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 nudges to use: press 1, 2 or 3</source>
        <translation>%1 nudges por usar: pulse 1, 2 o 3</translation>
    </message>
</context>
<context>
    <name>TBorrowC</name>
    <message>
        <location filename="../src/ui/Borrow.cpp" line="+26"/>
        <source>Use this screen to borrow credits or pay back credits that you borrowed previously.  Click on the button representing the amount to borrow (or pay back).<byte value="xd"/>
<byte value="xd"/>
To switch between &quot;borrow&quot; and &quot;pay back&quot; select the mode.</source>
        <translation>Use esta pantalla para pedir créditos prestados o para devolver los que pidió prestados antes.  Pulse el botón que representa la cantidad que desea pedir prestada (o devolver).<byte value="xd"/>
<byte value="xd"/>
Para cambiar entre «pedir prestado» y «devolver», seleccione el modo.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Choose an amount of at least 1 credit.</source>
        <translation>Elija una cantidad de al menos 1 crédito.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You cannot borrow that much: the meters cannot go past %1 credits.</source>
        <translation>No puede pedir prestado tanto: los contadores no pasan de %1 créditos.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You do not have %1 credits!</source>
        <translation>¡No tiene %1 créditos!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You cannot pay back more credits than you have borrowed!</source>
        <translation>¡No puede devolver más créditos de los que ha pedido prestados!</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Borrowed %1 credit. Credits: %2. Borrowed: %3.</source>
        <extracomment>Said by screen readers after a borrow: %1 the amount, %2 the credits now, %3 what is owed now.</extracomment>
        <translation>%1 crédito prestado. Créditos: %2. Prestado: %3.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Borrowed %1 credits. Credits: %2. Borrowed: %3.</source>
        <translation>%1 créditos prestados. Créditos: %2. Prestado: %3.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Paid back %1 credit. Credits: %2. Borrowed: %3.</source>
        <extracomment>Said by screen readers after a pay-back: %1 the amount, %2 the credits now, %3 what is still owed.</extracomment>
        <translation>%1 crédito devuelto. Créditos: %2. Prestado: %3.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Paid back %1 credits. Credits: %2. Borrowed: %3.</source>
        <translation>%1 créditos devueltos. Créditos: %2. Prestado: %3.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Use this form to borrow or pay back credits</source>
        <translation>Use este formulario para pedir prestados o devolver créditos</translation>
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
    <message>
        <location line="+15"/>
        <source>Borrow %1 credit</source>
        <translation>Pedir prestado %1 crédito</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pay back %1 credit</source>
        <translation>Devolver %1 crédito</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Borrow %1 credits</source>
        <translation>Pedir prestados %1 créditos</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pay back %1 credits</source>
        <translation>Devolver %1 créditos</translation>
    </message>
    <message>
        <location line="+34"/>
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
        <location filename="../src/ui/Unit1.cpp" line="+187"/>
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
        <location line="+6"/>
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
        <translation>¡No se ha encontrado ningún navegador web en su sistema!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please visit Tumblewick at:  %1</source>
        <translation>Visite Tumblewick en:  %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please visit:  %1</source>
        <translation>Visite:  %1</translation>
    </message>
    <message>
        <location filename="../src/ui/Unit1Play.cpp" line="+162"/>
        <source>The vault opens.</source>
        <translation>Se abre la cámara del tesoro.</translation>
    </message>
    <message>
        <location filename="../src/ui/Unit1History.cpp" line="+131"/>
        <source>The History window cannot be opened: %1. The game plays on without it.</source>
        <translation>No se puede abrir la ventana «Historial de juego»: %1. La partida continúa sin ella.</translation>
    </message>
</context>
<context>
    <name>TLoadSave</name>
    <message>
        <location filename="../src/ui/Save.cpp" line="+43"/>
        <source>Save a Game -- Select Game Slot</source>
        <translation>Guardar una partida – Elija un espacio de guardado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open a Game -- Select Game Slot</source>
        <translation>Abrir una partida – Elija un espacio de guardado</translation>
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
        <location line="+6"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>%1 Credits</source>
        <translation>%1 créditos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Borrowed</source>
        <translation>%1 prestados</translation>
    </message>
    <message>
        <location line="+11"/>
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
        <location filename="../src/ui/printerunit.cpp" line="+105"/>
        <source>Advertisement - Please Support our Sponsors</source>
        <translation>Publicidad - Apoye a nuestros patrocinadores</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Click your printer type above to save BIG bucks on printer cartridges.</source>
        <translation>Pulse arriba en su tipo de impresora y ahorre MUCHO dinero en cartuchos de impresora.</translation>
    </message>
    <message>
        <location line="+64"/>
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
        <translation>Estadísticas de su partida</translation>
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
        <translation>Elija uno de los cinco cofres: teclas 1 a 5, o Izquierda y Derecha, y luego Intro</translation>
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
        <location filename="../src/ui/VaultAccessible.cpp" line="+21"/>
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
        <location line="+26"/>
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
        <location filename="../src/ui/main.cpp" line="+29"/>
        <source>A three-reel casino slot machine.</source>
        <translation>Una máquina tragaperras de casino con tres rodillos.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CoreTexts</name>
    <message>
        <location filename="../src/ui/CoreTexts.cpp" line="+21"/>
        <source>You are out of credits...better borrow some!</source>
        <translation>Vous n’avez plus de crédits... mieux vaut en emprunter&#xa0;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No bet was placed!</source>
        <translation>Aucune mise n’a été placée&#xa0;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click on one of the Boxes!</source>
        <translation>Cliquez sur l’un des coffres&#xa0;!</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>gold bars</source>
        <translation>lingots d’or</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>knight</source>
        <translation>chevalier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>horse</source>
        <translation>cheval</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>gold shield</source>
        <translation>bouclier d’or</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cross shield</source>
        <translation>bouclier à croix</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>scrolls</source>
        <translation>parchemins</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>swords</source>
        <translation>épées</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>skull</source>
        <translation>crâne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wild</source>
        <translation>Wild</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>blank</source>
        <translation>vide</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Apple Printers</source>
        <translation>Imprimantes Apple</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brother Printers/Fax/Copiers</source>
        <translation>Imprimantes/fax/copieurs Brother</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Canon Printers/Fax/Copiers</source>
        <translation>Imprimantes/fax/copieurs Canon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Epson Printers</source>
        <translation>Imprimantes Epson</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>HP Printers/Fax/Copiers</source>
        <translation>Imprimantes/fax/copieurs HP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lexmark Printers</source>
        <translation>Imprimantes Lexmark</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IBM Printers</source>
        <translation>Imprimantes IBM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Panasonic Printers/Fax/Copiers</source>
        <translation>Imprimantes/fax/copieurs Panasonic</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Xerox Printers/FAX/Copiers</source>
        <translation>Imprimantes/fax/copieurs Xerox</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other Brands</source>
        <translation>Autres marques</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save 40-80%</source>
        <translation>Économisez 40 à 80&#xa0;%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save 40-60%</source>
        <translation>Économisez 40 à 60&#xa0;%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save 50-80%</source>
        <translation>Économisez 50 à 80&#xa0;%</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Unable to write to %1</source>
        <translation>Impossible d’écrire dans %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no saved-game slot %1.</source>
        <translation>Il n’y a pas d’emplacement %1 pour les parties enregistrées.</translation>
    </message>
</context>
<context>
    <name>FaceWidget</name>
    <message>
        <location filename="../src/presentation/FaceControls.h" line="+29"/>
        <source>Spin</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spin — Enter or Space; puts the last stake in again</source>
        <translation>Lancer — Entrée ou Espace&#xa0;; remet la dernière mise</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bet 1</source>
        <translation>Miser 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Put in one coin — B</source>
        <translation>Insérer une pièce — B</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bet 3</source>
        <translation>Miser 3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Put in coins up to three and spin — M</source>
        <translation>Insérer des pièces jusqu’à trois et lancer — M</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coin slot</source>
        <translation>Fente à pièces</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coin slot: put in one coin</source>
        <translation>Fente à pièces&#xa0;: insérer une pièce</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nudge reel 1</source>
        <translation>Pousser le rouleau 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <location line="+2"/>
        <source>Nudge this reel down one symbol — 1/2/3</source>
        <translation>Pousser ce rouleau d’un symbole vers le bas — 1/2/3</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Nudge reel 2</source>
        <translation>Pousser le rouleau 2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nudge reel 3</source>
        <translation>Pousser le rouleau 3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Credits</source>
        <translation>Crédits</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Credits: the coins you have to play with</source>
        <translation>Crédits&#xa0;: les pièces dont vous disposez pour jouer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coins</source>
        <translation>Pièces</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Coins: the coins in for the next spin</source>
        <translation>Pièces&#xa0;: les pièces misées pour le prochain tour</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Winnings</source>
        <translation>Gains</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Winnings: the credits the last win paid</source>
        <translation>Gains&#xa0;: les crédits rapportés par le dernier gain</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nudges</source>
        <translation>Nudges</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Nudges: the nudges you hold</source>
        <translation>Nudges&#xa0;: les nudges dont vous disposez</translation>
    </message>
    <message>
        <location filename="../src/ui/FaceAccessible.cpp" line="+64"/>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>spinning</source>
        <translation>en rotation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reel %1: %2</source>
        <translation>Rouleau %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>No spin yet.</source>
        <translation>Aucun tour joué pour l’instant.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The result of the last spin or nudge</source>
        <translation>Le résultat du dernier tour ou du dernier nudge</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Space spins, B bets one coin, M bets up to three, 1, 2 and 3 nudge. Tab reads the result, the reels and the meters.</source>
        <extracomment>Spoken by screen readers as the machine gets the keyboard focus.</extracomment>
        <translation>Espace lance, B mise une pièce, M jusqu’à trois, 1, 2 et 3 font un nudge. Tab lit le résultat, les rouleaux et les compteurs.</translation>
    </message>
    <message>
        <location filename="../src/ui/FaceWidget.cpp" line="+18"/>
        <source>Slot machine</source>
        <translation>Machine à sous</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The maker&apos;s games page: %1</source>
        <translation>La page des jeux du fabricant&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <location filename="../src/platform/HelpViewer.cpp" line="+103"/>
        <location line="+72"/>
        <location line="+10"/>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <location line="-76"/>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Find (Ctrl+F)</source>
        <translation>Rechercher (Ctrl+F)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Smaller</source>
        <translation>Plus petit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Larger</source>
        <translation>Plus grand</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Find Next</source>
        <translation>Occurrence suivante</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Cannot open the help file %1.</source>
        <translation>Impossible d’ouvrir le fichier d’aide %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The help file %1 cannot be shown: %2.</source>
        <translation>Le fichier d’aide %1 ne peut pas être affiché&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>  Not found</source>
        <translation>  Introuvable</translation>
    </message>
    <message>
        <location filename="../src/platform/ManualCheck.cpp" line="+331"/>
        <source>its markup is malformed</source>
        <translation>son balisage est mal formé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its tables are nested too deeply to be laid out</source>
        <translation>ses tableaux sont imbriqués trop profondément pour être mis en page</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its elements are nested too deeply to be laid out</source>
        <translation>ses éléments sont imbriqués trop profondément pour être mis en page</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its tables have too many cells to be laid out</source>
        <translation>ses tableaux ont trop de cellules pour être mis en page</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it has too many elements to be laid out</source>
        <translation>il a trop d’éléments pour être mis en page</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it has too much text in one place to be laid out</source>
        <translation>il a trop de texte au même endroit pour être mis en page</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <location filename="../src/ui/HistoryWindow.cpp" line="+80"/>
        <source>What you have seen is unusually lucky: about 1 player in %1 sees this.</source>
        <translation>Ce que vous avez vu est d’une chance inhabituelle&#xa0;: environ 1 joueur sur %1 voit cela.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>What you have seen is unusually unlucky: about 1 player in %1 sees this.</source>
        <translation>Ce que vous avez vu est d’une malchance inhabituelle&#xa0;: environ 1 joueur sur %1 voit cela.</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>What you have seen is well within what this machine does.</source>
        <translation>Ce que vous avez vu correspond tout à fait au comportement de cette machine.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>under a minute</source>
        <translation>moins d’une minute</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 min</source>
        <extracomment>Time played, abbreviated as a clock shows it; %1 is minutes.</extracomment>
        <translation>%1&#xa0;min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 h %2 min</source>
        <extracomment>Time played, abbreviated; %1 is hours, %2 minutes (two digits).</extracomment>
        <translation>%1&#xa0;h&#xa0;%2&#xa0;min</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+247"/>
        <source>Play History</source>
        <extracomment>The window of the player&apos;s past play: figures, a chart and how fair the machine was.</extracomment>
        <translation>Historique de jeu</translation>
    </message>
    <message>
        <location line="-234"/>
        <source>Longest losing run:</source>
        <extracomment>Followed by a count of spins in a row that won nothing.</extracomment>
        <translation>Plus longue série sans gain&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Today:</source>
        <translation>Aujourd’hui&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In all:</source>
        <translation>Au total&#xa0;:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Best wins</source>
        <translation>Meilleurs gains</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play</source>
        <extracomment>A group&apos;s title (noun): figures of the time and spins played.</extracomment>
        <translation>Jeu</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&amp;Export…</source>
        <translation>&amp;Exporter…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;lear…</source>
        <translation>E&amp;ffacer…</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This game</source>
        <translation>Cette partie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All games</source>
        <translation>Toutes les parties</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Show:</source>
        <translation>&amp;Afficher :</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Loading the history…</source>
        <extracomment>Shown while the play history is being read; the game plays on meanwhile.</extracomment>
        <translation>Chargement de l&apos;historique…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Balance chart</source>
        <extracomment>The balance chart&apos;s name for screen readers.</extracomment>
        <translation>Graphique du solde</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Is it fair?</source>
        <translation>Est-ce équitable&#xa0;?</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Balance (credits minus borrowed)</source>
        <translation>Solde (crédits moins emprunts)</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>No spins yet.</source>
        <extracomment>What a screen reader says of the balance chart before any spin.</extracomment>
        <translation>Aucun tour pour l’instant.</translation>
    </message>
    <message numerus="yes">
        <location line="+12"/>
        <source>The balance over %Ln spin(s): %1 at the start, %2 now, lowest %3, highest %4.</source>
        <extracomment>What a screen reader says of the balance chart: %Ln spins shown, then the balance (credits minus borrowed) at the first and the last of them, its lowest and its highest.</extracomment>
        <translation>
            <numerusform>Le solde sur %Ln tour&#xa0;: %1 au début, %2 maintenant, au plus bas %3, au plus haut %4.</numerusform>
            <numerusform>Le solde sur %Ln tours&#xa0;: %1 au début, %2 maintenant, au plus bas %3, au plus haut %4.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+51"/>
        <source>You were paid back %1 of your bets (wins made by nudges left out). This machine pays back exactly %2 without nudges.</source>
        <extracomment>%1 the player&apos;s return; %2 the machine&apos;s exact return. Percentages with their sign.</extracomment>
        <translation>On vous a rendu %1 de vos mises (gains obtenus par nudges non compris). Cette machine rend exactement %2 sans nudges.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>At your stakes, 95 in 100 players after this many spins see between %1 and %2.</source>
        <extracomment>%1 and %2 percentages: the range of returns 95 in 100 players see.</extracomment>
        <translation>À vos mises, 95 joueurs sur 100 voient entre %1 et %2 après autant de tours.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A player who nudges whenever a nudge can win is paid back about %1 over a very long run; that is an average, not a promise.</source>
        <extracomment>An average over very many spins, not what this player will get: never word it as a promise.</extracomment>
        <translation>Un joueur qui utilise un nudge chaque fois qu&apos;un nudge peut gagner récupère environ %1 sur une très longue durée ; c&apos;est une moyenne, pas une promesse.</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>Too few spins to tell yet: about %n more.</source>
        <extracomment>%n an estimate of the spins still needed before the comparison means anything.</extracomment>
        <translation>
            <numerusform>Trop peu de tours pour en juger : encore environ %n.</numerusform>
            <numerusform>Trop peu de tours pour en juger : encore environ %n.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the history is empty or cannot be read</source>
        <translation>l&apos;historique est vide ou illisible</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>play-history</source>
        <translation>historique-de-jeu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export Play History</source>
        <translation>Exporter l&apos;historique de jeu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The history could not be written to %1: %2.</source>
        <extracomment>%1 the file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>L&apos;historique n&apos;a pas pu être écrit dans %1 : %2.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Clear the play history? Every spin, borrow, pay-back and game it holds is removed for good. Your saved games stay as they are.</source>
        <translation>Effacer l&apos;historique de jeu ? Tous les tours, emprunts, remboursements et parties qu&apos;il contient sont supprimés définitivement. Vos parties enregistrées restent telles quelles.</translation>
    </message>
    <message>
        <location line="-223"/>
        <source>Vault</source>
        <extracomment>The chart&apos;s marks for visits to the bonus vault.</extracomment>
        <translation>Salle du trésor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Game began</source>
        <translation>Début de partie</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Spins</source>
        <extracomment>The chart&apos;s horizontal axis: the spins played, counted.</extracomment>
        <translation>Tours</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Credits</source>
        <extracomment>The chart&apos;s vertical axis: the player&apos;s balance in credits.</extracomment>
        <translation>Crédits</translation>
    </message>
    <message numerus="yes">
        <location line="+117"/>
        <source>%1 credits on %Ln coin(s), %2</source>
        <extracomment>One of the best wins: %1 credits won with %n coins bet, on the date and time %2.</extracomment>
        <translation>
            <numerusform>%1 crédits avec %Ln pièce, %2</numerusform>
            <numerusform>%1 crédits avec %Ln pièces, %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%Ln spin(s)</source>
        <extracomment>After &quot;Longest losing run:&quot;; %n spins in a row that won nothing.</extracomment>
        <translation>
            <numerusform>%Ln tour</numerusform>
            <numerusform>%Ln tours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%Ln spin(s) in %1</source>
        <extracomment>After &quot;Today:&quot; or &quot;In all:&quot;; %n spins played in the time %1 (&quot;1 h 05 min&quot;).</extracomment>
        <translation>
            <numerusform>%Ln tour en %1</numerusform>
            <numerusform>%Ln tours en %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+2"/>
        <source>No wins yet.</source>
        <translation>Aucun gain pour l’instant.</translation>
    </message>
    <message>
        <location line="-141"/>
        <source>Borrowed</source>
        <translation>Emprunté</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paid back</source>
        <translation>Remboursé</translation>
    </message>
    <message>
        <location line="+157"/>
        <source>Play History: %1</source>
        <translation>Historique de jeu&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Play a few spins to see how your results compare with the machine.</source>
        <translation>Jouez quelques tours pour comparer vos résultats à ceux de la machine.</translation>
    </message>
</context>
<context>
    <name>MusicCycle</name>
    <message>
        <location filename="../src/presentation/MusicCycle.cpp" line="+106"/>
        <source>Cannot play the music file &quot;%1&quot;: %2.</source>
        <translation>Impossible de lire le fichier musical «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>PlayHistory</name>
    <message>
        <location filename="../src/history/PlayHistory.cpp" line="+275"/>
        <source>another program is using it</source>
        <translation>un autre programme l&apos;utilise</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is read-only</source>
        <translation>il est en lecture seule</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is damaged or is not a database</source>
        <translation>il est endommagé ou n&apos;est pas une base de données</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it cannot be opened</source>
        <translation>il ne peut pas être ouvert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it cannot be read or written</source>
        <translation>il ne peut être ni lu ni écrit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is another program&apos;s database</source>
        <translation>c&apos;est la base de données d&apos;un autre programme</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is damaged</source>
        <translation>il est endommagé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its write-ahead log cannot be used</source>
        <translation>son journal d&apos;écriture anticipée est inutilisable</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its folder cannot be created</source>
        <translation>son dossier ne peut pas être créé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its folder cannot be examined</source>
        <translation>son dossier ne peut pas être examiné</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its folder is read-only</source>
        <translation>son dossier est en lecture seule</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Qt&apos;s SQLite driver is not installed</source>
        <translation>le pilote SQLite de Qt n&apos;est pas installé</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The play history cannot be kept in %1: %2. The game plays on without it.</source>
        <extracomment>%1 is the history file&apos;s path, %2 why it cannot be used (&quot;it is damaged&quot;).</extracomment>
        <translation>L’historique de jeu ne peut pas être conservé dans %1&#xa0;: %2. Le jeu continue sans lui.</translation>
    </message>
</context>
<context>
    <name>SpokenResult</name>
    <message numerus="yes">
        <location filename="../src/ui/SpokenTexts.cpp" line="+20"/>
        <source>Won %Ln credit(s).</source>
        <extracomment>Spoken after a spin; %n is every credit won. The paid lines were not named.</extracomment>
        <translation>
            <numerusform>%Ln crédit gagné.</numerusform>
            <numerusform>%Ln crédits gagnés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the top line.</source>
        <extracomment>Spoken after a spin; %n is the credits won on the machine&apos;s top pay line.</extracomment>
        <translation>
            <numerusform>%Ln crédit gagné sur la ligne du haut.</numerusform>
            <numerusform>%Ln crédits gagnés sur la ligne du haut.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the middle line.</source>
        <extracomment>Spoken after a spin; %n is the credits won on the middle pay line.</extracomment>
        <translation>
            <numerusform>%Ln crédit gagné sur la ligne du milieu.</numerusform>
            <numerusform>%Ln crédits gagnés sur la ligne du milieu.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the bottom line.</source>
        <extracomment>Spoken after a spin; %n is the credits won on the bottom pay line.</extracomment>
        <translation>
            <numerusform>%Ln crédit gagné sur la ligne du bas.</numerusform>
            <numerusform>%Ln crédits gagnés sur la ligne du bas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the top and middle lines.</source>
        <extracomment>Spoken after a spin; %n is the credits won on two pay lines together.</extracomment>
        <translation>
            <numerusform>%Ln crédit gagné sur les lignes du haut et du milieu.</numerusform>
            <numerusform>%Ln crédits gagnés sur les lignes du haut et du milieu.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the top and bottom lines.</source>
        <extracomment>Spoken after a spin; %n is the credits won on two pay lines together.</extracomment>
        <translation>
            <numerusform>%Ln crédit gagné sur les lignes du haut et du bas.</numerusform>
            <numerusform>%Ln crédits gagnés sur les lignes du haut et du bas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the middle and bottom lines.</source>
        <extracomment>Spoken after a spin; %n is the credits won on two pay lines together.</extracomment>
        <translation>
            <numerusform>%Ln crédit gagné sur les lignes du milieu et du bas.</numerusform>
            <numerusform>%Ln crédits gagnés sur les lignes du milieu et du bas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on all three lines.</source>
        <extracomment>Spoken after a spin; %n is the credits won on the three pay lines together.</extracomment>
        <translation>
            <numerusform>%Ln crédit gagné sur les trois lignes.</numerusform>
            <numerusform>%Ln crédits gagnés sur les trois lignes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Won %Ln credit(s) and %1 from the vault.</source>
        <extracomment>Spoken after a spin; %n is every credit won, %1 the part of it the bonus vault paid.</extracomment>
        <translation>
            <numerusform>%Ln crédit gagné et %1 dans la salle du trésor.</numerusform>
            <numerusform>%Ln crédits gagnés et %1 dans la salle du trésor.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the top line and %1 from the vault.</source>
        <extracomment>Spoken after a spin; %n is every credit won, %1 the part of it the bonus vault paid.</extracomment>
        <translation>
            <numerusform>%Ln crédit gagné sur la ligne du haut et %1 dans la salle du trésor.</numerusform>
            <numerusform>%Ln crédits gagnés sur la ligne du haut et %1 dans la salle du trésor.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the middle line and %1 from the vault.</source>
        <extracomment>Spoken after a spin; %n is every credit won, %1 the part of it the bonus vault paid.</extracomment>
        <translation>
            <numerusform>%Ln crédit gagné sur la ligne du milieu et %1 dans la salle du trésor.</numerusform>
            <numerusform>%Ln crédits gagnés sur la ligne du milieu et %1 dans la salle du trésor.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the bottom line and %1 from the vault.</source>
        <extracomment>Spoken after a spin; %n is every credit won, %1 the part of it the bonus vault paid.</extracomment>
        <translation>
            <numerusform>%Ln crédit gagné sur la ligne du bas et %1 dans la salle du trésor.</numerusform>
            <numerusform>%Ln crédits gagnés sur la ligne du bas et %1 dans la salle du trésor.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the top and middle lines and %1 from the vault.</source>
        <extracomment>Spoken after a spin; %n is every credit won, %1 the part of it the bonus vault paid.</extracomment>
        <translation>
            <numerusform>%Ln crédit gagné sur les lignes du haut et du milieu et %1 dans la salle du trésor.</numerusform>
            <numerusform>%Ln crédits gagnés sur les lignes du haut et du milieu et %1 dans la salle du trésor.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the top and bottom lines and %1 from the vault.</source>
        <extracomment>Spoken after a spin; %n is every credit won, %1 the part of it the bonus vault paid.</extracomment>
        <translation>
            <numerusform>%Ln crédit gagné sur les lignes du haut et du bas et %1 dans la salle du trésor.</numerusform>
            <numerusform>%Ln crédits gagnés sur les lignes du haut et du bas et %1 dans la salle du trésor.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the middle and bottom lines and %1 from the vault.</source>
        <extracomment>Spoken after a spin; %n is every credit won, %1 the part of it the bonus vault paid.</extracomment>
        <translation>
            <numerusform>%Ln crédit gagné sur les lignes du milieu et du bas et %1 dans la salle du trésor.</numerusform>
            <numerusform>%Ln crédits gagnés sur les lignes du milieu et du bas et %1 dans la salle du trésor.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on all three lines and %1 from the vault.</source>
        <extracomment>Spoken after a spin; %n is every credit won, %1 the part of it the bonus vault paid.</extracomment>
        <translation>
            <numerusform>%Ln crédit gagné sur les trois lignes et %1 dans la salle du trésor.</numerusform>
            <numerusform>%Ln crédits gagnés sur les trois lignes et %1 dans la salle du trésor.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no</source>
        <extracomment>A count of nudges as a word: none.</extracomment>
        <translation>aucun</translation>
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
        <translation>deux</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>three</source>
        <extracomment>A count of nudges as a word.</extracomment>
        <translation>trois</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>four</source>
        <extracomment>A count of nudges as a word.</extracomment>
        <translation>quatre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>five</source>
        <extracomment>A count of nudges as a word.</extracomment>
        <translation>cinq</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>six</source>
        <extracomment>A count of nudges as a word.</extracomment>
        <translation>six</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>seven</source>
        <extracomment>A count of nudges as a word.</extracomment>
        <translation>sept</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>eight</source>
        <extracomment>A count of nudges as a word.</extracomment>
        <translation>huit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>nine</source>
        <extracomment>A count of nudges as a word.</extracomment>
        <translation>neuf</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ten</source>
        <extracomment>A count of nudges as a word.</extracomment>
        <translation>dix</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>eleven</source>
        <extracomment>A count of nudges as a word.</extracomment>
        <translation>onze</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>twelve</source>
        <extracomment>A count of nudges as a word.</extracomment>
        <translation>douze</translation>
    </message>
    <message numerus="yes">
        <location line="+29"/>
        <source>Won %Ln credit(s) from the vault.</source>
        <extracomment>Spoken after the bonus vault paid credits; %n is the credits.</extracomment>
        <translation>
            <numerusform>%Ln crédit gagné dans la salle du trésor.</numerusform>
            <numerusform>%Ln crédits gagnés dans la salle du trésor.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%1 nudge(s) won.</source>
        <extracomment>Spoken after a spin; %1 is a count word (&quot;two&quot;), %n picks the plural form.</extracomment>
        <translation>
            <numerusform>%1 nudge gagné.</numerusform>
            <numerusform>%1 nudges gagnés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>The vault gave %1 nudge(s).</source>
        <extracomment>Spoken after the bonus vault&apos;s prize of nudges; %1 is a count word (&quot;six&quot;).</extracomment>
        <translation>
            <numerusform>La salle du trésor a donné %1 nudge.</numerusform>
            <numerusform>La salle du trésor a donné %1 nudges.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%Ln nudge(s) to use: press 1, 2 or 3.</source>
        <extracomment>Spoken while nudges may be used; the keys 1, 2 and 3 nudge the three reels.</extracomment>
        <translation>
            <numerusform>%Ln nudge à utiliser : appuyez sur 1, 2 ou 3.</numerusform>
            <numerusform>%Ln nudges à utiliser : appuyez sur 1, 2 ou 3.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No win.</source>
        <translation>Aucun gain.</translation>
    </message>
</context>
<context>
    <name>TBorrowC</name>
    <message>
        <location filename="../src/ui/Borrow.cpp" line="+27"/>
        <source>Use this screen to borrow credits or pay back credits that you borrowed previously.  Click on the button representing the amount to borrow (or pay back).<byte value="xd"/>
<byte value="xd"/>
To switch between &quot;borrow&quot; and &quot;pay back&quot; select the mode.</source>
        <translation>Cet écran permet d’emprunter des crédits ou de rembourser des crédits empruntés auparavant.  Cliquez sur le bouton du montant à emprunter (ou à rembourser).<byte value="xd"/>
<byte value="xd"/>
Pour passer de «&#xa0;emprunter&#xa0;» à «&#xa0;rembourser&#xa0;» et inversement, choisissez le mode.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Choose an amount of at least 1 credit.</source>
        <translation>Choisissez un montant d’au moins 1 crédit.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You cannot borrow that much: the meters cannot go past %1 credits.</source>
        <translation>Vous ne pouvez pas emprunter autant&#xa0;: les compteurs ne peuvent pas dépasser %1 crédits.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You do not have %1 credits!</source>
        <translation>Vous n’avez pas %1 crédits&#xa0;!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You cannot pay back more credits than you have borrowed!</source>
        <translation>Vous ne pouvez pas rembourser plus de crédits que vous n’en avez empruntés&#xa0;!</translation>
    </message>
    <message numerus="yes">
        <location line="+13"/>
        <source>Borrowed %1 credit(s). Credits: %2. Borrowed: %3.</source>
        <extracomment>Said by screen readers after a borrow: %1 the amount, %2 the credits now, %3 what is owed now.</extracomment>
        <translation>
            <numerusform>%1 crédit emprunté. Crédits&#xa0;: %2. Emprunté&#xa0;: %3.</numerusform>
            <numerusform>%1 crédits empruntés. Crédits&#xa0;: %2. Emprunté&#xa0;: %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Paid back %1 credit(s). Credits: %2. Borrowed: %3.</source>
        <extracomment>Said by screen readers after a pay-back: %1 the amount, %2 the credits now, %3 what is still owed.</extracomment>
        <translation>
            <numerusform>%1 crédit remboursé. Crédits&#xa0;: %2. Emprunté&#xa0;: %3.</numerusform>
            <numerusform>%1 crédits remboursés. Crédits&#xa0;: %2. Emprunté&#xa0;: %3.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Use this form to borrow or pay back credits</source>
        <translation>Emprunter ou rembourser des crédits</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Mode:</source>
        <translation>Mode&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Borrow Credits</source>
        <translation>Emprunter des crédits</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pay Back Credits</source>
        <translation>Rembourser des crédits</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message numerus="yes">
        <location line="+17"/>
        <source>Borrow %1 credit(s)</source>
        <extracomment>A chip&apos;s name for a screen reader; %1 is the chip&apos;s amount, which picks the form.</extracomment>
        <translation>
            <numerusform>Emprunter %1 crédit</numerusform>
            <numerusform>Emprunter %1 crédits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Pay back %1 credit(s)</source>
        <extracomment>A chip&apos;s name for a screen reader; %1 is the chip&apos;s amount, which picks the form.</extracomment>
        <translation>
            <numerusform>Rembourser %1 crédit</numerusform>
            <numerusform>Rembourser %1 crédits</numerusform>
        </translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Credits:</source>
        <translation>Crédits&#xa0;:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Borrowed:</source>
        <translation>Emprunté&#xa0;:</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <location filename="../src/presentation/SoundMenu.cpp" line="+22"/>
        <source>Sound</source>
        <translation>Effets sonores</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <location filename="../src/ui/HelpMenuTexts.cpp" line="+11"/>
        <source>&amp;%1 Manual</source>
        <translation>&amp;Manuel de %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Version:  %1</source>
        <translation>Version&#xa0;:  %1</translation>
    </message>
    <message>
        <location filename="../src/ui/Unit1.cpp" line="+196"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Open Game</source>
        <translation>&amp;Ouvrir une partie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save Game</source>
        <translation>&amp;Enregistrer la partie</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Borrow</source>
        <translation>&amp;Emprunter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Stats</source>
        <translation>&amp;Statistiques</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>His&amp;tory</source>
        <translation>&amp;Historique</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Payoffs</source>
        <translation>&amp;Gains</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inkf&amp;airn</source>
        <translation>&amp;Inkfairn</translation>
    </message>
    <message>
        <location filename="../src/ui/Unit1Help.cpp" line="+27"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Tumblewick Games Page</source>
        <translation>Page des jeux &amp;Tumblewick</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Company Information</source>
        <translation>&amp;Informations sur la société</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Could not find a web browser on your system!</source>
        <translation>Aucun navigateur web n’a été trouvé sur votre système&#xa0;!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please visit Tumblewick at:  %1</source>
        <translation>Rendez-vous sur le site de Tumblewick&#xa0;:  %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please visit:  %1</source>
        <translation>Rendez-vous sur&#xa0;:  %1</translation>
    </message>
    <message>
        <location filename="../src/ui/Unit1Play.cpp" line="+162"/>
        <source>The vault opens.</source>
        <translation>La salle du trésor s’ouvre.</translation>
    </message>
    <message>
        <location filename="../src/ui/HistoryFeed.cpp" line="+154"/>
        <source>The History window cannot be opened: %1. The game plays on without it.</source>
        <translation>La fenêtre «&#xa0;Historique de jeu&#xa0;» ne peut pas être ouverte&#xa0;: %1. Le jeu continue sans elle.</translation>
    </message>
</context>
<context>
    <name>TLoadSave</name>
    <message>
        <location filename="../src/ui/Save.cpp" line="+44"/>
        <source>Save a Game -- Select Game Slot</source>
        <translation>Enregistrer une partie – Choisir un emplacement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open a Game -- Select Game Slot</source>
        <translation>Ouvrir une partie – Choisir un emplacement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name for this saved game?</source>
        <translation>Nom de cette partie enregistrée&#xa0;?</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Name of slot %1</source>
        <translation>Nom de l’emplacement %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>OK</source>
        <extracomment>The button that saves in or opens this slot; it has little room, beside the slot&apos;s name.</extracomment>
        <translation>OK</translation>
    </message>
    <message numerus="yes">
        <location line="+59"/>
        <source>%1 Credits</source>
        <extracomment>A saved game&apos;s credits; %1 is the number, which picks the form.</extracomment>
        <translation>
            <numerusform>%1 crédit</numerusform>
            <numerusform>%1 crédits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%1 Borrowed</source>
        <extracomment>A saved game&apos;s credits borrowed and not yet paid back; %1 is the number, which picks the form.</extracomment>
        <translation>
            <numerusform>Emprunté&#xa0;: %1</numerusform>
            <numerusform>Emprunté&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Empty</source>
        <extracomment>Said by screen readers of a save slot nothing was ever saved into.</extracomment>
        <translation>Vide</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Save in slot %1, %2</source>
        <translation>Enregistrer dans l’emplacement %1, %2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Open slot %1, %2</source>
        <translation>Ouvrir l’emplacement %1, %2</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Saved in slot %1, %2.</source>
        <extracomment>Said by screen readers once a game is saved: %1 the slot&apos;s number, %2 the name the game was saved under.</extracomment>
        <translation>Enregistré dans l’emplacement %1, %2.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Opened slot %1, %2. Credits: %3. Borrowed: %4.</source>
        <extracomment>Said by screen readers once a saved game is opened: %1 the slot&apos;s number, %2 the game&apos;s name, %3 its credits, %4 what it owes.</extracomment>
        <translation>Emplacement %1 ouvert, %2. Crédits : %3. Emprunté : %4.</translation>
    </message>
</context>
<context>
    <name>TPaychart</name>
    <message>
        <location filename="../src/ui/Payoffs.cpp" line="+26"/>
        <source>The payoff chart %1 (%2 pixels) is larger than the screen (%3 pixels).</source>
        <translation>La table des gains %1 (%2 pixels) est plus grande que l’écran (%3 pixels).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The payoff chart %1 cannot be read.</source>
        <translation>La table des gains %1 ne peut pas être lue.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The payoff chart %1 is too large a picture for the game to hold.</source>
        <translation>La table des gains %1 est une image trop grande pour le jeu.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The payoff chart %1 is damaged or is not a JPEG picture.</source>
        <translation>La table des gains %1 est endommagée ou n’est pas une image JPEG.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The built-in chart is shown instead.</source>
        <translation>La table intégrée est affichée à la place.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Payoff Chart</source>
        <translation>Table des gains</translation>
    </message>
</context>
<context>
    <name>TPrinterForm</name>
    <message>
        <location filename="../src/ui/printerunit.cpp" line="+106"/>
        <source>Advertisement - Please Support our Sponsors</source>
        <translation>Publicité - Merci de soutenir nos sponsors</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Click your printer type above to save BIG bucks on printer cartridges.</source>
        <translation>Cliquez ci-dessus sur votre type d’imprimante pour économiser GROS sur les cartouches.</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Today&apos;s Inkjet Cartridge Special</source>
        <translation>Offre du jour&#xa0;: cartouches jet d’encre</translation>
    </message>
</context>
<context>
    <name>TStatsForm</name>
    <message>
        <location filename="../src/ui/Stats.cpp" line="+38"/>
        <source>Spins:</source>
        <translation>Tours&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Credits:</source>
        <translation>Crédits&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Borrowed:</source>
        <translation>Emprunté&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Total Bets:</source>
        <translation>Total des mises&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Payoffs:</source>
        <translation>Gains versés&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Normal:</source>
        <translation>Normaux&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bonus:</source>
        <translation>Bonus&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Overall Payoff Percentage:</source>
        <translation>Taux de retour global&#xa0;:</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Your Game Statistics</source>
        <translation>Vos statistiques de jeu</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TTrickForm</name>
    <message>
        <location filename="../src/ui/Unit2.cpp" line="+81"/>
        <source>The vault</source>
        <translation>La salle du trésor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pick one of the five chests: keys 1 to 5, or Left and Right, then Enter</source>
        <translation>Choisissez l’un des cinq coffres&#xa0;: touches 1 à 5, ou Gauche et Droite, puis Entrée</translation>
    </message>
    <message>
        <location line="+174"/>
        <source>%1 Nudges</source>
        <translation>%1 nudges</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Credits</source>
        <translation>%1 crédits</translation>
    </message>
    <message>
        <location filename="../src/ui/VaultAccessible.cpp" line="+22"/>
        <source>large chest, front left</source>
        <translation>grand coffre, devant à gauche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>large chest, front right</source>
        <translation>grand coffre, devant à droite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>small chest, back right</source>
        <translation>petit coffre, derrière à droite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>small chest, back left</source>
        <translation>petit coffre, derrière à gauche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>middle chest</source>
        <translation>coffre du milieu</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Chest %1: %2</source>
        <translation>Coffre %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, opened: %2</source>
        <translation>%1, ouvert&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Chests</source>
        <translation>Coffres</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../src/ui/main.cpp" line="+28"/>
        <source>A three-reel casino slot machine.</source>
        <translation>Une machine à sous de casino à trois rouleaux.</translation>
    </message>
</context>
</TS>

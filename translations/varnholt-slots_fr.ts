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
        <location filename="../src/ui/FaceAccessible.cpp" line="+70"/>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <location line="+86"/>
        <source>spinning</source>
        <translation>en rotation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reel %1: %2</source>
        <translation>Rouleau %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>No spin yet.</source>
        <translation>Aucun tour joué pour l’instant.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The result of the last spin or nudge</source>
        <translation>Le résultat du dernier tour ou du dernier nudge</translation>
    </message>
    <message>
        <location line="+31"/>
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
        <location line="+5"/>
        <source>The help file %1 cannot be shown: %2.</source>
        <translation>Le fichier d’aide %1 ne peut pas être affiché&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>  Not found</source>
        <translation>  Introuvable</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <location filename="../src/ui/HistoryWindow.cpp" line="+64"/>
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
        <location line="+2"/>
        <source>%1 min</source>
        <translation>%1&#xa0;min</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 h %2 min</source>
        <translation>%1&#xa0;h&#xa0;%2&#xa0;min</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+135"/>
        <source>Play History</source>
        <translation>Historique de jeu</translation>
    </message>
    <message>
        <location line="-123"/>
        <source>Longest losing run:</source>
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
        <location line="+1"/>
        <source>Play</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Is it fair?</source>
        <translation>Est-ce équitable&#xa0;?</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Balance (credits minus borrowed)</source>
        <translation>Solde (crédits moins emprunts)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Borrowed or paid back</source>
        <translation>Emprunt ou remboursement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vault</source>
        <translation>Salle du trésor</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Spins</source>
        <translation>Tours</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Credits</source>
        <translation>Crédits</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>%1 credits on %2 coin, %3</source>
        <translation>%1 crédits pour %2 pièce, %3</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 credits on %2 coins, %3</source>
        <translation>%1 crédits pour %2 pièces, %3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No wins yet.</source>
        <translation>Aucun gain pour l’instant.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 spins</source>
        <translation>%1 tours</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 spin</source>
        <translation>%1 tour</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 spins in %2</source>
        <translation>%1 tours en %2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 spin in %2</source>
        <translation>%1 tour en %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Play History: %1</source>
        <translation>Historique de jeu&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Play a few spins to see how your results compare with the machine.</source>
        <translation>Jouez quelques tours pour comparer vos résultats à ceux de la machine.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>You were paid back %1 of your bets (wins made by nudges left out). This machine pays back exactly %2 without nudges, and about %3 with nudges used well. At your stakes, 95 in 100 players after this many spins see between %4 and %5.</source>
        <translation>Vous avez récupéré %1 de vos mises (sans compter les gains obtenus grâce aux nudges). Cette machine rend exactement %2 sans nudges, et environ %3 avec des nudges bien utilisés. À vos mises, après autant de tours, 95 joueurs sur 100 obtiennent entre %4 et %5.</translation>
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
        <location filename="../src/history/PlayHistory.cpp" line="+127"/>
        <source>The play history cannot be kept in %1: %2. The game plays on without it.</source>
        <translation>L’historique de jeu ne peut pas être conservé dans %1&#xa0;: %2. Le jeu continue sans lui.</translation>
    </message>
</context>
<context>
    <name>SpokenResult</name>
    <message>
        <location filename="../src/ui/SpokenTexts.cpp" line="+37"/>
        <source>no</source>
        <translation>aucun</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>one</source>
        <translation>un</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>two</source>
        <translation>deux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>three</source>
        <translation>trois</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>four</source>
        <translation>quatre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>five</source>
        <translation>cinq</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>six</source>
        <translation>six</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>seven</source>
        <translation>sept</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>eight</source>
        <translation>huit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>nine</source>
        <translation>neuf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ten</source>
        <translation>dix</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>eleven</source>
        <translation>onze</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>twelve</source>
        <translation>douze</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>top</source>
        <translation>du haut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>middle</source>
        <translation>du milieu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bottom</source>
        <translation>du bas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> on the %1 line</source>
        <translation> sur la ligne %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> on the %1 and %2 lines</source>
        <translation> sur les lignes %1 et %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> on all three lines</source>
        <translation> sur les trois lignes</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>won %1 credit</source>
        <translation>%1 crédit gagné</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>won %1 credits</source>
        <translation>%1 crédits gagnés</translation>
    </message>
    <message>
        <location line="+7"/>
        <source> and %1 from the vault</source>
        <translation> et %1 dans la salle du trésor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> from the vault</source>
        <translation> dans la salle du trésor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 nudge won</source>
        <translation>%1 nudge gagné</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 nudges won</source>
        <translation>%1 nudges gagnés</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the vault gave %1 nudge</source>
        <translation>la salle du trésor a donné %1 nudge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the vault gave %1 nudges</source>
        <translation>la salle du trésor a donné %1 nudges</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no win</source>
        <translation>aucun gain</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 nudge to use: press 1, 2 or 3</source>
        <translation>%1 nudge à utiliser&#xa0;: appuyez sur 1, 2 ou 3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 nudges to use: press 1, 2 or 3</source>
        <translation>%1 nudges à utiliser&#xa0;: appuyez sur 1, 2 ou 3</translation>
    </message>
</context>
<context>
    <name>TBorrowC</name>
    <message>
        <location filename="../src/ui/Borrow.cpp" line="+26"/>
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
    <message>
        <location line="+13"/>
        <source>Borrowed %1 credit. Credits: %2. Borrowed: %3.</source>
        <extracomment>Said by screen readers after a borrow: %1 the amount, %2 the credits now, %3 what is owed now.</extracomment>
        <translation>%1 crédit emprunté. Crédits : %2. Emprunté : %3.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Borrowed %1 credits. Credits: %2. Borrowed: %3.</source>
        <translation>%1 crédits empruntés. Crédits : %2. Emprunté : %3.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Paid back %1 credit. Credits: %2. Borrowed: %3.</source>
        <extracomment>Said by screen readers after a pay-back: %1 the amount, %2 the credits now, %3 what is still owed.</extracomment>
        <translation>%1 crédit remboursé. Crédits : %2. Emprunté : %3.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Paid back %1 credits. Credits: %2. Borrowed: %3.</source>
        <translation>%1 crédits remboursés. Crédits : %2. Emprunté : %3.</translation>
    </message>
    <message>
        <location line="+12"/>
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
    <message>
        <location line="+15"/>
        <source>Borrow %1 credit</source>
        <translation>Emprunter %1 crédit</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pay back %1 credit</source>
        <translation>Rembourser %1 crédit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Borrow %1 credits</source>
        <translation>Emprunter %1 crédits</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pay back %1 credits</source>
        <translation>Rembourser %1 crédits</translation>
    </message>
    <message>
        <location line="+34"/>
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
        <location filename="../src/ui/Unit1.cpp" line="+187"/>
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
        <location line="+6"/>
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
        <location filename="../src/ui/Unit1History.cpp" line="+131"/>
        <source>The History window cannot be opened: %1. The game plays on without it.</source>
        <translation>La fenêtre «&#xa0;Historique de jeu&#xa0;» ne peut pas être ouverte&#xa0;: %1. Le jeu continue sans elle.</translation>
    </message>
</context>
<context>
    <name>TLoadSave</name>
    <message>
        <location filename="../src/ui/Save.cpp" line="+43"/>
        <source>Save a Game -- Select Game Slot</source>
        <translation>Enregistrer une partie -- Choisir un emplacement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open a Game -- Select Game Slot</source>
        <translation>Ouvrir une partie -- Choisir un emplacement</translation>
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
        <location line="+6"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>%1 Credits</source>
        <translation>%1 crédits</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Borrowed</source>
        <translation>Emprunté&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+11"/>
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
        <location filename="../src/ui/printerunit.cpp" line="+105"/>
        <source>Advertisement - Please Support our Sponsors</source>
        <translation>Publicité - Merci de soutenir nos sponsors</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Click your printer type above to save BIG bucks on printer cartridges.</source>
        <translation>Cliquez ci-dessus sur votre type d’imprimante pour économiser GROS sur les cartouches.</translation>
    </message>
    <message>
        <location line="+64"/>
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
        <location filename="../src/ui/VaultAccessible.cpp" line="+21"/>
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
        <location line="+26"/>
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
        <location filename="../src/ui/main.cpp" line="+29"/>
        <source>A three-reel casino slot machine.</source>
        <translation>Une machine à sous de casino à trois rouleaux.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CoreTexts</name>
    <message>
        <location filename="../src/ui/CoreTexts.cpp" line="+21"/>
        <source>You are out of credits...better borrow some!</source>
        <translation>Ihr Guthaben ist aufgebraucht … leihen Sie sich besser etwas!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No bet was placed!</source>
        <translation>Es wurde kein Einsatz gesetzt!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click on one of the Boxes!</source>
        <translation>Klicken Sie auf eine der Truhen!</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>gold bars</source>
        <translation>Goldbarren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>knight</source>
        <translation>Ritter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>horse</source>
        <translation>Pferd</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>gold shield</source>
        <translation>Goldschild</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cross shield</source>
        <translation>Kreuzschild</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>scrolls</source>
        <translation>Schriftrollen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>swords</source>
        <translation>Schwerter</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>skull</source>
        <translation>Totenkopf</translation>
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
        <translation>leer</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Apple Printers</source>
        <translation>Apple-Drucker</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brother Printers/Fax/Copiers</source>
        <translation>Brother-Drucker/Fax/Kopierer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Canon Printers/Fax/Copiers</source>
        <translation>Canon-Drucker/Fax/Kopierer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Epson Printers</source>
        <translation>Epson-Drucker</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>HP Printers/Fax/Copiers</source>
        <translation>HP-Drucker/Fax/Kopierer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lexmark Printers</source>
        <translation>Lexmark-Drucker</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IBM Printers</source>
        <translation>IBM-Drucker</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Panasonic Printers/Fax/Copiers</source>
        <translation>Panasonic-Drucker/Fax/Kopierer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Xerox Printers/FAX/Copiers</source>
        <translation>Xerox-Drucker/Fax/Kopierer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other Brands</source>
        <translation>Andere Marken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save 40-80%</source>
        <translation>40–80 % sparen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save 40-60%</source>
        <translation>40–60 % sparen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save 50-80%</source>
        <translation>50–80 % sparen</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Unable to write to %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no saved-game slot %1.</source>
        <translation>Es gibt keinen Speicherplatz %1.</translation>
    </message>
</context>
<context>
    <name>FaceWidget</name>
    <message>
        <location filename="../src/presentation/FaceControls.h" line="+29"/>
        <source>Spin</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spin — Enter or Space; puts the last stake in again</source>
        <translation>Drehen – Eingabe oder Leertaste; setzt den letzten Einsatz erneut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bet 1</source>
        <translation>Einsatz 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Put in one coin — B</source>
        <translation>Eine Münze einwerfen – B</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bet 3</source>
        <translation>Einsatz 3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Put in coins up to three and spin — M</source>
        <translation>Bis zu drei Münzen einwerfen und drehen – M</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coin slot</source>
        <translation>Münzschlitz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coin slot: put in one coin</source>
        <translation>Münzschlitz: eine Münze einwerfen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nudge reel 1</source>
        <translation>Walze 1 nudgen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <location line="+2"/>
        <source>Nudge this reel down one symbol — 1/2/3</source>
        <translation>Diese Walze um ein Symbol nach unten nudgen – 1/2/3</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Nudge reel 2</source>
        <translation>Walze 2 nudgen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nudge reel 3</source>
        <translation>Walze 3 nudgen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Credits</source>
        <translation>Guthaben</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Credits: the coins you have to play with</source>
        <translation>Guthaben: die Münzen, mit denen Sie spielen können</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coins</source>
        <translation>Münzen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Coins: the coins in for the next spin</source>
        <translation>Münzen: der Einsatz für die nächste Drehung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Winnings</source>
        <translation>Gewinn</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Winnings: the credits the last win paid</source>
        <translation>Gewinn: die Credits, die der letzte Gewinn ausgezahlt hat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nudges</source>
        <translation>Nudges</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Nudges: the nudges you hold</source>
        <translation>Nudges: die Nudges, die Sie haben</translation>
    </message>
    <message>
        <location filename="../src/ui/FaceAccessible.cpp" line="+64"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>spinning</source>
        <translation>dreht sich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reel %1: %2</source>
        <translation>Walze %1: %2</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>No spin yet.</source>
        <translation>Noch keine Drehung.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The result of the last spin or nudge</source>
        <translation>Das Ergebnis der letzten Drehung oder des letzten Nudges</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Space spins, B bets one coin, M bets up to three, 1, 2 and 3 nudge. Tab reads the result, the reels and the meters.</source>
        <extracomment>Spoken by screen readers as the machine gets the keyboard focus.</extracomment>
        <translation>Leertaste dreht, B setzt eine Münze, M bis zu drei, 1, 2 und 3 nudgen. Tab liest das Ergebnis, die Walzen und die Anzeigen vor.</translation>
    </message>
    <message>
        <location filename="../src/ui/FaceWidget.cpp" line="+18"/>
        <source>Slot machine</source>
        <translation>Spielautomat</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The maker&apos;s games page: %1</source>
        <translation>Die Spieleseite des Herstellers: %1</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <location filename="../src/platform/HelpViewer.cpp" line="+103"/>
        <location line="+72"/>
        <location line="+10"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location line="-76"/>
        <source>Manual</source>
        <translation>Handbuch</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Find (Ctrl+F)</source>
        <translation>Suchen (Strg+F)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Smaller</source>
        <translation>Kleiner</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Larger</source>
        <translation>Größer</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Find Next</source>
        <translation>Weitersuchen</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Cannot open the help file %1.</source>
        <translation>Die Hilfedatei %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The help file %1 cannot be shown: %2.</source>
        <translation>Die Hilfedatei %1 kann nicht angezeigt werden: %2.</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>  Not found</source>
        <translation>  Nicht gefunden</translation>
    </message>
    <message>
        <location filename="../src/platform/ManualCheck.cpp" line="+331"/>
        <source>its markup is malformed</source>
        <translation>ihr Markup ist fehlerhaft</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its tables are nested too deeply to be laid out</source>
        <translation>ihre Tabellen sind zu tief verschachtelt, um dargestellt zu werden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its elements are nested too deeply to be laid out</source>
        <translation>ihre Elemente sind zu tief verschachtelt, um dargestellt zu werden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its tables have too many cells to be laid out</source>
        <translation>ihre Tabellen haben zu viele Zellen, um dargestellt zu werden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it has too many elements to be laid out</source>
        <translation>sie hat zu viele Elemente, um dargestellt zu werden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it has too much text in one place to be laid out</source>
        <translation>sie hat zu viel Text an einer Stelle, um dargestellt zu werden</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <location filename="../src/ui/HistoryWindow.cpp" line="+80"/>
        <source>What you have seen is unusually lucky: about 1 player in %1 sees this.</source>
        <translation>Was Sie erlebt haben, ist ungewöhnlich glücklich: Etwa 1 Spieler von %1 erlebt das.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>What you have seen is unusually unlucky: about 1 player in %1 sees this.</source>
        <translation>Was Sie erlebt haben, ist ungewöhnlich unglücklich: Etwa 1 Spieler von %1 erlebt das.</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>What you have seen is well within what this machine does.</source>
        <translation>Was Sie erlebt haben, liegt gut im Rahmen dessen, was dieser Automat tut.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>under a minute</source>
        <translation>unter einer Minute</translation>
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
        <translation>Spielverlauf</translation>
    </message>
    <message>
        <location line="-234"/>
        <source>Longest losing run:</source>
        <extracomment>Followed by a count of spins in a row that won nothing.</extracomment>
        <translation>Längste Pechsträhne:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Today:</source>
        <translation>Heute:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In all:</source>
        <translation>Insgesamt:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Best wins</source>
        <translation>Höchste Gewinne</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play</source>
        <extracomment>A group&apos;s title (noun): figures of the time and spins played.</extracomment>
        <translation>Spiel</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&amp;Export…</source>
        <translation>&amp;Exportieren…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;lear…</source>
        <translation>&amp;Leeren…</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This game</source>
        <translation>Dieses Spiel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All games</source>
        <translation>Alle Spiele</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Show:</source>
        <translation>&amp;Zeigen:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Loading the history…</source>
        <extracomment>Shown while the play history is being read; the game plays on meanwhile.</extracomment>
        <translation>Der Verlauf wird geladen…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Balance chart</source>
        <extracomment>The balance chart&apos;s name for screen readers.</extracomment>
        <translation>Kontostandsdiagramm</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Is it fair?</source>
        <translation>Ist es fair?</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Balance (credits minus borrowed)</source>
        <translation>Bilanz (Guthaben minus Geliehenes)</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>No spins yet.</source>
        <extracomment>What a screen reader says of the balance chart before any spin.</extracomment>
        <translation>Noch keine Drehungen.</translation>
    </message>
    <message numerus="yes">
        <location line="+12"/>
        <source>The balance over %Ln spin(s): %1 at the start, %2 now, lowest %3, highest %4.</source>
        <extracomment>What a screen reader says of the balance chart: %Ln spins shown, then the balance (credits minus borrowed) at the first and the last of them, its lowest and its highest.</extracomment>
        <translation>
            <numerusform>Der Kontostand über %Ln Drehung: %1 zu Beginn, %2 jetzt, am niedrigsten %3, am höchsten %4.</numerusform>
            <numerusform>Der Kontostand über %Ln Drehungen: %1 zu Beginn, %2 jetzt, am niedrigsten %3, am höchsten %4.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+51"/>
        <source>You were paid back %1 of your bets (wins made by nudges left out). This machine pays back exactly %2 without nudges.</source>
        <extracomment>%1 the player&apos;s return; %2 the machine&apos;s exact return. Percentages with their sign.</extracomment>
        <translation>Ihnen wurden %1 Ihrer Einsätze ausgezahlt (Gewinne durch Nudges nicht mitgerechnet). Dieser Automat zahlt ohne Nudges genau %2 aus.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>At your stakes, 95 in 100 players after this many spins see between %1 and %2.</source>
        <extracomment>%1 and %2 percentages: the range of returns 95 in 100 players see.</extracomment>
        <translation>Bei Ihren Einsätzen sehen 95 von 100 Spielern nach so vielen Drehungen zwischen %1 und %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A player who nudges whenever a nudge can win is paid back about %1 over a very long run; that is an average, not a promise.</source>
        <extracomment>An average over very many spins, not what this player will get: never word it as a promise.</extracomment>
        <translation>Wer immer nudgt, wenn ein Nudge gewinnen kann, bekommt auf sehr lange Sicht etwa %1 zurück; das ist ein Durchschnitt, kein Versprechen.</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>Too few spins to tell yet: about %n more.</source>
        <extracomment>%n an estimate of the spins still needed before the comparison means anything.</extracomment>
        <translation>
            <numerusform>Noch zu wenige Drehungen für ein Urteil: etwa %n weitere.</numerusform>
            <numerusform>Noch zu wenige Drehungen für ein Urteil: etwa %n weitere.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the history is empty or cannot be read</source>
        <translation>der Verlauf ist leer oder nicht lesbar</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>play-history</source>
        <translation>spielverlauf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export Play History</source>
        <translation>Spielverlauf exportieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The history could not be written to %1: %2.</source>
        <extracomment>%1 the file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Der Verlauf konnte nicht nach %1 geschrieben werden: %2.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Clear the play history? Every spin, borrow, pay-back and game it holds is removed for good. Your saved games stay as they are.</source>
        <translation>Spielverlauf leeren? Alle Drehungen, Leihen, Rückzahlungen und Spiele darin werden endgültig entfernt. Ihre gespeicherten Spiele bleiben, wie sie sind.</translation>
    </message>
    <message>
        <location line="-223"/>
        <source>Vault</source>
        <extracomment>The chart&apos;s marks for visits to the bonus vault.</extracomment>
        <translation>Tresor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Game began</source>
        <translation>Spiel begonnen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Spins</source>
        <extracomment>The chart&apos;s horizontal axis: the spins played, counted.</extracomment>
        <translation>Drehungen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Credits</source>
        <extracomment>The chart&apos;s vertical axis: the player&apos;s balance in credits.</extracomment>
        <translation>Guthaben</translation>
    </message>
    <message numerus="yes">
        <location line="+117"/>
        <source>%1 credits on %Ln coin(s), %2</source>
        <extracomment>One of the best wins: %1 credits won with %n coins bet, on the date and time %2.</extracomment>
        <translation>
            <numerusform>%1 Credits mit %Ln Münze, %2</numerusform>
            <numerusform>%1 Credits mit %Ln Münzen, %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%Ln spin(s)</source>
        <extracomment>After &quot;Longest losing run:&quot;; %n spins in a row that won nothing.</extracomment>
        <translation>
            <numerusform>%Ln Drehung</numerusform>
            <numerusform>%Ln Drehungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%Ln spin(s) in %1</source>
        <extracomment>After &quot;Today:&quot; or &quot;In all:&quot;; %n spins played in the time %1 (&quot;1 h 05 min&quot;).</extracomment>
        <translation>
            <numerusform>%Ln Drehung in %1</numerusform>
            <numerusform>%Ln Drehungen in %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+2"/>
        <source>No wins yet.</source>
        <translation>Noch keine Gewinne.</translation>
    </message>
    <message>
        <location line="-141"/>
        <source>Borrowed</source>
        <translation>Geliehen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paid back</source>
        <translation>Zurückgezahlt</translation>
    </message>
    <message>
        <location line="+157"/>
        <source>Play History: %1</source>
        <translation>Spielverlauf: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Play a few spins to see how your results compare with the machine.</source>
        <translation>Spielen Sie ein paar Runden, um zu sehen, wie Ihre Ergebnisse im Vergleich zum Automaten abschneiden.</translation>
    </message>
</context>
<context>
    <name>MusicCycle</name>
    <message>
        <location filename="../src/presentation/MusicCycle.cpp" line="+106"/>
        <source>Cannot play the music file &quot;%1&quot;: %2.</source>
        <translation>Die Musikdatei „%1“ kann nicht abgespielt werden: %2.</translation>
    </message>
</context>
<context>
    <name>PlayHistory</name>
    <message>
        <location filename="../src/history/PlayHistory.cpp" line="+275"/>
        <source>another program is using it</source>
        <translation>ein anderes Programm benutzt sie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is read-only</source>
        <translation>sie ist schreibgeschützt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is damaged or is not a database</source>
        <translation>sie ist beschädigt oder keine Datenbank</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it cannot be opened</source>
        <translation>sie lässt sich nicht öffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it cannot be read or written</source>
        <translation>sie lässt sich nicht lesen oder schreiben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is another program&apos;s database</source>
        <translation>sie ist die Datenbank eines anderen Programms</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is damaged</source>
        <translation>sie ist beschädigt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its write-ahead log cannot be used</source>
        <translation>ihr Write-Ahead-Log lässt sich nicht verwenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its folder cannot be created</source>
        <translation>ihr Ordner lässt sich nicht anlegen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its folder cannot be examined</source>
        <translation>ihr Ordner lässt sich nicht prüfen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its folder is read-only</source>
        <translation>ihr Ordner ist schreibgeschützt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is not a regular file</source>
        <translation>sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Qt&apos;s SQLite driver is not installed</source>
        <translation>Qts SQLite-Treiber ist nicht installiert</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The play history cannot be kept in %1: %2. The game plays on without it.</source>
        <extracomment>%1 is the history file&apos;s path, %2 why it cannot be used (&quot;it is damaged&quot;).</extracomment>
        <translation>Der Spielverlauf kann nicht in %1 gespeichert werden: %2. Das Spiel läuft ohne ihn weiter.</translation>
    </message>
</context>
<context>
    <name>SpokenResult</name>
    <message numerus="yes">
        <location filename="../src/ui/SpokenTexts.cpp" line="+20"/>
        <source>Won %Ln credit(s).</source>
        <extracomment>Spoken after a spin; %n is every credit won. The paid lines were not named.</extracomment>
        <translation>
            <numerusform>%Ln Credit gewonnen.</numerusform>
            <numerusform>%Ln Credits gewonnen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the top line.</source>
        <extracomment>Spoken after a spin; %n is the credits won on the machine&apos;s top pay line.</extracomment>
        <translation>
            <numerusform>%Ln Credit auf der oberen Linie gewonnen.</numerusform>
            <numerusform>%Ln Credits auf der oberen Linie gewonnen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the middle line.</source>
        <extracomment>Spoken after a spin; %n is the credits won on the middle pay line.</extracomment>
        <translation>
            <numerusform>%Ln Credit auf der mittleren Linie gewonnen.</numerusform>
            <numerusform>%Ln Credits auf der mittleren Linie gewonnen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the bottom line.</source>
        <extracomment>Spoken after a spin; %n is the credits won on the bottom pay line.</extracomment>
        <translation>
            <numerusform>%Ln Credit auf der unteren Linie gewonnen.</numerusform>
            <numerusform>%Ln Credits auf der unteren Linie gewonnen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the top and middle lines.</source>
        <extracomment>Spoken after a spin; %n is the credits won on two pay lines together.</extracomment>
        <translation>
            <numerusform>%Ln Credit auf der oberen und der mittleren Linie gewonnen.</numerusform>
            <numerusform>%Ln Credits auf der oberen und der mittleren Linie gewonnen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the top and bottom lines.</source>
        <extracomment>Spoken after a spin; %n is the credits won on two pay lines together.</extracomment>
        <translation>
            <numerusform>%Ln Credit auf der oberen und der unteren Linie gewonnen.</numerusform>
            <numerusform>%Ln Credits auf der oberen und der unteren Linie gewonnen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the middle and bottom lines.</source>
        <extracomment>Spoken after a spin; %n is the credits won on two pay lines together.</extracomment>
        <translation>
            <numerusform>%Ln Credit auf der mittleren und der unteren Linie gewonnen.</numerusform>
            <numerusform>%Ln Credits auf der mittleren und der unteren Linie gewonnen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on all three lines.</source>
        <extracomment>Spoken after a spin; %n is the credits won on the three pay lines together.</extracomment>
        <translation>
            <numerusform>%Ln Credit auf allen drei Linien gewonnen.</numerusform>
            <numerusform>%Ln Credits auf allen drei Linien gewonnen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Won %Ln credit(s) and %1 from the vault.</source>
        <extracomment>Spoken after a spin; %n is every credit won, %1 the part of it the bonus vault paid.</extracomment>
        <translation>
            <numerusform>%Ln Credit gewonnen, davon %1 aus dem Tresor.</numerusform>
            <numerusform>%Ln Credits gewonnen, davon %1 aus dem Tresor.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the top line and %1 from the vault.</source>
        <extracomment>Spoken after a spin; %n is every credit won, %1 the part of it the bonus vault paid.</extracomment>
        <translation>
            <numerusform>%Ln Credit gewonnen auf der oberen Linie, davon %1 aus dem Tresor.</numerusform>
            <numerusform>%Ln Credits gewonnen auf der oberen Linie, davon %1 aus dem Tresor.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the middle line and %1 from the vault.</source>
        <extracomment>Spoken after a spin; %n is every credit won, %1 the part of it the bonus vault paid.</extracomment>
        <translation>
            <numerusform>%Ln Credit gewonnen auf der mittleren Linie, davon %1 aus dem Tresor.</numerusform>
            <numerusform>%Ln Credits gewonnen auf der mittleren Linie, davon %1 aus dem Tresor.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the bottom line and %1 from the vault.</source>
        <extracomment>Spoken after a spin; %n is every credit won, %1 the part of it the bonus vault paid.</extracomment>
        <translation>
            <numerusform>%Ln Credit gewonnen auf der unteren Linie, davon %1 aus dem Tresor.</numerusform>
            <numerusform>%Ln Credits gewonnen auf der unteren Linie, davon %1 aus dem Tresor.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the top and middle lines and %1 from the vault.</source>
        <extracomment>Spoken after a spin; %n is every credit won, %1 the part of it the bonus vault paid.</extracomment>
        <translation>
            <numerusform>%Ln Credit gewonnen auf der oberen und der mittleren Linie, davon %1 aus dem Tresor.</numerusform>
            <numerusform>%Ln Credits gewonnen auf der oberen und der mittleren Linie, davon %1 aus dem Tresor.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the top and bottom lines and %1 from the vault.</source>
        <extracomment>Spoken after a spin; %n is every credit won, %1 the part of it the bonus vault paid.</extracomment>
        <translation>
            <numerusform>%Ln Credit gewonnen auf der oberen und der unteren Linie, davon %1 aus dem Tresor.</numerusform>
            <numerusform>%Ln Credits gewonnen auf der oberen und der unteren Linie, davon %1 aus dem Tresor.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the middle and bottom lines and %1 from the vault.</source>
        <extracomment>Spoken after a spin; %n is every credit won, %1 the part of it the bonus vault paid.</extracomment>
        <translation>
            <numerusform>%Ln Credit gewonnen auf der mittleren und der unteren Linie, davon %1 aus dem Tresor.</numerusform>
            <numerusform>%Ln Credits gewonnen auf der mittleren und der unteren Linie, davon %1 aus dem Tresor.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on all three lines and %1 from the vault.</source>
        <extracomment>Spoken after a spin; %n is every credit won, %1 the part of it the bonus vault paid.</extracomment>
        <translation>
            <numerusform>%Ln Credit gewonnen auf allen drei Linien, davon %1 aus dem Tresor.</numerusform>
            <numerusform>%Ln Credits gewonnen auf allen drei Linien, davon %1 aus dem Tresor.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no</source>
        <extracomment>A count of nudges as a word: none.</extracomment>
        <translation>kein</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>one</source>
        <extracomment>A count of nudges as a word (a nudge: one step of one reel).</extracomment>
        <translation>ein</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>two</source>
        <extracomment>A count of nudges as a word.</extracomment>
        <translation>zwei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>three</source>
        <extracomment>A count of nudges as a word.</extracomment>
        <translation>drei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>four</source>
        <extracomment>A count of nudges as a word.</extracomment>
        <translation>vier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>five</source>
        <extracomment>A count of nudges as a word.</extracomment>
        <translation>fünf</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>six</source>
        <extracomment>A count of nudges as a word.</extracomment>
        <translation>sechs</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>seven</source>
        <extracomment>A count of nudges as a word.</extracomment>
        <translation>sieben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>eight</source>
        <extracomment>A count of nudges as a word.</extracomment>
        <translation>acht</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>nine</source>
        <extracomment>A count of nudges as a word.</extracomment>
        <translation>neun</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ten</source>
        <extracomment>A count of nudges as a word.</extracomment>
        <translation>zehn</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>eleven</source>
        <extracomment>A count of nudges as a word.</extracomment>
        <translation>elf</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>twelve</source>
        <extracomment>A count of nudges as a word.</extracomment>
        <translation>zwölf</translation>
    </message>
    <message numerus="yes">
        <location line="+29"/>
        <source>Won %Ln credit(s) from the vault.</source>
        <extracomment>Spoken after the bonus vault paid credits; %n is the credits.</extracomment>
        <translation>
            <numerusform>%Ln Credit aus dem Tresor gewonnen.</numerusform>
            <numerusform>%Ln Credits aus dem Tresor gewonnen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%1 nudge(s) won.</source>
        <extracomment>Spoken after a spin; %1 is a count word (&quot;two&quot;), %n picks the plural form.</extracomment>
        <translation>
            <numerusform>%1 Nudge gewonnen.</numerusform>
            <numerusform>%1 Nudges gewonnen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>The vault gave %1 nudge(s).</source>
        <extracomment>Spoken after the bonus vault&apos;s prize of nudges; %1 is a count word (&quot;six&quot;).</extracomment>
        <translation>
            <numerusform>Der Tresor gab %1 Nudge.</numerusform>
            <numerusform>Der Tresor gab %1 Nudges.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%Ln nudge(s) to use: press 1, 2 or 3.</source>
        <extracomment>Spoken while nudges may be used; the keys 1, 2 and 3 nudge the three reels.</extracomment>
        <translation>
            <numerusform>%Ln Nudge übrig: 1, 2 oder 3 drücken.</numerusform>
            <numerusform>%Ln Nudges übrig: 1, 2 oder 3 drücken.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No win.</source>
        <translation>Kein Gewinn.</translation>
    </message>
</context>
<context>
    <name>TBorrowC</name>
    <message>
        <location filename="../src/ui/Borrow.cpp" line="+27"/>
        <source>Use this screen to borrow credits or pay back credits that you borrowed previously.  Click on the button representing the amount to borrow (or pay back).<byte value="xd"/>
<byte value="xd"/>
To switch between &quot;borrow&quot; and &quot;pay back&quot; select the mode.</source>
        <translation>Hier können Sie sich Credits leihen oder früher geliehene Credits zurückzahlen.  Klicken Sie auf den Knopf mit dem Betrag, den Sie leihen (oder zurückzahlen) möchten.<byte value="xd"/>
<byte value="xd"/>
Um zwischen „Leihen“ und „Zurückzahlen“ zu wechseln, wählen Sie den Modus.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Choose an amount of at least 1 credit.</source>
        <translation>Wählen Sie einen Betrag von mindestens 1 Credit.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You cannot borrow that much: the meters cannot go past %1 credits.</source>
        <translation>So viel können Sie nicht leihen: Die Anzeigen reichen nicht über %1 Credits hinaus.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You do not have %1 credits!</source>
        <translation>Sie haben keine %1 Credits!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You cannot pay back more credits than you have borrowed!</source>
        <translation>Sie können nicht mehr Credits zurückzahlen, als Sie geliehen haben!</translation>
    </message>
    <message numerus="yes">
        <location line="+13"/>
        <source>Borrowed %1 credit(s). Credits: %2. Borrowed: %3.</source>
        <extracomment>Said by screen readers after a borrow: %1 the amount, %2 the credits now, %3 what is owed now.</extracomment>
        <translation>
            <numerusform>%1 Credit geliehen. Guthaben: %2. Geliehen: %3.</numerusform>
            <numerusform>%1 Credits geliehen. Guthaben: %2. Geliehen: %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Paid back %1 credit(s). Credits: %2. Borrowed: %3.</source>
        <extracomment>Said by screen readers after a pay-back: %1 the amount, %2 the credits now, %3 what is still owed.</extracomment>
        <translation>
            <numerusform>%1 Credit zurückgezahlt. Guthaben: %2. Geliehen: %3.</numerusform>
            <numerusform>%1 Credits zurückgezahlt. Guthaben: %2. Geliehen: %3.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Use this form to borrow or pay back credits</source>
        <translation>Credits leihen oder zurückzahlen</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Mode:</source>
        <translation>Modus:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Borrow Credits</source>
        <translation>Credits leihen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pay Back Credits</source>
        <translation>Credits zurückzahlen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message numerus="yes">
        <location line="+17"/>
        <source>Borrow %1 credit(s)</source>
        <extracomment>A chip&apos;s name for a screen reader; %1 is the chip&apos;s amount, which picks the form.</extracomment>
        <translation>
            <numerusform>%1 Credit leihen</numerusform>
            <numerusform>%1 Credits leihen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Pay back %1 credit(s)</source>
        <extracomment>A chip&apos;s name for a screen reader; %1 is the chip&apos;s amount, which picks the form.</extracomment>
        <translation>
            <numerusform>%1 Credit zurückzahlen</numerusform>
            <numerusform>%1 Credits zurückzahlen</numerusform>
        </translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Credits:</source>
        <translation>Guthaben:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Borrowed:</source>
        <translation>Geliehen:</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <location filename="../src/presentation/SoundMenu.cpp" line="+22"/>
        <source>Sound</source>
        <translation>Soundeffekte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <location filename="../src/ui/HelpMenuTexts.cpp" line="+11"/>
        <source>&amp;%1 Manual</source>
        <translation>&amp;Handbuch zu %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Version:  %1</source>
        <translation>Version:  %1</translation>
    </message>
    <message>
        <location filename="../src/ui/Unit1.cpp" line="+196"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Open Game</source>
        <translation>Spiel ö&amp;ffnen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save Game</source>
        <translation>Spiel &amp;speichern</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Borrow</source>
        <translation>&amp;Leihen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Stats</source>
        <translation>&amp;Statistik</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>His&amp;tory</source>
        <translation>&amp;Verlauf</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Payoffs</source>
        <translation>&amp;Auszahlungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inkf&amp;airn</source>
        <translation>Ink&amp;fairn</translation>
    </message>
    <message>
        <location filename="../src/ui/Unit1Help.cpp" line="+27"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Tumblewick Games Page</source>
        <translation>&amp;Tumblewick-Spieleseite</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Company Information</source>
        <translation>&amp;Firmeninformationen</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Could not find a web browser on your system!</source>
        <translation>Auf Ihrem System wurde kein Webbrowser gefunden!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please visit Tumblewick at:  %1</source>
        <translation>Besuchen Sie Tumblewick unter:  %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please visit:  %1</source>
        <translation>Besuchen Sie:  %1</translation>
    </message>
    <message>
        <location filename="../src/ui/Unit1Play.cpp" line="+162"/>
        <source>The vault opens.</source>
        <translation>Der Tresor öffnet sich.</translation>
    </message>
    <message>
        <location filename="../src/ui/HistoryFeed.cpp" line="+154"/>
        <source>The History window cannot be opened: %1. The game plays on without it.</source>
        <translation>Das Fenster „Spielverlauf“ kann nicht geöffnet werden: %1. Das Spiel läuft ohne es weiter.</translation>
    </message>
</context>
<context>
    <name>TLoadSave</name>
    <message>
        <location filename="../src/ui/Save.cpp" line="+44"/>
        <source>Save a Game -- Select Game Slot</source>
        <translation>Spiel speichern – Speicherplatz wählen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open a Game -- Select Game Slot</source>
        <translation>Spiel öffnen – Speicherplatz wählen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name for this saved game?</source>
        <translation>Name für diesen Spielstand?</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Name of slot %1</source>
        <translation>Name von Speicherplatz %1</translation>
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
            <numerusform>%1 Credit</numerusform>
            <numerusform>%1 Credits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%1 Borrowed</source>
        <extracomment>A saved game&apos;s credits borrowed and not yet paid back; %1 is the number, which picks the form.</extracomment>
        <translation>
            <numerusform>%1 geliehen</numerusform>
            <numerusform>%1 geliehen</numerusform>
        </translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Empty</source>
        <extracomment>Said by screen readers of a save slot nothing was ever saved into.</extracomment>
        <translation>Leer</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Save in slot %1, %2</source>
        <translation>In Speicherplatz %1 speichern, %2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Open slot %1, %2</source>
        <translation>Speicherplatz %1 öffnen, %2</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Saved in slot %1, %2.</source>
        <extracomment>Said by screen readers once a game is saved: %1 the slot&apos;s number, %2 the name the game was saved under.</extracomment>
        <translation>In Speicherplatz %1 gespeichert, %2.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Opened slot %1, %2. Credits: %3. Borrowed: %4.</source>
        <extracomment>Said by screen readers once a saved game is opened: %1 the slot&apos;s number, %2 the game&apos;s name, %3 its credits, %4 what it owes.</extracomment>
        <translation>Speicherplatz %1 geöffnet, %2. Guthaben: %3. Geliehen: %4.</translation>
    </message>
</context>
<context>
    <name>TPaychart</name>
    <message>
        <location filename="../src/ui/Payoffs.cpp" line="+26"/>
        <source>The payoff chart %1 (%2 pixels) is larger than the screen (%3 pixels).</source>
        <translation>Die Gewinntabelle %1 (%2 Pixel) ist größer als der Bildschirm (%3 Pixel).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The payoff chart %1 cannot be read.</source>
        <translation>Die Gewinntabelle %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The payoff chart %1 is too large a picture for the game to hold.</source>
        <translation>Die Gewinntabelle %1 ist ein zu großes Bild für das Spiel.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The payoff chart %1 is damaged or is not a JPEG picture.</source>
        <translation>Die Gewinntabelle %1 ist beschädigt oder kein JPEG-Bild.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The built-in chart is shown instead.</source>
        <translation>Stattdessen wird die eingebaute Tabelle gezeigt.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Payoff Chart</source>
        <translation>Gewinntabelle</translation>
    </message>
</context>
<context>
    <name>TPrinterForm</name>
    <message>
        <location filename="../src/ui/printerunit.cpp" line="+106"/>
        <source>Advertisement - Please Support our Sponsors</source>
        <translation>Werbung – Bitte unterstützen Sie unsere Sponsoren</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Click your printer type above to save BIG bucks on printer cartridges.</source>
        <translation>Klicken Sie oben auf Ihren Druckertyp und sparen Sie RICHTIG bei Druckerpatronen.</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Today&apos;s Inkjet Cartridge Special</source>
        <translation>Tintenpatronen-Angebot des Tages</translation>
    </message>
</context>
<context>
    <name>TStatsForm</name>
    <message>
        <location filename="../src/ui/Stats.cpp" line="+38"/>
        <source>Spins:</source>
        <translation>Drehungen:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Credits:</source>
        <translation>Guthaben:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Borrowed:</source>
        <translation>Geliehen:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Total Bets:</source>
        <translation>Einsätze gesamt:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Payoffs:</source>
        <translation>Auszahlungen:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Normal:</source>
        <translation>Normal:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bonus:</source>
        <translation>Bonus:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Overall Payoff Percentage:</source>
        <translation>Auszahlungsquote gesamt:</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Your Game Statistics</source>
        <translation>Ihre Spielstatistik</translation>
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
        <translation>Der Tresor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pick one of the five chests: keys 1 to 5, or Left and Right, then Enter</source>
        <translation>Wählen Sie eine der fünf Truhen: Tasten 1 bis 5 oder Links und Rechts, dann Eingabe</translation>
    </message>
    <message>
        <location line="+174"/>
        <source>%1 Nudges</source>
        <translation>%1 Nudges</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Credits</source>
        <translation>%1 Credits</translation>
    </message>
    <message>
        <location filename="../src/ui/VaultAccessible.cpp" line="+22"/>
        <source>large chest, front left</source>
        <translation>große Truhe, vorne links</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>large chest, front right</source>
        <translation>große Truhe, vorne rechts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>small chest, back right</source>
        <translation>kleine Truhe, hinten rechts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>small chest, back left</source>
        <translation>kleine Truhe, hinten links</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>middle chest</source>
        <translation>mittlere Truhe</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Chest %1: %2</source>
        <translation>Truhe %1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, opened: %2</source>
        <translation>%1, geöffnet: %2</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Chests</source>
        <translation>Truhen</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../src/ui/main.cpp" line="+28"/>
        <source>A three-reel casino slot machine.</source>
        <translation>Ein Casino-Spielautomat mit drei Walzen.</translation>
    </message>
</context>
</TS>

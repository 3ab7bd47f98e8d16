<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>HistoryWindow</name>
    <message numerus="yes">
        <location filename="../src/ui/HistoryWindow.cpp" line="+318"/>
        <source>The balance over %Ln spin(s): %1 at the start, %2 now, lowest %3, highest %4.</source>
        <extracomment>What a screen reader says of the balance chart: %Ln spins shown, then the balance (credits minus borrowed) at the first and the last of them, its lowest and its highest.</extracomment>
        <translation>
            <numerusform>The balance over %Ln spin: %1 at the start, %2 now, lowest %3, highest %4.</numerusform>
            <numerusform>The balance over %Ln spins: %1 at the start, %2 now, lowest %3, highest %4.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+17"/>
        <source>%1 credits on %Ln coin(s), %2</source>
        <extracomment>One of the best wins: %1 credits won with %n coins bet, on the date and time %2.</extracomment>
        <translation>
            <numerusform>%1 credits on %Ln coin, %2</numerusform>
            <numerusform>%1 credits on %Ln coins, %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%Ln spin(s)</source>
        <extracomment>After &quot;Longest losing run:&quot;; %n spins in a row that won nothing.</extracomment>
        <translation>
            <numerusform>%Ln spin</numerusform>
            <numerusform>%Ln spins</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%Ln spin(s) in %1</source>
        <extracomment>After &quot;Today:&quot; or &quot;In all:&quot;; %n spins played in the time %1 (&quot;1 h 05 min&quot;).</extracomment>
        <translation>
            <numerusform>%Ln spin in %1</numerusform>
            <numerusform>%Ln spins in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+37"/>
        <source>Too few spins to tell yet: about %n more.</source>
        <extracomment>%n an estimate of the spins still needed before the comparison means anything.</extracomment>
        <translation>
            <numerusform>Too few spins to tell yet: about %n more.</numerusform>
            <numerusform>Too few spins to tell yet: about %n more.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SpokenResult</name>
    <message numerus="yes">
        <location filename="../src/ui/SpokenTexts.cpp" line="+20"/>
        <source>Won %Ln credit(s).</source>
        <extracomment>Spoken after a spin; %n is every credit won. The paid lines were not named.</extracomment>
        <translation>
            <numerusform>Won %Ln credit.</numerusform>
            <numerusform>Won %Ln credits.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the top line.</source>
        <extracomment>Spoken after a spin; %n is the credits won on the machine&apos;s top pay line.</extracomment>
        <translation>
            <numerusform>Won %Ln credit on the top line.</numerusform>
            <numerusform>Won %Ln credits on the top line.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the middle line.</source>
        <extracomment>Spoken after a spin; %n is the credits won on the middle pay line.</extracomment>
        <translation>
            <numerusform>Won %Ln credit on the middle line.</numerusform>
            <numerusform>Won %Ln credits on the middle line.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the bottom line.</source>
        <extracomment>Spoken after a spin; %n is the credits won on the bottom pay line.</extracomment>
        <translation>
            <numerusform>Won %Ln credit on the bottom line.</numerusform>
            <numerusform>Won %Ln credits on the bottom line.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the top and middle lines.</source>
        <extracomment>Spoken after a spin; %n is the credits won on two pay lines together.</extracomment>
        <translation>
            <numerusform>Won %Ln credit on the top and middle lines.</numerusform>
            <numerusform>Won %Ln credits on the top and middle lines.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the top and bottom lines.</source>
        <extracomment>Spoken after a spin; %n is the credits won on two pay lines together.</extracomment>
        <translation>
            <numerusform>Won %Ln credit on the top and bottom lines.</numerusform>
            <numerusform>Won %Ln credits on the top and bottom lines.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the middle and bottom lines.</source>
        <extracomment>Spoken after a spin; %n is the credits won on two pay lines together.</extracomment>
        <translation>
            <numerusform>Won %Ln credit on the middle and bottom lines.</numerusform>
            <numerusform>Won %Ln credits on the middle and bottom lines.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on all three lines.</source>
        <extracomment>Spoken after a spin; %n is the credits won on the three pay lines together.</extracomment>
        <translation>
            <numerusform>Won %Ln credit on all three lines.</numerusform>
            <numerusform>Won %Ln credits on all three lines.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Won %Ln credit(s) and %1 from the vault.</source>
        <extracomment>Spoken after a spin; %n is every credit won, %1 the part of it the bonus vault paid.</extracomment>
        <translation>
            <numerusform>Won %Ln credit and %1 from the vault.</numerusform>
            <numerusform>Won %Ln credits and %1 from the vault.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the top line and %1 from the vault.</source>
        <extracomment>Spoken after a spin; %n is every credit won, %1 the part of it the bonus vault paid.</extracomment>
        <translation>
            <numerusform>Won %Ln credit on the top line and %1 from the vault.</numerusform>
            <numerusform>Won %Ln credits on the top line and %1 from the vault.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the middle line and %1 from the vault.</source>
        <extracomment>Spoken after a spin; %n is every credit won, %1 the part of it the bonus vault paid.</extracomment>
        <translation>
            <numerusform>Won %Ln credit on the middle line and %1 from the vault.</numerusform>
            <numerusform>Won %Ln credits on the middle line and %1 from the vault.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the bottom line and %1 from the vault.</source>
        <extracomment>Spoken after a spin; %n is every credit won, %1 the part of it the bonus vault paid.</extracomment>
        <translation>
            <numerusform>Won %Ln credit on the bottom line and %1 from the vault.</numerusform>
            <numerusform>Won %Ln credits on the bottom line and %1 from the vault.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the top and middle lines and %1 from the vault.</source>
        <extracomment>Spoken after a spin; %n is every credit won, %1 the part of it the bonus vault paid.</extracomment>
        <translation>
            <numerusform>Won %Ln credit on the top and middle lines and %1 from the vault.</numerusform>
            <numerusform>Won %Ln credits on the top and middle lines and %1 from the vault.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the top and bottom lines and %1 from the vault.</source>
        <extracomment>Spoken after a spin; %n is every credit won, %1 the part of it the bonus vault paid.</extracomment>
        <translation>
            <numerusform>Won %Ln credit on the top and bottom lines and %1 from the vault.</numerusform>
            <numerusform>Won %Ln credits on the top and bottom lines and %1 from the vault.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on the middle and bottom lines and %1 from the vault.</source>
        <extracomment>Spoken after a spin; %n is every credit won, %1 the part of it the bonus vault paid.</extracomment>
        <translation>
            <numerusform>Won %Ln credit on the middle and bottom lines and %1 from the vault.</numerusform>
            <numerusform>Won %Ln credits on the middle and bottom lines and %1 from the vault.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Won %Ln credit(s) on all three lines and %1 from the vault.</source>
        <extracomment>Spoken after a spin; %n is every credit won, %1 the part of it the bonus vault paid.</extracomment>
        <translation>
            <numerusform>Won %Ln credit on all three lines and %1 from the vault.</numerusform>
            <numerusform>Won %Ln credits on all three lines and %1 from the vault.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+58"/>
        <source>Won %Ln credit(s) from the vault.</source>
        <extracomment>Spoken after the bonus vault paid credits; %n is the credits.</extracomment>
        <translation>
            <numerusform>Won %Ln credit from the vault.</numerusform>
            <numerusform>Won %Ln credits from the vault.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%1 nudge(s) won.</source>
        <extracomment>Spoken after a spin; %1 is a count word (&quot;two&quot;), %n picks the plural form.</extracomment>
        <translation>
            <numerusform>%1 nudge won.</numerusform>
            <numerusform>%1 nudges won.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>The vault gave %1 nudge(s).</source>
        <extracomment>Spoken after the bonus vault&apos;s prize of nudges; %1 is a count word (&quot;six&quot;).</extracomment>
        <translation>
            <numerusform>The vault gave %1 nudge.</numerusform>
            <numerusform>The vault gave %1 nudges.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%Ln nudge(s) to use: press 1, 2 or 3.</source>
        <extracomment>Spoken while nudges may be used; the keys 1, 2 and 3 nudge the three reels.</extracomment>
        <translation>
            <numerusform>%Ln nudge to use: press 1, 2 or 3.</numerusform>
            <numerusform>%Ln nudges to use: press 1, 2 or 3.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TBorrowC</name>
    <message numerus="yes">
        <location filename="../src/ui/Borrow.cpp" line="+90"/>
        <source>Borrowed %1 credit(s). Credits: %2. Borrowed: %3.</source>
        <extracomment>Said by screen readers after a borrow: %1 the amount, %2 the credits now, %3 what is owed now.</extracomment>
        <translation>
            <numerusform>Borrowed %1 credit. Credits: %2. Borrowed: %3.</numerusform>
            <numerusform>Borrowed %1 credits. Credits: %2. Borrowed: %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Paid back %1 credit(s). Credits: %2. Borrowed: %3.</source>
        <extracomment>Said by screen readers after a pay-back: %1 the amount, %2 the credits now, %3 what is still owed.</extracomment>
        <translation>
            <numerusform>Paid back %1 credit. Credits: %2. Borrowed: %3.</numerusform>
            <numerusform>Paid back %1 credits. Credits: %2. Borrowed: %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+67"/>
        <source>Borrow %1 credit(s)</source>
        <extracomment>A chip&apos;s name for a screen reader; %1 is the chip&apos;s amount, which picks the form.</extracomment>
        <translation>
            <numerusform>Borrow %1 credit</numerusform>
            <numerusform>Borrow %1 credits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Pay back %1 credit(s)</source>
        <extracomment>A chip&apos;s name for a screen reader; %1 is the chip&apos;s amount, which picks the form.</extracomment>
        <translation>
            <numerusform>Pay back %1 credit</numerusform>
            <numerusform>Pay back %1 credits</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TLoadSave</name>
    <message numerus="yes">
        <location filename="../src/ui/Save.cpp" line="+207"/>
        <source>%1 Credits</source>
        <extracomment>A saved game&apos;s credits; %1 is the number, which picks the form.</extracomment>
        <translation>
            <numerusform>%1 Credits</numerusform>
            <numerusform>%1 Credits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%1 Borrowed</source>
        <extracomment>A saved game&apos;s credits borrowed and not yet paid back; %1 is the number, which picks the form.</extracomment>
        <translation>
            <numerusform>%1 Borrowed</numerusform>
            <numerusform>%1 Borrowed</numerusform>
        </translation>
    </message>
</context>
</TS>

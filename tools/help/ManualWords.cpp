#include "ManualWords.h"

namespace varnholt::help {

namespace {

constexpr ManualWords kEnglish{
    "en",
    "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Varnholt Slots Help</title></head><body>\n",
    '.',
    ",",
    " %",
    {"Gold Bars", "Knight", "Horse", "Gold Shield", "Cross Shield", "Scrolls", "Swords", "Skull"},
    "{1}, {1}, then {1} or Wild",
    "{1} credits",
    "1 coin",
    "{1} coins",
    "about 1 spin in {1}",
    "never",
    "{1}; exactly {2}",
    "exactly {1}",
    "<tr><th>Symbol</th><th>On the line</th><th>Pays</th></tr>\n",
    "<tr><th>Coins</th><th>A spin pays</th><th>A spin opens the vault</th><th>Paid back per coin</th></tr>\n",
    "<h3>Pays by symbol, one line</h3>\n<p>How many of the {1} stop combinations pay each prize on one "
    "line, how many of them need the Wild, and the credits they pay between them.</p>\n",
    "<tr><th colspan=\"2\">Symbol</th><th>Combinations</th><th>With the Wild</th><th>Credits</th></tr>\n",
    "<p>The vault opens on {1} combinations per row with three Bonus chests and on {2} more with two "
    "chests and the Wild on a line you paid for. A chest is worth {3} credits on average, counting the 6 "
    "Nudges as nothing.</p>\n",
    "<tr><th>Coins</th><th>Never nudging</th><th>Nudging as above</th></tr>\n",
    "per coin ",
    "<p>Each figure with nudges comes from {1} spins played through the machine's rules at that stake, "
    "from a new game, with the random numbers started at {2}. The figure after &plusmn; is the 95 % "
    "interval in points: worked out this way, such an interval holds the machine's true figure 19 times "
    "in 20.</p>\n",
    "<p>Played this way, the machine pays back more than you bet, whatever your stake.</p>\n",
    "<p>Every coin buys another line to win on, but three Bonus chests open the vault on any row, whatever "
    "you bet. So the first coin carries the most value, and the return per coin is highest when you play "
    "one coin at a time, with or without nudges.</p>\n",
};

constexpr ManualWords kGerman{
    "de",
    "<!DOCTYPE html>\n<html lang=\"de\"><head><meta charset=\"utf-8\"><title>Varnholt Slots – Hilfe</title>"
    "</head><body>\n",
    ',',
    ".",
    " %",
    {"Goldbarren", "Ritter", "Pferd", "Goldschild", "Kreuzschild", "Schriftrollen", "Schwerter", "Totenkopf"},
    "{1}, {1}, dann {1} oder Wild",
    "{1} Credits",
    "1 Münze",
    "{1} Münzen",
    "etwa 1 von {1} Drehungen",
    "nie",
    "{1}; genau {2}",
    "genau {1}",
    "<tr><th>Symbol</th><th>Auf der Linie</th><th>Gewinn</th></tr>\n",
    "<tr><th>Münzen</th><th>Eine Drehung gewinnt</th><th>Eine Drehung öffnet den Tresor</th>"
    "<th>Auszahlung je Münze</th></tr>\n",
    "<h3>Gewinne nach Symbol, eine Linie</h3>\n<p>Wie viele der {1} Stoppkombinationen auf einer Linie "
    "welchen Gewinn zahlen, wie viele davon das Wild-Symbol brauchen und wie viele Credits sie zusammen "
    "auszahlen.</p>\n",
    "<tr><th colspan=\"2\">Symbol</th><th>Kombinationen</th><th>Mit dem "
    "Wild-Symbol</th><th>Credits</th></tr>\n",
    "<p>Der Tresor öffnet sich bei {1} Kombinationen je Reihe mit drei Bonustruhen und bei {2} "
    "weiteren mit zwei Truhen und dem Wild-Symbol auf einer bezahlten Linie. Eine Truhe ist im Mittel {3} "
    "Credits wert, wobei die 6 Nudges als nichts zählen.</p>\n",
    "<tr><th>Münzen</th><th>Ohne Nudges</th><th>Mit Nudges wie oben</th></tr>\n",
    "je Münze ",
    "<p>Jeder Wert mit Nudges stammt aus {1} Drehungen, die nach den Regeln des Automaten mit diesem "
    "Einsatz gespielt wurden, ab einem neuen Spiel und mit dem Startwert {2} für die Zufallszahlen. Die "
    "Zahl nach &plusmn; ist das 95-%-Intervall in Prozentpunkten: So berechnet, enthält ein solches "
    "Intervall den wahren Wert des Automaten 19-mal von 20.</p>\n",
    "<p>So gespielt zahlt der Automat mehr aus, als Sie setzen, gleich bei welchem Einsatz.</p>\n",
    "<p>Jede Münze kauft eine weitere Linie, auf der Sie gewinnen können, doch drei Bonustruhen öffnen den "
    "Tresor auf jeder Reihe, gleich wie viel Sie setzen. Darum ist die erste Münze am meisten wert, "
    "und die Auszahlung je Münze ist am höchsten, wenn Sie immer nur eine Münze spielen, mit oder ohne "
    "Nudges.</p>\n",
};

constexpr ManualWords kFrench{
    "fr",
    "<!DOCTYPE html>\n<html lang=\"fr\"><head><meta charset=\"utf-8\"><title>Aide de Varnholt Slots</title>"
    "</head><body>\n",
    ',',
    "&nbsp;",
    "&nbsp;%",
    {"Lingots d'or", "Chevalier", "Cheval", "Bouclier d'or", "Bouclier à croix", "Parchemins", "Épées",
     "Crâne"},
    "{1}, {1}, puis {1} ou Wild",
    "{1} crédits",
    "1 pièce",
    "{1} pièces",
    "environ 1 tour sur {1}",
    "jamais",
    "{1}&nbsp;; exactement {2}",
    "exactement {1}",
    "<tr><th>Symbole</th><th>Sur la ligne</th><th>Gain</th></tr>\n",
    "<tr><th>Pièces</th><th>Un tour gagne</th><th>Un tour ouvre la salle du trésor</th>"
    "<th>Rendu par pièce</th></tr>\n",
    "<h3>Gains par symbole, sur une ligne</h3>\n<p>Combien des {1} combinaisons d'arrêt paient chaque gain "
    "sur une ligne, combien d'entre elles ont besoin du Wild, et les crédits qu'elles paient "
    "ensemble.</p>\n",
    "<tr><th colspan=\"2\">Symbole</th><th>Combinaisons</th><th>Avec le Wild</th><th>Crédits</th></tr>\n",
    "<p>La salle du trésor s'ouvre sur {1} combinaisons par rangée avec trois coffres Bonus, et sur {2} de "
    "plus avec deux coffres et le Wild sur une ligne payée. Un coffre vaut en moyenne {3} crédits, les 6 "
    "nudges ne comptant pour rien.</p>\n",
    "<tr><th>Pièces</th><th>Sans jamais de nudge</th><th>Avec les nudges comme ci-dessus</th></tr>\n",
    "par pièce ",
    "<p>Chaque chiffre avec nudges provient de {1} tours joués selon les règles de la machine à cette mise, "
    "depuis une nouvelle partie, les nombres aléatoires partant de {2}. Le chiffre après &plusmn; est "
    "l'intervalle à 95&nbsp;% en points&nbsp;: calculé ainsi, un tel intervalle contient le vrai chiffre "
    "de la machine 19 fois sur 20.</p>\n",
    "<p>Jouée ainsi, la machine rend plus que vous ne misez, quelle que soit votre mise.</p>\n",
    "<p>Chaque pièce achète une ligne de plus pour gagner, mais trois coffres Bonus ouvrent la salle du "
    "trésor sur n'importe quelle rangée, quelle que soit votre mise. La première pièce a donc le plus de "
    "valeur, et le rendu par pièce est le plus élevé quand vous jouez une pièce à la fois, avec ou sans "
    "nudges.</p>\n",
};

constexpr ManualWords kSpanish{
    "es",
    "<!DOCTYPE html>\n<html lang=\"es\"><head><meta charset=\"utf-8\"><title>Ayuda de Varnholt Slots</title>"
    "</head><body>\n",
    ',',
    ".",
    " %",
    {"Lingotes de oro", "Caballero", "Caballo", "Escudo de oro", "Escudo con cruz", "Pergaminos", "Espadas",
     "Calavera"},
    "{1}, {1} y luego {1} o Wild",
    "{1} créditos",
    "1 moneda",
    "{1} monedas",
    "aprox. 1 tirada de cada {1}",
    "nunca",
    "{1}; exactamente {2}",
    "exactamente {1}",
    "<tr><th>Símbolo</th><th>En la línea</th><th>Premio</th></tr>\n",
    "<tr><th>Monedas</th><th>Una tirada gana</th><th>Una tirada abre la cámara del tesoro</th>"
    "<th>Devuelto por moneda</th></tr>\n",
    "<h3>Premios por símbolo, en una línea</h3>\n<p>Cuántas de las {1} combinaciones de parada pagan cada "
    "premio en una línea, cuántas de ellas necesitan el Wild y los créditos que pagan entre todas.</p>\n",
    "<tr><th colspan=\"2\">Símbolo</th><th>Combinaciones</th><th>Con el Wild</th><th>Créditos</th></tr>\n",
    "<p>La cámara del tesoro se abre con {1} combinaciones por fila con tres cofres Bonus, y con {2} más "
    "con dos cofres y el Wild en una línea pagada. Un cofre vale de media {3} créditos, contando los 6 "
    "nudges como nada.</p>\n",
    "<tr><th>Monedas</th><th>Sin usar nudges</th><th>Usando nudges como arriba</th></tr>\n",
    "por moneda ",
    "<p>Cada cifra con nudges procede de {1} tiradas jugadas con las reglas de la máquina a esa apuesta, "
    "desde una partida nueva, con los números aleatorios iniciados en {2}. La cifra tras &plusmn; es el "
    "intervalo del 95 % en puntos: calculado así, un intervalo como este contiene la cifra real de la "
    "máquina 19 veces de cada 20.</p>\n",
    "<p>Jugando así, la máquina devuelve más de lo que apuestas, sea cual sea tu apuesta.</p>\n",
    "<p>Cada moneda compra otra línea en la que ganar, pero tres cofres Bonus abren la cámara del tesoro en "
    "cualquier fila, apuestes lo que apuestes. Por eso la primera moneda es la que más vale, y lo devuelto "
    "por moneda es mayor cuando juegas de una en una, con o sin nudges.</p>\n",
};

constexpr std::array kLanguages{&kEnglish, &kGerman, &kFrench, &kSpanish};

} // namespace

const ManualWords *manualWords(std::string_view language)
{
    for (const ManualWords *words : kLanguages)
        if (language == words->language)
            return words;
    return nullptr;
}

std::string fill(std::string text, std::initializer_list<std::string> values)
{
    int number = 1;
    for (const std::string &value : values) {
        const std::string placeholder = '{' + std::to_string(number++) + '}';
        for (std::size_t at = text.find(placeholder); at != std::string::npos;
             at = text.find(placeholder, at + value.size()))
            text.replace(at, placeholder.size(), value);
    }
    return text;
}

} // namespace varnholt::help

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Board</name>
    <message>
        <source>GAME LOG</source>
        <translation>REGISTRO</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 cartas</translation>
    </message>
    <message>
        <source>Discard pile (%1): pick it up, or discard your raised card</source>
        <translation>Montón de descarte (%1): recógela o descarta tu carta levantada</translation>
    </message>
    <message>
        <source>Discard pile: discard your raised card here</source>
        <translation>Montón de descarte: descarta aquí tu carta levantada</translation>
    </message>
    <message>
        <source>Draw pile: draw a card</source>
        <translation>Mazo: roba una carta</translation>
    </message>
    <message>
        <source>Discard the raised card</source>
        <translation>Descartar la carta levantada</translation>
    </message>
    <message>
        <source>Take the card on the discard pile</source>
        <translation>Coger la carta del montón de descarte</translation>
    </message>
    <message>
        <source>Draw a card from the draw pile</source>
        <translation>Robar una carta del mazo</translation>
    </message>
    <message>
        <source>Lay your stage with the raised cards</source>
        <translation>Bajar tu fase con las cartas levantadas</translation>
    </message>
    <message>
        <source>Show the chat</source>
        <translation>Mostrar el chat</translation>
    </message>
    <message>
        <source>Show the ten stages</source>
        <translation>Mostrar las diez fases</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marrón</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Salto</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
    <message>
        <source>%1 Wild</source>
        <translation>Comodín %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>STAGE %1:</source>
        <translation>FASE %1:</translation>
    </message>
    <message>
        <source>STAGE LIST</source>
        <translation>LISTA DE FASES</translation>
    </message>
    <message>
        <source>Penalty points this game: %1</source>
        <translation>Puntos de penalización en esta partida: %1</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Tú</translation>
    </message>
    <message>
        <source>all</source>
        <translation>todas</translation>
    </message>
    <message>
        <source>Player	Stage	Done	Round	Total</source>
        <translation>Jugador	Fase	Hecha	Ronda	Total</translation>
    </message>
    <message>
        <source>%1 went out.</source>
        <translation>Sin cartas: %1.</translation>
    </message>
    <message>
        <source>%1 ended the round.</source>
        <translation>Ronda terminada por: %1.</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Player	Stage	Points	Won</source>
        <translation>Jugador	Fase	Puntos	Ganadas</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Otra vez</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>CardArt</name>
    <message>
        <source>NOT PLAYING</source>
        <translation>NO JUEGA</translation>
    </message>
    <message>
        <source>WAITING..</source>
        <translation>ESPERANDO..</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Empezar partida</translation>
    </message>
    <message>
        <source>Create Stage</source>
        <translation>Bajar fase</translation>
    </message>
    <message>
        <source>DISCARD</source>
        <translation>DESCARTAR</translation>
    </message>
    <message>
        <source>PICK UP</source>
        <translation>RECOGER</translation>
    </message>
    <message>
        <source>DRAW</source>
        <translation>ROBAR</translation>
    </message>
    <message>
        <source>CHAT BOX</source>
        <translation>CHAT</translation>
    </message>
    <message>
        <source>STAGE LIST</source>
        <translation>FASES</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Salto</translation>
    </message>
    <message>
        <source>Wild</source>
        <translation>Comodín</translation>
    </message>
    <message>
        <source>RUN</source>
        <translation>ESCALERA</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>COLOR</translation>
    </message>
    <message>
        <source>SET</source>
        <translation>GRUPO</translation>
    </message>
    <message>
        <source>LOG</source>
        <translation>REGISTRO</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Overview</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Game Play</source>
        <translation>Cómo se juega</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>
&lt;h3&gt;Groups&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;A &lt;b&gt;set&lt;/b&gt;: cards of the same number, any colours (9 9 9).&lt;/li&gt;
&lt;li&gt;A &lt;b&gt;run&lt;/b&gt;: numbers in a row, one card of each (4 5 6 7), any
colours.&lt;/li&gt;
&lt;li&gt;A &lt;b&gt;colour group&lt;/b&gt;: cards of one colour, any numbers.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;The ten stages&lt;/h3&gt;
&lt;table border=&quot;1&quot; cellpadding=&quot;4&quot; cellspacing=&quot;0&quot;&gt;
&lt;tr&gt;&lt;th&gt;stage&lt;/th&gt;&lt;th&gt;you lay&lt;/th&gt;&lt;th&gt;example&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;1&lt;/td&gt;&lt;td&gt;2 Sets of 3&lt;/td&gt;&lt;td&gt;3 3 3 and 8 8 W&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;2&lt;/td&gt;&lt;td&gt;Set of 3 and Run of 4&lt;/td&gt;&lt;td&gt;7 7 7 and 2 3 4 5&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;3&lt;/td&gt;&lt;td&gt;Set of 4 and Run of 4&lt;/td&gt;&lt;td&gt;10 10 10 10 and 5 6 W 8&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;4&lt;/td&gt;&lt;td&gt;Run of 7&lt;/td&gt;&lt;td&gt;3 4 5 6 7 8 9&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;5&lt;/td&gt;&lt;td&gt;Run of 8&lt;/td&gt;&lt;td&gt;1 2 3 4 W 6 7 8&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;6&lt;/td&gt;&lt;td&gt;Run of 9&lt;/td&gt;&lt;td&gt;4 5 6 7 8 9 10 11 12&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;7&lt;/td&gt;&lt;td&gt;2 Sets of 4&lt;/td&gt;&lt;td&gt;2 2 2 2 and 11 11 W W&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;8&lt;/td&gt;&lt;td&gt;8 Cards of the same color&lt;/td&gt;&lt;td&gt;eight green cards: 1 3 3 6 8 9 12 W&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;9&lt;/td&gt;&lt;td&gt;Set of 4 and Run of 5&lt;/td&gt;&lt;td&gt;6 6 6 6 and 8 9 10 11 12&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;10&lt;/td&gt;&lt;td&gt;2 Sets of 5&lt;/td&gt;&lt;td&gt;4 4 4 4 4 and 12 12 12 W W&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;A stage is laid all at once: both groups of a two-group stage go down in
the same move.&lt;/p&gt;
&lt;h3&gt;Messages during play&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;&quot;You cannot do that right now.&quot; &amp;ndash; it is not the right moment, for
example discarding before taking a card.&lt;/li&gt;
&lt;li&gt;&quot;That does not complete your stage.&quot; &amp;ndash; the selected cards do not
make your stage.&lt;/li&gt;
&lt;li&gt;&quot;You cannot hit until you complete the stage.&quot; &amp;ndash; lay your own stage
first.&lt;/li&gt;
&lt;li&gt;&quot;That is not a valid play.&quot; &amp;ndash; the card does not fit that group.&lt;/li&gt;
&lt;/ul&gt;
</source>
        <translation>
&lt;h3&gt;Combinaciones&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;Un &lt;b&gt;grupo&lt;/b&gt;: cartas del mismo número, de cualquier color (9 9 9).&lt;/li&gt;
&lt;li&gt;Una &lt;b&gt;escalera&lt;/b&gt;: números seguidos, una carta de cada uno (4 5 6 7), de
cualquier color.&lt;/li&gt;
&lt;li&gt;Un &lt;b&gt;bloque de color&lt;/b&gt;: cartas de un solo color, de cualquier número.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;Las diez fases&lt;/h3&gt;
&lt;table border=&quot;1&quot; cellpadding=&quot;4&quot; cellspacing=&quot;0&quot;&gt;
&lt;tr&gt;&lt;th&gt;fase&lt;/th&gt;&lt;th&gt;bajas&lt;/th&gt;&lt;th&gt;ejemplo&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;1&lt;/td&gt;&lt;td&gt;2 grupos de 3&lt;/td&gt;&lt;td&gt;3 3 3 y 8 8 W&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;2&lt;/td&gt;&lt;td&gt;Grupo de 3 y escalera de 4&lt;/td&gt;&lt;td&gt;7 7 7 y 2 3 4 5&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;3&lt;/td&gt;&lt;td&gt;Grupo de 4 y escalera de 4&lt;/td&gt;&lt;td&gt;10 10 10 10 y 5 6 W 8&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;4&lt;/td&gt;&lt;td&gt;Escalera de 7&lt;/td&gt;&lt;td&gt;3 4 5 6 7 8 9&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;5&lt;/td&gt;&lt;td&gt;Escalera de 8&lt;/td&gt;&lt;td&gt;1 2 3 4 W 6 7 8&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;6&lt;/td&gt;&lt;td&gt;Escalera de 9&lt;/td&gt;&lt;td&gt;4 5 6 7 8 9 10 11 12&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;7&lt;/td&gt;&lt;td&gt;2 grupos de 4&lt;/td&gt;&lt;td&gt;2 2 2 2 y 11 11 W W&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;8&lt;/td&gt;&lt;td&gt;8 cartas del mismo color&lt;/td&gt;&lt;td&gt;ocho cartas verdes: 1 3 3 6 8 9 12 W&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;9&lt;/td&gt;&lt;td&gt;Grupo de 4 y escalera de 5&lt;/td&gt;&lt;td&gt;6 6 6 6 y 8 9 10 11 12&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;10&lt;/td&gt;&lt;td&gt;2 grupos de 5&lt;/td&gt;&lt;td&gt;4 4 4 4 4 y 12 12 12 W W&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Una fase se baja de una vez: las dos combinaciones de una fase de dos
combinaciones se bajan en la misma jugada.&lt;/p&gt;
&lt;h3&gt;Mensajes durante el juego&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;«Ahora no puedes hacer eso.» &amp;ndash; no es el momento, por ejemplo
descartar antes de coger una carta.&lt;/li&gt;
&lt;li&gt;«Eso no completa tu fase.» &amp;ndash; las cartas elegidas no forman tu
fase.&lt;/li&gt;
&lt;li&gt;«No puedes añadir cartas hasta bajar tu fase.» &amp;ndash; baja primero tu
propia fase.&lt;/li&gt;
&lt;li&gt;«Esa jugada no es válida.» &amp;ndash; la carta no encaja en esa combinación.&lt;/li&gt;
&lt;/ul&gt;
</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licencia</translation>
    </message>
    <message>
        <source>
&lt;p&gt;&lt;b&gt;Velmora&lt;/b&gt; &amp;ndash; copyright the Velmora developers.&lt;/p&gt;
&lt;p&gt;This program is free software under the MIT License:&lt;/p&gt;
&lt;p&gt;Permission is hereby granted, free of charge, to any person obtaining a
copy of this software and associated documentation files (the &quot;Software&quot;),
to deal in the Software without restriction, including without limitation
the rights to use, copy, modify, merge, publish, distribute, sublicense,
and/or sell copies of the Software, and to permit persons to whom the
Software is furnished to do so, subject to the following conditions:&lt;/p&gt;
&lt;p&gt;The above copyright notice and this permission notice shall be included in
all copies or substantial portions of the Software.&lt;/p&gt;
&lt;p&gt;THE SOFTWARE IS PROVIDED &quot;AS IS&quot;, WITHOUT WARRANTY OF ANY KIND, EXPRESS OR
IMPLIED, INCLUDING BUT NOT LIMITED TO THE WARRANTIES OF MERCHANTABILITY,
FITNESS FOR A PARTICULAR PURPOSE AND NONINFRINGEMENT. IN NO EVENT SHALL THE
AUTHORS OR COPYRIGHT HOLDERS BE LIABLE FOR ANY CLAIM, DAMAGES OR OTHER
LIABILITY, WHETHER IN AN ACTION OF CONTRACT, TORT OR OTHERWISE, ARISING FROM,
OUT OF OR IN CONNECTION WITH THE SOFTWARE OR THE USE OR OTHER DEALINGS IN THE
SOFTWARE.&lt;/p&gt;
&lt;p&gt;The program uses the Qt toolkit under the GNU Lesser General Public
License, version 3. The card pictures and sounds are made by the program
itself.&lt;/p&gt;
</source>
        <translation>
&lt;p&gt;&lt;b&gt;Velmora&lt;/b&gt; &amp;ndash; copyright de los desarrolladores de Velmora.&lt;/p&gt;
&lt;p&gt;Este programa es software libre bajo la licencia MIT. El texto que vale es
el original en inglés:&lt;/p&gt;
&lt;p&gt;Permission is hereby granted, free of charge, to any person obtaining a
copy of this software and associated documentation files (the &quot;Software&quot;),
to deal in the Software without restriction, including without limitation
the rights to use, copy, modify, merge, publish, distribute, sublicense,
and/or sell copies of the Software, and to permit persons to whom the
Software is furnished to do so, subject to the following conditions:&lt;/p&gt;
&lt;p&gt;The above copyright notice and this permission notice shall be included in
all copies or substantial portions of the Software.&lt;/p&gt;
&lt;p&gt;THE SOFTWARE IS PROVIDED &quot;AS IS&quot;, WITHOUT WARRANTY OF ANY KIND, EXPRESS OR
IMPLIED, INCLUDING BUT NOT LIMITED TO THE WARRANTIES OF MERCHANTABILITY,
FITNESS FOR A PARTICULAR PURPOSE AND NONINFRINGEMENT. IN NO EVENT SHALL THE
AUTHORS OR COPYRIGHT HOLDERS BE LIABLE FOR ANY CLAIM, DAMAGES OR OTHER
LIABILITY, WHETHER IN AN ACTION OF CONTRACT, TORT OR OTHERWISE, ARISING FROM,
OUT OF OR IN CONNECTION WITH THE SOFTWARE OR THE USE OR OTHER DEALINGS IN THE
SOFTWARE.&lt;/p&gt;
&lt;p&gt;El programa usa el kit Qt bajo la GNU Lesser General Public License,
versión 3. Las imágenes de las cartas y los sonidos los crea el propio
programa.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>
&lt;h3&gt;Moving on&lt;/h3&gt;
&lt;p&gt;At the end of a round everyone who laid his stage moves on to the next
stage. Whoever did not tries the same stage again next round.&lt;/p&gt;
&lt;h3&gt;Winning&lt;/h3&gt;
&lt;p&gt;The first player to complete stage 10 wins the game; it is announced
before the next round would be dealt. The stages alone decide who wins.&lt;/p&gt;
&lt;h3&gt;Penalty points&lt;/h3&gt;
&lt;p&gt;Cards still in your hand at the end of a round count against you. Each
player&apos;s points are shown beside the name and in the summary after every
round, so you can compare how cleanly you play; they do not decide the winner
and are not kept in the tally:&lt;/p&gt;
&lt;table border=&quot;1&quot; cellpadding=&quot;4&quot; cellspacing=&quot;0&quot;&gt;
&lt;tr&gt;&lt;th&gt;card&lt;/th&gt;&lt;th&gt;points&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;1 to 9&lt;/td&gt;&lt;td&gt;5&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;10, 11, 12&lt;/td&gt;&lt;td&gt;10&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;wild card&lt;/td&gt;&lt;td&gt;20&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;skip card&lt;/td&gt;&lt;td&gt;20&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Example: a hand of 1, 10, 12, a wild and a skip costs
5 + 10 + 10 + 20 + 20 = 65 points.&lt;/p&gt;
&lt;h3&gt;Tally&lt;/h3&gt;
&lt;p&gt;View &amp;gt; View Tally counts, for each player you follow, the games you
played together and who won them, in this session and in all.&lt;/p&gt;
</source>
        <translation>
&lt;h3&gt;Avanzar&lt;/h3&gt;
&lt;p&gt;Al final de una ronda, todos los que bajaron su fase pasan a la fase
siguiente. Quien no lo logró intenta la misma fase en la ronda siguiente.&lt;/p&gt;
&lt;h3&gt;Ganar&lt;/h3&gt;
&lt;p&gt;El primer jugador que completa la fase 10 gana la partida; se anuncia antes
de que se reparta la ronda siguiente. Solo las fases deciden quién gana.&lt;/p&gt;
&lt;h3&gt;Puntos de penalización&lt;/h3&gt;
&lt;p&gt;Las cartas que te quedan en la mano al final de una ronda cuentan en tu
contra. Los puntos de cada jugador se muestran junto a su nombre y en el resumen
después de cada ronda, para que puedas comparar lo limpio que juegas; no deciden
quién gana y no se guardan en el balance:&lt;/p&gt;
&lt;table border=&quot;1&quot; cellpadding=&quot;4&quot; cellspacing=&quot;0&quot;&gt;
&lt;tr&gt;&lt;th&gt;carta&lt;/th&gt;&lt;th&gt;puntos&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;1 a 9&lt;/td&gt;&lt;td&gt;5&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;10, 11, 12&lt;/td&gt;&lt;td&gt;10&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;comodín&lt;/td&gt;&lt;td&gt;20&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;carta de salto&lt;/td&gt;&lt;td&gt;20&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Ejemplo: una mano con 1, 10, 12, un comodín y un salto cuesta
5 + 10 + 10 + 20 + 20 = 65 puntos.&lt;/p&gt;
&lt;h3&gt;Balance&lt;/h3&gt;
&lt;p&gt;Ver &amp;gt; Ver balance cuenta, para cada jugador que sigues, las partidas que
habéis jugado juntos y quién las ganó, en esta sesión y en total.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>
&lt;p&gt;&lt;b&gt;Velmora&lt;/b&gt; is a card game for up to four players at one table. Every
player works through ten &lt;b&gt;stages&lt;/b&gt;: fixed combinations of cards such as
&quot;2 Sets of 3&quot; or &quot;Run of 7&quot;. The first player to finish the tenth stage wins
the game.&lt;/p&gt;
&lt;h3&gt;Starting&lt;/h3&gt;
&lt;p&gt;When the program starts it asks how you want to play. For a solo game,
choose one to three computer players and press &lt;b&gt;Play Solo Game&lt;/b&gt;: you sit
at seat 1. Press &lt;b&gt;Start Game&lt;/b&gt; (or File &amp;gt; Start Game) to deal. To play
with friends, press &lt;b&gt;Host a Game&lt;/b&gt; or &lt;b&gt;Join a Game&lt;/b&gt;, or later use
File &amp;gt; Host or Join&amp;hellip; (see &lt;i&gt;Connecting&lt;/i&gt;). A game you left
unfinished is saved: &lt;b&gt;Resume the unfinished game&lt;/b&gt; picks it up where it
stopped.&lt;/p&gt;
&lt;h3&gt;The cards&lt;/h3&gt;
&lt;p&gt;The deck has 108 cards: the numbers 1 to 12 in four colours (blue, brown,
green and red), each twice; eight wild cards marked &lt;b&gt;W&lt;/b&gt;; and four skip
cards marked &lt;b&gt;S&lt;/b&gt;. Every colour also has its own shape, so the colours
stay apart even for players who find them hard to tell.&lt;/p&gt;
&lt;h3&gt;A round in short&lt;/h3&gt;
&lt;p&gt;Everyone gets ten cards and one card is turned face up beside the deck. On
your turn you take a card, may lay your stage, may add cards to groups on the
table, and end your turn by throwing one card away. When someone runs out of
cards the round ends, and everyone who laid a stage moves on to the next.&lt;/p&gt;
&lt;h3&gt;The windows&lt;/h3&gt;
&lt;p&gt;The chat is at the bottom right; phrase buttons send a greeting with one
click. View &amp;gt; Spy List shows who is watching, View &amp;gt; View Tally shows the
games you played. Press F1 at any time to open this help.&lt;/p&gt;
</source>
        <translation>
&lt;p&gt;&lt;b&gt;Velmora&lt;/b&gt; es un juego de cartas para hasta cuatro jugadores en una mesa.
Cada jugador avanza por diez &lt;b&gt;fases&lt;/b&gt;: combinaciones fijas de cartas como
«2 grupos de 3» o «Escalera de 7». El primero que termina la décima fase gana
la partida.&lt;/p&gt;
&lt;h3&gt;Empezar&lt;/h3&gt;
&lt;p&gt;Al empezar, el programa pregunta cómo quieres jugar. Para una partida en
solitario, elige de uno a tres jugadores del ordenador y pulsa &lt;b&gt;Jugar en
solitario&lt;/b&gt;: te sientas en el puesto 1. Pulsa &lt;b&gt;Empezar partida&lt;/b&gt; (o
Archivo &amp;gt; Empezar partida) para repartir. Para jugar con amigos, pulsa
&lt;b&gt;Ser anfitrión&lt;/b&gt; o &lt;b&gt;Unirse a una partida&lt;/b&gt;, o usa más tarde Archivo
&amp;gt; Anfitrión o unirse&amp;hellip; (ver &lt;i&gt;Conectar&lt;/i&gt;). Una partida que dejaste
sin terminar se guarda: &lt;b&gt;Continuar la partida sin terminar&lt;/b&gt; la retoma
donde se quedó.&lt;/p&gt;
&lt;h3&gt;Las cartas&lt;/h3&gt;
&lt;p&gt;La baraja tiene 108 cartas: los números del 1 al 12 en cuatro colores (azul,
marrón, verde y rojo), cada uno dos veces; ocho comodines marcados con
&lt;b&gt;W&lt;/b&gt;; y cuatro cartas de salto marcadas con &lt;b&gt;S&lt;/b&gt;. Cada color tiene
además su propia forma, para que los colores se distingan incluso para quien
tiene dificultades para verlos.&lt;/p&gt;
&lt;h3&gt;Una ronda en breve&lt;/h3&gt;
&lt;p&gt;Cada uno recibe diez cartas y se pone una carta boca arriba junto al mazo.
En tu turno coges una carta, puedes bajar tu fase, puedes añadir cartas a las
combinaciones de la mesa y terminas el turno descartando una carta. Cuando
alguien se queda sin cartas, la ronda termina y todos los que bajaron su fase
pasan a la siguiente.&lt;/p&gt;
&lt;h3&gt;Las ventanas&lt;/h3&gt;
&lt;p&gt;El chat está abajo a la derecha; los botones de frases envían un saludo con
un clic. Ver &amp;gt; Lista de mirones muestra quién mira, Ver &amp;gt; Ver balance
muestra las partidas que has jugado. Pulsa F1 en cualquier momento para abrir
esta ayuda.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>
&lt;h3&gt;Solo game&lt;/h3&gt;
&lt;p&gt;A solo game is hosted on your computer and you sit at seat 1; the computer
players you chose take the other seats (&lt;b&gt;Klot&lt;/b&gt; always takes seat 2). No
network is needed.&lt;/p&gt;
&lt;h3&gt;Hosting a game&lt;/h3&gt;
&lt;p&gt;Choose File &amp;gt; Host or Join&amp;hellip;, type your name, keep the port
(7772 unless you have a reason to change it) and press &lt;b&gt;Host&lt;/b&gt;. The
program restarts as the host of a new table. Tell your friends your
computer&apos;s address (the dialog lists it) and the port. When you are ready,
press &lt;b&gt;Start Game&lt;/b&gt;: only the hosting player can start a game or remove
players.&lt;/p&gt;
&lt;p&gt;With &lt;b&gt;Let players on this network find the table&lt;/b&gt; ticked, the table
appears in the list of everyone on your network who opens the same dialog. On
a home network nothing else needs to be changed.&lt;/p&gt;
&lt;p&gt;Friends on the internet can only reach you when your router forwards TCP
port 7772 (or the port you chose) to your computer and your firewall lets it
through. Tick &lt;b&gt;Open the port on my router&lt;/b&gt; and the game asks the router
to do this; the chat then tells you the address to give your friends, or why
the router said no.&lt;/p&gt;
&lt;h3&gt;Joining a game&lt;/h3&gt;
&lt;p&gt;Choose File &amp;gt; Host or Join&amp;hellip;, type your name, the host&apos;s address
(a name such as &lt;i&gt;kitchen-pc&lt;/i&gt; or numbers such as &lt;i&gt;192.168.1.20&lt;/i&gt;) and
the port the host gave you, and press &lt;b&gt;Join&lt;/b&gt;. Addresses you used before
are offered in the list. Tables on your network that let themselves be found
are listed in the dialog: double-click one to join it.&lt;/p&gt;
&lt;h3&gt;When the connection drops&lt;/h3&gt;
&lt;p&gt;If the connection to the host is lost, the window says &quot;Connection lost:
reconnecting&amp;hellip;&quot; and tries again for up to two minutes; press
&lt;b&gt;Cancel&lt;/b&gt; to give up. Your seat is kept for you for two minutes while the
computer plays it, and you come back to it with your cards. When the hosting
player ends the game, you are told &quot;The host has ended the game.&quot; and are
back at the start.&lt;/p&gt;
&lt;h3&gt;The Halvex Lobby&lt;/h3&gt;
&lt;p&gt;The lobby is a separate program for meeting other players. It starts the
game for you with the right name and address. The download window offers to
fetch it when a download address is set.&lt;/p&gt;
&lt;h3&gt;Seats and spectators&lt;/h3&gt;
&lt;p&gt;The first four people take the seats. The next five watch as
&lt;b&gt;spectators&lt;/b&gt; (spies): they see the game and chat but do not play. A
tenth connection is told &quot;Game is full&quot;. Someone who joins while a game is
running takes over a free seat from the computer, cards and all.&lt;/p&gt;
&lt;p&gt;All players need the same version of the game; the chat tells you when
someone&apos;s differs. When the hosting player closes the game, the table closes
for everyone.&lt;/p&gt;
</source>
        <translation>
&lt;h3&gt;Partida en solitario&lt;/h3&gt;
&lt;p&gt;Una partida en solitario se organiza en tu ordenador y tú te sientas en el
puesto 1; los jugadores del ordenador que elegiste ocupan los otros puestos
(&lt;b&gt;Klot&lt;/b&gt; ocupa siempre el puesto 2). No hace falta red.&lt;/p&gt;
&lt;h3&gt;Ser anfitrión&lt;/h3&gt;
&lt;p&gt;Elige Archivo &amp;gt; Anfitrión o unirse&amp;hellip;, escribe tu nombre, deja el
puerto (7772, salvo que tengas un motivo para cambiarlo) y pulsa &lt;b&gt;Ser
anfitrión&lt;/b&gt;. El programa vuelve a empezar como anfitrión de una mesa nueva.
Da a tus amigos la dirección de tu ordenador (el diálogo la muestra) y el
puerto. Cuando estés listo, pulsa &lt;b&gt;Empezar partida&lt;/b&gt;: solo el anfitrión
puede empezar una partida o echar a jugadores.&lt;/p&gt;
&lt;p&gt;Con &lt;b&gt;Dejar que los jugadores de esta red encuentren la mesa&lt;/b&gt; marcado,
la mesa aparece en la lista de todos los de tu red que abren el mismo diálogo.
En una red doméstica no hay que cambiar nada más.&lt;/p&gt;
&lt;p&gt;Los amigos de internet solo te alcanzan si tu router reenvía el puerto TCP
7772 (o el que elegiste) a tu ordenador y tu cortafuegos lo deja pasar. Marca
&lt;b&gt;Abrir el puerto en mi router&lt;/b&gt; y el juego se lo pide al router; después
el chat te da la dirección para tus amigos, o el motivo por el que el router
dijo que no.&lt;/p&gt;
&lt;h3&gt;Unirse a una partida&lt;/h3&gt;
&lt;p&gt;Elige Archivo &amp;gt; Anfitrión o unirse&amp;hellip;, escribe tu nombre, la dirección
del anfitrión (un nombre como &lt;i&gt;pc-cocina&lt;/i&gt; o números como
&lt;i&gt;192.168.1.20&lt;/i&gt;) y el puerto que te dio el anfitrión, y pulsa
&lt;b&gt;Unirse&lt;/b&gt;. Las direcciones que ya usaste aparecen en la lista. Las mesas
de tu red que se dejan encontrar aparecen en el diálogo: haz doble clic en
una para unirte.&lt;/p&gt;
&lt;h3&gt;Si se corta la conexión&lt;/h3&gt;
&lt;p&gt;Si se pierde la conexión con el anfitrión, la ventana dice «Conexión
perdida: reconectando…» y lo vuelve a intentar durante dos minutos como
mucho; pulsa &lt;b&gt;Cancelar&lt;/b&gt; para rendirte. Tu puesto se te guarda dos
minutos mientras el ordenador lo juega, y vuelves a él con tus cartas. Cuando
el anfitrión termina la partida, se te dice «El anfitrión ha terminado la
partida.» y vuelves al principio.&lt;/p&gt;
&lt;h3&gt;El Halvex Lobby&lt;/h3&gt;
&lt;p&gt;El lobby es un programa aparte para encontrar a otros jugadores. Abre el
juego por ti con el nombre y la dirección correctos. La ventana de descarga
ofrece bajarlo cuando hay una dirección de descarga configurada.&lt;/p&gt;
&lt;h3&gt;Puestos y mirones&lt;/h3&gt;
&lt;p&gt;Las cuatro primeras personas ocupan los puestos. Las cinco siguientes miran
como &lt;b&gt;mirones&lt;/b&gt;: ven la partida y chatean, pero no juegan. Una décima
conexión recibe «La partida está llena». Quien se une durante una partida
ocupa un puesto libre del ordenador, con sus cartas.&lt;/p&gt;
&lt;p&gt;Todos los jugadores necesitan la misma versión del juego; el chat avisa
cuando la de alguien es distinta. Cuando el anfitrión cierra el juego, la mesa
se cierra para todos.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>
&lt;h3&gt;Your turn&lt;/h3&gt;
&lt;ol&gt;
&lt;li&gt;&lt;b&gt;Take a card&lt;/b&gt;: click the deck to draw the top card, or click the
face-up card to take it. A wild card on the pile may be taken; a skip card
may not.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Lay your stage&lt;/b&gt; (once per round): select the cards it needs and lay
them together. You may select a few cards too many; the game takes what the
stage needs and leaves the rest in your hand.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Hit&lt;/b&gt; (only after your stage is laid): add single cards to any group
on the table, yours or another player&apos;s.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Discard&lt;/b&gt;: throw one card onto the face-up pile. This ends your
turn.&lt;/li&gt;
&lt;/ol&gt;
&lt;h3&gt;Hints&lt;/h3&gt;
&lt;p&gt;Not sure what to do? On your turn choose Play &amp;gt; Hint (or press
&lt;b&gt;H&lt;/b&gt;): the cards to play are raised, the pile or group to play on is
outlined, and the status line says why. Nothing is played until you do
it.&lt;/p&gt;
&lt;h3&gt;Wild cards&lt;/h3&gt;
&lt;p&gt;A wild card (W) stands for any number and any colour. A set still needs at
least two real cards of its number: 7 7 W is a set of 3, but 7 W W is not.
Wild cards left over when you lay a run make it longer.&lt;/p&gt;
&lt;h3&gt;Skip cards&lt;/h3&gt;
&lt;p&gt;When you discard a skip card (S), the next player loses his turn. A skip
cannot be taken from the pile. Inside a set or a run a skip counts as a 1.&lt;/p&gt;
&lt;h3&gt;Hits&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;On a &lt;b&gt;set&lt;/b&gt;: a card of the same number (5 on 5 5 5), or a wild.&lt;/li&gt;
&lt;li&gt;On a &lt;b&gt;run&lt;/b&gt;: the next number at either end (3 or 8 on 4 5 6 7), or a
wild at the end you choose. Runs go from 1 to 12 and do not wrap round.&lt;/li&gt;
&lt;li&gt;On a &lt;b&gt;colour group&lt;/b&gt;: any card of that colour, or a wild.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;A group holds at most 12 cards. Hitting your last card ends the round at
once, without a discard.&lt;/p&gt;
&lt;h3&gt;End of a round&lt;/h3&gt;
&lt;p&gt;A round ends when a player has no cards left, or when every player in the
round has laid his stage. The next round is dealt seven seconds later.&lt;/p&gt;
</source>
        <translation>
&lt;h3&gt;Tu turno&lt;/h3&gt;
&lt;ol&gt;
&lt;li&gt;&lt;b&gt;Coger una carta&lt;/b&gt;: haz clic en el mazo para robar la carta de arriba,
o en la carta boca arriba para cogerla. Un comodín del montón de descarte se
puede coger; una carta de salto no.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Bajar tu fase&lt;/b&gt; (una vez por ronda): elige las cartas que necesita y
bájalas juntas. Puedes elegir alguna carta de más; el juego toma lo que la fase
necesita y deja el resto en tu mano.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Añadir&lt;/b&gt; (solo con tu fase bajada): añade cartas sueltas a cualquier
combinación de la mesa, tuya o de otro jugador.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Descartar&lt;/b&gt;: echa una carta al montón de descarte. Así termina tu
turno.&lt;/li&gt;
&lt;/ol&gt;
&lt;h3&gt;Pistas&lt;/h3&gt;
&lt;p&gt;¿No sabes qué hacer? En tu turno elige Jugar &amp;gt; Pista (o pulsa
&lt;b&gt;H&lt;/b&gt;): las cartas que jugar se levantan, el montón o la combinación donde
jugarlas se marca, y la línea de estado dice por qué. No se juega nada hasta
que lo hagas tú.&lt;/p&gt;
&lt;h3&gt;Comodines&lt;/h3&gt;
&lt;p&gt;Un comodín (W) vale por cualquier número y cualquier color. Un grupo necesita
aun así al menos dos cartas reales de su número: 7 7 W es un grupo de 3, pero
7 W W no. Los comodines que sobran al bajar una escalera la alargan.&lt;/p&gt;
&lt;h3&gt;Cartas de salto&lt;/h3&gt;
&lt;p&gt;Cuando descartas una carta de salto (S), el siguiente jugador pierde su
turno. Un salto no se puede coger del montón. Dentro de un grupo o de una
escalera, un salto cuenta como un 1.&lt;/p&gt;
&lt;h3&gt;Añadir cartas&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;A un &lt;b&gt;grupo&lt;/b&gt;: una carta del mismo número (5 a 5 5 5) o un comodín.&lt;/li&gt;
&lt;li&gt;A una &lt;b&gt;escalera&lt;/b&gt;: el número siguiente en cualquiera de los dos extremos
(3 u 8 a 4 5 6 7) o un comodín en el extremo que elijas. Las escaleras van del
1 al 12 y no dan la vuelta.&lt;/li&gt;
&lt;li&gt;A un &lt;b&gt;bloque de color&lt;/b&gt;: cualquier carta de ese color o un comodín.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Una combinación tiene como mucho 12 cartas. Si añades tu última carta, la
ronda termina en el acto, sin descarte.&lt;/p&gt;
&lt;h3&gt;Fin de una ronda&lt;/h3&gt;
&lt;p&gt;Una ronda termina cuando un jugador se queda sin cartas o cuando todos los
jugadores de la ronda han bajado su fase. La siguiente ronda se reparte siete
segundos después.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>
&lt;p&gt;Everything in the Options menu is remembered for the next time, in the
settings file &lt;i&gt;halvexlobby.ini&lt;/i&gt;.&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Play Sounds&lt;/b&gt;: the sounds of the game (cards, turns, arrivals).&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Player Phrase Sounds&lt;/b&gt;: the sound clips other players send.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Turn Sound&lt;/b&gt;: Classic or New, the sound that tells you it is your
turn.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Bot Speed&lt;/b&gt;: how long the computer players think before each move:
Slow (2 seconds), Normal (1 second) or Fast (half a second). It counts when
you host.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Computer Level&lt;/b&gt;: Designed plays the computer players&apos; usual game;
Strong plays harder, for players who want a challenge; Expert harder still,
trying many ways the hidden cards may lie before each choice; the hint gives
its advice. It counts when you host.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Animations&lt;/b&gt;: cards move across the table when they are drawn,
discarded or laid; switch it off for a table that changes at once.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Text Size&lt;/b&gt;: the size of the chat text.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Text Color&lt;/b&gt; and &lt;b&gt;Action Color&lt;/b&gt;: the colours of your chat lines
and of your actions (lines typed as &lt;i&gt;/me waves&lt;/i&gt;).&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Just Watch&lt;/b&gt;: the computer plays your seat while you watch; choose it
again to play on.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Clear Main Chat&lt;/b&gt;: empties the chat.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Scroll Chat Off&lt;/b&gt; (right-click the chat, or Ctrl+S): the chat stays
where it is while new lines arrive, so you can read back; choose it again to
follow the newest lines.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Reset Screen Location&lt;/b&gt;: brings the window back to the top left
corner at its first size.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Language&lt;/b&gt;: the language of the game (System follows your
computer); it takes effect at the next start.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;Chat&lt;/h3&gt;
&lt;p&gt;Type in the line under the chat and press Enter. A line that starts with
&lt;i&gt;/me&lt;/i&gt; becomes an action: &quot;/me waves&quot; shows as &quot;Ann waves&quot; when your name is Ann. The phrase
buttons send their phrase with one click; the last button plays a sound clip
for everyone.&lt;/p&gt;
&lt;h3&gt;Lobby download&lt;/h3&gt;
&lt;p&gt;The download window fetches the Halvex Lobby from the address set in the
settings file. A download is only started after it has been checked: it must
come over a secure (https) address, or match the checksum published beside
it.&lt;/p&gt;
</source>
        <translation>
&lt;p&gt;Todo lo del menú Opciones se recuerda para la próxima vez, en el archivo de
ajustes &lt;i&gt;halvexlobby.ini&lt;/i&gt;.&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Reproducir sonidos&lt;/b&gt;: los sonidos del juego (cartas, turnos, llegadas).&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Sonidos de los jugadores&lt;/b&gt;: los sonidos que envían otros jugadores.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Sonido de turno&lt;/b&gt;: Clásico o Nuevo, el sonido que te avisa de que es tu
turno.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Velocidad del ordenador&lt;/b&gt;: cuánto piensan los jugadores del ordenador
antes de cada jugada: Lenta (2 segundos), Normal (1 segundo) o Rápida (medio
segundo). Cuenta cuando eres el anfitrión.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Nivel del ordenador&lt;/b&gt;: Normal juega la partida de siempre de los
jugadores del ordenador; Fuerte juega más duro, para quien busca un reto;
Experto, más aún: antes de cada decisión prueba muchas formas en que pueden
estar las cartas ocultas; la pista da su consejo. Cuenta cuando eres el
anfitrión.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Animaciones&lt;/b&gt;: las cartas se mueven por la mesa al robarlas,
descartarlas o bajarlas; desactívalas para que la mesa cambie al
instante.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Tamaño del texto&lt;/b&gt;: el tamaño del texto del chat.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Color del texto&lt;/b&gt; y &lt;b&gt;Color de las acciones&lt;/b&gt;: los colores de tus
líneas de chat y de tus acciones (líneas escritas como &lt;i&gt;/me saluda&lt;/i&gt;).&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Solo mirar&lt;/b&gt;: el ordenador juega tu puesto mientras miras; elígelo de
nuevo para seguir jugando.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Vaciar el chat&lt;/b&gt;: vacía el chat.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;No desplazar el chat&lt;/b&gt; (clic derecho en el chat, o Ctrl+S): el chat se
queda donde está mientras llegan líneas nuevas, para que puedas leer lo
anterior; elígelo de nuevo para seguir las últimas líneas.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Restablecer la posición&lt;/b&gt;: devuelve la ventana a la esquina superior
izquierda con su primer tamaño.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Idioma&lt;/b&gt;: el idioma del juego (Sistema sigue a tu ordenador); se
aplica al volver a empezar.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;Chat&lt;/h3&gt;
&lt;p&gt;Escribe en la línea bajo el chat y pulsa Intro. Una línea que empieza por
&lt;i&gt;/me&lt;/i&gt; se convierte en una acción: «/me saluda» se ve como «Ann saluda» si te
llamas Ann. Los botones de frases envían su frase con un clic; el último botón
reproduce un sonido para todos.&lt;/p&gt;
&lt;h3&gt;Descarga del lobby&lt;/h3&gt;
&lt;p&gt;La ventana de descarga baja el Halvex Lobby de la dirección indicada en el
archivo de ajustes. Una descarga solo se inicia después de comprobarla: tiene
que llegar por una dirección segura (https) o coincidir con la suma de
comprobación publicada junto a ella.&lt;/p&gt;
</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>skip</source>
        <translation>salto</translation>
    </message>
    <message>
        <source>wild card</source>
        <translation>comodín</translation>
    </message>
    <message>
        <source>blue %1</source>
        <translation>%1 azul</translation>
    </message>
    <message>
        <source>brown %1</source>
        <translation>%1 marrón</translation>
    </message>
    <message>
        <source>green %1</source>
        <translation>%1 verde</translation>
    </message>
    <message>
        <source>red %1</source>
        <translation>%1 rojo</translation>
    </message>
    <message>
        <source>Discard the %1: %2</source>
        <translation>Descarta el %1: %2</translation>
    </message>
    <message>
        <source>the next player loses a turn</source>
        <translation>el siguiente pierde un turno</translation>
    </message>
    <message>
        <source>the game stands still and a laid group takes it</source>
        <translation>la partida no avanza y cabe en una combinación bajada</translation>
    </message>
    <message>
        <source>no group takes it and the next player gains least</source>
        <translation>no cabe en ninguna combinación y al siguiente le sirve menos</translation>
    </message>
    <message>
        <source>it helps your stage least and the next player gains least</source>
        <translation>es la que menos ayuda a tu fase y al siguiente</translation>
    </message>
    <message>
        <source>Lay your stage &quot;%1&quot; now</source>
        <translation>Baja ahora tu fase «%1»</translation>
    </message>
    <message>
        <source>Hit the %1 on your group %2: one card fewer to go out</source>
        <translation>Añade el %1 a tu combinación %2: una carta menos</translation>
    </message>
    <message>
        <source>Hit the %1 on seat %2&apos;s group %3: one card fewer to go out</source>
        <translation>Añade el %1 a la combinación %3 del puesto %2: una carta menos</translation>
    </message>
    <message>
        <source>Draw: the pile is empty</source>
        <translation>Roba: el descarte está vacío</translation>
    </message>
    <message>
        <source>Draw: the pile&apos;s %1 does not help you</source>
        <translation>Roba: el %1 del descarte no te ayuda</translation>
    </message>
    <message>
        <source>a wild card fits anywhere</source>
        <translation>un comodín vale en cualquier sitio</translation>
    </message>
    <message>
        <source>a laid group takes it</source>
        <translation>cabe en una combinación bajada</translation>
    </message>
    <message>
        <source>it brings your stage closer</source>
        <translation>te acerca a tu fase</translation>
    </message>
    <message>
        <source>Take the %1 from the pile: %2</source>
        <translation>Recoge el %1: %2</translation>
    </message>
    <message>
        <source>in %1 of %2 sampled ways you lay your stage within %3 turns</source>
        <translation>%1 de %2 simulaciones: fase en %3 turnos</translation>
    </message>
    <message>
        <source>in %1 of %2 sampled ways you are out of cards within %3 turns</source>
        <translation>%1 de %2 simulaciones: sin cartas en %3 turnos</translation>
    </message>
    <message>
        <source>Take the %1 from the pile: %2 (%3 by drawing)</source>
        <translation>Recoge el %1: %2 (%3 si robas)</translation>
    </message>
    <message>
        <source>Draw: %1 (%2 with the pile&apos;s %3)</source>
        <translation>Roba: %1 (%2 con el %3)</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>a port number</source>
        <translation>un número de puerto</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a port number (0 to 65535)</source>
        <translation>&apos;%1&apos; no es un número de puerto (0 a 65535)</translation>
    </message>
    <message>
        <source>an address</source>
        <translation>una dirección</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an IP address</source>
        <translation>&apos;%1&apos; no es una dirección IP</translation>
    </message>
    <message>
        <source>a table name</source>
        <translation>un nombre de mesa</translation>
    </message>
    <message>
        <source>the table name is empty</source>
        <translation>el nombre de la mesa está vacío</translation>
    </message>
    <message>
        <source>a number of seconds</source>
        <translation>un número de segundos</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of seconds (1 to 3600)</source>
        <translation>&apos;%1&apos; no es un número de segundos (1 a 3600)</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs %2</source>
        <translation>la opción &apos;%1&apos; necesita %2</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>la opción &apos;%1&apos; necesita un valor</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Prueba &apos;%1 --help&apos; para más información.
</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>un archivo</translation>
    </message>
    <message>
        <source>the state file name is empty</source>
        <translation>el nombre del archivo de estado está vacío</translation>
    </message>
    <message>
        <source>the file to resume is empty</source>
        <translation>el nombre del archivo que continuar está vacío</translation>
    </message>
    <message>
        <source>a computer level</source>
        <translation>un nivel del ordenador</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a computer level (designed, strong or expert)</source>
        <translation>&apos;%1&apos; no es un nivel del ordenador (designed, strong o expert)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number from %2 to %3</source>
        <translation>&apos;%1&apos; no es un número de %2 a %3</translation>
    </message>
    <message>
        <source>an address and port</source>
        <translation>una dirección con puerto</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not ADDRESS:PORT</source>
        <translation>&apos;%1&apos; no es DIRECCIÓN:PUERTO</translation>
    </message>
    <message>
        <source>text or json</source>
        <translation>text o json</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a log format (text or json)</source>
        <translation>&apos;%1&apos; no es un formato de registro (text o json)</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un número</translation>
    </message>
    <message>
        <source>Usage: %1 [--port N]                       a solo game against the computer
       %1 [--port N] NAME HOST true|false  as the lobby starts it: play as
                                                NAME, and host (true) or join HOST
       %1 --serve [--port N] [--announce [--announce-to ADDRESS]] [--name TEXT]
               [--state FILE] [--resume FILE] [--level L]  the game host alone, without a window
       %1 --find [--timeout S]             list the tables announced on this network

Velmora is a rummy-style card game for one table of four seats; computer
players take every empty seat.

Options:
  --serve      run only the host until interrupted (SIGINT or SIGTERM)
  --port N     TCP port of the host (default %2; 0 picks a free one)
  --announce   let players on this network find the table (every 2 s, UDP)
  --announce-to ADDRESS  announce to this address instead of the local
               network&apos;s broadcast address (implies --announce)
  --name TEXT  the table&apos;s name in announcements
  --state FILE where --serve saves the table after every turn (default:
               the file resumed, else $XDG_STATE_HOME/velmora/table.state)
  --resume FILE  go on with the game saved in FILE; the players take their
               seats back; a damaged file is refused (exit 3) and kept
  --level L    the computer players&apos; level: designed (the default), strong
               or expert
  --open-port  when hosting, ask the router (UPnP, else NAT-PMP) to open the
               port to the internet; --serve prints where friends join
  --find       print the tables found as tab-separated lines (address, port,
               name, seats taken, game on, version); exit 1 when none
  --timeout S  how long --find listens (default 3 seconds)
  --discovery-port N  UDP port of announcements (default 7773)
  --metrics ADDRESS:PORT  --serve: the table&apos;s figures for Prometheus at
               http://ADDRESS:PORT/metrics
  --log-format text|json  --serve: the lines on standard error as text
               (default) or one JSON object each
  --health-interval S  with Agones (AGONES_SDK_HTTP_PORT set): seconds
               between health calls (default 5)
  --shutdown-when-empty S  with Agones: ask to be shut down once a game has
               ended and no one has been at the table for S seconds
  --pace N     --serve: the computer&apos;s moves and the pauses between rounds
               N times quicker (for tests and benchmarks; default 1)
  -h, --help   show this help and exit
  --version    show the version and exit
  --           everything after it is a launch parameter

Settings, tally and downloads are kept beside the program when its folder
is writable, otherwise in $XDG_CONFIG_HOME/velmora and $XDG_DATA_HOME/velmora.
</source>
        <translation>Uso: %1 [--port N]                       una partida en solitario contra el ordenador
     %1 [--port N] NOMBRE HOST true|false  como lo inicia el lobby: jugar como
                                                NOMBRE y ser anfitrión (true) o unirse a HOST
     %1 --serve [--port N] [--announce [--announce-to DIRECCIÓN]] [--name TEXTO]
               [--state ARCHIVO] [--resume ARCHIVO] [--level L]  solo el anfitrión, sin ventana
     %1 --find [--timeout S]             mostrar las mesas anunciadas en esta red

Velmora es un juego de cartas de tipo rummy para una mesa de cuatro puestos;
los jugadores del ordenador ocupan cada puesto libre.

Opciones:
  --serve      ejecutar solo el anfitrión hasta que se interrumpa (SIGINT o SIGTERM)
  --port N     puerto TCP del anfitrión (por omisión %2; 0 elige uno libre)
  --announce   dejar que los jugadores de esta red encuentren la mesa (cada 2 s, UDP)
  --announce-to DIRECCIÓN  anunciar a esta dirección en lugar de la dirección
               de difusión de la red local (implica --announce)
  --name TEXTO el nombre de la mesa en los anuncios
  --state ARCHIVO  dónde guarda --serve la mesa tras cada turno (por omisión:
               el archivo continuado, si no $XDG_STATE_HOME/velmora/table.state)
  --resume ARCHIVO  continuar la partida guardada en ARCHIVO; los jugadores
               recuperan sus puestos; un archivo dañado se rechaza (sale con 3) y se conserva
  --level L    el nivel de los jugadores del ordenador: designed (por omisión),
               strong o expert
  --open-port  al ser anfitrión, pedir al router (UPnP, si no NAT-PMP) que abra
               el puerto hacia internet; --serve muestra dónde se unen tus amigos
  --find       mostrar las mesas encontradas como líneas separadas por tabuladores
               (dirección, puerto, nombre, puestos ocupados, partida en curso,
               versión); sale con 1 si no hay ninguna
  --timeout S  cuánto escucha --find (por omisión 3 segundos)
  --discovery-port N  puerto UDP de los anuncios (por omisión 7773)
  --metrics DIRECCIÓN:PUERTO  --serve: las cifras de la mesa para Prometheus en
               http://DIRECCIÓN:PUERTO/metrics
  --log-format text|json  --serve: las líneas de la salida de errores como texto
               (por omisión) o un objeto JSON cada una
  --health-interval S  con Agones (AGONES_SDK_HTTP_PORT definida): segundos
               entre los avisos de salud (por omisión 5)
  --shutdown-when-empty S  con Agones: pedir el apagado cuando una partida ha
               terminado y nadie ha estado en la mesa durante S segundos
  --pace N     --serve: las jugadas del ordenador y las pausas entre rondas
               N veces más rápidas (para pruebas y mediciones; por omisión 1)
  -h, --help   mostrar esta ayuda y salir
  --version    mostrar la versión y salir
  --           todo lo que sigue es un parámetro de inicio

Los ajustes, el balance y las descargas se guardan junto al programa si se puede
escribir en su carpeta; si no, en $XDG_CONFIG_HOME/velmora y $XDG_DATA_HOME/velmora.
</translation>
    </message>
    <message>
        <source>a line of text</source>
        <translation>una línea de texto</translation>
    </message>
</context>
<context>
    <name>PlayError</name>
    <message>
        <source>You cannot pick up a skip card.</source>
        <translation>No puedes recoger una carta de salto.</translation>
    </message>
    <message>
        <source>You cannot do that right now.</source>
        <translation>Ahora no puedes hacer eso.</translation>
    </message>
    <message>
        <source>That is not a valid play.</source>
        <translation>Esa jugada no es válida.</translation>
    </message>
    <message>
        <source>That does not complete your stage.</source>
        <translation>Eso no completa tu fase.</translation>
    </message>
    <message>
        <source>You have already completed the stage.</source>
        <translation>Ya has bajado la fase.</translation>
    </message>
    <message>
        <source>You cannot hit until you complete the stage.</source>
        <translation>No puedes añadir cartas hasta bajar tu fase.</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>No válido</translation>
    </message>
</context>
<context>
    <name>PlayerName</name>
    <message>
        <source>Your name at the table:</source>
        <translation>Tu nombre en la mesa:</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
</context>
<context>
    <name>PortMapper</name>
    <message>
        <source>error %1</source>
        <translation>error %1</translation>
    </message>
    <message>
        <source>The router refused the port: %1</source>
        <translation>El router rechazó el puerto: %1</translation>
    </message>
    <message>
        <source>A device answered, but it is no router that opens ports</source>
        <translation>Respondió un dispositivo, pero no es un router que abra puertos</translation>
    </message>
    <message>
        <source>No router answered</source>
        <translation>Ningún router respondió</translation>
    </message>
    <message>
        <source>The router did not tell its address: %1</source>
        <translation>El router no dio su dirección: %1</translation>
    </message>
</context>
<context>
    <name>Seating</name>
    <message>
        <source>You are Connected.</source>
        <translation>Estás conectado.</translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation>%1 se ha conectado.</translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation>Estás mirando.</translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation>%1 está mirando.</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 se ha desconectado.</translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 se ha ido.</translation>
    </message>
    <message>
        <source>%1 is just watching</source>
        <translation>%1 solo mira</translation>
    </message>
    <message>
        <source>%1 is now playing again</source>
        <translation>%1 vuelve a jugar</translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message>
        <source>&lt;Cancel&gt;</source>
        <translation>&lt;Cancelar&gt;</translation>
    </message>
    <message>
        <source>Doh</source>
        <translation>Ups</translation>
    </message>
    <message>
        <source>Cough</source>
        <translation>Tos</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Hola</translation>
    </message>
    <message>
        <source>Thank You</source>
        <translation>Gracias</translation>
    </message>
    <message>
        <source>Where have you been?</source>
        <translation>¿Dónde estabas?</translation>
    </message>
    <message>
        <source>Snoring</source>
        <translation>Ronquido</translation>
    </message>
    <message>
        <source>Sneezing</source>
        <translation>Estornudo</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Perdón</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenido</translation>
    </message>
    <message>
        <source>Yeehaa</source>
        <translation>Yiijaa</translation>
    </message>
    <message>
        <source>Yippee</source>
        <translation>Yupi</translation>
    </message>
    <message>
        <source>Oh No</source>
        <translation>Oh, no</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>Aplausos</translation>
    </message>
    <message>
        <source>Honk</source>
        <translation>Bocina</translation>
    </message>
    <message>
        <source>Oooh</source>
        <translation>Oooh</translation>
    </message>
    <message>
        <source>Razzberry</source>
        <translation>Pedorreta</translation>
    </message>
    <message>
        <source>Cheer</source>
        <translation>Vítores</translation>
    </message>
    <message>
        <source>Woman Laughing</source>
        <translation>Mujer riendo</translation>
    </message>
    <message>
        <source>Man Laughing</source>
        <translation>Hombre riendo</translation>
    </message>
    <message>
        <source>Crying</source>
        <translation>Llanto</translation>
    </message>
</context>
<context>
    <name>Stages</name>
    <message>
        <source>2 Sets of 3</source>
        <translation>2 grupos de 3</translation>
    </message>
    <message>
        <source>Set of 3 + Run of 4</source>
        <translation>Grupo de 3 + escalera de 4</translation>
    </message>
    <message>
        <source>Set of 3 and Run of 4</source>
        <translation>Grupo de 3 y escalera de 4</translation>
    </message>
    <message>
        <source>Set of 4 + Run of 4</source>
        <translation>Grupo de 4 + escalera de 4</translation>
    </message>
    <message>
        <source>Set of 4 and Run of 4</source>
        <translation>Grupo de 4 y escalera de 4</translation>
    </message>
    <message>
        <source>Run of 7</source>
        <translation>Escalera de 7</translation>
    </message>
    <message>
        <source>Run of 8</source>
        <translation>Escalera de 8</translation>
    </message>
    <message>
        <source>Run of 9</source>
        <translation>Escalera de 9</translation>
    </message>
    <message>
        <source>2 Sets of 4</source>
        <translation>2 grupos de 4</translation>
    </message>
    <message>
        <source>8 cards same color</source>
        <translation>8 cartas de un color</translation>
    </message>
    <message>
        <source>8 Cards of the same color</source>
        <translation>8 cartas del mismo color</translation>
    </message>
    <message>
        <source>Set of 4 + Run of 5</source>
        <translation>Grupo de 4 + escalera de 5</translation>
    </message>
    <message>
        <source>Set of 4 and Run of 5</source>
        <translation>Grupo de 4 y escalera de 5</translation>
    </message>
    <message>
        <source>2 Sets of 5</source>
        <translation>2 grupos de 5</translation>
    </message>
</context>
<context>
    <name>TableAccessibility</name>
    <message>
        <source>Create Stage</source>
        <translation>Bajar fase</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Pick Up</source>
        <translation>Recoger</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Robar</translation>
    </message>
    <message>
        <source>Chat Box</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Stage List</source>
        <translation>Lista de fases</translation>
    </message>
    <message>
        <source>run</source>
        <translation>escalera</translation>
    </message>
    <message>
        <source>color</source>
        <translation>color</translation>
    </message>
    <message>
        <source>set</source>
        <translation>grupo</translation>
    </message>
    <message>
        <source>stage %1</source>
        <translation>fase %1</translation>
    </message>
    <message>
        <source>all stages done</source>
        <translation>todas las fases hechas</translation>
    </message>
    <message>
        <source>not in the round</source>
        <translation>fuera de la ronda</translation>
    </message>
    <message>
        <source>1 card</source>
        <translation>1 carta</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 cartas</translation>
    </message>
    <message>
        <source>playing now</source>
        <translation>juega ahora</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>saltado</translation>
    </message>
    <message>
        <source>just watching</source>
        <translation>solo mira</translation>
    </message>
    <message>
        <source>nothing laid</source>
        <translation>nada bajado</translation>
    </message>
    <message>
        <source>laid: </source>
        <translation>bajado: </translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Mesa</translation>
    </message>
    <message>
        <source>%1 wild card</source>
        <translation>comodín %1</translation>
    </message>
    <message>
        <source>card %1 of %2</source>
        <translation>carta %1 de %2</translation>
    </message>
    <message>
        <source>Draw pile</source>
        <translation>Mazo</translation>
    </message>
    <message>
        <source>Discard pile: %1</source>
        <translation>Montón de descarte: %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
    <message>
        <source>%1&apos;s %2: %3</source>
        <translation>%2 de %1: %3</translation>
    </message>
    <message>
        <source>place a hit</source>
        <translation>añadir carta</translation>
    </message>
</context>
<context>
    <name>TableActions</name>
    <message>
        <source>You are not connected</source>
        <translation>No estás conectado</translation>
    </message>
    <message>
        <source>You must select a card to discard</source>
        <translation>Elige una carta para descartar</translation>
    </message>
    <message>
        <source>You can only select one card to discard</source>
        <translation>Solo puedes descartar una carta</translation>
    </message>
    <message>
        <source>You can only hit one card at a time.</source>
        <translation>Solo puedes añadir una carta cada vez.</translation>
    </message>
</context>
<context>
    <name>TableModel</name>
    <message>
        <source>Stage: %1</source>
        <translation>Fase: %1</translation>
    </message>
    <message>
        <source>%1 has started a game.</source>
        <translation>%1 ha empezado una partida.</translation>
    </message>
    <message>
        <source>Pick up Discard or Draw a Card.</source>
        <translation>Recoge el descarte o roba una carta.</translation>
    </message>
    <message>
        <source>%1&apos;s turn.</source>
        <translation>Turno de %1.</translation>
    </message>
    <message>
        <source>Create your Stage or Discard please..</source>
        <translation>Baja tu fase o descarta, por favor..</translation>
    </message>
    <message>
        <source>You drew a card</source>
        <translation>Has robado una carta</translation>
    </message>
    <message>
        <source>%1 drew a card.</source>
        <translation>%1 ha robado una carta.</translation>
    </message>
    <message>
        <source>%1 picked up the discard.</source>
        <translation>%1 ha recogido el descarte.</translation>
    </message>
    <message>
        <source>You skipped %1.</source>
        <translation>Has saltado a %1.</translation>
    </message>
    <message>
        <source>%1 skipped %2.</source>
        <translation>%1 ha saltado a %2.</translation>
    </message>
    <message>
        <source>You discarded</source>
        <translation>Has descartado</translation>
    </message>
    <message>
        <source>%1 discarded.</source>
        <translation>%1 ha descartado.</translation>
    </message>
    <message>
        <source>You completed the stage.</source>
        <translation>Has bajado la fase.</translation>
    </message>
    <message>
        <source>%1 Completed Stage%2.</source>
        <translation>%1 ha bajado la fase %2.</translation>
    </message>
    <message>
        <source>%1 placed a hit.</source>
        <translation>%1 ha añadido una carta.</translation>
    </message>
    <message>
        <source>%1 placed a hit on %2</source>
        <translation>%1 ha añadido una carta a %2</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>The Round is Over!</source>
        <translation>¡Se acabó la ronda!</translation>
    </message>
    <message>
        <source>You have Won the Game!</source>
        <translation>¡Has ganado la partida!</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>¡%1 ha ganado la partida!</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>¡Fin de la partida!</translation>
    </message>
    <message>
        <source>Place a Hit or Discard</source>
        <translation>Añade una carta o descarta</translation>
    </message>
    <message>
        <source>Create a Stage or Discard</source>
        <translation>Baja una fase o descarta</translation>
    </message>
    <message>
        <source>Welcome to Velmora!</source>
        <translation>¡Bienvenido a Velmora!</translation>
    </message>
    <message>
        <source>WINNER!</source>
        <translation>¡GANADOR!</translation>
    </message>
    <message>
        <source>You have to wait for the next round.</source>
        <translation>Tienes que esperar a la ronda siguiente.</translation>
    </message>
    <message>
        <source>You are just watching: the computer plays your seat.</source>
        <translation>Solo miras: el ordenador juega tu puesto.</translation>
    </message>
    <message>
        <source>the blue %1</source>
        <translation>el %1 azul</translation>
    </message>
    <message>
        <source>the brown %1</source>
        <translation>el %1 marrón</translation>
    </message>
    <message>
        <source>the green %1</source>
        <translation>el %1 verde</translation>
    </message>
    <message>
        <source>the red %1</source>
        <translation>el %1 rojo</translation>
    </message>
    <message>
        <source>a blue wild card</source>
        <translation>un comodín azul</translation>
    </message>
    <message>
        <source>a brown wild card</source>
        <translation>un comodín marrón</translation>
    </message>
    <message>
        <source>a green wild card</source>
        <translation>un comodín verde</translation>
    </message>
    <message>
        <source>a red wild card</source>
        <translation>un comodín rojo</translation>
    </message>
    <message>
        <source>a skip card</source>
        <translation>una carta de salto</translation>
    </message>
    <message>
        <source>%1 picked up %2.</source>
        <translation>%1 recogió %2.</translation>
    </message>
    <message>
        <source>You discarded %1.</source>
        <translation>Descartaste %1.</translation>
    </message>
    <message>
        <source>%1 discarded %2.</source>
        <translation>%1 descartó %2.</translation>
    </message>
</context>
<context>
    <name>velmora-server</name>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Usage: %1 [--port N] [--announce [--announce-to ADDRESS]] [--name TEXT]
          [--state FILE] [--resume FILE] [--open-port] [--pace N]
          [--metrics ADDRESS:PORT] [--log-format text|json]
          [--health-interval S] [--shutdown-when-empty S] [--level L]
       %1 --find [--timeout S]

One Velmora table without a window: the options are those of
&apos;velmora --serve&apos; (see &apos;velmora --help&apos;); it runs until SIGINT or SIGTERM.
</source>
        <translation>Uso: %1 [--port N] [--announce [--announce-to DIRECCIÓN]] [--name TEXTO]
          [--state ARCHIVO] [--resume ARCHIVO] [--open-port] [--pace N]
          [--metrics DIRECCIÓN:PUERTO] [--log-format text|json]
          [--health-interval S] [--shutdown-when-empty S] [--level L]
     %1 --find [--timeout S]

Una mesa de Velmora sin ventana: las opciones son las de
&apos;velmora --serve&apos; (ver &apos;velmora --help&apos;); funciona hasta SIGINT o SIGTERM.
</translation>
    </message>
</context>
<context>
    <name>velmora::client::BoardPanel</name>
    <message>
        <source>Start Game</source>
        <translation>Empezar partida</translation>
    </message>
    <message>
        <source>Deal a new game</source>
        <translation>Repartir una partida nueva</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>&lt;Waiting&gt;</source>
        <translation>&lt;Esperando&gt;</translation>
    </message>
</context>
<context>
    <name>velmora::client::ChatInput</name>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation>&lt;Escribe aquí&gt;</translation>
    </message>
    <message>
        <source>Chat here; Esc or F6 plays with the keys</source>
        <translation>Chatea aquí; Esc o F6 juega con las teclas</translation>
    </message>
</context>
<context>
    <name>velmora::client::ChatView</name>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Vaciar el chat</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>No desplazar el chat</translation>
    </message>
</context>
<context>
    <name>velmora::client::GameLog</name>
    <message>
        <source>Show the game log</source>
        <translation>Mostrar el registro de la partida</translation>
    </message>
    <message>
        <source>Game Log</source>
        <translation>Registro de la partida</translation>
    </message>
</context>
<context>
    <name>velmora::client::GameLogPanel</name>
    <message>
        <source>Game log</source>
        <translation>Registro de la partida</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Partida nueva</translation>
    </message>
    <message>
        <source>Round %1: %2</source>
        <translation>Ronda %1: %2</translation>
    </message>
</context>
<context>
    <name>velmora::client::HintButton</name>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Show a hint for your turn (Ctrl+H)</source>
        <translation>Mostrar una pista para tu turno (Ctrl+H)</translation>
    </message>
</context>
<context>
    <name>velmora::client::KeyboardPlay</name>
    <message>
        <source>Draw a Card</source>
        <translation>Robar una carta</translation>
    </message>
    <message>
        <source>Pick Up the Discard</source>
        <translation>Recoger el descarte</translation>
    </message>
    <message>
        <source>Lay the Stage</source>
        <translation>Bajar la fase</translation>
    </message>
    <message>
        <source>Discard the Raised Card</source>
        <translation>Descartar la carta levantada</translation>
    </message>
    <message>
        <source>Sort the Hand</source>
        <translation>Ordenar la mano</translation>
    </message>
    <message>
        <source>Chat Line or Table</source>
        <translation>Línea de chat o mesa</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>&lt;p&gt;The whole game can be played from the keyboard once the table has the keys: &lt;b&gt;Esc&lt;/b&gt; leaves the chat line for the table; &lt;b&gt;F6&lt;/b&gt; goes back and forth between the chat line and the table. A ring shows where the keys act. Typed text is chat: the chat line has the keys when the window comes up, and again after a click on the table or when a box or menu closes.&lt;/p&gt;&lt;table border=&quot;1&quot; cellpadding=&quot;4&quot; cellspacing=&quot;0&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Left&lt;/b&gt;, &lt;b&gt;Right&lt;/b&gt;, &lt;b&gt;Home&lt;/b&gt;, &lt;b&gt;End&lt;/b&gt;&lt;/td&gt;&lt;td&gt;move the ring over your hand&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Space&lt;/b&gt;&lt;/td&gt;&lt;td&gt;raise or lower the card under the ring (as a click)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;D&lt;/b&gt;&lt;/td&gt;&lt;td&gt;draw a card&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;P&lt;/b&gt;&lt;/td&gt;&lt;td&gt;pick up the discard&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Delete&lt;/b&gt; or &lt;b&gt;X&lt;/b&gt;&lt;/td&gt;&lt;td&gt;discard the raised card&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;L&lt;/b&gt;&lt;/td&gt;&lt;td&gt;lay your stage with the raised cards&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;S&lt;/b&gt;&lt;/td&gt;&lt;td&gt;sort your hand&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;H&lt;/b&gt;, or &lt;b&gt;Ctrl+H&lt;/b&gt; from anywhere&lt;/td&gt;&lt;td&gt;show a hint for your turn (also the Hint button beside the status line)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab&lt;/b&gt;, &lt;b&gt;Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;move the ring through your hand, the draw pile, the discard pile and every laid group&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Left&lt;/b&gt;, &lt;b&gt;Right&lt;/b&gt; on a group&lt;/td&gt;&lt;td&gt;choose the end a hit goes to&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Enter&lt;/b&gt;&lt;/td&gt;&lt;td&gt;on a group: place a hit with the raised card; on a pile: as a click&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+=&lt;/b&gt;, &lt;b&gt;Ctrl+-&lt;/b&gt;, &lt;b&gt;Ctrl+0&lt;/b&gt;&lt;/td&gt;&lt;td&gt;make the table bigger, smaller, or 100 %&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;p&gt;Toda la partida se puede jugar con el teclado en cuanto la mesa tiene las teclas: &lt;b&gt;Esc&lt;/b&gt; pasa de la línea de chat a la mesa; &lt;b&gt;F6&lt;/b&gt; va y viene entre la línea de chat y la mesa. Un anillo muestra dónde actúan las teclas. El texto escrito es chat: la línea de chat tiene las teclas cuando aparece la ventana, y de nuevo tras un clic en la mesa o cuando se cierra un aviso o un menú.&lt;/p&gt;&lt;table border=&quot;1&quot; cellpadding=&quot;4&quot; cellspacing=&quot;0&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Izquierda&lt;/b&gt;, &lt;b&gt;Derecha&lt;/b&gt;, &lt;b&gt;Inicio&lt;/b&gt;, &lt;b&gt;Fin&lt;/b&gt;&lt;/td&gt;&lt;td&gt;mover el anillo por tu mano&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Espacio&lt;/b&gt;&lt;/td&gt;&lt;td&gt;levantar o bajar la carta del anillo (como un clic)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;D&lt;/b&gt;&lt;/td&gt;&lt;td&gt;robar una carta&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;P&lt;/b&gt;&lt;/td&gt;&lt;td&gt;recoger el descarte&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Supr&lt;/b&gt; o &lt;b&gt;X&lt;/b&gt;&lt;/td&gt;&lt;td&gt;descartar la carta levantada&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;L&lt;/b&gt;&lt;/td&gt;&lt;td&gt;bajar tu fase con las cartas levantadas&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;S&lt;/b&gt;&lt;/td&gt;&lt;td&gt;ordenar tu mano&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;H&lt;/b&gt;, o &lt;b&gt;Ctrl+H&lt;/b&gt; desde cualquier sitio&lt;/td&gt;&lt;td&gt;mostrar una pista para tu turno (también el botón Pista junto a la línea de estado)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab&lt;/b&gt;, &lt;b&gt;Mayús+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;mover el anillo por tu mano, el mazo, el montón de descarte y cada combinación bajada&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Izquierda&lt;/b&gt;, &lt;b&gt;Derecha&lt;/b&gt; sobre una combinación&lt;/td&gt;&lt;td&gt;elegir el extremo al que se añade&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Intro&lt;/b&gt;&lt;/td&gt;&lt;td&gt;sobre una combinación: añadir la carta levantada; sobre un montón: como un clic&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+=&lt;/b&gt;, &lt;b&gt;Ctrl+-&lt;/b&gt;, &lt;b&gt;Ctrl+0&lt;/b&gt;&lt;/td&gt;&lt;td&gt;hacer la mesa más grande, más pequeña o al 100 %&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
</context>
<context>
    <name>velmora::client::MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Empezar partida</translation>
    </message>
    <message>
        <source>Host or Join…</source>
        <translation>Anfitrión o unirse…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jugar</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Just Watch</source>
        <translation>Solo mirar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>View Tally</source>
        <translation>Ver balance</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Lista de mirones</translation>
    </message>
    <message>
        <source>Phrase List</source>
        <translation>Frases</translation>
    </message>
    <message>
        <source>Game Log</source>
        <translation>Registro de la partida</translation>
    </message>
    <message>
        <source>Last Round Summary</source>
        <translation>Resumen de la última ronda</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Echar de la partida</translation>
    </message>
    <message>
        <source>Set to Just Watch</source>
        <translation>Poner a solo mirar</translation>
    </message>
    <message>
        <source>Unset Just Watch</source>
        <translation>Volver a jugar</translation>
    </message>
    <message>
        <source>Copy Table Address</source>
        <translation>Copiar la dirección de la mesa</translation>
    </message>
</context>
<context>
    <name>velmora::client::MotionOption</name>
    <message>
        <source>Animations</source>
        <translation>Animaciones</translation>
    </message>
    <message>
        <source>Off while the desktop asks for reduced motion</source>
        <translation>Desactivadas mientras el escritorio pida menos movimiento</translation>
    </message>
</context>
<context>
    <name>velmora::client::OptionsMenu</name>
    <message>
        <source>Turn Sound</source>
        <translation>Sonido de turno</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clásico</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Bot Speed</source>
        <translation>Velocidad del ordenador</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápida</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Tamaño del texto</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <source>14</source>
        <translation>14</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Color del texto</translation>
    </message>
    <message>
        <source>Action Color</source>
        <translation>Color de las acciones</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Vaciar el chat</translation>
    </message>
    <message>
        <source>Reset Screen Location</source>
        <translation>Restablecer la posición</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation>Se aplica al volver a empezar</translation>
    </message>
    <message>
        <source>Computer Level</source>
        <translation>Nivel del ordenador</translation>
    </message>
    <message>
        <source>Designed</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Fuerte</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experto</translation>
    </message>
</context>
<context>
    <name>velmora::client::Sounds</name>
    <message>
        <source>Play Sounds</source>
        <translation>Reproducir sonidos</translation>
    </message>
    <message>
        <source>Player Phrase Sounds</source>
        <translation>Sonidos de los jugadores</translation>
    </message>
    <message>
        <source>%1: &lt;Chatter Sound&gt; %2</source>
        <translation>%1: &lt;Sonido&gt; %2</translation>
    </message>
</context>
<context>
    <name>velmora::client::Tchat</name>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation>Cargando partida en solitario..Espera, por favor.</translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation>Cargando partida multijugador.. Espera, por favor.</translation>
    </message>
    <message>
        <source>%1 has a different version of the game then you.</source>
        <translation>%1 tiene una versión del juego distinta de la tuya.</translation>
    </message>
    <message>
        <source>You have a differnt version of the game then the host.</source>
        <translation>Tienes una versión del juego distinta de la del anfitrión.</translation>
    </message>
    <message>
        <source>Game is full</source>
        <translation>La partida está llena</translation>
    </message>
    <message>
        <source>Your tally could not be saved: %1</source>
        <translation>No se pudo guardar tu balance: %1</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>A game is under way. Exit and end it for everyone at the table?</source>
        <translation>Hay una partida en curso. ¿Salir y terminarla para todos en la mesa?</translation>
    </message>
    <message>
        <source>A game is under way. Exit and leave your seat to the computer?</source>
        <translation>Hay una partida en curso. ¿Salir y dejar tu puesto al ordenador?</translation>
    </message>
    <message>
        <source>A game is under way. Start a new game? The game now played ends for everyone.</source>
        <translation>Hay una partida en curso. ¿Empezar una nueva? La partida actual termina para todos.</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Pista: %1</translation>
    </message>
    <message>
        <source>Nobody is hosting a game at %1: the computer there refused the connection. Check the address and the port, and ask the host whether the game is open.</source>
        <translation>Nadie es anfitrión de una partida en %1: el ordenador de allí rechazó la conexión. Comprueba la dirección y el puerto, y pregunta al anfitrión si la partida está abierta.</translation>
    </message>
    <message>
        <source>%1 cannot be reached from this computer. Check the address and your network connection.</source>
        <translation>No se puede llegar a %1 desde este ordenador. Comprueba la dirección y tu conexión de red.</translation>
    </message>
    <message>
        <source>There was no answer from %1. The computer may be switched off, or a firewall may be in the way.</source>
        <translation>%1 no respondió. Puede que el ordenador esté apagado o que un cortafuegos lo impida.</translation>
    </message>
    <message>
        <source>No computer named %1 was found. Check the spelling of the address.</source>
        <translation>No se encontró ningún ordenador llamado %1. Comprueba cómo está escrita la dirección.</translation>
    </message>
    <message>
        <source>Could not join the game at %1.</source>
        <translation>No se pudo entrar en la partida de %1.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Port %1 is already in use on this computer, perhaps by another game. Host on port %2 instead? Players joining you then choose port %2.</source>
        <translation>El puerto %1 ya está en uso en este ordenador, quizá por otro juego. ¿Ser anfitrión en el puerto %2? Quien se una a ti elegirá entonces el puerto %2.</translation>
    </message>
    <message>
        <source>Host on Port %1</source>
        <translation>Anfitrión en el puerto %1</translation>
    </message>
    <message>
        <source>Connection lost: reconnecting…</source>
        <translation>Conexión perdida: reconectando…</translation>
    </message>
    <message>
        <source>Attempt %1</source>
        <translation>Intento %1</translation>
    </message>
    <message>
        <source>The host has ended the game.</source>
        <translation>El anfitrión ha terminado la partida.</translation>
    </message>
    <message>
        <source>Router: %1</source>
        <translation>Router: %1</translation>
    </message>
    <message>
        <source>Friends elsewhere join you at %1 (the port is open on your router).</source>
        <translation>Tus amigos de fuera se unen a ti en %1 (el puerto está abierto en tu router).</translation>
    </message>
    <message>
        <source>A game is under way. Resume the unfinished game instead? The game now played ends for everyone.</source>
        <translation>Hay una partida en curso. ¿Continuar en su lugar la partida sin terminar? La partida actual termina para todos.</translation>
    </message>
    <message>
        <source>The unfinished game is resumed.</source>
        <translation>La partida sin terminar continúa.</translation>
    </message>
    <message>
        <source>The unfinished game cannot be resumed: %1.</source>
        <translation>La partida sin terminar no se puede continuar: %1.</translation>
    </message>
    <message>
        <source>An unfinished game is saved. Start a new game instead? The unfinished game cannot be resumed then.</source>
        <translation>Hay una partida sin terminar guardada. ¿Empezar una partida nueva en su lugar? La partida sin terminar ya no se podrá continuar.</translation>
    </message>
    <message>
        <source>You stopped reconnecting and left the game.</source>
        <translation>Dejaste de reconectar y saliste de la partida.</translation>
    </message>
    <message>
        <source>The connection to the game was lost and could not be restored.</source>
        <translation>Se perdió la conexión con la partida y no se pudo recuperar.</translation>
    </message>
    <message>
        <source>The connection to the game has ended.</source>
        <translation>La conexión con la partida ha terminado.</translation>
    </message>
    <message>
        <source>Table: friends on your network join you at %1.</source>
        <translation>Mesa: tus amigos de tu red se unen en %1.</translation>
    </message>
    <message>
        <source>Table: the address %1 is copied.</source>
        <translation>Mesa: la dirección %1 está copiada.</translation>
    </message>
</context>
<context>
    <name>velmora::client::ZoomMenu</name>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Tamaño real</translation>
    </message>
</context>
<context>
    <name>velmora::windows::SideWindow</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>velmora::windows::Tabout</name>
    <message>
        <source>Velmora - About</source>
        <translation>Velmora - Acerca de</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>A card game of ten stages for up to four players.</source>
        <translation>Un juego de cartas de diez fases para hasta cuatro jugadores.</translation>
    </message>
</context>
<context>
    <name>velmora::windows::Tdownload</name>
    <message>
        <source>Download And Install The Halvex Lobby Now</source>
        <translation>Descargar e instalar ya el Halvex Lobby</translation>
    </message>
    <message>
        <source>Download Not Available: No Address Set</source>
        <translation>Descarga no disponible: no hay dirección</translation>
    </message>
    <message>
        <source>Download The Halvex Lobby</source>
        <translation>Descargar el Halvex Lobby</translation>
    </message>
    <message>
        <source>Resume the unfinished game</source>
        <translation>Continuar la partida sin terminar</translation>
    </message>
    <message>
        <source>The unfinished game cannot be resumed: %1.</source>
        <translation>La partida sin terminar no se puede continuar: %1.</translation>
    </message>
    <message>
        <source>Play Solo Game</source>
        <translation>Jugar en solitario</translation>
    </message>
    <message>
        <source>The Halvex Lobby</source>
        <translation>El Halvex Lobby</translation>
    </message>
    <message>
        <source>Meet other players in the Halvex Lobby.</source>
        <translation>Encuentra a otros jugadores en el Halvex Lobby.</translation>
    </message>
    <message>
        <source>Stop Download</source>
        <translation>Detener la descarga</translation>
    </message>
    <message>
        <source>Play with Others</source>
        <translation>Jugar con otros</translation>
    </message>
    <message>
        <source>Open The Halvex Lobby</source>
        <translation>Abrir el Halvex Lobby</translation>
    </message>
    <message>
        <source>No download address for the Halvex Lobby is set in the settings file.</source>
        <translation>El archivo de ajustes no tiene ninguna dirección de descarga del Halvex Lobby.</translation>
    </message>
    <message>
        <source>An Error has Occurred.</source>
        <translation>Se ha producido un error.</translation>
    </message>
    <message>
        <source>The download address is not an http or https address.</source>
        <translation>La dirección de descarga no es una dirección http o https.</translation>
    </message>
    <message>
        <source>There is no folder the download can be saved in.</source>
        <translation>No hay ninguna carpeta donde guardar la descarga.</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Cargando</translation>
    </message>
    <message>
        <source>The download is too large.</source>
        <translation>La descarga es demasiado grande.</translation>
    </message>
    <message>
        <source>Downloading: </source>
        <translation>Descargando: </translation>
    </message>
    <message>
        <source>The download could not be saved.</source>
        <translation>No se pudo guardar la descarga.</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>%1 bytes recibidos</translation>
    </message>
    <message>
        <source>The download&apos;s checksum could not be read.</source>
        <translation>No se pudo leer la suma de comprobación de la descarga.</translation>
    </message>
    <message>
        <source>The download&apos;s checksum could not be fetched, so it was not kept.</source>
        <translation>No se pudo obtener la suma de comprobación de la descarga, así que no se ha guardado.</translation>
    </message>
    <message>
        <source>The download does not match its checksum, so it was not kept.</source>
        <translation>La descarga no coincide con su suma de comprobación, así que no se ha guardado.</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Instalando</translation>
    </message>
    <message>
        <source>Download Aborted</source>
        <translation>Descarga cancelada</translation>
    </message>
    <message>
        <source>Download has been aborted.</source>
        <translation>Se ha cancelado la descarga.</translation>
    </message>
    <message>
        <source>Please close the game and open the Halvex Lobby using the icon on your desktop or using the your Window&apos;s start-up menu.</source>
        <translation>Cierra el juego y abre el Halvex Lobby con su icono del escritorio o desde el menú de inicio.</translation>
    </message>
    <message>
        <source>Computer players:</source>
        <translation>Jugadores del ordenador:</translation>
    </message>
    <message>
        <source>Host a Game</source>
        <translation>Ser anfitrión</translation>
    </message>
    <message>
        <source>Join a Game</source>
        <translation>Unirse a una partida</translation>
    </message>
    <message>
        <source>Velmora - New Game</source>
        <translation>Velmora - Partida nueva</translation>
    </message>
</context>
<context>
    <name>velmora::windows::Tgamestart</name>
    <message>
        <source>Velmora - Game Options</source>
        <translation>Velmora - Opciones de partida</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Opciones de partida</translation>
    </message>
    <message>
        <source>Play to Score</source>
        <translation>Jugar hasta</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>Tiempo para bajar</translation>
    </message>
</context>
<context>
    <name>velmora::windows::Thelp</name>
    <message>
        <source>Velmora - Help File</source>
        <translation>Velmora - Ayuda</translation>
    </message>
</context>
<context>
    <name>velmora::windows::Thostjoin</name>
    <message>
        <source>Velmora - Host or Join</source>
        <translation>Velmora - Anfitrión o unirse</translation>
    </message>
    <message>
        <source>Play with Others</source>
        <translation>Jugar con otros</translation>
    </message>
    <message>
        <source>the host&apos;s name or address, to join</source>
        <translation>nombre o dirección del anfitrión, para unirse</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Tables on this network (double-click one to join):</source>
        <translation>Mesas en esta red (doble clic para unirse):</translation>
    </message>
    <message>
        <source>Let players on this network find the table</source>
        <translation>Dejar que los jugadores de esta red encuentren la mesa</translation>
    </message>
    <message>
        <source>The game in this window ends, and the program starts again at the new table.</source>
        <translation>La partida de esta ventana termina y el programa vuelve a empezar en la mesa nueva.</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Ser anfitrión</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Unirse</translation>
    </message>
    <message>
        <source>Others join you at: </source>
        <translation>Los demás se unen en: </translation>
    </message>
    <message>
        <source>1 player</source>
        <translation>1 jugador</translation>
    </message>
    <message>
        <source>%1 players</source>
        <translation>%1 jugadores</translation>
    </message>
    <message>
        <source>, playing</source>
        <translation>, jugando</translation>
    </message>
    <message>
        <source>This table runs version %1; you have %2.</source>
        <translation>Esta mesa usa la versión %1; tú tienes la %2.</translation>
    </message>
    <message>
        <source>Type your name first.</source>
        <translation>Escribe primero tu nombre.</translation>
    </message>
    <message>
        <source>Type the address of the computer that hosts the game.</source>
        <translation>Escribe la dirección del ordenador anfitrión.</translation>
    </message>
    <message>
        <source>Open the port on my router</source>
        <translation>Abrir el puerto en mi router</translation>
    </message>
    <message>
        <source>Asks the router (UPnP, else NAT-PMP) to let players from the internet reach the table.</source>
        <translation>Pide al router (UPnP, si no NAT-PMP) que deje llegar a la mesa a jugadores de internet.</translation>
    </message>
    <message>
        <source>Resume the unfinished game</source>
        <translation>Continuar la partida sin terminar</translation>
    </message>
    <message>
        <source>Those who played it take their seats back when they join again.</source>
        <translation>Quienes la jugaron recuperan su puesto al volver a unirse.</translation>
    </message>
    <message>
        <source>Velmora - Join a Game</source>
        <translation>Velmora - Unirse a una partida</translation>
    </message>
    <message>
        <source>Join a Game</source>
        <translation>Unirse a una partida</translation>
    </message>
</context>
<context>
    <name>velmora::windows::Tphrases</name>
    <message>
        <source>Velmora - Phrases</source>
        <translation>Velmora - Frases</translation>
    </message>
    <message>
        <source>Phrase List</source>
        <translation>Frases</translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation>Botón de frase %1:</translation>
    </message>
    <message>
        <source>Buttons can only be used once every 2 seconds</source>
        <translation>Los botones solo sirven una vez cada 2 segundos</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
</context>
<context>
    <name>velmora::windows::Tspylist</name>
    <message>
        <source>Velmora - Spys</source>
        <translation>Velmora - Mirones</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Lista de mirones</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Echar de la partida</translation>
    </message>
    <message>
        <source>Nobody is watching.</source>
        <translation>Nadie está mirando.</translation>
    </message>
</context>
<context>
    <name>velmora::windows::Ttallylist</name>
    <message>
        <source>Wins:</source>
        <translation>Victorias:</translation>
    </message>
    <message>
        <source>Player&apos;s Tally</source>
        <translation>Balance del jugador</translation>
    </message>
    <message>
        <source>Velmora - Tally List</source>
        <translation>Velmora - Balance</translation>
    </message>
    <message>
        <source>Players In Current Game</source>
        <translation>Jugadores de la partida actual</translation>
    </message>
    <message>
        <source>Players Being Tallied</source>
        <translation>Jugadores registrados</translation>
    </message>
    <message>
        <source>Reset Tally</source>
        <translation>Reiniciar balance</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Your Total Tally</source>
        <translation>Tu balance total</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Partidas totales:</translation>
    </message>
    <message>
        <source>Your Wins</source>
        <translation>Tus victorias</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sesión</translation>
    </message>
    <message>
        <source>Number of Games</source>
        <translation>Número de partidas</translation>
    </message>
    <message>
        <source>Your Wins:</source>
        <translation>Tus victorias:</translation>
    </message>
    <message>
        <source>Neither Won:</source>
        <translation>Nadie ganó:</translation>
    </message>
    <message>
        <source>Your tally could not be read completely:
%1

What could be read is kept. The damaged file will be kept as %2 when the tally is next saved.</source>
        <translation>No se pudo leer todo tu balance:
%1

Se conserva lo que se pudo leer. El archivo dañado se guardará como %2 la próxima vez que se guarde el balance.</translation>
    </message>
    <message>
        <source>This will delete %1&apos;s Tally, Are you want to delete it?</source>
        <translation>Esto borrará el balance de %1. ¿Quieres borrarlo?</translation>
    </message>
    <message>
        <source>%1 Wins:</source>
        <translation>Victorias de %1:</translation>
    </message>
    <message>
        <source>%1&apos;s Tally</source>
        <translation>Balance de %1</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the Tally?</source>
        <translation>¿Seguro que quieres reiniciar el balance?</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Board</name>
    <message>
        <source>GAME LOG</source>
        <translation>SPIELPROTOKOLL</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 Karten</translation>
    </message>
    <message>
        <source>Discard pile (%1): pick it up, or discard your raised card</source>
        <translation>Ablagestapel (%1): aufnehmen oder die angehobene Karte abwerfen</translation>
    </message>
    <message>
        <source>Discard pile: discard your raised card here</source>
        <translation>Ablagestapel: hier die angehobene Karte abwerfen</translation>
    </message>
    <message>
        <source>Draw pile: draw a card</source>
        <translation>Nachziehstapel: eine Karte ziehen</translation>
    </message>
    <message>
        <source>Discard the raised card</source>
        <translation>Die angehobene Karte abwerfen</translation>
    </message>
    <message>
        <source>Take the card on the discard pile</source>
        <translation>Die Karte vom Ablagestapel nehmen</translation>
    </message>
    <message>
        <source>Draw a card from the draw pile</source>
        <translation>Eine Karte vom Nachziehstapel ziehen</translation>
    </message>
    <message>
        <source>Lay your stage with the raised cards</source>
        <translation>Mit den angehobenen Karten die Stufe auslegen</translation>
    </message>
    <message>
        <source>Show the chat</source>
        <translation>Den Chat zeigen</translation>
    </message>
    <message>
        <source>Show the ten stages</source>
        <translation>Die zehn Stufen zeigen</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Braun</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Aussetzer</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>%1 Wild</source>
        <translation>%1 Joker</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>STAGE %1:</source>
        <translation>STUFE %1:</translation>
    </message>
    <message>
        <source>STAGE LIST</source>
        <translation>STUFENLISTE</translation>
    </message>
    <message>
        <source>Penalty points this game: %1</source>
        <translation>Strafpunkte in diesem Spiel: %1</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>all</source>
        <translation>alle</translation>
    </message>
    <message>
        <source>Player	Stage	Done	Round	Total</source>
        <translation>Spieler	Stufe	Geschafft	Runde	Gesamt</translation>
    </message>
    <message>
        <source>%1 went out.</source>
        <translation>Ausgespielt: %1.</translation>
    </message>
    <message>
        <source>%1 ended the round.</source>
        <translation>Runde beendet von: %1.</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Player	Stage	Points	Won</source>
        <translation>Spieler	Stufe	Punkte	Siege</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Noch einmal</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>CardArt</name>
    <message>
        <source>NOT PLAYING</source>
        <translation>SPIELT NICHT</translation>
    </message>
    <message>
        <source>WAITING..</source>
        <translation>WARTET..</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Spiel starten</translation>
    </message>
    <message>
        <source>Create Stage</source>
        <translation>Stufe auslegen</translation>
    </message>
    <message>
        <source>DISCARD</source>
        <translation>ABWERFEN</translation>
    </message>
    <message>
        <source>PICK UP</source>
        <translation>AUFNEHMEN</translation>
    </message>
    <message>
        <source>DRAW</source>
        <translation>ZIEHEN</translation>
    </message>
    <message>
        <source>CHAT BOX</source>
        <translation>CHAT</translation>
    </message>
    <message>
        <source>STAGE LIST</source>
        <translation>STUFEN</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Aussetzer</translation>
    </message>
    <message>
        <source>Wild</source>
        <translation>Joker</translation>
    </message>
    <message>
        <source>RUN</source>
        <translation>FOLGE</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>FARBE</translation>
    </message>
    <message>
        <source>SET</source>
        <translation>SATZ</translation>
    </message>
    <message>
        <source>LOG</source>
        <translation>LOG</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Overview</source>
        <translation>Überblick</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Game Play</source>
        <translation>Spielablauf</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Wertung</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Regeln</translation>
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
&lt;h3&gt;Gruppen&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;Ein &lt;b&gt;Satz&lt;/b&gt;: Karten derselben Zahl, beliebige Farben (9 9 9).&lt;/li&gt;
&lt;li&gt;Eine &lt;b&gt;Folge&lt;/b&gt;: Zahlen der Reihe nach, je eine Karte (4 5 6 7),
beliebige Farben.&lt;/li&gt;
&lt;li&gt;Eine &lt;b&gt;Farbgruppe&lt;/b&gt;: Karten einer Farbe, beliebige Zahlen.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;Die zehn Stufen&lt;/h3&gt;
&lt;table border=&quot;1&quot; cellpadding=&quot;4&quot; cellspacing=&quot;0&quot;&gt;
&lt;tr&gt;&lt;th&gt;Stufe&lt;/th&gt;&lt;th&gt;du legst aus&lt;/th&gt;&lt;th&gt;Beispiel&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;1&lt;/td&gt;&lt;td&gt;2 Sätze zu 3&lt;/td&gt;&lt;td&gt;3 3 3 und 8 8 W&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;2&lt;/td&gt;&lt;td&gt;Satz zu 3 und Folge zu 4&lt;/td&gt;&lt;td&gt;7 7 7 und 2 3 4 5&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;3&lt;/td&gt;&lt;td&gt;Satz zu 4 und Folge zu 4&lt;/td&gt;&lt;td&gt;10 10 10 10 und 5 6 W 8&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;4&lt;/td&gt;&lt;td&gt;Folge zu 7&lt;/td&gt;&lt;td&gt;3 4 5 6 7 8 9&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;5&lt;/td&gt;&lt;td&gt;Folge zu 8&lt;/td&gt;&lt;td&gt;1 2 3 4 W 6 7 8&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;6&lt;/td&gt;&lt;td&gt;Folge zu 9&lt;/td&gt;&lt;td&gt;4 5 6 7 8 9 10 11 12&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;7&lt;/td&gt;&lt;td&gt;2 Sätze zu 4&lt;/td&gt;&lt;td&gt;2 2 2 2 und 11 11 W W&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;8&lt;/td&gt;&lt;td&gt;8 Karten derselben Farbe&lt;/td&gt;&lt;td&gt;acht grüne Karten: 1 3 3 6 8 9 12 W&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;9&lt;/td&gt;&lt;td&gt;Satz zu 4 und Folge zu 5&lt;/td&gt;&lt;td&gt;6 6 6 6 und 8 9 10 11 12&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;10&lt;/td&gt;&lt;td&gt;2 Sätze zu 5&lt;/td&gt;&lt;td&gt;4 4 4 4 4 und 12 12 12 W W&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Eine Stufe wird auf einmal ausgelegt: Beide Gruppen einer Stufe aus zwei
Gruppen kommen im selben Zug auf den Tisch.&lt;/p&gt;
&lt;h3&gt;Meldungen beim Spielen&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;„Das geht gerade nicht.“ &amp;ndash; es ist nicht der richtige Moment, zum
Beispiel Abwerfen, bevor du eine Karte genommen hast.&lt;/li&gt;
&lt;li&gt;„Damit ist deine Stufe nicht vollständig.“ &amp;ndash; die gewählten Karten
ergeben deine Stufe nicht.&lt;/li&gt;
&lt;li&gt;„Anlegen darfst du erst, wenn deine Stufe liegt.“ &amp;ndash; lege zuerst deine
eigene Stufe aus.&lt;/li&gt;
&lt;li&gt;„Dieser Zug ist nicht erlaubt.“ &amp;ndash; die Karte passt nicht an diese Gruppe.&lt;/li&gt;
&lt;/ul&gt;
</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Lizenz</translation>
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
&lt;p&gt;&lt;b&gt;Velmora&lt;/b&gt; &amp;ndash; Copyright die Velmora-Entwickler.&lt;/p&gt;
&lt;p&gt;Dieses Programm ist freie Software unter der MIT-Lizenz. Maßgeblich ist
der englische Wortlaut:&lt;/p&gt;
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
&lt;p&gt;Das Programm nutzt das Qt-Toolkit unter der GNU Lesser General Public
License, Version 3. Die Kartenbilder und Klänge erzeugt das Programm selbst.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
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
&lt;h3&gt;Weiterkommen&lt;/h3&gt;
&lt;p&gt;Am Ende einer Runde geht jeder, der seine Stufe ausgelegt hat, zur nächsten
Stufe weiter. Wer es nicht geschafft hat, versucht dieselbe Stufe in der
nächsten Runde noch einmal.&lt;/p&gt;
&lt;h3&gt;Gewinnen&lt;/h3&gt;
&lt;p&gt;Wer als Erster Stufe 10 schafft, gewinnt das Spiel; das wird verkündet, bevor
die nächste Runde gegeben würde. Allein die Stufen entscheiden, wer gewinnt.&lt;/p&gt;
&lt;h3&gt;Strafpunkte&lt;/h3&gt;
&lt;p&gt;Karten, die am Ende einer Runde noch in deiner Hand sind, zählen gegen dich.
Die Punkte jedes Spielers stehen neben seinem Namen und in der Übersicht nach
jeder Runde, damit du vergleichen kannst, wie sauber du spielst; sie entscheiden
nicht über den Sieg und werden nicht in der Bilanz festgehalten:&lt;/p&gt;
&lt;table border=&quot;1&quot; cellpadding=&quot;4&quot; cellspacing=&quot;0&quot;&gt;
&lt;tr&gt;&lt;th&gt;Karte&lt;/th&gt;&lt;th&gt;Punkte&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;1 bis 9&lt;/td&gt;&lt;td&gt;5&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;10, 11, 12&lt;/td&gt;&lt;td&gt;10&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Joker&lt;/td&gt;&lt;td&gt;20&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Aussetzer&lt;/td&gt;&lt;td&gt;20&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Beispiel: Eine Hand mit 1, 10, 12, einem Joker und einem Aussetzer kostet
5 + 10 + 10 + 20 + 20 = 65 Punkte.&lt;/p&gt;
&lt;h3&gt;Bilanz&lt;/h3&gt;
&lt;p&gt;Ansicht &amp;gt; Bilanz zeigen zählt für jeden Spieler, dem du folgst, die Spiele,
die ihr zusammen gespielt habt, und wer sie gewonnen hat, in dieser Sitzung und
insgesamt.&lt;/p&gt;
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
&lt;p&gt;&lt;b&gt;Velmora&lt;/b&gt; ist ein Kartenspiel für bis zu vier Spieler an einem Tisch.
Jeder Spieler arbeitet sich durch zehn &lt;b&gt;Stufen&lt;/b&gt;: feste Kombinationen von
Karten wie „2 Sätze zu 3“ oder „Folge zu 7“. Wer als Erster die zehnte Stufe
schafft, gewinnt das Spiel.&lt;/p&gt;
&lt;h3&gt;Start&lt;/h3&gt;
&lt;p&gt;Beim Start fragt das Programm, wie du spielen willst. Für ein Solospiel
wählst du einen bis drei Computerspieler und drückst &lt;b&gt;Solo spielen&lt;/b&gt;: Du
sitzt auf Platz 1. Drücke &lt;b&gt;Spiel starten&lt;/b&gt; (oder Datei &amp;gt; Spiel starten),
um zu geben. Um mit Freunden zu spielen, drücke &lt;b&gt;Ein Spiel leiten&lt;/b&gt; oder
&lt;b&gt;Einem Spiel beitreten&lt;/b&gt;, oder nimm später Datei &amp;gt; Leiten oder
beitreten&amp;hellip; (siehe &lt;i&gt;Verbinden&lt;/i&gt;). Ein Spiel, das du nicht zu Ende
gespielt hast, wird gespeichert: &lt;b&gt;Das unterbrochene Spiel fortsetzen&lt;/b&gt;
macht dort weiter, wo es aufgehört hat.&lt;/p&gt;
&lt;h3&gt;Die Karten&lt;/h3&gt;
&lt;p&gt;Das Spiel hat 108 Karten: die Zahlen 1 bis 12 in vier Farben (blau, braun,
grün und rot), jede doppelt; acht Joker, markiert mit &lt;b&gt;W&lt;/b&gt;; und vier
Aussetzer, markiert mit &lt;b&gt;S&lt;/b&gt;. Jede Farbe hat außerdem ihre eigene Form,
damit die Farben auch für Spieler zu unterscheiden sind, denen das schwerfällt.&lt;/p&gt;
&lt;h3&gt;Eine Runde in Kürze&lt;/h3&gt;
&lt;p&gt;Jeder bekommt zehn Karten, und eine Karte wird offen neben den Stapel
gelegt. Wenn du dran bist, nimmst du eine Karte, darfst deine Stufe auslegen,
darfst Karten an Gruppen auf dem Tisch anlegen und beendest deinen Zug, indem
du eine Karte abwirfst. Hat jemand keine Karten mehr, endet die Runde, und
jeder, der eine Stufe ausgelegt hat, geht zur nächsten weiter.&lt;/p&gt;
&lt;h3&gt;Die Fenster&lt;/h3&gt;
&lt;p&gt;Der Chat ist unten rechts; Spruchknöpfe senden mit einem Klick einen Gruß.
Ansicht &amp;gt; Zuschauerliste zeigt, wer zuschaut, Ansicht &amp;gt; Bilanz zeigen
zeigt die Spiele, die du gespielt hast. Mit F1 öffnest du jederzeit diese Hilfe.&lt;/p&gt;
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
&lt;h3&gt;Solospiel&lt;/h3&gt;
&lt;p&gt;Ein Solospiel wird auf deinem Computer geleitet, und du sitzt auf Platz 1;
die Computerspieler, die du gewählt hast, nehmen die anderen Plätze
(&lt;b&gt;Klot&lt;/b&gt; nimmt immer Platz 2). Ein Netz ist nicht nötig.&lt;/p&gt;
&lt;h3&gt;Ein Spiel leiten&lt;/h3&gt;
&lt;p&gt;Wähle Datei &amp;gt; Leiten oder beitreten&amp;hellip;, gib deinen Namen ein, lass den
Port (7772, wenn du keinen Grund hast, ihn zu ändern) und drücke &lt;b&gt;Leiten&lt;/b&gt;.
Das Programm startet neu als Gastgeber eines neuen Tisches. Sag deinen
Freunden die Adresse deines Computers (der Dialog nennt sie) und den Port.
Wenn du bereit bist, drücke &lt;b&gt;Spiel starten&lt;/b&gt;: Nur der Gastgeber kann ein
Spiel starten oder Spieler entfernen.&lt;/p&gt;
&lt;p&gt;Ist &lt;b&gt;Spieler in diesem Netz dürfen den Tisch finden&lt;/b&gt; angekreuzt,
erscheint der Tisch in der Liste aller in deinem Netz, die denselben Dialog
öffnen. In einem Heimnetz muss sonst nichts geändert werden.&lt;/p&gt;
&lt;p&gt;Freunde im Internet erreichen dich nur, wenn dein Router den TCP-Port 7772
(oder den gewählten Port) an deinen Computer weiterleitet und deine Firewall
ihn durchlässt. Kreuze &lt;b&gt;Den Port auf meinem Router öffnen&lt;/b&gt; an, dann bittet
das Spiel den Router darum; der Chat nennt dir danach die Adresse für deine
Freunde oder den Grund, warum der Router abgelehnt hat.&lt;/p&gt;
&lt;h3&gt;Einem Spiel beitreten&lt;/h3&gt;
&lt;p&gt;Wähle Datei &amp;gt; Leiten oder beitreten&amp;hellip;, gib deinen Namen, die Adresse
des Gastgebers (ein Name wie &lt;i&gt;kueche-pc&lt;/i&gt; oder Zahlen wie
&lt;i&gt;192.168.1.20&lt;/i&gt;) und den Port ein, den dir der Gastgeber genannt hat, und
drücke &lt;b&gt;Beitreten&lt;/b&gt;. Adressen, die du schon benutzt hast, stehen in der Liste.
Tische in deinem Netz, die sich finden lassen, stehen im Dialog: Ein
Doppelklick tritt einem bei.&lt;/p&gt;
&lt;h3&gt;Wenn die Verbindung abbricht&lt;/h3&gt;
&lt;p&gt;Geht die Verbindung zum Gastgeber verloren, sagt das Fenster „Verbindung
verloren: verbinde neu…“ und versucht es bis zu zwei Minuten lang wieder;
mit &lt;b&gt;Abbrechen&lt;/b&gt; gibst du auf. Dein Platz bleibt zwei Minuten für dich
frei, während der Computer ihn spielt, und du kommst mit deinen Karten zurück.
Beendet der Gastgeber das Spiel, hörst du „Der Gastgeber hat das Spiel
beendet.“ und bist wieder am Anfang.&lt;/p&gt;
&lt;h3&gt;Die Halvex-Lobby&lt;/h3&gt;
&lt;p&gt;Die Lobby ist ein eigenes Programm, um andere Spieler zu treffen. Sie startet
das Spiel für dich mit dem richtigen Namen und der richtigen Adresse. Das
Download-Fenster bietet an, sie zu laden, wenn eine Download-Adresse eingestellt ist.&lt;/p&gt;
&lt;h3&gt;Plätze und Zuschauer&lt;/h3&gt;
&lt;p&gt;Die ersten vier Personen nehmen die Plätze. Die nächsten fünf schauen als
&lt;b&gt;Zuschauer&lt;/b&gt; zu: Sie sehen das Spiel und chatten, spielen aber nicht mit.
Eine zehnte Verbindung bekommt „Das Spiel ist voll“. Wer beitritt, während ein
Spiel läuft, übernimmt einen freien Platz vom Computer, mitsamt den Karten.&lt;/p&gt;
&lt;p&gt;Alle Spieler brauchen dieselbe Version des Spiels; der Chat sagt dir, wenn
jemandes Version abweicht. Schließt der Gastgeber das Spiel, schließt der Tisch
für alle.&lt;/p&gt;
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
&lt;h3&gt;Dein Zug&lt;/h3&gt;
&lt;ol&gt;
&lt;li&gt;&lt;b&gt;Eine Karte nehmen&lt;/b&gt;: Klicke auf den Nachziehstapel, um die oberste Karte
zu ziehen, oder auf die offene Karte, um sie zu nehmen. Ein Joker auf dem
Ablagestapel darf genommen werden, ein Aussetzer nicht.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Die Stufe auslegen&lt;/b&gt; (einmal pro Runde): Wähle die Karten, die sie
braucht, und lege sie zusammen aus. Du darfst ein paar Karten zu viel wählen;
das Spiel nimmt, was die Stufe braucht, und lässt den Rest in deiner Hand.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Anlegen&lt;/b&gt; (erst wenn deine Stufe liegt): Lege einzelne Karten an
irgendeine Gruppe auf dem Tisch an, deine oder die eines anderen.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Abwerfen&lt;/b&gt;: Wirf eine Karte auf den Ablagestapel. Damit endet dein Zug.&lt;/li&gt;
&lt;/ol&gt;
&lt;h3&gt;Tipps&lt;/h3&gt;
&lt;p&gt;Nicht sicher, was du tun sollst? Wähle in deinem Zug Spielen &amp;gt; Tipp
(oder drücke &lt;b&gt;H&lt;/b&gt;): Die Karten zum Spielen werden angehoben, der Stapel
oder die Gruppe dafür wird umrandet, und die Statuszeile sagt, warum. Gespielt
wird erst, wenn du es tust.&lt;/p&gt;
&lt;h3&gt;Joker&lt;/h3&gt;
&lt;p&gt;Ein Joker (W) steht für jede Zahl und jede Farbe. Ein Satz braucht trotzdem
mindestens zwei echte Karten seiner Zahl: 7 7 W ist ein Satz zu 3, 7 W W nicht.
Joker, die beim Auslegen einer Folge übrig sind, verlängern sie.&lt;/p&gt;
&lt;h3&gt;Aussetzer&lt;/h3&gt;
&lt;p&gt;Wirfst du einen Aussetzer (S) ab, muss der nächste Spieler einmal aussetzen.
Ein Aussetzer kann nicht vom Ablagestapel genommen werden. In einem Satz oder
einer Folge zählt ein Aussetzer als 1.&lt;/p&gt;
&lt;h3&gt;Anlegen&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;An einen &lt;b&gt;Satz&lt;/b&gt;: eine Karte derselben Zahl (5 an 5 5 5) oder ein Joker.&lt;/li&gt;
&lt;li&gt;An eine &lt;b&gt;Folge&lt;/b&gt;: die nächste Zahl an einem der beiden Enden (3 oder 8 an
4 5 6 7) oder ein Joker an dem Ende, das du wählst. Folgen gehen von 1 bis 12
und laufen nicht im Kreis.&lt;/li&gt;
&lt;li&gt;An eine &lt;b&gt;Farbgruppe&lt;/b&gt;: jede Karte dieser Farbe oder ein Joker.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Eine Gruppe hat höchstens 12 Karten. Legst du deine letzte Karte an, endet
die Runde sofort, ohne Abwurf.&lt;/p&gt;
&lt;h3&gt;Ende einer Runde&lt;/h3&gt;
&lt;p&gt;Eine Runde endet, wenn ein Spieler keine Karten mehr hat oder wenn jeder
Spieler der Runde seine Stufe ausgelegt hat. Die nächste Runde wird sieben
Sekunden später gegeben.&lt;/p&gt;
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
&lt;p&gt;Alles im Menü Optionen wird für das nächste Mal gemerkt, in der
Einstellungsdatei &lt;i&gt;halvexlobby.ini&lt;/i&gt;.&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Klänge abspielen&lt;/b&gt;: die Klänge des Spiels (Karten, Züge, Ankünfte).&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Klänge der Mitspieler&lt;/b&gt;: die Klänge, die andere Spieler senden.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Zug-Klang&lt;/b&gt;: Klassisch oder Neu, der Klang, der dir sagt, dass du am
Zug bist.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Tempo des Computers&lt;/b&gt;: wie lange die Computerspieler vor jedem Zug
überlegen: Langsam (2 Sekunden), Normal (1 Sekunde) oder Schnell (eine halbe
Sekunde). Es zählt, wenn du leitest.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Spielstärke des Computers&lt;/b&gt;: Normal spielt das gewohnte Spiel der
Computerspieler; Stark spielt härter, für Spieler, die eine Herausforderung
wollen; Experte noch härter: Vor jeder Entscheidung spielt er viele Arten
durch, wie die verdeckten Karten liegen könnten; der Tipp gibt seinen
Rat. Es zählt, wenn du leitest.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Animationen&lt;/b&gt;: Karten bewegen sich über den Tisch, wenn sie gezogen,
abgeworfen oder ausgelegt werden; schalte sie aus, damit sich der Tisch
sofort ändert.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Textgröße&lt;/b&gt;: die Größe des Chat-Textes.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Textfarbe&lt;/b&gt; und &lt;b&gt;Aktionsfarbe&lt;/b&gt;: die Farben deiner Chatzeilen und
deiner Aktionen (Zeilen wie &lt;i&gt;/me winkt&lt;/i&gt;).&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Nur zuschauen&lt;/b&gt;: Der Computer spielt deinen Platz, während du zuschaust;
wähle es noch einmal, um weiterzuspielen.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Chat leeren&lt;/b&gt;: leert den Chat.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Chat nicht rollen&lt;/b&gt; (Rechtsklick in den Chat oder Strg+S): Der Chat bleibt
stehen, während neue Zeilen kommen, damit du zurücklesen kannst; wähle es noch
einmal, um wieder den neuesten Zeilen zu folgen.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Fensterposition zurücksetzen&lt;/b&gt;: holt das Fenster in der ersten Größe
zurück in die linke obere Ecke.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Sprache&lt;/b&gt;: die Sprache des Spiels (System folgt deinem Rechner); sie
gilt ab dem nächsten Start.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;Chat&lt;/h3&gt;
&lt;p&gt;Tippe in die Zeile unter dem Chat und drücke die Eingabetaste. Eine Zeile,
die mit &lt;i&gt;/me&lt;/i&gt; beginnt, wird zur Aktion: „/me winkt“ erscheint als „Ann winkt“,
wenn du Ann heißt. Die Spruchknöpfe senden ihren Spruch mit einem Klick; der
letzte Knopf spielt für alle einen Klang.&lt;/p&gt;
&lt;h3&gt;Lobby-Download&lt;/h3&gt;
&lt;p&gt;Das Download-Fenster lädt die Halvex-Lobby von der Adresse, die in der
Einstellungsdatei steht. Ein Download wird erst gestartet, nachdem er geprüft
wurde: Er muss über eine sichere (https-)Adresse kommen oder zu der Prüfsumme
passen, die neben ihm veröffentlicht ist.&lt;/p&gt;
</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>skip</source>
        <translation>Aussetzer</translation>
    </message>
    <message>
        <source>wild card</source>
        <translation>Joker</translation>
    </message>
    <message>
        <source>blue %1</source>
        <translation>Blau %1</translation>
    </message>
    <message>
        <source>brown %1</source>
        <translation>Braun %1</translation>
    </message>
    <message>
        <source>green %1</source>
        <translation>Grün %1</translation>
    </message>
    <message>
        <source>red %1</source>
        <translation>Rot %1</translation>
    </message>
    <message>
        <source>Discard the %1: %2</source>
        <translation>%1 abwerfen: %2</translation>
    </message>
    <message>
        <source>the next player loses a turn</source>
        <translation>der Nächste setzt aus</translation>
    </message>
    <message>
        <source>the game stands still and a laid group takes it</source>
        <translation>das Spiel steht still, und sie passt an eine ausgelegte Gruppe</translation>
    </message>
    <message>
        <source>no group takes it and the next player gains least</source>
        <translation>passt an keine Gruppe und nützt dem Nächsten am wenigsten</translation>
    </message>
    <message>
        <source>it helps your stage least and the next player gains least</source>
        <translation>hilft deiner Stufe und dem Nächsten am wenigsten</translation>
    </message>
    <message>
        <source>Lay your stage &quot;%1&quot; now</source>
        <translation>Lege jetzt deine Stufe „%1“ aus</translation>
    </message>
    <message>
        <source>Hit the %1 on your group %2: one card fewer to go out</source>
        <translation>%1 an deine Gruppe %2 anlegen: eine Karte weniger</translation>
    </message>
    <message>
        <source>Hit the %1 on seat %2&apos;s group %3: one card fewer to go out</source>
        <translation>%1 an Gruppe %3 von Platz %2 anlegen: eine Karte weniger</translation>
    </message>
    <message>
        <source>Draw: the pile is empty</source>
        <translation>Ziehen: die Ablage ist leer</translation>
    </message>
    <message>
        <source>Draw: the pile&apos;s %1 does not help you</source>
        <translation>Ziehen: %1 auf der Ablage hilft dir nicht</translation>
    </message>
    <message>
        <source>a wild card fits anywhere</source>
        <translation>ein Joker passt überall</translation>
    </message>
    <message>
        <source>a laid group takes it</source>
        <translation>passt an eine ausgelegte Gruppe</translation>
    </message>
    <message>
        <source>it brings your stage closer</source>
        <translation>bringt dich deiner Stufe näher</translation>
    </message>
    <message>
        <source>Take the %1 from the pile: %2</source>
        <translation>%1 aufnehmen: %2</translation>
    </message>
    <message>
        <source>in %1 of %2 sampled ways you lay your stage within %3 turns</source>
        <translation>%1 von %2 Verläufen: Stufe in %3 Zügen</translation>
    </message>
    <message>
        <source>in %1 of %2 sampled ways you are out of cards within %3 turns</source>
        <translation>%1 von %2 Verläufen: in %3 Zügen ohne Karten</translation>
    </message>
    <message>
        <source>Take the %1 from the pile: %2 (%3 by drawing)</source>
        <translation>%1 aufnehmen: %2 (%3 beim Ziehen)</translation>
    </message>
    <message>
        <source>Draw: %1 (%2 with the pile&apos;s %3)</source>
        <translation>Ziehen: %1 (%2 mit %3)</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>a port number</source>
        <translation>eine Portnummer</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a port number (0 to 65535)</source>
        <translation>&apos;%1&apos; ist keine Portnummer (0 bis 65535)</translation>
    </message>
    <message>
        <source>an address</source>
        <translation>eine Adresse</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an IP address</source>
        <translation>&apos;%1&apos; ist keine IP-Adresse</translation>
    </message>
    <message>
        <source>a table name</source>
        <translation>einen Tischnamen</translation>
    </message>
    <message>
        <source>the table name is empty</source>
        <translation>der Tischname ist leer</translation>
    </message>
    <message>
        <source>a number of seconds</source>
        <translation>eine Anzahl Sekunden</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of seconds (1 to 3600)</source>
        <translation>&apos;%1&apos; ist keine Anzahl Sekunden (1 bis 3600)</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs %2</source>
        <translation>Option &apos;%1&apos; braucht %2</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>Option &apos;%1&apos; braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Mehr dazu mit &apos;%1 --help&apos;.
</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>eine Datei</translation>
    </message>
    <message>
        <source>the state file name is empty</source>
        <translation>der Name der Spielstandsdatei ist leer</translation>
    </message>
    <message>
        <source>the file to resume is empty</source>
        <translation>der Name der fortzusetzenden Datei ist leer</translation>
    </message>
    <message>
        <source>a computer level</source>
        <translation>eine Spielstärke</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a computer level (designed, strong or expert)</source>
        <translation>&apos;%1&apos; ist keine Spielstärke (designed, strong oder expert)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number from %2 to %3</source>
        <translation>&apos;%1&apos; ist keine Zahl von %2 bis %3</translation>
    </message>
    <message>
        <source>an address and port</source>
        <translation>eine Adresse mit Port</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not ADDRESS:PORT</source>
        <translation>&apos;%1&apos; ist nicht ADRESSE:PORT</translation>
    </message>
    <message>
        <source>text or json</source>
        <translation>text oder json</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a log format (text or json)</source>
        <translation>&apos;%1&apos; ist kein Protokollformat (text oder json)</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>eine Zahl</translation>
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
        <translation>Aufruf: %1 [--port N]                       ein Solospiel gegen den Computer
        %1 [--port N] NAME HOST true|false  wie die Lobby es startet: als NAME
                                                spielen und leiten (true) oder HOST beitreten
        %1 --serve [--port N] [--announce [--announce-to ADRESSE]] [--name TEXT]
               [--state DATEI] [--resume DATEI] [--level L]  nur der Spielleiter, ohne Fenster
        %1 --find [--timeout S]             die in diesem Netz angekündigten Tische zeigen

Velmora ist ein Rommé-artiges Kartenspiel für einen Tisch mit vier Plätzen;
Computerspieler besetzen jeden freien Platz.

Optionen:
  --serve      nur den Spielleiter laufen lassen, bis er unterbrochen wird (SIGINT oder SIGTERM)
  --port N     TCP-Port des Spielleiters (Vorgabe %2; 0 wählt einen freien)
  --announce   Spieler in diesem Netz den Tisch finden lassen (alle 2 s, UDP)
  --announce-to ADRESSE  an diese Adresse ankündigen statt an die
               Broadcast-Adresse des lokalen Netzes (schließt --announce ein)
  --name TEXT  der Name des Tisches in Ankündigungen
  --state DATEI  wohin --serve den Tisch nach jedem Zug speichert (Vorgabe:
               die fortgesetzte Datei, sonst $XDG_STATE_HOME/velmora/table.state)
  --resume DATEI  das in DATEI gespeicherte Spiel fortsetzen; die Spieler nehmen
               ihre Plätze wieder ein; eine beschädigte Datei wird abgelehnt (Ende mit 3) und bleibt
  --level L    die Spielstärke der Computerspieler: designed (Vorgabe), strong
               oder expert
  --open-port  beim Leiten den Router (UPnP, sonst NAT-PMP) bitten, den Port
               zum Internet zu öffnen; --serve gibt aus, wo Freunde beitreten
  --find       die gefundenen Tische als Zeilen mit Tabulatoren ausgeben (Adresse, Port,
               Name, besetzte Plätze, Spiel läuft, Version); Ende mit 1, wenn keiner da ist
  --timeout S  wie lange --find lauscht (Vorgabe 3 Sekunden)
  --discovery-port N  UDP-Port der Ankündigungen (Vorgabe 7773)
  --metrics ADRESSE:PORT  --serve: die Zahlen des Tisches für Prometheus unter
               http://ADRESSE:PORT/metrics
  --log-format text|json  --serve: die Zeilen auf der Standardfehlerausgabe als
               Text (Vorgabe) oder je ein JSON-Objekt
  --health-interval S  mit Agones (AGONES_SDK_HTTP_PORT gesetzt): Sekunden
               zwischen den Gesundheitsmeldungen (Vorgabe 5)
  --shutdown-when-empty S  mit Agones: um das Herunterfahren bitten, wenn ein
               Spiel zu Ende ist und seit S Sekunden niemand am Tisch sitzt
  --pace N     --serve: die Züge des Computers und die Pausen zwischen den Runden
               N-mal schneller (für Tests und Messungen; Vorgabe 1)
  -h, --help   diese Hilfe zeigen und beenden
  --version    die Version zeigen und beenden
  --           alles danach ist ein Startparameter

Einstellungen, Bilanz und Downloads liegen neben dem Programm, wenn sein Ordner
beschreibbar ist, sonst in $XDG_CONFIG_HOME/velmora und $XDG_DATA_HOME/velmora.
</translation>
    </message>
    <message>
        <source>a line of text</source>
        <translation>eine Textzeile</translation>
    </message>
</context>
<context>
    <name>PlayError</name>
    <message>
        <source>You cannot pick up a skip card.</source>
        <translation>Einen Aussetzer kannst du nicht aufnehmen.</translation>
    </message>
    <message>
        <source>You cannot do that right now.</source>
        <translation>Das geht gerade nicht.</translation>
    </message>
    <message>
        <source>That is not a valid play.</source>
        <translation>Dieser Zug ist nicht erlaubt.</translation>
    </message>
    <message>
        <source>That does not complete your stage.</source>
        <translation>Damit ist deine Stufe nicht vollständig.</translation>
    </message>
    <message>
        <source>You have already completed the stage.</source>
        <translation>Du hast die Stufe schon ausgelegt.</translation>
    </message>
    <message>
        <source>You cannot hit until you complete the stage.</source>
        <translation>Anlegen darfst du erst, wenn deine Stufe liegt.</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Ungültig</translation>
    </message>
</context>
<context>
    <name>PlayerName</name>
    <message>
        <source>Your name at the table:</source>
        <translation>Dein Name am Tisch:</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
</context>
<context>
    <name>PortMapper</name>
    <message>
        <source>error %1</source>
        <translation>Fehler %1</translation>
    </message>
    <message>
        <source>The router refused the port: %1</source>
        <translation>Der Router hat den Port abgelehnt: %1</translation>
    </message>
    <message>
        <source>A device answered, but it is no router that opens ports</source>
        <translation>Ein Gerät hat geantwortet, aber es ist kein Router, der Ports öffnet</translation>
    </message>
    <message>
        <source>No router answered</source>
        <translation>Kein Router hat geantwortet</translation>
    </message>
    <message>
        <source>The router did not tell its address: %1</source>
        <translation>Der Router hat seine Adresse nicht genannt: %1</translation>
    </message>
</context>
<context>
    <name>Seating</name>
    <message>
        <source>You are Connected.</source>
        <translation>Du bist verbunden.</translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation>%1 ist verbunden.</translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation>Du schaust zu.</translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation>%1 schaut zu.</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 hat die Verbindung getrennt.</translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 ist gegangen.</translation>
    </message>
    <message>
        <source>%1 is just watching</source>
        <translation>%1 schaut nur zu</translation>
    </message>
    <message>
        <source>%1 is now playing again</source>
        <translation>%1 spielt wieder mit</translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message>
        <source>&lt;Cancel&gt;</source>
        <translation>&lt;Abbrechen&gt;</translation>
    </message>
    <message>
        <source>Doh</source>
        <translation>Oh Mann</translation>
    </message>
    <message>
        <source>Cough</source>
        <translation>Husten</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Hallo</translation>
    </message>
    <message>
        <source>Thank You</source>
        <translation>Danke</translation>
    </message>
    <message>
        <source>Where have you been?</source>
        <translation>Wo warst du?</translation>
    </message>
    <message>
        <source>Snoring</source>
        <translation>Schnarchen</translation>
    </message>
    <message>
        <source>Sneezing</source>
        <translation>Niesen</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Entschuldigung</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Yeehaa</source>
        <translation>Jiiihaa</translation>
    </message>
    <message>
        <source>Yippee</source>
        <translation>Juhu</translation>
    </message>
    <message>
        <source>Oh No</source>
        <translation>Oh nein</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>Applaus</translation>
    </message>
    <message>
        <source>Honk</source>
        <translation>Hupen</translation>
    </message>
    <message>
        <source>Oooh</source>
        <translation>Oooh</translation>
    </message>
    <message>
        <source>Razzberry</source>
        <translation>Pfff</translation>
    </message>
    <message>
        <source>Cheer</source>
        <translation>Jubel</translation>
    </message>
    <message>
        <source>Woman Laughing</source>
        <translation>Frau lacht</translation>
    </message>
    <message>
        <source>Man Laughing</source>
        <translation>Mann lacht</translation>
    </message>
    <message>
        <source>Crying</source>
        <translation>Weinen</translation>
    </message>
</context>
<context>
    <name>Stages</name>
    <message>
        <source>2 Sets of 3</source>
        <translation>2 Sätze zu 3</translation>
    </message>
    <message>
        <source>Set of 3 + Run of 4</source>
        <translation>Satz zu 3 + Folge zu 4</translation>
    </message>
    <message>
        <source>Set of 3 and Run of 4</source>
        <translation>Satz zu 3 und Folge zu 4</translation>
    </message>
    <message>
        <source>Set of 4 + Run of 4</source>
        <translation>Satz zu 4 + Folge zu 4</translation>
    </message>
    <message>
        <source>Set of 4 and Run of 4</source>
        <translation>Satz zu 4 und Folge zu 4</translation>
    </message>
    <message>
        <source>Run of 7</source>
        <translation>Folge zu 7</translation>
    </message>
    <message>
        <source>Run of 8</source>
        <translation>Folge zu 8</translation>
    </message>
    <message>
        <source>Run of 9</source>
        <translation>Folge zu 9</translation>
    </message>
    <message>
        <source>2 Sets of 4</source>
        <translation>2 Sätze zu 4</translation>
    </message>
    <message>
        <source>8 cards same color</source>
        <translation>8 Karten einer Farbe</translation>
    </message>
    <message>
        <source>8 Cards of the same color</source>
        <translation>8 Karten derselben Farbe</translation>
    </message>
    <message>
        <source>Set of 4 + Run of 5</source>
        <translation>Satz zu 4 + Folge zu 5</translation>
    </message>
    <message>
        <source>Set of 4 and Run of 5</source>
        <translation>Satz zu 4 und Folge zu 5</translation>
    </message>
    <message>
        <source>2 Sets of 5</source>
        <translation>2 Sätze zu 5</translation>
    </message>
</context>
<context>
    <name>TableAccessibility</name>
    <message>
        <source>Create Stage</source>
        <translation>Stufe auslegen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abwerfen</translation>
    </message>
    <message>
        <source>Pick Up</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Ziehen</translation>
    </message>
    <message>
        <source>Chat Box</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Stage List</source>
        <translation>Stufenliste</translation>
    </message>
    <message>
        <source>run</source>
        <translation>Folge</translation>
    </message>
    <message>
        <source>color</source>
        <translation>Farbgruppe</translation>
    </message>
    <message>
        <source>set</source>
        <translation>Satz</translation>
    </message>
    <message>
        <source>stage %1</source>
        <translation>Stufe %1</translation>
    </message>
    <message>
        <source>all stages done</source>
        <translation>alle Stufen geschafft</translation>
    </message>
    <message>
        <source>not in the round</source>
        <translation>nicht in dieser Runde</translation>
    </message>
    <message>
        <source>1 card</source>
        <translation>1 Karte</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 Karten</translation>
    </message>
    <message>
        <source>playing now</source>
        <translation>ist am Zug</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>setzt aus</translation>
    </message>
    <message>
        <source>just watching</source>
        <translation>schaut nur zu</translation>
    </message>
    <message>
        <source>nothing laid</source>
        <translation>nichts ausgelegt</translation>
    </message>
    <message>
        <source>laid: </source>
        <translation>ausgelegt: </translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tisch</translation>
    </message>
    <message>
        <source>%1 wild card</source>
        <translation>%1 Joker</translation>
    </message>
    <message>
        <source>card %1 of %2</source>
        <translation>Karte %1 von %2</translation>
    </message>
    <message>
        <source>Draw pile</source>
        <translation>Nachziehstapel</translation>
    </message>
    <message>
        <source>Discard pile: %1</source>
        <translation>Ablagestapel: %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>%1&apos;s %2: %3</source>
        <translation>%2 von %1: %3</translation>
    </message>
    <message>
        <source>place a hit</source>
        <translation>anlegen</translation>
    </message>
</context>
<context>
    <name>TableActions</name>
    <message>
        <source>You are not connected</source>
        <translation>Du bist nicht verbunden</translation>
    </message>
    <message>
        <source>You must select a card to discard</source>
        <translation>Wähle eine Karte zum Abwerfen</translation>
    </message>
    <message>
        <source>You can only select one card to discard</source>
        <translation>Du kannst nur eine Karte abwerfen</translation>
    </message>
    <message>
        <source>You can only hit one card at a time.</source>
        <translation>Du kannst nur eine Karte auf einmal anlegen.</translation>
    </message>
</context>
<context>
    <name>TableModel</name>
    <message>
        <source>Stage: %1</source>
        <translation>Stufe: %1</translation>
    </message>
    <message>
        <source>%1 has started a game.</source>
        <translation>%1 hat ein Spiel gestartet.</translation>
    </message>
    <message>
        <source>Pick up Discard or Draw a Card.</source>
        <translation>Ablage aufnehmen oder eine Karte ziehen.</translation>
    </message>
    <message>
        <source>%1&apos;s turn.</source>
        <translation>%1 ist am Zug.</translation>
    </message>
    <message>
        <source>Create your Stage or Discard please..</source>
        <translation>Lege deine Stufe aus oder wirf ab..</translation>
    </message>
    <message>
        <source>You drew a card</source>
        <translation>Du hast eine Karte gezogen</translation>
    </message>
    <message>
        <source>%1 drew a card.</source>
        <translation>%1 hat eine Karte gezogen.</translation>
    </message>
    <message>
        <source>%1 picked up the discard.</source>
        <translation>%1 hat die Ablage aufgenommen.</translation>
    </message>
    <message>
        <source>You skipped %1.</source>
        <translation>Du lässt %1 aussetzen.</translation>
    </message>
    <message>
        <source>%1 skipped %2.</source>
        <translation>%1 lässt %2 aussetzen.</translation>
    </message>
    <message>
        <source>You discarded</source>
        <translation>Du hast abgeworfen</translation>
    </message>
    <message>
        <source>%1 discarded.</source>
        <translation>%1 hat abgeworfen.</translation>
    </message>
    <message>
        <source>You completed the stage.</source>
        <translation>Du hast die Stufe ausgelegt.</translation>
    </message>
    <message>
        <source>%1 Completed Stage%2.</source>
        <translation>%1 hat Stufe %2 ausgelegt.</translation>
    </message>
    <message>
        <source>%1 placed a hit.</source>
        <translation>%1 hat angelegt.</translation>
    </message>
    <message>
        <source>%1 placed a hit on %2</source>
        <translation>%1 hat bei %2 angelegt</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Geschafft</translation>
    </message>
    <message>
        <source>The Round is Over!</source>
        <translation>Die Runde ist vorbei!</translation>
    </message>
    <message>
        <source>You have Won the Game!</source>
        <translation>Du hast das Spiel gewonnen!</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>%1 hat das Spiel gewonnen!</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Spiel vorbei!</translation>
    </message>
    <message>
        <source>Place a Hit or Discard</source>
        <translation>Anlegen oder abwerfen</translation>
    </message>
    <message>
        <source>Create a Stage or Discard</source>
        <translation>Stufe auslegen oder abwerfen</translation>
    </message>
    <message>
        <source>Welcome to Velmora!</source>
        <translation>Willkommen bei Velmora!</translation>
    </message>
    <message>
        <source>WINNER!</source>
        <translation>GEWONNEN!</translation>
    </message>
    <message>
        <source>You have to wait for the next round.</source>
        <translation>Du musst auf die nächste Runde warten.</translation>
    </message>
    <message>
        <source>You are just watching: the computer plays your seat.</source>
        <translation>Du schaust nur zu: Der Computer spielt deinen Platz.</translation>
    </message>
    <message>
        <source>the blue %1</source>
        <translation>die blaue %1</translation>
    </message>
    <message>
        <source>the brown %1</source>
        <translation>die braune %1</translation>
    </message>
    <message>
        <source>the green %1</source>
        <translation>die grüne %1</translation>
    </message>
    <message>
        <source>the red %1</source>
        <translation>die rote %1</translation>
    </message>
    <message>
        <source>a blue wild card</source>
        <translation>einen blauen Joker</translation>
    </message>
    <message>
        <source>a brown wild card</source>
        <translation>einen braunen Joker</translation>
    </message>
    <message>
        <source>a green wild card</source>
        <translation>einen grünen Joker</translation>
    </message>
    <message>
        <source>a red wild card</source>
        <translation>einen roten Joker</translation>
    </message>
    <message>
        <source>a skip card</source>
        <translation>einen Aussetzer</translation>
    </message>
    <message>
        <source>%1 picked up %2.</source>
        <translation>%1 hat %2 aufgenommen.</translation>
    </message>
    <message>
        <source>You discarded %1.</source>
        <translation>Du hast %1 abgeworfen.</translation>
    </message>
    <message>
        <source>%1 discarded %2.</source>
        <translation>%1 hat %2 abgeworfen.</translation>
    </message>
</context>
<context>
    <name>velmora-server</name>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument &apos;%1&apos;</translation>
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
        <translation>Aufruf: %1 [--port N] [--announce [--announce-to ADRESSE]] [--name TEXT]
          [--state DATEI] [--resume DATEI] [--open-port] [--pace N]
          [--metrics ADRESSE:PORT] [--log-format text|json]
          [--health-interval S] [--shutdown-when-empty S] [--level L]
        %1 --find [--timeout S]

Ein Velmora-Tisch ohne Fenster: die Optionen sind die von
&apos;velmora --serve&apos; (siehe &apos;velmora --help&apos;); er läuft bis SIGINT oder SIGTERM.
</translation>
    </message>
</context>
<context>
    <name>velmora::client::BoardPanel</name>
    <message>
        <source>Start Game</source>
        <translation>Spiel starten</translation>
    </message>
    <message>
        <source>Deal a new game</source>
        <translation>Ein neues Spiel geben</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>&lt;Waiting&gt;</source>
        <translation>&lt;Wartet&gt;</translation>
    </message>
</context>
<context>
    <name>velmora::client::ChatInput</name>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation>&lt;Chat hier eingeben&gt;</translation>
    </message>
    <message>
        <source>Chat here; Esc or F6 plays with the keys</source>
        <translation>Hier chatten; Esc oder F6 spielt mit den Tasten</translation>
    </message>
</context>
<context>
    <name>velmora::client::ChatView</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Chat leeren</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>Chat nicht rollen</translation>
    </message>
</context>
<context>
    <name>velmora::client::GameLog</name>
    <message>
        <source>Show the game log</source>
        <translation>Das Spielprotokoll zeigen</translation>
    </message>
    <message>
        <source>Game Log</source>
        <translation>Spielprotokoll</translation>
    </message>
</context>
<context>
    <name>velmora::client::GameLogPanel</name>
    <message>
        <source>Game log</source>
        <translation>Spielprotokoll</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Round %1: %2</source>
        <translation>Runde %1: %2</translation>
    </message>
</context>
<context>
    <name>velmora::client::HintButton</name>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Show a hint for your turn (Ctrl+H)</source>
        <translation>Einen Tipp für deinen Zug zeigen (Strg+H)</translation>
    </message>
</context>
<context>
    <name>velmora::client::KeyboardPlay</name>
    <message>
        <source>Draw a Card</source>
        <translation>Karte ziehen</translation>
    </message>
    <message>
        <source>Pick Up the Discard</source>
        <translation>Ablage aufnehmen</translation>
    </message>
    <message>
        <source>Lay the Stage</source>
        <translation>Stufe auslegen</translation>
    </message>
    <message>
        <source>Discard the Raised Card</source>
        <translation>Angehobene Karte abwerfen</translation>
    </message>
    <message>
        <source>Sort the Hand</source>
        <translation>Hand sortieren</translation>
    </message>
    <message>
        <source>Chat Line or Table</source>
        <translation>Chatzeile oder Tisch</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>&lt;p&gt;The whole game can be played from the keyboard once the table has the keys: &lt;b&gt;Esc&lt;/b&gt; leaves the chat line for the table; &lt;b&gt;F6&lt;/b&gt; goes back and forth between the chat line and the table. A ring shows where the keys act. Typed text is chat: the chat line has the keys when the window comes up, and again after a click on the table or when a box or menu closes.&lt;/p&gt;&lt;table border=&quot;1&quot; cellpadding=&quot;4&quot; cellspacing=&quot;0&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Left&lt;/b&gt;, &lt;b&gt;Right&lt;/b&gt;, &lt;b&gt;Home&lt;/b&gt;, &lt;b&gt;End&lt;/b&gt;&lt;/td&gt;&lt;td&gt;move the ring over your hand&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Space&lt;/b&gt;&lt;/td&gt;&lt;td&gt;raise or lower the card under the ring (as a click)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;D&lt;/b&gt;&lt;/td&gt;&lt;td&gt;draw a card&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;P&lt;/b&gt;&lt;/td&gt;&lt;td&gt;pick up the discard&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Delete&lt;/b&gt; or &lt;b&gt;X&lt;/b&gt;&lt;/td&gt;&lt;td&gt;discard the raised card&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;L&lt;/b&gt;&lt;/td&gt;&lt;td&gt;lay your stage with the raised cards&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;S&lt;/b&gt;&lt;/td&gt;&lt;td&gt;sort your hand&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;H&lt;/b&gt;, or &lt;b&gt;Ctrl+H&lt;/b&gt; from anywhere&lt;/td&gt;&lt;td&gt;show a hint for your turn (also the Hint button beside the status line)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab&lt;/b&gt;, &lt;b&gt;Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;move the ring through your hand, the draw pile, the discard pile and every laid group&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Left&lt;/b&gt;, &lt;b&gt;Right&lt;/b&gt; on a group&lt;/td&gt;&lt;td&gt;choose the end a hit goes to&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Enter&lt;/b&gt;&lt;/td&gt;&lt;td&gt;on a group: place a hit with the raised card; on a pile: as a click&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+=&lt;/b&gt;, &lt;b&gt;Ctrl+-&lt;/b&gt;, &lt;b&gt;Ctrl+0&lt;/b&gt;&lt;/td&gt;&lt;td&gt;make the table bigger, smaller, or 100 %&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;p&gt;Das ganze Spiel lässt sich mit der Tastatur spielen, sobald der Tisch die Tasten hat: &lt;b&gt;Esc&lt;/b&gt; wechselt von der Chatzeile zum Tisch; &lt;b&gt;F6&lt;/b&gt; wechselt hin und her zwischen Chatzeile und Tisch. Ein Ring zeigt, wo die Tasten wirken. Getippter Text ist Chat: Die Chatzeile hat die Tasten, wenn das Fenster erscheint, und wieder nach einem Klick auf den Tisch oder wenn ein Hinweis oder Menü sich schließt.&lt;/p&gt;&lt;table border=&quot;1&quot; cellpadding=&quot;4&quot; cellspacing=&quot;0&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Links&lt;/b&gt;, &lt;b&gt;Rechts&lt;/b&gt;, &lt;b&gt;Pos1&lt;/b&gt;, &lt;b&gt;Ende&lt;/b&gt;&lt;/td&gt;&lt;td&gt;den Ring über deine Hand bewegen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Leertaste&lt;/b&gt;&lt;/td&gt;&lt;td&gt;die Karte unter dem Ring anheben oder senken (wie ein Klick)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;D&lt;/b&gt;&lt;/td&gt;&lt;td&gt;eine Karte ziehen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;P&lt;/b&gt;&lt;/td&gt;&lt;td&gt;die Ablage aufnehmen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Entf&lt;/b&gt; oder &lt;b&gt;X&lt;/b&gt;&lt;/td&gt;&lt;td&gt;die angehobene Karte abwerfen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;L&lt;/b&gt;&lt;/td&gt;&lt;td&gt;mit den angehobenen Karten die Stufe auslegen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;S&lt;/b&gt;&lt;/td&gt;&lt;td&gt;die Hand sortieren&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;H&lt;/b&gt;, oder &lt;b&gt;Strg+H&lt;/b&gt; von überall&lt;/td&gt;&lt;td&gt;einen Tipp für deinen Zug zeigen (auch der Knopf Tipp neben der Statuszeile)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab&lt;/b&gt;, &lt;b&gt;Umschalt+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;den Ring durch deine Hand, den Nachziehstapel, den Ablagestapel und jede ausgelegte Gruppe bewegen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Links&lt;/b&gt;, &lt;b&gt;Rechts&lt;/b&gt; auf einer Gruppe&lt;/td&gt;&lt;td&gt;das Ende wählen, an das angelegt wird&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Eingabe&lt;/b&gt;&lt;/td&gt;&lt;td&gt;auf einer Gruppe: die angehobene Karte anlegen; auf einem Stapel: wie ein Klick&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Strg+=&lt;/b&gt;, &lt;b&gt;Strg+-&lt;/b&gt;, &lt;b&gt;Strg+0&lt;/b&gt;&lt;/td&gt;&lt;td&gt;den Tisch größer, kleiner oder auf 100 % stellen&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
</context>
<context>
    <name>velmora::client::MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Spiel starten</translation>
    </message>
    <message>
        <source>Host or Join…</source>
        <translation>Leiten oder beitreten…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>S&amp;pielen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Just Watch</source>
        <translation>Nur zuschauen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>View Tally</source>
        <translation>Bilanz zeigen</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Zuschauerliste</translation>
    </message>
    <message>
        <source>Phrase List</source>
        <translation>Sprüche</translation>
    </message>
    <message>
        <source>Game Log</source>
        <translation>Spielprotokoll</translation>
    </message>
    <message>
        <source>Last Round Summary</source>
        <translation>Letzte Rundenübersicht</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Velmora</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Aus dem Spiel entfernen</translation>
    </message>
    <message>
        <source>Set to Just Watch</source>
        <translation>Nur zuschauen lassen</translation>
    </message>
    <message>
        <source>Unset Just Watch</source>
        <translation>Wieder mitspielen lassen</translation>
    </message>
    <message>
        <source>Copy Table Address</source>
        <translation>Tischadresse kopieren</translation>
    </message>
</context>
<context>
    <name>velmora::client::MotionOption</name>
    <message>
        <source>Animations</source>
        <translation>Animationen</translation>
    </message>
    <message>
        <source>Off while the desktop asks for reduced motion</source>
        <translation>Aus, solange der Desktop weniger Bewegung wünscht</translation>
    </message>
</context>
<context>
    <name>velmora::client::OptionsMenu</name>
    <message>
        <source>Turn Sound</source>
        <translation>Zug-Klang</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Bot Speed</source>
        <translation>Tempo des Computers</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Textgröße</translation>
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
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>Action Color</source>
        <translation>Aktionsfarbe</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Chat leeren</translation>
    </message>
    <message>
        <source>Reset Screen Location</source>
        <translation>Fensterposition zurücksetzen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation>Gilt ab dem nächsten Start</translation>
    </message>
    <message>
        <source>Computer Level</source>
        <translation>Spielstärke des Computers</translation>
    </message>
    <message>
        <source>Designed</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Stark</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
</context>
<context>
    <name>velmora::client::Sounds</name>
    <message>
        <source>Play Sounds</source>
        <translation>Klänge abspielen</translation>
    </message>
    <message>
        <source>Player Phrase Sounds</source>
        <translation>Klänge der Mitspieler</translation>
    </message>
    <message>
        <source>%1: &lt;Chatter Sound&gt; %2</source>
        <translation>%1: &lt;Klang&gt; %2</translation>
    </message>
</context>
<context>
    <name>velmora::client::Tchat</name>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation>Solospiel wird geladen..Bitte warten.</translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation>Mehrspielerspiel wird geladen.. Bitte warten.</translation>
    </message>
    <message>
        <source>%1 has a different version of the game then you.</source>
        <translation>%1 hat eine andere Version des Spiels als du.</translation>
    </message>
    <message>
        <source>You have a differnt version of the game then the host.</source>
        <translation>Du hast eine andere Version des Spiels als der Gastgeber.</translation>
    </message>
    <message>
        <source>Game is full</source>
        <translation>Das Spiel ist voll</translation>
    </message>
    <message>
        <source>Your tally could not be saved: %1</source>
        <translation>Deine Bilanz konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>A game is under way. Exit and end it for everyone at the table?</source>
        <translation>Ein Spiel läuft. Beenden und es für alle am Tisch beenden?</translation>
    </message>
    <message>
        <source>A game is under way. Exit and leave your seat to the computer?</source>
        <translation>Ein Spiel läuft. Beenden und deinen Platz dem Computer überlassen?</translation>
    </message>
    <message>
        <source>A game is under way. Start a new game? The game now played ends for everyone.</source>
        <translation>Ein Spiel läuft. Ein neues Spiel starten? Das laufende Spiel endet für alle.</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Tipp: %1</translation>
    </message>
    <message>
        <source>Nobody is hosting a game at %1: the computer there refused the connection. Check the address and the port, and ask the host whether the game is open.</source>
        <translation>Unter %1 leitet niemand ein Spiel: Der Rechner dort hat die Verbindung abgelehnt. Prüfe Adresse und Port und frag den Gastgeber, ob das Spiel offen ist.</translation>
    </message>
    <message>
        <source>%1 cannot be reached from this computer. Check the address and your network connection.</source>
        <translation>%1 ist von diesem Rechner aus nicht erreichbar. Prüfe die Adresse und deine Netzverbindung.</translation>
    </message>
    <message>
        <source>There was no answer from %1. The computer may be switched off, or a firewall may be in the way.</source>
        <translation>Von %1 kam keine Antwort. Der Rechner ist vielleicht ausgeschaltet, oder eine Firewall steht im Weg.</translation>
    </message>
    <message>
        <source>No computer named %1 was found. Check the spelling of the address.</source>
        <translation>Es wurde kein Rechner namens %1 gefunden. Prüfe die Schreibweise der Adresse.</translation>
    </message>
    <message>
        <source>Could not join the game at %1.</source>
        <translation>Beitritt zum Spiel unter %1 fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Noch einmal</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Port %1 is already in use on this computer, perhaps by another game. Host on port %2 instead? Players joining you then choose port %2.</source>
        <translation>Port %1 wird auf diesem Rechner schon benutzt, vielleicht von einem anderen Spiel. Stattdessen auf Port %2 leiten? Wer dir beitritt, wählt dann Port %2.</translation>
    </message>
    <message>
        <source>Host on Port %1</source>
        <translation>Auf Port %1 leiten</translation>
    </message>
    <message>
        <source>Connection lost: reconnecting…</source>
        <translation>Verbindung verloren: verbinde neu…</translation>
    </message>
    <message>
        <source>Attempt %1</source>
        <translation>Versuch %1</translation>
    </message>
    <message>
        <source>The host has ended the game.</source>
        <translation>Der Gastgeber hat das Spiel beendet.</translation>
    </message>
    <message>
        <source>Router: %1</source>
        <translation>Router: %1</translation>
    </message>
    <message>
        <source>Friends elsewhere join you at %1 (the port is open on your router).</source>
        <translation>Freunde von anderswo treten dir unter %1 bei (der Port ist auf deinem Router offen).</translation>
    </message>
    <message>
        <source>A game is under way. Resume the unfinished game instead? The game now played ends for everyone.</source>
        <translation>Ein Spiel läuft gerade. Stattdessen das unvollendete Spiel fortsetzen? Das laufende Spiel endet dann für alle.</translation>
    </message>
    <message>
        <source>The unfinished game is resumed.</source>
        <translation>Das unterbrochene Spiel wird fortgesetzt.</translation>
    </message>
    <message>
        <source>The unfinished game cannot be resumed: %1.</source>
        <translation>Das unterbrochene Spiel kann nicht fortgesetzt werden: %1.</translation>
    </message>
    <message>
        <source>An unfinished game is saved. Start a new game instead? The unfinished game cannot be resumed then.</source>
        <translation>Ein unterbrochenes Spiel ist gespeichert. Stattdessen ein neues Spiel beginnen? Das unterbrochene Spiel lässt sich dann nicht mehr fortsetzen.</translation>
    </message>
    <message>
        <source>You stopped reconnecting and left the game.</source>
        <translation>Du hast das Neuverbinden abgebrochen und das Spiel verlassen.</translation>
    </message>
    <message>
        <source>The connection to the game was lost and could not be restored.</source>
        <translation>Die Verbindung zum Spiel ist abgerissen und ließ sich nicht wiederherstellen.</translation>
    </message>
    <message>
        <source>The connection to the game has ended.</source>
        <translation>Die Verbindung zum Spiel ist beendet.</translation>
    </message>
    <message>
        <source>Table: friends on your network join you at %1.</source>
        <translation>Tisch: Freunde in deinem Netz treten dir unter %1 bei.</translation>
    </message>
    <message>
        <source>Table: the address %1 is copied.</source>
        <translation>Tisch: Die Adresse %1 ist kopiert.</translation>
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
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Originalgröße</translation>
    </message>
</context>
<context>
    <name>velmora::windows::SideWindow</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>velmora::windows::Tabout</name>
    <message>
        <source>Velmora - About</source>
        <translation>Velmora - Über</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A card game of ten stages for up to four players.</source>
        <translation>Ein Kartenspiel mit zehn Stufen für bis zu vier Spieler.</translation>
    </message>
</context>
<context>
    <name>velmora::windows::Tdownload</name>
    <message>
        <source>Download And Install The Halvex Lobby Now</source>
        <translation>Halvex-Lobby jetzt laden und installieren</translation>
    </message>
    <message>
        <source>Download Not Available: No Address Set</source>
        <translation>Download nicht möglich: keine Adresse eingestellt</translation>
    </message>
    <message>
        <source>Download The Halvex Lobby</source>
        <translation>Die Halvex-Lobby laden</translation>
    </message>
    <message>
        <source>Resume the unfinished game</source>
        <translation>Das unterbrochene Spiel fortsetzen</translation>
    </message>
    <message>
        <source>The unfinished game cannot be resumed: %1.</source>
        <translation>Das unterbrochene Spiel kann nicht fortgesetzt werden: %1.</translation>
    </message>
    <message>
        <source>Play Solo Game</source>
        <translation>Solo spielen</translation>
    </message>
    <message>
        <source>The Halvex Lobby</source>
        <translation>Die Halvex-Lobby</translation>
    </message>
    <message>
        <source>Meet other players in the Halvex Lobby.</source>
        <translation>Triff andere Spieler in der Halvex-Lobby.</translation>
    </message>
    <message>
        <source>Stop Download</source>
        <translation>Download anhalten</translation>
    </message>
    <message>
        <source>Play with Others</source>
        <translation>Mit anderen spielen</translation>
    </message>
    <message>
        <source>Open The Halvex Lobby</source>
        <translation>Die Halvex-Lobby öffnen</translation>
    </message>
    <message>
        <source>No download address for the Halvex Lobby is set in the settings file.</source>
        <translation>In der Einstellungsdatei ist keine Download-Adresse für die Halvex-Lobby eingetragen.</translation>
    </message>
    <message>
        <source>An Error has Occurred.</source>
        <translation>Ein Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>The download address is not an http or https address.</source>
        <translation>Die Download-Adresse ist keine http- oder https-Adresse.</translation>
    </message>
    <message>
        <source>There is no folder the download can be saved in.</source>
        <translation>Es gibt keinen Ordner, in dem der Download gespeichert werden kann.</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Lädt</translation>
    </message>
    <message>
        <source>The download is too large.</source>
        <translation>Der Download ist zu groß.</translation>
    </message>
    <message>
        <source>Downloading: </source>
        <translation>Lade: </translation>
    </message>
    <message>
        <source>The download could not be saved.</source>
        <translation>Der Download konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>%1 Bytes empfangen</translation>
    </message>
    <message>
        <source>The download&apos;s checksum could not be read.</source>
        <translation>Die Prüfsumme des Downloads konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The download&apos;s checksum could not be fetched, so it was not kept.</source>
        <translation>Die Prüfsumme des Downloads war nicht zu bekommen, darum wurde er verworfen.</translation>
    </message>
    <message>
        <source>The download does not match its checksum, so it was not kept.</source>
        <translation>Der Download passt nicht zu seiner Prüfsumme, darum wurde er verworfen.</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Installiere</translation>
    </message>
    <message>
        <source>Download Aborted</source>
        <translation>Download abgebrochen</translation>
    </message>
    <message>
        <source>Download has been aborted.</source>
        <translation>Der Download wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Please close the game and open the Halvex Lobby using the icon on your desktop or using the your Window&apos;s start-up menu.</source>
        <translation>Bitte schließe das Spiel und öffne die Halvex-Lobby über ihr Symbol auf dem Schreibtisch oder über das Startmenü.</translation>
    </message>
    <message>
        <source>Computer players:</source>
        <translation>Computerspieler:</translation>
    </message>
    <message>
        <source>Host a Game</source>
        <translation>Ein Spiel leiten</translation>
    </message>
    <message>
        <source>Join a Game</source>
        <translation>Einem Spiel beitreten</translation>
    </message>
    <message>
        <source>Velmora - New Game</source>
        <translation>Velmora - Neues Spiel</translation>
    </message>
</context>
<context>
    <name>velmora::windows::Tgamestart</name>
    <message>
        <source>Velmora - Game Options</source>
        <translation>Velmora - Spieloptionen</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Spieloptionen</translation>
    </message>
    <message>
        <source>Play to Score</source>
        <translation>Spielen bis Punktzahl</translation>
    </message>
    <message>
        <source>Creation Time</source>
        <translation>Bedenkzeit</translation>
    </message>
</context>
<context>
    <name>velmora::windows::Thelp</name>
    <message>
        <source>Velmora - Help File</source>
        <translation>Velmora - Hilfe</translation>
    </message>
</context>
<context>
    <name>velmora::windows::Thostjoin</name>
    <message>
        <source>Velmora - Host or Join</source>
        <translation>Velmora - Leiten oder beitreten</translation>
    </message>
    <message>
        <source>Play with Others</source>
        <translation>Mit anderen spielen</translation>
    </message>
    <message>
        <source>the host&apos;s name or address, to join</source>
        <translation>Name oder Adresse des Gastgebers, zum Beitreten</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Dein Name</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Tables on this network (double-click one to join):</source>
        <translation>Tische in diesem Netz (Doppelklick zum Beitreten):</translation>
    </message>
    <message>
        <source>Let players on this network find the table</source>
        <translation>Spieler in diesem Netz dürfen den Tisch finden</translation>
    </message>
    <message>
        <source>The game in this window ends, and the program starts again at the new table.</source>
        <translation>Das Spiel in diesem Fenster endet, und das Programm startet neu am neuen Tisch.</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Leiten</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Beitreten</translation>
    </message>
    <message>
        <source>Others join you at: </source>
        <translation>Andere treten bei unter: </translation>
    </message>
    <message>
        <source>1 player</source>
        <translation>1 Spieler</translation>
    </message>
    <message>
        <source>%1 players</source>
        <translation>%1 Spieler</translation>
    </message>
    <message>
        <source>, playing</source>
        <translation>, spielt</translation>
    </message>
    <message>
        <source>This table runs version %1; you have %2.</source>
        <translation>Dieser Tisch läuft mit Version %1; du hast %2.</translation>
    </message>
    <message>
        <source>Type your name first.</source>
        <translation>Gib zuerst deinen Namen ein.</translation>
    </message>
    <message>
        <source>Type the address of the computer that hosts the game.</source>
        <translation>Gib die Adresse des Computers ein, der das Spiel leitet.</translation>
    </message>
    <message>
        <source>Open the port on my router</source>
        <translation>Den Port auf meinem Router öffnen</translation>
    </message>
    <message>
        <source>Asks the router (UPnP, else NAT-PMP) to let players from the internet reach the table.</source>
        <translation>Bittet den Router (UPnP, sonst NAT-PMP), Spieler aus dem Internet zum Tisch durchzulassen.</translation>
    </message>
    <message>
        <source>Resume the unfinished game</source>
        <translation>Das unterbrochene Spiel fortsetzen</translation>
    </message>
    <message>
        <source>Those who played it take their seats back when they join again.</source>
        <translation>Wer mitgespielt hat, bekommt beim erneuten Beitreten seinen Platz zurück.</translation>
    </message>
    <message>
        <source>Velmora - Join a Game</source>
        <translation>Velmora - Einem Spiel beitreten</translation>
    </message>
    <message>
        <source>Join a Game</source>
        <translation>Einem Spiel beitreten</translation>
    </message>
</context>
<context>
    <name>velmora::windows::Tphrases</name>
    <message>
        <source>Velmora - Phrases</source>
        <translation>Velmora - Sprüche</translation>
    </message>
    <message>
        <source>Phrase List</source>
        <translation>Sprüche</translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation>Spruchknopf %1:</translation>
    </message>
    <message>
        <source>Buttons can only be used once every 2 seconds</source>
        <translation>Die Knöpfe gehen nur alle 2 Sekunden einmal</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>velmora::windows::Tspylist</name>
    <message>
        <source>Velmora - Spys</source>
        <translation>Velmora - Zuschauer</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Zuschauerliste</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Aus dem Spiel entfernen</translation>
    </message>
    <message>
        <source>Nobody is watching.</source>
        <translation>Niemand schaut zu.</translation>
    </message>
</context>
<context>
    <name>velmora::windows::Ttallylist</name>
    <message>
        <source>Wins:</source>
        <translation>Siege:</translation>
    </message>
    <message>
        <source>Player&apos;s Tally</source>
        <translation>Bilanz des Spielers</translation>
    </message>
    <message>
        <source>Velmora - Tally List</source>
        <translation>Velmora - Bilanz</translation>
    </message>
    <message>
        <source>Players In Current Game</source>
        <translation>Spieler im laufenden Spiel</translation>
    </message>
    <message>
        <source>Players Being Tallied</source>
        <translation>Erfasste Spieler</translation>
    </message>
    <message>
        <source>Reset Tally</source>
        <translation>Bilanz zurücksetzen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Your Total Tally</source>
        <translation>Deine Gesamtbilanz</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Spiele gesamt:</translation>
    </message>
    <message>
        <source>Your Wins</source>
        <translation>Deine Siege</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sitzung</translation>
    </message>
    <message>
        <source>Number of Games</source>
        <translation>Anzahl Spiele</translation>
    </message>
    <message>
        <source>Your Wins:</source>
        <translation>Deine Siege:</translation>
    </message>
    <message>
        <source>Neither Won:</source>
        <translation>Keiner gewann:</translation>
    </message>
    <message>
        <source>Your tally could not be read completely:
%1

What could be read is kept. The damaged file will be kept as %2 when the tally is next saved.</source>
        <translation>Deine Bilanz konnte nicht vollständig gelesen werden:
%1

Was lesbar war, bleibt erhalten. Die beschädigte Datei wird beim nächsten Speichern als %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>This will delete %1&apos;s Tally, Are you want to delete it?</source>
        <translation>Damit wird die Bilanz von %1 gelöscht. Wirklich löschen?</translation>
    </message>
    <message>
        <source>%1 Wins:</source>
        <translation>Siege von %1:</translation>
    </message>
    <message>
        <source>%1&apos;s Tally</source>
        <translation>Bilanz von %1</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the Tally?</source>
        <translation>Die Bilanz wirklich zurücksetzen?</translation>
    </message>
</context>
</TS>

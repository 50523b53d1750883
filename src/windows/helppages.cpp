// The words of the help pages. Written for a new player: short sentences, an
// example for every rule, nothing about how the program works inside. Each
// page is one text for the translators, shown in the player's language.
#include <array>

#include <QCoreApplication>

#include "windows/help.h"

namespace velmora::windows {
namespace {

struct Page {
    const char* caption;
    const char* text;
};

const std::array<Page, kHelpPages> kPages{{
    {QT_TRANSLATE_NOOP("Help", "Overview"), QT_TRANSLATE_NOOP("Help", R"(
<p><b>Velmora</b> is a card game for up to four players at one table. Every
player works through ten <b>stages</b>: fixed combinations of cards such as
"2 Sets of 3" or "Run of 7". The first player to finish the tenth stage wins
the game.</p>
<h3>Starting</h3>
<p>When the program starts it asks how you want to play. For a solo game,
choose one to three computer players and press <b>Play Solo Game</b>: you sit
at seat 1. Press <b>Start Game</b> (or File &gt; Start Game) to deal. To play
with friends, press <b>Host a Game</b> or <b>Join a Game</b>, or later use
File &gt; Host or Join&hellip; (see <i>Connecting</i>). A game you left
unfinished is saved: <b>Resume the unfinished game</b> picks it up where it
stopped.</p>
<h3>The cards</h3>
<p>The deck has 108 cards: the numbers 1 to 12 in four colours (blue, brown,
green and red), each twice; eight wild cards marked <b>W</b>; and four skip
cards marked <b>S</b>. Every colour also has its own shape, so the colours
stay apart even for players who find them hard to tell.</p>
<h3>A round in short</h3>
<p>Everyone gets ten cards and one card is turned face up beside the deck. On
your turn you take a card, may lay your stage, may add cards to groups on the
table, and end your turn by throwing one card away. When someone runs out of
cards the round ends, and everyone who laid a stage moves on to the next.</p>
<h3>The windows</h3>
<p>The chat is at the bottom right; phrase buttons send a greeting with one
click. View &gt; Spy List shows who is watching, View &gt; View Tally shows the
games you played. Press F1 at any time to open this help.</p>
)")},
    {QT_TRANSLATE_NOOP("Help", "Connecting"), QT_TRANSLATE_NOOP("Help", R"(
<h3>Solo game</h3>
<p>A solo game is hosted on your computer and you sit at seat 1; the computer
players you chose take the other seats (<b>Klot</b> always takes seat 2). No
network is needed.</p>
<h3>Hosting a game</h3>
<p>Choose File &gt; Host or Join&hellip;, type your name, keep the port
(7772 unless you have a reason to change it) and press <b>Host</b>. The
program restarts as the host of a new table. Tell your friends your
computer's address (the dialog lists it) and the port. When you are ready,
press <b>Start Game</b>: only the hosting player can start a game or remove
players.</p>
<p>With <b>Let players on this network find the table</b> ticked, the table
appears in the list of everyone on your network who opens the same dialog. On
a home network nothing else needs to be changed.</p>
<p>Friends on the internet can only reach you when your router forwards TCP
port 7772 (or the port you chose) to your computer and your firewall lets it
through. Tick <b>Open the port on my router</b> and the game asks the router
to do this; the chat then tells you the address to give your friends, or why
the router said no.</p>
<h3>Joining a game</h3>
<p>Choose File &gt; Host or Join&hellip;, type your name, the host's address
(a name such as <i>kitchen-pc</i> or numbers such as <i>192.168.1.20</i>) and
the port the host gave you, and press <b>Join</b>. Addresses you used before
are offered in the list. Tables on your network that let themselves be found
are listed in the dialog: double-click one to join it.</p>
<h3>When the connection drops</h3>
<p>If the connection to the host is lost, the window says "Connection lost:
reconnecting&hellip;" and tries again for up to two minutes; press
<b>Cancel</b> to give up. Your seat is kept for you for two minutes while the
computer plays it, and you come back to it with your cards. When the hosting
player ends the game, you are told "The host has ended the game." and are
back at the start.</p>
<h3>The Halvex Lobby</h3>
<p>The lobby is a separate program for meeting other players. It starts the
game for you with the right name and address. The download window offers to
fetch it when a download address is set.</p>
<h3>Seats and spectators</h3>
<p>The first four people take the seats. The next five watch as
<b>spectators</b> (spies): they see the game and chat but do not play. A
tenth connection is told "Game is full". Someone who joins while a game is
running takes over a free seat from the computer, cards and all.</p>
<p>All players need the same version of the game; the chat tells you when
someone's differs. When the hosting player closes the game, the table closes
for everyone.</p>
)")},
    {QT_TRANSLATE_NOOP("Help", "Game Play"), QT_TRANSLATE_NOOP("Help", R"(
<h3>Your turn</h3>
<ol>
<li><b>Take a card</b>: click the deck to draw the top card, or click the
face-up card to take it. A wild card on the pile may be taken; a skip card
may not.</li>
<li><b>Lay your stage</b> (once per round): select the cards it needs and lay
them together. You may select a few cards too many; the game takes what the
stage needs and leaves the rest in your hand.</li>
<li><b>Hit</b> (only after your stage is laid): add single cards to any group
on the table, yours or another player's.</li>
<li><b>Discard</b>: throw one card onto the face-up pile. This ends your
turn.</li>
</ol>
<h3>Hints</h3>
<p>Not sure what to do? On your turn choose Play &gt; Hint (or press
<b>H</b>): the cards to play are raised, the pile or group to play on is
outlined, and the status line says why. Nothing is played until you do
it.</p>
<h3>Wild cards</h3>
<p>A wild card (W) stands for any number and any colour. A set still needs at
least two real cards of its number: 7 7 W is a set of 3, but 7 W W is not.
Wild cards left over when you lay a run make it longer.</p>
<h3>Skip cards</h3>
<p>When you discard a skip card (S), the next player loses his turn. A skip
cannot be taken from the pile. Inside a set or a run a skip counts as a 1.</p>
<h3>Hits</h3>
<ul>
<li>On a <b>set</b>: a card of the same number (5 on 5 5 5), or a wild.</li>
<li>On a <b>run</b>: the next number at either end (3 or 8 on 4 5 6 7), or a
wild at the end you choose. Runs go from 1 to 12 and do not wrap round.</li>
<li>On a <b>colour group</b>: any card of that colour, or a wild.</li>
</ul>
<p>A group holds at most 12 cards. Hitting your last card ends the round at
once, without a discard.</p>
<h3>End of a round</h3>
<p>A round ends when a player has no cards left, or when every player in the
round has laid his stage. The next round is dealt seven seconds later.</p>
)")},
    {QT_TRANSLATE_NOOP("Help", "Scoring"), QT_TRANSLATE_NOOP("Help", R"(
<h3>Moving on</h3>
<p>At the end of a round everyone who laid his stage moves on to the next
stage. Whoever did not tries the same stage again next round.</p>
<h3>Winning</h3>
<p>The first player to complete stage 10 wins the game; it is announced
before the next round would be dealt. The stages alone decide who wins.</p>
<h3>Penalty points</h3>
<p>Cards still in your hand at the end of a round count against you. Each
player's points are shown beside the name and in the summary after every
round, so you can compare how cleanly you play; they do not decide the winner
and are not kept in the tally:</p>
<table border="1" cellpadding="4" cellspacing="0">
<tr><th>card</th><th>points</th></tr>
<tr><td>1 to 9</td><td>5</td></tr>
<tr><td>10, 11, 12</td><td>10</td></tr>
<tr><td>wild card</td><td>20</td></tr>
<tr><td>skip card</td><td>20</td></tr>
</table>
<p>Example: a hand of 1, 10, 12, a wild and a skip costs
5 + 10 + 10 + 20 + 20 = 65 points.</p>
<h3>Tally</h3>
<p>View &gt; View Tally counts, for each player you follow, the games you
played together and who won them, in this session and in all.</p>
)")},
    {QT_TRANSLATE_NOOP("Help", "Documentation"), QT_TRANSLATE_NOOP("Help", R"(
<h3>Groups</h3>
<ul>
<li>A <b>set</b>: cards of the same number, any colours (9 9 9).</li>
<li>A <b>run</b>: numbers in a row, one card of each (4 5 6 7), any
colours.</li>
<li>A <b>colour group</b>: cards of one colour, any numbers.</li>
</ul>
<h3>The ten stages</h3>
<table border="1" cellpadding="4" cellspacing="0">
<tr><th>stage</th><th>you lay</th><th>example</th></tr>
<tr><td>1</td><td>2 Sets of 3</td><td>3 3 3 and 8 8 W</td></tr>
<tr><td>2</td><td>Set of 3 and Run of 4</td><td>7 7 7 and 2 3 4 5</td></tr>
<tr><td>3</td><td>Set of 4 and Run of 4</td><td>10 10 10 10 and 5 6 W 8</td></tr>
<tr><td>4</td><td>Run of 7</td><td>3 4 5 6 7 8 9</td></tr>
<tr><td>5</td><td>Run of 8</td><td>1 2 3 4 W 6 7 8</td></tr>
<tr><td>6</td><td>Run of 9</td><td>4 5 6 7 8 9 10 11 12</td></tr>
<tr><td>7</td><td>2 Sets of 4</td><td>2 2 2 2 and 11 11 W W</td></tr>
<tr><td>8</td><td>8 Cards of the same color</td><td>eight green cards: 1 3 3 6 8 9 12 W</td></tr>
<tr><td>9</td><td>Set of 4 and Run of 5</td><td>6 6 6 6 and 8 9 10 11 12</td></tr>
<tr><td>10</td><td>2 Sets of 5</td><td>4 4 4 4 4 and 12 12 12 W W</td></tr>
</table>
<p>A stage is laid all at once: both groups of a two-group stage go down in
the same move.</p>
<h3>Messages during play</h3>
<ul>
<li>"You cannot do that right now." &ndash; it is not the right moment, for
example discarding before taking a card.</li>
<li>"That does not complete your stage." &ndash; the selected cards do not
make your stage.</li>
<li>"You cannot hit until you complete the stage." &ndash; lay your own stage
first.</li>
<li>"That is not a valid play." &ndash; the card does not fit that group.</li>
</ul>
)")},
    {QT_TRANSLATE_NOOP("Help", "License"), QT_TRANSLATE_NOOP("Help", R"(
<p><b>Velmora</b> &ndash; copyright the Velmora developers.</p>
<p>This program is free software under the MIT License:</p>
<p>Permission is hereby granted, free of charge, to any person obtaining a
copy of this software and associated documentation files (the "Software"),
to deal in the Software without restriction, including without limitation
the rights to use, copy, modify, merge, publish, distribute, sublicense,
and/or sell copies of the Software, and to permit persons to whom the
Software is furnished to do so, subject to the following conditions:</p>
<p>The above copyright notice and this permission notice shall be included in
all copies or substantial portions of the Software.</p>
<p>THE SOFTWARE IS PROVIDED "AS IS", WITHOUT WARRANTY OF ANY KIND, EXPRESS OR
IMPLIED, INCLUDING BUT NOT LIMITED TO THE WARRANTIES OF MERCHANTABILITY,
FITNESS FOR A PARTICULAR PURPOSE AND NONINFRINGEMENT. IN NO EVENT SHALL THE
AUTHORS OR COPYRIGHT HOLDERS BE LIABLE FOR ANY CLAIM, DAMAGES OR OTHER
LIABILITY, WHETHER IN AN ACTION OF CONTRACT, TORT OR OTHERWISE, ARISING FROM,
OUT OF OR IN CONNECTION WITH THE SOFTWARE OR THE USE OR OTHER DEALINGS IN THE
SOFTWARE.</p>
<p>The program uses the Qt toolkit under the GNU Lesser General Public
License, version 3. The card pictures and sounds are made by the program
itself.</p>
)")},
    {QT_TRANSLATE_NOOP("Help", "Options"), QT_TRANSLATE_NOOP("Help", R"(
<p>Everything in the Options menu is remembered for the next time, in the
settings file <i>halvexlobby.ini</i>.</p>
<ul>
<li><b>Play Sounds</b>: the sounds of the game (cards, turns, arrivals).</li>
<li><b>Player Phrase Sounds</b>: the sound clips other players send.</li>
<li><b>Turn Sound</b>: Classic or New, the sound that tells you it is your
turn.</li>
<li><b>Bot Speed</b>: how long the computer players think before each move:
Slow (2 seconds), Normal (1 second) or Fast (half a second). It counts when
you host.</li>
<li><b>Computer Level</b>: Designed plays the computer players' usual game;
Strong plays harder, for players who want a challenge; Expert harder still,
trying many ways the hidden cards may lie before each choice; the hint gives
its advice. It counts when you host.</li>
<li><b>Animations</b>: cards move across the table when they are drawn,
discarded or laid; switch it off for a table that changes at once.</li>
<li><b>Text Size</b>: the size of the chat text.</li>
<li><b>Text Color</b> and <b>Action Color</b>: the colours of your chat lines
and of your actions (lines typed as <i>/me waves</i>).</li>
<li><b>Just Watch</b>: the computer plays your seat while you watch; choose it
again to play on.</li>
<li><b>Clear Main Chat</b>: empties the chat.</li>
<li><b>Scroll Chat Off</b> (right-click the chat, or Ctrl+S): the chat stays
where it is while new lines arrive, so you can read back; choose it again to
follow the newest lines.</li>
<li><b>Reset Screen Location</b>: brings the window back to the top left
corner at its first size.</li>
<li><b>Language</b>: the language of the game (System follows your
computer); it takes effect at the next start.</li>
</ul>
<h3>Chat</h3>
<p>Type in the line under the chat and press Enter. A line that starts with
<i>/me</i> becomes an action: "/me waves" shows as "Ann waves" when your name is Ann. The phrase
buttons send their phrase with one click; the last button plays a sound clip
for everyone.</p>
<h3>Lobby download</h3>
<p>The download window fetches the Halvex Lobby from the address set in the
settings file. A download is only started after it has been checked: it must
come over a secure (https) address, or match the checksum published beside
it.</p>
)")},
}};

}  // namespace

QString helpCaption(int page) {
    return page >= 1 && page <= kHelpPages ? QCoreApplication::translate("Help", kPages[page - 1].caption) : QString();
}

QString helpText(int page) {
    return page >= 1 && page <= kHelpPages ? QCoreApplication::translate("Help", kPages[page - 1].text) : QString();
}

}  // namespace velmora::windows

// Texts that do not fit, on a real X server with its real fonts: the parent
// test starts Xvfb and runs a child of this same program for each language
// (the pseudo-language, whose every text is longer and accented, German and
// Spanish) at 1x and at QT_SCALE_FACTOR=2. The child opens the main window
// with a game dealt, every menu and every side window, and reports each
// label, button or group title whose text needs more room than it has, and
// each pair of sibling texts that overlap. With VELMORA_SHOTS=DIR set the
// child also saves every window it looked at as DIR/LANG-SCALE-NAME.png.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <QThread>

#include "client/board/board.h"
#include "client/board/tableview.h"
#include "i18n/language.h"
#include "support/eventloop.h"
#include "support/hostedwindow.h"
#include "support/tchatparts.h"
#include "support/xserver.h"
#include "windows/sidewindows.h"

using namespace velmora;
using test::waitUntil;

namespace {

constexpr const char* kChildLanguage = "VELMORA_CLIP_LANGUAGE";

QString where(const QWidget* w) {
    QString path;
    for (const QWidget* p = w; p; p = p->parentWidget())
        path.prepend(QLatin1Char('/') + (p->objectName().isEmpty() ? QString::fromLatin1(p->metaObject()->className())
                                                                   : p->objectName()));
    return path;
}

// What does not fit inside one widget, or empty.
QString clipped(const QWidget* w) {
    if (const auto* l = qobject_cast<const QLabel*>(w); l && !l->text().isEmpty() && l->pixmap().isNull()) {
        if (l->wordWrap()) {
            if (l->heightForWidth(l->width()) > l->height() + 1)
                return QStringLiteral("wrapped text taller than its label (%1 > %2)").arg(l->heightForWidth(l->width())).arg(l->height());
        } else if (l->sizeHint().width() > l->width() + 1 || l->minimumSizeHint().height() > l->height() + 1) {
            return QStringLiteral("text wider than its label");
        }
    }
    if (const auto* b = qobject_cast<const QAbstractButton*>(w); b && !b->text().isEmpty()) {
        // The text alone, with the style's room around it.
        const int text = b->fontMetrics().horizontalAdvance(b->text().remove(QLatin1Char('&')));
        if (b->sizeHint().width() > b->width() + 1 && text > b->width() - 8) return QStringLiteral("text wider than its button");
    }
    if (const auto* e = qobject_cast<const QLineEdit*>(w); e && e->text().isEmpty() && !e->placeholderText().isEmpty()) {
        const QMargins m = e->textMargins();
        if (e->fontMetrics().horizontalAdvance(e->placeholderText()) > e->width() - 8 - m.left() - m.right())
            return QStringLiteral("hint wider than its field");
    }
    if (const auto* g = qobject_cast<const QGroupBox*>(w); g && !g->title().isEmpty()) {
        if (g->fontMetrics().horizontalAdvance(g->title()) > g->width() - 8) return QStringLiteral("title wider than its box");
    }
    return {};
}

bool showsText(const QWidget* w) {
    if (const auto* l = qobject_cast<const QLabel*>(w)) return !l->text().isEmpty() && l->pixmap().isNull();
    if (const auto* b = qobject_cast<const QAbstractButton*>(w)) return !b->text().isEmpty();
    return false;
}

// Every fault in a visible window: clipped texts, and sibling texts that overlap.
QStringList faults(QWidget* top) {
    QStringList out;
    QList<QWidget*> all = top->findChildren<QWidget*>();
    all.prepend(top);
    for (QWidget* w : all) {
        // Each window is looked at on its own.
        if (w->window() != top || (!w->isVisibleTo(top) && w != top)) continue;
        if (const QString why = clipped(w); !why.isEmpty())
            out << QStringLiteral("%1: %2 (\"%3\")").arg(where(w), why,
                                                         qobject_cast<QLabel*>(w) ? qobject_cast<QLabel*>(w)->text().left(60)
                                                         : qobject_cast<QAbstractButton*>(w) ? qobject_cast<QAbstractButton*>(w)->text()
                                                                                           : QString());
        // A widget given less room than it needs is drawn past its window's
        // or its box's edge, where its end is cut off.
        const QWidget* parent = w->parentWidget();
        if (parent && (parent == top || qobject_cast<const QGroupBox*>(parent)) &&
            !parent->rect().contains(w->geometry()))
            out << QStringLiteral("%1: sticks out of its %2").arg(where(w), parent == top ? "window" : "box");
        if (!showsText(w)) continue;
        for (QWidget* s : all) {
            if (s <= w || s->parentWidget() != w->parentWidget() || s->window() != top || !s->isVisibleTo(top) ||
                !showsText(s))
                continue;
            if (w->geometry().intersects(s->geometry()))
                out << QStringLiteral("%1 overlaps %2").arg(where(w), where(s));
        }
    }
    return out;
}

// What is cut or covered on the painted table: a summary's title, cell or
// button text wider than its room, a summary over the chat panel or its
// tabs, a stage text past the board or over another item, a raised card
// over the own points or stage track.
QStringList boardFaults(const client::BoardPanel* board) {
    using client::BoardItem;
    using client::boardFont;
    QStringList out;
    const client::BoardItems& items = board->tableView()->items();
    const QRect boardRect(0, 0, client::BoardPanel::kWidth, client::BoardPanel::kHeight);
    const QRect chat = board->chatPanelRect() | board->tableView()->item(u"button_chatbox")->rect;
    const int own = test::TchatParts::table(*qobject_cast<client::Tchat*>(board->window())).ownSeat;
    for (const BoardItem& it : items) {
        if (!it.visible) continue;
        const QString name = it.name;
        if (it.kind == BoardItem::Kind::Summary) {
            if (it.rect.intersects(chat) || !boardRect.contains(it.rect)) out << name + QStringLiteral(": over the chat or off the board");
            const QRect title = QFontMetrics(boardFont(15)).boundingRect(QRect(0, 0, it.rect.width() - 16, 1000),
                                                                         Qt::AlignCenter | Qt::TextWordWrap, it.text);
            if (title.height() > it.count) out << name + QStringLiteral(": title cut: ") + it.text;
            for (std::size_t n = 0; n < it.rows.size(); ++n) {
                const QStringList cells = it.rows[n].split(QLatin1Char('\t'));
                for (int c = 0; c < cells.size(); ++c)
                    if (c >= static_cast<int>(it.columns.size()) ||
                        QFontMetrics(boardFont(11, n == 0)).horizontalAdvance(cells[c]) > it.columns[c] - 2)
                        out << name + QStringLiteral(": cell cut: ") + cells[c];
            }
        } else if (it.kind == BoardItem::Kind::TextButton) {
            if (QFontMetrics(boardFont(13)).horizontalAdvance(it.text) > it.rect.width() - 8) out << name + QStringLiteral(": text cut");
        } else if (it.kind == BoardItem::Kind::Text) {
            if (!boardRect.contains(it.rect)) out << name + QStringLiteral(": off the board: ") + it.text;
            for (const BoardItem& other : items)
                if (&other != &it && other.visible && other.kind != BoardItem::Kind::LastMove &&
                    !client::TableView::isPanel(other) && other.rect.intersects(it.rect))
                    out << name + QStringLiteral(" runs over ") + other.name + QStringLiteral(": ") + it.text;
        } else if (it.target.role == client::ItemRole::HandCard) {
            const QRect raised(it.rect.x(), client::kRaisedTop, it.rect.width(), it.rect.height());
            for (const char* mark : {"image_completed", "label_points"})
                if (const BoardItem* m = board->tableView()->item(QStringLiteral("%1%2").arg(QLatin1String(mark)).arg(own));
                    m && m->visible && m->rect.intersects(raised))
                    out << name + QStringLiteral(" raised covers ") + m->name;
        }
    }
    return out;
}

void shoot(QWidget* top, const QString& name) {
    const QString dir = qEnvironmentVariable("VELMORA_SHOTS");
    if (dir.isEmpty()) return;
    QDir().mkpath(dir);
    top->grab().save(QStringLiteral("%1/%2-%3-%4.png")
                         .arg(dir, qEnvironmentVariable(kChildLanguage), qEnvironmentVariable("QT_SCALE_FACTOR", "1"), name));
}

// Runs the child for `language` at 1x and 2x on an X server of its own.
void runChildren(const char* language, int firstDisplay) {
    if (qEnvironmentVariableIsSet(kChildLanguage)) GTEST_SKIP() << "this is a child";
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) GTEST_SKIP() << "Xvfb is not installed (scripts/setup.sh installs it)";
    // Each language looks in its own range, so parallel tests never race for one.
    test::XServer server;
    ASSERT_NO_FATAL_FAILURE(test::startXServer(server, xvfb, firstDisplay, firstDisplay + 20, "2200x1700x24"));
    {
        for (const char* scale : {"1", "2"}) {
            QProcess child;
            QProcessEnvironment env = server.childEnvironment();
            env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(scale));
            env.insert(QString::fromLatin1(kChildLanguage), QString::fromLatin1(language));
            child.setProcessEnvironment(env);
            child.setProcessChannelMode(QProcess::MergedChannels);
            child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=Clipping.ChildLooksAtEveryWindow")});
            const bool finished = child.waitForFinished(100000);
            const QByteArray out = child.readAll();
            EXPECT_TRUE(finished && child.exitCode() == 0 && out.contains("[  PASSED  ] 1 test"))
                << language << " at " << scale << "x:\n" << out.toStdString();
        }
    }
}

TEST(Clipping, PseudoLanguage) { runChildren(i18n::kPseudo, 150); }
TEST(Clipping, German) { runChildren("de", 170); }
TEST(Clipping, Spanish) { runChildren("es", 190); }

TEST(Clipping, ChildLooksAtEveryWindow) {
    if (!qEnvironmentVariableIsSet(kChildLanguage)) GTEST_SKIP() << "runs on the parent's X server";
    ASSERT_TRUE(i18n::installLanguage(qEnvironmentVariable(kChildLanguage))) << "no translation built";
    test::HostedWindow hw({}, test::quietOptions(0));
    client::Tchat& w = hw.window;
    w.move(0, 0);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    client::TableModel& t = test::TchatParts::table(w);
    ASSERT_TRUE(waitUntil([&] { return t.ownSeat == 1; }));
    test::TchatParts::board(w)->button_start()->click();
    ASSERT_TRUE(waitUntil([&] { return t.cardCount() == 10; }));
    QStringList found = faults(&w);
    shoot(&w, QStringLiteral("table"));
    // The longest status lines are the hint's reasons: before the draw and after it.
    QAction* hint = test::TchatParts::action(w, "KeyHint1");
    for (int phase : {1, 2}) {
        ASSERT_TRUE(waitUntil([&] { return t.ownTurn() && t.turnPhase == phase && hint->isEnabled(); }));
        hint->trigger();
        QLabel* status = test::TchatParts::board(w)->label_status();
        found << faults(&w);
        // Cut short, the reason is only in the tool-tip: the real languages must fit.
        if (!status->toolTip().isEmpty() && qEnvironmentVariable(kChildLanguage) != QLatin1String(i18n::kPseudo))
            found << QStringLiteral("status cut short: ") + status->toolTip();
        shoot(&w, QStringLiteral("hint-%1").arg(phase));
        if (phase == 1) test::TchatParts::action(w, "KeyDraw1")->trigger();
    }
    client::BoardPanel* board = test::TchatParts::board(w);
    found << boardFaults(board);
    // The longest stage text at each place, beside a place with twelve-card
    // groups and their kind labels, once with the top places swapped.
    const std::string longest = client::TableModel::getstagetext(8);
    for (const auto& [texts, laid] : {std::pair{std::vector{1, 2, 4}, 3}, std::pair{std::vector{1, 3}, 4}}) {
        for (int s = 1; s <= 4; ++s) {
            const bool text = std::find(texts.begin(), texts.end(), s) != texts.end();
            t.seats[s].stageText = text ? longest : std::string();
            t.seats[s].groups = s == laid ? client::GroupLists{std::vector<int>(12, 5), std::vector<int>(12, 6)} : client::GroupLists{};
            t.seats[s].kind = s == laid ? std::array<int, 2>{1, 2} : std::array<int, 2>{};
        }
        t.changed();
        found << boardFaults(board);
        shoot(&w, QStringLiteral("stagetexts%1").arg(laid));
    }
    // The round summary with the widest cells (the last stage done), then
    // the final standing with its buttons.
    t.handle(&client::TableModel::endround, "2+1+10+0+0+2+11+35+135+3+9+15+215+4+10+5+105");
    found << boardFaults(board);
    shoot(&w, QStringLiteral("roundsummary"));
    t.handle(&client::TableModel::winner, "2+1+10+2+11+3+9+4+10");
    found << boardFaults(board);
    shoot(&w, QStringLiteral("standings"));
    for (QAction* bar : w.menuBar()->actions()) {
        QMenu* menu = bar->menu();
        if (!menu) continue;
        menu->popup(QPoint(0, 0));
        ASSERT_TRUE(waitUntil([&] { return menu->isVisible(); }));
        // A menu sizes itself to its texts; it must still fit on the screen.
        if (menu->width() > menu->screen()->availableGeometry().width())
            found << QStringLiteral("menu %1 is wider than the screen").arg(menu->objectName());
        shoot(menu, menu->objectName());
        menu->hide();
    }
    windows::SideWindows& side = test::TchatParts::sideWindows(w);
    test::TchatParts::action(w, "HostOrJoin1")->trigger();
    QList<QWidget*> windows{side.about(), side.spylist(), side.help(), side.gamestart(),
                            side.phrases(), side.download(), side.tallylist()};
    if (QWidget* hostJoin = test::TchatParts::hostJoinDialog(w)) windows << hostJoin;
    for (QWidget* window : windows) {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        found << faults(window);
        shoot(window, window->objectName());
        window->hide();
    }
    // A box sizes itself to its text: its buttons must still be read whole.
    test::TchatParts::joinFailed(w, client::HostConnection::JoinFailure::Refused);
    QMessageBox* box = test::TchatParts::noticeBox(w);
    ASSERT_TRUE(box && QTest::qWaitForWindowExposed(box));
    found << faults(box);
    shoot(box, QStringLiteral("joinfailed"));
    box->close();
    EXPECT_TRUE(found.isEmpty()) << found.join(QLatin1Char('\n')).toStdString();
}

}  // namespace

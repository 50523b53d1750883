// The game log `panel_gamelog`: every status text of the game in order, with
// its round, so a player who looked away can catch up. It shares its place
// with the chat panel and the stage list; the switch `button_gamelog` brings
// it to the front, the other two switches send it back.
#pragma once

#include <QAbstractButton>
#include <QStringList>
#include <QWidget>

class QPlainTextEdit;

namespace velmora::client {

class GameLogPanel : public QWidget {
    Q_OBJECT
public:
    // Lines kept; the oldest go first.
    static constexpr int kMaxLines = 2000;

    explicit GameLogPanel(QWidget* parent = nullptr);

    // A status text of round `round` (0 before the first deal); a round
    // lower than the last one begins a new game.
    void addStatus(int round, const QString& text);
    QStringList lines() const;
    // Made when first asked for or shown.
    QPlainTextEdit* textView();
    void setVisible(bool visible) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void append(const QString& line);
    void placeText();

    QPlainTextEdit* text_ = nullptr;
    QStringList waiting_;
    int lastRound_ = 0;
};

// A switch drawn from the table's pictures, at the screen's ratio times the
// size it is shown at.
class PictureSwitch : public QAbstractButton {
    Q_OBJECT
public:
    PictureSwitch(int picture, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int picture_;
};

class BoardPanel;
class TableModel;

// The panel, its switch and the moments it comes to the front or goes back.
class GameLog : public QObject {
    Q_OBJECT
public:
    GameLog(BoardPanel* board, TableModel& table, QObject* parent = nullptr);

    GameLogPanel* panel() const { return panel_; }
    PictureSwitch* button() const { return button_; }
    // Brings the log to the front of the chat panel's place.
    void showLog();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    BoardPanel* board_;
    TableModel& table_;
    GameLogPanel* panel_;
    PictureSwitch* button_;
};

}  // namespace velmora::client

// View > Zoom: the table at 100, 125, 150 or 200 per cent, kept in the
// settings file (key "Tablezoom" of the section "Velmora"). 100 % is the
// designed board. A step sizes the window for the board at that zoom; the
// board itself always fits the window (BoardFit).
#pragma once

#include <QObject>
#include <QString>
#include <array>

class QActionGroup;
class QMenu;
class QWidget;

namespace velmora::client {

class BoardFit;
class BoardPanel;

class ZoomMenu : public QObject {
    Q_OBJECT
public:
    static constexpr std::array<int, 4> kSteps{100, 125, 150, 200};
    // The nearest step to any number (a hand-edited file may say anything).
    static int snap(int percent);

    // `frame` holds the board with a margin and the board fits it; an empty
    // settings path keeps the zoom in memory.
    ZoomMenu(BoardPanel* board, QWidget* frame, QString settingsPath, QObject* parent = nullptr);

    // Adds the four steps and zoom in, out and back to 100 % to the menu.
    void fill(QMenu* menu);
    // Reads the saved zoom and applies it.
    void load();
    // Applies a zoom; saved to the settings file when `save`.
    void setPercent(int percent, bool save = true);
    int percent() const { return percent_; }

private:
    void step(int direction);

    BoardFit* fit_;
    QString path_;
    QActionGroup* group_ = nullptr;
    int percent_ = 100;
};

}  // namespace velmora::client

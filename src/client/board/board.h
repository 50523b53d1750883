// The game board panel `panel_board`: the felt, the seat places with their
// name labels and watching markers, the piles, the Start Game button, the
// status line, and the place of the chat panel. Fixed 778 x 537 layout. It
// shows a TableModel; refresh() after the state changed.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <array>

namespace velmora::client {

class StageListPanel;
class TableModel;
class TableView;

class BoardPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 778;
    static constexpr int kHeight = 537;

    explicit BoardPanel(const TableModel& table, QWidget* parent = nullptr);

    QLabel* label_playername(int seat) const { return names_[seat]; }
    QLabel* image_eyes(int seat) const { return eyes_[seat]; }
    QPushButton* button_start() const { return start_; }
    QLabel* label_status() const { return status_; }
    TableView* tableView() const { return view_; }
    StageListPanel* panel_stagelist() const { return stageList_; }
    // Where the chat panel goes (it is made by the window).
    QRect chatPanelRect() const { return {515, 302, 261, 234}; }

    // Brings every control in line with the table state.
    void refresh();

    // Scales the whole board, pictures drawn anew at the new size; 1.0 is
    // the 100 % size, 778 x 537 (boardzoom.cpp).
    void setZoom(qreal zoom);
    qreal zoom() const { return zoom_; }
    // A rectangle at 100 %, at the current zoom.
    QRect scaled(const QRect& base) const;
    // Keeps a child widget at its 100 % place whatever the zoom.
    void place(QWidget* child, const QRect& base);

signals:
    // After every refresh (screen readers follow the table).
    void refreshed();
    // After the zoom changed: what the window put on the board follows it.
    void zoomed(qreal zoom);
    // Right-click on a seat's name label: the seat and the global position.
    void seatMenuRequested(int seat, const QPoint& globalPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void placeSeat(int seat, int place);
    QString nameBesidePoints(int seat, int place) const;
    QPoint eyesAt(int seat, int place) const;
    void showStatus(const QString& status);
    void applyPictures();

    const TableModel& table_;
    std::array<QLabel*, 5> names_{};
    std::array<QLabel*, 5> eyes_{};
    QPushButton* start_;
    QLabel* status_;
    TableView* view_;
    StageListPanel* stageList_;
    qreal zoom_ = 1.0;
    qreal picturesAt_ = 0;  // ratio x zoom the pictures were drawn at; 0 when not drawn
};

// The table's text colour, shared by everything drawn on the board.
QColor boardTextColour();

}  // namespace velmora::client

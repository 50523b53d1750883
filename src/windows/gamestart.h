// The game start options `Tgamestart`: "Play to Score" and "Creation Time".
// Play does not use them; the window keeps them so that the settings file
// gets back exactly what it held unless the player changes them here.
#pragma once

#include <QSpinBox>
#include <functional>

#include "windows/sidewindow.h"

namespace velmora::windows {

class Tgamestart : public SideWindow {
    Q_OBJECT
public:
    explicit Tgamestart(QWidget* parent);

    QSpinBox* playtoscore() const { return score_; }
    QSpinBox* timeperturn() const { return time_; }

    // The texts as read from the settings file; shown where they fit.
    void setValues(const QString& playToScore, const QString& timePerTurn);
    QString playToScore() const { return scoreText_; }
    QString timePerTurn() const { return timeText_; }

signals:
    // The player changed a value.
    void changed();

private:
    QSpinBox* score_;
    QSpinBox* time_;
    QString scoreText_ = QStringLiteral("30");
    QString timeText_ = QStringLiteral("1");
    bool filling_ = false;
};

}  // namespace velmora::windows

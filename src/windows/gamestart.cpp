#include "windows/gamestart.h"

#include <QFormLayout>
#include <QLabel>

namespace velmora::windows {

namespace {

QSpinBox* spin(const char* name, int min, int max, int step, int value, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(min, max);
    box->setSingleStep(step);
    box->setValue(value);
    return box;
}

}  // namespace

Tgamestart::Tgamestart(QWidget* parent)
    : SideWindow("Tgamestart", tr("Velmora - Game Options"), parent),
      score_(spin("playtoscore", 30, 9999, 10, 30, this)),
      time_(spin("timeperturn", 45, 120, 5, 60, this)) {
    auto* form = new QFormLayout(this);
    form->addRow(feltHeading(tr("Game Options"), this));
    form->addRow(feltText(tr("Play to Score"), this), score_);
    form->addRow(feltText(tr("Creation Time"), this), time_);
    // A named copy, not a structured binding: clang before 16 cannot capture one.
    for (const auto& entry : {std::pair{score_, &scoreText_}, std::pair{time_, &timeText_}}) {
        QString* text = entry.second;
        connect(entry.first, &QSpinBox::valueChanged, this, [this, text](int v) {
            if (filling_) return;
            *text = QString::number(v);
            emit changed();
        });
    }
    resize(260, 130);
}

void Tgamestart::setValues(const QString& playToScore, const QString& timePerTurn) {
    scoreText_ = playToScore;
    timeText_ = timePerTurn;
    filling_ = true;
    // A value outside a box's range leaves the box as it was.
    bool ok = false;
    if (const int v = playToScore.toInt(&ok); ok && v >= score_->minimum() && v <= score_->maximum())
        score_->setValue(v);
    if (const int v = timePerTurn.toInt(&ok); ok && v >= time_->minimum() && v <= time_->maximum())
        time_->setValue(v);
    filling_ = false;
}

}  // namespace velmora::windows

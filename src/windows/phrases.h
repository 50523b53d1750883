// The phrase editor `Tphrases`: nine edit lines for the phrase buttons.
#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <array>
#include <functional>

#include "windows/sidewindow.h"

namespace velmora::windows {

class Tphrases : public SideWindow {
    Q_OBJECT
public:
    static constexpr int kCount = 9;
    static constexpr int kMaxLength = 50;

    explicit Tphrases(QWidget* parent);

    QLineEdit* phrase(int n) const { return edits_[n - 1]; }
    QPushButton* button_done() const { return done_; }

    // Fills the edit lines with the buttons' phrases and shows the window.
    void showPhrases(const QStringList& phrases);
    // "Done": hands the nine lines on (phrasesChosen) and closes the window.
    void button_doneClick();

signals:
    void phrasesChosen(const QStringList& phrases);

private:
    std::array<QLineEdit*, kCount> edits_{};
    QStringList loaded_;  // as shown last, uncut
    QPushButton* done_;
};

}  // namespace velmora::windows

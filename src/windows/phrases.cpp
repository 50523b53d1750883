#include "windows/phrases.h"

#include <QGridLayout>
#include <QLabel>

namespace velmora::windows {

Tphrases::Tphrases(QWidget* parent) : SideWindow("Tphrases", tr("Velmora - Phrases"), parent) {
    auto* grid = new QGridLayout(this);
    grid->addWidget(feltHeading(tr("Phrase List"), this), 0, 0, 1, 2);
    for (int n = 1; n <= kCount; ++n) {
        QLabel* label = feltText(tr("Phrase Button %1:").arg(n), this);
        label->setWordWrap(false);  // the edits give way to a longer caption
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("phrase%1").arg(n));
        edit->setMaxLength(kMaxLength);
        label->setBuddy(edit);
        grid->addWidget(label, n, 0);
        grid->addWidget(edit, n, 1);
        edits_[n - 1] = edit;
    }
    QLabel* note = feltText(tr("Buttons can only be used once every 2 seconds"), this);
    grid->addWidget(note, kCount + 1, 0, 1, 2);
    done_ = new QPushButton(tr("Done"), this);
    done_->setObjectName(QStringLiteral("button_done"));
    done_->setDefault(true);
    connect(done_, &QPushButton::clicked, this, &Tphrases::button_doneClick);
    grid->addWidget(done_, kCount + 2, 1, Qt::AlignRight);
    resize(420, 360);
}

void Tphrases::showPhrases(const QStringList& phrases) {
    loaded_ = phrases;
    for (int n = 1; n <= kCount; ++n) phrase(n)->setText(phrases.value(n - 1).left(kMaxLength));
    show();
    raise();
    activateWindow();
}

void Tphrases::button_doneClick() {
    QStringList phrases;
    // A line the player did not edit keeps its phrase whole, even one longer
    // than the edit line takes (written into the settings file by hand).
    for (int n = 1; n <= kCount; ++n) {
        const QString shown = loaded_.value(n - 1);
        phrases << (phrase(n)->text() == shown.left(kMaxLength) ? shown : phrase(n)->text());
    }
    emit phrasesChosen(phrases);
    close();
}

}  // namespace velmora::windows

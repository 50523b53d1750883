#include "windows/help.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora::windows {

Thelp::Thelp(QWidget* parent) : SideWindow("Thelp", tr("Velmora - Help File"), parent) {
    auto* side = new QVBoxLayout;
    auto* pages = new QVBoxLayout;
    heading_ = feltHeading(QString(), this);
    heading_->setObjectName(QStringLiteral("label_heading"));
    pages_ = new QStackedWidget(this);
    for (int page = 1; page <= kHelpPages; ++page) {
        auto* button = new QPushButton(helpCaption(page), this);
        button->setObjectName(QStringLiteral("SelButton%1").arg(page));
        // The button of the page in front stays pressed.
        button->setCheckable(true);
        button->setAutoExclusive(true);
        buttons_[page - 1] = button;
        connect(button, &QPushButton::clicked, this, [this, page] { SelButton1Click(page); });
        side->addWidget(button);
        auto* memo = new QTextBrowser(this);
        memo->setObjectName(QStringLiteral("memo%1").arg(page));
        memo->setOpenExternalLinks(true);
        texts_[page - 1] = helpText(page);
        memo->setHtml(texts_[page - 1]);
        memos_[page - 1] = memo;
        pages_->addWidget(memo);
    }
    side->addStretch(1);
    pages->addWidget(heading_);
    pages->addWidget(pages_, 1);
    pages->addWidget(closeButton(this), 0, Qt::AlignRight);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(side);
    layout->addLayout(pages, 1);
    resize(640, 480);
    SelButton1Click(1);
}

void Thelp::SelButton1Click(int button) {
    if (button < 1 || button > kHelpPages) return;
    pages_->setCurrentWidget(memos_[button - 1]);
    buttons_[button - 1]->setChecked(true);
    heading_->setText(helpCaption(button));
}

int Thelp::currentPage() const { return pages_->currentIndex() + 1; }

void Thelp::appendSection(int page, const QString& title, const QString& html) {
    if (page < 1 || page > kHelpPages) return;
    QString& text = texts_[page - 1];
    text += QStringLiteral("<h3>%1</h3>%2").arg(title.toHtmlEscaped(), html);
    memos_[page - 1]->setHtml(text);
}

}  // namespace velmora::windows

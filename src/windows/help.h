// The help window `Thelp`: seven pages, one button each on the side panel.
#pragma once

#include <QLabel>
#include <QStackedWidget>
#include <QTextBrowser>

#include "windows/sidewindow.h"

class QPushButton;

namespace velmora::windows {

inline constexpr int kHelpPages = 7;

// The caption of page 1..7 and its text (rich text).
QString helpCaption(int page);
QString helpText(int page);

class Thelp : public SideWindow {
    Q_OBJECT
public:
    explicit Thelp(QWidget* parent);

    // Brings page "memo" + the button's number to the front and puts the
    // button's caption in the heading (every page button calls it).
    void SelButton1Click(int button);

    int currentPage() const;
    QString heading() const { return heading_->text(); }
    QTextBrowser* memo(int page) const { return memos_[page - 1]; }
    // Adds a section at the end of a page, for features that bring their
    // own help (such as keyboard play).
    void appendSection(int page, const QString& title, const QString& html);

private:
    QLabel* heading_;
    QStackedWidget* pages_;
    QPushButton* buttons_[kHelpPages];
    QTextBrowser* memos_[kHelpPages];
    QString texts_[kHelpPages];
};

}  // namespace velmora::windows

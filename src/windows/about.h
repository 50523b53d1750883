// The about box `Tabout`: version, a link to the project's page and a logo
// the program draws itself. Clicking the link or the logo opens the page.
#pragma once

#include <QLabel>
#include <QUrl>
#include <functional>

#include "windows/sidewindow.h"

namespace velmora::windows {

// The project's web page.
inline constexpr const char* kProjectPage = "https://velmora.example.org/";

// Two fanned cards and the game's name.
class Logo : public QWidget {
    Q_OBJECT
public:
    explicit Logo(QWidget* parent);
    QSize sizeHint() const override { return {200, 120}; }
signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

class Tabout : public SideWindow {
    Q_OBJECT
public:
    Tabout(const QString& versionText, QWidget* parent);

    QString versionText() const { return version_->text(); }
    QLabel* link() const { return link_; }
    Logo* logo() const { return logo_; }
    // Opens the project's page; the desktop's default handler unless replaced.
    void setUrlOpener(std::function<void(const QUrl&)> open) { openUrl_ = std::move(open); }
    void openProjectPage();

private:
    std::function<void(const QUrl&)> openUrl_;
    QLabel* version_;
    QLabel* link_;
    Logo* logo_;
};

}  // namespace velmora::windows

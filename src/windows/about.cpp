#include "windows/about.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace velmora::windows {
namespace {

// One card face: white with its sign in the top left corner, where it stays
// visible when the next card of the fan covers the rest.
void paintCard(QPainter& p, const QRectF& r, const QColor& colour, const QString& sign) {
    QPainterPath outline;
    outline.addRoundedRect(r, 6, 6);
    p.fillPath(outline, QColor(252, 248, 238));
    p.setPen(QPen(QColor(60, 45, 30), 1.5));
    p.drawPath(outline);
    p.setPen(colour);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(int(r.height() * 0.3));
    p.setFont(f);
    p.drawText(r.adjusted(r.width() * 0.08, r.height() * 0.04, 0, 0), Qt::AlignLeft | Qt::AlignTop, sign);
}

}  // namespace

Logo::Logo(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("logo"));
    setCursor(Qt::PointingHandCursor);
    setMinimumSize(sizeHint());
}

void Logo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal h = height() * 0.62, w = h * 0.68;
    const QPointF base(width() / 2.0, height() * 0.70);
    // A fan of a blue 7, a wild card and a red skip, pivoting at the bottom.
    const struct {
        qreal angle;
        QColor colour;
        const char* sign;
    } cards[] = {{-18, QColor(28, 84, 196), "7"}, {0, QColor(22, 134, 58), "W"}, {18, QColor(206, 32, 40), "S"}};
    for (const auto& c : cards) {
        p.save();
        p.translate(base);
        p.rotate(c.angle);
        paintCard(p, QRectF(-w / 2, -h, w, h), c.colour, QString::fromLatin1(c.sign));
        p.restore();
    }
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setBold(true);
    f.setPixelSize(int(height() * 0.2));
    p.setFont(f);
    p.setPen(QColor(243, 231, 205));
    p.drawText(QRectF(0, height() * 0.74, width(), height() * 0.26), Qt::AlignCenter, QStringLiteral("Velmora"));
}

void Logo::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

Tabout::Tabout(const QString& versionText, QWidget* parent)
    : SideWindow("Tabout", tr("Velmora - About"), parent),
      openUrl_([](const QUrl& url) { QDesktopServices::openUrl(url); }) {
    auto* layout = new QVBoxLayout(this);
    logo_ = new Logo(this);
    layout->addWidget(logo_, 1);
    version_ = feltText(tr("Version %1").arg(versionText), this);
    version_->setObjectName(QStringLiteral("version"));
    version_->setAlignment(Qt::AlignCenter);
    auto* line = feltText(tr("A card game of ten stages for up to four players."), this);
    line->setAlignment(Qt::AlignCenter);
    layout->addWidget(line);
    layout->addWidget(version_);
    const QString page = QString::fromLatin1(kProjectPage);
    link_ = new QLabel(QStringLiteral("<a href=\"%1\" style=\"color: rgb(255,236,160);\">%1</a>").arg(page), this);
    link_->setObjectName(QStringLiteral("link"));
    link_->setAlignment(Qt::AlignCenter);
    link_->setCursor(Qt::PointingHandCursor);
    link_->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    layout->addWidget(link_);
    connect(link_, &QLabel::linkActivated, this, &Tabout::openProjectPage);
    connect(logo_, &Logo::clicked, this, &Tabout::openProjectPage);
    layout->addWidget(closeButton(this), 0, Qt::AlignRight);
    resize(300, 300);
}

void Tabout::openProjectPage() {
    if (openUrl_) openUrl_(QUrl(QString::fromLatin1(kProjectPage)));
}

}  // namespace velmora::windows

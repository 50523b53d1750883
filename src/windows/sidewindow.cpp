#include "windows/sidewindow.h"

#include <QLayout>
#include <algorithm>

namespace velmora::windows {
namespace {
const QColor kFelt(153, 115, 72);
}  // namespace

SideWindow::SideWindow(const char* objectName, const QString& caption, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(caption);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kFelt);
    setPalette(pal);
    setAutoFillBackground(true);
    // Group captions in the felt's light text colour, like every other label.
    setStyleSheet(QStringLiteral("QGroupBox { color: rgb(243,231,205); font: bold 13px 'DejaVu Sans'; }"));
}

void SideWindow::showEvent(QShowEvent* event) {
    if (QLayout* l = layout()) {
        l->activate();
        const QSize least = l->totalMinimumSize();
        const int width = std::max(this->width(), least.width());
        const int height = l->hasHeightForWidth() ? l->totalHeightForWidth(width) : least.height();
        resize(width, std::max(this->height(), height));
    }
    QDialog::showEvent(event);
}

QLabel* feltHeading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("color: rgb(243,231,205); font: bold 18px 'DejaVu Sans';"));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QLabel* feltText(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("color: rgb(243,231,205); font: bold 13px 'DejaVu Sans';"));
    label->setWordWrap(true);
    return label;
}

QPushButton* closeButton(QDialog* window) {
    auto* button = new QPushButton(SideWindow::tr("Close"), window);
    button->setObjectName(QStringLiteral("button_close"));
    QObject::connect(button, &QPushButton::clicked, window, &QDialog::close);
    return button;
}

}  // namespace velmora::windows

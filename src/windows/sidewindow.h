// The look every small window shares: a dialog on the table's felt.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace velmora::windows {

// A hidden top-level window on the table's felt, with its caption.
class SideWindow : public QDialog {
    Q_OBJECT
public:
    SideWindow(const char* objectName, const QString& caption, QWidget* parent);

protected:
    // Grows to what the texts need: a language may need more than the
    // designed size, and a wrapped text more lines.
    void showEvent(QShowEvent* event) override;
};

// Light text on the felt.
QLabel* feltHeading(const QString& text, QWidget* parent);
QLabel* feltText(const QString& text, QWidget* parent);
// A "Close" button that closes `window`, for windows with nothing to confirm.
QPushButton* closeButton(QDialog* window);

}  // namespace velmora::windows

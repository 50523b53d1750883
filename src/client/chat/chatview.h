// The main window's chat view `mainchat`: chat, actions, notices and game
// events, one coloured line each with its name part in bold.
#pragma once

#include <QPointer>
#include <QTextEdit>
#include <QUrl>

#include <functional>
#include <optional>

#include "client/chat/chatlinks.h"
#include "client/art/colortext.h"

class QAction;
class QMenu;

namespace velmora::client {

class ChatView : public QTextEdit {
    Q_OBJECT
public:
    using LinkOpener = std::function<void(const QUrl&)>;

    explicit ChatView(QWidget* parent = nullptr);

    // The chat input `mychat`: gets the keyboard focus back after a click in
    // the view and after clearing.
    void setInputLine(QWidget* input);
    // Defaults to QDesktopServices::openUrl.
    void setLinkOpener(LinkOpener opener) { opener_ = std::move(opener); }

    // "Scroll Chat Off" (Ctrl+S). One action: the main window adds it to its
    // Options menu too, so both items always show the same state.
    QAction* scrollLockAction() const { return ScrollChatOff1; }
    QAction* copyAction() const { return Copy1; }
    QAction* clearAction() const { return ClearMainChat1; }
    QMenu* popupMenu() const { return popup_; }

    bool scrollLock() const;
    void setScrollLock(bool on);

    // The text size in points at 100 % (Options > Text Size); the view
    // shows it times the board's zoom.
    void setTextSize(int points);
    int textSize() const { return textSize_; }
    void setZoom(qreal zoom);

    // The link under a point of the viewport, if any.
    std::optional<ChatLink> linkAtPoint(const QPoint& viewportPos) const;

public slots:
    void addlinetochat(const QString& line, velmora::client::Colour colour);
    // Payload of "CMD_chat" and "CMD_action": the line, "|", its colour text.
    void chatrecieved(const QString& payload);
    void ClearMainChat1Click();
    void clearMainChat() { ClearMainChat1Click(); }
    void Copy1Click();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* makeAction(const char* objectName, const QString& text, const QKeySequence& key);
    std::optional<int> characterAt(const QPoint& viewportPos) const;
    void appendLine(const QString& line, Colour colour);
    void focusInput();

    QAction* Copy1;
    QAction* ClearMainChat1;
    QAction* ScrollChatOff1;
    QMenu* popup_;
    QPointer<QWidget> input_;
    LinkOpener opener_;
    Qt::CursorShape defaultCursor_;
    bool empty_ = true;  // an empty first line leaves the document empty too
    int textSize_;
    qreal zoom_ = 1.0;
};

// Sets a widget's font to its size at 100 % times `zoom`; the size at 100 %
// is the one the widget had at the first call.
void zoomFont(QWidget* widget, qreal zoom);

}  // namespace velmora::client

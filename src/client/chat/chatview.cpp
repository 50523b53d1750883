#include "client/chat/chatview.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTextLayout>

namespace velmora::client {

ChatView::ChatView(QWidget* parent)
    : QTextEdit(parent),
      Copy1(makeAction("Copy1", tr("Copy"), QKeySequence(Qt::CTRL | Qt::Key_C))),
      ClearMainChat1(makeAction("ClearMainChat1", tr("Clear Main Chat"), {})),
      ScrollChatOff1(makeAction("ScrollChatOff1", tr("Scroll Chat Off"),
                                QKeySequence(Qt::CTRL | Qt::Key_S))),
      popup_(new QMenu(this)),
      opener_([](const QUrl& url) { QDesktopServices::openUrl(url); }),
      textSize_(font().pointSize()) {
    setObjectName(QStringLiteral("mainchat"));
    setReadOnly(true);
    setUndoRedoEnabled(false);  // a long session would keep every line twice
    setAcceptRichText(false);
    setAcceptDrops(false);
    viewport()->setMouseTracking(true);
    defaultCursor_ = viewport()->cursor().shape();

    // Copy belongs to the view; scroll lock works from anywhere in the window.
    Copy1->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    ScrollChatOff1->setShortcutContext(Qt::WindowShortcut);
    ScrollChatOff1->setCheckable(true);
    Copy1->setEnabled(false);
    connect(this, &QTextEdit::copyAvailable, Copy1, &QAction::setEnabled);
    connect(Copy1, &QAction::triggered, this, &ChatView::Copy1Click);
    connect(ClearMainChat1, &QAction::triggered, this, &ChatView::ClearMainChat1Click);

    popup_->setObjectName(QStringLiteral("popup_chat"));
    popup_->addActions({Copy1, ClearMainChat1, ScrollChatOff1});
    addActions({Copy1, ClearMainChat1, ScrollChatOff1});
}

void ChatView::setTextSize(int points) {
    textSize_ = points;
    setZoom(zoom_);
}

void ChatView::setZoom(qreal zoom) {
    zoom_ = zoom;
    QFont f = font();
    f.setPointSizeF(textSize_ * zoom_);
    setFont(f);
}

void zoomFont(QWidget* widget, qreal zoom) {
    const char* const kAtFull = "velmoraFontAtFullSize";
    if (!widget->property(kAtFull).isValid()) widget->setProperty(kAtFull, widget->font().pointSizeF());
    QFont f = widget->font();
    f.setPointSizeF(widget->property(kAtFull).toReal() * zoom);
    widget->setFont(f);
}

QAction* ChatView::makeAction(const char* objectName, const QString& text, const QKeySequence& key) {
    auto* action = new QAction(text, this);
    action->setObjectName(QString::fromLatin1(objectName));
    action->setShortcut(key);
    return action;
}

void ChatView::setInputLine(QWidget* input) {
    if (input_) input_->removeEventFilter(this);
    input_ = input;
    if (input_) input_->installEventFilter(this);
}

bool ChatView::scrollLock() const { return ScrollChatOff1->isChecked(); }
void ChatView::setScrollLock(bool on) { ScrollChatOff1->setChecked(on); }

void ChatView::addlinetochat(const QString& line, Colour colour) {
    // Without scroll lock the view follows the new line; with it, it stays.
    // The player's caret and selection stay either way.
    const int keptScroll = verticalScrollBar()->value();
    const int keptAnchor = textCursor().anchor();
    const int keptPosition = textCursor().position();
    setUpdatesEnabled(false);
    appendLine(line, colour);
    // A caret at the very end would otherwise travel along with the new text.
    if (textCursor().anchor() != keptAnchor || textCursor().position() != keptPosition) {
        QTextCursor caret(document());
        caret.setPosition(keptAnchor);
        caret.setPosition(keptPosition, QTextCursor::KeepAnchor);
        setTextCursor(caret);
    }
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(scrollLock() ? keptScroll : bar->maximum());
    setUpdatesEnabled(true);
}

void ChatView::appendLine(const QString& line, Colour colour) {
    QTextCursor at(document());
    at.movePosition(QTextCursor::End);
    if (!empty_) at.insertBlock(QTextBlockFormat(), QTextCharFormat());
    empty_ = false;

    // Bold up to and including the first ":"; a line without one has no name part.
    const qsizetype colon = line.indexOf(u':');
    const qsizetype nameLength = colon < 0 ? 0 : colon + 1;
    QTextCharFormat format;
    format.setForeground(toQColor(colour));
    format.setFontWeight(QFont::Bold);
    at.insertText(line.left(nameLength), format);
    format.setFontWeight(QFont::Normal);
    at.insertText(line.mid(nameLength), format);
}

void ChatView::chatrecieved(const QString& payload) {
    const qsizetype bar = payload.indexOf(u'|');
    if (bar < 0) {
        addlinetochat(payload, kFallbackColour);
        return;
    }
    addlinetochat(payload.left(bar), colourFromText(payload.mid(bar + 1), kFallbackColour));
}

void ChatView::ClearMainChat1Click() {
    clear();
    empty_ = true;
    focusInput();
}

void ChatView::Copy1Click() {
    const QString selected = textCursor().selection().toPlainText();
    if (!selected.isEmpty()) QApplication::clipboard()->setText(selected);
}

void ChatView::focusInput() {
    if (input_) input_->setFocus(Qt::OtherFocusReason);
}

std::optional<int> ChatView::characterAt(const QPoint& viewportPos) const {
    const QPointF docPos = QPointF(viewportPos) +
                           QPointF(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const int hit = document()->documentLayout()->hitTest(docPos, Qt::FuzzyHit);
    const QTextBlock block = document()->findBlock(hit);
    const QTextLayout* layout = block.layout();
    if (hit < 0 || !block.isValid() || !layout) return std::nullopt;
    const QPointF inBlock = docPos - layout->position();
    for (int i = 0; i < layout->lineCount(); ++i) {
        const QTextLine line = layout->lineAt(i);
        // Beside or below the text of a line is not over a character.
        if (!line.naturalTextRect().contains(inBlock)) continue;
        const int column = line.xToCursor(inBlock.x(), QTextLine::CursorOnCharacter);
        if (column >= block.length() - 1) return std::nullopt;
        return block.position() + column;
    }
    return std::nullopt;
}

std::optional<ChatLink> ChatView::linkAtPoint(const QPoint& viewportPos) const {
    const std::optional<int> at = characterAt(viewportPos);
    if (!at) return std::nullopt;
    const QTextBlock block = document()->findBlock(*at);
    std::optional<ChatLink> link = linkAt(block.text(), *at - block.position());
    if (link) link->start += block.position();
    return link;
}

void ChatView::mouseMoveEvent(QMouseEvent* event) {
    viewport()->setCursor(linkAtPoint(event->position().toPoint()) ? Qt::PointingHandCursor
                                                                    : defaultCursor_);
    QTextEdit::mouseMoveEvent(event);
}

void ChatView::mousePressEvent(QMouseEvent* event) {
    const auto link = event->button() == Qt::LeftButton ? linkAtPoint(event->position().toPoint())
                                                         : std::nullopt;
    if (!link) {
        QTextEdit::mousePressEvent(event);
        return;
    }
    QTextCursor select(document());
    select.setPosition(link->start);
    select.setPosition(link->start + link->length, QTextCursor::KeepAnchor);
    setTextCursor(select);
    if (opener_) opener_(linkUrl(link->text));
    event->accept();
}

void ChatView::mouseReleaseEvent(QMouseEvent* event) {
    QTextEdit::mouseReleaseEvent(event);
    focusInput();
}

void ChatView::contextMenuEvent(QContextMenuEvent* event) {
    popup_->popup(event->globalPos());
    event->accept();
}

bool ChatView::eventFilter(QObject* watched, QEvent* event) {
    // Focus always returns to the input line, so Ctrl+C lands there; with
    // nothing selected in the input it copies the chat's selection instead.
    if (watched == input_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        const auto* line = qobject_cast<QLineEdit*>(input_.data());
        if ((!line || !line->hasSelectedText()) && textCursor().hasSelection()) {
            Copy1Click();
            return true;
        }
    }
    return QTextEdit::eventFilter(watched, event);
}

}  // namespace velmora::client

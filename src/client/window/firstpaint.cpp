#include "client/window/firstpaint.h"

#include <QEvent>
#include <QTimer>
#include <utility>

namespace velmora::client {
namespace {

class AfterFirstPaint final : public QObject {
public:
    AfterFirstPaint(QWidget* widget, std::function<void()> then) : QObject(widget), then_(std::move(then)) {
        widget->installEventFilter(this);
        QTimer::singleShot(1000, this, &AfterFirstPaint::go);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Queued: the rest of the window is drawn in the same pass.
        if (event->type() == QEvent::Paint) QMetaObject::invokeMethod(this, &AfterFirstPaint::go, Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }

private:
    void go() {
        if (!then_) return;
        parent()->removeEventFilter(this);
        std::exchange(then_, nullptr)();
        deleteLater();
    }

    std::function<void()> then_;
};

}  // namespace

void afterFirstPaint(QWidget* widget, std::function<void()> then) { new AfterFirstPaint(widget, std::move(then)); }

}  // namespace velmora::client

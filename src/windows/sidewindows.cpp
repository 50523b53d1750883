#include "windows/sidewindows.h"

namespace velmora::windows {

SideWindows::SideWindows(QWidget* mainWindow, SideWindowsOptions options, SideWindowHooks hooks)
    : main_(mainWindow), options_(std::move(options)), hooks_(std::move(hooks)) {}

template <class W, class... Args>
W* SideWindows::make(QPointer<W>& slot, const std::function<void(W&)>& hook, Args&&... args) {
    if (slot) return slot;
    slot = new W(std::forward<Args>(args)..., main_);
    if (hook) hook(*slot);
    return slot;
}

Tabout* SideWindows::about() { return make(about_, {}, options_.version); }

Tspylist* SideWindows::spylist() {
    if (spylist_) return spylist_;
    spylist_ = new Tspylist(main_, &spies_);
    spylist_->setKickEnabled(kickEnabled_);
    if (hooks_.spylist) hooks_.spylist(*spylist_);
    return spylist_;
}

Thelp* SideWindows::help() { return make(help_, hooks_.help); }
Tgamestart* SideWindows::gamestart() { return make(gamestart_, hooks_.gamestart); }
Tphrases* SideWindows::phrases() { return make(phrases_, hooks_.phrases); }
Tdownload* SideWindows::download() { return make(download_, hooks_.download); }
Ttallylist* SideWindows::tallylist() { return make(tallylist_, hooks_.tallylist); }

void SideWindows::addSpy(int place, const QString& name) {
    if (spylist_)
        spylist_->addSpy(place, name);
    else
        spies_.add(place, name);
}

bool SideWindows::removeSpy(int place, const QString& name) {
    return spylist_ ? spylist_->removeSpy(place, name) : spies_.remove(place, name) >= 0;
}

void SideWindows::setKickEnabled(bool on) {
    kickEnabled_ = on;
    if (spylist_) spylist_->setKickEnabled(on);
}

}  // namespace velmora::windows

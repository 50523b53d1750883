#include "client/settings/optionsmenu.h"

#include <QAction>
#include <QActionGroup>
#include <QColorDialog>
#include <QMenu>
#include <QScreen>
#include <QWidget>

#include "client/chat/chatinput.h"
#include "client/chat/chatview.h"
#include "client/chat/phrasebuttons.h"
#include "client/sound/sounds.h"
#include "client/settings/windowbounds.h"
#include "i18n/language.h"
#include "windows/sidewindows.h"
#include "windows/phrases.h"

namespace velmora::client {

using K = SettingKey;

namespace {
// The chat view's font sizes that make sense; others read as the default.
constexpr int kMinTextSize = 4, kMaxTextSize = 72, kDefaultTextSize = 8;
}  // namespace

OptionsMenu::OptionsMenu(OptionsParts parts, Settings settings, QObject* parent)
    : QObject(parent), parts_(std::move(parts)), settings_(std::move(settings)) {
    connect(parts_.sounds->playSoundsAction(), &QAction::triggered, this, &OptionsMenu::PlaySounds1Click);
    connect(parts_.sounds->playerPhraseSoundsAction(), &QAction::triggered, this,
            &OptionsMenu::PlayerPhraseSounds1Click);
}

void OptionsMenu::attachPhraseEditor(windows::Tphrases& editor) {
    connect(&editor, &windows::Tphrases::phrasesChosen, this, &OptionsMenu::phrasesDone);
}

// Until the window is made, the values stay as the settings file holds them.
void OptionsMenu::attachGamestart(windows::Tgamestart& gamestart) {
    if (loaded_) gamestart.setValues(settings_.text(K::Playtoscore), settings_.text(K::Timeperturn));
    connect(&gamestart, &windows::Tgamestart::changed, this, &OptionsMenu::saveinifile);
}

QActionGroup* OptionsMenu::radio(QMenu* options, const QString& title, const char* menuName,
                                 std::initializer_list<std::tuple<const char*, QString, int>> items, int checked,
                                 void (OptionsMenu::*handler)(int)) {
    QMenu* sub = options->addMenu(title);
    sub->menuAction()->setObjectName(QString::fromLatin1(menuName));
    auto* group = new QActionGroup(sub);
    // Optional, so that a text size without an item of its own checks none.
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (auto& [name, text, value] : items) {
        QAction* a = sub->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        a->setParent(parts_.window);
        a->setCheckable(true);
        a->setChecked(value == checked);
        a->setData(value);
        group->addAction(a);
        // Copied under a name of its own: clang before 16 cannot capture a binding.
        connect(a, &QAction::triggered, this, [this, handler, v = value] { (this->*handler)(v); });
    }
    return group;
}

void OptionsMenu::fill(QMenu* options, QAction* justWatch) {
    options->addAction(parts_.sounds->playSoundsAction());
    options->addAction(parts_.sounds->playerPhraseSoundsAction());
    turnSound_ = radio(options, tr("Turn Sound"), "TurnSound1", {{"Classic1", tr("Classic"), 0}, {"New1", tr("New"), 1}},
                       0, &OptionsMenu::Classic1Click);
    botSpeed_ = radio(options, tr("Bot Speed"), "BotSpeed1",
                      {{"Slow1", tr("Slow"), 2000}, {"Normal1", tr("Normal"), 1000}, {"Fast1", tr("Fast"), 500}}, 1000,
                      &OptionsMenu::Fast1Click);
    computerLevel_ = radio(options, tr("Computer Level"), "ComputerLevel1",
                           {{"Designed1", tr("Designed"), 0}, {"Strong1", tr("Strong"), 1}, {"Expert1", tr("Expert"), 2}}, 0,
                           &OptionsMenu::Strong1Click);
    textSize_ = radio(options, tr("Text Size"), "TextSize1",
                      {{"N8", tr("8"), 8}, {"N10", tr("10"), 10}, {"N12", tr("12"), 12}, {"N14", tr("14"), 14}},
                      kDefaultTextSize, &OptionsMenu::N14Click);
    auto add = [this, options](const char* name, const QString& text, void (OptionsMenu::*slot)()) {
        QAction* a = options->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        a->setParent(parts_.window);
        connect(a, &QAction::triggered, this, slot);
    };
    add("TextColor1", tr("Text Color"), &OptionsMenu::TextColor1Click);
    add("ActionColor1", tr("Action Color"), &OptionsMenu::ActionColor1Click);
    options->addSeparator();
    options->addAction(justWatch);
    options->addAction(parts_.chat->scrollLockAction());
    QAction* clear = options->addAction(tr("Clear Main Chat"));
    clear->setObjectName(QStringLiteral("ClearMainChat2"));
    connect(clear, &QAction::triggered, parts_.chat, &ChatView::clearMainChat);
    add("ResetScreenLocation1", tr("Reset Screen Location"), &OptionsMenu::ResetScreenLocation1Click);
    addLanguageMenu(options);
}

// The language is read once at start (every window's texts are made then),
// so a choice is saved at once and says it waits for the next start.
void OptionsMenu::addLanguageMenu(QMenu* options) {
    QMenu* sub = options->addMenu(tr("Language"));
    sub->menuAction()->setObjectName(QStringLiteral("Language1"));
    auto* group = new QActionGroup(sub);
    Settings current(settings_.path());
    current.load();
    auto item = [&](const QString& text, const QString& code) {
        QAction* a = sub->addAction(text);
        a->setObjectName(QStringLiteral("Language_") + (code.isEmpty() ? QStringLiteral("system") : code));
        a->setCheckable(true);
        a->setChecked(current.text(K::Language) == code);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, code] { chooseLanguage(code); });
    };
    item(tr("System"), QString());
    for (const i18n::Language& l : i18n::kLanguages) item(QString::fromUtf8(l.name), QString::fromLatin1(l.code));
    if (!group->checkedAction()) group->actions().constFirst()->setChecked(true);
    sub->addSeparator();
    sub->addAction(tr("Takes effect at the next start"))->setEnabled(false);
}

void OptionsMenu::chooseLanguage(const QString& code) {
    settings_.set(K::Language, code);
    // Our key alone; a file that cannot be read is never written over.
    Settings s(settings_.path());
    if (!s.load()) return;
    s.set(K::Language, code);
    s.save(SettingGroup::Language);
}

int OptionsMenu::checkedValue(const QActionGroup* group, int fallback) {
    const QAction* a = group ? group->checkedAction() : nullptr;
    return a ? a->data().toInt() : fallback;
}

void OptionsMenu::check(QActionGroup* group, int value) {
    for (QAction* a : group->actions()) a->setChecked(a->data().toInt() == value);
}

void OptionsMenu::applyBounds(const QRect& r) { parts_.window->setGeometry(ontoScreen(r, desktopWorkAreas())); }

void OptionsMenu::applyTextSize(int size) { parts_.chat->setTextSize(size); }

void OptionsMenu::loadinifile() {
    settings_.load();
    int size = settings_.integer(K::Textsize);
    if (size < kMinTextSize || size > kMaxTextSize) size = kDefaultTextSize;
    lastRead_ = QRect(settings_.integer(K::Left), settings_.integer(K::Top), settings_.integer(K::Width),
                      settings_.integer(K::Height));
    applyBounds(lastRead_);
    applyTextSize(size);
    check(textSize_, size);
    parts_.input->setTextColour(settings_.colour(K::Textcolor));
    parts_.input->actionColour = settings_.colour(K::Actioncolor);
    if (windows::Tgamestart* g = parts_.side->madeGamestart())
        g->setValues(settings_.text(K::Playtoscore), settings_.text(K::Timeperturn));
    check(botSpeed_, settings_.integer(K::Botspeed));
    emit botSpeedChanged(botSpeed());
    check(computerLevel_, settings_.integer(K::Computerlevel));
    emit computerLevelChanged(computerLevel());
    check(turnSound_, settings_.integer(K::Turnsound));
    emit turnSoundChanged(turnSound());
    for (int n = 1; n <= PhraseButtons::kCount; ++n)
        if (const QString p = settings_.text(Settings::phraseKey(n)); !p.isEmpty()) parts_.phrases->setPhrase(n, p);
    parts_.sounds->setPlaySounds(settings_.flag(K::Playsounds));
    parts_.sounds->setPlayerPhraseSounds(settings_.flag(K::Playerphrasesounds));
    loaded_ = true;
}

void OptionsMenu::saveinifile() { save(parts_.window->geometry()); }

// Until the file has been read, the menus hold defaults: writing them would
// wipe the player's saved settings (a window closed before it connected).
void OptionsMenu::save(const QRect& bounds) {
    if (!loaded_) return;
    settings_.set(K::Textsize, parts_.chat->textSize());
    settings_.set(K::Top, bounds.top());
    settings_.set(K::Left, bounds.left());
    settings_.set(K::Width, bounds.width());
    settings_.set(K::Height, bounds.height());
    settings_.setColour(K::Textcolor, parts_.input->textColour());
    settings_.setColour(K::Actioncolor, parts_.input->actionColour);
    if (const windows::Tgamestart* g = parts_.side->madeGamestart()) {
        settings_.set(K::Playtoscore, g->playToScore());
        settings_.set(K::Timeperturn, g->timePerTurn());
    }
    settings_.set(K::Botspeed, botSpeed());
    settings_.set(K::Turnsound, turnSound());
    settings_.setFlag(K::Playerphrasesounds, parts_.sounds->playerPhraseSounds());
    settings_.setFlag(K::Playsounds, parts_.sounds->playSounds());
    settings_.save(SettingGroup::Options);
}

void OptionsMenu::Classic1Click(int value) {
    check(turnSound_, value);
    emit turnSoundChanged(value);
    saveinifile();
}

void OptionsMenu::Fast1Click(int ms) {
    check(botSpeed_, ms);
    emit botSpeedChanged(ms);
    saveinifile();
}

// Its own key alone is written, so the options' save keeps its bytes.
void OptionsMenu::Strong1Click(int level) {
    check(computerLevel_, level);
    emit computerLevelChanged(level);
    if (!loaded_) return;
    settings_.set(K::Computerlevel, level);
    settings_.save(SettingGroup::Computer);
}

void OptionsMenu::N14Click(int size) {
    check(textSize_, size);
    applyTextSize(size);
    saveinifile();
}

QColorDialog* OptionsMenu::makeColorDialog(const char* name, bool (OptionsMenu::*onFinished)(int)) {
    // Made on first use: the side windows are the window's first dialogs.
    auto* dialog = new QColorDialog(parts_.window);
    dialog->setObjectName(QString::fromLatin1(name));
    dialog->setOption(QColorDialog::DontUseNativeDialog);
    connect(dialog, &QDialog::finished, this, [this, onFinished](int result) { (this->*onFinished)(result); });
    return dialog;
}

void OptionsMenu::TextColor1Click() {
    if (!textDialog_) textDialog_ = makeColorDialog("ColorDialog", &OptionsMenu::textColourChosen);
    textDialog_->setCurrentColor(toQColor(parts_.input->textColour()));
    textDialog_->open();
}

bool OptionsMenu::textColourChosen(int result) {
    if (result != QDialog::Accepted) return false;
    parts_.input->setTextColour(fromQColor(textDialog_->selectedColor()));
    saveinifile();
    return true;
}

void OptionsMenu::ActionColor1Click() {
    if (!actionDialog_) actionDialog_ = makeColorDialog("ColorDialog2", &OptionsMenu::actionColourChosen);
    actionDialog_->setCurrentColor(toQColor(parts_.input->actionColour));
    actionDialog_->open();
}

bool OptionsMenu::actionColourChosen(int result) {
    if (result == QDialog::Accepted) parts_.input->actionColour = fromQColor(actionDialog_->selectedColor());
    saveinifile();  // saved either way
    return result == QDialog::Accepted;
}

void OptionsMenu::ResetScreenLocation1Click() { parts_.window->setGeometry(kDefaultBounds); }

void OptionsMenu::PrhaseList1Click() {
    QStringList phrases;
    for (int n = 1; n <= PhraseButtons::kCount; ++n) phrases << parts_.phrases->phrase(n);
    parts_.side->phrases()->showPhrases(phrases);
}

void OptionsMenu::phrasesDone(const QStringList& phrases) {
    for (int n = 1; n <= PhraseButtons::kCount; ++n) {
        parts_.phrases->setPhrase(n, phrases.value(n - 1));
        settings_.set(Settings::phraseKey(n), parts_.phrases->phrase(n));
    }
    settings_.save(SettingGroup::Phrases);
}

void OptionsMenu::FormClose() {
    const QRect now = parts_.window->geometry();
    if (!loaded_ || now == lastRead_) return;
    const QScreen* screen = parts_.window->screen();
    const QRect trimmed = screen ? trimToWorkArea(now, screen->availableGeometry()) : now;
    lastRead_ = trimmed;
    save(trimmed);
}

}  // namespace velmora::client

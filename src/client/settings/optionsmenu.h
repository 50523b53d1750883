// The Options menu and everything the settings file remembers: sounds, turn
// sound, bot speed, text size and colours, the window's place, the phrases,
// the game start options and the language (read at the next start). Loads
// when the host confirms the own login (`loadinifile`); from then on every
// change is saved at once.
#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QStringList>

#include "client/settings/settings.h"

class QAction;
class QActionGroup;
class QColorDialog;
class QMenu;

namespace velmora::windows {
class SideWindows;
class Tgamestart;
class Tphrases;
}  // namespace velmora::windows

namespace velmora::client {

class ChatInput;
class ChatView;
class PhraseButtons;
class Sounds;

// What the options act on; all outlive the menu.
struct OptionsParts {
    QWidget* window = nullptr;
    ChatView* chat = nullptr;
    ChatInput* input = nullptr;
    Sounds* sounds = nullptr;
    PhraseButtons* phrases = nullptr;
    // The phrase editor and the game start options, made when first needed.
    windows::SideWindows* side = nullptr;
};

class OptionsMenu : public QObject {
    Q_OBJECT
public:
    OptionsMenu(OptionsParts parts, Settings settings, QObject* parent);

    // Fills the Options menu; justWatch (the window's own) goes after the
    // colours.
    void fill(QMenu* options, QAction* justWatch);

    Settings& settings() { return settings_; }
    bool loaded() const { return loaded_; }
    int botSpeed() const { return checkedValue(botSpeed_, 1000); }
    int turnSound() const { return checkedValue(turnSound_, 0); }
    int computerLevel() const { return checkedValue(computerLevel_, 0); }
    QColorDialog* ColorDialog() const { return textDialog_; }
    QColorDialog* ColorDialog2() const { return actionDialog_; }

    void loadinifile();
    void saveinifile();
    // Connect a side window when it is made.
    void attachPhraseEditor(windows::Tphrases& editor);
    void attachGamestart(windows::Tgamestart& gamestart);

    void PlaySounds1Click() { saveinifile(); }
    void PlayerPhraseSounds1Click() { saveinifile(); }
    void Classic1Click(int value);
    void Fast1Click(int ms);
    void Strong1Click(int level);
    void TextColor1Click();
    void ActionColor1Click();
    void N14Click(int size);
    void ResetScreenLocation1Click();
    void PrhaseList1Click();
    // The phrase editor's "Done".
    void phrasesDone(const QStringList& phrases);
    // The window is closing: saves only when it moved or changed size.
    void FormClose();

signals:
    // For the in-process host's computer players, if this copy hosts.
    void botSpeedChanged(int ms);
    // 0 Designed, 1 Strong, 2 Expert: every computer seat of the in-process host.
    void computerLevelChanged(int level);
    // The turn sound the table plays (0 classic, 1 new).
    void turnSoundChanged(int value);

private:
    QActionGroup* radio(QMenu* options, const QString& title, const char* menuName,
                        std::initializer_list<std::tuple<const char*, QString, int>> items, int checked,
                        void (OptionsMenu::*handler)(int));
    static int checkedValue(const QActionGroup* group, int fallback);
    static void check(QActionGroup* group, int value);
    void applyBounds(const QRect& r);
    void applyTextSize(int size);
    QColorDialog* makeColorDialog(const char* name, bool (OptionsMenu::*onFinished)(int));
    bool textColourChosen(int result);
    bool actionColourChosen(int result);
    void save(const QRect& bounds);
    void addLanguageMenu(QMenu* options);
    void chooseLanguage(const QString& code);

    OptionsParts parts_;
    Settings settings_;
    QActionGroup* turnSound_ = nullptr;
    QActionGroup* botSpeed_ = nullptr;
    QActionGroup* computerLevel_ = nullptr;
    QActionGroup* textSize_ = nullptr;
    QColorDialog* textDialog_ = nullptr;
    QColorDialog* actionDialog_ = nullptr;
    QRect lastRead_;
    bool loaded_ = false;
};

}  // namespace velmora::client

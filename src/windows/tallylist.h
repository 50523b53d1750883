// The tally list window `Ttallylist`: the local player's totals, the names
// at the table, the followed opponents and the selected one's record. The
// rules and the file live in the tally layer; this window shows them and
// asks its questions in boxes that never block.
#pragma once

#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

#include "tally/tally.h"
#include "tally/tallyfile.h"
#include "windows/sidewindow.h"

class QBoxLayout;
class QLabel;
class QListWidgetItem;


namespace velmora::windows {

class Ttallylist : public SideWindow {
    Q_OBJECT
public:
    explicit Ttallylist(QWidget* parent);
    // Saves what changed since the last save (the program's exit).
    ~Ttallylist() override;

    // Reads the stored tally from `path` (full name, decided by the caller;
    // empty keeps the tally in memory only). A damaged file is said in a
    // box and kept aside at the next save.
    void FormCreate(const QString& path);
    void FormDestroy();

    tally::Tally& stringgrid_scores() { return scores_; }
    // The window's parts, made when first asked for.
    QListWidget* checklist() { return ensureBuilt(), checklist_; }
    QListWidget* listbox_tally() { return ensureBuilt(), listbox_tally_; }
    QLabel* mylabel(int n) { return ensureBuilt(), mylabels_.at(static_cast<std::size_t>(n - 1)); }
    QLabel* label(int n) { return ensureBuilt(), labels_.at(static_cast<std::size_t>(n - 1)); }
    QLabel* label_hisname() { return ensureBuilt(), label_hisname_; }
    QLabel* label_hisnametop() { return ensureBuilt(), label_hisnametop_; }
    // The box on screen, if any (tests answer it).
    QMessageBox* question() const { return question_; }

    // The names at the other seats of the current table; ticked when
    // followed.
    void loadchecklist(const QStringList& names);
    // Counts a finished game over the names in `checklist` and saves.
    // `winner` is the winner's name as shown, or "addtomine".
    void addgame(const QString& winner);
    void addtomineincrease(int column);
    void loadtally();
    void moverow(int row);
    // Writes the tally now; false (said on standard error and through
    // saveFailed) when it could not be written.
    bool save();

    void checklistClickCheck(QListWidgetItem* item);
    void listbox_tallyClickCheck(QListWidgetItem* item);
    void listbox_tallyClick();
    void button_doneClick() { hide(); }
    void button_resetClick();

    void setVisible(bool visible) override;

signals:
    // Told when a save fails, with the reason.
    void saveFailed(const QString& reason);

private:
    void ensureBuilt();
    void buildTotals(QBoxLayout* into);
    void buildRecord(QBoxLayout* into);
    QListWidget* addList(const char* name, const QString& title, QBoxLayout* into);
    void showMine();
    void showRow(int row, const QString& name);
    void fillTallied();
    void tickInChecklist(const QString& name, bool on);
    void ask(const QString& text, std::function<void(bool yes)> answer);
    void changed();

    tally::Tally scores_;
    std::optional<tally::TallyFile> file_;
    std::uint64_t savedRevision_ = 0;
    QListWidget* checklist_ = nullptr;
    QListWidget* listbox_tally_ = nullptr;
    std::array<QLabel*, 4> mylabels_{};
    std::array<QLabel*, 8> labels_{};
    QLabel* label_hisname_ = nullptr;
    QLabel* label_hisnametop_ = nullptr;
    QPointer<QMessageBox> question_;
};

}  // namespace velmora::windows

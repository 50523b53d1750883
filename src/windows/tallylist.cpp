#include "windows/tallylist.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include "net/logging.h"

namespace velmora::windows {

namespace {

const QString kTotals = QStringLiteral("QGroupBox { color: rgb(243,231,205); font: bold 13px 'DejaVu Sans'; }");
// Made when shown, so that they are in the player's language.
QString hisWinsDefault() { return Ttallylist::tr("Wins:"); }
QString hisTallyDefault() { return Ttallylist::tr("Player's Tally"); }

QLabel* text(const QString& caption, QWidget* parent, const char* name = nullptr) {
    QLabel* label = feltText(caption, parent);
    label->setWordWrap(false);
    if (name) label->setObjectName(QString::fromLatin1(name));
    return label;
}

std::string bytes(const QString& s) { return s.toStdString(); }
QString shown(const std::string& s) { return QString::fromStdString(s); }

QListWidgetItem* ticked(const QString& name) {
    auto* item = new QListWidgetItem(name);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Checked);
    return item;
}

}  // namespace

// Only the window: its lists and labels are made when it is first shown or
// asked for, so start-up reads the stored tally without building them.
Ttallylist::Ttallylist(QWidget* parent) : SideWindow("Ttallylist", tr("Velmora - Tally List"), parent) {
    resize(470, 340);
}

void Ttallylist::ensureBuilt() {
    if (checklist_) return;
    auto* columns = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    buildTotals(right);
    buildRecord(right);
    checklist_ = addList("checklist", tr("Players In Current Game"), left);
    listbox_tally_ = addList("listbox_tally", tr("Players Being Tallied"), left);
    connect(checklist_, &QListWidget::itemChanged, this, &Ttallylist::checklistClickCheck);
    connect(listbox_tally_, &QListWidget::itemChanged, this, &Ttallylist::listbox_tallyClickCheck);
    connect(listbox_tally_, &QListWidget::currentRowChanged, this, &Ttallylist::listbox_tallyClick);

    auto* buttons = new QHBoxLayout;
    auto* reset = new QPushButton(tr("Reset Tally"), this);
    reset->setObjectName(QStringLiteral("button_reset"));
    connect(reset, &QPushButton::clicked, this, &Ttallylist::button_resetClick);
    auto* done = new QPushButton(tr("Done"), this);
    done->setObjectName(QStringLiteral("button_done"));
    done->setDefault(true);
    connect(done, &QPushButton::clicked, this, &Ttallylist::button_doneClick);
    buttons->addWidget(reset);
    buttons->addStretch();
    buttons->addWidget(done);
    right->addStretch();
    right->addLayout(buttons);
    showMine();
    fillTallied();
}

void Ttallylist::setVisible(bool visible) {
    if (visible) ensureBuilt();
    SideWindow::setVisible(visible);
}

Ttallylist::~Ttallylist() { FormDestroy(); }

void Ttallylist::buildTotals(QBoxLayout* into) {
    auto* panel = new QGroupBox(tr("Your Total Tally"), this);
    panel->setStyleSheet(kTotals);
    auto* grid = new QGridLayout(panel);
    const QString captions[] = {tr("Total Games:"), tr("Your Wins"), QStringLiteral("Var3:"), QStringLiteral("Var4:")};
    for (int i = 0; i < 4; ++i) {
        QLabel* caption = text(captions[i], panel);
        const QByteArray name = "mylabel_" + QByteArray::number(i + 1);
        mylabels_[static_cast<std::size_t>(i)] = text(QStringLiteral("0"), panel, name.constData());
        grid->addWidget(caption, i, 0);
        grid->addWidget(mylabels_[static_cast<std::size_t>(i)], i, 1);
        // Columns 3 and 4 exist in the file but are never counted.
        caption->setVisible(i < 2);
        mylabels_[static_cast<std::size_t>(i)]->setVisible(i < 2);
    }
    into->addWidget(panel);
}

void Ttallylist::buildRecord(QBoxLayout* into) {
    label_hisnametop_ = feltHeading(hisTallyDefault(), this);
    label_hisnametop_->setObjectName(QStringLiteral("label_hisnametop"));
    into->addWidget(label_hisnametop_);
    auto* grid = new QGridLayout;
    grid->addWidget(text(tr("Total"), this, nullptr), 0, 1);
    grid->addWidget(text(tr("Session"), this, nullptr), 0, 2);
    label_hisname_ = text(hisWinsDefault(), this, "label_hisname");
    QLabel* const rows[] = {text(tr("Number of Games"), this), label_hisname_,
                            text(tr("Your Wins:"), this), text(tr("Neither Won:"), this)};
    for (int r = 0; r < 4; ++r) {
        grid->addWidget(rows[r], r + 1, 0);
        for (int half = 0; half < 2; ++half) {
            const int n = r + 1 + half * 4;
            const QByteArray name = "label_" + QByteArray::number(n);
            labels_[static_cast<std::size_t>(n - 1)] = text(QStringLiteral("0"), this, name.constData());
            grid->addWidget(labels_[static_cast<std::size_t>(n - 1)], r + 1, half + 1);
        }
    }
    into->addLayout(grid);
}

QListWidget* Ttallylist::addList(const char* name, const QString& title, QBoxLayout* into) {
    into->addWidget(text(title, this, nullptr));
    auto* list = new QListWidget(this);
    list->setObjectName(QString::fromLatin1(name));
    into->addWidget(list);
    return list;
}

void Ttallylist::FormCreate(const QString& path) {
    file_.emplace(bytes(path));
    file_->report = [](const std::string& line) { qCWarning(net::lcTally).noquote() << QString::fromStdString(line); };
    auto loaded = file_->load();
    scores_ = std::move(loaded.tally);
    const std::string stored = scores_.text();
    loadtally();
    savedRevision_ = scores_.revision();
    // A first run, or a new session's cleared columns, are changes to keep
    // now rather than at the next game. A damaged file waits for the player.
    if (loaded.problem.empty()) {
        if (!file_->path().empty() && (!loaded.found || scores_.text() != stored)) save();
        return;
    }
    const QString notice =
        tr("Your tally could not be read completely:\n%1\n\nWhat could be read is kept. The damaged "
           "file will be kept as %2 when the tally is next saved.")
            .arg(shown(loaded.problem), shown(file_->damagedPath()));
    // After the main window is on screen, and without waiting for an answer.
    QTimer::singleShot(0, this, [this, notice] {
        auto* box = new QMessageBox(QMessageBox::Warning, windowTitle(), notice, QMessageBox::Ok,
                                    parentWidget() ? parentWidget() : this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        // A notice only: it never holds the main window (or its closing) up.
        box->setWindowModality(Qt::NonModal);
        question_ = box;
        box->show();
    });
}

void Ttallylist::FormDestroy() {
    // At exit the main window may be gone: standard error only.
    disconnect(this, &Ttallylist::saveFailed, nullptr, nullptr);
    if (file_ && scores_.revision() != savedRevision_) save();
}

bool Ttallylist::save() {
    if (!file_) return false;
    if (file_->save(scores_)) {
        savedRevision_ = scores_.revision();
        return true;
    }
    emit saveFailed(shown(file_->lastError()));
    return false;
}

void Ttallylist::changed() { save(); }

void Ttallylist::loadtally() {
    scores_.newSession();
    if (!checklist_) return;  // shown from the tally when the window is made
    showMine();
    fillTallied();
}

void Ttallylist::showMine() {
    for (int c = 1; c <= 4; ++c) mylabel(c)->setText(shown(scores_.cell(c, 0)));
}

void Ttallylist::fillTallied() {
    const QSignalBlocker quiet(listbox_tally_);
    listbox_tally_->clear();
    for (const std::string& name : scores_.names()) listbox_tally_->addItem(ticked(shown(name)));
    showRow(0, QString());
}

void Ttallylist::loadchecklist(const QStringList& names) {
    ensureBuilt();
    const QSignalBlocker quiet(checklist_);
    checklist_->clear();
    for (const QString& name : names) {
        QListWidgetItem* item = ticked(name);
        item->setCheckState(scores_.rowOf(bytes(name)) ? Qt::Checked : Qt::Unchecked);
        checklist_->addItem(item);
    }
}

void Ttallylist::addtomineincrease(int column) {
    ensureBuilt();
    scores_.addtomineincrease(column);
    showMine();
}

void Ttallylist::addgame(const QString& winner) {
    ensureBuilt();
    std::vector<std::string> atTable;
    for (int i = 0; i < checklist_->count(); ++i) atTable.push_back(bytes(checklist_->item(i)->text()));
    scores_.addgame(bytes(winner), atTable);
    showMine();
    listbox_tallyClick();
    changed();
}

void Ttallylist::moverow(int row) {
    ensureBuilt();
    const QString name = shown(scores_.cell(0, row));
    scores_.moverow(row);
    {
        const QSignalBlocker quiet(listbox_tally_);
        delete listbox_tally_->takeItem(row - 1);
    }
    tickInChecklist(name, false);
    listbox_tallyClick();
}

void Ttallylist::tickInChecklist(const QString& name, bool on) {
    const QSignalBlocker quiet(checklist_);
    for (QListWidgetItem* item : checklist_->findItems(name, Qt::MatchExactly))
        item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

void Ttallylist::checklistClickCheck(QListWidgetItem* item) {
    ensureBuilt();
    const QString name = item->text();
    // A tick here means "followed"; clearing it removes nothing.
    tickInChecklist(name, true);
    if (!scores_.addName(bytes(name))) return;
    {
        const QSignalBlocker quiet(listbox_tally_);
        listbox_tally_->addItem(ticked(name));
    }
    changed();
}

void Ttallylist::listbox_tallyClickCheck(QListWidgetItem* item) {
    ensureBuilt();
    if (item->checkState() == Qt::Checked) return;
    // Asked by name: the list may change while the box is open.
    const QString name = item->text();
    ask(tr("This will delete %1's Tally, Are you want to delete it?").arg(name),
        [this, name](bool yes) {
            const int row = scores_.rowOf(bytes(name));
            if (row == 0) return;
            if (!yes) {
                const QSignalBlocker quiet(listbox_tally_);
                listbox_tally_->item(row - 1)->setCheckState(Qt::Checked);
                return;
            }
            moverow(row);
            changed();
        });
}

void Ttallylist::listbox_tallyClick() {
    ensureBuilt();
    const int index = listbox_tally_->currentRow();
    if (index < 0 || index + 1 >= scores_.rowCount()) {
        showRow(0, QString());
        return;
    }
    showRow(index + 1, shown(scores_.cell(0, index + 1)));
}

// Row 0 stands for "nobody selected": zeros and the plain captions.
void Ttallylist::showRow(int row, const QString& name) {
    for (int c = 1; c <= 8; ++c) label(c)->setText(row ? shown(scores_.cell(c, row)) : QStringLiteral("0"));
    label_hisname_->setText(row ? tr("%1 Wins:").arg(name) : hisWinsDefault());
    label_hisnametop_->setText(row ? tr("%1's Tally").arg(name) : hisTallyDefault());
}

void Ttallylist::button_resetClick() {
    ensureBuilt();
    ask(tr("Are you sure you want to reset the Tally?"), [this](bool yes) {
        if (!yes) return;
        scores_.reset();
        showMine();
        fillTallied();
        const QSignalBlocker quiet(checklist_);
        for (int i = 0; i < checklist_->count(); ++i) checklist_->item(i)->setCheckState(Qt::Unchecked);
        changed();
    });
}

void Ttallylist::ask(const QString& question, std::function<void(bool yes)> answer) {
    auto* box = new QMessageBox(QMessageBox::Question, QStringLiteral("Velmora"), question,
                                QMessageBox::Yes | QMessageBox::No, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [box, answer = std::move(answer)] {
        answer(box->standardButton(box->clickedButton()) == QMessageBox::Yes);
    });
    question_ = box;
    box->open();
}

}  // namespace velmora::windows

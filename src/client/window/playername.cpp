#include "client/window/playername.h"

#include <pwd.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace velmora::client {

namespace {
// Names travel inside the game's messages: printable characters only.
QString printable(QString text, int max) {
    text.removeIf([](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; });
    return text.trimmed().left(max).trimmed();
}
}  // namespace

QString accountName(int max) {
    const passwd* pw = ::getpwuid(::getuid());
    if (!pw) return printable(qEnvironmentVariable("USER"), max);
    // The full name is the first comma-separated field of the comment.
    const QString full = printable(QString::fromLocal8Bit(pw->pw_gecos ? pw->pw_gecos : "").section(QLatin1Char(','), 0, 0), max);
    return full.isEmpty() ? printable(QString::fromLocal8Bit(pw->pw_name), max) : full;
}

void askPlayerName(QWidget* parent, const QString& offered, int max, std::function<void(const QString&)> done) {
    auto* dialog = new QInputDialog(parent);
    dialog->setObjectName(QStringLiteral("dialog_playername"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(QStringLiteral("Velmora"));
    dialog->setLabelText(QCoreApplication::translate("PlayerName", "Your name at the table:"));
    dialog->setTextValue(offered);
    if (auto* edit = dialog->findChild<QLineEdit*>()) {
        edit->setMaxLength(max);
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^\\x00-\\x1f\\x7f]*")), edit));
    }
    QObject::connect(dialog, &QDialog::finished, dialog, [dialog, offered, max, done = std::move(done)](int result) {
        const QString given = result == QDialog::Accepted ? printable(dialog->textValue(), max) : QString();
        const QString name = given.isEmpty() ? offered : given;
        done(name.isEmpty() ? QCoreApplication::translate("PlayerName", "Player") : name);
    });
    dialog->open();
}

}  // namespace velmora::client

// Writes the pseudo-language: reads a .ts file and gives every message a
// translation about 40 % longer than its source, its letters accented, so a
// text that would be clipped in a longer language shows up in English-speaking
// hands too. Placeholders (%1), markup (<b>, &amp;), mnemonics and line
// breaks are kept as they are.
#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cstdio>

namespace {

QString accented(QChar c) {
    static const QHash<QChar, QChar> map = [] {
        QHash<QChar, QChar> m;
        const QString plain = QStringLiteral("aeiouAEIOUcnyCNYsS");
        const QString fancy = QStringLiteral("áéîõüÅÉÎÕÜçñýÇÑÝšŠ");
        for (int i = 0; i < plain.size(); ++i) m.insert(plain[i], fancy[i]);
        return m;
    }();
    return QString(map.value(c, c));
}

// The source with letters accented outside markup, entities and
// placeholders, then padded by 40 % of its visible letters.
QString pseudo(const QString& source) {
    QString out;
    int visible = 0;
    for (int i = 0; i < source.size(); ++i) {
        const QChar c = source[i];
        // Markup is written in lower case (<p>, </b>); "<Cancel>" is a text.
        const QChar next = i + 1 < source.size() ? source[i + 1] : QChar();
        const bool tag = c == QLatin1Char('<') && (next.isLower() || next == QLatin1Char('/'));
        if (tag || c == QLatin1Char('&')) {
            // A tag or an entity passes whole; a lone '&' is a mnemonic.
            const QChar end = tag ? QLatin1Char('>') : QLatin1Char(';');
            const int close = source.indexOf(end, i);
            const bool whole = tag || (close > i && close - i < 8 && !source.mid(i, close - i).contains(QLatin1Char(' ')));
            if (close > i && whole) {
                out += source.mid(i, close - i + 1);
                i = close;
                continue;
            }
            out += c;
        } else if (c == QLatin1Char('%') && i + 1 < source.size() && source[i + 1].isDigit()) {
            out += source.mid(i, 2);
            ++i;
        } else {
            out += accented(c);
            if (c.isLetterOrNumber()) ++visible;
        }
    }
    if (visible == 0) return out;
    const QString pad = QString(QChar(0x0101)).repeated((visible * 2 + 4) / 5);
    // Rich text keeps its padding inside the document.
    const int endTag = out.lastIndexOf(QLatin1String("</"));
    if (out.startsWith(QLatin1Char('<')) && endTag > 0) return out.insert(endTag, QLatin1Char(' ') + pad);
    return out + QLatin1Char(' ') + pad;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: velmora-pseudo IN.ts OUT.ts\n");
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    QSaveFile out(QString::fromLocal8Bit(argv[2]));
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly)) return 1;
    QXmlStreamReader r(&in);
    QXmlStreamWriter w(&out);
    w.setAutoFormatting(true);
    w.writeStartDocument();
    w.writeStartElement(QStringLiteral("TS"));
    w.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    w.writeAttribute(QStringLiteral("language"), QStringLiteral("en_US"));
    while (!r.atEnd()) {
        r.readNext();
        const auto name = r.name();
        if (r.isEndElement() && name == QLatin1String("context")) w.writeEndElement();
        if (!r.isStartElement() || name == QLatin1String("TS") || name == QLatin1String("message")) continue;
        if (name == QLatin1String("context")) {
            w.writeStartElement(QStringLiteral("context"));
        } else if (name == QLatin1String("name")) {
            w.writeTextElement(QStringLiteral("name"), r.readElementText());
        } else if (name == QLatin1String("source")) {
            const QString source = r.readElementText();
            w.writeStartElement(QStringLiteral("message"));
            w.writeTextElement(QStringLiteral("source"), source);
            w.writeTextElement(QStringLiteral("translation"), pseudo(source));
            w.writeEndElement();
        } else {
            r.skipCurrentElement();  // the translation, locations, comments
        }
    }
    w.writeEndDocument();
    if (r.hasError()) {
        std::fprintf(stderr, "velmora-pseudo: %s\n", qPrintable(r.errorString()));
        return 1;
    }
    return out.commit() ? 0 : 1;
}

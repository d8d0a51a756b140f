#pragma once

#include <QFile>
#include <QSet>
#include <QString>
#include <QTranslator>
#include <QXmlStreamReader>

namespace kelvane {

// The source texts of a Qt Linguist file.
inline QSet<QString> LinguistSources(const QString& path) {
    QSet<QString> sources;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return sources;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"source")
            sources.insert(xml.readElementText());
    }
    return sources;
}

// A made-up language for finding what escapes translation: every source text
// of the Linguist files comes back bracketed, its letters accented and 40%
// longer, keeping its '&' marks, placeholders and line breaks. A text shown
// without brackets was never translated.
class PseudoTranslator : public QTranslator {
  public:
    explicit PseudoTranslator(QSet<QString> sources) : sources_(std::move(sources)) {}

    static QString Pseudo(const QString& text) {
        static const QString plain = "aeiouyncAEIOUYNC", accented = "áéíóúýñçÁÉÍÓÚÝÑÇ";
        QString out = "[";
        for (qsizetype i = 0; i < text.size(); ++i) {
            const qsizetype at = plain.indexOf(text[i]);
            out += at < 0 ? text[i] : accented[at];
            if (text[i] == '%' && i + 1 < text.size() && text[i + 1].isDigit())
                out += text[++i];
        }
        return out + QString(text.size() * 2 / 5, QChar(0x00B7)) + "]";
    }

    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        const QString text = QString::fromUtf8(source);
        return sources_.contains(text) ? Pseudo(text) : QString();
    }

  private:
    QSet<QString> sources_;
};

} // namespace kelvane

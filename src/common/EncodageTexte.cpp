#include "common/EncodageTexte.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <array>
#include <optional>

namespace {

// Code points of bytes 0x80 to 0x9F; the five unassigned bytes keep their own value, as Windows does.
constexpr std::array<char16_t, 32> Cp1252Haut{0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                              0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                              0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                              0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int octetCp1252(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (std::size_t i = 0; i < Cp1252Haut.size(); ++i) {
        if (Cp1252Haut[i] == u)
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

QString decoderCp1252(const QByteArray &octets)
{
    QString texte(octets.size(), Qt::Uninitialized);
    QChar *sortie = texte.data();
    for (qsizetype i = 0; i < octets.size(); ++i) {
        const auto b = static_cast<unsigned char>(octets[i]);
        sortie[i] = (b >= 0x80 && b < 0xA0) ? QChar(Cp1252Haut[b - 0x80]) : QChar(b);
    }
    return texte;
}

// The caller has taken off the file's one byte-order mark; a second one is text, kept as a character
// so that the text is written back as it was read.
constexpr auto SansMarque = QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

QString decoderUtf16(const QByteArray &octets, bool petitBout)
{
    QStringDecoder decodeur(petitBout ? QStringConverter::Utf16LE : QStringConverter::Utf16BE, SansMarque);
    return decodeur.decode(octets.mid(2));
}

// Text holds no NUL: UTF-16 written without its mark shows them as the high bytes of its Latin letters,
// all on one side of each pair. Returns the byte order so recognised, or nothing.
std::optional<bool> utf16SansMarque(const QByteArray &octets)
{
    if (octets.size() < 2 || octets.size() % 2 != 0)
        return std::nullopt;
    bool nulPair = false, nulImpair = false;
    for (qsizetype i = 0; i < octets.size(); ++i) {
        if (octets[i] == '\0')
            (i % 2 == 0 ? nulPair : nulImpair) = true;
    }
    if (nulPair == nulImpair)
        return std::nullopt;
    return nulImpair;
}

} // namespace

TexteDecode DecoderTexte(const QByteArray &octets)
{
    if (octets.startsWith("\xFF\xFE"))
        return {decoderUtf16(octets, true), Encodage::Utf16LE};
    if (octets.startsWith("\xFE\xFF"))
        return {decoderUtf16(octets, false), Encodage::Utf16BE};
    if (const std::optional<bool> petitBout = utf16SansMarque(octets)) {
        QStringDecoder decodeur(*petitBout ? QStringConverter::Utf16LE : QStringConverter::Utf16BE, SansMarque);
        return {decodeur.decode(octets), *petitBout ? Encodage::Utf16LE : Encodage::Utf16BE};
    }
    const bool marqueUtf8 = octets.startsWith("\xEF\xBB\xBF");
    QStringDecoder utf8(QStringConverter::Utf8, SansMarque);
    QString texte = utf8.decode(marqueUtf8 ? octets.mid(3) : octets);
    if (marqueUtf8 || !utf8.hasError())
        return {texte, Encodage::Utf8};
    return {decoderCp1252(octets), Encodage::Windows1252};
}

bool TientEnWindows1252(const QString &texte)
{
    for (const QChar c : texte) {
        if (octetCp1252(c.unicode()) < 0)
            return false;
    }
    return true;
}

QByteArray EncoderTexte(const QString &texte, Encodage encodage)
{
    switch (encodage) {
    case Encodage::Utf8: return texte.toUtf8();
    case Encodage::Utf16LE:
    case Encodage::Utf16BE: {
        const bool petitBout = encodage == Encodage::Utf16LE;
        QStringEncoder encodeur(petitBout ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        QByteArray octets = petitBout ? QByteArray("\xFF\xFE", 2) : QByteArray("\xFE\xFF", 2);
        octets += QByteArray(encodeur.encode(texte));
        return octets;
    }
    case Encodage::Windows1252: break;
    }
    QByteArray octets(texte.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const int b = octetCp1252(texte[i].unicode());
        octets[i] = static_cast<char>(b < 0 ? '?' : b);
    }
    return octets;
}

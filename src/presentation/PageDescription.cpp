#include "presentation/PageDescription.h"

#include "common/EncodageTexte.h"
#include "common/TrouverChemin.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

namespace {

// Where a page declares its charset, if it does, in lower case.
QByteArray charsetDeclare(const QByteArray &octets)
{
    static const QRegularExpression motif(QStringLiteral("<meta[^>]*charset\\s*=\\s*[\"']?\\s*([a-z0-9_.:-]+)"),
                                          QRegularExpression::CaseInsensitiveOption);
    const QString entete = QString::fromLatin1(octets.left(2048));
    const QRegularExpressionMatch trouve = motif.match(entete);
    return trouve.hasMatch() ? trouve.captured(1).toLower().toLatin1() : QByteArray();
}

bool decodeParLesOctets(const QByteArray &charset)
{
    static const QList<QByteArray> occidentaux{"utf-8",       "utf8",         "iso-8859-1", "iso8859-1", "latin1",
                                               "iso-8859-15", "windows-1252", "cp1252",     "us-ascii",  "ascii"};
    return charset.isEmpty() || occidentaux.contains(charset);
}

bool marqueOrdreOctets(const QByteArray &octets)
{
    return octets.startsWith("\xEF\xBB\xBF") || octets.startsWith("\xFF\xFE") || octets.startsWith("\xFE\xFF");
}

} // namespace

QString DecoderPageHtml(const QByteArray &octets)
{
    const QByteArray charset = charsetDeclare(octets);
    if (!marqueOrdreOctets(octets) && !decodeParLesOctets(charset)) {
        QStringDecoder decodeur(charset.constData());
        if (decodeur.isValid())
            return decodeur.decode(octets);
    }
    return DecoderTexte(octets).texte;
}

std::optional<QString> CheminDansDossier(const QString &dossier, const QUrl &adresse)
{
    const QUrl complete = adresse.isRelative() ? QUrl::fromLocalFile(dossier).resolved(adresse) : adresse;
    if (!complete.isLocalFile())
        return std::nullopt;
    // Pages written on Windows may separate folders with backslashes.
    const QFileInfo fichier(TrouverChemin(complete.toLocalFile().replace(u'\\', u'/')));
    const QString racine = QFileInfo(dossier).canonicalFilePath();
    const QString chemin = fichier.canonicalFilePath();
    if (racine.isEmpty() || chemin.isEmpty() || !fichier.isFile() || !chemin.startsWith(racine + u'/'))
        return std::nullopt;
    return chemin;
}

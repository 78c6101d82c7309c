#include "common/FichierIni.h"

#include "common/Entier.h"
#include "common/FPfichier.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// A file larger than this is no INI file a teacher wrote; it reads as empty.
constexpr qint64 TailleMaxIni = 64 * 1024 * 1024;

QString sansGuillemets(const QString &valeur)
{
    if (valeur.size() >= 2) {
        const QChar premier = valeur.front();
        if ((premier == u'"' || premier == u'\'') && valeur.back() == premier)
            return valeur.mid(1, valeur.size() - 2);
    }
    return valeur;
}

// Section name of a header line, or nothing when the line is not a header.
std::optional<QString> nomSection(const QString &ligne)
{
    const QString l = ligne.trimmed();
    if (!l.startsWith(u'['))
        return std::nullopt;
    const qsizetype fin = l.indexOf(u']');
    return (fin < 0 ? l.mid(1) : l.mid(1, fin - 1)).trimmed();
}

// A carriage return alone ends a line too, so that no value holds one: it could not be written back.
// Cut by hand: a regular expression gives up on text that is not valid UTF-16 (a lone surrogate).
QStringList Lignes(const QString &texte)
{
    QStringList lignes;
    qsizetype debut = 0;
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const QChar c = texte[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lignes << texte.mid(debut, i - debut);
        if (c == u'\r' && i + 1 < texte.size() && texte[i + 1] == u'\n')
            ++i;
        debut = i + 1;
    }
    lignes << texte.mid(debut);
    return lignes;
}

QString ligneEntree(const QString &cle, const QString &valeur)
{
    QString propre = valeur;
    propre.replace(u'\r', u' ').replace(u'\n', u' ');
    return cle + u'=' + propre;
}

} // namespace

FichierIni::FichierIni(const QString &chemin) : chemin_(chemin)
{
    QFile fichier(chemin);
    const QFileInfo info(chemin);
    if (!info.isFile() || info.size() > TailleMaxIni || !fichier.open(QIODevice::ReadOnly)) {
        illisible_ = info.exists();
        return;
    }
    existe_ = true;
    lignes_ = Lignes(DecoderTexte(fichier.readAll()).texte);
    if (!lignes_.isEmpty() && lignes_.back().isEmpty())
        lignes_.removeLast();
    indexer();
}

void FichierIni::indexer()
{
    sections_.clear();
    Section *courante = nullptr;
    for (qsizetype i = 0; i < lignes_.size(); ++i) {
        const QString &ligne = lignes_[i];
        if (const auto nom = nomSection(ligne)) {
            const QString clef = nom->toLower();
            // A second section of the same name is not looked at, as by the desktop's profile functions.
            courante = sections_.count(clef) ? nullptr : &sections_[clef];
            if (courante)
                *courante = Section{i, i, {}};
            continue;
        }
        if (!courante)
            continue;
        const qsizetype egal = ligne.indexOf(u'=');
        if (egal < 0)
            continue;
        const QString cle = ligne.left(egal).trimmed().toLower();
        if (!courante->entrees.contains(cle))
            courante->entrees.insert(cle, i);
        courante->derniereLigne = i;
    }
}

bool FichierIni::sectionExiste(const QString &section) const
{
    return sections_.count(section.trimmed().toLower()) > 0;
}

qsizetype FichierIni::ligne(const QString &section, const QString &cle) const
{
    const auto s = sections_.find(section.trimmed().toLower());
    if (s == sections_.end())
        return 0;
    if (cle.isEmpty())
        return s->second.ligneEntete + 1;
    const auto e = s->second.entrees.constFind(cle.trimmed().toLower());
    return e == s->second.entrees.cend() ? 0 : *e + 1;
}

std::optional<QString> FichierIni::valeurBrute(const QString &section, const QString &cle) const
{
    const auto s = sections_.find(section.trimmed().toLower());
    if (s == sections_.end())
        return std::nullopt;
    const auto e = s->second.entrees.constFind(cle.trimmed().toLower());
    if (e == s->second.entrees.cend())
        return std::nullopt;
    const QString &ligne = lignes_[*e];
    return sansGuillemets(ligne.mid(ligne.indexOf(u'=') + 1).trimmed());
}

QString FichierIni::lireTexte(const QString &section, const QString &cle, const QString &defaut) const
{
    return valeurBrute(section, cle).value_or(defaut).left(LongueurMaxTexte);
}

std::int32_t FichierIni::lireEntier(const QString &section, const QString &cle, std::int32_t defaut) const
{
    const auto valeur = valeurBrute(section, cle);
    if (!valeur)
        return defaut;
    return LireEntierTexte(*valeur).value_or(defaut);
}

FichierIni::Compte FichierIni::lireCompte(const QString &section, const QString &cle, std::int32_t defaut) const
{
    const auto valeur = valeurBrute(section, cle);
    if (!valeur || valeur->isEmpty())
        return {defaut, QString::number(defaut), true};
    if (const auto entier = LireEntierTexte(*valeur))
        return {*entier, QString::number(*entier), true};
    return {defaut, valeur->left(LongueurMaxTexte), false};
}

bool FichierIni::lireDrapeau(const QString &section, const QString &cle, bool defaut) const
{
    return lireEntier(section, cle, defaut ? 1 : 0) != 0;
}

ConversionCouleur FichierIni::lireCouleur(const QString &section, const QString &cle, const QString &defaut) const
{
    return TexteVersCouleur(lireTexte(section, cle, defaut));
}

void FichierIni::ecrireTexte(const QString &section, const QString &cle, const QString &valeur)
{
    const auto s = sections_.find(section.trimmed().toLower());
    if (s == sections_.end()) {
        lignes_.append(u'[' + section + u']');
        lignes_.append(ligneEntree(cle, valeur));
    } else if (const auto e = s->second.entrees.constFind(cle.trimmed().toLower()); e != s->second.entrees.cend()) {
        const QString &ancienne = lignes_[*e];
        lignes_[*e] = ligneEntree(ancienne.left(ancienne.indexOf(u'=')).trimmed(), valeur);
        return; // the index is unchanged
    } else {
        lignes_.insert(s->second.derniereLigne + 1, ligneEntree(cle, valeur));
    }
    indexer();
}

void FichierIni::ecrireEntier(const QString &section, const QString &cle, std::int32_t valeur)
{
    ecrireTexte(section, cle, QString::number(valeur));
}

void FichierIni::ecrireDrapeau(const QString &section, const QString &cle, bool valeur)
{
    ecrireTexte(section, cle, valeur ? QStringLiteral("1") : QStringLiteral("0"));
}

std::optional<QString> FichierIni::enregistrer() const
{
    QString texte;
    for (const QString &ligne : lignes_)
        texte += ligne + QStringLiteral("\r\n");
    QByteArray octets = EncoderTexte(texte, Encodage::Windows1252);
    // 8-bit text that happens to be valid UTF-8 as well ("Ã©") would read back otherwise.
    if (!TientEnWindows1252(texte) || DecoderTexte(octets).texte != texte)
        octets = EncoderTexte(texte, Encodage::Utf16LE);
    if (auto refus = RefusCibleNonFichier(chemin_))
        return refus;
    QSaveFile fichier(chemin_);
    // Unbuffered, so that a short write (full disk, file size limit) is seen here: through the buffer
    // it is lost and commit() would put the truncated file in place of the old one.
    if (!fichier.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fichier.errorString();
    if (fichier.write(octets) != octets.size() || !fichier.commit())
        return fichier.errorString();
    return std::nullopt;
}

#include "support/ArbreMecanismes.h"

#include "common/DossierProgramme.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QtTest>

namespace {
std::optional<QByteArray> lireVariable(const char *nom)
{
    return qEnvironmentVariableIsSet(nom) ? std::optional(qgetenv(nom)) : std::nullopt;
}

void remettreVariable(const char *nom, const std::optional<QByteArray> &valeur)
{
    if (valeur)
        qputenv(nom, *valeur);
    else
        qunsetenv(nom);
}
} // namespace

ArbreMecanismes::ArbreMecanismes()
    : ancienUtilisateur_(lireVariable("XDG_DATA_HOME")), ancienSysteme_(lireVariable("XDG_DATA_DIRS"))
{
    QVERIFY2(temporaire_.isValid() && donnees_.isValid(), "temporary folder");
    definirDossier(temporaire_.path() + u'/');
    DefinirDossierProgramme(dossier());
    utilisateur_ = RacineMecanismes(donneesUtilisateur() + QStringLiteral("/velkora/mecanismes/"));
    systeme1_ = RacineMecanismes(donneesSysteme()[0] + QStringLiteral("/velkora/mecanismes/"));
    systeme2_ = RacineMecanismes(donneesSysteme()[1] + QStringLiteral("/velkora/mecanismes/"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(donneesUtilisateur()));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(donneesSysteme().join(u':')));
}

ArbreMecanismes::~ArbreMecanismes()
{
    DefinirDossierProgramme(QString());
    remettreVariable("XDG_DATA_HOME", ancienUtilisateur_);
    remettreVariable("XDG_DATA_DIRS", ancienSysteme_);
}

QString ArbreMecanismes::donneesUtilisateur() const { return donnees_.path() + QStringLiteral("/utilisateur"); }

QStringList ArbreMecanismes::donneesSysteme() const
{
    return {donnees_.path() + QStringLiteral("/salle"), donnees_.path() + QStringLiteral("/reseau")};
}

QString RacineMecanismes::chemin(const QString &relatif) const { return dossier() + relatif; }

QString RacineMecanismes::ecrireOctets(const QString &relatif, const QByteArray &octets) const
{
    const QString complet = chemin(relatif);
    QDir().mkpath(QFileInfo(complet).absolutePath());
    QFile fichier(complet);
    if (!fichier.open(QIODevice::WriteOnly) || fichier.write(octets) != octets.size())
        qFatal("cannot write test file %s", qPrintable(complet));
    return complet;
}

QString RacineMecanismes::ecrireTexte(const QString &relatif, const QString &texte, Encodage encodage) const
{
    return ecrireOctets(relatif, EncoderTexte(texte, encodage));
}

QString RacineMecanismes::ecrireDescripteur(const QString &radical, const DescripteurTest &d) const
{
    QString texte = QStringLiteral("[EXERCICE]\r\nNom=%1\r\n").arg(d.nom.isEmpty() ? radical : d.nom);
    for (int n = 0; n < 5; ++n)
        texte += QStringLiteral("Exo%1=%2\r\n").arg(n + 1).arg(d.exercices[static_cast<std::size_t>(n)]);
    texte += QStringLiteral("Validite=%1\r\n").arg(d.validite);
    if (d.difficulte)
        texte += QStringLiteral("[MENU]\r\nDifficulte=%1\r\n").arg(*d.difficulte);
    return ecrireTexte(radical + QStringLiteral(".sch"), texte, Encodage::Windows1252);
}

QString RacineMecanismes::ecrireBmp(const QString &relatif, const QImage &image) const
{
    const QString complet = chemin(relatif);
    QDir().mkpath(QFileInfo(complet).absolutePath());
    if (!image.convertToFormat(QImage::Format_RGB888).save(complet, "BMP"))
        qFatal("cannot write test bitmap %s", qPrintable(complet));
    return complet;
}

void TronquerFichier(const QString &chemin)
{
    QFile fichier(chemin);
    if (!fichier.resize(fichier.size() / 3))
        qFatal("%s ne peut pas être raccourci", qPrintable(chemin));
}

QImage ImageUnie(int largeur, int hauteur, const QColor &couleur)
{
    QImage image(largeur, hauteur, QImage::Format_RGB888);
    image.fill(couleur);
    return image;
}

QImage ImageAvecRectangle(int largeur, int hauteur, const QColor &fond, const QRect &rectangle, const QColor &couleur)
{
    QImage image = ImageUnie(largeur, hauteur, fond);
    QPainter peintre(&image);
    peintre.fillRect(rectangle, couleur);
    return image;
}

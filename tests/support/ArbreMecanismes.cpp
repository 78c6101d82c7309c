#include "support/ArbreMecanismes.h"

#include "common/DossierProgramme.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QtTest>

ArbreMecanismes::ArbreMecanismes()
{
    QVERIFY2(temporaire_.isValid(), "temporary folder");
    DefinirDossierProgramme(dossier());
}

ArbreMecanismes::~ArbreMecanismes() { DefinirDossierProgramme(QString()); }

QString ArbreMecanismes::dossier() const { return temporaire_.path() + u'/'; }

QString ArbreMecanismes::chemin(const QString &relatif) const { return dossier() + relatif; }

QString ArbreMecanismes::ecrireOctets(const QString &relatif, const QByteArray &octets) const
{
    const QString complet = chemin(relatif);
    QDir().mkpath(QFileInfo(complet).absolutePath());
    QFile fichier(complet);
    if (!fichier.open(QIODevice::WriteOnly) || fichier.write(octets) != octets.size())
        qFatal("cannot write test file %s", qPrintable(complet));
    return complet;
}

QString ArbreMecanismes::ecrireTexte(const QString &relatif, const QString &texte, Encodage encodage) const
{
    return ecrireOctets(relatif, EncoderTexte(texte, encodage));
}

QString ArbreMecanismes::ecrireDescripteur(const QString &radical, const DescripteurTest &d) const
{
    QString texte = QStringLiteral("[EXERCICE]\r\nNom=%1\r\n").arg(d.nom.isEmpty() ? radical : d.nom);
    for (int n = 0; n < 5; ++n)
        texte += QStringLiteral("Exo%1=%2\r\n").arg(n + 1).arg(d.exercices[static_cast<std::size_t>(n)]);
    texte += QStringLiteral("Validite=%1\r\n").arg(d.validite);
    if (d.difficulte)
        texte += QStringLiteral("[MENU]\r\nDifficulte=%1\r\n").arg(*d.difficulte);
    return ecrireTexte(radical + QStringLiteral(".sch"), texte, Encodage::Windows1252);
}

QString ArbreMecanismes::ecrireBmp(const QString &relatif, const QImage &image) const
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

#include "MecanismeSchema.h"

#include "common/Couleur.h"
#include "diagram/ImageSchema.h"
#include "diagram/TFormSchemaCinematique.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QToolButton>
#include <QtTest>

namespace {
template <typename T>
T *trouver(QObject &parent, const char *nom)
{
    T *objet = parent.findChild<T *>(QString::fromLatin1(nom));
    if (objet == nullptr)
        qFatal("control %s not found", nom);
    return objet;
}

void envoyer(QWidget *cible, QEvent::Type type, QPoint p, Qt::MouseButton bouton, Qt::MouseButtons tenus)
{
    QMouseEvent evenement(type, QPointF(p), QPointF(cible->mapToGlobal(p)), bouton, tenus, Qt::NoModifier);
    QApplication::sendEvent(cible, &evenement);
}
} // namespace

SchemaTest SchemaDeuxClasses()
{
    SchemaTest s;
    s.trame = ImageUnie(300, 200, Qt::white);
    {
        QPainter peintre(&s.trame);
        peintre.fillRect(10, 10, 100, 80, QColor(0, 255, 0));
        peintre.fillRect(160, 10, 100, 80, QColor(255, 255, 0));
    }
    s.plan = ImageAvecRectangle(300, 200, Qt::white, QRect(20, 99, 261, 3), Qt::black);
    return s;
}

QImage SymboleTest()
{
    QImage image = ImageUnie(30, 30, Qt::white);
    QPainter peintre(&image);
    peintre.fillRect(2, 10, 12, 10, QColor(255, 173, 173));
    peintre.fillRect(16, 10, 12, 10, QColor(255, 208, 135));
    peintre.fillRect(14, 5, 2, 20, Qt::black);
    return image;
}

void EcrireCatalogue(const ArbreMecanismes &arbre)
{
    const QImage symbole = SymboleTest();
    for (int ligne = 0; ligne <= 11; ++ligne)
        for (int vue = 0; vue <= 3; ++vue)
            arbre.ecrireBmp(QStringLiteral("ressource/liaison/%1_%2.bmp").arg(ligne).arg(vue), symbole);
}

QString TexteGdl(const QString &mecanisme, const SchemaTest &s)
{
    QString texte = QStringLiteral("[MECANISME]\r\nMecanisme=%1\r\nNbrCe=%2\r\nNbrLiaison=%3\r\n")
                        .arg(mecanisme)
                        .arg(s.couleursCe.size())
                        .arg(s.liaisons.size());
    for (int n = 1; n <= s.couleursCe.size(); ++n)
        texte += QStringLiteral("[Ce%1]\r\nCouleur=%2\r\nBati=%3\r\nLeft=10\r\nTop=10\r\n")
                     .arg(n)
                     .arg(s.couleursCe[n - 1])
                     .arg(s.batis.contains(n) ? 1 : 0);
    for (int n = 1; n <= s.liaisons.size(); ++n) {
        const LiaisonTest &l = s.liaisons[n - 1];
        texte +=
            QStringLiteral("[Liaison%1]\r\nCe1=%2\r\nCe2=%3\r\nLiaison3D=%4\r\nLiaison2D=%5\r\nInclineaison=%6\r\n")
                .arg(n)
                .arg(l.ce1)
                .arg(l.ce2)
                .arg(l.liaison3D)
                .arg(l.liaison2D)
                .arg(l.inclinaison);
    }
    return texte;
}

QString EcrireSchema(const ArbreMecanismes &arbre, const QString &radical, const SchemaTest &s,
                     const DescripteurTest &descripteur)
{
    EcrireCatalogue(arbre);
    const QString dossier = radical + QStringLiteral("/schema_cinematique/");
    arbre.ecrireTexte(dossier + QStringLiteral("correction.gdl"), TexteGdl(radical, s), Encodage::Windows1252);
    arbre.ecrireTexte(dossier + QStringLiteral("condition.inf"), s.condition, Encodage::Windows1252);
    if (!s.trame.isNull())
        arbre.ecrireBmp(dossier + QStringLiteral("trame.bmp"), s.trame);
    if (!s.plan.isNull())
        arbre.ecrireBmp(dossier + QStringLiteral("plan.bmp"), s.plan);
    return arbre.ecrireDescripteur(radical, descripteur);
}

QColor Surface() { return CouleurVersQColor(clBtnFace); }

QRgb PixelDe(const QImage &image, QPoint p) { return image.pixel(p) | 0xFF000000u; }

FenetreSchema::FenetreSchema()
    : fond(trouver<ImageSchema>(fenetre, "ImageFond")), defilement(trouver<QScrollArea>(fenetre, "ScrollBox")),
      selection(trouver<QLabel>(fenetre, "ImageSelection")), trait(trouver<QToolButton>(fenetre, "SpeedBoutonTrait")),
      spline(trouver<QToolButton>(fenetre, "SpeedBoutonSpline")),
      gomme(trouver<QToolButton>(fenetre, "SpeedBoutonGomme")),
      effacer(trouver<QToolButton>(fenetre, "SpeedBoutonEffacer")), menuOuvrir(trouver<QAction>(fenetre, "MenuOuvrir")),
      menuTrame(trouver<QAction>(fenetre, "MenuTrame")), menuEnregistrer(trouver<QAction>(fenetre, "MenuEnregistrer")),
      menuPdf(trouver<QAction>(fenetre, "MenuPdf")), menuAnnuler(trouver<QAction>(fenetre, "MenuAnnuler")),
      menuRetablir(trouver<QAction>(fenetre, "MenuRetablir"))
{
    fenetre.setWindowState(Qt::WindowNoState);
    fenetre.resize(900, 700);
}

QToolButton *FenetreSchema::boutonCe(int n) const
{
    return fenetre.findChild<QToolButton *>(QStringLiteral("BoutonCe%1").arg(n));
}

QLabel *FenetreSchema::symbole(int k) const
{
    return fenetre.findChild<QLabel *>(QStringLiteral("ImageLiaison%1").arg(k));
}

QImage FenetreSchema::affichage() const { return fond->image(); }

void FenetreSchema::presser(QWidget *cible, QPoint p, Qt::MouseButton bouton)
{
    envoyer(cible, QEvent::MouseButtonPress, p, bouton, bouton);
}

void FenetreSchema::deplacer(QWidget *cible, QPoint p, Qt::MouseButton bouton)
{
    envoyer(cible, QEvent::MouseMove, p, Qt::NoButton, bouton);
}

void FenetreSchema::relacher(QWidget *cible, QPoint p, Qt::MouseButton bouton)
{
    envoyer(cible, QEvent::MouseButtonRelease, p, bouton, Qt::NoButton);
}

void FenetreSchema::tracer(QToolButton *outil, const QList<QPoint> &points, Qt::MouseButton bouton)
{
    if (outil != nullptr && !outil->isChecked())
        outil->click();
    presser(fond, points.front(), bouton);
    for (const QPoint &p : points.mid(1))
        deplacer(fond, p, bouton);
    relacher(fond, points.back(), bouton);
}

void FenetreSchema::glisser(int k, QPoint coin)
{
    QLabel *image = symbole(k);
    const QPoint prise(5, 5);
    presser(image, prise);
    // The pointer moves in two steps; each position is relative to where the symbol now stands.
    const QPoint milieu = (image->pos() + coin) / 2;
    deplacer(image, milieu + prise - image->pos());
    deplacer(image, coin + prise - image->pos());
    relacher(image, prise);
}

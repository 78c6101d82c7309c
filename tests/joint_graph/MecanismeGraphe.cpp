#include "MecanismeGraphe.h"

#include "joint_graph/TImageMouse.h"
#include "support/Factices.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QtTest>

QImage SymboleTest(int rangee, int colonne)
{
    QImage image(21, 21, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter peintre(&image);
    if (rangee > 0) {
        peintre.fillRect(2, 4, 8, 14, QColor(255, 173, 173));
        peintre.fillRect(11, 4, 8, 14, QColor(255, 208, 135));
    }
    for (int i = 0; i < rangee; ++i)
        peintre.fillRect(i, 0, 1, 1, Qt::black);
    peintre.fillRect(20 - colonne, 20, 1, 1, Qt::blue);
    return image;
}

void EcrireCatalogueTest(const ArbreMecanismes &arbre)
{
    QString inf;
    for (int i = 0; i <= 11; ++i) {
        inf += QStringLiteral("[%1]\r\n").arg(i);
        for (int j = 0; j <= 3; ++j) {
            arbre.ecrireBmp(QStringLiteral("ressource/liaison/%1_%2.bmp").arg(i).arg(j), SymboleTest(i, j));
            inf += QStringLiteral("%1=%2\r\n").arg(j).arg(j == 0 ? i : j);
        }
    }
    arbre.ecrireTexte(QStringLiteral("ressource/liaison/liaison.inf"), inf);
}

QString EcrireMecanismeGraphe(const ArbreMecanismes &arbre, const QString &radical, int nbrCe, int largeur,
                              bool outilsVisibles, int exo4)
{
    DescripteurTest descripteur;
    descripteur.exercices[3] = exo4;
    const QString chemin = arbre.ecrireDescripteur(radical, descripteur);
    QString condition = QStringLiteral("[NOMBRE DE CLASSES D EQUIVALENCE]\r\nCombien=%1\r\n[IMPRIMER]\r\nVisible=%2\r\n"
                                       "[INFORMATION]\r\n")
                            .arg(nbrCe)
                            .arg(outilsVisibles ? 1 : 0);
    for (int n = 1; n <= nbrCe; ++n) {
        if (n != 2)
            condition += QStringLiteral("ce%1=Pièce %1\r\n").arg(n);
        arbre.ecrireBmp(radical + QStringLiteral("/graphe_des_liaisons/%1.bmp").arg(n),
                        ImageAvecRectangle(largeur, 60, Qt::white, QRect(20, 20, 10, 10), Qt::darkGray));
    }
    arbre.ecrireTexte(radical + QStringLiteral("/graphe_des_liaisons/condition.inf"), condition);
    return chemin;
}

void EcrireSansMecanisme(const ArbreMecanismes &arbre)
{
    for (int n = 1; n <= 9; ++n)
        arbre.ecrireBmp(QStringLiteral("sansmecanisme/graphe_des_liaisons/%1.bmp").arg(n),
                        ImageUnie(40, 40, Qt::white));
    arbre.ecrireTexte(QStringLiteral("sansmecanisme/schema_cinematique/condition.inf"), "[TRAME]\r\nType=2\r\n");
}

FenetreGraphe::FenetreGraphe(OuvertureSchema ouverture, bool montree) : fenetre(nullptr, std::move(ouverture))
{
    fenetre.setWindowState(Qt::WindowNoState);
    if (montree)
        montrer({1200, 800});
}

void FenetreGraphe::montrer(QSize taille)
{
    fenetre.resize(taille);
    fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
}

TImageMouse *FenetreGraphe::noeud(int n) const
{
    return fenetre.findChild<TImageMouse *>(QStringLiteral("ImageCe%1").arg(n));
}

TImageMouse *FenetreGraphe::symbole(int a) const
{
    return fenetre.findChild<TImageMouse *>(QStringLiteral("ImageLiaison%1").arg(a));
}

TImageMouse *FenetreGraphe::imageLiaison3d(int i) const
{
    return fenetre.findChild<TImageMouse *>(QStringLiteral("ImageLiaison3d_%1").arg(i));
}

TImageMouse *FenetreGraphe::imageLiaison2D(int v) const
{
    return fenetre.findChild<TImageMouse *>(QStringLiteral("ImageLiaison2D_%1").arg(v));
}

QPushButton *FenetreGraphe::bouton(const char *nom) const
{
    return fenetre.findChild<QPushButton *>(QString::fromLatin1(nom));
}

QAction *FenetreGraphe::action(const char *nom) const { return fenetre.findChild<QAction *>(QString::fromLatin1(nom)); }

QString FenetreGraphe::statut() const { return fenetre.findChild<QLabel *>(QStringLiteral("LabelStatut"))->text(); }

QWidget *FenetreGraphe::panelLiaison() const { return fenetre.findChild<QWidget *>(QStringLiteral("PanelLiaison")); }

namespace {
void souris(QWidget *w, QEvent::Type type, QPoint p, Qt::MouseButton bouton, Qt::MouseButtons boutons)
{
    QMouseEvent evenement(type, QPointF(p), QPointF(w->mapToGlobal(p)), bouton, boutons, Qt::NoModifier);
    QApplication::sendEvent(w, &evenement);
}
} // namespace

void FenetreGraphe::appuyer(QWidget *w, QPoint p)
{
    souris(w, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
}

void FenetreGraphe::deplacer(QWidget *w, QPoint p) { souris(w, QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton); }

void FenetreGraphe::relacher(QWidget *w, QPoint p)
{
    souris(w, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
}

void FenetreGraphe::cliquer(QWidget *w, QPoint p)
{
    appuyer(w, p);
    relacher(w, p);
}

void FenetreGraphe::entrer(QWidget *w)
{
    QEnterEvent evenement(QPointF(5, 5), QPointF(5, 5), QPointF(w->mapToGlobal(QPoint(5, 5))));
    QApplication::sendEvent(w, &evenement);
}

void FenetreGraphe::sortir(QWidget *w)
{
    QEvent evenement(QEvent::Leave);
    QApplication::sendEvent(w, &evenement);
}

void FenetreGraphe::creerLiaison(const QList<int> &classes, int type, int vue)
{
    bouton("BoutonCreer")->click();
    for (const int ce : classes)
        cliquer(noeud(ce));
    if (type)
        cliquer(imageLiaison3d(type));
    if (vue)
        cliquer(imageLiaison2D(vue));
    bouton("BoutonFermer")->click();
}

void FenetreGraphe::colorer(const QList<TColor> &couleurs)
{
    for (qsizetype n = 0; n < couleurs.size(); ++n) {
        dialoguesFactices().reponsesCouleur.push_back(couleurs[n]);
        cliquer(noeud(int(n) + 1));
    }
}

QColor FenetreGraphe::pixelGraphe(QPoint p)
{
    QWidget *fond = fenetre.findChild<QWidget *>(QStringLiteral("ImageFond"));
    return fond->grab(QRect(p, QSize(1, 1))).toImage().pixelColor(0, 0);
}

#include "MecanismePresentation.h"

#include <QPainter>

namespace {
QImage trameTroisPieces()
{
    QImage trame = ImageUnie(200, 100, Qt::white);
    QPainter peintre(&trame);
    peintre.fillRect(QRect(10, 10, 20, 20), QColor(255, 0, 0));
    peintre.fillRect(QRect(50, 10, 20, 20), QColor(0, 255, 0));
    peintre.fillRect(QRect(90, 10, 20, 20), QColor(0, 0, 255));
    peintre.fillRect(QRect(130, 10, 20, 20), QColor(0, 0, 0));
    peintre.fillRect(QRect(160, 10, 20, 20), QColor(255, 255, 0));
    return trame;
}
} // namespace

QString ConditionTroisPieces(const QString &imprimer)
{
    return QStringLiteral("[NOMBRE DE PIECES]\r\nCombien=3\r\n[COULEUR]\r\nPiece1=clRed\r\nPiece2=clLime\r\n"
                          "Piece3=$00FF0000\r\n") +
           imprimer;
}

PresentationTest PresentationTroisPieces()
{
    PresentationTest p;
    p.condition = ConditionTroisPieces();
    p.nomenclature = QStringLiteral("[PIECE1]\r\nRepere=1\r\nNombre=4\r\nDesignation=Vis à tête hexagonale\r\n"
                                    "Matiere=Acier\r\nObservation=ISO 4014\r\n"
                                    "[PIECE2]\r\nRepere=2\r\nNombre=1\r\nDesignation=Écrou\r\nMatiere=Laiton\r\n"
                                    "[PIECE3]\r\nRepere=3\r\nNombre=2\r\nDesignation=Rondelle\r\nMatiere=Acier\r\n"
                                    "Observation=\"Trempée\"\r\n");
    p.plan = ImageUnie(200, 100, QColor(230, 230, 230));
    p.trame = trameTroisPieces();
    p.page = QStringLiteral("<html><body><p>Mécanisme de démonstration</p></body></html>");
    return p;
}

QString EcrirePresentation(const ArbreMecanismes &arbre, const QString &radical, const PresentationTest &p,
                           const DescripteurTest &descripteur)
{
    const QString dossier = radical + QStringLiteral("/presentation/");
    arbre.ecrireTexte(dossier + QStringLiteral("condition.inf"), p.condition, Encodage::Windows1252);
    arbre.ecrireTexte(dossier + QStringLiteral("nomenclature.inf"), p.nomenclature, Encodage::Windows1252);
    arbre.ecrireBmp(dossier + QStringLiteral("plan.bmp"), p.plan);
    arbre.ecrireBmp(dossier + QStringLiteral("trame.bmp"), p.trame);
    arbre.ecrireTexte(dossier + QStringLiteral("explication.htm"), p.page, Encodage::Windows1252);
    return arbre.ecrireDescripteur(radical, descripteur);
}

QString LignesPiece(const QString &repere, const QString &nombre, const QString &designation, const QString &matiere,
                    const QString &observation)
{
    return QStringLiteral("Repère : %1\nNombre : %2\nDésignation : %3\nMatière : %4\nObservation : %5")
        .arg(repere, nombre, designation, matiere, observation);
}

#include <QTabBar>
#include <QToolTip>
#include <QtTest>

namespace {
template <typename T>
T *trouver(QObject &parent, const char *nom)
{
    T *enfant = parent.findChild<T *>(QString::fromLatin1(nom));
    if (!enfant)
        qFatal("control %s not found", nom);
    return enfant;
}
} // namespace

FenetreTest::FenetreTest()
    : pages(trouver<QTabWidget>(fenetre, "PageControl1")), description(trouver<QTextBrowser>(fenetre, "WebBrowser1")),
      plan(trouver<QLabel>(fenetre, "ImagePlan")), defilement(trouver<QScrollArea>(fenetre, "ScrollBox")),
      duree(trouver<QSpinBox>(fenetre, "SpinEdit")), menuOuvrir(trouver<QAction>(fenetre, "MenuOuvrir")),
      menuFermer(trouver<QAction>(fenetre, "MenuFermer")), menuPdf(trouver<QAction>(fenetre, "MenuPdf"))
{
    fenetre.setWindowState(Qt::WindowNoState);
    fenetre.resize(800, 600);
    fenetre.show();
    if (!QTest::qWaitForWindowExposed(&fenetre))
        qFatal("presentation window not shown");
}

QString FenetreTest::cliquer(QPoint pixel, Qt::MouseButton bouton)
{
    QTest::mouseClick(plan, bouton, {}, pixel);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

void FenetreTest::montrerPage(int index)
{
    QTabBar *onglets = pages->tabBar();
    QTest::mouseClick(onglets, Qt::LeftButton, {}, onglets->tabRect(index).center());
}

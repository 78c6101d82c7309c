#include "MecanismeColoriage.h"

#include <QApplication>
#include <QCursor>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QWheelEvent>

namespace {
const QList<QColor> CouleursZones{QColor(255, 0, 0),   QColor(0, 255, 0),   QColor(0, 0, 255),
                                  QColor(255, 255, 0), QColor(255, 0, 255), QColor(0, 255, 255)};
QRect carreZone(int zone) { return QRect(10 + 40 * (zone - 1), 40, 20, 20); }
} // namespace

QPoint CentreZone(int zone) { return carreZone(zone).center(); }

QImage EcranRepere()
{
    QImage ecran(QGuiApplication::primaryScreen()->geometry().size(), QImage::Format_RGB32);
    for (int y = 0; y < ecran.height(); ++y)
        for (int x = 0; x < ecran.width(); ++x)
            ecran.setPixelColor(x, y, Repere(QPoint(x, y)));
    return ecran;
}

QColor Repere(QPoint pixel) { return QColor(pixel.x() % 256, pixel.y() % 256, 77); }

QString ConditionSixZones(const QString &suite, int nombreCouleurs)
{
    return QStringLiteral("[NOMBRE DE ZONES]\r\nCombien=6\r\n[NOMBRE DE COULEURS]\r\nCombien=%1\r\n"
                          "[COULEUR]\r\nZone1=clRed\r\nZone2=clLime\r\nZone3=$00FF0000\r\nZone4=clYellow\r\n"
                          "Zone5=clFuchsia\r\nZone6=0x00FFFF00\r\n[IMPRIMER]\r\nVisible=1\r\n")
               .arg(nombreCouleurs) +
           suite;
}

QString SolutionCinqPieces()
{
    return QStringLiteral("[SOLUTIONS]\r\nSolution1=100000\r\nSolution2=010000\r\nSolution3=001000\r\n"
                          "Solution4=000100\r\nSolution5=000011\r\n");
}

ColoriageTest ColoriageSixZones()
{
    ColoriageTest c;
    c.condition = ConditionSixZones();
    c.solution = SolutionCinqPieces();
    c.trame = ImageUnie(240, 100, Qt::white);
    c.plan = ImageUnie(240, 100, Qt::white);
    QPainter trame(&c.trame);
    QPainter plan(&c.plan);
    plan.setPen(Qt::black);
    for (int z = 1; z <= 6; ++z) {
        trame.fillRect(carreZone(z), CouleursZones[z - 1]);
        plan.drawRect(carreZone(z).adjusted(0, 0, -1, -1));
    }
    trame.fillRect(QRect(10, 70, 20, 20), Qt::black);
    return c;
}

QString EcrireColoriage(const ArbreMecanismes &arbre, const QString &radical, const QString &mode,
                        const ColoriageTest &c, const DescripteurTest &descripteur)
{
    const QString dossier = radical + QStringLiteral("/coloriage_") + mode + u'/';
    arbre.ecrireTexte(dossier + QStringLiteral("condition.inf"), c.condition, Encodage::Windows1252);
    arbre.ecrireTexte(dossier + QStringLiteral("solution.inf"), c.solution, Encodage::Windows1252);
    arbre.ecrireBmp(dossier + QStringLiteral("plan.bmp"), c.plan);
    arbre.ecrireBmp(dossier + QStringLiteral("trame.bmp"), c.trame);
    return arbre.ecrireDescripteur(radical, descripteur);
}

FenetreColoriage::FenetreColoriage() : fenetre(nullptr, &loupe)
{
    // A pointer moved to where the last test left it sends no move: each test starts it elsewhere.
    QCursor::setPos(QPoint(0, 0));
    fenetre.setWindowState(Qt::WindowNoState);
    fenetre.resize(700, 500);
    fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
    liste = fenetre.findChild<TCouleurListBox *>(QStringLiteral("CouleurListBox"));
    vue = fenetre.findChild<QWidget *>(QStringLiteral("ImagePlan"));
    bilan = fenetre.findChild<QLabel *>(QStringLiteral("LabelBilan"));
    zone = fenetre.findChild<QLabel *>(QStringLiteral("LabelZone"));
}

FenetreColoriage::~FenetreColoriage() { fenetre.close(); }

QAction *FenetreColoriage::action(const QString &nom) const { return fenetre.findChild<QAction *>(nom); }

void FenetreColoriage::cliquer(QPoint pixel, Qt::MouseButton bouton) { QTest::mouseClick(vue, bouton, {}, pixel); }

QColor FenetreColoriage::pixelVu(QPoint pixel) const { return vue->grab().toImage().pixelColor(pixel); }

void FenetreColoriage::choisirItem(int item)
{
    const QRect r = liste->visualItemRect(liste->item(item));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, QPoint(r.left() + 60, r.center().y()));
}

void FenetreColoriage::cliquerCarre(int item)
{
    const QRect r = liste->visualItemRect(liste->item(item));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, QPoint(r.left() + 5, r.center().y()));
}

void FenetreColoriage::molette(int delta)
{
    const QPoint centre = vue->rect().center();
    QWheelEvent evenement(centre, vue->mapToGlobal(centre), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
    QApplication::sendEvent(vue, &evenement);
}

TFormNotification *FenetreColoriage::derniereNotification() const
{
    const auto notifications = fenetre.findChildren<TFormNotification *>();
    return notifications.isEmpty() ? nullptr : notifications.last();
}

int FenetreColoriage::nombreNotifications() const { return int(fenetre.findChildren<TFormNotification *>().size()); }

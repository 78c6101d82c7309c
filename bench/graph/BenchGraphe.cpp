// Times the joint-graph window on a graph of 9 classes and 20 joints, in a graph area of 1600 × 1000:
// one step of a node drag (the move, its links and the repaint of what changed) and a repaint of the
// whole area; and, in the same run, a plain copy of a 24-bit picture of the area. Prints each time as
// a ratio to that copy, against its target.

#include "ImagesClasses.h"
#include "common/DossierProgramme.h"
#include "joint_graph/TFormGrapheDesLiaisons.h"
#include "joint_graph/TImageMouse.h"
#include "symboles/EcritureSymboles.h"

#include "commun/ReleveCopie.h"
#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QScrollArea>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

namespace {

constexpr int Largeur = 1600;
constexpr int Hauteur = 1000;
constexpr int Repetitions = 5;
constexpr const char *NomCopie = "memcpy";

constexpr Cible Cibles[] = {{"Pas de glissement d'une classe", 1}, {"Dessin complet du graphe", 4}};

// A graph of 9 classes in a 3 × 3 grid over the area and 20 joints between them, in plane views,
// turned, as a student's graph of a large mechanism.
QByteArray GrapheNeufClasses()
{
    QByteArray texte = "[MECANISME]\r\nMecanisme=sansmecanisme\r\nNbrCe=9\r\nNbrLiaison=20\r\n";
    const char *couleurs[] = {"clRed",     "clLime", "clBlue",   "clYellow", "clAqua",
                              "clFuchsia", "clGray", "clMaroon", "clNavy"};
    for (int n = 1; n <= 9; ++n)
        texte += QStringLiteral("[Ce%1]\r\nCouleur=%2\r\nBati=%3\r\nLeft=%4\r\nTop=%5\r\n")
                     .arg(n)
                     .arg(QString::fromLatin1(couleurs[n - 1]))
                     .arg(n == 1 ? 1 : 0)
                     .arg(100 + 600 * ((n - 1) % 3))
                     .arg(80 + 380 * ((n - 1) / 3))
                     .toLatin1();
    int i = 0;
    for (int a = 1; a <= 9 && i < 20; ++a)
        for (int b = a + 1; b <= 9 && i < 20; ++b, ++i)
            texte +=
                QStringLiteral("[Liaison%1]\r\nCe1=%2\r\nCe2=%3\r\nLiaison3D=%4\r\nLiaison2D=%5\r\nInclineaison=%6\r\n")
                    .arg(i + 1)
                    .arg(a)
                    .arg(b)
                    .arg(1 + i % 11)
                    .arg(1 + i % 3)
                    .arg(15 * (i % 7))
                    .toLatin1();
    return texte;
}

benchmark::internal::Benchmark *Reglages(benchmark::internal::Benchmark *b)
{
    return b->Unit(benchmark::kMicrosecond)->UseRealTime()->Repetitions(Repetitions);
}

void Souris(QWidget *w, QEvent::Type type, QPoint p, Qt::MouseButton bouton, Qt::MouseButtons boutons)
{
    QMouseEvent evenement(type, QPointF(p), QPointF(w->mapToGlobal(p)), bouton, boutons, Qt::NoModifier);
    QApplication::sendEvent(w, &evenement);
}

// Delivers what the event loop would between two mouse moves, among it the repaint of what changed.
void Repeindre() { QApplication::sendPostedEvents(); }

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    QTemporaryDir programme;
    DefinirDossierProgramme(programme.path() + u'/');
    if (EcrireSymbolesLiaisons(programme.filePath("ressource/liaison")) ||
        EcrireImagesClasses(programme.filePath("sansmecanisme/graphe_des_liaisons")))
        return 1;
    QFile gdl(programme.filePath("graphe.gdl"));
    if (!gdl.open(QIODevice::WriteOnly) || gdl.write(GrapheNeufClasses()) < 0)
        return 1;
    gdl.close();

    TFormGrapheDesLiaisons fenetre;
    fenetre.setWindowState(Qt::WindowNoState);
    fenetre.resize(Largeur + 320, Hauteur + 80);
    fenetre.show();
    // The window grows or shrinks by what the graph area lacks or has in excess.
    QScrollArea *zone = fenetre.findChild<QScrollArea *>(QStringLiteral("ScrollBox"));
    fenetre.resize(fenetre.size() + QSize(Largeur, Hauteur) - zone->viewport()->size());
    fenetre.OuvrirGDL(gdl.fileName());
    QWidget *fond = fenetre.findChild<QWidget *>(QStringLiteral("ImageFond"));
    QApplication::processEvents();
    std::printf("Zone du graphe : %d x %d, %d liaisons\n", fond->width(), fond->height(),
                fenetre.Graphe().NbrLiaison());

    QImage image(Largeur, Hauteur, QImage::Format_RGB888);
    image.fill(Qt::gray);
    QImage copie(image.size(), image.format());
    copie.fill(Qt::black);
    const std::size_t octets = std::size_t(image.sizeInBytes());
    Reglages(benchmark::RegisterBenchmark(NomCopie, [&](benchmark::State &etat) {
        for (auto _ : etat) {
            std::memcpy(copie.bits(), image.constBits(), octets);
            benchmark::ClobberMemory();
        }
    }));

    // The middle class, with five joints, moved 3 pixels right then left while the button is held.
    TImageMouse *noeud = fenetre.findChild<TImageMouse *>(QStringLiteral("ImageCe5"));
    Reglages(benchmark::RegisterBenchmark(Cibles[0].nom, [&](benchmark::State &etat) {
        Souris(noeud, QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
        int pas = 3;
        for (auto _ : etat) {
            Souris(noeud, QEvent::MouseMove, {10 + pas, 10}, Qt::NoButton, Qt::LeftButton);
            Repeindre();
            pas = -pas;
        }
        Souris(noeud, QEvent::MouseButtonRelease, {10, 10}, Qt::LeftButton, Qt::NoButton);
    }));

    Reglages(benchmark::RegisterBenchmark(Cibles[1].nom, [&](benchmark::State &etat) {
        for (auto _ : etat) {
            fond->update();
            Repeindre();
        }
    }));

    ReleveCopie releve(NomCopie, double(Largeur) * Hauteur * 3, {std::begin(Cibles), std::end(Cibles)});
    benchmark::RunSpecifiedBenchmarks(&releve);
    benchmark::Shutdown();
    releve.AfficherRapports();
    return 0;
}

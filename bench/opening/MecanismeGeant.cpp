#include "MecanismeGeant.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

constexpr int Colonnes = 40;
constexpr int Rangees = 25;
constexpr int Zones = Colonnes * Rangees;
constexpr int Classes = 9;

// Distinct key colours, none white or black.
TColor Cle(int zone) { return TColor(0x00010203u + 0x00030507u * TColor(zone)) & 0x00FEFEFEu; }

void Ecrire(const QString &chemin, const QByteArray &octets)
{
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly) || fichier.write(octets) != octets.size()) {
        std::fprintf(stderr, "impossible d'ecrire %s\n", qPrintable(chemin));
        std::exit(1);
    }
}

void EcrireBmp(const QString &chemin, const QImage &image)
{
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    if (!image.save(chemin, "BMP")) {
        std::fprintf(stderr, "impossible d'ecrire %s\n", qPrintable(chemin));
        std::exit(1);
    }
}

void Lier(const QString &source, const QString &lien)
{
    QDir().mkpath(QFileInfo(lien).absolutePath());
    std::filesystem::create_hard_link(source.toStdString(), lien.toStdString());
}

QColor VersQColor(TColor c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }

} // namespace

MecanismeGeant InstallerMecanismeGeant(const QString &dossier, QSize feuille)
{
    const QString meca = dossier + QStringLiteral("/geant/");
    MecanismeGeant m;
    m.descripteur = dossier + QStringLiteral("/geant.sch");
    m.dossierSchema = meca + QStringLiteral("schema_cinematique/");
    Ecrire(m.descripteur, "[EXERCICE]\r\nNom=Geant\r\nExo1=1\r\nExo2=1\r\nExo3=1\r\nExo4=1\r\nExo5=1\r\nValidite=1\r\n"
                          "[MENU]\r\nDifficulte=1\r\n");

    QImage trame(feuille, QImage::Format_RGB32);
    QImage plan(feuille, QImage::Format_RGB32);
    trame.fill(Qt::white);
    plan.fill(Qt::white);
    {
        QPainter peintreTrame(&trame);
        QPainter peintrePlan(&plan);
        peintreTrame.setPen(QPen(Qt::black, 3));
        peintrePlan.setPen(QPen(Qt::black, 3));
        const int l = feuille.width() / Colonnes;
        const int h = feuille.height() / Rangees;
        for (int z = 1; z <= Zones; ++z) {
            const QRect cellule(((z - 1) % Colonnes) * l, ((z - 1) / Colonnes) * h, l, h);
            peintreTrame.setBrush(VersQColor(Cle(z)));
            peintreTrame.drawRect(cellule);
            peintrePlan.drawRect(cellule);
            if (z % 3 == 0) {
                for (int x = cellule.left(); x < cellule.right() - h / 2; x += 24)
                    peintrePlan.drawLine(x, cellule.bottom(), x + h / 2, cellule.top());
            }
        }
    }
    const QString trameBmp = meca + QStringLiteral("coloriage_p/trame.bmp");
    const QString planBmp = meca + QStringLiteral("coloriage_p/plan.bmp");
    EcrireBmp(trameBmp, trame.convertToFormat(QImage::Format_RGB888));
    EcrireBmp(planBmp, plan.convertToFormat(QImage::Format_RGB888));
    m.octetsImages = QFileInfo(trameBmp).size() + QFileInfo(planBmp).size();

    QByteArray condition = "[NOMBRE DE ZONES]\r\nCombien=" + QByteArray::number(Zones) + "\r\n[COULEUR]\r\n";
    for (int z = 1; z <= Zones; ++z)
        condition += "Zone" + QByteArray::number(z) + "=$" + QByteArray::number(Cle(z), 16) + "\r\n";
    condition += "[NOMBRE DE COULEURS]\r\nCombien=" + QByteArray::number(Zones) + "\r\n";
    QByteArray solution = "[SOLUTIONS]\r\n";
    for (int z = 1; z <= Zones; ++z)
        solution += "Solution" + QByteArray::number(z) + "=" + QByteArray::number(z) + "\r\n";
    Ecrire(meca + QStringLiteral("coloriage_p/condition.inf"), condition);
    Ecrire(meca + QStringLiteral("coloriage_p/solution.inf"), solution);

    QByteArray pieces = "[NOMBRE DE PIECES]\r\nCombien=" + QByteArray::number(Zones) + "\r\n[COULEUR]\r\n";
    QByteArray nomenclature;
    for (int z = 1; z <= Zones; ++z) {
        pieces += "Piece" + QByteArray::number(z) + "=$" + QByteArray::number(Cle(z), 16) + "\r\n";
        nomenclature +=
            "[PIECE" + QByteArray::number(z) + "]\r\nRepere=" + QByteArray::number(z) + "\r\nDesignation=Piece\r\n";
    }
    Ecrire(meca + QStringLiteral("presentation/condition.inf"), pieces);
    Ecrire(meca + QStringLiteral("presentation/nomenclature.inf"), nomenclature);
    Ecrire(meca + QStringLiteral("presentation/explication.htm"), "<html><body>Geant</body></html>");
    for (const QString &exercice : {QStringLiteral("presentation/"), QStringLiteral("schema_cinematique/")}) {
        Lier(trameBmp, meca + exercice + QStringLiteral("trame.bmp"));
        Lier(planBmp, meca + exercice + QStringLiteral("plan.bmp"));
    }
    return m;
}

SchemaCinematique SchemaGeant(const MecanismeGeant &mecanisme)
{
    SchemaCinematique s;
    s.DossierExercice = mecanisme.dossierSchema;
    s.NomMecanisme = QStringLiteral("Geant");
    s.NbrCe = Classes;
    s.TypeTrame = TrameDessin;
    s.Transparence = -40;
    for (int n = 1; n <= Classes; ++n) {
        s.CouleurTrame[std::size_t(n)] = Cle(n * 97);
        s.Ce[std::size_t(n)].Couleur = TColor(0x00102030u * TColor(n));
    }
    return s;
}

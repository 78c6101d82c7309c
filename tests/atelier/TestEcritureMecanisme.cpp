#include "atelier/EcritureMecanisme.h"
#include "atelier/LectureMecanismeAtelier.h"
#include "colouring/ExerciceColoriage.h"
#include "common/FichierIni.h"
#include "diagram/LectureSchema.h"
#include "joint_graph/ExerciceGraphe.h"
#include "joint_graph/FichierGdl.h"
#include "joint_graph/NomMecanisme.h"
#include "presentation/LecturePresentation.h"
#include "support/ArbreMecanismes.h"
#include "support/Enregistrement.h"
#include "support/SansRoot.h"
#include "verification/VerificationMecanisme.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QtTest>
#include <functional>

// What a row changes in the example mechanism.
using Changement = std::function<void(MecanismeAtelier &)>;
Q_DECLARE_METATYPE(Changement)

namespace {

// A zone of the test drawing: a point inside it, the part it is given and that part's class (0 for none).
struct ZoneTest {
    QPoint graine;
    int piece;
    int classe;
};

// Four boxes and a bubble, in the order the zones are numbered: the bubble comes second, so that the
// exercise's numbers (zones in a part only) differ from the drawing's.
const std::vector<ZoneTest> ZonesTest{
    {{40, 40}, 1, 1}, {{104, 120}, 0, 0}, {{110, 40}, 2, 2}, {{180, 40}, 3, 1}, {{40, 120}, 1, 1}};
const QPoint BulleCoulisseau(110, 120); // the bubble of part 2: a circle, and a stroke of its number under the click
const QPoint BulleCorps(160, 120);      // part 1's bubble is only clicked: no circle around it
const QPoint BulleVis(200, 135);

// Every white pixel reached from a seed without crossing black, 4-connected, gets that seed's zone.
ZonesDessin ZonesDepuisGraines(const QImage &plan)
{
    ZonesDessin z;
    z.taille = plan.size();
    z.etiquettes.assign(std::size_t(plan.width()) * std::size_t(plan.height()), 0);
    z.nombre = int(ZonesTest.size());
    for (int n = 1; n <= z.nombre; ++n) {
        std::vector<QPoint> pile{ZonesTest[std::size_t(n - 1)].graine};
        while (!pile.empty()) {
            const QPoint p = pile.back();
            pile.pop_back();
            if (!plan.rect().contains(p) || plan.pixelColor(p) != Qt::white)
                continue;
            std::int32_t &e = z.etiquettes[std::size_t(p.y()) * std::size_t(plan.width()) + std::size_t(p.x())];
            if (e != 0)
                continue;
            e = n;
            pile.insert(pile.end(), {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)});
        }
    }
    return z;
}

MecanismeAtelier Exemple()
{
    MecanismeAtelier m;
    m.souche = QStringLiteral("meca");
    m.nom = QStringLiteral("Serre-joint");
    m.difficulte = 2;
    m.plan = QImage(240, 160, QImage::Format_RGB888);
    m.plan.fill(Qt::white);
    {
        QPainter p(&m.plan);
        p.setPen(Qt::black);
        for (const QRect &boite :
             {QRect(10, 10, 60, 60), QRect(80, 10, 60, 60), QRect(150, 10, 60, 60), QRect(10, 90, 60, 60)})
            p.drawRect(boite);
        p.drawEllipse(BulleCoulisseau, 12, 12);
        p.drawLine(BulleCoulisseau - QPoint(0, 5), BulleCoulisseau + QPoint(0, 5));
    }
    m.zones = ZonesDepuisGraines(m.plan);
    m.pieceDeZone.push_back(0);
    for (const ZoneTest &z : ZonesTest)
        m.pieceDeZone.push_back(z.piece);
    m.pieces = {{1, 1, QStringLiteral("Corps"), QStringLiteral("EN-GJL-250"), QString(), BulleCorps},
                {2, 1, QStringLiteral("Coulisseau"), QStringLiteral("C45"), QStringLiteral("Trempé"), BulleCoulisseau},
                {3, 2, QStringLiteral("Vis de pression"), QStringLiteral("Acier"), QString(), BulleVis}};
    m.classes = {{QStringLiteral("Bâti"), {1, 3}}, {QStringLiteral("Coulisseau"), {2}}};
    return m;
}

QString Exos(const std::array<bool, 5> &exercices)
{
    QString texte;
    for (const bool offert : exercices)
        texte += offert ? u'1' : u'0';
    return texte;
}

QString Lire(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
}

// A correction graph of the two classes, as the joint-graph editor saves it.
void EcrireCorrection(const ArbreMecanismes &arbre)
{
    GrapheLiaisons graphe;
    graphe.DossierExercice = DossierGrapheDesLiaisons(QStringLiteral("meca"));
    QVERIFY(graphe.DefinirNbrCe(2));
    graphe.Ce(1) = {.Couleur = clRed, .Bati = true};
    graphe.Ce(2) = {.Couleur = 0x00FF0000};
    graphe.Liaison(graphe.AjouterLiaison()) = {1, 2, 3, 1, 0};
    QCOMPARE(EnregistrerGdl(graphe, arbre.chemin("meca/schema_cinematique/correction.gdl")), std::nullopt);
}

} // namespace

class TestEcritureMecanisme : public QObject {
    Q_OBJECT
private slots:
    // The written mechanism opens in each exercise, every click lands on what the teacher said, and the
    // checker finds nothing once the diagram is offered only with its correction.
    void ouvertParChaqueExercice()
    {
        const ArbreMecanismes arbre;
        const MecanismeAtelier m = Exemple();
        const EcritureAtelier ecrit = EcrireMecanismeAtelier(m, arbre.dossier());
        QVERIFY2(!ecrit.erreur, qPrintable(ecrit.erreur.value_or(QString())));
        QCOMPARE(Exos(ecrit.exercices), QStringLiteral("11110"));
        QCOMPARE(ecrit.rapport.resume(), QStringLiteral("1 erreur, 0 avertissements"));
        QCOMPARE(ecrit.rapport.constats().front().fichier, QStringLiteral("meca/schema_cinematique/correction.gdl"));
        QVERIFY(VerifierMecanisme(ecrit.descripteur).texte().endsWith(QStringLiteral("0 erreurs, 0 avertissements\n")));

        const LecturePresentation presentation = LirePresentation(arbre.chemin("meca/presentation/"));
        QVERIFY2(presentation.issue == LecturePresentation::Issue::Reussie, qPrintable(presentation.message));
        const Presentation &p = presentation.presentation;
        // The whole circle of a drawn bubble answers, and a bubble only clicked answers around the click.
        for (const auto &[clic, designation] :
             {std::pair{BulleCoulisseau, "Coulisseau"}, std::pair{BulleCoulisseau + QPoint(10, 0), "Coulisseau"},
              std::pair{BulleCoulisseau - QPoint(0, 10), "Coulisseau"}, std::pair{BulleCorps, "Corps"},
              std::pair{BulleVis + QPoint(4, 4), "Vis de pression"}}) {
            const int n = NumeroZone(p.Zones, p.NombrePieces, QColorVersCouleur(p.Trame.pixelColor(clic)));
            QVERIFY2(n > 0, qPrintable(QStringLiteral("(%1, %2)").arg(clic.x()).arg(clic.y())));
            QCOMPARE(p.Zones[std::size_t(n - 1)].Designation, QString::fromUtf8(designation));
        }
        QCOMPARE(NumeroZone(p.Zones, p.NombrePieces, QColorVersCouleur(p.Trame.pixelColor(40, 40))), -1);

        for (const bool parClasse : {false, true}) {
            const QString mode = parClasse ? ModeClasses : ModeDecodage;
            const LectureColoriage lecture = LireColoriage(arbre.chemin("meca/coloriage_" + mode + "/"));
            QVERIFY2(lecture.reussie, qPrintable(lecture.message));
            const ExerciceColoriage &e = lecture.exercice;
            QCOMPARE(e.NombreZones, 4);
            for (const ZoneTest &z : ZonesTest) {
                const auto cle = e.Index.CleEn(z.graine);
                QCOMPARE(cle.has_value(), z.piece != 0);
                if (!cle)
                    continue;
                const int k = NumeroZone(e.CouleurZone, e.NombreZones, *cle);
                const int attendu = parClasse ? z.classe : z.piece;
                for (int h = 1; h <= e.NombreCouleurs; ++h)
                    QCOMPARE(e.Solution[std::size_t(h)][k - 1] == u'1', h == attendu);
            }
        }

        const QString graphe = arbre.chemin("meca/graphe_des_liaisons/");
        const auto condition = LireConditionGraphe(graphe);
        QVERIFY(std::holds_alternative<ConditionGraphe>(condition));
        const ConditionGraphe &c = std::get<ConditionGraphe>(condition);
        QCOMPARE(c.nbrCe, 2);
        QCOMPARE(c.informations[0], QStringLiteral("Bâti : Corps (1), Vis de pression (3)"));
        QVERIFY(std::holds_alternative<ImagesClasses>(ChargerImagesClasses(graphe, 2)));
        QCOMPARE(FichierIni(graphe + "condition.inf").lireTexte("HYPERSTATISME", "Etude"), QStringLiteral("spatiale"));

        EcrireCorrection(arbre);
        const EcritureAtelier avecCorrection = EcrireMecanismeAtelier(m, arbre.dossier());
        QCOMPARE(Exos(avecCorrection.exercices), QStringLiteral("11111"));
        QCOMPARE(avecCorrection.rapport.nombreErreurs(), 0);
        const LectureSchema schema = LireSchema(arbre.chemin("meca/schema_cinematique/correction.gdl"));
        QVERIFY2(schema.reussie(), qPrintable(schema.erreur));
        // The diagram tints each class where the zone map marks it in the colour its condition gives.
        const QImage trame(arbre.chemin("meca/schema_cinematique/trame.bmp"));
        for (const ZoneTest &z : ZonesTest) {
            const TColor marque = QColorVersCouleur(trame.pixelColor(z.graine));
            QCOMPARE(marque, z.classe == 0 ? clWhite : schema.schema.CouleurTrame[std::size_t(z.classe)]);
        }
    }

    // Writing again keeps what the teacher changed by hand, and takes what the workshop is given.
    void retouchesGardees()
    {
        const ArbreMecanismes arbre;
        MecanismeAtelier m = Exemple();
        QVERIFY(!EcrireMecanismeAtelier(m, arbre.dossier()).erreur);
        const auto retoucher = [&](const QString &relatif, const QString &section, const QString &cle,
                                   const QString &valeur) {
            FichierIni ini(arbre.chemin(relatif));
            ini.ecrireTexte(section, cle, valeur);
            QVERIFY(!ini.enregistrer());
        };
        retoucher("meca.sch", "MENU", "Auteur", "Mme Durand");
        retoucher("meca/coloriage_p/condition.inf", "MENU AIDE", "Erreur", "0");
        retoucher("meca/presentation/nomenclature.inf", "NOTES", "Source", "Catalogue 2019");
        arbre.ecrireTexte("meca/presentation/explication.htm", "<p>Écrite à la main</p>");
        arbre.ecrireOctets("meca/presentation/photo.jpg", "photo");

        m.nom = QStringLiteral("Serre-joint à vis");
        QVERIFY(!EcrireMecanismeAtelier(m, arbre.dossier()).erreur);
        const FichierIni descripteur(arbre.chemin("meca.sch"));
        QCOMPARE(descripteur.lireTexte("MENU", "Auteur"), QStringLiteral("Mme Durand"));
        QCOMPARE(descripteur.lireTexte("EXERCICE", "Nom"), m.nom);
        QCOMPARE(FichierIni(arbre.chemin("meca/coloriage_p/condition.inf")).lireTexte("MENU AIDE", "Erreur"),
                 QStringLiteral("0"));
        QCOMPARE(FichierIni(arbre.chemin("meca/presentation/nomenclature.inf")).lireTexte("NOTES", "Source"),
                 QStringLiteral("Catalogue 2019"));
        QVERIFY(Lire(arbre.chemin("meca/presentation/explication.htm")).contains("main"));
        QVERIFY(QFile::exists(arbre.chemin("meca/presentation/photo.jpg")));

        m.explication = QStringLiteral("<p>Un serre-joint maintient deux pièces pendant le collage.</p>");
        QVERIFY(!EcrireMecanismeAtelier(m, arbre.dossier()).erreur);
        QVERIFY(Lire(arbre.chemin("meca/presentation/explication.htm")).contains("pendant le collage"));
    }

    // Reopened, the mechanism is the one written: its parts and bubbles, the part of each zone, its classes,
    // its study and how its drawing was read; written again from what was read, its files say the same.
    void rouvertTelQuEcrit()
    {
        const ArbreMecanismes arbre;
        MecanismeAtelier m = Exemple();
        m.etudePlane = true;
        m.reglages = {140, 30, {250, false, 4, 60}};
        QVERIFY(!EcrireMecanismeAtelier(m, arbre.dossier()).erreur);
        const auto lu = LireMecanismeAtelier(arbre.chemin("meca.sch"));
        if (const QString *refus = std::get_if<QString>(&lu))
            QFAIL(qPrintable(*refus));
        const MecanismeAtelier &r = std::get<MecanismeAtelier>(lu);
        QCOMPARE(std::tie(r.souche, r.nom, r.difficulte, r.etudePlane),
                 std::tie(m.souche, m.nom, m.difficulte, m.etudePlane));
        const ReglagesZones &zr = r.reglages.zones, &zm = m.reglages.zones;
        QCOMPARE(std::tie(r.reglages.seuil, r.reglages.poussieres, zr.aireMin, zr.reunirHachures,
                          zr.epaisseurHachureMax, zr.ecartHachuresMax),
                 std::tie(m.reglages.seuil, m.reglages.poussieres, zm.aireMin, zm.reunirHachures,
                          zm.epaisseurHachureMax, zm.ecartHachuresMax));
        QCOMPARE(r.plan, m.plan);
        QCOMPARE(r.pieces.size(), m.pieces.size());
        for (std::size_t i = 0; i < m.pieces.size(); ++i) {
            const PieceAtelier &a = r.pieces[i];
            const PieceAtelier &b = m.pieces[i];
            QCOMPARE(std::tie(a.repere, a.nombre, a.designation, a.matiere, a.observation),
                     std::tie(b.repere, b.nombre, b.designation, b.matiere, b.observation));
            QVERIFY2((a.bulle - b.bulle).manhattanLength() <= 2, qPrintable(b.designation));
        }
        for (const ZoneTest &z : ZonesTest)
            QCOMPARE(r.pieceDeZone[std::size_t(r.zones.zone(z.graine.x(), z.graine.y()))], z.piece);
        QCOMPARE(r.classes.size(), m.classes.size());
        for (std::size_t n = 0; n < m.classes.size(); ++n)
            QCOMPARE(std::tie(r.classes[n].nom, r.classes[n].pieces), std::tie(m.classes[n].nom, m.classes[n].pieces));

        const QStringList fichiers{"meca/presentation/trame.bmp", "meca/coloriage_p/solution.inf",
                                   "meca/coloriage_ce/trame.bmp", "meca/graphe_des_liaisons/condition.inf"};
        std::vector<QByteArray> avant;
        for (const QString &f : fichiers)
            avant.push_back(Lire(arbre.chemin(f)).toLatin1());
        QVERIFY(!EcrireMecanismeAtelier(r, arbre.dossier()).erreur);
        for (qsizetype i = 0; i < fichiers.size(); ++i)
            QVERIFY2(Lire(arbre.chemin(fichiers[i])).toLatin1() == avant[std::size_t(i)], qPrintable(fichiers[i]));
    }

    // An exercise whose files the checker finds incomplete stays off, and the report says why; the
    // descriptor then offers nothing the checker would refuse.
    void exercicesIncompletsEteints_data()
    {
        QTest::addColumn<Changement>("changer");
        QTest::addColumn<QString>("exos");
        QTest::addColumn<QString>("dossierSignale");
        QTest::newRow("sans classes") << Changement([](MecanismeAtelier &m) { m.classes.clear(); }) << "11000"
                                      << "meca/graphe_des_liaisons/";
        QTest::newRow("bulle non placée")
            << Changement([](MecanismeAtelier &m) { m.pieces[2].bulle = QPoint(); }) << "01110"
            << "meca/presentation/";
        QTest::newRow("zone fusionnée, sans pixel") << Changement([](MecanismeAtelier &m) {
            m.zones.nombre += 1;
            m.pieceDeZone.push_back(2);
        }) << "11110"
                                                    << "meca/schema_cinematique/";
        QTest::newRow("pièce hors classe")
            << Changement([](MecanismeAtelier &m) { m.classes[0].pieces = {1}; }) << "11010"
            << "meca/coloriage_ce/";
    }
    void exercicesIncompletsEteints()
    {
        QFETCH(Changement, changer);
        QFETCH(QString, exos);
        QFETCH(QString, dossierSignale);
        const ArbreMecanismes arbre;
        MecanismeAtelier m = Exemple();
        changer(m);
        const EcritureAtelier ecrit = EcrireMecanismeAtelier(m, arbre.dossier());
        QVERIFY(!ecrit.erreur);
        QCOMPARE(Exos(ecrit.exercices), exos);
        const auto &constats = ecrit.rapport.constats();
        QVERIFY2(std::any_of(constats.begin(), constats.end(),
                             [&](const Constat &c) { return c.fichier.startsWith(dossierSignale); }),
                 qPrintable(ecrit.rapport.texte()));
        const RapportVerification offert = VerifierMecanisme(ecrit.descripteur);
        QVERIFY2(offert.nombreErreurs() == 0, qPrintable(offert.texte()));
    }

    // A name that is not one plain folder, or a mechanism whose pieces do not fit together, is refused
    // with its reason before anything is written, inside the folder or beside it.
    void refuseSansRienEcrire_data()
    {
        QTest::addColumn<Changement>("changer");
        QTest::addColumn<QString>("racine");
        QTest::addColumn<QString>("message");
        const QString dansTemporaire = QStringLiteral("<temporaire>/mecanismes");
        const auto souche = [](const char *nom) {
            return Changement([nom](MecanismeAtelier &m) { m.souche = QString::fromUtf8(nom); });
        };
        const QString nomRefuse = QStringLiteral("ne peut pas nommer le dossier d'un mécanisme");
        QTest::newRow("remonte") << souche("../evasion") << dansTemporaire << "« ../evasion » " + nomRefuse;
        QTest::newRow("deux dossiers") << souche("a/b") << dansTemporaire << "« a/b » " + nomRefuse;
        QTest::newRow("vide") << souche("") << dansTemporaire << "«  » " + nomRefuse;
        QTest::newRow("point point") << souche("..") << dansTemporaire << "« .. » " + nomRefuse;
        QTest::newRow("mode libre") << souche("SansMecanisme") << dansTemporaire << "« SansMecanisme » " + nomRefuse;
        QTest::newRow("ressources") << souche("ressource") << dansTemporaire << "« ressource » " + nomRefuse;
        QTest::newRow("zones d'un autre dessin")
            << Changement([](MecanismeAtelier &m) { m.zones.taille = QSize(100, 100); }) << dansTemporaire
            << QStringLiteral("Les zones ont été trouvées sur un dessin de 100 × 100 pixels, mais le dessin en mesure "
                              "240 × 160 : recommencez l'analyse du dessin.");
        QTest::newRow("étiquette hors compte")
            << Changement([](MecanismeAtelier &m) { m.zones.nombre = 3; }) << dansTemporaire
            << QStringLiteral("Le dessin porte le numéro de zone 5, hors de 0 à 3.");
        QTest::newRow("pièce inconnue d'une classe")
            << Changement([](MecanismeAtelier &m) {
                   m.classes[1].pieces = {2, 7};
               })
            << dansTemporaire
            << QStringLiteral("La classe d'équivalence « Coulisseau » réunit la pièce 7, absente de la nomenclature.");
        QTest::newRow("pièce dans deux classes")
            << Changement([](MecanismeAtelier &m) {
                   m.classes[1].pieces = {2, 3};
               })
            << dansTemporaire
            << QStringLiteral("La pièce 3 est dans deux classes d'équivalence : « Bâti » et « Coulisseau ».");
        QTest::newRow("dossier vide")
            << Changement([](MecanismeAtelier &) {}) << QString()
            << QStringLiteral("«  » n'est pas un dossier de mécanismes : il faut le chemin complet d'un dossier.");
        QTest::newRow("dossier relatif") << Changement([](MecanismeAtelier &) {}) << "mecanismes"
                                         << QStringLiteral("« mecanismes » n'est pas un dossier de mécanismes : il "
                                                           "faut le chemin complet d'un dossier.");
    }
    void refuseSansRienEcrire()
    {
        QFETCH(Changement, changer);
        QFETCH(QString, racine);
        QFETCH(QString, message);
        QTemporaryDir dossier;
        MecanismeAtelier m = Exemple();
        changer(m);
        const EcritureAtelier ecrit =
            EcrireMecanismeAtelier(m, racine.replace(QStringLiteral("<temporaire>"), dossier.path()));
        QVERIFY(ecrit.erreur);
        QVERIFY2(ecrit.erreur->startsWith(message), qPrintable(*ecrit.erreur));
        QCOMPARE(QDir(dossier.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), {});
    }

    // A folder of mechanisms that cannot be written: the first folder that could not be made is named, and
    // nothing is left in it.
    void dossierNonInscriptible()
    {
        QTemporaryDir dossier;
        const QString racine = dossier.filePath("mecanismes");
        QVERIFY(QDir().mkpath(racine));
        OuvrirAuxAutres(dossier.path());
        const int code = ExecuterSansRoot([&racine] {
            const EcritureAtelier ecrit = EcrireMecanismeAtelier(Exemple(), racine);
            if (!ecrit.erreur)
                return 1;
            return *ecrit.erreur == "Impossible de créer le dossier \"" + racine + "/meca/presentation\"." ? 0 : 2;
        });
        QCOMPARE(code, 0);
        QCOMPARE(QDir(racine).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), {});
    }
};

VELKORA_TEST(TestEcritureMecanisme)
#include "TestEcritureMecanisme.moc"

#include "MecanismeSchema.h"
#include "diagram/ImageSchema.h"
#include "shell/TFormPrincipale.h"
#include "support/Enregistrement.h"
#include "support/Factices.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

// Opening a diagram exercise: each refusal with its text and what it leaves, what the files say,
// and the window's controls as a screen reader names them.
class TestOuvertureSchema : public QObject {
    Q_OBJECT

    enum Panne {
        DescripteurAbsent,
        Extension,
        SansAcces,
        CorrectionAbsente,
        NonProjetee,
        ConditionAbsente,
        ClasseInconnue,
        TrameIllisible,
        TaillesDifferentes,
        CouleurInvalide
    };

    static QString Suite() { return QStringLiteral("\n\nImpossible d'ouvrir le schéma cinématique de ce mécanisme."); }

private slots:
    void init() { dialoguesFactices().oublier(); }

    void premiereOuverture()
    {
        ArbreMecanismes arbre;
        const QString descripteur = EcrireSchema(arbre, "meca", SchemaDeuxClasses());
        FenetreSchema f;
        f.fenetre.OuvrirSCH(descripteur);
        f.fenetre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.fenetre));
        QCOMPARE(dialoguesFactices().textes(), QStringList());
        QCOMPARE(f.fenetre.windowTitle(), QStringLiteral("Schéma Cinématique – meca[*]"));
        QVERIFY(!f.fenetre.isWindowModified());
        QVERIFY(f.boutonCe(1)->isVisible() && f.boutonCe(2)->isVisible() && !f.boutonCe(3)->isVisible());
        QVERIFY(f.boutonCe(1)->isChecked());
        QVERIFY(f.menuPdf->isVisible());
        // The frame symbol and the joint stand along the top, in record order.
        QVERIFY(f.symbole(0)->isVisible() && f.symbole(1)->isVisible() && !f.symbole(2)->isVisible());
        QCOMPARE(f.symbole(0)->geometry(), QRect(0, 0, 30, 30));
        QCOMPARE(f.symbole(1)->geometry(), QRect(30, 0, 30, 30));
        QVERIFY(!f.selection->isVisible());
        // The drawing background, centred in the drawing area.
        const QSize vue = f.defilement->viewport()->size();
        QCOMPARE(f.fond->geometry(), QRect(QPoint((vue.width() - 300) / 2, (vue.height() - 200) / 2), QSize(300, 200)));
        QCOMPARE(f.affichage().pixelColor(PixelsSchema::ZoneCe1), QColor(Qt::red));
        QCOMPARE(f.affichage().pixelColor(PixelsSchema::ZoneCe2), QColor(Qt::blue));
        QCOMPARE(f.affichage().pixelColor(PixelsSchema::Trait), QColor(Qt::black));
        QCOMPARE(f.affichage().pixelColor(PixelsSchema::Fond), Surface());

        f.menuPdf->trigger();
        QCOMPARE(bureauFactice().documents.back().chemin, arbre.chemin("meca/schema_cinematique/plan.pdf"));
        QVERIFY(bureauFactice().documents.back().etat == EtatFenetre::Maximisee);
        dialoguesFactices().oublier();
        arbre.ecrireOctets("meca/schema_cinematique/plan.pdf", "%PDF");
        bureauFactice().sansProgramme = true;
        f.menuPdf->trigger();
        bureauFactice().sansProgramme = false;
        QCOMPARE(dialoguesFactices().textes(),
                 QStringList{"Ce bureau n'a aucun programme pour ouvrir le fichier \"plan.pdf\"."});
    }

    // A shaft on two bearings: both joints between the same two classes are offered, each in its own
    // colours (the second names class 2 first).
    void liaisonsEnParallele()
    {
        ArbreMecanismes arbre;
        SchemaTest schema = SchemaDeuxClasses();
        schema.liaisons = {LiaisonTest{1, 2, 1, 1}, LiaisonTest{2, 1, 4, 1}};
        FenetreSchema f;
        f.fenetre.OuvrirSCH(EcrireSchema(arbre, "meca", schema));
        f.fenetre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.fenetre));
        QCOMPARE(dialoguesFactices().textes(), QStringList());
        QVERIFY(f.symbole(1)->isVisible() && f.symbole(2)->isVisible() && !f.symbole(3)->isVisible());
        QCOMPARE(f.symbole(2)->geometry(), QRect(60, 0, 30, 30));
        QCOMPARE(f.symbole(1)->pixmap().toImage().pixelColor(5, 15), QColor(Qt::red));
        QCOMPARE(f.symbole(2)->pixmap().toImage().pixelColor(5, 15), QColor(Qt::blue));
    }

    // Resizing the window centres the drawing again: a symbol placed on it keeps its place on the
    // drawing, even where the small window cannot show it; the symbols of the row stay in the row.
    void symbolesSuiventLeDessin()
    {
        ArbreMecanismes arbre;
        FenetreSchema f;
        f.fenetre.OuvrirSCH(EcrireSchema(arbre, "meca", SchemaDeuxClasses()));
        f.fenetre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.fenetre));
        const QPoint surDessin(250, 120);
        f.glisser(1, f.fond->pos() + surDessin);
        QCOMPARE(f.symbole(1)->pos(), f.fond->pos() + surDessin);
        for (const int largeur : {260, 900}) {
            f.fenetre.resize(largeur, largeur);
            QTRY_COMPARE(f.defilement->viewport()->width() < 300, largeur < 300);
            QCOMPARE(f.fond->pos().isNull(), largeur < 300);
            QCOMPARE(f.symbole(1)->pos(), f.fond->pos() + surDessin);
            QCOMPARE(f.symbole(0)->pos(), QPoint(0, 0));
        }
        f.menuAnnuler->trigger(); // back in the row
        QCOMPARE(f.symbole(1)->pos(), QPoint(30, 0));
        f.menuRetablir->trigger();
        QCOMPARE(f.symbole(1)->pos(), f.fond->pos() + surDessin);
    }

    void refus_data()
    {
        QTest::addColumn<int>("panne");
        QTest::addColumn<QString>("attendu");
        QTest::addColumn<bool>("vide");
        QTest::newRow("descripteur absent")
            << int(DescripteurAbsent) << "Impossible d'ouvrir le fichier \"neuf.sch\"." << false;
        QTest::newRow("extension") << int(Extension) << "Vous avez ouvert un fichier qui n'a pas l'extension attendue."
                                   << false;
        QTest::newRow("Exo5 à 0") << int(SansAcces) << "Vous n'avez pas accès à cet exercice de ce mécanisme." << false;
        QTest::newRow("correction.gdl absent")
            << int(CorrectionAbsente) << "Le fichier \"correction.gdl\" est manquant." + Suite() << false;
        QTest::newRow("liaison non projetée")
            << int(NonProjetee) << "Vous avez au moins une de vos liaisons non projectée dans le plan." << true;
        QTest::newRow("condition.inf absent")
            << int(ConditionAbsente) << "Le mécanisme de l'exercice n'est pas installé." << true;
        QTest::newRow("classe hors du graphe")
            << int(ClasseInconnue)
            << "La liaison 2 du fichier \"correction.gdl\" désigne la classe d'équivalence 12, qui n'existe pas."
            << true;
        QTest::newRow("trame illisible") << int(TrameIllisible)
                                         << "Le fichier \"trame.bmp\" n'est pas une image lisible." + Suite() << true;
        QTest::newRow("tailles différentes")
            << int(TaillesDifferentes)
            << "Le fichier \"trame.bmp\" mesure 300 × 200 pixels et le fichier \"plan.bmp\" 300 × 201 pixels : "
               "ils doivent avoir la même taille." +
                   Suite()
            << true;
        QTest::newRow("couleur de trame")
            << int(CouleurInvalide)
            << "''vert'' n'est pas une valeur entière valide.\n\nC'est la couleur de la clé \"ce2\" de la section "
               "[TRAME] du fichier \"condition.inf\"."
            << true;
    }
    // A refusal before the graph is read leaves the first diagram as it was; one after leaves the
    // window empty.
    void refus()
    {
        QFETCH(int, panne);
        QFETCH(QString, attendu);
        QFETCH(bool, vide);
        ArbreMecanismes arbre;
        FenetreSchema f;
        f.fenetre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.fenetre));
        f.fenetre.OuvrirSCH(EcrireSchema(arbre, "ancien", SchemaDeuxClasses()));
        f.tracer(f.spline, {QPoint(30, 150), QPoint(80, 150)});
        QCOMPARE(f.affichage().pixelColor(50, 150), QColor(Qt::red));

        SchemaTest neuf = SchemaDeuxClasses();
        neuf.couleursCe = {"clGreen", "clYellow", "clAqua"};
        neuf.liaisons = {LiaisonTest{}, LiaisonTest{1, 3, 2, 2, 0}};
        neuf.condition = "[TRAME]\r\nType=2\r\n";
        if (panne == NonProjetee)
            neuf.liaisons[0].liaison2D = 0;
        if (panne == ClasseInconnue)
            neuf.liaisons[1].ce2 = 12;
        if (panne == TrameIllisible || panne == TaillesDifferentes || panne == CouleurInvalide)
            neuf.condition = "[TRAME]\r\nType=1\r\nce2=vert\r\n";
        if (panne == TaillesDifferentes || panne == TrameIllisible)
            neuf.condition.replace("vert", "clWhite");
        if (panne == TaillesDifferentes)
            neuf.plan = ImageUnie(300, 201, Qt::white);
        DescripteurTest descripteur;
        if (panne == SansAcces)
            descripteur.exercices[4] = 0;
        QString chemin = EcrireSchema(arbre, "neuf", neuf, descripteur);
        if (panne == DescripteurAbsent)
            QFile::remove(chemin);
        if (panne == Extension) {
            QVERIFY(QFile::rename(chemin, arbre.chemin("neuf.txt")));
            chemin = arbre.chemin("neuf.txt");
        }
        if (panne == CorrectionAbsente)
            QFile::remove(arbre.chemin("neuf/schema_cinematique/correction.gdl"));
        if (panne == ConditionAbsente)
            QFile::remove(arbre.chemin("neuf/schema_cinematique/condition.inf"));
        if (panne == TrameIllisible) // cut short: Qt alone would show it with grey rows
            TronquerFichier(arbre.chemin("neuf/schema_cinematique/trame.bmp"));
        dialoguesFactices().oublier();
        f.fenetre.OuvrirSCH(chemin);

        QCOMPARE(dialoguesFactices().textes(), QStringList{attendu});
        QCOMPARE(f.fenetre.windowTitle(),
                 vide ? QStringLiteral("Schéma Cinématique[*]") : QStringLiteral("Schéma Cinématique – ancien[*]"));
        if (vide) {
            for (int n = 1; n <= 9; ++n)
                QVERIFY(!f.boutonCe(n)->isVisible());
            for (int k = 0; k <= 20; ++k)
                QVERIFY(!f.symbole(k)->isVisible());
            QVERIFY(!f.fond->isVisible());
            QVERIFY(!f.menuPdf->isVisible());
            QVERIFY(!f.menuAnnuler->isEnabled());
        } else {
            QVERIFY(f.boutonCe(2)->isVisible() && !f.boutonCe(3)->isVisible());
            QVERIFY(f.symbole(1)->isVisible() && !f.symbole(2)->isVisible());
            QVERIFY(f.fond->isVisible());
            QCOMPARE(f.fond->size(), QSize(300, 200));
            QCOMPARE(f.affichage().pixelColor(50, 150), QColor(Qt::red));
            QVERIFY(f.menuPdf->isVisible());
            QVERIFY(f.menuAnnuler->isEnabled());
        }
        // An emptied window has nothing to save and writes nothing; the diagram left open saves.
        QTemporaryDir documents;
        const QString sortie = documents.filePath("schema.bmp");
        dialoguesFactices().oublier();
        dialoguesFactices().fichiersAEnregistrer = {sortie};
        dialoguesFactices().reponsesQuestion = {true};
        f.menuEnregistrer->trigger();
        QCOMPARE(QFile::exists(sortie), !vide);
        QCOMPARE(dialoguesFactices().textes(),
                 vide ? QStringList{"Aucun schéma cinématique n'est ouvert : il n'y a rien à enregistrer."}
                      : QStringList());
    }

    // A second graph replaces the first whole, and one saved anywhere finds its mechanism by name.
    void ouvrirParLeMenu()
    {
        ArbreMecanismes arbre;
        FenetreSchema f;
        f.fenetre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.fenetre));
        f.fenetre.OuvrirSCH(EcrireSchema(arbre, "ancien", SchemaDeuxClasses()));
        f.tracer(f.spline, {QPoint(30, 150), QPoint(80, 150)});

        SchemaTest neuf = SchemaDeuxClasses();
        neuf.couleursCe = {"clGreen", "clYellow", "clAqua"};
        neuf.batis = {};
        neuf.liaisons = {LiaisonTest{}, LiaisonTest{1, 3, 2, 2, 0}};
        neuf.condition = "[TRAME]\r\nType=2\r\n";
        EcrireSchema(arbre, "neuf", neuf);
        const QString ailleurs = arbre.ecrireTexte("documents/MON GRAPHE.GDL", TexteGdl("neuf", neuf));
        dialoguesFactices().fichiersAOuvrir = {ailleurs};
        dialoguesFactices().reponsesEnregistrement = {ReponseEnregistrement::NePasEnregistrer};
        f.menuOuvrir->trigger();
        QCOMPARE(dialoguesFactices().dernierTitre, QStringLiteral("Ouvrir un graphe des liaisons ou un mécanisme"));
        QCOMPARE(dialoguesFactices().dernierDossierInitial, arbre.dossier());
        QCOMPARE(dialoguesFactices().dernierFiltreChoisi, 3);
        QCOMPARE(dialoguesFactices().dernierFiltre,
                 "Graphe de liaisons (*.gdl)|*.gdl|Velkora (*.sch)|*.sch|Tous (*.gdl et *.sch)|*.gdl; *.sch;");
        QCOMPARE(dialoguesFactices().textes(), QStringList());
        QVERIFY(f.boutonCe(3)->isVisible());
        QVERIFY(!f.symbole(0)->isVisible()); // no frame class
        QVERIFY(f.symbole(2)->isVisible());
        QVERIFY(!f.menuPdf->isVisible());
        QCOMPARE(f.fond->pos(), QPoint(0, 0));
        QCOMPARE(f.fond->size(), f.defilement->viewport()->size());
        QCOMPARE(f.affichage().pixelColor(50, 150), Surface()); // the strokes went with the old diagram
        QCOMPARE(f.affichage().pixelColor(51, 156), QColor(128, 128, 128));
        QVERIFY(!f.menuAnnuler->isEnabled());

        // Any other extension does nothing.
        const QString texte = arbre.ecrireTexte("documents/notes.txt", TexteGdl("ancien", SchemaDeuxClasses()));
        dialoguesFactices().fichiersAOuvrir = {texte};
        f.menuOuvrir->trigger();
        QCOMPARE(dialoguesFactices().textes(), QStringList());
        QVERIFY(f.boutonCe(3)->isVisible());
    }

    // The drawing background from a condition.inf that leaves keys out; a Type other than 1 or 2.
    void conditionIncomplete()
    {
        ArbreMecanismes arbre;
        SchemaTest s = SchemaDeuxClasses();
        s.condition = "[TRAME]\r\nType=1\r\nce1=clLime\r\n";
        FenetreSchema f;
        f.fenetre.OuvrirSCH(EcrireSchema(arbre, "meca", s));
        f.fenetre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.fenetre));
        // Transparence -100 fades everything to white, the ground: the background shows blank.
        for (const QPoint p : {PixelsSchema::ZoneCe1, PixelsSchema::ZoneCe2, PixelsSchema::Trait, PixelsSchema::Fond})
            QCOMPARE(f.affichage().pixelColor(p), Surface());
        QVERIFY(!f.menuPdf->isVisible());

        s.condition = "[TRAME]\r\nType=3\r\n";
        f.fenetre.OuvrirSCH(EcrireSchema(arbre, "autre", s));
        QVERIFY(!f.fond->isVisible());
        QVERIFY(f.symbole(1)->isVisible());
        QCOMPARE(dialoguesFactices().textes(), QStringList());
    }

    // Without "ce2" the marking colour of class 2 is white: the ground of the trame takes its colour.
    void classeSansMarque()
    {
        ArbreMecanismes arbre;
        SchemaTest s = SchemaDeuxClasses();
        s.condition = "[TRAME]\r\nType=1\r\nTransparence=0\r\nce1=clLime\r\n";
        FenetreSchema f;
        f.fenetre.OuvrirSCH(EcrireSchema(arbre, "meca", s));
        f.fenetre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.fenetre));
        QCOMPARE(f.affichage().pixelColor(PixelsSchema::ZoneCe1), QColor(Qt::red));
        QCOMPARE(f.affichage().pixelColor(PixelsSchema::ZoneCe2), QColor(255, 255, 0));
        QCOMPARE(f.affichage().pixelColor(PixelsSchema::Trait), QColor(Qt::black));
        // The bottom-left pixel is now blue: that colour is the ground and becomes the surface.
        QCOMPARE(f.affichage().pixelColor(PixelsSchema::Fond), Surface());
    }

    void classeSansCouleur_data()
    {
        QTest::addColumn<QString>("couleur");
        QTest::addColumn<bool>("sansCouleur");
        QTest::newRow("blanche, comme le graphe laisse une classe") << "clWhite" << true;
        QTest::newRow("couleur de la surface") << "clBtnFace" << true;
        QTest::newRow("rouge") << "clRed" << false;
    }
    // A class the graph left without a colour still shows its button: outlined, and saying why.
    void classeSansCouleur()
    {
        QFETCH(QString, couleur);
        QFETCH(bool, sansCouleur);
        ArbreMecanismes arbre;
        SchemaTest s = SchemaDeuxClasses();
        s.couleursCe[0] = couleur;
        FenetreSchema f;
        f.fenetre.OuvrirSCH(EcrireSchema(arbre, "meca", s));
        // At 100 % and, drawn with twice the pixels, at 200 %.
        for (const int ratio : {1, 2}) {
            const QImage glyphe = f.boutonCe(1)->icon().pixmap(QSize(20, 20), ratio).toImage();
            QCOMPARE(glyphe.size(), QSize(20, 20) * ratio);
            for (const QPoint bord : {QPoint(10 * ratio, 0), QPoint(20 * ratio - 1, 10 * ratio)}) {
                const QColor couleurBord = glyphe.pixelColor(bord);
                QCOMPARE(couleurBord.alpha(), 255);
                QCOMPARE(couleurBord, sansCouleur ? QColor(64, 64, 64) : QColor(Qt::red));
            }
        }
        QCOMPARE(f.boutonCe(1)->toolTip().contains("n'a pas de couleur dans le graphe des liaisons"), sansCouleur);
        QCOMPARE(f.boutonCe(2)->toolTip(), QStringLiteral("Classe 2"));
    }

    // The main window's item opens the diagram of the chosen stem, shown whatever the opening said.
    void depuisLaFenetrePrincipale()
    {
        ArbreMecanismes arbre;
        EcrireSchema(arbre, "bride_v2", SchemaDeuxClasses(),
                     {.nom = "Bride hydraulique", .exercices = {0, 0, 0, 0, 1}});
        TFormPrincipale principale(24);
        QStringList titres;
        bool classesMontrees = false;
        principale.DefinirAffichageModal([&](QWidget &fenetre) {
            titres << fenetre.windowTitle();
            classesMontrees = !fenetre.findChild<QWidget *>("BoutonCe2")->isHidden();
        });
        principale.findChild<QMenu *>("MenuFacile")->actions().first()->trigger();
        principale.findChild<QAction *>("MenuSchema")->trigger();
        QCOMPARE(titres, QStringList{QStringLiteral("Schéma Cinématique – Bride hydraulique[*]")});
        QVERIFY(classesMontrees);
        QCOMPARE(dialoguesFactices().textes(), QStringList());
        QVERIFY(principale.findChildren<QMainWindow *>().isEmpty());
    }

    void nomsAccessibles()
    {
        FenetreSchema f;
        QCOMPARE(f.trait->accessibleName(), QStringLiteral("Trait droit"));
        QCOMPARE(f.spline->accessibleName(), QStringLiteral("Trait à main levée"));
        QCOMPARE(f.gomme->accessibleName(), QStringLiteral("Gomme"));
        QCOMPARE(f.effacer->accessibleName(), QStringLiteral("Tout effacer"));
        for (int n = 1; n <= 9; ++n)
            QCOMPARE(f.boutonCe(n)->accessibleName(), QStringLiteral("Classe %1").arg(n));
        // Each control is named, and no two alike, so that a screen reader tells them apart.
        QMap<QString, QString> noms;
        for (QWidget *controle : f.fenetre.findChildren<QWidget *>()) {
            const QString nom = controle->accessibleName();
            if (nom.isEmpty())
                continue;
            QVERIFY2(!noms.contains(nom), qPrintable(nom + " : " + noms.value(nom) + ", " + controle->objectName()));
            noms.insert(nom, controle->objectName());
        }
        QVERIFY(!f.fond->accessibleName().isEmpty());
        QVERIFY(!f.defilement->accessibleName().isEmpty());
        QVERIFY(!f.symbole(0)->accessibleName().isEmpty());
        for (QAction *action : f.fenetre.findChildren<QAction *>()) {
            if (!action->isSeparator() && action->objectName().startsWith("Menu"))
                QVERIFY2(!action->text().isEmpty(), qPrintable(action->objectName()));
        }
    }
};

VELKORA_TEST(TestOuvertureSchema)
#include "TestOuvertureSchema.moc"

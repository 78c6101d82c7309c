#include "common/Couleur.h"
#include "common/Entier.h"
#include "support/Enregistrement.h"

#include <QtTest>

class TestEntierCouleur : public QObject {
    Q_OBJECT
private slots:
    void entiers_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<bool>("valide");
        QTest::addColumn<int>("valeur");
        QTest::newRow("decimal") << "42" << true << 42;
        QTest::newRow("negatif") << "-7" << true << -7;
        QTest::newRow("plus") << "+7" << true << 7;
        QTest::newRow("blancs devant") << "  12" << true << 12;
        QTest::newRow("dollar") << "$1F" << true << 31;
        QTest::newRow("dollar minuscules") << "$1f" << true << 31;
        QTest::newRow("0x minuscules") << "0xff" << true << 255;
        QTest::newRow("0x") << "0x1" << true << 1;
        QTest::newRow("0X") << "0X10" << true << 16;
        QTest::newRow("hex huit chiffres") << "$FFFFFFFF" << true << -1;
        QTest::newRow("hex trop long") << "$1FFFFFFFF" << false << 0;
        QTest::newRow("max") << "2147483647" << true << 2147483647;
        QTest::newRow("min") << "-2147483648" << true << int(-2147483648LL);
        QTest::newRow("debordement") << "2147483648" << false << 0;
        QTest::newRow("mot") << "oui" << false << 0;
        QTest::newRow("vide") << "" << false << 0;
        QTest::newRow("signe seul") << "-" << false << 0;
        QTest::newRow("dollar seul") << "$" << false << 0;
        QTest::newRow("suite") << "12a" << false << 0;
        QTest::newRow("decimal avec point") << "1.5" << false << 0;
    }
    void entiers()
    {
        QFETCH(QString, texte);
        QFETCH(bool, valide);
        QFETCH(int, valeur);
        const auto lu = LireEntierTexte(texte);
        QCOMPARE(lu.has_value(), valide);
        if (valide)
            QCOMPARE(*lu, valeur);
    }

    void texteVersCouleur_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<quint32>("couleur");
        QTest::newRow("nom") << "clRed" << quint32(0x000000FF);
        QTest::newRow("capitales") << "CLRED" << quint32(0x000000FF);
        QTest::newRow("ClWhite") << "ClWhite" << quint32(0x00FFFFFF);
        QTest::newRow("dollar") << "$000000FF" << quint32(0x000000FF);
        QTest::newRow("dollar minuscules") << "$00ff8000" << quint32(0x00FF8000);
        QTest::newRow("0x") << "0x000000FF" << quint32(0x000000FF);
        QTest::newRow("decimal") << "255" << quint32(0x000000FF);
        QTest::newRow("bureau") << "clBtnFace" << quint32(0xFF00000F);
        QTest::newRow("bureau en hexa") << "$FF00000F" << quint32(0xFF00000F);
        QTest::newRow("aucune") << "clNone" << quint32(0x1FFFFFFF);
        QTest::newRow("defaut") << "clDefault" << quint32(0x20000000);
        QTest::newRow("skyblue") << "clskyblue" << quint32(0x00F0CAA6);
        QTest::newRow("3D") << "cl3DDkShadow" << quint32(0xFF000015);
    }
    void texteVersCouleur()
    {
        QFETCH(QString, texte);
        QFETCH(quint32, couleur);
        const ConversionCouleur c = TexteVersCouleur(texte);
        QVERIFY(c.couleur.has_value());
        QCOMPARE(*c.couleur, couleur);
        QVERIFY(c.erreur.isEmpty());
    }

    // The sixteen colours every desktop names alike, checked against Qt's own names: a swap in our table shows.
    void nomsDesSeizeCouleurs()
    {
        for (const char *nom : {"black", "maroon", "green", "olive", "navy", "purple", "teal", "gray", "silver", "red",
                                "lime", "yellow", "blue", "fuchsia", "aqua", "white"}) {
            const ConversionCouleur lue = TexteVersCouleur(QStringLiteral("cl") + QLatin1String(nom));
            QVERIFY2(lue.couleur.has_value(), nom);
            QCOMPARE(CouleurVersQColor(*lue.couleur), QColor(QLatin1String(nom)));
            QCOMPARE(CouleurVersTexte(*lue.couleur).toLower(), QStringLiteral("cl") + QLatin1String(nom));
        }
    }

    void couleurInvalide()
    {
        const ConversionCouleur c = TexteVersCouleur(QStringLiteral("rouge"));
        QVERIFY(!c.couleur);
        QCOMPARE(c.erreur, QStringLiteral("''rouge'' n'est pas une valeur entière valide."));
    }

    void couleurVersTexte_data()
    {
        QTest::addColumn<quint32>("couleur");
        QTest::addColumn<QString>("texte");
        QTest::newRow("sans nom") << quint32(0x00FF8000) << "$00FF8000";
        QTest::newRow("rouge") << quint32(0x000000FF) << "clRed";
        QTest::newRow("argent") << quint32(0x00C0C0C0) << "clSilver";
        QTest::newRow("bureau") << quint32(0xFF00000F) << "clBtnFace";
        QTest::newRow("petite") << quint32(0x00000A0B) << "$00000A0B";
    }
    void couleurVersTexte()
    {
        QFETCH(quint32, couleur);
        QFETCH(QString, texte);
        QCOMPARE(CouleurVersTexte(couleur), texte);
        QCOMPARE(*TexteVersCouleur(texte).couleur, couleur);
    }

    void rvbDesCouleurs()
    {
        QCOMPARE(CouleurVersRvb(0x00FF8000), (Rvb{0x00, 0x80, 0xFF}));
        const QColor face = QGuiApplication::palette().color(QPalette::Button);
        QCOMPARE(CouleurVersQColor(clBtnFace), QColor(face.red(), face.green(), face.blue()));
        QCOMPARE(QColorVersCouleur(QColor(1, 2, 3)), TColor(0x00030201));
    }
};

VELKORA_TEST(TestEntierCouleur)
#include "TestEntierCouleur.moc"

#include "support/MecanismeComplet.h"

#include <QPainter>

QImage TrameComplete()
{
    QImage trame = ImageUnie(40, 30, Qt::white);
    QPainter peintre(&trame);
    peintre.fillRect(2, 2, 10, 20, CouleurZone1);
    peintre.fillRect(14, 2, 10, 20, CouleurZone2);
    peintre.fillRect(26, 2, 10, 20, CouleurZone3);
    peintre.fillRect(0, 25, 40, 2, Qt::black);
    return trame;
}

QString EcrireMecanismeComplet(const RacineMecanismes &arbre, const QString &radical)
{
    const QImage trame = TrameComplete();
    const QImage plan = ImageAvecRectangle(40, 30, Qt::white, {0, 25, 40, 2}, Qt::black);
    auto dossier = [&](const QString &nom) { return radical + u'/' + nom + u'/'; };
    auto images = [&](const QString &d) {
        arbre.ecrireBmp(d + QStringLiteral("trame.bmp"), trame);
        arbre.ecrireBmp(d + QStringLiteral("plan.bmp"), plan);
    };

    const QString presentation = dossier(QStringLiteral("presentation"));
    QImage reperes = trame; // one label a part: the middle zone is no part's
    QPainter(&reperes).fillRect(14, 2, 10, 20, Qt::white);
    arbre.ecrireBmp(presentation + QStringLiteral("trame.bmp"), reperes);
    arbre.ecrireBmp(presentation + QStringLiteral("plan.bmp"), plan);
    arbre.ecrireTexte(presentation + QStringLiteral("condition.inf"),
                      QStringLiteral("[NOMBRE DE PIECES]\nCombien=2\n[COULEUR]\nPiece1=clRed\nPiece2=clBlue\n"
                                     "[IMPRIMER]\nVisible=0\n"));
    arbre.ecrireTexte(presentation + QStringLiteral("nomenclature.inf"),
                      QStringLiteral("[PIECE1]\nRepere=1\nDesignation=Corps\n[PIECE2]\nRepere=2\nDesignation=Vis\n"));
    arbre.ecrireTexte(presentation + QStringLiteral("explication.htm"), QStringLiteral("<html><p>Étau</p></html>"));

    for (const QString &mode : {QStringLiteral("p"), QStringLiteral("ce")}) {
        const QString coloriage = dossier(QStringLiteral("coloriage_") + mode);
        images(coloriage);
        arbre.ecrireTexte(coloriage + QStringLiteral("condition.inf"),
                          QStringLiteral("[NOMBRE DE ZONES]\nCombien=3\n[NOMBRE DE COULEURS]\nCombien=2\n"
                                         "[COULEUR]\nZone1=clRed\nZone2=clLime\nZone3=clBlue\n"
                                         "[IMPRIMER]\nVisible=0\n[MENU AIDE]\nErreur=-1\n"));
        arbre.ecrireTexte(coloriage + QStringLiteral("solution.inf"),
                          QStringLiteral("[SOLUTIONS]\nSolution1=110\nSolution2=001\n"));
    }

    const QString graphe = dossier(QStringLiteral("graphe_des_liaisons"));
    arbre.ecrireTexte(graphe + QStringLiteral("condition.inf"),
                      QStringLiteral("[NOMBRE DE CLASSES D EQUIVALENCE]\nCombien=2\n[IMPRIMER]\nVisible=0\n"));
    for (int n = 1; n <= 2; ++n)
        arbre.ecrireBmp(graphe + QStringLiteral("%1.bmp").arg(n), ImageUnie(30, 20, Qt::gray));

    const QString schema = dossier(QStringLiteral("schema_cinematique"));
    images(schema);
    arbre.ecrireTexte(schema + QStringLiteral("condition.inf"),
                      QStringLiteral("[IMPRIMER]\nVisible=0\n[TRAME]\nType=1\nTransparence=-50\nce1=clRed\n"
                                     "ce2=clBlue\n"));
    arbre.ecrireTexte(schema + QStringLiteral("correction.gdl"),
                      QStringLiteral("[MECANISME]\nMecanisme=%1\nNbrCe=2\nNbrLiaison=1\n"
                                     "[Ce1]\nCouleur=clRed\nBati=1\n[Ce2]\nCouleur=clBlue\nBati=0\n"
                                     "[Liaison1]\nCe1=1\nCe2=2\nLiaison3D=2\nLiaison2D=1\nInclineaison=0\n")
                          .arg(radical));
    return arbre.ecrireDescripteur(radical, DescripteurTest{});
}

#include "diagram/PanneauOutils.h"

#include "diagram/GlyphesSchema.h"

#include <QToolButton>

QToolButton *BoutonPanneau(QWidget *panneau, const QString &nomObjet, const QString &texte, int gauche)
{
    constexpr int HautBouton = 8;
    auto *bouton = new QToolButton(panneau);
    bouton->setObjectName(nomObjet);
    bouton->setAccessibleName(texte);
    bouton->setToolTip(texte);
    bouton->setCheckable(true);
    bouton->setAutoRaise(true);
    bouton->setGeometry(gauche, HautBouton, CoteBoutonPanneau, CoteBoutonPanneau);
    bouton->setIconSize(QSize(CoteGlypheOutil, CoteGlypheOutil));
    return bouton;
}

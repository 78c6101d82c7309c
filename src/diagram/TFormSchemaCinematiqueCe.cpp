// The class palette: one button per equivalence class, showing its colour and giving it to the pen.
#include "diagram/TFormSchemaCinematique.h"

#include "common/DossierProgramme.h"
#include "common/Pixels24Bits.h"
#include "common/TrouverChemin.h"
#include "diagram/GlyphesSchema.h"
#include "diagram/PanneauOutils.h"
#include "diagram/SymboleSchema.h"

#include <QPainter>
#include <QToolButton>

namespace {
const QString CheminGlypheVide = QStringLiteral("ressource/SchemaCinematique/vide.bmp");
const QString NomBoutonCe = QStringLiteral("Classe %1");
const QString BulleSansCouleur =
    QStringLiteral("Classe %1 : cette classe n'a pas de couleur dans le graphe des liaisons.");
const QColor ContourSansCouleur(64, 64, 64);

// A class the graph left without a colour is white there; one in the surface colour draws nothing
// either. Neither shows on its button without an outline.
bool SansCouleur(TColor couleur)
{
    const Rvb rvb = CouleurVersRvb(couleur);
    return rvb == Rvb{255, 255, 255} || rvb == CouleurVersRvb(clBtnFace);
}
} // namespace

void TFormSchemaCinematique::CeCreation()
{
    GlypheVide = QImage(TrouverChemin(DossierProgramme() + CheminGlypheVide));
    if (GlypheVide.isNull()) {
        // Without its picture the button still shows its class colour.
        GlypheVide = QImage(CoteGlypheOutil, CoteGlypheOutil, QImage::Format_RGB888);
        GlypheVide.fill(Qt::white);
    }
    GlypheVide = fpti::En24Bits(GlypheVide);
    const QIcon vide(QPixmap::fromImage(AvecTransparence(GlypheVide)));
    for (int n = 1; n <= NbrCeMax; ++n) {
        QToolButton *bouton = BoutonPanneau(Panel, QStringLiteral("BoutonCe%1").arg(n), NomBoutonCe.arg(n),
                                            (n + 3) * (CoteBoutonPanneau + 8) + 8);
        bouton->setIcon(vide);
        connect(bouton, &QToolButton::clicked, this, [this, n] { CeSpeedButtonClick(n); });
        BoutonCe[std::size_t(n)] = bouton;
    }
}

void TFormSchemaCinematique::CeInitialisation()
{
    for (int n = 1; n <= NbrCeMax; ++n)
        BoutonCe[std::size_t(n)]->hide();
}

void TFormSchemaCinematique::CeEdition()
{
    for (int n = 1; n <= NbrCeMax; ++n) {
        QToolButton *bouton = BoutonCe[std::size_t(n)];
        if (n > Schema.NbrCe) {
            bouton->hide();
            continue;
        }
        const TColor couleur = Schema.Ce[std::size_t(n)].Couleur;
        const bool sansCouleur = SansCouleur(couleur);
        // The class colour over the whole glyph, drawn again at 200 % for a high-density screen.
        const auto glyphe = [&](int ratio) {
            QImage image(GlypheVide.size() * ratio, GlypheVide.format());
            image.fill(CouleurVersQColor(couleur));
            if (sansCouleur) { // an outline one point wide along the edges
                QPainter peintre(&image);
                const int l = image.width(), h = image.height();
                for (const QRect bord : {QRect(0, 0, l, ratio), QRect(0, h - ratio, l, ratio), QRect(0, 0, ratio, h),
                                         QRect(l - ratio, 0, ratio, h)})
                    peintre.fillRect(bord, ContourSansCouleur);
            }
            image.setPixelColor(0, image.height() - 1, Qt::white);
            QPixmap pixmap = QPixmap::fromImage(AvecTransparence(image));
            pixmap.setDevicePixelRatio(ratio);
            return pixmap;
        };
        QIcon icone(glyphe(1));
        icone.addPixmap(glyphe(2));
        const QString bulle = sansCouleur ? BulleSansCouleur.arg(n) : NomBoutonCe.arg(n);
        bouton->setToolTip(bulle);
        bouton->setAccessibleDescription(sansCouleur ? bulle : QString());
        bouton->setIcon(icone);
        bouton->setChecked(false);
        bouton->show();
    }
}

void TFormSchemaCinematique::CeSpeedButtonClick(int n)
{
    QToolButton *bouton = BoutonCe[std::size_t(n)];
    if (!bouton->isChecked())
        return; // put up: the pen keeps its colour
    for (int autre = 1; autre <= NbrCeMax; ++autre) {
        if (autre != n)
            BoutonCe[std::size_t(autre)]->setChecked(false);
    }
    CrayonTrait.setColor(CouleurVersQColor(Schema.Ce[std::size_t(n)].Couleur));
}

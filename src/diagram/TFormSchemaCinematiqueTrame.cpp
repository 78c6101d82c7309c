// The background: the mechanism's drawing tinted in the class colours, or a grid of dots; kept in
// BitmapTrame, from which the display is rebuilt and the diagram exported.
#include "diagram/TFormSchemaCinematique.h"

#include "common/FPti.h"
#include "common/OuvertureExercice.h"
#include "common/Pixels24Bits.h"
#include "diagram/CalquesSchema.h"
#include "diagram/FondDessin.h"
#include "diagram/ImageSchema.h"
#include "diagram/LectureSchema.h"
#include "diagram/Quadrillage.h"

#include <QAction>
#include <QScrollArea>
#include <QUndoStack>
#include <algorithm>
#include <cstring>

namespace {
const QString NomImageFond = QStringLiteral("Fond et traits du schéma cinématique");
constexpr TColor GrisPoints = 0x00808080;
} // namespace

void TFormSchemaCinematique::TrameCreation()
{
    ImageFond = new ImageSchema(Contenu);
    ImageFond->setObjectName(QStringLiteral("ImageFond"));
    ImageFond->setAccessibleName(NomImageFond);
    ImageFond->installEventFilter(this);
    ImageFond->lower();
    ImageFond->hide();
}

void TFormSchemaCinematique::TrameInitialisation()
{
    ImageFond->hide();
    ImageFond->definirImage(QImage());
    BitmapTrame = QImage();
    MenuTrame->setChecked(true);
}

bool TFormSchemaCinematique::SurQuadrillage() const { return Schema.TypeTrame == TrameQuadrillage; }

// The drawing background does not depend on the window's size: it is built once, when the diagram
// is opened, and its pictures are not read again.
std::optional<QString> TFormSchemaCinematique::TrameConstruction()
{
    if (Schema.TypeTrame != TrameDessin)
        return std::nullopt;
    auto fond = LireFondDessin(Schema, CouleurVersRvb(clBtnFace));
    if (const QString *refus = std::get_if<QString>(&fond))
        return *refus;
    BitmapTrame = std::move(std::get<QImage>(fond));
    return std::nullopt;
}

void TFormSchemaCinematique::TrameEdition()
{
    switch (Schema.TypeTrame) {
    case TrameDessin:
        ImageFond->resize(BitmapTrame.size());
        ImageFond->show();
        ScrollBoxResize();
        break;
    case TrameQuadrillage: {
        ImageFond->move(0, 0);
        BitmapTrame = QImage(ScrollBox->viewport()->size(), QImage::Format_RGB888);
        RemplirImage(BitmapTrame, clBtnFace);
        QuadrillageImage(BitmapTrame, GrisPoints, clBtnFace);
        ImageFond->resize(BitmapTrame.size());
        ImageFond->show();
        AjusterContenu();
        break;
    }
    default:
        ImageFond->hide();
        BitmapTrame = QImage();
        AjusterContenu();
        break;
    }
}

// A grid follows the drawing area, so that it covers a window that the desktop maximises after it is
// shown, or that the student enlarges. Before the student has changed anything it takes the area's
// size exactly; afterwards it only grows, and the strokes keep their places.
void TFormSchemaCinematique::TrameAjuster()
{
    if (BitmapTrame.isNull())
        return;
    const QSize vue = ScrollBox->viewport()->size();
    const bool intact = Historique->count() == 0;
    const QSize taille = intact ? vue : BitmapTrame.size().expandedTo(vue);
    if (taille == BitmapTrame.size() || taille.isEmpty())
        return;
    BitmapTrame = QImage(taille, QImage::Format_RGB888);
    RemplirImage(BitmapTrame, clBtnFace);
    QuadrillageImage(BitmapTrame, GrisPoints, clBtnFace);
    QImage traits(taille, QImage::Format_RGB888);
    RemplirImage(traits, clBtnFace);
    const int largeur = std::min(taille.width(), BitmapDessin.width());
    for (int y = 0; y < std::min(taille.height(), BitmapDessin.height()); ++y)
        std::memcpy(traits.scanLine(y), BitmapDessin.constScanLine(y), std::size_t(largeur) * 3);
    BitmapDessin = std::move(traits);
    ImageFond->resize(taille);
    DessinDessiner();
}

void TFormSchemaCinematique::MenuTrameClick() { DessinDessiner(); }

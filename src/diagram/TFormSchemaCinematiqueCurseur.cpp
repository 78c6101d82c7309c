// The drawing tools without a mouse: with a tool down and the drawing area focused, a cursor that
// the arrow keys move stands for the pointer; Espace starts a stroke there and ends it, Échap
// abandons the stroke under way.
#include "diagram/TFormSchemaCinematique.h"

#include "diagram/ImageSchema.h"
#include "diagram/Quadrillage.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QToolButton>

namespace {
const QString NomCurseur = QStringLiteral("Curseur de dessin");
const QString DescriptionPosition = QStringLiteral("Curseur de dessin en %1, %2");
constexpr int CoteCurseur = 23;
constexpr int CentreCurseur = CoteCurseur / 2;
constexpr int FacteurMaj = 10;
constexpr int FacteurMajQuadrillage = 5;

// A cross in black edged with white, seen on any background; its middle stays open on the point.
QPixmap DessinCurseur()
{
    QImage image(CoteCurseur, CoteCurseur, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter peintre(&image);
    const auto bras = [&peintre](const QPen &crayon) {
        peintre.setPen(crayon);
        constexpr int c = CentreCurseur;
        peintre.drawLine(c, 1, c, c - 3);
        peintre.drawLine(c, c + 3, c, CoteCurseur - 2);
        peintre.drawLine(1, c, c - 3, c);
        peintre.drawLine(c + 3, c, CoteCurseur - 2, c);
    };
    bras(QPen(Qt::white, 4, Qt::SolidLine, Qt::SquareCap));
    bras(QPen(Qt::black, 2, Qt::SolidLine, Qt::FlatCap));
    return QPixmap::fromImage(image);
}
} // namespace

void TFormSchemaCinematique::CurseurCreation()
{
    ImageCurseur = new QLabel(Contenu);
    ImageCurseur->setObjectName(QStringLiteral("ImageCurseur"));
    ImageCurseur->setAccessibleName(NomCurseur);
    ImageCurseur->setPixmap(DessinCurseur());
    ImageCurseur->resize(CoteCurseur, CoteCurseur);
    ImageCurseur->setAttribute(Qt::WA_TransparentForMouseEvents);
    ImageCurseur->hide();
    ScrollBox->installEventFilter(this);
}

bool TFormSchemaCinematique::CurseurActif() const
{
    return OutilEnfonce() != nullptr && ScrollBox->hasFocus() && !BitmapDessin.isNull() &&
           !BitmapDessin.size().isEmpty();
}

// Shows the cursor where it stands on the drawing, while it may be used.
void TFormSchemaCinematique::CurseurAfficher()
{
    if (!CurseurActif()) {
        ImageCurseur->hide();
        return;
    }
    if (!BitmapDessin.rect().contains(CurseurClavier)) {
        // First in the middle of what the student sees of the drawing.
        const QRect vue = ZoneVisible().translated(-OrigineImageFond()).intersected(BitmapDessin.rect());
        CurseurPlacer(vue.isEmpty() ? QPoint(0, 0) : vue.center());
    }
    ImageCurseur->move(OrigineImageFond() + CurseurClavier - QPoint(CentreCurseur, CentreCurseur));
    ImageCurseur->raise();
    ImageCurseur->show();
}

void TFormSchemaCinematique::CurseurPlacer(QPoint position)
{
    const QRect image = BitmapDessin.rect();
    position.setX(qBound(image.left(), position.x(), image.right()));
    position.setY(qBound(image.top(), position.y(), image.bottom()));
    if (SurQuadrillage()) {
        PositionSurQuadrillage(position);
        // The dot of the last cell, cut by the edge, is one cell back.
        if (position.x() > image.right())
            position.rx() -= PasQuadrillage;
        if (position.y() > image.bottom())
            position.ry() -= PasQuadrillage;
    }
    CurseurClavier = position;
    ScrollBox->setAccessibleDescription(DescriptionPosition.arg(position.x()).arg(position.y()));
}

bool TFormSchemaCinematique::ScrollBoxEvenement(QEvent *evenement)
{
    switch (evenement->type()) {
    case QEvent::FocusIn: CurseurAfficher(); return false;
    case QEvent::FocusOut:
        // A stroke is drawn where the student sees it being drawn: one left for elsewhere is not kept.
        if (TraitAuClavier)
            TraitAbandonner();
        CurseurAfficher();
        return false;
    case QEvent::KeyPress: return ScrollBoxKeyDown(static_cast<const QKeyEvent *>(evenement));
    default: return false;
    }
}

bool TFormSchemaCinematique::ScrollBoxKeyDown(const QKeyEvent *touche)
{
    if (!CurseurActif())
        return false;
    if ((touche->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) != Qt::NoModifier)
        return false;
    CurseurAfficher(); // back inside a drawing that changed size since
    const int facteur =
        (touche->modifiers() & Qt::ShiftModifier) ? (SurQuadrillage() ? FacteurMajQuadrillage : FacteurMaj) : 1;
    const int pas = (SurQuadrillage() ? PasQuadrillage : 1) * facteur;
    QPoint decalage;
    switch (touche->key()) {
    case Qt::Key_Left: decalage = QPoint(-pas, 0); break;
    case Qt::Key_Right: decalage = QPoint(pas, 0); break;
    case Qt::Key_Up: decalage = QPoint(0, -pas); break;
    case Qt::Key_Down: decalage = QPoint(0, pas); break;
    case Qt::Key_Space:
        if (touche->isAutoRepeat())
            return true;
        if (!TraitEnCours) {
            ImageFondMouseDown(CurseurClavier);
            TraitAuClavier = TraitEnCours;
        } else if (TraitAuClavier) {
            ImageFondMouseUp(CurseurClavier);
        }
        CurseurAfficher();
        return true;
    case Qt::Key_Escape:
        if (!TraitEnCours)
            return false;
        TraitAbandonner();
        return true;
    default: return false;
    }
    CurseurPlacer(CurseurClavier + decalage);
    if (TraitAuClavier)
        ImageFondMouseMove(Qt::LeftButton, CurseurClavier);
    CurseurAfficher();
    const QPoint surContenu = OrigineImageFond() + CurseurClavier;
    ScrollBox->ensureVisible(surContenu.x(), surContenu.y(), CoteCurseur, CoteCurseur);
    return true;
}

// The stroke under way leaves nothing: the strokes layer and the display are as before its start.
void TFormSchemaCinematique::TraitAbandonner()
{
    TraitAuClavier = false;
    if (!TraitEnCours)
        return;
    TraitEnCours = false;
    BitmapDessin = CalqueAvantTrait;
    CalqueAvantTrait = QImage();
    BitmapInstantane = QImage();
    const QRect zone = ZoneTrait | ZoneApercu;
    if (!zone.isEmpty())
        DessinDessiner(zone);
}

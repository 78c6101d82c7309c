// The sheet: what a click, a stroke or a key does with the tool chosen, the zone edits and the zoom.
#include "workshop/TFormAtelier.h"

#include "workshop/CommandesAtelier.h"

#include "workshop/VueAtelier.h"

#include <QAccessible>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QUndoStack>
#include <cmath>
#include <map>

namespace {
const QString TexteFusion = QStringLiteral("Réunir deux zones");
const QString TexteTrait = QStringLiteral("Tracer un trait");
const QString TextePremiereZone = QStringLiteral("Zone %1 choisie : cliquez la zone à lui ajouter.");
const QString TexteHorsZone = QStringLiteral("Pas de zone ici : cliquez dans le blanc d'une zone.");
const QString TexteSansDessin = QStringLiteral("Ouvrez d'abord un dessin (Ctrl+O).");
constexpr int MargeCurseur = 40;
// A click on a line takes the zone this many screen pixels away, whatever the zoom.
constexpr double RayonClicEcran = 4;
} // namespace

std::int32_t TFormAtelier::ZoneSousLePointeur(QPoint feuille) const
{
    return Analyse_->edition
               ? Analyse_->edition->zoneProche(feuille, int(std::ceil(RayonClicEcran / ImageFeuille->Zoom())))
               : 0;
}

void TFormAtelier::FeuilleCreation()
{
    ScrollFeuille = new QScrollArea(this);
    ScrollFeuille->setObjectName(QStringLiteral("ScrollFeuille"));
    ScrollFeuille->setAccessibleName(QStringLiteral("Feuille du dessin"));
    ScrollFeuille->setBackgroundRole(QPalette::Mid);
    ImageFeuille = new VueAtelier(ScrollFeuille);
    ImageFeuille->setObjectName(QStringLiteral("ImageFeuille"));
    ScrollFeuille->setWidget(ImageFeuille);
    connect(ImageFeuille, &VueAtelier::Clic, this, &TFormAtelier::ImageFeuilleClic);
    connect(ImageFeuille, &VueAtelier::Trace, this, &TFormAtelier::ImageFeuilleTrace);
    connect(ImageFeuille, &VueAtelier::ToucheAction, this, &TFormAtelier::ImageFeuilleTouche);
    connect(ImageFeuille, &VueAtelier::ZoomDemande, this, &TFormAtelier::Zoomer);
    connect(ImageFeuille, &VueAtelier::Abandon, this, [this] { ChoisirOutil(Outil_); });
    connect(ImageFeuille, &VueAtelier::CurseurDeplace, this, [this](QPoint feuille) {
        const QPoint ecran = (QPointF(feuille) * ImageFeuille->Zoom()).toPoint();
        ScrollFeuille->ensureVisible(ecran.x(), ecran.y(), MargeCurseur, MargeCurseur);
        const std::int32_t zone = ZoneSousLePointeur(feuille);
        const int piece =
            zone > 0 && std::size_t(zone) < Etat_.pieceDeZone.size() ? Etat_.pieceDeZone[std::size_t(zone)] : 0;
        const QString ici = zone == 0    ? QStringLiteral("Aucune zone")
                            : piece == 0 ? QStringLiteral("Zone %1, sans pièce").arg(zone)
                                         : QStringLiteral("Zone %1, pièce %2").arg(zone).arg(piece);
        statusBar()->showMessage(ici);
        // A screen reader says where the cursor stands.
        ImageFeuille->setAccessibleDescription(ici);
        QAccessibleEvent evenement(ImageFeuille, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&evenement);
    });
}

void TFormAtelier::ImageFeuilleClic(QPoint point)
{
    if (!Analyse_->edition) {
        statusBar()->showMessage(TexteSansDessin);
        return;
    }
    if (Outil_ == Outil::Bulle) {
        BulleClic(point);
        return;
    }
    if (Outil_ == Outil::Trait) { // a click without a drag puts a point, as the keyboard does
        ImageFeuilleTouche(point, false);
        return;
    }
    const std::int32_t zone = ZoneSousLePointeur(point);
    if (zone == 0) {
        statusBar()->showMessage(TexteHorsZone);
        return;
    }
    switch (Outil_) {
    case Outil::Fusion: FusionClic(zone); break;
    case Outil::ZonesPiece: ZonePieceClic(zone); break;
    case Outil::Classes: ClasseClic(zone); break;
    default: break;
    }
}

void TFormAtelier::ImageFeuilleTrace(const QPolygon &trace)
{
    if (Outil_ == Outil::Trait && Analyse_->edition)
        TracerTrait(trace);
}

void TFormAtelier::ImageFeuilleTouche(QPoint point, bool fin)
{
    if (Outil_ != Outil::Trait) {
        ImageFeuilleClic(point);
        return;
    }
    // Entrée ends the stroke where the cursor is.
    if (TraceClavier_.isEmpty() || TraceClavier_.last() != point)
        TraceClavier_ << point;
    if (fin && TraceClavier_.size() > 1)
        TracerTrait(std::exchange(TraceClavier_, {}));
    ImageFeuille->DefinirTraceEnCours(TraceClavier_);
}

void TFormAtelier::FusionClic(std::int32_t zone)
{
    if (ZoneAFusionner_ == 0 || ZoneAFusionner_ == zone) {
        ZoneAFusionner_ = zone;
        statusBar()->showMessage(TextePremiereZone.arg(zone));
        TeintesEdition();
        return;
    }
    const std::vector<int> avant = Etat_.pieceDeZone;
    const QRect change = Analyse_->edition->FusionnerZones(std::exchange(ZoneAFusionner_, 0), zone);
    ModificationZones modification = Analyse_->edition->PrendreModification();
    Etat_.pieceDeZone = PiecesApresEdition(modification);
    Historique_->push(new CommandeZones(*this, std::move(modification), avant, TexteFusion));
    ZonesEditees(change);
    statusBar()->clearMessage();
}

void TFormAtelier::TracerTrait(const QPolygon &trace)
{
    const std::vector<int> avant = Etat_.pieceDeZone;
    const QRect change = Analyse_->edition->TracerTrait(trace, SpinEpaisseurTrait->value());
    if (change.isEmpty())
        return;
    ModificationZones modification = Analyse_->edition->PrendreModification();
    Etat_.pieceDeZone = PiecesApresEdition(modification);
    Historique_->push(new CommandeZones(*this, std::move(modification), avant, TexteTrait));
    ZonesEditees(change);
}

// After a merge or a stroke, each zone keeps the part of the zone its pixels belonged to: the two halves of a
// cut zone both keep it, a merged zone keeps the first zone's part (else the other's), a region a stroke closed
// off from the ground has none. Only the squares the edit wrote to are read.
std::vector<int> TFormAtelier::PiecesApresEdition(const ModificationZones &avant) const
{
    const ZonesDessin &zones = Analyse_->edition->zones();
    const auto pieceAvant = [this](std::int32_t z) {
        return z > 0 && std::size_t(z) < Etat_.pieceDeZone.size() ? Etat_.pieceDeZone[std::size_t(z)] : 0;
    };
    std::vector<int> apres(std::size_t(zones.nombre) + 1, 0);
    for (std::int32_t z = 1; z <= zones.nombre; ++z)
        apres[std::size_t(z)] = pieceAvant(z);
    // For each zone after the edit: its pixels the edit rewrote, and the part they had.
    std::map<std::int32_t, std::pair<std::int64_t, int>> reecrite;
    for (const ModificationZones::Carreau &carreau : avant.carreaux) {
        const QRect &c = carreau.cadre;
        for (int y = c.top(); y <= c.bottom(); ++y) {
            const std::int32_t *ancienne =
                carreau.etiquettes.data() + std::size_t(y - c.top()) * std::size_t(c.width());
            for (int x = c.left(); x <= c.right(); ++x) {
                const std::int32_t z = zones.zone(x, y);
                const std::int32_t a = ancienne[x - c.left()];
                if (z <= 0 || z == a)
                    continue;
                auto &[pixels, piece] = reecrite[z];
                ++pixels;
                if (piece == 0)
                    piece = pieceAvant(a);
            }
        }
    }
    const IndexZonesDessin &index = Analyse_->edition->index();
    for (const auto &[z, pixels_piece] : reecrite) {
        const auto &[pixels, piece] = pixels_piece;
        // A zone rewritten whole took another's number, or is new: its own number meant another zone before.
        const bool entiere = std::size_t(z) < index.aires.size() && pixels >= index.aires[std::size_t(z)];
        if (entiere || apres[std::size_t(z)] == 0)
            apres[std::size_t(z)] = piece;
    }
    return apres;
}

void TFormAtelier::EchangerZones(ModificationZones &modification, std::vector<int> &pieceDeZone)
{
    modification = Analyse_->edition->Echanger(std::move(modification));
    std::swap(Etat_.pieceDeZone, pieceDeZone);
    ZoneAFusionner_ = 0;
    // The changed squares are painted again whatever their zones' tints.
    QRect change;
    for (const ModificationZones::Carreau &carreau : modification.carreaux)
        change |= carreau.cadre;
    ZonesEditees(change);
    ActualiserTitre();
}

// After a merge, a stroke or their undoing: the tints of the zones renumbered, and the squares the edit wrote to.
void TFormAtelier::ZonesEditees(QRect change)
{
    const bool edition = std::exchange(Edition_, true);
    PiecesEdition();
    Edition_ = edition;
    TeintesEdition();
    Reteinter(change);
}

void TFormAtelier::Zoomer(double facteur)
{
    const QPoint centre(ScrollFeuille->horizontalScrollBar()->value() + ScrollFeuille->viewport()->width() / 2,
                        ScrollFeuille->verticalScrollBar()->value() + ScrollFeuille->viewport()->height() / 2);
    const QPointF feuille = QPointF(centre) / ImageFeuille->Zoom();
    ImageFeuille->DefinirZoom(facteur == 0 ? 1.0 : ImageFeuille->Zoom() * facteur);
    const QPointF nouveau = feuille * ImageFeuille->Zoom();
    ScrollFeuille->horizontalScrollBar()->setValue(int(nouveau.x()) - ScrollFeuille->viewport()->width() / 2);
    ScrollFeuille->verticalScrollBar()->setValue(int(nouveau.y()) - ScrollFeuille->viewport()->height() / 2);
    statusBar()->showMessage(QStringLiteral("Zoom : %1 %").arg(qRound(ImageFeuille->Zoom() * 100)));
}

// The whole sheet in the view, never larger than its pixels.
void TFormAtelier::ZoomFeuilleEntiere()
{
    if (Teinte_.isNull())
        return;
    const QSize vue = ScrollFeuille->viewport()->size();
    ImageFeuille->DefinirZoom(
        std::min({1.0, double(vue.width()) / Teinte_.width(), double(vue.height()) / Teinte_.height()}));
}

void TFormAtelier::BullesEdition()
{
    std::vector<VueAtelier::Bulle> bulles;
    for (const PieceAtelier &piece : Etat_.pieces)
        if (!piece.bulle.isNull())
            bulles.push_back({piece.bulle, piece.repere});
    ImageFeuille->DefinirBulles(std::move(bulles));
}

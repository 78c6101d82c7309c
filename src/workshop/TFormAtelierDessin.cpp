// The drawing: opening a scan or a page of a PDF, the settings it is read with, and the zones it shows tinted.
#include "workshop/TFormAtelier.h"

#include "atelier/CouleursMecanisme.h"

#include "workshop/CommandesAtelier.h"

#include "atelier/ChargementDessin.h"
#include "atelier/LectureMecanismeAtelier.h"
#include "common/Dialogues.h"
#include "common/DossiersMecanismes.h"
#include "workshop/VueAtelier.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QUndoStack>
#include <QVBoxLayout>
#include <array>

namespace {
const QString FiltreDessin =
    QStringLiteral("Dessin (*.png *.bmp *.jpg *.jpeg *.tif *.tiff *.pdf)|*.png;*.bmp;*.jpg;*.jpeg;*.tif;*.tiff;*.pdf|"
                   "Tous les fichiers (*)|*");
const QString TitreOuvrir = QStringLiteral("Ouvrir un dessin");
const QString TitrePage = QStringLiteral("Page du PDF");
const QString InvitePage = QStringLiteral("Le document a %1 pages. Page à ouvrir (1 à %1) :");
const QString TitreResolution = QStringLiteral("Résolution");
const QString InviteResolution = QStringLiteral("Résolution de la page, en points par pouce (%1 à %2) :");
const QString TexteNombreHorsLimites = QStringLiteral("« %1 » n'est pas un nombre de %2 à %3.");
const QString TexteAnalyse = QStringLiteral("Réglage de la lecture du dessin");
const QString TextePiecesPerdues =
    QStringLiteral("Les zones ont été retrouvées : cliquez de nouveau les zones de chaque pièce (Ctrl+Z revient "
                   "en arrière).");
constexpr int ResolutionMin = 72;
constexpr int ResolutionMax = 600;
constexpr int DelaiAnalyse = 300; // ms after the last move of a setting
const QRgb CouleurZoneChoisie = qRgb(255, 140, 0);

// A whole number the teacher typed, within bounds; nothing, after saying why, otherwise.
std::optional<int> NombreSaisi(const QString &titre, const QString &invite, int initial, int min, int max)
{
    const auto saisie = dialogues().Saisie(titre, invite, QString::number(initial));
    if (!saisie)
        return std::nullopt;
    bool ok = false;
    const int n = saisie->trimmed().toInt(&ok);
    if (!ok || n < min || n > max) {
        dialogues().Message(TexteNombreHorsLimites.arg(saisie->trimmed()).arg(min).arg(max));
        return std::nullopt;
    }
    return n;
}

} // namespace

void TFormAtelier::DessinCreation(QTabWidget *onglets)
{
    auto *page = new QWidget(onglets);
    page->setObjectName(QStringLiteral("OngletDessin"));
    auto *colonne = new QVBoxLayout(page);
    auto *boutonOuvrir = new QPushButton(QStringLiteral("Ou&vrir un dessin…"), page);
    boutonOuvrir->setObjectName(QStringLiteral("BoutonOuvrir"));
    boutonOuvrir->setAccessibleName(QStringLiteral("Ouvrir un dessin"));
    connect(boutonOuvrir, &QPushButton::clicked, this, &TFormAtelier::MenuOuvrirClick);
    colonne->addWidget(boutonOuvrir);

    auto *formulaire = new QFormLayout;
    const ReglagesAnalyse defaut;
    auto spin = [&](const char *nom, const QString &libelle, int min, int max, int valeur, const QString &suffixe) {
        auto *s = new QSpinBox(page);
        s->setObjectName(QString::fromLatin1(nom));
        s->setRange(min, max);
        s->setValue(valeur);
        s->setSuffix(suffixe);
        s->setAccessibleName(libelle);
        formulaire->addRow(libelle + QStringLiteral(" :"), s);
        connect(s, &QSpinBox::valueChanged, this, &TFormAtelier::ReglagesModifies);
        return s;
    };
    SliderSeuil = new QSlider(Qt::Horizontal, page);
    SliderSeuil->setObjectName(QStringLiteral("SliderSeuil"));
    SliderSeuil->setRange(1, 254);
    SliderSeuil->setValue(defaut.seuil);
    SliderSeuil->setAccessibleName(QStringLiteral("Seuil du trait"));
    formulaire->addRow(QStringLiteral("Seuil du trait :"), SliderSeuil);
    SpinSeuil = spin("SpinSeuil", QStringLiteral("Seuil (valeur)"), 1, 254, defaut.seuil, {});
    connect(SliderSeuil, &QSlider::valueChanged, SpinSeuil, &QSpinBox::setValue);
    connect(SpinSeuil, &QSpinBox::valueChanged, SliderSeuil, &QSlider::setValue);
    SpinPoussieres = spin("SpinPoussieres", QStringLiteral("Poussières effacées sous"), 0, 10000, defaut.poussieres,
                          QStringLiteral(" pixels"));
    SpinAireMin = spin("SpinAireMin", QStringLiteral("Aire minimale d'une zone"), 1, 1000000, defaut.zones.aireMin,
                       QStringLiteral(" pixels"));
    SpinEpaisseurHachure = spin("SpinEpaisseurHachure", QStringLiteral("Épaisseur d'une hachure jusqu'à"), 1, 50,
                                defaut.zones.epaisseurHachureMax, QStringLiteral(" pixels"));
    SpinEcartHachures = spin("SpinEcartHachures", QStringLiteral("Écart entre hachures jusqu'à"), 2, 1000,
                             defaut.zones.ecartHachuresMax, QStringLiteral(" pixels"));
    CaseHachures = new QCheckBox(QStringLiteral("Réunir les &hachures"), page);
    CaseHachures->setObjectName(QStringLiteral("CaseHachures"));
    CaseHachures->setAccessibleName(QStringLiteral("Réunir les hachures"));
    CaseHachures->setChecked(defaut.zones.reunirHachures);
    connect(CaseHachures, &QCheckBox::toggled, this, &TFormAtelier::ReglagesModifies);
    formulaire->addRow(CaseHachures);
    colonne->addLayout(formulaire);

    LabelZones = new QLabel(page);
    LabelZones->setObjectName(QStringLiteral("LabelZones"));
    colonne->addWidget(LabelZones);

    auto *formulaireTrait = new QFormLayout;
    SpinEpaisseurTrait = new QSpinBox(page);
    SpinEpaisseurTrait->setObjectName(QStringLiteral("SpinEpaisseurTrait"));
    SpinEpaisseurTrait->setRange(1, EditionZones::EpaisseurTraitMax);
    SpinEpaisseurTrait->setValue(3);
    SpinEpaisseurTrait->setSuffix(QStringLiteral(" pixels"));
    SpinEpaisseurTrait->setAccessibleName(QStringLiteral("Épaisseur du trait tracé"));
    formulaireTrait->addRow(QStringLiteral("Épaisseur du trait tracé :"), SpinEpaisseurTrait);
    colonne->addLayout(formulaireTrait);
    colonne->addStretch();

    MinuterieAnalyse = new QTimer(this);
    MinuterieAnalyse->setSingleShot(true);
    MinuterieAnalyse->setInterval(DelaiAnalyse);
    connect(MinuterieAnalyse, &QTimer::timeout, this, &TFormAtelier::Analyser);
    onglets->addTab(page, QStringLiteral("De&ssin"));
}

void TFormAtelier::MenuOuvrirClick()
{
    if (!PeutAbandonnerAtelier())
        return;
    const QString chemin = dialogues().FichierAOuvrir(QFileInfo(Source_).absolutePath(), FiltreDessin, 1, TitreOuvrir);
    if (!chemin.isEmpty())
        OuvrirDessin(chemin);
}

bool TFormAtelier::OuvrirDessin(const QString &chemin)
{
    int page = 0;
    int resolution = ResolutionPdfParDefaut;
    if (QFileInfo(chemin).suffix().compare(QStringLiteral("pdf"), Qt::CaseInsensitive) == 0) {
        const auto pages = NombrePagesPdf(chemin);
        if (const QString *refus = std::get_if<QString>(&pages)) {
            dialogues().Message(*refus);
            return false;
        }
        const int nombre = std::get<int>(pages);
        if (nombre > 1) {
            const auto choisie = NombreSaisi(TitrePage, InvitePage.arg(nombre), 1, 1, nombre);
            if (!choisie)
                return false;
            page = *choisie - 1;
        }
        const auto choisie = NombreSaisi(TitreResolution, InviteResolution.arg(ResolutionMin).arg(ResolutionMax),
                                         ResolutionPdfParDefaut, ResolutionMin, ResolutionMax);
        if (!choisie)
            return false;
        resolution = *choisie;
    }
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    auto dessin = ChargerDessin(chemin, resolution, page);
    QGuiApplication::restoreOverrideCursor();
    if (const QString *refus = std::get_if<QString>(&dessin)) {
        dialogues().Message(*refus);
        return false;
    }
    Reinitialiser();
    Gris_ = std::get<QImage>(std::move(dessin));
    Source_ = chemin;
    Analyser();
    ZoomFeuilleEntiere();
    ActualiserTitre();
    return true;
}

bool TFormAtelier::OuvrirMecanisme(const QString &cheminDescripteur)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    auto lu = LireMecanismeAtelier(cheminDescripteur);
    QGuiApplication::restoreOverrideCursor();
    if (const QString *refus = std::get_if<QString>(&lu)) {
        dialogues().Message(*refus);
        return false;
    }
    MecanismeAtelier m = std::get<MecanismeAtelier>(std::move(lu));
    Reinitialiser();
    Source_ = cheminDescripteur;
    Descripteur_ = cheminDescripteur;
    Explication_ = m.explication;
    // The sheet read back is already black on white: the settings it was read with act on it again.
    Gris_ = m.plan.convertToFormat(QImage::Format_Grayscale8);
    ReglagesEdition(m.reglages);
    Analyse_->reglages = ReglagesChoisis();
    const bool sansZones = m.zones.nombre == 0;
    if (!sansZones)
        Analyse_->edition = std::make_unique<EditionZones>(m.plan.convertToFormat(QImage::Format_RGB888),
                                                           std::move(m.zones), Analyse_->reglages.zones.aireMin);
    EtatAtelier etat;
    etat.souche = m.souche;
    etat.nom = m.nom;
    etat.difficulte = m.difficulte;
    etat.pieces = std::move(m.pieces);
    if (!sansZones) {
        etat.pieceDeZone = std::move(m.pieceDeZone);
        etat.pieceDeZone.resize(std::size_t(Analyse_->edition->zones().nombre) + 1, 0);
    }
    etat.classes = std::move(m.classes);
    etat.etudePlane = m.etudePlane;
    DessinEdition();
    AppliquerEtat(etat);
    // Saved before any zone had its part: the sheet is read again, as when it was opened.
    if (sansZones)
        Analyser();
    ZoomFeuilleEntiere();
    return true;
}

ReglagesAnalyse TFormAtelier::ReglagesChoisis() const
{
    ReglagesAnalyse reglages;
    reglages.seuil = SpinSeuil->value();
    reglages.poussieres = SpinPoussieres->value();
    reglages.zones.aireMin = SpinAireMin->value();
    reglages.zones.reunirHachures = CaseHachures->isChecked();
    reglages.zones.epaisseurHachureMax = SpinEpaisseurHachure->value();
    reglages.zones.ecartHachuresMax = SpinEcartHachures->value();
    return reglages;
}

void TFormAtelier::ReglagesEdition(const ReglagesAnalyse &reglages)
{
    const bool edition = std::exchange(Edition_, true);
    SpinSeuil->setValue(reglages.seuil);
    SpinPoussieres->setValue(reglages.poussieres);
    SpinAireMin->setValue(reglages.zones.aireMin);
    CaseHachures->setChecked(reglages.zones.reunirHachures);
    SpinEpaisseurHachure->setValue(reglages.zones.epaisseurHachureMax);
    SpinEcartHachures->setValue(reglages.zones.ecartHachuresMax);
    Edition_ = edition;
}

void TFormAtelier::ReglagesModifies()
{
    if (!Edition_ && !Gris_.isNull())
        MinuterieAnalyse->start();
}

void TFormAtelier::Analyser()
{
    MinuterieAnalyse->stop();
    if (Gris_.isNull())
        return;
    const ReglagesAnalyse reglages = ReglagesChoisis();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    DessinAnalyse analyse = AnalyserDessin(Gris_, reglages);
    QGuiApplication::restoreOverrideCursor();
    AnalyseAtelier nouvelle{
        std::make_unique<EditionZones>(std::move(analyse.trait), std::move(analyse.zones), reglages.zones.aireMin),
        reglages,
        {}};
    nouvelle.pieceDeZone.assign(std::size_t(nouvelle.edition->zones().nombre) + 1, 0);
    if (!Analyse_->edition) { // the drawing just opened: nothing to undo yet
        *Analyse_ = std::move(nouvelle);
        std::swap(Etat_.pieceDeZone, Analyse_->pieceDeZone);
        DessinEdition();
        AppliquerEtat(Etat_);
        return;
    }
    const bool piecesPerdues =
        std::any_of(Etat_.pieceDeZone.begin(), Etat_.pieceDeZone.end(), [](int piece) { return piece != 0; });
    // The command keeps what is replaced; the window takes the new zones at once.
    EchangerAnalyse(nouvelle);
    Historique_->push(new CommandeAnalyse(*this, std::move(nouvelle), TexteAnalyse));
    if (piecesPerdues)
        statusBar()->showMessage(TextePiecesPerdues);
}

void TFormAtelier::EchangerAnalyse(AnalyseAtelier &autre)
{
    std::swap(Analyse_->edition, autre.edition);
    std::swap(Analyse_->reglages, autre.reglages);
    std::swap(Etat_.pieceDeZone, autre.pieceDeZone);
    ReglagesEdition(Analyse_->reglages);
    ZoneAFusionner_ = 0;
    DessinEdition();
    AppliquerEtat(Etat_);
}

void TFormAtelier::DessinEdition()
{
    Teintes_ = {};
    if (!Analyse_->edition) {
        Teinte_ = QImage();
        ImageFeuille->DefinirImage(nullptr);
        LabelZones->clear();
        return;
    }
    Teinte_ = Analyse_->edition->trait().copy();
    ImageFeuille->DefinirImage(&Teinte_);
    TeintesEdition();
    ImageFeuille->update();
}

void TFormAtelier::TeintesEdition()
{
    if (!Analyse_->edition) {
        LabelZonesSansPiece->clear();
        return;
    }
    const ZonesDessin &zones = Analyse_->edition->zones();
    const std::size_t n = std::size_t(zones.nombre) + 1;
    std::vector<int> classeDePiece;
    for (std::size_t c = 0; c < Etat_.classes.size(); ++c)
        for (const int piece : Etat_.classes[c].pieces) {
            if (piece >= 0) {
                if (std::size_t(piece) >= classeDePiece.size())
                    classeDePiece.resize(std::size_t(piece) + 1, 0);
                classeDePiece[std::size_t(piece)] = int(c) + 1;
            }
        }
    TeintesZones teintes;
    teintes.couleur.assign(n, qRgb(255, 255, 255));
    teintes.marquee.assign(n, 0);
    int sansPiece = 0;
    for (std::size_t z = 1; z < n; ++z) {
        const int piece = z < Etat_.pieceDeZone.size() ? Etat_.pieceDeZone[z] : 0;
        sansPiece += piece == 0;
        switch (Outil_) {
        case Outil::Fusion:
        case Outil::Trait:
            teintes.couleur[z] = std::int32_t(z) == ZoneAFusionner_ ? CouleurZoneChoisie : TeinteNumero(int(z));
            break;
        case Outil::ZonesPiece:
        case Outil::Bulle:
            if (piece > 0)
                teintes.couleur[z] = TeinteNumero(piece, 140);
            else
                teintes.marquee[z] = 1;
            break;
        case Outil::Classes: {
            const int classe =
                piece > 0 && std::size_t(piece) < classeDePiece.size() ? classeDePiece[std::size_t(piece)] : 0;
            if (piece == 0)
                teintes.marquee[z] = 1;
            else if (classe > 0)
                teintes.couleur[z] = CouleurVersQColor(CouleurClasse(classe)).rgb();
            else
                teintes.couleur[z] = qRgb(200, 200, 200);
            break;
        }
        }
    }
    // Only the zones whose tint changed are painted again.
    QRect change;
    const IndexZonesDessin &index = Analyse_->edition->index();
    // Zones gone since are inside the rectangle of the edit that removed them, which the caller paints.
    if (Teintes_.couleur.empty()) {
        change = Teinte_.rect();
    } else {
        for (std::size_t z = 1; z < n; ++z)
            if (z >= Teintes_.couleur.size() || teintes.couleur[z] != Teintes_.couleur[z] ||
                teintes.marquee[z] != Teintes_.marquee[z])
                change |= z < index.cadres.size() ? index.cadres[z] : Teinte_.rect();
    }
    Teintes_ = std::move(teintes);
    Reteinter(change);
    LabelZones->setText(zones.nombre == 1 ? QStringLiteral("1 zone trouvée")
                                          : QStringLiteral("%1 zones trouvées").arg(zones.nombre));
    LabelZonesSansPiece->setText(sansPiece == 0 ? QStringLiteral("Chaque zone a sa pièce.")
                                 : sansPiece == 1
                                     ? QStringLiteral("1 zone sans pièce (rayée de rouge)")
                                     : QStringLiteral("%1 zones sans pièce (rayées de rouge)").arg(sansPiece));
}

void TFormAtelier::Reteinter(QRect cadre)
{
    if (!Analyse_->edition || cadre.isEmpty())
        return;
    TeinterZones(Teinte_, Analyse_->edition->trait(), Analyse_->edition->zones(), Teintes_, cadre);
    ImageFeuille->Actualiser(cadre);
}

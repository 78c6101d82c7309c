// The joints: their symbols and links in the graph area, the editing panel and its handlers.
#include "joint_graph/TFormGrapheDesLiaisons.h"

#include "common/Bureau.h"
#include "common/Dialogues.h"
#include "common/DossierProgramme.h"
#include "common/TrouverChemin.h"
#include "joint_graph/DessinGraphe.h"
#include "joint_graph/TFondGraphe.h"
#include "joint_graph/TImageMouse.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

namespace {
const QString MessageDejaLiees =
    QStringLiteral("Une liaison existe déjà entre ces deux classes d'équivalence.\n\n"
                   "Pour un schéma cinématique minimale, il est donc impossible de créer cette nouvelle liaison.");
// A shaft on two bearings has two joints between the same classes: the student may want it drawn so.
const QString QuestionParallele = QStringLiteral("Voulez-vous tout de même créer une liaison en parallèle ?");
const QString TitreConfirmation = QStringLiteral("Confirmation");
const QString MessageIncomplete =
    QStringLiteral("Votre liaison n'est pas entièrement définie.\nLa liaison devra être complétée !");
const QString MessageIncorrecte =
    QStringLiteral("Votre liaison n'est pas correctement définie.\nLa liaison va etre supprimée !");
const QString CheminAide = QStringLiteral("Ostrial/Ostrial.exe");
const QStringList NomsVues{QStringLiteral("Face"), QStringLiteral("Droite"), QStringLiteral("Dessus")};
constexpr int CoteImagePanel = 75;

QString MessageLimiteLiaisons()
{
    return QStringLiteral("On ne peut pas créer plus de ") + QString::number(NbrLiaisonMax) +
           QStringLiteral(" liaisons.");
}

QLabel *etiquette(QWidget *parent, const char *nom, const QString &texte, QPoint position)
{
    auto *label = new QLabel(texte, parent);
    label->setObjectName(QString::fromLatin1(nom));
    label->setTextFormat(Qt::PlainText);
    label->move(position);
    return label;
}

QFrame *cadre(QWidget *parent, const char *nom, const QString &nomAccessible, QRect geometrie)
{
    auto *panneau = new QFrame(parent);
    panneau->setObjectName(QString::fromLatin1(nom));
    panneau->setAccessibleName(nomAccessible);
    panneau->setFrameShape(QFrame::StyledPanel);
    panneau->setGeometry(geometrie);
    return panneau;
}

void colorerNumero(QLabel *label, int ce, TColor couleur)
{
    label->setText(QString::number(ce));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, CouleurVersQColor(couleur));
    label->setPalette(palette);
}

bool memePaire(const TLiaison &l, int t, int c) { return (l.Ce1 == t && l.Ce2 == c) || (l.Ce1 == c && l.Ce2 == t); }
} // namespace

void TFormGrapheDesLiaisons::LiaisonCreation()
{
    for (int i = 1; i <= NbrLiaisonMax; ++i) {
        auto *symbole = new TImageMouse(ImageFond);
        symbole->setObjectName(QStringLiteral("ImageLiaison%1").arg(i));
        symbole->Tag = i;
        symbole->DefinirImage(Catalogue.Symbole(0, 1));
        symbole->OnKeyDown = [this](TImageMouse *s, const QKeyEvent &touche) { return LiaisonImageKeyDown(s, touche); };
        symbole->setFocusPolicy(Qt::TabFocus);
        symbole->hide();
        ImageFond->Suivre(symbole);
        ImagesLiaison[static_cast<std::size_t>(i - 1)] = symbole;
    }
}

void TFormGrapheDesLiaisons::LiaisonPanelCreation()
{
    PanelLiaison = cadre(Panel, "PanelLiaison", QStringLiteral("Liaison en cours d'édition"), {8, 72, 265, 601});
    QLabel *titres[] = {etiquette(PanelLiaison, "Label1", QStringLiteral("Liaisons en cours :"), {8, 8}),
                        etiquette(PanelLiaison, "Label2", QStringLiteral("Classe d'équivalence :"), {8, 24}),
                        etiquette(PanelLiaison, "Label3", QStringLiteral("Classe d'équivalence :"), {8, 40})};
    // The numbers stand after the longest title, at 120 or further when the desktop's font is wider.
    int colonne = 120;
    for (QLabel *titre : titres)
        colonne = qMax(colonne, 8 + titre->sizeHint().width() + 4);
    LabelLiaison = etiquette(PanelLiaison, "LabelLiaison", QStringLiteral("0"), {colonne, 8});
    LabelCe1 = etiquette(PanelLiaison, "LabelCe1", QStringLiteral("0"), {colonne, 24});
    LabelCe2 = etiquette(PanelLiaison, "LabelCe2", QStringLiteral("0"), {colonne, 40});
    for (QLabel *numero : {LabelLiaison, LabelCe1, LabelCe2})
        numero->setMinimumWidth(40);

    QFrame *panel3D = cadre(PanelLiaison, "PanelLiaison3D", QStringLiteral("Liaisons normalisées"), {8, 56, 249, 329});
    for (int i = 1; i <= NbrLiaisonNormaliseeMax; ++i) {
        auto *image = new TImageMouse(panel3D);
        image->setObjectName(QStringLiteral("ImageLiaison3d_%1").arg(i));
        image->Tag = i;
        image->setGeometry(8 + 80 * ((i - 1) % 3), 8 + 80 * ((i - 1) / 3), CoteImagePanel, CoteImagePanel);
        image->DefinirClic([this](TImageMouse *s) { ImageLiaison3dClick(s); });
        image->setFocusPolicy(Qt::TabFocus);
        image->setAccessibleName(QStringLiteral("Liaison normalisée %1").arg(i));
        ImagesLiaison3d[static_cast<std::size_t>(i - 1)] = image;
    }
    BoutonAide = new QPushButton(QStringLiteral("Aide"), panel3D);
    BoutonAide->setObjectName(QStringLiteral("BoutonAide"));
    BoutonAide->setAccessibleName(QStringLiteral("Aide"));
    BoutonAide->setGeometry(168, 264, 75, 25);
    BoutonPermuter = new QPushButton(QStringLiteral("Permuter"), panel3D);
    BoutonPermuter->setObjectName(QStringLiteral("BoutonPermuter"));
    BoutonPermuter->setAccessibleName(QStringLiteral("Permuter"));
    BoutonPermuter->setGeometry(168, 296, 73, 25);
    connect(BoutonAide, &QPushButton::clicked, this, &TFormGrapheDesLiaisons::BoutonAideClick);
    connect(BoutonPermuter, &QPushButton::clicked, this, &TFormGrapheDesLiaisons::BoutonPermuterClick);

    QFrame *panel2D = cadre(PanelLiaison, "PanelLiaison2D", QStringLiteral("Vues planes"), {8, 392, 249, 105});
    for (int v = 1; v <= NbrVueMax; ++v) {
        const QString &vue = NomsVues[v - 1];
        QLabel *titre = etiquette(panel2D, "", vue, {5 + 80 * (v - 1), 5});
        titre->setObjectName(QStringLiteral("Label_") + vue.toLower());
        titre->setFixedSize(CoteImagePanel, 15);
        titre->setAlignment(Qt::AlignCenter);
        auto *image = new TImageMouse(panel2D);
        image->setObjectName(QStringLiteral("ImageLiaison2D_%1").arg(v));
        image->Tag = v;
        image->setGeometry(8 + 80 * (v - 1), 24, CoteImagePanel, CoteImagePanel);
        image->DefinirClic([this](TImageMouse *s) { ImageLiaison2dClick(s); });
        image->setFocusPolicy(Qt::TabFocus);
        image->setAccessibleName(QStringLiteral("Vue ") + vue);
        ImagesLiaison2D[static_cast<std::size_t>(v - 1)] = image;
    }

    QFrame *panelRotation =
        cadre(PanelLiaison, "PanelInclineaison", QStringLiteral("Réglage de la rotation"), {8, 504, 249, 57});
    QLabel *texteRotation = etiquette(panelRotation, "texte", QStringLiteral("Rotation de la liaison"), {8, 8});
    texteRotation->resize(qMax(113, texteRotation->sizeHint().width()), 17); // the desktop's font may be wider
    LabelInclineaison = etiquette(panelRotation, "LabelInclineaison", QStringLiteral("0°"), {184, 8});
    LabelInclineaison->resize(57, 17);
    LabelInclineaison->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    TrackBarInclineaison = new QSlider(Qt::Horizontal, panelRotation);
    TrackBarInclineaison->setObjectName(QStringLiteral("TrackBarInclineaison"));
    TrackBarInclineaison->setAccessibleName(QStringLiteral("Rotation de la liaison"));
    TrackBarInclineaison->setRange(InclineaisonMin, InclineaisonMax);
    TrackBarInclineaison->setTickInterval(15);
    TrackBarInclineaison->setPageStep(15);
    TrackBarInclineaison->setTickPosition(QSlider::TicksBelow);
    TrackBarInclineaison->setGeometry(8, 25, 236, 28);
    connect(TrackBarInclineaison, &QSlider::valueChanged, this, &TFormGrapheDesLiaisons::TrackBarInclineaisonChange);

    BoutonFermer = new QPushButton(QStringLiteral("Fermer"), PanelLiaison);
    BoutonFermer->setObjectName(QStringLiteral("BoutonFermer"));
    BoutonFermer->setAccessibleName(QStringLiteral("Fermer"));
    BoutonFermer->setGeometry(8, 568, 75, 25);
    connect(BoutonFermer, &QPushButton::clicked, this, &TFormGrapheDesLiaisons::BoutonFermerClick);
    PanelLiaison->hide();
}

void TFormGrapheDesLiaisons::LiaisonInitialisation()
{
    Graphe_.LiaisonInitialisation();
    for (int i = 1; i <= NbrLiaisonMax; ++i) {
        ImagesLiaison[static_cast<std::size_t>(i - 1)]->hide();
        ImageFond->DefinirLien(i, std::nullopt);
    }
}

void TFormGrapheDesLiaisons::ActiverBoutons(bool actifs)
{
    // Without a graph there is nothing to work on; without its catalogue the window cannot show or
    // count a joint.
    const bool graphe = actifs && !Graphe_.DossierExercice.isEmpty();
    const bool liaisons = graphe && Catalogue.estComplet();
    for (QPushButton *b : {BoutonCreer, BoutonEditer, BoutonDetruire, BoutonHyperstatisme})
        b->setEnabled(liaisons);
    BoutonBati->setEnabled(graphe);
}

void TFormGrapheDesLiaisons::LiaisonEdition()
{
    for (TImageMouse *image : ImagesCe)
        image->DefinirClic({});
    for (TImageMouse *symbole : ImagesLiaison)
        symbole->DefinirClic({});
    ActiverBoutons(true);
    PanelLiaison->hide();
    Etat_ = Etat::Normal;
    LiaisonEditee_ = 0;
    ActiverAnnulation();
}

void TFormGrapheDesLiaisons::BoutonCreerClick()
{
    if (Graphe_.NbrLiaison() >= NbrLiaisonMax) {
        dialogues().Message(MessageLimiteLiaisons());
        return;
    }
    if (FocusDans(BoutonCreer))
        ImagesCe[0]->setFocus(Qt::TabFocusReason);
    ActiverBoutons(false);
    // From here to "Fermer" the new joint is one change, undone as a whole.
    DebutModification();
    const int a = Graphe_.AjouterLiaison();
    LibelleEdition = QStringLiteral("Créer la liaison %1");
    InitialisationEditerLiaison(a);
}

void TFormGrapheDesLiaisons::BoutonEditerClick()
{
    if (Graphe_.NbrLiaison() == 0)
        return;
    for (int i = 1; i <= Graphe_.NbrLiaison(); ++i)
        ImagesLiaison[static_cast<std::size_t>(i - 1)]->DefinirClic(
            [this](TImageMouse *s) { ImageLiaisonEditerOnClick(s); });
    if (FocusDans(BoutonEditer))
        ImagesLiaison[0]->setFocus(Qt::TabFocusReason);
    ActiverBoutons(false);
    Etat_ = Etat::ChoixLiaisonAEditer;
}

void TFormGrapheDesLiaisons::BoutonDetruireClick()
{
    if (Graphe_.NbrLiaison() == 0)
        return;
    for (int i = 1; i <= Graphe_.NbrLiaison(); ++i)
        ImagesLiaison[static_cast<std::size_t>(i - 1)]->DefinirClic(
            [this](TImageMouse *s) { LiaisonImageDetruireOnClick(s); });
    if (FocusDans(BoutonDetruire))
        ImagesLiaison[0]->setFocus(Qt::TabFocusReason);
    ActiverBoutons(false);
    Etat_ = Etat::ChoixLiaisonADetruire;
}

void TFormGrapheDesLiaisons::InitialisationEditerLiaison(int a)
{
    for (TImageMouse *image : ImagesCe)
        image->DefinirClic([this](TImageMouse *s) { CeImageClick(s); });
    for (TImageMouse *symbole : ImagesLiaison)
        symbole->DefinirClic({});
    Etat_ = Etat::EditionLiaison;
    LiaisonEditee_ = a;
    LiaisonImageDessiner(a);
    PanelLiaison->show();
    ActiverAnnulation();
}

void TFormGrapheDesLiaisons::ImageLiaisonEditerOnClick(TImageMouse *sender)
{
    DebutModification();
    LibelleEdition = QStringLiteral("Modifier la liaison %1");
    InitialisationEditerLiaison(sender->Tag);
}

void TFormGrapheDesLiaisons::LiaisonImageDetruireOnClick(TImageMouse *sender)
{
    const int a = sender->Tag;
    DebutModification();
    LiaisonImageDetruire(a);
    LiaisonEdition();
    FinModification(QStringLiteral("Détruire la liaison %1").arg(a));
}

bool TFormGrapheDesLiaisons::LiaisonImageKeyDown(TImageMouse *sender, const QKeyEvent &touche)
{
    if (sender->Tag > Graphe_.NbrLiaison() || (touche.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    const bool entree = touche.key() == Qt::Key_Return || touche.key() == Qt::Key_Enter;
    const bool normal = Etat_ == Etat::Normal && BoutonEditer->isEnabled();
    if (entree && normal) {
        ActiverBoutons(false);
        ImageLiaisonEditerOnClick(sender);
        return true;
    }
    if (touche.key() == Qt::Key_Delete && (normal || Etat_ == Etat::ChoixLiaisonADetruire)) {
        LiaisonImageDetruireOnClick(sender);
        return true;
    }
    // Otherwise Espace and Entrée do what a click does in the choice under way.
    return false;
}

void TFormGrapheDesLiaisons::LiaisonImageDetruire(int a)
{
    if (a < 1 || a > Graphe_.NbrLiaison())
        return;
    Graphe_.DetruireLiaison(a);
    DessinerToutLeGraphe();
}

void TFormGrapheDesLiaisons::CeImageClick(TImageMouse *sender)
{
    const int a = LiaisonEditee_;
    if (Etat_ != Etat::EditionLiaison || a < 1 || a > Graphe_.NbrLiaison())
        return;
    const int t = sender->Tag;
    const int c = Graphe_.Liaison(a).Ce1;
    if (t == c)
        return;
    // The joint's own pair would only be swapped: refused without a word. Another joint that joins
    // the two classes makes a minimal diagram impossible, unless the student wants joints in parallel.
    bool dejaLiees = false;
    for (int i = 1; c != 0 && i <= Graphe_.NbrLiaison(); ++i) {
        if (!memePaire(Graphe_.Liaison(i), t, c))
            continue;
        if (i == a)
            return;
        dejaLiees = true;
    }
    if (dejaLiees &&
        !dialogues().Question(TitreConfirmation, MessageDejaLiees + QStringLiteral("\n\n") + QuestionParallele,
                              BoutonParDefaut::Non))
        return;
    Graphe_.Liaison(a).Ce2 = c;
    Graphe_.Liaison(a).Ce1 = t;
    LiaisonLiensDessiner();
    LiaisonImageDessiner(a);
}

void TFormGrapheDesLiaisons::BoutonPermuterClick()
{
    const int a = LiaisonEditee_;
    if (a < 1 || a > Graphe_.NbrLiaison())
        return;
    TLiaison &l = Graphe_.Liaison(a);
    std::swap(l.Ce1, l.Ce2);
    LiaisonImageDessiner(a);
}

void TFormGrapheDesLiaisons::ImageLiaison3dClick(TImageMouse *sender)
{
    const int a = LiaisonEditee_;
    if (a < 1 || a > Graphe_.NbrLiaison())
        return;
    TLiaison &l = Graphe_.Liaison(a);
    l.Liaison3D = sender->Tag;
    l.Liaison2D = 0;
    l.Inclineaison = 0;
    LiaisonImageDessiner(a);
}

void TFormGrapheDesLiaisons::ImageLiaison2dClick(TImageMouse *sender)
{
    const int a = LiaisonEditee_;
    if (a < 1 || a > Graphe_.NbrLiaison() || Graphe_.Liaison(a).Liaison3D == 0)
        return;
    TLiaison &l = Graphe_.Liaison(a);
    l.Liaison2D = sender->Tag;
    l.Inclineaison = 0;
    LiaisonImageDessiner(a);
}

void TFormGrapheDesLiaisons::TrackBarInclineaisonChange(int position)
{
    const int a = LiaisonEditee_;
    if (Etat_ != Etat::EditionLiaison || a < 1 || a > Graphe_.NbrLiaison())
        return;
    TLiaison &l = Graphe_.Liaison(a);
    l.Inclineaison = l.Liaison2D == 0 ? 0 : position;
    if (l.Inclineaison != position) {
        // A symbol in space does not turn: the bar goes back to its angle.
        const QSignalBlocker blocage(TrackBarInclineaison);
        TrackBarInclineaison->setValue(l.Inclineaison);
    }
    LiaisonImageRotationDessiner(a);
}

void TFormGrapheDesLiaisons::BoutonAideClick()
{
    bureau().DemarrerProgramme(TrouverChemin(DossierProgramme() + CheminAide));
}

void TFormGrapheDesLiaisons::BoutonFermerClick()
{
    // The panel goes: the keyboard goes on from "Créer liaison", for the next joint.
    const bool focusDansLePanel = FocusDans(PanelLiaison);
    const int a = LiaisonEditee_;
    if (a >= 1 && a <= Graphe_.NbrLiaison()) {
        const TLiaison &l = Graphe_.Liaison(a);
        if (l.Ce1 != 0 && l.Ce2 != 0 && l.Liaison3D != 0) {
            if (l.Liaison2D == 0)
                dialogues().BoiteErreur(MessageIncomplete);
        } else {
            dialogues().BoiteErreur(MessageIncorrecte);
            LiaisonImageDetruire(a);
        }
    }
    LiaisonEdition();
    if (focusDansLePanel)
        BoutonCreer->setFocus(Qt::TabFocusReason);
    // The joint as it leaves the panel, whole or destroyed, is the one change of its editing.
    FinModification(LibelleEdition.arg(a));
}

void TFormGrapheDesLiaisons::LiaisonImageDessiner(int a)
{
    const TLiaison &l = Graphe_.Liaison(a);
    const TColor couleur1 = CouleurExtremite(Graphe_, l.Ce1);
    const TColor couleur2 = CouleurExtremite(Graphe_, l.Ce2);
    LabelLiaison->setText(QString::number(a));
    colorerNumero(LabelCe1, l.Ce1, couleur1);
    colorerNumero(LabelCe2, l.Ce2, couleur2);
    {
        const QSignalBlocker blocage(TrackBarInclineaison);
        TrackBarInclineaison->setValue(l.Inclineaison);
    }
    LiaisonLienDessiner(a);
    for (int i = 1; i <= NbrLiaisonNormaliseeMax; ++i) {
        TImageMouse *image = ImagesLiaison3d[static_cast<std::size_t>(i - 1)];
        image->DefinirImage(SymboleColore(Catalogue.Symbole(i, 0), couleur1, couleur2), i != l.Liaison3D);
        image->resize(CoteImagePanel, CoteImagePanel);
        image->setAccessibleDescription(i == l.Liaison3D ? QStringLiteral("Choisie") : QString());
    }
    for (int v = 1; v <= NbrVueMax; ++v) {
        TImageMouse *image = ImagesLiaison2D[static_cast<std::size_t>(v - 1)];
        image->DefinirImage(SymboleColore(Catalogue.Symbole(l.Liaison3D, v), couleur1, couleur2), v != l.Liaison2D);
        image->resize(CoteImagePanel, CoteImagePanel);
        image->setAccessibleDescription(v == l.Liaison2D ? QStringLiteral("Choisie") : QString());
    }
    LiaisonImageRotationDessiner(a);
}

void TFormGrapheDesLiaisons::LiaisonImageRotationDessiner(int a)
{
    TImageMouse *symbole = ImagesLiaison[static_cast<std::size_t>(a - 1)];
    const bool existe = a <= Graphe_.NbrLiaison();
    const QImage image = existe ? SymboleLiaison(Catalogue, Graphe_, a) : QImage();
    if (existe && a == LiaisonEditee_)
        LabelInclineaison->setText(QString::number(Graphe_.Liaison(a).Inclineaison) + u'°');
    if (image.isNull()) {
        symbole->hide();
        return;
    }
    const TLiaison &l = Graphe_.Liaison(a);
    symbole->DefinirImage(image);
    symbole->setAccessibleName(QStringLiteral("Liaison %1 : classes %2 et %3").arg(a).arg(l.Ce1).arg(l.Ce2));
    if (const auto &lien = ImageFond->LienDe(a))
        PlacerSymbole(a, lien->geometrie);
    symbole->show();
}

void TFormGrapheDesLiaisons::LiaisonLienDessiner(int a)
{
    std::optional<TFondGraphe::Lien> lien;
    if (a <= Graphe_.NbrLiaison()) {
        const TLiaison &l = Graphe_.Liaison(a);
        const auto noeud = [this](int ce) { return ImagesCe[static_cast<std::size_t>(ce - 1)]->geometry(); };
        const bool extremitesChoisies =
            l.Ce1 >= 1 && l.Ce1 <= Graphe_.NbrCe() && l.Ce2 >= 1 && l.Ce2 <= Graphe_.NbrCe();
        if (extremitesChoisies) {
            if (const auto geometrie =
                    LienLiaison(Graphe_, a, noeud(l.Ce1), noeud(l.Ce2), Catalogue.TailleMaxSymboles()))
                lien = TFondGraphe::Lien{*geometrie, Graphe_.Ce(l.Ce1).Couleur, Graphe_.Ce(l.Ce2).Couleur};
        }
    }
    ImageFond->DefinirLien(a, lien);
    if (lien)
        PlacerSymbole(a, lien->geometrie);
}

void TFormGrapheDesLiaisons::PlacerSymbole(int a, const GeometrieLien &lien)
{
    TImageMouse *symbole = ImagesLiaison[static_cast<std::size_t>(a - 1)];
    symbole->move(lien.milieu - QPoint(symbole->width() / 2, symbole->height() / 2));
}

void TFormGrapheDesLiaisons::LiaisonLiensDessiner()
{
    for (int a = 1; a <= NbrLiaisonMax; ++a)
        LiaisonLienDessiner(a);
}

void TFormGrapheDesLiaisons::LiaisonLiensDuNoeudDessiner(int ce)
{
    for (int a = 1; a <= Graphe_.NbrLiaison(); ++a) {
        const TLiaison &l = Graphe_.Liaison(a);
        if (l.Ce1 == ce || l.Ce2 == ce)
            LiaisonLienDessiner(a);
    }
}

void TFormGrapheDesLiaisons::DessinerToutLeGraphe()
{
    const TFondGraphe::Lot lot(*ImageFond);
    LiaisonLiensDessiner();
    for (int a = 1; a <= NbrLiaisonMax; ++a)
        LiaisonImageRotationDessiner(a);
}

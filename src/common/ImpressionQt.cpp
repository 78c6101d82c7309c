#include "common/Impression.h"

#include "common/Bureau.h"
#include "common/Dialogues.h"

#include <QAction>
#include <QMenu>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

namespace {

const QString TexteRienAImprimer = QStringLiteral("Aucun exercice n'est ouvert : il n'y a rien à imprimer.");
const QString TitreNom = QStringLiteral("Nom de l'élève");
const QString InviteNom =
    QStringLiteral("Votre nom, écrit en tête de la page (il n'est gardé que jusqu'à la fermeture du programme) :");
const QString FiltrePdf = QStringLiteral("Document PDF (*.pdf)|*.pdf");
const QString FiltreSvg = QStringLiteral("Image SVG (*.svg)|*.svg");

// What the session keeps: the name typed once, the page set-up last chosen.
struct Session {
    std::optional<QString> eleve;
    QPageLayout miseEnPage{QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(12, 12, 12, 12),
                           QPageLayout::Millimeter};
};
Session &session()
{
    static Session s;
    return s;
}

std::optional<QString> NomEleve()
{
    if (!session().eleve) {
        const auto saisi = dialogues().Saisie(TitreNom, InviteNom, QString());
        if (!saisi)
            return std::nullopt;
        session().eleve = saisi->trimmed();
    }
    return session().eleve;
}

// The work, or nothing after telling the student there is none.
std::optional<TravailImprime> Travail(const FabriqueTravail &fabrique)
{
    auto travail = fabrique();
    if (!travail)
        dialogues().Message(TexteRienAImprimer);
    return travail;
}

// The paper and margins last chosen; a landscape work on landscape paper (the print dialog can still turn it).
QPageLayout MiseEnPage(const TravailImprime &travail)
{
    QPageLayout mise = session().miseEnPage;
    mise.setOrientation(travail.taille.width() > travail.taille.height() ? QPageLayout::Landscape
                                                                         : QPageLayout::Portrait);
    return mise;
}

void Peindre(QPrinter &imprimante, const TravailImprime &travail, const QString &eleve)
{
    QPainter peintre(&imprimante);
    if (peintre.isActive())
        PeindrePage(peintre, QRectF(QPointF(0, 0), imprimante.pageRect(QPrinter::DevicePixel).size()), travail, eleve);
}

void Imprimer(const FabriqueTravail &fabrique, bool apercu)
{
    const auto travail = Travail(fabrique);
    if (!travail)
        return;
    const auto eleve = NomEleve();
    if (!eleve)
        return;
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setPageLayout(MiseEnPage(*travail));
    imprimante.setDocName(travail->exercice + QStringLiteral(" — ") + travail->mecanisme);
    if (apercu) {
        dialogues().Apercu(imprimante, [&](QPrinter &sortie) { Peindre(sortie, *travail, *eleve); });
    } else {
        if (!dialogues().Imprimer(imprimante))
            return;
        Peindre(imprimante, *travail, *eleve);
    }
    session().miseEnPage = imprimante.pageLayout();
}

void Exporter(const FabriqueTravail &fabrique, bool svg)
{
    const auto travail = Travail(fabrique);
    if (!travail)
        return;
    std::optional<QString> eleve;
    if (!svg && !(eleve = NomEleve()))
        return;
    const QString chemin = dialogues().FichierAEnregistrer(
        bureau().DossierDocuments(), svg ? FiltreSvg : FiltrePdf, svg ? QStringLiteral("svg") : QStringLiteral("pdf"),
        true, svg ? QStringLiteral("Exporter en SVG") : QStringLiteral("Exporter en PDF"));
    if (chemin.isEmpty())
        return;
    const auto erreur =
        svg ? EnregistrerSvg(chemin, *travail) : EnregistrerPdf(chemin, *travail, *eleve, MiseEnPage(*travail));
    if (erreur)
        dialogues().Message(*erreur);
}

QAction *Action(QMenu &menu, const char *nom, const QString &texte, std::function<void()> faire)
{
    QAction *action = menu.addAction(texte);
    action->setObjectName(QString::fromLatin1(nom));
    QObject::connect(action, &QAction::triggered, &menu, std::move(faire));
    return action;
}

} // namespace

void AjouterImpression(QMenu &menu, FabriqueTravail travail, ExportsTravail exports)
{
    menu.addSeparator();
    Action(menu, "MenuImprimer", QStringLiteral("&Imprimer…"), [travail] {
        Imprimer(travail, false);
    })->setShortcut(QKeySequence::Print);
    Action(menu, "MenuApercu", QStringLiteral("&Aperçu avant impression"), [travail] { Imprimer(travail, true); });
    if (exports != ExportsTravail::Aucun)
        Action(menu, "MenuExporterPdf", QStringLiteral("Exporter en &PDF…"), [travail] { Exporter(travail, false); });
    if (exports == ExportsTravail::PdfEtSvg)
        Action(menu, "MenuExporterSvg", QStringLiteral("Exporter en S&VG…"), [travail] { Exporter(travail, true); });
}

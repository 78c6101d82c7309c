#include "support/Factices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>

namespace {
DialoguesFactices *dialoguesCourants = nullptr;
BureauFactice *bureauCourant = nullptr;

template <typename T>
T prendre(std::deque<T> &file, T defaut)
{
    if (file.empty())
        return defaut;
    T valeur = std::move(file.front());
    file.pop_front();
    return valeur;
}
} // namespace

void DialoguesFactices::Message(const QString &texte) { boites.push_back({QStringLiteral("Message"), {}, texte}); }

void DialoguesFactices::Rapport(const QString &titre, const QString &texte)
{
    boites.push_back({QStringLiteral("Rapport"), titre, texte});
}

void DialoguesFactices::Erreur(const QString &texte) { boites.push_back({QStringLiteral("Erreur"), {}, texte}); }

void DialoguesFactices::BoiteErreur(const QString &texte)
{
    boites.push_back({QStringLiteral("BoiteErreur"), QStringLiteral("Erreur"), texte});
}

bool DialoguesFactices::Question(const QString &titre, const QString &texte, BoutonParDefaut parDefaut)
{
    boites.push_back({QStringLiteral("Question"), titre, texte, parDefaut});
    return prendre(reponsesQuestion, false);
}

std::optional<QString> DialoguesFactices::Saisie(const QString &titre, const QString &invite, const QString &)
{
    boites.push_back({QStringLiteral("Saisie"), titre, invite});
    return prendre<std::optional<QString>>(reponsesSaisie, std::nullopt);
}

std::optional<TColor> DialoguesFactices::ChoisirCouleur(TColor, QList<TColor> &)
{
    boites.push_back({QStringLiteral("Couleur"), {}, {}});
    return prendre<std::optional<TColor>>(reponsesCouleur, std::nullopt);
}

QString DialoguesFactices::FichierAOuvrir(const QString &dossierInitial, const QString &filtre, int filtreChoisi,
                                          const QString &titre)
{
    boites.push_back({QStringLiteral("Ouvrir"), titre, filtre});
    dernierTitre = titre;
    dernierDossierInitial = dossierInitial;
    dernierFiltre = filtre;
    dernierFiltreChoisi = filtreChoisi;
    return prendre(fichiersAOuvrir, QString());
}

QString DialoguesFactices::FichierAEnregistrer(const QString &dossierInitial, const QString &filtre, const QString &,
                                               bool, const QString &titre)
{
    boites.push_back({QStringLiteral("Enregistrer"), titre, filtre});
    dernierTitre = titre;
    dernierDossierInitial = dossierInitial;
    dernierFiltre = filtre;
    return prendre(fichiersAEnregistrer, QString());
}

ReponseEnregistrement DialoguesFactices::EnregistrerModifications(const QString &texte)
{
    boites.push_back({QStringLiteral("Enregistrement"), QStringLiteral("Confirmation"), texte});
    return prendre(reponsesEnregistrement, ReponseEnregistrement::Annuler);
}

QString DialoguesFactices::ChoisirTypeExercice()
{
    boites.push_back({QStringLiteral("TypeExercice"), QStringLiteral("Information"), {}});
    return prendre(typesExercice, QStringLiteral("ce"));
}

bool DialoguesFactices::Imprimer(QPrinter &imprimante)
{
    boites.push_back({QStringLiteral("Imprimer"), QStringLiteral("Imprimer"), {}});
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    imprimante.setOutputFileName(impression);
    return prendre(reponsesImpression, false);
}

void DialoguesFactices::Apercu(QPrinter &imprimante, const std::function<void(QPrinter &)> &peindre)
{
    boites.push_back({QStringLiteral("Apercu"), QStringLiteral("Aperçu avant impression"), {}});
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    imprimante.setOutputFileName(impression);
    peindre(imprimante);
}

QStringList DialoguesFactices::textes() const
{
    QStringList liste;
    for (const Boite &b : boites) {
        if (b.genre == u"Message" || b.genre == u"Erreur" || b.genre == u"BoiteErreur")
            liste << b.texte;
    }
    return liste;
}

void DialoguesFactices::oublier() { boites.clear(); }

OuvertureDocument BureauFactice::OuvrirDocument(const QString &chemin, EtatFenetre etat)
{
    documents.push_back({chemin, etat});
    if (!QFileInfo::exists(chemin))
        return {OuvertureDocument::FichierAbsent};
    return {sansProgramme ? OuvertureDocument::SansProgramme : OuvertureDocument::Ouvert};
}

bool BureauFactice::OuvrirAdresse(const QString &adresse)
{
    adresses << adresse;
    return true;
}

bool BureauFactice::DemarrerProgramme(const QString &chemin)
{
    programmes << chemin;
    return QFileInfo::exists(chemin);
}

bool BureauFactice::Effacer(const QString &chemin)
{
    effaces << chemin;
    const QFileInfo info(chemin);
    if (info.isDir())
        return QDir(chemin).removeRecursively();
    return QFile::remove(chemin);
}

QString BureauFactice::DossierDocuments()
{
    if (!dossierDocuments.isEmpty())
        QDir().mkpath(dossierDocuments);
    return dossierDocuments;
}

QImage BureauFactice::CaptureEcran(const QRect &rectangle) { return ecran.copy(rectangle); }

QPoint BureauFactice::PositionPointeur() { return pointeur; }

DialoguesFactices &InstallerFactices()
{
    auto dialoguesNeufs = std::make_unique<DialoguesFactices>();
    auto bureauNeuf = std::make_unique<BureauFactice>();
    dialoguesCourants = dialoguesNeufs.get();
    bureauCourant = bureauNeuf.get();
    InstallerDialogues(std::move(dialoguesNeufs));
    InstallerBureau(std::move(bureauNeuf));
    return *dialoguesCourants;
}

DialoguesFactices &dialoguesFactices() { return *dialoguesCourants; }

BureauFactice &bureauFactice() { return *bureauCourant; }

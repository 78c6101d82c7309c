#include "shell/TScruteDossier.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

QString sansSeparateurFinal(QString dossier)
{
    if (!dossier.isEmpty() && (dossier.back() == u'/' || dossier.back() == u'\\'))
        dossier.chop(1);
    return dossier;
}

// In name order, letter case ignored, as the desktop the mechanisms come from lists them; names
// equal but for case in a fixed order, so that the menus never change from one run to the next.
QFileInfoList entrees(const QString &dossier)
{
    const QString lu = dossier.isEmpty() ? QStringLiteral("/") : dossier;
    QFileInfoList liste =
        QDir(lu).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
    std::sort(liste.begin(), liste.end(), [](const QFileInfo &a, const QFileInfo &b) {
        const int sansCasse = a.fileName().compare(b.fileName(), Qt::CaseInsensitive);
        return sansCasse != 0 ? sansCasse < 0 : a.fileName() < b.fileName();
    });
    return liste;
}

} // namespace

bool CorrespondAuMotif(const QString &nom, const QString &motif)
{
    // As on the desktop the files were made on, "*.*" means every name, with or without a dot.
    if (motif == u"*.*")
        return true;
    // Iterative match with one back-track point for the last "*".
    qsizetype n = 0, m = 0, etoile = -1, reprise = 0;
    while (n < nom.size()) {
        if (m < motif.size() && (motif[m] == u'?' || motif[m].toCaseFolded() == nom[n].toCaseFolded())) {
            ++n;
            ++m;
        } else if (m < motif.size() && motif[m] == u'*') {
            etoile = m++;
            reprise = n;
        } else if (etoile >= 0) {
            m = etoile + 1;
            n = ++reprise;
        } else {
            return false;
        }
    }
    while (m < motif.size() && motif[m] == u'*')
        ++m;
    return m == motif.size();
}

TScruteDossier::TScruteDossier(QObject *owner) : QObject(owner), Dossier(QDir::rootPath()) {}

void TScruteDossier::Execute()
{
    if (OnExecute)
        OnExecute(this);
    dossiersVisites_.clear();
    ScruterDossier(0, Dossier);
    dossiersVisites_.clear();
    if (OnFinExecute)
        OnFinExecute(this);
}

void TScruteDossier::ScruterDossier(int niveau, QString dossier)
{
    if (MaxPenetration >= 0 && niveau > MaxPenetration)
        return;
    dossier = sansSeparateurFinal(dossier);
    const QString canonique = QFileInfo(dossier.isEmpty() ? QStringLiteral("/") : dossier).canonicalFilePath();
    if (canonique.isEmpty() || dossiersVisites_.contains(canonique))
        return;
    dossiersVisites_.insert(canonique);

    ScruterFichiers(dossier, Filtre);
    for (const QFileInfo &entree : entrees(dossier)) {
        if (!entree.isDir())
            continue;
        const QString chemin = dossier + u'/' + entree.fileName();
        if (OnDossier)
            OnDossier(this, chemin);
        if (SousDossier)
            ScruterDossier(niveau + 1, chemin);
        QCoreApplication::processEvents();
    }
}

void TScruteDossier::ScruterFichiers(QString dossier, QString motifs)
{
    dossier = sansSeparateurFinal(dossier);
    while (!motifs.isEmpty()) {
        const qsizetype pointVirgule = motifs.indexOf(u';');
        const QString motif = pointVirgule < 0 ? motifs : motifs.left(pointVirgule);
        if (!motif.isEmpty()) {
            for (const QFileInfo &entree : entrees(dossier)) {
                if (!CorrespondAuMotif(entree.fileName(), motif))
                    continue;
                QCoreApplication::processEvents();
                if (entree.isDir() || !OnFichier)
                    continue;
                OnFichier(this, dossier + u'/' + entree.fileName());
            }
        }
        motifs = pointVirgule < 0 ? QString() : motifs.mid(pointVirgule + 1);
    }
}

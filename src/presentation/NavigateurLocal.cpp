#include "presentation/NavigateurLocal.h"

#include "common/Bureau.h"
#include "presentation/PageDescription.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>

namespace {

QByteArray lireFichier(const QString &chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly) || fichier.size() > TailleMaxRessource)
        return {};
    return fichier.readAll();
}

bool estPage(const QString &chemin)
{
    return chemin.endsWith(QStringLiteral(".htm"), Qt::CaseInsensitive) ||
           chemin.endsWith(QStringLiteral(".html"), Qt::CaseInsensitive);
}

} // namespace

NavigateurLocal::NavigateurLocal(QWidget *parent) : QTextBrowser(parent)
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &NavigateurLocal::LienClique);
}

void NavigateurLocal::Afficher(const QString &dossier, const QString &page)
{
    dossier_ = dossier;
    setSearchPaths({dossier});
    clearHistory();
    const QString canonique = QFileInfo(page).canonicalFilePath();
    const QUrl adresse = QUrl::fromLocalFile(canonique.isEmpty() ? page : canonique);
    if (source() == adresse)
        reload(); // the same file may have changed since
    else
        setSource(adresse);
}

QVariant NavigateurLocal::loadResource(int type, const QUrl &nom)
{
    // Whatever is refused gets an empty but valid answer: on an invalid one, the document would
    // read the file itself.
    const auto chemin = CheminDansDossier(dossier_, nom);
    const QByteArray octets = chemin ? lireFichier(*chemin) : QByteArray();
    switch (type) {
    case QTextDocument::HtmlResource: return DecoderPageHtml(octets);
    case QTextDocument::ImageResource: {
        QImage image = QImage::fromData(octets);
        if (image.isNull()) {
            image = QImage(1, 1, QImage::Format_ARGB32);
            image.fill(Qt::transparent);
        }
        return image;
    }
    default: return octets;
    }
}

void NavigateurLocal::LienClique(const QUrl &lien)
{
    const QString schema = lien.scheme().toLower();
    if (schema == u"http" || schema == u"https") {
        bureau().OuvrirAdresse(lien.toString());
        return;
    }
    const auto chemin = CheminDansDossier(dossier_, lien);
    if (!chemin)
        return;
    if (!estPage(*chemin)) {
        bureau().OuvrirDocument(*chemin, EtatFenetre::Normale);
        return;
    }
    QUrl page = QUrl::fromLocalFile(*chemin);
    page.setFragment(lien.fragment());
    setSource(page);
}

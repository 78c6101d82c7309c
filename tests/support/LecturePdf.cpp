#include "support/LecturePdf.h"

#include <poppler/qt6/poppler-qt6.h>

PdfLu LirePdf(const QString &chemin, double pointsParPouce)
{
    PdfLu lu;
    const std::unique_ptr<Poppler::Document> document = Poppler::Document::load(chemin);
    if (!document || document->isLocked())
        return lu;
    lu.pages = document->numPages();
    const std::unique_ptr<Poppler::Page> page = lu.pages > 0 ? document->page(0) : nullptr;
    if (!page)
        return lu;
    lu.lisible = true;
    lu.taillePoints = page->pageSizeF();
    // Typographic ligatures (ﬁ) read as their letters.
    lu.texte = page->text(QRectF()).normalized(QString::NormalizationForm_KC);
    lu.image = page->renderToImage(pointsParPouce, pointsParPouce).convertToFormat(QImage::Format_RGB888);
    return lu;
}

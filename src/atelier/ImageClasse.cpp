#include "atelier/ImageClasse.h"

#include "atelier/CouleursMecanisme.h"

#include <QPainter>

QFont PoliceDessin(int taillePixels, bool gras)
{
    QFont police(QStringLiteral("DejaVu Sans"));
    police.setPixelSize(taillePixels);
    police.setBold(gras);
    police.setStyleStrategy(QFont::NoAntialias);
    return police;
}

QImage ImageClasse(const QImage &plan, const QImage &classes, int n)
{
    constexpr int Largeur = 160;
    constexpr int Hauteur = 120;
    const Rvb marque = CouleurVersRvb(MarqueClasse(n));
    const auto marquee = [&](const uchar *c) {
        return c[0] == marque.rouge && c[1] == marque.vert && c[2] == marque.bleu;
    };
    int x0 = classes.width(), y0 = classes.height(), x1 = -1, y1 = -1;
    for (int y = 0; y < classes.height(); ++y) {
        const uchar *c = classes.constScanLine(y);
        for (int x = 0; x < classes.width(); ++x) {
            if (marquee(c + 3 * x))
                x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
        }
    }
    QImage carte(Largeur, Hauteur, QImage::Format_RGB888);
    carte.fill(Qt::white);
    QPainter p(&carte);
    if (x1 >= x0) {
        // Only the cut is copied and tinted: a whole sheet may be hundreds of megabytes.
        const QRect cadre = QRect(QPoint(x0, y0), QPoint(x1, y1)).adjusted(-20, -20, 20, 20).intersected(plan.rect());
        QImage teinte = plan.copy(cadre);
        for (int y = 0; y < cadre.height(); ++y) {
            const uchar *c = classes.constScanLine(cadre.y() + y) + 3 * cadre.x();
            uchar *t = teinte.scanLine(y);
            for (int x = 0; x < cadre.width(); ++x) {
                if (marquee(c + 3 * x) && t[3 * x] == 255 && t[3 * x + 1] == 255 && t[3 * x + 2] == 255)
                    t[3 * x] = 150, t[3 * x + 1] = 190, t[3 * x + 2] = 235;
            }
        }
        const QImage vignette =
            teinte.scaled(Largeur - 40, Hauteur - 36, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        p.drawImage((Largeur - vignette.width()) / 2, 16 + (Hauteur - 36 - vignette.height()) / 2, vignette);
    }
    p.setPen(QPen(Qt::black, 2));
    p.drawRect(QRect(1, 1, Largeur - 2, Hauteur - 2));
    p.setFont(PoliceDessin(16, true));
    p.drawText(QRect(Largeur - 34, 3, 30, 18), Qt::AlignRight | Qt::AlignVCenter, QString::number(n));
    return carte;
}

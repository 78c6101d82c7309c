#pragma once

#include <QImage>
#include <QPolygon>
#include <QWidget>
#include <vector>

// The sheet of the workshop at a zoom: the tinted drawing, the parts' bubbles, the stroke being drawn and
// the keyboard's cursor. It speaks in the sheet's pixels; what a click means is the window's business.
class VueAtelier : public QWidget {
    Q_OBJECT
public:
    struct Bulle {
        QPoint centre;
        int repere;
    };

    explicit VueAtelier(QWidget *parent = nullptr);

    // The picture shown, owned by the window; null for none. `change`: the sheet's rectangle to repaint.
    void DefinirImage(const QImage *image);
    void Actualiser(QRect change);
    void DefinirBulles(std::vector<Bulle> bulles);
    // With free strokes, a drag draws a stroke; otherwise a press is a click.
    void DefinirTraceLibre(bool libre);
    // The points placed from the keyboard for a stroke not yet drawn.
    void DefinirTraceEnCours(QPolygon trace);

    double Zoom() const { return zoom_; }
    void DefinirZoom(double zoom);
    QPoint Curseur() const { return curseur_; }
    void PlacerCurseur(QPoint feuille);

signals:
    void Clic(QPoint feuille);
    void Trace(QPolygon feuille);
    // Espace or Entrée on the cursor; `fin` for Entrée.
    void ToucheAction(QPoint feuille, bool fin);
    void CurseurDeplace(QPoint feuille);
    // Échap: what was begun (a stroke, a zone chosen) is given up.
    void Abandon();
    // Ctrl and the wheel: the zoom multiplied by `facteur`.
    void ZoomDemande(double facteur);

protected:
    void paintEvent(QPaintEvent *evenement) override;
    void mousePressEvent(QMouseEvent *evenement) override;
    void mouseMoveEvent(QMouseEvent *evenement) override;
    void mouseReleaseEvent(QMouseEvent *evenement) override;
    void keyPressEvent(QKeyEvent *evenement) override;
    void wheelEvent(QWheelEvent *evenement) override;
    void focusInEvent(QFocusEvent *evenement) override;
    void focusOutEvent(QFocusEvent *evenement) override;

private:
    QPoint versFeuille(QPointF ecran) const;
    QRectF versEcran(QRectF feuille) const;
    void ajusterTaille();

    const QImage *image_ = nullptr;
    double zoom_ = 1.0;
    std::vector<Bulle> bulles_;
    bool traceLibre_ = false;
    QPolygon trace_;        // the mouse's stroke while the button is down
    QPolygon traceClavier_; // the keyboard's points
    bool appuye_ = false;
    QPoint curseur_;
};

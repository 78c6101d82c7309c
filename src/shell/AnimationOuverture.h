#pragma once

#include <QElapsedTimer>
#include <QPainterPath>
#include <QPixmap>
#include <QWidget>

class QTimer;

// The opening animation, 772 × 215 pixels: two meshing gears and a crank-slider working on a
// blueprint ground while the program's name fades in. Painted by the program itself; no file is read.
class AnimationOuverture : public QWidget {
    Q_OBJECT

public:
    explicit AnimationOuverture(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *evenement) override;
    void showEvent(QShowEvent *evenement) override;
    void hideEvent(QHideEvent *evenement) override;

private:
    void preparerFond();
    void preparerTitre();
    void avancer();
    double secondes() const;
    void dessinerEngrenages(QPainter &p, double t) const;
    void dessinerBielleManivelle(QPainter &p, double t) const;

    QTimer *minuterie_;
    QElapsedTimer horloge_;
    QPixmap fond_;
    QPixmap titre_;
    QPixmap sousTitre_;
    QPainterPath roueMenante_;
    QPainterPath roueMenee_;
};

#pragma once

#include <QPoint>
#include <QWidget>

class QLabel;
class QPropertyAnimation;

// A small pop-up in the lower right corner of the screen that fades in, stays ten seconds and
// fades out. The student can drag it anywhere and close it. It ends itself when it closes, and with
// its owner. Several may be shown at once: each new one is placed above those still shown.
class TFormNotification : public QWidget {
    Q_OBJECT
public:
    static constexpr int DureeAffichage = 10000; // milliseconds

    TFormNotification(QWidget *proprietaire, const QString &entete, const QString &message);

    QString Entete() const;
    QString Message() const;
    void Montrer();

protected:
    void mousePressEvent(QMouseEvent *evenement) override;
    void mouseMoveEvent(QMouseEvent *evenement) override;

private:
    void Disparaitre();

    QLabel *LabelEntete = nullptr;
    QLabel *LabelMessage = nullptr;
    QPropertyAnimation *Fondu = nullptr;
    QPoint prise_;
};

#include "colouring/TFormNotification.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPropertyAnimation>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// Its size at least; a longer text makes it taller, never wider.
constexpr QSize Taille(300, 100);
constexpr int DureeFondu = 400;
constexpr int Marge = 8;
} // namespace

TFormNotification::TFormNotification(QWidget *proprietaire, const QString &entete, const QString &message)
    : QWidget(proprietaire, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Notification"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAccessibleName(entete);
    setAutoFillBackground(true);
    QPalette couleurs = palette();
    couleurs.setColor(QPalette::Window, QColor(255, 255, 225));
    couleurs.setColor(QPalette::WindowText, Qt::black);
    setPalette(couleurs);

    auto *disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(Marge, 4, 4, Marge);
    auto *haut = new QHBoxLayout;
    LabelEntete = new QLabel(entete, this);
    LabelEntete->setTextFormat(Qt::PlainText);
    QFont gras = LabelEntete->font();
    gras.setBold(true);
    LabelEntete->setFont(gras);
    haut->addWidget(LabelEntete, 1);
    auto *fermer = new QToolButton(this);
    fermer->setObjectName(QStringLiteral("BoutonFermer"));
    fermer->setText(QStringLiteral("×"));
    fermer->setAutoRaise(true);
    fermer->setAccessibleName(QStringLiteral("Fermer la notification"));
    fermer->setToolTip(QStringLiteral("Fermer"));
    connect(fermer, &QToolButton::clicked, this, &QWidget::close);
    haut->addWidget(fermer);
    disposition->addLayout(haut);
    LabelMessage = new QLabel(message, this);
    LabelMessage->setTextFormat(Qt::PlainText);
    LabelMessage->setWordWrap(true);
    LabelMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    disposition->addWidget(LabelMessage, 1);
    setAccessibleDescription(message);
    setFixedWidth(Taille.width());
    setFixedHeight(std::max(Taille.height(), heightForWidth(Taille.width())));

    Fondu = new QPropertyAnimation(this, "windowOpacity", this);
    Fondu->setDuration(DureeFondu);
}

QString TFormNotification::Entete() const { return LabelEntete->text(); }

QString TFormNotification::Message() const { return LabelMessage->text(); }

void TFormNotification::Montrer()
{
    const QScreen *ecran = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const QRect bureau = ecran ? ecran->availableGeometry() : QRect(QPoint(0, 0), Taille);
    int hauteurDessous = 0;
    if (parentWidget()) {
        for (const TFormNotification *autre :
             parentWidget()->findChildren<TFormNotification *>(Qt::FindDirectChildrenOnly)) {
            if (autre != this && autre->isVisible())
                hauteurDessous += autre->height() + Marge;
        }
    }
    // Taller than the desktop, it would lose its header: it shows the screen's height of it.
    setFixedHeight(std::min(height(), bureau.height()));
    const int y = std::max(bureau.top(), bureau.bottom() + 1 - hauteurDessous - height() - Marge);
    move(bureau.right() + 1 - width() - Marge, y);
    setWindowOpacity(0.0);
    show();
    Fondu->setStartValue(0.0);
    Fondu->setEndValue(1.0);
    Fondu->start();
    QTimer::singleShot(DureeFondu + DureeAffichage, this, &TFormNotification::Disparaitre);
}

void TFormNotification::Disparaitre()
{
    Fondu->stop();
    Fondu->setStartValue(windowOpacity());
    Fondu->setEndValue(0.0);
    connect(Fondu, &QPropertyAnimation::finished, this, &QWidget::close);
    Fondu->start();
}

void TFormNotification::mousePressEvent(QMouseEvent *evenement)
{
    if (evenement->button() == Qt::LeftButton)
        prise_ = evenement->globalPosition().toPoint() - frameGeometry().topLeft();
}

void TFormNotification::mouseMoveEvent(QMouseEvent *evenement)
{
    if (evenement->buttons() & Qt::LeftButton)
        move(evenement->globalPosition().toPoint() - prise_);
}

#include "shell/TAboutBox.h"

#include "common/Jpeg.h"

#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {

const QString TexteProduit = QStringLiteral("Armilo");
const QString TexteLogiciel = QStringLiteral("Velkora");
const QString TexteVersion = QStringLiteral("3.5.1");
const QString TexteAuteur = QStringLiteral("L'équipe Velkora");

// Scaled for the screen's pixels, so that a high-density screen shows the logo's own detail.
QPixmap Logo(const QSize &cadre, qreal ratioEcran)
{
    QFile fichier(QStringLiteral(":/logo.jpg"));
    if (!fichier.open(QIODevice::ReadOnly))
        return {};
    const ImageDecodee logo = DecoderJpeg(fichier.readAll());
    if (logo.image.isNull())
        return {};
    QPixmap image =
        QPixmap::fromImage(logo.image.scaled(cadre * ratioEcran, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    image.setDevicePixelRatio(ratioEcran);
    return image;
}

} // namespace

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("A propos"));
    setFixedSize(313, 217);
    QFont police(QStringLiteral("Verdana"));
    police.setPixelSize(11);
    setFont(police);

    auto *Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(8, 8, 297, 113);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(2);

    auto *Logo = new QLabel(Panel1);
    Logo->setObjectName(QStringLiteral("Logo"));
    Logo->setAccessibleName(QStringLiteral("Logo de Velkora"));
    Logo->setGeometry(8, 8, 121, 97);
    Logo->setAlignment(Qt::AlignCenter);
    Logo->setPixmap(::Logo(Logo->size(), Logo->devicePixelRatioF()));

    QFont gras = police;
    gras.setBold(true);
    auto texte = [Panel1](const QString &nom, int x, int y, const QString &contenu, const QFont &f) {
        auto *label = new QLabel(contenu, Panel1);
        label->setObjectName(nom);
        label->setFont(f);
        label->move(x, y);
        label->adjustSize();
    };
    texte(QStringLiteral("Label1"), 136, 16, QStringLiteral("Produit"), gras);
    texte(QStringLiteral("produit"), 200, 16, TexteProduit, police);
    texte(QStringLiteral("Label2"), 136, 40, QStringLiteral("Logiciel"), gras);
    texte(QStringLiteral("Titre"), 200, 40, TexteLogiciel, police);
    texte(QStringLiteral("Label3"), 136, 64, QStringLiteral("Version"), gras);
    texte(QStringLiteral("Version"), 200, 64, TexteVersion, police);
    texte(QStringLiteral("Label4"), 136, 88, QStringLiteral("Auteur"), gras);
    texte(QStringLiteral("Auteur"), 200, 88, TexteAuteur, police);

    auto *OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(120, 184, 72, 24);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    if (const QScreen *ecran = QGuiApplication::primaryScreen())
        move(ecran->availableGeometry().center() - rect().center());
}

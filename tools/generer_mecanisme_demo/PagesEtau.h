#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// The description pages of the bench vice and the pictures they show.
QByteArray PageExplication();
QByteArray PageFonctionnement();
// A shaded oblique view of the vice with a workpiece between its jaws.
QImage ImageVueEtau();
// How a turn of the lever becomes a stroke of the mobile jaw.
QImage ImageMouvementEtau();

inline const QString NomImageVue = QStringLiteral("vue.png");
inline const QString NomImageMouvement = QStringLiteral("mouvement.png");
inline const QString NomPageFonctionnement = QStringLiteral("fonctionnement.htm");

#pragma once

#include "Mecanisme.h"

// The bench vice's description page, the page on how it works and the pictures they show.
QString CorpsExplicationEtau();
std::vector<AnnexePage> AnnexesEtau();

// A shaded oblique view of the vice with a workpiece between its jaws.
QImage ImageVueEtau();
// How a turn of the lever becomes a stroke of the mobile jaw.
QImage ImageMouvementEtau();

inline const QString NomImageVue = QStringLiteral("vue.png");
inline const QString NomImageMouvement = QStringLiteral("mouvement.png");
inline const QString NomPageFonctionnement = QStringLiteral("fonctionnement.htm");

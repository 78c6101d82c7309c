#pragma once

#include <QString>

class QToolButton;
class QWidget;

inline constexpr int CoteBoutonPanneau = 24;

// A checkable 24 × 24 button of the diagram's tool panel, at the given left edge, named for screen
// readers by its text. Its group keeps at most one button down and lets all be up.
QToolButton *BoutonPanneau(QWidget *panneau, const QString &nomObjet, const QString &texte, int gauche);

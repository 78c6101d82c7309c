#pragma once

#include <QColor>
#include <QString>
#include <cstdint>
#include <optional>

// A colour as the mechanism files store it: $00BBGGRR for a plain colour (red in the low byte),
// $FF000000 + role number for a desktop colour resolved from the palette when pixels are drawn.
using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x00000000;
inline constexpr TColor clWhite = 0x00FFFFFF;
inline constexpr TColor clRed = 0x000000FF;
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;
inline constexpr TColor MarqueCouleurBureau = 0xFF000000;
inline constexpr TColor clBtnFace = MarqueCouleurBureau + 15;

struct Rvb {
    std::uint8_t rouge = 0;
    std::uint8_t vert = 0;
    std::uint8_t bleu = 0;
    friend bool operator==(const Rvb &, const Rvb &) = default;
};

struct ConversionCouleur {
    std::optional<TColor> couleur;
    QString erreur; // French text to show when the conversion failed
};

// Text to colour: one of the 52 colour names (letter case ignored), else an integer.
ConversionCouleur TexteVersCouleur(const QString &texte);
// Colour to text: the table's name where there is one, else "$" and eight upper-case hex digits.
QString CouleurVersTexte(TColor couleur);
// The error text shown when a colour text is neither a name nor an integer.
QString MessageCouleurInvalide(const QString &texte);

// Resolves a desktop colour from the application palette; a plain colour is its own value.
Rvb CouleurVersRvb(TColor couleur);
QColor CouleurVersQColor(TColor couleur);
TColor QColorVersCouleur(const QColor &couleur);
TColor RvbVersCouleur(Rvb rvb);

#include "common/Couleur.h"

#include "common/Entier.h"

#include <QGuiApplication>
#include <QPalette>
#include <array>

namespace {

struct NomCouleur {
    const char *nom;
    TColor valeur;
};

constexpr TColor bureau(std::uint32_t role) { return MarqueCouleurBureau + role; }

// In the order the colour names are listed to the user; every value occurs once.
constexpr std::array<NomCouleur, 52> TableCouleurs{{
    {"clBlack", 0x00000000},
    {"clMaroon", 0x00000080},
    {"clGreen", 0x00008000},
    {"clOlive", 0x00008080},
    {"clNavy", 0x00800000},
    {"clPurple", 0x00800080},
    {"clTeal", 0x00808000},
    {"clGray", 0x00808080},
    {"clSilver", 0x00C0C0C0},
    {"clRed", 0x000000FF},
    {"clLime", 0x0000FF00},
    {"clYellow", 0x0000FFFF},
    {"clBlue", 0x00FF0000},
    {"clFuchsia", 0x00FF00FF},
    {"clAqua", 0x00FFFF00},
    {"clWhite", 0x00FFFFFF},
    {"clMoneyGreen", 0x00C0DCC0},
    {"clSkyBlue", 0x00F0CAA6},
    {"clCream", 0x00F0FBFF},
    {"clMedGray", 0x00A4A0A0},
    {"clActiveBorder", bureau(10)},
    {"clActiveCaption", bureau(2)},
    {"clAppWorkSpace", bureau(12)},
    {"clBackground", bureau(1)},
    {"clBtnFace", bureau(15)},
    {"clBtnHighlight", bureau(20)},
    {"clBtnShadow", bureau(16)},
    {"clBtnText", bureau(18)},
    {"clCaptionText", bureau(9)},
    {"clDefault", clDefault},
    {"clGradientActiveCaption", bureau(27)},
    {"clGradientInactiveCaption", bureau(28)},
    {"clGrayText", bureau(17)},
    {"clHighlight", bureau(13)},
    {"clHighlightText", bureau(14)},
    {"clHotLight", bureau(26)},
    {"clInactiveBorder", bureau(11)},
    {"clInactiveCaption", bureau(3)},
    {"clInactiveCaptionText", bureau(19)},
    {"clInfoBk", bureau(24)},
    {"clInfoText", bureau(23)},
    {"clMenu", bureau(4)},
    {"clMenuBar", bureau(30)},
    {"clMenuHighlight", bureau(29)},
    {"clMenuText", bureau(7)},
    {"clNone", clNone},
    {"clScrollBar", bureau(0)},
    {"cl3DDkShadow", bureau(21)},
    {"cl3DLight", bureau(22)},
    {"clWindow", bureau(5)},
    {"clWindowFrame", bureau(6)},
    {"clWindowText", bureau(8)},
}};

Rvb depuisQColor(const QColor &c)
{
    return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
            static_cast<std::uint8_t>(c.blue())};
}

QColor roleBureau(std::uint32_t role)
{
    const QPalette palette = QGuiApplication::palette();
    switch (role) {
    case 0: return palette.color(QPalette::Button);                      // clScrollBar
    case 1: return palette.color(QPalette::Dark);                        // clBackground
    case 2: return palette.color(QPalette::Active, QPalette::Highlight); // clActiveCaption
    case 3: return palette.color(QPalette::Inactive, QPalette::Mid);     // clInactiveCaption
    case 4: return palette.color(QPalette::Window);                      // clMenu
    case 5: return palette.color(QPalette::Base);                        // clWindow
    case 6: return palette.color(QPalette::Shadow);                      // clWindowFrame
    case 7: return palette.color(QPalette::WindowText);                  // clMenuText
    case 8: return palette.color(QPalette::Text);                        // clWindowText
    case 9: return palette.color(QPalette::HighlightedText);             // clCaptionText
    case 10:
    case 11: return palette.color(QPalette::Window); // borders
    case 12: return palette.color(QPalette::Mid);    // clAppWorkSpace
    case 13: return palette.color(QPalette::Highlight);
    case 14: return palette.color(QPalette::HighlightedText);
    case 15: return palette.color(QPalette::Button);                   // clBtnFace
    case 16: return palette.color(QPalette::Dark);                     // clBtnShadow
    case 17: return palette.color(QPalette::Disabled, QPalette::Text); // clGrayText
    case 18: return palette.color(QPalette::ButtonText);
    case 19: return palette.color(QPalette::Disabled, QPalette::WindowText); // clInactiveCaptionText
    case 20: return palette.color(QPalette::Light);                          // clBtnHighlight
    case 21: return palette.color(QPalette::Shadow);                         // cl3DDkShadow
    case 22: return palette.color(QPalette::Midlight);                       // cl3DLight
    case 23: return palette.color(QPalette::ToolTipText);
    case 24: return palette.color(QPalette::ToolTipBase);
    case 26: return palette.color(QPalette::Link); // clHotLight
    case 27: return palette.color(QPalette::Highlight);
    case 28: return palette.color(QPalette::Mid);
    case 29: return palette.color(QPalette::Highlight); // clMenuHighlight
    case 30: return palette.color(QPalette::Window);    // clMenuBar
    default: return QColor(Qt::black);
    }
}

} // namespace

QString MessageCouleurInvalide(const QString &texte)
{
    return QStringLiteral("''%1'' n'est pas une valeur entière valide.").arg(texte);
}

ConversionCouleur TexteVersCouleur(const QString &texte)
{
    for (const NomCouleur &entree : TableCouleurs) {
        if (texte.compare(QLatin1String(entree.nom), Qt::CaseInsensitive) == 0)
            return {entree.valeur, {}};
    }
    if (const auto valeur = LireEntierTexte(texte))
        return {static_cast<TColor>(*valeur), {}};
    return {std::nullopt, MessageCouleurInvalide(texte)};
}

QString CouleurVersTexte(TColor couleur)
{
    for (const NomCouleur &entree : TableCouleurs) {
        if (entree.valeur == couleur)
            return QString::fromLatin1(entree.nom);
    }
    return QStringLiteral("$%1").arg(couleur, 8, 16, QLatin1Char('0')).toUpper();
}

Rvb CouleurVersRvb(TColor couleur)
{
    if ((couleur & 0xFF000000u) == MarqueCouleurBureau)
        return depuisQColor(roleBureau(couleur & 0xFFu));
    return {static_cast<std::uint8_t>(couleur & 0xFF), static_cast<std::uint8_t>((couleur >> 8) & 0xFF),
            static_cast<std::uint8_t>((couleur >> 16) & 0xFF)};
}

QColor CouleurVersQColor(TColor couleur)
{
    const Rvb rvb = CouleurVersRvb(couleur);
    return QColor(rvb.rouge, rvb.vert, rvb.bleu);
}

TColor RvbVersCouleur(Rvb rvb)
{
    return static_cast<TColor>(rvb.rouge) | (static_cast<TColor>(rvb.vert) << 8) |
           (static_cast<TColor>(rvb.bleu) << 16);
}

TColor QColorVersCouleur(const QColor &couleur) { return RvbVersCouleur(depuisQColor(couleur)); }

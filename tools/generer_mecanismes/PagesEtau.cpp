#include "PagesEtau.h"

#include "PagesHtml.h"

QString CorpsExplicationEtau()
{
    const QString corps = QStringLiteral(R"(<h1>Étau de serrage</h1>
<p><img src="%1" width="460" height="300" alt="Vue de l'étau de serrage"></p>
<p class="legende">L'étau, une pièce serrée entre ses mâchoires.</p>
<h2>À quoi sert-il ?</h2>
<p>L'étau de serrage se fixe sur la table d'une perceuse ou d'une fraiseuse. Il tient fermement une pièce
pendant qu'on la perce ou qu'on la fraise : la pièce est pincée entre deux mâchoires trempées et striées,
l'une vissée sur le mors fixe, qui fait partie du corps, l'autre vissée sur le mors mobile.</p>
<h2>Comment fonctionne-t-il ?</h2>
<p>L'opérateur tourne le levier de manœuvre (11), qui coulisse dans la tête de la vis de manœuvre (3).
La vis tourne dans le palier du corps (1) sans pouvoir avancer ni reculer : d'un côté la bague d'arrêt (8),
goupillée sur la vis, de l'autre la rondelle (10) placée sous la tête l'en empêchent.</p>
<p>L'écrou (4) est fixé sous le mors mobile (2) par deux vis (7) ; il ne peut pas tourner. Quand la vis tourne,
l'écrou avance donc le long de la vis et entraîne le mors mobile, qui glisse sur les glissières du corps.
Les plaques de guidage (13), fixées sous le mors mobile par deux vis (14) chacune, passent sous les glissières et
l'empêchent de se soulever.</p>
<p>Selon le sens de rotation du levier, le mors mobile se rapproche du mors fixe (serrage) ou s'en éloigne
(desserrage). Le détail du mouvement est expliqué dans la page <a href="%2">Fonctionnement de l'étau</a>.</p>
<h2>Les pièces</h2>
<p>L'étau compte quatorze repères : le corps et le mors mobile en fonte, la vis de manœuvre en acier C35 et son
écrou en bronze CuSn8, les deux mâchoires, le levier et ses embouts, la bague d'arrêt, sa goupille, la rondelle,
les plaques de guidage et les vis qui assemblent le tout. La nomenclature, sur le dessin au-dessus du cartouche,
donne la matière de chaque pièce. Dans l'onglet « Dessin technique », cliquez sur le numéro d'une pièce pour
connaître sa désignation, sa matière et le nombre d'exemplaires.</p>
)")
                              .arg(NomImageVue, NomPageFonctionnement);
    return corps;
}

std::vector<AnnexePage> AnnexesEtau()
{
    const QString corps = QStringLiteral(R"(<h1>Fonctionnement de l'étau</h1>
<p><img src="%1" width="480" height="240" alt="Rotation du levier, translation du mors mobile"></p>
<h2>De la rotation à la translation</h2>
<p>La vis de manœuvre (3) et l'écrou (4) forment une liaison hélicoïdale : la vis tourne sur place, l'écrou,
qui ne peut pas tourner, se déplace le long de son axe. Un tour complet du levier fait avancer l'écrou,
et avec lui le mors mobile, d'un pas du filetage, soit 4 mm pour le filetage trapézoïdal Tr 20×4.</p>
<h2>Le serrage</h2>
<p>Pendant le serrage, la pièce repousse le mors mobile vers le palier. L'écrou transmet cet effort à la vis, qui
le transmet au corps par la goupille (9) et la bague d'arrêt (8), appuyée contre la face intérieure de la paroi du
palier. La vis est donc poussée à un bout par l'écrou et retenue à l'autre par la bague : entre l'écrou et la bague,
elle travaille en compression ; la goupille, qui passe l'effort de la vis à la bague, travaille au cisaillement.
Au desserrage, l'effort, faible, s'inverse : c'est la tête de la vis qui appuie sur la face extérieure de la paroi,
par l'intermédiaire de la rondelle (10), et la vis est tendue.</p>
<h2>Pourquoi un filetage trapézoïdal ?</h2>
<p>Le filetage trapézoïdal supporte de grands efforts et s'use peu. Son pas est petit devant son diamètre :
le système est irréversible, c'est-à-dire que l'effort de la pièce sur le mors ne peut pas faire tourner la vis.
L'étau reste serré quand on lâche le levier.</p>
<h2>Le guidage du mors mobile</h2>
<p>Le mors mobile (2) glisse sur les deux glissières rectifiées du corps. Les plaques de guidage (13), vissées sous
le mors mobile et glissant sous les glissières, reprennent l'effort qui tend à soulever le mors quand on serre une
pièce haute.</p>
<p><a href="explication.htm">Retour à la présentation de l'étau</a></p>
)")
                              .arg(NomImageMouvement);
    return {{NomPageFonctionnement, PageHtml(QStringLiteral("Fonctionnement de l'étau"), corps)},
            {NomImageVue, OctetsPng(ImageVueEtau())},
            {NomImageMouvement, OctetsPng(ImageMouvementEtau())}};
}

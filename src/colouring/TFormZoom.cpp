#include "colouring/TFormZoom.h"

#include "colouring/PlacementLoupe.h"
#include "colouring/TZoom.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <array>

namespace {
const QString TitreLoupe = QStringLiteral("Loupe");
constexpr QSize TailleClient(225, 273);
struct Grossissement {
    const char16_t *texte;
    int niveau;
};
constexpr std::array<Grossissement, 5> Grossissements{
    {{u"x 2", 50}, {u"x 3", 33}, {u"x 4", 25}, {u"x 5", 20}, {u"x 10", 10}}};
constexpr int GrossissementInitial = 2;
constexpr int DelaiCadre = 100;
constexpr int EssaisCadre = 20;
// A title bar and a close button. Some window managers (Openbox) add a minimise button whatever the
// window asks: Montrer brings a minimised loupe back.
const Qt::WindowFlags FenetreOutil = Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
} // namespace

TFormZoom::TFormZoom(QWidget *parent) : QWidget(parent, FenetreOutil)
{
    setObjectName(QStringLiteral("FormZoom"));
    setWindowTitle(TitreLoupe);
    setAccessibleName(TitreLoupe);
    setFixedSize(TailleClient);

    Image = new QLabel(this);
    Image->setObjectName(QStringLiteral("Image"));
    Image->setGeometry(8, 8, 209, 209);
    Image->setStyleSheet(QStringLiteral("background: black;"));
    Image->setAccessibleName(QStringLiteral("Cadre de la loupe"));

    Zoom = new TZoom(this);
    Zoom->setObjectName(QStringLiteral("Zoom"));
    Zoom->setAccessibleName(QStringLiteral("Vue agrandie autour du pointeur"));
    Zoom->setGeometry(9, 9, 207, 207);
    Zoom->ZoomLevel = Grossissements[GrossissementInitial].niveau;
    Zoom->Crosshair = true;
    Zoom->CrosshairColor = QColor(255, 0, 0);

    RadioGroup = new QGroupBox(QStringLiteral("Zoom"), this);
    RadioGroup->setObjectName(QStringLiteral("RadioGroup"));
    RadioGroup->setAccessibleName(QStringLiteral("Zoom"));
    RadioGroup->setGeometry(8, 224, 209, 41);
    auto *colonnes = new QHBoxLayout(RadioGroup);
    colonnes->setContentsMargins(4, 0, 2, 0);
    colonnes->setSpacing(2);
    Boutons = new QButtonGroup(this);
    for (std::size_t i = 0; i < Grossissements.size(); ++i) {
        auto *bouton = new QRadioButton(QString::fromUtf16(Grossissements[i].texte), RadioGroup);
        bouton->setAccessibleName(QStringLiteral("Grossissement ") + bouton->text());
        colonnes->addWidget(bouton);
        Boutons->addButton(bouton, int(i));
    }
    Boutons->button(GrossissementInitial)->setChecked(true);
    connect(Boutons, &QButtonGroup::idClicked, this, &TFormZoom::RadioGroupClick);
    // The five choices take more than 209 pixels in some desktop fonts: the window widens for them.
    const int largeurGroupe = std::max(RadioGroup->width(), RadioGroup->sizeHint().width());
    RadioGroup->resize(largeurGroupe, RadioGroup->height());
    setFixedSize(std::max(TailleClient.width(), largeurGroupe + 16), TailleClient.height());
}

void TFormZoom::RadioGroupClick()
{
    const int i = Boutons->checkedId();
    if (i >= 0 && std::size_t(i) < Grossissements.size())
        Zoom->ZoomLevel = Grossissements[std::size_t(i)].niveau;
}

void TFormZoom::Montrer(QWidget *pour)
{
    Servie = pour ? pour->window() : nullptr;
    setWindowFlags(FenetreOutil | Qt::WindowStaysOnTopHint);
    // A window shown for a modal window stays usable while that one runs.
    winId();
    if (pour && pour->window()->windowHandle())
        windowHandle()->setTransientParent(pour->window()->windowHandle());
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
}

void TFormZoom::Cacher()
{
    hide();
    setWindowFlags(FenetreOutil);
    if (windowHandle())
        windowHandle()->setTransientParent(nullptr);
}

void TFormZoom::closeEvent(QCloseEvent *evenement)
{
    QWidget::closeEvent(evenement);
    // The program itself only ever hides it.
    emit FermeeParEleve();
}

void TFormZoom::showEvent(QShowEvent *evenement)
{
    QWidget::showEvent(evenement);
    FormShow();
    // The window manager gives the window its frame after it shows: placed again once it has one.
    // Placed before, its frame's title bar would go above the screen.
    PlacerQuandEncadree(EssaisCadre);
}

void TFormZoom::PlacerQuandEncadree(int essais)
{
    QTimer::singleShot(DelaiCadre, this, [this, essais] {
        if (!isVisible())
            return;
        if (frameGeometry() != geometry())
            FormShow();
        else if (essais > 1)
            PlacerQuandEncadree(essais - 1);
    });
}

void TFormZoom::FormShow()
{
    const QScreen *ecran = Servie && Servie->screen() ? Servie->screen() : screen();
    if (!ecran)
        ecran = QGuiApplication::primaryScreen();
    if (!ecran)
        return;
    const QSize cadre = frameGeometry().size().expandedTo(size());
    move(PlacementLoupe(ecran->geometry(), cadre, BandeInterdite()));
}

QRect TFormZoom::BandeInterdite() const
{
    if (!Servie || !Servie->isVisible())
        return {};
    const QRect cadre = Servie->frameGeometry();
    int bas = Servie->geometry().top() - 1; // the title bar's last row
    const auto *principale = qobject_cast<const QMainWindow *>(Servie.data());
    if (const QWidget *menus = principale ? principale->menuWidget() : nullptr; menus && menus->isVisible())
        bas = menus->mapToGlobal(QPoint(0, menus->height() - 1)).y();
    return QRect(QPoint(cadre.left(), cadre.top()), QPoint(cadre.right(), bas));
}

void TFormZoom::EviterFenetre()
{
    if (isVisible() && frameGeometry().intersects(BandeInterdite()))
        FormShow();
}

// The drawing page: the picture centred in its scroll box, the part pop-up and its display time.
#include "presentation/TFormPresentation.h"

#include "common/InfobullesQt.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
const QString TexteLabel1 =
    QStringLiteral("Cliquer sur le numéro des pièces pour avoir des informations sur celle-ci.");
const QString TexteLabel2 = QStringLiteral("Durée de l'affichage des informations des pièces (en secondes)");
const QString NomPlan = QStringLiteral("Dessin technique");
constexpr int HauteurPanel = 49;
constexpr int DureeMax = 10;
constexpr int DureeInitiale = 3;
} // namespace

void TFormPresentation::PlanCreation()
{
    TabSheetPlan = new QWidget(PageControl1);
    TabSheetPlan->setObjectName(QStringLiteral("TabSheetPlan"));
    auto *disposition = new QVBoxLayout(TabSheetPlan);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->setSpacing(0);

    Panel1 = new QWidget(TabSheetPlan);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(HauteurPanel);
    auto *label1 = new QLabel(TexteLabel1, Panel1);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->move(5, 5);
    auto *label2 = new QLabel(TexteLabel2, Panel1);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The label keeps its width unless the desktop's font needs more; the number box follows it.
    label2->setGeometry(5, 23, qMax(300, label2->sizeHint().width()), 22);
    SpinEdit = new QSpinBox(Panel1);
    SpinEdit->setObjectName(QStringLiteral("SpinEdit"));
    label2->setBuddy(SpinEdit); // names the number box for a screen reader
    SpinEdit->setRange(0, DureeMax);
    SpinEdit->setValue(DureeInitiale);
    SpinEdit->setGeometry(label2->geometry().right() + 6, 23, qMax(40, SpinEdit->sizeHint().width()), 22);
    connect(SpinEdit, &QSpinBox::valueChanged, this, &TFormPresentation::SpinEditChange);
    disposition->addWidget(Panel1);

    ScrollBox = new QScrollArea(TabSheetPlan);
    ScrollBox->setObjectName(QStringLiteral("ScrollBox"));
    ScrollBox->setWidgetResizable(false);
    FondPlan = new QWidget(ScrollBox);
    FondPlan->setObjectName(QStringLiteral("FondPlan"));
    FondPlan->setMouseTracking(true);
    ImagePlan = new QLabel(FondPlan);
    ImagePlan->setObjectName(QStringLiteral("ImagePlan"));
    ImagePlan->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ImagePlan->setAccessibleName(NomPlan);
    ImagePlan->setAccessibleDescription(TexteLabel1);
    ImagePlan->resize(0, 0);
    ScrollBox->setWidget(FondPlan);
    disposition->addWidget(ScrollBox);

    ImagePlan->installEventFilter(this);
    FondPlan->installEventFilter(this);
    ScrollBox->viewport()->installEventFilter(this);
}

void TFormPresentation::PlanEdition(const QImage &plan)
{
    ImagePlan->setPixmap(QPixmap::fromImage(plan));
    ImagePlan->resize(plan.size());
    FormResize();
}

void TFormPresentation::FormResize()
{
    const QSize vue = ScrollBox->viewport()->size();
    const QSize image = ImagePlan->size();
    // Placed before the contents are resized: that may bring or take away a scroll bar, and the
    // view's new size then runs this again.
    ImagePlan->move(image.width() < vue.width() ? (vue.width() - image.width()) / 2 : 0,
                    image.height() < vue.height() ? (vue.height() - image.height()) / 2 : 0);
    FondPlan->resize(image.expandedTo(vue));
}

bool TFormPresentation::eventFilter(QObject *objet, QEvent *evenement)
{
    if (objet == ImagePlan) {
        switch (evenement->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const auto *souris = static_cast<QMouseEvent *>(evenement);
            ImagePlanMouseDown(souris->position().toPoint(), souris->globalPosition().toPoint());
            return true;
        }
        case QEvent::MouseButtonRelease: ImagePlanMouseUp(); return true;
        default: break;
        }
    } else if (objet == FondPlan && evenement->type() == QEvent::MouseMove) {
        if (!ImagePlan->geometry().contains(static_cast<QMouseEvent *>(evenement)->position().toPoint()))
            ScrollBoxMouseMove();
    } else if (objet == ScrollBox->viewport() && evenement->type() == QEvent::Resize) {
        FormResize();
    }
    return QMainWindow::eventFilter(objet, evenement);
}

void TFormPresentation::SpinEditChange() { DefinirDureeInfobulles(SpinEdit->value() * 1000); }

int TFormPresentation::NumeroZone(TColor couleur) const { return ::NumeroZone(Zones, NombrePieces, couleur); }

void TFormPresentation::ImagePlanMouseDown(const QPoint &position, const QPoint &positionGlobale)
{
    CacherInfobulle();
    InfobulleArmee.clear();
    if (!ImageTrame.rect().contains(position))
        return;
    const uchar *pixel = ImageTrame.constScanLine(position.y()) + 3 * position.x();
    const int numero = NumeroZone(RvbVersCouleur({pixel[0], pixel[1], pixel[2]}));
    if (numero < 0)
        return;
    InfobulleArmee = TexteInfobulle(Zones[static_cast<std::size_t>(numero - 1)]);
    PositionInfobulle = positionGlobale;
}

void TFormPresentation::ImagePlanMouseUp()
{
    if (!InfobulleArmee.isEmpty())
        MontrerInfobulle(PositionInfobulle, InfobulleArmee, ImagePlan);
    InfobulleArmee.clear();
}

void TFormPresentation::ScrollBoxMouseMove() { CacherInfobulle(); }

#include "common/AffichageModal.h"

#include "common/GeometrieFenetre.h"
#include "common/MenusClavier.h"

#include <QEvent>
#include <QEventLoop>
#include <QMainWindow>
#include <QScreen>

namespace {
// Ends the loop when the window is closed or hidden by the program. Minimising it also sends a
// hide event, from the desktop; the window then stays open and is not ended.
class FinSurFermeture final : public QObject {
public:
    FinSurFermeture(QEventLoop &boucle, const QWidget &fenetre) : boucle_(boucle), fenetre_(fenetre) {}
    bool eventFilter(QObject *, QEvent *evenement) override
    {
        if (evenement->type() == QEvent::Hide && fenetre_.isHidden())
            boucle_.quit();
        return false;
    }

private:
    QEventLoop &boucle_;
    const QWidget &fenetre_;
};
} // namespace

void AfficherModal(QWidget &fenetre)
{
    QEventLoop boucle;
    FinSurFermeture filtre(boucle, fenetre);
    fenetre.setWindowModality(Qt::ApplicationModal);
    fenetre.installEventFilter(&filtre);
    RestaurerALaTailleDeConception(fenetre);
    if (auto *principale = qobject_cast<QMainWindow *>(&fenetre))
        OuvrirMenusParF10(*principale);
    // Without a window manager nothing maximises the window: it is given the screen beforehand.
    if (const QScreen *ecran = fenetre.screen())
        fenetre.setGeometry(ecran->availableGeometry());
    fenetre.showMaximized();
    if (fenetre.isVisible())
        boucle.exec();
    fenetre.removeEventFilter(&filtre);
}

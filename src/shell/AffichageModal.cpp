#include "shell/AffichageModal.h"

#include <QEvent>
#include <QEventLoop>
#include <QScreen>

namespace {
class FinSurFermeture final : public QObject {
public:
    explicit FinSurFermeture(QEventLoop &boucle) : boucle_(boucle) {}
    bool eventFilter(QObject *, QEvent *evenement) override
    {
        if (evenement->type() == QEvent::Hide)
            boucle_.quit();
        return false;
    }

private:
    QEventLoop &boucle_;
};
} // namespace

void AfficherModal(QWidget &fenetre)
{
    QEventLoop boucle;
    FinSurFermeture filtre(boucle);
    fenetre.setWindowModality(Qt::ApplicationModal);
    fenetre.installEventFilter(&filtre);
    // Without a window manager nothing maximises the window: it is given the screen beforehand.
    if (const QScreen *ecran = fenetre.screen())
        fenetre.setGeometry(ecran->availableGeometry());
    fenetre.showMaximized();
    if (fenetre.isVisible())
        boucle.exec();
    fenetre.removeEventFilter(&filtre);
}

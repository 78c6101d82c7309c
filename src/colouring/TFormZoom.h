#pragma once

#include <QPointer>
#include <QWidget>

class QButtonGroup;
class QGroupBox;
class QLabel;
class TZoom;

// The loupe: a small tool window at the top right corner of the screen showing the screen around
// the pointer magnified, with a red crosshair. It lives for the whole run, hidden until a colouring
// window shows it, and never covers that window's title bar or menu bar.
class TFormZoom : public QWidget {
    Q_OBJECT
public:
    explicit TFormZoom(QWidget *parent = nullptr);

    TZoom *Zoom = nullptr;
    QGroupBox *RadioGroup = nullptr;
    QButtonGroup *Boutons = nullptr;

    // Shows it above every other window, or hides it and makes it an ordinary window again. The
    // window it shows for keeps working with it while that window is modal.
    void Montrer(QWidget *pour);
    void Cacher();
    // Shown and not minimised: what the student can see.
    bool Montree() const { return isVisible() && !isMinimized(); }
    // Moves away when the window it serves has come under it (moved, resized, maximised).
    void EviterFenetre();

signals:
    // The student closed it with its title bar's button (or Alt+F4).
    void FermeeParEleve();

protected:
    void showEvent(QShowEvent *evenement) override;
    void closeEvent(QCloseEvent *evenement) override;

private:
    void FormShow();
    void PlacerQuandEncadree(int essais);
    void RadioGroupClick();
    // The title bar and menu bar of the window served, on the screen; empty without one.
    QRect BandeInterdite() const;

    QLabel *Image = nullptr;
    QPointer<QWidget> Servie;
};
